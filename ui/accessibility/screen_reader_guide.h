#pragma once

#include <QObject>
#include <QPointer>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QListWidget;
class QWidget;

namespace vesmarot::ui {

// What a window tells a screen reader beyond what Qt tells by itself, while the keyboard focus
// stays in one of its fields: a control read as if it had the focus (the count a search ends
// with), each option the list's current row moves to, and the field again at the next key that
// acts in it. It alone selects a field whole when the field takes the focus by Tab or is given
// it back, and times that so that a reader speaks the field and its selection once: selected
// before Qt has told a reader of the field, the reader would speak the selection on its own and
// then the field with it again.
//
// Qt's own list tells a reader of a new current option only on some versions (not while the
// keyboard focus is elsewhere, from 6.8 on), so every option is told from here, and the list
// (OptionList) tells none itself: one behaviour on every Qt.
class ScreenReaderGuide : public QObject {
    Q_OBJECT
  public:
    ScreenReaderGuide(QWidget* window, std::initializer_list<QLineEdit*> fields,
                      QListWidget* options);

    // Has a reader read `control` now, as if it had the focus; the keyboard focus stays.
    void readNow(QWidget* control);

    // Gives `field` the keyboard focus and selects its whole text once Qt has told a reader of
    // it: at once if the window is active, else just after the window turns active, before any
    // key can reach it.
    void focusWhole(QLineEdit* field);

    // Tab or Shift+Tab has just moved the window's focus, and Qt has told a reader where: a field
    // reached so is selected whole.
    void tabMovedFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tellCurrentOption(int row);
    bool isField(QObject* object) const;

    QWidget* window_;
    std::vector<QLineEdit*> fields_;
    QListWidget* options_;
    // The reader was last pointed away from the control that has the keyboard focus.
    bool readerAway_ = false;
    // The field to select whole once the window is active again.
    QPointer<QLineEdit> selectOnActivation_;
};

}  // namespace vesmarot::ui
