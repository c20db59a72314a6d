// The item's timers: the rebuild countdown after change notices, the two
// marker files, a new day, the minute rebuild without past items; and the
// handsets that paint straight to the screen.
#include "tests/today/today_fixture.h"

#include "tests/startup/settings_fixture.h"
#include "tests/support/device_clock.h"
#include "today/day_text.h"
#include "core/outlook_probes.h"
#include "today/item_timers.h"
#include "today/item_window.h"
#include "today/layout.h"
#include "today/offscreen_bitmap.h"
#include "today/schedule_view.h"

#include <string>

namespace {

using namespace todaytest;

int Rebuilds()
{
    const std::wstring log = testkit::DeviceLogText();
    int count = 0;
    for (size_t at = log.find(L"view rebuilt after a change"); at != std::wstring::npos;
         at = log.find(L"view rebuilt after a change", at + 1))
        ++count;
    return count;
}

class TodayTimersTest : public TodayTest {
protected:
    void TearDown() override
    {
        testkit::RestoreDeviceTime();
        TodayTest::TearDown();
    }
};

TEST_F(TodayTimersTest, NoticesCloseTogetherGiveOneRebuildAtTheSecondTick)
{
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    Settings.TodaySpan = 0;
    SetScheduleHeader();
    const int before = Rebuilds();
    ArmRebuildCountdown();
    OnItemTimer(ItemWindow, kTimerRebuild);
    EXPECT_EQ(Rebuilds(), before);
    ArmRebuildCountdown();  // a second notice within the second starts again
    OnItemTimer(ItemWindow, kTimerRebuild);
    EXPECT_EQ(Rebuilds(), before);
    EXPECT_EQ(ScheduleRowCount, 0);
    OnItemTimer(ItemWindow, kTimerRebuild);
    EXPECT_EQ(Rebuilds(), before + 1);
    EXPECT_EQ(ScheduleRowCount, 2);
}

// A notice goes back to the platform while the item handles it, not only
// when the thread's next message is taken.
TEST_F(TodayTimersTest, EachChangeNoticeIsHandedBackAsItIsHandled)
{
    // The item's three databases, watched for a window of the test's, so
    // that the test holds each notice before the item's procedure has it.
    HWND watcher = testkit::CreateTestWindow(false);
    CloseOutlookDatabases();
    OpenOutlookDatabasesWithNotify(watcher);
    RefreshCountdown = 0;
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    int handled = 0;
    int kept = 0;
    for (const DWORD start = GetTickCount(); handled == 0 && GetTickCount() - start < 5000;) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(10);
            continue;
        }
        if (msg.message != WM_DBNOTIFICATION || msg.hwnd != watcher) {
            DispatchMessageW(&msg);
            continue;
        }
        const DWORD outstanding = CeStoreOutstandingNotifications();
        TodayItemWndProc(ItemWindow, msg.message, msg.wParam, msg.lParam);
        ++handled;
        kept += CeStoreOutstandingNotifications() != outstanding - 1;
    }
    EXPECT_GT(handled, 0);
    EXPECT_EQ(kept, 0);
    EXPECT_EQ(RefreshCountdown, 2);
    CloseOutlookDatabases();
    testkit::PumpFor(300);
    DestroyWindow(watcher);
}

TEST_F(TodayTimersTest, TheDataChangedMarkerArmsTheRebuild)
{
    EXPECT_EQ(CheckDataChangedMarker(), 0);
    RefreshCountdown = 0;
    testkit::WriteFileBytes(L"\\Windows\\Quillon2.qmk", {});
    OnItemTimer(ItemWindow, kTimerMarkers);
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon2.qmk"));
    EXPECT_EQ(RefreshCountdown, 2);
    EXPECT_EQ(CheckDataChangedMarker(), 0);
}

