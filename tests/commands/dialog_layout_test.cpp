// The main program's own dialogs opened as the user opens them, over the
// running main window, and measured as the screen shows them: every visible
// control inside 240 x 320, none over another but where their places stack
// them, every text whole in its control and not painted over by another.
#include "lists/state.h"
#include "mainwindow/go_to_month.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/support/dialog_measure.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/layout_check.h"
#include "tests/support/testkit.h"
#include "tests/views/main_window_fixture.h"

#include <gtest/gtest.h>

namespace commandstest {
namespace {

using namespace dialogdriver;

struct DialogCase {
    const wchar_t* name;
    int controlId;  // a control of the dialog, to know it by
    int closeId;    // the button that ends it
    std::function<void()> open;
    layout::Rules rules;
};

class DialogLayoutTest : public testing::Test {
protected:
    void SetUp() override { views::EnsureMainWindow(); }
    void Measure(const DialogCase& c)
    {
        SCOPED_TRACE(layout::Utf8(c.name));
        std::vector<std::wstring> breaches;
        Driver driver;
        driver.Then("measure", DialogWith(c.controlId), [&](HWND dialog) {
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            testkit::PumpFor(100);
            dialogmeasure::SaveControlTable(dialog, c.name);
            testkit::SaveScreenshot(testkit::CaptureScreen(), std::wstring(L"layout-") + c.name);
            breaches = layout::Breaches(dialog, c.name, c.rules);
            for (const std::wstring& breach : dialogmeasure::TextsPaintedOver(dialog, c.name))
                breaches.push_back(breach);
            PostMessageW(dialog, WM_COMMAND, c.closeId, 0);
        });
        EXPECT_TRUE(driver.Run(c.open)) << layout::Utf8(c.name) << " did not open";
        for (const std::wstring& breach : breaches)
            ADD_FAILURE() << layout::Utf8(breach);
    }
};

TEST_F(DialogLayoutTest, TheAboutBoxShowsEveryTextWhole)
{
    DialogCase c = {L"about", IDC_ABOUT_DESCRIPTION, IDOK, [] { testkit::ChooseCommand(MainWindow, IDM_ABOUT); }, {}};
    // The given places of the title and the three lines meet.
    c.rules.stacked = {{IDC_ABOUT_TITLE, IDC_ABOUT_DESCRIPTION},
                       {IDC_ABOUT_DESCRIPTION, IDC_ABOUT_VERSION},
                       {IDC_ABOUT_VERSION, IDC_ABOUT_EMPTY}};
    Measure(c);
}

// Opened from the month the grid shows; its places are all given.
TEST_F(DialogLayoutTest, TheGoToMonthDialogFitsTheScreen)
{
    GridYear = 2026;
    GridMonth = 12;
    Measure({L"go-to-month", IDC_GO_TO_YEAR, IDCANCEL, [] { RunGoToMonthDialog(MainWindow); }, {}});
}

}  // namespace
}  // namespace commandstest
