// The go-to-month dialog run modally over the main window: its start, its
// answers to the years typed (the refusals read through the box watch), the
// month it jumps to with the schedule's mode command, and its picture.
#include "core/state.h"
#include "lists/state.h"
#include "mainwindow/go_to_month.h"
#include "mainwindow/hooks.h"
#include "mainwindow/request_hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/requests/requests_fixture.h"
#include "tests/shell/support.h"
#include "tests/support/box_watch.h"
#include "tests/views/main_window_fixture.h"

#include <functional>

namespace requests {
namespace {

constexpr wchar_t kCaption[] = L"년월 바로가기";
constexpr wchar_t kYearNotRead[] = L"년도 자료가 올바르지 않습니다";
constexpr wchar_t kYearOutOfRange[] = L"년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)";

std::function<void(HWND)> g_act;

HWND OpenDialog()
{
    return FindWindowW(L"#32770", kCaption);
}

void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = OpenDialog();
    if (!dialog)
        return;
    KillTimer(nullptr, timer);
    testkit::PumpPending();
    auto act = std::move(g_act);
    act(dialog);
}

// Runs the dialog from the month given, with `act` done once it shows; the
// dialog's result.
INT_PTR RunDialog(GoToMonthStart start, std::function<void(HWND)> act)
{
    g_act = std::move(act);
    SetTimer(nullptr, 0, 50, ActOnDialog);
    shelltest::Failsafe failsafe(10000, [] {
        if (HWND dialog = OpenDialog())
            EndDialog(dialog, -1);
    });
    INT_PTR result = DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_GO_TO_MONTH), MainWindow,
                                     GoToMonthDialogProc, reinterpret_cast<LPARAM>(&start));
    EXPECT_FALSE(failsafe.fired()) << "the dialog did not end";
    return result;
}

void Press(HWND dialog, int button)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

RECT PlaceInClient(HWND dialog, int id)
{
    RECT rect = testkit::ScreenRect(GetDlgItem(dialog, id));
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class GoToMonthTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::ResetViews();
        wcscpy(CurrentDate, L"2008-03-15");
        ScheduleMode = 'W';
    }
    void TearDown() override { ScheduleMode = 'M'; }
};

TEST_F(GoToMonthTest, StartsFromTheMonthGivenAtItsPlace)
{
    bool acted = false;
    INT_PTR result = RunDialog({2009, 11}, [&](HWND dialog) {
        acted = true;
        EXPECT_EQ(testkit::WindowText(GetDlgItem(dialog, IDC_GO_TO_YEAR)), L"2009");
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_GO_TO_YEAR, EM_GETLIMITTEXT, 0, 0), 4);
        HWND months = GetDlgItem(dialog, IDC_GO_TO_MONTH);
        EXPECT_EQ(testkit::ComboItems(months),
                  (std::vector<std::wstring>{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"11", L"12"}));
        EXPECT_EQ(testkit::ComboSelection(months), 10);
        shelltest::ExpectRect(testkit::ScreenRect(dialog), 25, 61, 215, 178);
        const struct {
            int id;
            RECT place;
        } places[] = {
            {IDC_GO_TO_YEAR, {31, 19, 71, 39}},      {IDC_GO_TO_YEAR_LABEL, {71, 20, 86, 40}},
            {IDC_GO_TO_MONTH_LABEL, {136, 20, 151, 40}}, {IDOK, {44, 65, 94, 85}},
            {IDCANCEL, {96, 65, 146, 85}},
        };
        for (const auto& p : places) {
            SCOPED_TRACE(p.id);
            const RECT& r = p.place;
            shelltest::ExpectRect(PlaceInClient(dialog, p.id), r.left, r.top, r.right, r.bottom);
        }
        EXPECT_EQ(PlaceInClient(dialog, IDC_GO_TO_MONTH).left, 96);
        EXPECT_EQ(PlaceInClient(dialog, IDC_GO_TO_MONTH).top, 19);
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(acted);
    EXPECT_EQ(result, kGoToMonthCancelled);
}

