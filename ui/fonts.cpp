#include "ui/fonts.h"

namespace vesmarot::ui {

QFont WindowFont() {
    // The stand-in for the designed face: metric-compatible, with Vietnamese and φ. Windows has
    // Arial itself; elsewhere Liberation Sans is installed with the program.
#ifdef Q_OS_WIN
    QFont font(QStringLiteral("Arial"));
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace vesmarot::ui
