// An anniversary saved with its yearly Pocket Outlook mirror, and deleted
// with it: the record and its note in QuillonMemo and QuillonMemo2, and an
// appointment of ten yearly occurrences whose titles count ages or years
// and which, for a lunar date, are moved to each year's solar day.
#pragma once

#include "core/state.h"

#include <string>
#include <vector>

// The reminder lead of a reminder choice: 0 none, 1-7 that many days, 8 ten,
// 9 fifteen, 10 twenty, 11 thirty days; 0 for any other choice.
int32_t AnniversaryReminderMinutes(int32_t choice);

// "[label] title" of the kind.
std::wstring AnniversarySubject(wchar_t kind, LPCWSTR title);
// An occurrence's title in a year when the year of origin is known: a
// birthday counts the age ("[생일] %s(%d세)"), the other kinds the years since
// ("[기념] %s(%d주년)"); a count below 1 leaves the plain subject.
std::wstring AnniversaryOccurrenceSubject(wchar_t kind, LPCWSTR title, int year, int originYear);

// The time every occurrence and the record take when none is given.
constexpr wchar_t kDefaultAnniversaryTime[] = L"10:00";
constexpr int kMirrorYears = 10;

// Where the mirror starts and how its occurrences are found, from the
// anniversary's date ("yyyy-MM-dd" with the year of origin, or "MM/DD") in
// the current year.
struct AnniversaryMirrorPlan {
    int currentYear = 0;
    int month = 0, day = 0;  // the anniversary's, solar or lunar
    int originYear = 0;      // 0 when the date has no year
    bool lunar = false;
    int hour = 0, minute = 0;
    std::wstring startDate;  // "%04d-%02d-%02d" the series starts on
};
// False when the date cannot be read.
bool PlanAnniversaryMirror(LPCWSTR date, wchar_t lunar, LPCWSTR time, int currentYear, AnniversaryMirrorPlan* plan);

// One year's occurrence: the day the series holds it on, and the day it
// belongs on (the same for a solar date; a lunar date's solar day). hasDay is
// false for a lunar date past the lunar calendar's end.
struct MirrorOccurrence {
    int year = 0;
    int seriesMonth = 0, seriesDay = 0;
    bool hasDay = false;
    int solarYear = 0, solarMonth = 0, solarDay = 0;
};
MirrorOccurrence PlanMirrorOccurrence(const AnniversaryMirrorPlan& plan, int year);

// ---- saving and deleting -------------------------------------------------------------

// Saves a new anniversary: the mirror first (its occurrences retitled with
// ages or years when the year is known, moved to their solar days when the
// date is lunar; a lunar day past the calendar's end is taken out), then
// the record with its note. An empty time becomes "10:00" for the mirror and
// the record alike and is written back into time (room for 6 characters).
// False when anything failed; nothing is then left behind.
bool SaveNewAnniversary(int32_t id, LPCWSTR title, wchar_t yearKnown, LPCWSTR date, wchar_t lunar, wchar_t kind,
                        wchar_t reminderOn, int32_t reminderChoice, LPWSTR time, LPCWSTR startYear, LPCWSTR month,
                        LPCWSTR day, LPCWSTR note);

// At start-up: the mirror of a save that was killed before its record was
// written is deleted; one that its record names stays.
void RemoveUnfinishedAnniversaryMirror();

// The stored rows of one anniversary, read before a changed one is saved
// under the same id, so that afterwards exactly these go.
struct StoredAnniversary {
    CEOID record = 0;      // in QuillonMemo
    CEOID textRecord = 0;  // in QuillonMemo2
    CEOID mirror = 0;      // the appointment
};
// Every set of rows stored under the id (more than one only where an
// earlier failure left them), record and note paired in order.
std::vector<StoredAnniversary> FindStoredAnniversaries(int32_t id);
// The first of them; all zero when there is none.
StoredAnniversary FindStoredAnniversary(int32_t id);
// The rows now stored under the id that are not among those read before.
std::vector<StoredAnniversary> AnniversaryRowsBeside(int32_t id, const std::vector<StoredAnniversary>& before);
// Deletes the mirror, the note and then the record, stopping at the first
// that fails (false), so that the record still leads to what is left.
bool DeleteStoredAnniversary(const StoredAnniversary& rows);
// Each set in turn; false when any of them is not wholly gone.
bool DeleteStoredAnniversaries(const std::vector<StoredAnniversary>& rows);

// The anniversary of that id with its mirror and note; false when any of
// its rows stayed (an anniversary that is not there counts as deleted).
bool DeleteAnniversary(long anniversaryId);
