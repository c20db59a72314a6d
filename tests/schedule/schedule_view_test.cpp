// The schedule view in the running main window: the range commands of the
// toolbar window and the list's keys, taps on the month grid, the list's row
// changes, the contact card's month commands and appointment tab, changes
// made by other programs reaching the lists through the change watch, and
// the grid's picture over the window's life.
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/outlook_probes.h"
#include "core/outlook_watch.h"
#include "lists/contacts_cache.h"
#include "lists/list_refill.h"
#include "lists/mini_calendar.h"
#include "lists/schedule_loaders.h"
#include "lists/schedule_preview.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_layouts.h"
#include "platform/outlook/client_values.h"
#include "editors/item_editors_setup.h"
#include "resources/editors.h"
#include "resources/resource.h"
#include "tests/schedule/list_rows.h"
#include "tests/support/box_watch.h"
#include "tests/support/dialog_driver.h"
#include "tests/views/main_window_fixture.h"

#include <functional>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

using poomclient::Date;
using poomclient::Text;
using scheduletest::ListRows;

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

// Runs another device program (schedule_peer or contacts_peer); the id it
// answers with, if any.
std::wstring Peer(const wchar_t* program, const std::wstring& arguments)
{
    const std::wstring answerFile = std::wstring(L"\\Temp\\") + program + L".txt";
    DeleteFileW(answerFile.c_str());
    int code = testkit::RunProcess(L"\"" + testkit::BuiltProgram((std::wstring(program) + L".exe").c_str()) +
                                   L"\" " + arguments);
    EXPECT_EQ(code, 0) << testing::PrintToString(arguments);
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(answerFile);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

// The watch's timer as its ticks come, without pumping.
void TickWatch(int ticks)
{
    for (int tick = 0; tick < ticks; ++tick)
        OnOutlookWatchTick();
}

constexpr int kGridWidth = 140;
constexpr int kGridHeight = 84;

// The grid's picture as it was last painted, 0x00RRGGBB rows top down.
std::vector<uint32_t> GridPixels()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kGridWidth;
    info.bmiHeader.biHeight = -kGridHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(kGridWidth * kGridHeight);
    HDC screen = GetDC(nullptr);
    int lines = GetDIBits(screen, MonthGridBitmap, 0, kGridHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines != kGridHeight)
        pixels.clear();
    return pixels;
}

// The dark pixels of a day's number of this month in the grid's picture: a
// busy day's bold number has more.
int InkOfDay(int day)
{
    std::vector<uint32_t> pixels = GridPixels();
    if (pixels.empty())
        return -1;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (DayCellDays[row][column] != day)
                continue;
            const RECT& cell = DayCellRects[row][column];
            int ink = 0;
            for (int y = cell.top; y < cell.bottom && y < kGridHeight; ++y) {
                for (int x = cell.left; x < cell.right && x < kGridWidth; ++x) {
                    uint32_t p = pixels[static_cast<size_t>(y * kGridWidth + x)];
                    ink += (p & 0xFF) < 128 && ((p >> 8) & 0xFF) < 128 && ((p >> 16) & 0xFF) < 128;
                }
            }
            return ink;
        }
    }
    return -1;
}

class ScheduleViewTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterScheduleAndTaskEditors();
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

// The row-by-row notices of a list cleared for a refill that reach the main
// window; each notice to that window is costly.
int DeleteNoticesToMain = 0;

LRESULT CALLBACK CountDeleteNotices(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == MainWindow && sent->message == WM_NOTIFY &&
        reinterpret_cast<const NMHDR*>(sent->lParam)->code == LVN_DELETEITEM)
        ++DeleteNoticesToMain;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ScheduleViewTest, AReloadEmptiesTheListWithoutANoticePerRow)
{
    ShowDate('M', L"2007-12-31");
    ASSERT_EQ(ScheduleRowCount, 3);
    DeleteNoticesToMain = 0;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountDeleteNotices, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    ScheduleCacheKey[0] = L'\0';
    ShowDate('M', L"2007-12-31");
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(DeleteNoticesToMain, 0);
    EXPECT_EQ(ListRows(ScheduleList, 2), (std::vector<std::wstring>{L"12/20 09:00|(김철수)회의", L"12/25      |[공휴일] 성탄절",
                                                                     L"12/28 19:00|송년회"}));
}

