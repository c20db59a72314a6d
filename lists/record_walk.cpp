#include "lists/record_walk.h"

void WalkRecords(HANDLE database, DWORD seekType, const CEPROPVAL* value,
                 const std::function<bool(const OwnRecord& record)>& visit)
{
    CEOID at = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    if (value)
        at = CeSeekDatabaseEx(database, seekType, reinterpret_cast<DWORD_PTR>(value), 1, nullptr);
    OwnRecord record;
    while (at && record.ReadCurrent(database)) {
        if (!visit(record))
            return;
        at = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr);
    }
}
