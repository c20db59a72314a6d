// The task view and the contact card's task panel in the running main
// window: filters and sorts through Pocket Outlook, overdue tasks over the
// posed device date, linked names, the card's linked tasks, each list with
// its own rows, reselection and the preview.
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/short_date_restrict.h"
#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "core/outlook_watch.h"
#include "lists/item_list_state.h"
#include "lists/state.h"
#include "lists/task_lists.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"
#include "tests/lists/list_window.h"
#include "tests/support/box_watch.h"

#include <string>
#include <vector>

namespace liststest {
namespace {

using Texts = std::vector<std::wstring>;

void DeleteAllTasks()
{
    ComRef<IFolder> folder;
    ComRef<IPOutlookItemCollection> items;
    ASSERT_TRUE(SUCCEEDED(OutlookApp->GetDefaultFolder(olFolderTasks, folder.Out())));
    ASSERT_TRUE(SUCCEEDED(folder->get_Items(items.Out())));
    int count = 0;
    items->get_Count(&count);
    for (int position = count; position >= 1; --position) {
        ComRef<IDispatch> item;
        ComRef<ITask> task;
        if (SUCCEEDED(items->Item(position, item.Out())) &&
            SUCCEEDED(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(task.Out()))))
            task->Delete();
    }
}

class TaskViewTest : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        DeleteAllTasks();
        DropTaskLinkDatabase();
        CreateTaskLinkDatabase();
        ASSERT_TRUE(testkit::PoseDeviceTime(2007, 5, 10, 9, 0));
        contact_ = MakeContact(L"김", L"영희");
        late_ = MakeTask(L"늦은 일", L"2007-05-02", L"2007-05-09");
        today_ = MakeTask(L"오늘 일", L"2007-05-08", L"2007-05-10", 2);
        done_ = MakeTask(L"끝난 일", L"", L"2007-05-01", 0, true);
        undated_ = MakeTask(L"언젠가", L"", L"");
        AddTaskLink(contact_, late_);
        AddTaskLink(contact_, done_);
        TaskToReselect = 0;
        DetailMode[kTaskDetail] = 'M';
        ShowView(kTaskView);
    }

    void LoadView(const wchar_t* filter, const wchar_t* sort)
    {
        wcscpy(TaskFilterChoice, filter);
        wcscpy(TaskSortChoice, sort);
        LoadTaskList();
    }

    void LoadCard(const wchar_t* filter, const wchar_t* sort)
    {
        SelectedContactOid = contact_;
        SetWindowTextW(CardTaskFilterHeading, filter);
        SetWindowTextW(CardTaskSortHeading, sort);
        LoadContactTaskList();
    }

    CEOID contact_ = 0, late_ = 0, today_ = 0, done_ = 0, undated_ = 0;
};

TEST_F(TaskViewTest, FiltersSortsAndOverdue)
{
    struct Case {
        const wchar_t *filter, *sort;
        Texts rows;  // subject|due
    };
    const Case cases[] = {
        {L"모든 작업", L"기한",
         {L"끝난 일|07-05-01", L"늦은 일|07-05-09", L"오늘 일|07-05-10", L"언젠가|"}},
        {L"진행중인 작업", L"기한", {L"늦은 일|07-05-09", L"오늘 일|07-05-10", L"언젠가|"}},
        {L"완료된 작업", L"제목", {L"끝난 일|07-05-01"}},
        {L"지연된 작업", L"기한", {L"늦은 일|07-05-09"}},
        {L"모든 작업", L"우선 순위",
         {L"오늘 일|07-05-10", L"늦은 일|07-05-09", L"언젠가|", L"끝난 일|07-05-01"}},
        {L"모든 작업", L"상태",
         {L"늦은 일|07-05-09", L"언젠가|", L"오늘 일|07-05-10", L"끝난 일|07-05-01"}},
        {L"모든 작업", L"시작 날짜",
         {L"늦은 일|07-05-09", L"오늘 일|07-05-10", L"끝난 일|07-05-01", L"언젠가|"}},
        // The state at start: the collection's subject order.
        {L"", L"", {L"끝난 일|07-05-01", L"늦은 일|07-05-09", L"언젠가|", L"오늘 일|07-05-10"}},
    };
    wchar_t shortDate[32] = L"";
    CeGetSystemShortDateFormat(shortDate, 32);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.filter) + L" / " + c.sort));
        LoadView(c.filter, c.sort);
        EXPECT_EQ(ListRows(TaskList, 2), c.rows);
        EXPECT_EQ(TaskViewRowCount, static_cast<int>(c.rows.size()));
    }
    // The overdue restriction put the system's short date back.
    wchar_t after[32] = L"";
    CeGetSystemShortDateFormat(after, 32);
    EXPECT_STREQ(after, shortDate);

    LoadView(L"모든 작업", L"기한");
    for (int p = 0; p < TaskViewRows.Count(); ++p) {
        const TaskListRow& row = *TaskViewRows.At(p);
        SCOPED_TRACE(testing::PrintToString(row.subject));
        EXPECT_EQ(row.overdue, row.oid == late_ ? L'T' : L'F');
        EXPECT_EQ(row.contactName, row.oid == late_ || row.oid == done_ ? L"김영희" : L"");
        EXPECT_EQ(testkit::ListViewText(TaskList, p, 2), std::to_wstring(row.oid));
    }
}

