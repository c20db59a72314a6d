// The own-database inserts and link writes report their result; a write
// failed by the store's fault hook leaves nothing half done. The signal
// files, and the start-up's holiday reload acting on a failed insert.
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/registry.h"
#include "core/signal_files.h"
#include "mainwindow/diary_databases.h"
#include "tests/startup/volume_probe.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CoreResultsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(probe::MountVolume(L"\\Temp\\results.vol", true));
        CreateDiaryDatabases();
    }
    void TearDown() override { probe::UnmountVolume(); }
};

struct WriteCase {
    const char* name;
    const wchar_t* database;
    std::function<bool()> write;
};

wchar_t g_time[6];
wchar_t g_category[8];

const WriteCase kWrites[] = {
    {"note", L"QuillonNote",
     [] {
         wcscpy(g_category, L"일");
         return InsertNoteRecord(20001, L"2024-05-08", g_category, L"제목", 0);
     }},
    {"anniversary", L"QuillonMemo",
     [] {
         g_time[0] = L'\0';
         return InsertAnniversaryRecord(20002, L"생일", L'1', L"1990-03-04", L'0', L'0', L'1', 2, g_time, L"1990",
                                        L"3", L"4", 7001, L"");
     }},
    {"anniversary text", L"QuillonMemo2", [] { return InsertAnniversaryText(20003, L"메모"); }},
    {"id counters", L"QuillonEnv", [] { return InsertIdCounterRecord(1, 2, 3); }},
    {"holiday", L"QuillonRest", [] { return InsertHolidayRecord(99, L"2024-05-05", L"어린이날", L""); }},
    {"shortcut", L"QuillonShortcut", [] { return InsertShortcutRecord(1, L"\\Windows\\calc.exe"); }},
    {"plan link", L"QuillonPlan", [] { return AddPlanLink(1, 2); }},
    {"task link", L"QuillonTask", [] { return AddTaskLink(1, 2); }},
    {"notes file link", L"QuillonNoteOutlook", [] { return AddNoteFileLink(1, L"\\My Documents\\a.pwi"); }},
};

TEST_F(CoreResultsTest, EveryInsertAndLinkReportsWhetherItWrote)
{
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.name);
        size_t before = probe::ReadRecords(c.database).size();
        CeStoreFailNextChange(c.database, 0);
        EXPECT_FALSE(c.write());
        EXPECT_EQ(probe::ReadRecords(c.database).size(), before);
        EXPECT_TRUE(c.write());
        EXPECT_EQ(probe::ReadRecords(c.database).size(), before + 1);
    }
}

TEST_F(CoreResultsTest, AnAnniversaryWhoseNoteFailsLeavesNoRecord)
{
    wchar_t time[6] = L"09:00";
    CeStoreFailNextChange(L"QuillonMemo2", 0);
    EXPECT_FALSE(InsertAnniversaryRecord(20010, L"결혼", L'1', L"2000-05-21", L'0', L'1', L'0', 0, time, L"2000",
                                         L"5", L"21", 7002, L"적어둔 말"));
    EXPECT_TRUE(probe::ReadRecords(L"QuillonMemo").empty());
    EXPECT_TRUE(probe::ReadRecords(L"QuillonMemo2").empty());
    EXPECT_TRUE(InsertAnniversaryRecord(20010, L"결혼", L'1', L"2000-05-21", L'0', L'1', L'0', 0, time, L"2000", L"5",
                                        L"21", 7002, L"적어둔 말"));
    EXPECT_EQ(probe::ReadRecords(L"QuillonMemo").size(), 1u);
    EXPECT_EQ(probe::ReadRecords(L"QuillonMemo2").size(), 1u);
}

TEST_F(CoreResultsTest, AMemoNotWrittenKeepsThePendingContact)
{
    CurrentView = kMemoView;
    wchar_t category[8] = L"";
    AssigneeOid = 55;
    CeStoreFailNextChange(L"QuillonNote", 0);
    EXPECT_FALSE(InsertNoteRecord(20020, L"2024-05-08", category, L"t", 55));
    EXPECT_EQ(AssigneeOid, 55u);
    EXPECT_TRUE(InsertNoteRecord(20020, L"2024-05-08", category, L"t", 55));
    EXPECT_EQ(AssigneeOid, 0u);
}

