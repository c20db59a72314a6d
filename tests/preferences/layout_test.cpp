// The sheet's four pages and its two pickers opened for real and measured
// as the screen shows them: every visible control inside 240 x 320, none
// over another, every text whole in its control and not painted over by
// another. Each case also leaves its table of controls and a picture in the
// run folder.
#include "editors/color_picker.h"
#include "editors/preferences_state.h"
#include "editors/program_picker.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/commands/dialog_measure.h"
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

}  // namespace
