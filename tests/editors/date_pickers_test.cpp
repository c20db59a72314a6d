// What the editors need of the system's date and time pickers: the formats
// they set, Korean weekday names, and the change notification a user's
// change sends.
#include "tests/support/testkit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<UINT> notified;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
        notified.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
    return DefWindowProcW(window, msg, wParam, lParam);
}

struct FormatCase {
    const wchar_t* format;
    DWORD style;
    const wchar_t* shown;
};
const FormatCase kFormats[] = {
    {L"yyyy-MM-dd", DTS_SHORTDATEFORMAT, L"2024-03-04"},
    {L"HH:mm", DTS_TIMEFORMAT | DTS_UPDOWN, L"17:05"},
    {L"yyyy-MM-dd dddd", DTS_SHORTDATEFORMAT, L"2024-03-04 월요일"},
};

TEST(DatePickers, ShowTheFormatsTheEditorsSet)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    HWND host = testkit::CreateTestWindow(true, 240, 100, HostProc);
    for (const FormatCase& c : kFormats) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.format).size()));
        HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | c.style, 0, 0, 200, 20, host,
                                      reinterpret_cast<HMENU>(7), GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(picker);
        SYSTEMTIME time = {};
        time.wYear = 2024;
        time.wMonth = 3;
        time.wDay = 4;
        time.wHour = 17;
        time.wMinute = 5;
        EXPECT_TRUE(SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(c.format)));
        SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
        EXPECT_EQ(testkit::WindowText(picker), c.shown);
        DestroyWindow(picker);
    }
    DestroyWindow(host);
}

TEST(DatePickers, AUserChangeIsNotified)
{
    HWND host = testkit::CreateTestWindow(true, 240, 100, HostProc);
    HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, 0, 0, 200,
                                  20, host, reinterpret_cast<HMENU>(7), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"yyyy-MM-dd"));
    SYSTEMTIME time = {};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 4;
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    notified.clear();
    SetForegroundWindow(host);
    SetFocus(picker);
    testkit::PumpPending();
    testkit::KeyDown(picker, VK_RIGHT);  // to the month field, as a user does
    testkit::KeyDown(picker, VK_UP);
    testkit::PumpPending();
    SYSTEMTIME after = {};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_FALSE(after.wYear == 2024 && after.wMonth == 3 && after.wDay == 4);
    EXPECT_NE(std::find(notified.begin(), notified.end(), static_cast<UINT>(DTN_DATETIMECHANGE)), notified.end());
    DestroyWindow(host);
}

}  // namespace
