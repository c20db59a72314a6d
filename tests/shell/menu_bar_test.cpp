// Menu bars made from a menu-bar resource: geometry, buttons, commands.
#include "tests/shell/resource.h"
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

std::vector<UINT> g_commands;
std::vector<HMENU> g_initialisedPopups;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND: g_commands.push_back(LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: g_initialisedPopups.push_back(reinterpret_cast<HMENU>(wParam)); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeBar(HWND owner, UINT resource, DWORD flags = 0)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof(info);
    info.hwndParent = owner;
    info.dwFlags = flags;
    info.nToolBarId = resource;
    info.hInstRes = GetModuleHandleW(nullptr);
    if (!SHCreateMenuBar(&info)) {
        EXPECT_EQ(info.hwndMB, nullptr);
        return nullptr;
    }
    return info.hwndMB;
}

RECT ButtonRect(HWND bar, UINT command)
{
    RECT r = {};
    SendMessageW(bar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&r));
    return r;
}

std::wstring ButtonText(HWND bar, UINT command)
{
    wchar_t text[64] = L"";
    SendMessageW(bar, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<UINT> g_pendingKeys;

// Presses the keys once the pop-up is open (from inside its own loop).
void CALLBACK PressPendingKeys(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    shelltest::InjectKeys(g_pendingKeys);
}

// Taps a drop-down button and picks an item of its pop-up with the keys.
void ChooseFromPopup(HWND bar, UINT button, const std::vector<UINT>& keys)
{
    g_pendingKeys = keys;
    SetTimer(nullptr, 0, 300, PressPendingKeys);
    RECT r = ButtonRect(bar, button);
    HWND toolbar = GetWindow(bar, GW_CHILD);
    testkit::Tap(toolbar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

struct MenuBar : shelltest::DeviceWindowTest {
    MenuBar() : DeviceWindowTest(OwnerProc) {}
    void SetUp() override
    {
        g_commands.clear();
        g_initialisedPopups.clear();
        DeviceWindowTest::SetUp();
        owner = window;
    }
    HWND owner = nullptr;
};

}  // namespace

TEST_F(MenuBar, ButtonsComeFromTheResourceAt26PixelsAtTheBottom)
{
    HWND bar = MakeBar(owner, IDR_MENU_BAR);
    ASSERT_NE(bar, nullptr);
    RECT place = testkit::ScreenRect(bar);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 294);
    EXPECT_EQ(place.right, 240);
    EXPECT_EQ(place.bottom, 320);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), owner);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(GetForegroundWindow(), owner) << "the bar took the activation from its owner";

    ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    struct ButtonCase {
        int index;
        UINT command;
        const wchar_t* caption;
    };
    const ButtonCase buttons[] = {{0, IDM_FILE, L"파일"}, {1, IDM_HELP, L"도움말"}};
    for (const ButtonCase& c : buttons) {
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, c.index, reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(static_cast<UINT>(button.idCommand), c.command);
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED);
        EXPECT_TRUE(button.fsStyle & BTNS_DROPDOWN);
        EXPECT_EQ(ButtonText(bar, c.command), c.caption);
    }
    RECT file = ButtonRect(bar, IDM_FILE);
    RECT help = ButtonRect(bar, IDM_HELP);
    EXPECT_EQ(file.left, 0);
    EXPECT_GE(help.left, file.right);
    EXPECT_LE(help.right, 240 - 26);  // the input panel's button keeps the right end
    EXPECT_LE(file.bottom, 26);

    // What a person sees: both captions drawn on the bar.
    testkit::PumpFor(300);
    testkit::Image shot = testkit::CaptureScreen();
    testkit::SaveScreenshot(shot, L"menu_bar");
    for (const RECT& r : {file, help}) {
        int dark = 0;
        for (int y = 294 + r.top; y < 294 + r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                dark += GetRValue(shot.At(x, y)) < 90 ? 1 : 0;
        }
        EXPECT_GT(dark, 15) << "caption at x " << r.left << " not drawn";
    }
}

