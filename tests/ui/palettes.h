#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "ui/palette_tone.h"

// Palettes the program may be given by a desktop, built the way the platforms build them from
// their colour schemes, and WCAG's contrast between two colours.
namespace vesmarot::test {

struct SchemeColours {
    QColor window, windowText, base, text, button, buttonText, highlight, highlightedText,
        disabledText;
};

inline QPalette PaletteOf(const SchemeColours& c) {
    QPalette palette(c.buttonText, c.button, c.button.lighter(150), c.button.darker(200),
                     c.button.darker(150), c.text, c.text, c.base, c.window);
    palette.setColor(QPalette::WindowText, c.windowText);
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, c.highlightedText);
    palette.setColor(QPalette::ToolTipBase, c.base);
    palette.setColor(QPalette::ToolTipText, c.text);
    palette.setColor(QPalette::PlaceholderText, c.disabledText);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, c.disabledText);
    return palette;
}

// KDE Plasma's Breeze Dark, as its platform theme hands it to Qt.
inline QPalette BreezeDarkPalette() {
    return PaletteOf({QColor(32, 35, 38), QColor(252, 252, 252), QColor(20, 22, 24),
                      QColor(252, 252, 252), QColor(41, 44, 48), QColor(252, 252, 252),
                      QColor(61, 174, 233), QColor(252, 252, 252), QColor(161, 169, 177)});
}

// Windows' contrast themes "Night sky" (dark) and "Desert" (light), through the system colours
// Qt's Windows theme reads.
inline QPalette NightSkyPalette() {
    return PaletteOf({QColor(0, 0, 0), QColor(255, 255, 255), QColor(0, 0, 0),
                      QColor(255, 255, 255), QColor(0, 0, 0), QColor(255, 238, 50),
                      QColor(214, 180, 253), QColor(43, 43, 43), QColor(63, 242, 63)});
}
inline QPalette DesertPalette() {
    return PaletteOf({QColor(255, 250, 239), QColor(61, 61, 61), QColor(255, 250, 239),
                      QColor(61, 61, 61), QColor(255, 250, 239), QColor(32, 32, 32),
                      QColor(144, 57, 9), QColor(255, 245, 227), QColor(103, 103, 103)});
}

// The palette a test run is given through VESMAROT_TEST_PALETTE, by the names above.
inline QStringList TestPaletteNames() {
    return {QStringLiteral("breeze-dark"), QStringLiteral("night-sky"), QStringLiteral("desert")};
}
inline QPalette TestPalette(const QString& name) {
    if (name == QLatin1String("night-sky")) return NightSkyPalette();
    if (name == QLatin1String("desert")) return DesertPalette();
    return BreezeDarkPalette();
}

// WCAG 2.2 contrast ratio.
inline double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = ui::RelativeLuminance(a), lb = ui::RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace vesmarot::test
