// The soft-reset tool as its user meets it: started from its folder, its
// window and menu bar, one reset request, a second start, About and quit.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kProgram[] = L"\\Program Files\\Quillon\\Snapkit.exe";
constexpr wchar_t kResetRecord[] = L"CeReset: soft reset requested by Snapkit.exe";

HANDLE StartSnapkit()
{
    std::wstring command = std::wstring(L"\"") + kProgram + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        ADD_FAILURE() << "could not start Snapkit: error " << GetLastError();
        return nullptr;
    }
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

HWND SnapkitWindow()
{
    return FindWindowW(L"SNAPKIT", L"Snapkit");
}

size_t ResetRecords()
{
    return shelltest::LogRecords(kResetRecord).size();
}

// A key pressed with Ctrl held, through the input queue.
void InjectCtrl(UINT key)
{
    INPUT in[4] = {};
    for (INPUT& one : in)
        one.type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[3].ki.wVk = VK_CONTROL;
    in[1].ki.wVk = in[2].ki.wVk = static_cast<WORD>(key);
    in[2].ki.dwFlags = in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof(INPUT));
}

BOOL CALLBACK FindMenuBar(HWND window, LPARAM param)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, 32);
    auto* found = reinterpret_cast<std::pair<HWND, HWND>*>(param);
    if (wcscmp(name, CE_MENU_BAR_CLASS) == 0 && GetWindow(window, GW_OWNER) == found->first) {
        found->second = window;
        return FALSE;
    }
    return TRUE;
}

HWND MenuBarOf(HWND owner)
{
    std::pair<HWND, HWND> found(owner, nullptr);
    EnumWindows(FindMenuBar, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

// Dark pixels of the screen's rectangle: drawn text.
int DarkPixels(const testkit::Image& shot, int left, int top, int right, int bottom)
{
    int dark = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            dark += GetRValue(shot.At(x, y)) < 100 ? 1 : 0;
    }
    return dark;
}

class Snapkit : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        process = StartSnapkit();
        ASSERT_NE(process, nullptr);
        ASSERT_TRUE(testkit::PumpUntil([] { return SnapkitWindow() && IsWindowVisible(SnapkitWindow()); }, 15000));
        testkit::PumpFor(500);  // painted
    }
    static void TearDownTestSuite()
    {
        if (process && WaitForSingleObject(process, 0) != WAIT_OBJECT_0)
            TerminateProcess(process, 1);
        if (process)
            CloseHandle(process);
        process = nullptr;
    }
    static HANDLE process;
};

HANDLE Snapkit::process = nullptr;

}  // namespace

TEST_F(Snapkit, ShowsItsWindowAboveTheMenuBarAndAsksForOneReset)
{
    HWND window = SnapkitWindow();
    shelltest::ExpectRect(testkit::ScreenRect(window), 0, 26, 240, 294);
    HWND bar = MenuBarOf(window);
    ASSERT_NE(bar, nullptr);
    shelltest::ExpectRect(testkit::ScreenRect(bar), 0, 294, 240, 320);
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 1);
    EXPECT_EQ(ResetRecords(), 1u);

    testkit::Image shot = testkit::CaptureScreen();
    testkit::SaveScreenshot(shot, L"snapkit");
    EXPECT_GT(DarkPixels(shot, 60, 145, 180, 175), 40) << "\"Soft Reset\" is not drawn in the middle";
    EXPECT_EQ(DarkPixels(shot, 0, 40, 240, 130), 0) << "the window is white above the text";
    EXPECT_GT(DarkPixels(shot, 0, 294, 120, 320), 15) << "the menu bar's \"Tools\" is not drawn";
}

TEST_F(Snapkit, ASecondStartFrontsTheFirstAndAsksNothing)
{
    HWND other = shelltest::CreateDeviceWindow(L"other");
    ASSERT_TRUE(testkit::PumpUntil([&] { return GetForegroundWindow() == other; }, 5000));
    EXPECT_EQ(shelltest::WaitPumping(StartSnapkit(), 15000), 0);
    EXPECT_TRUE(testkit::PumpUntil([] { return GetForegroundWindow() == SnapkitWindow(); }, 5000));
    EXPECT_EQ(ResetRecords(), 1u);
    DestroyWindow(other);
}

