// The received-message database through every reading and changing export:
// the phone's order, kinds, statuses and filters, cut texts, odd records,
// empty and missing databases, walks, marks, deletes and indexes outside.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

using smalltest::Message;
using standins::SmsMessage;

namespace {

constexpr wchar_t kCannotOpen[] = L"DB를 Open 할 수 없습니다.";

SMSDATA Filled()
{
    SMSDATA data = {};
    data.status = 77;
    wcscpy(data.received, L"before");
    wcscpy(data.sender, L"before");
    wcscpy(data.callback, L"before");
    wcscpy(data.text, L"before");
    return data;
}

bool Untouched(const SMSDATA& data)
{
    return data.status == 77 && wcscmp(data.received, L"before") == 0 && wcscmp(data.sender, L"before") == 0 &&
           wcscmp(data.callback, L"before") == 0 && wcscmp(data.text, L"before") == 0;
}

SmsMessage OfKind(double arrival, WORD kind, WORD status = 0)
{
    SmsMessage message = Message(arrival, L"kind " + std::to_wstring(kind), status);
    message.kind = kind;
    return message;
}

// The record's properties without the one of that id, or with its type
// changed (the value kept as the same bits).
std::vector<CEPROPVAL> Without(const std::vector<CEPROPVAL>& props, WORD id)
{
    std::vector<CEPROPVAL> kept;
    for (const CEPROPVAL& prop : props) {
        if (PropIdFromPropID(prop.propid) != id || TypeFromPropID(prop.propid) == CEVT_R8)
            kept.push_back(prop);
    }
    return kept;
}

std::vector<CEPROPVAL> Retyped(std::vector<CEPROPVAL> props, WORD id, WORD oldType, WORD newType, long value)
{
    for (CEPROPVAL& prop : props) {
        if (prop.propid == MAKEPROPID(id, oldType)) {
            prop.propid = MAKEPROPID(id, newType);
            prop.val.lVal = value;
        }
    }
    return props;
}

class SmsReaders : public testing::Test {
protected:
    static void SetUpTestSuite() { smalltest::StartPhone(); }
    void SetUp() override { smalltest::DeleteSmsDatabase(); }
};

}  // namespace

TEST_F(SmsReaders, NewestComesFirstWhateverTheWriteOrder)
{
    smalltest::WriteMessages({Message(2, L"middle"), Message(3, L"newest"), Message(1, L"oldest")});
    EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 3);
    const wchar_t* expected[] = {L"newest", L"middle", L"oldest"};
    for (unsigned i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, i), 1);
        EXPECT_STREQ(data.text, expected[i]);
        EXPECT_STREQ(data.sender, L"0101234567");
        EXPECT_STREQ(data.callback, L"0107654321");
        EXPECT_EQ(data.status, 77) << "GetRecord writes no status";
    }
    SMSDATA last = Filled();
    EXPECT_EQ(Telvo_EXT_GetLastSMSRecord(&last), 1);
    EXPECT_STREQ(last.text, L"newest");
    EXPECT_STREQ(last.received, L"2005-03-13 09:30:00");
    EXPECT_EQ(last.status, 77) << "GetLastSMSRecord writes no status";
}

TEST_F(SmsReaders, OnlyKindOneIsAMessage)
{
    smalltest::WriteMessages({OfKind(3, 0), OfKind(2, 1), OfKind(1, 2)});
    struct KindCase {
        unsigned index;
        int result;
        const wchar_t* text;
    };
    const KindCase cases[] = {{0, 0, L""}, {1, 1, L"kind 1"}, {2, 0, L""}};
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.index);
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, c.index), c.result);
        EXPECT_STREQ(data.text, c.text);
        EXPECT_STREQ(data.sender, c.result ? L"0101234567" : L"");
    }
    SMSDATA data = Filled();
    EXPECT_EQ(Telvo_EXT_GetSMSMsgFirst(&data, TELVO_FILTER_ANY), 2);
    EXPECT_STREQ(data.text, L"kind 1");
    EXPECT_EQ(Telvo_EXT_GetSMSMsgNext(&data, 2, TELVO_FILTER_ANY), -1);
    EXPECT_STREQ(data.text, L"kind 2") << "the last record scanned stays in the data";
    // The newest record is given whatever its kind.
    EXPECT_EQ(Telvo_EXT_GetLastSMSRecord(&data), 1);
    EXPECT_STREQ(data.text, L"kind 0");
}

