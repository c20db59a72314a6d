#include "backup/rekey.h"

#include "core/db_access.h"
#include "core/id_counters.h"
#include "core/record_layouts.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Row properties moved in this restore, by record id (unique in a volume).
std::set<std::pair<CEOID, CEPROPID>> moved;

// The tables opened while they are kept open, by database and sort order.
struct KeptTable {
    std::wstring database;
    CEPROPID sort;
    HANDLE handle;
};
bool keepTables = false;
std::vector<KeptTable> kept;

// Runs work on the database opened on that order: the kept table when
// tables are kept, else one opened for this work; false when it cannot be
// opened.
template <class Work>
bool WithTable(LPCWSTR database, CEPROPID sort, Work work)
{
    if (!keepTables)
        return WithOwnDatabase(database, sort, work);
    for (const KeptTable& table : kept) {
        if (table.sort == sort && table.database == database) {
            work(table.handle);
            return true;
        }
    }
    HANDLE handle = OpenOwnDatabaseHandle(database, sort);
    if (!handle)
        return false;
    kept.push_back({database, sort, handle});
    work(handle);
    return true;
}

struct FoundRow {
    CEOID record;
    int32_t contact;  // the row's contact id (link rows)
};

// Every row whose key holds the old id and was not moved yet, in the
// key's order; false when the database could not be opened or a row could
// not be read (the rows before it are kept).
bool FindRows(LPCWSTR database, CEPROPID key, CEOID oldOid, std::vector<FoundRow>* rows)
{
    rows->clear();
    bool whole = true;
    bool opened = WithTable(database, key, [&](HANDLE db) {
        const int32_t wanted = static_cast<int32_t>(oldOid);
        CEOID record = SeekFirstEqual(db, I4Value(key, wanted));
        OwnRecord row;
        DWORD index = 0;
        while (record != 0) {
            if (!row.ReadCurrent(db)) {
                whole = false;
                break;
            }
            if (row.I4(key) != wanted)
                break;
            if (!moved.count({record, key}))
                rows->push_back(FoundRow{record, row.I4(kLinkContact)});
            record = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
    if (!opened || !whole)
        NKDbgPrintfW(L"restore: rows of %s naming %lu not %s (error %lu)\r\n", database,
                     static_cast<unsigned long>(oldOid), opened ? L"all read" : L"found", GetLastError());
    return opened && whole;
}

// Rewrites the rows in place with the values given for each, or deletes
// those without values; each row's key is then moved.
template <class Change>
bool RewriteRows(LPCWSTR database, CEPROPID key, const std::vector<FoundRow>& rows, Change change)
{
    if (rows.empty())
        return true;
    bool ok = true;
    bool opened = WithTable(database, kUnsorted, [&](HANDLE db) {
        for (const FoundRow& row : rows) {
            std::vector<CEPROPVAL> values = change(row);
            bool done = values.empty() ? CeDeleteRecord(db, row.record) != 0
                                       : CeWriteRecordProps(db, row.record, static_cast<WORD>(values.size()),
                                                            values.data()) != 0;
            if (!done) {
                NKDbgPrintfW(L"restore: row %08lX of %s not moved (error %lu)\r\n",
                             static_cast<unsigned long>(row.record), database, GetLastError());
                ok = false;
                continue;
            }
            moved.insert({row.record, key});
        }
    });
    return opened && ok;
}

// Every unmoved row naming the old id, rewritten with the values change
// gives it (deleted when it gives none).
template <class Change>
bool MoveRows(LPCWSTR database, CEPROPID key, CEOID oldOid, Change change)
{
    if (oldOid == 0)
        return true;  // no item
    // The restore made every database before its replay: one that cannot
    // be opened or read is a failure, and the rows found are still moved.
    std::vector<FoundRow> rows;
    bool found = FindRows(database, key, oldOid, &rows);
    return RewriteRows(database, key, rows, change) && found;
}

bool MoveKey(LPCWSTR database, CEPROPID key, CEOID oldOid, CEOID newOid, bool dropWithoutContact)
{
    return MoveRows(database, key, oldOid, [&](const FoundRow& row) {
        if (dropWithoutContact && row.contact == 0)
            return std::vector<CEPROPVAL>();
        return std::vector<CEPROPVAL>{I4Value(key, static_cast<int32_t>(newOid))};
    });
}

}  // namespace

void BeginRekeying()
{
    moved.clear();
}

void KeepRekeyingTablesOpen(bool keep)
{
    for (const KeptTable& table : kept)
        CloseHandle(table.handle);
    kept.clear();
    keepTables = keep;
}

bool RekeyPlanLinksOfContact(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kPlanLinkDatabase, kLinkContact, oldOid, newOid, false);
}

bool RekeyTaskLinksOfContact(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kTaskLinkDatabase, kLinkContact, oldOid, newOid, false);
}

bool RekeyNoteFileLinksOfContact(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kNoteFileLinkDatabase, kLinkContact, oldOid, newOid, false);
}

bool RekeyNotesOfContact(CEOID oldOid, CEOID newOid)
{
    // A memo id is taken per memo, in the memos' order, before its row is
    // rewritten.
    return MoveRows(kNoteDatabase, kNoteContact, oldOid, [&](const FoundRow&) {
        return std::vector<CEPROPVAL>{I4Value(kNoteId, NextMemoId()),
                                      I4Value(kNoteContact, static_cast<int32_t>(newOid))};
    });
}

bool RekeyPlanLinkOfAppointment(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kPlanLinkDatabase, kLinkItem, oldOid, newOid, true);
}

bool RekeyTaskLinkOfTask(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kTaskLinkDatabase, kLinkItem, oldOid, newOid, true);
}

bool RekeyAnniversaryOfAppointment(CEOID oldOid, CEOID newOid)
{
    return MoveKey(kAnniversaryDatabase, kAnniversaryAppointment, oldOid, newOid, false);
}
