#pragma once

#include <QLineEdit>

class QLabel;

namespace vesmarot::ui {

// The rect the style leaves for a text box's contents, before the box's own text margins.
QRect StyleContentsRect(const QLineEdit* box);

// Gives a text box back the room for text that the 96-dpi layout was designed with: a style that
// pads its boxes more than a sunken 2-pixel frame does (Windows 11's does) gets that padding
// taken off again through the text margins. The box's outer size stays as designed. Follows the
// style whenever the box is polished anew.
void KeepDesignedTextRoom(QLineEdit* box);

// A box the program writes and the user only reads: the status line and the selected option's
// area, on the window's own colour and with the designed text room. Shows every text it is given
// from its first letter, and whole: where a value is wider than the box (a three-digit count in a
// wide face), its letters are set just close enough to fit rather than lose its first or last ones.
class OutputBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit OutputBox(QWidget* parent = nullptr);

    void showText(const QString& text);

  protected:
    bool event(QEvent* event) override;

  private:
    void takeWindowColour();
    void fitText();
};

// Lets a label run on into the free space beside or below it, as far as its text needs, where the
// stand-in face is wider or taller than the designed one: a single line grows to the right, a
// wrapped text downwards. Never shrinks it.
void LetTextRunOn(QLabel* label);

}  // namespace vesmarot::ui
