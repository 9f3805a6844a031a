#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QtGlobal>

class QListWidget;

namespace vesmarot::ui {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// What a screen reader reads of the option list: Qt's own list, and in addition the number of
// options as the list's set size ("setsize"), so that a reader counting only the rows in view
// still tells them all. Qt's list is private to Qt, so the list is told here in full on the
// public interfaces; each option is an OptionItemInterface. Qt has no such attributes before 6.8,
// where Qt's own list is used.
class OptionListInterface : public QAccessibleWidget,
                            public QAccessibleSelectionInterface,
                            public QAccessibleTableInterface,
                            public QAccessibleAttributesInterface {
  public:
    explicit OptionListInterface(QListWidget* list);
    ~OptionListInterface() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Selection: one option at a time, as the list allows.
    int selectedItemCount() const override;
    QList<QAccessibleInterface*> selectedItems() const override;
    bool isSelected(QAccessibleInterface* child) const override;
    bool select(QAccessibleInterface* child) override;
    bool unselect(QAccessibleInterface* child) override;
    bool selectAll() override;
    bool clear() override;

    // A table of one column, as Qt tells a list.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override { return 1; }
    int rowCount() const override { return childCount(); }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return selectedItemCount(); }
    QList<QAccessibleInterface*> selectedCells() const override { return selectedItems(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return selectedItemCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;

  private:
    QListWidget* list() const;
    void forgetItems();

    // Each option's interface, made when first asked for, by row; all are dropped when the
    // options change, as they change all at once.
    mutable QHash<int, QAccessible::Id> items_;
};

#endif

}  // namespace vesmarot::ui
