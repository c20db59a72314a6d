#include "lists/form_loaders.h"

#include "core/db_access.h"
#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/record_layouts.h"
#include "core/recurrence_pattern.h"
#include "core/rich_ink_body.h"
#include "lists/form_state.h"
#include "lists/schedule_loaders.h"
#include "mainwindow/state.h"

#include <strsafe.h>

int32_t HolidayLookupId = 0;
wchar_t HolidayLunarText[kHolidayLunarChars] = L"";

namespace {

constexpr int32_t kOneNameField = 1;
constexpr wchar_t kNoBirthdayFrom[] = L"2100-01-01";
constexpr int32_t kReminderWhenNone = 15;

template <size_t N>
void Put(wchar_t (&field)[N], LPCWSTR text)
{
    StringCchCopyW(field, N, text ? text : L"");
}

template <size_t N>
void PutNumber(wchar_t (&field)[N], long value)
{
    StringCchPrintfW(field, N, L"%ld", value);
}

// ---- the repeat rule ---------------------------------------------------------------

struct PatternValues {
    long type = olRecursNone;
    VARIANT_BOOL noEnd = VARIANT_FALSE;
    DATE startDate = 0, endDate = 0;
    long interval = 0, mask = 0, dayOfMonth = 0, instance = 0, monthOfYear = 0, occurrences = 0;
};

PatternValues ReadPattern(IRecurrencePattern* pattern)
{
    PatternValues v;
    pattern->get_RecurrenceType(&v.type);
    pattern->get_NoEndDate(&v.noEnd);
    pattern->get_PatternStartDate(&v.startDate);
    pattern->get_PatternEndDate(&v.endDate);
    pattern->get_Interval(&v.interval);
    pattern->get_DayOfWeekMask(&v.mask);
    pattern->get_DayOfMonth(&v.dayOfMonth);
    pattern->get_Instance(&v.instance);
    pattern->get_MonthOfYear(&v.monthOfYear);
    pattern->get_Occurrences(&v.occurrences);
    return v;
}

int ChosenDays(long mask, int32_t (&flags)[kWeekdays])
{
    int chosen = 0;
    for (int day = 0; day < kWeekdays; ++day) {
        flags[day] = (mask & WeekdayMaskBit(day + 1)) ? 1 : 0;
        chosen += flags[day];
    }
    return chosen;
}

// The pattern into RecurrencePatternState; the code it stands for.
wchar_t LoadRule(const PatternValues& v)
{
    RecurrenceRule& rule = RecurrencePatternState;
    FormatVariantDate(v.startDate, rule.RangeStart, ARRAYSIZE(rule.RangeStart), nullptr, 0);
    FormatVariantDate(v.endDate, rule.RangeEnd, ARRAYSIZE(rule.RangeEnd), nullptr, 0);
    rule.RangeNoEnd = v.noEnd ? 1 : 0;
    rule.RangeEndDate = !v.noEnd && v.occurrences < 1 ? 1 : 0;
    rule.RangeCount = !v.noEnd && v.occurrences >= 1 ? 1 : 0;
    if (rule.RangeCount)
        PutNumber(rule.RangeCountText, v.occurrences);
    rule.LoadedRecurrenceType = v.type;
    switch (v.type) {
    case olRecursDaily:
        rule.PageType = kPageDaily;
        rule.DailyEveryN = v.interval != 0 ? 1 : 0;
        rule.DailyEveryWeekday = v.interval != 0 ? 0 : 1;
        PutNumber(rule.DailyN, v.interval != 0 ? v.interval : 1);
        return L'4';
    case olRecursWeekly: {
        rule.PageType = kPageWeekly;
        PutNumber(rule.WeeklyN, v.interval);
        int chosen = ChosenDays(v.mask, rule.WeekdayFlags);
        return v.interval == 1 && chosen == 1 && v.noEnd ? L'1' : L'4';
    }
    case olRecursMonthly:
        rule.PageType = kPageMonthly;
        rule.MonthlyByDate = 1;
        rule.MonthlyByNth = 0;
        PutNumber(rule.MonthlyN, v.interval);
        PutNumber(rule.MonthlyDay, v.dayOfMonth);
        return L'4';
    case olRecursMonthNth:
        rule.PageType = kPageMonthly;
        rule.MonthlyByDate = 0;
        rule.MonthlyByNth = 1;
        PutNumber(rule.MonthlyNthN, v.interval);
        rule.MonthlyInstance = v.instance - 1;
        rule.MonthlyDayKind = DayKindOfMask(v.mask);
        return L'4';
    case olRecursYearly:
        rule.PageType = kPageYearly;
        rule.YearlyByDate = 1;
        rule.YearlyByNth = 0;
        rule.YearlyMonth = v.monthOfYear - 1;
        PutNumber(rule.YearlyDay, v.dayOfMonth);
        return v.noEnd ? L'3' : L'4';
    case olRecursYearNth:
        rule.PageType = kPageYearly;
        rule.YearlyByDate = 0;
        rule.YearlyByNth = 1;
        rule.YearlyNthMonth = v.monthOfYear - 1;
        rule.YearlyInstance = v.instance - 1;
        rule.YearlyDayKind = DayKindOfMask(v.mask);
        return L'4';
    }
    return L'0';
}

// ---- the appointment's own values ----------------------------------------------------

// What an appointment or one occurrence of it gives the form besides its times.
struct ItemValues {
    OwnedText subject, location;
    VARIANT_BOOL reminderSet = VARIANT_FALSE;
    long reminderMinutes = 0;
};

void ReadItemValues(IAppointment* item, ItemValues* values)
{
    item->get_Subject(values->subject.Out());
    item->get_Location(values->location.Out());
    item->get_ReminderSet(&values->reminderSet);
    item->get_ReminderMinutesBeforeStart(&values->reminderMinutes);
    BYTE* ink = nullptr;
    int bytes = 0;
    if (SUCCEEDED(item->get_BodyInk(&ink, &bytes)) && ink) {
        SetRichInkBody(ink, static_cast<DWORD>(bytes));
        LocalFree(ink);
    } else {
        FreeRichInkBody();
    }
}

}  // namespace

