// The pen on the item: the title-bar zones, the row arrows and their
// repeat, the thumb, taps on release, the mode icons and their menus, and
// the cells of the status line and the shortcuts.
#include "tests/today/today_fixture.h"

#include "core/today_request_format.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/painters.h"
#include "today/pen.h"
#include "today/schedule_view.h"
#include "today/view_switch.h"

#include <string>
#include <vector>

namespace {

using namespace todaytest;

POINT Centre(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Tap(const RECT& rect)
{
    const POINT at = Centre(rect);
    OnPenDown(ItemWindow, at.x, at.y);
    OnPenUp(ItemWindow, at.x, at.y);
}

// What a pop-up menu showed: read and closed by a timer while it runs.
struct SeenMenu {
    bool seen = false;
    std::vector<testkit::MenuEntry> entries;
    RECT place = {};
};
SeenMenu LastMenu;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return;
    KillTimer(nullptr, timer);
    LastMenu.seen = true;
    LastMenu.entries = testkit::MenuEntries(reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)));
    GetWindowRect(popup, &LastMenu.place);
    EndMenu();
}

// Taps the zone, expecting a menu; what it showed.
SeenMenu TapForMenu(const RECT& zone)
{
    LastMenu = SeenMenu();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadAndCloseMenu);
    Tap(zone);
    KillTimer(nullptr, timer);
    return LastMenu;
}

std::vector<std::wstring> Texts(const SeenMenu& menu)
{
    std::vector<std::wstring> texts;
    for (const testkit::MenuEntry& entry : menu.entries)
        if (!entry.separator)
            texts.push_back(entry.text);
    return texts;
}

class TodayPenTest : public TodayTest {
protected:
    void ShowBusySchedule(int rows)
    {
        for (int i = 0; i < rows - 1; ++i) {
            wchar_t subject[16];
            _snwprintf(subject, 16, L"일정 %03d", i);
            AddAppointment({subject, Date(2024, 5, 7, 8 + i / 60, i % 60), Date(2024, 5, 7, 9 + i / 60, i % 60)});
        }
        Settings.TodaySpan = 0;
        ShowView(kViewSchedule);
        ASSERT_EQ(RowCount, rows);
        testkit::Canvas canvas(240, ItemHeight, RGB(255, 255, 255));
        PaintItem(canvas.dc());  // places the thumb
    }
};

TEST_F(TodayPenTest, TheSpanAndMonthArrows)
{
    Settings.TodaySpan = 4;
    ShowView(kViewSchedule);
    struct Case {
        int zone;
        const wchar_t* schedule;
        const wchar_t* month;
    };
    const Case cases[] = {
        {kZonePrevious, L"4/30 ~ 5/6", L"2024년 4월"},
        {kZonePrevious, L"4/23 ~ 4/29", L"2024년 3월"},
        {kZoneToday, L"5/7 ~ 5/13", L"2024년 5월"},
        {kZoneNext, L"5/14 ~ 5/20", L"2024년 6월"},
    };
    for (const Case& c : cases) {
        Tap(FixedZones[c.zone].rect);
        EXPECT_EQ(std::wstring(HeaderTitle), c.schedule);
    }
    ShowView(kViewMonth);
    ShownYear = 2024;
    ShownMonth = 5;
    for (const Case& c : cases) {
        Tap(FixedZones[c.zone].rect);
        EXPECT_EQ(std::wstring(HeaderTitle), c.month);
    }
    Settings.TodaySpan = 0;
    ShowView(kViewSchedule);
    Tap(FixedZones[kZoneToday].rect);
    Tap(FixedZones[kZoneNext].rect);
    EXPECT_EQ(std::wstring(HeaderTitle), L"5월 8일 (수)");
}

TEST_F(TodayPenTest, TheTaskAndMemoViewsHaveNoSpanArrows)
{
    ShowView(kViewTasks);
    const DATE start = SpanStart;
    SeenMenu menu = TapForMenu(RECT{FixedZones[kZoneNext].rect.left, FixedZones[kZoneNext].rect.top,
                                    FixedZones[kZoneNext].rect.right, FixedZones[kZoneNext].rect.bottom});
    EXPECT_EQ(SpanStart, start);
    EXPECT_EQ(Texts(menu), (std::vector<std::wstring>{L"진행중인 작업", L"완료된 작업", L"지연된 작업", L"모든 작업"}));
}

