#include "ui/palette_tone.h"

#include <QColor>
#include <QPalette>
#include <cmath>

namespace vesmarot::ui {

double RelativeLuminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

bool IsLightPalette(const QPalette& palette) {
    return RelativeLuminance(palette.color(QPalette::Window)) >
           RelativeLuminance(palette.color(QPalette::WindowText));
}

}  // namespace vesmarot::ui
