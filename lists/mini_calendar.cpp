#include "lists/mini_calendar.h"

#include "core/date_text.h"
#include "core/dates.h"
#include "core/lunar.h"
#include "core/state.h"
#include "mainwindow/state.h"

#include <strsafe.h>

#include <cwchar>

RECT DayCellRects[kGridRows][kGridColumns] = {};
int32_t DayCellDays[kGridRows][kGridColumns] = {};
int GridYear = 0;
int GridMonth = 0;

namespace {

constexpr int kPictureWidth = 126;
constexpr int kPictureHeight = 84;
constexpr int kColumnStep = 18;
constexpr int kRowStep = 13;
constexpr int kTopMargin = 2;
constexpr int kBoxLeftOffset = 3;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kRangeBand = RGB(233, 234, 251);
// Ten blanks of the normal font: the box each day number stands in.
constexpr wchar_t kDayBox[] = L"          ";
constexpr int kLabelChars = 32;

const wchar_t* const kWeekdayNames[7] = {L"일", L"월", L"화", L"수", L"목", L"금", L"토"};

int KeyOf(const wchar_t* dateText)
{
    DateParts date;
    return ReadDateText(dateText, &date) ? date.year * 10000 + date.month * 100 + date.day : 0;
}

int CellX(int column)
{
    return kColumnStep * column + 1;
}

int CellY(int row)
{
    return row == 0 ? kTopMargin : kRowStep * row + kTopMargin;
}

// What the month's table says of a day: a holiday row (id 0), an
// appointment row (id above 0).
struct DayMarks {
    bool holiday = false;
    bool busy = false;
};

DayMarks MarksOf(int year, int month, int day)
{
    wchar_t date[kScheduleDateChars];
    WriteDateText(date, kScheduleDateChars, DateParts{year, month, day});
    DayMarks marks;
    for (const ScheduleEntry& entry : MonthScheduleCache.entries) {
        if (wcscmp(entry.dayDate, date) != 0)
            continue;
        marks.holiday = marks.holiday || entry.objectId == 0;
        marks.busy = marks.busy || entry.objectId > 0;
    }
    return marks;
}

struct CellLook {
    HFONT font;
    COLORREF background;
    COLORREF text;
    bool underline;
};

// Today's underline where the face puts it, but kept inside the cell: rows
// are only a font's height apart, and a face whose underline falls below
// its descent would have it covered by the next row's box.
void UnderlineCell(HDC dc, const RECT& cell, int baseline, COLORREF colour)
{
    OUTLINETEXTMETRICW metrics = {};
    metrics.otmSize = sizeof(metrics);
    int position = 2;
    int thickness = 1;
    if (GetOutlineTextMetricsW(dc, sizeof(metrics), &metrics)) {
        position = -metrics.otmsUnderscorePosition;
        thickness = metrics.otmsUnderscoreSize > 0 ? static_cast<int>(metrics.otmsUnderscoreSize) : 1;
    }
    int top = baseline + position;
    if (top + thickness > cell.bottom)
        top = cell.bottom - thickness;
    RECT line = {cell.left + 1, top, cell.right - 1, top + thickness};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &line, brush);
    DeleteObject(brush);
}

void DrawCell(HDC dc, int row, int column, int day, const wchar_t* format, const CellLook& look)
{
    int x = CellX(column);
    int y = CellY(row);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, look.background);
    SelectObject(dc, AppFonts.normal);
    TextOutW(dc, x - kBoxLeftOffset, y, kDayBox, static_cast<int>(wcslen(kDayBox)));

    wchar_t text[8];
    StringCchPrintfW(text, 8, format, day);
    int length = static_cast<int>(wcslen(text));
    SelectObject(dc, look.font);
    SetTextColor(dc, look.text);
    TextOutW(dc, x, y, text, length);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, length, &size);
    DayCellRects[row][column] = {x - 1, y, x + size.cx + 1, y + size.cy};
    DayCellDays[row][column] = day;
    if (look.underline) {
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        UnderlineCell(dc, DayCellRects[row][column], y + metrics.tmAscent, look.text);
    }
}

void ClearCell(int row, int column)
{
    DayCellRects[row][column] = RECT{};
    DayCellDays[row][column] = 0;
}

void SetLabel(HWND label, HFONT font, const wchar_t* text)
{
    if (!label)
        return;
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (text)
        SetWindowTextW(label, text);
}

// Returns the weekday of the date label shown, -1 when none.
int SetGridLabels(const MiniCalendarWindows& windows, int year, int month, const wchar_t* currentDate)
{
    wchar_t text[kLabelChars];
    StringCchPrintfW(text, kLabelChars, L"%d년", year);
    SetLabel(windows.yearLabel, AppFonts.largeBold, text);
    StringCchPrintfW(text, kLabelChars, L"%d월", month);
    SetLabel(windows.monthLabel, AppFonts.largeBold, text);
    SetLabel(windows.dateLabel, AppFonts.large, nullptr);
    if (windows.dateLabel)
        ShowWindow(windows.dateLabel, SW_HIDE);

    for (HWND label : windows.dayNameLabels) {
        SetLabel(label, AppFonts.large, nullptr);
        if (label)
            ShowWindow(label, SW_HIDE);
    }
    DateParts date;
    SYSTEMTIME day = {};
    if (!ReadDateText(currentDate, &date) || !AddDaysToDate(&day, date.year, date.month, date.day, 0))
        return -1;
    int shown = day.wDayOfWeek;
    StringCchPrintfW(text, kLabelChars, L"%02d-%02d-%02d %s", day.wYear % 100, day.wMonth, day.wDay,
                     kWeekdayNames[shown]);
    if (HWND label = windows.dayNameLabels[shown]) {
        SetWindowTextW(label, text);
        ShowWindow(label, SW_SHOW);
    }

    LunarDate lunar;
    text[0] = L'\0';
    if (SolarToLunar(day.wYear, day.wMonth, day.wDay, &lunar))
        StringCchPrintfW(text, kLabelChars, lunar.leap ? L"(음윤%d/%d)" : L"(음%d/%d)", lunar.month, lunar.day);
    SetLabel(windows.lunarLabel, AppFonts.large, text);
    return shown;
}

}  // namespace