// The year takes Latin letters and brings the input panel up each time it
// gets the focus.
TEST_F(GoToMonthTest, TheYearGetsLatinInputAndThePanel)
{
    RunDialog({2008, 3}, [&](HWND dialog) {
        HWND year = GetDlgItem(dialog, IDC_GO_TO_YEAR);
        EXPECT_EQ(GetFocus(), year);
        SetFocus(GetDlgItem(dialog, IDC_GO_TO_MONTH));
        SipShowIM(SIPF_OFF);
        HIMC context = ImmGetContext(year);
        ImmSetConversionStatus(context, IME_CMODE_HANGUL, 0);
        SetFocus(year);
        DWORD conversion = 1, sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        ImmReleaseContext(year, context);
        EXPECT_EQ(conversion, 0u);
        SIPINFO panel = {};
        panel.cbSize = sizeof(panel);
        ASSERT_TRUE(SipGetInfo(&panel));
        EXPECT_TRUE(panel.fdwFlags & SIPF_ON);
        Press(dialog, IDCANCEL);
    });
    SipShowIM(SIPF_OFF);
}

struct YearCase {
    const wchar_t* year;
    int monthIndex;
    const wchar_t* refusal;  // null when accepted
    const wchar_t* date;     // CurrentDate afterwards
};

TEST_F(GoToMonthTest, AcceptsTheCalendarsYearsAndRefusesTheRest)
{
    const YearCase cases[] = {
        {L"2050", 11, nullptr, L"2050-12-07"},
        {L"1841", 0, nullptr, L"1841-01-07"},
        {L"2008", 5, nullptr, L"2008-06-07"},
        {L"208 ", 0, kYearNotRead, L"2008-03-15"},
        {L"2051", 0, kYearOutOfRange, L"2008-03-15"},
        {L"1840", 11, kYearOutOfRange, L"2008-03-15"},
        {L"999", 0, kYearNotRead, L"2008-03-15"},
        {L" 99 ", 0, kYearNotRead, L"2008-03-15"},
        {L"19x9", 0, kYearNotRead, L"2008-03-15"},
        {L"", 0, kYearNotRead, L"2008-03-15"},
    };
    for (const YearCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.year)));
        wcscpy(CurrentDate, L"2008-03-15");
        views::RecordItemCommands();
        boxwatch::SeenBox box;
        bool stayedOpen = false;
        INT_PTR result = RunDialog({2008, 3}, [&](HWND dialog) {
            SetDlgItemTextW(dialog, IDC_GO_TO_YEAR, c.year);
            SendDlgItemMessageW(dialog, IDC_GO_TO_MONTH, CB_SETCURSEL, static_cast<WPARAM>(c.monthIndex), 0);
            SetFocus(GetDlgItem(dialog, IDOK));
            boxwatch::ArmForThisThread();
            Press(dialog, IDOK);
            box = boxwatch::Disarm();
            if (IsWindowVisible(dialog)) {
                stayedOpen = true;
                EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_GO_TO_YEAR));
                Press(dialog, IDCANCEL);
            }
        });
        EXPECT_EQ(std::wstring(CurrentDate), c.date);
        if (c.refusal) {
            EXPECT_TRUE(stayedOpen);
            EXPECT_EQ(result, kGoToMonthCancelled);
            EXPECT_EQ(box.caption, L"오류");
            EXPECT_EQ(box.text, c.refusal);
            EXPECT_TRUE(views::ItemCommandsSeen().empty());
        } else {
            EXPECT_EQ(result, kGoToMonthDone);
            EXPECT_FALSE(box.seen);
            EXPECT_EQ(views::ItemCommandsSeen(), std::vector<UINT>{ID_SCHEDULE_WEEK_MODE});
        }
    }
}

