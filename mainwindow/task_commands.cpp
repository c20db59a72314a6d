// The task commands of the toolbar window (103xx). They act on the task
// view's list in the task view, else on the contact card's task list.
#include "mainwindow/item_commands.h"

#include "core/item_commands.h"
#include "core/item_form.h"
#include "core/outlook_items.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/hooks.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

const ViewDetail kTaskDetails = {kTaskView, kTaskDetail, ID_TASK_BACK, ID_TASK_DETAIL};
constexpr wchar_t kDeleteQuestion[] = L"작업 자료를 삭제 하시겠습니까?";
constexpr wchar_t kDeleteSeriesQuestion[] = L"'%s'에 대한 되풀이 항목의 모든 작업을 삭제하겠습니까?";
constexpr int kCardTasks = 1;

CommandList Tasks()
{
    return ListOfCommand(kTaskView, kCardTasks);
}

void ReloadTasks()
{
    if (CurrentView == kTaskView) {
        RunHook(Hooks.LoadTaskList);
    } else {
        RunHook(Hooks.LoadContactTaskList);
        ViewStale[kTaskView] = 1;
    }
}

// The selected task into the form. One deleted elsewhere meanwhile is
// reported and leaves its list, and no editor opens on the form.
bool LoadSelectedTask()
{
    if (!Hooks.LoadTaskForm)
        return false;
    if (Hooks.LoadTaskForm())
        return true;
    ReportItemNotFound();
    ReloadTasks();
    Focus(Tasks().list);
    return false;
}

void NewTask(HWND toolbar, UINT)
{
    RunNewItemEditor(toolbar, IDD_TASK_EDITOR, Tasks().list);
}

void EditTask(HWND toolbar, UINT)
{
    CommandList list = Tasks();
    if (RowCount(list.list) == 0)
        return;
    PendingLinkKept link;
    if (!LoadSelectedTask())
        return;
    RunUpdateEditor(toolbar, IDD_TASK_EDITOR, list.list, kTaskDetails);
}

void DeleteTask(HWND, UINT)
{
    CommandList list = Tasks();
    int rowsBefore = RowCount(list.list);
    if (rowsBefore == 0)
        return;
    PendingLinkKept link;
    if (!LoadSelectedTask())
        return;
    bool whole = true;
    if (ItemFormState.RecurrenceCode == L'0') {
        if (AskQuestion(kDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return;
    } else {
        wchar_t question[256];
        StringCchPrintfW(question, ARRAYSIZE(question), kDeleteSeriesQuestion, ItemFormState.Title);
        int answer = AskQuestion(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON3);
        if (answer == IDCANCEL)
            return;
        whole = answer == IDYES;
    }
    if (!(whole ? DeleteOutlookTask(SelectedTaskOid) : SkipTaskOccurrence(SelectedTaskOid))) {
        ReportFailedWrite(__LINE__);
        return;
    }
    *list.selected = SelectionAfterDelete(*list.selected, rowsBefore);
    ReloadTasks();
    Focus(list.list);
    RefreshDetail(kTaskDetails, list.list);
}

void ShowDetail(HWND, UINT)
{
    if (RowCount(TaskList) == 0)
        return;
    DetailMode[kTaskDetail] = 'V';
    RunHook(Hooks.ShowTaskPreview);
    ShowTaskDetail();
    Focus(TaskList);
}

void BackToList(HWND, UINT)
{
    HideTaskDetail();
    DetailMode[kTaskDetail] = 'M';
    if (CurrentView == kTaskView)
        Focus(TaskList);
}

void StepRow(HWND, UINT command)
{
    if (CurrentView == kTaskView && TaskList)
        SendMessageW(TaskList, WM_KEYDOWN, command == ID_TASK_PREVIOUS_ROW ? VK_UP : VK_DOWN, 0);
}

void ToggleDone(HWND, UINT)
{
    // A task gone meanwhile only leaves the list; one that is there and kept
    // its state is a failure.
    if (!ToggleTaskComplete(SelectedTaskOid) && TaskFromOid(SelectedTaskOid))
        ReportFailedWrite(__LINE__);
    ReloadTasks();
    Focus(Tasks().list);
}

void ShowInOutlook(HWND, UINT)
{
    if (RowCount(TaskList) == 0)
        return;
    ShowOutlookTask(SelectedTaskOid);
    Focus(TaskList);
}

void NewInOutlook(HWND, UINT)
{
    NewOutlookTask();
    Focus(TaskList);
}

const ItemCommandEntry kTaskCommands[] = {
    {ID_TASK_NEW, NewTask},
    {ID_TASK_EDIT, EditTask},
    {ID_TASK_DELETE, DeleteTask},
    {ID_TASK_DETAIL, ShowDetail},
    {ID_TASK_DIAL_MOBILE, RunLinkedContactCommand},
    {ID_TASK_DIAL_HOME, RunLinkedContactCommand},
    {ID_TASK_MAIL, RunLinkedContactCommand},
    {ID_TASK_BACK, BackToList},
    {ID_TASK_PREVIOUS_ROW, StepRow},
    {ID_TASK_NEXT_ROW, StepRow},
    {ID_TASK_TOGGLE_DONE, ToggleDone},
    {ID_TASK_SHOW_OUTLOOK, ShowInOutlook},
    {ID_TASK_NEW_OUTLOOK, NewInOutlook},
    {ID_TASK_DIAL_BUSINESS, RunLinkedContactCommand},
};

}  // namespace

std::span<const ItemCommandEntry> TaskCommands()
{
    return kTaskCommands;
}
