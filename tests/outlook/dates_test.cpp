// Calendar arithmetic on variant times.
#include "platform/outlook/ole_dates.h"

#include "platform/ce.h"

#include <gtest/gtest.h>

using namespace poom;

namespace {

struct DayCase {
    int year, month, day;
    long dayNumber;
    int weekday;  // 0 Sunday
};

const DayCase kDays[] = {
    {1899, 12, 30, 0, 6},       // the epoch, a Saturday
    {1900, 3, 1, 61, 4},        // no 1900-02-29 in this calendar
    {2000, 2, 29, 36585, 2},    // century leap year
    {2024, 1, 31, 45322, 3},
    {2024, 2, 29, 45351, 4},
    {2100, 3, 1, 73110, 1},     // 2100 is not leap
    {4501, 1, 1, 949998, 6},    // the object model's "no date"
    {1850, 6, 15, -18095, 6},   // before the epoch
};

TEST(Dates, DayNumbersAndWeekdays)
{
    for (const DayCase& c : kDays) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(DayNumber(c.year, c.month, c.day), c.dayNumber);
        CivilDate back = DateOfDayNumber(c.dayNumber);
        EXPECT_EQ(back.year, c.year);
        EXPECT_EQ(back.month, c.month);
        EXPECT_EQ(back.day, c.day);
        EXPECT_EQ(WeekdayOfDay(c.dayNumber), c.weekday);
    }
    EXPECT_DOUBLE_EQ(kPoomNoDate, MakeDate(4501, 1, 1));
}

TEST(Dates, DaysInMonthAndLeapYears)
{
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 12), 31);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(Dates, SystemTimeConversionRejectsImpossibleDates)
{
    SYSTEMTIME time = {};
    time.wYear = 2024;
    time.wMonth = 2;
    time.wDay = 30;
    DATE date = 0;
    EXPECT_FALSE(SystemTimeToDate(time, &date));
    time.wDay = 29;
    time.wHour = 23;
    time.wMinute = 59;
    ASSERT_TRUE(SystemTimeToDate(time, &date));
    SYSTEMTIME back = {};
    ASSERT_TRUE(DateToSystemTime(date, &back));
    EXPECT_EQ(back.wYear, 2024);
    EXPECT_EQ(back.wMonth, 2);
    EXPECT_EQ(back.wDay, 29);
    EXPECT_EQ(back.wHour, 23);
    EXPECT_EQ(back.wMinute, 59);
    EXPECT_EQ(back.wSecond, 0);
    EXPECT_EQ(back.wDayOfWeek, 4);
    SYSTEMTIME zero = {};  // a cleared time with nothing read into it
    EXPECT_FALSE(SystemTimeToDate(zero, &date));
}

TEST(Dates, FileTimesKeepTheWallClock)
{
    DATE date = MakeDate(2024, 3, 10, 9, 30);
    FILETIME time = DateToFileTime(date);
    // 2024-03-10 09:30:00 as 100 ns ticks since 1601-01-01.
    unsigned long long ticks = (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    EXPECT_EQ(ticks, 133545366000000000ULL);
    EXPECT_DOUBLE_EQ(FileTimeToDate(time), date);
}

TEST(Dates, TimeOfDaySurvivesRounding)
{
    DATE almost = MakeDate(2024, 5, 1) - 1e-9;  // a hair before midnight
    EXPECT_EQ(DayOf(almost), DayNumber(2024, 5, 1));
    EXPECT_DOUBLE_EQ(TimeOfDay(MakeDate(2024, 5, 1, 15, 45)), (15 * 60 + 45) / 1440.0);
    EXPECT_EQ(MinutesBetween(MakeDate(2024, 5, 1, 22, 0), MakeDate(2024, 5, 3, 2, 0)), 28 * 60);
}

}  // namespace
