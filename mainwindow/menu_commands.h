// The commands of the menu bar and the pop-up menus (40003-40128), and the
// two of the accelerators: the About box, exit, backup, restore, contact
// import and preferences; item commands forwarded to the toolbar window;
// the task headings of the contact card, memo and anniversary sorting.
#pragma once

#include "platform/ce.h"

// True when a row names the command (and it ran).
bool RunMenuCommand(HWND window, UINT id);
