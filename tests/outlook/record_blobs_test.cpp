// The blobs an item record carries, against byte-exact fixtures, and the
// record an item becomes.
#include "platform/outlook/record_blobs.h"
#include "platform/outlook/record_codec.h"

#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace poom;

namespace {

std::vector<BYTE> FromHex(const char* hex)
{
    std::vector<BYTE> bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        bytes.push_back(static_cast<BYTE>(std::stoi(std::string(hex + i, 2), nullptr, 16)));
    return bytes;
}

// Every proper prefix of a valid blob is refused.
template <class Decode>
void ExpectPrefixesRefused(const std::vector<BYTE>& bytes, Decode decode)
{
    for (size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(testing::Message() << "prefix of " << length << " bytes");
        EXPECT_FALSE(decode(bytes.data(), length));
    }
}

const char kRuleFixture[] =
    "0100"      // version
    "0100"      // weekly
    "08b10000"  // start: day 45320, 2024-01-29
    "02"        // ends after a count
    "00000000"  // end day
    "0a000000"  // 10 occurrences
    "02000000"  // every 2 weeks
    "12000000"  // Monday | Thursday
    "00000000"  // day of month
    "00000000"  // instance
    "00000000"; // month

TEST(RecordBlobs, RecurrenceFixture)
{
    RecurrenceRule rule;
    rule.type = olRecursWeekly;
    rule.startDay = DayNumber(2024, 1, 29);
    rule.end = RecurrenceEnd::ByCount;
    rule.occurrences = 10;
    rule.interval = 2;
    rule.dayOfWeekMask = olMonday | olThursday;
    std::vector<BYTE> expected = FromHex(kRuleFixture);
    EXPECT_EQ(EncodeRecurrence(rule), expected);
    RecurrenceRule back;
    ASSERT_TRUE(DecodeRecurrence(expected.data(), expected.size(), &back));
    EXPECT_EQ(back, rule);
    ExpectPrefixesRefused(expected, [](const BYTE* b, size_t n) {
        RecurrenceRule r;
        return DecodeRecurrence(b, n, &r);
    });
    std::vector<BYTE> longer = expected;
    longer.push_back(0);
    RecurrenceRule ignored;
    EXPECT_FALSE(DecodeRecurrence(longer.data(), longer.size(), &ignored));
    std::vector<BYTE> otherVersion = expected;
    otherVersion[0] = 2;
    EXPECT_FALSE(DecodeRecurrence(otherVersion.data(), otherVersion.size(), &ignored));
}

const char kExceptionsFixture[] =
    "0100" "0200"                                 // version, two exceptions
    "00a83f09ed54da01" "00" "0200"                // 2024-02-01 09:00, kept, two values
    "1f002000" "0100" "00ac"                      // subject "가"
    "40004300" "0018da531f55da01"                 // start 2024-02-01 15:00
    "00e823326d5ada01" "01" "0000";               // 2024-02-08 09:00, deleted, no values

TEST(RecordBlobs, ExceptionsFixture)
{
    std::vector<OccurrenceException> exceptions(2);
    exceptions[0].originalStart = MakeDate(2024, 2, 1, 9, 0);
    exceptions[0].values[kPropSubject].type = CEVT_LPWSTR;
    exceptions[0].values[kPropSubject].text = L"가";
    exceptions[0].values[kPropStart].type = CEVT_FILETIME;
    exceptions[0].values[kPropStart].date = MakeDate(2024, 2, 1, 15, 0);
    exceptions[1].originalStart = MakeDate(2024, 2, 8, 9, 0);
    exceptions[1].deleted = true;
    std::vector<BYTE> expected = FromHex(kExceptionsFixture);
    EXPECT_EQ(EncodeExceptions(exceptions), expected);
    std::vector<OccurrenceException> back;
    ASSERT_TRUE(DecodeExceptions(expected.data(), expected.size(), &back));
    EXPECT_EQ(back, exceptions);
    ExpectPrefixesRefused(expected, [](const BYTE* b, size_t n) {
        std::vector<OccurrenceException> e;
        return DecodeExceptions(b, n, &e);
    });
    std::vector<BYTE> badFlag = expected;
    badFlag[12] = 2;  // the deleted flag is 0 or 1
    EXPECT_FALSE(DecodeExceptions(badFlag.data(), badFlag.size(), &back));
}

const char kRecipientsFixture[] =
    "0100" "0100"             // version, one recipient
    "0100" "40ae"             // "김"
    "0300" "6b0040007800";    // "k@x"

TEST(RecordBlobs, RecipientsFixture)
{
    std::vector<Recipient> recipients = {{L"김", L"k@x"}};
    std::vector<BYTE> expected = FromHex(kRecipientsFixture);
    EXPECT_EQ(EncodeRecipients(recipients), expected);
    std::vector<Recipient> back;
    ASSERT_TRUE(DecodeRecipients(expected.data(), expected.size(), &back));
    EXPECT_EQ(back, recipients);
    ExpectPrefixesRefused(expected, [](const BYTE* b, size_t n) {
        std::vector<Recipient> r;
        return DecodeRecipients(b, n, &r);
    });
}

const CEPROPVAL* FindValue(RecordWrite& write, CEPROPID prop)
{
    for (WORD i = 0; i < write.Count(); ++i) {
        if (write.Values()[i].propid == prop)
            return &write.Values()[i];
    }
    return nullptr;
}

TEST(RecordCodec, EmptyTextsAndNoDatesAreNotWritten)
{
    ItemData contact = fixtures::Contact(0, L"홍", L"길동", L"");
    contact.SetText(kPropBusinessPhone, L"");
    contact.SetDate(kPropBirthday, kPoomNoDate);
    CategoryMarks marks;
    RecordWrite write(contact, marks);
    EXPECT_EQ(FindValue(write, kPropCompanyName), nullptr);
    EXPECT_EQ(FindValue(write, kPropBusinessPhone), nullptr);
    EXPECT_EQ(FindValue(write, kPropBirthday), nullptr);
    EXPECT_EQ(FindValue(write, kPropCategoryCount), nullptr);
    ASSERT_NE(FindValue(write, kPropLastName), nullptr);
    EXPECT_STREQ(FindValue(write, kPropLastName)->val.lpwstr, L"홍");
    ASSERT_NE(FindValue(write, kPropContactNumber), nullptr);  // numbered by the store
}

TEST(RecordCodec, ASaveRemovesWhatTheItemNoLongerHas)
{
    ItemData contact = fixtures::Contact(0x80000005, L"이", L"순신", L"수군");
    contact.StoredProps() = {kPropLastName, kPropFirstName, kPropFileAs, kPropCompanyName, kPropJobTitle};
    contact.SetText(kPropCompanyName, L"");
    CategoryMarks marks;
    marks.count = 2;
    RecordWrite write(contact, marks);
    ASSERT_NE(FindValue(write, kPropCompanyName), nullptr);
    EXPECT_EQ(FindValue(write, kPropCompanyName)->wFlags, CEDB_PROPDELETE);
    EXPECT_EQ(FindValue(write, kPropJobTitle)->wFlags, CEDB_PROPDELETE);
    EXPECT_EQ(FindValue(write, kPropCategoryCount)->val.uiVal, 2);
    EXPECT_EQ(FindValue(write, kPropLastName)->wFlags, 0);
}

TEST(RecordCodec, StoredIdsStayAscendingAndOnceWhateverTheOrderGiven)
{
    struct Case {
        std::vector<CEPROPID> inserted;
        std::vector<CEPROPID> kept;
    };
    const Case cases[] = {
        {{}, {}},
        {{5, 7, 9}, {5, 7, 9}},
        {{9, 7, 5}, {5, 7, 9}},
        {{7, 5, 9, 5, 7, 9}, {5, 7, 9}},
        {{8, 2, 6, 4, 2, 10, 1}, {1, 2, 4, 6, 8, 10}},
    };
    for (const Case& c : cases) {
        PropIdSet ids;
        for (CEPROPID id : c.inserted)
            ids.insert(id);
        EXPECT_EQ(std::vector<CEPROPID>(ids.begin(), ids.end()), c.kept);
        EXPECT_EQ(ids.size(), c.kept.size());
        for (CEPROPID id : c.kept)
            EXPECT_EQ(ids.count(id), 1u) << id;
        EXPECT_EQ(ids.count(3), 0u);
    }
}

TEST(RecordCodec, AppointmentRoundTrip)
{
    ItemData appointment = fixtures::Appointment(0, L"회의", MakeDate(2024, 2, 1, 9, 0), MakeDate(2024, 2, 1, 10, 0));
    appointment.Rule().type = olRecursDaily;
    appointment.Rule().startDay = DayNumber(2024, 2, 1);
    appointment.Recipients().push_back({L"김", L"k@x"});
    OccurrenceException moved;
    moved.originalStart = MakeDate(2024, 2, 3, 9, 0);
    moved.values[kPropStart].type = CEVT_FILETIME;
    moved.values[kPropStart].date = MakeDate(2024, 2, 3, 15, 0);
    appointment.Exceptions().push_back(moved);
    appointment.Props()[MAKEPROPID(0x7777, CEVT_UI4)] = PropValue{CEVT_UI4, L"", 7, 0, {}};  // unknown to the model
    RecordWrite write(appointment, CategoryMarks{});
    ItemData back = DecodeRecord(ItemKind::Appointment, 42, write.Values(), write.Count());
    EXPECT_EQ(back.Oid(), 42u);
    EXPECT_EQ(back.Props(), appointment.Props());
    EXPECT_EQ(back.Rule(), appointment.Rule());
    EXPECT_EQ(back.Exceptions(), appointment.Exceptions());
    EXPECT_EQ(back.Recipients(), appointment.Recipients());
    EXPECT_EQ(back.StoredProps().count(kPropSubject), 1u);
}

}  // namespace
