// The toolbar window and its eleven toolbars: each read back button by
// button, each button tapped through to ToolbarWndProc; the window's class
// and place; the command registry; CurrentListHasItems.
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_controls.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

namespace views {
namespace {

struct Button {
    int command;  // 0: a separator
    int image;
};
constexpr Button Sep = {0, 0};

struct ToolbarCase {
    const char* name;
    HWND* toolbar;
    std::vector<Button> buttons;
};

const ToolbarCase kToolbarCases[] = {
    {"contacts", &ContactsToolbar,
     {{10001, 0}, {10002, 1}, {10003, 2}, Sep, {10008, 7}, Sep, {10004, 3}, {10012, 25}, {10013, 26}, {10007, 6}, Sep,
      {10014, 21}}},
    {"card appointments", &CardScheduleToolbar,
     {{10101, 17}, {10102, 18}, {10103, 19}, Sep, {10011, 10}, Sep, {10004, 3}, {10012, 25}, {10013, 26}, Sep,
      {10119, 14}, {10120, 15}}},
    {"schedule detail", &ScheduleDetailToolbar,
     {{10116, 3}, {10117, 25}, {10123, 26}, Sep, {10105, 10}, Sep, {10102, 18}, {10103, 19}, Sep, {10106, 8},
      {10107, 9}}},
    {"schedule", &ScheduleToolbar,
     {{10101, 17}, {10102, 18}, {10103, 19}, Sep, {10104, 7}, Sep, {10110, 14}, {10115, 16}, {10111, 15}, Sep,
      {10121, 22}}},
    {"anniversaries", &AnniversaryToolbar,
     {{10201, 17}, {10202, 18}, {10203, 19}, Sep, {10206, 14}, {10208, 16}, {10207, 15}}},
    {"card tasks", &CardTaskToolbar,
     {{10301, 17}, {10302, 18}, {10303, 19}, Sep, {10011, 10}, Sep, {10004, 3}, {10012, 25}, {10013, 26}, Sep,
      {10312, 20}}},
    {"task detail", &TaskDetailToolbar,
     {{10305, 3}, {10306, 25}, {10315, 26}, Sep, {10309, 10}, Sep, {10302, 18}, {10303, 19}, Sep, {10310, 8},
      {10311, 9}}},
    {"tasks", &TaskToolbar,
     {{10301, 17}, {10302, 18}, {10303, 19}, Sep, {10304, 7}, Sep, {10312, 20}, Sep, {10313, 23}}},
    {"card memos", &CardMemoToolbar,
     {{10401, 17}, {10402, 18}, {10403, 19}, Sep, {10011, 10}, Sep, {10004, 3}, {10012, 25}, {10013, 26}}},
    {"memos", &MemoToolbar, {{10401, 17}, {10402, 18}, {10403, 19}, Sep, {10406, 7}}},
    {"memo detail", &MemoDetailToolbar,
     {{10407, 3}, {10408, 25}, {10414, 26}, Sep, {10411, 10}, Sep, {10402, 18}, {10403, 19}, Sep, {10412, 8},
      {10413, 9}}},
};

std::vector<Button> ReadButtons(HWND toolbar)
{
    std::vector<Button> buttons;
    const int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
        if (b.fsStyle & BTNS_SEP)
            buttons.push_back(Sep);
        else
            buttons.push_back({b.idCommand, b.iBitmap});
    }
    return buttons;
}

bool operator==(const Button& a, const Button& b)
{
    return a.command == b.command && a.image == b.image;
}

void PrintTo(const Button& b, std::ostream* out)
{
    *out << (b.command ? "{" + std::to_string(b.command) + ", " + std::to_string(b.image) + "}" : "sep");
}

TEST_F(ViewsTest, EachToolbarHoldsItsButtonsInOrder)
{
    const size_t counts[] = {12, 12, 11, 11, 7, 11, 11, 9, 9, 5, 11};
    size_t i = 0;
    for (const ToolbarCase& c : kToolbarCases) {
        SCOPED_TRACE(c.name);
        HWND toolbar = *c.toolbar;
        ASSERT_NE(toolbar, nullptr);
        EXPECT_EQ(ReadButtons(toolbar), c.buttons);
        EXPECT_EQ(c.buttons.size(), counts[i++]);
        EXPECT_EQ(GetParent(toolbar), ToolbarWindow);
        EXPECT_EQ(GetDlgCtrlID(toolbar), IDC_VIEW_TOOLBAR);
        // Child, flat, transparent, not aligned to the parent; the control
        // adds its own top alignment.
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(toolbar, GWL_STYLE)) & ~(WS_VISIBLE | CCS_TOP), 0x40008808u);
        EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0)), ToolbarImageList);
        RECT rect = testkit::ScreenRect(toolbar);
        MapWindowPoints(nullptr, ToolbarWindow, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 1);
        EXPECT_EQ(rect.top, -2);
    }
    // In the toolbar window's order of creation.
    std::vector<HWND> children;
    for (HWND child = GetWindow(ToolbarWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    std::vector<HWND> expected;
    for (const ToolbarCase& c : kToolbarCases)
        expected.push_back(*c.toolbar);
    EXPECT_EQ(children, expected);
}

TEST_F(ViewsTest, EveryButtonReachesTheToolbarWindowWithItsCommand)
{
    for (const ToolbarCase& c : kToolbarCases) {
        SCOPED_TRACE(c.name);
        HWND toolbar = *c.toolbar;
        ShowOnlyToolbar(toolbar, AllToolbars());
        for (size_t i = 0; i < c.buttons.size(); ++i) {
            if (!c.buttons[i].command)
                continue;
            RECT item = {};
            SendMessageW(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
            RecordItemCommands();
            testkit::Tap(toolbar, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
            testkit::PumpPending();
            EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{static_cast<UINT>(c.buttons[i].command)})
                << "button " << i;
        }
    }
}

TEST_F(ViewsTest, TheToolbarWindowLiesBelowTheViews)
{
    wchar_t cls[32] = L"";
    GetClassNameW(ToolbarWindow, cls, 32);
    EXPECT_STREQ(cls, L"Toolbar");
    EXPECT_EQ(GetParent(ToolbarWindow), MainWindow);
    RECT rect = testkit::ScreenRect(ToolbarWindow);
    MapWindowPoints(nullptr, MainWindow, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 245);
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, 268);
    EXPECT_EQ(GetClassLongW(ToolbarWindow, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    LOGBRUSH brush = {};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(ToolbarWindow, GCLP_HBRBACKGROUND)), sizeof(brush), &brush);
    EXPECT_EQ(brush.lbColor, RGB(168, 190, 224));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(ToolbarWindow, GWLP_WNDPROC)), ToolbarWndProc);
}

