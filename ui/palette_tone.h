#pragma once

class QColor;
class QPalette;

namespace vesmarot::ui {

// The relative luminance of a colour, as WCAG defines it for contrast: 0 black, 1 white.
double RelativeLuminance(const QColor& colour);

// Whether a palette draws dark text on a light window, as the designed dialogs do.
bool IsLightPalette(const QPalette& palette);

}  // namespace vesmarot::ui
