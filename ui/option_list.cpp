#include "ui/option_list.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionViewItem>

#include "engine/option_entry.h"
#include "ui/phi_delegate.h"
#include "ui/regional_numbers.h"
#include "ui/texts.h"
#include "ui/utf8_text.h"

namespace vesmarot::ui {
namespace {

// One option. What a screen reader and a tooltip need is worked out when asked for, not for
// every one of up to hundreds of items each time the list is filled.
class OptionItem : public QListWidgetItem {
  public:
    OptionItem(const QString& entry, double requiredArea)
        : QListWidgetItem(entry), requiredArea_(requiredArea) {}

    QVariant data(int role) const override {
        switch (role) {
            case Qt::AccessibleTextRole:
                return ShownEntry(text());
            case Qt::ToolTipRole:
            case Qt::AccessibleDescriptionRole:
                return detail();
            default:
                return QListWidgetItem::data(role);
        }
    }

  private:
    // "6.032 cm² (+20.6 %)" in the user's decimals; empty for an entry that has no area.
    QString detail() const {
        const QByteArray utf8 = text().toUtf8();
        const std::string_view entry = ByteView(utf8);
        const engine::NumberSettings settings = RegionalNumberSettings();
        const auto area = engine::OptionEntryAreaText(entry, settings);
        const auto excess = engine::OptionEntryExcessText(entry, requiredArea_, settings);
        if (!area || !excess) return {};
        return text::OptionDetailText(ToQString(*area), ToQString(*excess));
    }

    double requiredArea_;
};

#ifdef Q_OS_WIN
// Windows' look for a selected row comes from a theme that Qt's style opens on a hidden helper
// window of its own, made the first time such a row is drawn. Under Wine, making that window
// takes the keyboard from the active one, so that the first option selected would leave the
// fields deaf to every key after it. Drawing a selected row once, before any window is shown,
// makes the helper while there is nothing to take the keyboard from.
void PrepareSelectedRowTheme(QListWidget* list) {
    QPixmap canvas(16, 16);
    QPainter painter(&canvas);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = canvas.rect();
    option.state |= QStyle::State_Selected;
    list->style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, &painter, list);
}
#endif

}  // namespace

OptionList::OptionList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // Each option as wide as its own text: with uniform sizes Qt would take one sample's width
    // for all and cut the longer entries of a large Nmax short. The list scrolls sideways instead.
    setUniformItemSizes(false);
    setItemDelegate(new PhiDelegate(this));
#ifdef Q_OS_WIN
    PrepareSelectedRowTheme(this);
#endif
}

void OptionList::showOptions(const std::vector<std::string>& entries, double requiredArea) {
    clear();
    for (const std::string& entry : entries)
        addItem(new OptionItem(ToQString(entry), requiredArea));
}

int OptionList::rowsPerPage() const {
    const int rowHeight = count() > 0 ? sizeHintForRow(0) : 0;
    return rowHeight > 0 ? qMax(1, viewport()->height() / rowHeight) : 1;
}

bool OptionList::moveSelection(int key) {
    int step = 0;
    switch (key) {
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_PageUp:
            step = -rowsPerPage();
            break;
        case Qt::Key_PageDown:
            step = rowsPerPage();
            break;
        default:
            return false;
    }
    if (count() == 0) return true;
    const QList<QListWidgetItem*> selected = selectedItems();
    const int from = selected.isEmpty() ? -1 : row(selected.front());
    const int to = from < 0 ? 0 : qBound(0, from + step, count() - 1);
    if (to == from) return true;
    // The same steps as a click: current item, selection, and into view.
    setCurrentRow(to, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item(to));
    return true;
}

void OptionList::copySelected() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return;
    QApplication::clipboard()->setText(ShownEntry(selected.front()->text()));
}

void OptionList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // QListView's own step tells a reader of the option on some Qt versions only; the item view's
    // step under it does all the rest.
    QAbstractItemView::currentChanged(current, previous);
}

void OptionList::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelected();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void OptionList::contextMenuEvent(QContextMenuEvent* event) {
    QListWidgetItem* under = itemAt(event->pos());
    if (!under) return;
    // The option pointed at is the one copied, as in any list: select it first.
    setCurrentItem(under, QItemSelectionModel::ClearAndSelect);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("optionMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(text::kCopy, this, &OptionList::copySelected);
    menu->popup(event->globalPos());
}

}  // namespace vesmarot::ui