// The overdue query swaps the short date through the one shared swap: it
// waits while the Today item (here a thread) holds the swap with the
// restriction's format set, and the user's format is back afterwards.
TEST_F(TaskViewTest, OverdueWaitsWhileTheSwapIsHeldElsewhere)
{
    wchar_t user[32] = L"";
    CeGetSystemShortDateFormat(user, 32);
    struct Holder {
        HANDLE taken;
        const wchar_t* user;
    } holder = {CreateEventW(nullptr, TRUE, FALSE, nullptr), user};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* parameter) -> DWORD {
            auto* holding = static_cast<Holder*>(parameter);
            HANDLE mutex = CreateMutexW(nullptr, TRUE, kShortDateSwapMutex);
            SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, kRestrictShortDate);
            SetEvent(holding->taken);
            Sleep(400);
            SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, holding->user);
            ReleaseMutex(mutex);
            CloseHandle(mutex);
            return 0;
        },
        &holder, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(holder.taken, 5000), WAIT_OBJECT_0);
    const DWORD start = GetTickCount();
    LoadView(L"지연된 작업", L"기한");
    EXPECT_GE(GetTickCount() - start, 300u);
    EXPECT_EQ(ListRows(TaskList, 2), Texts{L"늦은 일|07-05-09"});
    EXPECT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    CloseHandle(thread);
    CloseHandle(holder.taken);
    wchar_t after[32] = L"";
    CeGetSystemShortDateFormat(after, 32);
    EXPECT_STREQ(after, user);
}

TEST_F(TaskViewTest, CardListsLinkedTasksAndEachListKeepsItsRows)
{
    LoadView(L"모든 작업", L"기한");
    LoadCard(L"완료▽", L"우선순위▽");
    EXPECT_EQ(FirstColumn(CardTaskList), Texts({L"끝난 일"}));
    LoadCard(L"모든▽", L"기한▽");
    EXPECT_EQ(ListRows(CardTaskList, 2), Texts({L"끝난 일|07-05-01", L"늦은 일|07-05-09"}));
    EXPECT_EQ(CardTaskRowCount, 2);
    for (int p = 0; p < CardTaskRows.Count(); ++p)
        EXPECT_EQ(CardTaskRows.At(p)->contactName, L"");
    LoadCard(L"지연▽", L"기한▽");
    EXPECT_EQ(FirstColumn(CardTaskList), Texts({L"늦은 일"}));

    // The task view's rows outlived the card's loads, and the reverse.
    ASSERT_EQ(TaskViewRows.Count(), 4);
    EXPECT_EQ(TaskViewRows.At(3)->subject, L"언젠가");
    LoadView(L"완료된 작업", L"기한");
    ASSERT_EQ(CardTaskRows.Count(), 1);
    EXPECT_EQ(CardTaskRows.At(0)->subject, L"늦은 일");
}

TEST_F(TaskViewTest, ReselectionAndClamp)
{
    ViewSelection[kTaskView] = 1;
    TaskToReselect = undated_;
    LoadView(L"모든 작업", L"기한");
    EXPECT_EQ(ViewSelection[kTaskView], 3);
    EXPECT_EQ(testkit::ListViewSelection(TaskList), 3);
    // Not listed: the remembered row, clamped to the list.
    TaskToReselect = done_;
    LoadView(L"진행중인 작업", L"기한");
    EXPECT_EQ(testkit::ListViewSelection(TaskList), 0);
    ViewSelection[kTaskView] = 2;
    TaskToReselect = done_;  // the row selected above became the one to select again
    LoadView(L"진행중인 작업", L"기한");
    EXPECT_EQ(testkit::ListViewSelection(TaskList), 2);
}

// The detail of the selected task, as its button shows it: the title shown.
std::wstring DetailTitleShown()
{
    SendItemCommand(ID_TASK_DETAIL);
    std::wstring title = testkit::WindowText(DetailTitleLabel);
    SendItemCommand(ID_TASK_BACK);
    return title;
}