bool LoadContactForm(CEOID contactOid)
{
    ComRef<IContact> contact = ContactFromOid(contactOid);
    if (!contact)
        return false;
    OwnedText last, first, company, department, jobTitle, categories, postalCode, state, city, street, businessPhone,
        fax, mobile, email, homePhone;
    contact->get_LastName(last.Out());
    contact->get_FirstName(first.Out());
    contact->get_CompanyName(company.Out());
    contact->get_Department(department.Out());
    contact->get_JobTitle(jobTitle.Out());
    contact->get_Categories(categories.Out());
    contact->get_BusinessAddressPostalCode(postalCode.Out());
    contact->get_BusinessAddressState(state.Out());
    contact->get_BusinessAddressCity(city.Out());
    contact->get_BusinessAddressStreet(street.Out());
    contact->get_BusinessTelephoneNumber(businessPhone.Out());
    contact->get_BusinessFaxNumber(fax.Out());
    contact->get_MobileTelephoneNumber(mobile.Out());
    contact->get_Email1Address(email.Out());
    contact->get_HomeTelephoneNumber(homePhone.Out());
    DATE birthdayDate = kPoomNoDate;
    contact->get_Birthday(&birthdayDate);

    ContactFormFields& form = ItemFormState.Contact;
    wchar_t birthday[kFormDateChars];
    FormatVariantDate(birthdayDate, birthday, ARRAYSIZE(birthday), nullptr, 0);
    if (lstrcmpW(birthday, kNoBirthdayFrom) >= 0)
        birthday[0] = L'\0';
    if (Settings.ContactNameParts == kOneNameField) {
        Put(form.Name, last.Get());
        StringCchCatW(form.Name, ARRAYSIZE(form.Name), first.Get());
        Put(form.FirstName, L"");
    } else {
        Put(form.Name, last.Get());
        Put(form.FirstName, first.Get());
    }
    Put(form.Company, company.Get());
    Put(form.Department, department.Get());
    Put(form.JobTitle, jobTitle.Get());
    Put(form.Group, categories.Get());
    Put(form.PostalCode, postalCode.Get());
    Put(form.State, state.Get());
    Put(form.City, city.Get());
    Put(form.Street, street.Get());
    Put(form.BusinessPhone, businessPhone.Get());
    Put(form.BusinessFax, fax.Get());
    Put(form.Mobile, mobile.Get());
    Put(form.Email, email.Get());
    Put(form.HomePhone, homePhone.Get());
    Put(form.Birthday, birthday);
    return true;
}

bool LoadAppointmentForm(CEOID appointmentOid, const OccurrenceTimes& row, bool single)
{
    ComRef<IAppointment> appointment = AppointmentFromOid(appointmentOid);
    if (!appointment)
        return false;
    ItemFormFields& form = ItemFormState;
    ComRef<IRecurrencePattern> pattern;
    PatternValues rule;
    if (SUCCEEDED(appointment->GetRecurrencePattern(pattern.Out())) && pattern)
        rule = ReadPattern(pattern.Get());
    form.RecurrenceCode = LoadRule(rule);
    bool occurrence = single && form.RecurrenceCode != L'0';

    VARIANT_BOOL allDay = VARIANT_FALSE;
    DATE start = 0, end = 0;
    appointment->get_AllDayEvent(&allDay);
    appointment->get_Start(&start);
    appointment->get_End(&end);
    if (occurrence) {
        Put(form.StartDate, row.startDate);
        Put(form.StartTime, row.startTime);
        Put(form.EndDate, row.endDate);
        Put(form.EndTime, row.endTime);
    } else {
        FormatVariantDate(start, form.StartDate, ARRAYSIZE(form.StartDate), form.StartTime, ARRAYSIZE(form.StartTime));
        // An all-day item ends at the midnight after its last day.
        FormatVariantDate(allDay ? end - 1.0 : end, form.EndDate, ARRAYSIZE(form.EndDate), form.EndTime,
                          ARRAYSIZE(form.EndTime));
        if (allDay) {
            form.StartTime[0] = L'\0';
            form.EndTime[0] = L'\0';
        }
    }
    Put(form.OccurrenceStartDate, occurrence ? row.startDate : L"");
    Put(form.OccurrenceStartTime, occurrence ? row.startTime : L"");

    ItemValues values;
    ReadItemValues(appointment.Get(), &values);
    DATE at = 0;
    ComRef<IAppointment> exception;
    // An occurrence changed on its own keeps its own values.
    if (occurrence && pattern && VariantDateOf(row.startDate, row.startTime, &at) &&
        SUCCEEDED(pattern->GetOccurrence(at, exception.Out())) && exception)
        ReadItemValues(exception.Get(), &values);

    Put(form.Title, values.subject.Get());
    Put(form.Place, values.location.Get());
    Put(form.Body, L"");
    form.ReminderFlag = values.reminderSet ? L'1' : L'0';
    form.ReminderMinutes = values.reminderSet ? values.reminderMinutes : kReminderWhenNone;
    AssigneeOid = GetPlanLinkContact(appointmentOid, AssigneeName, ARRAYSIZE(AssigneeName));
    return true;
}

