#pragma once

#include <QAccessible>

class QWidget;

namespace vesmarot::ui {

// Hands Qt the program's own accessible interfaces: a window that asked for a role of its own
// (SetWindowRole) gets it, and every text box is read whole (LineEditInterface). Call once
// before the first window is made; calling again does nothing.
void InstallAccessibleFactory();

// Asks for `window` to be told to a reader in `role` (the main window as a window, not a bare
// pane; a message dialog as an alert whose label carries its message, as a standard message box
// is). Call first in the window's constructor, before anything about it can reach a reader.
void SetWindowRole(QWidget* window, QAccessible::Role role);

}  // namespace vesmarot::ui
