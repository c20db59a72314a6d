// The clock header, the empty-state texts and the top area: title bar,
// separators, scroll glyphs, mode icons, weather strip, status glyphs and
// shortcut icons.
#include "today/painters.h"

#include "core/lunar.h"
#include "today/day_text.h"
#include "today/layout.h"
#include "today/paint_tools.h"

#include <strsafe.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kLargeWeatherIcon = 32;
constexpr int kSmallWeatherIcon = 16;
constexpr int kFirstWeatherCode = 1;
constexpr int kLastWeatherCode = 39;
constexpr int kMinThumb = 4;
constexpr int kArrowGlyph = 12;

// The separator line above a band.
void DrawLineAbove(HDC dc, const RECT& band)
{
    DrawItemLine(dc, LineStyle::Solid, 0, band.top - 1, Bands.width, band.top - 1, SeparatorColour());
}

void DrawTitleIcon(HDC dc, int image, const RECT& zone)
{
    DrawMark(dc, TitleIcons, image, zone.left + (zone.right - zone.left - 16) / 2, zone.top + 1);
}

void PaintTitleBar(HDC dc)
{
    SetTextColor(dc, static_cast<COLORREF>(Settings.HeaderColor));
    DrawTitleIcon(dc, kTitleProgram, FixedZones[kZoneProgram].rect);
    DrawTextCentred(dc, HeaderTitle, FixedZones[kZoneRangeMenu].rect);
    if (ViewMode == kViewTasks || ViewMode == kViewMemos) {
        DrawTextCentred(dc, HeaderSecond, FixedZones[kZoneSortMenu].rect);
    } else {
        DrawTitleIcon(dc, kTitlePrevious, FixedZones[kZonePrevious].rect);
        DrawTitleIcon(dc, kTitleToday, FixedZones[kZoneToday].rect);
        DrawTitleIcon(dc, kTitleNext, FixedZones[kZoneNext].rect);
    }
    const int modeZones[kViewModeCount] = {kZoneModeMonth, kZoneModeSchedule, kZoneModeTasks, kZoneModeMemos};
    for (int view = 0; view < kViewModeCount; ++view)
        DrawTitleIcon(dc, kTitleFirstMode + 2 * view + (view == ViewMode ? 1 : 0), FixedZones[modeZones[view]].rect);
}

void PaintSeparators(HDC dc)
{
    const COLORREF colour = SeparatorColour();
    const int width = Bands.width;
    if (Settings.TodayShowClock == 1)
        DrawItemLine(dc, LineStyle::Solid, 0, Bands.clock.bottom, width, Bands.clock.bottom, colour);
    if (Settings.TodayShowWeather == 1) {
        DrawLineAbove(dc, Bands.weather);
        DrawItemLine(dc, LineStyle::Solid, 0, Bands.weather.bottom, width, Bands.weather.bottom, colour);
    }
    DrawItemLine(dc, LineStyle::Solid, 0, Bands.title.bottom, width, Bands.title.bottom, colour);
}

void PaintScrollBar(HDC dc)
{
    if (!ListOverflows()) {
        PixelsPerRow = 0;
        ThumbTravel = 0;
        ScrollThumbRect = RECT{-1, -1, -1, -1};
        FixedZones[kZoneThumb].rect = ScrollThumbRect;
        return;
    }
    const RECT& up = FixedZones[kZoneRowUp].rect;
    const RECT& down = FixedZones[kZoneRowDown].rect;
    DrawMark(dc, MarkIcons, kMarkScrollUp, up.left, up.top);
    DrawMark(dc, MarkIcons, kMarkScrollDown, down.left, down.top);
    const int trackTop = up.top + kArrowGlyph, trackHeight = down.top - trackTop;
    const int thumb = std::max(trackHeight * RowsShown / RowCount, kMinThumb);
    PixelsPerRow = (trackHeight - thumb) / (RowCount - RowsShown);
    // Once the rows outnumber the track's pixels there is no whole pixel per
    // row: the thumb then stands at its share of the travel.
    ThumbTravel = trackHeight - thumb;
    const int top = trackTop + (PixelsPerRow > 0 ? TopRow * PixelsPerRow
                                                 : TopRow * ThumbTravel / (RowCount - RowsShown));
    ScrollThumbRect = RECT{up.left + 2, top, up.right - 1, top + thumb};
    FixedZones[kZoneThumb].rect = ScrollThumbRect;
    HBRUSH frame = CreateSolidBrush(static_cast<COLORREF>(Settings.HeaderColor));
    if (frame) {
        FrameRect(dc, &ScrollThumbRect, frame);
        DeleteObject(frame);
    }
}

