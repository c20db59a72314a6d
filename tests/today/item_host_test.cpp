// Glimmor.dll on the device's Today screen: loaded by the Today host, it
// reports its height, re-lays out, moves between views by key, acts on the
// pen, answers change notices and markers once, follows a new day, runs its
// options dialog, and looks right on each handset.
#include "core/settings_file.h"
#include "core/today_request_format.h"
#include "platform/outlook/client_values.h"
#include "tests/hosts/today_items.h"
#include "tests/support/device_clock.h"
#include "tests/today/outlook_fixture.h"
#include "tests/today/request_bytes.h"

#include "platform/today_host/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

using poomclient::Date;
using todaytest::Ascii;
using todaytest::Outlook;
using todaytest::Bytes;
using todaytest::operator+;

constexpr wchar_t kItemName[] = L"\"Glimmor\"";
constexpr wchar_t kItemClass[] = L"GlimmorWndClass";
constexpr wchar_t kStandinLine[] = L"Standin Quillon.exe: command line";
constexpr DWORD kQueryLimitMs = 10000;  // the host asks every 2 s; the markers are looked for every 3 s

std::wstring StandinFolder()
{
    std::wstring folder = shelltest::BuiltProgram(L"today-standin\\Quillon.exe");
    return folder.substr(0, folder.rfind(L'\\'));
}

int MainProgramStarts()
{
    return static_cast<int>(shelltest::LogRecords(kStandinLine).size());
}

int Rebuilds()
{
    return static_cast<int>(shelltest::LogRecords(L"Glimmor: view rebuilt after a change").size());
}

// The settings the cases start from: no clock and no weather line, so that
// the title bar is the item's top band.
DiarySettings BaseSettings()
{
    DiarySettings settings = ParseSettingsRecord(nullptr, 0, RGB(0, 0, 0));
    settings.TodayShowWeather = 0;
    settings.TodayShowClock = 0;
    settings.TodaySpan = 4;  // 7 days
    settings.TodayOnlyBusyDays = 1;
    return settings;
}

void WriteSettings(const DiarySettings& settings)
{
    const std::string record = FormatSettingsRecord(settings);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon.ini", Bytes(record.begin(), record.end())));
}

