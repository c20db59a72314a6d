#include "mainwindow/diary_databases.h"

#include "core/id_counters.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/registry.h"

namespace {

constexpr wchar_t kHolidayReloadValue[] = L"Quillon ChangeRest";
constexpr int kRegistryTextChars = 100;

}  // namespace

CreatedDatabases CreateDiaryDatabases()
{
    CreatedDatabases created = {};
    created.anniversaryText = CreateAnniversaryTextDatabase() == 1;
    created.taskLink = CreateTaskLinkDatabase() == 1;
    created.note = CreateNoteDatabase() == 1;
    created.shortcut = CreateShortcutDatabase() == 1;
    created.noteFileLink = CreateNoteFileLinkDatabase() == 1;
    created.planLink = CreatePlanLinkDatabase() == 1;
    created.anniversary = CreateAnniversaryDatabase() == 1;
    created.holiday = CreateHolidayDatabase() == 1;
    // A holiday table left half filled is dropped, so that the next start
    // makes and fills it again.
    if (created.holiday && !InsertBuiltinHolidays())
        DropHolidayDatabase();
    created.idCounter = CreateIdCounterDatabase() == 1;
    // Without its record the counter database is filled at the first id
    // taken (NextMemoId, NextAnniversaryId), from the ids in use.
    if (created.idCounter)
        InsertIdCounterRecord(kFirstCounterValue, kFirstCounterValue, kFirstCounterValue);
    return created;
}

bool ReloadHolidaysWhenAsked(const CreatedDatabases& created)
{
    bool firstStart = created.planLink && created.anniversary && created.holiday && created.idCounter &&
                      created.taskLink && created.note && created.shortcut;
    if (firstStart)
        return false;
    wchar_t value[kRegistryTextChars] = L"";
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kHolidayReloadValue, L"", value, sizeof(value));
    if (value[0] != L'\0')
        return false;
    DropHolidayDatabase();
    // The value is written only after a whole reload, so a reload cut short
    // is made again at the next start.
    if (CreateHolidayDatabase() != 1 || !InsertBuiltinHolidays())
        return false;
    WriteRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kHolidayReloadValue, L"0");
    return true;
}
