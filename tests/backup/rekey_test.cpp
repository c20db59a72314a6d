// Re-keying the diary's rows as a restore saves each item: by contact, by
// item, memos taking new ids, each row's key moved once however the new ids
// meet the old ones.
#include "backup/rekey.h"
#include "backup/state.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/db_access.h"
#include "core/record_layouts.h"

#include "tests/backup/crafted_files.h"
#include "tests/backup/diary_fixture.h"

namespace backuptest {
namespace {

using RekeyTest = DiaryTest;

std::vector<std::wstring> Rows(const wchar_t* database)
{
    std::vector<std::wstring> rows;
    for (const std::wstring& line : DumpDatabase(database))
        rows.push_back(RowValues(line));
    return rows;
}

std::wstring Link(CEOID contact, CEOID item)
{
    return L"10003=" + std::to_wstring(static_cast<int32_t>(contact)) + L" 20003=" +
           std::to_wstring(static_cast<int32_t>(item));
}

std::wstring Counters(int32_t memo)
{
    return L"3=10000 10003=" + std::to_wstring(memo) + L" 20003=10000";
}

CEOID OnlyId(int folder)
{
    std::vector<CEOID> ids = ItemIds(folder);
    EXPECT_EQ(ids.size(), 1u);
    return ids.empty() ? 0 : ids[0];
}

TEST_F(RekeyTest, AContactsLinksTakeItsNewIdAndThenTheirItemsNewIds)
{
    Bytes file = Head(7) + kCounterRecord + Field(3, 1, "2147483749") + Field(3, 2, "11") + Field(3, 1, "2147483749") +
                 Field(3, 2, "12") + Field(6, 1, "2147483749") + Field(6, 2, "13") + ContactRecord("2147483749") +
                 AppointmentRecord("11") + TaskRecord("13");
    // The second appointment link names an appointment the file lacks.
    ASSERT_TRUE(Restore(file));
    CEOID contact = OnlyId(olFolderContacts);
    CEOID appointment = OnlyId(olFolderCalendar);
    CEOID task = OnlyId(olFolderTasks);
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(contact, appointment), Link(contact, 12)}));
    EXPECT_EQ(Rows(L"QuillonTask"), (std::vector<std::wstring>{Link(contact, task)}));
}

TEST_F(RekeyTest, ThreeAppointmentsOfOneContact)
{
    Bytes file = Head(8) + kCounterRecord;
    for (const char* item : {"11", "12", "13"})
        file += Field(3, 1, "2147483749") + Field(3, 2, item);
    file += ContactRecord("2147483749") + AppointmentRecord("11") + AppointmentRecord("12") + AppointmentRecord("13");
    ASSERT_TRUE(Restore(file));
    CEOID contact = OnlyId(olFolderContacts);
    std::vector<CEOID> appointments = ItemIds(olFolderCalendar);
    ASSERT_EQ(appointments.size(), 3u);
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(contact, appointments[0]), Link(contact, appointments[1]),
                                                                Link(contact, appointments[2])}));
}

TEST_F(RekeyTest, AContactsMemosTakeNewIdsFromTheCounterOthersKeepTheirs)
{
    Bytes file = Head(6) + Field(5, 1, "10000") + Field(5, 2, "10050") + Field(5, 3, "10000") +
                 Field(7, 1, "10001") + Field(7, 2, "a") + Field(7, 3, "first") + Field(7, 4, "2147483749") +
                 Field(7, 5, "2007-05-31") + Field(7, 6, Bytes{1, 2}) +
                 Field(7, 1, "10002") + Field(7, 3, "free") + Field(7, 4, "0") + Field(7, 6, Bytes{3}) +
                 Field(7, 1, "10003") + Field(7, 2, "b") + Field(7, 3, "second") + Field(7, 4, "2147483749") +
                 Field(7, 5, "2007-06-01") + Field(7, 6, Bytes{4}) +
                 ContactRecord("2147483749") + ContactRecord("2147483750");
    ASSERT_TRUE(Restore(file));
    std::vector<CEOID> contacts = ItemIds(olFolderContacts);
    ASSERT_EQ(contacts.size(), 2u);
    std::wstring contact = std::to_wstring(static_cast<int32_t>(contacts[0]));
    EXPECT_EQ(Rows(L"QuillonNote"),
              (std::vector<std::wstring>{
                  L"3=10051 2001f=\"a\" 4001f=\"first\" 10003=" + contact + L" 30064=[2:1 2 ] 5001f=\"2007-05-31\"",
                  L"3=10002 2001f=\" \" 4001f=\"free\" 10003=0 30064=[1:3 ] 5001f=\"\"",
                  L"3=10052 2001f=\"b\" 4001f=\"second\" 10003=" + contact + L" 30064=[1:4 ] 5001f=\"2007-06-01\""}));
    EXPECT_EQ(Rows(L"QuillonEnv"), (std::vector<std::wstring>{Counters(10052)}))
        << "two memo ids taken; the contact without memos took none";
}

