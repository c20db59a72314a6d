#include "platform/today_host/appearance.h"

#include <cwchar>

namespace todayhost {

namespace {

struct ColourKey {
    WPARAM which;
    const wchar_t* key;
    COLORREF fallback;
};

const ColourKey kColours[] = {
    {TODAYCOLOR_TEXT, L"TextColor", RGB(0, 0, 0)},
    {TODAYCOLOR_HIGHLIGHT, L"HighlightColor", RGB(0, 0, 128)},
    {TODAYCOLOR_HIGHLIGHTEDTEXT, L"HighlightedTextColor", RGB(255, 255, 255)},
};

const wchar_t kSection[] = L"Today";

// "red,green,blue", each 0-255; anything else gives the fallback.
COLORREF ProfileColour(const wchar_t* key, COLORREF fallback)
{
    wchar_t text[32] = L"";
    CeProfileString(kSection, key, L"", text, ARRAYSIZE(text));
    unsigned red = 0, green = 0, blue = 0;
    wchar_t extra = 0;
    if (swscanf(text, L"%u,%u,%u%lc", &red, &green, &blue, &extra) != 3 || red > 255 || green > 255 || blue > 255)
        return fallback;
    return RGB(red, green, blue);
}

}  // namespace

COLORREF TodayColor(WPARAM which)
{
    for (const ColourKey& colour : kColours) {
        if (colour.which == which)
            return ProfileColour(colour.key, colour.fallback);
    }
    return CLR_INVALID;
}

COLORREF BackgroundColor()
{
    return ProfileColour(L"Background", RGB(255, 255, 255));
}

void PaintBackground(HDC dc, const RECT& rect)
{
    HBRUSH brush = CreateSolidBrush(BackgroundColor());
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace todayhost