HWND g_handlerWindow = nullptr;
UINT g_handlerCommand = 0;

TEST_F(ViewsTest, ToolbarWndProcRunsTheHandlerOfTheLowWord)
{
    EXPECT_FALSE(RegisterItemCommand(10000, nullptr));
    EXPECT_FALSE(RegisterItemCommand(10416, nullptr));
    ASSERT_TRUE(RegisterItemCommand(ID_TASK_NEW, [](HWND window, UINT command) {
        g_handlerWindow = window;
        g_handlerCommand = command;
    }));
    EXPECT_EQ(SendMessageW(ToolbarWindow, WM_COMMAND, MAKEWPARAM(ID_TASK_NEW, 5), 77), 0);
    EXPECT_EQ(g_handlerWindow, ToolbarWindow);
    EXPECT_EQ(g_handlerCommand, static_cast<UINT>(ID_TASK_NEW));

    // Without a handler a command does nothing; other messages are the
    // default procedure's.
    RecordItemCommands();
    ASSERT_TRUE(RegisterItemCommand(ID_TASK_EDIT, nullptr));
    EXPECT_EQ(SendMessageW(ToolbarWindow, WM_COMMAND, ID_TASK_EDIT, 0), 0);
    EXPECT_TRUE(ItemCommandsSeen().empty());
    SetWindowTextW(ToolbarWindow, L"strip");
    EXPECT_EQ(testkit::WindowText(ToolbarWindow), L"strip");
    SetWindowTextW(ToolbarWindow, L"");
}

TEST_F(ViewsTest, CurrentListHasItemsOnlyAsksTheContactViews)
{
    const struct {
        int view;
        int rows;
        bool has;
    } cases[] = {{0, 0, false}, {0, 3, true}, {1, 0, false}, {1, 1, true}, {2, 0, false}, {3, 0, false},
                 {4, 0, true},  {5, 0, true}, {6, 0, true},  {7, 0, true}};
    for (const auto& c : cases) {
        for (HWND list : {ContactList, KeypadResultList, CompanyContactList, GroupContactList})
            ListView_SetItemCountEx(list, c.rows, 0);
        CurrentView = c.view;
        EXPECT_EQ(CurrentListHasItems(), c.has) << "view " << c.view << ", " << c.rows << " rows";
    }
    for (HWND list : {ContactList, KeypadResultList, CompanyContactList, GroupContactList})
        ListView_SetItemCountEx(list, 0, 0);
    CurrentView = 0;
}

}  // namespace
}  // namespace views
