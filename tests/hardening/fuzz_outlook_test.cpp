// The object model's decoders under mutated fixtures: the recurrence,
// exceptions and recipients blobs, restriction texts, and stored records on
// their way into an item and back. A recurrence read must be one the
// platform keeps and every consumer must answer it; what is read is
// written back as read.
#include "platform/outlook/record_blobs.h"
#include "platform/outlook/record_codec.h"
#include "platform/outlook/restriction.h"

#include "tests/hardening/fuzz_kit.h"
#include "tests/hardening/stored_records.h"
#include "tests/hardening/rule_cases.h"
#include "tests/outlook/model_fixtures.h"

#include "platform/ceplat/byte_fields.h"

#include <gtest/gtest.h>

#include <map>

using namespace poom;

namespace hardening {
namespace {

using fuzz::Bytes;
using fuzz::LengthField;
using fuzz::Seed;
using fuzz::Utf16;
using Writer = ce::ByteWriter<Bytes>;

// ---- recurrence ----------------------------------------------------------------

std::string DayText(long day)
{
    CivilDate date = DateOfDayNumber(day);
    return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

// The fields of the 37 bytes worth corrupting: every 32-bit one.
const std::vector<LengthField> kRuleFields = {{4, 4}, {9, 4}, {13, 4}, {17, 4}, {21, 4}, {25, 4}, {29, 4}, {33, 4},
                                              {2, 2}, {8, 1}};

std::vector<Seed> RuleSeeds()
{
    std::vector<Seed> seeds;
    for (size_t i = 0; i < kRuleCaseCount; ++i)
        seeds.push_back({RuleBlob(kRuleCases[i].fields), kRuleFields});
    for (int16_t type : {0, 1, 2, 3, 5, 6}) {
        RuleFields fields = {type, DayNumber(2024, 1, 31), 2, 0, 10, 1, 2 | 16, 31, 5, 2};
        seeds.push_back({RuleBlob(fields), kRuleFields});
        fields.end = 1;
        fields.endDay = DayNumber(2030, 6, 30);
        seeds.push_back({RuleBlob(fields), kRuleFields});
    }
    return seeds;
}

// A short rule walked whole from its start agrees with what is worked out
// by arithmetic: its count, its last day, and each day found on its own.
void CheckAgainstAWholeWalk(const RecurrenceRule& rule)
{
    constexpr long kLongestWalk = 5000;
    bool shortCount = rule.end == RecurrenceEnd::ByCount && rule.occurrences <= kLongestWalk;
    bool shortRange = rule.end == RecurrenceEnd::ByDate && rule.endDay - rule.startDay <= kLongestWalk;
    if (!rule.Recurs() || !(shortCount || shortRange))
        return;
    long count = 0;
    long previous = rule.startDay - 1;
    ForEachOccurrenceDay(rule, rule.startDay, kLastSupportedDay, [&](long day) {
        ++count;
        if (count % 97 == 1) {
            EXPECT_TRUE(IsOccurrenceDay(rule, day)) << DayText(day);
            EXPECT_EQ(NextOccurrenceDay(rule, previous).value_or(0), day) << DayText(day);
        }
        previous = day;
        return true;
    });
    if (shortCount) {
        EXPECT_EQ(count, rule.occurrences);
    }
    std::optional<long> last = LastOccurrenceDay(rule);
    EXPECT_EQ(last.value_or(rule.startDay - 1), previous);
    EXPECT_FALSE(NextOccurrenceDay(rule, previous).has_value());
}

TEST(Fuzz, RecurrenceBlob)
{
    int input = 0;
    fuzz::Run("recurrence", RuleSeeds(), [&](const uint8_t* data, size_t size) {
        RecurrenceRule rule;
        if (!DecodeRecurrence(data, size, &rule)) {
            EXPECT_EQ(rule, RecurrenceRule{});
            return false;
        }
        EXPECT_TRUE(RuleInRange(rule));
        EXPECT_EQ(EncodeRecurrence(rule), Bytes(data, data + size));
        CheckAgainstAWholeWalk(rule);
        // Around the rule's start, and around a day of this century.
        CheckRuleConsumers(rule, (++input % 2) ? std::max<long>(rule.startDay - 3, kFirstSupportedDay)
                                               : DayNumber(2024, 1, 1));
        return true;
    });
}

// ---- exceptions and recipients -----------------------------------------------------

// A writer that notes where its length and count fields are.
class SeedWriter {
public:
    void U8(uint8_t v) { out_.PutU8(v); }
    void U32(uint32_t v) { out_.PutU32LE(v); }
    void U64(uint64_t v) { out_.PutU64LE(v); }
    void Count16(uint16_t v) { Field(2); out_.PutU16LE(v); }
    void Text(const std::wstring& text)
    {
        Count16(static_cast<uint16_t>(text.size()));
        for (wchar_t c : text)
            out_.PutU16LE(static_cast<uint16_t>(c));
    }
    void Blob(const Bytes& bytes)
    {
        Field(4);
        out_.PutU32LE(static_cast<uint32_t>(bytes.size()));
        out_.PutBytes(bytes.data(), bytes.size());
    }
    Seed Take() { return Seed{out_.Take(), lengths_}; }

private:
    void Field(int width) { lengths_.push_back({out_.Size(), width}); }
    Writer out_;
    std::vector<LengthField> lengths_;
};

Seed ExceptionsSeed()
{
    SeedWriter w;
    w.Count16(1);  // version
    w.Count16(2);
    w.U64(0x01DA54ED093FA800ull);  // 2024-02-01 09:00
    w.U8(0);
    w.Count16(6);
    w.U32(MAKEPROPID(0x20, CEVT_LPWSTR));
    w.Text(L"바뀐 회의");
    w.U32(MAKEPROPID(0x43, CEVT_FILETIME));
    w.U64(0x01DA551F53DA1800ull);
    w.U32(MAKEPROPID(0x9001, CEVT_R8));
    w.U64(0x3FF8000000000000ull);
    w.U32(MAKEPROPID(0x9002, CEVT_BOOL));
    w.U32(5);
    w.U32(MAKEPROPID(0x9003, CEVT_BLOB));
    w.Blob({1, 2, 3});
    w.U32(MAKEPROPID(0x9004, CEVT_UI2));
    w.U32(0xFFFF);
    w.U64(0x01DA5A6D3223E800ull);  // 2024-02-08 09:00
    w.U8(1);
    w.Count16(0);
    return w.Take();
}

Seed RecipientsSeed()
{
    SeedWriter w;
    w.Count16(1);  // version
    w.Count16(2);
    w.Text(L"박영희");
    w.Text(L"young@example.kr");
    w.Text(L"");
    w.Text(L"someone@example.kr");
    return w.Take();
}

TEST(Fuzz, ExceptionsBlob)
{
    fuzz::Run("exceptions", {ExceptionsSeed()}, [](const uint8_t* data, size_t size) {
        std::vector<OccurrenceException> exceptions;
        if (!DecodeExceptions(data, size, &exceptions))
            return false;
        // What was read is written so that it reads the same.
        std::vector<BYTE> again = EncodeExceptions(exceptions);
        std::vector<OccurrenceException> reread;
        EXPECT_TRUE(DecodeExceptions(again.data(), again.size(), &reread));
        EXPECT_EQ(EncodeExceptions(reread), again);
        return true;
    });
}

TEST(Fuzz, RecipientsBlob)
{
    fuzz::Run("recipients", {RecipientsSeed()}, [](const uint8_t* data, size_t size) {
        std::vector<Recipient> recipients;
        if (!DecodeRecipients(data, size, &recipients))
            return false;
        EXPECT_EQ(EncodeRecipients(recipients), Bytes(data, data + size));
        return true;
    });
}

// ---- restriction texts -------------------------------------------------------------


// Whole conditions with their joiners, which keep a query whole at its end,
// and the bare tokens of the query language, which mostly break it.
std::vector<Bytes> QueryPieces()
{
    std::vector<Bytes> pieces;
    for (const wchar_t* piece :
         {L" AND [Subject] <> \"y\"", L" OR [Duration] >= 30", L" AND ([AllDayEvent] = 1)",
          L" OR ([End] < \"3/1/24 12:00\" AND [Start] >= \"1/1/24\")", L" AND [Location] = \"\"\"\"",
          L" OR [Sensitivity] <> -1", L" AND ([BusyStatus] = 2 OR ([Duration] < 99999999999999999999))",
          L" OR [Start] = \"13/45/99\"", L"(", L")", L" AND ", L" OR ", L"[Start]", L"\"", L"<=", L"<>"})
        pieces.push_back(Utf16(piece));
    return pieces;
}

Seed QuerySeed(const std::wstring& query)
{
    return Seed{Utf16(query), {}, QueryPieces(), 2};
}

TEST(Fuzz, RestrictionText)
{
    const std::vector<Seed> seeds = {
        QuerySeed(L"[Start] <= \"02/06/24 23:59\" AND [End] >= \"01/01/24\""),
        QuerySeed(L"([Subject] = \"회의\" OR [Location] <> \"본사\") AND [AllDayEvent] = 0"),
        QuerySeed(L"[Duration] > 30 OR ([Sensitivity] = 2 AND ([BusyStatus] >= 1))"),
        QuerySeed(L"[Subject] = \"a \"\"quoted\"\" word\" AND [Start] > \"12/31/29\""),
        QuerySeed(std::wstring(60, L'(') + L"[Subject] = \"x\"" + std::wstring(60, L')')),
    };
    ItemData meeting = fixtures::Appointment(1, L"회의", MakeDate(2024, 1, 15, 9, 0), MakeDate(2024, 1, 15, 10, 0));
    fixtures::ItemFields fields(meeting);
    fuzz::Run("restriction text", seeds, [&](const uint8_t* data, size_t size) {
        std::wstring query(size / 2, L'\0');
        for (size_t i = 0; i < query.size(); ++i)
            query[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
        auto restriction = Restriction::Parse(ItemKind::Appointment, query, L"MM/dd/yy");
        if (!restriction)
            return false;
        restriction->Matches(fields);
        StartWindow window = restriction->StartWindowFor(1.0 / 24);
        EXPECT_FALSE(window.from != window.from || window.to != window.to);  // never NaN
        return true;
    });
}

// ---- stored records into items and back --------------------------------------------

bool IsRebuilt(CEPROPID prop)
{
    return prop == kPropRecurrence || prop == kPropExceptions || prop == kPropRecipients ||
           prop == kPropContactNumber || prop == kPropCategoryCount || prop == kPropCategoryMask;
}

Seed ItemRecordSeed()
{
    using fuzz::LittleEndian;
    using fuzz::StoredProperty;
    return fuzz::StoredRecordSeed({
        StoredProperty(kPropSubject, Utf16(L"주간 회의")),
        StoredProperty(kPropStart, LittleEndian(0x01DA4C3D6A1C4D5Eull, 8)),  // with a part of a second
        StoredProperty(kPropEnd, LittleEndian(0x01DA4C45CB1F8000ull, 8)),
        StoredProperty(kPropReminderSet, LittleEndian(1, 2)),
        StoredProperty(kPropReminderMinutes, LittleEndian(15, 4)),
        StoredProperty(MAKEPROPID(0x9001, CEVT_R8), LittleEndian(0x3FF8000000000000ull, 8)),
        StoredProperty(MAKEPROPID(0x9002, CEVT_BOOL), LittleEndian(5, 4)),
        StoredProperty(MAKEPROPID(0x9003, CEVT_FILETIME), LittleEndian(0x01DA4C3D6A1C4D5Full, 8)),
        StoredProperty(MAKEPROPID(0x9004, CEVT_UI4), LittleEndian(0xFFFFFFF0, 4)),
        StoredProperty(MAKEPROPID(0x9005, CEVT_STREAM), {9, 8, 7}),
        StoredProperty(kPropRecurrence, RuleBlob({1, DayNumber(2024, 1, 1), 2, 0, 10, 2, 2 | 16})),
        StoredProperty(kPropExceptions, ExceptionsSeed().bytes),
        StoredProperty(kPropRecipients, RecipientsSeed().bytes),
    });
}

TEST(Fuzz, StoredRecordIntoAnItemAndBack)
{
    fuzz::Run("item record", {ItemRecordSeed()}, [](const uint8_t* data, size_t size) {
        fuzz::ReadRecord record;
        if (!fuzz::ReadStoredRecord(data, size, &record))
            return false;
        const CEPROPVAL* values = record.Values();
        const WORD count = record.count;
        // The last value of each property is the one a record keeps.
        std::map<CEPROPID, std::string> stored;
        for (WORD i = 0; i < count; ++i)
            stored[values[i].propid] = store::StoredValueBytes(TypeFromPropID(values[i].propid), values[i].val);
        for (ItemKind kind : {ItemKind::Contact, ItemKind::Appointment, ItemKind::Task}) {
            ItemData item = DecodeRecord(kind, 0x1234, values, count);
            RecordWrite write(item, CategoryMarks{});
            std::map<CEPROPID, std::string> written;
            for (WORD i = 0; i < write.Count(); ++i) {
                const CEPROPVAL& value = write.Values()[i];
                if (!(value.wFlags & CEDB_PROPDELETE))
                    written[value.propid] = store::StoredValueBytes(TypeFromPropID(value.propid), value.val);
            }
            for (const auto& [prop, bytes] : stored) {
                if (IsRebuilt(prop))
                    continue;
                auto it = written.find(prop);
                if (it == written.end())
                    ADD_FAILURE() << std::hex << "property " << prop << " was not written back";
                else
                    EXPECT_EQ(it->second, bytes) << std::hex << "property " << prop << " changed";
            }
            if (kind == ItemKind::Appointment)
                CheckRuleConsumers(item.Rule(), DayNumber(2024, 1, 1));
        }
        return true;
    });
}

}  // namespace
}  // namespace hardening
