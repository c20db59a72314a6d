// Change notifications inside one process: content, kinds, the plain
// messages of non-extended requests, and records that nobody frees.
#include "tests/objectstore/store_fixture.h"

#include <algorithm>

namespace storetest {
namespace {

struct Received {
    UINT message;
    WPARAM wParam;
    CENOTIFICATION notification;  // copied when the message carries one
};

std::vector<Received> g_received;
bool g_freeInHandler = false;

LRESULT CALLBACK ReceiverProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DBNOTIFICATION: {
        Received r = {msg, wParam, *reinterpret_cast<CENOTIFICATION*>(lParam)};
        g_received.push_back(r);
        if (g_freeInHandler)
            CeFreeNotification(nullptr, reinterpret_cast<CENOTIFICATION*>(lParam));
        break;  // as the system's receivers do: to the default procedure, never freed
    }
    case DB_CEOID_CREATED:
    case DB_CEOID_CHANGED:
    case DB_CEOID_RECORD_DELETED: {
        Received r = {msg, wParam, {}};
        r.notification.oidParent = static_cast<CEOID>(lParam);
        g_received.push_back(r);
        return 0;
    }
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// Runs only the thread's timers (the store's pump) and leaves every other
// message queued.
bool PumpTimersUntil(const std::function<bool()>& condition, DWORD ms)
{
    ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
            DispatchMessageW(&msg);
        if (condition())
            return true;
        Sleep(10);
    }
    return false;
}

class NotificationsTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        g_received.clear();
        g_freeInHandler = false;
        window_ = testkit::CreateTestWindow(false, 240, 294, ReceiverProc);
        database_ = CreateDatabase(L"Appointments Database", {});
        other_ = CreateDatabase(L"Tasks Database", {});
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        StoreTest::TearDown();
    }
    HANDLE OpenWatched(const wchar_t* name, DWORD param)
    {
        CENOTIFYREQUEST request = {sizeof(request), window_, CEDB_EXNOTIFICATION, nullptr, param};
        return OpenWith(name, nullptr, 0, &request);
    }
    bool WaitFor(size_t count, DWORD ms = 2000)
    {
        return testkit::PumpUntil([&] { return g_received.size() >= count; }, ms);
    }

    HWND window_ = nullptr;
    CEOID database_ = 0;
    CEOID other_ = 0;
};

TEST_F(NotificationsTest, CreatedChangedDeleted)
{
    HANDLE watched = OpenWatched(L"Appointments Database", 12);
    HANDLE writer = Open(L"Appointments Database");
    HANDLE unrelated = Open(L"Tasks Database");
    CEPROPVAL v = I4(1, 1);
    CEOID record = CeWriteRecordProps(writer, 0, 1, &v);
    CeWriteRecordProps(unrelated, 0, 1, &v);
    v.val.lVal = 2;
    CeWriteRecordProps(writer, record, 1, &v);
    CeDeleteRecord(writer, record);
    ASSERT_TRUE(WaitFor(3));
    testkit::PumpFor(300);
    ASSERT_EQ(g_received.size(), 3u);  // nothing of the other database
    const UINT kKinds[] = {DB_CEOID_CREATED, DB_CEOID_CHANGED, DB_CEOID_RECORD_DELETED};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const CENOTIFICATION& n = g_received[i].notification;
        EXPECT_EQ(g_received[i].message, static_cast<UINT>(WM_DBNOTIFICATION));
        EXPECT_EQ(n.dwSize, sizeof(CENOTIFICATION));
        EXPECT_EQ(n.dwParam, 12u);
        EXPECT_EQ(n.uType, kKinds[i]);
        EXPECT_EQ(n.oid, record);
        EXPECT_EQ(n.oidParent, database_);
        EXPECT_EQ(memcmp(&n.guid, &volume_, sizeof(CEGUID)), 0);
    }
    CloseHandle(watched);
    CloseHandle(writer);
    CloseHandle(unrelated);
}

TEST_F(NotificationsTest, EachOpenWithARequestIsTold)
{
    HANDLE first = OpenWatched(L"Appointments Database", 11);
    HANDLE second = OpenWatched(L"Appointments Database", 13);
    HANDLE writer = Open(L"Appointments Database");
    CEPROPVAL v = I4(1, 1);
    CeWriteRecordProps(writer, 0, 1, &v);
    ASSERT_TRUE(WaitFor(2));
    std::vector<DWORD> params = {g_received[0].notification.dwParam,
                                 g_received[1].notification.dwParam};
    std::sort(params.begin(), params.end());
    EXPECT_EQ(params, (std::vector<DWORD>{11, 13}));

    // A closed handle is told nothing more.
    CloseHandle(second);
    g_received.clear();
    CeWriteRecordProps(writer, 0, 1, &v);
    ASSERT_TRUE(WaitFor(1));
    testkit::PumpFor(300);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].notification.dwParam, 11u);
    CloseHandle(first);
    CloseHandle(writer);
}

