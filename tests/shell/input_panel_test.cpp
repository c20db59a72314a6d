// The input panel: its place, its state record, the broadcast that follows
// every change, its keys, and the shell's activation helpers around it.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

int g_sipChanges = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETTINGCHANGE && wParam == SPI_SETSIPINFO)
        ++g_sipChanges;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

SIPINFO PanelInfo(DWORD size = sizeof(SIPINFO))
{
    SIPINFO info = {};
    info.cbSize = size;
    EXPECT_TRUE(SipGetInfo(&info));
    return info;
}

}  // namespace

TEST(InputPanel, UpAndDownWithItsRectangleStateAndBroadcast)
{
    g_sipChanges = 0;
    HWND first = shelltest::CreateDeviceWindow(L"다이어리", CountingProc);
    HWND second = shelltest::CreateDeviceWindow(L"둘째", CountingProc);
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"shell-probe-ready");
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, L"shell-probe-changed");
    ResetEvent(ready);
    ResetEvent(done);
    HANDLE watcher = shelltest::StartBuiltProgram(L"shell_probe.exe", L"settings-watch");
    ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);

    SIPINFO down = PanelInfo();
    EXPECT_EQ(down.fdwFlags, static_cast<DWORD>(SIPF_DOCKED));
    shelltest::ExpectRect(down.rcVisibleDesktop, 0, 26, 240, 294);
    shelltest::ExpectRect(down.rcSipRect, 0, 214, 240, 294);

    ASSERT_TRUE(SipShowIM(SIPF_ON));
    HWND panel = FindWindowW(CE_INPUT_PANEL_CLASS, nullptr);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(IsWindowVisible(panel));
    shelltest::ExpectRect(testkit::ScreenRect(panel), 0, 214, 240, 294);
    SIPINFO up = PanelInfo();
    EXPECT_EQ(up.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    shelltest::ExpectRect(up.rcVisibleDesktop, 0, 26, 240, 214);
    EXPECT_EQ(up.dwImDataSize, 0u);
    EXPECT_EQ(GetForegroundWindow(), second) << "the panel took the activation";

    ASSERT_TRUE(SipShowIM(SIPF_ON));  // already up: no change, no broadcast
    testkit::PumpFor(100);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"input_panel");
    ASSERT_TRUE(SipShowIM(SIPF_OFF));
    EXPECT_FALSE(IsWindowVisible(panel));
    EXPECT_EQ(PanelInfo().fdwFlags, static_cast<DWORD>(SIPF_DOCKED));

    // Every top-level window heard each of the two changes, once.
    EXPECT_EQ(g_sipChanges, 4);
    SetEvent(done);
    EXPECT_EQ(shelltest::WaitPumping(watcher), 0);
    EXPECT_EQ(shelltest::LogRecords(L"probe settings:"), std::vector<std::wstring>{L"probe settings: sip-changes=2"});
    CloseHandle(ready);
    CloseHandle(done);
    DestroyWindow(second);
    DestroyWindow(first);
}

TEST(InputPanel, StateQueriesTakeTheDevicesRecordSizeAndTheShellCalls)
{
    SipShowIM(SIPF_ON);
    SIPINFO info = {};
    info.cbSize = 48;  // the device's size of the record
    info.pvImData = reinterpret_cast<void*>(0x1234);
    ASSERT_TRUE(SHSipInfo(SPI_GETSIPINFO, 0, &info, 0));
    EXPECT_EQ(info.fdwFlags, static_cast<DWORD>(SIPF_ON | SIPF_DOCKED));
    EXPECT_EQ(info.pvImData, reinterpret_cast<void*>(0x1234));
    SIPINFO viaParameters = {};
    viaParameters.cbSize = sizeof(viaParameters);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETSIPINFO, 0, &viaParameters, 0));
    shelltest::ExpectRect(viaParameters.rcVisibleDesktop, 0, 26, 240, 214);

    SIPINFO lower = {};
    lower.cbSize = sizeof(lower);
    lower.fdwFlags = SIPF_OFF;
    ASSERT_TRUE(SHSipInfo(SPI_SETSIPINFO, 0, &lower, 0));
    EXPECT_EQ(PanelInfo().fdwFlags & SIPF_ON, 0u);

    SIPINFO tooSmall = {};
    tooSmall.cbSize = 16;
    EXPECT_FALSE(SipGetInfo(&tooSmall));
    EXPECT_FALSE(SipGetInfo(nullptr));
    EXPECT_FALSE(SHSipInfo(0x7777, 0, &info, 0));
}