bool LoadScheduleForm()
{
    // The row's own entry, so that an occurrence is the one the list shows.
    const ScheduleEntry* entry = SelectedScheduleEntry();
    if (!entry)
        return false;
    const OccurrenceTimes row = {entry->ownStartDate, entry->ownStartTime, entry->ownEndDate, entry->ownEndTime};
    return LoadAppointmentForm(SelectedAppointmentOid, row, EditSingleOccurrence == 1);
}

bool LoadHolidayRecord()
{
    bool found = false;
    CEPROPVAL key = I4Value(kHolidayId, HolidayLookupId);
    WithOwnDatabase(kHolidayDatabase, kHolidayId, [&](HANDLE db) {
        OwnRecord holiday;
        if (SeekFirstEqual(db, key) == 0 || !holiday.ReadCurrent(db))
            return;
        Put(ItemFormState.StartDate, holiday.Text(kHolidayDate));
        Put(ItemFormState.Title, holiday.Text(kHolidayName));
        Put(HolidayLunarText, holiday.Text(kHolidayLunarDate));
        found = true;
    });
    return found;
}

namespace {

// The object model's dates from year 3000 on mean "no date".
constexpr wchar_t kNoTaskDateFrom[] = L"3000-01-01";

template <size_t N>
void PutTaskDate(wchar_t (&field)[N], DATE date)
{
    FormatVariantDate(date, field, N, nullptr, 0);
    if (lstrcmpW(field, kNoTaskDateFrom) >= 0)
        field[0] = L'\0';
}

}  // namespace

bool LoadTaskForm()
{
    ComRef<ITask> task = TaskFromOid(SelectedTaskOid);
    if (!task)
        return false;
    ItemFormFields& form = ItemFormState;
    DATE start = 0, due = 0;
    task->get_StartDate(&start);
    task->get_DueDate(&due);
    PutTaskDate(form.StartDate, start);
    PutTaskDate(form.EndDate, due);

    ComRef<IRecurrencePattern> pattern;
    PatternValues rule;
    if (SUCCEEDED(task->GetRecurrencePattern(pattern.Out())) && pattern)
        rule = ReadPattern(pattern.Get());
    form.RecurrenceCode = LoadRule(rule);

    OwnedText subject;
    task->get_Subject(subject.Out());
    Put(form.Title, subject.Get());
    Put(form.Body, L"");
    BYTE* ink = nullptr;
    int bytes = 0;
    if (SUCCEEDED(task->get_BodyInk(&ink, &bytes)) && ink) {
        SetRichInkBody(ink, static_cast<DWORD>(bytes));
        LocalFree(ink);
    } else {
        SetRichInkBody(nullptr, 0);
    }
    VARIANT_BOOL reminderSet = VARIANT_FALSE;
    task->get_ReminderSet(&reminderSet);
    form.ReminderFlag = reminderSet ? L'1' : L'0';
    form.ReminderDate[0] = form.ReminderTime[0] = L'\0';
    if (reminderSet) {
        DATE reminder = 0;
        task->get_ReminderTime(&reminder);
        FormatVariantDate(reminder, form.ReminderDate, ARRAYSIZE(form.ReminderDate), form.ReminderTime,
                          ARRAYSIZE(form.ReminderTime));
    }
    long importance = 1;
    task->get_Importance(&importance);
    form.Priority = importance >= 2 ? L'3' : importance == 1 ? L'2' : L'1';
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    form.Status = complete ? L'T' : L'F';

    AssigneeOid = GetTaskLinkContact(SelectedTaskOid, AssigneeName, ARRAYSIZE(AssigneeName));
    if (AssigneeOid)
        LinkedContactOid = AssigneeOid;
    Put(ContactDialInfo.LinkedContactName, AssigneeName);
    return true;
}
