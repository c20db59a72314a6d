// The schedule view in the running main window: the range commands of the
// toolbar window, taps on the month grid, the contact card's month commands
// and appointment tab, and the grid's picture over the window's life.
#include "core/link_tables.h"
#include "lists/contacts_cache.h"
#include "lists/mini_calendar.h"
#include "lists/schedule_loaders.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_layouts.h"
#include "platform/outlook/client_values.h"
#include "resources/resource.h"
#include "tests/schedule/list_rows.h"
#include "tests/views/main_window_fixture.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

using poomclient::Date;
using poomclient::Text;
using scheduletest::ListRows;

class SharedMainWindow : public testing::Environment {
    void SetUp() override { testkit::KeepPlatformBetweenCases(); }
    void TearDown() override { views::StopMainWindow(); }
};

const auto* const kEnvironment = testing::AddGlobalTestEnvironment(new SharedMainWindow);

CEOID SaveAppointment(const wchar_t* subject, DATE start, DATE end)
{
    IAppointment* item = nullptr;
    if (FAILED(OutlookApp->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&item))) || !item)
        return 0;
    item->put_Subject(Text(subject));
    item->put_Start(start);
    item->put_End(end);
    long oid = 0;
    if (SUCCEEDED(item->Save()))
        item->get_Oid(&oid);
    item->Release();
    return static_cast<CEOID>(oid);
}

CEOID SaveContact(const wchar_t* last, const wchar_t* first)
{
    IContact* contact = nullptr;
    if (FAILED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact))) || !contact)
        return 0;
    contact->put_LastName(Text(last));
    contact->put_FirstName(Text(first));
    long oid = 0;
    if (SUCCEEDED(contact->Save()))
        contact->get_Oid(&oid);
    contact->Release();
    return static_cast<CEOID>(oid);
}

std::wstring Now(const wchar_t* text)
{
    return text;
}

class ScheduleViewTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        views::StartMainWindow([](DiarySettings& settings) {
            settings.WeekStart = 0;
            settings.CurrentView = 0;
        });
        ASSERT_NE(MainWindow, nullptr);
        contact = SaveContact(L"김", L"철수");
        meeting = SaveAppointment(L"회의", Date(2007, 12, 20, 9, 0), Date(2007, 12, 20, 10, 0));
        AddPlanLink(contact, meeting);
        party = SaveAppointment(L"송년회", Date(2007, 12, 28, 19, 0), Date(2007, 12, 28, 22, 0));
        SaveAppointment(L"새해 인사", Date(2008, 1, 2, 10, 0), Date(2008, 1, 2, 11, 0));
        ScheduleCacheKey[0] = L'\0';
        ReloadContactsCache();
    }

    void SetUp() override
    {
        ASSERT_NE(MainWindow, nullptr);
        SendMessageW(MainWindow, WM_COMMAND, IDC_SCHEDULE_VIEW_TAB, 0);
        testkit::PumpPending();
    }

    // The month of `date` in the grid, in the mode given.
    static void ShowDate(char mode, const wchar_t* date)
    {
        ScheduleMode = mode;
        wcscpy(CurrentDate, date);
        SendItemCommand(mode == 'D' ? ID_SCHEDULE_DAY_MODE : mode == 'W' ? ID_SCHEDULE_WEEK_MODE
                                                                         : ID_SCHEDULE_MONTH_MODE);
        UpdateWindow(MainWindow);
        testkit::PumpPending();
    }

    // The middle of the cell of that day in that row; false when none.
    static bool CellOf(int row, int day, POINT* at)
    {
        for (int column = 0; column < kGridColumns; ++column) {
            if (DayCellDays[row][column] == day) {
                const RECT& cell = DayCellRects[row][column];
                *at = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
                return true;
            }
        }
        return false;
    }

    static CEOID contact;
    static CEOID meeting;
    static CEOID party;
};

CEOID ScheduleViewTest::contact = 0;
CEOID ScheduleViewTest::meeting = 0;
CEOID ScheduleViewTest::party = 0;

