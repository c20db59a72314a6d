// Records read ahead of an open's position. A walk in order (a seek by one
// record, a read that moves on) takes them from memory while no process has
// committed since they were read; the runs grow while the walk goes on.
#include "platform/store/store_state.h"

#include <algorithm>

namespace store {

namespace {

constexpr sqlite3_int64 kFirstRun = 8;
constexpr sqlite3_int64 kLongRun = 256;
constexpr sqlite3_int64 kRunGrowth = 8;
// Runs grow on past kLongRun while they hold less than this. Each run costs
// a read transaction, which takes the shared-memory locks (about 0.13 ms of
// lock round trips under Wine, as much as some 60 records read); a longer
// run of large records costs more in memory and in records read past where
// a walk stops than it saves.
constexpr sqlite3_int64 kRunBytes = 512 * 1024;
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

void CopySortedRow(const Statement& s, FoundRecord* row)
{
    row->seq = s.Int(0);
    s.BlobInto(1, &row->key);
    row->oid = static_cast<CEOID>(s.Int(2));
    s.BlobInto(4, &row->props);
}

bool TakeAhead(OpenDatabase& open, const CommitStamp& now, const std::string& key,
               sqlite3_int64 seq, sqlite3_int64 offset, FoundRecord* found, DWORD* index)
{
    RecordsAhead& ahead = open.ahead;
    if (offset < 0 || static_cast<size_t>(offset) >= ahead.filled - ahead.next ||
        !AnchoredAt(ahead, key, seq) || !SameState(ahead.stamp, now) ||
        (index && ahead.index < 0))
        return false;
    ahead.next += static_cast<size_t>(offset);
    std::swap(ahead.slots[ahead.next++], *found);
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

void TradeSpareKey(OpenDatabase& open, FoundRecord* found)
{
    found->key.swap(open.ahead.spareKey);
}

void PlaceAt(OpenDatabase& open, Position::Kind kind, FoundRecord* found)
{
    open.position.kind = kind;
    open.position.key.swap(found->key);
    open.position.seq = found->seq;
    open.position.oid = found->oid;
    TradeSpareKey(open, found);
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
        CopySortedRow(one, found);
        return true;
    }
    // A walk that used up its run asks for a longer one.
    bool walking = AnchoredAt(ahead, key, seq) && ahead.next == ahead.filled &&
                   SameState(ahead.stamp, stamp);
    sqlite3_int64 run = walking ? NextRun(ahead) : kFirstRun;
    // The slots are written over from here on: until the run is whole they
    // hold nothing to take.
    ahead.next = ahead.filled = 0;
    size_t filled = 0;
    sqlite3_int64 runBytes = 0;
    Statement next(volume.file, kRunAfter, open.sortIndex);
    next.Bind(1, open.database).BindBlob(2, key).Bind(3, seq).Bind(4, offset + run);
    while (next.Step()) {
        if (filled == ahead.slots.size())
            ahead.slots.emplace_back();
        CopySortedRow(next, &ahead.slots[filled]);
        runBytes += BytesOf(ahead.slots[filled++]);
    }
    if (next.Failed())
        return false;
    if (filled <= static_cast<size_t>(offset)) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return false;
    }
    std::swap(ahead.slots[offset], *found);
    ahead.stamp = stamp;
    ahead.key = found->key;
    ahead.seq = found->seq;
    ahead.next = static_cast<size_t>(offset) + 1;
    ahead.filled = filled;
    ahead.run = run;
    ahead.recordBytes = runBytes / static_cast<sqlite3_int64>(filled);
    ahead.index = -1;
    return true;
}

}  // namespace store
