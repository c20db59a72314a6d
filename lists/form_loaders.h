// The form loaders: a stored item copied into the form state (core/
// item_form.h) before it is edited or previewed. A loader that finds nothing
// changes no field and returns false; its caller then opens no editor.
#pragma once

#include "core/item_form.h"

// The contact's fields into ItemFormState.Contact; a birthday from 2100 on
// (the object model's "none") loads empty.
bool LoadContactForm(CEOID contactOid);

// The times of the schedule row whose occurrence is loaded: its own start
// and end dates ("%4d-%02d-%02d") and times ("%02d:%02d", empty all-day).
struct OccurrenceTimes {
    LPCWSTR startDate, startTime, endDate, endTime;
};

// The appointment's fields, its repeat rule into RecurrenceCode and
// RecurrencePatternState and its body into RichInkBody; with single (a
// repeating appointment edited on one day) the times of the row's occurrence
// and the subject, place, body and reminder of that occurrence. Its linked
// contact becomes AssigneeOid and AssigneeName (0 and empty when none).
bool LoadAppointmentForm(CEOID appointmentOid, const OccurrenceTimes& row, bool single);

// The appointment SelectedAppointmentOid for the row selected in the list
// shown (the schedule view's, else the contact card's), one occurrence when
// EditSingleOccurrence is 1. False, the form unchanged, when the item or the
// row is not there.
bool LoadScheduleForm();

// The holiday HolidayLookupId: its date into StartDate, its name into Title,
// its lunar date into HolidayLunarText.
bool LoadHolidayRecord();

// The task SelectedTaskOid with its repeat rule, reminder, priority, state
// and ink note (RichInkBody); its linked contact becomes AssigneeOid,
// AssigneeName and the linked contact.
bool LoadTaskForm();