// A tapped task stays the chosen one through the reloads that follow, a
// delete of it and the change watch, whatever task an earlier toggle or
// Today request left to select again: deleting row by row takes the rows in
// turn, and the next command acts on the row shown.
TEST_F(TaskViewTest, ATappedTaskStaysChosenThroughReloads)
{
    // A Today request's task, selected by the view's load.
    TaskToReselect = undated_;
    LoadView(L"모든 작업", L"기한");
    ASSERT_EQ(FirstColumn(TaskList), Texts({L"끝난 일", L"늦은 일", L"오늘 일", L"언젠가"}));
    ASSERT_EQ(testkit::ListViewSelection(TaskList), 3);

    TapRow(TaskList, 0);
    EXPECT_EQ(SelectedTaskOid, done_);
    boxwatch::ArmForThisThread(IDYES);
    SendItemCommand(ID_TASK_DELETE);
    EXPECT_TRUE(boxwatch::Disarm().seen);
    EXPECT_EQ(FirstColumn(TaskList), Texts({L"늦은 일", L"오늘 일", L"언젠가"}));
    EXPECT_EQ(testkit::ListViewSelection(TaskList), 0);
    EXPECT_EQ(SelectedTaskOid, late_);
    EXPECT_EQ(DetailTitleShown(), L"늦은 일");

    TapRow(TaskList, 1);
    EXPECT_EQ(SelectedTaskOid, today_);
    MarkTasksDatabaseSeen();
    MakeTask(L"먼저 할 일", L"", L"2007-05-03");
    for (int tick = 0; tick < 4; ++tick)
        OnOutlookWatchTick();
    EXPECT_EQ(FirstColumn(TaskList), Texts({L"먼저 할 일", L"늦은 일", L"오늘 일", L"언젠가"}));
    EXPECT_EQ(testkit::ListViewSelection(TaskList), 2);
    EXPECT_EQ(SelectedTaskOid, today_);
    EXPECT_EQ(DetailTitleShown(), L"오늘 일");
}

// The card's task panel keeps the task tapped through a reload that moves
// its row.
TEST_F(TaskViewTest, ATappedCardTaskStaysChosenThroughAReload)
{
    TaskToReselect = late_;
    LoadCard(L"모든▽", L"기한▽");
    ASSERT_EQ(FirstColumn(CardTaskList), Texts({L"끝난 일", L"늦은 일"}));
    ASSERT_EQ(testkit::ListViewSelection(CardTaskList), 1);
    ShowWindow(CardTaskList, SW_SHOW);
    TapRow(CardTaskList, 0);
    EXPECT_EQ(SelectedTaskOid, done_);
    AddTaskLink(contact_, MakeTask(L"먼저 할 일", L"", L"2007-04-01"));
    LoadCard(L"모든▽", L"기한▽");
    ShowWindow(CardTaskList, SW_HIDE);
    EXPECT_EQ(FirstColumn(CardTaskList), Texts({L"먼저 할 일", L"끝난 일", L"늦은 일"}));
    EXPECT_EQ(testkit::ListViewSelection(CardTaskList), 1);
    EXPECT_EQ(SelectedTaskOid, done_);
}

TEST_F(TaskViewTest, PreviewOfTheSelectedTask)
{
    {
        ComRef<ITask> task = TaskFromOid(done_);
        task->put_ReminderSet(VARIANT_TRUE);
        task->put_ReminderTime(DateOf(L"2007-04-30 09:00"));
        ASSERT_TRUE(SUCCEEDED(task->Save()));
    }
    LoadView(L"모든 작업", L"기한");
    DetailMode[kTaskDetail] = 'V';
    AssigneeOid = 0;
    SelectedTaskOid = done_;
    ShowTaskPreview();
    EXPECT_EQ(testkit::WindowText(DetailTitleLabel), L"끝난 일");
    EXPECT_EQ(testkit::WindowText(DetailLine3), L"기한: 2007-05-01");
    EXPECT_EQ(testkit::WindowText(DetailSubtitleLabel), L"");
    EXPECT_NE(GetWindowLongW(DetailButtonA, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(GetWindowLongW(DetailButtonB, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_NE(GetWindowLongW(DetailButtonC, GWL_STYLE) & WS_VISIBLE, 0);
    HWND page = GetWindow(DetailInk, GW_CHILD);
    ASSERT_NE(page, nullptr);
    EXPECT_NE(GetWindowLongW(page, GWL_STYLE) & ES_READONLY, 0);
    // A preview leaves the link a new task would take as it was.
    EXPECT_EQ(AssigneeOid, 0u);

    SelectedTaskOid = today_;
    ShowTaskPreview();
    EXPECT_EQ(testkit::WindowText(DetailSubtitleLabel), L"시작: 2007-05-08");
    EXPECT_EQ(GetWindowLongW(DetailButtonA, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(GetWindowLongW(DetailButtonC, GWL_STYLE) & WS_VISIBLE, 0);

    // A task deleted meanwhile clears the pane.
    ComRef<ITask> gone = TaskFromOid(today_);
    ASSERT_TRUE(SUCCEEDED(gone->Delete()));
    ShowTaskPreview();
    EXPECT_EQ(testkit::WindowText(DetailTitleLabel), L"");
    EXPECT_EQ(testkit::WindowText(DetailLine3), L"");
    DetailMode[kTaskDetail] = 'M';
}

TEST_F(TaskViewTest, Screenshot)
{
    LoadView(L"모든 작업", L"기한");
    const testkit::Image image = Shot(L"task-view");
    EXPECT_GT(image.width, 0);
}

}  // namespace
}  // namespace liststest
