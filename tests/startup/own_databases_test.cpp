// Own databases: sort orders at creation, droppers, every record layout by
// property id, type and order, the id counters and the shortcut list.
#include "core/db_access.h"
#include "core/id_counters.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/rich_ink_body.h"
#include "core/shortcut_list.h"

#include "tests/startup/volume_probe.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using probe::I4;
using probe::Record;
using probe::Stream;
using probe::Text;

constexpr wchar_t kTestVolume[] = L"\\Temp\\own.vol";
constexpr DWORD kCaseInsensitive = 2;

class OwnDatabasesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(probe::MountVolume(kTestVolume, true)); }
    void TearDown() override
    {
        FreeRichInkBody();
        probe::UnmountVolume();
    }
};

struct CreatorCase {
    const wchar_t* name;
    std::function<int()> create;
    std::function<int()> drop;
    std::vector<CEPROPID> sortProperties;
};

const CreatorCase kCreators[] = {
    {L"QuillonNote", CreateNoteDatabase, DropNoteDatabase,
     {ownprop::Text(2), ownprop::I4(0), ownprop::I4(1), ownprop::Text(5)}},
    {L"QuillonMemo", CreateAnniversaryDatabase, DropAnniversaryDatabase,
     {ownprop::Text(8), ownprop::I4(0), ownprop::I4(12)}},
    {L"QuillonMemo2", CreateAnniversaryTextDatabase, DropAnniversaryTextDatabase, {ownprop::I4(0)}},
    {L"QuillonRest", CreateHolidayDatabase, DropHolidayDatabase, {ownprop::Text(1), ownprop::I4(0)}},
    {L"QuillonShortcut", CreateShortcutDatabase, DropShortcutDatabase, {ownprop::I4(0)}},
    {L"QuillonEnv", CreateIdCounterDatabase, DropIdCounterDatabase, {}},
    {L"QuillonPlan", CreatePlanLinkDatabase, DropPlanLinkDatabase, {ownprop::I4(1), ownprop::I4(2)}},
    {L"QuillonTask", CreateTaskLinkDatabase, DropTaskLinkDatabase, {ownprop::I4(1), ownprop::I4(2)}},
    {L"QuillonNoteOutlook", CreateNoteFileLinkDatabase, DropNoteFileLinkDatabase,
     {ownprop::I4(1), ownprop::Text(2)}},
};

TEST_F(OwnDatabasesTest, CreatorsDeclareTheirSortOrdersAndDroppersRemoveThem)
{
    for (const CreatorCase& c : kCreators) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        EXPECT_EQ(c.drop(), -1);
        EXPECT_EQ(c.create(), 1);
        EXPECT_EQ(c.create(), 0);
        probe::DatabaseShape shape = probe::ReadShape(c.name);
        ASSERT_TRUE(shape.exists);
        ASSERT_EQ(shape.sortOrders.size(), c.sortProperties.size());
        for (size_t i = 0; i < c.sortProperties.size(); ++i) {
            ASSERT_EQ(shape.sortOrders[i].properties.size(), 1u);
            EXPECT_EQ(shape.sortOrders[i].properties[0], c.sortProperties[i]) << "sort order " << i;
            EXPECT_EQ(shape.sortOrders[i].flags[0], kCaseInsensitive) << "sort order " << i;
        }
        EXPECT_EQ(c.drop(), 1);
        EXPECT_FALSE(probe::ReadShape(c.name).exists);
        EXPECT_EQ(c.drop(), -1);
    }
}

struct LayoutCase {
    const char* what;
    const wchar_t* database;
    std::function<void()> insert;
    std::vector<Record> stored;
};

