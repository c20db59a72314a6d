#include "platform/outlook/recurrence_rule.h"

#include "platform/outlook/ole_dates.h"

#include <algorithm>

namespace poom {

namespace {

constexpr long kWeekdayMask = 62;  // Monday to Friday
constexpr int kLastYear = 9999;

long MaskOrDefault(long mask, long startDay)
{
    mask &= 127;
    return mask != 0 ? mask : (1L << WeekdayOfDay(startDay));
}

long IntervalOf(const RecurrenceRule& rule)
{
    return rule.interval > 0 ? rule.interval : 1;
}

// One period of the rule (a day, week, month or year step) and the days it
// contributes, ascending. Returns false past the calendar's end.
class Periods {
public:
    explicit Periods(const RecurrenceRule& rule) : rule_(rule)
    {
        CivilDate start = DateOfDayNumber(rule.startDay);
        startYear_ = start.year;
        startMonth_ = start.month;
        startDayOfMonth_ = start.day;
    }

    // Index of a period at or before the one holding `day`.
    long PeriodNear(long day) const
    {
        long days = day - rule_.startDay;
        if (days <= 0)
            return 0;
        long step = IntervalOf(rule_);
        switch (rule_.type) {
        case 0: return rule_.interval == 0 ? days / 7 : days / step;
        case 1: return days / (7 * step);
        case 2:
        case 3: return std::max(0L, (days / 31) / step - 1);
        default: return std::max(0L, (days / 366) / step - 1);
        }
    }

    bool Days(long period, long* days, int* count) const
    {
        *count = 0;
        long step = IntervalOf(rule_);
        switch (rule_.type) {
        case 0:
            if (rule_.interval == 0) {
                long weekStart = rule_.startDay - WeekdayOfDay(rule_.startDay) + period * 7;
                for (int wd = 0; wd < 7; ++wd)
                    if (kWeekdayMask & (1L << wd))
                        days[(*count)++] = weekStart + wd;
            } else {
                days[(*count)++] = rule_.startDay + period * rule_.interval;
            }
            return DateOfDayNumber(days[0]).year <= kLastYear;
        case 1: {
            long mask = MaskOrDefault(rule_.dayOfWeekMask, rule_.startDay);
            long weekStart = rule_.startDay - WeekdayOfDay(rule_.startDay) + period * 7 * step;
            for (int wd = 0; wd < 7; ++wd)
                if (mask & (1L << wd))
                    days[(*count)++] = weekStart + wd;
            return DateOfDayNumber(weekStart).year <= kLastYear;
        }
        case 2:
        case 3: {
            long monthIndex = (startMonth_ - 1) + period * step;
            int year = startYear_ + static_cast<int>(monthIndex / 12);
            int month = static_cast<int>(monthIndex % 12) + 1;
            if (year > kLastYear)
                return false;
            days[(*count)++] = DayNumber(year, month, DayInMonth(year, month));
            return true;
        }
        case 5:
        case 6: {
            int year = startYear_ + static_cast<int>(period * step);
            int month = rule_.monthOfYear >= 1 && rule_.monthOfYear <= 12 ? static_cast<int>(rule_.monthOfYear)
                                                                            : startMonth_;
            if (year > kLastYear)
                return false;
            days[(*count)++] = DayNumber(year, month, DayInMonth(year, month));
            return true;
        }
        }
        return false;
    }

private:
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
};

// Walks occurrences in order from the rule's start (or from near `fromDay`
// when the count of earlier ones does not matter).
void Walk(const RecurrenceRule& rule, long fromDay, const std::function<bool(long)>& visit)
{
    if (!rule.Recurs())
        return;
    Periods periods(rule);
    bool counted = rule.end == RecurrenceEnd::ByCount;
    if (counted && rule.occurrences <= 0)
        return;
    long period = counted ? 0 : periods.PeriodNear(fromDay);
    long seen = 0;
    long days[7];
    int count = 0;
    for (;; ++period) {
        if (!periods.Days(period, days, &count))
            return;
        for (int i = 0; i < count; ++i) {
            long day = days[i];
            if (day < rule.startDay)
                continue;
            if (rule.end == RecurrenceEnd::ByDate && day > rule.endDay)
                return;
            if (counted && ++seen > rule.occurrences)
                return;
            if (!visit(day))
                return;
        }
    }
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

void ForEachOccurrenceDay(const RecurrenceRule& rule, long fromDay, long toDay,
                          const std::function<bool(long)>& visit)
{
    Walk(rule, fromDay, [&](long day) {
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
    Walk(rule, day + 1, [&](long candidate) {
        if (candidate <= day)
            return true;
        next = candidate;
        return false;
    });
    return next;
}

std::optional<long> LastOccurrenceDay(const RecurrenceRule& rule)
{
    if (!rule.Recurs() || rule.end == RecurrenceEnd::Never)
        return std::nullopt;
    std::optional<long> last;
    Walk(rule, rule.startDay, [&](long day) {
        last = day;
        return true;
    });
    return last;
}

long ShortestGapMinutes(const RecurrenceRule& rule)
{
    constexpr long kDay = 1440;
    long step = IntervalOf(rule);
    switch (rule.type) {
    case 0: return rule.interval == 0 ? kDay : rule.interval * kDay;
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
