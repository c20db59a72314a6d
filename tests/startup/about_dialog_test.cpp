// The About dialog, opened directly: its controls in place, the title in the
// large bold font, the bitmap button ending it with 1.
#include "mainwindow/about_dialog.h"

#include "core/fonts.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/support/layout_check.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

struct Seen {
    bool shown = false;
    std::wstring title;
    HFONT titleFont = nullptr;
    RECT rects[5] = {};
    COLORREF buttonCentre = CLR_INVALID;
    std::vector<std::wstring> breaches;
};

Seen seen;
const int kIds[5] = {IDC_ABOUT_TITLE, IDC_ABOUT_DESCRIPTION, IDC_ABOUT_VERSION, IDC_ABOUT_EMPTY, IDOK};

RECT ClientRectInDialog(HWND dialog, HWND control)
{
    RECT r = testkit::ScreenRect(control);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void CALLBACK InspectAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog || !IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, timer);
    seen.shown = true;
    seen.title = testkit::WindowText(GetDlgItem(dialog, IDC_ABOUT_TITLE));
    seen.titleFont = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0));
    for (int i = 0; i < 5; ++i)
        seen.rects[i] = ClientRectInDialog(dialog, GetDlgItem(dialog, kIds[i]));
    // The lines lie over each other where their given places meet; each of
    // our texts must still show whole in its own.
    layout::Rules rules;
    rules.stacked = {{IDC_ABOUT_TITLE, IDC_ABOUT_DESCRIPTION},
                     {IDC_ABOUT_DESCRIPTION, IDC_ABOUT_VERSION},
                     {IDC_ABOUT_VERSION, IDC_ABOUT_EMPTY}};
    seen.breaches = layout::Breaches(dialog, L"about", rules);
    UpdateWindow(dialog);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"about");
    RECT button = testkit::ScreenRect(GetDlgItem(dialog, IDOK));
    seen.buttonCentre = testkit::ScreenPixel(button.left + 3, (button.top + button.bottom) / 2);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST(AboutDialog, PlacesItsControlsAndEndsWithOne)
{
    AppInstance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(CreateAppFonts());
    UINT_PTR timer = SetTimer(nullptr, 0, 100, InspectAbout);
    INT_PTR result = DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ABOUT), nullptr, AboutDlgProc, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(result, 1);
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, L"Vestamor 다이어리");
    EXPECT_EQ(seen.titleFont, AppFonts.largeBold);
    for (const std::wstring& breach : seen.breaches)
        ADD_FAILURE() << layout::Utf8(breach);
    const RECT expected[5] = {{70, 23, 235, 68}, {15, 55, 223, 95}, {15, 92, 223, 132}, {15, 129, 223, 189},
                              {94, 240, 144, 260}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(testing::Message() << "control " << kIds[i]);
        EXPECT_EQ(seen.rects[i].left, expected[i].left);
        EXPECT_EQ(seen.rects[i].top, expected[i].top);
        EXPECT_EQ(seen.rects[i].right, expected[i].right);
        EXPECT_EQ(seen.rects[i].bottom, expected[i].bottom);
    }
    // The face of bitmap 122, not a plain button.
    EXPECT_EQ(seen.buttonCentre, RGB(200, 212, 236));
    DeleteAppFonts();
}

}  // namespace
