// The frame of every list refill: hide and empty the list, fill it, show it
// again and select the row to keep.
#pragma once

#include "platform/ce.h"

// Hides the list, switches its drawing off and deletes its items; true when
// it was shown (its own visible style, whatever its parent's). A null list
// is left alone.
bool BeginListRefill(HWND list);
// Inserts a row at the given index with its texts, column 0 first; returns
// the row's index, or -1 when the list did not take it.
int InsertListRow(HWND list, int row, const wchar_t* const* columns, int count);
// Switches drawing on and shows the list again when it was shown, then
// selects and focuses the row and scrolls it into view.
void EndListRefill(HWND list, bool wasShown, int row);
// Selects and focuses the row (clearing no other) and scrolls it into view.
void SelectListRow(HWND list, int row);
