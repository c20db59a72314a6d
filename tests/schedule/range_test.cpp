// Stepping the schedule view's range by day, week and month.
#include "mainwindow/schedule_range.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

struct RangeCase {
    char mode;
    int weekStart;
    const wchar_t* current;
    const wchar_t* start;
    const wchar_t* end;
    int command;
    const wchar_t* today;
    // expected
    const wchar_t* newCurrent;
    const wchar_t* newStart;
    const wchar_t* newEnd;
    char newMode;
};

const RangeCase kCases[] = {
    // Week mode through the week and today commands; 2007-03-04 is a Sunday.
    {'D', 0, L"2007-03-04", L"2007-03-04", L"2007-03-04", ID_SCHEDULE_WEEK_MODE, L"", L"2007-03-04", L"2007-03-04", L"2007-03-10", 'W'},
    {'D', 1, L"2007-03-04", L"2007-03-04", L"2007-03-04", ID_SCHEDULE_WEEK_MODE, L"", L"2007-03-04", L"2007-02-26", L"2007-03-04", 'W'},
    {'W', 0, L"2006-12-01", L"2006-11-26", L"2006-12-02", ID_SCHEDULE_TODAY, L"2007-03-04", L"2007-03-04", L"2007-03-04", L"2007-03-10", 'W'},
    {'W', 1, L"2006-12-01", L"2006-11-27", L"2006-12-03", ID_SCHEDULE_TODAY, L"2007-03-04", L"2007-03-04", L"2007-02-26", L"2007-03-04", 'W'},
    {'W', 1, L"2007-03-05", L"2007-03-05", L"2007-03-05", ID_SCHEDULE_WEEK_MODE, L"", L"2007-03-05", L"2007-03-05", L"2007-03-11", 'W'},
    {'W', 1, L"2007-03-10", L"2007-03-10", L"2007-03-10", ID_SCHEDULE_WEEK_MODE, L"", L"2007-03-10", L"2007-03-05", L"2007-03-11", 'W'},
    // Across a month end and stepping on from there.
    {'M', 0, L"2007-01-31", L"2007-01-01", L"2007-01-31", ID_SCHEDULE_WEEK_MODE, L"", L"2007-01-31", L"2007-01-28", L"2007-02-03", 'W'},
    {'W', 0, L"2007-01-31", L"2007-01-28", L"2007-02-03", ID_SCHEDULE_NEXT_PERIOD, L"", L"2007-02-07", L"2007-02-04", L"2007-02-10", 'W'},
    {'W', 0, L"2007-01-03", L"2006-12-31", L"2007-01-06", ID_SCHEDULE_PREVIOUS_PERIOD, L"", L"2006-12-27", L"2006-12-24", L"2006-12-30", 'W'},
    // Month mode: the day lowered to the shorter month.
    {'M', 0, L"2007-03-31", L"2007-03-01", L"2007-03-31", ID_SCHEDULE_PREVIOUS_PERIOD, L"", L"2007-02-28", L"2007-02-01", L"2007-02-28", 'M'},
    {'M', 0, L"2007-01-31", L"2007-01-01", L"2007-01-31", ID_SCHEDULE_NEXT_PERIOD, L"", L"2007-02-28", L"2007-02-01", L"2007-02-28", 'M'},
    {'M', 1, L"2008-01-30", L"2008-01-01", L"2008-01-31", ID_SCHEDULE_NEXT_PERIOD, L"", L"2008-02-29", L"2008-02-01", L"2008-02-29", 'M'},
    {'M', 0, L"2007-12-15", L"2007-12-01", L"2007-12-31", ID_SCHEDULE_NEXT_PERIOD, L"", L"2008-01-15", L"2008-01-01", L"2008-01-31", 'M'},
    {'M', 0, L"2008-01-31", L"2008-01-01", L"2008-01-31", ID_SCHEDULE_PREVIOUS_PERIOD, L"", L"2007-12-31", L"2007-12-01", L"2007-12-31", 'M'},
    {'D', 0, L"2008-02-10", L"2008-02-10", L"2008-02-10", ID_SCHEDULE_MONTH_MODE, L"", L"2008-02-10", L"2008-02-01", L"2008-02-29", 'M'},
    {'M', 0, L"2007-05-20", L"2007-05-01", L"2007-05-31", ID_SCHEDULE_TODAY, L"2007-03-04", L"2007-03-04", L"2007-03-01", L"2007-03-31", 'M'},
    // Day mode.
    {'D', 0, L"2007-03-01", L"2007-03-01", L"2007-03-01", ID_SCHEDULE_PREVIOUS_PERIOD, L"", L"2007-02-28", L"2007-02-28", L"2007-02-28", 'D'},
    {'D', 0, L"2007-12-31", L"2007-12-31", L"2007-12-31", ID_SCHEDULE_NEXT_PERIOD, L"", L"2008-01-01", L"2008-01-01", L"2008-01-01", 'D'},
    {'W', 0, L"2007-03-07", L"2007-03-04", L"2007-03-10", ID_SCHEDULE_DAY_MODE, L"", L"2007-03-07", L"2007-03-07", L"2007-03-07", 'D'},
    {'D', 1, L"2007-05-20", L"2007-05-20", L"2007-05-20", ID_SCHEDULE_TODAY, L"2007-03-04", L"2007-03-04", L"2007-03-04", L"2007-03-04", 'D'},
};

