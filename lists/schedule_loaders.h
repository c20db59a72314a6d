// The two schedule loaders: the schedule view's list over the month table,
// and the contact card's appointment list over the contact's own table.
#pragma once

#include "lists/schedule_list.h"

// Queries the month of range.rangeStart when the month table does not hold
// it, then sorts and fills the list; returns the row selected.
int LoadMonthScheduleInto(HWND list, const MonthListRange& range);

// Queries the contact's linked appointments from fromDay to its month's end,
// sets the range label ("yy-mm-dd~yy-mm-dd") and fills the list; returns the
// row selected.
int LoadContactScheduleInto(HWND list, HWND rangeLabel, CEOID contactOid, const wchar_t* fromDay, CEOID reselect);
