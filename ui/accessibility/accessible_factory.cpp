#include "ui/accessibility/accessible_factory.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QWindow>

#include "ui/accessibility/line_edit_interface.h"
#include "ui/accessibility/option_list_interface.h"

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

// Where a window keeps the role it asked for.
constexpr char kRoleProperty[] = "vesmarotAccessibleRole";

// Qt asks for the most derived class first, so only these windows and boxes are touched.
QAccessibleInterface* AccessibleFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->isWindow()) {
        const QVariant role = widget->property(kRoleProperty);
        if (role.isValid()) return new TopLevelInterface(widget, QAccessible::Role(role.toInt()));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return new LineEditInterface(edit);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (auto* list = qobject_cast<QListWidget*>(object)) return new OptionListInterface(list);
#endif
    return nullptr;
}

}  // namespace

void SetWindowRole(QWidget* window, QAccessible::Role role) {
    window->setProperty(kRoleProperty, int(role));
}

void InstallAccessibleFactory() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(AccessibleFactory);
}

}  // namespace vesmarot::ui
