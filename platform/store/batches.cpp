// Batches: many store calls of this process in one write transaction, for
// bulk work such as a restore. Each call inside keeps its own all-or-nothing
// (a savepoint); other processes see the batch's records, and hear of them,
// only when the outermost batch ends. A process killed inside a batch
// loses that batch and nothing committed before it.
#include "platform/store/store_state.h"

namespace store {

namespace {

bool Exec(VolumeFile& file, StatementId id)
{
    return Statement(file, id).Run();
}

}  // namespace

}  // namespace store

using namespace store;

CEAPI BOOL WINAPI CeStoreBeginBatch(PCEGUID pguid)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    if (!volume)
        return FALSE;
    if (volume->file.batchDepth == 0 && !Exec(volume->file, kBeginWrite))
        return FALSE;
    ++volume->file.batchDepth;
    return TRUE;
}

CEAPI BOOL WINAPI CeStoreEndBatch(PCEGUID pguid)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    if (!volume)
        return FALSE;
    VolumeFile& file = volume->file;
    if (file.batchDepth == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (--file.batchDepth > 0)
        return TRUE;
    bool committed = Exec(file, kCommit);
    if (!committed) {
        DWORD error = GetLastError();
        if (!sqlite3_get_autocommit(file.db))
            Exec(file, kRollback);
        SetLastError(error);
    }
    EndReservations(*volume, committed);
    return committed;
}