TEST_F(TodayTimersTest, TheSettingsMarkerReadsTheSettingsAgainAndLaysOut)
{
    EXPECT_EQ(CheckSettingsChangedMarker(), 0);
    const int height = ItemHeight;
    HeightPending = 0;
    // The custom record shows 15 rows (field 7 is 12) where the defaults show 7.
    testkit::WriteFileBytes(L"\\Windows\\Quillon.ini", std::vector<uint8_t>(kCustomRecord, kCustomRecord + 178));
    testkit::WriteFileBytes(L"\\Windows\\Quillon3.qmk", {});
    EXPECT_EQ(CheckSettingsChangedMarker(), 1);
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon3.qmk"));
    EXPECT_EQ(RowsShown, 15);
    EXPECT_EQ(Settings.TodayDateStyle, 3);
    EXPECT_EQ(HeightPending, 1);
    EXPECT_NE(ItemHeight, height);
    DeleteFileW(L"\\Windows\\Quillon.ini");
}

TEST_F(TodayTimersTest, ANewDayMovesTodayAndTheSpan)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 23, 59, 50));
    RefreshOnDateChange();
    EXPECT_EQ(std::wstring(TodayDateText), L"2024-05-07");
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 8, 0, 0, 5));
    RefreshOnDateChange();
    EXPECT_EQ(TodayDay, Date(2024, 5, 8));
    EXPECT_EQ(SpanStart, Date(2024, 5, 8));
    EXPECT_EQ(std::wstring(TodayDateText), L"2024-05-08");
    EXPECT_EQ(ScheduleWindowStart, Date(2024, 5, 8));
}

TEST_F(TodayTimersTest, WithoutPastItemsARowThatHasBegunDropsOffAtTheNextTick)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 59, 52));
    AddAppointment({L"회의", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    Settings.TodaySpan = 0;
    Settings.TodayShowPastItems = 0;
    ViewMode = kViewSchedule;
    ShowScheduleMode();
    EXPECT_EQ(ScheduleRowCount, 2);
    // The 10-second timer rarely ticks at second 0: the row goes at the first tick after it began.
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 10, 0, 7));
    RefreshOnDateChange();
    EXPECT_EQ(ScheduleRowCount, 1);
    EXPECT_EQ(std::wstring(PastRowsDroppedUntil), L"10:00");
}

TEST_F(TodayTimersTest, AppointmentsOfTheCurrentMinuteAreGoneAndAllDayItemsStay)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 10, 0, 30));
    AddAppointment({L"지금", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    AddAppointment({L"나중", Date(2024, 5, 7, 10, 2), Date(2024, 5, 7, 10, 3)});
    AddAppointment({L"종일", Date(2024, 5, 7), Date(2024, 5, 8), true});
    Settings.TodaySpan = 0;
    Settings.TodayShowPastItems = 0;
    ShowScheduleMode();
    std::wstring subjects;
    for (int i = 0; i < ScheduleRowCount; ++i)
        subjects += std::wstring(ScheduleRows[i].subject ? ScheduleRows[i].subject : L"") + L"|";
    EXPECT_EQ(subjects.find(L"지금"), std::wstring::npos);
    EXPECT_NE(subjects.find(L"나중"), std::wstring::npos);
    EXPECT_NE(subjects.find(L"종일"), std::wstring::npos);
    EXPECT_EQ(TodayStartTimeCount, 2);
}

TEST_F(TodayTimersTest, TodaysStartTimesStopAtAHundred)
{
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 12, 0, 0));
    for (int i = 0; i < 120; ++i)
        AddAppointment({L"회의", Date(2024, 5, 7, i / 6, i % 6 * 10), Date(2024, 5, 7, i / 6, i % 6 * 10 + 5)});
    Settings.TodaySpan = 0;
    Settings.TodayShowPastItems = 0;
    ShowScheduleMode();
    EXPECT_EQ(TodayStartTimeCount, kMaxStartTimes);
}

TEST(TodayPainting, HandsetsThatPaintStraightToTheScreen)
{
    EXPECT_EQ(OffscreenPaintingFor(L"HP iPAQ hx4700"), 0);
    EXPECT_EQ(OffscreenPaintingFor(L"Dell Axim X51v"), 0);
    EXPECT_EQ(OffscreenPaintingFor(L"TOSHIBA e800"), 0);
    EXPECT_EQ(OffscreenPaintingFor(L"HP iPAQ hx4700 "), 1);
    EXPECT_EQ(OffscreenPaintingFor(L"Pocket PC"), 1);
    EXPECT_EQ(OffscreenPaintingFor(L""), 1);
}

}  // namespace
