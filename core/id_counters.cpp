#include "core/id_counters.h"

#include "core/db_access.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"

#include <algorithm>

int32_t LargestIdIn(LPCWSTR name, CEPROPID idProperty)
{
    int32_t largest = 0;
    WithOwnDatabase(name, idProperty, [&](HANDLE database) {
        DWORD index = 0;
        // Records without the id sort last; step back over them.
        CEOID record = CeSeekDatabaseEx(database, CEDB_SEEK_END, 0, 0, &index);
        OwnRecord read;
        while (record != 0 && read.ReadCurrent(database)) {
            if (read.Find(idProperty)) {
                largest = read.I4(idProperty);
                break;
            }
            record = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, static_cast<DWORD_PTR>(-1), 0, &index);
        }
    });
    return largest;
}

namespace {

struct Counters {
    int32_t carried = kFirstCounterValue;
    int32_t memo = kFirstCounterValue;
    int32_t anniversary = kFirstCounterValue;
};

// Advances one counter past both its stored value and the ids in use, and
// stores the record again in place (or anew when there was none).
int32_t TakeNextId(int32_t Counters::*counter, LPCWSTR dataDatabase, CEPROPID dataIdProperty)
{
    int32_t inUse = LargestIdIn(dataDatabase, dataIdProperty);
    Counters counters;
    CEOID record = 0;
    bool opened = WithOwnDatabase(kIdCounterDatabase, kUnsorted, [&](HANDLE database) {
        DWORD index = 0;
        record = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
        OwnRecord read;
        if (record != 0 && read.ReadCurrent(database)) {
            counters.carried = read.I4(kCounterCarried);
            counters.memo = read.I4(kCounterMemo);
            counters.anniversary = read.I4(kCounterAnniversary);
        }
    });
    int32_t next = std::max(counters.*counter, inUse) + 1;
    counters.*counter = next;
    CEPROPVAL values[] = {I4Value(kCounterCarried, counters.carried), I4Value(kCounterMemo, counters.memo),
                          I4Value(kCounterAnniversary, counters.anniversary)};
    if (!opened)
        CreateIdCounterDatabase();
    WithOwnDatabase(kIdCounterDatabase, kUnsorted, [&](HANDLE database) {
        CeWriteRecordProps(database, record, ARRAYSIZE(values), values);
    });
    return next;
}

}  // namespace

int32_t NextMemoId()
{
    return TakeNextId(&Counters::memo, kNoteDatabase, kNoteId);
}

int32_t NextAnniversaryId()
{
    return TakeNextId(&Counters::anniversary, kAnniversaryDatabase, kAnniversaryId);
}
