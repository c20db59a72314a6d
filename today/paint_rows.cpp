// The rows of the schedule, task and memo views.
#include "today/painters.h"

#include "today/day_text.h"
#include "today/layout.h"
#include "today/paint_tools.h"
#include "today/schedule_view.h"

#include <strsafe.h>

#include <cmath>
#include <string>

namespace {

constexpr int kMaxRowTextChars = 50;
constexpr int kRecurringRoom = 10;
constexpr COLORREF kTodayMarkColour = RGB(255, 0, 0);
constexpr wchar_t kTodayMark[] = L"오늘";

// "(name)subject", at most 50 characters.
std::wstring RowText(const wchar_t* name, const wchar_t* subject)
{
    std::wstring text;
    if (name && name[0])
        text = std::wstring(L"(") + name + L")";
    text += subject ? subject : L"";
    if (text.size() > kMaxRowTextChars)
        text.resize(kMaxRowTextChars);
    return text;
}

// Draws the text from left up to right (fitted unless bold), the recurring
// mark after it and the strike of a complete item; twice for bold.
void DrawRowText(HDC dc, const std::wstring& text, int left, int right, int top, bool recurring, bool complete,
                 bool bold, COLORREF colour)
{
    SetTextColor(dc, colour);
    std::wstring shown = bold ? text : FitRowText(dc, text.c_str(), right - left - (recurring ? kRecurringRoom : 0));
    RECT place = {left, top, right, top + kRowHeight};
    if (bold) {
        RECT shifted = place;
        OffsetRect(&shifted, 1, 0);
        DrawTextLeft(dc, shown.c_str(), shifted);
    }
    DrawTextLeft(dc, shown.c_str(), place);
    const int end = left + std::min(TextWidth(dc, shown.c_str()), right - left);
    if (recurring)
        DrawMark(dc, MarkIcons, kMarkRecurring, end + 1, top + 1);
    if (complete) {
        const int middle = top + kRowHeight / 2;
        DrawItemLine(dc, LineStyle::Solid, left, middle, end, middle, static_cast<COLORREF>(Settings.ScheduleColor));
    }
}

void DrawBoldAware(HDC dc, const wchar_t* text, const RECT& rect, bool bold, bool rightAligned)
{
    auto draw = rightAligned ? DrawTextRight : DrawTextCentred;
    if (bold) {
        RECT shifted = rect;
        OffsetRect(&shifted, 1, 0);
        draw(dc, text, shifted);
    }
    draw(dc, text, rect);
}

// The reminder, importance and check-box marks at their places.
void DrawRowMarks(HDC dc, const RowPlaces& places, int top, wchar_t importance, wchar_t complete)
{
    if (places.reminderX >= 0)
        DrawMark(dc, MarkIcons, kMarkReminder, places.reminderX, top + 1);
    if (places.importanceX >= 0)
        DrawMark(dc, MarkIcons, importance == L'3' ? kMarkHighImportance : kMarkLowImportance, places.importanceX,
                 top + 1);
    if (places.checkX >= 0)
        DrawMark(dc, MarkIcons, complete == L'T' ? kMarkTaskDone : kMarkTaskOpen, places.checkX, top + 1);
}

void DrawDayDivider(HDC dc, int screenRow)
{
    const int y = RowTop(screenRow) + kRowHeight - 1;
    DrawItemLine(dc, LineStyle::Dotted, 0, y, Bands.width - (ListOverflows() ? 13 : 0), y, SeparatorColour());
}

// "yy-MM-dd" of a stored "yyyy-MM-dd" date; empty for no date.
void ShortDateText(const wchar_t* date, wchar_t* out, size_t chars)
{
    int year, month, day;
    if (!ParseDateText(date, &year, &month, &day) || year >= 3000) {
        out[0] = L'\0';
        return;
    }
    StringCchPrintfW(out, chars, L"%02d-%02d-%02d", year % 100, month, day);
}

COLORREF DayNumberColour(const TodayScheduleRow& row)
{
    if (wcscmp(row.weekdayName, L"토") == 0)
        return static_cast<COLORREF>(Settings.DateSaturdayColor);
    if (wcscmp(row.weekdayName, L"일") == 0)
        return static_cast<COLORREF>(Settings.DateSundayColor);
    return static_cast<COLORREF>(row.holiday ? Settings.DateHolidayColor : Settings.DateWeekdayColor);
}

COLORREF WeekdayColour(const TodayScheduleRow& row)
{
    if (wcscmp(row.weekdayName, L"토") == 0)
        return static_cast<COLORREF>(Settings.DayNameSaturdayColor);
    if (wcscmp(row.weekdayName, L"일") == 0)
        return static_cast<COLORREF>(Settings.DayNameSundayColor);
    return static_cast<COLORREF>(Settings.DayNameWeekdayColor);
}

void PaintDayParts(HDC dc, const TodayScheduleRow& row, const TodayScheduleRow* previous, const RowPlaces& places,
                   int screenRow)
{
    SYSTEMTIME day, previousDay;
    SplitDate(row.displayDay, &day);
    const int top = RowTop(screenRow);
    if (SpanDays() > 1) {
        bool newMonth = !previous || (SplitDate(previous->displayDay, &previousDay), previousDay.wMonth != day.wMonth);
        if (newMonth)
            DrawMark(dc, MarkIcons, kMarkFirstMonth - 1 + day.wMonth, places.month.left + 1, top + 1);
    }
    wchar_t number[3] = {row.dateText[8] == L'0' ? L' ' : row.dateText[8], row.dateText[9], 0};
    wchar_t mark[16];
    DayMarkText(row.displayDay, mark, ARRAYSIZE(mark));
    const bool bold = wcscmp(mark, kTodayMark) == 0 && Settings.TodayDateBold == 1;
    SetTextColor(dc, DayNumberColour(row));
    DrawBoldAware(dc, number, places.dayNumber, bold, false);
    if (Settings.TodayShowWeekday == 1) {
        SetTextColor(dc, WeekdayColour(row));
        DrawBoldAware(dc, row.weekdayName, places.weekday, bold, true);
    }
}

void PaintExtraColumn(HDC dc, const TodayScheduleRow& row, const RowPlaces& places)
{
    if (places.extra.right <= places.extra.left)
        return;
    wchar_t mark[16];
    DayMarkText(row.displayDay, mark, ARRAYSIZE(mark));
    const bool today = row.displayDay == TodayDay;
    SetTextColor(dc, static_cast<COLORREF>(Settings.ScheduleColor));
    if (Settings.TodayExtraInfo == 2 && row.displayDay >= TodayDay) {
        if (wcscmp(mark, kTodayMark) == 0)
            SetTextColor(dc, kTodayMarkColour);
        DrawTextRight(dc, mark, places.extra);
    } else if (Settings.TodayExtraInfo == 1 || today) {
        DrawTextRight(dc, row.timeText, places.extra);
    }
}

COLORREF RowTextColour(const TodayScheduleRow& row)
{
    if (row.anniversaryId != 0)
        return static_cast<COLORREF>(Settings.AnniversaryColor);
    if (row.holiday)
        return static_cast<COLORREF>(Settings.HolidayColor);
    return static_cast<COLORREF>(Settings.ScheduleColor);
}

void PaintScheduleRow(HDC dc, int screenRow)
{
    const int entry = TopRow + screenRow;
    const TodayScheduleRow& row = ScheduleRows[entry];
    const TodayScheduleRow* previous = screenRow > 0 ? &ScheduleRows[entry - 1] : nullptr;
    const RowPlaces places = PlaceScheduleRow(dc, row, screenRow);
    const int top = RowTop(screenRow);
    if (!previous || previous->displayDay != row.displayDay)
        PaintDayParts(dc, row, previous, places, screenRow);
    DrawRowMarks(dc, places, top, row.importance, row.complete);
    const int left = places.name.right > places.name.left ? places.name.left : places.text.left;
    const bool bold = row.todayLine && Settings.TodayDateBold == 1;
    DrawRowText(dc, RowText(row.linkedName, row.subject), left, places.text.right, top, row.recurring != VARIANT_FALSE,
                row.task && row.complete == L'T', bold, RowTextColour(row));
    PaintExtraColumn(dc, row, places);
    const bool lastOfDay = screenRow + 1 < DrawnRows() && entry + 1 < ScheduleRowCount &&
                           ScheduleRows[entry + 1].displayDay != row.displayDay;
    if (Settings.TodayDayDivider == 1 && lastOfDay)
        DrawDayDivider(dc, screenRow);
}

void PaintTaskRow(HDC dc, int screenRow)
{
    const int entry = TopRow + screenRow;
    const TodayTaskRow& row = TaskRows[entry];
    const RowPlaces places = PlaceTaskRow(dc, row, screenRow);
    const int top = RowTop(screenRow);
    DrawRowMarks(dc, places, top, row.importance, row.complete);
    const int left = places.name.right > places.name.left ? places.name.left : places.text.left;
    DrawRowText(dc, RowText(row.linkedName, row.subject), left, places.text.right, top, row.recurring != VARIANT_FALSE,
                row.complete == L'T', false, static_cast<COLORREF>(Settings.ScheduleColor));
    wchar_t due[16];
    ShortDateText(row.dateText, due, ARRAYSIZE(due));
    DrawTextRight(dc, due, places.extra);
    const bool lastOfDay =
        screenRow + 1 < DrawnRows() && entry + 1 < TaskRowCount && TaskRows[entry + 1].dueDay != row.dueDay;
    if (Settings.TodayDayDivider == 1 && lastOfDay)
        DrawDayDivider(dc, screenRow);
}

void PaintMemoRow(HDC dc, int screenRow)
{
    const int entry = TopRow + screenRow;
    const TodayMemoRow& row = MemoRows[entry];
    const RowPlaces places = PlaceMemoRow(dc, row, screenRow);
    const int top = RowTop(screenRow);
    DrawMark(dc, MarkIcons, kMarkMemo, 1, top + 1);
    DrawRowText(dc, RowText(row.group, row.title), places.text.left, places.text.right, top, false, false, false,
                static_cast<COLORREF>(Settings.ScheduleColor));
    wchar_t date[16];
    ShortDateText(row.dateText, date, ARRAYSIZE(date));
    DrawTextRight(dc, date, places.extra);
    const bool lastOfDay = screenRow + 1 < DrawnRows() && entry + 1 < MemoRowCount &&
                           wcscmp(MemoRows[entry + 1].dateText, row.dateText) != 0;
    if (Settings.TodayDayDivider == 1 && lastOfDay)
        DrawDayDivider(dc, screenRow);
}

}  // namespace

