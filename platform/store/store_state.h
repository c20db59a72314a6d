// State the object store shares between its files: mounted volumes, open
// databases and sessions (by handle), and the lock every call takes.
#pragma once

#include "platform/store/commit_stamp.h"
#include "platform/store/volume_file.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace store {

// Every entry point and the notification pump hold this (recursive) lock.
class StoreGuard {
public:
    StoreGuard();
    ~StoreGuard();
    StoreGuard(const StoreGuard&) = delete;
    StoreGuard& operator=(const StoreGuard&) = delete;
};

// Ids this process reserved in the volume and hands out one by one.
struct IdBlock {
    DWORD next = 0;
    DWORD end = 0;
    bool pending = false;  // reserved by the transaction under way
};

struct DatabaseRow {
    CEOID oid = 0;
    std::wstring name;
    DWORD type = 0;
    DWORD flags = 0;
    SortOrders sorts;
    DWORD records = 0;
    DWORD size = 0;
    FILETIME modified = {};
};

// Catalog rows read under one stamp, by oid and by name (folded as the
// catalog compares names).
struct CatalogCache {
    CommitStamp stamp;
    std::map<CEOID, DatabaseRow> rows;
    std::map<std::wstring, CEOID> oids;
};

struct Volume {
    uint32_t serial = 0;  // never reused in this process
    CEGUID guid = {};
    std::wstring path;  // full path of the file
    bool objectStore = false;
    int mounts = 0;
    VolumeFile file;
    sqlite3_int64 changesPumped = -1;  // last change turned into messages; -1: not watched
    IdBlock ids;
    IdBlock autoNumbers;
    CatalogCache catalog;
};

// Where an open database stands in its order. A point is (key, seq) of a
// record, present or not; (empty key, 0) lies before every record.
struct Position {
    enum Kind {
        kFollowing,  // the current record is the first one after the point
        kAt,         // the current record is the one at the point (gone: as kGap)
        kGap,        // no current record; reads and moves start from the point
        kEnd         // after the last record
    };
    Kind kind = kFollowing;
    std::string key;
    sqlite3_int64 seq = 0;
    CEOID oid = 0;  // of the record at the point (kAt)
};

// A record found in an open database's order.
struct FoundRecord {
    sqlite3_int64 seq = 0;
    std::string key;
    CEOID oid = 0;
    std::string props;  // the stored properties
};

// The record a seek found, kept for the read that usually follows it: the
// read then needs no transaction of its own. Valid while the stamp is.
struct SeekResult {
    bool valid = false;
    sqlite3_int64 seq = 0;
    CommitStamp stamp;
    std::string props;
};

// Records that follow a point of an open's order, read in one transaction
// under the stamp, so that a walk takes one transaction per run of records.
// Slots [next, filled) hold them; a run is read into the slots over the
// storage they kept, and a record taken leaves the taker's storage behind.
struct RecordsAhead {
    CommitStamp stamp;
    std::string key;  // the point they follow
    sqlite3_int64 seq = -1;
    std::vector<FoundRecord> slots;
    size_t next = 0;
    size_t filled = 0;
    sqlite3_int64 run = 0;    // records the last read-ahead asked for
    sqlite3_int64 recordBytes = 0;  // held in memory by one of its records, on average
    sqlite3_int64 index = -1;  // of the record at the point, when known
    // A key's storage handed on between the position and the slots, so that
    // a walk allocates no keys either.
    std::string spareKey;
};

struct OpenDatabase {
    uint32_t volumeSerial = 0;
    CEOID database = 0;
    std::wstring name;
    int sortIndex = kNoSortOrder;
    SortOrder sortOrder;  // the declared order in use
    bool autoIncrement = false;
    Position position;
    SeekResult lastSeek;
    RecordsAhead ahead;
    bool notify = false;
    CENOTIFYREQUEST request = {};
    sqlite3_int64 changesFrom = 0;  // changes after this one are reported
};

// ---- volumes ---------------------------------------------------------------

// The volume of a guid (the object store for the all-zero guid, opened on
// first use); sets ERROR_INVALID_PARAMETER when there is none.
Volume* FindVolume(const CEGUID* guid);
Volume* VolumeBySerial(uint32_t serial);
// The object store and every mounted volume, for searches by name.
std::vector<Volume*> AllVolumes();
// The volumes open in this process now (the object store only once used).
std::vector<Volume*> LoadedVolumes();
void CloseAllVolumes();

