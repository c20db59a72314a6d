#include "lists/task_lists.h"

#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/short_date_restrict.h"
#include "core/wait_cursor.h"
#include "lists/list_refill.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/list_fill.h"
#include "mainwindow/state.h"

#include <commctrl.h>

namespace {

constexpr int kTaskColumns = 3;
constexpr int kTaskPanel = 1;
constexpr int kHeadingChars = 101;
constexpr int kRestrictDateChars = 9;

std::vector<std::wstring> Texts(const wchar_t* const* texts, int count)
{
    return std::vector<std::wstring>(texts, texts + count);
}

// Today at 00:00 as the object model counts dates.
DATE Today()
{
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    SYSTEMTIME midnight = {};
    midnight.wYear = today.wYear;
    midnight.wMonth = today.wMonth;
    midnight.wDay = today.wDay;
    DATE date = 0;
    OutlookApp->SystemTimeToVariantTime(&midnight, &date);
    return date;
}

// The tasks folder's items; empty when Pocket Outlook gives none.
ComRef<IPOutlookItemCollection> TaskFolderItems()
{
    ComRef<IFolder> folder;
    ComRef<IPOutlookItemCollection> items;
    if (OutlookApp && SUCCEEDED(OutlookApp->GetDefaultFolder(olFolderTasks, folder.Out())) && folder)
        folder->get_Items(items.Out());
    return items;
}

// The collection sorted, then restricted by the choices. The overdue
// restriction names today in the restriction's short-date form, so it goes
// through the one short-date swap.
ComRef<IPOutlookItemCollection> SortedAndRestricted(IPOutlookItemCollection* items, TaskFilter filter, TaskSort sort)
{
    items->Sort(TextArg(TaskSortProperty(sort)), TaskSortDescending(sort) ? VARIANT_TRUE : VARIANT_FALSE);
    ComRef<IPOutlookItemCollection> restricted;
    if (!TaskRestrictionHasDate(filter)) {
        items->Restrict(TextArg(TaskRestriction(filter, nullptr).c_str()), restricted.Out());
        return restricted;
    }
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    wchar_t today[kRestrictDateChars] = L"";
    FormatRestrictDate(today, ARRAYSIZE(today), now.wYear, now.wMonth, now.wDay);
    RestrictWithShortDates(items, TaskRestriction(filter, today).c_str(), restricted.Out());
    return restricted;
}

TaskFacts ReadTaskFacts(ITask* task)
{
    TaskFacts facts;
    OwnedText subject;
    task->get_Subject(subject.Out());
    facts.subject = subject.Get();
    task->get_StartDate(&facts.startDate);
    task->get_DueDate(&facts.dueDate);
    task->get_Importance(&facts.importance);
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    facts.complete = complete != VARIANT_FALSE;
    facts.oid = OidOf(task);
    return facts;
}

// Reads the rows of the restricted collection into the table: every task,
// with its linked contact's name, or (linkedTo non-zero) only the tasks
// linked to that contact, without names.
void ReadTaskRows(IPOutlookItemCollection* items, TaskSort sort, CEOID linkedTo, TaskRowTable* table)
{
    int count = 0;
    items->get_Count(&count);
    const DATE today = Today();
    for (int position = 1; position <= count && !table->Full(); ++position) {
        ComRef<IDispatch> item;
        ComRef<ITask> task;
        if (FAILED(items->Item(position, item.Out())) || !item ||
            FAILED(item->QueryInterface(IID_ITask, reinterpret_cast<void**>(task.Out()))) || !task)
            continue;
        TaskListRow row = MakeTaskRow(ReadTaskFacts(task.Get()), sort, today);
        if (linkedTo) {
            if (!IsTaskLinkedToContact(linkedTo, row.oid))
                continue;
        } else {
            wchar_t name[kAssigneeNameChars] = L"";
            GetTaskLinkContact(row.oid, name, ARRAYSIZE(name));
            row.contactName = name;
        }
        table->Add(std::move(row));
    }
}

// Fills the list from its table, selecting the reselected task's row, else
// the remembered one.
void ShowTaskRows(HWND list, bool shown, const TaskRowTable& table, CEOID reselect, int* selection)
{
    InsertListRows(list, table.Count(), kTaskColumns, [&](int p, int column) -> std::wstring {
        const TaskListRow& row = *table.At(p);
        switch (column) {
        case 0: return row.subject;
        case 1: return row.dueText;
        default: return IdText(static_cast<long>(row.oid));
        }
    });
    for (int p = 0; p < table.Count() && reselect; ++p) {
        if (table.At(p)->oid == reselect)
            *selection = p;
    }
    *selection = ClampRow(*selection, table.Count());
    EndListRefill(list, shown, *selection);
}

std::wstring HeadingText(HWND heading)
{
    wchar_t text[kHeadingChars] = L"";
    if (heading)
        GetWindowTextW(heading, text, ARRAYSIZE(text));
    return text;
}

}  // namespace

void LoadTaskList()
{
    WaitCursor wait;
    const bool shown = BeginListRefill(TaskList);
    TaskViewRows.Clear();
    if (TaskItems)
        TaskItems->Release();
    TaskItems = nullptr;
    const TaskFilter filter = TaskFilterOf(TaskFilterChoice);
    const TaskSort sort = TaskSortOf(TaskSortChoice);
    ComRef<IPOutlookItemCollection> items = TaskFolderItems();
    if (items) {
        ComRef<IPOutlookItemCollection> restricted = SortedAndRestricted(items.Get(), filter, sort);
        if (restricted)
            ReadTaskRows(restricted.Get(), sort, 0, &TaskViewRows);
        // Kept until the next load or the main window's end.
        TaskItems = items.Get();
        TaskItems->AddRef();
    }
    OrderTaskRows(&TaskViewRows, sort);
    TaskViewRowCount = TaskViewRows.Count();
    ShowTaskRows(TaskList, shown, TaskViewRows, TaskToReselect, &ViewSelection[kTaskView]);
}

void LoadContactTaskList()
{
    WaitCursor wait;
    const bool shown = BeginListRefill(CardTaskList);
    CardTaskRows.Clear();
    const std::wstring filterText = HeadingText(CardTaskFilterHeading);
    const std::wstring sortText = HeadingText(CardTaskSortHeading);
    const TaskFilter filter = TaskFilterOf(filterText.c_str());
    const TaskSort sort = TaskSortOf(sortText.c_str());
    ComRef<IPOutlookItemCollection> items = TaskFolderItems();
    if (items && SelectedContactOid) {
        ComRef<IPOutlookItemCollection> restricted = SortedAndRestricted(items.Get(), filter, sort);
        if (restricted)
            ReadTaskRows(restricted.Get(), sort, SelectedContactOid, &CardTaskRows);
    }
    OrderTaskRows(&CardTaskRows, sort);
    CardTaskRowCount = CardTaskRows.Count();
    ShowTaskRows(CardTaskList, shown, CardTaskRows, TaskToReselect, &CardPanelSelection[kTaskPanel]);
}

void FillTaskFilterPickList()
{
    TaskFilterCount = kTaskFilterRows;
    TaskFilterIndex = ClampRow(TaskFilterIndex, TaskFilterCount);
    FillPickList(TaskFilterPickList, Texts(kTaskFilterTexts, kTaskFilterRows), TaskFilterIndex);
}

void FillTaskSortPickList()
{
    TaskSortCount = kTaskSortRows;
    TaskSortIndex = ClampRow(TaskSortIndex, TaskSortCount);
    FillPickList(TaskSortPickList, Texts(kTaskSortTexts, kTaskSortRows), TaskSortIndex, TaskSortIndex);
}
