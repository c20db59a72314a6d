// Tap-and-hold: list views, tree views and the recogniser.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

struct Notice {
    HWND from;
    POINT point;
    DWORD item;
};
std::vector<Notice> g_notices;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == GN_CONTEXTMENU) {
        const NMRGINFO* notice = reinterpret_cast<const NMRGINFO*>(lParam);
        g_notices.push_back(Notice{notice->hdr.hwndFrom, notice->ptAction, notice->dwItemSpec});
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeList(HWND parent)
{
    return shelltest::MakeListView(parent, {L"홍길동", L"김철수", L"이영희", L"박민수", L"최지우"});
}

POINT RowPoint(HWND list, int row)
{
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return POINT{30, (r.top + r.bottom) / 2};
}

POINT OnScreen(HWND window, POINT at)
{
    ClientToScreen(window, &at);
    return at;
}

enum class Gesture { PostedLongPress, RightClick, SentTap, QueuedQuickTap, PointerMovesAway };

// Moves the pointer from another thread while this one is held in the press.
DWORD WINAPI MovePointerAway(LPVOID)
{
    Sleep(150);
    SetCursorPos(230, 310);
    return 0;
}

void Perform(Gesture gesture, HWND target, POINT at)
{
    switch (gesture) {
    case Gesture::PostedLongPress: testkit::LongPress(target, at.x, at.y, 700); break;
    case Gesture::RightClick: testkit::RightClick(target, at.x, at.y); break;
    case Gesture::SentTap: testkit::Tap(target, at.x, at.y); break;
    case Gesture::QueuedQuickTap:
        // Pressed and lifted before anything looks: the release waits in the queue.
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        testkit::PumpFor(300);
        break;
    case Gesture::PointerMovesAway: {
        SetCursorPos(120, 160);
        HANDLE mover = CreateThread(nullptr, 0, MovePointerAway, nullptr, 0, nullptr);
        testkit::LongPress(target, at.x, at.y, 700);
        WaitForSingleObject(mover, 2000);
        CloseHandle(mover);
        break;
    }
    }
}

struct TapAndHold : shelltest::DeviceWindowTest {
    TapAndHold() : DeviceWindowTest(ParentProc) {}
    void SetUp() override
    {
        g_notices.clear();
        DeviceWindowTest::SetUp();
        parent = window;
    }
    HWND parent = nullptr;
};

}  // namespace

TEST_F(TapAndHold, ListViewHeldOrRightClickedTellsTheParentWithThePoint)
{
    HWND list = MakeList(parent);
    struct GestureCase {
        const char* name;
        Gesture gesture;
        int row;
        bool notified;
    };
    const GestureCase cases[] = {
        {"posted long press", Gesture::PostedLongPress, 2, true},
        {"right click", Gesture::RightClick, 4, true},
        {"sent tap", Gesture::SentTap, 3, false},
        {"queued quick tap", Gesture::QueuedQuickTap, 0, false},
        {"pointer moving away", Gesture::PointerMovesAway, 1, false},
    };
    for (const GestureCase& c : cases) {
        SCOPED_TRACE(c.name);
        g_notices.clear();
        POINT at = RowPoint(list, c.row);
        Perform(c.gesture, list, at);
        testkit::PumpPending();
        if (!c.notified) {
            EXPECT_TRUE(g_notices.empty());
            if (c.gesture != Gesture::PointerMovesAway) {
                EXPECT_EQ(testkit::ListViewSelection(list), c.row) << "a tap selects the row";
            }
            continue;
        }
        ASSERT_EQ(g_notices.size(), 1u);
        POINT expected = OnScreen(list, at);
        EXPECT_EQ(g_notices[0].from, list);
        EXPECT_EQ(g_notices[0].point.x, expected.x);
        EXPECT_EQ(g_notices[0].point.y, expected.y);
        EXPECT_EQ(g_notices[0].item, static_cast<DWORD>(c.row));
        EXPECT_EQ(testkit::ListViewSelection(list), c.row) << "the held row is selected first";
    }
}

