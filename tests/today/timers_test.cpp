// The item's timers: the rebuild countdown after change notices, the two
// marker files, a new day, the minute rebuild without past items; and the
// handsets that paint straight to the screen.
#include "tests/today/today_fixture.h"

#include "tests/startup/settings_fixture.h"
#include "today/day_text.h"
#include "today/item_timers.h"
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

class TodayTimersTest : public TodayTest {};

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
    const SYSTEMTIME now = LocalNow();
    const DATE today = DateOfParts(now.wYear, now.wMonth, now.wDay);
    SpanStart = TodayDay = today - 1;
    FormatDateText(TodayDay, TodayDateText);
    RefreshOnDateChange();
    EXPECT_EQ(TodayDay, today);
    EXPECT_EQ(SpanStart, today);
    wchar_t text[kDateChars];
    FormatDateText(today, text);
    EXPECT_EQ(std::wstring(TodayDateText), text);
    EXPECT_EQ(ScheduleWindowStart, today);
}

TEST_F(TodayTimersTest, WithoutPastItemsARowThatHasBegunDropsOff)
{
    const SYSTEMTIME now = LocalNow();
    SetToday(now.wYear, now.wMonth, now.wDay);
    Settings.TodayShowPastItems = 0;
    ViewMode = kViewSchedule;
    wchar_t minute[kTimeChars];
    _snwprintf(minute, kTimeChars, L"%02d:%02d", now.wHour, now.wMinute);
    TodayStartTimeCount = 1;
    wcscpy(TodayStartTimes[0], minute);
    PastRowsDroppedUntil[0] = L'\0';  // dropped before the row began
    RefreshOnDateChange();
    EXPECT_GE(wcscmp(PastRowsDroppedUntil, minute), 0);
    Settings.TodayShowPastItems = 1;
    PastRowsDroppedUntil[0] = L'\0';
    RefreshOnDateChange();
    EXPECT_EQ(std::wstring(PastRowsDroppedUntil), L"");
}

TEST_F(TodayTimersTest, AppointmentsOfTheCurrentMinuteAreGoneAndAllDayItemsStay)
{
    const SYSTEMTIME now = LocalNow();
    if (now.wHour == 23 && now.wMinute >= 58)
        GTEST_SKIP() << "too close to midnight for an appointment later today";
    SetToday(now.wYear, now.wMonth, now.wDay);
    const DATE today = DateOfParts(now.wYear, now.wMonth, now.wDay);
    const DATE thisMinute = today + (now.wHour * 60 + now.wMinute) / 1440.0;
    AddAppointment({L"지금", thisMinute, thisMinute + 1.0 / 24});
    AddAppointment({L"나중", thisMinute + 2.0 / 1440, thisMinute + 3.0 / 1440});
    AddAppointment({L"종일", today, today + 1, true});
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
    const SYSTEMTIME now = LocalNow();
    SetToday(now.wYear, now.wMonth, now.wDay);
    const DATE today = DateOfParts(now.wYear, now.wMonth, now.wDay);
    for (int i = 0; i < 120; ++i)
        AddAppointment({L"회의", today + (i * 10) / 1440.0 + 0.5 / 1440, today + (i * 10 + 5) / 1440.0});
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
