// The paint order of the item.
#include "today/layout.h"
#include "today/paint_tools.h"
#include "today/painters.h"

void PaintItem(HDC dc)
{
    HGDIOBJ oldFont = SelectObject(dc, ItemFont());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, CLR_INVALID);
    SetBkMode(dc, TRANSPARENT);
    if (Settings.TodayShowClock == 1)
        PaintClockHeader(dc);
    if (Settings.TodayShowWeather == 1 && WeatherDayCount == 0)
        PaintNoWeatherText(dc);
    PaintTopArea(dc);
    PaintRows(dc);
    if (Settings.TodayShowStatus == 1)
        PaintStatusLine(dc);
    if (Settings.TodayShowShortcuts == 1 && ShortcutPathCount == 0)
        PaintNoShortcutsText(dc);
    SelectObject(dc, oldFont);
}

