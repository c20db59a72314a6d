// Hand-offs from the Today screen to the real main program, running and
// hidden: the Today item in the Today host writes each request and starts
// Quillon.exe, whose second copy brings the running one forward. After each
// request the Z order of the top-level windows is read back: the window in
// front has its own menu bar just in front of it, a modal editor is above its
// owner, and the main window keeps its title; when the editor closes the main
// window hides and the Today screen is in front again, with no menu bar of the
// main program left over it.
#include "core/settings_file.h"
#include "core/today_request_format.h"
#include "platform/ce.h"
#include "platform/shell/menu_bar.h"
#include "tests/hosts/today_items.h"
#include "tests/shell/support.h"
#include "tests/startup/quillon_process.h"
#include "tests/today/outlook_fixture.h"
#include "today/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kItemName[] = L"\"Glimmor\"";
constexpr wchar_t kItemClass[] = L"GlimmorWndClass";
constexpr DWORD kHandOffLimitMs = 20000;
// The item's mode-icon menu commands (each writes its request and starts the program).
constexpr WPARAM kCommandTaskView = 40037;
constexpr WPARAM kCommandNewTask = 40036;
constexpr WPARAM kCommandPreferences = 40039;

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

bool IsMenuBar(HWND window)
{
    return ClassOf(window) == CE_MENU_BAR_CLASS;
}

// The shown top-level windows under the screen's topmost furniture, front first.
std::vector<HWND> UnderFurniture()
{
    return shelltest::ShownTopLevelWindows(false);
}

// The window in front: the first that is no menu bar.
HWND FrontWindow(const std::vector<HWND>& order)
{
    for (HWND w : order) {
        if (!IsMenuBar(w))
            return w;
    }
    return nullptr;
}

std::string Utf8(const std::wstring& text)
{
    char bytes[256] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof(bytes), nullptr, nullptr);
    return bytes;
}

// The order as a failure names it: class, title and owner's title of each.
std::string Describe(const std::vector<HWND>& order)
{
    std::string text;
    for (HWND w : order) {
        HWND owner = GetWindow(w, GW_OWNER);
        text += "[" + Utf8(ClassOf(w)) + " \"" + Utf8(testkit::WindowText(w)) + "\" owner \"" + (owner ? Utf8(testkit::WindowText(owner)) : "-") +
                "\"] ";
    }
    return text;
}

HWND ShownBarOf(const std::vector<HWND>& order, HWND owner)
{
    for (HWND w : order) {
        if (IsMenuBar(w) && GetWindow(w, GW_OWNER) == owner)
            return w;
    }
    return nullptr;
}

// Expects the window in front with its own menu bar (when it has one) just in
// front of it, and no menu bar of another window in front of it.
void ExpectFrontWindowWithItsOwnBar(const std::vector<HWND>& order)
{
    HWND front = FrontWindow(order);
    for (size_t i = 0; i < order.size() && order[i] != front; ++i) {
        EXPECT_EQ(GetWindow(order[i], GW_OWNER), front) << "another window's menu bar lies in front: " << Describe(order);
    }
    if (HWND bar = ShownBarOf(order, front)) {
        EXPECT_EQ(shelltest::PlaceOf(order, bar) + 1, shelltest::PlaceOf(order, front)) << Describe(order);
    }
}

// The window's menu bar, shown or not.
HWND AnyBarOf(HWND owner)
{
    for (HWND w = FindWindowExW(nullptr, nullptr, CE_MENU_BAR_CLASS, nullptr); w;
         w = FindWindowExW(nullptr, w, CE_MENU_BAR_CLASS, nullptr)) {
        if (GetWindow(w, GW_OWNER) == owner)
            return w;
    }
    return nullptr;
}

// A shown top-level window owned by the window.
HWND OwnedWindowOf(HWND owner)
{
    for (HWND w : UnderFurniture()) {
        if (GetWindow(w, GW_OWNER) == owner && !IsMenuBar(w))
            return w;
    }
    return nullptr;
}

