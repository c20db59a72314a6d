// Property sheets: 0x2000 is full screen, the device's version query and
// look, a page ending itself closes the sheet once.
#include "tests/shell/resource.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT_PTR kCheckTimer = 1;
constexpr UINT_PTR kTapAgainTimer = 2;
constexpr UINT kTapAgainMs = 1500;
constexpr LRESULT kDeviceVersion = 526;
constexpr int kTabControlId = 0x3020;
// Where the pages put their own OK, in pixels, as the preference pages do:
// in the band at the sheet's foot.
constexpr RECT kPageOkPlace = {2, 271, 52, 291};
constexpr int kWizardBackId = 0x3023;
constexpr int kWizardNextId = 0x3024;

enum class Ending { DoneOnTopBar, PageOkButton, BothPagesEnd, TapOnPageOk };

// What one run of a sheet saw.
struct SheetRun {
    LRESULT versionAnswer;
    DWORD pageFlags[2];
    Ending ending;
    std::vector<UINT> callbackMessages;
    HWND sheet;
    RECT sheetRect;
    LONG sheetStyle;
    bool hasTabs, hasWizardButtons, okButtonShown;
    RECT pageBefore[2], pageAfter[2];
    RECT pageShown[2];  // after both were shown
    bool pageIsChild[2];
    RECT tabsRect;
    LONG tabsStyle;
    bool tabsAbovePages;
    HWND atPageOk;  // the window a tap on the first page's OK reaches
    HWND pageOk;
    int pageOkCommands;
    int applies[2];
    int queryCancels;
    HWND pages[2];
};
SheetRun* g_run = nullptr;

int CALLBACK SheetCallback(HWND, UINT msg, LPARAM)
{
    g_run->callbackMessages.push_back(msg);
    return msg == PSCB_GETVERSION ? static_cast<int>(g_run->versionAnswer) : 0;
}

// Whether the first window lies above the second among their siblings.
bool Above(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == lower)
            return true;
    }
    return false;
}

void CheckSheet(HWND page)
{
    SheetRun& run = *g_run;
    run.sheet = GetParent(page);
    GetWindowRect(run.sheet, &run.sheetRect);
    run.sheetStyle = GetWindowLongW(run.sheet, GWL_STYLE);
    run.hasTabs = GetDlgItem(run.sheet, kTabControlId) != nullptr;
    run.hasWizardButtons = GetDlgItem(run.sheet, kWizardBackId) || GetDlgItem(run.sheet, kWizardNextId);
    HWND sheetOk = GetDlgItem(run.sheet, IDOK);
    run.okButtonShown = sheetOk && IsWindowVisible(sheetOk);
    // The second page is made when it is first shown; then back to the first.
    PropSheet_SetCurSel(run.sheet, nullptr, 1);
    PropSheet_SetCurSel(run.sheet, nullptr, 0);
    testkit::PumpFor(300);
    HWND tabs = GetDlgItem(run.sheet, kTabControlId);
    run.tabsRect = testkit::ScreenRect(tabs);
    run.tabsStyle = GetWindowLongW(tabs, GWL_STYLE);
    run.tabsAbovePages = Above(tabs, run.pages[0]) && Above(tabs, run.pages[1]);
    for (int i = 0; i < 2; ++i)
        run.pageShown[i] = testkit::ScreenRect(run.pages[i]);
    run.pageOk = GetDlgItem(page, IDC_PAGE_OK);
    const RECT pageOk = testkit::ScreenRect(run.pageOk);
    run.atPageOk = WindowFromPoint(POINT{(pageOk.left + pageOk.right) / 2, (pageOk.top + pageOk.bottom) / 2});
    const wchar_t* look = run.sheetStyle & WS_CAPTION          ? L"property_sheet_desktop"
                          : run.versionAnswer >= kDeviceVersion ? L"property_sheet_device"
                                                                : L"property_sheet_full";
    testkit::SaveScreenshot(testkit::CaptureScreen(), look);
    switch (run.ending) {
    case Ending::DoneOnTopBar: testkit::Tap(FindWindowW(CE_TOP_BAR_CLASS, nullptr), 224, 13); break;
    case Ending::PageOkButton: PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_PAGE_OK, BN_CLICKED), 0); break;
    case Ending::BothPagesEnd: PostMessageW(page, WM_APP, 0, 0); break;
    case Ending::TapOnPageOk: {
        RECT ok = testkit::ScreenRect(run.pageOk);
        testkit::InjectClick((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
        // A real click can be lost while a loaded machine is still showing
        // the sheet; tap again until the button has answered.
        SetTimer(page, kTapAgainTimer, kTapAgainMs, nullptr);
        break;
    }
    }
}