TEST(InputPanel, KeysTypeIntoTheFocusedEdit)
{
    HWND window = shelltest::CreateDeviceWindow(L"메모");
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 20, window,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    SetFocus(edit);
    ASSERT_TRUE(SipShowIM(SIPF_ON));
    HWND panel = FindWindowW(CE_INPUT_PANEL_CLASS, nullptr);
    struct KeyCase {
        int x, y;
        const wchar_t* text;
    };
    const KeyCase keys[] = {
        {12, 30, L"q"},      // first letter row
        {36, 50, L"qs"},     // home row
        {180, 70, L"qs "},   // the space bar
        {228, 50, L"qs"},    // backspace
    };
    for (const KeyCase& k : keys) {
        testkit::Tap(panel, k.x, k.y);
        EXPECT_TRUE(testkit::PumpUntil([&] { return testkit::WindowText(edit) == k.text; }, 2000))
            << "after the key at " << k.x << "," << k.y << ": " << testing::PrintToString(testkit::WindowText(edit));
    }
    EXPECT_EQ(GetFocus(), edit);
    SipShowIM(SIPF_OFF);
    DestroyWindow(window);
}

TEST(InputPanel, TheMenuBarsButtonRaisesAndLowersIt)
{
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    SHMENUBARINFO info = {};
    info.cbSize = sizeof(info);
    info.hwndParent = owner;
    info.dwFlags = SHCMBF_EMPTYBAR;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    testkit::Tap(info.hwndMB, 228, 13);
    EXPECT_EQ(PanelInfo().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    testkit::Tap(info.hwndMB, 228, 13);
    EXPECT_EQ(PanelInfo().fdwFlags & SIPF_ON, 0u);
    DestroyWindow(owner);
}

TEST(Activation, HelpersKeepTheRecordAndLeaveTheLayout)
{
    HWND window = shelltest::CreateDeviceWindow(L"다이어리");
    RECT before = testkit::ScreenRect(window);
    SHACTIVATEINFO info = {};
    info.cbSize = sizeof(info);

    // A first activation with a fresh record changes nothing.
    SipShowIM(SIPF_ON);
    ASSERT_TRUE(SHHandleWMActivate(window, WA_ACTIVE, 0, &info, 0));
    EXPECT_EQ(PanelInfo().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));
    EXPECT_EQ(info.fActive, 1u);

    // Leaving with the panel up, coming back after someone lowered it.
    ASSERT_TRUE(SHHandleWMActivate(window, WA_INACTIVE, 0, &info, 0));
    EXPECT_EQ(info.fSipOnDeactivation, 1u);
    EXPECT_EQ(info.fActive, 0u);
    SipShowIM(SIPF_OFF);
    ASSERT_TRUE(SHHandleWMActivate(window, WA_ACTIVE, 0, &info, 0));
    EXPECT_EQ(PanelInfo().fdwFlags & SIPF_ON, static_cast<DWORD>(SIPF_ON));

    ASSERT_TRUE(SHHandleWMSettingChange(window, SPI_SETSIPINFO, 0, &info));
    EXPECT_EQ(info.fSipUp, 1u);
    SipShowIM(SIPF_OFF);
    ASSERT_TRUE(SHHandleWMSettingChange(window, SPI_SETSIPINFO, 0, &info));
    EXPECT_EQ(info.fSipUp, 0u);

    RECT after = testkit::ScreenRect(window);
    EXPECT_TRUE(EqualRect(&before, &after)) << "a helper moved the window";
    EXPECT_FALSE(SHHandleWMActivate(window, WA_ACTIVE, 0, nullptr, 0));
    EXPECT_FALSE(SHHandleWMSettingChange(nullptr, SPI_SETSIPINFO, 0, &info));
    DestroyWindow(window);
}