// "M/dd" of the entry's date, a leading "0" of the day shown as a blank.
void WeatherShortDate(const WeatherDay& day, wchar_t* out, size_t chars)
{
    int year, month, date;
    if (!ParseDateText(day.date, &year, &month, &date) || wcslen(day.date) < 10) {
        out[0] = L'\0';
        return;
    }
    StringCchPrintfW(out, chars, L"%d/%lc%lc", month, day.date[8] == L'0' ? L' ' : day.date[8], day.date[9]);
}

void WeatherTemperatures(const WeatherDay& day, wchar_t* out, size_t chars)
{
    if (day.value1[0])
        StringCchPrintfW(out, chars, L"%ls/%ls", day.value1, day.value2);
    else
        StringCchCopyW(out, chars, day.value2);
}

void PaintWeatherCell(HDC dc, int cell, const WeatherDay& day)
{
    const RECT whole = WeatherCellRect(cell);
    const RECT text = WeatherTextRect(cell);
    const int icon = WeatherIconIndex(day);
    wchar_t date[16], shownDate[24], temperatures[16];
    WeatherShortDate(day, date, ARRAYSIZE(date));
    WeatherTemperatures(day, temperatures, ARRAYSIZE(temperatures));
    const int middle = (whole.top + whole.bottom) / 2;
    if (Settings.WeatherIconSize == 1) {
        if (icon >= 0)
            DrawMark(dc, WeatherIconsLarge, icon, whole.left, whole.top + 1);
        StringCchPrintfW(shownDate, ARRAYSIZE(shownDate), L"  (%ls)", date);
        // The closing bracket runs past the text column in the item's face:
        // the date may take the rest of its own cell.
        DrawTextLeft(dc, shownDate, RECT{text.left, whole.top, whole.right, middle});
        DrawTextLeft(dc, temperatures, RECT{text.left, middle, text.right, whole.bottom});
    } else {
        if (icon >= 0)
            DrawMark(dc, WeatherIconsSmall, icon, whole.left, whole.top + 1);
        DrawTextLeft(dc, date, RECT{whole.left + kSmallWeatherIcon + 2, whole.top, whole.right, middle});
        DrawTextLeft(dc, temperatures, RECT{whole.left + kSmallWeatherIcon + 2, middle, whole.right, whole.bottom});
    }
}

void PaintWeatherStrip(HDC dc)
{
    if (Settings.TodayShowWeather != 1)
        return;
    SetTextColor(dc, static_cast<COLORREF>(Settings.ScheduleColor));
    for (HotZone& zone : WeatherZones)
        zone.value = 0;
    for (int i = 0; i < kWeatherCells && i < WeatherDayCount; ++i) {
        WeatherZones[i].value = i + 1;
        PaintWeatherCell(dc, i, WeatherDays[i]);
    }
}

void PaintStatusGlyphs(HDC dc)
{
    if (Settings.TodayShowStatus != 1)
        return;
    if (Settings.TodayStatusDivider == 1)
        DrawLineAbove(dc, Bands.status);
    const int glyphs[kStatusCells] = {kTitleBattery, kTitleMemory, kTitleStorage};
    for (int i = 0; i < kStatusCells; ++i) {
        RECT cell = StatusCellRect(i);
        DrawMark(dc, TitleIcons, glyphs[i], cell.left + 2, cell.top);
    }
}

HICON ShortcutIcon(int index)
{
    if (!ShortcutIconFetched[index]) {
        SHFILEINFOW info = {};
        UINT size = Settings.ShortcutIconSize == 1 ? SHGFI_LARGEICON : SHGFI_SMALLICON;
        if (SHGetFileInfo(ShortcutPathTable[index], 0, &info, sizeof(info), SHGFI_ICON | size))
            ShortcutIcons[index] = info.hIcon;
        ShortcutIconFetched[index] = true;
    }
    return ShortcutIcons[index];
}

