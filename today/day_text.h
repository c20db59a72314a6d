// Days of the Today item: OLE dates (days as a double, midnight at whole
// numbers) and their texts "%4d-%02d-%02d", "%02d:%02d" and weekday names.
#pragma once

#include "today/state.h"

DATE DayPart(DATE date);
DATE DateOfParts(int year, int month, int day);
// The parts of a date; false (parts zeroed) for a date the system cannot
// convert.
bool SplitDate(DATE date, SYSTEMTIME* parts);
void FormatDateText(DATE date, wchar_t out[kDateChars]);
void FormatTimeText(DATE date, wchar_t out[kTimeChars]);
// "%4d-%2d-%2d"; false when the text does not hold three numbers.
bool ParseDateText(const wchar_t* text, int* year, int* month, int* day);
// 0 Sunday .. 6 Saturday.
int WeekdayOf(DATE date);
// "일", "월", ... "토".
const wchar_t* WeekdayName(int weekday);

// The local time now, and today's date text as the system formats it.
SYSTEMTIME LocalNow();
void TodayText(wchar_t out[kDateChars]);
