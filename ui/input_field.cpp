#include "ui/input_field.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vesmarot::ui {

void SelectWholeText(QLineEdit* field) { field->setSelection(0, field->text().size()); }

void InputField::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        // Not selected here but by the window once the focus has moved, after Qt has told a
        // screen reader of this field: selected now, the reader would speak the selection on its
        // own and then the field with it again.
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
    // Coming back to the window or out of a context menu is not taking the focus anew.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        SelectWholeText(this);
    }
}

void InputField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) SelectWholeText(this);
}

}  // namespace vesmarot::ui