TEST_F(TapAndHold, TreeViewHeldOrRightClickedTellsTheParent)
{
    HWND tree = CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_SHOWSELALWAYS, 10,
                                30, 220, 220, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    HTREEITEM items[3] = {};
    const wchar_t* names[] = {L"\\My Documents", L"서식 파일", L"\\Storage Card"};
    for (int i = 0; i < 3; ++i) {
        TVINSERTSTRUCTW insert = {};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(names[i]);
        items[i] = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    for (Gesture gesture : {Gesture::PostedLongPress, Gesture::RightClick}) {
        g_notices.clear();
        for (int i : {2, 1}) {
            RECT r = {};
            TreeView_GetItemRect(tree, items[i], &r, TRUE);
            POINT at = {r.left + 5, (r.top + r.bottom) / 2};
            Perform(gesture, tree, at);
            EXPECT_EQ(reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)), items[i]);
            ASSERT_FALSE(g_notices.empty());
            POINT expected = OnScreen(tree, at);
            EXPECT_EQ(g_notices.back().point.x, expected.x);
            EXPECT_EQ(g_notices.back().point.y, expected.y);
            EXPECT_EQ(g_notices.back().from, tree);
        }
        EXPECT_EQ(g_notices.size(), 2u);
    }
}

namespace {

DWORD g_recogniserFlags = 0;
DWORD g_recognised = 0;
ULONGLONG g_recogniserMs = 0;

LRESULT CALLBACK GridProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN) {
        SHRGINFO info = {};
        info.cbSize = sizeof(info);
        info.hwndClient = hwnd;
        info.ptDown = POINT{LOWORD(lParam), HIWORD(lParam)};
        info.dwFlags = g_recogniserFlags;
        ULONGLONG start = GetTickCount64();
        g_recognised = SHRecognizeGesture(&info);
        g_recogniserMs = GetTickCount64() - start;
        return 0;
    }
    return ParentProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST_F(TapAndHold, RecogniserAnswersAndNotifiesAsAsked)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = GridProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GestureGrid";
    RegisterClassW(&wc);
    HWND grid = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 108, 159, 128, 83, parent,
                                nullptr, wc.hInstance, nullptr);
    struct RecogniserCase {
        DWORD flags;
        Gesture gesture;
        DWORD result;
        HWND notified;  // null: no notice
        ULONGLONG atLeastMs;
    };
    const RecogniserCase cases[] = {
        {SHRG_RETURNCMD, Gesture::PostedLongPress, GN_CONTEXTMENU, nullptr, 450},
        {SHRG_NOTIFYPARENT, Gesture::PostedLongPress, GN_CONTEXTMENU, parent, 450},
        {0, Gesture::PostedLongPress, GN_CONTEXTMENU, grid, 450},
        {SHRG_RETURNCMD | SHRG_LONGDELAY, Gesture::PostedLongPress, GN_CONTEXTMENU, nullptr, 950},
        {SHRG_NOTIFYPARENT, Gesture::SentTap, 0, nullptr, 0},
        {SHRG_NOTIFYPARENT, Gesture::QueuedQuickTap, 0, nullptr, 0},
    };
    for (const RecogniserCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " gesture " << static_cast<int>(c.gesture));
        g_notices.clear();
        g_recogniserFlags = c.flags;
        g_recognised = 99;
        Perform(c.gesture, grid, POINT{40, 30});
        testkit::PumpPending();
        EXPECT_EQ(g_recognised, c.result);
        EXPECT_GE(g_recogniserMs, c.atLeastMs);
        if (c.notified) {
            ASSERT_EQ(g_notices.size(), 1u);
            POINT expected = OnScreen(grid, POINT{40, 30});
            EXPECT_EQ(g_notices[0].point.x, expected.x);
            EXPECT_EQ(g_notices[0].point.y, expected.y);
        } else {
            EXPECT_TRUE(g_notices.empty());
        }
    }
}