void WriteTodayText(wchar_t* out, size_t chars)
{
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    WriteDateText(out, chars, DateParts{now.wYear, now.wMonth, now.wDay});
}

void PaintMonthCells(HDC dc, int year, int month, const MiniCalendarInputs& inputs)
{
    RECT picture = {0, 0, kPictureWidth, kPictureHeight};
    HBRUSH white = CreateSolidBrush(kWhite);
    FillRect(dc, &picture, white);
    DeleteObject(white);

    int todayKey = KeyOf(inputs.today);
    int rangeStartKey = KeyOf(inputs.rangeStart);
    int rangeEndKey = KeyOf(inputs.rangeEnd);
    SYSTEMTIME first = {};
    AddDaysToDate(&first, year, month, 1, 0);
    int weekday = first.wDayOfWeek;
    int leading = inputs.weekStart == 1 ? (weekday == 0 ? 6 : weekday - 1) : weekday;
    int sundayColumn = inputs.weekStart == 1 ? 6 : 0;
    int length = DaysInMonth(year, month);
    HGDIOBJ oldFont = SelectObject(dc, AppFonts.normal);

    // The picture area is already white: blank cells only lose their marks.
    int cell = 0;
    for (; cell < leading; ++cell)
        ClearCell(cell / kGridColumns, cell % kGridColumns);
    for (int day = 1; day <= length && cell < kGridRows * kGridColumns; ++day, ++cell) {
        int row = cell / kGridColumns;
        int column = cell % kGridColumns;
        int key = year * 10000 + month * 100 + day;
        DayMarks marks = MarksOf(year, month, day);
        bool today = key == todayKey;
        CellLook look;
        look.font = marks.busy ? (today ? AppFonts.boldUnderlined : AppFonts.bold)
                               : (today ? AppFonts.underlined : AppFonts.normal);
        look.background = key >= rangeStartKey && key <= rangeEndKey ? kRangeBand : kWhite;
        look.text = marks.holiday || column == sundayColumn ? kRed : kBlack;
        look.underline = today;
        DrawCell(dc, row, column, day, day < 10 ? L"%2d " : L"%2d", look);
    }

    // The last row runs on into the next month.
    int nextYear = month == 12 ? year + 1 : year;
    int nextMonth = month == 12 ? 1 : month + 1;
    bool rangeRunsOn = rangeEndKey > year * 10000 + month * 100 + length;
    for (int day = 1; cell % kGridColumns != 0; ++day, ++cell) {
        int column = cell % kGridColumns;
        DayMarks marks = MarksOf(nextYear, nextMonth, day);
        CellLook look;
        look.font = marks.busy ? AppFonts.bold : AppFonts.normal;
        look.background = rangeRunsOn ? kRangeBand : kWhite;
        look.text = marks.holiday || column == sundayColumn ? kRed : kBlack;
        look.underline = false;
        DrawCell(dc, cell / kGridColumns, column, day, L"%2d", look);
    }
    for (; cell < kGridRows * kGridColumns; ++cell)
        ClearCell(cell / kGridColumns, cell % kGridColumns);
    SelectObject(dc, oldFont);
    GridYear = year;
    GridMonth = month;
}

int PaintMiniCalendarTo(const MiniCalendarWindows& windows, HBITMAP bitmap, int year, int month,
                        const MiniCalendarInputs& inputs, const wchar_t* currentDate)
{
    if (!windows.grid || !bitmap)
        return -1;
    HDC windowDc = GetDC(windows.grid);
    HDC memory = CreateCompatibleDC(windowDc);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    PaintMonthCells(memory, year, month, inputs);
    int shown = SetGridLabels(windows, year, month, currentDate);
    BitBlt(windowDc, 0, 0, kPictureWidth, kPictureHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    ReleaseDC(windows.grid, windowDc);
    return shown;
}

void PaintMiniCalendar(int year, int month)
{
    MiniCalendarWindows windows = {MonthGridWindow, GridYearLabel, GridMonthLabel, GridDateLabel, GridLunarLabel, {}};
    for (int i = 0; i < kWeekDays; ++i)
        windows.dayNameLabels[i] = ScheduleDayNameLabels[i];
    wchar_t today[kDateTextChars];
    WriteTodayText(today, kDateTextChars);
    ScheduleDayNameIndex = PaintMiniCalendarTo(windows, MonthGridBitmap, year, month,
                                               {RangeStart, RangeEnd, today, ActiveWeekStart}, CurrentDate);
}

void DrawMiniCalendarForDate(const wchar_t* date)
{
    DateParts parts;
    if (ReadDateText(date, &parts))
        PaintMiniCalendar(parts.year, parts.month);
}