TEST_F(TodayPenTest, RowArrowsScrollAtOnceAndRepeatWhileHeld)
{
    ShowBusySchedule(20);
    const POINT down = Centre(FixedZones[kZoneRowDown].rect);
    OnPenDown(ItemWindow, down.x, down.y);
    EXPECT_EQ(TopRow, 1);
    for (int i = 0; i < 30; ++i)
        RepeatArrowTap();
    EXPECT_EQ(TopRow, 20 - RowsShown);
    OnPenUp(ItemWindow, down.x, down.y);
    EXPECT_EQ(TopRow, 20 - RowsShown);  // the release is not another tap
    const POINT up = Centre(FixedZones[kZoneRowUp].rect);
    OnPenDown(ItemWindow, up.x, up.y);
    RepeatArrowTap();
    OnPenUp(ItemWindow, up.x, up.y);
    EXPECT_EQ(TopRow, 20 - RowsShown - 2);
    EXPECT_EQ(std::wstring(RowZones[0][kRowBody].value == TopRow + 1 ? L"ok" : L"moved"), L"ok");
}

TEST_F(TodayPenTest, TheThumbDragsByWholeRowsAndStaysInRange)
{
    ShowBusySchedule(40);
    ASSERT_GT(PixelsPerRow, 0);
    POINT at = Centre(ScrollThumbRect);
    OnPenDown(ItemWindow, ScrollThumbRect.right + 2, at.y);
    EXPECT_EQ(Dragging, 1);
    OnPenMove(ItemWindow, at.x, at.y + PixelsPerRow / 2);
    EXPECT_EQ(TopRow, 0);
    OnPenMove(ItemWindow, at.x, at.y + 2 * PixelsPerRow);
    EXPECT_EQ(TopRow, 2);
    OnPenMove(ItemWindow, at.x, at.y + 2 * PixelsPerRow - 500);
    EXPECT_EQ(TopRow, 0);
    OnPenMove(ItemWindow, at.x, 2000);
    EXPECT_EQ(TopRow, 40 - RowsShown);
    OnPenUp(ItemWindow, at.x, 2000);
    EXPECT_EQ(Dragging, 0);
    EXPECT_EQ(PressPoint.x, -1);
}

// More rows than the track has pixels: no whole pixel per row, yet the
// thumb follows the top row and a drag moves through all of them.
TEST_F(TodayPenTest, WithManyRowsTheThumbFollowsAndDrags)
{
    ShowBusySchedule(120);
    ASSERT_EQ(PixelsPerRow, 0);
    const RECT atTop = ScrollThumbRect;
    POINT at = Centre(atTop);
    OnPenDown(ItemWindow, at.x, at.y);
    ASSERT_EQ(Dragging, 1);
    OnPenMove(ItemWindow, at.x, at.y + ThumbTravel / 2);
    EXPECT_GT(TopRow, (120 - RowsShown) / 2 - 3);
    EXPECT_LT(TopRow, (120 - RowsShown) / 2 + 3);
    OnPenMove(ItemWindow, at.x, 2000);
    EXPECT_EQ(TopRow, 120 - RowsShown);
    OnPenUp(ItemWindow, at.x, 2000);

    testkit::Canvas canvas(240, ItemHeight, RGB(255, 255, 255));
    PaintItem(canvas.dc());
    EXPECT_EQ(ScrollThumbRect.top, atTop.top + ThumbTravel) << "the thumb stayed at the top";
    TopRow = 0;
    PaintItem(canvas.dc());
    EXPECT_EQ(ScrollThumbRect.top, atTop.top);
}

TEST_F(TodayPenTest, ATapActsOnRelease)
{
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    Settings.TodaySpan = 0;
    ShowView(kViewSchedule);
    // The today line's text opens the day (an item's text opens its pop-up).
    const POINT at = Centre(RowZones[0][kRowBody].rect);
    RemoveRequestFile();
    OnPenDown(ItemWindow, at.x, at.y);
    EXPECT_TRUE(RequestFileBytes().empty());
    OnPenUp(ItemWindow, at.x, at.y);
    EXPECT_EQ(RequestFileBytes().size(), kRequestOpenDay);
    WaitForMainProgramStarts(MainProgramStarts());
}

