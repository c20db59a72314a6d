#include "mainwindow/list_clicks.h"

#include "lists/contact_filters.h"
#include "lists/item_list_state.h"
#include "lists/list_refill.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"

namespace {

constexpr int kCheckBoxLeft = 2;    // exclusive
constexpr int kCheckBoxRight = 11;  // exclusive
constexpr int kCheckBoxTop = 3;
constexpr int kCheckBoxBottom = 10;

void Focus(HWND list)
{
    if (list)
        SetFocus(list);
}

// The governed list refilled, the pick row kept selected, the focus there.
void PickClicked(HWND pick, int row, void (*refill)(), HWND governed)
{
    refill();
    SelectListRow(pick, row);
    Focus(governed);
}

}  // namespace

bool OnTaskCheckBox(POINT at, int rowsHeld)
{
    int inRow = at.y % kTaskRowHeight;
    return at.x > kCheckBoxLeft && at.x < kCheckBoxRight && inRow >= kCheckBoxTop && inRow <= kCheckBoxBottom &&
           at.y >= 0 && at.y < rowsHeld * kTaskRowHeight;
}

void RefillCompanyContacts()
{
    FilterContactsByCompany();
}

void RefillGroupContacts()
{
    FilterContactsByGroup();
}

void RefillAnniversaries()
{
    RunHook(Hooks.LoadAnniversaryList);
}

void RefillTasks()
{
    RunHook(Hooks.LoadTaskList);
}

void RefillMemos()
{
    RunHook(Hooks.FillMemoCategoryPickList);
    RunHook(Hooks.LoadMemoList);
}

void CompanyPickClicked(HWND list, POINT)
{
    PickClicked(list, CompanyRow, RefillCompanyContacts, CompanyContactList);
}

void GroupPickClicked(HWND list, POINT)
{
    PickClicked(list, GroupRow, RefillGroupContacts, GroupContactList);
}

void AnniversaryKindClicked(HWND list, POINT)
{
    PickClicked(list, AnniversaryKindRow, RefillAnniversaries, AnniversaryList);
}

void TaskFilterClicked(HWND list, POINT)
{
    PickClicked(list, TaskFilterIndex, RefillTasks, TaskList);
}

void TaskSortClicked(HWND, POINT)
{
    RunHook(Hooks.LoadTaskList);
    RunHook(Hooks.FillTaskSortPickList);
    Focus(TaskList);
}

void MemoPickClicked(HWND, POINT)
{
    RunHook(Hooks.LoadMemoList);
    RunHook(Hooks.FillMemoCategoryPickList);
    Focus(MemoList);
}

void TaskListClicked(HWND list, POINT at)
{
    // Each task list holds its own rows. The click has selected the row
    // already, so the command acts on it.
    const int rows = list == CardTaskList ? CardTaskRowCount : TaskViewRowCount;
    if (OnTaskCheckBox(at, rows)) {
        SendItemCommand(ID_TASK_TOGGLE_DONE);
        return;
    }
    if (DetailMode[kTaskDetail] == 'V')
        RunHook(Hooks.ShowTaskPreview);
}

void ScheduleListClicked(HWND, POINT)
{
    if (DetailMode[kScheduleDetail] == 'V')
        RunHook(Hooks.ShowSchedulePreview);
}

void MemoListClicked(HWND, POINT)
{
    if (DetailMode[kMemoDetail] == 'V')
        RunHook(Hooks.ShowMemoBody);
}
