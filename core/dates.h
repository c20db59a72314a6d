// Solar date routines: leap years, month lengths, day numbers, adding days and
// counting days between date texts.
#pragma once

#include <windows.h>

#include <cstdint>

// Solar month lengths January..December; February is rewritten by
// SetFebruaryLength for the year being converted.
extern int SolarMonthLengths[12];

bool IsLeapYear(int year);
// 28 or 29 for February, 30 for April, June, September, November, and 31 for
// every other value, month numbers outside 1..12 included.
int DaysInMonth(int year, int month);
// Stores February's length for the year in SolarMonthLengths; returns the
// leap test.
bool SetFebruaryLength(int year);

// Days counted from 0001-01-01 (= 1) in the proleptic Gregorian calendar.
// Days beyond a month's end and months outside 1..12 roll over into the
// following months and years (2005-02-29 is the day of 2005-03-01).
int64_t DayNumber(int year, int month, int day);
// The date of a day number; false (fields untouched) outside years 1..9999.
bool DateOfDayNumber(int64_t dayNumber, int* year, int* month, int* day);
// 0 Sunday .. 6 Saturday.
int WeekdayOfDayNumber(int64_t dayNumber);

// The OLE date (whole days since 1899-12-30) of a date at 00:00.
double OleDateOf(int year, int month, int day);

constexpr int kFirstDateYear = 1;
constexpr int kLastDateYear = 9999;

// Fills *result with the date plus that many days (negative counts go back),
// at 00:00:00.000, with its weekday, and returns result. The date is
// normalised first (day 29 of February in a common year is 1 March, month 13
// is January of the next year). Returns nullptr, leaving *result zeroed, when
// the year or the result lies outside 1..9999.
SYSTEMTIME* AddDaysToDate(SYSTEMTIME* result, int year, int month, int day, int days);

// Moves the date back by that many days (normalised as AddDaysToDate does);
// false, with the three values untouched, when the result is out of range.
bool SubtractDaysFromDate(int* year, int* month, int* day, int days);

// Days from the first date text to the second, both counted: the same day
// gives 1, a second date before the first 0 or less. Texts are read as
// "%4d-%2d-%2d"; an empty, null or unreadable text gives 0.
int CountDaysInclusive(const wchar_t* first, const wchar_t* second);