TEST_F(NotificationsTest, ChangesBeforeTheOpenAreNotReported)
{
    HANDLE writer = Open(L"Appointments Database");
    CEPROPVAL v = I4(1, 1);
    CeWriteRecordProps(writer, 0, 1, &v);
    HANDLE watched = OpenWatched(L"Appointments Database", 12);
    CEOID after = CeWriteRecordProps(writer, 0, 1, &v);
    ASSERT_TRUE(WaitFor(1));
    testkit::PumpFor(300);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0].notification.oid, after);
    CloseHandle(watched);
    CloseHandle(writer);
}

TEST_F(NotificationsTest, RecordsNobodyFreesAreGivenBack)
{
    HANDLE watched = OpenWatched(L"Appointments Database", 12);
    HANDLE writer = Open(L"Appointments Database");
    CEPROPVAL v = I4(1, 1);
    // Far more notifications than the pool holds, none of them freed.
    for (int round = 0; round < 6; ++round) {
        for (int i = 0; i < 250; ++i)
            CeWriteRecordProps(writer, 0, 1, &v);
        ASSERT_TRUE(WaitFor(250u * (round + 1), 5000)) << round;
    }
    EXPECT_EQ(g_received.size(), 1500u);
    testkit::PumpFor(300);
    EXPECT_EQ(CeStoreOutstandingNotifications(), 0u);
    CloseHandle(watched);
    CloseHandle(writer);
}

TEST_F(NotificationsTest, FreeingGivesARecordBackAtOnce)
{
    g_freeInHandler = true;
    HANDLE watched = OpenWatched(L"Appointments Database", 12);
    HANDLE writer = Open(L"Appointments Database");
    CEPROPVAL v = I4(1, 1);
    CeWriteRecordProps(writer, 0, 1, &v);
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(CeStoreOutstandingNotifications(), 0u);
    CENOTIFICATION stranger = {};
    SetLastError(0);
    EXPECT_FALSE(CeFreeNotification(nullptr, &stranger));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(watched);
    CloseHandle(writer);
}

TEST_F(NotificationsTest, RecordsOfAGoneWindowAreGivenBack)
{
    HWND doomed = testkit::CreateTestWindow(false);
    CENOTIFYREQUEST request = {sizeof(request), doomed, CEDB_EXNOTIFICATION, nullptr, 12};
    HANDLE watched = OpenWith(L"Appointments Database", nullptr, 0, &request);
    HANDLE writer = Open(L"Appointments Database");
    CEPROPVAL v = I4(1, 1);
    CeWriteRecordProps(writer, 0, 1, &v);
    // Posted and never retrieved: the window goes first.
    ASSERT_TRUE(PumpTimersUntil([] { return CeStoreOutstandingNotifications() == 1; }, 2000));
    DestroyWindow(doomed);
    EXPECT_TRUE(PumpTimersUntil([] { return CeStoreOutstandingNotifications() == 0; }, 2000));
    CloseHandle(watched);
    CloseHandle(writer);
}

TEST_F(NotificationsTest, PlainRequestsGetTheKindAsTheMessage)
{
    CEOID oid = 0;
    SORTORDERSPEC none = {};
    CEOID objectDb = CeCreateDatabase(const_cast<wchar_t*>(L"PlainNotify"), 0, 0, &none);
    ASSERT_NE(objectDb, 0u);
    HANDLE watched = CeOpenDatabase(&oid, const_cast<wchar_t*>(L"PlainNotify"), 0, 0, window_);
    ASSERT_NE(watched, INVALID_HANDLE_VALUE);
    CEPROPVAL v = I4(1, 1);
    CEOID record = CeWriteRecordProps(watched, 0, 1, &v);
    CeDeleteRecord(watched, record);
    ASSERT_TRUE(WaitFor(2));
    EXPECT_EQ(g_received[0].message, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(g_received[0].wParam, record);
    EXPECT_EQ(g_received[0].notification.oidParent, objectDb);
    EXPECT_EQ(g_received[1].message, static_cast<UINT>(DB_CEOID_RECORD_DELETED));
    CloseHandle(watched);
    CeDeleteDatabase(objectDb);
}

TEST_F(NotificationsTest, BadRequestsAreRefused)
{
    CENOTIFYREQUEST noWindow = {sizeof(CENOTIFYREQUEST), nullptr, CEDB_EXNOTIFICATION, nullptr, 1};
    CENOTIFYREQUEST tooSmall = {12, window_, CEDB_EXNOTIFICATION, nullptr, 1};
    CENOTIFYREQUEST deviceSize = {20, window_, CEDB_EXNOTIFICATION, nullptr, 1};
    for (CENOTIFYREQUEST* r : {&noWindow, &tooSmall}) {
        SetLastError(0);
        EXPECT_EQ(OpenWith(L"Appointments Database", nullptr, 0, r), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    HANDLE h = OpenWith(L"Appointments Database", nullptr, 0, &deviceSize);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
}

}  // namespace
}  // namespace storetest
