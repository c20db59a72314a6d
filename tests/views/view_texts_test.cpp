// Texts of the views measured in the controls that show them, in the
// control's own font against its client width.
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

}  // namespace
}  // namespace views
