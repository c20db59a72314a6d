#include "mainwindow/schedule_range.h"

#include "core/date_text.h"
#include "core/dates.h"

#include <algorithm>

namespace {

int WeekdayOf(int64_t day)
{
    return WeekdayOfDayNumber(day);
}

// The same day of the month `months` away, lowered to that month's length.
DateParts SameDayOtherMonth(const DateParts& date, int months)
{
    int index = date.year * 12 + (date.month - 1) + months;
    DateParts moved = {index / 12, index % 12 + 1, date.day};
    moved.day = std::min(moved.day, DaysInMonth(moved.year, moved.month));
    return moved;
}

void WriteDay(wchar_t* out, int64_t day)
{
    WriteDayNumberText(out, kRangeTextChars, day);
}

void SetRange(ScheduleRangeState* state, const DayRange& range)
{
    WriteDay(state->rangeStart, range.first);
    WriteDay(state->rangeEnd, range.last);
}

DayRange RangeOfMode(char mode, int64_t day, int weekStart)
{
    switch (mode) {
    case 'W': return WeekOfDay(day, weekStart);
    case 'M': return MonthOfDay(day);
    default: return {day, day};
    }
}

bool StepPeriod(ScheduleRangeState* state, int direction)
{
    int64_t start = DayNumberOfText(state->rangeStart);
    int64_t end = DayNumberOfText(state->rangeEnd);
    DateParts current;
    if (!start || !end || !ReadDateText(state->currentDate, &current))
        return false;
    switch (state->mode) {
    case 'D':
        WriteDay(state->rangeStart, start + direction);
        WriteDay(state->rangeEnd, start + direction);
        WriteDay(state->currentDate, start + direction);
        return true;
    case 'W':
        WriteDay(state->currentDate, DayNumber(current.year, current.month, current.day) + 7 * direction);
        WriteDay(state->rangeStart, start + 7 * direction);
        WriteDay(state->rangeEnd, end + 7 * direction);
        return true;
    case 'M':
        WriteDateText(state->currentDate, kRangeTextChars, SameDayOtherMonth(current, direction));
        if (direction < 0)
            SetRange(state, {MonthOfDay(start - 1).first, start - 1});
        else
            SetRange(state, {end + 1, MonthOfDay(end + 1).last});
        return true;
    }
    return false;
}

}  // namespace

DayRange WeekOfDay(int64_t day, int weekStart)
{
    int weekday = WeekdayOf(day);
    if (weekStart == 1) {
        int64_t first = weekday == 0 ? day - 6 : day + (1 - weekday);
        return {first, first + 6};
    }
    return {day - weekday, day - weekday + 6};
}

DayRange MonthOfDay(int64_t day)
{
    DateParts date;
    DateOfDayNumber(day, &date.year, &date.month, &date.day);
    return {DayNumber(date.year, date.month, 1), DayNumber(date.year, date.month, DaysInMonth(date.year, date.month))};
}

bool StepScheduleRange(ScheduleRangeState* state, int command, int weekStart, const wchar_t* today)
{
    switch (command) {
    case ID_SCHEDULE_PREVIOUS_PERIOD: return StepPeriod(state, -1);
    case ID_SCHEDULE_NEXT_PERIOD: return StepPeriod(state, 1);
    case ID_SCHEDULE_DAY_MODE:
    case ID_SCHEDULE_WEEK_MODE:
    case ID_SCHEDULE_MONTH_MODE: {
        int64_t current = DayNumberOfText(state->currentDate);
        if (!current)
            return false;
        state->mode = command == ID_SCHEDULE_DAY_MODE ? 'D' : command == ID_SCHEDULE_WEEK_MODE ? 'W' : 'M';
        SetRange(state, RangeOfMode(state->mode, current, weekStart));
        return true;
    }
    case ID_SCHEDULE_TODAY: {
        int64_t day = DayNumberOfText(today);
        if (!day)
            return false;
        WriteDay(state->currentDate, day);
        SetRange(state, RangeOfMode(state->mode, day, weekStart));
        return true;
    }
    }
    return false;
}

void StepMonthFirstDay(wchar_t* date, int months)
{
    DateParts parts;
    if (!ReadDateText(date, &parts))
        return;
    DateParts moved = SameDayOtherMonth(parts, months);
    moved.day = 1;
    WriteDateText(date, kRangeTextChars, moved);
}
