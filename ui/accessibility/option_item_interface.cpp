#include "ui/accessibility/option_item_interface.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QHash>
#include <QListWidget>

namespace vesmarot::ui {

OptionItemInterface::OptionItemInterface(QListWidget* list, int row)
    : list_(list), index_(list->model()->index(row, 0)) {}

void* OptionItemInterface::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
        case QAccessible::TableCellInterface:
            return static_cast<QAccessibleTableCellInterface*>(this);
        case QAccessible::ActionInterface:
            return static_cast<QAccessibleActionInterface*>(this);
        case QAccessible::AttributesInterface:
            return static_cast<QAccessibleAttributesInterface*>(this);
        default:
            return nullptr;
    }
}

bool OptionItemInterface::isValid() const { return list_ && index_.isValid(); }

QAccessible::State OptionItemInterface::state() const {
    QAccessible::State state;
    if (!isValid()) return state;
    QRect shown = list_->rect();
    shown.translate(list_->mapToGlobal(QPoint(0, 0)));
    if (!shown.intersects(rect())) state.invisible = true;
    state.selected = list_->selectionModel()->isSelected(index_);
    state.focused = list_->selectionModel()->currentIndex() == index_;
    if (index_.flags() & Qt::ItemIsSelectable) {
        state.selectable = true;
        state.focusable = true;
    }
    return state;
}

QRect OptionItemInterface::rect() const {
    if (!isValid()) return {};
    QRect r = list_->visualRect(index_);
    if (r.isNull()) return r;
    return r.translated(list_->viewport()->mapToGlobal(QPoint(0, 0)));
}

QString OptionItemInterface::text(QAccessible::Text kind) const {
    if (!isValid()) return {};
    switch (kind) {
        case QAccessible::Name: {
            const QString name = index_.data(Qt::AccessibleTextRole).toString();
            return name.isEmpty() ? index_.data(Qt::DisplayRole).toString() : name;
        }
        case QAccessible::Description:
            return index_.data(Qt::AccessibleDescriptionRole).toString();
        default:
            return {};
    }
}

QAccessibleInterface* OptionItemInterface::parent() const {
    return QAccessible::queryAccessibleInterface(list_.data());
}

bool OptionItemInterface::isSelected() const {
    return isValid() && list_->selectionModel()->isSelected(index_);
}

QStringList OptionItemInterface::actionNames() const { return {toggleAction()}; }

void OptionItemInterface::doAction(const QString& name) {
    // A single-choice list: an option is chosen, never unchosen, as with Qt's own list.
    if (name == toggleAction() && !isSelected()) choose();
}

QList<QAccessible::Attribute> OptionItemInterface::attributeKeys() const {
    return {QAccessible::Attribute::Custom};
}

QVariant OptionItemInterface::attributeValue(QAccessible::Attribute key) const {
    if (key != QAccessible::Attribute::Custom || !isValid()) return {};
    return QVariant::fromValue(QHash<QString, QString>{
        {QStringLiteral("posinset"), QString::number(index_.row() + 1)},
        {QStringLiteral("setsize"), QString::number(list_->count())},
    });
}

void OptionItemInterface::choose() {
    if (!isValid() || list_->selectionMode() == QAbstractItemView::NoSelection) return;
    list_->clearSelection();
    list_->selectionModel()->select(index_, QItemSelectionModel::Select);
}

}  // namespace vesmarot::ui

#endif
