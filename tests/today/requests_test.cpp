// Requests to the main program, each reached the way the item reaches it
// (menu commands, row zones, month cells) or through its builder, held to
// byte fixtures; the stand-in main program starts once per request.
#include "tests/today/today_fixture.h"

#include "core/registry.h"
#include "core/today_request_format.h"
#include "tests/today/request_bytes.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/memo_view.h"
#include "today/month_view.h"
#include "today/painters.h"
#include "today/pen.h"
#include "today/request_builders.h"
#include "today/request_writer.h"
#include "today/resource.h"
#include "today/schedule_view.h"
#include "today/today_settings.h"

#include <functional>
#include <string>

namespace {

using namespace todaytest;

Bytes Requested(const std::function<void()>& action)
{
    RemoveRequestFile();
    action();
    return RequestFileBytes();
}

RECT ZoneOfRow(int screenRow, RowZonePart part)
{
    return RowZones[screenRow][part].rect;
}

void TapInside(const RECT& rect)
{
    ASSERT_GT(rect.right, rect.left);
    ASSERT_TRUE(OnItemTap((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
}

class TodayRequestsTest : public TodayTest {};

TEST_F(TodayRequestsTest, MenuCommandsWriteTheirRequests)
{
    const int before = MainProgramStarts();
    struct Case {
        UINT command;
        Bytes expected;
    };
    const Case cases[] = {
        {IDM_NEW_SCHEDULE, Ascii("2024-05-07")},
        {IDM_OPEN_SCHEDULE, Ascii("2024-05")},
        {IDM_NEW_TASK, Repeat(0, 2)},
        {IDM_OPEN_TASKS, Repeat(0, 6)},
        {IDM_SETTINGS_SCHEDULE, Repeat(0, 1)},
        {IDM_SETTINGS_TASKS, Repeat(0, 1)},
        {IDM_SETTINGS_MEMOS, Repeat(0, 1)},
        {IDM_NEW_MEMO, Repeat(0, 8)},
        {IDM_OPEN_MEMOS, Repeat(0, 9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(Hex(Requested([&] { EXPECT_TRUE(OnItemCommand(c.command)); })), Hex(c.expected));
    }
    EXPECT_EQ(WaitForMainProgramStarts(before + static_cast<int>(std::size(cases))),
              before + static_cast<int>(std::size(cases)));
}

TEST_F(TodayRequestsTest, ScheduleRowZonesAndMonthCellsWriteTheirRequests)
{
    Settings.TodaySpan = 4;  // 7 days
    Settings.TodayOnlyBusyDays = 1;
    AddAppointment({L"치과", Date(2024, 5, 9, 10, 0), Date(2024, 5, 9, 11, 0)});
    ShowScheduleMode();
    ASSERT_EQ(ScheduleRowCount, 2);  // the today line and the appointment
    ASSERT_EQ(std::wstring(ScheduleRows[1].dateText), L"2024-05-09");
    const int before = MainProgramStarts();

    EXPECT_EQ(Hex(Requested([] { TapInside(ZoneOfRow(1, kRowMonth)); })), Hex(Ascii("2024-05")));
    EXPECT_EQ(Hex(Requested([] { TapInside(ZoneOfRow(1, kRowDate)); })), Hex(Ascii("2024-05-09")));
    // The today line's text opens the day; an item's text opens its pop-up (tests/popups).
    EXPECT_EQ(Hex(Requested([] { TapInside(ZoneOfRow(0, kRowBody)); })), Hex(Ascii("2024-05-07") + Bytes{0}));

    ViewMode = kViewMonth;
    ShownYear = 2024;
    ShownMonth = 5;
    BuildHotZones();
    ShowMonthMode();
    PlaceMonthCells();
    const MonthCell* seventh = nullptr;
    const MonthCell* twentieth = nullptr;
    for (int week = 0; week < MonthWeeks; ++week) {
        for (const MonthCell& cell : MonthCells[week]) {
            if (std::wstring(cell.dayText) == L"7")
                seventh = &cell;
            if (std::wstring(cell.dayText) == L"20")
                twentieth = &cell;
        }
    }
    ASSERT_TRUE(seventh && twentieth);
    EXPECT_EQ(Hex(Requested([&] { TapInside(seventh->rect); })), Hex(Ascii("2024-05-07") + Bytes{0}));
    EXPECT_EQ(Hex(Requested([&] { TapInside(twentieth->rect); })), Hex(Ascii("2024-05-20") + Bytes{0}));
    EXPECT_EQ(WaitForMainProgramStarts(before + 5), before + 5);
}

// December 2026 takes five week rows from Monday and from Sunday; with the
// list short enough to scroll, scrolled to its end, a tap on a day of every
// drawn row, the last one too, asks for that day.
TEST_F(TodayRequestsTest, EveryWeekRowOfTheMonthViewAnswersATap)
{
    ViewMode = kViewMonth;
    ShownYear = 2026;
    ShownMonth = 12;
    Settings.TodayShowStatus = 1;
    Settings.TodayShowShortcuts = 1;
    const int before = MainProgramStarts();
    int requests = 0;
    for (int weekStart : {1, 0}) {
        for (int lines : {4, 2, 0}) {
            SCOPED_TRACE(testing::Message() << "week start " << weekStart << ", lines " << lines);
            Settings.WeekStart = weekStart;
            Settings.TodayLines = lines;
            RowsShown = lines + 3;
            TopRow = 0;
            BuildHotZones();
            ShowMonthMode();
            ASSERT_EQ(MonthWeeks, 5);
            TopRow = MonthWeeks;
            InvalidateListArea();
            testkit::Canvas canvas(240, ItemHeight, RGB(255, 255, 255));
            PaintItem(canvas.dc());
            bool lastRowTapped = false;
            for (int week = 0; week < MonthWeeks; ++week) {
                SCOPED_TRACE(week);
                const MonthCell* day = nullptr;
                for (const MonthCell& cell : MonthCells[week]) {
                    if (!day && cell.dayText[0] && cell.rect.bottom > cell.rect.top)
                        day = &cell;
                }
                if (!day)
                    continue;
                const int number = _wtoi(day->dayText);
                const std::string expected = "2026-12-" + std::string(number < 10 ? "0" : "") + std::to_string(number);
                const POINT at = {(day->rect.left + day->rect.right) / 2, (day->rect.top + day->rect.bottom) / 2};
                EXPECT_EQ(Hex(Requested([&] {
                              OnPenDown(ItemWindow, at.x, at.y);
                              OnPenUp(ItemWindow, at.x, at.y);
                          })),
                          Hex(Ascii(expected) + Bytes{0}));
                ++requests;
                lastRowTapped = week == MonthWeeks - 1;
            }
            EXPECT_TRUE(lastRowTapped);
        }
    }
    EXPECT_EQ(WaitForMainProgramStarts(before + requests), before + requests);
}

// Two Notes files whose names agree in their first 100 characters: each row
// is drawn with the cut title, and its requests name its own whole path.
TEST_F(TodayRequestsTest, ANotesFileWithALongNameIsRequestedByItsWholePath)
{
    Settings.MemoSource = 2;
    const std::wstring stem = L"\\My Documents\\" + std::wstring(100, L'a');
    const std::wstring paths[] = {stem + L"1.pwi", stem + L"2.pwi"};
    for (const std::wstring& path : paths)
        ASSERT_TRUE(testkit::WriteFileBytes(path, {1}));
    MemoSortChoice = kMemosByTitle;
    MemoGroupingChoice = kMemosByDate;
    MemoDateFilterChoice = kMemosAll;
    BuildMemoView();
    ASSERT_EQ(MemoRowCount, 2);
    const int before = MainProgramStarts();
    std::vector<std::string> requested;
    for (int row = 0; row < MemoRowCount; ++row) {
        EXPECT_EQ(std::wstring(MemoRows[row].title), std::wstring(100, L'a'));
        wchar_t path[MAX_PATH];
        const TodayItemRef item = ItemOfMemoRow(MemoRows[row], path, MAX_PATH);
        requested.push_back(Hex(Requested([&] { EXPECT_TRUE(RequestEditItem(item)); })));
        requested.push_back(Hex(Requested([&] { EXPECT_TRUE(RequestDeleteItem(item)); })));
    }
    const std::string stemBytes = "\\My Documents\\" + std::string(100, 'a');
    const Bytes first = Ascii(stemBytes + "1.pwi");
    const Bytes second = Ascii(stemBytes + "2.pwi");
    EXPECT_EQ(requested, (std::vector<std::string>{
                             Hex(first + Repeat(' ', 256 - first.size())), Hex(first + Repeat(' ', 255 - first.size())),
                             Hex(second + Repeat(' ', 256 - second.size())),
                             Hex(second + Repeat(' ', 255 - second.size()))}));
    EXPECT_EQ(WaitForMainProgramStarts(before + 4), before + 4);
    for (const std::wstring& path : paths)
        DeleteFileW(path.c_str());
}

TEST_F(TodayRequestsTest, ItemAndContactBuildersWriteTheirRequests)
{
    const int before = MainProgramStarts();
    TodayItemRef appointment{TodayItemKind::Appointment, 1000, L"2024-05-09", nullptr};
    TodayItemRef task{TodayItemKind::Task, 1, L"", nullptr};
    TodayItemRef memo{TodayItemKind::OwnMemo, 10001, L"", nullptr};
    TodayItemRef anniversary{TodayItemKind::Anniversary, 256, L"", nullptr};
    TodayItemRef notes{TodayItemKind::NotesFile, 0, L"", L"\\My Documents\\note-0123456.pwi"};
    const Bytes notesPath = Ascii("\\My Documents\\note-0123456.pwi");
    struct Case {
        const char* what;
        std::function<bool()> request;
        Bytes expected;
    };
    const Case cases[] = {
        {"edit appointment", [&] { return RequestEditItem(appointment); }, Ascii("2024-05-09") + Bytes{1, 1, 4, 236}},
        {"delete appointment", [&] { return RequestDeleteItem(appointment); },
         Ascii("2024-05-09") + Bytes{1, 1, 4, 236, 0}},
        {"edit task", [&] { return RequestEditItem(task); }, Bytes{'T', 1, 1, 1, 2}},
        {"delete task", [&] { return RequestDeleteItem(task); }, Bytes{'T', 1, 1, 1, 2} + Repeat(0, 11)},
        {"edit memo", [&] { return RequestEditItem(memo); }, Bytes{'N', 1, 1, 40, 57}},
        {"delete memo", [&] { return RequestDeleteItem(memo); }, Bytes{'N', 1, 1, 40, 57} + Repeat(0, 11)},
        {"edit anniversary", [&] { return RequestEditItem(anniversary); }, Bytes{'M', 2, 2}},
        {"delete anniversary", [&] { return RequestDeleteItem(anniversary); }, Bytes{'M', 2, 2} + Repeat(0, 14)},
        {"edit Notes file", [&] { return RequestEditItem(notes); }, notesPath + Repeat(' ', 226)},
        {"delete Notes file", [&] { return RequestDeleteItem(notes); }, notesPath + Repeat(' ', 225)},
        {"edit contact", [] { return RequestEditContact(1); }, Bytes{1, 1, 1, 2}},
        {"dial", [] { return RequestDialNumber(L"010-1234-5678", L"홍길동", 1); },
         Repeat(' ', 9) + Ascii("01012345678") + Repeat(' ', 24) + HongGildong() + Bytes{1, 1, 1, 2}},
        {"mail", [] { return RequestSendMail(L"hong@example.kr", 1); },
         Repeat(' ', 25) + Ascii("hong@example.kr") + Bytes{1, 1, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Hex(Requested([&] { EXPECT_TRUE(c.request()); })), Hex(c.expected));
    }
    EXPECT_EQ(WaitForMainProgramStarts(before + static_cast<int>(std::size(cases))),
              before + static_cast<int>(std::size(cases)));
}

TEST_F(TodayRequestsTest, RowsNameTheirItems)
{
    TodayScheduleRow row = {};
    row.objectId = 77;
    wcscpy(row.dateText, L"2024-05-09");
    EXPECT_EQ(ItemOfScheduleRow(row).kind, TodayItemKind::Appointment);
    EXPECT_EQ(ItemOfScheduleRow(row).id, 77u);
    EXPECT_EQ(std::wstring(ItemOfScheduleRow(row).date), L"2024-05-09");
    row.task = 1;
    row.taskObjectId = 5;
    EXPECT_EQ(ItemOfScheduleRow(row).kind, TodayItemKind::Task);
    EXPECT_EQ(ItemOfScheduleRow(row).id, 5u);
    row.anniversaryId = 12;
    EXPECT_EQ(ItemOfScheduleRow(row).kind, TodayItemKind::Anniversary);

    TodayMemoRow memo = {};
    memo.memoId = 10002;
    wcscpy(memo.folder, L"\\My Documents\\회의");
    wcscpy(memo.title, L"5월");
    wcscpy(memo.path, L"\\My Documents\\회의\\5월.pwi");
    wchar_t path[MAX_PATH];
    Settings.MemoSource = 1;
    EXPECT_EQ(ItemOfMemoRow(memo, path, MAX_PATH).kind, TodayItemKind::OwnMemo);
    Settings.MemoSource = 2;
    TodayItemRef notes = ItemOfMemoRow(memo, path, MAX_PATH);
    EXPECT_EQ(notes.kind, TodayItemKind::NotesFile);
    EXPECT_EQ(std::wstring(notes.path), L"\\My Documents\\회의\\5월.pwi");
}

TEST_F(TodayRequestsTest, RequestsThatDoNotFitWriteNothingAndStartNothing)
{
    const int before = MainProgramStarts();
    const std::wstring longPath = L"\\" + std::wstring(300, L'a') + L".pwi";
    TodayItemRef tooBig{TodayItemKind::Appointment, 4228250625u, L"2024-05-09", nullptr};
    TodayItemRef anniversary{TodayItemKind::Anniversary, 65025, L"", nullptr};
    TodayItemRef path{TodayItemKind::NotesFile, 0, L"", longPath.c_str()};
    // Best fit would make it "cafe.pwi", another file.
    TodayItemRef accented{TodayItemKind::NotesFile, 0, L"", L"\\My Documents\\café.pwi"};
    struct Case {
        const char* what;
        std::function<bool()> request;
    };
    const Case cases[] = {
        {"id", [&] { return RequestEditItem(tooBig); }},
        {"delete by id", [&] { return RequestDeleteItem(tooBig); }},
        {"anniversary", [&] { return RequestDeleteItem(anniversary); }},
        {"path", [&] { return RequestEditItem(path); }},
        {"number", [] { return RequestDialNumber(L"0101234567890123456789", L"", 1); }},
        {"no number", [] { return RequestDialNumber(L"--", L"홍길동", 1); }},
        {"address", [] { return RequestSendMail(L"abcdefghijklmnopqrstuvwxyz@example.co.krr", 1); }},
        {"no address", [] { return RequestSendMail(L"", 1); }},
        {"path outside the code page", [&] { return RequestEditItem(accented); }},
        {"delete by a path outside the code page", [&] { return RequestDeleteItem(accented); }},
        {"name with an emoji", [] { return RequestDialNumber(L"010-1234-5678", L"홍길동\U0001F600", 1); }},
        {"address with an accent", [] { return RequestSendMail(L"josé@example.kr", 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Requested([&] { EXPECT_FALSE(c.request()); }).empty());
    }
    EXPECT_NE(testkit::DeviceLogText().find(L"request not written: a field does not fit"), std::wstring::npos);
    EXPECT_EQ(WaitForMainProgramStarts(before), before);
}

TEST_F(TodayRequestsTest, AFileThatCannotBeWrittenOrRenamedStartsNothing)
{
    const int before = MainProgramStarts();
    // A folder in the way of the temporary file, then of the request itself.
    ASSERT_TRUE(CreateDirectoryW(L"\\Windows\\Quillon1.tmp", nullptr));
    EXPECT_FALSE(RequestContentless(kRequestNewTask));
    RemoveDirectoryW(L"\\Windows\\Quillon1.tmp");
    ASSERT_TRUE(CreateDirectoryW(kTodayRequestFile, nullptr));
    EXPECT_FALSE(RequestContentless(kRequestNewTask));
    RemoveDirectoryW(kTodayRequestFile);
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon1.tmp"));
    EXPECT_EQ(WaitForMainProgramStarts(before), before);
    // And a request replaces one still unread.
    EXPECT_TRUE(RequestContentless(kRequestNewTask));
    EXPECT_TRUE(RequestContentless(kRequestMemoView));
    EXPECT_EQ(RequestFileBytes(), Repeat(0, 9));
    EXPECT_EQ(WaitForMainProgramStarts(before + 2), before + 2);
}

TEST_F(TodayRequestsTest, WithoutAnInstallFolderTheProgramIsStartedFromTheRoot)
{
    ASSERT_TRUE(CopyFileW((StandinFolder() + L"\\Quillon.exe").c_str(), L"\\Quillon.exe", FALSE));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueW(key, L"Quillon InstallDir");
    RegCloseKey(key);
    ReadTodaySettings(RGB(255, 255, 255));
    wchar_t path[MAX_PATH];
    MainProgramPath(path, MAX_PATH);
    EXPECT_EQ(std::wstring(path), L"\\Quillon.exe");
    const int before = MainProgramStarts();
    EXPECT_TRUE(RequestContentless(kRequestPreferences));
    EXPECT_EQ(WaitForMainProgramStarts(before + 1), before + 1);
    DeleteFileW(L"\\Quillon.exe");
}

}  // namespace
