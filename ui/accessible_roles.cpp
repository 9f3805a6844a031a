#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "ui/line_edit_accessible.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"

namespace vesmarot::ui {
namespace {

// Qt asks for the most derived class first, so only these windows and boxes are touched.
QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    // The dialog's label carries the message, so the alert itself adds nothing to be read twice.
    if (className == QLatin1String(MessageDialog::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::AlertMessage);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return new LineEditInterface(edit);
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
