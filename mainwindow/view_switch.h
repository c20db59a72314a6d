// The view switch: ViewCommand 20011 + v shows view v by hiding every
// control of the other views and showing its own, reloading its lists when
// they are stale.
#pragma once

#include "platform/ce.h"

// True for the view commands 20011-20018.
bool IsViewCommand(UINT command);

// Switches to view 0-7.
void SwitchView(int view);

// The view's toolbar: the contacts toolbar (or, with the contact card open,
// its panel's toolbar) for views 0-3, else the view's own.
HWND ToolbarOfView(int view);
