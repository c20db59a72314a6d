// What the main window's creation and destruction do for the task, memo and
// anniversary lists: their starting choices and empty tables, the task
// lists' row height, the hooks the view switch and painting call, and the
// release of what the lists hold.
#pragma once

#include "platform/ce.h"

// After the view controls exist and before the first view is entered.
void StartItemLists();
// At the main window's destruction.
void ReleaseItemLists();

// Paints a row of the task view's list or of the card's task panel, each
// from its own rows.
void PaintTaskListRow(const DRAWITEMSTRUCT& item);
