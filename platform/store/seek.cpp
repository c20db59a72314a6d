// Seeks: moving an open database's position by index, by id, relative to
// the current record, or to the first record matching leading key values.
#include "platform/store/store_state.h"

namespace store {

namespace {

using Found = FoundRecord;

// Takes the row a sorted statement found.
bool TakeRow(Statement& s, Found* found)
{
    if (!s.Step())
        return false;
    CopySortedRow(s, found);
    return true;
}

bool Nth(Volume& v, OpenDatabase& o, SortedStatementId id, sqlite3_int64 offset, Found* found)
{
    Statement s(v.file, id, o.sortIndex);
    s.Bind(1, o.database).Bind(2, offset);
    return TakeRow(s, found);
}

bool FromPoint(Volume& v, OpenDatabase& o, SortedStatementId id, const std::string& key,
               sqlite3_int64 seq, sqlite3_int64 offset, Found* found)
{
    Statement s(v.file, id, o.sortIndex);
    s.Bind(1, o.database).BindBlob(2, key).Bind(3, seq).Bind(4, offset);
    return TakeRow(s, found);
}

bool AtLeast(Volume& v, OpenDatabase& o, const std::string& key, Found* found)
{
    Statement s(v.file, kAtLeast, o.sortIndex);
    s.Bind(1, o.database).BindBlob(2, key);
    return TakeRow(s, found);
}

bool CurrentRecord(Volume& v, OpenDatabase& o, Found* found)
{
    Statement s(v.file, kRecordBySeq);
    s.Bind(1, o.position.seq).Bind(2, o.database);
    if (!s.Step() || static_cast<CEOID>(s.Int(0)) != o.position.oid)
        return false;
    *found = {o.position.seq, o.position.key, o.position.oid, s.Blob(2)};
    return true;
}

bool ByOid(Volume& v, OpenDatabase& o, CEOID oid, Found* found)
{
    Statement s(v.file, kRecordByOid);
    s.Bind(1, oid);
    if (!oid || !s.Step() || static_cast<CEOID>(s.Int(1)) != o.database)
        return false;
    found->seq = s.Int(0);
    found->key = o.sortIndex == kNoSortOrder ? std::string() : s.Blob(4 + o.sortIndex);
    found->oid = oid;
    found->props = s.Blob(3);
    return true;
}

// CEDB_SEEK_CURRENT by n records.
bool Relative(Volume& v, OpenDatabase& o, const CommitStamp& stamp, long n, Found* found)
{
    Position p = o.position;
    if (p.kind == Position::kFollowing) {
        Found current;
        if (!ReadAfter(v, o, stamp, p.key, p.seq, 0, &current)) {
            p.kind = Position::kEnd;
        } else {
            p = {Position::kAt, current.key, current.seq, current.oid};
            if (n == 0) {
                *found = std::move(current);
                return true;
            }
        }
    }
    if (p.kind == Position::kEnd)
        return n < 0 && Nth(v, o, kNthFromEnd, -static_cast<sqlite3_int64>(n) - 1, found);
    if (n > 0)
        return ReadAfter(v, o, stamp, p.key, p.seq, n - 1, found);
    if (n < 0)
        return FromPoint(v, o, kBefore, p.key, p.seq, -static_cast<sqlite3_int64>(n) - 1, found);
    if (p.kind != Position::kAt)
        return false;
    o.position = p;
    return CurrentRecord(v, o, found);
}

bool ByValue(Volume& v, OpenDatabase& o, DWORD type, const CEPROPVAL* values, WORD count,
             Found* found, DWORD* error)
{
    std::string prefix;
    if (o.sortIndex == kNoSortOrder || !SeekPrefix(o.sortOrder, values, count, &prefix)) {
        *error = ERROR_INVALID_PARAMETER;
        return false;
    }
    switch (type) {
    case CEDB_SEEK_VALUEFIRSTEQUAL:
        return AtLeast(v, o, prefix, found) && found->key.compare(0, prefix.size(), prefix) == 0;
    case CEDB_SEEK_VALUEGREATEROREQUAL:
        return AtLeast(v, o, prefix, found);
    case CEDB_SEEK_VALUEGREATER:
        return PrefixSuccessor(&prefix) && AtLeast(v, o, prefix, found);
    }
    return false;
}

// CEDB_SEEK_CURRENT forward, when the records read ahead answer it.
bool SeekAhead(OpenDatabase& o, const CommitStamp& now, long n, Found* found, DWORD* index)
{
    const Position& p = o.position;
    if (n > 0 && p.kind == Position::kAt)
        return TakeAhead(o, now, p.key, p.seq, n - 1, found, index);
    if (n > 0 && p.kind == Position::kFollowing)
        return TakeAhead(o, now, p.key, p.seq, n, found, index);
    return false;
}

// False when nothing is found (*error says why when it is not just that).
bool SeekTo(Volume& v, OpenDatabase& o, const CommitStamp& stamp, DWORD type, DWORD_PTR value,
            WORD count, Found* found, DWORD* error)
{
    switch (type) {
    case CEDB_SEEK_CEOID:
        return ByOid(v, o, static_cast<CEOID>(value), found);
    case CEDB_SEEK_BEGINNING:
        return Nth(v, o, kNth, static_cast<DWORD>(value), found);
    case CEDB_SEEK_END:
        return Nth(v, o, kNthFromEnd, static_cast<DWORD>(value), found);
    case CEDB_SEEK_CURRENT:
        return Relative(v, o, stamp, static_cast<long>(static_cast<DWORD>(value)), found);
    case CEDB_SEEK_VALUEFIRSTEQUAL:
    case CEDB_SEEK_VALUEGREATER:
    case CEDB_SEEK_VALUEGREATEROREQUAL:
        return ByValue(v, o, type, reinterpret_cast<const CEPROPVAL*>(value), count, found, error);
    }
    *error = ERROR_NOT_SUPPORTED;
    return false;
}

DWORD IndexOf(Volume& v, OpenDatabase& o, const CommitStamp& stamp, const Found& found)
{
    sqlite3_int64 ahead = IndexAhead(o, stamp, found);
    if (ahead >= 0)
        return static_cast<DWORD>(ahead);
    Statement s(v.file, kCountBefore, o.sortIndex);
    s.Bind(1, o.database).BindBlob(2, found.key).Bind(3, found.seq);
    return s.Step() ? static_cast<DWORD>(s.Int(0)) : 0;
}

}  // namespace

}  // namespace store

