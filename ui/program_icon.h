#pragma once

#include <QIcon>
#include <QPixmap>

namespace vesmarot::ui {

// The program's icon for its windows, a blue spanner across two grey gear wheels, rendered from
// its one vector source.
QIcon ProgramIcon();

// The icon at `size` device-independent pixels, sharp at the screen's pixel ratio.
QPixmap ProgramPixmap(int size, qreal devicePixelRatio);

}  // namespace vesmarot::ui
