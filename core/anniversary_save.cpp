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
#include "core/registry.h"

#include <strsafe.h>

#include <cwchar>
#include <iterator>
#include <vector>

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

// The mirror of a save under way, until its record names it: a save killed
// in between leaves it for the next start to remove.
constexpr wchar_t kPendingMirrorValue[] = L"PendingAnniversaryMirror";

void NotePendingMirror(CEOID mirror)
{
    WriteRegistryDword(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kPendingMirrorValue, mirror);
}

bool IsMirrorOfAnAnniversary(CEOID mirror)
{
    bool found = false;
    WithOwnDatabase(kAnniversaryDatabase, kUnsorted, [&](HANDLE db) {
        OwnRecord record;
        DWORD index = 0;
        for (CEOID at = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index); at && !found;
             at = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index))
            found = record.ReadCurrent(db) && static_cast<CEOID>(record.I4(kAnniversaryAppointment)) == mirror;
    });
    return found;
}

// Takes out the mirror of a save that failed; what cannot be taken out now
// is left to the next start.
void TakeOutMirror(CEOID mirror)
{
    if (DeleteOutlookAppointmentOnly(mirror) || !AppointmentFromOid(mirror))
        NotePendingMirror(0);
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
    NotePendingMirror(mirror);
    const bool fixed = (yearKnown != L'1' && lunar != L'1') || FixOccurrences(mirror, plan, yearKnown, kind, title);
    if (fixed && InsertAnniversaryRecord(id, title, yearKnown, date, lunar, kind, reminderOn, reminderChoice, time,
                                         startYear, month, day, mirror, note)) {
        NotePendingMirror(0);
        return true;
    }
    TakeOutMirror(mirror);
    return false;
}

void RemoveUnfinishedAnniversaryMirror()
{
    const CEOID mirror = ReadRegistryDword(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kPendingMirrorValue, 0);
    if (!mirror)
        return;
    if (IsMirrorOfAnAnniversary(mirror))
        NotePendingMirror(0);
    else
        TakeOutMirror(mirror);
}

namespace {

// The records of a database sorted on its id property that hold the id, in
// order; with mirrors, also each record's mirror appointment.
std::vector<CEOID> RecordsOfId(LPCWSTR database, CEPROPID idProperty, int32_t id, std::vector<CEOID>* mirrors)
{
    std::vector<CEOID> records;
    WithOwnDatabase(database, idProperty, [&](HANDLE db) {
        if (!SeekFirstEqual(db, I4Value(idProperty, id)))
            return;
        OwnRecord record;
        DWORD index = 0;
        do {
            if (!record.ReadCurrent(db) || record.I4(idProperty) != id)
                break;
            records.push_back(record.Oid());
            if (mirrors)
                mirrors->push_back(static_cast<CEOID>(record.I4(kAnniversaryAppointment)));
        } while (CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index));
    });
    return records;
}

bool Holds(const std::vector<StoredAnniversary>& rows, CEOID StoredAnniversary::*row, CEOID oid)
{
    for (const StoredAnniversary& one : rows) {
        if (one.*row == oid)
            return true;
    }
    return false;
}

}  // namespace

std::vector<StoredAnniversary> FindStoredAnniversaries(int32_t id)
{
    std::vector<CEOID> mirrors;
    const std::vector<CEOID> records = RecordsOfId(kAnniversaryDatabase, kAnniversaryId, id, &mirrors);
    const std::vector<CEOID> texts = RecordsOfId(kAnniversaryTextDatabase, kAnniversaryTextId, id, nullptr);
    std::vector<StoredAnniversary> rows(records.size() > texts.size() ? records.size() : texts.size());
    for (size_t i = 0; i < records.size(); ++i) {
        rows[i].record = records[i];
        rows[i].mirror = mirrors[i];
    }
    for (size_t i = 0; i < texts.size(); ++i)
        rows[i].textRecord = texts[i];
    return rows;
}

StoredAnniversary FindStoredAnniversary(int32_t id)
{
    const std::vector<StoredAnniversary> rows = FindStoredAnniversaries(id);
    return rows.empty() ? StoredAnniversary() : rows.front();
}

std::vector<StoredAnniversary> AnniversaryRowsBeside(int32_t id, const std::vector<StoredAnniversary>& before)
{
    // Records and notes are told apart one by one: their pairing by order
    // changes as rows come and go.
    std::vector<StoredAnniversary> added;
    for (const StoredAnniversary& row : FindStoredAnniversaries(id)) {
        StoredAnniversary fresh;
        if (row.record && !Holds(before, &StoredAnniversary::record, row.record)) {
            fresh.record = row.record;
            fresh.mirror = row.mirror;
        }
        if (row.textRecord && !Holds(before, &StoredAnniversary::textRecord, row.textRecord))
            fresh.textRecord = row.textRecord;
        if (fresh.record || fresh.textRecord)
            added.push_back(fresh);
    }
    return added;
}

bool DeleteStoredAnniversary(const StoredAnniversary& rows)
{
    // The record goes last: whatever a failure leaves is still found by its
    // id, and deleting it again finishes the work. A mirror already gone
    // elsewhere counts as deleted.
    if (rows.mirror && !DeleteOutlookAppointment(rows.mirror) && AppointmentFromOid(rows.mirror))
        return false;
    if (rows.textRecord && !DeleteOwnRecord(kAnniversaryTextDatabase, rows.textRecord))
        return false;
    return !rows.record || DeleteOwnRecord(kAnniversaryDatabase, rows.record);
}

bool DeleteStoredAnniversaries(const std::vector<StoredAnniversary>& rows)
{
    bool deleted = true;
    for (const StoredAnniversary& row : rows)
        deleted = DeleteStoredAnniversary(row) && deleted;
    return deleted;
}

bool DeleteAnniversary(long anniversaryId)
{
    return DeleteStoredAnniversaries(FindStoredAnniversaries(static_cast<int32_t>(anniversaryId)));
}