TEST_F(OwnDatabasesTest, RecordsAreStoredPropertyByPropertyInOrder)
{
    static wchar_t time[6] = L"";
    static wchar_t givenTime[6] = L"07:30";
    const LayoutCase cases[] = {
        {"holiday", L"QuillonRest", [] { InsertHolidayRecord(13, L"2005-09-18", L"추석", L"08/15"); },
         {{I4(0, 13), Text(1, L"2005-09-18"), Text(2, L"추석"), Text(3, L"08/15")}}},
        {"shortcut", L"QuillonShortcut", [] { InsertShortcutRecord(1, L"\\Windows\\calc.exe"); },
         {{I4(0, 1), Text(1, L"\\Windows\\calc.exe")}}},
        {"id counters", L"QuillonEnv", [] { InsertIdCounterRecord(10000, 10003, 10007); },
         {{I4(0, 10000), I4(1, 10003), I4(2, 10007)}}},
        {"anniversary text", L"QuillonMemo2", [] { InsertAnniversaryText(10001, L"메모"); },
         {{I4(0, 10001), Text(1, L"메모")}}},
        {"anniversary with empty time", L"QuillonMemo",
         [] {
             InsertAnniversaryRecord(10002, L"어머니 생신", L'1', L"1950-03-04", L'1', L'0', L'1', 4, time, L"1950",
                                     L"3", L"4", 0x1234, L"");
         },
         {{I4(0, 10002), Text(1, L"어머니 생신"), Text(2, L"1"), Text(3, L"1950-03-04"), Text(4, L"1950"),
           Text(5, L"3"), Text(6, L"4"), Text(7, L"1"), Text(8, L"0"), Text(9, L"1"), I4(10, 4), Text(11, L"10:00"),
           I4(12, 0x1234)}}},
        {"anniversary with a time", L"QuillonMemo",
         [] {
             InsertAnniversaryRecord(10003, L"결혼", L'0', L"05/21", L'0', L'1', L'0', 0, givenTime, L"", L"5",
                                     L"21", 77, L"");
         },
         {{I4(0, 10003), Text(1, L"결혼"), Text(2, L"0"), Text(3, L"05/21"), Text(4, L""), Text(5, L"5"),
           Text(6, L"21"), Text(7, L"0"), Text(8, L"1"), Text(9, L"0"), I4(10, 0), Text(11, L"07:30"), I4(12, 77)}}},
        {"plan link", L"QuillonPlan", [] { AddPlanLink(501, 9001); }, {{I4(1, 501), I4(2, 9001)}}},
        {"task link", L"QuillonTask", [] { AddTaskLink(502, 9002); }, {{I4(1, 502), I4(2, 9002)}}},
        {"notes file link", L"QuillonNoteOutlook", [] { AddNoteFileLink(503, L"\\My Documents\\a.pwi"); },
         {{I4(1, 503), Text(2, L"\\My Documents\\a.pwi")}}},
    };
    for (const CreatorCase& c : kCreators)
        c.create();
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.what);
        probe::UnmountVolume();
        ASSERT_TRUE(probe::MountVolume(kTestVolume, true));
        for (const CreatorCase& creator : kCreators)
            creator.create();
        c.insert();
        EXPECT_EQ(probe::ReadRecords(c.database), c.stored);
    }
    EXPECT_STREQ(time, L"10:00");
    EXPECT_STREQ(givenTime, L"07:30");
}

TEST_F(OwnDatabasesTest, AnniversaryNoteGoesToItsTextRecordOnlyWhenNotEmpty)
{
    CreateAnniversaryDatabase();
    CreateAnniversaryTextDatabase();
    wchar_t time[6] = L"09:00";
    InsertAnniversaryRecord(10010, L"a", L'0', L"01/02", L'0', L'3', L'0', 0, time, L"", L"1", L"2", 0, L"");
    InsertAnniversaryRecord(10011, L"b", L'0', L"01/03", L'0', L'3', L'0', 0, time, L"", L"1", L"3", 0, L"적어둔 말");
    std::vector<Record> texts = probe::ReadRecords(L"QuillonMemo2");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], (Record{I4(0, 10011), Text(1, L"적어둔 말")}));
}

TEST_F(OwnDatabasesTest, MemoRecordCarriesTheBodyAndABlankForNoCategory)
{
    CreateNoteDatabase();
    const BYTE body[] = {1, 2, 3, 0, 0xFF};
    ASSERT_TRUE(SetRichInkBody(body, sizeof(body)));

    struct MemoCase {
        const wchar_t* category;
        int32_t view;
        const wchar_t* stored;
        const wchar_t* callerSees;
        CEOID assigneeAfter;
    };
    const MemoCase cases[] = {
        {L"", 7, L" ", L"", 0},
        {L" ", 4, L" ", L"", 88},
        {L"업무", 7, L"업무", L"업무", 0},
    };
    int32_t id = 20000;
    for (const MemoCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.category)));
        wchar_t category[32];
        wcscpy(category, c.category);
        CurrentView = c.view;
        AssigneeOid = 88;
        InsertNoteRecord(++id, L"2024-02-29", category, L"제목", 4242);
        EXPECT_STREQ(category, c.callerSees);
        EXPECT_EQ(AssigneeOid, c.assigneeAfter);
        std::vector<Record> memos = probe::ReadRecords(L"QuillonNote");
        ASSERT_FALSE(memos.empty());
        EXPECT_EQ(memos.back(), (Record{I4(0, id), Text(2, c.stored), Text(4, L"제목"), I4(1, 4242),
                                        Stream(3, std::vector<BYTE>(body, body + sizeof(body))),
                                        Text(5, L"2024-02-29")}));
    }
    CurrentView = 1;
}

Record Counters(long carried, long memo, long anniversary)
{
    return Record{I4(0, carried), I4(1, memo), I4(2, anniversary)};
}

