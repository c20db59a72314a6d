// The Pocket Outlook writers: contacts, appointments and tasks made or
// changed from given fields, with their repeat rule (RecurrenceCode and
// RecurrencePatternState) and reminder. Each returns the item's object id,
// or 0 when nothing was saved; a saved write is recorded with the change
// watch. Dates are "%4d-%2d-%2d", times "%2d:%2d" (empty: no time).
#pragma once

#include "core/item_form.h"

// The contact in the default contacts folder; with ContactNameParts 2 the
// name is the first name beside lastName, otherwise the whole name.
CEOID AddOutlookContact(LPCWSTR name, LPCWSTR lastName, LPCWSTR company, LPCWSTR department, LPCWSTR jobTitle,
                        LPCWSTR group, LPCWSTR postalCode, LPCWSTR state, LPCWSTR city, LPCWSTR street,
                        LPCWSTR businessPhone, LPCWSTR fax, LPCWSTR mobilePhone, LPCWSTR email, LPCWSTR homePhone);
CEOID UpdateOutlookContact(LPCWSTR name, LPCWSTR lastName, LPCWSTR company, LPCWSTR department, LPCWSTR jobTitle,
                           LPCWSTR group, LPCWSTR postalCode, LPCWSTR state, LPCWSTR city, LPCWSTR street,
                           LPCWSTR businessPhone, LPCWSTR fax, LPCWSTR mobilePhone, LPCWSTR email, LPCWSTR homePhone,
                           CEOID contactOid);

// An appointment without start time is all-day, ending after its end date
// (or its start date). A repeating one is saved only when the reminder lead
// fits the rule, whether or not the reminder is on. Create writes the body
// text, update the body in RichInkBody, rewrite the body text; update and
// rewrite clear the rule for code '0' and free RichInkBody.
CEOID CreateOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                               wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                               LPCWSTR body, wchar_t recurrenceCode);
CEOID UpdateOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                               wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                               wchar_t recurrenceCode, CEOID appointmentOid);
CEOID RewriteOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                                wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                                LPCWSTR body, wchar_t recurrenceCode, CEOID appointmentOid);

// The yearly mirror of an anniversary: ten one-minute occurrences from the
// date at the time (00:00 when empty). The date's day and month become the
// seed day and month of RecurrencePatternState.
CEOID CreateAnniversaryAppointment(LPCWSTR date, LPCWSTR time, wchar_t reminderFlag, int32_t reminderMinutes,
                                   LPCWSTR subject, LPCWSTR body);

// A task; a repeating one starts its rule on its start date, else its due
// date, else today. Update writes an unset start or due date as no date and
// the body in RichInkBody (then freed), and keeps the rule for code '0'.
CEOID CreateOutlookTask(LPCWSTR startDate, wchar_t startSet, LPCWSTR dueDate, wchar_t dueSet, wchar_t reminderFlag,
                        LPCWSTR reminderDate, LPCWSTR reminderTime, LPCWSTR subject, wchar_t priority,
                        wchar_t status, LPCWSTR body, wchar_t recurrenceCode);
CEOID UpdateOutlookTask(LPCWSTR startDate, wchar_t startSet, LPCWSTR dueDate, wchar_t dueSet, wchar_t reminderFlag,
                        LPCWSTR reminderDate, LPCWSTR reminderTime, LPCWSTR subject, wchar_t priority,
                        wchar_t status, wchar_t recurrenceCode, CEOID taskOid);

// ---- from the form -------------------------------------------------------------------

// The writers above fed from ItemFormState. A saved appointment or task is
// linked to AssigneeOid (its old link replaced only after the save); in the
// item's own view (schedule 4, tasks 6) AssigneeOid is then cleared. A link
// that cannot be written fails the call: a new item is taken out again, an
// updated one keeps its old link.
CEOID AddContactFromForm(LPCWSTR company, LPCWSTR group);
CEOID UpdateContactFromForm(CEOID contactOid, LPCWSTR company, LPCWSTR group);
CEOID AddAppointmentFromForm();
CEOID UpdateAppointmentFromForm(CEOID appointmentOid);
// The occurrence at ItemFormState's occurrence start takes the form's
// times, subject, place, reminder and RichInkBody (then freed); links stay.
CEOID UpdateOccurrenceFromForm(CEOID appointmentOid);
CEOID AddTaskFromForm();
CEOID UpdateTaskFromForm(CEOID taskOid);
