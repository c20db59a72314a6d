#include "today/schedule_queries.h"

#include "core/contact_names.h"
#include "core/db_access.h"
#include "core/link_tables.h"
#include "core/record_layouts.h"
#include "today/day_text.h"
#include "today/outlook_items.h"

#include <strsafe.h>

#include <climits>
#include <unordered_map>

namespace {

constexpr int kQueryChars = 160;
constexpr int kBoundChars = 24;

void AddContinuationRows(const TodayScheduleRow& first, DATE lastDay, DATE windowStart, DATE windowEnd)
{
    for (DATE day = DayPart(first.start) + 1; day <= lastDay; day += 1) {
        if (day <= windowStart || day > windowEnd)
            continue;
        if (ScheduleRowCount >= kMaxTodayRows)
            return;
        TodayScheduleRow& copy = ScheduleRows[ScheduleRowCount++];
        copy = first;
        copy.subject = CopySubject(first.subject);
        copy.displayDay = day;
        FormatDateText(day, copy.dateText);
        copy.timeText[0] = L'\0';
    }
}

void ReadAppointmentRow(IAppointment* appointment, DWORD major, DATE windowStart, TodayScheduleRow& row)
{
    long oid = 0;
    VARIANT_BOOL allDay = VARIANT_FALSE;
    appointment->get_Oid(&oid);
    appointment->get_Start(&row.start);
    appointment->get_End(&row.end);
    appointment->get_AllDayEvent(&allDay);
    row.objectId = static_cast<int32_t>(oid);
    row.allDay = allDay;
    if (major >= 5 && allDay)
        row.end -= 1;

    const TodayScheduleRow* previous = ScheduleRowCount > 0 ? &ScheduleRows[ScheduleRowCount - 1] : nullptr;
    if (previous && previous->objectId == row.objectId && previous->start == row.start)
        row.displayDay = previous->displayDay + 1;
    else
        row.displayDay = DayPart(row.start > windowStart ? row.start : windowStart);

    FormatDateText(row.displayDay, row.dateText);
    if (row.displayDay == DayPart(row.start) && !allDay)
        FormatTimeText(row.start, row.timeText);

    long reminderOptions = 0;
    appointment->get_ReminderSet(&row.reminderSet);
    appointment->get_ReminderOptions(&reminderOptions);
    appointment->get_IsRecurring(&row.recurring);
    row.reminderWord = static_cast<int32_t>(reminderOptions);
    OwnedBstr subject, body;
    appointment->get_Subject(subject.Out());
    appointment->get_Body(body.Out());
    row.subject = subject.Release();
    row.hasBody = body.Length() > 0 ? 1 : 0;
}


wchar_t ImportanceMark(long importance)
{
    return importance == olImportanceHigh ? L'3' : importance == olImportanceNormal ? L'2' : L'1';
}

void LookUpLinkedContact(LPCWSTR linkTable, CEOID key, int32_t& contactId, wchar_t (&name)[kLinkedNameChars])
{
    name[0] = L'\0';
    CEOID contact = LinkedContact(linkTable, LinkItemKey(key));
    if (contact != 0 && ReadContactDisplayName(contact, name, kLinkedNameChars)) {
        contactId = static_cast<int32_t>(contact);
        return;
    }
    name[0] = L'\0';
    contactId = -1;
}

}  // namespace

DATE LastDayTouched(DATE start, DATE end, bool allDayMovedBack)
{
    DATE last = DayPart(end);
    if (end == last && end > start && !allDayMovedBack)
        last -= 1;
    return last;
}

void AppointmentQuery(DATE windowStart, DATE windowEnd, wchar_t* query, size_t chars)
{
    wchar_t later[kBoundChars], earlier[kBoundChars];
    RestrictionDate(windowEnd, true, later, kBoundChars);
    RestrictionDate(windowStart, false, earlier, kBoundChars);
    StringCchPrintfW(query, chars, L"[Start] <= \"%ls\" AND [End] >= \"%ls\"", later, earlier);
}

DWORD DeviceMajorVersion()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionEx(&version) ? version.dwMajorVersion : 0;
}

BSTR CopySubject(BSTR subject)
{
    return subject ? SysAllocStringLen(subject, SysStringLen(subject)) : nullptr;
}

void FreeRowStrings()
{
    for (int i = 0; i < ScheduleRowCount; ++i)
        SysFreeString(ScheduleRows[i].subject);
    for (int i = 0; i < TaskRowCount; ++i)
        SysFreeString(TaskRows[i].subject);
    ScheduleRowCount = 0;
    TaskRowCount = 0;
}

void ReadTaskRow(ITask* task, TodayTaskRow& row)
{
    long oid = 0, importance = 0;
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Oid(&oid);
    task->get_StartDate(&row.start);
    task->get_DueDate(&row.due);
    task->get_ReminderTime(&row.reminderTime);
    task->get_ReminderSet(&row.reminderSet);
    task->get_IsRecurring(&row.recurring);
    task->get_Importance(&importance);
    task->get_Complete(&complete);
    row.objectId = static_cast<int32_t>(oid);
    row.dueDay = DayPart(row.due);
    FormatDateText(row.due, row.dateText);
    row.importance = ImportanceMark(importance);
    row.complete = complete ? L'T' : L'F';
    OwnedBstr subject, body;
    task->get_Subject(subject.Out());
    task->get_Body(body.Out());
    row.subject = subject.Release();
    row.hasBody = body.Length() > 0 ? 1 : 0;
}