TEST_F(OwnDatabasesTest, CountersStartAt10001AndCarryTheThirdAlong)
{
    CreateIdCounterDatabase();
    InsertIdCounterRecord(10000, 10000, 10000);
    EXPECT_EQ(NextMemoId(), 10001);
    EXPECT_EQ(NextAnniversaryId(), 10001);
    EXPECT_EQ(NextMemoId(), 10002);
    std::vector<Record> stored = probe::ReadRecords(L"QuillonEnv");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0], Counters(10000, 10002, 10001));
}

TEST_F(OwnDatabasesTest, CountersSurviveAFailedWrite)
{
    CreateIdCounterDatabase();
    CreateNoteDatabase();
    CreateAnniversaryDatabase();
    InsertIdCounterRecord(10000, 10004, 10000);

    CeStoreFailNextChange(L"QuillonEnv", 0);
    int32_t memo = NextMemoId();
    EXPECT_EQ(memo, 10005);
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"), std::vector<Record>{Counters(10000, 10004, 10000)});
    // The memo editor stores the memo under the id it was given.
    wchar_t category[8] = L"";
    InsertNoteRecord(memo, L"2024-01-01", category, L"t", 0);
    EXPECT_EQ(NextMemoId(), 10006);
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"), std::vector<Record>{Counters(10000, 10006, 10000)});

    CeStoreFailNextChange(L"QuillonEnv", 0);
    int32_t anniversary = NextAnniversaryId();
    EXPECT_EQ(anniversary, 10001);
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(anniversary, L"t", L'0', L"01/01", L'0', L'3', L'0', 0, time, L"", L"1", L"1", 0, L"");
    EXPECT_EQ(NextAnniversaryId(), 10002);
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"), std::vector<Record>{Counters(10000, 10006, 10002)});
}

TEST_F(OwnDatabasesTest, LostCountersContinueAboveTheLargestIdInUse)
{
    CreateNoteDatabase();
    CreateAnniversaryDatabase();
    wchar_t category[8] = L"";
    for (int32_t id : {10003, 10017, 10009})
        InsertNoteRecord(id, L"2024-01-01", category, L"t", 0);
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(10040, L"t", L'0', L"01/01", L'0', L'3', L'0', 0, time, L"", L"1", L"1", 0, L"");

    // No counter database at all: it is made again.
    EXPECT_EQ(NextMemoId(), 10018);
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"), std::vector<Record>{Counters(10000, 10018, 10000)});
    EXPECT_EQ(NextAnniversaryId(), 10041);

    // A counter database without its record.
    ASSERT_EQ(DropIdCounterDatabase(), 1);
    CreateIdCounterDatabase();
    EXPECT_EQ(NextAnniversaryId(), 10041);
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"), std::vector<Record>{Counters(10000, 10000, 10041)});

    // Nothing in use: the first ids.
    DropNoteDatabase();
    DropAnniversaryDatabase();
    DropIdCounterDatabase();
    EXPECT_EQ(NextMemoId(), 10001);
}

TEST_F(OwnDatabasesTest, ShortcutListReadsFromNumberOneInOrder)
{
    struct ShortcutCase {
        const char* what;
        std::vector<int> orders;
        int longPathOrder;  // the record with a 300-character path, 0 for none
        std::vector<std::wstring> expected;
    };
    auto path = [](int n) { return L"\\Program Files\\p" + std::to_wstring(n) + L".exe"; };
    std::vector<int> twentyFive;
    std::vector<std::wstring> firstTwenty;
    for (int n = 1; n <= 25; ++n)
        twentyFive.push_back(n);
    for (int n = 1; n <= 20; ++n)
        firstTwenty.push_back(path(n));
    const ShortcutCase cases[] = {
        {"none", {}, 0, {}},
        {"starts at 2", {2, 3}, 0, {}},
        {"in order whatever the insert order", {3, 1, 2}, 0, {path(1), path(2), path(3)}},
        {"at most 20", twentyFive, 0, firstTwenty},
        {"an over-long path is left out", {1, 2, 3}, 2, {path(1), path(3)}},
    };
    for (const ShortcutCase& c : cases) {
        SCOPED_TRACE(c.what);
        DropShortcutDatabase();
        CreateShortcutDatabase();
        for (int order : c.orders) {
            std::wstring p = order == c.longPathOrder ? L"\\" + std::wstring(299, L'x') : path(order);
            InsertShortcutRecord(order, p.c_str());
        }
        ShortcutPathCount = -1;
        LoadShortcutList();
        ASSERT_EQ(ShortcutPathCount, static_cast<int>(c.expected.size()));
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(std::wstring(ShortcutPathTable[i]), c.expected[i]) << "entry " << i;
    }
    DropShortcutDatabase();
    LoadShortcutList();
    EXPECT_EQ(ShortcutPathCount, 0);
}

}  // namespace
