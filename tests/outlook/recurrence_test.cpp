// Occurrence days of each recurrence type, the ends of a rule, the next
// occurrence of a task and the shortest gap that bounds a reminder lead.
#include "platform/outlook/recurrence_rule.h"

#include "platform/outlook/ole_dates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace poom;

namespace {

long Day(int y, int m, int d)
{
    return DayNumber(y, m, d);
}

std::string DayText(long day)
{
    CivilDate date = DateOfDayNumber(day);
    char text[16];
    snprintf(text, sizeof(text), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string Occurrences(const RecurrenceRule& rule, long from, long to, int limit = 8)
{
    std::string result;
    int count = 0;
    ForEachOccurrenceDay(rule, from, to, [&](long day) {
        result += (result.empty() ? "" : " ") + DayText(day);
        return ++count < limit;
    });
    return result;
}

RecurrenceRule Rule(long type, long start, long interval = 1)
{
    RecurrenceRule rule;
    rule.type = type;
    rule.startDay = start;
    rule.interval = interval;
    return rule;
}

struct ExpansionCase {
    const char* name;
    RecurrenceRule rule;
    long from, to;
    const char* expected;
};

RecurrenceRule WithMask(RecurrenceRule rule, long mask, long instance = 0, long month = 0)
{
    rule.dayOfWeekMask = mask;
    rule.instance = instance;
    rule.monthOfYear = month;
    return rule;
}

RecurrenceRule WithDay(RecurrenceRule rule, long dayOfMonth, long month = 0)
{
    rule.dayOfMonth = dayOfMonth;
    rule.monthOfYear = month;
    return rule;
}

RecurrenceRule EndingBy(RecurrenceRule rule, long endDay)
{
    rule.end = RecurrenceEnd::ByDate;
    rule.endDay = endDay;
    return rule;
}

RecurrenceRule EndingAfter(RecurrenceRule rule, long count)
{
    rule.end = RecurrenceEnd::ByCount;
    rule.occurrences = count;
    return rule;
}

const ExpansionCase kExpansions[] = {
    {"daily every 2 days over a leap month end", Rule(0, Day(2024, 2, 27), 2), Day(2024, 2, 1), Day(2024, 3, 6),
     "2024-02-27 2024-02-29 2024-03-02 2024-03-04 2024-03-06"},
    {"daily every weekday", Rule(0, Day(2024, 3, 1), 0), Day(2024, 3, 1), Day(2024, 3, 7),
     "2024-03-01 2024-03-04 2024-03-05 2024-03-06 2024-03-07"},
    {"daily, window far after the start", Rule(0, Day(2000, 1, 1), 7), Day(2024, 1, 1), Day(2024, 1, 15),
     "2024-01-06 2024-01-13"},
    {"weekly on Monday and Thursday every 2 weeks", WithMask(Rule(1, Day(2024, 1, 29), 2), 2 | 16), Day(2024, 1, 1),
     Day(2024, 2, 29), "2024-01-29 2024-02-01 2024-02-12 2024-02-15 2024-02-26 2024-02-29"},
    {"weekly from mid-week skips the days before the start", WithMask(Rule(1, Day(2024, 1, 31)), 1 | 2 | 64),
     Day(2024, 1, 28), Day(2024, 2, 5), "2024-02-03 2024-02-04 2024-02-05"},
    {"weekly without a mask uses the start's weekday", Rule(1, Day(2024, 1, 3)), Day(2024, 1, 1), Day(2024, 1, 20),
     "2024-01-03 2024-01-10 2024-01-17"},
    {"monthly on the 31st takes short months' last day", WithDay(Rule(2, Day(2024, 1, 31)), 31), Day(2024, 1, 1),
     Day(2024, 6, 30), "2024-01-31 2024-02-29 2024-03-31 2024-04-30 2024-05-31 2024-06-30"},
    {"monthly every 3 months across the year end", WithDay(Rule(2, Day(2024, 11, 5), 3), 5), Day(2024, 1, 1),
     Day(2025, 12, 31), "2024-11-05 2025-02-05 2025-05-05 2025-08-05 2025-11-05"},
    {"month-nth last Friday", WithMask(Rule(3, Day(2024, 1, 1)), 32, 5), Day(2024, 1, 1), Day(2024, 3, 31),
     "2024-01-26 2024-02-23 2024-03-29"},
    {"month-nth second weekday", WithMask(Rule(3, Day(2024, 1, 1)), 62, 2), Day(2024, 1, 1), Day(2024, 3, 31),
     "2024-01-02 2024-02-02 2024-03-04"},
    {"month-nth first weekend day", WithMask(Rule(3, Day(2024, 1, 1)), 65, 1), Day(2024, 1, 1), Day(2024, 3, 31),
     "2024-01-06 2024-02-03 2024-03-02"},
    {"month-nth last day", WithMask(Rule(3, Day(2024, 1, 1)), 127, 5), Day(2024, 1, 1), Day(2024, 3, 31),
     "2024-01-31 2024-02-29 2024-03-31"},
    {"month-nth fourth Sunday", WithMask(Rule(3, Day(2024, 1, 1)), 1, 4), Day(2024, 1, 1), Day(2024, 2, 29),
     "2024-01-28 2024-02-25"},
    {"yearly on February 29", WithDay(Rule(5, Day(2024, 2, 29)), 29, 2), Day(2024, 1, 1), Day(2028, 12, 31),
     "2024-02-29 2025-02-28 2026-02-28 2027-02-28 2028-02-29"},
    {"yearly every 2 years", WithDay(Rule(5, Day(2024, 5, 5), 2), 5, 5), Day(2024, 1, 1), Day(2030, 12, 31),
     "2024-05-05 2026-05-05 2028-05-05 2030-05-05"},
    {"year-nth second Tuesday of March", WithMask(Rule(6, Day(2024, 1, 1)), 4, 2, 3), Day(2024, 1, 1),
     Day(2026, 12, 31), "2024-03-12 2025-03-11 2026-03-10"},
    {"year-nth last Monday of May", WithMask(Rule(6, Day(2024, 1, 1)), 2, 5, 5), Day(2024, 1, 1), Day(2025, 12, 31),
     "2024-05-27 2025-05-26"},
    {"ends by date, inclusive", EndingBy(Rule(0, Day(2024, 1, 1)), Day(2024, 1, 3)), Day(2023, 1, 1),
     Day(2024, 12, 31), "2024-01-01 2024-01-02 2024-01-03"},
    {"ends after a count, counted from the start", EndingAfter(WithMask(Rule(1, Day(2024, 1, 1)), 2 | 8), 3),
     Day(2024, 1, 3), Day(2024, 12, 31), "2024-01-03 2024-01-08"},
    {"a window before the start", Rule(0, Day(2024, 1, 10)), Day(2024, 1, 1), Day(2024, 1, 9), ""},
    {"not recurring", Rule(-1, Day(2024, 1, 1)), Day(2024, 1, 1), Day(2024, 1, 9), ""},
};

TEST(Recurrence, OccurrenceDaysOfEachType)
{
    for (const ExpansionCase& c : kExpansions) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Occurrences(c.rule, c.from, c.to), c.expected);
    }
}

TEST(Recurrence, NthDayOfMonth)
{
    EXPECT_EQ(NthDayOfMonth(2024, 2, 5, 2), 26);    // last Monday
    EXPECT_EQ(NthDayOfMonth(2024, 2, 1, 2), 5);     // first Monday
    EXPECT_EQ(NthDayOfMonth(2024, 9, 5, 62), 30);   // last weekday: Monday 30th
    EXPECT_EQ(NthDayOfMonth(2024, 6, 5, 62), 28);   // June 30 is a Sunday: Friday 28th
    EXPECT_EQ(NthDayOfMonth(2024, 6, 1, 65), 1);    // first weekend day: Saturday 1st
}

TEST(Recurrence, NextAndLastOccurrence)
{
    RecurrenceRule weekly = WithMask(Rule(1, Day(2024, 1, 1)), 2);  // Mondays
    ASSERT_TRUE(NextOccurrenceDay(weekly, Day(2024, 1, 1)).has_value());
    EXPECT_EQ(*NextOccurrenceDay(weekly, Day(2024, 1, 1)), Day(2024, 1, 8));
    EXPECT_EQ(*NextOccurrenceDay(weekly, Day(2023, 12, 1)), Day(2024, 1, 1));
    EXPECT_FALSE(LastOccurrenceDay(weekly).has_value());
    RecurrenceRule counted = EndingAfter(weekly, 2);
    EXPECT_EQ(*LastOccurrenceDay(counted), Day(2024, 1, 8));
    EXPECT_FALSE(NextOccurrenceDay(counted, Day(2024, 1, 8)).has_value());
    EXPECT_TRUE(IsOccurrenceDay(counted, Day(2024, 1, 8)));
    EXPECT_FALSE(IsOccurrenceDay(counted, Day(2024, 1, 15)));
    EXPECT_FALSE(IsOccurrenceDay(counted, Day(2024, 1, 9)));
}

struct GapCase {
    const char* name;
    RecurrenceRule rule;
    long minutes;
};

const GapCase kGaps[] = {
    {"weekly on one day", WithMask(Rule(1, Day(2024, 1, 1)), 2), 10080},
    {"weekly on the start's weekday", Rule(1, Day(2024, 1, 1)), 10080},
    {"every 2 weeks on Monday and Thursday", WithMask(Rule(1, Day(2024, 1, 1), 2), 2 | 16), 14400},
    {"every weekday as a weekly rule", WithMask(Rule(1, Day(2024, 1, 1)), 62), 1440},
    {"Saturday and Monday: the gap wraps the week", WithMask(Rule(1, Day(2024, 1, 1)), 64 | 2), 2880},
    {"daily every 3 days", Rule(0, Day(2024, 1, 1), 3), 4320},
    {"daily every weekday", Rule(0, Day(2024, 1, 1), 0), 1440},
    {"monthly", WithDay(Rule(2, Day(2024, 1, 1)), 1), 40320},
    {"monthly on the n-th day", WithMask(Rule(3, Day(2024, 1, 1)), 2, 1), 40320},
    {"yearly", WithDay(Rule(5, Day(2024, 1, 1)), 1, 1), 483840},
    {"yearly on the n-th day", WithMask(Rule(6, Day(2024, 1, 1)), 2, 1, 1), 483840},
    {"not recurring", Rule(-1, Day(2024, 1, 1)), 0},
};

TEST(Recurrence, ShortestGapBoundsTheReminderLead)
{
    for (const GapCase& c : kGaps) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShortestGapMinutes(c.rule), c.minutes);
    }
}

}  // namespace
