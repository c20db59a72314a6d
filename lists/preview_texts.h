// The texts of the preview panes under the contact and schedule lists, made
// from the fields they show.
#pragma once

#include "platform/ce.h"

constexpr int kPreviewLineChars = 256;
using PreviewLine = wchar_t[kPreviewLineChars];

// What the contact preview shows of a contact.
struct ContactPreviewFields {
    LPCWSTR lastName, firstName, company, department, jobTitle, postalCode, state, city, street, businessPhone,
        homePhone, fax, mobile, email;
};

// The nine lines of the contact pane, top to bottom.
struct ContactPreviewLines {
    PreviewLine name, company, address1, address2, office, home, fax, mobile, mail;
};

// The contact's lines; without a contact (null) every line is empty but the
// second address line, which says there is no one.
void FormatContactPreview(const ContactPreviewFields* contact, ContactPreviewLines* lines);

// The name the preview and the dial commands use: last name followed directly
// by first name.
void FormatContactName(LPCWSTR lastName, LPCWSTR firstName, LPWSTR out, size_t outChars);

// The time line of an appointment from its start and end date and time; an
// empty start time is an all-day appointment.
void FormatScheduleTimeLine(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime, LPWSTR out,
                            size_t outChars);

// The three lines of a holiday: title (date and lunar mark), place (its
// weekday) and time line (its name). False when the date cannot be read.
bool FormatHolidayLines(LPCWSTR date, LPCWSTR lunarDate, LPCWSTR name, PreviewLine title, PreviewLine weekday,
                        PreviewLine timeLine);
