#include "core/item_commands.h"

#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/outlook_probes.h"

CEOID TaskToReselect = 0;

namespace {

template <class T>
bool DeleteItem(const ComRef<T>& item, void (*markSeen)())
{
    if (!item || FAILED(item->Delete()))
        return false;
    markSeen();
    return true;
}

template <class T>
bool DisplayItem(const ComRef<T>& item)
{
    return item && SUCCEEDED(item->Display());
}

bool IsRecurring(ITask* task)
{
    ComRef<IRecurrencePattern> pattern;
    long type = olRecursNone;
    if (FAILED(task->GetRecurrencePattern(pattern.Out())) || !pattern || FAILED(pattern->get_RecurrenceType(&type)))
        return false;
    switch (type) {
    case olRecursDaily:
    case olRecursWeekly:
    case olRecursMonthly:
    case olRecursMonthNth:
    case olRecursYearly:
    case olRecursYearNth:
        return true;
    }
    return false;
}

bool SaveComplete(ITask* task, bool complete)
{
    return SUCCEEDED(task->put_Complete(complete ? VARIANT_TRUE : VARIANT_FALSE)) && SUCCEEDED(task->Save());
}

// The recurring task becomes the completed one, a copy of it the open series
// moved to its next occurrence, and the contact is linked to both. The copy
// is made whole and linked before the task itself changes, in one save, so
// that a failure anywhere takes the copy out again and leaves the series as
// it was. *wrote tells whether anything reached the store.
bool CompleteLinkedSeries(ITask* task, CEOID taskOid, CEOID contactOid, bool* wrote)
{
    ComRef<ITask> copy;
    if (FAILED(task->Copy(copy.Out())) || !copy)
        return false;
    *wrote = true;
    const CEOID copyOid = OidOf(copy.Get());
    const bool copied = copyOid != 0 && SUCCEEDED(copy->SkipRecurrence()) && SUCCEEDED(copy->Save());
    const bool linked = copied && AddTaskLink(contactOid, copyOid);
    const bool completed = linked && SUCCEEDED(task->ClearRecurrencePattern()) &&
                           SUCCEEDED(task->put_Complete(VARIANT_TRUE)) && SUCCEEDED(task->Save());
    if (!completed) {
        if (linked)
            DeleteTaskLink(copyOid);
        copy->Delete();
        return false;
    }
    const CEOID sourceOid = OidOf(task);
    if (sourceOid != taskOid)
        return DeleteTaskLink(taskOid) && AddTaskLink(contactOid, sourceOid);
    return true;
}

}  // namespace

bool DeleteOutlookContact(CEOID contactOid)
{
    return DeleteItem(ContactFromOid(contactOid), MarkContactsDatabaseSeen);
}

bool DeleteOutlookAppointment(CEOID appointmentOid)
{
    if (!DeleteItem(AppointmentFromOid(appointmentOid), MarkAppointmentsDatabaseSeen))
        return false;
    DeletePlanLink(appointmentOid);
    return true;
}

bool DeleteOutlookAppointmentOnly(CEOID appointmentOid)
{
    return DeleteItem(AppointmentFromOid(appointmentOid), MarkAppointmentsDatabaseSeen);
}

bool DeleteAppointmentOccurrence(CEOID appointmentOid, LPCWSTR ownStartDate, LPCWSTR ownStartTime)
{
    ComRef<IAppointment> appointment = AppointmentFromOid(appointmentOid);
    DATE start = 0;
    if (!appointment || !VariantDateOf(ownStartDate, ownStartTime, &start))
        return false;
    ComRef<IRecurrencePattern> pattern;
    ComRef<IAppointment> occurrence;
    if (FAILED(appointment->GetRecurrencePattern(pattern.Out())) || !pattern ||
        FAILED(pattern->GetOccurrence(start, occurrence.Out())) || !occurrence)
        return false;
    // The series' record is rewritten; its count stays, and recording it
    // keeps the watch in step with the program's own writes.
    return DeleteItem(occurrence, MarkAppointmentsDatabaseSeen);
}

bool DeleteOutlookTask(CEOID taskOid)
{
    if (!DeleteItem(TaskFromOid(taskOid), MarkTasksDatabaseSeen))
        return false;
    DeleteTaskLink(taskOid);
    return true;
}

bool SkipTaskOccurrence(CEOID taskOid)
{
    ComRef<ITask> task = TaskFromOid(taskOid);
    if (!task || FAILED(task->SkipRecurrence()))
        return false;
    MarkTasksDatabaseSeen();
    return true;
}

bool ShowOutlookContact(CEOID contactOid)
{
    return DisplayItem(ContactFromOid(contactOid));
}

bool ShowOutlookAppointment(CEOID appointmentOid)
{
    return DisplayItem(AppointmentFromOid(appointmentOid));
}

bool ShowOutlookTask(CEOID taskOid)
{
    return DisplayItem(TaskFromOid(taskOid));
}

bool NewOutlookContact()
{
    return DisplayItem(NewContactItem());
}

bool NewOutlookAppointment()
{
    return DisplayItem(NewAppointmentItem());
}

bool NewOutlookTask()
{
    return DisplayItem(NewTaskItem());
}

bool ToggleTaskComplete(CEOID taskOid)
{
    ComRef<ITask> task = TaskFromOid(taskOid);
    if (!task)
        return false;
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    bool done = false;
    bool wrote = false;
    if (complete) {
        done = wrote = SaveComplete(task.Get(), false);
    } else {
        wchar_t name[kAssigneeNameChars];
        CEOID contact = IsRecurring(task.Get()) ? GetTaskLinkContact(taskOid, name, ARRAYSIZE(name)) : 0;
        if (contact == 0)
            done = wrote = SaveComplete(task.Get(), true);
        else
            done = CompleteLinkedSeries(task.Get(), taskOid, contact, &wrote);
    }
    TaskToReselect = taskOid;
    if (wrote)
        MarkTasksDatabaseSeen();
    return done;
}
