// The schedule view's list and the contact card's appointment list, filled
// from their tables, and the entry behind a row of either.
#pragma once

#include "lists/state.h"

// Orders the table by day, start time and subject (code units); entries
// equal in all three keep their order. Within a day this puts all-day and
// later-day rows first, then holidays (start "     "), then timed rows.
void SortScheduleTable(ScheduleTable* table);

struct MonthListRange {
    const wchar_t* rangeStart;   // first and last day shown
    const wchar_t* rangeEnd;
    const wchar_t* currentDate;  // the chosen day
    char mode;                   // 'D', 'W' or 'M'
    CEOID reselect;              // appointment to select (0 none)
};

// Fills the list (columns: day and time, text, then hidden object id,
// contact id, linked id) with the sorted month table's rows inside the
// range, one per appointment day and named holiday; sets the table's row
// map. Returns the row selected: the reselected appointment's first row;
// else in week and month mode the last row on or before the current date;
// 0 when none.
int FillMonthScheduleList(HWND list, const MonthListRange& range);

// Fills the card's list (columns: date and time, subject, hidden object id)
// with every row of the sorted contact table. Returns the row selected: the
// reselected appointment's, else 0.
int FillContactScheduleList(HWND list, CEOID reselect);

// The entry shown at a row of the list filled from the table; null for a
// row the list does not have.
const ScheduleEntry* ScheduleEntryAtRow(const ScheduleTable& table, int row);