TEST_F(SmsReaders, StatusesAgainstFilters)
{
    struct FilterCase {
        WORD status;
        unsigned filter;
        bool matches;
    };
    const FilterCase cases[] = {
        {0, TELVO_FILTER_ANY, true}, {1, TELVO_FILTER_ANY, true}, {3, TELVO_FILTER_ANY, true},
        {0, TELVO_FILTER_UNREAD, true}, {1, TELVO_FILTER_UNREAD, false}, {3, TELVO_FILTER_UNREAD, true},
        {0, TELVO_FILTER_READ, false}, {1, TELVO_FILTER_READ, true}, {3, TELVO_FILTER_READ, false},
        {0, 2, false}, {1, 2, false}, {3, 2, false},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "status " << c.status << " filter " << c.filter);
        // A record of another kind with a matching status comes first and must not count.
        smalltest::WriteMessages({OfKind(2, 5, c.status), Message(1, L"message", c.status)});
        EXPECT_EQ(Telvo_EXT_GetFindMsgRead(c.filter), c.matches ? 1 : 0);
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetSMSMsgFirst(&data, c.filter), c.matches ? 2 : -1);
        EXPECT_EQ(data.status, c.status);
        EXPECT_STREQ(data.text, L"message");
    }
}

TEST_F(SmsReaders, WalksGoFromMatchToMatch)
{
    smalltest::WriteMessages({Message(6, L"a", 0), OfKind(5, 2), Message(4, L"b", 1), Message(3, L"c", 3),
                              Message(2, L"d", 1)});
    struct Step {
        int start;  // -1: First
        unsigned filter;
        int next;
        const wchar_t* text;
    };
    const Step steps[] = {
        {-1, TELVO_FILTER_ANY, 1, L"a"}, {1, TELVO_FILTER_ANY, 3, L"b"}, {3, TELVO_FILTER_ANY, 4, L"c"},
        {4, TELVO_FILTER_ANY, 5, L"d"},  {5, TELVO_FILTER_ANY, -1, L"before"},
        {-1, TELVO_FILTER_READ, 3, L"b"}, {3, TELVO_FILTER_READ, 5, L"d"},
        {-1, TELVO_FILTER_UNREAD, 1, L"a"}, {1, TELVO_FILTER_UNREAD, 4, L"c"}, {4, TELVO_FILTER_UNREAD, -1, L"d"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "start " << s.start << " filter " << s.filter);
        SMSDATA data = Filled();
        int next = s.start < 0 ? Telvo_EXT_GetSMSMsgFirst(&data, s.filter)
                               : Telvo_EXT_GetSMSMsgNext(&data, s.start, s.filter);
        EXPECT_EQ(next, s.next);
        EXPECT_STREQ(data.text, s.text);
    }
}

TEST_F(SmsReaders, LongTextsAreCutToTheirFields)
{
    SmsMessage message = Message(1, std::wstring(1500, L'가'));
    message.received = std::wstring(25, L'1');
    message.sender = std::wstring(40, L'2');
    message.callback = std::wstring(31, L'3');
    smalltest::WriteMessages({message});
    SMSDATA data = Filled();
    ASSERT_EQ(Telvo_EXT_GetRecord(&data, 0), 1);
    EXPECT_EQ(std::wstring(data.received), std::wstring(19, L'1'));
    EXPECT_EQ(std::wstring(data.sender), std::wstring(29, L'2'));
    EXPECT_EQ(std::wstring(data.callback), std::wstring(29, L'3'));
    EXPECT_EQ(std::wstring(data.text), std::wstring(1023, L'가'));
}

TEST_F(SmsReaders, MissingOrOtherTypedPropertiesReadAsNothing)
{
    SmsMessage message = Message(1, L"odd");
    message.status = 1;
    std::vector<CEPROPVAL> noSender = Without(standins::SmsRecordProps(message), 21040);
    std::vector<CEPROPVAL> statusAsLong = Retyped(standins::SmsRecordProps(message), 21090, CEVT_UI2, CEVT_I4, 1);
    std::vector<CEPROPVAL> kindAsLong = Retyped(standins::SmsRecordProps(message), 21010, CEVT_UI2, CEVT_I4, 1);
    std::vector<CEPROPVAL> textAsNumber = Retyped(standins::SmsRecordProps(message), 21080, CEVT_LPWSTR, CEVT_I4, 5);
    struct OddCase {
        const wchar_t* name;
        const std::vector<CEPROPVAL>* props;
        int result;
        const wchar_t* sender;
        const wchar_t* text;
        int status;  // as the walk reads it
    };
    const OddCase cases[] = {
        {L"no sender", &noSender, 1, L"", L"odd", 1},
        {L"status of another type", &statusAsLong, 1, L"0101234567", L"odd", 0},
        {L"kind of another type", &kindAsLong, 0, L"", L"", 1},
        {L"text of another type", &textAsNumber, 1, L"0101234567", L"", 1},
    };
    for (const OddCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        smalltest::DeleteSmsDatabase();
        smalltest::WriteProps(*c.props);
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, 0), c.result);
        EXPECT_STREQ(data.sender, c.sender);
        EXPECT_STREQ(data.text, c.text);
        SMSDATA walked = Filled();
        Telvo_EXT_GetSMSMsgFirst(&walked, TELVO_FILTER_ANY);
        EXPECT_EQ(walked.status, c.status);
    }
}

