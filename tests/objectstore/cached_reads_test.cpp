// Reads the store answers from memory between calls (catalog rows, a seek's
// record, the records read ahead of a walk) against changes made between two
// reads: by another process, by another connection to the volume file, and
// by this process.
#include "tests/objectstore/store_fixture.h"

#include <sqlite3.h>

#include <cstring>

namespace storetest {
namespace {

constexpr DWORD kPeerLimitMs = 30000;
constexpr long kRecords = 12;  // ordered 10, 20, ... 120
const wchar_t kWalk[] = L"Walk";
const CEPROPID kOrder = Id(1, CEVT_I4);
const CEPROPID kMark = Id(2, CEVT_I4);

enum class Writer { kAnotherProcess, kAnotherConnection, kThisProcess };
enum class Change { kMarkNext, kDeleteNext, kInsertBeforeNext };

const char* NameOf(Writer w)
{
    switch (w) {
    case Writer::kAnotherProcess: return "another process";
    case Writer::kAnotherConnection: return "another connection";
    case Writer::kThisProcess: return "this process";
    }
    return "";
}

const char* NameOf(Change c)
{
    switch (c) {
    case Change::kMarkNext: return "marks the next record";
    case Change::kDeleteNext: return "deletes the next record";
    case Change::kInsertBeforeNext: return "adds a record before the next";
    }
    return "";
}

long Number(const Record& r, CEPROPID id)
{
    const Value* v = r.Find(id);
    return v ? static_cast<long>(v->number) : -1;
}

// The stored form of a record with the two properties.
std::string RecordBlob(long order, long mark)
{
    std::string blob("\x01\x02\x00", 3);
    for (auto [id, value] : {std::pair{kOrder, order}, std::pair{kMark, mark}}) {
        uint32_t fields[3] = {id, 4, static_cast<uint32_t>(value)};
        blob.append(reinterpret_cast<const char*>(fields), sizeof(fields));
    }
    return blob;
}

class CachedReadTest : public StoreTest {
protected:
    // Database "Walk", sorted on property 1, anew: records 10, 20, ... 120,
    // each marked 0.
    void MakeWalk()
    {
        CEOID old = 0;
        HANDLE db = Open(kWalk, &old);
        if (db != INVALID_HANDLE_VALUE) {
            CloseHandle(db);
            ASSERT_TRUE(CeDeleteDatabaseEx(&volume_, old));
        }
        walk_ = CreateDatabase(kWalk, {{{{kOrder, 0}}}});
        db = Open(kWalk);
        ids_.clear();
        for (long i = 1; i <= kRecords; ++i) {
            CEPROPVAL v[] = {I4(1, 10 * i), I4(2, 0)};
            ids_.push_back(CeWriteRecordProps(db, 0, 2, v));
        }
        CloseHandle(db);
    }
    CEOID RecordAt(long order) const { return ids_[order / 10 - 1]; }

    int Peer(const std::wstring& command, const std::wstring& rest) const
    {
        std::wstring line = L"\"" + ProgramDir() + L"store_peer.exe\" " + command + L" " +
                            volumePath_ + L" " + kWalk + L" " + rest;
        return testkit::RunProcess(line, kPeerLimitMs);
    }

    // SQL on the volume file through a connection of its own.
    void OtherConnection(const char* sql, CEOID oid, const std::string* blob = nullptr)
    {
        std::wstring wide = volumePath_;
        std::string path(wide.begin(), wide.end());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt* s = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, sql, -1, &s, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_bind_int64(s, 1, oid);
        if (blob)
            sqlite3_bind_blob(s, 2, blob->data(), static_cast<int>(blob->size()), SQLITE_STATIC);
        EXPECT_EQ(sqlite3_step(s), SQLITE_DONE) << sqlite3_errmsg(db);
        sqlite3_finalize(s);
        sqlite3_close(db);
    }