TEST_F(ScheduleViewTest, CardMonthsStepOverTheYearEndAndKeepTheMonth)
{
    ShowDate('M', L"2007-12-15");
    std::vector<std::wstring> month = ListRows(ScheduleList, 2);
    std::vector<uint32_t> grid = GridPixels();
    ASSERT_FALSE(grid.empty());
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
    // The grid painted again shows the month's busy and red days, not the card's.
    DrawMiniCalendarForDate(RangeStart);
    EXPECT_TRUE(GridPixels() == grid);
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

TEST_F(ScheduleViewTest, KeysOfTheListStepTheRangeByPhoneModel)
{
    struct KeyCase {
        int model;
        bool inDetail;
        std::vector<UINT> keys;
        const wchar_t* start;
        const wchar_t* end;
    };
    // From the week of Wednesday 2007-12-19, the week starting on Sunday.
    const KeyCase cases[] = {
        {0, false, {VK_SHIFT, '3'}, L"2007-12-23", L"2007-12-29"},
        {0, false, {VK_SHIFT, '8'}, L"2007-12-09", L"2007-12-15"},
        {2, false, {testkit::kKeyDevice136}, L"2007-12-23", L"2007-12-29"},
        {2, false, {testkit::kKeyDevice137}, L"2007-12-09", L"2007-12-15"},
        {3, false, {testkit::kKeyProcess}, L"2007-12-09", L"2007-12-15"},
        {3, false, {VK_SPACE}, L"2007-12-23", L"2007-12-29"},
        {4, false, {VK_RETURN}, L"2007-12-09", L"2007-12-15"},  // Enter without the action key
        {0, false, {'3'}, L"2007-12-16", L"2007-12-22"},         // no Shift: no step
        {0, true, {VK_SHIFT, '3'}, L"2007-12-16", L"2007-12-22"},  // the detail layout takes no steps
    };
    const int model = PhoneModel;
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "model " << c.model << " first key " << c.keys.front()
                                        << (c.inDetail ? " in detail" : ""));
        ShowDate('W', L"2007-12-19");
        PhoneModel = c.model;
        KeypadShiftPending = ActionKeyPending = false;
        DetailMode[kScheduleDetail] = c.inDetail ? 'V' : 'M';
        for (UINT key : c.keys)
            testkit::KeyDown(ScheduleList, key);
        DetailMode[kScheduleDetail] = 'M';
        EXPECT_EQ(Now(RangeStart), c.start);
        EXPECT_EQ(Now(RangeEnd), c.end);
        EXPECT_EQ(ScheduleMode, 'W');
        EXPECT_EQ(testkit::WindowText(RangeStartLabel), c.start);
    }
    // The next week's rows, and '0' back to today's week.
    ShowDate('W', L"2007-12-19");
    PhoneModel = 0;
    testkit::KeyDown(ScheduleList, VK_SHIFT);
    testkit::KeyDown(ScheduleList, '3');
    EXPECT_EQ(ListRows(ScheduleList, 2), (std::vector<std::wstring>{L"12/25      |[공휴일] 성탄절", L"12/28 19:00|송년회"}));
    testkit::KeyDown(ScheduleList, '0');
    wchar_t today[kDateTextChars];
    WriteTodayText(today, kDateTextChars);
    EXPECT_EQ(Now(CurrentDate), today);
    EXPECT_LE(wcscmp(RangeStart, today), 0);
    EXPECT_GE(wcscmp(RangeEnd, today), 0);
    PhoneModel = model;
}

