// The reminder amount and unit, and the repeat pick list's texts.
#include "editors/recurrence_choices.h"
#include "editors/reminder_interval.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct IntervalCase {
    int32_t minutes;
    const wchar_t* amount;
    int unit;
};
const IntervalCase kIntervals[] = {
    {90, L"90", kUnitMinutes},     {120, L"2", kUnitHours},   {2880, L"2", kUnitDays},
    {20160, L"2", kUnitWeeks},     {0, L"0", kUnitWeeks},     {15, L"15", kUnitMinutes},
    {1441, L"1441", kUnitMinutes}, {40319, L"40319", kUnitMinutes},
    {INT_MAX, L"2147483647", kUnitMinutes},  // the longest amount still fits
};

TEST(ReminderInterval, FormatsTheLargestWholeUnit)
{
    for (const IntervalCase& c : kIntervals) {
        SCOPED_TRACE(c.minutes);
        FormatReminderInterval(c.minutes);
        EXPECT_EQ(std::wstring(c.amount), ReminderAmountText);
        EXPECT_EQ(c.unit, ReminderUnitIndex);
        // Read back, the lead is the one loaded.
        EXPECT_EQ(c.minutes, ReminderMinutesOf(ReminderAmountText, ReminderUnitIndex));
    }
}

struct AmountCase {
    const wchar_t* amount;
    int unit;
    int32_t minutes;
};
const AmountCase kAmounts[] = {
    {L"15", kUnitMinutes, 15}, {L"2", kUnitHours, 120},     {L"2", kUnitDays, 2880},
    {L"3", kUnitWeeks, 30240}, {L"", kUnitHours, 0},        {L"abc", kUnitDays, 0},
    {L" 7", kUnitMinutes, 7},  {L"12x", kUnitMinutes, 12},  {L"1440", kUnitMinutes, 1440},
    {L"99999", kUnitWeeks, 1007989920},  // the most five digits give
    {L"99999999999", kUnitWeeks, INT_MAX},
};

TEST(ReminderInterval, AmountTimesUnit)
{
    for (const AmountCase& c : kAmounts) {
        SCOPED_TRACE(testing::Message() << c.unit << " " << std::wstring(c.amount).size());
        EXPECT_EQ(c.minutes, ReminderMinutesOf(c.amount, c.unit));
    }
}

struct ChoiceCase {
    int year, month, day;
    const wchar_t* weekly;
    const wchar_t* monthly;
    const wchar_t* yearly;
    int seedWeekday, seedNth;
};
const ChoiceCase kChoices[] = {
    {2024, 3, 4, L"월요일마다", L"매월 4일", L"3월 4일마다", 2, 1},
    {2024, 3, 5, L"화요일마다", L"매월 5일", L"3월 5일마다", 3, 1},
    {2024, 2, 29, L"목요일마다", L"매월 29일", L"2월 29일마다", 5, 5},
    {2024, 12, 31, L"화요일마다", L"매월 31일", L"12월 31일마다", 3, 5},
    {2023, 1, 1, L"일요일마다", L"매월 1일", L"1월 1일마다", 1, 1},
};

TEST(RecurrenceChoices, TextsAndSeedFollowTheDate)
{
    for (const ChoiceCase& c : kChoices) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        SYSTEMTIME date = {};
        date.wYear = static_cast<WORD>(c.year);
        date.wMonth = static_cast<WORD>(c.month);
        date.wDay = static_cast<WORD>(c.day);
        EXPECT_EQ(L"한 번", RecurrenceChoiceText(0, date));
        EXPECT_EQ(c.weekly, RecurrenceChoiceText(1, date));
        EXPECT_EQ(c.monthly, RecurrenceChoiceText(2, date));
        EXPECT_EQ(c.yearly, RecurrenceChoiceText(3, date));
        EXPECT_EQ(L"<유형 편집...>", RecurrenceChoiceText(4, date));
        SeedRecurrence(date);
        EXPECT_EQ(c.seedWeekday, RecurrencePatternState.SeedWeekday);
        EXPECT_EQ(c.seedNth, RecurrencePatternState.SeedNth);
        EXPECT_EQ(c.day, RecurrencePatternState.SeedDay);
    }
}

}  // namespace