class GlimmorOnTheTodayScreen : public testing::Test {
protected:
    void SetUp() override
    {
        hosttest::ClearDeviceLog();
        hosttest::ClearItems();
        ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 0));
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vestamor_Quillon", L"Quillon InstallDir", REG_SZ,
                                  StandinFolder().c_str(),
                                  static_cast<DWORD>((StandinFolder().size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
        DeleteFileW(L"\\Windows\\GlimmorM.ini");
        DeleteFileW(kTodayRequestFile);
        WriteSettings(BaseSettings());
        hosttest::RegisterItem(hosttest::ItemKey{.name = kItemName, .dll = L"\\Windows\\Glimmor.dll", .options = 1});
    }
    void TearDown() override
    {
        host_.Close();
        hosttest::ClearItems();
        testkit::RestoreDeviceTime();
        DeleteFileW(L"\\Windows\\Quillon.ini");
    }

    // Starts the host and waits until the item stands at its height.
    void StartHost()
    {
        ASSERT_TRUE(host_.Start());
        ASSERT_TRUE(testkit::PumpUntil([&] { return Height() > 0; }, kQueryLimitMs)) << "the item took no height";
    }
    HWND Item() const { return FindWindowExW(host_.Window(), nullptr, kItemClass, nullptr); }
    int Height() const { return Item() ? testkit::ClientRectOf(Item()).bottom : 0; }

    LRESULT SendItem(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutW(Item(), message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &answer));
        return static_cast<LRESULT>(answer);
    }
    void TapItem(int x, int y)
    {
        SendItem(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendItem(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    Bytes RequestAfter(const std::function<void()>& action)
    {
        DeleteFileW(kTodayRequestFile);
        const int before = MainProgramStarts();
        action();
        EXPECT_TRUE(testkit::PumpUntil([&] { return MainProgramStarts() > before; }, 30000));
        return testkit::ReadFileBytes(kTodayRequestFile);
    }
    std::string SavedView()
    {
        Bytes saved = testkit::ReadFileBytes(L"\\Windows\\GlimmorM.ini");
        return std::string(saved.begin(), saved.end());
    }
    void Screenshot(const std::wstring& name)
    {
        testkit::PumpFor(400);
        RedrawWindow(host_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(400);
        testkit::SaveScreenshot(testkit::CaptureWindow(host_.Window()), name);
    }

    hosttest::TodayHost host_;
};

TEST_F(GlimmorOnTheTodayScreen, ReportsItsHeightAndAGrownOneAfterTheSettingsChange)
{
    StartHost();
    EXPECT_EQ(testkit::ClientRectOf(Item()).right, testkit::ClientRectOf(host_.Window()).right);
    const int height = Height();
    DiarySettings settings = BaseSettings();
    settings.TodayLines = 7;  // three rows more
    WriteSettings(settings);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon3.qmk", {}));
    EXPECT_TRUE(testkit::PumpUntil([&] { return Height() == height + 3 * 14; }, kQueryLimitMs))
        << height << " then " << Height();
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon3.qmk"));
}

TEST_F(GlimmorOnTheTodayScreen, KeysMoveBetweenTheViews)
{
    StartHost();
    struct Case {
        WPARAM key;
        LRESULT answer;
        const char* saved;
    };
    const Case cases[] = {
        {VK_RIGHT, 1, " 2"}, {VK_RIGHT, 1, " 3"}, {VK_RIGHT, 1, " 0"}, {VK_LEFT, 1, " 3"},
        {VK_UP, 0, " 3"},    {VK_DOWN, 0, " 3"},  {VK_LEFT, 1, " 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        EXPECT_EQ(SendItem(WM_TODAYCUSTOM_USERNAVIGATION, c.key), c.answer);
        EXPECT_EQ(SavedView(), c.saved);
    }
    EXPECT_EQ(SendItem(WM_TODAYCUSTOM_RECEIVEDSELECTION, VK_DOWN), 1);
}

TEST_F(GlimmorOnTheTodayScreen, ThePenAndTheActionKeyHandRequestsOver)
{
    Outlook outlook;
    outlook.AddAppointment(L"치과", Date(2024, 5, 9, 10, 0), Date(2024, 5, 9, 11, 0));
    StartHost();
    // The title bar is the top band: the program icon at its left.
    EXPECT_TRUE(RequestAfter([&] { TapItem(8, 9); }).empty());
    // The list starts under the title bar: the today line, then the appointment.
    EXPECT_EQ(RequestAfter([&] { TapItem(20, 19 + 14 + 7); }), Ascii("2024-05-09"));
    EXPECT_EQ(RequestAfter([&] { TapItem(7, 19 + 14 + 7); }), Ascii("2024-05"));
    // The today line's text opens the day; the appointment's text opens its pop-up.
    EXPECT_EQ(RequestAfter([&] { TapItem(120, 19 + 7); }), Ascii("2024-05-07") + Bytes{0});
    EXPECT_EQ(RequestAfter([&] { SendItem(WM_COMMAND, 40031); }), Ascii("2024-05-07"));
    const int before = MainProgramStarts();
    SendItem(WM_TODAYCUSTOM_ACTION, VK_RETURN);
    EXPECT_TRUE(testkit::PumpUntil([&] { return MainProgramStarts() == before + 1; }, 30000));
}

TEST_F(GlimmorOnTheTodayScreen, ChangeNoticesAndTheDataMarkerRebuildOnce)
{
    StartHost();
    Outlook outlook;
    testkit::PumpFor(2500);
    const int before = Rebuilds();
    outlook.AddAppointment(L"회의", Date(2024, 5, 8, 10, 0), Date(2024, 5, 8, 11, 0));
    outlook.AddTask(L"보고서", Date(2024, 5, 9));
    ASSERT_TRUE(testkit::PumpUntil([&] { return Rebuilds() > before; }, kQueryLimitMs));
    testkit::PumpFor(3000);
    EXPECT_EQ(Rebuilds(), before + 1);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon2.qmk", {}));
    EXPECT_TRUE(testkit::PumpUntil([&] { return Rebuilds() == before + 2; }, kQueryLimitMs));
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon2.qmk"));
}

TEST_F(GlimmorOnTheTodayScreen, ANewDayFollowsMidnight)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 23, 59, 0));
    StartHost();
    EXPECT_EQ(RequestAfter([&] { SendItem(WM_COMMAND, 40031); }), Ascii("2024-05-07"));
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 8, 0, 0, 5));
    // The day is looked at every 10 s; "new appointment" names today.
    Bytes request;
    for (int i = 0; i < 10 && request != Ascii("2024-05-08"); ++i) {
        testkit::PumpFor(3000);
        request = RequestAfter([&] { SendItem(WM_COMMAND, 40031); });
    }
    EXPECT_EQ(request, Ascii("2024-05-08"));
}

TEST_F(GlimmorOnTheTodayScreen, TheOptionsDialogOpensThePreferencesAndCloses)
{
    StartHost();
    const int before = MainProgramStarts();
    PostMessageW(host_.Window(), WM_COMMAND, todayhost::kCommandOptionsFirst, 0);
    EXPECT_TRUE(testkit::PumpUntil([&] { return MainProgramStarts() == before + 1; }, 30000));
    EXPECT_EQ(testkit::ReadFileBytes(kTodayRequestFile), Bytes{0});
    EXPECT_EQ(FindWindowW(nullptr, L"설정"), nullptr);
}

