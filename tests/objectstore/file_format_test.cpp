// The volume file, read and written directly with SQLite: the stored
// record, sort-order and key bytes are exact, and the store reads what the
// format says.
#include "tests/objectstore/store_fixture.h"

#include <sqlite3.h>

namespace storetest {
namespace {

using Bytes8 = std::vector<uint8_t>;

class FileFormatTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        database_ = CreateDatabase(
            L"Format", {{{{Id(1, CEVT_LPWSTR), CEDB_SORT_CASEINSENSITIVE}}},
                        {{{Id(0, CEVT_I4), CEDB_SORT_DESCENDING}}},
                        {{{Id(2, CEVT_UI2), 0}, {Id(1, CEVT_LPWSTR), 0}}, CEDB_SORT_UNIQUE}});
        db_ = Open(L"Format");
        std::vector<uint8_t> blob = {1, 2, 3};
        CEPROPVAL props[4] = {I4(0, 0x01020304), Text(1, L"가a"), UI2(2, 0xBEEF),
                              Bytes(3, CEVT_BLOB, blob)};
        record_ = CeWriteRecordProps(db_, 0, 4, props);
        ASSERT_NE(record_, 0u);
        std::string path(volumePath_.begin(), volumePath_.end());
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &file_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        sqlite3_busy_timeout(file_, 5000);
    }
    void TearDown() override
    {
        sqlite3_close(file_);
        CloseHandle(db_);
        StoreTest::TearDown();
    }
    // The blob columns of the one row a query returns.
    std::vector<Bytes8> Row(const char* sql, sqlite3_int64 key)
    {
        sqlite3_stmt* s = nullptr;
        std::vector<Bytes8> columns;
        EXPECT_EQ(sqlite3_prepare_v2(file_, sql, -1, &s, nullptr), SQLITE_OK) << sql;
        sqlite3_bind_int64(s, 1, key);
        if (sqlite3_step(s) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(s); ++i) {
                auto* p = static_cast<const uint8_t*>(sqlite3_column_blob(s, i));
                columns.emplace_back(p, p + sqlite3_column_bytes(s, i));
            }
        }
        sqlite3_finalize(s);
        return columns;
    }
    sqlite3_int64 Number(const char* sql, sqlite3_int64 key)
    {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(file_, sql, -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, key);
        sqlite3_int64 v = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
        sqlite3_finalize(s);
        return v;
    }
    void StoreProps(const Bytes8& props)
    {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(file_, "UPDATE recs SET props = ?2 WHERE oid = ?1", -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, record_);
        static const uint8_t kNothing = 0;
        sqlite3_bind_blob(s, 2, props.empty() ? &kNothing : props.data(),
                          static_cast<int>(props.size()), SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(s), SQLITE_DONE);
        sqlite3_finalize(s);
    }

    CEOID database_ = 0;
    CEOID record_ = 0;
    HANDLE db_ = INVALID_HANDLE_VALUE;
    sqlite3* file_ = nullptr;
};

TEST_F(FileFormatTest, RecordPropertiesAreStoredFieldByField)
{
    const Bytes8 kProps = {
        0x01, 0x04, 0x00,                                                        // version, count
        0x03, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x04, 0x03, 0x02, 0x01,  // I4
        0x1F, 0x00, 0x01, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0xAC, 0x61, 0x00,  // text
        0x12, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0xEF, 0xBE,              // UI2
        0x41, 0x00, 0x03, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0x03,        // blob
    };
    std::vector<Bytes8> row = Row("SELECT props FROM recs WHERE oid = ?1", record_);
    ASSERT_EQ(row.size(), 1u);
    EXPECT_EQ(row[0], kProps);
    // A database's records form one range of the table, in insertion order.
    EXPECT_EQ(Number("SELECT seq FROM recs WHERE oid = ?1", record_),
              (static_cast<sqlite3_int64>(database_) << 32) + 1);
}

