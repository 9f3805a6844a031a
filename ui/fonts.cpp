#include "ui/fonts.h"

#include <QStringList>

namespace vesmarot::ui {

QFont WindowFont() {
    // The stand-in for the designed face: metric-compatible, with Vietnamese and φ. Windows has
    // Arial itself; elsewhere Liberation Sans is installed with the program.
    QFont font;
#ifdef Q_OS_WIN
    // Liberation Sans serves where Arial is not installed, as under Wine.
    font.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
#else
    font.setFamilies(QStringList{QStringLiteral("Liberation Sans")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace vesmarot::ui