using namespace store;

CEAPI CEOID WINAPI CeSeekDatabaseEx(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue,
                                    WORD wNumVals, LPDWORD lpdwIndex)
{
    StoreGuard guard;
    Volume* volume = nullptr;
    OpenDatabase* open = DatabaseOfHandle(hDatabase, &volume);
    if (!open)
        return 0;
    // Taken before the transaction, so that what it reads is at least this
    // recent.
    CommitStamp stamp = StampNow(volume->file);
    Found found;
    open->lastSeek.valid = false;
    found.props.swap(open->lastSeek.props);  // its storage serves the record found
    TradeSpareKey(*open, &found);
    long relative = static_cast<long>(static_cast<DWORD>(dwValue));
    if (dwSeekType != CEDB_SEEK_CURRENT || !SeekAhead(*open, stamp, relative, &found, lpdwIndex)) {
        Transaction tx(volume->file, false);
        if (!tx.Began())
            return 0;
        DWORD error = ERROR_NO_MORE_ITEMS;
        if (!SeekTo(*volume, *open, stamp, dwSeekType, dwValue, wNumVals, &found, &error)) {
            open->position = {Position::kEnd, std::string(), 0, 0};
            SetLastError(error);
            return 0;
        }
        if (lpdwIndex) {
            *lpdwIndex = dwSeekType == CEDB_SEEK_BEGINNING ? static_cast<DWORD>(dwValue)
                                                           : IndexOf(*volume, *open, stamp, found);
            NoteIndexAhead(*open, found, *lpdwIndex);
        }
        tx.Commit();
    }
    PlaceAt(*open, Position::kAt, &found);
    open->lastSeek = {true, found.seq, stamp, std::move(found.props)};
    return found.oid;
}

CEAPI CEOID WINAPI CeSeekDatabase(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue,
                                  LPDWORD lpdwIndex)
{
    return CeSeekDatabaseEx(hDatabase, dwSeekType, dwValue, 1, lpdwIndex);
}
