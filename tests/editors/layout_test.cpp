// Every dialog of the item editors opened for real and measured as the
// screen shows it: each visible control inside 240 x 320, none over another,
// and where the place is ours, each text whole in its control.
#include "editors/assignee_picker.h"
#include "editors/recurrence_wizard.h"
#include "mainwindow/state.h"
#include "resources/dialog_units.h"
#include "resources/resource.h"
#include "tests/editors/editors_fixture.h"
#include "tests/support/layout_check.h"

#include <strsafe.h>

#include <functional>

namespace editorstest {
namespace {

using namespace dialogdriver;

struct LayoutCase {
    const char* name;
    int controlId;                     // a control of the dialog to measure
    std::function<void()> open;        // runs it modally
    std::set<int> placesGiven;
    std::function<void(HWND)> fill = nullptr;  // what a user does before looking
};

class EditorLayoutTest : public EditorsTest {
protected:
    // Opens the dialog, measures it once it is up, takes its picture, ends it.
    std::vector<std::wstring> Measure(const LayoutCase& c)
    {
        std::vector<std::wstring> breaches;
        Driver driver;
        driver.Then("measure", DialogWith(c.controlId), [&](HWND dialog) {
            if (c.fill)
                c.fill(dialog);
            testkit::PumpFor(100);
            layout::Rules rules;
            rules.placeGiven = c.placesGiven;
            std::wstring name(c.name, c.name + strlen(c.name));
            breaches = layout::Breaches(dialog, name, rules);
            testkit::SaveScreenshot(testkit::CaptureScreen(), L"layout-" + name);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_TRUE(driver.Run(c.open)) << c.name << " did not open";
        return breaches;
    }
};

// The wizard's pages as the editors open them, with the rule of a start on
// Saturday 26 December 2026.
void OpenRulePage(int dialogId)
{
    RecurrencePatternState = RecurrenceRule{};
    RecurrencePatternState.SeedYear = 2026;
    RecurrencePatternState.SeedMonth = 12;
    RecurrencePatternState.SeedDay = 26;
    RecurrencePatternState.SeedWeekday = 7;
    RecurrencePatternState.SeedNth = 4;
    ResetRecurrencePatterns(true);
    RecurrencePatternState.PageType = kPageWeekly;
    RunRulePage(nullptr, dialogId);
}

TEST_F(EditorLayoutTest, ThePickerAndTheWizardPagesFitTheScreen)
{
    const LayoutCase cases[] = {
        {"assignee-picker", IDC_PICKER_SEARCH_TEXT, [] { RunAssigneePicker(nullptr); }, {}},
        {"rule-daily", IDC_RULE_DAILY_N, [] { OpenRulePage(IDD_RULE_DAILY); }, {}},
        {"rule-weekly", IDC_RULE_WEEKLY_N, [] { OpenRulePage(IDD_RULE_WEEKLY); }, {}},
        {"rule-monthly", IDC_RULE_MONTHLY_N, [] { OpenRulePage(IDD_RULE_MONTHLY); }, {}},
        {"rule-yearly", IDC_RULE_YEARLY_DAY, [] { OpenRulePage(IDD_RULE_YEARLY); }, {}},
        {"rule-range", IDC_RULE_FINISH, [] { OpenRulePage(IDD_RULE_RANGE); }, {}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::wstring& breach : Measure(c))
            ADD_FAILURE() << layout::Utf8(breach);
    }
}

// The task editor on 11 December 2026: every date a picker shows has ten
// characters.
TEST_F(EditorLayoutTest, TheTaskEditorFitsTheScreen)
{
    CEOID task = MakeTask(L"보고서 제출");
    const LayoutCase cases[] = {
        {"task-editor", IDC_TASK_START_DATE, [] { RunEditor(IDD_TASK_EDITOR, kEditInsert); }, {}},
        // An update's note is a Rich Ink control in the note's place.
        {"task-editor-update", IDC_TASK_START_DATE,
         [&] {
             ASSERT_TRUE(LoadTask(task));
             RunEditor(IDD_TASK_EDITOR, kEditUpdate);
         },
         {}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::wstring& breach : Measure(c))
            ADD_FAILURE() << layout::Utf8(breach);
    }
}

// Everything a user can switch on, and the longest lunar text: a leap month
// and a two-digit day (2023-04-19 is the 29th of the leap second month).
void FillScheduleForm(HWND dialog)
{
    SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2023, 4, 19);
    SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, true);
    SetCheck(dialog, IDC_SCHEDULE_PERIOD_ON, true);
    SetCheck(dialog, IDC_SCHEDULE_REMINDER, true);
    Type(dialog, IDC_SCHEDULE_TITLE, L"분기 실적 보고 회의");
    Type(dialog, IDC_SCHEDULE_PLACE, L"본사 3층 대회의실");
}

// The places of 159 are fixed, but its faces are ours: every text is
// measured, the pickers' dates and times too.
TEST_F(EditorLayoutTest, TheScheduleEditorFitsTheScreenInEveryMode)
{
    CEOID series = MakeAppointment(L"주간 회의", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    const LayoutCase cases[] = {
        {"schedule-new", IDC_SCHEDULE_TITLE, [] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); },
         {}, FillScheduleForm},
        {"schedule-series", IDC_SCHEDULE_TITLE,
         [&] {
             ASSERT_TRUE(LoadAppointment(series));
             RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate);
         },
         {}, nullptr},
        {"schedule-occurrence", IDC_SCHEDULE_TITLE,
         [&] {
             ASSERT_TRUE(LoadAppointment(series, true, L"2024-05-13", L"09:00"));
             RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate);
         },
         {}, nullptr},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::wstring& breach : Measure(c))
            ADD_FAILURE() << layout::Utf8(breach);
    }
}

INT_PTR CALLBACK PlainProc(HWND, UINT msg, WPARAM, LPARAM)
{
    return msg == WM_INITDIALOG;
}

// The templates' bounds follow the unit as this device measures it: the
// largest size in whole units that stays inside the screen below the top bar.
TEST(DialogUnits, TheTemplatesBoundsAreTheScreenInMeasuredUnits)
{
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_RULE_DAILY), nullptr, PlainProc, 0);
    ASSERT_NE(dialog, nullptr);
    RECT hundreds = {0, 0, 400, 400};
    MapDialogRect(dialog, &hundreds);
    EXPECT_NEAR(hundreds.right, 700, 2) << "1.75 pixels across";
    EXPECT_NEAR(hundreds.bottom, 700, 2) << "1.75 pixels down";
    RECT bounds = {0, 0, SCREEN_WIDTH_UNITS, FULL_SCREEN_HEIGHT_UNITS};
    MapDialogRect(dialog, &bounds);
    RECT oneMore = {0, 0, SCREEN_WIDTH_UNITS + 1, FULL_SCREEN_HEIGHT_UNITS + 1};
    MapDialogRect(dialog, &oneMore);
    EXPECT_LE(bounds.right, 240);
    EXPECT_GT(oneMore.right, 240);
    EXPECT_LE(bounds.bottom, 294);
    EXPECT_GT(oneMore.bottom, 294);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace editorstest