TEST_F(Snapkit, CtrlAShowsAboutAndDoneClosesIt)
{
    HWND window = SnapkitWindow();
    SetForegroundWindow(window);
    ASSERT_TRUE(testkit::PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));
    InjectCtrl('A');
    HWND about = nullptr;
    ASSERT_TRUE(testkit::PumpUntil([&] { return (about = FindWindowW(L"#32770", L"About Snapkit")) != nullptr; },
                                   5000));
    testkit::PumpFor(500);  // placed, painted, and the top bar's ok shown
    shelltest::ExpectRect(testkit::ScreenRect(about), 0, 26, 240, 320);
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(testkit::WindowText(child));
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Snapkit Version 1.0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Copyright (C) Vestamor"), texts.end());
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"snapkit_about");

    HWND topBar = FindWindowW(CE_TOP_BAR_CLASS, nullptr);
    ASSERT_NE(topBar, nullptr);
    testkit::Tap(topBar, 224, 13);
    EXPECT_TRUE(testkit::PumpUntil([] { return FindWindowW(L"#32770", L"About Snapkit") == nullptr; }, 5000));
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(Snapkit, CtrlQEndsIt)
{
    HWND window = SnapkitWindow();
    SetForegroundWindow(window);
    ASSERT_TRUE(testkit::PumpUntil([&] { return GetForegroundWindow() == window; }, 5000));
    InjectCtrl('Q');
    HANDLE running = process;
    process = nullptr;
    EXPECT_EQ(shelltest::WaitPumping(running, 10000), 0);
    EXPECT_EQ(SnapkitWindow(), nullptr);
    EXPECT_EQ(ResetRecords(), 1u);
}

// The resources in language 1033, read from the program file.
TEST(SnapkitResources, StringsMenuBarAndAccelerators)
{
    HMODULE file = LoadLibraryExW(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(file, nullptr);
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    struct StringCase {
        UINT id;
        const wchar_t* text;
    };
    const StringCase strings[] = {{1, L"Snapkit"}, {2, L"Soft Reset"}, {3, L"SNAPKIT"}, {104, L"Tools"}, {301, L"Done "}};
    for (const StringCase& c : strings) {
        SCOPED_TRACE(c.id);
        EXPECT_NE(FindResourceExW(file, RT_STRING, MAKEINTRESOURCEW(c.id / 16 + 1), english), nullptr);
        wchar_t text[64] = L"";
        LoadStringW(file, c.id, text, 64);
        EXPECT_STREQ(text, c.text);
    }
    for (auto [type, id] : {std::pair{RT_MENU, 102}, std::pair{RT_RCDATA, 102}, std::pair{RT_ACCELERATOR, 3},
                            std::pair{RT_DIALOG, 103}, std::pair{RT_GROUP_ICON, 101}}) {
        SCOPED_TRACE(id);
        EXPECT_NE(FindResourceExW(file, type, MAKEINTRESOURCEW(id), english), nullptr);
    }

    // The menu bar: menu 102, one drop-down button with the caption "Tools"
    // opening the menu's first pop-up.
    HRSRC barResource = FindResourceExW(file, RT_RCDATA, MAKEINTRESOURCEW(102), english);
    ASSERT_NE(barResource, nullptr);
    ASSERT_EQ(SizeofResource(file, barResource), 18u);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(file, barResource)));
    const std::vector<WORD> expectedBar = {102, 1, 0xFFFE, 40001, 4, 0x18, 104, 0, 0};
    EXPECT_EQ(std::vector<WORD>(words, words + 9), expectedBar);

    HMENU menu = LoadMenuW(file, MAKEINTRESOURCEW(102));
    ASSERT_NE(menu, nullptr);
    std::vector<testkit::MenuEntry> top = testkit::MenuEntries(menu);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].text, L"Tools");
    std::vector<testkit::MenuEntry> tools = testkit::MenuEntries(GetSubMenu(menu, 0));
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].text, L"About");
    EXPECT_EQ(tools[0].id, 40003u);
    DestroyMenu(menu);

    HACCEL table = LoadAcceleratorsW(file, MAKEINTRESOURCEW(3));
    ASSERT_NE(table, nullptr);
    ACCEL keys[4] = {};
    ASSERT_EQ(CopyAcceleratorTableW(table, keys, 4), 2);
    EXPECT_EQ(keys[0].key, 'A');
    EXPECT_EQ(keys[0].cmd, 40003);
    EXPECT_EQ(keys[1].key, 'Q');
    EXPECT_EQ(keys[1].cmd, IDOK);
    for (const ACCEL& key : {keys[0], keys[1]})
        EXPECT_EQ(key.fVirt & (FVIRTKEY | FCONTROL), FVIRTKEY | FCONTROL);
    DestroyAcceleratorTable(table);
    FreeLibrary(file);
}