TEST_F(FileFormatTest, SortOrdersAndKeysAreStoredFieldByField)
{
    const Bytes8 kSorts = {
        0x01, 0x03,                                                              // version, count
        0x00, 0x00, 0x01, 0x1F, 0x00, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00,        // text, folded
        0x00, 0x00, 0x01, 0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,        // I4, descending
        0x00, 0x02, 0x02, 0x12, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,        // unique: UI2,
        0x1F, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,                          //   then text
    };
    std::vector<Bytes8> sorts = Row("SELECT sorts FROM dbs WHERE oid = ?1", database_);
    ASSERT_EQ(sorts.size(), 1u);
    EXPECT_EQ(sorts[0], kSorts);

    const Bytes8 kKey0 = {0x01, 0xAC, 0x00, 0x00, 0x41, 0x00, 0x00};  // "가A"
    const Bytes8 kKey1 = {0x01, 0x7E, 0xFD, 0xFC, 0xFB};              // sign flipped, inverted
    const Bytes8 kKey2 = {0x01, 0xBE, 0xEF, 0x01, 0xAC, 0x00, 0x00, 0x61, 0x00, 0x00};
    std::vector<Bytes8> keys = Row("SELECT k0, k1, k2, k3 FROM recs WHERE oid = ?1", record_);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0], kKey0);
    EXPECT_EQ(keys[1], kKey1);
    EXPECT_EQ(keys[2], kKey2);
    EXPECT_TRUE(keys[3].empty());  // no fourth order: no key
    EXPECT_EQ(Number("SELECT count(*) FROM recs WHERE oid = ?1 AND k3 IS NULL", record_), 1);
}

TEST_F(FileFormatTest, TheStoreReadsWhatTheFormatSays)
{
    const Bytes8 kProps = {
        0x01, 0x03, 0x00,
        0x40, 0x00, 0x9A, 0x00, 0x08, 0x00, 0x00, 0x00,  // FILETIME low, high
        0x78, 0x56, 0x34, 0x12, 0x00, 0xA0, 0xC7, 0x01,
        0x1F, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,  // empty text
        0x64, 0x00, 0x07, 0x00, 0x02, 0x00, 0x00, 0x00, 0xFF, 0x00,  // stream
    };
    StoreProps(kProps);
    ASSERT_EQ(CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, record_, 0, nullptr), record_);
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    ASSERT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size,
                                  nullptr),
              record_);
    ASSERT_EQ(count, 3);
    auto* v = reinterpret_cast<CEPROPVAL*>(buffer);
    EXPECT_EQ(v[0].propid, Id(0x9A, CEVT_FILETIME));
    EXPECT_EQ(v[0].val.filetime.dwLowDateTime, 0x12345678u);
    EXPECT_EQ(v[0].val.filetime.dwHighDateTime, 0x01C7A000u);
    EXPECT_STREQ(v[1].val.lpwstr, L"");
    ASSERT_EQ(v[2].val.blob.dwCount, 2u);
    EXPECT_EQ(v[2].val.blob.lpb[0], 0xFF);
    EXPECT_EQ(v[2].val.blob.lpb[1], 0x00);
    LocalFree(buffer);
}

TEST_F(FileFormatTest, DamagedRecordsAreRefused)
{
    const Bytes8 kCases[] = {
        {},                                                        // nothing
        {0x02, 0x00, 0x00},                                        // unknown version
        {0x01, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x04, 0x00},    // cut short
        {0x01, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x01, 0x02},  // value cut short
        {0x01, 0x01, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x02},  // I4 of 2
        {0x01, 0x00, 0x00, 0x00},                                  // trailing byte
    };
    for (const Bytes8& props : kCases) {
        SCOPED_TRACE(props.size());
        StoreProps(props);
        CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, record_, 0, nullptr);
        Record r = ReadRecord(db_);
        EXPECT_EQ(r.oid, 0u);
        EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_BAD_FORMAT));
    }
}

TEST_F(FileFormatTest, TheFileIsLoggedAhead)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(file_, "PRAGMA journal_mode", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), "wal");
    sqlite3_finalize(s);
    EXPECT_EQ(Number("SELECT value FROM meta WHERE name = 'format' AND ?1 = 1", 1), 1);
}

}  // namespace
}  // namespace storetest
