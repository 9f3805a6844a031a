#pragma once

#include <QAccessibleInterface>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QtGlobal>

class QListWidget;

namespace vesmarot::ui {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// One option of the list as a screen reader reads it: its text, the area it provides as its
// description, its state as Qt tells a list's row, and its position among the options and their
// number ("posinset", "setsize", counted from 1), so that a reader need not count the rows in
// view.
class OptionItemInterface : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface,
                            public QAccessibleAttributesInterface {
  public:
    OptionItemInterface(QListWidget* list, int row);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QObject* object() const override { return nullptr; }
    bool isValid() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    QRect rect() const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return index_.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    QList<QAccessible::Attribute> attributeKeys() const override;
    QVariant attributeValue(QAccessible::Attribute key) const override;

    // Makes the option the list's one selected and current option.
    void choose();

  private:
    QPointer<QListWidget> list_;
    QPersistentModelIndex index_;
};

#endif

}  // namespace vesmarot::ui
