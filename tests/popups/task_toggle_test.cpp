// A tap on a task's check box: done to not done, a task that does not recur,
// a recurring one without and with a linked contact (then both the series
// and the done occurrence are linked), and a save that fails.
#include "tests/popups/popup_fixture.h"

#include "core/db_access.h"
#include "core/link_tables.h"
#include "core/record_layouts.h"
#include "tests/today/new_items.h"
#include "today/task_toggle.h"

#include <algorithm>
#include <map>

namespace {

using namespace popuptest;
using todaytest::Date;

struct TaskState {
    std::wstring subject;
    bool complete;
    bool recurring;
};

// Every task by object id.
std::map<CEOID, TaskState> Tasks()
{
    std::map<CEOID, TaskState> tasks;
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    if (FAILED(OutlookApp->GetDefaultFolder(olFolderTasks, &folder)) || FAILED(folder->get_Items(&items))) {
        ADD_FAILURE() << "no tasks";
        return tasks;
    }
    folder->Release();
    for (int i = 1;; ++i) {
        IDispatch* dispatch = nullptr;
        if (FAILED(items->Item(i, &dispatch)) || !dispatch)
            break;
        ITask* task = nullptr;
        dispatch->QueryInterface(IID_ITask, reinterpret_cast<void**>(&task));
        dispatch->Release();
        long oid = 0;
        BSTR subject = nullptr;
        VARIANT_BOOL complete = VARIANT_FALSE, recurring = VARIANT_FALSE;
        task->get_Oid(&oid);
        task->get_Subject(&subject);
        task->get_Complete(&complete);
        task->get_IsRecurring(&recurring);
        tasks[static_cast<CEOID>(oid)] = TaskState{subject ? subject : L"", complete != 0, recurring != 0};
        SysFreeString(subject);
        task->Release();
    }
    items->Release();
    return tasks;
}

// Every link of QuillonTask as (task, contact), sorted.
std::vector<std::pair<CEOID, CEOID>> TaskLinks()
{
    std::vector<std::pair<CEOID, CEOID>> links;
    WithOwnDatabase(kTaskLinkDatabase, kUnsorted, [&](HANDLE database) {
        DWORD index = 0;
        CEOID record = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
        OwnRecord read;
        while (record != 0 && read.ReadCurrent(database)) {
            links.emplace_back(static_cast<CEOID>(read.I4(kLinkItem)), static_cast<CEOID>(read.I4(kLinkContact)));
            record = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
    std::sort(links.begin(), links.end());
    return links;
}

class ToggleTest : public PopupTest {
protected:
    void TapCheckOf(const wchar_t* subject) { TapRow(EntryOf(subject), kRowCheck); }
};

TEST_F(ToggleTest, EachKindOfTask)
{
    const CEOID contact = AddContact(L"홍", L"길동");
    const CEOID done = AddTask({L"끝난 일", Date(2024, 5, 1), Date(2024, 5, 7), true});
    const CEOID once = AddTask({L"한 번", Date(2024, 5, 1), Date(2024, 5, 7)});
    const CEOID weekly = AddWeeklyTask(L"주간 보고");
    const CEOID linked = AddWeeklyTask(L"주간 면담");
    AddTaskLink(contact, linked);
    ShowTasks();

    TapCheckOf(L"끝난 일");
    EXPECT_FALSE(Tasks()[done].complete);
    TapCheckOf(L"한 번");
    EXPECT_TRUE(Tasks()[once].complete);
    EXPECT_EQ(Tasks().size(), 4u);

    // Recurring without a link: the object model splits it, no links.
    TapCheckOf(L"주간 보고");
    std::map<CEOID, TaskState> tasks = Tasks();
    EXPECT_EQ(tasks.size(), 5u);
    EXPECT_FALSE(tasks[weekly].complete);
    EXPECT_TRUE(tasks[weekly].recurring);
    EXPECT_EQ((TaskLinks()), (std::vector<std::pair<CEOID, CEOID>>{{linked, contact}}));

    // Recurring with a link: the done occurrence and the series both linked.
    TapCheckOf(L"주간 면담");
    tasks = Tasks();
    ASSERT_EQ(tasks.size(), 6u);
    CEOID occurrence = 0;
    for (const auto& [oid, task] : tasks) {
        if (task.subject == L"주간 면담" && oid != linked)
            occurrence = oid;
    }
    ASSERT_NE(occurrence, 0u);
    EXPECT_TRUE(tasks[occurrence].complete);
    EXPECT_FALSE(tasks[occurrence].recurring);
    EXPECT_FALSE(tasks[linked].complete);
    EXPECT_TRUE(tasks[linked].recurring);
    std::vector<std::pair<CEOID, CEOID>> expected = {{linked, contact}, {occurrence, contact}};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(TaskLinks(), expected);

    // The view was reloaded: the rows show the new marks.
    EXPECT_EQ(TaskRows[EntryOf(L"한 번")].complete, L'T');
    EXPECT_EQ(TaskRows[EntryOf(L"끝난 일")].complete, L'F');
}

TEST_F(ToggleTest, ATaskRowOfTheScheduleView)
{
    const CEOID task = AddTask({L"보고서", Date(2024, 5, 1), Date(2024, 5, 7)});
    ShowSchedule(0);
    TapCheckOf(L"보고서");
    EXPECT_TRUE(Tasks()[task].complete);
    EXPECT_EQ(ScheduleRows[EntryOf(L"보고서")].complete, L'T');
}

TEST_F(ToggleTest, AFailedSaveKeepsTheMarkAndTheLinks)
{
    const CEOID contact = AddContact(L"홍", L"길동");
    AddTask({L"끝난 일", Date(2024, 5, 1), Date(2024, 5, 7), true});
    AddTask({L"한 번", Date(2024, 5, 1), Date(2024, 5, 7)});
    const CEOID linked = AddWeeklyTask(L"주간 면담");
    AddTaskLink(contact, linked);
    ShowTasks();
    const std::map<CEOID, TaskState> before = Tasks();
    const auto linksBefore = TaskLinks();
    for (const wchar_t* subject : {L"끝난 일", L"한 번", L"주간 면담"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(subject)));
        const int entry = EntryOf(subject);
        const wchar_t mark = TaskRows[entry].complete;
        CeStoreFailNextChange(L"Tasks Database", ERROR_DISK_FULL);
        TapCheckOf(subject);
        CeStoreFailNextChange(nullptr, 0);
        EXPECT_EQ(TaskRows[entry].complete, mark);
        const std::map<CEOID, TaskState> after = Tasks();
        ASSERT_EQ(after.size(), before.size());
        for (const auto& [oid, task] : before)
            EXPECT_EQ(after.at(oid).complete, task.complete) << oid;
        EXPECT_EQ(TaskLinks(), linksBefore);
    }
}

}  // namespace
