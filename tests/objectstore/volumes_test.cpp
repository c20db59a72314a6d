// Volumes and handles: mount dispositions, mount counts, flush and unmount
// with handles still open, ids across remounts, handles closed by
// CloseHandle.
#include "tests/objectstore/store_fixture.h"

namespace storetest {
namespace {

using VolumesTest = StoreTest;

TEST_F(VolumesTest, MountDispositions)
{
    const std::wstring kMissing = DevicePath(L"missing.vol");
    const std::wstring kOther = DevicePath(L"other.vol");
    DeleteVolumeFiles(kMissing);
    DeleteVolumeFiles(kOther);
    ASSERT_TRUE(testkit::WriteFileBytes(DevicePath(L"notavolume.vol"),
                                        {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}));
    struct Case {
        const char* what;
        std::wstring path;
        DWORD flags;
        DWORD error;  // 0: mounts
    };
    const Case kCases[] = {
        {"open existing, missing", kMissing, OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
        {"truncate, missing", kMissing, TRUNCATE_EXISTING, ERROR_FILE_NOT_FOUND},
        {"create new", kOther, CREATE_NEW, 0},
        {"create new, existing", kOther, CREATE_NEW, ERROR_FILE_EXISTS},
        {"open always with the high bit", kOther, kMountOpenAlways, 0},
        {"not a volume file", DevicePath(L"notavolume.vol"), OPEN_EXISTING, ERROR_BAD_FORMAT},
        {"bad disposition", kOther, 9, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CEGUID guid = {};
        std::wstring path = c.path;
        SetLastError(0);
        BOOL mounted = CeMountDBVol(&guid, path.data(), c.flags);
        EXPECT_EQ(mounted, c.error == 0);
        if (mounted) {
            EXPECT_TRUE(CeUnmountDBVol(&guid));
        } else {
            EXPECT_EQ(GetLastError(), c.error);
        }
    }
}

TEST_F(VolumesTest, CreateAlwaysEmptiesAnExistingVolume)
{
    CreateDatabase(L"Gone", {});
    CEGUID again = {};
    ASSERT_TRUE(CeMountDBVol(&again, volumePath_.data(), CREATE_ALWAYS));  // same path: counted
    EXPECT_EQ(memcmp(&again, &volume_, sizeof(CEGUID)), 0);
    EXPECT_TRUE(CeUnmountDBVol(&again));

    CEGUID other = {};
    std::wstring path = DevicePath(L"emptied.vol");
    DeleteVolumeFiles(path);
    ASSERT_TRUE(CeMountDBVol(&other, path.data(), OPEN_ALWAYS));
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME;
    wcscpy(info.szDbaseName, L"Gone");
    ASSERT_NE(CeCreateDatabaseEx2(&other, &info), 0u);
    ASSERT_TRUE(CeUnmountDBVol(&other));
    ASSERT_TRUE(CeMountDBVol(&other, path.data(), CREATE_ALWAYS));
    CEOID oid = 0;
    EXPECT_EQ(CeOpenDatabaseEx2(&other, &oid, const_cast<wchar_t*>(L"Gone"), nullptr, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CeUnmountDBVol(&other));
}

TEST_F(VolumesTest, EachMountNeedsItsUnmount)
{
    CEGUID second = {};
    ASSERT_TRUE(CeMountDBVol(&second, volumePath_.data(), kMountOpenAlways));
    EXPECT_EQ(memcmp(&second, &volume_, sizeof(CEGUID)), 0);
    EXPECT_TRUE(CeUnmountDBVol(&second));
    EXPECT_NE(CreateDatabase(L"StillMounted", {}), 0u);
    EXPECT_TRUE(CeUnmountDBVol(&volume_));
    SetLastError(0);
    EXPECT_FALSE(CeUnmountDBVol(&volume_));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CEGUID system = {};
    EXPECT_FALSE(CeUnmountDBVol(&system));  // the object store is never unmounted
    ASSERT_TRUE(CeMountDBVol(&volume_, volumePath_.data(), kMountOpenAlways));
}

TEST_F(VolumesTest, FlushAndUnmountWithHandlesOpen)
{
    CreateDatabase(L"Open", {{{{Id(1, CEVT_I4), 0}}}});
    HWND window = testkit::CreateTestWindow(false);
    CENOTIFYREQUEST request = {sizeof(request), window, CEDB_EXNOTIFICATION, nullptr, 11};
    HANDLE plain = Open(L"Open");
    HANDLE watched = OpenSorted(L"Open", Id(1, CEVT_I4), 0, &request);
    ASSERT_NE(watched, INVALID_HANDLE_VALUE);
    CEPROPVAL v = I4(1, 5);
    CEOID record = CeWriteRecordProps(plain, 0, 1, &v);
    ASSERT_NE(record, 0u);

    EXPECT_TRUE(CeFlushDBVol(&volume_));
    EXPECT_TRUE(CeUnmountDBVol(&volume_));
    for (HANDLE h : {plain, watched}) {
        SetLastError(0);
        EXPECT_EQ(CeSeekDatabaseEx(h, CEDB_SEEK_BEGINNING, 0, 0, nullptr), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(CeWriteRecordProps(h, 0, 1, &v), 0u);
        EXPECT_EQ(ReadRecord(h).error, static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_FALSE(CeDeleteRecord(h, record));
        EXPECT_TRUE(CloseHandle(h));
    }
    EXPECT_FALSE(CeFlushDBVol(&volume_));
    testkit::PumpFor(300);  // the pump finds nothing to do for the gone volume

    // The data is in the file for the next mount; the old session is closed late.
    ASSERT_TRUE(CeMountDBVol(&volume_, volumePath_.data(), kMountOpenAlways));
    EXPECT_TRUE(CloseHandle(session_));
    session_ = CeCreateSession(&volume_);
    HANDLE reopened = Open(L"Open");
    EXPECT_EQ(ReadRecord(reopened).oid, record);
    CloseHandle(reopened);
    DestroyWindow(window);
}

TEST_F(VolumesTest, CloseHandleEndsTheOpen)
{
    CreateDatabase(L"Closed", {});
    HANDLE db = Open(L"Closed");
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(db));
    SetLastError(0);
    EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    CEPROPVAL v = I4(1, 1);
    EXPECT_EQ(CeWriteRecordProps(db, 0, 1, &v), 0u);
    // The value is a kernel handle: closing it twice fails like any other.
    EXPECT_FALSE(CloseHandle(db));
    // Other kernel handles still close through the same call.
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    EXPECT_TRUE(CloseHandle(event));
}

TEST_F(VolumesTest, IdsAreNeverReusedAcrossRemounts)
{
    CEOID db = CreateDatabase(L"Ids", {});
    HANDLE h = Open(L"Ids");
    std::vector<CEOID> ids;
    for (long i = 0; i < 3; ++i) {
        CEPROPVAL v = I4(1, i);
        ids.push_back(CeWriteRecordProps(h, 0, 1, &v));
    }
    EXPECT_TRUE(CeDeleteRecord(h, ids.back()));
    CloseHandle(h);
    Remount();
    h = Open(L"Ids");
    CEPROPVAL v = I4(1, 9);
    CEOID fresh = CeWriteRecordProps(h, 0, 1, &v);
    CloseHandle(h);
    for (CEOID old : ids)
        EXPECT_GT(fresh, old);
    EXPECT_NE(fresh, db);
    EXPECT_LT(fresh, 0x80000000u);  // positive as a signed number
    CEOID secondDb = CreateDatabase(L"Ids2", {});
    EXPECT_GT(secondDb, fresh);
}

TEST_F(VolumesTest, SessionsBelongToTheirVolume)
{
    CreateDatabase(L"Here", {});
    CEGUID other = {};
    std::wstring path = DevicePath(L"elsewhere.vol");
    DeleteVolumeFiles(path);
    ASSERT_TRUE(CeMountDBVol(&other, path.data(), kMountOpenAlways));
    CEOID oid = 0;
    SetLastError(0);
    EXPECT_EQ(CeOpenDatabaseInSession(session_, &other, &oid, const_cast<wchar_t*>(L"Here"),
                                      nullptr, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    // The session's own volume when none is named.
    HANDLE viaSession = CeOpenDatabaseInSession(session_, nullptr, &oid,
                                                const_cast<wchar_t*>(L"Here"), nullptr, 0, nullptr);
    EXPECT_NE(viaSession, INVALID_HANDLE_VALUE);
    CloseHandle(viaSession);
    // Without a session, and searching every volume by name.
    CEGUID any;
    CREATE_INVALIDGUID(&any);
    HANDLE found = CeOpenDatabaseInSession(nullptr, &any, &oid, const_cast<wchar_t*>(L"Here"),
                                           nullptr, 0, nullptr);
    EXPECT_NE(found, INVALID_HANDLE_VALUE);
    CloseHandle(found);
    SetLastError(0);
    EXPECT_EQ(CeOpenDatabaseInSession(reinterpret_cast<HANDLE>(0x1234), &volume_, &oid,
                                      const_cast<wchar_t*>(L"Here"), nullptr, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    CeUnmountDBVol(&other);
}

}  // namespace
}  // namespace storetest