class HandOffThroughTheTodayScreen : public testing::Test {
protected:
    void SetUp() override
    {
        hosttest::ClearDeviceLog();
        hosttest::ClearItems();
        DeleteFileW(kTodayRequestFile);
        DeleteFileW(L"\\Windows\\GlimmorM.ini");
        hosttest::RegisterItem(hosttest::ItemKey{.name = kItemName, .dll = L"\\Windows\\Glimmor.dll", .options = 1});
        // No clock and no weather line: the item's list starts under its title bar.
        DiarySettings settings = ParseSettingsRecord(nullptr, 0, RGB(0, 0, 0));
        settings.TodayShowWeather = 0;
        settings.TodayShowClock = 0;
        const std::string record = FormatSettingsRecord(settings);
        ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon.ini", std::vector<uint8_t>(record.begin(), record.end())));
        ASSERT_TRUE(host_.Start());
        ASSERT_TRUE(testkit::PumpUntil([&] { return Item() != nullptr; }, kHandOffLimitMs));

        // The main program started once, then hidden as a request left it.
        program_ = quillon::Start();
        ASSERT_NE(program_.handle, nullptr);
        main_ = quillon::WaitForMainWindow();
        ASSERT_NE(main_, nullptr);
        testkit::PumpFor(500);
        ShowWindow(main_, SW_HIDE);
        SetForegroundWindow(host_.Window());
        ASSERT_TRUE(testkit::PumpUntil([&] { return FrontWindow(UnderFurniture()) == host_.Window(); }, kHandOffLimitMs))
            << Describe(UnderFurniture());
        EXPECT_EQ(ShownBarOf(UnderFurniture(), main_), nullptr) << "the hidden program's menu bar is still shown";
    }
    void TearDown() override
    {
        if (HWND dialog = main_ ? OwnedWindowOf(main_) : nullptr)
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(quillon::Close(main_, program_), 0);
        host_.Close();
        hosttest::ClearItems();
        DeleteFileW(L"\\Windows\\Quillon.ini");
    }

    HWND Item() const { return FindWindowExW(host_.Window(), nullptr, kItemClass, nullptr); }

