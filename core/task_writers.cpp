#include "core/outlook_writers.h"

#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "core/recurrence_pattern.h"
#include "core/rich_ink_body.h"

namespace {

struct TaskFields {
    LPCWSTR startDate;
    wchar_t startSet;
    LPCWSTR dueDate;
    wchar_t dueSet;
    wchar_t reminderFlag;
    LPCWSTR reminderDate, reminderTime, subject;
    wchar_t priority, status;
    LPCWSTR bodyText;  // null: the body is RichInkBody
    wchar_t recurrenceCode;
};

long ImportanceOf(wchar_t priority)
{
    switch (priority) {
    case L'3': return olImportanceHigh;
    case L'1': return olImportanceLow;
    }
    return olImportanceNormal;
}

// A set date as given; an unset one is "no date" when the item is updated,
// else not written at all. False when a set date cannot be read.
bool WriteTaskDate(ITask* task, HRESULT (STDMETHODCALLTYPE ITask::*put)(DATE), LPCWSTR date, wchar_t set,
                   bool update)
{
    if (set == L'T') {
        DATE value = 0;
        if (!VariantDateOf(date, L"", &value))
            return false;
        (task->*put)(value);
    } else if (update) {
        (task->*put)(kPoomNoDate);
    }
    return true;
}

// The day a repeating task's rule starts: its start date, else its due
// date, else today.
DATE RuleStart(const TaskFields& f)
{
    DATE start = 0;
    if (f.startSet == L'T' && VariantDateOf(f.startDate, L"", &start))
        return start;
    if (f.dueSet == L'T' && VariantDateOf(f.dueDate, L"", &start))
        return start;
    wchar_t today[kFormDateChars];
    FormatToday(today, ARRAYSIZE(today));
    VariantDateOf(today, L"", &start);
    return start;
}

CEOID WriteAndSaveTask(ITask* task, const TaskFields& f, bool update)
{
    if (!WriteTaskDate(task, &ITask::put_StartDate, f.startDate, f.startSet, update) ||
        !WriteTaskDate(task, &ITask::put_DueDate, f.dueDate, f.dueSet, update))
        return 0;
    task->put_Subject(TextArg(f.subject));
    if (f.bodyText)
        task->put_Body(TextArg(f.bodyText));
    else
        task->put_BodyInk(RichInkBody.bytes, static_cast<int>(RichInkBody.size));
    DATE reminder = 0;
    if (f.reminderFlag == L'1' && VariantDateOf(f.reminderDate, f.reminderTime, &reminder)) {
        task->put_ReminderSet(VARIANT_TRUE);
        task->put_ReminderTime(reminder);
    } else {
        task->put_ReminderSet(VARIANT_FALSE);
    }
    task->put_Importance(ImportanceOf(f.priority));
    task->put_Complete(f.status == L'T' ? VARIANT_TRUE : VARIANT_FALSE);
    // Tasks have no reminder lead to fit: the rule's limit is not applied.
    if (f.recurrenceCode != L'0') {
        ComRef<IRecurrencePattern> pattern;
        if (FAILED(task->GetRecurrencePattern(pattern.Out())) || !pattern)
            return 0;
        WriteRecurrencePattern(pattern.Get(), f.recurrenceCode, RuleStart(f));
    }
    if (FAILED(task->Save()))
        return 0;
    CEOID oid = OidOf(task);
    MarkTasksDatabaseSeen();
    return oid;
}

}  // namespace

CEOID CreateOutlookTask(LPCWSTR startDate, wchar_t startSet, LPCWSTR dueDate, wchar_t dueSet, wchar_t reminderFlag,
                        LPCWSTR reminderDate, LPCWSTR reminderTime, LPCWSTR subject, wchar_t priority,
                        wchar_t status, LPCWSTR body, wchar_t recurrenceCode)
{
    TaskFields f = {startDate, startSet, dueDate, dueSet, reminderFlag, reminderDate, reminderTime,
                    subject,   priority, status,  body ? body : L"", recurrenceCode};
    ComRef<ITask> task = NewTaskItem();
    return task ? WriteAndSaveTask(task.Get(), f, false) : 0;
}

CEOID UpdateOutlookTask(LPCWSTR startDate, wchar_t startSet, LPCWSTR dueDate, wchar_t dueSet, wchar_t reminderFlag,
                        LPCWSTR reminderDate, LPCWSTR reminderTime, LPCWSTR subject, wchar_t priority,
                        wchar_t status, wchar_t recurrenceCode, CEOID taskOid)
{
    TaskFields f = {startDate, startSet, dueDate, dueSet,  reminderFlag, reminderDate, reminderTime,
                    subject,   priority, status,  nullptr, recurrenceCode};
    ComRef<ITask> task = TaskFromOid(taskOid);
    CEOID saved = task ? WriteAndSaveTask(task.Get(), f, true) : 0;
    FreeRichInkBody();
    return saved;
}
