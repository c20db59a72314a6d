// Hand-offs between the Today screen and a program: a window brought forward
// by another process comes with its menu bar and its open modal dialog on
// top; a window that hides takes its menu bar along and leaves the window
// beneath it active. Read back through the Z order of the top-level windows.
#include "tests/shell/resource.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT_PTR kCheckTimer = 1;

HWND MakeBar(HWND owner)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof(info);
    info.hwndParent = owner;
    info.nToolBarId = IDR_MENU_BAR;
    info.hInstRes = GetModuleHandleW(nullptr);
    return SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
}

// What a second copy of the program does with the running one's window.
int BringForwardFromAnotherProcess(HWND window)
{
    wchar_t arguments[64];
    _snwprintf(arguments, 64, L"bring-forward %llu",
               static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    int exitCode = shelltest::WaitPumping(shelltest::StartBuiltProgram(L"shell_probe.exe", arguments));
    testkit::PumpFor(200);
    return exitCode;
}

class HandOff : public testing::Test {
protected:
    void SetUp() override
    {
        program = shelltest::CreateDeviceWindow(L"다이어리");
        ASSERT_NE(program, nullptr);
        bar = MakeBar(program);
        ASSERT_NE(bar, nullptr);
        today = shelltest::CreateDeviceWindow(L"Today");
        SetForegroundWindow(today);
        testkit::PumpFor(100);
    }
    void TearDown() override
    {
        DestroyWindow(today);
        DestroyWindow(program);
    }
    HWND program = nullptr, bar = nullptr, today = nullptr;
};

TEST_F(HandOff, AHiddenWindowComesForwardWithItsMenuBarOverTheTodayScreen)
{
    SetForegroundWindow(program);
    testkit::PumpFor(100);
    ShowWindow(program, SW_HIDE);
    testkit::PumpFor(100);
    EXPECT_FALSE(IsWindowVisible(bar)) << "the menu bar stayed over the Today screen";
    EXPECT_EQ(GetForegroundWindow(), today) << "active: " << testing::PrintToString(testkit::WindowText(GetForegroundWindow()));

    ASSERT_EQ(BringForwardFromAnotherProcess(program), 0);
    EXPECT_TRUE(shelltest::BarShowsOnScreen(bar)) << "the screen shows no menu bar";
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"hand_off_brought_forward");
    std::vector<HWND> order = shelltest::ShownTopLevelWindows();
    EXPECT_TRUE(IsWindowVisible(program));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(shelltest::PlaceOf(order, bar) + 1, shelltest::PlaceOf(order, program)) << "the menu bar is not just above its window";
    EXPECT_LT(shelltest::PlaceOf(order, program), shelltest::PlaceOf(order, today));
    EXPECT_EQ(GetForegroundWindow(), program);

    // Once more the other way: the Today screen in front takes nothing of the bar.
    SetForegroundWindow(today);
    SetWindowPos(today, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    testkit::PumpFor(100);
    EXPECT_FALSE(shelltest::BarShowsOnScreen(bar, 300)) << "the screen shows the menu bar over the Today screen";
    order = shelltest::ShownTopLevelWindows();
    EXPECT_LT(shelltest::PlaceOf(order, today), shelltest::PlaceOf(order, bar)) << "the menu bar lies over the Today screen";
}

struct ModalRun {
    HWND program;
    HWND today;
    HWND dialog;
    int probeExit;
    HWND foreground;
    std::vector<HWND> order;
};
ModalRun* g_run = nullptr;

INT_PTR CALLBACK ModalProc(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: SetTimer(dialog, kCheckTimer, 100, nullptr); return TRUE;
    case WM_TIMER: {
        KillTimer(dialog, kCheckTimer);
        ModalRun& run = *g_run;
        run.dialog = dialog;
        // The Today screen kept the front while the program opened its dialog.
        SetWindowPos(run.today, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(run.today);
        testkit::PumpFor(100);
        run.probeExit = BringForwardFromAnotherProcess(run.program);
        run.foreground = GetForegroundWindow();
        run.order = shelltest::ShownTopLevelWindows();
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    }
    return FALSE;
}

void EndStuckDialog()
{
    if (g_run && g_run->dialog)
        EndDialog(g_run->dialog, IDCANCEL);
}

TEST_F(HandOff, ADialogOpenedWhileItsOwnerWasHiddenComesForwardAboveIt)
{
    ShowWindow(program, SW_HIDE);
    testkit::PumpFor(100);
    ModalRun run = {program, today, nullptr, -1, nullptr, {}};
    g_run = &run;
    shelltest::Failsafe failsafe(20000, EndStuckDialog);
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), program, ModalProc, 0), IDOK);
    g_run = nullptr;
    EXPECT_FALSE(failsafe.fired());
    ASSERT_EQ(run.probeExit, 0);
    EXPECT_EQ(run.foreground, run.dialog) << "foreground: " << testing::PrintToString(testkit::WindowText(run.foreground));
    EXPECT_LT(shelltest::PlaceOf(run.order, run.dialog), shelltest::PlaceOf(run.order, program)) << "the dialog lies behind its owner";
    EXPECT_LT(shelltest::PlaceOf(run.order, program), shelltest::PlaceOf(run.order, today));
}

}  // namespace