    // The item's menu command, as its mode-icon menu sends it.
    void Request(WPARAM command)
    {
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutW(Item(), WM_COMMAND, command, 0, SMTO_ABORTIFHUNG, 10000, &answer));
    }

    LRESULT SendItem(UINT message, WPARAM wParam)
    {
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutW(Item(), message, wParam, 0, SMTO_ABORTIFHUNG, 10000, &answer));
        return static_cast<LRESULT>(answer);
    }

    // Taps the item until the tap opens its detail pop-up; the pop-up.
    HWND OpenDetailPopup(int x, int y)
    {
        HWND popup = nullptr;
        testkit::PumpUntil(
            [&] {
                PostMessageW(Item(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
                PostMessageW(Item(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
                testkit::PumpUntil([&] { return (popup = OwnedWindowOf(host_.Window())) != nullptr; }, 1000);
                return popup != nullptr;
            },
            kHandOffLimitMs);
        return popup;
    }

    // Waits until the window is the one in front and the display has settled.
    bool WaitForFront(HWND window)
    {
        bool front = testkit::PumpUntil(
            [&] { return window && IsWindowVisible(window) && FrontWindow(UnderFurniture()) == window; }, kHandOffLimitMs);
        testkit::PumpFor(500);
        return front && FrontWindow(UnderFurniture()) == window;
    }

    void Screenshot(const std::wstring& name) { testkit::SaveScreenshot(testkit::CaptureScreen(), name); }

    // The main program in front with its own menu bar and its title.
    void ExpectMainInFrontWithItsBar(const char* after)
    {
        SCOPED_TRACE(after);
        ASSERT_TRUE(WaitForFront(main_)) << Describe(UnderFurniture());
        const std::vector<HWND> order = UnderFurniture();
        HWND bar = ShownBarOf(order, main_);
        ASSERT_NE(bar, nullptr) << "the main window came forward without its menu bar: " << Describe(order);
        EXPECT_TRUE(shelltest::BarShowsOnScreen(bar)) << "the screen shows no menu bar of the main window";
        EXPECT_EQ(shelltest::PlaceOf(order, bar), 0u) << Describe(order);
        ExpectFrontWindowWithItsOwnBar(order);
        EXPECT_EQ(testkit::WindowText(main_), quillon::kMainTitle);
        EXPECT_LT(shelltest::PlaceOf(order, main_), shelltest::PlaceOf(order, host_.Window()));
    }

    // A dialog of the main program (an editor, the preferences) in front of
    // it, then closed: the main window hides, the Today screen is in front.
    void ExpectDialogAboveMainThenTodayAgain(const char* after)
    {
        SCOPED_TRACE(after);
        HWND dialog = nullptr;
        ASSERT_TRUE(testkit::PumpUntil([&] { return (dialog = OwnedWindowOf(main_)) != nullptr; }, kHandOffLimitMs))
            << "no dialog opened: " << Describe(UnderFurniture());
        EXPECT_TRUE(WaitForFront(dialog)) << "the dialog is not in front: " << Describe(UnderFurniture());
        std::vector<HWND> order = UnderFurniture();
        EXPECT_LT(shelltest::PlaceOf(order, dialog), shelltest::PlaceOf(order, main_)) << "the dialog lies behind its owner";
        EXPECT_LT(shelltest::PlaceOf(order, main_), shelltest::PlaceOf(order, host_.Window()));
        ExpectFrontWindowWithItsOwnBar(order);
        EXPECT_EQ(testkit::WindowText(main_), quillon::kMainTitle);
        Screenshot(std::wstring(L"hand-off-dialog-") + std::wstring(after, after + strlen(after)));

        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(testkit::PumpUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kHandOffLimitMs));
        EXPECT_TRUE(WaitForFront(host_.Window())) << "the Today screen is not in front: " << Describe(UnderFurniture());
        order = UnderFurniture();
        EXPECT_FALSE(IsWindowVisible(main_));
        EXPECT_EQ(ShownBarOf(order, main_), nullptr) << "the main program's menu bar stayed over the Today screen";
        EXPECT_FALSE(shelltest::BarShowsOnScreen(AnyBarOf(main_), 300)) << "the screen shows the main program's bar";
        EXPECT_EQ(testkit::WindowText(main_), quillon::kMainTitle) << "the main window lost its title";
        Screenshot(std::wstring(L"hand-off-closed-") + std::wstring(after, after + strlen(after)));
    }

    hosttest::TodayHost host_;
    quillon::Process program_;
    HWND main_ = nullptr;
};

TEST_F(HandOffThroughTheTodayScreen, AViewRequestBringsTheMainWindowForwardWithItsMenuBar)
{
    Request(kCommandTaskView);
    ExpectMainInFrontWithItsBar("task view");
    Screenshot(L"hand-off-view");
}

TEST_F(HandOffThroughTheTodayScreen, ANewTaskOpensItsEditorAboveTheMainWindow)
{
    Request(kCommandNewTask);
    ExpectDialogAboveMainThenTodayAgain("new-task");
}

TEST_F(HandOffThroughTheTodayScreen, TheEditOfATaskOpensItsEditorAboveTheMainWindow)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    todaytest::Outlook outlook;
    outlook.AddTask(L"보고서", poomclient::Date(now.wYear, now.wMonth, now.wDay));
    SendItem(WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT);  // the task view
    // The first row under the title bar: the task, whose tap opens its pop-up.
    HWND popup = OpenDetailPopup(120, 19 + 7);
    ASSERT_NE(popup, nullptr) << "no detail pop-up: " << Describe(UnderFurniture());
    PostMessageW(popup, WM_COMMAND, MAKEWPARAM(IDC_DETAIL_EDIT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(popup, IDC_DETAIL_EDIT)));
    ExpectDialogAboveMainThenTodayAgain("edit-task");
}

TEST_F(HandOffThroughTheTodayScreen, ThePreferencesRequestOpensTheSheetAboveTheMainWindow)
{
    Request(kCommandPreferences);
    ExpectDialogAboveMainThenTodayAgain("preferences");
}

}  // namespace
