#include "today/schedule_view.h"

#include "core/lunar.h"
#include "core/record_layouts.h"
#include "today/day_text.h"
#include "today/layout.h"
#include "today/schedule_queries.h"

#include <strsafe.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSpanDays[] = {1, 2, 3, 5, 7, 14, 31};
constexpr int kLongestSpan = 31;
constexpr wchar_t kHolidayPrefix[] = L"[공휴일] ";
constexpr wchar_t kTodayWord[] = L"오늘";

TodayScheduleRow& AppendRow()
{
    TodayScheduleRow& row = ScheduleRows[ScheduleRowCount++];
    row = TodayScheduleRow();
    return row;
}

bool HasRoom()
{
    return ScheduleRowCount < kMaxTodayRows;
}

// Rows of today that have begun by now leave the list; today's start times
// are kept for the minute rebuild first.
void DropPastRowsOfToday(const wchar_t* today, const wchar_t* now)
{
    TodayStartTimeCount = 0;
    for (int i = 0; i < ScheduleRowCount; ++i) {
        const TodayScheduleRow& row = ScheduleRows[i];
        if (wcscmp(row.dateText, today) == 0 && row.timeText[0] && TodayStartTimeCount < kMaxStartTimes)
            StringCchCopyW(TodayStartTimes[TodayStartTimeCount++], kTimeChars, row.timeText);
    }
    int kept = 0;
    for (int i = 0; i < ScheduleRowCount; ++i) {
        TodayScheduleRow& row = ScheduleRows[i];
        if (wcscmp(row.dateText, today) == 0 && row.timeText[0] && wcscmp(row.timeText, now) <= 0) {
            SysFreeString(row.subject);
            continue;
        }
        if (kept != i)
            ScheduleRows[kept] = row;
        ++kept;
    }
    for (int i = kept; i < ScheduleRowCount; ++i)
        ScheduleRows[i] = TodayScheduleRow();
    ScheduleRowCount = kept;
}

void AddTaskRows()
{
    for (int i = 0; i < TaskRowCount && HasRoom(); ++i) {
        const TodayTaskRow& task = TaskRows[i];
        if (Settings.TodayShowCompletedTasks != 1 && task.complete == L'T')
            continue;
        TodayScheduleRow& row = AppendRow();
        row.start = task.start;
        row.end = task.due;
        row.displayDay = task.dueDay;
        StringCchCopyW(row.dateText, kDateChars, task.dateText);
        StringCchCopyW(row.timeText, kTimeChars, task.timeText);
        row.subject = CopySubject(task.subject);
        row.recurring = task.recurring;
        row.reminderSet = task.reminderSet;
        row.importance = task.importance;
        row.complete = task.complete;
        row.hasBody = task.hasBody;
        row.task = 1;
        row.taskObjectId = task.objectId;
        row.linkedContactId = 0;
    }
}

void AddTodayLine()
{
    if (TodayDay < ScheduleWindowStart || TodayDay > ScheduleWindowEnd || !HasRoom())
        return;
    SYSTEMTIME today;
    SplitDate(TodayDay, &today);
    wchar_t text[64];
    TodayLineText(Settings.TodayDateStyle, today.wYear, today.wMonth, today.wDay, text, ARRAYSIZE(text));
    TodayScheduleRow& row = AppendRow();
    row.start = row.end = row.displayDay = TodayDay;
    FormatDateText(TodayDay, row.dateText);
    StringCchCopyW(row.timeText, kTimeChars, kTodayWord);
    row.todayLine = 1;
    row.linkedContactId = -1;
    row.subject = SysAllocString(text);
}

void AddHolidayRows()
{
    for (int i = 0; i < HolidayCount && HasRoom(); ++i) {
        const TodayHoliday& holiday = Holidays[i];
        int year, month, day;
        if (holiday.name[0] == L'\0' || !ParseDateText(holiday.date, &year, &month, &day))
            continue;
        wchar_t text[64];
        StringCchPrintfW(text, ARRAYSIZE(text), L"%ls%ls", kHolidayPrefix, holiday.name);
        TodayScheduleRow& row = AppendRow();
        row.start = row.end = row.displayDay = DateOfParts(year, month, day);
        StringCchCopyW(row.dateText, kDateChars, holiday.date);
        row.subject = SysAllocString(text);
        row.holiday = 1;
        row.linkedContactId = -1;
    }
}

void AddEmptyDays()
{
    bool busy[kLongestSpan] = {};
    const int days = SpanDays();
    for (int i = 0; i < ScheduleRowCount; ++i) {
        int offset = static_cast<int>(ScheduleRows[i].displayDay - ScheduleWindowStart);
        if (offset >= 0 && offset < days)
            busy[offset] = true;
    }
    for (int offset = 0; offset < days && HasRoom(); ++offset) {
        if (busy[offset])
            continue;
        TodayScheduleRow& row = AppendRow();
        row.start = row.end = row.displayDay = ScheduleWindowStart + offset;
        FormatDateText(row.displayDay, row.dateText);
        row.linkedContactId = -1;
    }
}

