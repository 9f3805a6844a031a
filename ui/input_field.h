#pragma once

#include <QLineEdit>

namespace vesmarot::ui {

// Selects the whole text: start 0, length = the number of characters; the caret ends after it.
void SelectWholeText(QLineEdit* field);

// An input box that selects its whole text when clicked, so that typing replaces the value. It
// does not select itself on taking the focus, as QLineEdit does on Tab: its window's
// screen-reader guide does, once a reader has heard the field. Returning to the window keeps
// the user's own selection.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vesmarot::ui
