// The change log of a volume: every record change, written in the change's
// own transaction, for the notification pumps of every process.
#include "platform/store/store_state.h"

namespace store {

namespace {

constexpr sqlite3_int64 kTrimEvery = 1024;
constexpr sqlite3_int64 kChangesKept = 8192;

}  // namespace

bool LogChange(Volume& volume, CEOID database, CEOID record, UINT kind)
{
    Statement log(volume.file, kChangeInsert);
    log.Bind(1, database).Bind(2, record).Bind(3, kind);
    if (!log.Run())
        return false;
    sqlite3_int64 seq = sqlite3_last_insert_rowid(volume.file.db);
    if (seq % kTrimEvery != 0)
        return true;
    Statement trim(volume.file, kChangeTrim);
    trim.Bind(1, seq - kChangesKept);
    return trim.Run();
}

sqlite3_int64 LastChange(Volume& volume)
{
    Statement last(volume.file, kChangeLast);
    return last.Step() ? last.Int(0) : 0;
}

}  // namespace store
