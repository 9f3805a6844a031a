#pragma once

namespace vesmarot::ui {

// Lets assistive technology see the main window as a window (not a bare pane), each message
// dialog as an alert whose label carries its message, as a standard message box is, and every
// text box whole (LineEditInterface). Call once before the first window is made; calling again
// does nothing.
void InstallAccessibleRoles();

}  // namespace vesmarot::ui
