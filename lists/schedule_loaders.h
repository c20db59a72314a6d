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

// The schedule view's list over RangeStart..RangeEnd; its selection becomes
// the view's remembered row.
void LoadMonthSchedule();
// The contact card's appointment list for the selected contact from
// ContactScheduleDate; its selection becomes the panel's remembered row.
void LoadContactSchedule();

// The entry of the selected row of the list that belongs to the current
// view: the schedule list in the schedule view, else the card's list; null
// when that list has no such row.
const ScheduleEntry* SelectedScheduleEntry();