void DayMarkText(DATE day, wchar_t* out, size_t chars)
{
    const long long n = std::llround(TodayDay - DayPart(day));
    if (n == 0)
        StringCchCopyW(out, chars, kTodayMark);
    else if (n == -1)
        StringCchCopyW(out, chars, L"내일");
    else if (n >= 1)
        StringCchPrintfW(out, chars, L"+%lld", n);
    else
        StringCchPrintfW(out, chars, L"%lld", n);
}

void PaintScheduleRows(HDC dc)
{
    for (int i = 0; i < DrawnRows() && TopRow + i < ScheduleRowCount; ++i)
        PaintScheduleRow(dc, i);
}

void PaintTaskRows(HDC dc)
{
    for (int i = 0; i < DrawnRows() && TopRow + i < TaskRowCount; ++i)
        PaintTaskRow(dc, i);
}

void PaintMemoRows(HDC dc)
{
    for (int i = 0; i < DrawnRows() && TopRow + i < MemoRowCount; ++i)
        PaintMemoRow(dc, i);
}

void PaintRows(HDC dc)
{
    switch (ViewMode) {
    case kViewSchedule: PaintScheduleRows(dc); break;
    case kViewTasks: PaintTaskRows(dc); break;
    case kViewMemos: PaintMemoRows(dc); break;
    default: PaintMonthGrid(dc); break;
    }
}
