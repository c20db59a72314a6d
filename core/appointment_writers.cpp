#include "core/outlook_writers.h"

#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "core/recurrence_pattern.h"
#include "core/rich_ink_body.h"

#include <cstdio>

namespace {

constexpr DATE kOneDay = 1.0;
constexpr DATE kOneMinute = 1.0 / 1440.0;
constexpr long kAnniversaryOccurrences = 10;

struct AppointmentFields {
    LPCWSTR startDate, startTime, endDate, endTime;
    wchar_t reminderFlag;
    int32_t reminderMinutes;
    LPCWSTR subject, location;
    LPCWSTR bodyText;  // null: the body is RichInkBody
    wchar_t recurrenceCode;
};

bool IsEmpty(LPCWSTR text)
{
    return !text || text[0] == L'\0';
}

void WriteReminder(IAppointment* item, wchar_t flag, int32_t minutes)
{
    if (flag == L'1') {
        item->put_ReminderSet(VARIANT_TRUE);
        item->put_ReminderMinutesBeforeStart(minutes);
    } else {
        item->put_ReminderSet(VARIANT_FALSE);
    }
}

void WriteBody(IAppointment* item, LPCWSTR bodyText)
{
    if (bodyText)
        item->put_Body(TextArg(bodyText));
    else
        item->put_BodyInk(RichInkBody.bytes, static_cast<int>(RichInkBody.size));
}

// Start, end and all-day flag: without a start time the item is all-day and
// takes whole days. An empty end date is the start again, with the day that
// ends an all-day item after it when addDayWithoutEnd. False, writing
// nothing, when a date cannot be read.
bool WriteTimes(IAppointment* item, const AppointmentFields& f, bool addDayWithoutEnd, DATE* startOut)
{
    bool allDay = IsEmpty(f.startTime);
    DATE& start = *startOut;
    DATE end = 0;
    if (!VariantDateOf(f.startDate, f.startTime, &start))
        return false;
    if (!IsEmpty(f.endDate)) {
        if (!VariantDateOf(f.endDate, allDay ? L"" : f.endTime, &end))
            return false;
        if (allDay)
            end += kOneDay;
    } else {
        end = start;
        if (allDay && addDayWithoutEnd)
            end += kOneDay;
    }
    item->put_AllDayEvent(allDay ? VARIANT_TRUE : VARIANT_FALSE);
    item->put_Start(start);
    item->put_End(end);
    return true;
}

// Everything but the save; the reminder lead the repeat rule allows, or -1
// when the dates cannot be read.
int64_t WriteAppointment(IAppointment* item, const AppointmentFields& f, bool clearRuleForNone)
{
    DATE start = 0;
    if (!WriteTimes(item, f, true, &start))
        return -1;
    item->put_Subject(TextArg(f.subject));
    item->put_Location(TextArg(f.location));
    WriteBody(item, f.bodyText);
    WriteReminder(item, f.reminderFlag, f.reminderMinutes);
    if (f.recurrenceCode == L'0') {
        if (clearRuleForNone)
            item->ClearRecurrencePattern();
        return kAnyReminderLead;
    }
    ComRef<IRecurrencePattern> pattern;
    if (FAILED(item->GetRecurrencePattern(pattern.Out())) || !pattern)
        return -1;
    return WriteRecurrencePattern(pattern.Get(), f.recurrenceCode, start);
}

// The save rule: a repeating item only with a lead that fits its rule.
CEOID SaveAppointment(IAppointment* item, const AppointmentFields& f, int64_t limit)
{
    if (limit < 0)
        return 0;
    if (f.recurrenceCode != L'0' && f.reminderMinutes > limit)
        return 0;
    if (FAILED(item->Save()))
        return 0;
    MarkAppointmentsDatabaseSeen();
    return OidOf(item);
}

CEOID ChangeAppointment(CEOID oid, const AppointmentFields& f)
{
    ComRef<IAppointment> item = AppointmentFromOid(oid);
    CEOID saved = 0;
    if (item)
        saved = SaveAppointment(item.Get(), f, WriteAppointment(item.Get(), f, true));
    FreeRichInkBody();
    return saved;
}

}  // namespace

