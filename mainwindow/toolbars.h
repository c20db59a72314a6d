// The toolbar window below the views with its eleven toolbars, one per view,
// detail layout and contact-card panel; and two small routines of the main
// window that the commands share.
#pragma once

#include "platform/ce.h"

#include <span>

// The "Toolbar" child of the main window at (0, 245) 240 x 23; null when it
// could not be made.
HWND CreateToolbarStrip(HWND parent);

// Creates the eleven toolbars on the strip, in order, each from its button
// table, and hides all but the contacts toolbar.
void CreateViewToolbars(HWND strip);

// The eleven toolbars in creation order.
std::span<const HWND> AllToolbars();

// Shows the one toolbar and hides the others of the list given.
void ShowOnlyToolbar(HWND shown, std::span<const HWND> others);

// False only in a contact view (0-3) whose list is empty.
bool CurrentListHasItems();

// The Rich Ink pane of the memo detail, id 21040, on top of its siblings at
// (2, 141) 236 x 102, zoom 200 %; null when it could not be made.
HWND CreateMemoDetailInk(HWND parent);
