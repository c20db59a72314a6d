// The lunar table as data, conversions of known dates, every day of the range
// there and back, and the range ends.
#include "core/dates.h"
#include "core/lunar.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Found by the test macros next to the type.
static bool operator==(const LunarDate& a, const LunarDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.leap == b.leap;
}

static void PrintTo(const LunarDate& d, std::ostream* out)
{
    *out << d.year << "/" << (d.leap ? "leap " : "") << d.month << "/" << d.day;
}

namespace {

LunarDate Lunar(int year, int month, int day, bool leap = false)
{
    LunarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    d.leap = leap;
    return d;
}

std::string RowText(int year)
{
    std::string text;
    for (unsigned char code : LunarMonthTable[year - kFirstLunarYear])
        text += static_cast<char>('0' + code);
    return text;
}

struct TableRow { int year; const char* codes; };
const TableRow kRows[] = {
    {1841, "124112121221"}, {1850, "212112112212"}, {1899, "212121221212"}, {1900, "121121252212"},
    {1934, "121221221212"}, {1969, "121212212121"}, {2001, "222321121212"}, {2004, "152212121212"},
    {2012, "216212112121"}, {2033, "121121212252"}, {2049, "212122122121"}, {2050, "214121221222"},
};

TEST(LunarTable, RowsAsWritten)
{
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.year);
        EXPECT_EQ(RowText(row.year), row.codes);
    }
}

TEST(LunarTable, TotalsAndShape)
{
    int days = 0, leapYears = 0;
    for (int row = 0; row < kLunarYearCount; ++row) {
        SCOPED_TRACE(kFirstLunarYear + row);
        int leapMonths = 0;
        for (unsigned char code : LunarMonthTable[row]) {
            EXPECT_GE(code, 1);
            EXPECT_LE(code, 6);
            leapMonths += code >= 3;
        }
        EXPECT_LE(leapMonths, 1);
        leapYears += leapMonths;
        const int length = LunarYearLength(row);
        if (leapMonths) {
            EXPECT_TRUE(length >= 383 && length <= 385) << length;
        } else {
            EXPECT_TRUE(length == 354 || length == 355) << length;
        }
        days += length;
    }
    EXPECT_EQ(days, 76721);
    EXPECT_EQ(leapYears, 78);
    EXPECT_EQ(LunarYearLength(-1), 0);
    EXPECT_EQ(LunarYearLength(kLunarYearCount), 0);
}

struct SolarLunarCase { int y, m, d; int ly, lm, ld; bool leap; };
const SolarLunarCase kKnownDates[] = {
    {1841, 1, 23, 1841, 1, 1, false},   // first day of the table
    {2000, 2, 5, 2000, 1, 1, false},
    {2024, 2, 10, 2024, 1, 1, false},
    {2001, 5, 23, 2001, 4, 1, true},    // leap month after month 4
    {2001, 6, 21, 2001, 5, 1, false},
    {2051, 2, 10, 2050, 12, 29, false},
    {2051, 2, 11, 2050, 12, 30, false},  // last day of the table
    // Built-in holidays: lunar new year, Buddha's birthday, harvest festival.
    {2005, 2, 9, 2005, 1, 1, false}, {2005, 5, 15, 2005, 4, 8, false}, {2005, 9, 18, 2005, 8, 15, false},
    {2006, 1, 29, 2006, 1, 1, false}, {2006, 5, 5, 2006, 4, 8, false}, {2006, 10, 6, 2006, 8, 15, false},
    {2007, 2, 18, 2007, 1, 1, false}, {2007, 5, 24, 2007, 4, 8, false}, {2007, 9, 25, 2007, 8, 15, false},
    {2008, 2, 7, 2008, 1, 1, false}, {2008, 5, 12, 2008, 4, 8, false}, {2008, 9, 14, 2008, 8, 15, false},
    {2009, 1, 26, 2009, 1, 1, false}, {2009, 5, 2, 2009, 4, 8, false}, {2009, 10, 3, 2009, 8, 15, false},
};

TEST(Lunar, SolarToLunarKnownDates)
{
    for (const auto& c : kKnownDates) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(c.y, c.m, c.d, &lunar));
        EXPECT_EQ(lunar, Lunar(c.ly, c.lm, c.ld, c.leap));
    }
}

