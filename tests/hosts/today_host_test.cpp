// The Today host drives items as the device's Today screen does: a test
// item DLL logs what it gets, the tests read the log, the windows and the
// screen.
#include "platform/today_host/commands.h"
#include "tests/hosts/today_items.h"

#include <gtest/gtest.h>

namespace {

using hosttest::ItemKey;
using hosttest::ItemRecords;
using hosttest::LogPosition;
using hosttest::TodayHost;
using hosttest::WaitForRecord;

constexpr DWORD kRelayoutLimitMs = 8000;  // the host asks every 2 s

bool Contains(const std::vector<std::wstring>& records, const std::wstring& text)
{
    for (const std::wstring& record : records) {
        if (record.find(text) != std::wstring::npos)
            return true;
    }
    return false;
}

class TodayHostTest : public testing::Test {
protected:
    void SetUp() override
    {
        hosttest::ClearDeviceLog();
        hosttest::ClearItems();
        ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(L"TestItem.dll").c_str(), hosttest::kTestItemDll, FALSE));
        ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(L"TestItem.dll").c_str(), hosttest::kSecondItemDll, FALSE));
    }
    void TearDown() override
    {
        EXPECT_EQ(host_.Close(), 0);
        hosttest::ClearItems();
    }

    // Waits until the item stands at the rectangle (host client coordinates).
    bool WaitForPlace(const std::wstring& name, RECT place)
    {
        return testkit::PumpUntil([&] { return EqualRect(&place, &Rect(name)); }, kRelayoutLimitMs);
    }
    RECT& Rect(const std::wstring& name)
    {
        last_ = host_.ItemRect(name);
        return last_;
    }
    int ClientWidth() { return testkit::ClientRectOf(host_.Window()).right; }
    bool HasScrollBar() { return (GetWindowLongW(host_.Window(), GWL_STYLE) & WS_VSCROLL) != 0; }

    TodayHost host_;
    RECT last_ = {};
};

TEST_F(TodayHostTest, ItemGetsItsRecordAndStandsAtTheClientWidth)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 60});
    ASSERT_TRUE(host_.Start());

    // A top-level window over the work area, below the top bar.
    shelltest::ExpectRect(testkit::ScreenRect(host_.Window()), 0, 26, 240, 320);
    EXPECT_EQ(GetParent(host_.Window()), nullptr);
    // The record as the item gets it: its name, type, flags and DLL; no
    // height and no window yet; the DLL's own instance; the host as parent.
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"init type=4 enabled=1 options=1 dll=\\Windows\\TestItem.dll cyp=0 "
                                                L"window=0 own instance=1 parent=TodayHost"));
    // The first query takes the item's height; the item is as wide as the
    // client area and stands at its top.
    ASSERT_TRUE(WaitForPlace(L"Alpha", RECT{0, 0, 240, 60})) << "at " << last_.left << "," << last_.top << " "
                                                             << last_.right << "x" << last_.bottom;
    // The query carries the record the item got at its start.
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"query answered 1 cyp=60 record kept"));
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"size 240x60"));
    EXPECT_FALSE(HasScrollBar());
    testkit::PumpFor(300);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"today_one_item");
}

TEST_F(TodayHostTest, ItemsStackAndFollowANewHeight)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 60});
    hosttest::RegisterItem(ItemKey{.name = L"Beta", .height = 50});
    ASSERT_TRUE(host_.Start());
    ASSERT_TRUE(WaitForPlace(L"Beta", RECT{0, 60, 240, 110}));

    // The item answers 1 to a later query: the host takes its new height,
    // lays the stack out again and the item below moves.
    hosttest::SetItemValue(L"Alpha", L"TestHeight", 90);
    hosttest::SetItemValue(L"Alpha", L"TestAnswer", 1);
    EXPECT_TRUE(WaitForPlace(L"Alpha", RECT{0, 0, 240, 90}));
    EXPECT_TRUE(WaitForPlace(L"Beta", RECT{0, 90, 240, 140}));
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"query answered 1 cyp=90"));
}

TEST_F(TodayHostTest, ScrollBarWhileTheItemsOverflow)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 200});
    hosttest::RegisterItem(ItemKey{.name = L"Beta", .height = 200});
    ASSERT_TRUE(host_.Start());

    // 400 pixels in a 294-pixel client area: the window's own bar shows and
    // the items narrow to the client width beside it.
    ASSERT_TRUE(testkit::PumpUntil([&] { return HasScrollBar(); }, kRelayoutLimitMs));
    int width = ClientWidth();
    EXPECT_EQ(width, 240 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(WaitForPlace(L"Beta", RECT{0, 200, width, 400}));
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"today_overflow");

    host_.Send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_TRUE(WaitForPlace(L"Beta", RECT{0, 94, width, 294}));
    EXPECT_TRUE(WaitForPlace(L"Alpha", RECT{0, -106, width, 94}));

    // Once they fit again the bar goes and the items widen.
    hosttest::SetItemValue(L"Beta", L"TestHeight", 20);
    hosttest::SetItemValue(L"Beta", L"TestAnswer", 1);
    EXPECT_TRUE(WaitForPlace(L"Beta", RECT{0, 200, 240, 220}));
    EXPECT_FALSE(HasScrollBar());
}

