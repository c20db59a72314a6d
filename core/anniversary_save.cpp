#include "core/anniversary_save.h"

#include "core/anniversary_kinds.h"
#include "core/dates.h"
#include "core/db_access.h"
#include "core/item_commands.h"
#include "core/lunar.h"
#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "core/outlook_writers.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"

#include <strsafe.h>

#include <cwchar>
#include <iterator>

namespace {

constexpr int32_t kMinutesPerDay = 1440;
// Leads of the choices above a week, in days.
constexpr int32_t kLongLeadDays[] = {10, 15, 20, 30};
constexpr int32_t kLongestDayChoice = 7;
constexpr size_t kFullDateChars = 10;
constexpr size_t kTimeChars = 5;

std::wstring DateText(int year, int month, int day)
{
    wchar_t text[16] = L"";
    StringCchPrintfW(text, std::size(text), L"%04d-%02d-%02d", year, month, day);
    return text;
}

// The day in that year's month, the last one when the month is shorter (29
// February in a common year is the 28th, as the yearly series holds it).
int DayInMonth(int year, int month, int day)
{
    const int length = DaysInMonth(year, month);
    return day > length ? length : day;
}

}  // namespace

int32_t AnniversaryReminderMinutes(int32_t choice)
{
    if (choice >= 1 && choice <= kLongestDayChoice)
        return choice * kMinutesPerDay;
    const int32_t longChoice = choice - kLongestDayChoice - 1;
    if (longChoice >= 0 && longChoice < static_cast<int32_t>(std::size(kLongLeadDays)))
        return kLongLeadDays[longChoice] * kMinutesPerDay;
    return 0;
}

std::wstring AnniversarySubject(wchar_t kind, LPCWSTR title)
{
    return L"[" + std::wstring(AnniversaryKindLabel(kind)) + L"] " + (title ? title : L"");
}

std::wstring AnniversaryOccurrenceSubject(wchar_t kind, LPCWSTR title, int year, int originYear)
{
    const bool birthday = kind == L'0';
    const int count = birthday ? year - originYear + 1 : year - originYear;
    std::wstring subject = AnniversarySubject(kind, title);
    if (count < 1)
        return subject;
    wchar_t suffix[32] = L"";
    StringCchPrintfW(suffix, std::size(suffix), birthday ? L"(%d세)" : L"(%d주년)", count);
    return subject + suffix;
}

bool PlanAnniversaryMirror(LPCWSTR date, wchar_t lunar, LPCWSTR time, int currentYear, AnniversaryMirrorPlan* plan)
{
    *plan = AnniversaryMirrorPlan();
    plan->currentYear = currentYear;
    plan->lunar = lunar == L'1';
    const bool full = date && wcslen(date) == kFullDateChars;
    const int read = !date ? 0
                     : full ? swscanf(date, L"%4d-%2d-%2d", &plan->originYear, &plan->month, &plan->day)
                            : swscanf(date, L"%2d/%2d", &plan->month, &plan->day);
    if (read != (full ? 3 : 2) || plan->month < 1 || plan->month > 12 || plan->day < 1 || plan->day > 31)
        return false;
    if (time && wcslen(time) == kTimeChars)
        swscanf(time, L"%2d:%2d", &plan->hour, &plan->minute);
    if (plan->lunar) {
        const int placeholderMonth = plan->month == 1 ? 12 : plan->month - 1;
        plan->startDate = DateText(currentYear, placeholderMonth, 1);
    } else {
        plan->startDate = DateText(currentYear, plan->month, DayInMonth(currentYear, plan->month, plan->day));
    }
    return true;
}

MirrorOccurrence PlanMirrorOccurrence(const AnniversaryMirrorPlan& plan, int year)
{
    MirrorOccurrence occurrence;
    occurrence.year = year;
    if (!plan.lunar) {
        // The series keeps the day it started on, cut to shorter months.
        occurrence.seriesMonth = plan.month;
        occurrence.seriesDay = DayInMonth(year, plan.month, DayInMonth(plan.currentYear, plan.month, plan.day));
        occurrence.hasDay = true;
        occurrence.solarYear = year;
        occurrence.solarMonth = occurrence.seriesMonth;
        occurrence.solarDay = occurrence.seriesDay;
        return occurrence;
    }
    occurrence.seriesMonth = plan.month == 1 ? 12 : plan.month - 1;
    occurrence.seriesDay = 1;
    occurrence.hasDay = LunarToSolar(year, plan.month, plan.day, false, &occurrence.solarYear,
                                     &occurrence.solarMonth, &occurrence.solarDay) >= 0;
    return occurrence;
}

// ---- saving and deleting -------------------------------------------------------------

