// Loading the schedule tables from the Pocket Outlook calendar and the
// holiday database. One query serves a month: from its first day to day 6
// of the next, so the week and day ranges inside it and the month grid's
// trailing days come from memory.
#pragma once

#include "lists/state.h"

// Loads MonthScheduleCache for the month of the date text unless the table
// already holds that month (ScheduleCacheKey); true when it queried.
bool EnsureMonthSchedule(const wchar_t* rangeStart);

// Queries the month (year, month) into MonthScheduleCache with its
// holidays and sets ScheduleCacheKey to its first day.
void QueryMonthSchedule(int year, int month);

// Queries the appointments from the date text to the end of its month that
// are linked to the contact into ContactScheduleCache; the month's table is
// left alone.
void QueryContactSchedule(CEOID contactOid, const wchar_t* fromDay);

// Empties both tables and the key (start-up).
void ResetScheduleTables();