TEST_F(TodayPenTest, ModeIconsSwitchViewsOrPopTheShownViewsMenu)
{
    struct Case {
        int zone;
        int view;
        std::vector<std::wstring> menu;
    };
    const Case cases[] = {
        {kZoneModeTasks, kViewTasks, {L"새 작업", L"작업열기", L"설정"}},
        {kZoneModeMemos, kViewMemos, {L"새 메모", L"메모열기", L"설정"}},
        {kZoneModeSchedule, kViewSchedule, {L"새 일정", L"일정열기", L"설정"}},
        {kZoneModeMonth, kViewMonth, {L"새 일정", L"일정열기", L"새 작업", L"작업열기", L"새 메모", L"메모열기", L"설정"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        Tap(FixedZones[c.zone].rect);
        EXPECT_EQ(ViewMode, c.view);
        std::vector<uint8_t> saved = testkit::ReadFileBytes(L"\\Windows\\GlimmorM.ini");
        EXPECT_EQ(std::string(saved.begin(), saved.end()), " " + std::to_string(c.view));
        SeenMenu menu = TapForMenu(FixedZones[c.zone].rect);
        ASSERT_TRUE(menu.seen);
        EXPECT_EQ(Texts(menu), c.menu);
        EXPECT_EQ(ViewMode, c.view);
    }
}

TEST_F(TodayPenTest, MenusPopBelowTheTitleBarOrAboveTheItem)
{
    ShowView(kViewSchedule);
    const RECT& zone = FixedZones[kZoneRangeMenu].rect;
    RECT item = {};
    GetWindowRect(ItemWindow, &item);
    POINT at = PopupMenuPoint(zone);
    EXPECT_EQ(at.x, item.left + zone.left);
    EXPECT_EQ(at.y, item.top + Bands.title.bottom);
    SeenMenu menu = TapForMenu(zone);
    ASSERT_TRUE(menu.seen);
    EXPECT_EQ(menu.place.left, at.x);
    EXPECT_EQ(menu.place.top, at.y);
    EXPECT_EQ(Texts(menu).size(), 8u);  // seven spans and "달력..."
    EXPECT_EQ(Texts(menu).back(), L"달력...");

    SetWindowPos(parent_, nullptr, 0, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(ItemWindow, &item);
    at = PopupMenuPoint(zone);
    EXPECT_EQ(at.y, std::max(item.top - 170, 26L));
    SetWindowPos(parent_, nullptr, 0, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(ItemWindow, &item);
    EXPECT_EQ(PopupMenuPoint(zone).y, item.top - 170);
}

TEST_F(TodayPenTest, StatusAndShortcutCellsStartTheirPrograms)
{
    Settings.TodayShowStatus = 1;
    Settings.TodayShowShortcuts = 1;
    wcscpy(ShortcutPathTable[0], L"\\Windows\\Notes.exe");
    ASSERT_TRUE(SHCreateShortcut(const_cast<LPWSTR>(L"\\Windows\\편지.lnk"),
                                 const_cast<LPWSTR>(L"\"\\Windows\\tmail.exe\" mailto:hong@example.kr")));
    wcscpy(ShortcutPathTable[1], L"\\Windows\\편지.lnk");
    ShortcutPathCount = 2;
    BuildHotZones();
    ASSERT_EQ(ShortcutCellCount, 2);
    Tap(StatusZones[0].rect);
    Tap(StatusZones[1].rect);
    Tap(ShortcutZones[0].rect);
    Tap(ShortcutZones[1].rect);
    auto logged = [](const wchar_t* line) { return testkit::DeviceLogText().find(line) != std::wstring::npos; };
    EXPECT_TRUE(testkit::PumpUntil([&] { return logged(L"cplmain.cpl,3") && logged(L"cplmain.cpl,4"); }));
    EXPECT_TRUE(testkit::PumpUntil([&] { return logged(L"Standin Notes.exe"); }));
    EXPECT_TRUE(testkit::PumpUntil([&] { return logged(L"mailto:hong@example.kr"); }));
    DeleteFileW(L"\\Windows\\편지.lnk");
}

TEST_F(TodayPenTest, TheProgramIconStartsTheMainProgram)
{
    const int before = MainProgramStarts();
    Tap(FixedZones[kZoneProgram].rect);
    EXPECT_EQ(WaitForMainProgramStarts(before + 1), before + 1);
}

}  // namespace
