// The ways the system deletes while it reads: each must visit every record
// exactly once.
#include "tests/objectstore/store_fixture.h"

#include <algorithm>

namespace storetest {
namespace {

const CEPROPID kContact = Id(1, CEVT_I4);
const CEPROPID kItem = Id(2, CEVT_I4);

class DeleteLoopsTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        database_ = CreateDatabase(L"QuillonPlan", {{{{kContact, CEDB_SORT_CASEINSENSITIVE}}},
                                                     {{{kItem, CEDB_SORT_CASEINSENSITIVE}}}});
        WriteLinks();
    }

    void WriteLinks()
    {
        all_.clear();
        HANDLE db = Open(L"QuillonPlan");
        // Contact 7 has three links, spread among the others.
        const long kLinks[][2] = {{7, 100}, {3, 101}, {7, 102}, {9, 103}, {7, 104}, {3, 105}};
        for (const auto& link : kLinks) {
            CEPROPVAL props[2] = {I4(1, link[0]), I4(2, link[1])};
            all_.push_back(CeWriteRecordProps(db, 0, 2, props));
        }
        CloseHandle(db);
    }

    std::vector<long> RemainingItems()
    {
        HANDLE db = OpenSorted(L"QuillonPlan", kItem);
        std::vector<long> items;
        for (Record r = ReadRecord(db); r.oid; r = ReadRecord(db)) {
            items.push_back(static_cast<long>(r.Find(kItem)->number));
            if (!CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                break;
        }
        CloseHandle(db);
        return items;
    }

    CEOID database_ = 0;
    std::vector<CEOID> all_;
};

TEST_F(DeleteLoopsTest, AutoIncrementReadThenDeleteTheRecordRead)
{
    DWORD count = RecordCount(database_);
    HANDLE db = OpenWith(L"QuillonPlan", nullptr, CEDB_AUTOINCREMENT);
    std::vector<CEOID> visited;
    for (DWORD i = 0; i < count; ++i) {
        Record r = ReadRecord(db);
        ASSERT_NE(r.oid, 0u) << i;
        visited.push_back(r.oid);
        if (r.Find(kContact)->number == 7) {
            EXPECT_TRUE(CeDeleteRecord(db, r.oid));
        }
    }
    EXPECT_EQ(ReadRecord(db).error, static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    CloseHandle(db);
    EXPECT_EQ(visited, all_);
    EXPECT_EQ(RemainingItems(), (std::vector<long>{101, 103, 105}));
}

TEST_F(DeleteLoopsTest, DeleteTheCurrentRecordThenSeekForwardByOne)
{
    HANDLE db = OpenSorted(L"QuillonPlan", kContact);
    CEPROPVAL key = I4(1, 7);
    CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key),
                                 1, nullptr);
    std::vector<long> collected;
    while (oid) {
        Record r = ReadRecord(db);
        if (r.Find(kContact)->number != 7)
            break;
        collected.push_back(static_cast<long>(r.Find(kItem)->number));
        EXPECT_TRUE(CeDeleteRecord(db, r.oid));
        oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr);
    }
    CloseHandle(db);
    EXPECT_EQ(collected, (std::vector<long>{100, 102, 104}));
    EXPECT_EQ(RemainingItems(), (std::vector<long>{101, 103, 105}));
}

TEST_F(DeleteLoopsTest, DeleteEveryRecordWalkingForward)
{
    HANDLE db = OpenSorted(L"QuillonPlan", kItem);
    std::vector<CEOID> visited;
    for (CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
         oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr)) {
        visited.push_back(ReadRecord(db).oid);
        CeDeleteRecord(db, oid);
    }
    CloseHandle(db);
    EXPECT_EQ(visited, all_);  // item order is insertion order here
    EXPECT_EQ(RecordCount(database_), 0u);
}

TEST_F(DeleteLoopsTest, DeleteFromTheLastIndexDownwards)
{
    struct Case {
        const char* what;
        DWORD kind;
        bool byIndex;
    };
    const Case kCases[] = {{"seek from the beginning to each index", CEDB_SEEK_BEGINNING, true},
                           {"seek to the end each time", CEDB_SEEK_END, false}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        HANDLE db = OpenSorted(L"QuillonPlan", kItem);
        std::vector<CEOID> visited;
        for (long i = static_cast<long>(RecordCount(database_)) - 1; i >= 0; --i) {
            CEOID oid = CeSeekDatabaseEx(db, c.kind, c.byIndex ? i : 0, 0, nullptr);
            ASSERT_NE(oid, 0u);
            visited.push_back(oid);
            EXPECT_TRUE(CeDeleteRecord(db, oid));
        }
        CloseHandle(db);
        std::reverse(visited.begin(), visited.end());
        EXPECT_EQ(visited, all_);
        EXPECT_EQ(RecordCount(database_), 0u);
        WriteLinks();
    }
}

TEST_F(DeleteLoopsTest, AutoIncrementReadsWalkTheSortOrder)
{
    HANDLE db = OpenSorted(L"QuillonPlan", kContact, CEDB_AUTOINCREMENT);
    std::vector<long> items;
    for (Record r = ReadRecord(db); r.oid; r = ReadRecord(db))
        items.push_back(static_cast<long>(r.Find(kItem)->number));
    EXPECT_EQ(items, (std::vector<long>{101, 105, 100, 102, 104, 103}));

    // After a read the next record is current: one more forward skips it.
    CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    ReadRecord(db);  // 101; 105 is current now
    EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 0, 0, nullptr), all_[5]);
    EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr), all_[0]);
    CloseHandle(db);
}

}  // namespace
}  // namespace storetest
