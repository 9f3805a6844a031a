#include "ui/accessibility/screen_reader_guide.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "ui/input_field.h"

namespace vesmarot::ui {
namespace {

// Keys that do something in the field itself, rather than move the focus, act on the window,
// walk the options, or only modify another key.
bool ActsInField(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_Insert:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return false;
        default:
            return true;
    }
}

}  // namespace

ScreenReaderGuide::ScreenReaderGuide(QWidget* window, std::initializer_list<QLineEdit*> fields,
                                     QListWidget* options)
    : QObject(window), window_(window), fields_(fields), options_(options) {
    window_->installEventFilter(this);
    for (QLineEdit* field : fields_) field->installEventFilter(this);
    connect(options_, &QListWidget::currentRowChanged, this, &ScreenReaderGuide::tellCurrentOption);
}

bool ScreenReaderGuide::isField(QObject* object) const {
    return std::find(fields_.begin(), fields_.end(), object) != fields_.end();
}

void ScreenReaderGuide::readNow(QWidget* control) {
    QAccessibleEvent focus(control, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    readerAway_ = control != window_->focusWidget();
}

void ScreenReaderGuide::tellCurrentOption(int row) {
    if (row < 0) return;  // the list was emptied
    QAccessibleEvent focus(options_, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
    readerAway_ = options_ != window_->focusWidget();
}

void ScreenReaderGuide::focusWhole(QLineEdit* field) {
    field->setFocus(Qt::OtherFocusReason);
    // Qt has told a reader of the field by now if the window is active. Coming back from a
    // dialog, it tells it only as the window turns active.
    if (window_->isActiveWindow()) {
        SelectWholeText(field);
        return;
    }
    selectOnActivation_ = field;
}

void ScreenReaderGuide::tabMovedFocus() {
    QWidget* focus = window_->focusWidget();
    if (isField(focus)) SelectWholeText(static_cast<QLineEdit*>(focus));
}

bool ScreenReaderGuide::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::WindowActivate && selectOnActivation_) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QLineEdit* target = selectOnActivation_;
                    selectOnActivation_ = nullptr;
                    if (target && target->hasFocus()) SelectWholeText(target);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    if (!isField(watched)) return false;
    // A field taking the focus is told by Qt itself.
    if (event->type() == QEvent::FocusIn) readerAway_ = false;
    // Typing goes on in the field, so the reader follows it again before the key lands.
    if (event->type() == QEvent::KeyPress && readerAway_ &&
        ActsInField(*static_cast<QKeyEvent*>(event)))
        readNow(static_cast<QWidget*>(watched));
    return false;
}

}  // namespace vesmarot::ui