CEOID CreateOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                               wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                               LPCWSTR body, wchar_t recurrenceCode)
{
    AppointmentFields f = {startDate, startTime, endDate, endTime, reminderFlag, reminderMinutes,
                           subject,   location,  body ? body : L"", recurrenceCode};
    ComRef<IAppointment> item = NewAppointmentItem();
    if (!item)
        return 0;
    // An all-day item is written all-day at once: there is no second write
    // that could fail after a timed one was saved.
    return SaveAppointment(item.Get(), f, WriteAppointment(item.Get(), f, false));
}

CEOID UpdateOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                               wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                               wchar_t recurrenceCode, CEOID appointmentOid)
{
    AppointmentFields f = {startDate, startTime, endDate, endTime, reminderFlag, reminderMinutes,
                           subject,   location,  nullptr,  recurrenceCode};
    return ChangeAppointment(appointmentOid, f);
}

CEOID RewriteOutlookAppointment(LPCWSTR startDate, LPCWSTR startTime, LPCWSTR endDate, LPCWSTR endTime,
                                wchar_t reminderFlag, int32_t reminderMinutes, LPCWSTR subject, LPCWSTR location,
                                LPCWSTR body, wchar_t recurrenceCode, CEOID appointmentOid)
{
    AppointmentFields f = {startDate, startTime, endDate, endTime, reminderFlag, reminderMinutes,
                           subject,   location,  body ? body : L"", recurrenceCode};
    return ChangeAppointment(appointmentOid, f);
}

CEOID CreateAnniversaryAppointment(LPCWSTR date, LPCWSTR time, wchar_t reminderFlag, int32_t reminderMinutes,
                                   LPCWSTR subject, LPCWSTR body)
{
    int year = 0, month = 0, day = 0;
    DATE start = 0;
    if (!date || swscanf(date, L"%4d-%2d-%2d", &year, &month, &day) != 3 || !VariantDateOf(date, time, &start))
        return 0;
    RecurrencePatternState.SeedDay = day;
    RecurrencePatternState.SeedMonth = month;
    ComRef<IAppointment> item = NewAppointmentItem();
    if (!item)
        return 0;
    item->put_AllDayEvent(VARIANT_FALSE);
    item->put_Start(start);
    item->put_End(start + kOneMinute);
    item->put_Subject(TextArg(subject));
    if (!IsEmpty(body))
        item->put_Body(TextArg(body));
    WriteReminder(item.Get(), reminderFlag, reminderMinutes);
    ComRef<IRecurrencePattern> pattern;
    if (FAILED(item->GetRecurrencePattern(pattern.Out())) || !pattern)
        return 0;
    pattern->put_RecurrenceType(olRecursYearly);
    pattern->put_PatternStartDate(start);
    pattern->put_DayOfMonth(day);
    pattern->put_MonthOfYear(month);
    pattern->put_Occurrences(kAnniversaryOccurrences);
    pattern->put_Interval(1);
    if (FAILED(item->Save()))
        return 0;
    MarkAppointmentsDatabaseSeen();
    return OidOf(item.Get());
}

CEOID UpdateOccurrenceFromForm(CEOID appointmentOid)
{
    const ItemFormFields& form = ItemFormState;
    ComRef<IAppointment> appointment = AppointmentFromOid(appointmentOid);
    ComRef<IRecurrencePattern> pattern;
    ComRef<IAppointment> occurrence;
    DATE at = 0;
    CEOID saved = 0;
    if (appointment && VariantDateOf(form.OccurrenceStartDate, form.OccurrenceStartTime, &at) &&
        SUCCEEDED(appointment->GetRecurrencePattern(pattern.Out())) && pattern &&
        SUCCEEDED(pattern->GetOccurrence(at, occurrence.Out())) && occurrence) {
        AppointmentFields f = {form.StartDate, form.StartTime, form.EndDate, form.EndTime, form.ReminderFlag,
                               form.ReminderMinutes, form.Title, form.Place, nullptr, form.RecurrenceCode};
        DATE start = 0;
        if (WriteTimes(occurrence.Get(), f, false, &start)) {
            occurrence->put_Subject(TextArg(f.subject));
            occurrence->put_Location(TextArg(f.location));
            WriteBody(occurrence.Get(), nullptr);
            WriteReminder(occurrence.Get(), f.reminderFlag, f.reminderMinutes);
            if (SUCCEEDED(occurrence->Save())) {
                MarkAppointmentsDatabaseSeen();
                saved = appointmentOid;
            }
        }
    }
    FreeRichInkBody();
    return saved;
}
