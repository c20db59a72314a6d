#include "today/task_toggle.h"

#include "core/link_tables.h"
#include "today/current_item.h"
#include "today/outlook_items.h"
#include "today/view_switch.h"

namespace {

bool IsRecurrenceType(long type)
{
    switch (type) {
    case olRecursDaily:
    case olRecursWeekly:
    case olRecursMonthly:
    case olRecursMonthNth:
    case olRecursYearly:
    case olRecursYearNth:
        return true;
    default:
        return false;
    }
}

bool Save(ITask* task)
{
    return SUCCEEDED(task->Save());
}

bool SetCompleteAndSave(ITask* task, bool complete)
{
    task->put_Complete(complete ? VARIANT_TRUE : VARIANT_FALSE);
    return Save(task);
}

// Saving a recurring task done stores the done occurrence as a task of its
// own (the id the object then has) and moves the series on; both stay
// linked to the contact. The links change only when both saves went
// through and the occurrence has an id of its own.
bool CompleteLinkedSeries(ITask* task, CEOID series, CEOID contact)
{
    if (!Save(task) || !SetCompleteAndSave(task, true))
        return false;
    long completed = 0;
    task->get_Oid(&completed);
    if (completed != 0 && static_cast<CEOID>(completed) != series) {
        DeleteTaskLink(series);
        AddTaskLink(contact, series);
        AddTaskLink(contact, static_cast<CEOID>(completed));
    }
    return true;
}

bool CompleteTask(ITask* task, CEOID oid)
{
    long type = olRecursNone;
    IRecurrencePattern* pattern = nullptr;
    if (SUCCEEDED(task->GetRecurrencePattern(&pattern)) && pattern)
        pattern->get_RecurrenceType(&type);
    bool saved;
    wchar_t name[kLinkedNameChars];
    const CEOID contact = IsRecurrenceType(type) ? GetTaskLinkContact(oid, name, kLinkedNameChars) : 0;
    if (contact != 0)
        saved = CompleteLinkedSeries(task, oid, contact);
    else
        saved = SetCompleteAndSave(task, true);
    if (pattern)
        pattern->Release();
    return saved;
}

}  // namespace

void ToggleTodayTaskComplete(int entry)
{
    const CurrentItem item = CurrentItemOfRow(entry);
    if (item.kind != CurrentItemKind::Task || item.objectId == 0)
        return;
    ITask* task = OutlookItem<ITask>(item.objectId, IID_ITask);
    if (!task)
        return;
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    const bool saved = complete ? SetCompleteAndSave(task, false) : CompleteTask(task, item.objectId);
    task->Release();
    if (!saved) {
        NKDbgPrintfW(L"Glimmor: task %u not saved; its mark stays\r\n", item.objectId);
        return;
    }
    RebuildCurrentView();
}