TEST(Lunar, LunarToSolarKnownDates)
{
    for (const auto& c : kKnownDates) {
        if (c.leap)
            continue;
        SCOPED_TRACE(testing::Message() << c.ly << "/" << c.lm << "/" << c.ld);
        int y = 0, m = 0, d = 0;
        const int weekday = LunarToSolar(c.ly, c.lm, c.ld, false, &y, &m, &d);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
        EXPECT_EQ(weekday, WeekdayOfDayNumber(DayNumber(c.y, c.m, c.d)));
    }
    int y = 0, m = 0, d = 0;
    EXPECT_EQ(LunarToSolar(2000, 1, 1, false, &y, &m, &d), 6);  // a Saturday
    EXPECT_EQ(LunarToSolar(2024, 1, 1, false, &y, &m, &d), 6);
    EXPECT_EQ(LunarToSolar(2009, 8, 15, false, &y, &m, &d), 6);
    EXPECT_EQ(LunarToSolar(2007, 1, 1, false, &y, &m, &d), 0);  // a Sunday
}

// Lengths of the months of one lunar year as the conversion walks them.
struct LeapYearCase {
    int year;
    int leapAfter;
    int regularLength, leapLength;
    int firstLeapY, firstLeapM, firstLeapD;
};
const LeapYearCase kLeapYears[] = {
    {2001, 4, 29, 29, 2001, 5, 23},
    {2004, 2, 30, 29, 2004, 3, 21},
    {2012, 3, 30, 30, 2012, 4, 21},
};

TEST(Lunar, LeapMonthsOfTellingYears)
{
    for (const auto& c : kLeapYears) {
        SCOPED_TRACE(c.year);
        int regularDays = 0, leapDays = 0, otherLeapDays = 0;
        int64_t firstLeapDay = 0;
        for (int64_t n = DayNumber(c.year, 1, 1); n < DayNumber(c.year + 1, 12, 31); ++n) {
            int y, m, d;
            ASSERT_TRUE(DateOfDayNumber(n, &y, &m, &d));
            LunarDate lunar;
            ASSERT_TRUE(SolarToLunar(y, m, d, &lunar));
            if (lunar.year != c.year)
                continue;
            if (lunar.leap && lunar.month != c.leapAfter)
                ++otherLeapDays;
            if (lunar.month != c.leapAfter)
                continue;
            if (lunar.leap) {
                if (!leapDays)
                    firstLeapDay = n;
                ++leapDays;
            } else {
                ++regularDays;
            }
        }
        EXPECT_EQ(otherLeapDays, 0);
        EXPECT_EQ(regularDays, c.regularLength);
        EXPECT_EQ(leapDays, c.leapLength);
        EXPECT_EQ(firstLeapDay, DayNumber(c.firstLeapY, c.firstLeapM, c.firstLeapD));
    }
}

// Every day of the range: the lunar date moves on by one day at a time, and
// converting back gives the same day, except that a leap-month day comes back
// as the day of that number in the regular month before it.
TEST(Lunar, EveryDayThereAndBack)
{
    const int64_t first = DayNumber(1841, 1, 23);
    const int64_t last = DayNumber(2051, 2, 11);
    LunarDate previous;
    int64_t regularMonthLength = 0;  // of the month before the current leap month
    int mismatches = 0;
    for (int64_t n = first; n <= last; ++n) {
        int y, m, d;
        ASSERT_TRUE(DateOfDayNumber(n, &y, &m, &d));
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(y, m, d, &lunar)) << y << "-" << m << "-" << d;
        if (n == first) {
            EXPECT_EQ(lunar, Lunar(1841, 1, 1));
        } else if (lunar.day != 1) {
            EXPECT_TRUE(lunar.year == previous.year && lunar.month == previous.month &&
                        lunar.leap == previous.leap && lunar.day == previous.day + 1);
        } else {
            // A new month: the leap month after its regular month, or the next month.
            EXPECT_TRUE(previous.day == 29 || previous.day == 30);
            if (lunar.leap) {
                EXPECT_TRUE(lunar.year == previous.year && lunar.month == previous.month && !previous.leap);
                regularMonthLength = previous.day;
            } else if (previous.month == 12) {
                EXPECT_TRUE(lunar.year == previous.year + 1 && lunar.month == 1);
            } else {
                EXPECT_TRUE(lunar.year == previous.year && lunar.month == previous.month + 1);
            }
        }

        int by = 0, bm = 0, bd = 0;
        const int weekday = LunarToSolar(lunar.year, lunar.month, lunar.day, lunar.leap, &by, &bm, &bd);
        const int64_t expected = lunar.leap ? n - regularMonthLength : n;
        if (DayNumber(by, bm, bd) != expected || weekday != WeekdayOfDayNumber(expected))
            ++mismatches;
        previous = lunar;
        if (HasFailure())
            FAIL() << "at " << y << "-" << m << "-" << d;
    }
    EXPECT_EQ(previous, Lunar(2050, 12, 30));
    EXPECT_EQ(mismatches, 0);
}

