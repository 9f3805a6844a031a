#pragma once

#include <QLineEdit>

namespace vesmarot::ui {

// Selects the whole text: start 0, length = the number of characters; the caret ends after it.
void SelectWholeText(QLineEdit* field);

// An input box that selects its whole text whenever it takes the focus or is clicked, so that
// typing always replaces the value. Returning to the window keeps the user's own selection.
// Reached by Tab, it leaves the selecting to its window, which times it for a screen reader.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vesmarot::ui
