// Batches: the calls of one process in one transaction, seen by others and
// announced only when the batch ends; a failed call inside undoes itself
// only; a process killed inside a batch loses that batch alone.
#include "tests/objectstore/store_fixture.h"

#include <algorithm>
#include <set>

namespace storetest {
namespace {

constexpr DWORD kPeerLimitMs = 30000;
constexpr DWORD kQuietMs = 700;  // several turns of the notification pump

class BatchTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        database_ = CreateDatabase(L"Tasks Database", {{{{Id(1, CEVT_I4), 0}}}});
    }

public:
    // store_peer COMMAND VOLUME "Tasks Database" [COUNT]
    int RunPeer(const std::wstring& command, const std::wstring& count = L"") const
    {
        return testkit::RunProcess(L"\"" + ProgramDir() + L"store_peer.exe\" " + command + L" " + volumePath_ +
                                       L" \"Tasks Database\" " + count,
                                   kPeerLimitMs);
    }
    CEOID Write(HANDLE db, long value, CEOID oid = 0)
    {
        CEPROPVAL v = I4(1, value);
        return CeWriteRecordProps(db, oid, 1, &v);
    }
    // Every record in insertion order: (id, property 1).
    std::vector<std::pair<CEOID, long long>> Records(HANDLE db)
    {
        std::vector<std::pair<CEOID, long long>> all;
        for (CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
             oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            all.push_back({oid, ReadRecord(db).Find(Id(1, CEVT_I4))->number});
        return all;
    }
    static std::vector<long long> ValuesOf(const std::vector<std::pair<CEOID, long long>>& records)
    {
        std::vector<long long> values;
        for (const auto& r : records)
            values.push_back(r.second);
        return values;
    }
    static bool IdsDistinct(const std::vector<std::pair<CEOID, long long>>& records)
    {
        std::set<CEOID> ids;
        for (const auto& r : records)
            ids.insert(r.first);
        return ids.size() == records.size() && !ids.count(0);
    }

    CEOID database_ = 0;
};

TEST_F(BatchTest, AnotherProcessSeesABatchOnlyWhenItEnds)
{
    HANDLE db = Open(L"Tasks Database");
    ASSERT_TRUE(CeStoreBeginBatch(&volume_));
    for (long i = 0; i < 3; ++i)
        EXPECT_NE(Write(db, i), 0u);
    // A nested batch ends into the outer one.
    ASSERT_TRUE(CeStoreBeginBatch(&volume_));
    EXPECT_NE(Write(db, 3), 0u);
    ASSERT_TRUE(CeStoreEndBatch(&volume_));
    EXPECT_EQ(RunPeer(L"count"), 0);
    // This process reads what it wrote.
    EXPECT_EQ(RecordCount(database_), 4u);
    EXPECT_EQ(ValuesOf(Records(db)), (std::vector<long long>{0, 1, 2, 3}));
    ASSERT_TRUE(CeStoreEndBatch(&volume_));
    EXPECT_EQ(RunPeer(L"count"), 4);

    // Outside a batch each write is there for the other process at once,
    // and ids stay unique across both processes.
    EXPECT_NE(Write(db, 4), 0u);
    EXPECT_EQ(RunPeer(L"count"), 5);
    EXPECT_EQ(RunPeer(L"write", L"2"), 0);
    auto records = Records(db);
    EXPECT_EQ(ValuesOf(records), (std::vector<long long>{0, 1, 2, 3, 4, 0, 1}));
    EXPECT_TRUE(IdsDistinct(records));

    // An end without a begin is an error.
    SetLastError(0);
    EXPECT_FALSE(CeStoreEndBatch(&volume_));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(db);
}

TEST_F(BatchTest, ABatchIsAnnouncedWhenItEnds)
{
    HWND window = CreateNoticeWindow();
    CENOTIFYREQUEST request = {sizeof(request), window, CEDB_EXNOTIFICATION, nullptr, 14};
    HANDLE watched = OpenWith(L"Tasks Database", nullptr, 0, &request);
    HANDLE db = Open(L"Tasks Database");
    ASSERT_TRUE(CeStoreBeginBatch(&volume_));
    CEOID first = Write(db, 1);
    EXPECT_NE(Write(db, 2), 0u);
    EXPECT_FALSE(testkit::PumpUntil([] { return !NoticesSeen().empty(); }, kQuietMs));
    ASSERT_TRUE(CeStoreEndBatch(&volume_));
    ASSERT_TRUE(testkit::PumpUntil([] { return NoticesSeen().size() >= 2; }, 3000));
    EXPECT_EQ(NoticesSeen()[0].uType, static_cast<UINT>(DB_CEOID_CREATED));
    EXPECT_EQ(NoticesSeen()[0].oid, first);
    EXPECT_EQ(NoticesSeen()[0].dwParam, 14u);
    CloseHandle(db);
    CloseHandle(watched);
    DestroyWindow(window);
}

TEST_F(BatchTest, AFailedCallInsideABatchUndoesOnlyItself)
{
    HANDLE db = Open(L"Tasks Database");
    ASSERT_TRUE(CeStoreBeginBatch(&volume_));
    CEOID kept = Write(db, 1);
    ASSERT_NE(kept, 0u);

    struct Case {
        const char* what;
        CEOID (*change)(BatchTest& test, HANDLE db, CEOID kept);
    };
    const Case kCases[] = {
        {"new record", [](BatchTest& t, HANDLE db, CEOID) { return t.Write(db, 99); }},
        {"update", [](BatchTest& t, HANDLE db, CEOID kept) { return t.Write(db, 99, kept); }},
        {"delete", [](BatchTest&, HANDLE db, CEOID kept) { return CEOID(CeDeleteRecord(db, kept)); }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CeStoreFailInsideNextChange(ERROR_DISK_FULL);
        SetLastError(0);
        EXPECT_EQ(c.change(*this, db, kept), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
        EXPECT_EQ(ValuesOf(Records(db)), (std::vector<long long>{1}));
        EXPECT_EQ(RecordCount(database_), 1u);
    }
    EXPECT_NE(Write(db, 2), 0u);
    ASSERT_TRUE(CeStoreEndBatch(&volume_));

    EXPECT_EQ(RunPeer(L"count"), 2);
    EXPECT_EQ(RunPeer(L"write", L"1"), 0);
    auto records = Records(db);
    EXPECT_EQ(ValuesOf(records), (std::vector<long long>{1, 2, 0}));
    EXPECT_EQ(records.front().first, kept);
    EXPECT_TRUE(IdsDistinct(records));
    CloseHandle(db);
}

TEST_F(BatchTest, AProcessKilledInsideABatchLosesOnlyThatBatch)
{
    EXPECT_EQ(RunPeer(L"batchcrash"), 77);
    HANDLE db = Open(L"Tasks Database");
    auto records = Records(db);
    // The first batch is whole; of the second nothing is there.
    EXPECT_EQ(ValuesOf(records), (std::vector<long long>{0, 1, 2, 3, 4}));
    EXPECT_EQ(RecordCount(database_), 5u);
    // The volume takes batches again, with ids none of the kept ones have.
    ASSERT_TRUE(CeStoreBeginBatch(&volume_));
    EXPECT_NE(Write(db, 5), 0u);
    ASSERT_TRUE(CeStoreEndBatch(&volume_));
    records = Records(db);
    EXPECT_EQ(ValuesOf(records), (std::vector<long long>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(IdsDistinct(records));
    EXPECT_EQ(RunPeer(L"count"), 6);
    CloseHandle(db);
}

}  // namespace
}  // namespace storetest