    // The change to record 30 (or before it); false when the writer has no
    // way to make it.
    bool Make(Writer writer, Change change)
    {
        CEOID next = RecordAt(30);
        switch (writer) {
        case Writer::kAnotherProcess:
            switch (change) {
            case Change::kMarkNext:
                EXPECT_EQ(Peer(L"set", std::to_wstring(next) + L" 2 7"), 0);
                return true;
            case Change::kDeleteNext:
                EXPECT_EQ(Peer(L"delete", std::to_wstring(next)), 0);
                return true;
            case Change::kInsertBeforeNext:
                EXPECT_EQ(Peer(L"set", L"0 1 25"), 0);
                return true;
            }
            break;
        case Writer::kAnotherConnection: {
            std::string blob = RecordBlob(30, 7);
            if (change == Change::kMarkNext)
                OtherConnection("UPDATE recs SET props = ?2 WHERE oid = ?1", next, &blob);
            else if (change == Change::kDeleteNext)
                OtherConnection("DELETE FROM recs WHERE oid = ?1", next);
            return change != Change::kInsertBeforeNext;
        }
        case Writer::kThisProcess: {
            HANDLE db = Open(kWalk);
            CEPROPVAL mark = I4(2, 7);
            CEPROPVAL order = I4(1, 25);
            if (change == Change::kMarkNext)
                EXPECT_TRUE(CeWriteRecordProps(db, next, 1, &mark));
            else if (change == Change::kDeleteNext)
                EXPECT_TRUE(CeDeleteRecord(db, next));
            else
                EXPECT_TRUE(CeWriteRecordProps(db, 0, 1, &order));
            CloseHandle(db);
            return true;
        }
        }
        return false;
    }

    CEOID walk_ = 0;
    std::vector<CEOID> ids_;
};

struct Expected {
    Change change;
    long order;  // of the record read after the change
    long mark;
};
const Expected kExpected[] = {
    {Change::kMarkNext, 30, 7},
    {Change::kDeleteNext, 40, 0},
    {Change::kInsertBeforeNext, 25, -1},
};
const Writer kWriters[] = {Writer::kAnotherProcess, Writer::kAnotherConnection,
                           Writer::kThisProcess};

// A walk in order has read 10 and 20 (and whatever the store read ahead):
// the next step and its read show the change.
TEST_F(CachedReadTest, AWalkSeesAChangeToTheRecordsAhead)
{
    for (Writer writer : kWriters) {
        for (const Expected& e : kExpected) {
            SCOPED_TRACE(std::string(NameOf(writer)) + " " + NameOf(e.change));
            MakeWalk();
            HANDLE db = OpenSorted(kWalk, kOrder);
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr), RecordAt(10));
            EXPECT_EQ(Number(ReadRecord(db), kOrder), 10);
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr), RecordAt(20));
            EXPECT_EQ(Number(ReadRecord(db), kOrder), 20);
            if (!Make(writer, e.change)) {
                CloseHandle(db);
                continue;
            }
            CEOID next = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr);
            Record r = ReadRecord(db);
            EXPECT_EQ(r.oid, next);
            EXPECT_EQ(Number(r, kOrder), e.order);
            EXPECT_EQ(Number(r, kMark), e.mark);
            // And the walk goes on to the end, in order.
            long last = e.order;
            int steps = 0;
            while (CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr)) {
                long order = Number(ReadRecord(db), kOrder);
                EXPECT_GT(order, last);
                last = order;
                ++steps;
            }
            EXPECT_EQ(last, 10 * kRecords);
            EXPECT_EQ(steps, kRecords - e.order / 10);
            CloseHandle(db);
        }
    }
}

// The read after a seek shows what was changed between the two.
TEST_F(CachedReadTest, AReadAfterASeekSeesAChangeInBetween)
{
    for (Writer writer : kWriters) {
        for (const Expected& e : kExpected) {
            if (e.change == Change::kInsertBeforeNext)
                continue;  // the record sought stays the one read
            SCOPED_TRACE(std::string(NameOf(writer)) + " " + NameOf(e.change));
            MakeWalk();
            HANDLE db = OpenSorted(kWalk, kOrder);
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 1, 0, nullptr), RecordAt(20));
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr), RecordAt(30));
            ASSERT_TRUE(Make(writer, e.change));
            Record r = ReadRecord(db);
            EXPECT_EQ(r.oid, RecordAt(e.order));
            EXPECT_EQ(Number(r, kOrder), e.order);
            EXPECT_EQ(Number(r, kMark), e.mark);
            CloseHandle(db);
        }
    }
}