TEST_F(ScheduleViewTest, RowChangesGiveTheItemCommandsTheirEntry)
{
    ShowDate('M', L"2007-12-15");
    ASSERT_EQ(ScheduleRowCount, 3);
    // The row's hidden columns reach the selection state; the same entry
    // comes through the row map.
    SelectListRow(ScheduleList, 2);
    EXPECT_EQ(ViewSelection[kScheduleView], 2);
    EXPECT_EQ(SelectedAppointmentOid, party);
    EXPECT_EQ(SelectedAnniversaryId, 0);
    ASSERT_NE(SelectedScheduleEntry(), nullptr);
    EXPECT_EQ(static_cast<CEOID>(SelectedScheduleEntry()->objectId), party);
    EXPECT_STREQ(SelectedScheduleEntry()->ownStartTime, L"19:00");

    SelectListRow(ScheduleList, 0);
    EXPECT_EQ(SelectedAppointmentOid, meeting);
    EXPECT_EQ(LinkedContactOid, 0u) << "the row carries no contact; the form loader finds it";

    // In the detail layout Up and Down move one row and stop at the ends.
    DetailMode[kScheduleDetail] = 'V';
    testkit::KeyDown(ScheduleList, VK_DOWN);
    testkit::KeyDown(ScheduleList, VK_DOWN);
    testkit::KeyDown(ScheduleList, VK_DOWN);
    DetailMode[kScheduleDetail] = 'M';
    EXPECT_EQ(ViewSelection[kScheduleView], 2);
    EXPECT_EQ(testkit::ListViewSelection(ScheduleList), 2);
    DetailMode[kScheduleDetail] = 'V';
    testkit::KeyDown(ScheduleList, VK_UP);
    DetailMode[kScheduleDetail] = 'M';
    // The holiday's row: no appointment, its id as the mirrored one.
    const ScheduleEntry* holiday = SelectedScheduleEntry();
    ASSERT_NE(holiday, nullptr);
    EXPECT_EQ(holiday->objectId, 0);
    EXPECT_STREQ(holiday->subject, L"성탄절");
    EXPECT_EQ(SelectedAppointmentOid, 0u);
    EXPECT_EQ(SelectedAnniversaryId, holiday->linkedId);
    EXPECT_NE(holiday->linkedId, 0);
}

// Another program's appointment reaches the shown month by the watch's own
// timer: its row, its bold day in the grid; its delete goes the same way.
TEST_F(ScheduleViewTest, AnotherProgramsAppointmentReachesTheListAndTheGrid)
{
    ShowDate('M', L"2007-12-15");
    MarkAppointmentsDatabaseSeen();
    const std::vector<std::wstring> before = ListRows(ScheduleList, 2);
    ASSERT_EQ(before.size(), 3u);
    const int plainInk = InkOfDay(11);
    ASSERT_GT(plainInk, 0);

    std::wstring oid = Peer(L"schedule_peer", L"add 치과 2007-12-11 14:00 60");
    ASSERT_FALSE(oid.empty());
    EXPECT_TRUE(testkit::PumpUntil([] { return testkit::ListViewCount(ScheduleList) == 4; }, 10000));
    EXPECT_EQ(ListRows(ScheduleList, 2).front(), L"12/11 14:00|치과");
    EXPECT_GT(InkOfDay(11), plainInk) << "the day is bold now";
    EXPECT_EQ(Now(ScheduleCacheKey), L"2007-12-01");
    EXPECT_EQ(GetFocus(), ScheduleList);

    Peer(L"schedule_peer", L"delete " + oid);
    TickWatch(4);
    EXPECT_EQ(ListRows(ScheduleList, 2), before);
    EXPECT_EQ(InkOfDay(11), plainInk);
}

// A contact renamed elsewhere is renamed in the rows of its appointments,
// although the month was in memory.
TEST_F(ScheduleViewTest, AContactRenamedElsewhereIsRenamedInTheMonthsRows)
{
    ShowDate('M', L"2007-12-15");
    MarkContactsDatabaseSeen();
    Peer(L"contacts_peer", L"rename " + std::to_wstring(contact) + L" 박");
    TickWatch(4);
    EXPECT_EQ(testkit::ListViewText(ScheduleList, 0, 1), L"(박철수)회의");
    Peer(L"contacts_peer", L"rename " + std::to_wstring(contact) + L" 김");
    TickWatch(4);
    EXPECT_EQ(testkit::ListViewText(ScheduleList, 0, 1), L"(김철수)회의");
}

// With the card of a task's linked contact open, another program's
// appointment of that contact reaches the card's list.
TEST_F(ScheduleViewTest, AnAppointmentWrittenElsewhereReachesTheOpenCard)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_TASK_VIEW_TAB, 0);
    MarkAppointmentsDatabaseSeen();
    DetailMode[kTaskDetail] = 'L';
    SelectedContactOid = contact;
    wcscpy(ContactScheduleDate, L"2007-12-01");
    LoadContactSchedule();
    ASSERT_EQ(testkit::ListViewCount(CardScheduleList), 1);

    std::wstring oid = Peer(L"schedule_peer", L"add 점심 2007-12-05 12:00 60");
    AddPlanLink(contact, static_cast<CEOID>(wcstoul(oid.c_str(), nullptr, 10)));
    TickWatch(4);
    EXPECT_EQ(ListRows(CardScheduleList, 2),
              (std::vector<std::wstring>{L"07-12-05 12:00|점심", L"07-12-20 09:00|회의"}));
    EXPECT_TRUE(ViewStale[kScheduleView]);
    EXPECT_EQ(ScheduleCacheKey[0], L'\0') << "the month is read again when shown";

    Peer(L"schedule_peer", L"delete " + oid);
    TickWatch(4);
    EXPECT_EQ(testkit::ListViewCount(CardScheduleList), 1);
    DetailMode[kTaskDetail] = 'M';
}