TEST_F(GlimmorOnTheTodayScreen, TheFirstRunMarkerStartsTheMainProgramOnce)
{
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Glimmor.$$$", {}));
    StartHost();
    EXPECT_TRUE(testkit::PumpUntil([&] { return MainProgramStarts() == 1; }, 30000));
    host_.Close();
    StartHost();
    testkit::PumpFor(2000);
    EXPECT_EQ(MainProgramStarts(), 1);
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Glimmor.$$$"));
}

// Real taps on the screen, through the Today host, on the month view's
// Thursday column of December 2026 (weeks from Monday): every week row answers
// with its day, the last one (28-31) too, whatever bands the item shows.
TEST_F(GlimmorOnTheTodayScreen, EveryWeekRowOfTheMonthViewAnswersATapOnTheScreen)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2026, 12, 11, 9, 0));
    struct Case {
        int lines, clock, weather, shortcuts;
    };
    const Case cases[] = {{4, 0, 1, 0}, {3, 1, 1, 1}, {8, 1, 1, 1}};
    const std::vector<std::string> thursdays = {"2026-12-03", "2026-12-10", "2026-12-17", "2026-12-24", "2026-12-31"};
    const int scale = GetSystemMetrics(SM_CXSCREEN) / 240;
    const int thursdayX = 120 * scale;  // the fourth of seven cells across
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "lines " << c.lines << ", clock " << c.clock << ", shortcuts " << c.shortcuts);
        DiarySettings settings = BaseSettings();
        settings.WeekStart = 1;
        settings.TodayOnlyBusyDays = 0;
        settings.TodayLines = c.lines;
        settings.TodayShowClock = c.clock;
        settings.TodayShowWeather = c.weather;
        settings.TodayShowStatus = 1;
        settings.TodayShowShortcuts = c.shortcuts;
        WriteSettings(settings);
        ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\GlimmorM.ini", Ascii(" 0")));
        StartHost();
        testkit::PumpFor(1000);
        const RECT item = testkit::ScreenRect(Item());
        // Upwards from the item's bottom, so that no tap lands on the title bar
        // before every week is found.
        std::vector<std::string> answered;
        for (int y = std::min<int>(item.bottom, GetSystemMetrics(SM_CYSCREEN)) - 1;
             y > item.top && answered.size() < thursdays.size(); y -= 5 * scale) {
            DeleteFileW(kTodayRequestFile);
            testkit::InjectClick(thursdayX, y);
            testkit::PumpFor(300);
            const Bytes request = testkit::ReadFileBytes(kTodayRequestFile);
            if (request.size() > 10) {
                const std::string day(request.begin(), request.begin() + 10);
                if (std::find(answered.begin(), answered.end(), day) == answered.end())
                    answered.push_back(day);
            }
        }
        std::sort(answered.begin(), answered.end());
        EXPECT_EQ(testing::PrintToString(answered), testing::PrintToString(thursdays));
        host_.Close();
    }
}

// A busy week in each view, as the Today screen shows it on this handset.
TEST_F(GlimmorOnTheTodayScreen, PicturesOfEachView)
{
    Outlook outlook;
    outlook.AddAppointment(L"주간 회의", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0));
    outlook.AddAppointment(L"점심 약속이 아주 길게 적힌 일정의 제목", Date(2024, 5, 7, 12, 0), Date(2024, 5, 7, 13, 0));
    outlook.AddAppointment(L"출장", Date(2024, 5, 8, 9, 0), Date(2024, 5, 10, 18, 0));
    outlook.AddAppointment(L"치과", Date(2024, 5, 11, 15, 0), Date(2024, 5, 11, 16, 0));
    outlook.AddTask(L"보고서 제출", Date(2024, 5, 9));
    DiarySettings settings = BaseSettings();
    settings.TodayShowClock = 1;
    settings.TodayShowWeather = 1;
    settings.TodayDayDivider = 1;
    settings.TodayShowShortcuts = 1;
    WriteSettings(settings);
    StartHost();
    testkit::PumpFor(1500);  // the storage figures come a second after the start
    for (int view : {1, 2, 3, 0}) {
        Screenshot(L"today-view-" + std::to_wstring(view));
        SendItem(WM_TODAYCUSTOM_USERNAVIGATION, VK_RIGHT);
    }
    const testkit::Image screen = testkit::CaptureWindow(host_.Window());
    int inked = 0;
    for (int y = 0; y < Height() && y < screen.height; ++y)
        for (int x = screen.width * 3 / 4; x < screen.width; ++x)
            inked += screen.At(x, y) != RGB(255, 255, 255);
    EXPECT_GT(inked, 0) << "nothing painted in the right quarter of the item";
}

}  // namespace