TEST_F(TodayHostTest, KeysSelectNavigateAndAct)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha"});
    hosttest::RegisterItem(ItemKey{.name = L"Quiet", .selectability = 0});
    hosttest::RegisterItem(ItemKey{.name = L"Beta"});
    ASSERT_TRUE(host_.Start());

    struct KeyCase {
        UINT key;
        const wchar_t* record;  // the record it leads to, last in its item's log
    };
    const KeyCase kCases[] = {
        {VK_DOWN, L"TestItem Alpha: selection key=40"},
        {VK_LEFT, L"TestItem Alpha: navigation key=37 answered 1"},
        {VK_RIGHT, L"TestItem Alpha: navigation key=39 answered 1"},
        {VK_RETURN, L"TestItem Alpha: action"},
        {VK_DOWN, L"TestItem Beta: selection key=40"},  // past the item that is not selectable
        {VK_UP, L"TestItem Alpha: selection key=38"},
    };
    for (const KeyCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.record)));
        size_t before = shelltest::LogRecords(c.record).size();
        host_.Send(WM_KEYDOWN, c.key);
        EXPECT_TRUE(testkit::PumpUntil([&] { return shelltest::LogRecords(c.record).size() > before; }, 5000));
    }
    // Up and down were offered to the selected item first and passed on.
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"navigation key=40 answered 0"));
    EXPECT_TRUE(Contains(ItemRecords(L"Beta"), L"navigation key=38 answered 0"));
    EXPECT_TRUE(Contains(ItemRecords(L"Alpha"), L"lost selection"));
    EXPECT_TRUE(Contains(ItemRecords(L"Beta"), L"lost selection"));
    EXPECT_FALSE(Contains(ItemRecords(L"Quiet"), L"selection"));
    EXPECT_LT(LogPosition(L"Alpha: navigation key=40"), LogPosition(L"Beta: selection key=40"));
}

TEST_F(TodayHostTest, WatermarkAndTextColourFromTheProfile)
{
    hosttest::SetProfileValue(L"Today", L"Background", L"10,200,30");
    hosttest::SetProfileValue(L"Today", L"TextColor", L"200,0,100");
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 60});
    ASSERT_TRUE(host_.Start());
    ASSERT_TRUE(WaitForPlace(L"Alpha", RECT{0, 0, 240, 60}));

    // The background the host painted into the item's DC, and its text colour.
    EXPECT_TRUE(WaitForRecord(L"TestItem Alpha: watermark pixel 1EC80A"));
    EXPECT_TRUE(WaitForRecord(L"TestItem Alpha: text colour 6400C8"));
    // On the screen: the item's lower edge is the watermark; below the item
    // the host's own background.
    testkit::PumpFor(300);
    EXPECT_EQ(testkit::ScreenPixel(120, 26 + 58), RGB(10, 200, 30));
    EXPECT_EQ(testkit::ScreenPixel(120, 26 + 150), RGB(10, 200, 30));
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"today_colours");

    // A colour the test sets while the host runs is the next answer.
    hosttest::SetProfileValue(L"Today", L"TextColor", L"1,2,3");
    InvalidateRect(host_.Item(L"Alpha"), nullptr, TRUE);
    EXPECT_TRUE(WaitForRecord(L"TestItem Alpha: text colour 030201"));
    EXPECT_EQ(host_.Send(TODAYM_GETCOLOR, TODAYCOLOR_TEXT), static_cast<LRESULT>(RGB(1, 2, 3)));
    EXPECT_EQ(host_.Send(TODAYM_GETCOLOR, 12345), static_cast<LRESULT>(CLR_INVALID));
    hosttest::SetProfileValue(L"Today", nullptr, nullptr);
}

