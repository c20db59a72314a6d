// Reading, writing and deleting records of an open database.
#include "platform/store/store_state.h"

namespace store {

namespace {

constexpr DWORD kFirstAutoNumberedId = 0x80000000;
constexpr size_t kMaxProperties = 0xFFFF;
constexpr size_t kSmallestBuffer = 8;

sqlite3_int64 FileTimeValue(const FILETIME& t)
{
    return static_cast<sqlite3_int64>((static_cast<uint64_t>(t.dwHighDateTime) << 32) |
                                      t.dwLowDateTime);
}

// Updates the database's count and size and yields its sort orders; false
// (ERROR_FILE_NOT_FOUND) when the database is gone.
bool AccountRecords(Volume& v, CEOID database, int records, sqlite3_int64 bytes,
                    const SortOrders** orders, sqlite3_int64* newSeq = nullptr)
{
    Statement account(v.file, kDatabaseAddRecords);
    account.Bind(1, database).Bind(2, records).Bind(3, bytes);
    account.Bind(4, FileTimeValue(FileTimeNow()));
    if (!account.Step()) {
        if (!account.Failed())
            SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    if (newSeq)
        *newSeq = account.Int(1);
    bool ok = false;
    *orders = &CachedSortOrders(v.file, account.BlobData(0), account.BlobSize(0), &ok);
    if (!ok)
        SetLastError(ERROR_BAD_FORMAT);
    return ok;
}

CEOID CreateRecord(Volume& v, OpenDatabase& o, const PropertyChanges& changes)
{
    PropertyList props;
    ApplyChanges(&props, changes);
    DWORD number = 0;
    CEOID oid = 0;
    if (HasAutoNumber(props)) {
        if (!TakeId(v, Counter::kAutoNumbers, &number))
            return 0;
        SetAutoNumbers(&props, number);
        oid = kFirstAutoNumberedId + number;
    } else if (!TakeId(v, Counter::kIds, &oid)) {
        return 0;
    }
    std::string blob = EncodeRecordBlob(props);
    const SortOrders* orders = nullptr;
    sqlite3_int64 seq = 0;
    if (!AccountRecords(v, o.database, 1, static_cast<sqlite3_int64>(blob.size()), &orders, &seq))
        return 0;
    Statement insert(v.file, kRecordInsert);
    insert.Bind(1, oid).Bind(2, o.database).Bind(3, number);
    BindRecordKeys(insert, 4, *orders, ViewsOf(props));
    insert.BindBlob(8, blob).Bind(9, seq);
    if (!insert.Run() || !LogChange(v, o.database, oid, DB_CEOID_CREATED))
        return 0;
    return oid;
}

CEOID UpdateRecord(Volume& v, OpenDatabase& o, CEOID oid, const PropertyChanges& changes)
{
    Statement current(v.file, kRecordByOid);
    current.Bind(1, oid);
    if (!current.Step() || static_cast<CEOID>(current.Int(1)) != o.database) {
        if (!current.Failed())
            SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    sqlite3_int64 seq = current.Int(0);
    DWORD number = static_cast<DWORD>(current.Int(2));
    PropertyViews stored;
    if (!DecodeRecordBlob(current.BlobData(3), current.BlobSize(3), &stored)) {
        SetLastError(ERROR_BAD_FORMAT);
        return 0;
    }
    PropertyList props = OwnedProperties(stored);
    sqlite3_int64 oldSize = current.BlobSize(3);
    ApplyChanges(&props, changes);
    if (props.size() > kMaxProperties) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (HasAutoNumber(props)) {
        if (!number && !TakeId(v, Counter::kAutoNumbers, &number))
            return 0;
        SetAutoNumbers(&props, number);
    }
    std::string blob = EncodeRecordBlob(props);
    const SortOrders* orders = nullptr;
    if (!AccountRecords(v, o.database, 0, static_cast<sqlite3_int64>(blob.size()) - oldSize,
                        &orders))
        return 0;
    Statement update(v.file, kRecordUpdate);
    update.Bind(1, seq).Bind(2, number);
    BindRecordKeys(update, 3, *orders, ViewsOf(props));
    update.BindBlob(7, blob);
    if (!update.Run() || !LogChange(v, o.database, oid, DB_CEOID_CHANGED))
        return 0;
    return oid;
}

bool DeleteRecord(Volume& v, OpenDatabase& o, CEOID oid)
{
    sqlite3_int64 size = 0;
    {
        Statement remove(v.file, kRecordDelete);
        remove.Bind(1, oid).Bind(2, o.database);
        if (!remove.Step()) {
            if (!remove.Failed())
                SetLastError(ERROR_NOT_FOUND);
            return false;
        }
        size = remove.Int(0);
    }
    const SortOrders* orders = nullptr;
    return AccountRecords(v, o.database, -1, -size, &orders) &&
           LogChange(v, o.database, oid, DB_CEOID_RECORD_DELETED);
}

// The record a read takes: the one at the position while it is there (then
// its key is left out: the position has it), else the first one after the
// position's point. False when there is none.
bool FindRecordToRead(Volume& v, OpenDatabase& o, const CommitStamp& stamp, FoundRecord* found,
                      bool* atPosition)
{
    const Position& p = o.position;
    if (p.kind == Position::kEnd) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return false;
    }
    if (p.kind == Position::kAt) {
        Statement at(v.file, kRecordBySeq);
        at.Bind(1, p.seq).Bind(2, o.database);
        if (at.Step() && static_cast<CEOID>(at.Int(0)) == p.oid) {
            *found = {p.seq, std::string(), p.oid, at.Blob(2)};
            *atPosition = true;
            return true;
        }
    }
    return ReadAfter(v, o, stamp, p.key, p.seq, 0, found);
}

// The record of the seek just made, when nothing can have changed it since
// the stamp taken as the call began (its key left out, as above); else the
// next one read ahead, for a read that moves on.
bool TakeWithoutTransaction(OpenDatabase& o, const CommitStamp& now, FoundRecord* found,
                            bool* atPosition)
{
    SeekResult& seek = o.lastSeek;
    const Position& p = o.position;
    if (seek.valid && p.kind == Position::kAt && seek.seq == p.seq &&
        SameState(seek.stamp, now)) {
        seek.valid = false;  // its bytes move on; a retried read reads them again
        found->seq = p.seq;
        found->key.clear();
        found->oid = p.oid;
        found->props = std::move(seek.props);
        *atPosition = true;
        return true;
    }
    return p.kind == Position::kFollowing && TakeAhead(o, now, p.key, p.seq, 0, found);
}

// The views of the record a read decodes. Every read holds the store's lock
// and is done with them before it returns, so one list serves them all and
// keeps its storage from read to read.
PropertyViews& ViewsOfTheRecordRead()
{
    static PropertyViews views;
    return views;
}

LPBYTE Allocate(HANDLE heap, size_t size)
{
    return static_cast<LPBYTE>(heap ? HeapAlloc(heap, 0, size) : LocalAlloc(LMEM_FIXED, size));
}

LPBYTE Reallocate(HANDLE heap, LPBYTE buffer, size_t size)
{
    return static_cast<LPBYTE>(heap ? HeapReAlloc(heap, 0, buffer, size)
                                    : LocalReAlloc(buffer, size, LMEM_MOVEABLE));
}

// Makes *buffer hold at least size bytes, as the flags allow.
bool PrepareBuffer(DWORD flags, LPBYTE* buffer, LPDWORD capacity, size_t size, HANDLE heap)
{
    if (size < kSmallestBuffer)
        size = kSmallestBuffer;
    if (size > 0xFFFFFFFFu) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    LPBYTE grown = nullptr;
    if (!*buffer) {
        grown = Allocate(heap, size);
    } else if (*capacity < size) {
        if (!(flags & CEDB_ALLOWREALLOC)) {
            *capacity = static_cast<DWORD>(size);
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return false;
        }
        grown = Reallocate(heap, *buffer, size);
    } else {
        return true;
    }
    if (!grown) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    *buffer = grown;
    *capacity = static_cast<DWORD>(size);
    return true;
}

}  // namespace

void BindRecordKeys(Statement& statement, int firstIndex, const SortOrders& orders,
                    const PropertyViews& properties)
{
    for (int i = 0; i < CEDB_MAXSORTORDER; ++i) {
        if (i < static_cast<int>(orders.size())) {
            statement.BindBlob(firstIndex + i, RecordKey(orders[i], properties));
        } else {
            statement.BindNull(firstIndex + i);
        }
    }
}

}  // namespace store

using namespace store;

CEAPI CEOID WINAPI CeReadRecordPropsEx(HANDLE hDatabase, DWORD dwFlags, LPWORD lpcPropID,
                                       CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                                       LPDWORD lpcbBuffer, HANDLE hHeap)
{
    StoreGuard guard;
    Volume* volume = nullptr;
    OpenDatabase* open = DatabaseOfHandle(hDatabase, &volume);
    if (!open)
        return 0;
    if (!lpcPropID || !lplpBuffer || !lpcbBuffer || (rgPropID && !*lpcPropID)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    CommitStamp stamp = StampNow(volume->file);  // before the transaction
    FoundRecord found;
    TradeSpareKey(*open, &found);
    bool atPosition = false;
    if (!TakeWithoutTransaction(*open, stamp, &found, &atPosition)) {
        Transaction tx(volume->file, false);
        if (!tx.Began() || !FindRecordToRead(*volume, *open, stamp, &found, &atPosition))
            return 0;
        tx.Commit();
    }
    PropertyViews& props = ViewsOfTheRecordRead();
    if (!DecodeRecordBlob(found.props.data(), found.props.size(), &props)) {
        SetLastError(ERROR_BAD_FORMAT);
        return 0;
    }
    WORD wanted = rgPropID ? *lpcPropID : 0;
    size_t size = ReadBufferSize(props, rgPropID, wanted);
    if (!PrepareBuffer(dwFlags, lplpBuffer, lpcbBuffer, size, hHeap))
        return 0;
    *lpcPropID = FillReadBuffer(props, rgPropID, wanted, *lplpBuffer);
    open->lastSeek.valid = false;
    open->lastSeek.props.swap(found.props);  // storage for the next seek
    Position::Kind kind = open->autoIncrement ? Position::kFollowing : Position::kAt;
    if (atPosition) {
        open->position.kind = kind;  // the same point: its key is kept
        TradeSpareKey(*open, &found);
    } else {
        PlaceAt(*open, kind, &found);
    }
    return found.oid;
}

CEAPI CEOID WINAPI CeReadRecordProps(HANDLE hDatabase, DWORD dwFlags, LPWORD lpcPropID,
                                     CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                                     LPDWORD lpcbBuffer)
{
    return CeReadRecordPropsEx(hDatabase, dwFlags, lpcPropID, rgPropID, lplpBuffer, lpcbBuffer,
                               nullptr);
}

CEAPI CEOID WINAPI CeWriteRecordProps(HANDLE hDatabase, CEOID oidRecord, WORD cPropID,
                                      CEPROPVAL* rgPropVal)
{
    StoreGuard guard;
    Volume* volume = nullptr;
    OpenDatabase* open = DatabaseOfHandle(hDatabase, &volume);
    PropertyChanges changes;
    if (!open || !ChangesFromValues(rgPropVal, cPropID, &changes))
        return 0;
    if (!ChangeAllowed(open->name))
        return 0;
    WriteTransaction tx(*volume);
    if (!tx.Began())
        return 0;
    CEOID oid = oidRecord ? UpdateRecord(*volume, *open, oidRecord, changes)
                          : CreateRecord(*volume, *open, changes);
    if (!oid || FailedAsAskedInsideChange())
        return 0;
    ExitIfAskedInsideChange();
    return tx.Commit() ? oid : 0;
}

CEAPI BOOL WINAPI CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord)
{
    StoreGuard guard;
    Volume* volume = nullptr;
    OpenDatabase* open = DatabaseOfHandle(hDatabase, &volume);
    if (!open || !ChangeAllowed(open->name))
        return FALSE;
    WriteTransaction tx(*volume);
    if (!tx.Began() || !DeleteRecord(*volume, *open, oidRecord) || FailedAsAskedInsideChange())
        return FALSE;
    ExitIfAskedInsideChange();
    return tx.Commit();
}
