// The watch on the system PIM databases, ticked by hand while another
// program writes contacts.
#include "core/outlook_probes.h"
#include "core/outlook_watch.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "mainwindow/state.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

constexpr DWORD kPeerTimeoutMs = 30000;
constexpr int kTaskView = 6;

// Runs the other program; its answer.
std::wstring Peer(const std::wstring& arguments)
{
    DeleteFileW(L"\\Temp\\contacts_peer.txt");
    int code = testkit::RunProcess(L"\"" + BuiltProgram(L"contacts_peer.exe") + L"\" " + arguments, kPeerTimeoutMs);
    EXPECT_EQ(code, 0) << testing::PrintToString(arguments);
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(L"\\Temp\\contacts_peer.txt");
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

class OutlookWatchTest : public DeviceContactsTest {
protected:
    void SetUp() override
    {
        DeviceContactsTest::SetUp();
        ContactList = MakeOwnerDataList();
        IndexTab = 0;
        ContactToReselect = 0;
        AddContact({L"가"});
        AddContact({L"나"});
        MarkContactsDatabaseSeen();
        MarkAppointmentsDatabaseSeen();
        MarkTasksDatabaseSeen();
        FilterContactsByInitial();
        ClearStale();
    }
    void TearDown() override
    {
        DestroyTestList(ContactList);
        ContactList = nullptr;
        CurrentView = kContactView;
        DeviceContactsTest::TearDown();
    }
    static void ClearStale()
    {
        for (BYTE& stale : ViewStale)
            stale = 0;
    }
    static std::vector<int> StaleViews()
    {
        std::vector<int> views;
        for (int v = 0; v < kViewCount; ++v) {
            if (ViewStale[v])
                views.push_back(v);
        }
        return views;
    }
    // Ticks until the contacts were reloaded; the tick that did, or 0.
    static int TicksUntilReload(int most)
    {
        for (int tick = 1; tick <= most; ++tick) {
            OnOutlookWatchTick();
            if (ViewStale[kContactView])
                return tick;
        }
        return 0;
    }
    static int Countdown() { return OutlookWatchState[kWatchContacts].countdown; }
};

TEST_F(OutlookWatchTest, AnotherProgramsContactIsReloadedAtTheThirdTickAfterItWasSeen)
{
    CurrentView = kContactView;
    ViewSelection[kContactView] = 1;
    Peer(L"add 다");
    OnOutlookWatchTick();
    EXPECT_EQ(Countdown(), kWatchCountdownStart - 1);
    EXPECT_EQ(ContactsCache.count, 2);
    EXPECT_EQ(TicksUntilReload(5), 3) << "ticks after the one that saw it";
    EXPECT_EQ(ContactsCache.count, 3);
    EXPECT_EQ(StaleViews(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Countdown(), 0);
    EXPECT_EQ(testkit::ListViewCount(ContactList), 3) << "the shown contact view is refilled";
    EXPECT_EQ(ViewSelection[kContactView], 0);
}

TEST_F(OutlookWatchTest, ChangesAtEveryTickPostponeTheReload)
{
    for (int i = 0; i < 4; ++i) {
        Peer(L"add 라" + std::to_wstring(i));
        OnOutlookWatchTick();
        EXPECT_EQ(StaleViews(), std::vector<int>{}) << "tick " << i;
    }
    EXPECT_EQ(TicksUntilReload(5), 3);
    EXPECT_EQ(ContactsCache.count, 6);
}

TEST_F(OutlookWatchTest, OwnWritesMarkedSeenCauseNoReloadButAnEditElsewhereDoes)
{
    CEOID oid = AddContact({L"마"});
    MarkContactsDatabaseSeen();
    EXPECT_EQ(ContactsCache.count, 3) << "the mark reloads the cache itself";
    OnOutlookDatabaseNotice(11);
    EXPECT_EQ(TicksUntilReload(5), 0);
    EXPECT_EQ(Countdown(), 0);

    Peer(L"rename " + std::to_wstring(oid) + L" 바");
    OnOutlookDatabaseNotice(11);
    EXPECT_EQ(Countdown(), kWatchCountdownStart) << "an edit keeps the count but is seen";
    EXPECT_EQ(TicksUntilReload(5), 4) << "the notice came before the first tick";
    bool renamed = false;
    for (int i = 0; i < ContactsCache.count; ++i)
        renamed = renamed || (ContactsCache.rows[i].oid == oid && ContactsCache.rows[i].name == L"바");
    EXPECT_TRUE(renamed);
}

TEST_F(OutlookWatchTest, AContactChangeInTheTaskViewReloadsOnlyTheCache)
{
    CurrentView = kTaskView;
    Peer(L"add 사");
    EXPECT_EQ(TicksUntilReload(5), 4);
    EXPECT_EQ(ContactsCache.count, 3);
    EXPECT_EQ(StaleViews(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(testkit::ListViewCount(ContactList), 2) << "the contact list waits for its view";
    EXPECT_EQ(OutlookWatchState[kWatchAppointments].countdown, 0);
    EXPECT_EQ(OutlookWatchState[kWatchTasks].countdown, 0);
}

TEST_F(OutlookWatchTest, AppointmentAndTaskChangesMarkTheirViews)
{
    IDispatch* item = nullptr;
    ASSERT_EQ(OutlookApp->CreateItem(olTaskItem, &item), S_OK);
    ITask* task = nullptr;
    ASSERT_EQ(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task)), S_OK);
    item->Release();
    EXPECT_EQ(task->Save(), S_OK);
    task->Release();  // not marked: as if another program wrote it
    for (int tick = 1; tick <= 3; ++tick)
        OnOutlookWatchTick();
    EXPECT_EQ(StaleViews(), std::vector<int>{});
    OnOutlookWatchTick();
    EXPECT_EQ(StaleViews(), std::vector<int>{kTaskView});
}

TEST(OutlookWatch, ADatabaseThatCannotBeReadIsNoChange)
{
    DiaryVolume = CEGUID();
    ASSERT_TRUE(CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(L"\\Temp\\watch.vol"), CREATE_ALWAYS));
    DiarySession = CeCreateSession(&DiaryVolume);
    for (OutlookWatchEntry& entry : OutlookWatchState)
        entry = OutlookWatchEntry();
    OutlookWatchState[kWatchTasks].lastSeenCount = 5;
    for (int tick = 0; tick < 5; ++tick)
        OnOutlookWatchTick();
    for (const OutlookWatchEntry& entry : OutlookWatchState)
        EXPECT_EQ(entry.countdown, 0);
    EXPECT_EQ(OutlookWatchState[kWatchTasks].lastSeenCount, 5);
    CloseHandle(DiarySession);
    DiarySession = nullptr;
    CeUnmountDBVol(&DiaryVolume);
}

}  // namespace
}  // namespace contactstest
