// The sheet's four pages and its two pickers opened for real and measured
// as the screen shows them: every visible control inside 240 x 320, none
// over another, every text whole in its control and not painted over by
// another. Each case also leaves its table of controls and a picture in the
// run folder.
#include "editors/color_picker.h"
#include "editors/page_layout.h"
#include "editors/preferences_state.h"
#include "editors/program_picker.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/support/dialog_measure.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/support/layout_check.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace {

// Measures the dialog as it stands, saves its table and picture, and
// reports each breach as a failure of the case.
void MeasureDialog(HWND dialog, const std::wstring& name)
{
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpFor(100);
    dialogmeasure::SaveControlTable(dialog, name);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"layout-" + name);
    for (const std::wstring& breach : layout::Breaches(dialog, name, layout::Rules{}))
        ADD_FAILURE() << layout::Utf8(breach);
    for (const std::wstring& breach : dialogmeasure::TextsPaintedOver(dialog, name))
        ADD_FAILURE() << layout::Utf8(breach);
}

class PreferencesLayoutTest : public testing::Test {
protected:
    void SetUp() override { views::EnsureMainWindow(); }
};

// Every page with the items its drop lists hold; the sheet's tab strip is
// measured with them.
TEST_F(PreferencesLayoutTest, EveryPageFitsTheScreen)
{
    const wchar_t* names[] = {L"prefs-diary", L"prefs-today", L"prefs-extras", L"prefs-colours"};
    for (int index = 0; index < kSettingsPageCount; ++index) {
        SCOPED_TRACE(layout::Utf8(names[index]));
        ASSERT_TRUE(prefs::RunSheet(index, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            MeasureDialog(sheet, names[index]);
            prefs::PressCancel(page);
        }));
    }
}

TEST_F(PreferencesLayoutTest, ThePickersFitTheScreen)
{
    EXPECT_TRUE(prefs::WithDialog(L"색상 선택", [] { RunColorPicker(MainWindow); }, [](HWND picker) {
        MeasureDialog(picker, L"color-picker");
        PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_TRUE(prefs::WithDialog(L"바로가기 사용자 지정", [] { RunProgramPicker(MainWindow); }, [](HWND picker) {
        MeasureDialog(picker, L"program-picker");
        PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
    }));
}

// Where two places meet, the first ends where the other begins; a group
// and places that do not meet keep theirs.
TEST(PlacesWithoutOverlap, TheFirstOfTwoEndsWhereTheOtherBegins)
{
    struct Case {
        const char* name;
        PagePlace a, b;
        RECT a2, b2;
    };
    const Case cases[] = {
        {"label under its field", {{20, 30, 120, 48}, false}, {{100, 30, 200, 48}, false},
         {20, 30, 100, 48}, {100, 30, 200, 48}},
        {"label a little below its field's top", {{20, 25, 120, 43}, false}, {{90, 23, 150, 41}, false},
         {20, 25, 90, 43}, {90, 23, 150, 41}},
        {"row over the next by a pixel", {{20, 86, 220, 104}, false}, {{20, 103, 220, 121}, false},
         {20, 86, 220, 103}, {20, 103, 220, 121}},
        {"a box on the right over a wide row below", {{20, 171, 220, 189}, false}, {{120, 154, 220, 172}, false},
         {20, 171, 220, 189}, {120, 154, 220, 171}},
        {"a group holds what lies in it", {{10, 10, 230, 167}, true}, {{20, 30, 120, 48}, false},
         {10, 10, 230, 167}, {20, 30, 120, 48}},
        {"apart", {{2, 271, 52, 291}, false}, {{53, 271, 103, 291}, false}, {2, 271, 52, 291}, {53, 271, 103, 291}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PagePlace places[] = {c.a, c.b};
        const std::vector<RECT> placed = PlacesWithoutOverlap(places);
        ASSERT_EQ(placed.size(), 2u);
        EXPECT_TRUE(EqualRect(&placed[0], &c.a2));
        EXPECT_TRUE(EqualRect(&placed[1], &c.b2));
    }
}

}  // namespace
