// Leap years, month lengths, adding and counting days, across 1899-12-30 too.
#include "core/dates.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Dates, LeapYears)
{
    struct Case { int year; bool leap; };
    const Case cases[] = {{1900, false}, {2000, true}, {2004, true}, {2005, false}, {2100, false}, {2400, true}, {1844, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
        EXPECT_EQ(SetFebruaryLength(c.year), c.leap);
        EXPECT_EQ(SolarMonthLengths[1], c.leap ? 29 : 28);
    }
}

TEST(Dates, DaysInMonth)
{
    struct Case { int year, month, days; };
    const Case cases[] = {
        {1900, 2, 28}, {2000, 2, 29}, {2004, 2, 29}, {2005, 2, 28}, {2005, 1, 31}, {2005, 4, 30},
        {2005, 6, 30}, {2005, 9, 30}, {2005, 11, 30}, {2005, 12, 31}, {2005, 13, 31}, {2005, 0, 31},
        {2005, -1, 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
}

struct AddCase { int y, m, d, days; int ry, rm, rd, weekday; };
const AddCase kAddCases[] = {
    {2005, 2, 29, 0, 2005, 3, 1, 2},     // normalised, a Tuesday
    {2004, 2, 29, 0, 2004, 2, 29, 0},
    {2005, 1, 31, 1, 2005, 2, 1, 2},
    {2004, 12, 31, 1, 2005, 1, 1, 6},
    {2000, 3, 1, -1, 2000, 2, 29, 2},
    {2005, 4, 31, 0, 2005, 5, 1, 0},
    {2005, 3, 0, 0, 2005, 2, 28, 1},
    {2005, 13, 1, 0, 2006, 1, 1, 0},     // month 13 is January of the next year
    {2005, 0, 1, 0, 2004, 12, 1, 3},
    {1899, 12, 29, 1, 1899, 12, 30, 6},  // across the OLE date zero
    {1899, 12, 30, -1, 1899, 12, 29, 5},
    {1899, 12, 31, -2, 1899, 12, 29, 5},
    {1900, 1, 1, -3, 1899, 12, 29, 5},
    {1899, 12, 1, 40, 1900, 1, 10, 3},
    {1841, 1, 23, 76720, 2051, 2, 11, 6},
    {2051, 2, 11, -76720, 1841, 1, 23, 6},
    {9999, 12, 30, 1, 9999, 12, 31, 5},
};

TEST(Dates, AddDaysToDate)
{
    for (const auto& c : kAddCases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d << " + " << c.days);
        SYSTEMTIME st;
        memset(&st, 0x5A, sizeof(st));
        ASSERT_EQ(AddDaysToDate(&st, c.y, c.m, c.d, c.days), &st);
        EXPECT_EQ(st.wYear, c.ry);
        EXPECT_EQ(st.wMonth, c.rm);
        EXPECT_EQ(st.wDay, c.rd);
        EXPECT_EQ(st.wDayOfWeek, c.weekday);
        // Always midnight, whatever the clock says.
        EXPECT_EQ(st.wHour, 0);
        EXPECT_EQ(st.wMinute, 0);
        EXPECT_EQ(st.wSecond, 0);
        EXPECT_EQ(st.wMilliseconds, 0);
    }
}

TEST(Dates, AddDaysToDateOutOfRange)
{
    struct Case { int y, m, d, days; };
    // An input year outside 1..9999 is refused even when the sum would be in range.
    const Case cases[] = {{9999, 12, 31, 1}, {1, 1, 1, -1},    {2005, 1, 1, INT_MAX}, {2005, 1, 1, INT_MIN},
                          {0, 6, 1, 0},      {10000, 1, 1, -1}, {0, 12, 31, 1},       {-1, 1, 1, 800}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d << " + " << c.days);
        SYSTEMTIME st;
        memset(&st, 0x5A, sizeof(st));
        EXPECT_EQ(AddDaysToDate(&st, c.y, c.m, c.d, c.days), nullptr);
        EXPECT_EQ(st.wYear, 0);
    }
}

TEST(Dates, SubtractDaysFromDate)
{
    struct Case { int y, m, d, days; int ry, rm, rd; bool ok; };
    const Case cases[] = {
        {2006, 3, 1, 1, 2006, 2, 28, true},
        {2004, 3, 1, 1, 2004, 2, 29, true},
        {1900, 1, 1, 3, 1899, 12, 29, true},
        {1899, 12, 29, -2, 1899, 12, 31, true},
        {2005, 2, 29, 0, 2005, 3, 1, true},
        {2006, 1, 1, 365, 2005, 1, 1, true},
        {1, 1, 1, 1, 1, 1, 1, false},
        {2005, 1, 1, INT_MIN, 2005, 1, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d << " - " << c.days);
        int y = c.y, m = c.m, d = c.d;
        EXPECT_EQ(SubtractDaysFromDate(&y, &m, &d, c.days), c.ok);
        EXPECT_EQ(y, c.ry);
        EXPECT_EQ(m, c.rm);
        EXPECT_EQ(d, c.rd);
    }
}

TEST(Dates, CountDaysInclusive)
{
    struct Case { const wchar_t* first; const wchar_t* second; int days; };
    const Case cases[] = {
        {L"2006-01-01", L"2006-01-31", 31},
        {L"2006-01-01", L"2006-01-01", 1},
        {L"2006-01-31", L"2006-01-01", -29},  // reversed
        {L"2006-01-02", L"2006-01-01", 0},
        {L"", L"2006-01-31", 0},
        {L"2006-01-01", L"", 0},
        {nullptr, L"2006-01-31", 0},
        {L"2006- 1- 1", L"2006- 1-31", 31},   // blank-padded texts
        {L"2004-02-01", L"2004-03-01", 30},
        {L"1900-02-01", L"1900-03-01", 29},
        {L"2000-02-01", L"2000-03-01", 30},
        {L"1899-12-29", L"1900-01-01", 4},    // across the OLE date zero
        {L"1841-01-23", L"2051-02-11", 76721},
        {L"날짜", L"2006-01-31", 0},          // unreadable
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.first ? c.first : L"(null)") << " .. " << c.second);
        EXPECT_EQ(CountDaysInclusive(c.first, c.second), c.days);
    }
}

TEST(Dates, OleDatesAndDayNumbers)
{
    EXPECT_EQ(OleDateOf(1899, 12, 30), 0.0);
    EXPECT_EQ(OleDateOf(1899, 12, 29), -1.0);
    EXPECT_EQ(OleDateOf(1900, 1, 1), 2.0);
    EXPECT_EQ(OleDateOf(2000, 1, 1), 36526.0);
    EXPECT_EQ(DayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumber(1841, 1, 23), 672069);
    EXPECT_EQ(WeekdayOfDayNumber(DayNumber(1, 1, 1)), 1);  // a Monday

    // Every day of four centuries back and forth.
    for (int64_t n = DayNumber(1800, 1, 1); n <= DayNumber(2200, 12, 31); ++n) {
        int y, m, d;
        ASSERT_TRUE(DateOfDayNumber(n, &y, &m, &d));
        ASSERT_TRUE(m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m)) << n;
        ASSERT_EQ(DayNumber(y, m, d), n);
    }
}

}  // namespace
