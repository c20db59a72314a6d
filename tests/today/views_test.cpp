// The task, memo and month views: their filters, groupings, sort keys,
// headers and marks, and the menu commands that choose them.
#include "tests/today/today_fixture.h"

#include "core/own_databases.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/memo_view.h"
#include "today/month_view.h"
#include "today/resource.h"
#include "today/task_view.h"
#include "today/view_switch.h"

#include <string>
#include <vector>

namespace {

using namespace todaytest;

std::vector<std::wstring> TaskSubjects()
{
    std::vector<std::wstring> subjects;
    for (int i = 0; i < TaskRowCount; ++i)
        subjects.push_back(TaskRows[i].subject ? TaskRows[i].subject : L"");
    return subjects;
}

std::vector<std::wstring> MemoTitles()
{
    std::vector<std::wstring> titles;
    for (int i = 0; i < MemoRowCount; ++i)
        titles.push_back(MemoRows[i].title);
    return titles;
}

std::vector<std::wstring> MemoGroupNames()
{
    std::vector<std::wstring> names;
    for (int i = 0; i < MemoGroupCount; ++i)
        names.push_back(MemoGroups[i].name);
    return names;
}

// The checked commands of a menu.
std::vector<UINT> Checked(ItemMenu which)
{
    HMENU menu = PrepareItemMenu(which);
    std::vector<UINT> checked;
    for (const testkit::MenuEntry& entry : testkit::MenuEntries(menu))
        if (entry.checked)
            checked.push_back(entry.id);
    DestroyMenu(menu);
    return checked;
}

class TodayViewsTest : public TodayTest {};

TEST_F(TodayViewsTest, TasksByFilterAndSortKey)
{
    AddTask({L"가", Date(2024, 5, 1), Date(2024, 5, 10), false, olImportanceLow});
    AddTask({L"나", Date(2024, 5, 3), Date(2024, 5, 5), false, olImportanceHigh});
    AddTask({L"다", Date(2024, 5, 2), Date(2024, 5, 8), true, olImportanceNormal});
    ViewMode = kViewTasks;
    struct Case {
        int filter;
        int sort;
        std::vector<std::wstring> subjects;
        const wchar_t* title;
        const wchar_t* second;
    };
    const Case cases[] = {
        {kTasksActive, kSortByDue, {L"나", L"가"}, L"진행중인 작업", L"기한"},
        {kTasksCompleted, kSortByDue, {L"다"}, L"완료된 작업", L"기한"},
        {kTasksOverdue, kSortByDue, {L"나"}, L"지연된 작업", L"기한"},
        {kTasksAll, kSortByDue, {L"나", L"다", L"가"}, L"모든 작업", L"기한"},
        {kTasksAll, kSortByState, {L"나", L"가", L"다"}, L"모든 작업", L"상태"},
        {kTasksAll, kSortByImportance, {L"나", L"다", L"가"}, L"모든 작업", L"우선 순위"},
        {kTasksAll, kSortBySubject, {L"가", L"나", L"다"}, L"모든 작업", L"제목"},
        {kTasksAll, kSortByStart, {L"가", L"다", L"나"}, L"모든 작업", L"시작 날짜"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.filter * 10 + c.sort);
        EXPECT_TRUE(OnItemCommand(IDM_TASK_FILTER_FIRST + c.filter));
        EXPECT_TRUE(OnItemCommand(IDM_TASK_SORT_FIRST + c.sort));
        EXPECT_EQ(ViewMode, kViewTasks);
        EXPECT_EQ(TaskSubjects(), c.subjects);
        EXPECT_EQ(std::wstring(HeaderTitle), c.title);
        EXPECT_EQ(std::wstring(HeaderSecond), c.second);
        const UINT filterCommand = IDM_TASK_FILTER_FIRST + c.filter, sortCommand = IDM_TASK_SORT_FIRST + c.sort;
        EXPECT_EQ(Checked(ItemMenu::TaskFilter), std::vector<UINT>{filterCommand});
        EXPECT_EQ(Checked(ItemMenu::TaskSort), std::vector<UINT>{sortCommand});
    }
    EXPECT_EQ(TaskRows[0].importance, L'1');  // 가, by start
    EXPECT_EQ(TaskRows[2].importance, L'3');
}

class TodayMemoViewTest : public TodayTest {
protected:
    void AddMemo(int id, const wchar_t* date, const wchar_t* category, const wchar_t* title)
    {
        wchar_t categoryText[64];
        wcscpy(categoryText, category);
        InsertNoteRecord(id, date, categoryText, title, 0);
    }
};

TEST_F(TodayMemoViewTest, OwnMemosByDateFilterCategoryAndSortKey)
{
    Settings.MemoSource = 1;
    AddMemo(10001, L"2024-05-07", L"업무", L"회의록");
    AddMemo(10002, L"2024-05-01", L"", L"장보기");
    AddMemo(10003, L"2024-06-01", L"개인", L"여행");
    AddMemo(10004, L"2024-03-01", L"업무", L"옛날");
    AddMemo(10005, L"2024-04-07", L"개인", L"한달전");
    struct Case {
        UINT command;
        std::vector<std::wstring> titles;
        const wchar_t* title;
    };
    const Case byDate[] = {
        {IDM_MEMO_FILTER_ALL, {L"여행", L"회의록", L"장보기", L"한달전", L"옛날"}, L"모든 메모"},
        {IDM_MEMO_FILTER_FIRST, {L"회의록"}, L"오늘 메모"},
        {IDM_MEMO_FILTER_FIRST + 1, {L"회의록", L"장보기"}, L"지난 7일간 메모"},
        {IDM_MEMO_FILTER_FIRST + 2, {L"회의록", L"장보기", L"한달전"}, L"지난 31일간 메모"},
        {IDM_MEMO_FILTER_FIRST + 3, {L"옛날"}, L"31일 지난 메모"},
        {IDM_MEMO_FILTER_FIRST + 4, {L"여행"}, L"미래 메모"},
    };
    EXPECT_TRUE(OnItemCommand(IDM_MEMOS_BY_DATE));
    for (const Case& c : byDate) {
        SCOPED_TRACE(c.command);
        EXPECT_TRUE(OnItemCommand(c.command));
        EXPECT_EQ(MemoTitles(), c.titles);
        EXPECT_EQ(std::wstring(HeaderTitle), c.title);
        EXPECT_EQ(std::wstring(HeaderSecond), L"일자별");
        EXPECT_EQ(Checked(ItemMenu::MemoFilter), std::vector<UINT>{c.command});
    }

    EXPECT_TRUE(OnItemCommand(IDM_MEMOS_BY_GROUP));
    EXPECT_EQ(MemoGroupNames(), (std::vector<std::wstring>{L"전체", L"개인", L"업무", L"분류없음"}));
    EXPECT_EQ(std::wstring(HeaderTitle), L"전체");
    EXPECT_EQ(std::wstring(HeaderSecond), L"분류별");
    EXPECT_EQ(MemoRowCount, 5);
    EXPECT_TRUE(OnItemCommand(IDM_MEMO_GROUP_FIRST + 2));
    EXPECT_EQ(MemoTitles(), (std::vector<std::wstring>{L"회의록", L"옛날"}));
    EXPECT_EQ(std::wstring(HeaderTitle), L"업무");
    EXPECT_EQ(Checked(ItemMenu::MemoGroups), std::vector<UINT>{IDM_MEMO_GROUP_FIRST + 2});
    EXPECT_TRUE(OnItemCommand(IDM_MEMO_GROUP_FIRST + 3));
    EXPECT_EQ(MemoTitles(), std::vector<std::wstring>{L"장보기"});
    EXPECT_EQ(std::wstring(MemoRows[0].group), L"");

    EXPECT_TRUE(OnItemCommand(IDM_MEMO_GROUP_FIRST));
    EXPECT_TRUE(OnItemCommand(IDM_MEMO_SORT_TITLE));
    EXPECT_EQ(MemoTitles(), (std::vector<std::wstring>{L"여행", L"옛날", L"장보기", L"한달전", L"회의록"}));
    EXPECT_EQ(Checked(ItemMenu::MemoGrouping), (std::vector<UINT>{IDM_MEMOS_BY_GROUP, IDM_MEMO_SORT_TITLE}));
    EXPECT_EQ(MemoRows[0].memoId, 10003);
}

TEST_F(TodayMemoViewTest, TheMemoViewHoldsAThousandRows)
{
    Settings.MemoSource = 1;
    for (int i = 0; i < kMaxTodayRows + 5; ++i)
        AddMemo(20000 + i, L"2024-05-01", L"", L"메모");
    ViewMode = kViewMemos;
    ShowCurrentView();
    EXPECT_EQ(MemoRowCount, kMaxTodayRows);
}

void WriteNote(const std::wstring& path, int year, int month, int day)
{
    testkit::WriteFileBytes(path, {1, 2, 3});
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = 12;
    FILETIME written = {};
    SystemTimeToFileTime(&time, &written);
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
}

TEST_F(TodayMemoViewTest, NotesFilesOfTheDocumentFolderAndTheCards)
{
    Settings.MemoSource = 2;
    CreateDirectoryW(L"\\My Documents\\업무", nullptr);
    CreateDirectoryW(L"\\Storage Card\\카드", nullptr);
    WriteNote(L"\\My Documents\\업무\\주간.pwi", 2024, 5, 6);
    WriteNote(L"\\My Documents\\메모.pwi", 2024, 5, 7);
    WriteNote(L"\\My Documents\\서식 파일\\양식.pwi", 2024, 5, 7);
    WriteNote(L"\\Storage Card\\카드메모.pwi", 2024, 4, 1);
    WriteNote(L"\\Storage Card\\카드\\깊은.pwi", 2024, 5, 2);
    WriteNote(L"\\My Documents\\그림.bmp", 2024, 5, 7);

    EXPECT_TRUE(OnItemCommand(IDM_MEMOS_BY_DATE));
    EXPECT_EQ(MemoTitles(), (std::vector<std::wstring>{L"메모", L"주간", L"깊은", L"카드메모"}));
    EXPECT_EQ(std::wstring(MemoRows[1].folder), L"\\My Documents\\업무");
    EXPECT_EQ(std::wstring(MemoRows[1].group), L"업무");
    EXPECT_EQ(std::wstring(MemoRows[1].dateText), L"2024-05-06");
    EXPECT_EQ(MemoRows[1].memoId, 0);
    EXPECT_TRUE(OnItemCommand(IDM_MEMO_FILTER_FIRST + 1));  // the last 7 days
    EXPECT_EQ(MemoTitles(), (std::vector<std::wstring>{L"메모", L"주간", L"깊은"}));

    EXPECT_TRUE(OnItemCommand(IDM_MEMOS_BY_GROUP));
    EXPECT_EQ(std::wstring(HeaderSecond), L"폴더별");
    EXPECT_EQ(std::wstring(HeaderTitle), L"모든 폴더");
    std::vector<std::wstring> groups = MemoGroupNames();
    ASSERT_EQ(groups.size(), 4u);
    int templates = -1;
    for (int i = 0; i < MemoGroupCount; ++i)
        if (groups[i] == L"서식 파일")
            templates = i;
    ASSERT_GT(templates, 0);
    EXPECT_TRUE(OnItemCommand(IDM_MEMO_GROUP_FIRST + templates));
    EXPECT_EQ(MemoTitles(), std::vector<std::wstring>{L"양식"});
    EXPECT_EQ(std::wstring(MemoRows[0].folder), L"\\My Documents\\서식 파일");
    for (const wchar_t* note : {L"\\My Documents\\업무\\주간.pwi", L"\\My Documents\\메모.pwi",
                                L"\\My Documents\\서식 파일\\양식.pwi", L"\\Storage Card\\카드메모.pwi",
                                L"\\Storage Card\\카드\\깊은.pwi", L"\\My Documents\\그림.bmp"})
        DeleteFileW(note);
    RemoveDirectoryW(L"\\My Documents\\업무");
    RemoveDirectoryW(L"\\Storage Card\\카드");
}

// The day texts of the month grid, week by week ("." for no day).
std::vector<std::wstring> MonthDays()
{
    std::vector<std::wstring> weeks;
    for (int week = 0; week < MonthWeeks; ++week) {
        std::wstring line;
        for (const MonthCell& cell : MonthCells[week])
            line += (cell.dayText[0] ? std::wstring(cell.dayText) : L".") + L" ";
        weeks.push_back(line);
    }
    return weeks;
}

TEST_F(TodayViewsTest, TheMonthInWeeksWithMarks)
{
    AddAppointment({L"치과", Date(2024, 5, 9, 10, 0), Date(2024, 5, 9, 11, 0)});
    AddAppointment({L"출장", Date(2024, 5, 14, 9, 0), Date(2024, 5, 16, 18, 0)});
    AddAppointment({L"야간", Date(2024, 5, 30, 22, 0), Date(2024, 5, 31, 0, 0)});
    AddTask({L"보고서", Date(2024, 5, 1), Date(2024, 5, 20)});
    InsertHolidayRecord(1, L"2024-05-15", L"석가탄신일", L"04/08");
    EXPECT_TRUE(OnItemCommand(IDM_MONTH_FIRST + 4));
    EXPECT_EQ(ViewMode, kViewMonth);
    EXPECT_EQ(std::wstring(HeaderTitle), L"2024년 5월");
    EXPECT_EQ(MonthDays(), (std::vector<std::wstring>{
                               L". . . 1 2 3 4 ", L"5 6 7 8 9 10 11 ", L"12 13 14 15 16 17 18 ",
                               L"19 20 21 22 23 24 25 ", L"26 27 28 29 30 31 . "}));
    EXPECT_EQ(RowCount, 6);
    std::wstring marked;
    for (int week = 0; week < MonthWeeks; ++week)
        for (const MonthCell& cell : MonthCells[week])
            if (cell.marked)
                marked += std::wstring(cell.dayText) + L" ";
    EXPECT_EQ(marked, L"9 14 15 16 20 30 ");
    EXPECT_TRUE(MonthCells[2][3].holiday);  // 15
    EXPECT_TRUE(MonthCells[1][0].sunday);   // 5
    EXPECT_EQ(Checked(ItemMenu::Months), std::vector<UINT>{IDM_MONTH_FIRST + 4});

    Settings.WeekStart = 1;
    EXPECT_TRUE(OnItemCommand(IDM_MONTH_FIRST + 5));
    EXPECT_EQ(std::wstring(HeaderTitle), L"2024년 6월");
    EXPECT_EQ(MonthDays().front(), L". . . . . 1 2 ");
    EXPECT_EQ(MonthWeeks, 5);
    Settings.WeekStart = 0;
    ShowMonthMode();
    EXPECT_EQ(MonthWeeks, 6);
}

TEST_F(TodayViewsTest, SpanCommandsChooseTheDaysAndShowTheSchedule)
{
    ViewMode = kViewMonth;
    const int days[] = {1, 2, 3, 5, 7, 14, 31};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(days[i]);
        EXPECT_TRUE(OnItemCommand(IDM_SPAN_FIRST + i));
        EXPECT_EQ(ViewMode, kViewSchedule);
        EXPECT_EQ(ScheduleWindowEnd - ScheduleWindowStart, days[i] - 1);
        EXPECT_EQ(Checked(ItemMenu::Span), std::vector<UINT>{static_cast<UINT>(IDM_SPAN_FIRST + i)});
    }
    EXPECT_EQ(std::wstring(HeaderTitle), L"5/7 ~ 6/6");
    EXPECT_TRUE(OnItemCommand(IDM_PICK_DATE));  // the pick-date pop-up (tests/popups)
    EXPECT_FALSE(OnItemCommand(12345));
}

TEST_F(TodayViewsTest, KeysMoveBetweenTheViews)
{
    struct Case {
        int from;
        WPARAM key;
        int answer;
        int to;
    };
    const Case cases[] = {
        {kViewMonth, VK_LEFT, 1, kViewMemos},   {kViewMemos, VK_RIGHT, 1, kViewMonth},
        {kViewSchedule, VK_LEFT, 1, kViewMonth}, {kViewSchedule, VK_RIGHT, 1, kViewTasks},
        {kViewTasks, VK_UP, 0, kViewTasks},       {kViewTasks, VK_DOWN, 0, kViewTasks},
        {kViewTasks, VK_RETURN, 1, kViewTasks},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from * 1000 + static_cast<int>(c.key));
        ShowView(c.from);
        EXPECT_EQ(NavigateByKey(c.key), c.answer);
        EXPECT_EQ(ViewMode, c.to);
        std::vector<uint8_t> saved = testkit::ReadFileBytes(L"\\Windows\\GlimmorM.ini");
        EXPECT_EQ(std::string(saved.begin(), saved.end()), " " + std::to_string(c.to));
    }
}

}  // namespace
