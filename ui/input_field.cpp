#include "ui/input_field.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vesmarot::ui {

void SelectWholeText(QLineEdit* field) { field->setSelection(0, field->text().size()); }

void InputField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back to the window or out of a context menu is not taking the focus anew.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        SelectWholeText(this);
    }
}

void InputField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) SelectWholeText(this);
}

}  // namespace vesmarot::ui