INT_PTR PageProc(int index, HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    SheetRun& run = *g_run;
    switch (msg) {
    case WM_INITDIALOG: {
        run.pages[index] = page;
        MoveWindow(GetDlgItem(page, IDC_PAGE_OK), kPageOkPlace.left, kPageOkPlace.top,
                   kPageOkPlace.right - kPageOkPlace.left, kPageOkPlace.bottom - kPageOkPlace.top, FALSE);
        GetWindowRect(page, &run.pageBefore[index]);
        SHINITDLGINFO init = {SHIDIM_FLAGS, page, run.pageFlags[index]};
        SHInitDialog(&init);
        GetWindowRect(page, &run.pageAfter[index]);
        run.pageIsChild[index] = (GetWindowLongW(page, GWL_STYLE) & WS_CHILD) != 0;
        if (index == 0)
            SetTimer(page, kCheckTimer, 150, nullptr);
        return TRUE;
    }
    case WM_TIMER:
        KillTimer(page, wParam);
        if (wParam == kTapAgainTimer) {
            if (run.pageOkCommands == 0) {
                RECT ok = testkit::ScreenRect(run.pageOk);
                testkit::InjectClick((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
                SetTimer(page, kTapAgainTimer, kTapAgainMs, nullptr);
            }
            return TRUE;
        }
        CheckSheet(page);
        return TRUE;
    case WM_NOTIFY:
        switch (reinterpret_cast<NMHDR*>(lParam)->code) {
        case PSN_APPLY: ++run.applies[index]; SendMessageW(page, WM_COMMAND, IDC_PAGE_OK, 0); return TRUE;
        case PSN_QUERYCANCEL: ++run.queryCancels; return TRUE;
        }
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_PAGE_OK) {
            ++run.pageOkCommands;
            EndDialog(page, IDC_PAGE_OK);
            return TRUE;
        }
        return FALSE;
    case WM_APP:
        EndDialog(run.pages[0], IDC_PAGE_OK);
        EndDialog(run.pages[1], IDC_PAGE_OK);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK FirstPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return PageProc(0, page, msg, wParam, lParam);
}

INT_PTR CALLBACK SecondPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return PageProc(1, page, msg, wParam, lParam);
}

void EndStuckSheet()
{
    if (g_run && g_run->sheet)
        PostMessageW(g_run->sheet, WM_COMMAND, IDCANCEL, 0);
}

INT_PTR RunSheet(SheetRun* run, DWORD headerFlags)
{
    g_run = run;
    HWND owner = shelltest::CreateDeviceWindow(L"다이어리");
    PROPSHEETPAGEW pages[2] = {};
    const UINT templates[2] = {IDD_PAGE_DIARY, IDD_PAGE_COLOURS};
    const DLGPROC procs[2] = {FirstPageProc, SecondPageProc};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof(pages[i]);
        pages[i].hInstance = GetModuleHandleW(nullptr);
        pages[i].pszTemplate = MAKEINTRESOURCEW(templates[i]);
        pages[i].pfnDlgProc = procs[i];
    }
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = headerFlags;
    header.hwndParent = owner;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszCaption = L"다이어리 설정";
    header.nPages = 2;
    header.ppsp = pages;
    header.pfnCallback = SheetCallback;
    shelltest::Failsafe failsafe(10000, EndStuckSheet);
    INT_PTR result = PropertySheetW(&header);
    EXPECT_FALSE(failsafe.fired()) << "the sheet had to be ended";
    EXPECT_FALSE(IsWindow(run->sheet)) << "the sheet is still there";
    DestroyWindow(owner);
    g_run = nullptr;
    return result;
}

std::vector<UINT> VersionQueries(const SheetRun& run)
{
    std::vector<UINT> queries;
    for (UINT msg : run.callbackMessages) {
        if (msg == PSCB_GETVERSION)
            queries.push_back(msg);
    }
    return queries;
}

}  // namespace

