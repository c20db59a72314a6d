// Several device processes on one volume: counts, notifications and a
// writer that dies inside a transaction.
#include "tests/objectstore/store_fixture.h"

#include <fstream>
#include <sstream>

namespace storetest {
namespace {

constexpr DWORD kPeerLimitMs = 30000;
constexpr ULONGLONG kLagLimitMs = 1000;

class CrossProcessTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        database_ = CreateDatabase(L"Tasks Database", {{{{Id(1, CEVT_I4), 0}}}});
    }
    std::wstring Peer(const std::wstring& arguments) const
    {
        return L"\"" + ProgramDir() + L"store_peer.exe\" " + arguments;
    }
    std::wstring VolumeAndDatabase() const { return volumePath_ + L" \"Tasks Database\""; }
    int RunPeer(const std::wstring& arguments) const
    {
        return testkit::RunProcess(Peer(arguments), kPeerLimitMs);
    }

    CEOID database_ = 0;
};

TEST_F(CrossProcessTest, CountsAreCurrentRightAfterAWrite)
{
    HANDLE db = Open(L"Tasks Database");
    for (long i = 0; i < 3; ++i) {
        CEPROPVAL v = I4(1, i);
        CeWriteRecordProps(db, 0, 1, &v);
    }
    EXPECT_EQ(RunPeer(L"count " + VolumeAndDatabase()), 3);
    EXPECT_EQ(RunPeer(L"write " + VolumeAndDatabase() + L" 4"), 0);
    EXPECT_EQ(RecordCount(database_), 7u);
    // The other process's records are there to read, in order.
    std::vector<long long> seen;
    for (CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
         oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
        seen.push_back(ReadRecord(db).Find(Id(1, CEVT_I4))->number);
    EXPECT_EQ(seen, (std::vector<long long>{0, 1, 2, 0, 1, 2, 3}));
    CloseHandle(db);
}

TEST_F(CrossProcessTest, ChangesOfAnotherProcessAreNotified)
{
    HWND window = CreateNoticeWindow();
    CENOTIFYREQUEST request = {sizeof(request), window, CEDB_EXNOTIFICATION, nullptr, 13};
    HANDLE watched = OpenWith(L"Tasks Database", nullptr, 0, &request);
    ASSERT_EQ(RunPeer(L"write " + VolumeAndDatabase() + L" 3"), 0);
    ULONGLONG written = GetTickCount64();
    ASSERT_TRUE(testkit::PumpUntil([] { return NoticesSeen().size() >= 3; }, 3000));
    EXPECT_LT(GetTickCount64() - written, kLagLimitMs);
    for (const CENOTIFICATION& n : NoticesSeen()) {
        EXPECT_EQ(n.uType, static_cast<UINT>(DB_CEOID_CREATED));
        EXPECT_EQ(n.dwParam, 13u);
        EXPECT_EQ(n.oidParent, database_);
    }
    CloseHandle(watched);
    DestroyWindow(window);
}

struct PeerNotice {
    UINT kind;
    CEOID oid;
    DWORD param;
    ULONGLONG tick;
};

std::vector<PeerNotice> ReadNotices(const std::wstring& path)
{
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(path);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::vector<PeerNotice> notices;
    PeerNotice n;
    while (in >> n.kind >> n.oid >> n.param >> n.tick)
        notices.push_back(n);
    return notices;
}

TEST_F(CrossProcessTest, AnotherProcessIsNotifiedOfOurChanges)
{
    const std::wstring kOut = DevicePath(L"peer_notices.txt");
    DeleteFileW(kOut.c_str());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"QuillonStorePeerReady");
    std::wstring line = Peer(L"watch " + VolumeAndDatabase() + L" 3 " + kOut);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &si, &pi));
    ASSERT_EQ(WaitForSingleObject(ready, kPeerLimitMs), WAIT_OBJECT_0);

    HANDLE db = Open(L"Tasks Database");
    CEPROPVAL v = I4(1, 1);
    ULONGLONG ticks[3];
    ticks[0] = GetTickCount64();
    CEOID record = CeWriteRecordProps(db, 0, 1, &v);
    ticks[1] = GetTickCount64();
    CeWriteRecordProps(db, record, 1, &v);
    ticks[2] = GetTickCount64();
    CeDeleteRecord(db, record);
    CloseHandle(db);

    ASSERT_EQ(WaitForSingleObject(pi.hProcess, kPeerLimitMs), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(ready);
    EXPECT_EQ(code, 0u);

    std::vector<PeerNotice> notices = ReadNotices(kOut);
    ASSERT_EQ(notices.size(), 3u);
    const UINT kKinds[] = {DB_CEOID_CREATED, DB_CEOID_CHANGED, DB_CEOID_RECORD_DELETED};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(notices[i].kind, kKinds[i]);
        EXPECT_EQ(notices[i].oid, record);
        EXPECT_EQ(notices[i].param, 12u);
        EXPECT_LT(notices[i].tick - ticks[i], kLagLimitMs);
    }
}

TEST_F(CrossProcessTest, AWriterKilledInsideATransactionLosesNothingCommitted)
{
    HANDLE db = Open(L"Tasks Database");
    CEPROPVAL v = I4(1, 100);
    CEOID before = CeWriteRecordProps(db, 0, 1, &v);
    CloseHandle(db);
    for (bool stayMounted : {true, false}) {
        SCOPED_TRACE(stayMounted ? "volume mounted here meanwhile" : "volume not mounted here");
        if (!stayMounted) {
            ASSERT_TRUE(CeUnmountDBVol(&volume_));
        }

        EXPECT_EQ(RunPeer(L"crash " + VolumeAndDatabase()), 77);
        if (stayMounted) {
            // The dead transaction had spilled its pages into the log.
            WIN32_FILE_ATTRIBUTE_DATA log = {};
            ASSERT_TRUE(GetFileAttributesExW((volumePath_ + L"-wal").c_str(),
                                             GetFileExInfoStandard, &log));
            EXPECT_GT(log.nFileSizeLow, 1u << 20);
        }

        if (!stayMounted) {
            ASSERT_TRUE(CeMountDBVol(&volume_, volumePath_.data(), kMountOpenAlways));
        }
        CloseHandle(session_);
        session_ = CeCreateSession(&volume_);
        db = Open(L"Tasks Database");
        std::vector<CEOID> ids;
        std::vector<long long> values;
        for (CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
             oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr)) {
            ids.push_back(oid);
            values.push_back(ReadRecord(db).Find(Id(1, CEVT_I4))->number);
        }
        // Ours, then the peer's five; the sixth, large one is not there.
        EXPECT_EQ(values, (std::vector<long long>{100, 0, 1, 2, 3, 4}));
        EXPECT_EQ(ids.front(), before);
        EXPECT_EQ(RecordCount(database_), 6u);
        // The volume takes writes again; the new id is none of the old ones.
        CEOID after = CeWriteRecordProps(db, 0, 1, &v);
        ASSERT_NE(after, 0u);
        for (CEOID id : ids)
            EXPECT_NE(after, id);
        EXPECT_EQ(RecordCount(database_), 7u);
        // Back to the one record of ours for the next round.
        for (size_t i = 1; i < ids.size(); ++i)
            CeDeleteRecord(db, ids[i]);
        CeDeleteRecord(db, after);
        CloseHandle(db);
    }
}

}  // namespace
}  // namespace storetest
