// The main program's message loop with accelerator table 3.
#pragma once

#include "platform/ce.h"

// The window the accelerators are translated for: the main window when the
// message is addressed to it or to one of its descendants (a list with the
// focus, say) but not an edit control, whose keys stay its own; otherwise
// none.
HWND AcceleratorTarget(const MSG& msg, HWND mainWindow);

// Gets, translates and dispatches until the quit message; its code.
int RunMessageLoop(HACCEL accelerators);
