#include "core/own_databases.h"

#include "core/db_access.h"
#include "core/holiday_table.h"
#include "core/record_layouts.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kNoCategory[] = L" ";
constexpr wchar_t kDefaultAnniversaryTime[] = L"10:00";
constexpr size_t kTimeChars = 6;

// A one-character flag or kind, stored as a one-character string.
struct Letter {
    explicit Letter(wchar_t c) : text{c, L'\0'} {}
    wchar_t text[2];
};

}  // namespace

int CreateNoteDatabase()
{
    return CreateOwnDatabase(kNoteDatabase, {kNoteCategory, kNoteId, kNoteContact, kNoteDate});
}

int CreateAnniversaryDatabase()
{
    return CreateOwnDatabase(kAnniversaryDatabase, {kAnniversaryKind, kAnniversaryId, kAnniversaryAppointment});
}

int CreateAnniversaryTextDatabase()
{
    return CreateOwnDatabase(kAnniversaryTextDatabase, {kAnniversaryTextId});
}

int CreateHolidayDatabase()
{
    return CreateOwnDatabase(kHolidayDatabase, {kHolidayDate, kHolidayId});
}

int CreateShortcutDatabase()
{
    return CreateOwnDatabase(kShortcutDatabase, {kShortcutOrder});
}

int CreateIdCounterDatabase()
{
    return CreateOwnDatabase(kIdCounterDatabase, {});
}

int DropPlanLinkDatabase() { return DropOwnDatabase(kPlanLinkDatabase); }
int DropTaskLinkDatabase() { return DropOwnDatabase(kTaskLinkDatabase); }
int DropNoteFileLinkDatabase() { return DropOwnDatabase(kNoteFileLinkDatabase); }
int DropNoteDatabase() { return DropOwnDatabase(kNoteDatabase); }
int DropAnniversaryDatabase() { return DropOwnDatabase(kAnniversaryDatabase); }
int DropAnniversaryTextDatabase() { return DropOwnDatabase(kAnniversaryTextDatabase); }
int DropShortcutDatabase() { return DropOwnDatabase(kShortcutDatabase); }
int DropIdCounterDatabase() { return DropOwnDatabase(kIdCounterDatabase); }
int DropHolidayDatabase() { return DropOwnDatabase(kHolidayDatabase); }

bool InsertNoteRecord(int32_t memoId, LPCWSTR date, LPWSTR category, LPCWSTR title, CEOID contactOid)
{
    bool noCategory = !category || category[0] == L'\0';
    CEOID written = WriteNewOwnRecord(kNoteDatabase, {I4Value(kNoteId, memoId), TextValue(kNoteCategory, noCategory ? kNoCategory : category),
                                      TextValue(kNoteTitle, title), I4Value(kNoteContact, static_cast<int32_t>(contactOid)),
                                      StreamValue(kNoteBody, RichInkBody.size, RichInkBody.bytes),
                                      TextValue(kNoteDate, date)});
    if (category && lstrcmpW(category, kNoCategory) == 0)
        category[0] = L'\0';
    if (written == 0)
        return false;
    if (CurrentView == kMemoView)
        AssigneeOid = 0;
    return true;
}

bool InsertAnniversaryRecord(int32_t id, LPCWSTR title, wchar_t yearKnown, LPCWSTR date, wchar_t lunar,
                             wchar_t kind, wchar_t reminderOn, int32_t reminderChoice, LPWSTR time,
                             LPCWSTR startYear, LPCWSTR month, LPCWSTR day, CEOID appointmentOid, LPCWSTR note)
{
    if (time && time[0] == L'\0')
        StringCchCopyW(time, kTimeChars, kDefaultAnniversaryTime);
    Letter yearFlag(yearKnown), lunarFlag(lunar), kindCode(kind), reminderFlag(reminderOn);
    CEOID record = WriteNewOwnRecord(kAnniversaryDatabase,
                      {I4Value(kAnniversaryId, id), TextValue(kAnniversaryTitle, title),
                       TextValue(kAnniversaryYearKnown, yearFlag.text), TextValue(kAnniversaryDate, date),
                       TextValue(kAnniversaryStartYear, startYear), TextValue(kAnniversaryMonth, month),
                       TextValue(kAnniversaryDay, day), TextValue(kAnniversaryLunar, lunarFlag.text),
                       TextValue(kAnniversaryKind, kindCode.text), TextValue(kAnniversaryReminderOn, reminderFlag.text),
                       I4Value(kAnniversaryReminderChoice, reminderChoice),
                       TextValue(kAnniversaryTime, time ? time : kDefaultAnniversaryTime),
                       I4Value(kAnniversaryAppointment, static_cast<int32_t>(appointmentOid))});
    if (record == 0)
        return false;
    if (note && note[0] != L'\0' && !InsertAnniversaryText(id, note)) {
        DeleteOwnRecord(kAnniversaryDatabase, record);
        return false;
    }
    return true;
}

bool InsertAnniversaryText(int32_t id, LPCWSTR text)
{
    return WriteNewOwnRecord(kAnniversaryTextDatabase, {I4Value(kAnniversaryTextId, id), TextValue(kAnniversaryTextNote, text)}) != 0;
}

bool InsertIdCounterRecord(int32_t carried, int32_t memoCounter, int32_t anniversaryCounter)
{
    return WriteNewOwnRecord(kIdCounterDatabase, {I4Value(kCounterCarried, carried), I4Value(kCounterMemo, memoCounter),
                                           I4Value(kCounterAnniversary, anniversaryCounter)}) != 0;
}

bool InsertHolidayRecord(int32_t id, LPCWSTR date, LPCWSTR name, LPCWSTR lunarDate)
{
    return WriteNewOwnRecord(kHolidayDatabase, {I4Value(kHolidayId, id), TextValue(kHolidayDate, date),
                                         TextValue(kHolidayName, name), TextValue(kHolidayLunarDate, lunarDate)}) != 0;
}

bool InsertShortcutRecord(int32_t order, LPCWSTR path)
{
    return WriteNewOwnRecord(kShortcutDatabase, {I4Value(kShortcutOrder, order), TextValue(kShortcutPath, path)}) != 0;
}

bool InsertBuiltinHolidays()
{
    const HolidayEntry* table = BuiltinHolidayTable();
    for (int i = 0; i < kBuiltinHolidayCount; ++i) {
        if (!InsertHolidayRecord(table[i].id, table[i].date, table[i].name, table[i].lunarDate))
            return false;
    }
    return true;
}
