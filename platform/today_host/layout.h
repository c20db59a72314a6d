// The Today screen's stack: each item as wide as the client area and as
// high as its cyp, one under the other, scrolled by the window's own
// vertical scroll bar when they overflow.
#pragma once

#include "platform/today_host/state.h"

namespace todayhost {

// Places every item and shows or hides the scroll bar; repaints the items.
void LayoutItems();

// Scrolls so that the stack's top is at the pixel (kept within range).
void ScrollTo(int top);
// WM_VSCROLL: the scroll bar's request.
void OnVerticalScroll(UINT request);
// Scrolls the item at the index fully into view, as far as it fits.
void ScrollIntoView(int index);

}  // namespace todayhost