// An open that reads on by itself takes the next record read ahead only
// while it is current.
TEST_F(CachedReadTest, AReadThatMovesOnSeesAChangeAhead)
{
    for (Writer writer : kWriters) {
        for (const Expected& e : kExpected) {
            SCOPED_TRACE(std::string(NameOf(writer)) + " " + NameOf(e.change));
            MakeWalk();
            SORTORDERSPECEX byOrder = SpecOf({{{kOrder, 0}}});
            HANDLE db = OpenWith(kWalk, &byOrder, CEDB_AUTOINCREMENT);
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr), RecordAt(10));
            EXPECT_EQ(Number(ReadRecord(db), kOrder), 10);
            EXPECT_EQ(Number(ReadRecord(db), kOrder), 20);
            if (Make(writer, e.change)) {
                Record r = ReadRecord(db);
                EXPECT_EQ(Number(r, kOrder), e.order);
                EXPECT_EQ(Number(r, kMark), e.mark);
            }
            CloseHandle(db);
        }
    }
}

// A walk that asks for indexes: a record added or deleted before the
// position moves the indexes of the next step and of a seek back by id.
TEST_F(CachedReadTest, IndexesFollowAChangeBeforeThePosition)
{
    struct Case {
        Writer writer;
        bool add;  // else deletes record 10
    };
    const Case kCases[] = {
        {Writer::kAnotherProcess, true},
        {Writer::kAnotherConnection, false},
        {Writer::kThisProcess, true},
        {Writer::kThisProcess, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(NameOf(c.writer)) + (c.add ? " adds 5" : " deletes 10"));
        for (bool seekBack : {false, true}) {
            SCOPED_TRACE(seekBack ? "seek back by id" : "next step");
            MakeWalk();
            HANDLE db = OpenSorted(kWalk, kOrder);
            DWORD index = 99;
            ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index), RecordAt(10));
            EXPECT_EQ(index, 0u);
            for (DWORD i = 1; i <= 2; ++i) {
                ASSERT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index),
                          RecordAt(10 * (i + 1)));
                EXPECT_EQ(index, i);
            }
            if (c.writer == Writer::kAnotherProcess) {
                ASSERT_EQ(Peer(L"set", L"0 1 5"), 0);
            } else if (c.writer == Writer::kAnotherConnection) {
                OtherConnection("DELETE FROM recs WHERE oid = ?1", RecordAt(10));
            } else {
                HANDLE other = Open(kWalk);
                CEPROPVAL v = I4(1, 5);
                if (c.add)
                    EXPECT_TRUE(CeWriteRecordProps(other, 0, 1, &v));
                else
                    EXPECT_TRUE(CeDeleteRecord(other, RecordAt(10)));
                CloseHandle(other);
            }
            DWORD shift = c.add ? 1 : static_cast<DWORD>(-1);
            if (seekBack) {
                EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CEOID, RecordAt(30), 0, &index),
                          RecordAt(30));
                EXPECT_EQ(index, 2 + shift);
            } else {
                EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index), RecordAt(40));
                EXPECT_EQ(index, 3 + shift);
            }
            CloseHandle(db);
        }
    }
}

