#include "platform/outlook/recurrence_rule.h"

#include "platform/outlook/ole_dates.h"

#include <algorithm>

namespace poom {

namespace {

constexpr long kWeekdayMask = 62;  // Monday to Friday

// Day arithmetic of the walk: 64 bits, so that no period count overflows.
using Day = long long;

long MaskOrDefault(long mask, long startDay)
{
    mask &= 127;
    return mask != 0 ? mask : (1L << WeekdayOfDay(startDay));
}

long IntervalOf(const RecurrenceRule& rule)
{
    return rule.interval > 0 ? rule.interval : 1;
}

bool EveryWeekday(const RecurrenceRule& rule)
{
    return rule.type == 0 && rule.interval == 0;
}

int BitCount(long mask)
{
    int count = 0;
    for (; mask != 0; mask &= mask - 1)
        ++count;
    return count;
}

bool OnSupportedDay(long long day)
{
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

// The periods of a rule (a day, week, month or year step, counted from the
// pattern start) and the days each contributes, ascending. Only the first
// period can hold days before the pattern start; every later one holds
// PerPeriod() occurrences.
class Periods {
public:
    explicit Periods(const RecurrenceRule& rule) : rule_(rule)
    {
        CivilDate start = DateOfDayNumber(rule.startDay);
        startYear_ = start.year;
        startMonth_ = start.month;
        startDayOfMonth_ = start.day;
        Day days[7];
        int count = 0;
        if (Days(0, days, &count)) {
            for (int i = 0; i < count; ++i)
                skippedInFirst_ += days[i] < rule.startDay ? 1 : 0;
        }
    }

    int PerPeriod() const
    {
        switch (rule_.type) {
        case 0: return EveryWeekday(rule_) ? BitCount(kWeekdayMask) : 1;
        case 1: return BitCount(MaskOrDefault(rule_.dayOfWeekMask, rule_.startDay));
        default: return 1;
        }
    }

    // Index of a period at or before the one holding `day`.
    Day PeriodNear(Day day) const
    {
        Day days = std::min<Day>(day, kLastSupportedDay + 1) - rule_.startDay;
        if (days <= 0)
            return 0;
        Day step = IntervalOf(rule_);
        switch (rule_.type) {
        case 0: return EveryWeekday(rule_) ? days / 7 : days / step;
        case 1: return days / (7 * step);
        case 2:
        case 3: return std::max<Day>(0, (days / 31) / step - 1);
        default: return std::max<Day>(0, (days / 366) / step - 1);
        }
    }

    // Occurrences of the periods before this one, had the rule no end.
    Day OccurrencesBefore(Day period) const
    {
        return period == 0 ? 0 : period * PerPeriod() - skippedInFirst_;
    }

    // The period that holds the n-th occurrence (n from 1).
    Day PeriodOfOccurrence(Day n) const
    {
        Day per = PerPeriod();
        return (n + skippedInFirst_ + per - 1) / per - 1;
    }

    // False once the period begins after the last supported day.
    bool Days(Day period, Day* days, int* count) const
    {
        *count = 0;
        Day step = IntervalOf(rule_);
        switch (rule_.type) {
        case 0:
            if (EveryWeekday(rule_))
                return WeekDays(period, kWeekdayMask, days, count);
            days[(*count)++] = rule_.startDay + period * step;
            return days[0] <= kLastSupportedDay;
        case 1: return WeekDays(period * step, MaskOrDefault(rule_.dayOfWeekMask, rule_.startDay), days, count);
        case 2:
        case 3: return MonthDay(startMonth_ - 1 + period * step, days, count);
        case 5:
        case 6: {
            int month = rule_.monthOfYear >= 1 && rule_.monthOfYear <= 12 ? static_cast<int>(rule_.monthOfYear)
                                                                            : startMonth_;
            return MonthDay(period * step * 12 + month - 1, days, count);
        }
        }
        return false;
    }

private:
    // The masked days of the week `weeks` weeks after the pattern start's.
    bool WeekDays(Day weeks, long mask, Day* days, int* count) const
    {
        Day weekStart = rule_.startDay - WeekdayOfDay(rule_.startDay) + weeks * 7;
        if (weekStart > kLastSupportedDay)
            return false;
        for (int wd = 0; wd < 7; ++wd)
            if (mask & (1L << wd))
                days[(*count)++] = weekStart + wd;
        return true;
    }

    // The rule's day in the month `months` months after January of the
    // pattern start's year.
    bool MonthDay(Day months, Day* days, int* count) const
    {
        Day year = startYear_ + months / 12;
        if (year > 9999)
            return false;
        int month = static_cast<int>(months % 12) + 1;
        days[(*count)++] = DayNumber(static_cast<int>(year), month, DayInMonth(static_cast<int>(year), month));
        return true;
    }

    int DayInMonth(int year, int month) const
    {
        if (rule_.type == 3 || rule_.type == 6)
            return NthDayOfMonth(year, month, rule_.instance, rule_.dayOfWeekMask);
        int day = rule_.dayOfMonth >= 1 ? static_cast<int>(rule_.dayOfMonth) : startDayOfMonth_;
        return std::min(day, DaysInMonth(year, month));
    }

    const RecurrenceRule& rule_;
    int startYear_ = 0;
    int startMonth_ = 0;
    int startDayOfMonth_ = 0;
    Day skippedInFirst_ = 0;
};

// The n-th occurrence day of a rule with no end (n from 1), if on a supported day.
std::optional<Day> NthOccurrence(const RecurrenceRule& rule, Day n)
{
    Periods periods(rule);
    Day period = periods.PeriodOfOccurrence(n);
    Day days[7];
    int count = 0;
    if (!periods.Days(period, days, &count))
        return std::nullopt;
    Day seen = periods.OccurrencesBefore(period);
    for (int i = 0; i < count; ++i) {
        if (days[i] >= rule.startDay && ++seen == n)
            return OnSupportedDay(days[i]) ? std::optional<Day>(days[i]) : std::nullopt;
    }
    return std::nullopt;
}

// Walks occurrences in order from the given period on.
void Walk(const RecurrenceRule& rule, Day firstPeriod, const std::function<bool(long)>& visit)
{
    if (!rule.Recurs() || !RuleInRange(rule))
        return;
    Periods periods(rule);
    bool counted = rule.end == RecurrenceEnd::ByCount;
    Day seen = counted ? periods.OccurrencesBefore(firstPeriod) : 0;
    Day days[7];
    int count = 0;
    for (Day period = firstPeriod; periods.Days(period, days, &count); ++period) {
        for (int i = 0; i < count; ++i) {
            Day day = days[i];
            if (day < rule.startDay)
                continue;
            if (day > kLastSupportedDay || (rule.end == RecurrenceEnd::ByDate && day > rule.endDay))
                return;
            if (counted && ++seen > rule.occurrences)
                return;
            if (!visit(static_cast<long>(day)))
                return;
        }
    }
}

void WalkFrom(const RecurrenceRule& rule, Day fromDay, const std::function<bool(long)>& visit)
{
    Walk(rule, Periods(rule).PeriodNear(fromDay), visit);
}

}  // namespace

bool RecurrenceRule::Recurs() const
{
    return type == 0 || type == 1 || type == 2 || type == 3 || type == 5 || type == 6;
}

int NthDayOfMonth(int year, int month, long instance, long mask)
{
    mask &= 127;
    if (mask == 0)
        mask = 127;
    int last = DaysInMonth(year, month);
    long first = DayNumber(year, month, 1);
    if (instance >= 5 || instance < 1) {
        for (int d = last; d >= 1; --d)
            if (mask & (1L << WeekdayOfDay(first + d - 1)))
                return d;
        return last;
    }
    long seen = 0;
    int found = 1;
    for (int d = 1; d <= last; ++d) {
        if (mask & (1L << WeekdayOfDay(first + d - 1))) {
            found = d;
            if (++seen == instance)
                return d;
        }
    }
    return found;
}

bool RuleInRange(const RecurrenceRule& rule)
{
    if (!OnSupportedDay(rule.startDay) || rule.interval < 0 || rule.interval > kMaxRecurrenceInterval)
        return false;
    if (rule.end == RecurrenceEnd::ByDate && !OnSupportedDay(rule.endDay))
        return false;
    if (rule.end == RecurrenceEnd::ByCount && rule.Recurs())
        return rule.occurrences >= 1 && NthOccurrence(rule, rule.occurrences).has_value();
    return true;
}

void ForEachOccurrenceDay(const RecurrenceRule& rule, long fromDay, long toDay,
                          const std::function<bool(long)>& visit)
{
    WalkFrom(rule, fromDay, [&](long day) {
        if (day > toDay)
            return false;
        if (day < fromDay)
            return true;
        return visit(day);
    });
}

bool IsOccurrenceDay(const RecurrenceRule& rule, long day)
{
    bool found = false;
    ForEachOccurrenceDay(rule, day, day, [&](long) {
        found = true;
        return false;
    });
    return found;
}

std::optional<long> NextOccurrenceDay(const RecurrenceRule& rule, long day)
{
    std::optional<long> next;
    WalkFrom(rule, static_cast<Day>(day) + 1, [&](long candidate) {
        if (candidate <= day)
            return true;
        next = candidate;
        return false;
    });
    return next;
}

std::optional<long> LastOccurrenceDay(const RecurrenceRule& rule)
{
    if (!rule.Recurs() || rule.end == RecurrenceEnd::Never || !RuleInRange(rule))
        return std::nullopt;
    if (rule.end == RecurrenceEnd::ByCount)
        return static_cast<long>(*NthOccurrence(rule, rule.occurrences));
    // The period before the one near the end is whole and not after it.
    std::optional<long> last;
    Walk(rule, std::max<Day>(0, Periods(rule).PeriodNear(rule.endDay) - 1), [&](long day) {
        last = day;
        return true;
    });
    return last;
}

long long ShortestGapMinutes(const RecurrenceRule& rule)
{
    constexpr long long kDay = 1440;
    long long step = IntervalOf(rule);
    switch (rule.type) {
    case 0: return step * kDay;
    case 1: {
        long mask = MaskOrDefault(rule.dayOfWeekMask, rule.startDay);
        long smallest = 7;
        for (int a = 0; a < 7; ++a) {
            if (!(mask & (1L << a)))
                continue;
            for (int distance = 1; distance < 7; ++distance) {
                if (mask & (1L << ((a + distance) % 7))) {
                    smallest = std::min<long>(smallest, distance);
                    break;
                }
            }
        }
        return ((step - 1) * 7 + smallest) * kDay;
    }
    case 2:
    case 3: return step * 28 * kDay;
    case 5:
    case 6: return step * 12 * 28 * kDay;
    }
    return 0;
}

}  // namespace poom
