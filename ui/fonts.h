#pragma once

#include <QFont>

namespace vesmarot::ui {

// The one face every window and control uses: Liberation Sans 9.75 pt regular, which covers
// Vietnamese and φ; any other sans-serif face with Vietnamese stands in where it is missing.
QFont WindowFont();

}  // namespace vesmarot::ui
