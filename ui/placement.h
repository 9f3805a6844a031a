#pragma once

#include <QLatin1String>
#include <QRect>
#include <QSize>

class QString;
class QWidget;

namespace vesmarot::ui {

// Every window of the program: a fixed frame with a title and a close box only.
constexpr Qt::WindowFlags FixedFrame(Qt::WindowType kind) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

// Gives a window its design name, title, the program's icon and font, and its fixed inside size.
// `spokenTitle` is the title as a screen reader says it, with the diacritics the title bar lacks.
void DesignWindow(QWidget* window, const char* designName, const QString& title,
                  const QString& spokenTitle, QSize size);

// Names a control by its design name and puts it where the design (in twips, converted) says.
template <typename Widget>
Widget* Place(Widget* widget, const char* designName, QRect rect) {
    widget->setObjectName(QLatin1String(designName));
    widget->setGeometry(rect);
    return widget;
}

}  // namespace vesmarot::ui
