// The short-date swap around every Pocket Outlook query: the query reads
// "MM/dd/yy" dates, the user's format is back afterwards, also when the
// query fails and when two device processes query at once.
#include "core/short_date_restrict.h"
#include "tests/schedule/schedule_fixture.h"

#include <gtest/gtest.h>

namespace scheduletest {
namespace {

constexpr wchar_t kUserFormat[] = L"yyyy-MM-dd";
constexpr DWORD kSwapMs = 1500;
constexpr DWORD kPeerTimeoutMs = 90000;

std::wstring ShortDateNow()
{
    wchar_t text[81] = L"";
    GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, text, 81);
    return text;
}

int CountOf(IPOutlookItemCollection* items)
{
    int count = -1;
    if (items)
        items->get_Count(&count);
    return count;
}

class ShortDateTest : public ScheduleTest {
protected:
    void SetUp() override
    {
        ScheduleTest::SetUp();
        Pose(5);
        ASSERT_TRUE(SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, kUserFormat));
        Timed(L"삼월 초하루", Date(2007, 3, 1, 9, 0), Date(2007, 3, 1, 10, 0));
        Timed(L"다음날", Date(2007, 3, 2, 9, 0), Date(2007, 3, 2, 10, 0));
        calendar = Items(olFolderCalendar);
    }
    Ref<IPOutlookItemCollection> calendar;
};

TEST_F(ShortDateTest, QueryReadsMonthDayYearAndTheFormatComesBack)
{
    IPOutlookItemCollection* found = nullptr;
    ASSERT_EQ(RestrictWithShortDates(calendar.Get(), L"[Start] >= \"03/01/07\" AND [Start] < \"03/02/07\"", &found),
              S_OK);
    EXPECT_EQ(CountOf(found), 1);
    found->Release();
    EXPECT_EQ(ShortDateNow(), kUserFormat);

    // A query the collection refuses still puts the format back.
    EXPECT_TRUE(FAILED(RestrictWithShortDates(calendar.Get(), L"[Start] >= \"2007-03-01\"", &found)));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(ShortDateNow(), kUserFormat);
    EXPECT_EQ(RestrictWithShortDates(nullptr, L"[Start] >= \"03/01/07\"", &found), E_POINTER);

    wchar_t text[12];
    FormatRestrictDate(text, 12, 2008, 1, 6);
    EXPECT_STREQ(text, L"01/06/08");
}

// Whatever the device can hold as its format is kept across the swap, a
// long one too.
TEST_F(ShortDateTest, ALongUserFormatIsKeptAndTheQueryRuns)
{
    const wchar_t* formats[] = {L"yyyy'년' MM'월' dd'일' dddd", L"dddd, dd MMMM yyyy 'in the year' gg"};
    for (const wchar_t* format : formats) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(format)));
        ASSERT_GT(wcslen(format), 20u);
        ASSERT_TRUE(SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, format));
        ASSERT_EQ(ShortDateNow(), format);
        IPOutlookItemCollection* found = nullptr;
        ASSERT_EQ(RestrictWithShortDates(calendar.Get(), L"[Start] >= \"03/01/07\" AND [Start] < \"03/02/07\"", &found),
                  S_OK);
        EXPECT_EQ(CountOf(found), 1);
        found->Release();
        EXPECT_EQ(ShortDateNow(), format);
    }
}

TEST_F(ShortDateTest, WaitsWhileAnotherHolderHasTheSwap)
{
    // Another thread holds the mutex for a while, as another process would.
    HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = CreateThread(
        nullptr, 0,
        [](void* parameter) -> DWORD {
            HANDLE mutex = CreateMutexW(nullptr, TRUE, kShortDateSwapMutex);
            SetEvent(static_cast<HANDLE>(parameter));
            Sleep(400);
            ReleaseMutex(mutex);
            CloseHandle(mutex);
            return 0;
        },
        taken, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(taken, 5000), WAIT_OBJECT_0);
    DWORD start = GetTickCount();
    IPOutlookItemCollection* found = nullptr;
    EXPECT_EQ(RestrictWithShortDates(calendar.Get(), L"[Start] >= \"03/01/07\"", &found), S_OK);
    EXPECT_GE(GetTickCount() - start, 300u);
    EXPECT_EQ(CountOf(found), 2);
    if (found)
        found->Release();
    EXPECT_EQ(WaitForSingleObject(holder, 5000), WAIT_OBJECT_0);
    CloseHandle(holder);
    CloseHandle(taken);
    EXPECT_EQ(ShortDateNow(), kUserFormat);
}

TEST_F(ShortDateTest, TwoProcessesSwappingLeaveTheUsersFormat)
{
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"QuillonShortDatePeerReady");
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, L"QuillonShortDateGo");
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION peer = {};
    std::wstring command = L"\"" + testkit::BuiltProgram(L"schedule_peer.exe") + L"\" swap " + std::to_wstring(kSwapMs);
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &peer));
    // Both processes swap over the same stretch of time.
    EXPECT_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
    SetEvent(go);
    int failures = 0;
    int queries = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < kSwapMs; ++queries) {
        IPOutlookItemCollection* found = nullptr;
        HRESULT result = RestrictWithShortDates(calendar.Get(), L"[Start] >= \"03/01/07\" AND [Start] < \"03/02/07\"",
                                                &found);
        failures += FAILED(result) || CountOf(found) != 1;
        if (found)
            found->Release();
    }
    DWORD waited = WaitForSingleObject(peer.hProcess, kPeerTimeoutMs);
    DWORD code = 99;
    GetExitCodeProcess(peer.hProcess, &code);
    if (waited != WAIT_OBJECT_0)
        TerminateProcess(peer.hProcess, 98);
    CloseHandle(peer.hThread);
    CloseHandle(peer.hProcess);
    CloseHandle(ready);
    CloseHandle(go);
    EXPECT_GT(queries, 10);
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ShortDateNow(), kUserFormat);
}

}  // namespace
}  // namespace scheduletest
