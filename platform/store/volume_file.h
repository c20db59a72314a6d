// The SQLite file behind one volume: opening it (WAL, busy timeout, schema),
// its prepared statements, and one transaction per store call.
#pragma once

#include "platform/store/sort_keys.h"

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <string>

namespace store {

// Statements that do not depend on a sort order.
enum StatementId {
    kBegin,
    kBeginWrite,
    kCommit,
    kRollback,
    kSavepoint,
    kRelease,
    kRollbackTo,
    kTakeCounter,
    kDatabaseByName,
    kDatabaseByOid,
    kDatabaseInsert,
    kDatabaseDelete,
    kDatabaseRecordsDelete,
    kDatabaseUpdateInfo,
    kDatabaseAddRecords,
    kRecordInsert,
    kRecordByOid,
    kRecordBySeq,
    kRecordUpdate,
    kRecordUpdateKeys,
    kRecordDelete,
    kRecordsOfDatabase,
    kChangeInsert,
    kChangeTrim,
    kChangeLast,
    kChangesAfter,
    kStatementCount
};

// Statements over one sort order (or the insertion order). Each selects
// seq, key, oid, auto, props.
enum SortedStatementId {
    kAfter,         // ?1 db, ?2 key, ?3 seq, ?4 offset: records after a point
    kRunAfter,      // ?1 db, ?2 key, ?3 seq, ?4 count: the next records after a point
    kBefore,        // the same, backwards
    kNth,           // ?1 db, ?2 offset from the first
    kNthFromEnd,    // ?1 db, ?2 offset from the last
    kAtLeast,       // ?1 db, ?2 key: first record whose key >= ?2 (sorted only)
    kCountBefore,   // ?1 db, ?2 key, ?3 seq: records before a point (the count only)
    kSortedStatementCount
};

constexpr int kNoSortOrder = -1;
constexpr int kSortSlots = CEDB_MAXSORTORDER + 1;  // the four orders and insertion order

struct VolumeFile {
    sqlite3* db = nullptr;
    sqlite3_stmt* statements[kStatementCount] = {};
    sqlite3_stmt* sorted[kSortedStatementCount][kSortSlots] = {};
    // Decoded sort orders by the stored bytes they came from.
    std::map<std::string, SortOrders> sortOrderCache;
    // Batches begun and not ended; while above 0 one write transaction of
    // this process stays open and each call's transaction is a savepoint in it.
    int batchDepth = 0;
    // Bumped as each write transaction begins and ends: what reads kept
    // before or during one is not taken after it.
    uint64_t writeGeneration = 0;
    // The first region of the WAL index once mapped; SQLite keeps it mapped
    // until the connection closes.
    const volatile uint8_t* walIndex = nullptr;
};

// Opens (creating as the disposition says) and prepares the file; sets the
// Win32 error and returns false on failure.
bool OpenVolumeFile(const std::wstring& path, DWORD disposition, VolumeFile* file);
void CloseVolumeFile(VolumeFile* file);
bool CheckpointVolumeFile(VolumeFile* file);

const SortOrders& CachedSortOrders(VolumeFile& file, const void* blob, int size, bool* ok);

DWORD ErrorFromSqlite(int rc);

// A prepared statement in use; reset when it goes out of scope.
class Statement {
public:
    Statement(VolumeFile& file, StatementId id);
    Statement(VolumeFile& file, SortedStatementId id, int sortIndex);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, sqlite3_int64 value);
    Statement& BindBlob(int index, const std::string& bytes);
    Statement& BindText(int index, const wchar_t* text);
    Statement& BindNull(int index);

    // True for a row; false at the end or on an error (then Failed()).
    bool Step();
    bool Failed() const { return failed_; }
    // Runs to the end; false (with the Win32 error set) on an error.
    bool Run();

    sqlite3_int64 Int(int column) const;
    std::string Blob(int column) const;
    // The same into *out, over the storage it already has.
    void BlobInto(int column, std::string* out) const;
    const void* BlobData(int column) const;
    int BlobSize(int column) const;
    std::wstring Text(int column) const;

private:
    sqlite3_stmt* stmt_;
    bool failed_ = false;
};

// One store call's transaction; rolled back unless committed. Inside a
// batch a write is a savepoint of the batch's transaction (its rollback
// undoes only that call) and a read joins the batch's transaction.
class Transaction {
public:
    Transaction(VolumeFile& file, bool write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool Began() const { return began_; }
    bool Commit();

private:
    VolumeFile& file_;
    bool began_ = false;
    bool done_ = false;
    bool inBatch_ = false;
    bool write_ = false;
};

}  // namespace store
