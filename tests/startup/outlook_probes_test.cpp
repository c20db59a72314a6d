// The system PIM databases as the main program probes them: notification
// handles, record counts seen, the contacts' name sort order.
#include "core/outlook_probes.h"

#include "tests/startup/volume_probe.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr CEPROPID kFileAs = 0x0080001F;
constexpr CEPROPID kCompany = 0x3A16001F;

CEOID MakeSystemDatabase(const wchar_t* name, std::vector<CEPROPID> sortProperties)
{
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
    wcscpy(info.szDbaseName, name);
    for (CEPROPID property : sortProperties) {
        SORTORDERSPECEX& sortOrder = info.rgSortSpecs[info.wNumSortOrder++];
        sortOrder.wVersion = SORTORDERSPECEX_VERSION;
        sortOrder.wNumProps = 1;
        sortOrder.rgPropID[0] = property;
        sortOrder.rgdwFlags[0] = CEDB_SORT_CASEINSENSITIVE;
    }
    return CeCreateDatabaseEx2(&DiaryVolume, &info);
}

void AddRecords(const wchar_t* name, int count)
{
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr, 0,
                                        nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    for (int i = 0; i < count; ++i) {
        CEPROPVAL value = {};
        value.propid = kFileAs;
        value.val.lpwstr = const_cast<LPWSTR>(L"홍길동");
        ASSERT_NE(CeWriteRecordProps(db, 0, 1, &value), 0u);
    }
    CloseHandle(db);
}

std::vector<DWORD> notificationParams;

LRESULT CALLBACK RecordNotifications(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DBNOTIFICATION && lParam)
        notificationParams.push_back(reinterpret_cast<const CENOTIFICATION*>(lParam)->dwParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

class OutlookProbesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(probe::MountVolume(L"\\Temp\\system.vol", true));
        for (OutlookWatchEntry& entry : OutlookWatchState)
            entry = OutlookWatchEntry();
    }
    void TearDown() override
    {
        CloseOutlookDatabases();
        probe::UnmountVolume();
    }
};

TEST_F(OutlookProbesTest, OpenedDatabasesTellTheWindowOfChanges)
{
    MakeSystemDatabase(kContactsDatabaseName, {kFileAs});
    MakeSystemDatabase(kAppointmentsDatabaseName, {});
    MakeSystemDatabase(kTasksDatabaseName, {});
    HWND window = testkit::CreateTestWindow(false, 10, 10, RecordNotifications);
    OpenOutlookDatabasesWithNotify(window);
    const DWORD params[kWatchCount] = {11, 12, 13};
    for (int i = 0; i < kWatchCount; ++i) {
        EXPECT_NE(OutlookWatchState[i].database, nullptr) << i;
        EXPECT_EQ(OutlookWatchState[i].request.dwParam, params[i]);
        EXPECT_EQ(OutlookWatchState[i].request.dwFlags, static_cast<DWORD>(CEDB_EXNOTIFICATION));
        EXPECT_EQ(OutlookWatchState[i].request.hwnd, window);
    }
    notificationParams.clear();
    AddRecords(kAppointmentsDatabaseName, 1);
    EXPECT_TRUE(testkit::PumpUntil([] { return !notificationParams.empty(); }, 3000));
    ASSERT_FALSE(notificationParams.empty());
    EXPECT_EQ(notificationParams[0], 12u);
    CloseOutlookDatabases();
    for (const OutlookWatchEntry& entry : OutlookWatchState)
        EXPECT_EQ(entry.database, nullptr);
    DestroyWindow(window);
}

TEST_F(OutlookProbesTest, MarkingRecordsTheCurrentCount)
{
    MakeSystemDatabase(kContactsDatabaseName, {kFileAs});
    MakeSystemDatabase(kTasksDatabaseName, {});
    AddRecords(kContactsDatabaseName, 3);
    AddRecords(kTasksDatabaseName, 1);
    OutlookWatchState[kWatchAppointments].lastSeenCount = 9;
    MarkContactsDatabaseSeen();
    MarkAppointmentsDatabaseSeen();
    MarkTasksDatabaseSeen();
    EXPECT_EQ(OutlookWatchState[kWatchContacts].lastSeenCount, 3);
    EXPECT_EQ(OutlookWatchState[kWatchAppointments].lastSeenCount, 9) << "a missing database keeps its count";
    EXPECT_EQ(OutlookWatchState[kWatchTasks].lastSeenCount, 1);
    AddRecords(kTasksDatabaseName, 2);
    MarkTasksDatabaseSeen();
    EXPECT_EQ(OutlookWatchState[kWatchTasks].lastSeenCount, 3);
}

TEST_F(OutlookProbesTest, ContactsNameSortOrderIsTheOneLedByTheFileAsName)
{
    ContactsNameSortOrder = SORTORDERSPECEX();
    EXPECT_EQ(GetContactsNameSortOrder(), 0) << "no contacts database";
    EXPECT_EQ(ContactsNameSortOrder.wNumProps, 0);

    MakeSystemDatabase(kContactsDatabaseName, {kCompany});
    EXPECT_EQ(GetContactsNameSortOrder(), 1);
    EXPECT_EQ(ContactsNameSortOrder.wNumProps, 0) << "left as it was";

    CeDeleteDatabaseEx(&DiaryVolume, probe::ReadShape(kContactsDatabaseName).oid);
    MakeSystemDatabase(kContactsDatabaseName, {kCompany, kFileAs, MAKEPROPID(0x81, CEVT_LPWSTR)});
    EXPECT_EQ(GetContactsNameSortOrder(), 3);
    EXPECT_EQ(ContactsNameSortOrder.wNumProps, 1);
    EXPECT_EQ(ContactsNameSortOrder.rgPropID[0], kFileAs);
}

}  // namespace
