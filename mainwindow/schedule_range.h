// The schedule view's range: the chosen day and the first and last day
// shown, stepped by day, week or month. Pure date work on the three texts.
#pragma once

#include "resources/resource.h"

#include <cstdint>

struct DayRange {
    int64_t first;
    int64_t last;
};

// The week holding the day (day numbers); weekStart 1 Monday, else Sunday.
DayRange WeekOfDay(int64_t day, int weekStart);
// The month holding the day.
DayRange MonthOfDay(int64_t day);

constexpr int kRangeTextChars = 11;

// The three dates as texts "%4d-%02d-%02d" and the mode letter.
struct ScheduleRangeState {
    wchar_t currentDate[kRangeTextChars];
    wchar_t rangeStart[kRangeTextChars];
    wchar_t rangeEnd[kRangeTextChars];
    char mode;  // 'D', 'W', 'M'
};

// Applies one range command (ID_SCHEDULE_PREVIOUS_PERIOD .. ID_SCHEDULE_TODAY);
// the day, week and month commands also set the mode. today is
// "%4d-%02d-%02d". False for a command that is not a range command or a date
// that cannot be read (the state is left as it was).
bool StepScheduleRange(ScheduleRangeState* state, int command, int weekStart, const wchar_t* today);

// The first day of the month before or after the date's month, as
// "%4d-%02d-01" (the contact card's month stepping).
void StepMonthFirstDay(wchar_t* date, int months);
