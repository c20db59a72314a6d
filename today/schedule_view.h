// The schedule view: the rows of the span's days (appointments, tasks due,
// the today line, holidays and empty days), their order and the header.
#pragma once

#include "today/state.h"

// Days of the span by TodaySpan (index 0..6: 1, 2, 3, 5, 7, 14, 31; any
// other index 31).
int SpanDays();

// Rebuilds the whole table for the window; 0.
int BuildScheduleView();
// Earlier display day first; on one day the today line, then the earlier
// start, then the subject by code unit.
int CompareScheduleRows(const TodayScheduleRow& a, const TodayScheduleRow& b);
// Orders the table; rows equal on every key keep their order.
void SortScheduleRows();

// The today line's text for the date style (1 date and lunar date, 2 lunar
// date, 3 day stem and branch with the lunar date; any other as 1).
void TodayLineText(int style, int year, int month, int day, wchar_t* out, size_t chars);

// Computes the window from SpanStart and the header text.
void SetScheduleHeader();
// Header, build, row layout.
void ShowScheduleMode();