namespace {

constexpr int kTimeFieldChars = 6;

// Retitles and moves one year's occurrence of the mirror; a lunar day past
// the calendar's end has no place and is taken out.
bool FixOccurrence(IRecurrencePattern* pattern, const AnniversaryMirrorPlan& plan, wchar_t yearKnown, wchar_t kind,
                   LPCWSTR title, int year)
{
    const MirrorOccurrence when = PlanMirrorOccurrence(plan, year);
    SYSTEMTIME at = {};
    at.wYear = static_cast<WORD>(year);
    at.wMonth = static_cast<WORD>(when.seriesMonth);
    at.wDay = static_cast<WORD>(when.seriesDay);
    at.wHour = static_cast<WORD>(plan.hour);
    at.wMinute = static_cast<WORD>(plan.minute);
    DATE seriesDate = 0;
    ComRef<IAppointment> occurrence;
    if (FAILED(OutlookApp->SystemTimeToVariantTime(&at, &seriesDate)) ||
        FAILED(pattern->GetOccurrence(seriesDate, occurrence.Out())) || !occurrence)
        return true;  // the series holds no occurrence that day: nothing to fix
    if (!when.hasDay) {
        const bool gone = SUCCEEDED(occurrence->Delete());
        MarkAppointmentsDatabaseSeen();
        return gone;
    }
    if (yearKnown == L'1')
        occurrence->put_Subject(TextArg(AnniversaryOccurrenceSubject(kind, title, year, plan.originYear).c_str()));
    if (plan.lunar) {
        at.wYear = static_cast<WORD>(when.solarYear);
        at.wMonth = static_cast<WORD>(when.solarMonth);
        at.wDay = static_cast<WORD>(when.solarDay);
        DATE start = 0;
        if (FAILED(OutlookApp->SystemTimeToVariantTime(&at, &start)))
            return false;
        occurrence->put_AllDayEvent(VARIANT_FALSE);
        occurrence->put_Start(start);
        occurrence->put_End(start + 1.0 / kMinutesPerDay);
    }
    const bool saved = SUCCEEDED(occurrence->Save());
    MarkAppointmentsDatabaseSeen();
    return saved;
}

// Every occurrence of the mirror, latest first.
bool FixOccurrences(CEOID mirror, const AnniversaryMirrorPlan& plan, wchar_t yearKnown, wchar_t kind, LPCWSTR title)
{
    ComRef<IAppointment> appointment = AppointmentFromOid(mirror);
    ComRef<IRecurrencePattern> pattern;
    if (!appointment || FAILED(appointment->GetRecurrencePattern(pattern.Out())) || !pattern)
        return false;
    for (int i = kMirrorYears - 1; i >= 0; --i) {
        if (!FixOccurrence(pattern.Get(), plan, yearKnown, kind, title, plan.currentYear + i))
            return false;
    }
    return true;
}

}  // namespace

bool SaveNewAnniversary(int32_t id, LPCWSTR title, wchar_t yearKnown, LPCWSTR date, wchar_t lunar, wchar_t kind,
                        wchar_t reminderOn, int32_t reminderChoice, LPWSTR time, LPCWSTR startYear, LPCWSTR month,
                        LPCWSTR day, LPCWSTR note)
{
    if (!OutlookApp || !time)
        return false;
    // One time for the mirror and the record.
    if (!*time)
        StringCchCopyW(time, kTimeFieldChars, kDefaultAnniversaryTime);
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    AnniversaryMirrorPlan plan;
    if (!PlanAnniversaryMirror(date, lunar, time, today.wYear, &plan))
        return false;
    const std::wstring subject = AnniversarySubject(kind, title);
    const CEOID mirror = CreateAnniversaryAppointment(plan.startDate.c_str(), time, reminderOn,
                                                      AnniversaryReminderMinutes(reminderChoice), subject.c_str(),
                                                      note);
    if (!mirror)
        return false;
    const bool fixed = (yearKnown != L'1' && lunar != L'1') || FixOccurrences(mirror, plan, yearKnown, kind, title);
    if (fixed && InsertAnniversaryRecord(id, title, yearKnown, date, lunar, kind, reminderOn, reminderChoice, time,
                                         startYear, month, day, mirror, note))
        return true;
    DeleteOutlookAppointmentOnly(mirror);
    return false;
}

StoredAnniversary FindStoredAnniversary(int32_t id)
{
    StoredAnniversary rows;
    WithOwnDatabase(kAnniversaryDatabase, kAnniversaryId, [&](HANDLE db) {
        OwnRecord record;
        if (SeekFirstEqual(db, I4Value(kAnniversaryId, id)) && record.ReadCurrent(db)) {
            rows.record = record.Oid();
            rows.mirror = static_cast<CEOID>(record.I4(kAnniversaryAppointment));
        }
    });
    WithOwnDatabase(kAnniversaryTextDatabase, kAnniversaryTextId, [&](HANDLE db) {
        rows.textRecord = SeekFirstEqual(db, I4Value(kAnniversaryTextId, id));
    });
    return rows;
}

bool DeleteStoredAnniversary(const StoredAnniversary& rows)
{
    if (rows.mirror)
        DeleteOutlookAppointment(rows.mirror);
    bool deleted = true;
    if (rows.record)
        deleted = DeleteOwnRecord(kAnniversaryDatabase, rows.record);
    if (rows.textRecord)
        DeleteOwnRecord(kAnniversaryTextDatabase, rows.textRecord);
    return deleted;
}

bool DeleteAnniversary(long anniversaryId)
{
    return DeleteStoredAnniversary(FindStoredAnniversary(static_cast<int32_t>(anniversaryId)));
}
