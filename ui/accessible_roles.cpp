#include "ui/accessible_roles.h"

#include <QAccessibleWidget>

#include "ui/main_window.h"
#include "ui/message_dialog.h"

namespace vesmarot::ui {
namespace {

// A message dialog: its name is the title, its value and description the message.
class AlertInterface : public QAccessibleWidget {
  public:
    explicit AlertInterface(QWidget* dialog)
        : QAccessibleWidget(dialog, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
};

// Qt asks for the most derived class first, so only these two windows are touched.
QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (className == QLatin1String(MessageDialog::staticMetaObject.className())) {
        return new AlertInterface(widget);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(RoleFactory);
}

}  // namespace vesmarot::ui