TEST(PropertySheets, FullScreenFlagMaximisesTheSheetAndIsNoWizard)
{
    for (LRESULT version : {kDeviceVersion, LRESULT{0}}) {
        SCOPED_TRACE(version);
        SheetRun run = {};
        run.versionAnswer = version;
        run.pageFlags[0] = 13;
        run.pageFlags[1] = 25;
        run.ending = Ending::DoneOnTopBar;
        RunSheet(&run, PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MAXIMIZE);

        shelltest::ExpectRect(run.sheetRect, 0, 26, 240, 320);
        EXPECT_EQ(run.sheetStyle & WS_CAPTION, 0);
        EXPECT_TRUE(run.hasTabs);
        EXPECT_FALSE(run.hasWizardButtons);
        EXPECT_FALSE(run.okButtonShown);

        // Asked its version once, after it was initialised, and never with
        // the desktop's own message 3 when Done pressed its OK.
        ASSERT_FALSE(run.callbackMessages.empty());
        EXPECT_EQ(VersionQueries(run).size(), 1u);
        auto initialised = std::find(run.callbackMessages.begin(), run.callbackMessages.end(), PSCB_INITIALIZED);
        auto asked = std::find(run.callbackMessages.begin(), run.callbackMessages.end(), PSCB_GETVERSION);
        EXPECT_LT(initialised - run.callbackMessages.begin(), asked - run.callbackMessages.begin());

        // SHInitDialog with flags 13 and 25 leaves a page where its sheet put it.
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(EqualRect(&run.pageBefore[i], &run.pageAfter[i]));
            EXPECT_TRUE(run.pageIsChild[i]);
        }
        // Done applied the pages; their ending closed the sheet once.
        EXPECT_EQ(run.applies[0], 1);
        EXPECT_EQ(run.queryCancels, 0);
    }
}

TEST(PropertySheets, TheDeviceVersionPutsTheTabsAlongTheBottomAndThePagesOverTheSheet)
{
    SheetRun run = {};
    run.versionAnswer = kDeviceVersion;
    run.pageFlags[0] = 13;
    run.pageFlags[1] = 25;
    run.ending = Ending::TapOnPageOk;
    RunSheet(&run, PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MAXIMIZE);

    // Tabs along the bottom, above the foot band a menu bar would take.
    EXPECT_NE(run.tabsStyle & TCS_BOTTOM, 0);
    EXPECT_EQ(run.tabsRect.left, 0);
    EXPECT_EQ(run.tabsRect.right, 240);
    EXPECT_EQ(run.tabsRect.bottom, 320 - 26);
    EXPECT_GT(run.tabsRect.bottom - run.tabsRect.top, 12);
    EXPECT_LT(run.tabsRect.bottom - run.tabsRect.top, 30);
    // Both pages from the sheet's top over all of it, under the strip.
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        shelltest::ExpectRect(run.pageShown[i], 0, 26, 240, 320);
    }
    EXPECT_TRUE(run.tabsAbovePages);
    // The page's own OK in the foot band shows and takes a real tap.
    EXPECT_EQ(run.atPageOk, run.pageOk);
    EXPECT_EQ(run.pageOkCommands, 1);
    EXPECT_EQ(run.queryCancels, 1);
}

TEST(PropertySheets, WithoutTheDeviceVersionThePagesLieInsideTheTabs)
{
    SheetRun run = {};
    run.pageFlags[0] = 13;
    run.pageFlags[1] = 13;
    run.ending = Ending::PageOkButton;
    RunSheet(&run, PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MAXIMIZE);
    EXPECT_EQ(run.tabsStyle & TCS_BOTTOM, 0);
    shelltest::ExpectRect(run.tabsRect, 0, 26, 240, 320);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(run.pageShown[i].top, 26);
        EXPECT_LT(run.pageShown[i].bottom - run.pageShown[i].top, 294) << "the page was made full-screen";
    }
}

TEST(PropertySheets, APageEndingItselfClosesTheSheetOnce)
{
    for (Ending ending : {Ending::PageOkButton, Ending::BothPagesEnd}) {
        SheetRun run = {};
        run.versionAnswer = kDeviceVersion;
        run.pageFlags[0] = 13;
        run.pageFlags[1] = 13;
        run.ending = ending;
        RunSheet(&run, PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MAXIMIZE);
        EXPECT_EQ(run.applies[0] + run.applies[1], 0);
        EXPECT_EQ(run.queryCancels, 1) << "the sheet was closed more than once";
    }
}

TEST(PropertySheets, WithoutTheFlagTheSheetKeepsTheDesktopLook)
{
    SheetRun run = {};
    run.versionAnswer = kDeviceVersion;
    run.ending = Ending::PageOkButton;
    RunSheet(&run, PSH_PROPSHEETPAGE | PSH_USECALLBACK);
    EXPECT_EQ(run.sheetStyle & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(run.okButtonShown);
    EXPECT_EQ(VersionQueries(run).size(), 1u);
}
