#include "ui/accessible_roles.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWindow>

#include "ui/line_edit_accessible.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"

namespace vesmarot::ui {
namespace {

// A window whose "active" state follows the window system's focus. Qt's own follows the
// widget-level active window, which changes only after the window system has moved the focus: a
// window losing the focus to a dialog would still say it is active, and on Windows a reader would
// be told that it opened again, with its field focused, just before the dialog.
class TopLevelInterface : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const QWindow* handle = widget()->windowHandle();
        state.active = handle != nullptr && handle == QGuiApplication::focusWindow();
        return state;
    }
};

// Qt asks for the most derived class first, so only these windows and boxes are touched.
QAccessibleInterface* RoleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(MainWindow::staticMetaObject.className())) {
        return new TopLevelInterface(widget, QAccessible::Window);
    }
    // The dialog's label carries the message, so the alert itself adds nothing to be read twice.
    if (className == QLatin1String(MessageDialog::staticMetaObject.className())) {
        return new TopLevelInterface(widget, QAccessible::AlertMessage);
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
