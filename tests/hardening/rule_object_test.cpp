// Stored rules of every troublesome shape through the object model, and the
// pattern setters that refuse what the device refuses.
#include "tests/hardening/rule_cases.h"
#include "tests/hardening/time_limit.h"
#include "tests/outlook/poom_fixture.h"

#include "platform/outlook/item_fields.h"
#include "platform/outlook/item_query.h"

#include <cmath>
#include <limits>

using namespace poomtest;

namespace hardening {
namespace {

constexpr DWORD kCaseLimitMs = 5000;
const wchar_t kAppointments[] = L"Appointments Database";

class RuleObjectTest : public PoomTest {
protected:
    // A saved appointment on 2024-01-15 09:00 whose record then gets the
    // blob as its recurrence, as another program might write it.
    long StoredWithRule(const std::vector<BYTE>& blob)
    {
        Ref<IAppointment> appointment = NewAppointment();
        appointment->put_Subject(Text(L"규칙"));
        appointment->put_Start(Date(2024, 1, 15, 9, 0));
        appointment->put_End(Date(2024, 1, 15, 10, 0));
        appointment->put_ReminderSet(VARIANT_TRUE);
        appointment->put_ReminderMinutesBeforeStart(15);
        EXPECT_EQ(appointment->Save(), S_OK);
        long oid = 0;
        appointment->get_Oid(&oid);
        CEPROPVAL rule = {};
        rule.propid = poom::kPropRecurrence;
        rule.val.blob.dwCount = static_cast<DWORD>(blob.size());
        rule.val.blob.lpb = const_cast<BYTE*>(blob.data());
        EXPECT_TRUE(WriteRecord(kAppointments, static_cast<CEOID>(oid), {rule}));
        return oid;
    }

    Ref<IAppointment> Load(long oid)
    {
        Ref<IAppointment> appointment;
        EXPECT_EQ(app_->GetItemFromOid(oid, appointment.AsDispatch()), S_OK);
        return appointment;
    }

    // An unsaved appointment on 2024-01-01 09:00 and its pattern.
    Ref<IRecurrencePattern> NewPattern()
    {
        appointment_ = NewAppointment();
        appointment_->put_Start(Date(2024, 1, 1, 9, 0));
        appointment_->put_End(Date(2024, 1, 1, 10, 0));
        return PatternOf(appointment_.Get());
    }

    Ref<IRecurrencePattern> PatternOf(IAppointment* appointment)
    {
        Ref<IRecurrencePattern> pattern;
        EXPECT_EQ(appointment->GetRecurrencePattern(pattern.Out()), S_OK);
        return pattern;
    }

    // The restricted calendar's item count, with recurrences.
    long CountWithRecurrences(const std::wstring& query)
    {
        Ref<IPOutlookItemCollection> items = Items(olFolderCalendar);
        items->put_IncludeRecurrences(VARIANT_TRUE);
        Ref<IPOutlookItemCollection> restricted = Restricted(items.Get(), query);
        int count = 0;
        if (restricted)
            restricted->get_Count(&count);
        return count;
    }