TEST_F(ScheduleViewTest, TapsOnTheGridChooseTheDayAndTheRangeOfTheMode)
{
    struct TapCase {
        char mode;
        int row, day;
        const wchar_t* current;
        const wchar_t* start;
        const wchar_t* end;
        int gridMonth;
    };
    // December 2007 starts on a Saturday: its last row is 30, 31, 1 .. 5.
    const TapCase cases[] = {
        {'D', 5, 3, L"2008-01-03", L"2008-01-03", L"2008-01-03", 1},
        {'W', 5, 3, L"2008-01-03", L"2007-12-30", L"2008-01-05", 12},
        {'M', 5, 3, L"2008-01-03", L"2008-01-01", L"2008-01-31", 1},
        {'M', 4, 28, L"2007-12-28", L"2007-12-01", L"2007-12-31", 12},
        {'D', 4, 28, L"2007-12-28", L"2007-12-28", L"2007-12-28", 12},
        {'W', 1, 5, L"2007-12-05", L"2007-12-02", L"2007-12-08", 12},
    };
    for (const TapCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " row " << c.row << " day " << c.day);
        ShowDate(c.mode, L"2007-12-15");
        ASSERT_EQ(GridMonth, 12);
        POINT at = {};
        ASSERT_TRUE(CellOf(c.row, c.day, &at));
        testkit::Tap(MonthGridWindow, at.x, at.y);
        testkit::PumpPending();
        EXPECT_EQ(Now(CurrentDate), c.current);
        EXPECT_EQ(Now(RangeStart), c.start);
        EXPECT_EQ(Now(RangeEnd), c.end);
        EXPECT_EQ(ScheduleMode, c.mode);
        EXPECT_EQ(GridMonth, c.gridMonth);
        EXPECT_EQ(testkit::WindowText(RangeStartLabel), c.start);
    }
}

TEST_F(ScheduleViewTest, TapsOnBlanksAndGapsDoNothing)
{
    ShowDate('D', L"2007-12-15");
    // Row 0 holds only the 1st, in the last column; between two two-digit
    // days of a row lies a gap; below the last row nothing.
    ASSERT_EQ(DayCellDays[0][0], 0);
    const RECT& seventeenth = DayCellRects[3][1];
    const RECT& eighteenth = DayCellRects[3][2];
    ASSERT_EQ(DayCellDays[3][1], 17);
    ASSERT_LT(seventeenth.right + 1, eighteenth.left) << "no gap between the cells";
    const POINT misses[] = {{5, 6}, {seventeenth.right + 1, (seventeenth.top + seventeenth.bottom) / 2}, {60, 82}};
    for (const POINT& p : misses) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        testkit::Tap(MonthGridWindow, p.x, p.y);
        testkit::PumpPending();
        EXPECT_EQ(Now(CurrentDate), L"2007-12-15");
        EXPECT_EQ(Now(RangeStart), L"2007-12-15");
    }
}

TEST_F(ScheduleViewTest, RangeCommandsReloadTheListLabelsAndGrid)
{
    ShowDate('M', L"2007-12-31");
    std::vector<std::wstring> december = ListRows(ScheduleList, 2);
    EXPECT_EQ(december, (std::vector<std::wstring>{L"12/20 09:00|(김철수)회의", L"12/25      |[공휴일] 성탄절",
                                                   L"12/28 19:00|송년회"}));
    EXPECT_EQ(testkit::ListViewSelection(ScheduleList), 2);
    EXPECT_EQ(ViewSelection[kScheduleView], 2);

    SendItemCommand(ID_SCHEDULE_NEXT_PERIOD);
    testkit::PumpPending();
    EXPECT_EQ(Now(CurrentDate), L"2008-01-31");
    EXPECT_EQ(Now(RangeStart), L"2008-01-01");
    EXPECT_EQ(Now(RangeEnd), L"2008-01-31");
    EXPECT_EQ(testkit::WindowText(RangeStartLabel), L"2008-01-01");
    EXPECT_EQ(testkit::WindowText(RangeEndLabel), L"2008-01-31");
    EXPECT_EQ(GridYear, 2008);
    EXPECT_EQ(GridMonth, 1);
    EXPECT_EQ(testkit::WindowText(GridMonthLabel), L"1월");
    EXPECT_EQ(testkit::ListViewText(ScheduleList, 0, 1), L"[공휴일] 신정");
    EXPECT_EQ(GetFocus(), ScheduleList);

    // Week mode from the year's first days steps back into December.
    SendItemCommand(ID_SCHEDULE_WEEK_MODE);
    EXPECT_EQ(Now(RangeStart), L"2008-01-27");
    SendItemCommand(ID_SCHEDULE_PREVIOUS_PERIOD);
    SendItemCommand(ID_SCHEDULE_PREVIOUS_PERIOD);
    SendItemCommand(ID_SCHEDULE_PREVIOUS_PERIOD);
    SendItemCommand(ID_SCHEDULE_PREVIOUS_PERIOD);
    testkit::PumpPending();
    EXPECT_EQ(Now(RangeStart), L"2007-12-30");
    EXPECT_EQ(Now(RangeEnd), L"2008-01-05");
    EXPECT_EQ(GridMonth, 12);
    EXPECT_EQ(ListRows(ScheduleList, 2), (std::vector<std::wstring>{L"01/01      |[공휴일] 신정", L"01/02 10:00|새해 인사"}));

    // Today, in day mode.
    SendItemCommand(ID_SCHEDULE_DAY_MODE);
    SendItemCommand(ID_SCHEDULE_TODAY);
    wchar_t today[kDateTextChars];
    WriteTodayText(today, kDateTextChars);
    EXPECT_EQ(Now(CurrentDate), today);
    EXPECT_EQ(Now(RangeStart), today);
    EXPECT_EQ(Now(RangeEnd), today);
}