// The appointment a Today request asked to select is selected by the load
// that follows the request only: a later reload keeps to the row the user
// tapped since.
TEST_F(ScheduleViewTest, TheAppointmentToSelectAgainIsUsedOnce)
{
    const CEOID lunch = SaveAppointment(L"점심", Date(2007, 12, 28, 12, 0), Date(2007, 12, 28, 13, 0));
    ScheduleCacheKey[0] = L'\0';
    AppointmentToReselect = party;
    ShowDate('D', L"2007-12-28");
    EXPECT_EQ(ListRows(ScheduleList, 2), (std::vector<std::wstring>{L"12/28 12:00|점심", L"12/28 19:00|송년회"}));
    EXPECT_EQ(testkit::ListViewSelection(ScheduleList), 1);
    EXPECT_EQ(SelectedAppointmentOid, party);

    SelectListRow(ScheduleList, 0);
    EXPECT_EQ(SelectedAppointmentOid, lunch);
    MarkAppointmentsDatabaseSeen();
    // Another program's appointment on another day of the month.
    const std::wstring dentist = Peer(L"schedule_peer", L"add 치과 2007-12-11 14:00 60");
    TickWatch(4);
    EXPECT_EQ(testkit::ListViewSelection(ScheduleList), 0);
    EXPECT_EQ(SelectedAppointmentOid, lunch);
    ShowDate('D', L"2007-12-28");
    EXPECT_EQ(testkit::ListViewSelection(ScheduleList), 0);
    EXPECT_EQ(SelectedAppointmentOid, lunch);

    for (const std::wstring& oid : {std::to_wstring(lunch), dentist})
        Peer(L"schedule_peer", L"delete " + oid);
    TickWatch(4);
    ShowDate('M', L"2007-12-15");
    EXPECT_EQ(ScheduleRowCount, 3);
}

// The preview of an appointment linked to a contact leaves the link a new
// appointment would get as it was.
TEST_F(ScheduleViewTest, APreviewLeavesTheNextNewItemsLinkAlone)
{
    ShowDate('M', L"2007-12-15");
    AssigneeOid = 0;
    AssigneeName[0] = L'\0';
    DetailMode[kScheduleDetail] = 'V';
    SelectListRow(ScheduleList, 0);
    ASSERT_EQ(SelectedAppointmentOid, meeting);
    ShowSchedulePreview();
    DetailMode[kScheduleDetail] = 'M';
    EXPECT_EQ(testkit::WindowText(DetailTitleLabel), L"회의");
    EXPECT_EQ(AssigneeOid, 0u);
    EXPECT_STREQ(AssigneeName, L"");
}

// A week across the year's end with a January day chosen: the grid shows the
// month of the loaded range after every reload, as the range commands paint
// it, so that its bold and red days stay those of that month's data.
TEST_F(ScheduleViewTest, TheGridKeepsTheMonthOfTheLoadedRangeAfterReloads)
{
    ShowDate('W', L"2008-01-02");
    ASSERT_EQ(Now(RangeStart), L"2007-12-30");
    ASSERT_EQ(GridMonth, 12);
    const std::vector<uint32_t> grid = GridPixels();
    ASSERT_FALSE(grid.empty());

    MarkAppointmentsDatabaseSeen();
    const std::wstring oid = Peer(L"schedule_peer", L"add 치과 2008-01-03 14:00 60");
    TickWatch(4);
    EXPECT_EQ(GridMonth, 12) << "after a change by another program";
    ASSERT_EQ(ListRows(ScheduleList, 2), (std::vector<std::wstring>{L"01/01      |[공휴일] 신정", L"01/02 10:00|새해 인사",
                                                                   L"01/03 14:00|치과"}));
    SelectListRow(ScheduleList, 2);
    boxwatch::ArmForThisThread(IDYES);
    SendItemCommand(ID_APPOINTMENT_DELETE);
    EXPECT_TRUE(boxwatch::Disarm().seen);
    EXPECT_EQ(GridMonth, 12) << "after a delete";
    EXPECT_EQ(testkit::ListViewCount(ScheduleList), 2);
    EXPECT_TRUE(GridPixels() == grid);
    MarkAppointmentsDatabaseSeen();
}

