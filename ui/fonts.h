#pragma once

#include <QFont>

namespace vesmarot::ui {

// The one face every window and control uses: Liberation Sans (Arial on Windows) 9.75 pt regular,
// which covers Vietnamese and φ; any other sans-serif face with Vietnamese stands in if missing.
QFont WindowFont();

}  // namespace vesmarot::ui