TEST_F(ScheduleViewTest, CardMonthsStepOverTheYearEndAndKeepTheMonth)
{
    ShowDate('M', L"2007-12-15");
    std::vector<std::wstring> month = ListRows(ScheduleList, 2);
    SelectedContactOid = contact;
    wcscpy(ContactScheduleDate, L"2008-01-01");
    CardPanelSelection[0] = 3;
    SendItemCommand(ID_CARD_PREVIOUS_MONTH);
    EXPECT_EQ(Now(ContactScheduleDate), L"2007-12-01");
    EXPECT_EQ(ListRows(CardScheduleList, 3), std::vector<std::wstring>{L"07-12-20 09:00|회의|" + std::to_wstring(meeting)});
    EXPECT_EQ(testkit::WindowText(CardPanelLabel), L"07-12-01~07-12-31");
    EXPECT_EQ(CardPanelSelection[0], 0);
    SendItemCommand(ID_CARD_NEXT_MONTH);
    EXPECT_EQ(Now(ContactScheduleDate), L"2008-01-01");
    EXPECT_EQ(testkit::ListViewCount(CardScheduleList), 0);
    EXPECT_EQ(testkit::WindowText(CardPanelLabel), L"08-01-01~08-01-31");
    // The schedule list, its table and its key are as they were.
    EXPECT_EQ(ListRows(ScheduleList, 2), month);
    EXPECT_EQ(Now(ScheduleCacheKey), L"2007-12-01");
    ASSERT_NE(ScheduleEntryAtRow(MonthScheduleCache, 0), nullptr);
    EXPECT_EQ(static_cast<CEOID>(ScheduleEntryAtRow(MonthScheduleCache, 0)->objectId), meeting);
}

TEST_F(ScheduleViewTest, CardAppointmentTabListsFromToday)
{
    wchar_t today[kDateTextChars];
    WriteTodayText(today, kDateTextChars);
    int year = 0, month = 0, day = 0;
    swscanf(today, L"%4d-%2d-%2d", &year, &month, &day);
    CEOID lunch = SaveAppointment(L"오늘 점심", Date(year, month, day, 12, 0), Date(year, month, day, 13, 0));
    AddPlanLink(contact, lunch);
    ContactToReselect = contact;
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
    ASSERT_EQ(SelectedContactOid, contact);
    SendMessageW(MainWindow, WM_COMMAND, IDC_CARD_SCHEDULE_TAB, 0);
    EXPECT_EQ(Now(ContactScheduleDate), today);
    EXPECT_EQ(testkit::ListViewCount(CardScheduleList), 1);
    EXPECT_EQ(testkit::ListViewText(CardScheduleList, 0, 1), L"오늘 점심");
    // The selected row's entry, read through the card's table in a contact view.
    const ScheduleEntry* entry = SelectedScheduleEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(static_cast<CEOID>(entry->objectId), lunch);
    // The tab showed the card's panel; the card was never opened.
    HideContactCard();
}

TEST_F(ScheduleViewTest, ScreenOfTheMonth)
{
    ShowDate('W', L"2007-12-28");
    ASSERT_EQ(testkit::ListViewCount(ScheduleList), 2);
    testkit::PumpFor(300);
    testkit::SaveScreenshot(testkit::CaptureWindow(MainWindow), L"schedule-view-week");
}

// Last: the picture is made at the first paint and deleted with the window.
TEST_F(ScheduleViewTest, TheGridsPictureLivesWithTheMainWindow)
{
    EXPECT_FALSE(MonthGridUnpainted);
    HBITMAP picture = MonthGridBitmap;
    EXPECT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
    views::StopMainWindow();
    EXPECT_TRUE(MonthGridUnpainted);
    EXPECT_EQ(MonthGridBitmap, nullptr);
    EXPECT_EQ(GetObjectType(picture), 0u);
    // A start that never shows the schedule view makes no picture.
    views::StartMainWindow([](DiarySettings& settings) { settings.CurrentView = 0; });
    EXPECT_TRUE(MonthGridUnpainted);
    views::StopMainWindow();
    views::StartMainWindow([](DiarySettings& settings) { settings.CurrentView = 4; });
    EXPECT_FALSE(MonthGridUnpainted);
}

}  // namespace
