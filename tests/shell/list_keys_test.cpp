// A parent that zeroes the key code of a list view's key-down notice takes
// the key: the list does not move on its own.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

bool g_parentTakesArrows = false;
HWND g_list = nullptr;
std::vector<WORD> g_keysSeen;

// As the main window does in a detail layout: it moves the selection by one
// itself and zeroes the key code.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_KEYDOWN) {
        NMLVKEYDOWN* notice = reinterpret_cast<NMLVKEYDOWN*>(lParam);
        g_keysSeen.push_back(notice->wVKey);
        if (g_parentTakesArrows && (notice->wVKey == VK_UP || notice->wVKey == VK_DOWN)) {
            int row = testkit::ListViewSelection(g_list) + (notice->wVKey == VK_DOWN ? 1 : -1);
            if (row >= 0 && row < testkit::ListViewCount(g_list)) {
                ListView_SetItemState(g_list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                ListView_EnsureVisible(g_list, row, FALSE);
            }
            notice->wVKey = 0;
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(ListKeys, ZeroedKeyCodeMovesExactlyOnceAndOtherwiseTheListMovesOnce)
{
    struct KeyCase {
        bool parentTakes;
        UINT key;
        int from, to;
    };
    const KeyCase cases[] = {
        {true, VK_DOWN, 2, 3},
        {true, VK_UP, 2, 1},
        {true, VK_UP, 0, 0},    // at the top the parent keeps row 0
        {true, VK_DOWN, 4, 4},  // and at the end the last row
        {false, VK_DOWN, 2, 3}, // untaken: the list's own move, once
        {false, VK_UP, 2, 1},
    };
    HWND parent = shelltest::CreateDeviceWindow(L"다이어리", ParentProc);
    g_list = shelltest::MakeListView(parent, {L"일정", L"일정", L"일정", L"일정", L"일정"});
    SetFocus(g_list);
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "parent takes " << c.parentTakes << " key " << c.key << " from " << c.from);
        g_parentTakesArrows = c.parentTakes;
        ListView_SetItemState(g_list, c.from, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        g_keysSeen.clear();
        testkit::KeyDown(g_list, c.key);
        testkit::PumpPending();
        EXPECT_EQ(testkit::ListViewSelection(g_list), c.to);
        EXPECT_EQ(g_keysSeen, std::vector<WORD>{static_cast<WORD>(c.key)}) << "the parent heard the key once";
    }
    DestroyWindow(parent);
    g_list = nullptr;
}
