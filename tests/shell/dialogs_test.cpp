// Full-screen dialogs: placed below the top bar without frame, Done on the
// top bar sends IDOK.
#include "tests/shell/resource.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT_PTR kCheckTimer = 1;

struct DialogRun {
    DWORD flags;
    RECT window;
    RECT client;
    LONG style;
    bool panelUpAfterInit;
    bool shown;
    std::vector<UINT> commands;
    bool screenshot;
};
DialogRun* g_run = nullptr;
HWND g_dialog = nullptr;

HWND TopBar()
{
    return FindWindowW(CE_TOP_BAR_CLASS, nullptr);
}

bool PanelIsUp()
{
    SIPINFO info = {};
    info.cbSize = sizeof(info);
    SipGetInfo(&info);
    return (info.fdwFlags & SIPF_ON) != 0;
}

// Taps the top bar's "ok" (its right end).
void TapDone()
{
    testkit::Tap(TopBar(), 224, 13);
}

INT_PTR CALLBACK FullScreenDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG: {
        g_dialog = dialog;
        SHINITDLGINFO init = {SHIDIM_FLAGS, dialog, g_run->flags};
        SHInitDialog(&init);
        g_run->panelUpAfterInit = PanelIsUp();
        SetTimer(dialog, kCheckTimer, 100, nullptr);  // once the dialog is up
        return TRUE;
    }
    case WM_TIMER:
        KillTimer(dialog, kCheckTimer);
        g_run->shown = IsWindowVisible(dialog) != FALSE;
        GetWindowRect(dialog, &g_run->window);
        GetClientRect(dialog, &g_run->client);
        g_run->style = GetWindowLongW(dialog, GWL_STYLE);
        if (g_run->screenshot) {
            testkit::PumpFor(400);  // the top bar follows the active window
            testkit::SaveScreenshot(testkit::CaptureScreen(), L"full_screen_dialog");
        }
        TapDone();
        return TRUE;
    case WM_COMMAND:
        if (lParam == 0)  // not a control's notice
            g_run->commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

void EndStuckDialog()
{
    if (g_dialog)
        EndDialog(g_dialog, -1);
}

INT_PTR RunDialog(DialogRun* run, HWND owner)
{
    g_run = run;
    shelltest::Failsafe failsafe(8000, EndStuckDialog);
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), owner,
                                     FullScreenDlgProc, 0);
    EXPECT_FALSE(failsafe.fired()) << "the dialog had to be ended";
    g_run = nullptr;
    g_dialog = nullptr;
    return result;
}

}  // namespace

TEST(FullScreenDialog, FillsTheScreenBelowTheTopBarAndDoneSendsIdOk)
{
    struct FlagsCase {
        DWORD flags;
        bool screenshot;
    };
    const FlagsCase cases[] = {{13, true}, {25, false}};
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    for (const FlagsCase& c : cases) {
        SCOPED_TRACE(c.flags);
        SipShowIM(SIPF_ON);
        DialogRun run = {};
        run.flags = c.flags;
        run.screenshot = c.screenshot;
        EXPECT_EQ(RunDialog(&run, owner), IDOK);
        EXPECT_EQ(run.window.left, 0);
        EXPECT_EQ(run.window.top, 26);
        EXPECT_EQ(run.window.right, 240);
        EXPECT_EQ(run.window.bottom, 320);
        EXPECT_EQ(run.client.right, 240);
        EXPECT_EQ(run.client.bottom, 294);
        EXPECT_EQ(run.style & WS_CAPTION, 0);
        EXPECT_FALSE(run.panelUpAfterInit) << "the input panel stayed up";
        EXPECT_TRUE(run.shown);
        EXPECT_EQ(run.commands, std::vector<UINT>{IDOK});
    }
    DestroyWindow(owner);
}

TEST(FullScreenDialog, WithoutDoneTheTopBarSendsNothing)
{
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    DialogRun run = {};
    run.flags = SHIDIF_SIZEDLGFULLSCREEN;
    g_run = &run;
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), owner,
                                     [](HWND d, UINT m, WPARAM w, LPARAM l) -> INT_PTR {
                                         if (m == WM_INITDIALOG) {
                                             SHINITDLGINFO init = {SHIDIM_FLAGS, d, SHIDIF_SIZEDLGFULLSCREEN};
                                             SHInitDialog(&init);
                                             return TRUE;
                                         }
                                         if (m == WM_COMMAND && l == 0)
                                             g_run->commands.push_back(LOWORD(w));
                                         return FALSE;
                                     },
                                     0);
    ASSERT_NE(dialog, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    testkit::PumpFor(300);
    RECT r = testkit::ScreenRect(dialog);
    EXPECT_EQ(r.top, 26);
    EXPECT_EQ(r.bottom, 320);
    TapDone();
    testkit::PumpFor(200);
    EXPECT_TRUE(run.commands.empty());
    DestroyWindow(dialog);
    g_run = nullptr;
    DestroyWindow(owner);
}

TEST(FullScreenDialog, SizedToTheVisibleDesktopAndRefusingBadRecords)
{
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAIN), owner,
                                     [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; }, 0);
    ASSERT_NE(dialog, nullptr);
    struct SizeCase {
        bool panelUp;
        LONG bottom;
    };
    for (const SizeCase& c : {SizeCase{true, 214}, SizeCase{false, 294}}) {
        SipShowIM(c.panelUp ? SIPF_ON : SIPF_OFF);
        SHINITDLGINFO init = {SHIDIM_FLAGS, dialog, SHIDIF_SIZEDLG};
        ASSERT_TRUE(SHInitDialog(&init));
        RECT r = testkit::ScreenRect(dialog);
        EXPECT_EQ(r.top, 26);
        EXPECT_EQ(r.bottom, c.bottom) << "panel up " << c.panelUp;
    }
    SipShowIM(SIPF_OFF);
    SHINITDLGINFO noMask = {0, dialog, 13};
    EXPECT_FALSE(SHInitDialog(&noMask));
    SHINITDLGINFO noWindow = {SHIDIM_FLAGS, nullptr, 13};
    EXPECT_FALSE(SHInitDialog(&noWindow));
    EXPECT_FALSE(SHInitDialog(nullptr));
    DestroyWindow(dialog);
    DestroyWindow(owner);
}
