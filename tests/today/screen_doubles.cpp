// The Today screen's answers for tests that run the item's parts in this
// process without a Today screen: black text, a white background, ready.
#include "today/today_screen.h"

COLORREF TodayScreenTextColor()
{
    return RGB(0, 0, 0);
}

void DrawTodayBackground(HDC dc, const RECT& rect)
{
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

bool TodayShellReady()
{
    return true;
}