TEST_F(SmsReaders, AnEmptyDatabase)
{
    smalltest::WriteMessages({});
    boxwatch::SeenBox box = smalltest::BoxOf([] {
        EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 0);
        EXPECT_EQ(Telvo_EXT_GetFindMsgRead(TELVO_FILTER_READ), 1);
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, 0), 0);
        EXPECT_EQ(Telvo_EXT_GetSMSMsgFirst(&data, TELVO_FILTER_ANY), -1);
        EXPECT_EQ(Telvo_EXT_GetLastSMSRecord(&data), 0);
        EXPECT_TRUE(Untouched(data));
        EXPECT_EQ(Telvo_EXT_DeleteAllRecord(), 0);
    });
    EXPECT_FALSE(box.seen) << "an empty database is no failure";
}

TEST_F(SmsReaders, AMissingDatabase)
{
    struct MissingCase {
        const wchar_t* name;
        int (*call)(SMSDATA*);
        int result;
        bool box;
    };
    const MissingCase cases[] = {
        {L"total", [](SMSDATA*) { return Telvo_EXT_GetRecordTotal(); }, 0, true},
        {L"record", [](SMSDATA* data) { return Telvo_EXT_GetRecord(data, 0); }, 0, true},
        {L"delete", [](SMSDATA*) { return Telvo_EXT_DeleteRecord(0); }, 0, true},
        {L"delete all", [](SMSDATA*) { return Telvo_EXT_DeleteAllRecord(); }, 0, true},
        {L"find", [](SMSDATA*) { return Telvo_EXT_GetFindMsgRead(TELVO_FILTER_ANY); }, 0, false},
        {L"last", [](SMSDATA* data) { return Telvo_EXT_GetLastSMSRecord(data); }, 0, false},
        {L"first", [](SMSDATA* data) { return Telvo_EXT_GetSMSMsgFirst(data, TELVO_FILTER_ANY); }, -1, false},
        {L"next", [](SMSDATA* data) { return Telvo_EXT_GetSMSMsgNext(data, 0, TELVO_FILTER_ANY); }, -1, false},
        {L"mark read", [](SMSDATA*) { return Telvo_EXT_SetRecordStatus(0, 1); }, 0, false},
    };
    for (const MissingCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        SMSDATA data = Filled();
        int result = 99;
        boxwatch::SeenBox box = smalltest::BoxOf([&] { result = c.call(&data); });
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(Untouched(data));
        EXPECT_EQ(box.seen, c.box);
        if (c.box) {
            EXPECT_EQ(box.caption, L"Telvo");
            EXPECT_EQ(box.text, kCannotOpen);
        }
    }
    EXPECT_TRUE(smalltest::StoredRecords().empty()) << "no export creates the database";
}

TEST_F(SmsReaders, MarkingReadChangesOnlyTheStatus)
{
    SmsMessage withStatus = Message(2, L"unread", 3);
    withStatus.extra21020 = -5;
    withStatus.extra21060 = 60000;
    withStatus.extra21070 = 7;
    smalltest::WriteMessages({withStatus});
    smalltest::WriteProps(Without(standins::SmsRecordProps(Message(1, L"no status")), 21090));
    auto before = smalltest::StoredRecords();
    ASSERT_EQ(before.size(), 2u);

    EXPECT_EQ(Telvo_EXT_SetRecordStatus(0, 0), 1) << "the status argument is not used";
    EXPECT_EQ(Telvo_EXT_SetRecordStatus(1, 0), 1);

    auto after = smalltest::StoredRecords();
    for (smalltest::StoredProp& prop : before[0]) {
        if (prop.propid == MAKEPROPID(21090, CEVT_UI2))
            prop.number = 1;
    }
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]) << "a missing status is not created";
}