TEST_F(RekeyTest, AContactWithoutRowsChangesNothing)
{
    ASSERT_TRUE(Restore(Head(2) + kCounterRecord + ContactRecord("2147483749")));
    EXPECT_EQ(Rows(L"QuillonEnv"), (std::vector<std::wstring>{Counters(10000)}));
    EXPECT_TRUE(Rows(L"QuillonPlan").empty());
}

TEST_F(RekeyTest, LinksOfARestoredItemToNoContactAreDropped)
{
    Bytes file = Head(7) + kCounterRecord + Field(3, 1, "0") + Field(3, 2, "11") + Field(3, 1, "0") + Field(3, 2, "99") +
                 Field(6, 1, "0") + Field(6, 2, "12") + AppointmentRecord("11") + TaskRecord("12");
    file += Field(3, 1, "0") + Field(3, 2, "11");  // after its item: it keeps the old id
    ASSERT_TRUE(Restore(file));
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(0, 99), Link(0, 11)}));
    EXPECT_TRUE(Rows(L"QuillonTask").empty());
}

TEST_F(RekeyTest, EveryLinkOfAnItemMovesNotOnlyTheFirst)
{
    Bytes file = Head(5) + kCounterRecord + Field(3, 1, "2147483749") + Field(3, 2, "11") + Field(3, 1, "2147483750") +
                 Field(3, 2, "11") + Field(6, 1, "5") + Field(6, 2, "11") + AppointmentRecord("11");
    ASSERT_TRUE(Restore(file));
    CEOID appointment = OnlyId(olFolderCalendar);
    EXPECT_EQ(Rows(L"QuillonPlan"),
              (std::vector<std::wstring>{Link(0x80000065, appointment), Link(0x80000066, appointment)}));
    EXPECT_EQ(Rows(L"QuillonTask"), (std::vector<std::wstring>{Link(5, 11)})) << "a task link is not an appointment's";
}

TEST_F(RekeyTest, AnAnniversaryNamesItsMirrorsNewIdAndKeepsItsText)
{
    Bytes anniversary = Field(4, 1, "10010") + Field(4, 2, "birthday") + Field(4, 3, "1") + Field(4, 4, "1975-03-14") +
                        Field(4, 5, "1975") + Field(4, 6, "3") + Field(4, 7, "14") + Field(4, 8, "0") +
                        Field(4, 9, "0") + Field(4, 10, "1") + Field(4, 11, "3") + Field(4, 12, "09:30") +
                        Field(4, 13, "11");
    ASSERT_TRUE(Restore(Head(4) + kCounterRecord + anniversary + Field(10, 1, "10010") + Field(10, 2, "text") +
                        AppointmentRecord("11")));
    CEOID appointment = OnlyId(olFolderCalendar);
    EXPECT_EQ(Rows(L"QuillonMemo"),
              (std::vector<std::wstring>{L"3=10010 1001f=\"birthday\" 2001f=\"1\" 3001f=\"1975-03-14\" 4001f=\"1975\" "
                                         L"5001f=\"3\" 6001f=\"14\" 7001f=\"0\" 8001f=\"0\" 9001f=\"1\" a0003=3 "
                                         L"b001f=\"09:30\" c0003=" +
                                         std::to_wstring(appointment)}));
    EXPECT_EQ(Rows(L"QuillonMemo2"), (std::vector<std::wstring>{L"3=10010 1001f=\"text\""}));
}

TEST_F(RekeyTest, FifteenHundredLinksOfOneContactAllMove)
{
    Bytes file = Head(1502) + kCounterRecord;
    for (int i = 0; i < 1500; ++i)
        file += Field(3, 1, "2147483749") + Field(3, 2, Bytes(std::to_string(100000 + i)));
    file += ContactRecord("2147483749");
    ASSERT_TRUE(Restore(file));
    std::wstring contact = std::to_wstring(static_cast<int32_t>(OnlyId(olFolderContacts)));
    std::vector<std::wstring> rows = Rows(L"QuillonPlan");
    ASSERT_EQ(rows.size(), 1500u);
    for (int i = 0; i < 1500; ++i)
        ASSERT_EQ(rows[static_cast<size_t>(i)], L"10003=" + contact + L" 20003=" + std::to_wstring(100000 + i)) << i;
}

