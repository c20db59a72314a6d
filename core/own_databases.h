// The program's own databases: creators with their sort orders, droppers
// and the record inserts.
#pragma once

#include "core/state.h"

// Creators: 1 when the database was created now, 0 when not (it exists).
int CreateNoteDatabase();
int CreateAnniversaryDatabase();
int CreateAnniversaryTextDatabase();
int CreateHolidayDatabase();
int CreateShortcutDatabase();
int CreateIdCounterDatabase();

// Droppers: -1 when the database does not exist, else the delete's result.
int DropPlanLinkDatabase();
int DropTaskLinkDatabase();
int DropNoteFileLinkDatabase();
int DropNoteDatabase();
int DropAnniversaryDatabase();
int DropAnniversaryTextDatabase();
int DropShortcutDatabase();
int DropIdCounterDatabase();
int DropHolidayDatabase();

// Each insert writes one record and returns false when it was not written.

// One NoteRecord with RichInkBody as its body. An empty category is stored
// as " ", and a category of " " reads back empty in the caller's buffer. In
// the memo view the pending contact (AssigneeOid) is cleared after the write.
bool InsertNoteRecord(int32_t memoId, LPCWSTR date, LPWSTR category, LPCWSTR title, CEOID contactOid);

// One AnniversaryRecord with the given mirror appointment; an empty time is
// stored as "10:00" and written back into time (which must hold 6
// characters); a non-empty note adds its AnniversaryTextRecord. Both or
// neither: when the note cannot be written the record is taken out again.
bool InsertAnniversaryRecord(int32_t id, LPCWSTR title, wchar_t yearKnown, LPCWSTR date, wchar_t lunar,
                             wchar_t kind, wchar_t reminderOn, int32_t reminderChoice, LPWSTR time,
                             LPCWSTR startYear, LPCWSTR month, LPCWSTR day, CEOID appointmentOid, LPCWSTR note);
bool InsertAnniversaryText(int32_t id, LPCWSTR text);
bool InsertIdCounterRecord(int32_t carried, int32_t memoCounter, int32_t anniversaryCounter);
bool InsertHolidayRecord(int32_t id, LPCWSTR date, LPCWSTR name, LPCWSTR lunarDate);
bool InsertShortcutRecord(int32_t order, LPCWSTR path);

// Puts the 76 built-in holidays into the holiday database, in table order;
// false, stopping there, at the first that is not written.
bool InsertBuiltinHolidays();
