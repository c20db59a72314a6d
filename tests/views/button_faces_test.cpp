// The faces of the owner-drawn buttons: for each button and program state
// the drawn pixels are those of the face bitmap the state picks; and the
// repaint groups.
#include "core/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <functional>

namespace views {
namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// The button drawn through the main window's WM_DRAWITEM onto a canvas of
// the button's size.
testkit::Image DrawButton(HWND button)
{
    RECT client = testkit::ClientRectOf(button);
    testkit::Canvas canvas(client.right, client.bottom, kUntouched);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button;
    item.hDC = canvas.dc();
    item.rcItem = client;
    SendMessageW(MainWindow, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    return canvas.ToImage();
}

struct FaceCase {
    const char* state;
    std::function<void()> set;
    HWND* button;
    int face;
};

void ExpectFaces(const std::vector<FaceCase>& cases)
{
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.state << ", button " << GetDlgCtrlID(*c.button) << ", face " << c.face);
        c.set();
        testkit::Image face = FaceBitmap(c.face);
        ASSERT_GT(face.width, 0);
        EXPECT_TRUE(SamePixels(DrawButton(*c.button), face));
    }
}

void View(int view)
{
    CurrentView = view;
}

TEST_F(ViewsTest, TheCurrentViewsTabAloneLooksPressed)
{
    std::vector<FaceCase> cases;
    const int pressed[kViewCount] = {106, 109, 111, 113, 115, 199, 314, 357};
    const int normal[kViewCount] = {108, 110, 112, 114, 116, 198, 315, 356};
    HWND* tabs[kViewCount] = {&ContactViewTab, &SearchViewTab, &CompanyViewTab, &GroupViewTab,
                              &ScheduleViewTab, &AnniversaryViewTab, &TaskViewTab, &MemoViewTab};
    for (int current : {4, 0, 7}) {
        for (int v = 0; v < kViewCount; ++v)
            cases.push_back({"current view", [=] { View(current); }, tabs[v], v == current ? pressed[v] : normal[v]});
        cases.push_back({"tab bar end", [=] { View(current); }, &TabBarEnd, IDB_TAB_END});
        cases.push_back({"detail mark A", [=] { View(current); }, &DetailButtonA, IDB_MARK_REMINDER});
        cases.push_back({"detail mark B", [=] { View(current); }, &DetailButtonB, IDB_MARK_REPEAT});
        cases.push_back({"detail mark C", [=] { View(current); }, &DetailButtonC, IDB_MARK_DONE});
    }
    ExpectFaces(cases);
}

TEST_F(ViewsTest, ContactViewFacesFollowTheirState)
{
    const int savedColumns = Settings.ContactListColumns;
    std::vector<FaceCase> cases = {
        {"index tab 7", [] { View(0); IndexTab = 7; }, &IndexBarButtons[7], 147},
        {"index tab 7", [] { View(0); IndexTab = 7; }, &IndexBarButtons[0], 140},
        {"index tab 7", [] { View(0); IndexTab = 7; }, &IndexBarButtons[15], 139},
        {"index tab 7", [] { View(0); IndexTab = 7; }, &IndexBarButtons[1], 124},
        {"index tab 0", [] { View(0); IndexTab = 0; }, &IndexBarButtons[0], 138},
        {"index tab 15", [] { View(0); IndexTab = 15; }, &IndexBarButtons[15], 155},
        {"index tab 14", [] { View(0); IndexTab = 14; }, &IndexBarButtons[14], 154},
        {"index tab 0", [] { View(0); IndexTab = 0; }, &IndexBarButtons[14], 137},
        {"search button", [] { View(0); }, &SearchBoxButton, 379},
        {"phone columns", [] { View(0); Settings.ContactListColumns = 2; }, &ContactColumnButtons[0], 117},
        {"phone columns", [] { View(2); Settings.ContactListColumns = 2; }, &ContactColumnButtons[1], 118},
        {"phone columns", [] { View(3); Settings.ContactListColumns = 2; }, &ContactColumnButtons[2], 119},
        {"kind columns", [] { View(1); Settings.ContactListColumns = 1; }, &ContactColumnButtons[0], 346},
        {"kind columns", [] { View(0); Settings.ContactListColumns = 1; }, &ContactColumnButtons[1], 347},
        {"kind columns", [] { View(0); Settings.ContactListColumns = 1; }, &ContactColumnButtons[2], 348},
        {"card panel 0", [] { View(0); ContactCardPanel = 0; }, &CardScheduleTab, 423},
        {"card panel 0", [] { View(0); ContactCardPanel = 0; }, &CardTaskTab, 424},
        {"card panel 1", [] { View(2); ContactCardPanel = 1; }, &CardTaskTab, 425},
        {"card panel 1", [] { View(2); ContactCardPanel = 1; }, &CardMemoTab, 426},
        {"card panel 2", [] { View(0); ContactCardPanel = 2; }, &CardMemoTab, 427},
        {"card panel 2", [] { View(0); ContactCardPanel = 2; }, &CardScheduleTab, 422},
        {"card headers", [] { View(0); }, &CardScheduleHeader[0], 156},
        {"card headers", [] { View(0); }, &CardScheduleHeader[1], 157},
        {"card headers", [] { View(0); }, &CardTaskHeader[0], 323},
        {"card headers", [] { View(0); }, &CardTaskHeader[1], 324},
        {"memos by title", [] { View(0); MemoSortKey = 'T'; }, &CardMemoHeader[0], 367},
        {"memos by title", [] { View(0); MemoSortKey = 'T'; }, &CardMemoHeader[1], 359},
        {"memos by date", [] { View(0); MemoSortKey = 'D'; }, &CardMemoHeader[0], 358},
        {"memos by date", [] { View(0); MemoSortKey = 'D'; }, &CardMemoHeader[1], 368},
        {"card", [] { View(0); }, &CardPortrait, 158},
        {"card", [] { View(3); }, &CardLines[7], 428},
        {"card", [] { View(3); }, &CardLines[9], 429},
        {"card", [] { View(3); }, &CardLines[11], 430},
        {"card", [] { View(3); }, &CardLines[14], 431},
    };
    ExpectFaces(cases);
    Settings.ContactListColumns = savedColumns;
    IndexTab = 0;
    ContactCardPanel = 0;
}

