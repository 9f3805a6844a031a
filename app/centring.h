#pragma once

#include <QMargins>

class QWidget;

namespace vesmarot::app {

// Places a window's outer frame in the middle of the whole screen (no panel is subtracted, and a
// window larger than the screen keeps its negative position). Before a window is first mapped
// the window system has not told its frame yet: `frameGuess` stands in for it then.
void CentreOnScreen(QWidget* window, const QMargins& frameGuess);

}  // namespace vesmarot::app