TEST_F(CoreResultsTest, LinkDeletesReportALinkThatStayed)
{
    ASSERT_TRUE(AddPlanLink(1, 500));
    ASSERT_TRUE(AddTaskLink(1, 600));
    ASSERT_TRUE(AddNoteFileLink(1, L"\\My Documents\\a.pwi"));
    const std::pair<const wchar_t*, std::function<bool()>> deletes[] = {
        {L"QuillonPlan", [] { return DeletePlanLink(500); }},
        {L"QuillonTask", [] { return DeleteTaskLink(600); }},
        {L"QuillonNoteOutlook", [] { return DeleteNoteFileLink(L"\\My Documents\\a.pwi"); }},
    };
    for (const auto& [database, remove] : deletes) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(database)));
        CeStoreFailNextChange(database, 0);
        EXPECT_FALSE(remove());
        EXPECT_EQ(probe::ReadRecords(database).size(), 1u);
        EXPECT_TRUE(remove());
        EXPECT_TRUE(probe::ReadRecords(database).empty());
        EXPECT_TRUE(remove()) << "no link is nothing to delete";
    }
}

TEST_F(CoreResultsTest, AHolidayReloadCutShortIsMadeAgainAtTheNextStart)
{
    constexpr wchar_t kValue[] = L"Quillon ChangeRest";
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kValue);
        RegCloseKey(key);
    }
    CreatedDatabases notFirstStart = {};
    wchar_t value[8] = L"";

    CeStoreFailNextChange(L"QuillonRest", 0);
    EXPECT_FALSE(ReloadHolidaysWhenAsked(notFirstStart));
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kValue, L"", value, sizeof(value));
    EXPECT_STREQ(value, L"");

    EXPECT_TRUE(ReloadHolidaysWhenAsked(notFirstStart));
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kValue, L"", value, sizeof(value));
    EXPECT_STREQ(value, L"0");
    EXPECT_EQ(probe::ReadRecords(L"QuillonRest").size(), 76u);
}

TEST_F(CoreResultsTest, AHolidayTableLeftHalfFilledIsDropped)
{
    DropHolidayDatabase();
    CeStoreFailNextChange(L"QuillonRest", 0);
    CreatedDatabases created = CreateDiaryDatabases();
    EXPECT_TRUE(created.holiday);
    EXPECT_FALSE(probe::ReadShape(L"QuillonRest").exists);
    EXPECT_TRUE(CreateDiaryDatabases().holiday);
    EXPECT_EQ(probe::ReadRecords(L"QuillonRest").size(), 76u);
}

// ---- signal files ----------------------------------------------------------------------

TEST(SignalFiles, EachIsMadeEmptyAndClosed)
{
    const std::pair<SignalFile, const wchar_t*> files[] = {
        {SignalFile::DataChanged, L"\\Windows\\Quillon2.qmk"},
        {SignalFile::SettingsChanged, L"\\Windows\\Quillon3.qmk"},
    };
    for (const auto& [which, path] : files) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(path)));
        ASSERT_TRUE(testkit::WriteFileBytes(path, {'o', 'l', 'd'}));
        EXPECT_TRUE(CreateSignalFile(which));
        EXPECT_TRUE(testkit::FileExists(path));
        EXPECT_TRUE(testkit::ReadFileBytes(path).empty());
        EXPECT_TRUE(DeleteFileW(path)) << "closed at once";
        EXPECT_TRUE(CreateSignalFile(which));
        EXPECT_TRUE(DeleteFileW(path));
    }
    // A folder in its place: the file cannot be made.
    ASSERT_TRUE(CreateDirectoryW(L"\\Windows\\Quillon2.qmk", nullptr));
    EXPECT_FALSE(CreateSignalFile(SignalFile::DataChanged));
    RemoveDirectoryW(L"\\Windows\\Quillon2.qmk");
}

}  // namespace