    Ref<IAppointment> appointment_;
};

TEST_F(RuleObjectTest, EachStoredShapeAnswersThroughTheObjects)
{
    for (size_t i = 0; i < kRuleCaseCount; ++i) {
        const RuleCase& c = kRuleCases[i];
        SCOPED_TRACE(c.name);
        long oid = StoredWithRule(RuleBlob(c.fields));
        Watched watched(std::string("stored rule through the objects: ") + c.name, kCaseLimitMs);
        Ref<IAppointment> appointment = Load(oid);
        ASSERT_TRUE(appointment);
        Ref<IRecurrencePattern> pattern = PatternOf(appointment.Get());
        long type = 0;
        pattern->get_RecurrenceType(&type);
        EXPECT_EQ(type, c.kept ? static_cast<long>(c.fields.type) : static_cast<long>(olRecursNone));
        DATE date = 0;
        ASSERT_EQ(pattern->get_PatternEndDate(&date), S_OK);
        EXPECT_EQ(DateText(date).substr(0, 10), c.kept ? c.end : L"4501-01-01");
        // Not recurring: the item's own start and end stand.
        DATE start = 0;
        appointment->get_Start(&start);
        EXPECT_EQ(DateText(start), L"2024-01-15 09:00");

        long inJanuary = CountWithRecurrences(L"[Start] >= \"01/01/24\" AND [Start] < \"02/01/24\"");
        EXPECT_LE(inJanuary, 31);
        if (!c.kept) {
            EXPECT_EQ(inJanuary, 1);
        }
        EXPECT_LE(CountWithRecurrences(L"[Subject] = \"규칙\""), poom::kOpenEndedOccurrenceLimit + 1);

        Ref<IAppointment> occurrence;
        HRESULT found = pattern->GetOccurrence(Date(2024, 1, 15, 9, 0), occurrence.Out());
        EXPECT_TRUE(found == S_OK || found == E_FAIL);
        EXPECT_EQ(pattern->GetOccurrence(std::numeric_limits<double>::quiet_NaN(), occurrence.Out()), E_FAIL);
        EXPECT_EQ(pattern->GetOccurrence(1e300, occurrence.Out()), E_FAIL);

        // A 15-minute reminder is shorter than every gap a kept rule has.
        appointment->put_Subject(Text(L"규칙 2"));
        EXPECT_EQ(appointment->Save(), S_OK);
        ASSERT_EQ(app_->GetItemFromOid(oid, appointment.AsDispatch()), S_OK);
        BSTR subject = nullptr;
        appointment->get_Subject(&subject);
        EXPECT_EQ(Take(subject), L"규칙 2");
        EXPECT_EQ(appointment->Delete(), S_OK);
    }
}

TEST_F(RuleObjectTest, AnUnreadableRuleIsLoggedOncePerRecord)
{
    long oid = StoredWithRule(RuleBlob(kRuleCases[0].fields));
    wchar_t line[64];
    _snwprintf(line, 64, L"record %08lX: its recurrence rule is unreadable", static_cast<unsigned long>(oid));
    line[63] = L'\0';
    auto linesForTheRecord = [&] {
        std::wstring log = testkit::DeviceLogText();
        int count = 0;
        for (size_t at = log.find(line); at != std::wstring::npos; at = log.find(line, at + 1))
            ++count;
        return count;
    };
    int before = linesForTheRecord();
    // Read three times on its own and once through the calendar.
    for (int i = 0; i < 3; ++i)
        Load(oid);
    Ref<IPOutlookItemCollection> items = Items(olFolderCalendar);
    int count = 0;
    items->get_Count(&count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(linesForTheRecord(), before + 1);
}

struct SetterCase {
    const char* name;
    HRESULT (*set)(IRecurrencePattern* pattern);
    HRESULT expected;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const SetterCase kSetterCases[] = {
    {"interval 0", [](IRecurrencePattern* p) { return p->put_Interval(0); }, E_INVALIDARG},
    {"interval -1", [](IRecurrencePattern* p) { return p->put_Interval(-1); }, E_INVALIDARG},
    {"interval 1000", [](IRecurrencePattern* p) { return p->put_Interval(1000); }, E_INVALIDARG},
    {"interval 0x7FFFFFFF", [](IRecurrencePattern* p) { return p->put_Interval(0x7FFFFFFF); }, E_INVALIDARG},
    {"interval 999", [](IRecurrencePattern* p) { return p->put_Interval(999); }, S_OK},
    {"start 0099-12-31", [](IRecurrencePattern* p) { return p->put_PatternStartDate(-657435.0); }, E_INVALIDARG},
    {"start 10000-01-01", [](IRecurrencePattern* p) { return p->put_PatternStartDate(2958466.0); }, E_INVALIDARG},
    {"start NaN", [](IRecurrencePattern* p) { return p->put_PatternStartDate(kNaN); }, E_INVALIDARG},
    {"start 1e300", [](IRecurrencePattern* p) { return p->put_PatternStartDate(1e300); }, E_INVALIDARG},
    {"start 0100-01-01", [](IRecurrencePattern* p) { return p->put_PatternStartDate(-657434.0); }, S_OK},
    {"end 10000-01-01", [](IRecurrencePattern* p) { return p->put_PatternEndDate(2958466.0); }, E_INVALIDARG},
    {"end -1e300", [](IRecurrencePattern* p) { return p->put_PatternEndDate(-1e300); }, E_INVALIDARG},
    {"end 9999-12-31", [](IRecurrencePattern* p) { return p->put_PatternEndDate(2958465.0); }, S_OK},
    {"count -1", [](IRecurrencePattern* p) { return p->put_Occurrences(-1); }, E_INVALIDARG},
    {"count 0x7FFFFFFF", [](IRecurrencePattern* p) { return p->put_Occurrences(0x7FFFFFFF); }, E_INVALIDARG},
    {"count 2,900,000 from 2024", [](IRecurrencePattern* p) { return p->put_Occurrences(2900000); }, S_OK},
    {"count 2,959,000 from 2024", [](IRecurrencePattern* p) { return p->put_Occurrences(2959000); }, E_INVALIDARG},
};

TEST_F(RuleObjectTest, SettersRefuseWhatTheDeviceRefuses)
{
    for (const SetterCase& c : kSetterCases) {
        SCOPED_TRACE(c.name);
        Ref<IRecurrencePattern> pattern = NewPattern();
        ASSERT_EQ(pattern->put_RecurrenceType(olRecursDaily), S_OK);
        ASSERT_EQ(pattern->put_Occurrences(5), S_OK);
        Watched watched(std::string("pattern setter: ") + c.name, kCaseLimitMs);
        EXPECT_EQ(c.set(pattern.Get()), c.expected);
        if (c.expected == S_OK)
            continue;
        // A refused value changes nothing.
        long value = 0;
        pattern->get_Interval(&value);
        EXPECT_EQ(value, 1);
        pattern->get_Occurrences(&value);
        EXPECT_EQ(value, 5);
        DATE date = 0;
        pattern->get_PatternStartDate(&date);
        EXPECT_EQ(DateText(date), L"2024-01-01 00:00");
        pattern->get_PatternEndDate(&date);
        EXPECT_EQ(DateText(date), L"2024-01-05 00:00");
    }
}

TEST_F(RuleObjectTest, NoChangeMayPushACountPast9999)
{
    Ref<IRecurrencePattern> pattern = NewPattern();
    ASSERT_EQ(pattern->put_RecurrenceType(olRecursYearly), S_OK);
    ASSERT_EQ(pattern->put_Interval(999), S_OK);
    EXPECT_EQ(pattern->put_Occurrences(9), E_INVALIDARG);  // 2024 + 8 x 999 = 10016
    ASSERT_EQ(pattern->put_Occurrences(8), S_OK);         // 9017
    DATE date = 0;
    pattern->get_PatternEndDate(&date);
    EXPECT_EQ(DateText(date), L"9017-01-01 00:00");
    EXPECT_EQ(pattern->put_PatternStartDate(Date(3000, 1, 1)), S_OK);          // 9993
    EXPECT_EQ(pattern->put_PatternStartDate(Date(3100, 1, 1)), E_INVALIDARG);  // 10093
    // Daily from 9999-12-20: twelve days reach the last day, thirteen pass it.
    ASSERT_EQ(pattern->put_RecurrenceType(olRecursDaily), S_OK);
    ASSERT_EQ(pattern->put_Interval(1), S_OK);
    ASSERT_EQ(pattern->put_PatternStartDate(Date(9999, 12, 20)), S_OK);
    EXPECT_EQ(pattern->put_Occurrences(12), S_OK);
    EXPECT_EQ(pattern->put_Occurrences(13), E_INVALIDARG);
    EXPECT_EQ(pattern->put_Interval(2), E_INVALIDARG);
    EXPECT_EQ(pattern->put_RecurrenceType(olRecursWeekly), E_INVALIDARG);
    long count = 0;
    pattern->get_Occurrences(&count);
    EXPECT_EQ(count, 12);
    pattern->get_PatternEndDate(&date);
    EXPECT_EQ(DateText(date), L"9999-12-31 00:00");
    // No end lets any start stand.
    EXPECT_EQ(pattern->put_NoEndDate(VARIANT_TRUE), S_OK);
    EXPECT_EQ(pattern->put_Interval(999), S_OK);
}

}  // namespace
}  // namespace hardening
