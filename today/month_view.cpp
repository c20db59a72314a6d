#include "today/month_view.h"

#include "core/dates.h"
#include "core/record_layouts.h"
#include "today/day_text.h"
#include "today/layout.h"
#include "today/outlook_items.h"
#include "today/schedule_queries.h"

#include <strsafe.h>

#include <algorithm>
#include <climits>

namespace {

constexpr int kQueryChars = 160;

MonthCell* CellOfDay(DATE first, DATE day)
{
    const int offset = static_cast<int>(day - first) + (WeekdayOf(first) - FirstWeekdayColumn() + 7) % 7;
    const int week = offset / kMonthColumns, column = offset % kMonthColumns;
    return week >= 0 && week < MonthWeeks ? &MonthCells[week][column] : nullptr;
}

void MarkDays(DATE first, DATE last, DATE from, DATE to)
{
    for (DATE day = std::max(from, first); day <= std::min(to, last); day += 1) {
        if (MonthCell* cell = CellOfDay(first, day))
            cell->marked = true;
    }
}

void MarkAppointmentDays(DATE first, DATE last)
{
    const DWORD major = DeviceMajorVersion();
    wchar_t query[kQueryChars];
    AppointmentQuery(first, last, query, kQueryChars);
    IPOutlookItemCollection* items = RestrictedItems(olFolderCalendar, query, true);
    ForEachItem(items, IID_IAppointment, INT_MAX, [&](void* item) {
        IAppointment* appointment = static_cast<IAppointment*>(item);
        DATE start = 0, end = 0;
        VARIANT_BOOL allDay = VARIANT_FALSE;
        appointment->get_Start(&start);
        appointment->get_End(&end);
        appointment->get_AllDayEvent(&allDay);
        if (major >= 5 && allDay)
            end -= 1;
        MarkDays(first, last, DayPart(start), LastDayTouched(start, end, major >= 5 && allDay));
        return true;
    });
    if (items)
        items->Release();
}

void MarkTaskDays(DATE first, DATE last)
{
    wchar_t later[24], earlier[24], query[kQueryChars];
    RestrictionDate(last, true, later, ARRAYSIZE(later));
    RestrictionDate(first, false, earlier, ARRAYSIZE(earlier));
    StringCchPrintfW(query, kQueryChars, L"[DueDate] <= \"%ls\" AND [DueDate] >= \"%ls\"", later, earlier);
    IPOutlookItemCollection* items = RestrictedItems(olFolderTasks, query, false);
    ForEachItem(items, IID_ITask, INT_MAX, [&](void* item) {
        DATE due = 0;
        static_cast<ITask*>(item)->get_DueDate(&due);
        MarkDays(first, last, DayPart(due), DayPart(due));
        return true;
    });
    if (items)
        items->Release();
}

void MarkHolidays(DATE first, DATE last)
{
    LoadHolidays(kHolidayDatabase, first, last);
    for (int i = 0; i < HolidayCount; ++i) {
        int year, month, day;
        if (Holidays[i].name[0] && ParseDateText(Holidays[i].date, &year, &month, &day)) {
            if (MonthCell* cell = CellOfDay(first, DateOfParts(year, month, day)))
                cell->holiday = true;
        }
    }
}

}  // namespace

int FirstWeekdayColumn()
{
    return Settings.WeekStart == 0 ? 0 : 1;
}

void SetMonthHeader()
{
    StringCchPrintfW(HeaderTitle, kHeaderChars, L"%4d년 %d월", ShownYear, ShownMonth);
    HeaderSecond[0] = L'\0';
}

void BuildMonthView()
{
    ClearRowZones();
    for (auto& week : MonthCells)
        for (MonthCell& cell : week)
            cell = MonthCell();
    const int days = DaysInMonth(ShownYear, ShownMonth);
    const DATE first = DateOfParts(ShownYear, ShownMonth, 1);
    const DATE last = first + (days - 1);
    const int lead = (WeekdayOf(first) - FirstWeekdayColumn() + 7) % 7;
    MonthWeeks = (lead + days + kMonthColumns - 1) / kMonthColumns;
    for (int day = 1; day <= days; ++day) {
        MonthCell* cell = CellOfDay(first, first + (day - 1));
        StringCchPrintfW(cell->dayText, ARRAYSIZE(cell->dayText), L"%d", day);
        cell->sunday = WeekdayOf(first + (day - 1)) == 0;
    }
    MarkAppointmentDays(first, last);
    MarkTaskDays(first, last);
    MarkHolidays(first, last);
    RowCount = 1 + MonthWeeks;
    VisibleRows = std::min(RowCount, RowsShown);
}

void ShowMonthMode()
{
    SetMonthHeader();
    BuildMonthView();
    InvalidateListArea();
}