void FillTaskRows(IPOutlookItemCollection* items)
{
    ForEachItem(items, IID_ITask, kMaxTodayRows, [&](void* item) {
        TodayTaskRow& row = TaskRows[TaskRowCount];
        row = TodayTaskRow();
        ReadTaskRow(static_cast<ITask*>(item), row);
        ++TaskRowCount;
        return true;
    });
    if (items)
        items->Release();
}

void QueryAppointments(DATE windowStart, DATE windowEnd)
{
    const DWORD major = DeviceMajorVersion();
    wchar_t query[kQueryChars];
    AppointmentQuery(windowStart, windowEnd, query, kQueryChars);
    IPOutlookItemCollection* items = RestrictedItems(olFolderCalendar, query, true);
    const int first = ScheduleRowCount;
    ForEachItem(items, IID_IAppointment, INT_MAX, [&](void* item) {
        if (ScheduleRowCount >= kMaxTodayRows)
            return false;
        TodayScheduleRow& row = ScheduleRows[ScheduleRowCount];
        row = TodayScheduleRow();
        ReadAppointmentRow(static_cast<IAppointment*>(item), major, windowStart, row);
        ++ScheduleRowCount;
        if ((major == 3 || major == 5) && row.start != row.end)
            AddContinuationRows(row, LastDayTouched(row.start, row.end, major >= 5 && row.allDay), windowStart,
                                windowEnd);
        return true;
    });
    if (items)
        items->Release();
    FindAnniversaryByAppointment(first);
}

void QueryTasksDue(DATE windowStart, DATE windowEnd)
{
    for (int i = 0; i < TaskRowCount; ++i)
        SysFreeString(TaskRows[i].subject);
    TaskRowCount = 0;
    wchar_t later[kBoundChars], earlier[kBoundChars], query[kQueryChars * 2];
    RestrictionDate(windowEnd, true, later, kBoundChars);
    RestrictionDate(windowStart, false, earlier, kBoundChars);
    if (Settings.TodayShowOverdueTasks == 1)
        StringCchPrintfW(query, ARRAYSIZE(query),
                         L"([DueDate] <= \"%ls\" AND [DueDate] >= \"%ls\") OR ([Complete] = 0 AND [DueDate] < \"%ls\")",
                         later, earlier, earlier);
    else
        StringCchPrintfW(query, ARRAYSIZE(query), L"[DueDate] <= \"%ls\" AND [DueDate] >= \"%ls\"", later, earlier);
    FillTaskRows(RestrictedItems(olFolderTasks, query, false));
}

void LoadHolidays(LPCWSTR database, DATE windowStart, DATE windowEnd)
{
    HolidayCount = 0;
    wchar_t first[kDateChars], last[kDateChars];
    FormatDateText(windowStart, first);
    FormatDateText(windowEnd, last);
    WithOwnDatabase(database, kHolidayDate, [&](HANDLE db) {
        CEPROPVAL key = TextValue(kHolidayDate, first);
        DWORD index = 0;
        CEOID record =
            CeSeekDatabaseEx(db, CEDB_SEEK_VALUEGREATEROREQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, &index);
        OwnRecord read;
        while (record != 0 && HolidayCount < kMaxHolidays && read.ReadCurrent(db)) {
            if (wcscmp(read.Text(kHolidayDate), last) > 0)
                break;
            TodayHoliday& entry = Holidays[HolidayCount++];
            entry.id = read.I4(kHolidayId);
            StringCchCopyW(entry.date, ARRAYSIZE(entry.date), read.Text(kHolidayDate));
            StringCchCopyW(entry.name, ARRAYSIZE(entry.name), read.Text(kHolidayName));
            StringCchCopyW(entry.lunarDate, ARRAYSIZE(entry.lunarDate), read.Text(kHolidayLunarDate));
            record = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
}

void FindAnniversaryByAppointment(int first)
{
    std::unordered_map<int32_t, int32_t> found;
    WithAnniversaryTable([&](HANDLE db) {
        for (int i = first; i < ScheduleRowCount; ++i) {
            TodayScheduleRow& row = ScheduleRows[i];
            auto known = found.find(row.objectId);
            if (known == found.end()) {
                const int32_t id = AnniversaryOfAppointmentIn(db, static_cast<CEOID>(row.objectId));
                known = found.emplace(row.objectId, id).first;
            }
            row.anniversaryId = known->second;
        }
    });
}

void GetLinkedContactId(LPCWSTR linkTable, TodayScheduleRow& row)
{
    LookUpLinkedContact(linkTable, static_cast<CEOID>(row.objectId), row.linkedContactId, row.linkedName);
}

void GetLinkedContactName(LPCWSTR linkTable, TodayScheduleRow& row)
{
    LookUpLinkedContact(linkTable, static_cast<CEOID>(row.taskObjectId), row.linkedContactId, row.linkedName);
}

void GetTaskRowContact(TodayTaskRow& row)
{
    LookUpLinkedContact(kTaskLinkDatabase, static_cast<CEOID>(row.objectId), row.linkedContactId, row.linkedName);
}
