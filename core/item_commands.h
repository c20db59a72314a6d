// Commands on one Pocket Outlook item named by its object id: delete it,
// delete or skip one occurrence, show it (or a new one) in the platform's
// own form, and mark a task done or open. After a write that succeeded the
// change watch records the database's new state, so the program's own change
// causes no reload; nothing is recorded or unlinked after a failure.
#pragma once

#include "core/state.h"

// Each is false when the item is not found or the object model refused the
// change; then nothing else was changed.

// The contact goes; its linked appointments are DeleteContactAppointments'.
bool DeleteOutlookContact(CEOID contactOid);
// The appointment and its link record.
bool DeleteOutlookAppointment(CEOID appointmentOid);
// The appointment alone; its link records are left to the caller.
bool DeleteOutlookAppointmentOnly(CEOID appointmentOid);
// The occurrence that starts at the given own start ("%4d-%2d-%2d" and
// "%2d:%2d", a blank or empty time for an all-day one: midnight). False,
// deleting nothing, when the series has no occurrence there.
bool DeleteAppointmentOccurrence(CEOID appointmentOid, LPCWSTR ownStartDate, LPCWSTR ownStartTime);
// The task and its link record.
bool DeleteOutlookTask(CEOID taskOid);
// The task's current occurrence is skipped.
bool SkipTaskOccurrence(CEOID taskOid);

// The item in the platform's form; true once the form was asked to show it.
bool ShowOutlookContact(CEOID contactOid);
bool ShowOutlookAppointment(CEOID appointmentOid);
bool ShowOutlookTask(CEOID taskOid);
// An empty new item in the platform's form.
bool NewOutlookContact();
bool NewOutlookAppointment();
bool NewOutlookTask();

// A done task is set open. An open task is set done; a recurring one
// linked to a contact is first copied, so that the contact keeps both the
// completed task and the open series moved to its next occurrence. Sets
// TaskToReselect to the task.
bool ToggleTaskComplete(CEOID taskOid);
