#include "ui/input_field.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace vesmarot::ui {

void SelectWholeText(QLineEdit* field) { field->setSelection(0, field->text().size()); }

void InputField::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        // QLineEdit would select the text itself here, before Qt has told a screen reader of
        // this field; the window's screen-reader guide selects it once the reader has heard it.
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void InputField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) SelectWholeText(this);
}

}  // namespace vesmarot::ui
