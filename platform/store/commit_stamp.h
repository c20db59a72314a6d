// A stamp of a volume's committed state, checked without a transaction:
// what reads keep between calls (catalog rows, the records that follow an
// open's position) stays valid while the stamp does.
#pragma once

#include "platform/store/volume_file.h"

#include <array>
#include <cstdint>

namespace store {

// The volume as this process last saw it committed. Every commit of any
// process rewrites SQLite's WAL index header in the shared memory beside the
// file before it returns, and every write call of this process bumps the
// file's write generation; while both are as stamped, nothing read under the
// stamp has changed.
struct CommitStamp {
    static constexpr size_t kHeaderSize = 48;
    bool known = false;  // never matches when false
    uint64_t writeGeneration = 0;
    std::array<uint8_t, kHeaderSize> header = {};
};

// Take the stamp before the transaction whose reads are kept under it: that
// transaction then sees at least the stamped state. Unknown inside an open
// transaction, whose own changes no header shows.
CommitStamp StampNow(VolumeFile& file);
bool SameState(const CommitStamp& a, const CommitStamp& b);
bool StillCurrent(VolumeFile& file, const CommitStamp& stamp);

}  // namespace store
