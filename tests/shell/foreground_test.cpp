// SetForegroundWindow with the handle's lowest bit set brings forward the
// window's open modal dialog, also when another process asks.
#include "tests/shell/resource.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT_PTR kCheckTimer = 1;

struct ForegroundRun {
    HWND owner;
    HWND dialog;
    HWND foregroundAfterProbe;
    HWND foregroundAfterCall;
    HWND foregroundPlain;
    int probeExit;
    BOOL invalidResult;
};
ForegroundRun* g_run = nullptr;

HWND MoveForegroundElsewhere()
{
    HWND other = shelltest::CreateDeviceWindow(L"다른 창");
    SetForegroundWindow(other);
    testkit::PumpFor(100);
    return other;
}

void CheckForeground(HWND dialog)
{
    ForegroundRun& run = *g_run;
    run.dialog = dialog;
    HWND elsewhere = MoveForegroundElsewhere();
    wchar_t arguments[64];
    _snwprintf(arguments, 64, L"foreground %llu",
               static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(run.owner)));
    run.probeExit = shelltest::WaitPumping(shelltest::StartBuiltProgram(L"shell_probe.exe", arguments));
    testkit::PumpFor(100);
    run.foregroundAfterProbe = GetForegroundWindow();

    SetForegroundWindow(elsewhere);
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(run.owner) | 1));
    run.foregroundAfterCall = GetForegroundWindow();

    SetForegroundWindow(elsewhere);
    SetForegroundWindow(run.owner);  // without the bit: the window itself
    run.foregroundPlain = GetForegroundWindow();
    run.invalidResult = SetForegroundWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x7FF1)));
    DestroyWindow(elsewhere);
}

INT_PTR CALLBACK ModalProc(HWND dialog, UINT msg, WPARAM, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG: SetTimer(dialog, kCheckTimer, 100, nullptr); return TRUE;
    case WM_TIMER:
        KillTimer(dialog, kCheckTimer);
        CheckForeground(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}

void EndStuckDialog()
{
    if (g_run && g_run->dialog)
        EndDialog(g_run->dialog, IDCANCEL);
}

}  // namespace

TEST(Foreground, LowBitBringsTheOpenModalDialogForward)
{
    ForegroundRun run = {};
    g_run = &run;
    run.owner = shelltest::CreateDeviceWindow(L"다이어리");
    shelltest::Failsafe failsafe(15000, EndStuckDialog);
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), run.owner, ModalProc, 0),
              IDOK);
    EXPECT_FALSE(failsafe.fired());
    EXPECT_EQ(run.probeExit, 0);
    EXPECT_EQ(run.foregroundAfterProbe, run.dialog) << "another process's request left the dialog behind";
    EXPECT_EQ(run.foregroundAfterCall, run.dialog);
    EXPECT_EQ(run.foregroundPlain, run.owner);
    EXPECT_FALSE(run.invalidResult);
    DestroyWindow(run.owner);
    g_run = nullptr;
}
