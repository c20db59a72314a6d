#include "platform/store/volume_file.h"

#include <string>

namespace store {

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr sqlite3_int64 kFileFormat = 1;

// Records of database D have seq (D << 32) + n, n counting up in the
// database's row, so a database's insertion order is a range of the table.
// Key indexes hold only the records of databases that declare that order.
const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS meta(name TEXT PRIMARY KEY, value INTEGER NOT NULL)"
    " WITHOUT ROWID;"
    "INSERT OR IGNORE INTO meta(name, value) VALUES('format', 1), ('next_oid', 1),"
    " ('next_auto', 1);"
    "CREATE TABLE IF NOT EXISTS dbs(oid INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE COLLATE NOCASE, type INTEGER NOT NULL, flags INTEGER NOT NULL,"
    " sorts BLOB NOT NULL, records INTEGER NOT NULL, size INTEGER NOT NULL,"
    " modified INTEGER NOT NULL, next_seq INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS recs(seq INTEGER PRIMARY KEY, oid INTEGER NOT NULL,"
    " db INTEGER NOT NULL, auto INTEGER NOT NULL, k0 BLOB, k1 BLOB, k2 BLOB, k3 BLOB,"
    " props BLOB NOT NULL);"
    "CREATE UNIQUE INDEX IF NOT EXISTS recs_oid ON recs(oid);"
    "CREATE INDEX IF NOT EXISTS recs_k0 ON recs(db, k0, seq) WHERE k0 IS NOT NULL;"
    "CREATE INDEX IF NOT EXISTS recs_k1 ON recs(db, k1, seq) WHERE k1 IS NOT NULL;"
    "CREATE INDEX IF NOT EXISTS recs_k2 ON recs(db, k2, seq) WHERE k2 IS NOT NULL;"
    "CREATE INDEX IF NOT EXISTS recs_k3 ON recs(db, k3, seq) WHERE k3 IS NOT NULL;"
    "CREATE TABLE IF NOT EXISTS changes(seq INTEGER PRIMARY KEY, db INTEGER NOT NULL,"
    " oid INTEGER NOT NULL, kind INTEGER NOT NULL);";

const char* const kTruncate = "DELETE FROM recs; DELETE FROM dbs;";

const char* const kStatementSql[kStatementCount] = {
    "BEGIN",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SAVEPOINT store_call",
    "RELEASE store_call",
    "ROLLBACK TO store_call",
    "UPDATE meta SET value = value + ?2 WHERE name = ?1 RETURNING value - ?2",
    "SELECT oid, name, type, flags, sorts, records, size, modified FROM dbs WHERE name = ?1",
    "SELECT oid, name, type, flags, sorts, records, size, modified FROM dbs WHERE oid = ?1",
    "INSERT INTO dbs(oid, name, type, flags, sorts, records, size, modified, next_seq)"
    " VALUES(?1, ?2, ?3, ?4, ?5, 0, 0, ?6, 1)",
    "DELETE FROM dbs WHERE oid = ?1 RETURNING oid",
    "DELETE FROM recs WHERE seq >= (?1 << 32) AND seq < ((?1 + 1) << 32)",
    "UPDATE dbs SET name = ?2, type = ?3, flags = ?4, sorts = ?5, modified = ?6 WHERE oid = ?1",
    "UPDATE dbs SET records = records + ?2, size = size + ?3, modified = ?4,"
    " next_seq = next_seq + max(?2, 0) WHERE oid = ?1"
    " RETURNING sorts, (oid << 32) + next_seq - 1",
    "INSERT INTO recs(oid, db, auto, k0, k1, k2, k3, props, seq)"
    " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
    "SELECT seq, db, auto, props, k0, k1, k2, k3 FROM recs WHERE oid = ?1",
    "SELECT oid, auto, props FROM recs WHERE seq = ?1 AND db = ?2",
    "UPDATE recs SET auto = ?2, k0 = ?3, k1 = ?4, k2 = ?5, k3 = ?6, props = ?7 WHERE seq = ?1",
    "UPDATE recs SET k0 = ?2, k1 = ?3, k2 = ?4, k3 = ?5 WHERE seq = ?1",
    "DELETE FROM recs WHERE oid = ?1 AND db = ?2 RETURNING length(props)",
    "SELECT seq, props FROM recs WHERE seq >= (?1 << 32) AND seq < ((?1 + 1) << 32)",
    "INSERT INTO changes(db, oid, kind) VALUES(?1, ?2, ?3)",
    "DELETE FROM changes WHERE seq <= ?1",
    "SELECT coalesce(max(seq), 0) FROM changes",
    "SELECT seq, db, oid, kind FROM changes WHERE seq > ?1 ORDER BY seq LIMIT 256",
};

// The text of a sorted statement for one slot: 0 is insertion order, 1 to 4
// the sort orders k0 to k3.
std::string SortedSql(SortedStatementId id, int slot)
{
    std::string k = slot ? "k" + std::to_string(slot - 1) : "";
    std::string key = slot ? k : "X''";
    std::string inDatabase = slot ? "db = ?1 AND " + k + " IS NOT NULL"
                                  : "seq >= (?1 << 32) AND seq < ((?1 + 1) << 32)";
    // In insertion order the point and the database's range make one bound
    // each way: SQLite uses only the first of two lower (or upper) bounds.
    std::string after = slot ? "(" + k + ", seq) > (?2, ?3)" : "seq > max(?3, (?1 << 32) - 1)";
    std::string before = slot ? "(" + k + ", seq) < (?2, ?3)" : "seq < min(?3, (?1 + 1) << 32)";
    std::string afterInDatabase = slot ? inDatabase + " AND " + after
                                       : after + " AND seq < ((?1 + 1) << 32)";
    std::string beforeInDatabase = slot ? inDatabase + " AND " + before
                                        : "seq >= (?1 << 32) AND " + before;
    std::string order = slot ? k + ", seq" : "seq";
    std::string reverse = slot ? k + " DESC, seq DESC" : "seq DESC";
    std::string head = "SELECT seq, " + key + ", oid, auto, props";
    std::string from = " FROM recs WHERE " + inDatabase;
    switch (id) {
    case kAfter:
        return head + " FROM recs WHERE " + afterInDatabase + " ORDER BY " + order + " LIMIT 1 OFFSET ?4";
    case kRunAfter:
        return head + " FROM recs WHERE " + afterInDatabase + " ORDER BY " + order + " LIMIT ?4";
    case kBefore:
        return head + " FROM recs WHERE " + beforeInDatabase + " ORDER BY " + reverse + " LIMIT 1 OFFSET ?4";
    case kNth:
        return head + from + " ORDER BY " + order + " LIMIT 1 OFFSET ?2";
    case kNthFromEnd:
        return head + from + " ORDER BY " + reverse + " LIMIT 1 OFFSET ?2";
    case kAtLeast:
        if (!slot)
            return head + " FROM recs WHERE 0 AND ?1 IS NULL AND ?2 IS NULL";
        return head + from + " AND " + k + " >= ?2 ORDER BY " + order + " LIMIT 1";
    case kCountBefore:
        return "SELECT count(*) FROM recs WHERE " + beforeInDatabase;
    case kSortedStatementCount:
        break;
    }
    return "";
}

std::string Utf8Of(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

sqlite3_stmt* Prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        NKDbgPrintfW(L"object store: cannot prepare \"%hs\": %hs\r\n", sql, sqlite3_errmsg(db));
        return nullptr;
    }
    return stmt;
}