void NameWeekdays()
{
    for (int i = 0; i < ScheduleRowCount; ++i) {
        TodayScheduleRow& row = ScheduleRows[i];
        if (i == 0 || row.displayDay != ScheduleRows[i - 1].displayDay)
            StringCchCopyW(row.weekdayName, kWeekdayChars, WeekdayName(WeekdayOf(row.displayDay)));
        else
            StringCchCopyW(row.weekdayName, kWeekdayChars, ScheduleRows[i - 1].weekdayName);
    }
}

}  // namespace

int SpanDays()
{
    int index = Settings.TodaySpan;
    return index >= 0 && index < static_cast<int>(ARRAYSIZE(kSpanDays)) ? kSpanDays[index] : kLongestSpan;
}

void TodayLineText(int style, int year, int month, int day, wchar_t* out, size_t chars)
{
    SolarDayFacts facts;
    if (!DescribeSolarDay(year, month, day, &facts)) {
        // Beyond the lunar calendar: the solar part whole, nothing lunar.
        if (style == 2 || style == 3)
            StringCchCopyW(out, chars, L"오늘");
        else
            StringCchPrintfW(out, chars, L"오늘(%d월%d일 %ls)", month, day,
                             WeekdayName(WeekdayOf(DateOfParts(year, month, day))));
        return;
    }
    const wchar_t* lunarMark = facts.lunar.leap ? L"음윤" : L"음";
    switch (style) {
    case 2:
        StringCchPrintfW(out, chars, L"오늘(%ls%d/%d)", lunarMark, facts.lunar.month, facts.lunar.day);
        break;
    case 3:
        StringCchPrintfW(out, chars, L"오늘(%lc%lc %ls%d/%d)", facts.stemName, facts.branchName, lunarMark,
                         facts.lunar.month, facts.lunar.day);
        break;
    default:
        StringCchPrintfW(out, chars, L"오늘(%d월%d일 %ls, %ls%d/%d)", month, day,
                         WeekdayName(WeekdayOf(DateOfParts(year, month, day))), lunarMark, facts.lunar.month,
                         facts.lunar.day);
        break;
    }
}

int CompareScheduleRows(const TodayScheduleRow& a, const TodayScheduleRow& b)
{
    if (a.displayDay != b.displayDay)
        return a.displayDay < b.displayDay ? -1 : 1;
    if (a.todayLine != b.todayLine)
        return a.todayLine ? -1 : 1;
    if (a.start != b.start)
        return a.start < b.start ? -1 : 1;
    return wcscmp(a.subject ? a.subject : L"", b.subject ? b.subject : L"");
}

void SortScheduleRows()
{
    auto before = [](const TodayScheduleRow& a, const TodayScheduleRow& b) { return CompareScheduleRows(a, b) < 0; };
    std::stable_sort(ScheduleRows, ScheduleRows + ScheduleRowCount, before);
}

int BuildScheduleView()
{
    FreeRowStrings();
    ClearRowZones();
    std::memset(static_cast<void*>(ScheduleRows), 0, sizeof(ScheduleRows));
    HolidayCount = 0;

    QueryAppointments(ScheduleWindowStart, ScheduleWindowEnd);
    QueryTasksDue(ScheduleWindowStart, ScheduleWindowEnd);
    LoadHolidays(kHolidayDatabase, ScheduleWindowStart, ScheduleWindowEnd);

    wchar_t today[kDateChars], now[kTimeChars];
    FormatDateText(TodayDay, today);
    SYSTEMTIME clock = LocalNow();
    StringCchPrintfW(now, kTimeChars, L"%02d:%02d", clock.wHour, clock.wMinute);
    if (Settings.TodayShowPastItems != 1)
        DropPastRowsOfToday(today, now);
    StringCchCopyW(PastRowsDroppedUntil, kTimeChars, now);

    AddTaskRows();
    AddTodayLine();
    AddHolidayRows();
    if (Settings.TodayOnlyBusyDays != 1)
        AddEmptyDays();
    if (ScheduleRowCount > 0)
        SortScheduleRows();
    NameWeekdays();
    RowCount = ScheduleRowCount;
    VisibleRows = std::min(RowCount, RowsShown);
    return 0;
}

void SetScheduleHeader()
{
    ScheduleWindowStart = DayPart(SpanStart);
    ScheduleWindowEnd = ScheduleWindowStart + (SpanDays() - 1);
    SYSTEMTIME first, last;
    SplitDate(ScheduleWindowStart, &first);
    SplitDate(ScheduleWindowEnd, &last);
    if (ScheduleWindowStart == ScheduleWindowEnd)
        StringCchPrintfW(HeaderTitle, kHeaderChars, L"%d월 %d일 (%ls)", first.wMonth, first.wDay,
                         WeekdayName(WeekdayOf(ScheduleWindowStart)));
    else
        StringCchPrintfW(HeaderTitle, kHeaderChars, L"%d/%d ~ %d/%d", first.wMonth, first.wDay, last.wMonth,
                         last.wDay);
    HeaderSecond[0] = L'\0';
}

void ShowScheduleMode()
{
    SetScheduleHeader();
    BuildScheduleView();
    LayoutScheduleRows();
}
