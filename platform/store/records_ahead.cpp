// Records read ahead of an open's position. A walk in order (a seek by one
// record, a read that moves on) takes them from memory while no process has
// committed since they were read; the runs grow while the walk goes on.
#include "platform/store/store_state.h"

#include <algorithm>

namespace store {

namespace {

constexpr sqlite3_int64 kFirstRun = 8;
constexpr sqlite3_int64 kLongRun = 256;
constexpr sqlite3_int64 kRunGrowth = 4;
// Runs of small records grow on past kLongRun while they hold less than
// this: each run costs a read transaction, but longer runs of large records
// cost more in memory than they save.
constexpr sqlite3_int64 kRunBytes = 96 * 1024;
constexpr sqlite3_int64 kLongestRun = 4096;

sqlite3_int64 BytesOf(const FoundRecord& record)
{
    return static_cast<sqlite3_int64>(sizeof(FoundRecord) + record.key.size() +
                                      record.props.size());
}

// The next run of a walk: longer by the growth factor, up to kLongRun or,
// for records as small as the last run's, to what keeps it within kRunBytes.
sqlite3_int64 NextRun(const RecordsAhead& ahead)
{
    sqlite3_int64 perRecord = std::max<sqlite3_int64>(ahead.recordBytes, 1);
    sqlite3_int64 longest = std::clamp(kRunBytes / perRecord, kLongRun, kLongestRun);
    return std::min(ahead.run * kRunGrowth, longest);
}

bool AnchoredAt(const RecordsAhead& ahead, const std::string& key, sqlite3_int64 seq)
{
    return ahead.seq == seq && ahead.key == key;
}

}  // namespace

FoundRecord SortedRow(const Statement& s)
{
    return {s.Int(0), s.Blob(1), static_cast<CEOID>(s.Int(2)), s.Blob(4)};
}

bool TakeAhead(OpenDatabase& open, const CommitStamp& now, const std::string& key,
               sqlite3_int64 seq, sqlite3_int64 offset, FoundRecord* found, DWORD* index)
{
    RecordsAhead& ahead = open.ahead;
    if (offset < 0 || static_cast<size_t>(offset) >= ahead.records.size() ||
        !AnchoredAt(ahead, key, seq) || !SameState(ahead.stamp, now) ||
        (index && ahead.index < 0))
        return false;
    *found = std::move(ahead.records[offset]);
    ahead.records.erase(ahead.records.begin(), ahead.records.begin() + offset + 1);
    ahead.key = found->key;
    ahead.seq = found->seq;
    if (ahead.index >= 0)
        ahead.index += offset + 1;
    if (index)
        *index = static_cast<DWORD>(ahead.index);
    return true;
}

sqlite3_int64 IndexAhead(const OpenDatabase& open, const CommitStamp& now,
                         const FoundRecord& found)
{
    const RecordsAhead& ahead = open.ahead;
    return AnchoredAt(ahead, found.key, found.seq) && SameState(ahead.stamp, now) ? ahead.index
                                                                                : -1;
}

void NoteIndexAhead(OpenDatabase& open, const FoundRecord& found, DWORD index)
{
    if (AnchoredAt(open.ahead, found.key, found.seq))
        open.ahead.index = index;
}

bool ReadAfter(Volume& volume, OpenDatabase& open, const CommitStamp& stamp,
               const std::string& key, sqlite3_int64 seq, sqlite3_int64 offset,
               FoundRecord* found)
{
    if (TakeAhead(open, stamp, key, seq, offset, found))
        return true;
    RecordsAhead& ahead = open.ahead;
    if (!stamp.known) {
        Statement one(volume.file, kAfter, open.sortIndex);
        one.Bind(1, open.database).BindBlob(2, key).Bind(3, seq).Bind(4, offset);
        if (!one.Step()) {
            if (!one.Failed())
                SetLastError(ERROR_NO_MORE_ITEMS);
            return false;
        }
        *found = SortedRow(one);
        return true;
    }
    // A walk that used up its run asks for a longer one.
    bool walking = AnchoredAt(ahead, key, seq) && ahead.records.empty() &&
                   SameState(ahead.stamp, stamp);
    sqlite3_int64 run = walking ? NextRun(ahead) : kFirstRun;
    std::deque<FoundRecord> records;
    sqlite3_int64 runBytes = 0;
    Statement next(volume.file, kRunAfter, open.sortIndex);
    next.Bind(1, open.database).BindBlob(2, key).Bind(3, seq).Bind(4, offset + run);
    while (next.Step()) {
        records.push_back(SortedRow(next));
        runBytes += BytesOf(records.back());
    }
    if (next.Failed())
        return false;
    if (records.size() <= static_cast<size_t>(offset)) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return false;
    }
    sqlite3_int64 recordBytes = runBytes / static_cast<sqlite3_int64>(records.size());
    *found = std::move(records[offset]);
    records.erase(records.begin(), records.begin() + offset + 1);
    ahead = {stamp, found->key, found->seq, std::move(records), run, recordBytes, -1};
    return true;
}

}  // namespace store
