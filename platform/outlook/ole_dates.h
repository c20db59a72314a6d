// Calendar arithmetic on OLE variant times (days since 1899-12-30, the time
// of day as the fraction), as the object model carries every date.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace poom {

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;
// Two times closer than this are the same minute of the same day.
constexpr double kSameTimeTolerance = kSecond / 2;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The days the object model takes: 0100-01-01 to 9999-12-31, the range of
// the system-time conversions.
constexpr long kFirstSupportedDay = -657434;
constexpr long kLastSupportedDay = 2958465;
// A variant time on one of those days (false for NaN and infinities).
bool IsSupportedDate(DATE date);

// Whole days since 1899-12-30 (may be negative) for a valid civil date.
long DayNumber(int year, int month, int day);
// Any day number, however far out, in 64-bit arithmetic.
CivilDate DateOfDayNumber(long long dayNumber);

DATE MakeDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
long DayOf(DATE date);            // the whole day a variant time falls on, saturated to long
DATE Midnight(DATE date);         // start of that day
double TimeOfDay(DATE date);      // fraction of the day
int WeekdayOf(DATE date);         // 0 Sunday .. 6 Saturday
int WeekdayOfDay(long dayNumber);
long MinutesBetween(DATE from, DATE to);  // rounded to the nearest minute

// The variant time of a system time; FALSE when a field is out of range.
// Milliseconds and the weekday are ignored.
bool SystemTimeToDate(const SYSTEMTIME& time, DATE* date);
bool DateToSystemTime(DATE date, SYSTEMTIME* time);

// Local wall-clock times stored as FILETIME without any zone shift.
FILETIME DateToFileTime(DATE date);
DATE FileTimeToDate(const FILETIME& time);

}  // namespace poom