TEST_F(ViewsTest, KeypadFacesFollowTheLayoutAndTheSearchField)
{
    const int savedLayout = ActiveKeypadLayout;
    const char savedField = KeypadSearchField;
    const struct {
        int layout;
        char field;
        int faces[kKeypadKeyCount];  // keys 1-9, 0, back, field
    } layouts[] = {
        {0, 'N', {268, 269, 270, 271, 272, 273, 274, 275, 266, 267, 173, 172}},
        {1, 'S', {288, 289, 290, 291, 292, 293, 294, 295, 286, 287, 173, 172}},
        {2, 'C', {163, 164, 165, 166, 167, 168, 169, 170, 171, 162, 173, 172}},
        {3, 'N', {278, 279, 280, 281, 282, 283, 284, 285, 276, 277, 173, 172}},
        {2, 'T', {184, 185, 186, 187, 188, 189, 190, 191, 183, 200, 173, 172}},
        {7, 'S', {268, 269, 270, 271, 272, 273, 274, 275, 266, 267, 173, 172}},
    };
    std::vector<FaceCase> cases;
    for (const auto& l : layouts) {
        for (int key = 0; key < kKeypadKeyCount; ++key) {
            cases.push_back({"keypad", [=] {
                                 View(1);
                                 ActiveKeypadLayout = l.layout;
                                 KeypadSearchField = l.field;
                             },
                             &KeypadKeys[key], l.faces[key]});
        }
    }
    ExpectFaces(cases);
    ActiveKeypadLayout = savedLayout;
    KeypadSearchField = savedField;
}

TEST_F(ViewsTest, SideTabsSortButtonsAndModesOfTheOtherViews)
{
    const int savedSource = Settings.MemoSource;
    std::vector<FaceCase> cases = {
        {"search view", [] { View(1); }, &KeypadSideTabs[0], 361},
        {"search view", [] { View(1); }, &KeypadSideTabs[1], 311},
        {"search view", [] { View(1); }, &KeypadSideTabs[2], 313},
        {"company view", [] { View(2); }, &CompanySideTabs[0], 360},
        {"company view", [] { View(2); }, &CompanySideTabs[1], 310},
        {"company view", [] { View(2); }, &CompanySideTabs[2], 313},
        {"group view", [] { View(3); }, &GroupSideTabs[0], 360},
        {"group view", [] { View(3); }, &GroupSideTabs[1], 311},
        {"group view", [] { View(3); }, &GroupSideTabs[2], 312},
        {"schedule", [] { View(4); }, &ScheduleHeaderButtons[0], 194},
        {"schedule", [] { View(4); }, &ScheduleHeaderButtons[1], 193},
        {"day mode", [] { View(4); ScheduleMode = 'D'; }, &ScheduleModeTabs[0], 334},
        {"day mode", [] { View(4); ScheduleMode = 'D'; }, &ScheduleModeTabs[1], 337},
        {"week mode", [] { View(4); ScheduleMode = 'W'; }, &ScheduleModeTabs[1], 336},
        {"week mode", [] { View(4); ScheduleMode = 'W'; }, &ScheduleModeTabs[2], 339},
        {"month mode", [] { View(4); ScheduleMode = 'M'; }, &ScheduleModeTabs[2], 338},
        {"month mode", [] { View(4); ScheduleMode = 'M'; }, &ScheduleModeTabs[0], 335},
        {"month buttons", [] { View(4); }, &PrevMonthButton, 421},
        {"month buttons", [] { View(4); }, &NextMonthButton, 420},
        {"by title", [] { View(5); AnniversarySortKey = 'T'; }, &AnniversarySortButtons[0], 432},
        {"by title", [] { View(5); AnniversarySortKey = 'T'; }, &AnniversarySortButtons[1], 202},
        {"by date", [] { View(5); AnniversarySortKey = 'D'; }, &AnniversarySortButtons[0], 201},
        {"by date", [] { View(5); AnniversarySortKey = 'D'; }, &AnniversarySortButtons[1], 433},
        {"tasks", [] { View(6); }, &TaskHeaderButtons[0], 316},
        {"tasks", [] { View(6); }, &TaskHeaderButtons[1], 317},
        {"memos by title", [] { View(7); MemoSortKey = 'T'; }, &MemoHeaderButtons[0], 365},
        {"memos by title", [] { View(7); MemoSortKey = 'T'; }, &MemoHeaderButtons[1], 364},
        {"memos by date", [] { View(7); MemoSortKey = 'D'; }, &MemoHeaderButtons[0], 363},
        {"memos by date", [] { View(7); MemoSortKey = 'D'; }, &MemoHeaderButtons[1], 366},
        {"own memos by category", [] { View(7); MemoPickByDate = 0; Settings.MemoSource = 1; }, &MemoSideTabs[0], 376},
        {"own memos by category", [] { View(7); MemoPickByDate = 0; Settings.MemoSource = 1; }, &MemoSideTabs[1], 377},
        {"own memos by date", [] { View(7); MemoPickByDate = 1; Settings.MemoSource = 1; }, &MemoSideTabs[0], 375},
        {"own memos by date", [] { View(7); MemoPickByDate = 1; Settings.MemoSource = 1; }, &MemoSideTabs[1], 378},
        {"notes by folder", [] { View(7); MemoPickByDate = 0; Settings.MemoSource = 2; }, &MemoSideTabs[0], 418},
        {"notes by date", [] { View(7); MemoPickByDate = 1; Settings.MemoSource = 2; }, &MemoSideTabs[0], 417},
    };
    ExpectFaces(cases);
    Settings.MemoSource = savedSource;
    MemoPickByDate = 0;
}