// A contact renamed by another program while another view is shown: back in
// the schedule view its appointments' rows carry the new name.
TEST_F(ScheduleViewTest, AContactRenamedWhileAnotherViewIsShownIsRenamedInTheRows)
{
    ShowDate('M', L"2007-12-15");
    ASSERT_EQ(testkit::ListViewText(ScheduleList, 0, 1), L"(김철수)회의");
    for (const wchar_t* last : {L"박", L"김"}) {
        SCOPED_TRACE(testing::PrintToString(last));
        SendMessageW(MainWindow, WM_COMMAND, IDC_TASK_VIEW_TAB, 0);
        MarkContactsDatabaseSeen();
        Peer(L"contacts_peer", L"rename " + std::to_wstring(contact) + L" " + last);
        TickWatch(4);
        SendMessageW(MainWindow, WM_COMMAND, IDC_SCHEDULE_VIEW_TAB, 0);
        EXPECT_EQ(testkit::ListViewText(ScheduleList, 0, 1), std::wstring(L"(") + last + L"철수)회의");
    }
}

// The editor's save in each mode: the saved appointment is in the list of
// the mode, selected, and its day is bold in the grid, with no move to
// another month and back.
TEST_F(ScheduleViewTest, ASavedAppointmentShowsInTheListAndTheGridSelected)
{
    struct SaveCase {
        const char* what;
        char mode;
        std::function<void(HWND)> fill;
        int boldDay;   // 0: a day bold already
        int day = 12;  // of December 2007
    };
    const SaveCase cases[] = {
        {"timed in day mode", 'D',
         [](HWND dialog) {
             dialogdriver::SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, true);
             dialogdriver::SetPickerClock(dialog, IDC_SCHEDULE_START_TIME, 15, 0);
         },
         12},
        {"all-day in week mode", 'W',
         [](HWND dialog) { dialogdriver::SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, false); }, 12},
        {"multi-day in month mode", 'M',
         [](HWND dialog) {
             dialogdriver::SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, false);
             dialogdriver::SetCheck(dialog, IDC_SCHEDULE_PERIOD_ON, true);
             dialogdriver::SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, 2007, 12, 14);
         },
         13},
        {"weekly in month mode", 'M',
         [](HWND dialog) { dialogdriver::ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 1); }, 19},
        // Selected, not the later appointment of its day that the week's
        // own rule would take.
        {"timed before another in week mode", 'W',
         [](HWND dialog) {
             dialogdriver::SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, true);
             dialogdriver::SetPickerClock(dialog, IDC_SCHEDULE_START_TIME, 8, 0);
         },
         0, 20},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        ShowDate(c.mode, L"2007-12-12");
        const int plainInk = c.boldDay ? InkOfDay(c.boldDay) : 0;
        dialogdriver::Driver driver;
        driver.Then("fill and save", dialogdriver::DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            dialogdriver::SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2007, 12, c.day);
            dialogdriver::Type(dialog, IDC_SCHEDULE_TITLE, L"치과");
            c.fill(dialog);
            dialogdriver::Click(dialog, IDC_EDITOR_OK);
        });
        SelectedAppointmentOid = 0;
        EXPECT_TRUE(driver.Run([] { SendItemCommand(ID_APPOINTMENT_NEW); }));
        const CEOID saved = SelectedAppointmentOid;
        ASSERT_NE(saved, 0u);
        const int row = testkit::ListViewSelection(ScheduleList);
        ASSERT_GE(row, 0);
        EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 1), L"치과");
        EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 2), std::to_wstring(saved));
        EXPECT_EQ(ViewSelection[kScheduleView], row);
        if (c.boldDay) {
            EXPECT_GT(InkOfDay(c.boldDay), plainInk) << "the saved item's day is bold";
        }
        Peer(L"schedule_peer", L"delete " + std::to_wstring(saved));
        ScheduleCacheKey[0] = L'\0';
        MarkAppointmentsDatabaseSeen();
    }
    ShowDate('M', L"2007-12-15");
    EXPECT_EQ(ScheduleRowCount, 3);
}