TEST_F(MenuBar, ChosenItemsReachTheOwnerAsCommands)
{
    HWND bar = MakeBar(owner, IDR_MENU_BAR);
    ASSERT_NE(bar, nullptr);
    ChooseFromPopup(bar, IDM_FILE, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // the separator is passed over
    EXPECT_TRUE(testkit::PumpUntil([] { return !g_commands.empty(); }, 3000));
    EXPECT_EQ(g_commands, std::vector<UINT>{IDM_PREFERENCES});
    EXPECT_FALSE(g_initialisedPopups.empty()) << "the owner never saw the pop-up open";

    g_commands.clear();
    ChooseFromPopup(bar, IDM_HELP, {VK_DOWN, VK_RETURN});
    EXPECT_TRUE(testkit::PumpUntil([] { return !g_commands.empty(); }, 3000));
    EXPECT_EQ(g_commands, std::vector<UINT>{IDM_ABOUT});

    g_commands.clear();
    ChooseFromPopup(bar, IDM_FILE, {VK_ESCAPE});
    testkit::PumpFor(300);
    EXPECT_TRUE(g_commands.empty()) << "a dismissed pop-up sent a command";
}

TEST_F(MenuBar, APlainButtonSendsItsOwnCommand)
{
    HWND bar = MakeBar(owner, IDR_PLAIN_BAR);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 1);
    EXPECT_EQ(ButtonText(bar, IDM_PLAIN), L"확인");
    RECT r = ButtonRect(bar, IDM_PLAIN);
    testkit::Tap(GetWindow(bar, GW_CHILD), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_TRUE(testkit::PumpUntil([] { return !g_commands.empty(); }, 2000));
    EXPECT_EQ(g_commands, std::vector<UINT>{IDM_PLAIN});
}

TEST_F(MenuBar, FailuresGiveNoBar)
{
    struct FailureCase {
        const char* why;
        HWND owner;
        UINT resource;
        DWORD size;
    };
    const FailureCase cases[] = {
        {"nine buttons", owner, IDR_TOO_MANY_BUTTONS, sizeof(SHMENUBARINFO)},
        {"resource shorter than its count", owner, IDR_SHORT_BAR, sizeof(SHMENUBARINFO)},
        {"pop-up menu missing", owner, IDR_BAR_WITHOUT_MENU, sizeof(SHMENUBARINFO)},
        {"no such resource", owner, 999, sizeof(SHMENUBARINFO)},
        {"no owner", nullptr, IDR_MENU_BAR, sizeof(SHMENUBARINFO)},
        {"record too small", owner, IDR_MENU_BAR, 12},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.why);
        SHMENUBARINFO info = {};
        info.cbSize = c.size;
        info.hwndParent = c.owner;
        info.nToolBarId = c.resource;
        info.hInstRes = GetModuleHandleW(nullptr);
        info.hwndMB = reinterpret_cast<HWND>(1);
        EXPECT_FALSE(SHCreateMenuBar(&info));
        EXPECT_EQ(info.hwndMB, nullptr);
    }
    EXPECT_EQ(FindWindowW(CE_MENU_BAR_CLASS, nullptr), nullptr);
    EXPECT_FALSE(SHCreateMenuBar(nullptr));
}

TEST_F(MenuBar, FlagsGiveEmptyOrHiddenBars)
{
    HWND empty = MakeBar(owner, 0, SHCMBF_EMPTYBAR);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SendMessageW(empty, TB_BUTTONCOUNT, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(empty));
    HWND hidden = MakeBar(owner, IDR_MENU_BAR, SHCMBF_HIDDEN);
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(SendMessageW(hidden, TB_BUTTONCOUNT, 0, 0), 2);
}

TEST_F(MenuBar, DestroyedByItselfOrWithItsOwner)
{
    HWND first = MakeBar(owner, IDR_MENU_BAR);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(DestroyWindow(first));
    EXPECT_FALSE(IsWindow(first));
    HWND second = MakeBar(owner, IDR_PLAIN_BAR);
    ASSERT_NE(second, nullptr);
    DestroyWindow(owner);
    owner = window = nullptr;
    EXPECT_FALSE(IsWindow(second));
}