bool Exec(sqlite3* db, const char* sql)
{
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        SetLastError(ErrorFromSqlite(rc));
        return false;
    }
    return true;
}

// A file of our format needs no schema write, so that it opens while
// another process holds a long write transaction (a batch).
bool HasCurrentFormat(VolumeFile* file)
{
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(file->db, "SELECT value FROM meta WHERE name = 'format'", -1, &check, nullptr) !=
        SQLITE_OK)
        return false;
    bool current = sqlite3_step(check) == SQLITE_ROW && sqlite3_column_int64(check, 0) == kFileFormat;
    sqlite3_finalize(check);
    return current;
}

bool PrepareFileContent(VolumeFile* file, bool truncate)
{
    if (!Exec(file->db, "PRAGMA journal_mode=WAL"))
        return false;
    if (!truncate && HasCurrentFormat(file))
        return true;
    if (!Exec(file->db, "BEGIN IMMEDIATE"))
        return false;
    bool ok = Exec(file->db, kSchema) && (!truncate || Exec(file->db, kTruncate));
    if (ok) {
        sqlite3_stmt* check = Prepare(file->db, "SELECT value FROM meta WHERE name = 'format'");
        ok = check && sqlite3_step(check) == SQLITE_ROW &&
             sqlite3_column_int64(check, 0) == kFileFormat;
        sqlite3_finalize(check);
        if (!ok)
            SetLastError(ERROR_BAD_FORMAT);
    }
    if (!ok) {
        sqlite3_exec(file->db, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    return Exec(file->db, "COMMIT");
}

}  // namespace

DWORD ErrorFromSqlite(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_SHARING_VIOLATION;
    case SQLITE_FULL:
        return ERROR_DISK_FULL;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return ERROR_BAD_FORMAT;
    case SQLITE_CANTOPEN:
        return ERROR_PATH_NOT_FOUND;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return ERROR_ACCESS_DENIED;
    case SQLITE_NOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SQLITE_CONSTRAINT:
        return ERROR_DUP_NAME;
    }
    return ERROR_GEN_FAILURE;
}

