#include "core/recurrence_pattern.h"

#include "core/outlook_items.h"

#include <cstdlib>

namespace {

constexpr int32_t kMinutesPerDay = 1440;
constexpr int32_t kWeeklyLimit = 7 * kMinutesPerDay - 1;         // 10079
constexpr int32_t kMonthlyLimit = 28 * kMinutesPerDay - 1;       // 40319
constexpr int32_t kYearlyLimit = 12 * 28 * kMinutesPerDay - 1;   // 483839
constexpr int32_t kEveryWeekdayLimit = kMinutesPerDay - 1;       // 1439

// Day kind -> mask: any day, weekdays, weekend days, then Sunday..Saturday.
constexpr long kDayKindMasks[] = {127, 62, 65, 1, 2, 4, 8, 16, 32, 64};
constexpr long kEveryWeekdayMask = 62;

int32_t Number(const wchar_t* text)
{
    return static_cast<int32_t>(wcstol(text, nullptr, 10));
}

// The smallest distance in days between two chosen weekdays, around the
// week; 7 when one day (or none) is chosen.
int32_t SmallestWeekdayGap(const int32_t (&flags)[kWeekdays])
{
    int32_t gap = kWeekdays;
    for (int day = 0; day < kWeekdays; ++day) {
        if (!flags[day])
            continue;
        for (int step = 1; step < kWeekdays; ++step) {
            if (flags[(day + step) % kWeekdays]) {
                if (step < gap)
                    gap = step;
                break;
            }
        }
    }
    return gap;
}

long ChosenWeekdays(const int32_t (&flags)[kWeekdays])
{
    long mask = 0;
    for (int day = 0; day < kWeekdays; ++day) {
        if (flags[day])
            mask |= 1L << day;
    }
    return mask;
}

int32_t WriteSeededRule(IRecurrencePattern* pattern, wchar_t code, DATE start)
{
    const RecurrenceRule& rule = RecurrencePatternState;
    switch (code) {
    case L'1':
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_PatternStartDate(start);
        if (long bit = WeekdayMaskBit(rule.SeedWeekday))
            pattern->put_DayOfWeekMask(bit);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        return kWeeklyLimit;
    case L'2':
        pattern->put_RecurrenceType(olRecursMonthly);
        pattern->put_PatternStartDate(start);
        pattern->put_DayOfMonth(rule.SeedDay);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        return kMonthlyLimit;
    default:  // '3'
        pattern->put_RecurrenceType(olRecursYearly);
        pattern->put_PatternStartDate(start);
        pattern->put_DayOfMonth(rule.SeedDay);
        pattern->put_MonthOfYear(rule.SeedMonth);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        return kYearlyLimit;
    }
}

// The calls of the custom rule's page; its lead limit.
int32_t WriteCustomPage(IRecurrencePattern* pattern)
{
    const RecurrenceRule& rule = RecurrencePatternState;
    switch (rule.PageType) {
    case kPageDaily:
        if (rule.DailyEveryN || !rule.DailyEveryWeekday) {
            int32_t days = Number(rule.DailyN);
            pattern->put_RecurrenceType(olRecursDaily);
            pattern->put_Interval(days);
            return days * kMinutesPerDay - 1;
        }
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(kEveryWeekdayMask);
        pattern->put_Interval(1);
        return kEveryWeekdayLimit;
    case kPageWeekly: {
        int32_t weeks = Number(rule.WeeklyN);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(ChosenWeekdays(rule.WeekdayFlags));
        pattern->put_Interval(weeks);
        return ((weeks - 1) * kWeekdays + SmallestWeekdayGap(rule.WeekdayFlags)) * kMinutesPerDay - 1;
    }
    case kPageMonthly:
        if (rule.MonthlyByNth && !rule.MonthlyByDate) {
            pattern->put_RecurrenceType(olRecursMonthNth);
            pattern->put_Interval(Number(rule.MonthlyNthN));
            pattern->put_Instance(rule.MonthlyInstance + 1);
            pattern->put_DayOfWeekMask(DayKindMask(rule.MonthlyDayKind));
        } else {
            pattern->put_RecurrenceType(olRecursMonthly);
            pattern->put_Interval(Number(rule.MonthlyN));
            pattern->put_DayOfMonth(Number(rule.MonthlyDay));
        }
        return kMonthlyLimit;
    default:  // kPageYearly
        if (rule.YearlyByNth && !rule.YearlyByDate) {
            pattern->put_RecurrenceType(olRecursYearNth);
            pattern->put_MonthOfYear(rule.YearlyNthMonth + 1);
            pattern->put_Instance(rule.YearlyInstance + 1);
            pattern->put_DayOfWeekMask(DayKindMask(rule.YearlyDayKind));
        } else {
            pattern->put_RecurrenceType(olRecursYearly);
            pattern->put_DayOfMonth(Number(rule.YearlyDay));
            pattern->put_MonthOfYear(rule.YearlyMonth + 1);
        }
        return kYearlyLimit;
    }
}

void WriteCustomRange(IRecurrencePattern* pattern, DATE itemStart)
{
    const RecurrenceRule& rule = RecurrencePatternState;
    DATE rangeStart = 0;
    // A rule never given a range starts with its item.
    if (!VariantDateOf(rule.RangeStart, L"", &rangeStart))
        rangeStart = static_cast<DATE>(static_cast<long long>(itemStart));
    pattern->put_PatternStartDate(rangeStart);
    if (rule.RangeNoEnd) {
        pattern->put_NoEndDate(VARIANT_TRUE);
    } else if (rule.RangeEndDate) {
        DATE rangeEnd = 0;
        if (VariantDateOf(rule.RangeEnd, L"", &rangeEnd))
            pattern->put_PatternEndDate(rangeEnd);
        pattern->put_Occurrences(0);
    } else if (rule.RangeCount) {
        pattern->put_Occurrences(Number(rule.RangeCountText));
    }
}

}  // namespace

long DayKindMask(int32_t dayKind)
{
    if (dayKind < 0 || dayKind >= static_cast<int32_t>(ARRAYSIZE(kDayKindMasks)))
        return 0;
    return kDayKindMasks[dayKind];
}

int32_t DayKindOfMask(long mask)
{
    for (int32_t kind = 0; kind < 3; ++kind) {
        if (kDayKindMasks[kind] == mask)
            return kind;
    }
    for (int32_t day = 0; day < kWeekdays; ++day) {
        if (mask & (1L << day))
            return day + 3;
    }
    return 0;
}

long WeekdayMaskBit(int32_t weekday)
{
    return weekday >= 1 && weekday <= kWeekdays ? 1L << (weekday - 1) : 0;
}

int32_t WriteRecurrencePattern(IRecurrencePattern* pattern, wchar_t code, DATE start)
{
    if (!pattern)
        return kAnyReminderLead;
    switch (code) {
    case L'1':
    case L'2':
    case L'3':
        return WriteSeededRule(pattern, code, start);
    case L'4':
        if (RecurrencePatternState.PageType < kPageDaily || RecurrencePatternState.PageType > kPageYearly)
            return kAnyReminderLead;
        {
            int32_t limit = WriteCustomPage(pattern);
            WriteCustomRange(pattern, start);
            return limit;
        }
    }
    return kAnyReminderLead;
}
