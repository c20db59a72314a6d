// The repeat rule of an item, as the writers put it into the item's
// recurrence pattern and the loaders read it back: RecurrenceCode with the
// seed fields of RecurrencePatternState for codes '1' to '3', the whole
// custom rule for '4'.
#pragma once

#include "core/item_form.h"

#include <climits>

// The lead of a reminder that a rule without repeat allows.
constexpr int32_t kAnyReminderLead = INT32_MAX;

// Writes the rule of the code into the pattern and returns the longest
// reminder lead in minutes that fits it. Code '0' writes nothing and allows
// any lead; so does a custom rule whose page type is none of 2 to 5. start is
// the pattern start of codes '1' to '3'; a custom rule starts on its range
// start, or on start's day when that is empty.
int32_t WriteRecurrencePattern(IRecurrencePattern* pattern, wchar_t code, DATE start);

// Day kinds of the custom rule (0 any day, 1 weekday, 2 weekend day, 3..9
// Sunday..Saturday) and the day-of-week masks they stand for.
long DayKindMask(int32_t dayKind);  // 0 for a kind out of range
int32_t DayKindOfMask(long mask);   // a mask of no kind: the kind of its lowest day

// The mask bit of a weekday 1 (Sunday) .. 7 (Saturday); 0 for another value.
long WeekdayMaskBit(int32_t weekday);