TEST_F(SmsReaders, DeletesTakeTheRecordAtTheIndex)
{
    smalltest::WriteMessages({Message(1, L"oldest"), Message(3, L"newest"), Message(2, L"middle")});
    EXPECT_EQ(Telvo_EXT_DeleteRecord(1), 1);
    SMSDATA data = Filled();
    EXPECT_EQ(Telvo_EXT_GetRecord(&data, 1), 1);
    EXPECT_STREQ(data.text, L"oldest");
    EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 2);

    std::vector<smalltest::PhonePacket> packets = smalltest::PacketsOf([] { EXPECT_EQ(Telvo_EXT_DeleteAllRecord(), 0); });
    EXPECT_TRUE(packets.empty()) << "deleting all tells the phone nothing";
    EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 0);
}

TEST_F(SmsReaders, IndexesOutsideTheRecordsTouchNothing)
{
    smalltest::WriteMessages({Message(2, L"b", 0), Message(1, L"a", 0)});
    const auto before = smalltest::StoredRecords();
    Telvo_EXT_Dial(L"", 1, L"");  // a known code before
    std::vector<smalltest::PhonePacket> packets = smalltest::PacketsOf([] {
        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, 2), 0);
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, 0xFFFFFFFFu), 0);
        EXPECT_EQ(Telvo_EXT_GetSMSMsgNext(&data, 2, TELVO_FILTER_ANY), -1);
        EXPECT_EQ(Telvo_EXT_GetSMSMsgNext(&data, -1, TELVO_FILTER_ANY), -1);
        EXPECT_TRUE(Untouched(data));
        EXPECT_EQ(Telvo_EXT_SetRecordStatus(2, 1), 0);
        EXPECT_EQ(Telvo_EXT_SetRecordStatus(-1, 1), 0);
        EXPECT_EQ(Telvo_EXT_DeleteRecord(2), 0);
        EXPECT_EQ(Telvo_EXT_DeleteRecord(-1), 0);
    });
    EXPECT_TRUE(packets.empty());
    EXPECT_EQ(smalltest::StoredRecords(), before);
    EXPECT_EQ(Telvo_EXT_GetLastError(), TELVO_DIAL_NUMBER_EMPTY);
}

TEST_F(SmsReaders, ADatabaseSortedOtherwiseKeepsItsOrders)
{
    struct OrderCase {
        const wchar_t* name;
        WORD sortOrders;
        CEPROPID sortProp;
    };
    const OrderCase cases[] = {
        {L"by the text key", 1, MAKEPROPID(21030, CEVT_LPWSTR)},
        {L"no sort order", 0, 0},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        smalltest::DeleteSmsDatabase();
        CEGUID store;
        CREATE_SYSTEMGUID(&store);
        CEDBASEINFOEX info = {};
        info.wVersion = CEDBASEINFOEX_VERSION;
        info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
        wcscpy(info.szDbaseName, L"SMS_RECEIVE");
        info.wNumSortOrder = c.sortOrders;
        info.rgSortSpecs[0].wVersion = SORTORDERSPECEX_VERSION;
        info.rgSortSpecs[0].wNumProps = 1;
        info.rgSortSpecs[0].rgPropID[0] = c.sortProp;
        CEOID oid = CeCreateDatabaseEx2(&store, &info);
        ASSERT_NE(oid, 0u);
        // Stored oldest first: without the phone's order index 0 is the first stored.
        smalltest::WriteProps(standins::SmsRecordProps(Message(1, L"first stored")));
        smalltest::WriteProps(standins::SmsRecordProps(Message(2, L"second stored")));

        SMSDATA data = Filled();
        EXPECT_EQ(Telvo_EXT_GetRecord(&data, 0), 1);
        EXPECT_STREQ(data.text, L"first stored");
        EXPECT_EQ(Telvo_EXT_SetRecordStatus(1, 1), 1);
        EXPECT_EQ(Telvo_EXT_GetSMSMsgFirst(&data, TELVO_FILTER_READ), 2);

        CEOIDINFOEX after = {};
        after.wVersion = CEOIDINFOEX_VERSION;
        ASSERT_TRUE(CeOidGetInfoEx2(&store, oid, &after));
        EXPECT_EQ(after.infDatabase.wNumSortOrder, c.sortOrders);
        if (c.sortOrders) {
            EXPECT_EQ(after.infDatabase.rgSortSpecs[0].rgPropID[0], c.sortProp);
        }
    }
}