bool OpenVolumeFile(const std::wstring& path, DWORD disposition, VolumeFile* file)
{
    bool exists = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    switch (disposition) {
    case CREATE_NEW:
        if (exists) {
            SetLastError(ERROR_FILE_EXISTS);
            return false;
        }
        break;
    case OPEN_EXISTING:
    case TRUNCATE_EXISTING:
        if (!exists) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return false;
        }
        break;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    int rc = sqlite3_open_v2(Utf8Of(path).c_str(), &file->db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        SetLastError(ErrorFromSqlite(rc));
        CloseVolumeFile(file);
        return false;
    }
    sqlite3_busy_timeout(file->db, kBusyTimeoutMs);
    // RETURNING collects its rows in a temporary table; a file for it costs
    // more than the whole statement.
    sqlite3_exec(file->db, "PRAGMA temp_store=MEMORY", nullptr, nullptr, nullptr);
    bool truncate = exists && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
    if (!PrepareFileContent(file, truncate)) {
        DWORD error = GetLastError();
        CloseVolumeFile(file);
        SetLastError(error);
        return false;
    }
    return true;
}

void CloseVolumeFile(VolumeFile* file)
{
    for (sqlite3_stmt*& s : file->statements) {
        sqlite3_finalize(s);
        s = nullptr;
    }
    for (auto& row : file->sorted) {
        for (sqlite3_stmt*& s : row) {
            sqlite3_finalize(s);
            s = nullptr;
        }
    }
    if (file->db)
        sqlite3_close_v2(file->db);
    file->db = nullptr;
    file->walIndex = nullptr;
    file->sortOrderCache.clear();
    file->batchDepth = 0;  // closing rolled back a batch left open
}

bool CheckpointVolumeFile(VolumeFile* file)
{
    int rc = sqlite3_wal_checkpoint_v2(file->db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr,
                                       nullptr);
    if (rc != SQLITE_OK && rc != SQLITE_BUSY) {
        SetLastError(ErrorFromSqlite(rc));
        return false;
    }
    return true;
}

const SortOrders& CachedSortOrders(VolumeFile& file, const void* blob, int size, bool* ok)
{
    static const SortOrders kNone;
    std::string key(static_cast<const char*>(blob), size > 0 ? size : 0);
    auto it = file.sortOrderCache.find(key);
    if (it != file.sortOrderCache.end()) {
        *ok = true;
        return it->second;
    }
    SortOrders orders;
    *ok = DecodeSortOrders(key.data(), key.size(), &orders);
    if (!*ok)
        return kNone;
    return file.sortOrderCache.emplace(std::move(key), std::move(orders)).first->second;
}