// ---- handles ---------------------------------------------------------------

HANDLE AddDatabaseHandle(std::unique_ptr<OpenDatabase> open);
HANDLE AddSessionHandle(uint32_t volumeSerial);
// The open database of a handle and its (still mounted) volume; sets
// ERROR_INVALID_HANDLE and returns null otherwise.
OpenDatabase* DatabaseOfHandle(HANDLE handle, Volume** volume);
bool SessionVolume(HANDLE handle, uint32_t* volumeSerial);
void ForEachOpenDatabase(const std::function<void(OpenDatabase&)>& visit);
void CloseAllHandles();

// ---- catalog ---------------------------------------------------------------

// By oid, or by name when oid is 0. False (ERROR_FILE_NOT_FOUND) when missing.
bool ReadDatabaseRow(Volume& volume, CEOID oid, const wchar_t* name, DatabaseRow* row);
FILETIME FileTimeNow();

// ---- ids -------------------------------------------------------------------

// The volume's counters, both below 0x80000000: ids, and auto-numbers.
enum class Counter { kIds, kAutoNumbers };
// Inside a WriteTransaction: the next id of this process's block, reserving
// a new block in the volume when it is used up.
bool TakeId(Volume& volume, Counter counter, DWORD* value);
// Keeps the blocks reserved since the last commit, or drops them when
// what reserved them was rolled back.
void EndReservations(Volume& volume, bool committed);

// A write transaction of the store; blocks reserved inside it are kept
// only when it commits.
class WriteTransaction {
public:
    explicit WriteTransaction(Volume& volume);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool Began() const { return transaction_.Began(); }
    bool Commit();

private:
    Volume& volume_;
    Transaction transaction_;
    bool committed_ = false;
};

// ---- records ahead ---------------------------------------------------------

// The record (seq, key, oid, auto, props) a sorted statement stands on,
// into *row over the storage it has.
void CopySortedRow(const Statement& s, FoundRecord* row);
// The record offset places after the point (key, seq) in the open's order,
// from the records read ahead while they are as current as the stamp taken
// as the call began, with its index when asked; false when they do not tell.
bool TakeAhead(OpenDatabase& open, const CommitStamp& now, const std::string& key,
               sqlite3_int64 seq, sqlite3_int64 offset, FoundRecord* found,
               DWORD* index = nullptr);
// The index of a record found, when the current records read ahead follow
// it and know it (-1 otherwise); and noting it, once counted, for the next.
sqlite3_int64 IndexAhead(const OpenDatabase& open, const CommitStamp& now,
                         const FoundRecord& found);
void NoteIndexAhead(OpenDatabase& open, const FoundRecord& found, DWORD index);
// Swaps a record's key storage with the open's spare: lent to a record about
// to be found, given back when the key was not used.
void TradeSpareKey(OpenDatabase& open, FoundRecord* found);
// Places the open's position on the record found; the old key's storage
// becomes the spare.
void PlaceAt(OpenDatabase& open, Position::Kind kind, FoundRecord* found);
// The same inside a read transaction begun after the stamp was taken: reads
// the record, and a run of the records after it when the stamp is known.
bool ReadAfter(Volume& volume, OpenDatabase& open, const CommitStamp& stamp,
               const std::string& key, sqlite3_int64 seq, sqlite3_int64 offset,
               FoundRecord* found);

// ---- records ---------------------------------------------------------------

// Binds the keys of a record under every declared order to the four
// parameters from firstIndex (NULL for orders not declared).
void BindRecordKeys(Statement& statement, int firstIndex, const SortOrders& orders,
                    const PropertyViews& properties);

// ---- change log --------------------------------------------------------------

bool LogChange(Volume& volume, CEOID database, CEOID record, UINT kind);
sqlite3_int64 LastChange(Volume& volume);
// Starts the pump of this thread when an open asks for notifications.
void WatchForNotifications(Volume& volume, OpenDatabase& open);
void StopNotifications();

// ---- test hooks ------------------------------------------------------------

// False (with the error set) when the fault hook claims this change.
bool ChangeAllowed(const std::wstring& databaseName);
void ExitIfAskedInsideChange();
// True (with the error set) when a test asked the change under way to fail
// after its statements, before its commit.
bool FailedAsAskedInsideChange();
void ClearTestHooks();

}  // namespace store
