#include "platform/store/commit_stamp.h"

#include <atomic>
#include <cstring>

namespace store {

namespace {

// The WAL index is mapped in regions of this size; the header opens the first.
constexpr int kWalIndexRegionSize = 32768;
constexpr size_t kHeaderInitOffset = 12;  // the header's "initialised" byte

// The first region of the volume's WAL index, as SQLite has it mapped;
// asked of SQLite once, as every call of the store takes a stamp.
const volatile uint8_t* WalIndex(VolumeFile& file)
{
    if (file.walIndex)
        return file.walIndex;
    sqlite3_file* handle = nullptr;
    if (!file.db ||
        sqlite3_file_control(file.db, "main", SQLITE_FCNTL_FILE_POINTER, &handle) != SQLITE_OK ||
        !handle || !handle->pMethods || handle->pMethods->iVersion < 2 ||
        !handle->pMethods->xShmMap)
        return nullptr;
    void volatile* region = nullptr;
    if (handle->pMethods->xShmMap(handle, 0, kWalIndexRegionSize, 0, &region) != SQLITE_OK)
        return nullptr;
    file.walIndex = static_cast<const volatile uint8_t*>(region);
    return file.walIndex;
}

// Word by word: the region is page aligned and the header a whole number of
// words, and every call of the store copies it twice.
void CopyHeader(const volatile uint8_t* from, uint8_t* to)
{
    static_assert(CommitStamp::kHeaderSize % sizeof(uint64_t) == 0);
    const auto* words = reinterpret_cast<const volatile uint64_t*>(from);
    for (size_t i = 0; i < CommitStamp::kHeaderSize / sizeof(uint64_t); ++i) {
        uint64_t word = words[i];
        std::memcpy(to + i * sizeof(word), &word, sizeof(word));
    }
}

}  // namespace

CommitStamp StampNow(VolumeFile& file)
{
    CommitStamp stamp;
    if (!file.db || !sqlite3_get_autocommit(file.db))
        return stamp;
    const volatile uint8_t* index = WalIndex(file);
    if (!index)
        return stamp;
    // A writer stores the second copy, then the first: two equal copies read
    // first-then-second are one whole header.
    std::array<uint8_t, CommitStamp::kHeaderSize> second;
    CopyHeader(index, stamp.header.data());
    std::atomic_thread_fence(std::memory_order_acquire);  // the first copy is read before the second
    CopyHeader(index + CommitStamp::kHeaderSize, second.data());
    if (stamp.header != second || !stamp.header[kHeaderInitOffset])
        return stamp;
    stamp.writeGeneration = file.writeGeneration;
    stamp.known = true;
    return stamp;
}

bool SameState(const CommitStamp& a, const CommitStamp& b)
{
    return a.known && b.known && a.writeGeneration == b.writeGeneration && a.header == b.header;
}

bool StillCurrent(VolumeFile& file, const CommitStamp& stamp)
{
    return stamp.known && SameState(stamp, StampNow(file));
}

}  // namespace store