std::wstring Text(const wchar_t* value)
{
    return value;
}

TEST(ScheduleRange, StepsByModeAndWeekStart)
{
    for (const RangeCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.weekStart << " " << testing::PrintToString(Text(c.current))
                                        << " " << c.command);
        ScheduleRangeState state = {};
        wcscpy(state.currentDate, c.current);
        wcscpy(state.rangeStart, c.start);
        wcscpy(state.rangeEnd, c.end);
        state.mode = c.mode;
        ASSERT_TRUE(StepScheduleRange(&state, c.command, c.weekStart, c.today));
        EXPECT_EQ(Text(state.currentDate), c.newCurrent);
        EXPECT_EQ(Text(state.rangeStart), c.newStart);
        EXPECT_EQ(Text(state.rangeEnd), c.newEnd);
        EXPECT_EQ(state.mode, c.newMode);
    }
}

TEST(ScheduleRange, UnreadableDatesAndOtherCommandsChangeNothing)
{
    ScheduleRangeState state = {L"", L"2007-03-01", L"2007-03-31", 'M'};
    EXPECT_FALSE(StepScheduleRange(&state, ID_SCHEDULE_NEXT_PERIOD, 0, L"2007-03-04"));
    EXPECT_FALSE(StepScheduleRange(&state, ID_SCHEDULE_WEEK_MODE, 0, L"2007-03-04"));
    EXPECT_FALSE(StepScheduleRange(&state, 10116, 0, L"2007-03-04"));
    EXPECT_EQ(Text(state.rangeStart), L"2007-03-01");
    EXPECT_EQ(state.mode, 'M');
}

TEST(ScheduleRange, CardMonthStepsOverTheYearEnd)
{
    struct MonthCase {
        const wchar_t* from;
        int months;
        const wchar_t* to;
    };
    const MonthCase cases[] = {
        {L"2007-01-15", -1, L"2006-12-01"},
        {L"2007-12-01", 1, L"2008-01-01"},
        {L"2008-03-31", -1, L"2008-02-01"},
        {L"2008-01-31", 1, L"2008-02-01"},
    };
    for (const MonthCase& c : cases) {
        wchar_t date[kRangeTextChars];
        wcscpy(date, c.from);
        StepMonthFirstDay(date, c.months);
        EXPECT_EQ(Text(date), c.to) << testing::PrintToString(Text(c.from));
    }
}

}  // namespace