// Dates are normalised first: the real date they stand for (y 0 when that
// lies outside the table).
struct SolarInput { int y, m, d; int realY, realM, realD; };
const SolarInput kSolarRange[] = {
    {1841, 1, 22, 0, 0, 0},  // a day before the table
    {1841, 1, 23, 1841, 1, 23},
    {2051, 2, 11, 2051, 2, 11},
    {2051, 2, 12, 0, 0, 0},  // a day after it
    {2051, 1, 43, 0, 0, 0},  // 2051-02-12
    {1841, 2, -9, 0, 0, 0},  // 1841-01-22
    {1700, 6, 1, 0, 0, 0},
    {2100, 6, 1, 0, 0, 0},
    {2005, 2, 29, 2005, 3, 1},
    {2004, 2, 29, 2004, 2, 29},
    {2005, 4, 31, 2005, 5, 1},
    {2005, 0, 1, 2004, 12, 1},
    {2005, 13, 1, 2006, 1, 1},
    {2005, 1, 0, 2004, 12, 31},
};

TEST(Lunar, SolarToLunarNormalisesAndFailsOutsideTheTable)
{
    for (const auto& c : kSolarRange) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        LunarDate lunar;
        lunar.year = 99;
        const bool inside = c.realY != 0;
        EXPECT_EQ(SolarToLunar(c.y, c.m, c.d, &lunar), inside);
        if (!inside) {
            EXPECT_EQ(lunar.year, 0);
            continue;
        }
        LunarDate real;
        ASSERT_TRUE(SolarToLunar(c.realY, c.realM, c.realD, &real));
        EXPECT_EQ(lunar, real);
    }
}

struct LunarInput { int ly, lm, ld; int y, m, d; };  // y 0: refused
const LunarInput kLunarRange[] = {
    {1840, 12, 1, 0, 0, 0},
    {1841, 1, 1, 1841, 1, 23},
    {2050, 12, 30, 2051, 2, 11},
    {2051, 1, 1, 0, 0, 0},
    {2005, 0, 1, 0, 0, 0},
    {2005, 13, 1, 0, 0, 0},
    {2005, 1, 0, 0, 0, 0},
    {2005, 1, 31, 0, 0, 0},
    {2005, 1, 30, 2005, 3, 10},  // lunar 2005-01 has 29 days: the next day
};

TEST(Lunar, LunarToSolarRange)
{
    for (const auto& c : kLunarRange) {
        SCOPED_TRACE(testing::Message() << c.ly << "/" << c.lm << "/" << c.ld);
        int y = -5, m = -5, d = -5;
        const int weekday = LunarToSolar(c.ly, c.lm, c.ld, false, &y, &m, &d);
        if (!c.y) {
            EXPECT_EQ(weekday, -1);
            EXPECT_EQ(y, -5);
            continue;
        }
        EXPECT_GE(weekday, 0);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
    }
}

TEST(Lunar, ConversionsSetFebruaryForTheYear)
{
    LunarDate lunar;
    ASSERT_TRUE(SolarToLunar(2004, 3, 1, &lunar));
    EXPECT_EQ(SolarMonthLengths[1], 29);
    int y, m, d;
    ASSERT_GE(LunarToSolar(2005, 1, 1, false, &y, &m, &d), 0);
    EXPECT_EQ(SolarMonthLengths[1], 28);
}

struct DayFactsCase { int y, m, d; wchar_t stem, branch; int weekday; };
const DayFactsCase kDayFacts[] = {
    {2000, 1, 1, L'戊', L'午', 6},
    {2000, 1, 2, L'己', L'未', 0},
    {2000, 3, 1, L'戊', L'午', 3},  // 60 days on: the cycle starts over
    {1841, 1, 23, 0, 0, 6},
};

TEST(Lunar, DayStemBranchAndWeekday)
{
    for (const auto& c : kDayFacts) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        SolarDayFacts facts;
        ASSERT_TRUE(DescribeSolarDay(c.y, c.m, c.d, &facts));
        EXPECT_EQ(facts.weekday, c.weekday);
        if (c.stem) {
            EXPECT_EQ(facts.stemName, c.stem);
            EXPECT_EQ(facts.branchName, c.branch);
        }
        EXPECT_EQ(facts.stem, (DayNumber(c.y, c.m, c.d) + 4) % 10);
        EXPECT_EQ(facts.branch, (DayNumber(c.y, c.m, c.d) + 2) % 12);
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(c.y, c.m, c.d, &lunar));
        EXPECT_EQ(facts.lunar, lunar);
    }
    SolarDayFacts outside;
    EXPECT_FALSE(DescribeSolarDay(1841, 1, 22, &outside));
    EXPECT_EQ(outside.stemName, 0);
}

}  // namespace
