// The month view: the shown month in week rows of seven day cells, with
// marks on the days that have appointments or tasks due.
#pragma once

#include "today/state.h"

// "%4d년 %d월" of the shown month.
void SetMonthHeader();
void BuildMonthView();
// Header, build, list area.
void ShowMonthMode();
// The first column's weekday: 0 Sunday when WeekStart is 0, else 1 Monday.
int FirstWeekdayColumn();
