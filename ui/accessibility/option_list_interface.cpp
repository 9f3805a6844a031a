#include "ui/accessibility/option_list_interface.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

#include <QListWidget>

#include "ui/accessibility/option_item_interface.h"

namespace vesmarot::ui {

OptionListInterface::OptionListInterface(QListWidget* list)
    : QAccessibleWidget(list, QAccessible::List) {}

OptionListInterface::~OptionListInterface() { forgetItems(); }

QListWidget* OptionListInterface::list() const { return static_cast<QListWidget*>(widget()); }

void OptionListInterface::forgetItems() {
    for (QAccessible::Id id : std::as_const(items_)) QAccessible::deleteAccessibleInterface(id);
    items_.clear();
}

void* OptionListInterface::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
        case QAccessible::SelectionInterface:
            return static_cast<QAccessibleSelectionInterface*>(this);
        case QAccessible::TableInterface:
            return static_cast<QAccessibleTableInterface*>(this);
        case QAccessible::AttributesInterface:
            return static_cast<QAccessibleAttributesInterface*>(this);
        default:
            return QAccessibleWidget::interface_cast(type);
    }
}

int OptionListInterface::childCount() const { return list()->count(); }

QAccessibleInterface* OptionListInterface::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    if (const auto known = items_.constFind(index); known != items_.constEnd()) {
        QAccessibleInterface* item = QAccessible::accessibleInterface(*known);
        if (item && item->isValid()) return item;
        // Its option went with a refill that Qt told no one of: Qt passes model changes on only
        // while a reader listens.
        QAccessible::deleteAccessibleInterface(*known);
        items_.erase(known);
    }
    auto* item = new OptionItemInterface(list(), index);
    items_.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int OptionListInterface::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const OptionItemInterface*>(child);
    return item && item->isValid() && item->parent() == this ? item->rowIndex() : -1;
}

QAccessibleInterface* OptionListInterface::childAt(int x, int y) const {
    const QPoint at = list()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = list()->indexAt(at);
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* OptionListInterface::focusChild() const {
    const int row = list()->currentRow();
    return row < 0 ? nullptr : child(row);
}

int OptionListInterface::selectedItemCount() const { return int(selectedRows().size()); }

QList<QAccessibleInterface*> OptionListInterface::selectedItems() const {
    QList<QAccessibleInterface*> items;
    for (int row : selectedRows()) items.append(child(row));
    return items;
}

bool OptionListInterface::isSelected(QAccessibleInterface* child) const {
    const int row = indexOfChild(child);
    return row >= 0 && isRowSelected(row);
}

bool OptionListInterface::select(QAccessibleInterface* child) {
    return selectRow(indexOfChild(child));
}

bool OptionListInterface::unselect(QAccessibleInterface* child) {
    return unselectRow(indexOfChild(child));
}

// One option is chosen at a time, and a chosen one stays chosen, as in Qt's own list.
bool OptionListInterface::selectAll() { return false; }
bool OptionListInterface::clear() { return false; }

QAccessibleInterface* OptionListInterface::cellAt(int row, int column) const {
    return column == 0 ? child(row) : nullptr;
}

QList<int> OptionListInterface::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : list()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool OptionListInterface::isRowSelected(int row) const {
    const QListWidgetItem* item = list()->item(row);
    return item && item->isSelected();
}

bool OptionListInterface::selectRow(int row) {
    auto* item = static_cast<OptionItemInterface*>(child(row));
    if (!item) return false;
    item->choose();
    return true;
}

bool OptionListInterface::unselectRow(int) { return false; }

void OptionListInterface::modelChange(QAccessibleTableModelChangeEvent*) { forgetItems(); }

QList<QAccessible::Attribute> OptionListInterface::attributeKeys() const {
    return {QAccessible::Attribute::Custom};
}

QVariant OptionListInterface::attributeValue(QAccessible::Attribute key) const {
    if (key != QAccessible::Attribute::Custom) return {};
    return QVariant::fromValue(
        QHash<QString, QString>{{QStringLiteral("setsize"), QString::number(childCount())}});
}

}  // namespace vesmarot::ui

#endif