TEST_F(TodayHostTest, EnabledToggledWithTheSettingChange)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 30});
    hosttest::RegisterItem(ItemKey{.name = L"Beta", .dll = hosttest::kSecondItemDll, .height = 50});
    ASSERT_TRUE(host_.Start());
    ASSERT_TRUE(WaitForPlace(L"Beta", RECT{0, 30, 240, 80}));

    auto broadcast = [] {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, TODAY_RELOAD_ITEMS, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    };
    // Off: the item is told to clear its cache, its window goes, its DLL is
    // freed; the other item stays.
    hosttest::SetItemValue(L"Beta", L"Enabled", 0);
    broadcast();
    EXPECT_TRUE(WaitForRecord(L"TestItem module TestItem2.dll: detached"));
    EXPECT_TRUE(Contains(ItemRecords(L"Beta"), L"clear cache"));
    EXPECT_EQ(host_.Item(L"Beta"), nullptr);
    EXPECT_NE(host_.Item(L"Alpha"), nullptr);
    EXPECT_TRUE(shelltest::LogRecords(L"TestItem module TestItem.dll: detached").empty());

    // Another setting change leaves the items alone.
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);

    // On again: loaded and made anew, under the first.
    hosttest::SetItemValue(L"Beta", L"Enabled", 1);
    broadcast();
    EXPECT_TRUE(WaitForPlace(L"Beta", RECT{0, 30, 240, 80}));
    int inits = 0;
    for (const std::wstring& record : ItemRecords(L"Beta"))
        inits += record.rfind(L"init ", 0) == 0;
    EXPECT_EQ(inits, 2);
}

TEST_F(TodayHostTest, OptionsDialogThroughOrdinal241)
{
    hosttest::RegisterItem(ItemKey{.name = L"Alpha"});
    ASSERT_TRUE(host_.Start());

    // The dialog is modal in the host: the command is posted.
    PostMessageW(host_.Window(), WM_COMMAND, todayhost::kCommandOptionsFirst, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(testkit::PumpUntil([&] { return (dialog = FindWindowW(L"#32770", L"테스트 항목 설정")) != nullptr; },
                                   10000));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), host_.Window());
    EXPECT_TRUE(WaitForRecord(L"TestItem options: open"));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForRecord(L"TodayHost: options dialog of \"Alpha\" ended (7)"));
    EXPECT_TRUE(WaitForRecord(L"TestItem options: closed by 1"));
}

TEST_F(TodayHostTest, FailingItemsAreLeftOut)
{
    hosttest::RegisterItem(ItemKey{.name = L"Failing"});
    hosttest::SetItemValue(L"Failing", L"TestFail", 1);
    hosttest::RegisterItem(ItemKey{.name = L"Missing", .dll = L"\\Windows\\Missing.dll"});
    hosttest::RegisterItem(ItemKey{.name = L"Shown", .height = 50});
    hosttest::RegisterItem(ItemKey{.name = L"Builtin", .type = 1});
    hosttest::RegisterItem(ItemKey{.name = L"Off", .enabled = 0});
    ASSERT_TRUE(host_.Start());

    EXPECT_TRUE(WaitForPlace(L"Shown", RECT{0, 0, 240, 50}));
    EXPECT_FALSE(shelltest::LogRecords(L"TodayHost: item \"Failing\" left out: ordinal 240 gave no window").empty());
    EXPECT_FALSE(shelltest::LogRecords(L"TodayHost: item \"Missing\" left out: \\Windows\\Missing.dll did not load")
                     .empty());
    EXPECT_EQ(host_.Item(L"Failing"), nullptr);
    // Built-in items are the shell's own, disabled ones are not loaded.
    EXPECT_TRUE(ItemRecords(L"Builtin").empty());
    EXPECT_TRUE(ItemRecords(L"Off").empty());
    EXPECT_FALSE(shelltest::LogRecords(L"TodayHost: ready, 1 item(s)").empty());
}

// Run by hosts_vga on the 480 x 640 profile.
TEST(VgaTodayHost, FillsTheLargerScreen)
{
    if (CeProfileInt(L"Device", L"ScreenWidth", 240) != 480)
        GTEST_SKIP() << "for the 480 x 640 device (hosts_vga)";
    hosttest::ClearDeviceLog();
    hosttest::ClearItems();
    ASSERT_TRUE(CopyFileW(shelltest::BuiltProgram(L"TestItem.dll").c_str(), hosttest::kTestItemDll, FALSE));
    hosttest::RegisterItem(ItemKey{.name = L"Alpha", .height = 120});
    TodayHost host;
    ASSERT_TRUE(host.Start());
    shelltest::ExpectRect(testkit::ScreenRect(host.Window()), 0, 26, 480, 640);
    EXPECT_TRUE(testkit::PumpUntil(
        [&] {
            RECT r = host.ItemRect(L"Alpha");
            return r.right == 480 && r.bottom == 120;
        },
        kRelayoutLimitMs));
    EXPECT_EQ(testkit::CaptureScreen().width, 480);
    testkit::PumpFor(300);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"today_vga");
    EXPECT_EQ(host.Close(), 0);
    hosttest::ClearItems();
}

}  // namespace
