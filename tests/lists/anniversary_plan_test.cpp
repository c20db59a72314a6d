// The anniversary mirror's plan: reminder leads, occurrence titles, the
// series start and each year's occurrence day.
#include "core/anniversary_save.h"

#include <gtest/gtest.h>

namespace {

TEST(AnniversaryReminder, LeadPerChoice)
{
    const int32_t expected[] = {0, 1440, 2880, 4320, 5760, 7200, 8640, 10080, 14400, 21600, 28800, 43200};
    for (int32_t choice = 0; choice < 12; ++choice)
        EXPECT_EQ(AnniversaryReminderMinutes(choice), expected[choice]) << "choice " << choice;
    EXPECT_EQ(AnniversaryReminderMinutes(-1), 0);
    EXPECT_EQ(AnniversaryReminderMinutes(12), 0);
}

TEST(AnniversarySubject, PerKindAndYear)
{
    struct Case {
        wchar_t kind;
        int year, origin;
        const wchar_t* subject;
    };
    const Case cases[] = {
        {L'0', 2007, 1990, L"[생일] 민수(18세)"},
        {L'0', 2016, 1990, L"[생일] 민수(27세)"},
        {L'0', 1990, 1990, L"[생일] 민수(1세)"},
        {L'0', 2007, 2008, L"[생일] 민수"},  // born after the year shown
        {L'1', 2007, 2007, L"[기념] 민수"},
        {L'1', 2008, 2007, L"[기념] 민수(1주년)"},
        {L'2', 2017, 2007, L"[제사] 민수(10주년)"},
        {L'3', 2009, 2007, L"[기타] 민수(2주년)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.subject)));
        EXPECT_EQ(AnniversaryOccurrenceSubject(c.kind, L"민수", c.year, c.origin), c.subject);
    }
    EXPECT_EQ(AnniversarySubject(L'2', L"할머니"), L"[제사] 할머니");
}

TEST(AnniversaryPlan, SeriesStart)
{
    struct Case {
        const wchar_t* date;
        wchar_t lunar;
        const wchar_t* time;
        int currentYear;
        bool valid;
        const wchar_t* start;
        int originYear, hour, minute;
    };
    const Case cases[] = {
        {L"1990-06-01", L'0', L"10:00", 2007, true, L"2007-06-01", 1990, 10, 0},
        {L"06/01", L'0', L"07:30", 2007, true, L"2007-06-01", 0, 7, 30},
        {L"1970-03-15", L'1', L"10:00", 2007, true, L"2007-02-01", 1970, 10, 0},
        {L"01/05", L'1', L"", 2007, true, L"2007-12-01", 0, 0, 0},  // placeholder before lunar month 1
        {L"2000-02-29", L'0', L"10:00", 2007, true, L"2007-02-28", 2000, 10, 0},
        {L"2000-02-29", L'0', L"10:00", 2008, true, L"2008-02-29", 2000, 10, 0},
        {L"1990-06-01", L'0', L"9:00", 2007, true, L"2007-06-01", 1990, 0, 0},  // not HH:MM
        {L"", L'0', L"10:00", 2007, false, L"", 0, 0, 0},
        {L"13/01", L'0', L"10:00", 2007, false, L"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.date)));
        AnniversaryMirrorPlan plan;
        ASSERT_EQ(PlanAnniversaryMirror(c.date, c.lunar, c.time, c.currentYear, &plan), c.valid);
        if (!c.valid)
            continue;
        EXPECT_EQ(plan.startDate, c.start);
        EXPECT_EQ(plan.originYear, c.originYear);
        EXPECT_EQ(plan.hour, c.hour);
        EXPECT_EQ(plan.minute, c.minute);
    }
}

TEST(AnniversaryPlan, OccurrenceDays)
{
    AnniversaryMirrorPlan leapDay;
    ASSERT_TRUE(PlanAnniversaryMirror(L"2000-02-29", L'0', L"10:00", 2007, &leapDay));
    const MirrorOccurrence common = PlanMirrorOccurrence(leapDay, 2007);
    const MirrorOccurrence leap = PlanMirrorOccurrence(leapDay, 2008);
    EXPECT_EQ(common.seriesDay, 28);
    // Started on the 28th, the series stays there in leap years too.
    EXPECT_EQ(leap.seriesDay, 28);
    EXPECT_EQ(leap.solarDay, 28);
    EXPECT_TRUE(common.hasDay);
    AnniversaryMirrorPlan fromLeapYear;
    ASSERT_TRUE(PlanAnniversaryMirror(L"2000-02-29", L'0', L"10:00", 2008, &fromLeapYear));
    EXPECT_EQ(PlanMirrorOccurrence(fromLeapYear, 2009).seriesDay, 28);
    EXPECT_EQ(PlanMirrorOccurrence(fromLeapYear, 2012).seriesDay, 29);

    AnniversaryMirrorPlan lunar;
    ASSERT_TRUE(PlanAnniversaryMirror(L"1970-03-15", L'1', L"10:00", 2045, &lunar));
    const MirrorOccurrence in2007 = PlanMirrorOccurrence(lunar, 2007);
    EXPECT_EQ(in2007.seriesMonth, 2);
    EXPECT_EQ(in2007.seriesDay, 1);
    EXPECT_TRUE(in2007.hasDay);
    EXPECT_EQ(in2007.solarYear * 10000 + in2007.solarMonth * 100 + in2007.solarDay, 20070501);
    EXPECT_TRUE(PlanMirrorOccurrence(lunar, 2050).hasDay);
    EXPECT_FALSE(PlanMirrorOccurrence(lunar, 2051).hasDay);

    AnniversaryMirrorPlan firstMonth;
    ASSERT_TRUE(PlanAnniversaryMirror(L"01/01", L'1', L"10:00", 2007, &firstMonth));
    const MirrorOccurrence newYear = PlanMirrorOccurrence(firstMonth, 2008);
    EXPECT_EQ(newYear.seriesMonth, 12);
    EXPECT_EQ(newYear.solarYear * 10000 + newYear.solarMonth * 100 + newYear.solarDay, 20080207);
}

}  // namespace
