// A recurrence rule and the days it falls on. Days are day numbers of
// ole_dates.h; the time of day comes from the item.
//   daily      every `interval` days; interval 0 = every weekday (Mon-Fri)
//   weekly     the days of `dayOfWeekMask` (Sunday 1 .. Saturday 64) of every
//              `interval`-th week, weeks starting on Sunday
//   monthly    day `dayOfMonth` of every `interval`-th month; a month too
//              short for it takes its last day
//   monthNth   the `instance`-th (1-4, 5 = last) day of the month matching
//              the mask (127 any day, 62 weekday, 65 weekend day)
//   yearly     day `dayOfMonth` of month `monthOfYear` every `interval` years
//              (the last day when the month is too short: Feb 29 -> Feb 28)
//   yearNth    as monthNth, in month `monthOfYear` every `interval` years
// Occurrences begin on the pattern start day and end by date (inclusive),
// after a count, or never; none falls after 9999-12-31.
#pragma once

#include <functional>
#include <optional>

namespace poom {

enum class RecurrenceEnd { Never, ByDate, ByCount };

struct RecurrenceRule {
    long type = -1;  // olRecursNone: not recurring
    long startDay = 0;
    RecurrenceEnd end = RecurrenceEnd::Never;
    long endDay = 0;      // ByDate
    long occurrences = 0; // ByCount
    long interval = 1;
    long dayOfWeekMask = 0;
    long dayOfMonth = 0;
    long instance = 0;
    long monthOfYear = 0;

    bool Recurs() const;
    bool operator==(const RecurrenceRule&) const = default;
};

// The largest interval a rule may have.
constexpr long kMaxRecurrenceInterval = 999;

// Whether the rule is one the platform keeps: its start and end days on
// supported days (ole_dates.h), an interval from 0 to the largest, and, for
// a recurring rule ending after a count, at least one occurrence and the
// last on or before 9999-12-31. A rule outside does not occur at all.
bool RuleInRange(const RecurrenceRule& rule);

// Calls visit(day) for every occurrence day within [fromDay, toDay] in
// order, until visit returns false. Every walk starts near fromDay (a count
// is taken up there by arithmetic), so its cost follows the days it visits.
void ForEachOccurrenceDay(const RecurrenceRule& rule, long fromDay, long toDay,
                          const std::function<bool(long)>& visit);
bool IsOccurrenceDay(const RecurrenceRule& rule, long day);
// The first occurrence day after `day`, if any.
std::optional<long> NextOccurrenceDay(const RecurrenceRule& rule, long day);
// The last occurrence day of a rule that ends, if any.
std::optional<long> LastOccurrenceDay(const RecurrenceRule& rule);

// The gap the device holds a reminder lead against: a lead must be shorter.
// Daily: interval days (every weekday: 1 day); weekly: ((interval - 1) x 7 +
// g) days, g the smallest distance around the week between two chosen days
// (7 for one day); monthly kinds: interval x 28 days; yearly kinds: interval
// x 12 x 28 days. In minutes; 0 for a rule that does not recur.
long long ShortestGapMinutes(const RecurrenceRule& rule);

// The n-th (1-4, 5 = last) day of the month whose weekday is in the mask.
int NthDayOfMonth(int year, int month, long instance, long mask);

}  // namespace poom
