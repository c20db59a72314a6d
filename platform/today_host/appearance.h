// The Today screen's colours, from the device profile's [Today] section
// ("red,green,blue"; read afresh at each use, so a test may change them):
//   Background            the screen behind and under the items (white)
//   TextColor             TODAYCOLOR_TEXT (black)
//   HighlightColor        TODAYCOLOR_HIGHLIGHT
//   HighlightedTextColor  TODAYCOLOR_HIGHLIGHTEDTEXT
#pragma once

#include "platform/ce.h"

namespace todayhost {

// The answer to TODAYM_GETCOLOR; CLR_INVALID for a colour it does not know.
COLORREF TodayColor(WPARAM which);
COLORREF BackgroundColor();

// Paints the Today screen's background into the rectangle of the DC.
void PaintBackground(HDC dc, const RECT& rect);

}  // namespace todayhost
