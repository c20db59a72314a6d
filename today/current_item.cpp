#include "today/current_item.h"

#include "core/record_layouts.h"
#include "today/schedule_queries.h"

#include <strsafe.h>

namespace {

template <size_t N>
void CopyText(wchar_t (&to)[N], const wchar_t* from)
{
    StringCchCopyW(to, N, from ? from : L"");
}

std::wstring SubjectOf(BSTR subject)
{
    return subject ? std::wstring(subject, SysStringLen(subject)) : std::wstring();
}

// A row's linked contact: its id, or 0 when it has none (-1) or has not
// looked it up (0). Object ids are 32-bit and may read as negative.
uint32_t ContactOf(int32_t linkedContactId)
{
    return linkedContactId == -1 ? 0 : static_cast<uint32_t>(linkedContactId);
}

CurrentItem OfScheduleRow(TodayScheduleRow& row)
{
    CurrentItem item;
    const bool names = row.task ? row.taskObjectId != 0 : row.objectId != 0;
    if (!names)
        return item;
    if (row.linkedContactId == 0) {
        if (row.task)
            GetLinkedContactName(kTaskLinkDatabase, row);
        else
            GetLinkedContactId(kPlanLinkDatabase, row);
    }
    const TodayItemRef ref = ItemOfScheduleRow(row);
    item.kind = ref.kind == TodayItemKind::Anniversary ? CurrentItemKind::Anniversary
                : ref.kind == TodayItemKind::Task      ? CurrentItemKind::Task
                                                       : CurrentItemKind::Appointment;
    item.objectId = static_cast<uint32_t>(row.task ? row.taskObjectId : row.objectId);
    item.anniversaryId = row.anniversaryId;
    item.contactId = ContactOf(row.linkedContactId);
    item.start = row.start;
    item.end = row.end;
    item.allDay = row.allDay != VARIANT_FALSE;
    item.recurring = row.recurring != VARIANT_FALSE;
    item.reminderSet = row.reminderSet != VARIANT_FALSE;
    item.complete = row.complete ? row.complete : L'F';
    CopyText(item.dateText, row.dateText);
    CopyText(item.timeText, row.timeText);
    CopyText(item.linkedName, row.linkedName);
    item.subject = SubjectOf(row.subject);
    return item;
}

CurrentItem OfTaskRow(TodayTaskRow& row)
{
    CurrentItem item;
    if (row.objectId == 0)
        return item;
    if (row.linkedContactId == 0)
        GetTaskRowContact(row);
    item.kind = CurrentItemKind::Task;
    item.objectId = static_cast<uint32_t>(row.objectId);
    item.contactId = ContactOf(row.linkedContactId);
    item.start = row.start;
    item.end = row.due;
    item.recurring = row.recurring != VARIANT_FALSE;
    item.reminderSet = row.reminderSet != VARIANT_FALSE;
    item.complete = row.complete ? row.complete : L'F';
    CopyText(item.dateText, row.dateText);
    CopyText(item.linkedName, row.linkedName);
    item.subject = SubjectOf(row.subject);
    return item;
}

CurrentItem OfMemoRow(const TodayMemoRow& row)
{
    CurrentItem item;
    const TodayItemRef ref = ItemOfMemoRow(row, item.path, MAX_PATH);
    item.kind = ref.kind == TodayItemKind::NotesFile ? CurrentItemKind::NotesFile : CurrentItemKind::OwnMemo;
    item.memoId = row.memoId;
    item.contactId = ContactOf(row.linkedContactId);
    CopyText(item.dateText, row.dateText);
    item.subject = row.title;
    return item;
}

}  // namespace

CurrentItem CurrentItemOfRow(int entry)
{
    switch (ViewMode) {
    case kViewSchedule:
        return entry >= 0 && entry < ScheduleRowCount ? OfScheduleRow(ScheduleRows[entry]) : CurrentItem();
    case kViewTasks:
        return entry >= 0 && entry < TaskRowCount ? OfTaskRow(TaskRows[entry]) : CurrentItem();
    case kViewMemos:
        return entry >= 0 && entry < MemoRowCount ? OfMemoRow(MemoRows[entry]) : CurrentItem();
    default:
        return CurrentItem();
    }
}

bool TakeCurrentRow(int entry)
{
    CurrentItem item = CurrentItemOfRow(entry);
    if (item.kind == CurrentItemKind::None)
        return false;
    CurrentRow = std::move(item);
    return true;
}

TodayItemRef ItemRefOf(const CurrentItem& item)
{
    TodayItemRef ref;
    CopyText(ref.date, item.dateText);
    switch (item.kind) {
    case CurrentItemKind::Anniversary:
        ref.kind = TodayItemKind::Anniversary;
        ref.id = static_cast<uint32_t>(item.anniversaryId);
        break;
    case CurrentItemKind::Task:
        ref.kind = TodayItemKind::Task;
        ref.id = item.objectId;
        break;
    case CurrentItemKind::OwnMemo:
        ref.kind = TodayItemKind::OwnMemo;
        ref.id = static_cast<uint32_t>(item.memoId);
        break;
    case CurrentItemKind::NotesFile:
        ref.kind = TodayItemKind::NotesFile;
        ref.path = item.path;
        break;
    default:
        ref.kind = TodayItemKind::Appointment;
        ref.id = item.objectId;
        break;
    }
    return ref;
}