// ---- Statement -------------------------------------------------------------

Statement::Statement(VolumeFile& file, StatementId id)
{
    sqlite3_stmt*& slot = file.statements[id];
    if (!slot)
        slot = Prepare(file.db, kStatementSql[id]);
    stmt_ = slot;
    failed_ = !stmt_;
}

Statement::Statement(VolumeFile& file, SortedStatementId id, int sortIndex)
{
    sqlite3_stmt*& slot = file.sorted[id][sortIndex + 1];
    if (!slot)
        slot = Prepare(file.db, SortedSql(id, sortIndex + 1).c_str());
    stmt_ = slot;
    failed_ = !stmt_;
}

Statement::~Statement()
{
    if (stmt_) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
}

Statement& Statement::Bind(int index, sqlite3_int64 value)
{
    if (stmt_)
        sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::BindBlob(int index, const std::string& bytes)
{
    static const char kEmpty = 0;
    if (stmt_) {
        sqlite3_bind_blob(stmt_, index, bytes.empty() ? &kEmpty : bytes.data(),
                          static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    }
    return *this;
}

Statement& Statement::BindText(int index, const wchar_t* text)
{
    if (stmt_)
        sqlite3_bind_text16(stmt_, index, text, -1, SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::BindNull(int index)
{
    if (stmt_)
        sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::Step()
{
    if (!stmt_) {
        SetLastError(ERROR_GEN_FAILURE);
        return false;
    }
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE) {
        failed_ = true;
        SetLastError(ErrorFromSqlite(rc));
    }
    return false;
}

bool Statement::Run()
{
    while (Step()) {
    }
    return !failed_;
}

sqlite3_int64 Statement::Int(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Blob(int column) const
{
    std::string out;
    BlobInto(column, &out);
    return out;
}

void Statement::BlobInto(int column, std::string* out) const
{
    const void* data = sqlite3_column_blob(stmt_, column);
    int size = sqlite3_column_bytes(stmt_, column);
    if (data)
        out->assign(static_cast<const char*>(data), size);
    else
        out->clear();
}

const void* Statement::BlobData(int column) const
{
    return sqlite3_column_blob(stmt_, column);
}

int Statement::BlobSize(int column) const
{
    return sqlite3_column_bytes(stmt_, column);
}

std::wstring Statement::Text(int column) const
{
    const void* text = sqlite3_column_text16(stmt_, column);
    return text ? std::wstring(static_cast<const wchar_t*>(text)) : std::wstring();
}

// ---- Transaction -----------------------------------------------------------

Transaction::Transaction(VolumeFile& file, bool write)
    : file_(file), inBatch_(file.batchDepth > 0), write_(write)
{
    if (inBatch_ && !write) {
        began_ = true;
        done_ = true;
        return;
    }
    if (inBatch_ && sqlite3_get_autocommit(file.db)) {
        // SQLite rolled the batch back (a full disk, an I/O error): what
        // follows must not commit on its own as if it were still batched.
        SetLastError(ERROR_GEN_FAILURE);
        return;
    }
    if (write_)
        ++file.writeGeneration;
    Statement begin(file, inBatch_ ? kSavepoint : write ? kBeginWrite : kBegin);
    began_ = begin.Run();
    done_ = !began_;
}

Transaction::~Transaction()
{
    if (!done_) {
        DWORD error = GetLastError();
        Statement(file_, inBatch_ ? kRollbackTo : kRollback).Run();
        if (inBatch_)
            Statement(file_, kRelease).Run();
        SetLastError(error);
    }
    if (write_)
        ++file_.writeGeneration;
}

bool Transaction::Commit()
{
    if (inBatch_ && !write_)
        return began_;
    if (done_)
        return false;
    Statement commit(file_, inBatch_ ? kRelease : kCommit);
    if (!commit.Run())
        return false;
    done_ = true;
    return true;
}

}  // namespace store
