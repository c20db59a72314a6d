// Accelerator table 3 is translated for the main window whenever the key is
// addressed to it or to a window inside it.
#include "mainwindow/message_loop.h"

#include "resources/resource.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<WPARAM> commandsSeen;

LRESULT CALLBACK RecordCommands(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND)
        commandsSeen.push_back(wParam);
    return DefWindowProcW(window, msg, wParam, lParam);
}

class AcceleratorTest : public testing::Test {
protected:
    void SetUp() override
    {
        main = testkit::CreateTestWindow(true, 240, 268, RecordCommands);
        list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 3, 34, 234, 100, main,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        frame = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 140, 240, 60, main, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        inner = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, frame, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        search = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 3, 10, 150, 20, main, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 5, 30, 100, 80, frame,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        comboEdit = FindWindowExW(combo, nullptr, L"EDIT", nullptr);
        other = testkit::CreateTestWindow(true, 100, 100, RecordCommands);
        owned = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 40, 50, 50, main, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
        commandsSeen.clear();
    }
    void TearDown() override
    {
        SetControl(false);
        DestroyWindow(owned);
        DestroyWindow(other);
        DestroyWindow(main);
        DestroyAcceleratorTable(accelerators);
    }
    static void SetControl(bool down)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    // What a key message addressed to the window gives, translated as the loop does.
    bool Translate(HWND to, UINT key)
    {
        MSG msg = {to, WM_KEYDOWN, key, 1, static_cast<DWORD>(GetMessageTime()), {}};
        HWND target = AcceleratorTarget(msg, main);
        return target && TranslateAcceleratorW(target, accelerators, &msg);
    }

    HWND main = nullptr, list = nullptr, frame = nullptr, inner = nullptr, other = nullptr, owned = nullptr;
    HWND search = nullptr, combo = nullptr, comboEdit = nullptr;
    HACCEL accelerators = nullptr;
};

TEST_F(AcceleratorTest, TargetIsTheMainWindowForItAndItsDescendants)
{
    struct TargetCase {
        const char* what;
        HWND to;
        HWND expected;
    };
    const TargetCase cases[] = {
        {"main window", main, main}, {"list inside it", list, main}, {"button two levels down", inner, main},
        {"the search edit", search, nullptr}, {"a combo box's edit", comboEdit, nullptr},
        {"the combo box itself", combo, main},
        {"another top-level window", other, nullptr}, {"an owned pop-up", owned, nullptr},
        {"a thread message", nullptr, nullptr},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.what);
        MSG msg = {c.to, WM_KEYDOWN, 'A', 0, 0, {}};
        EXPECT_EQ(AcceleratorTarget(msg, main), c.expected);
    }
    MSG msg = {list, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_EQ(AcceleratorTarget(msg, nullptr), nullptr);
}

TEST_F(AcceleratorTest, CtrlAAndCtrlQReachTheMainWindowFromAFocusedList)
{
    ASSERT_NE(accelerators, nullptr);
    SetControl(true);
    EXPECT_TRUE(Translate(list, 'A'));
    EXPECT_TRUE(Translate(inner, 'Q'));
    EXPECT_TRUE(Translate(main, 'A'));
    EXPECT_FALSE(Translate(other, 'Q'));
    EXPECT_FALSE(Translate(list, 'B'));
    ASSERT_EQ(commandsSeen.size(), 3u);
    EXPECT_EQ(LOWORD(commandsSeen[0]), IDM_ABOUT);
    EXPECT_EQ(LOWORD(commandsSeen[1]), IDM_QUIT);
    EXPECT_EQ(LOWORD(commandsSeen[2]), IDM_ABOUT);
    EXPECT_EQ(HIWORD(commandsSeen[0]), 1) << "sent as an accelerator";

    SetControl(false);
    commandsSeen.clear();
    EXPECT_FALSE(Translate(list, 'A'));
    EXPECT_TRUE(commandsSeen.empty());
}

// Ctrl+A selects the typed text and Ctrl+Q is the edit's own: neither may
// quit the program or open About from the search box.
TEST_F(AcceleratorTest, CtrlAAndCtrlQTypedIntoAnEditStayTheEdits)
{
    ASSERT_NE(accelerators, nullptr);
    ASSERT_NE(comboEdit, nullptr);
    SetControl(true);
    for (HWND edit : {search, comboEdit}) {
        EXPECT_FALSE(Translate(edit, 'Q'));
        EXPECT_FALSE(Translate(edit, 'A'));
    }
    EXPECT_TRUE(commandsSeen.empty());
}

}  // namespace