void PaintShortcuts(HDC dc)
{
    if (Settings.TodayShowShortcuts != 1)
        return;
    if (Settings.TodayShortcutDivider == 1)
        DrawLineAbove(dc, Bands.shortcuts);
    if (!StorageFiguresShown)
        return;
    const int size = Settings.ShortcutIconSize == 1 ? kLargeWeatherIcon : kSmallWeatherIcon;
    for (int i = 0; i < ShortcutCellCount; ++i) {
        HICON icon = ShortcutIcon(i);
        const RECT& cell = ShortcutZones[i].rect;
        if (icon)
            DrawIconEx(dc, cell.left + (cell.right - cell.left - size) / 2, cell.top + 2, icon, size, size, 0,
                       nullptr, DI_NORMAL);
    }
}

}  // namespace

int WeatherIconIndex(const WeatherDay& day)
{
    wchar_t* end = nullptr;
    long code = wcstol(day.icon, &end, 10);
    if (end == day.icon || code < kFirstWeatherCode || code > kLastWeatherCode)
        return -1;
    return static_cast<int>(code) - 1;
}

COLORREF SeparatorColour()
{
    return static_cast<COLORREF>(Settings.HeaderColor);
}

void ClockText(int hour, int minute, wchar_t* out, size_t chars)
{
    if (hour == 12)
        StringCchPrintfW(out, chars, L"오후 %d:%02d", 12, minute);
    else if (hour < 12)
        StringCchPrintfW(out, chars, L"오전 %d:%02d", hour == 0 ? 12 : hour, minute);
    else
        StringCchPrintfW(out, chars, L"오후 %d:%02d", hour - 12, minute);
}

void PaintClockHeader(HDC dc)
{
    wchar_t clock[kTimeChars] = L"";
    GetTimeFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"HH:mm", clock, kTimeChars);
    int hour = 0, minute = 0;
    swscanf(clock, L"%02d:%02d", &hour, &minute);
    StringCchCopyW(LastClockText, ARRAYSIZE(LastClockText), clock);
    wchar_t time[24], today[kDateChars], date[48], lunarText[16], line[96];
    ClockText(hour, minute, time, ARRAYSIZE(time));
    TodayText(today);
    int year = 0, month = 0, day = 0;
    ParseDateText(today, &year, &month, &day);
    if (GetDateFormat(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy년 M월 d일 ddd", date, ARRAYSIZE(date)) == 0)
        date[0] = L'\0';
    LunarDate lunar;
    SolarToLunar(year, month, day, &lunar);
    StringCchPrintfW(lunarText, ARRAYSIZE(lunarText), lunar.leap ? L"윤%d/%d" : L"음%d/%d", lunar.month, lunar.day);
    StringCchPrintfW(line, ARRAYSIZE(line), L"%ls[%ls] %ls", date, lunarText, time);
    SetTextColor(dc, static_cast<COLORREF>(Settings.ScheduleColor));
    DrawTextCentred(dc, line, RECT{0, 1, Bands.width, 17});
}

void PaintNoWeatherText(HDC dc)
{
    SetTextColor(dc, static_cast<COLORREF>(Settings.ScheduleColor));
    DrawTextCentred(dc, L"등록된 '날씨정보'가 없습니다", Bands.weather);
}

void PaintNoShortcutsText(HDC dc)
{
    RECT band = Bands.shortcuts;
    band.bottom = band.top + 16;
    SetTextColor(dc, static_cast<COLORREF>(Settings.ScheduleColor));
    DrawTextCentred(dc, L"설정된 '바로가기'가 없습니다", band);
}

void PaintTopArea(HDC dc)
{
    PaintTitleBar(dc);
    PaintSeparators(dc);
    PaintScrollBar(dc);
    PaintWeatherStrip(dc);
    PaintStatusGlyphs(dc);
    PaintShortcuts(dc);
    if (Settings.TodayUnderline == 1)
        DrawItemLine(dc, LineStyle::Solid, 0, ItemHeight - 1, Bands.width, ItemHeight - 1, SeparatorColour());
}
