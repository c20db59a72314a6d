#include "lists/schedule_loaders.h"

#include "core/date_text.h"
#include "core/dates.h"
#include "lists/schedule_cache.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

constexpr int kRangeLabelChars = 24;
constexpr int kCardSchedulePanel = 0;

void SetCardRangeLabel(HWND label, const wchar_t* fromDay)
{
    DateParts from;
    if (!label || !ReadDateText(fromDay, &from))
        return;
    wchar_t text[kRangeLabelChars];
    StringCchPrintfW(text, kRangeLabelChars, L"%02d-%02d-%02d~%02d-%02d-%02d", from.year % 100, from.month, from.day,
                     from.year % 100, from.month, DaysInMonth(from.year, from.month));
    SetWindowTextW(label, text);
}

}  // namespace

int LoadMonthScheduleInto(HWND list, const MonthListRange& range)
{
    EnsureMonthSchedule(range.rangeStart);
    SortScheduleTable(&MonthScheduleCache);
    return FillMonthScheduleList(list, range);
}

int LoadContactScheduleInto(HWND list, HWND rangeLabel, CEOID contactOid, const wchar_t* fromDay, CEOID reselect)
{
    SetCardRangeLabel(rangeLabel, fromDay);
    QueryContactSchedule(contactOid, fromDay);
    SortScheduleTable(&ContactScheduleCache);
    return FillContactScheduleList(list, reselect);
}

// The appointment to select again is used by one load only: later reloads
// (a delete, the change watch, a mode change) must not jump back to it.
void LoadMonthSchedule()
{
    MonthListRange range = {RangeStart, RangeEnd, CurrentDate, ScheduleMode, AppointmentToReselect};
    AppointmentToReselect = 0;
    ViewSelection[kScheduleView] = LoadMonthScheduleInto(ScheduleList, range);
}

void LoadContactSchedule()
{
    const CEOID reselect = AppointmentToReselect;
    AppointmentToReselect = 0;
    CardPanelSelection[kCardSchedulePanel] =
        LoadContactScheduleInto(CardScheduleList, CardPanelLabel, SelectedContactOid, ContactScheduleDate, reselect);
}

const ScheduleEntry* SelectedScheduleEntry()
{
    if (CurrentView == kScheduleView)
        return ScheduleEntryAtRow(MonthScheduleCache, ViewSelection[kScheduleView]);
    return ScheduleEntryAtRow(ContactScheduleCache, CardPanelSelection[kCardSchedulePanel]);
}
