// The input-method pop-up read while it is open: its items, commands, check
// marks and place; the 50-method limit; choosing a method by its command.
#include "core/input_method_menu.h"
#include "resources/resource.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kMethodsKey[] = L"Software\\Quillon Platform\\Input Methods";
const wchar_t kPanelKey[] = L"Software\\Quillon Platform\\Input Panel";

CLSID MethodClass(int n)
{
    CLSID id = {0x5A17E000u + static_cast<unsigned>(n), 0x1234, 0x4567, {0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67}};
    return id;
}

// Installs methods "m00".."m<count-1>" named by nameOf in the device registry.
void InstallMethods(int count, std::wstring (*nameOf)(int))
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMethodsKey);
    for (int n = 0; n < count; ++n) {
        wchar_t subkey[128];
        swprintf(subkey, 128, L"%ls\\m%02d", kMethodsKey, n);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, subkey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::wstring name = nameOf(n);
        wchar_t classText[40];
        const CLSID id = MethodClass(n);
        StringFromGUID2(id, classText, 40);
        RegSetValueExW(key, L"Name", 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                       static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
        RegSetValueExW(key, L"Class", 0, REG_SZ, reinterpret_cast<const BYTE*>(classText),
                       static_cast<DWORD>((wcslen(classText) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
}

std::wstring ShortName(int n)
{
    return L"입력기 " + std::to_wstring(n);
}

std::wstring LongName(int n)
{
    return std::wstring(250, static_cast<wchar_t>(L'가' + n));
}

// What the open pop-up showed.
struct MenuItem { UINT id; std::wstring text; bool checked; };
struct OpenMenu {
    const wchar_t* screenshot = nullptr;  // saved while open when named
    bool seen = false;
    RECT rect = {};
    std::vector<MenuItem> items;
};
OpenMenu g_open;

void ReadOpenMenu(HWND menuWindow)
{
    g_open.seen = true;
    GetWindowRect(menuWindow, &g_open.rect);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    for (const testkit::MenuEntry& entry : testkit::MenuEntries(menu))
        g_open.items.push_back({entry.id, entry.text, entry.checked});
    if (g_open.screenshot)
        testkit::SaveScreenshot(testkit::CaptureScreen(), g_open.screenshot);
}

constexpr UINT_PTR kGiveUpTimer = 1;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && !g_open.seen) {
            ReadOpenMenu(reinterpret_cast<HWND>(lParam));
            EndMenu();
        }
        return 0;
    case WM_TIMER:
        if (wParam == kGiveUpTimer)
            EndMenu();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class InputMethodMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_open = OpenMenu{};
        owner_ = testkit::CreateTestWindow(true, 240, 294, OwnerProc);
        ASSERT_NE(owner_, nullptr);
        SetForegroundWindow(owner_);
        SetTimer(owner_, kGiveUpTimer, 5000, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(owner_);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMethodsKey);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPanelKey);
    }
    void Show()
    {
        ASSERT_TRUE(ShowInputMethodMenu(owner_));
        ASSERT_TRUE(g_open.seen) << "the pop-up was not seen open";
    }
    HWND owner_ = nullptr;
};

TEST_F(InputMethodMenuTest, ThreeMethodsWithTheCurrentChecked)
{
    InstallMethods(3, ShortName);
    CLSID current = MethodClass(1);
    ASSERT_TRUE(SipSetCurrentIM(&current));
    g_open.screenshot = L"input_method_menu";
    Show();

    ASSERT_EQ(g_open.items.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_open.items[i].id, static_cast<UINT>(41000 + i));
        EXPECT_EQ(g_open.items[i].text, ShortName(i));
        EXPECT_EQ(g_open.items[i].checked, i == 1);
    }
    EXPECT_EQ(g_open.rect.top, 236);
    EXPECT_EQ(g_open.rect.right, 240);
    ASSERT_EQ(InputMethodList.count, 3);
    const CLSID third = MethodClass(2);
    EXPECT_TRUE(SameInputMethodId(&InputMethodList.entries[2].classId, &third));
}

TEST_F(InputMethodMenuTest, AtMostFiftyMethods)
{
    InstallMethods(51, ShortName);
    Show();
    ASSERT_EQ(InputMethodList.count, 50);
    ASSERT_EQ(g_open.items.size(), 50u);
    EXPECT_EQ(g_open.items.front().id, 41000u);
    EXPECT_EQ(g_open.items.back().id, 41049u);
    EXPECT_EQ(g_open.items.back().text, ShortName(49));
    EXPECT_TRUE(g_open.items.front().checked);  // the first method is current on a fresh panel
}

TEST_F(InputMethodMenuTest, LongNamesAreCutToTheirSlot)
{
    InstallMethods(2, LongName);
    Show();
    ASSERT_EQ(InputMethodList.count, 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::wstring(InputMethodList.entries[i].name), LongName(i).substr(0, kInputMethodNameChars - 1));
        EXPECT_EQ(g_open.items[i].text, LongName(i).substr(0, kInputMethodNameChars - 1));
    }
}

TEST_F(InputMethodMenuTest, ChoosingByCommand)
{
    InstallMethods(3, ShortName);
    Show();
    struct Case { UINT command; bool chosen; int current; };
    const Case cases[] = {{41002, true, 2}, {41000, true, 0}, {41003, false, 0}, {40999, false, 0}, {41049, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(ChooseInputMethodCommand(c.command), c.chosen);
        CLSID current = {};
        ASSERT_TRUE(SipGetCurrentIM(&current));
        const CLSID expected = MethodClass(c.current);
        EXPECT_TRUE(SameInputMethodId(&current, &expected));
    }
    // The next pop-up checks the method chosen.
    ASSERT_TRUE(ChooseInputMethodCommand(41002));
    g_open = OpenMenu{};
    Show();
    ASSERT_EQ(g_open.items.size(), 3u);
    EXPECT_FALSE(g_open.items[0].checked);
    EXPECT_TRUE(g_open.items[2].checked);
}

TEST(InputMethodId, SameSixteenBytes)
{
    const CLSID base = MethodClass(7);
    CLSID firstByte = base, lastByte = base, middle = base;
    firstByte.Data1 ^= 1;
    lastByte.Data4[7] ^= 0x80;
    middle.Data3 ^= 0x100;
    struct Case { const char* name; CLSID other; bool same; };
    const Case cases[] = {{"itself", base, true}, {"first byte", firstByte, false},
                          {"last byte", lastByte, false}, {"middle", middle, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SameInputMethodId(&base, &c.other), c.same);
        EXPECT_EQ(SameInputMethodId(&c.other, &base), c.same);
    }
}

}  // namespace
