// The reads behind the schedule view: appointments, tasks due, holidays
// and the lookups of a row's anniversary and linked contact.
#pragma once

#include "today/state.h"

// Appends a row per appointment (per occurrence, and per further day of a
// multi-day item on CE 3 and 5) that touches the window, while the table
// has room.
void QueryAppointments(DATE windowStart, DATE windowEnd);
// Fills TaskRows with the tasks due in the window (and the overdue
// incomplete ones when TodayShowOverdueTasks is 1).
void QueryTasksDue(DATE windowStart, DATE windowEnd);
// One task's row (its linked contact not looked up yet: id 0).
void ReadTaskRow(ITask* task, TodayTaskRow& row);
// Appends a row per task of the collection (at most 1000 in all) and
// releases the collection.
void FillTaskRows(IPOutlookItemCollection* items);
// Fills Holidays (at most 10) with the holidays of the window, in date order.
void LoadHolidays(LPCWSTR database, DATE windowStart, DATE windowEnd);

// The anniversary whose mirror each row's appointment is (0 when none), for
// the rows from firstRow on: one open of the anniversary table and one
// look-up per appointment (occurrences and further days share it).
void FindAnniversaryByAppointment(int firstRow);
// The contact linked to the row's appointment (QuillonPlan) or task
// (QuillonTask): its id and "last name first name", or -1 and the empty
// text when there is none or it is gone.
void GetLinkedContactId(LPCWSTR linkTable, TodayScheduleRow& row);
void GetLinkedContactName(LPCWSTR linkTable, TodayScheduleRow& row);
// The same for a row of the task view.
void GetTaskRowContact(TodayTaskRow& row);

// Frees the subjects of the schedule and task tables and empties them.
void FreeRowStrings();
// A row's own copy of a subject.
BSTR CopySubject(BSTR subject);

// The restriction of the appointments that touch the window.
void AppointmentQuery(DATE windowStart, DATE windowEnd, wchar_t* query, size_t chars);
// The last day an item touches: an end at midnight (after the start) does
// not reach into that day, except the all-day end that a CE 5 device has
// already moved back onto the item's last day.
DATE LastDayTouched(DATE start, DATE end, bool allDayMovedBack);

// The CE major version the device reports.
DWORD DeviceMajorVersion();