TEST_F(ViewsTest, AButtonThatNoPainterOfTheViewKnowsStaysUndrawn)
{
    const struct {
        int view;
        HWND* button;
    } cases[] = {{4, &KeypadKeys[0]}, {0, &ScheduleModeTabs[0]}, {6, &IndexBarButtons[2]}, {1, &MemoSideTabs[0]}};
    for (const auto& c : cases) {
        View(c.view);
        testkit::Image drawn = DrawButton(*c.button);
        ASSERT_GT(drawn.width, 0);
        bool untouched = true;
        for (uint32_t pixel : drawn.pixels)
            untouched = untouched && pixel == 0x010203;
        EXPECT_TRUE(untouched) << "view " << c.view << ", button " << GetDlgCtrlID(*c.button);
    }
    View(0);
}

int g_taskRows = 0;

TEST_F(ViewsTest, RowsOfTheTwoTaskListsGoToTheTaskRowPainter)
{
    Hooks.PaintTaskRow = [](const DRAWITEMSTRUCT&) { ++g_taskRows; };
    for (auto [list, painted] : {std::pair{&TaskList, 1}, std::pair{&CardTaskList, 1}, std::pair{&MemoList, 0}}) {
        g_taskRows = 0;
        testkit::Canvas canvas(234, 15);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTVIEW;
        item.hwndItem = *list;
        item.hDC = canvas.dc();
        item.rcItem = {0, 0, 234, 15};
        SendMessageW(MainWindow, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(g_taskRows, painted);
    }
}

// ---- repaint groups --------------------------------------------------------------------------

bool WaitsForPaint(HWND window)
{
    RECT update = {};
    return GetUpdateRect(window, &update, FALSE) != FALSE;
}

TEST_F(ViewsTest, RepaintGroupsInvalidateTheirButtons)
{
    const struct {
        const char* what;
        UINT command;  // a command whose state change repaints the group
        std::vector<HWND*> repainted;
        std::vector<HWND*> left;
    } cases[] = {
        {"view tabs", IDC_SCHEDULE_VIEW_TAB,
         {&ContactViewTab, &SearchViewTab, &CompanyViewTab, &GroupViewTab, &ScheduleViewTab, &AnniversaryViewTab,
          &TaskViewTab, &MemoViewTab},
         {&TabBarEnd, &IndexBarButtons[0]}},
        {"panel tabs", IDC_CARD_TASK_TAB, {&CardScheduleTab, &CardTaskTab, &CardMemoTab}, {&ContactViewTab}},
        {"index bar", IDC_INDEX_TAB_FIRST + 3,
         {&IndexBarButtons[0], &IndexBarButtons[3], &IndexBarButtons[9], &IndexBarButtons[15]},
         {&ContactViewTab, &SearchBoxButton}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (HWND* button : c.repainted)
            ShowWindow(*button, SW_SHOW);
        RedrawWindow(MainWindow, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        testkit::PumpPending();
        SendMessageW(MainWindow, WM_COMMAND, c.command, 0);
        for (HWND* button : c.repainted)
            EXPECT_TRUE(WaitsForPaint(*button)) << GetDlgCtrlID(*button);
        for (HWND* button : c.left)
            EXPECT_FALSE(WaitsForPaint(*button)) << GetDlgCtrlID(*button);
    }
}

}  // namespace
}  // namespace views
