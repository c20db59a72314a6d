// Stored recurrence rules of every shape that once hung, overflowed or
// answered wrongly, as 37-byte blobs another program could have written,
// with what the platform must make of each.
#pragma once

#include "platform/outlook/record_blobs.h"

#include <cstdint>
#include <vector>

namespace hardening {

struct RuleFields {
    int16_t type;
    int32_t startDay;
    uint8_t end;  // 0 never, 1 by date, 2 by count
    int32_t endDay;
    int32_t occurrences;
    int32_t interval;
    int32_t dayOfWeekMask = 0;
    int32_t dayOfMonth = 0;
    int32_t instance = 0;
    int32_t monthOfYear = 0;
};

struct RuleCase {
    const char* name;
    RuleFields fields;
    bool kept;            // read as recurring
    const wchar_t* end;   // the pattern end a reader sees, "yyyy-mm-dd" (kept rules)
};

extern const RuleCase kRuleCases[];
extern const size_t kRuleCaseCount;

// The blob, field by field.
std::vector<BYTE> RuleBlob(const RuleFields& fields);
// The same fields as an in-memory rule, unchecked.
poom::RecurrenceRule RuleOf(const RuleFields& fields);

// Hands the rule to every consumer of the model (the walks, the next and
// last occurrence, the reminder gap, the collection's expansion and the
// search for one occurrence) around the day, and checks that each answers
// sensibly: days in order and in range, no more than asked for.
void CheckRuleConsumers(const poom::RecurrenceRule& rule, long aroundDay);

}  // namespace hardening