// A change (수정) and a save that goes on to the next item (계속등록) show
// their items in the list and the grid at once, selected, as a new one does.
TEST_F(ScheduleViewTest, AChangedAndAContinuedAppointmentShowAtOnce)
{
    const std::wstring first = Peer(L"schedule_peer", L"add 치과 2007-12-11 14:00 60");
    ScheduleCacheKey[0] = L'\0';
    ShowDate('M', L"2007-12-11");
    MarkAppointmentsDatabaseSeen();
    ASSERT_EQ(testkit::ListViewText(ScheduleList, 0, 1), L"치과");
    SelectListRow(ScheduleList, 0);
    const int plainInk = InkOfDay(13);

    dialogdriver::Driver change;
    change.Then("move and rename", dialogdriver::DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        dialogdriver::SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2007, 12, 13);
        dialogdriver::Type(dialog, IDC_SCHEDULE_TITLE, L"치과 검진");
        dialogdriver::Click(dialog, IDC_EDITOR_OK);
    });
    EXPECT_TRUE(change.Run([] { SendItemCommand(ID_APPOINTMENT_EDIT); }));
    int row = testkit::ListViewSelection(ScheduleList);
    ASSERT_GE(row, 0);
    EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 0).substr(0, 5), L"12/13");
    EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 1), L"치과 검진");
    EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 2), first);
    EXPECT_GT(InkOfDay(13), plainInk);

    dialogdriver::Driver next;
    next.Then("save and go on", dialogdriver::DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        dialogdriver::SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2007, 12, 14);
        dialogdriver::Type(dialog, IDC_SCHEDULE_TITLE, L"약 타기");
        dialogdriver::Click(dialog, IDC_EDITOR_CONTINUE);
    });
    next.CancelDialogWith(IDC_SCHEDULE_TITLE);
    EXPECT_TRUE(next.Run([] { SendItemCommand(ID_APPOINTMENT_NEW); }));
    const CEOID continued = SelectedAppointmentOid;
    row = testkit::ListViewSelection(ScheduleList);
    ASSERT_GE(row, 0);
    EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 1), L"약 타기");
    EXPECT_EQ(testkit::ListViewText(ScheduleList, row, 2), std::to_wstring(continued));

    for (const std::wstring& oid : {first, std::to_wstring(continued)})
        Peer(L"schedule_peer", L"delete " + oid);
    ScheduleCacheKey[0] = L'\0';
    MarkAppointmentsDatabaseSeen();
    ShowDate('M', L"2007-12-15");
    EXPECT_EQ(ScheduleRowCount, 3);
}

// A tap on a row of the contact card's appointment panel chooses that
// appointment: the card's edit opens it and the card's delete removes it.
TEST_F(ScheduleViewTest, TheCardsAppointmentRowTappedIsTheOneEditedAndDeleted)
{
    const CEOID lunch = SaveAppointment(L"점심", Date(2007, 12, 5, 12, 0), Date(2007, 12, 5, 13, 0));
    AddPlanLink(contact, lunch);
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
    SelectedContactOid = contact;
    wcscpy(ContactScheduleDate, L"2007-12-01");
    LoadContactSchedule();
    DetailMode[kScheduleDetail] = 'L';
    ShowContactCard();
    ASSERT_EQ(ListRows(CardScheduleList, 2), (std::vector<std::wstring>{L"07-12-05 12:00|점심", L"07-12-20 09:00|회의"}));
    SelectListRow(CardScheduleList, 1);
    ASSERT_EQ(SelectedAppointmentOid, meeting);

    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageW(CardScheduleList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    testkit::Tap(CardScheduleList, row.left + 40, (row.top + row.bottom) / 2);
    testkit::PumpPending();
    EXPECT_EQ(SelectedAppointmentOid, lunch);
    EXPECT_EQ(CardPanelSelection[0], 0);

    std::wstring edited;
    dialogdriver::Driver driver;
    driver.Then("read the title", dialogdriver::DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        edited = dialogdriver::ControlText(dialog, IDC_SCHEDULE_TITLE);
        EndDialog(dialog, IDCANCEL);
    });
    EXPECT_TRUE(driver.Run([] { SendItemCommand(ID_APPOINTMENT_EDIT); }));
    EXPECT_EQ(edited, L"점심");

    boxwatch::ArmForThisThread(IDYES);
    SendItemCommand(ID_APPOINTMENT_DELETE);
    EXPECT_TRUE(boxwatch::Disarm().seen);
    EXPECT_EQ(ListRows(CardScheduleList, 2), std::vector<std::wstring>{L"07-12-20 09:00|회의"});
    HideContactCard();
    DetailMode[kScheduleDetail] = 'M';
    MarkAppointmentsDatabaseSeen();
    ScheduleCacheKey[0] = L'\0';
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
