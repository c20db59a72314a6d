// What a person sees: every view, the contact card on each panel and the
// three detail layouts, saved as screenshots of the main window; on each,
// the chosen tab, mode or sort drawn with its pressed face and the Hangul
// of the search fields drawn.
#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <functional>

namespace views {
namespace {

// The main window and its toolbar strip as shown.
testkit::Image Shot(const wchar_t* name)
{
    RedrawWindow(MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpFor(100);
    testkit::Image image = testkit::CaptureWindow(MainWindow);
    testkit::SaveScreenshot(image, name);
    return image;
}

RECT PlaceOf(HWND control)
{
    RECT rect = testkit::ScreenRect(control);
    MapWindowPoints(nullptr, MainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Where the control is not covered by a sibling above it, the screen shows
// exactly the face bitmap.
testing::AssertionResult ShowsFace(const testkit::Image& shot, HWND control, int face)
{
    RECT rect = PlaceOf(control);
    testkit::Image expected = FaceBitmap(face);
    if (expected.width != rect.right - rect.left || expected.height != rect.bottom - rect.top)
        return testing::AssertionFailure() << "face " << face << " is not of the size of control "
                                           << GetDlgCtrlID(control);
    int compared = 0;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            POINT at = {rect.left + x, rect.top + y};
            if (ChildWindowFromPointEx(MainWindow, at, CWP_SKIPINVISIBLE) != control)
                continue;
            ++compared;
            if (shot.At(at.x, at.y) != expected.At(x, y))
                return testing::AssertionFailure() << "control " << GetDlgCtrlID(control) << " differs from face "
                                                   << face << " at " << x << ", " << y;
        }
    }
    if (compared < expected.width * expected.height / 10)
        return testing::AssertionFailure() << "control " << GetDlgCtrlID(control) << " is hidden under others";
    return testing::AssertionSuccess();
}

// Pixels of the control darker than mid grey: its text drawn.
int DarkPixels(const testkit::Image& shot, HWND control)
{
    RECT rect = PlaceOf(control);
    int dark = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            COLORREF c = shot.At(x, y);
            dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100;
        }
    }
    return dark;
}

struct Shown {
    HWND* control;
    int face;
};

struct ScreenCase {
    const wchar_t* name;
    int view;
    std::function<void()> layout;  // a card or detail layout over the view
    std::vector<Shown> faces;
};

TEST_F(ViewsTest, ScreenshotsOfEveryViewCardAndDetail)
{
    const int savedSource = Settings.MemoSource;
    Settings.MemoSource = 1;
    ScheduleMode = 'W';
    MemoSortKey = 'D';
    AnniversarySortKey = 'T';
    MemoPickByDate = 0;
    const ScreenCase cases[] = {
        {L"view-0-contacts", 0, nullptr, {{&ContactViewTab, 106}, {&IndexBarButtons[0], 138}}},
        {L"view-1-keypad", 1, nullptr, {{&SearchViewTab, 109}, {&KeypadSideTabs[0], 361}}},
        {L"view-2-company", 2, nullptr, {{&CompanyViewTab, 111}, {&CompanySideTabs[1], 310}}},
        {L"view-3-group", 3, nullptr, {{&GroupViewTab, 113}, {&GroupSideTabs[2], 312}}},
        {L"view-4-schedule", 4, nullptr, {{&ScheduleViewTab, 115}, {&ScheduleModeTabs[1], 336}}},
        {L"view-5-anniversaries", 5, nullptr, {{&AnniversaryViewTab, 199}, {&AnniversarySortButtons[0], 432}}},
        {L"view-6-tasks", 6, nullptr, {{&TaskViewTab, 314}, {&TaskHeaderButtons[0], 316}}},
        {L"view-7-memos", 7, nullptr, {{&MemoViewTab, 357}, {&MemoHeaderButtons[1], 366}, {&MemoSideTabs[0], 376}}},
        {L"card-0-appointments", 0,
         [] {
             ContactCardPanel = 0;
             DetailMode[kScheduleDetail] = 'L';
             ShowContactCard();
         },
         {{&CardScheduleTab, 423}, {&CardPortrait, 158}, {&CardLines[7], 428}}},
        {L"card-1-tasks", 0,
         [] {
             ContactCardPanel = 1;
             DetailMode[kTaskDetail] = 'L';
             ShowContactCard();
         },
         {{&CardTaskTab, 425}, {&CardTaskHeader[0], 323}}},
        {L"card-2-memos", 0,
         [] {
             ContactCardPanel = 2;
             DetailMode[kMemoDetail] = 'L';
             ShowContactCard();
         },
         {{&CardMemoTab, 427}, {&CardMemoHeader[1], 368}}},
        {L"detail-schedule", 4,
         [] {
             DetailMode[kScheduleDetail] = 'V';
             ShowScheduleDetail();
             ShowControl(DetailButtonA, true);
             ShowControl(DetailButtonB, true);
         },
         {{&ScheduleViewTab, 115}, {&DetailButtonA, 299}, {&DetailButtonB, 300}}},
        {L"detail-task", 6,
         [] {
             DetailMode[kTaskDetail] = 'V';
             ShowTaskDetail();
             ShowControl(DetailButtonC, true);
         },
         {{&TaskViewTab, 314}, {&DetailButtonC, 322}}},
        {L"detail-memo", 7,
         [] {
             DetailMode[kMemoDetail] = 'V';
             ShowMemoDetail();
         },
         {{&MemoViewTab, 357}}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        ResetViews();
        SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + c.view, 0);
        if (c.layout)
            c.layout();
        testkit::Image shot = Shot(c.name);
        ASSERT_EQ(shot.width, 240);
        for (const Shown& shown : c.faces)
            EXPECT_TRUE(ShowsFace(shot, *shown.control, shown.face));
        if (c.view == kContactView && !c.layout) {
            EXPECT_GT(DarkPixels(shot, ContactSearchFieldCombo), 20) << "\"통합검색\" or another field drawn";
        }
        if (c.view == kContactSearchView) {
            EXPECT_GT(DarkPixels(shot, KeypadFieldCombo), 20);
        }
    }
    ResetViews();
    Settings.MemoSource = savedSource;
}

}  // namespace
}  // namespace views
