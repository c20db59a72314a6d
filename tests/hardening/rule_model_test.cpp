// Stored rules of every troublesome shape through the decoder and every
// consumer of the model: each answers at once, as not recurring or with
// its true end; the exceptions blob reads what it writes.
#include "platform/outlook/item_query.h"
#include "platform/outlook/record_blobs.h"

#include "tests/hardening/rule_cases.h"
#include "tests/hardening/time_limit.h"
#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

using namespace poom;

namespace hardening {
namespace {

constexpr DWORD kCaseLimitMs = 2000;

std::wstring DayText(long day)
{
    return fixtures::Text(static_cast<DATE>(day)).substr(0, 10);
}

TEST(RuleBlobs, EachShapeAnswersAsNotRecurringOrWithItsEnd)
{
    for (size_t i = 0; i < kRuleCaseCount; ++i) {
        const RuleCase& c = kRuleCases[i];
        SCOPED_TRACE(c.name);
        Watched watched(std::string("rule case: ") + c.name, kCaseLimitMs);
        std::vector<BYTE> blob = RuleBlob(c.fields);
        ASSERT_EQ(blob.size(), 37u);
        RecurrenceRule rule;
        EXPECT_EQ(DecodeRecurrence(blob.data(), blob.size(), &rule), c.kept);
        EXPECT_EQ(rule.Recurs(), c.kept);
        if (c.kept) {
            EXPECT_EQ(rule, RuleOf(c.fields));
            EXPECT_EQ(EncodeRecurrence(rule), blob);
            std::optional<long> last = LastOccurrenceDay(rule);
            EXPECT_EQ(last ? DayText(*last) : L"4501-01-01", c.end);
        }
        CheckRuleConsumers(rule, DayNumber(2024, 1, 1));
        // The same fields handed straight to the consumers, past the decoder.
        RecurrenceRule raw = RuleOf(c.fields);
        EXPECT_EQ(RuleInRange(raw), c.kept);
        CheckRuleConsumers(raw, DayNumber(2024, 1, 1));
        if (!c.kept) {
            EXPECT_FALSE(LastOccurrenceDay(raw).has_value());
            EXPECT_FALSE(NextOccurrenceDay(raw, DayNumber(2024, 1, 1)).has_value());
        }
    }
}

TEST(RuleBlobs, ACountedRuleStartsNearTheAskedDaysByArithmetic)
{
    // Daily from 0100-01-01, three million times: the days of 2024 are the
    // ones a walk from the start would find.
    RecurrenceRule rule = RuleOf({0, DayNumber(100, 1, 1), 2, 0, 3000000, 1});
    Watched watched("far-past counted rule", kCaseLimitMs);
    for (int i = 0; i < 200; ++i) {
        EXPECT_TRUE(IsOccurrenceDay(rule, DayNumber(2024, 1, 1) + i));
        EXPECT_EQ(*NextOccurrenceDay(rule, DayNumber(2024, 1, 1) + i), DayNumber(2024, 1, 2) + i);
    }
    EXPECT_TRUE(IsOccurrenceDay(rule, DayNumber(8313, 9, 21)));
    EXPECT_FALSE(IsOccurrenceDay(rule, DayNumber(8313, 9, 22)));
    EXPECT_FALSE(NextOccurrenceDay(rule, DayNumber(8313, 9, 21)).has_value());
    // Weekly on three days from mid-week: the count takes the first week's
    // skipped days into account.
    RecurrenceRule weekly = RuleOf({1, DayNumber(2024, 1, 3), 2, 0, 100000, 1, 2 | 8 | 64});
    std::optional<long> last = LastOccurrenceDay(weekly);
    ASSERT_TRUE(last.has_value());
    int walked = 0;
    long walkedLast = 0;
    ForEachOccurrenceDay(weekly, weekly.startDay, kLastSupportedDay, [&](long day) {
        ++walked;
        walkedLast = day;
        return true;
    });
    EXPECT_EQ(walked, 100000);
    EXPECT_EQ(walkedLast, *last);
}

TEST(RuleBlobs, TheReminderGapOfTheWidestRuleIsPositive)
{
    // Every 999 years: the widest yearly rule kept.
    RecurrenceRule rule = RuleOf({5, DayNumber(2024, 1, 1), 0, 0, 0, kMaxRecurrenceInterval, 0, 1, 0, 1});
    EXPECT_EQ(ShortestGapMinutes(rule), 999LL * 12 * 28 * 1440);
    RecurrenceRule beyond = RuleOf({5, DayNumber(2024, 1, 1), 0, 0, 0, 5121, 0, 1, 0, 1});
    EXPECT_GT(ShortestGapMinutes(beyond), 0);
}

TEST(SpanningItems, OnlyTheDaysAWindowCanHoldAreJudged)
{
    // Stored from the first FILETIME to the last one: ten million days.
    FILETIME first = {0, 0};
    FILETIME last = {0xFFFFFFFF, 0x7FFFFFFF};
    ItemData span = fixtures::Appointment(9, L"span", FileTimeToDate(first), FileTimeToDate(last));
    QueryDef query;
    query.kind = ItemKind::Appointment;
    query.includeRecurrences = true;
    query.deviceMajorVersion = 4;  // one delivery per day touched
    Watched watched("an item spanning every day a FILETIME holds", kCaseLimitMs);
    query.restrictions.push_back(Restriction::Parse(
        ItemKind::Appointment, L"[Start] <= \"02/06/24 23:59\" AND [End] >= \"01/01/24\"", L"MM/dd/yy"));
    EXPECT_EQ(RunQuery(query, {fixtures::Shared(span)}).size(), 37u);  // January 1 to February 6
    query.restrictions = {Restriction::Parse(ItemKind::Appointment, L"[Subject] = \"span\"", L"MM/dd/yy")};
    EXPECT_EQ(RunQuery(query, {fixtures::Shared(span)}).size(), static_cast<size_t>(kOpenEndedOccurrenceLimit));
}

TEST(ExceptionsBlob, EveryValueTypeItWritesItReads)
{
    OccurrenceException exception;
    exception.originalStart = MakeDate(2024, 2, 1, 9, 0);
    auto put = [&](CEPROPID prop, auto fill) {
        PropValue value;
        value.type = TypeFromPropID(prop);
        fill(value);
        exception.values[prop] = value;
    };
    put(MAKEPROPID(0x9001, CEVT_BOOL), [](PropValue& v) { v.number = 5; });
    put(MAKEPROPID(0x9002, CEVT_R8), [](PropValue& v) { v.real = 1.5; });
    put(MAKEPROPID(0x9003, CEVT_AUTO_I4), [](PropValue& v) { v.number = -7; });
    put(MAKEPROPID(0x9004, CEVT_I2), [](PropValue& v) { v.number = -2; });
    put(MAKEPROPID(0x9005, CEVT_UI4), [](PropValue& v) { v.number = 0xFFFFFFF0; });
    put(MAKEPROPID(0x9006, CEVT_LPWSTR), [](PropValue& v) { v.text = L"가"; });
    put(MAKEPROPID(0x9007, CEVT_BLOB), [](PropValue& v) { v.bytes = {1, 2, 3}; });
    FILETIME withMilliseconds = DateToFileTime(MakeDate(2024, 2, 1, 15, 0));
    withMilliseconds.dwLowDateTime += 1234567;
    exception.values[MAKEPROPID(0x9008, CEVT_FILETIME)] = DateValue(withMilliseconds);

    std::vector<BYTE> blob = EncodeExceptions({exception});
    std::vector<OccurrenceException> back;
    ASSERT_TRUE(DecodeExceptions(blob.data(), blob.size(), &back));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], exception);
    FILETIME time = FileTimeOfValue(back[0].values[MAKEPROPID(0x9008, CEVT_FILETIME)]);
    EXPECT_EQ(time.dwLowDateTime, withMilliseconds.dwLowDateTime);
    EXPECT_EQ(time.dwHighDateTime, withMilliseconds.dwHighDateTime);
    EXPECT_EQ(EncodeExceptions(back), blob);
}

}  // namespace
}  // namespace hardening