TEST_F(GoToMonthTest, SendsTheModeCommandOfTheSchedulesMode)
{
    for (const views::ModeCommand& mode : views::kScheduleModeCommands) {
        SCOPED_TRACE(std::string(1, mode.mode));
        ScheduleMode = mode.mode;
        views::RecordItemCommands();
        EXPECT_EQ(RunDialog({2008, 3}, [](HWND dialog) { Press(dialog, IDOK); }), kGoToMonthDone);
        EXPECT_EQ(std::wstring(CurrentDate), L"2008-03-07");
        EXPECT_EQ(views::ItemCommandsSeen(), std::vector<UINT>{mode.command});
    }
}

// The schedule's year or month label taking the focus opens the dialog on
// the month the grid shows; before the grid's first picture, on the month of
// CurrentDate.
TEST_F(GoToMonthTest, TheGridsLabelsOpenItOnTheGridsMonth)
{
    const struct {
        int gridYear, gridMonth;
        UINT label;
        const wchar_t* year;
        int monthIndex;
    } cases[] = {
        {2010, 5, IDC_GRID_YEAR_LABEL, L"2010", 4},
        {1999, 12, IDC_GRID_MONTH_LABEL, L"1999", 11},
        {0, 0, IDC_GRID_YEAR_LABEL, L"2008", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        SetRequestHooks();
        GridYear = c.gridYear;
        GridMonth = c.gridMonth;
        std::wstring year;
        int month = -1;
        g_act = [&](HWND dialog) {
            year = testkit::WindowText(GetDlgItem(dialog, IDC_GO_TO_YEAR));
            month = testkit::ComboSelection(GetDlgItem(dialog, IDC_GO_TO_MONTH));
            Press(dialog, IDCANCEL);
        };
        SetTimer(nullptr, 0, 50, ActOnDialog);
        shelltest::Failsafe failsafe(10000, [] {
            if (HWND dialog = OpenDialog())
                EndDialog(dialog, -1);
        });
        SendMessageW(MainWindow, WM_COMMAND, MAKEWPARAM(c.label, EN_SETFOCUS),
                     reinterpret_cast<LPARAM>(GetDlgItem(MainWindow, c.label)));
        EXPECT_FALSE(failsafe.fired());
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.monthIndex);
    }
    GridYear = GridMonth = 0;
    Hooks = MainWindowHooks();
}

TEST_F(GoToMonthTest, CancelChangesNothing)
{
    views::RecordItemCommands();
    EXPECT_EQ(RunDialog({2008, 3}, [](HWND dialog) {
                  SetDlgItemTextW(dialog, IDC_GO_TO_YEAR, L"2010");
                  Press(dialog, IDCANCEL);
              }),
              kGoToMonthCancelled);
    EXPECT_EQ(std::wstring(CurrentDate), L"2008-03-15");
    EXPECT_TRUE(views::ItemCommandsSeen().empty());
}

// The two buttons show their faces, stretched over them.
TEST_F(GoToMonthTest, Picture)
{
    RunDialog({2008, 3}, [](HWND dialog) {
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(200);
        testkit::Image screen = testkit::CaptureScreen();
        testkit::SaveScreenshot(screen, L"go-to-month");
        for (const auto& [button, bitmap] : {std::pair{IDOK, IDB_OK_BUTTON}, std::pair{IDCANCEL, IDB_CANCEL_BUTTON}}) {
            SCOPED_TRACE(button);
            RECT place = testkit::ScreenRect(GetDlgItem(dialog, button));
            testkit::Image face = views::FaceBitmap(bitmap);
            ASSERT_EQ(face.width, 50);
            ASSERT_EQ(face.height, 20);
            EXPECT_TRUE(views::SamePixels(
                views::Region(screen, static_cast<int>(place.left), static_cast<int>(place.top), 50, 20), face));
        }
        Press(dialog, IDCANCEL);
    });
}

}  // namespace
}  // namespace requests
