#include "ui/fonts.h"

namespace vesmarot::ui {

QFont WindowFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}  // namespace vesmarot::ui