TEST_F(RekeyTest, ARowIsMovedOncePerRestoreAndAnOldIdOfZeroMovesNothing)
{
    AddPlanLink(1, 50);
    AddPlanLink(2, 51);
    AddPlanLink(0, 52);
    BeginRekeying();
    EXPECT_TRUE(RekeyPlanLinksOfContact(1, 2));
    EXPECT_TRUE(RekeyPlanLinksOfContact(2, 3)) << "only the row that had 2 moves on";
    EXPECT_TRUE(RekeyPlanLinksOfContact(0, 9));
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(2, 50), Link(3, 51), Link(0, 52)}));
    BeginRekeying();
    EXPECT_TRUE(RekeyPlanLinksOfContact(2, 4)) << "a new restore starts afresh";
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(4, 50), Link(3, 51), Link(0, 52)}));
}

TEST_F(RekeyTest, AFailedRowWriteIsReported)
{
    AddPlanLink(1, 50);
    BeginRekeying();
    CeStoreFailNextChange(L"QuillonPlan", ERROR_DISK_FULL);
    EXPECT_FALSE(RekeyPlanLinksOfContact(1, 2));
    EXPECT_EQ(Rows(L"QuillonPlan"), (std::vector<std::wstring>{Link(1, 50)}));
}

// The ids a restore hands out, found by restoring once on a fresh device; a
// file whose later items had exactly those old ids, restored again on a
// fresh device, meets each new id as an old one.
TEST_F(RekeyTest, NewIdsThatAreLaterItemsOldIdsMoveRowsOnce)
{
    auto file = [](const std::string& c1, const std::string& c2, const std::string& a1, const std::string& a2) {
        auto text = [](const std::string& s) { return Bytes(s); };
        return Head(9) + kCounterRecord + Field(3, 1, text(c1)) + Field(3, 2, text(a1)) + Field(3, 1, text(c2)) +
               Field(3, 2, text(a2)) + Field(6, 1, text(c1)) + Field(6, 2, "7") + Field(6, 1, text(c2)) +
               Field(6, 2, "8") + ContactRecord(c1.c_str()) + ContactRecord(c2.c_str()) +
               AppointmentRecord(a1.c_str()) + AppointmentRecord(a2.c_str());
    };
    FreshDevice();
    ASSERT_TRUE(Restore(file("2147483900", "2147483901", "900", "901")));
    std::vector<CEOID> contacts = ItemIds(olFolderContacts);
    std::vector<CEOID> appointments = ItemIds(olFolderCalendar);
    ASSERT_EQ(contacts.size(), 2u);
    ASSERT_EQ(appointments.size(), 2u);

    // The second contact and appointment had the ids the first ones get.
    FreshDevice();
    ASSERT_TRUE(Restore(file("2147483900", std::to_string(contacts[0]), "900", std::to_string(appointments[0]))));
    EXPECT_EQ(ItemIds(olFolderContacts), contacts) << "the same ids again on a fresh device";
    EXPECT_EQ(ItemIds(olFolderCalendar), appointments);
    EXPECT_EQ(Rows(L"QuillonPlan"),
              (std::vector<std::wstring>{Link(contacts[0], appointments[0]), Link(contacts[1], appointments[1])}));
    EXPECT_EQ(Rows(L"QuillonTask"), (std::vector<std::wstring>{Link(contacts[0], 7), Link(contacts[1], 8)}));
}

// The restore makes every database before its replay: a routine that cannot
// open its database, or stops at a row it cannot read, has not moved the
// rows naming the item and says so.
struct RekeyFaultCase {
    const char* name;
    bool (*rekey)(CEOID oldOid, CEOID newOid);
    const wchar_t* database;
    CEPROPID key;
    int (*drop)();
};

const RekeyFaultCase kRekeyFaults[] = {
    {"plan links by contact", RekeyPlanLinksOfContact, kPlanLinkDatabase, kLinkContact, DropPlanLinkDatabase},
    {"task link by task", RekeyTaskLinkOfTask, kTaskLinkDatabase, kLinkItem, DropTaskLinkDatabase},
    {"memos by contact", RekeyNotesOfContact, kNoteDatabase, kNoteContact, DropNoteDatabase},
    {"anniversary by appointment", RekeyAnniversaryOfAppointment, kAnniversaryDatabase, kAnniversaryAppointment,
     DropAnniversaryDatabase},
};

TEST_F(RekeyTest, ADatabaseThatCannotBeOpenedOrARowThatCannotBeReadIsReported)
{
    for (const RekeyFaultCase& c : kRekeyFaults) {
        SCOPED_TRACE(c.name);
        FreshDevice();
        BeginRekeying();
        WriteNewOwnRecord(c.database, {I4Value(c.key, 1)});
        CEOID second = WriteNewOwnRecord(c.database, {I4Value(c.key, 1)});
        ASSERT_NE(second, 0u);
        SpoilRecord(second);
        EXPECT_FALSE(c.rekey(1, 2)) << "a row that cannot be read";
        c.drop();
        EXPECT_FALSE(c.rekey(3, 4)) << "no database";
    }
}

}  // namespace
}  // namespace backuptest
