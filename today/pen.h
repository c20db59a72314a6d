// The pen on the item: taps act on release, the row arrows repeat while
// held, the scroll thumb drags.
#pragma once

#include "today/state.h"

void OnPenDown(HWND window, int x, int y);
void OnPenMove(HWND window, int x, int y);
void OnPenUp(HWND window, int x, int y);
// Timer 11: the held row arrow again.
void RepeatArrowTap();

// Inverts the zone under the point (the press feedback).
void HighlightZoneAtPoint(HWND window, int x, int y);
// The zone under the point: the fixed zones in index order (zones 0-2 not
// in the task and memo views), the cells of the strip, the status line and
// the shortcuts, then the rows of a list view or the month view's days;
// its rectangle is invalidated and its handler runs. False on no zone.
bool OnItemTap(int x, int y);
