// Record and database ids. A process reserves ids in blocks, so that most
// writes leave the volume's counters alone; a block that a failed
// transaction (or a failed call inside a batch) reserved is dropped, and ids
// of a block left unused when the process ends are never handed out: no id
// is given twice.
#include "platform/store/store_state.h"

namespace store {

namespace {

constexpr DWORD kBlockSize = 32;
constexpr sqlite3_int64 kCounterLimit = 0x80000000;

IdBlock& BlockOf(Volume& volume, Counter counter)
{
    return counter == Counter::kIds ? volume.ids : volume.autoNumbers;
}

bool ReserveBlock(Volume& volume, Counter counter, IdBlock* block)
{
    Statement take(volume.file, kTakeCounter);
    take.BindText(1, counter == Counter::kIds ? L"next_oid" : L"next_auto").Bind(2, kBlockSize);
    if (!take.Step()) {
        if (!take.Failed())
            SetLastError(ERROR_BAD_FORMAT);
        return false;
    }
    sqlite3_int64 first = take.Int(0);
    if (first <= 0 || first + kBlockSize > kCounterLimit) {
        SetLastError(ERROR_DISK_FULL);
        return false;
    }
    *block = {static_cast<DWORD>(first), static_cast<DWORD>(first + kBlockSize), true};
    return true;
}

}  // namespace

void EndReservations(Volume& volume, bool committed)
{
    for (IdBlock* block : {&volume.ids, &volume.autoNumbers}) {
        if (!block->pending)
            continue;
        if (committed)
            block->pending = false;
        else
            *block = IdBlock();
    }
}

bool TakeId(Volume& volume, Counter counter, DWORD* value)
{
    IdBlock& block = BlockOf(volume, counter);
    if (block.next == block.end && !ReserveBlock(volume, counter, &block))
        return false;
    *value = block.next++;
    return true;
}

WriteTransaction::WriteTransaction(Volume& volume)
    : volume_(volume), transaction_(volume.file, true)
{
}

WriteTransaction::~WriteTransaction()
{
    if (!committed_)
        EndReservations(volume_, false);
}

bool WriteTransaction::Commit()
{
    committed_ = transaction_.Commit();
    // Inside a batch the blocks stay reserved until the batch commits.
    if (committed_ && volume_.file.batchDepth == 0)
        EndReservations(volume_, true);
    return committed_;
}

}  // namespace store
