// The sheet on the File menu: the page it opens on, its tabs and place,
// its callback; Cancel; the Today item's request.
#include "editors/preferences_sheet.h"
#include "editors/preferences_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace {

constexpr int kTabControlId = 0x3020;

std::vector<std::wstring> TabTitles(HWND sheet)
{
    HWND tabs = GetDlgItem(sheet, kTabControlId);
    std::vector<std::wstring> titles;
    const int count = TabCtrl_GetItemCount(tabs);
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        TabCtrl_GetItem(tabs, i, &item);
        titles.push_back(text);
    }
    return titles;
}

class SheetTest : public testing::Test {
protected:
    void SetUp() override { views::EnsureMainWindow(); }
};

TEST_F(SheetTest, OpensOnTheStartPageWithItsTabsOverTheWorkArea)
{
    const int pageControls[] = {IDC_DIARY_KEYPAD, IDC_TODAY_SPAN, IDC_EXTRAS_CANDIDATES, IDC_COLORS_RESET};
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    for (int start = 0; start < kSettingsPageCount; ++start) {
        SCOPED_TRACE(start);
        HWND shown = nullptr;
        std::vector<std::wstring> titles;
        RECT place = {};
        int startAfterOpen = -1;
        ASSERT_TRUE(prefs::RunSheet(start, [&](HWND sheet) {
            shown = PropSheet_GetCurrentPageHwnd(sheet);
            titles = TabTitles(sheet);
            GetWindowRect(sheet, &place);
            startAfterOpen = SettingsStartPage;
            EXPECT_EQ(SettingsPageWindows[start], shown);
            EXPECT_NE(nullptr, GetDlgItem(shown, pageControls[start]));
            prefs::PressCancel(shown);
        }));
        EXPECT_EQ(start, startAfterOpen);
        EXPECT_EQ((std::vector<std::wstring>{L"다이어리환경", L"투데이환경", L"투데이기타", L"투데이색상"}), titles);
        EXPECT_EQ(workArea.left, place.left);
        EXPECT_EQ(workArea.top, place.top);
        EXPECT_EQ(workArea.right, place.right);
        EXPECT_EQ(workArea.bottom, place.bottom);
        // Closed by Cancel: no page is remembered for the next apply.
        for (HWND page : SettingsPageWindows)
            EXPECT_EQ(nullptr, page);
    }
}

// Each tab's title fits its tab, which lies whole on the screen, and a tap
// at the tab's drawn centre reaches the strip and brings the tab's page.
TEST_F(SheetTest, EveryTabShowsItsTitleAndATapOnItBringsItsPage)
{
    ASSERT_TRUE(prefs::RunSheet(0, [&](HWND sheet) {
        HWND tabs = GetDlgItem(sheet, kTabControlId);
        const std::vector<std::wstring> titles = TabTitles(sheet);
        HDC dc = GetDC(tabs);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(tabs, WM_GETFONT, 0, 0)));
        RECT strip = {};
        GetClientRect(tabs, &strip);
        std::vector<RECT> drawn;
        for (int i = 0; i < kSettingsPageCount; ++i) {
            SCOPED_TRACE(i);
            RECT item = {};
            ASSERT_TRUE(TabCtrl_GetItemRect(tabs, i, &item));
            SIZE text = {};
            GetTextExtentPoint32W(dc, titles[i].c_str(), static_cast<int>(titles[i].size()), &text);
            EXPECT_LE(text.cx, item.right - item.left);
            EXPECT_LE(text.cy, item.bottom - item.top);
            // Inside the strip's window, so it is drawn and can be hit.
            EXPECT_GE(item.left, strip.left);
            EXPECT_LE(item.right, strip.right);
            EXPECT_GE(item.top, strip.top);
            EXPECT_LE(item.bottom, strip.bottom);
            for (const RECT& other : drawn) {
                RECT both = {};
                EXPECT_FALSE(IntersectRect(&both, &item, &other));
            }
            drawn.push_back(item);
        }
        SelectObject(dc, old);
        ReleaseDC(tabs, dc);
        RECT screen = testkit::ScreenRect(sheet);
        for (int i : {1, 2, 3, 0, 3, 2, 1}) {
            SCOPED_TRACE(i);
            RECT item = {};
            TabCtrl_GetItemRect(tabs, i, &item);
            POINT centre = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
            ClientToScreen(tabs, &centre);
            EXPECT_LT(centre.x, screen.right);
            EXPECT_LT(centre.y, screen.bottom);
            HWND hit = WindowFromPoint(centre);
            EXPECT_EQ(tabs, hit);
            ScreenToClient(hit, &centre);
            testkit::Tap(hit, centre.x, centre.y);
            testkit::PumpPending();
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            EXPECT_EQ(SettingsPageWindows[i], page);
            EXPECT_TRUE(page && IsWindowVisible(page));
        }
        prefs::PressCancel(PropSheet_GetCurrentPageHwnd(sheet));
    }));
}

TEST_F(SheetTest, TheLastCreatedPageIsTheNextStart)
{
    ASSERT_TRUE(prefs::RunSheet(0, [](HWND sheet) {
        prefs::ShowPage(sheet, 2);
        HWND page = prefs::ShowPage(sheet, 1);
        prefs::PressCancel(page);
    }));
    // The Today page was created after the extras page.
    EXPECT_EQ(1, SettingsStartPage);
}

TEST_F(SheetTest, CallbackAnswersTheVersionQueryOnly)
{
    EXPECT_EQ(526, SettingsSheetCallback(nullptr, 3, 0));
    for (UINT message : {0u, 1u, 2u, 4u})
        EXPECT_EQ(0, SettingsSheetCallback(nullptr, message, 0));
}

TEST_F(SheetTest, FromTheTodayItemTheMainWindowHidesAfterOkAndAfterCancel)
{
    for (bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        ShowWindow(MainWindow, SW_SHOW);
        FromTodayRequest = true;
        int opened = -1;
        ASSERT_TRUE(prefs::RunSheet(1, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            opened = page == SettingsPageWindows[kTodayPage] ? 1 : -1;
            ok ? prefs::PressOk(page) : prefs::PressCancel(page);
        }));
        EXPECT_EQ(1, opened);
        EXPECT_FALSE(IsWindowVisible(MainWindow));
        EXPECT_FALSE(FromTodayRequest);
    }
    ShowWindow(MainWindow, SW_SHOW);
}

}  // namespace
