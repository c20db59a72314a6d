// Texts of the views measured in the controls that show them, in the
// control's own font against its client width.
#include "mainwindow/contact_list_columns.h"
#include "mainwindow/state.h"
#include "mainwindow/view_layouts.h"
#include "tests/support/layout_check.h"
#include "tests/views/main_window_fixture.h"

namespace views {
namespace {

int ClientWidth(HWND control)
{
    RECT client = {};
    GetClientRect(control, &client);
    return client.right;
}

// The schedule detail's lines as its preview writes them: the widest time
// line spans two dates with a time on each.
TEST_F(ViewsTest, TheScheduleDetailLinesShowTheirLongestTextsWhole)
{
    DetailMode[kScheduleDetail] = 'V';
    SendMessageW(MainWindow, WM_COMMAND, 20015, 0);
    ShowScheduleDetail();
    struct LineCase {
        const char* name;
        HWND* label;
        const wchar_t* text;
    };
    const LineCase cases[] = {
        {"time line over two dates", &DetailSubtitleLabel, L"2026-12-28 23:00 ~ 2026-12-29 08:30"},
        {"all-day days", &DetailSubtitleLabel, L"2026-12-28 ~ 2026-12-31"},
        {"holiday date with its lunar date", &DetailTitleLabel, L"[일   자] 2026-12-25 (음11/17)"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(*c.label);
        SetWindowTextW(*c.label, c.text);
        EXPECT_TRUE(IsWindowVisible(*c.label));
        EXPECT_EQ(testkit::WindowText(*c.label), c.text);
        EXPECT_LE(layout::TextWidth(*c.label, testkit::WindowText(*c.label)), ClientWidth(*c.label));
    }
    SetWindowTextW(DetailTitleLabel, L"송년회");
    SetWindowTextW(DetailSubtitleLabel, cases[0].text);
    SetWindowTextW(DetailLine3, L"강남역 2번 출구");
    RedrawWindow(MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpFor(100);
    testkit::SaveScreenshot(testkit::CaptureWindow(MainWindow), L"detail-schedule-two-dates");
    DetailMode[kScheduleDetail] = 'L';
}

// The contact list's layout changed while the view is up, as the
// preferences sheet changes it: the headings over the columns change with
// it, without waiting for the view to be drawn again.
TEST_F(ViewsTest, TheContactHeadingsFollowTheListLayoutAtOnce)
{
    struct LayoutCase {
        const char* name;
        int layout;
        int faces[3];
        int widths[3];
    };
    const LayoutCase cases[] = {
        {"mobile and phone", 2, {117, 118, 119}, {50, 89, 82}},
        {"contact and kind", 1, {346, 347, 348}, {80, 115, 26}},
    };
    SendMessageW(MainWindow, WM_COMMAND, 20011, 0);
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        // The view is drawn in the other layout first and left alone.
        Settings.ContactListColumns = 3 - c.layout;
        SetupContactListColumns();
        RedrawWindow(MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(50);
        Settings.ContactListColumns = c.layout;
        SetupContactListColumns();
        testkit::PumpFor(100);
        const testkit::Image screen = testkit::CaptureScreen();
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(testing::Message() << "heading " << i);
            const RECT place = testkit::ScreenRect(ContactColumnButtons[i]);
            EXPECT_TRUE(SamePixels(Region(screen, place.left, place.top, place.right - place.left,
                                          place.bottom - place.top),
                                   FaceBitmap(c.faces[i])));
            EXPECT_EQ(ListView_GetColumnWidth(ContactList, i), c.widths[i]);
        }
        testkit::SaveScreenshot(screen, std::wstring(L"contact-headings-layout-") + std::to_wstring(c.layout));
    }
}

}  // namespace
}  // namespace views