TEST_F(CachedReadTest, CountsFollowEveryWriter)
{
    MakeWalk();
    EXPECT_EQ(RecordCount(walk_), static_cast<DWORD>(kRecords));
    EXPECT_EQ(RecordCount(walk_), static_cast<DWORD>(kRecords));
    EXPECT_EQ(Peer(L"set", L"0 1 130"), 0);
    EXPECT_EQ(RecordCount(walk_), static_cast<DWORD>(kRecords + 1));
    HANDLE db = Open(kWalk);
    CEPROPVAL v = I4(1, 140);
    ASSERT_TRUE(CeWriteRecordProps(db, 0, 1, &v));
    EXPECT_EQ(RecordCount(walk_), static_cast<DWORD>(kRecords + 2));
    ASSERT_TRUE(CeDeleteRecord(db, RecordAt(10)));
    EXPECT_EQ(RecordCount(walk_), static_cast<DWORD>(kRecords + 1));
    CloseHandle(db);
    OtherConnection("UPDATE dbs SET records = 99 WHERE oid = ?1", walk_);
    EXPECT_EQ(RecordCount(walk_), 99u);
}

// A database dropped and created again under the same name: opens by name
// find the new one, the old id is gone, a walk on the old one ends.
TEST_F(CachedReadTest, ADatabaseCreatedAgainUnderItsNameIsTheOneOpened)
{
    for (bool byAnotherProcess : {true, false}) {
        SCOPED_TRACE(byAnotherProcess ? "another process" : "this process");
        MakeWalk();
        CEOID old = 0;
        HANDLE first = Open(kWalk, &old);
        ASSERT_EQ(old, walk_);
        EXPECT_EQ(RecordCount(old), static_cast<DWORD>(kRecords));
        HANDLE walking = OpenSorted(kWalk, kOrder);
        ASSERT_EQ(CeSeekDatabaseEx(walking, CEDB_SEEK_BEGINNING, 0, 0, nullptr), RecordAt(10));
        ASSERT_EQ(CeSeekDatabaseEx(walking, CEDB_SEEK_CURRENT, 1, 0, nullptr), RecordAt(20));
        if (byAnotherProcess) {
            ASSERT_EQ(Peer(L"recreate", L"3"), 0);
        } else {
            ASSERT_TRUE(CeDeleteDatabaseEx(&volume_, old));
            CreateDatabase(kWalk, {{{{kOrder, 0}}}});
            HANDLE db = Open(kWalk);
            for (long i = 0; i < 3; ++i) {
                CEPROPVAL v = I4(1, i);
                CeWriteRecordProps(db, 0, 1, &v);
            }
            CloseHandle(db);
        }
        CEOID now = 0;
        HANDLE second = Open(kWalk, &now);
        ASSERT_NE(second, INVALID_HANDLE_VALUE);
        EXPECT_NE(now, old);
        EXPECT_EQ(RecordCount(now), 3u);
        EXPECT_EQ(RecordCount(old), 0xFFFFFFFF);
        EXPECT_EQ(CeSeekDatabaseEx(walking, CEDB_SEEK_CURRENT, 1, 0, nullptr), 0u);
        CloseHandle(walking);
        CloseHandle(first);
        CloseHandle(second);
    }
}

// This process renames a database and changes its sort order: opens by the
// old name or for the old order fail at once.
TEST_F(CachedReadTest, OwnCatalogChangesAreSeenByTheNextOpen)
{
    MakeWalk();
    SORTORDERSPECEX byOrder = SpecOf({{{kOrder, 0}}});
    SORTORDERSPECEX byMark = SpecOf({{{kMark, 0}}});
    CloseHandle(OpenWith(kWalk, &byOrder));
    EXPECT_EQ(OpenWith(kWalk, &byMark), INVALID_HANDLE_VALUE);

    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
    wcscpy(info.szDbaseName, L"Walk renamed");
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] = byMark;
    ASSERT_TRUE(CeSetDatabaseInfoEx2(&volume_, walk_, &info));

    EXPECT_EQ(Open(kWalk), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    CEOID renamed = 0;
    HANDLE db = Open(L"Walk renamed", &renamed);
    EXPECT_EQ(renamed, walk_);
    CloseHandle(db);
    EXPECT_EQ(OpenWith(L"Walk renamed", &byOrder), INVALID_HANDLE_VALUE);
    db = OpenWith(L"Walk renamed", &byMark);
    EXPECT_NE(db, INVALID_HANDLE_VALUE);
    CloseHandle(db);
}

}  // namespace
}  // namespace storetest
