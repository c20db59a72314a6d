#include "tests/hardening/rule_cases.h"

#include "platform/ceplat/byte_fields.h"
#include "platform/outlook/item_query.h"
#include "platform/outlook/restriction.h"

#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace hardening {

namespace {

constexpr int32_t kDay0100 = -657434;   // 0100-01-01
constexpr int32_t kDay2024 = 45292;     // 2024-01-01, a Monday
constexpr int32_t kDay9999End = 2958465;  // 9999-12-31
constexpr int32_t kDay20240301 = 45352;  // a Friday
constexpr int32_t kDay99991220 = 2958454;

constexpr uint8_t kNever = 0, kByDate = 1, kByCount = 2;

}  // namespace

const RuleCase kRuleCases[] = {
    {"daily, interval -1", {0, kDay2024, kNever, 0, 0, -1}, false, nullptr},
    {"daily, interval 0x7FFFFFFF", {0, kDay2024, kNever, 0, 0, 0x7FFFFFFF}, false, nullptr},
    {"weekly, interval past the limit", {1, kDay2024, kNever, 0, 0, 1000, 2}, false, nullptr},
    {"yearly every 5121 years", {5, kDay2024, kNever, 0, 0, 5121, 0, 1, 0, 1}, false, nullptr},
    {"start day 0x7FFFFFFF", {0, 0x7FFFFFFF, kNever, 0, 0, 1}, false, nullptr},
    {"start day -0x80000000", {0, INT32_MIN, kByCount, 0, 5, 1}, false, nullptr},
    {"start day -0x80000000, weekly", {1, INT32_MIN, kNever, 0, 0, 1, 0x7F}, false, nullptr},
    {"end day 0x7FFFFFFF", {0, kDay2024, kByDate, 0x7FFFFFFF, 0, 1}, false, nullptr},
    {"a count of 0", {0, kDay2024, kByCount, 0, 0, 1}, false, nullptr},
    {"a count of -5", {2, kDay2024, kByCount, 0, -5, 1, 0, 1}, false, nullptr},
    {"a count past 9999, daily", {0, kDay99991220, kByCount, 0, 13, 1}, false, nullptr},
    {"a count past 9999, every 999 years", {5, kDay2024, kByCount, 0, 9, 999, 0, 1, 0, 1}, false, nullptr},
    {"a count of 0x7FFFFFFF", {1, kDay2024, kByCount, 0, 0x7FFFFFFF, 1, 0x7F}, false, nullptr},
    {"every 999 years, 8 times", {5, kDay2024, kByCount, 0, 8, 999, 0, 1, 0, 1}, true, L"9017-01-01"},
    {"counted from 0100, 3 million times", {0, kDay0100, kByCount, 0, 3000000, 1}, true, L"8313-09-21"},
    {"from 0100 without an end", {0, kDay0100, kNever, 0, 0, 1}, true, L"4501-01-01"},
    {"daily over the whole range", {0, kDay0100, kByDate, kDay9999End, 0, 1}, true, L"9999-12-31"},
    {"the last day, once", {0, kDay9999End, kByCount, 0, 1, 1}, true, L"9999-12-31"},
    {"the last days, to the end", {0, kDay99991220, kByCount, 0, 12, 1}, true, L"9999-12-31"},
    {"every weekday, 10 times", {0, kDay20240301, kByCount, 0, 10, 0}, true, L"2024-03-14"},
    {"monthly, a stored interval of 0", {2, kDay2024 + 30, kByCount, 0, 3, 0, 0, 31}, true, L"2024-03-31"},
    {"every 999 months on the 31st", {2, kDay2024, kNever, 0, 0, 999, 0, 31}, true, L"4501-01-01"},
};
const size_t kRuleCaseCount = std::size(kRuleCases);

std::vector<BYTE> RuleBlob(const RuleFields& f)
{
    ce::ByteWriter<std::vector<BYTE>> out;
    out.PutU16LE(1);  // version
    out.PutU16LE(static_cast<uint16_t>(f.type));
    out.PutU32LE(static_cast<uint32_t>(f.startDay));
    out.PutU8(f.end);
    for (int32_t field : {f.endDay, f.occurrences, f.interval, f.dayOfWeekMask, f.dayOfMonth, f.instance,
                          f.monthOfYear})
        out.PutU32LE(static_cast<uint32_t>(field));
    return out.Take();
}

poom::RecurrenceRule RuleOf(const RuleFields& f)
{
    poom::RecurrenceRule rule;
    rule.type = f.type;
    rule.startDay = f.startDay;
    rule.end = static_cast<poom::RecurrenceEnd>(f.end);
    rule.endDay = f.endDay;
    rule.occurrences = f.occurrences;
    rule.interval = f.interval;
    rule.dayOfWeekMask = f.dayOfWeekMask;
    rule.dayOfMonth = f.dayOfMonth;
    rule.instance = f.instance;
    rule.monthOfYear = f.monthOfYear;
    return rule;
}

void CheckRuleConsumers(const poom::RecurrenceRule& rule, long aroundDay)
{
    using namespace poom;
    constexpr long kDays = 31;
    long previous = LONG_MIN;
    int visited = 0;
    ForEachOccurrenceDay(rule, aroundDay, aroundDay + kDays - 1, [&](long day) {
        EXPECT_GE(day, aroundDay);
        EXPECT_LT(day, aroundDay + kDays);
        EXPECT_GT(day, previous);
        EXPECT_TRUE(IsOccurrenceDay(rule, day));
        previous = day;
        return ++visited <= kDays;
    });
    if (std::optional<long> next = NextOccurrenceDay(rule, aroundDay)) {
        EXPECT_GT(*next, aroundDay);
        EXPECT_LE(*next, kLastSupportedDay);
    }
    if (std::optional<long> last = LastOccurrenceDay(rule)) {
        EXPECT_GE(*last, rule.startDay);
        EXPECT_LE(*last, kLastSupportedDay);
    }
    EXPECT_GE(ShortestGapMinutes(rule), rule.Recurs() ? 1440 : 0);

    const DATE start = static_cast<DATE>(aroundDay) + 9.0 / 24;
    ItemData item = fixtures::Appointment(7, L"series", start, start + 1.0 / 24);
    item.Rule() = rule;
    auto series = fixtures::Shared(item);
    QueryDef query;
    query.kind = ItemKind::Appointment;
    query.includeRecurrences = true;
    EXPECT_LE(RunQuery(query, {series}).size(), static_cast<size_t>(kOpenEndedOccurrenceLimit));
    query.restrictions.push_back(
        Restriction::Parse(ItemKind::Appointment, L"[Start] >= \"01/01/24\" AND [Start] < \"02/01/24\"", L"MM/dd/yy"));
    EXPECT_LE(RunQuery(query, {series}).size(), static_cast<size_t>(kDays));
    QueryEntry entry;
    FindOccurrence(*series, start + 14, &entry);
}

}  // namespace hardening
