// Databases: creation with sort orders, opening by name with or without a
// sort order, object information, replacement of the sort orders, drops.
#include "tests/objectstore/store_fixture.h"

namespace storetest {
namespace {

using DatabasesTest = StoreTest;

const Sort kByTitle = {{{Id(2, CEVT_LPWSTR), CEDB_SORT_CASEINSENSITIVE}}};
const Sort kById = {{{Id(0, CEVT_I4), CEDB_SORT_CASEINSENSITIVE}}};
const Sort kByPair = {{{Id(1, CEVT_UI4), 0}, {Id(2, CEVT_I4), 0}}, CEDB_SORT_UNIQUE};

TEST_F(DatabasesTest, CreateKeepsSortOrdersInCreationOrder)
{
    CEOID db = CreateDatabase(L"QuillonNote", {kByTitle, kById, kByPair});
    ASSERT_NE(db, 0u);
    EXPECT_LT(db, 0x80000000u);

    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    ASSERT_TRUE(CeOidGetInfoEx2(&volume_, db, &info)) << GetLastError();
    EXPECT_EQ(info.wObjType, OBJTYPE_DATABASE);
    const CEDBASEINFOEX& d = info.infDatabase;
    EXPECT_STREQ(d.szDbaseName, L"QuillonNote");
    EXPECT_EQ(d.dwNumRecords, 0u);
    ASSERT_EQ(d.wNumSortOrder, 3);
    EXPECT_EQ(d.rgSortSpecs[0].rgPropID[0], Id(2, CEVT_LPWSTR));
    EXPECT_EQ(d.rgSortSpecs[0].rgdwFlags[0], static_cast<DWORD>(CEDB_SORT_CASEINSENSITIVE));
    EXPECT_EQ(d.rgSortSpecs[1].rgPropID[0], Id(0, CEVT_I4));
    ASSERT_EQ(d.rgSortSpecs[2].wNumProps, 2);
    EXPECT_EQ(d.rgSortSpecs[2].wKeyFlags, CEDB_SORT_UNIQUE);
    EXPECT_EQ(d.rgSortSpecs[2].rgPropID[1], Id(2, CEVT_I4));
}

TEST_F(DatabasesTest, CreateFailsWhenTheNameExists)
{
    ASSERT_NE(CreateDatabase(L"QuillonEnv", {}), 0u);
    SetLastError(0);
    EXPECT_EQ(CreateDatabase(L"QuillonEnv", {kById}), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DUP_NAME));
    EXPECT_EQ(CreateDatabase(L"quillonenv", {}), 0u);  // names ignore letter case
}

TEST_F(DatabasesTest, CreateRejectsBadInformation)
{
    struct Case {
        const char* what;
        WORD version;
        const wchar_t* name;
        WORD sortOrders;
        WORD propsInFirst;
        CEPROPID firstProp;
    };
    const Case kCases[] = {
        {"version 1", 1, L"A", 0, 0, 0},
        {"empty name", 2, L"", 0, 0, 0},
        {"five sort orders", 2, L"B", 5, 1, Id(1, CEVT_I4)},
        {"sort order without property", 2, L"C", 1, 0, 0},
        {"seventeen properties", 2, L"D", 1, 17, Id(1, CEVT_I4)},
        {"blob sort property", 2, L"E", 1, 1, Id(1, CEVT_BLOB)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CEDBASEINFOEX info = {};
        info.wVersion = c.version;
        info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
        wcsncpy(info.szDbaseName, c.name, CEDB_MAXDBASENAMELEN - 1);
        info.wNumSortOrder = c.sortOrders;
        for (auto& descriptor : info.rgSortSpecs) {
            descriptor.wVersion = SORTORDERSPECEX_VERSION;
            descriptor.wNumProps = c.propsInFirst;
            for (auto& prop : descriptor.rgPropID)
                prop = c.firstProp;
        }
        SetLastError(0);
        EXPECT_EQ(CeCreateDatabaseEx2(&volume_, &info), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST_F(DatabasesTest, OpenByNameGivesTheDatabaseId)
{
    CEOID created = CreateDatabase(L"QuillonMemo", {kById});
    CEOID opened = 0;
    HANDLE db = Open(L"QuillonMemo", &opened);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    EXPECT_EQ(opened, created);
    CloseHandle(db);

    // One declared property, or the full descriptor read back from the database.
    db = OpenSorted(L"QuillonMemo", Id(0, CEVT_I4));
    EXPECT_NE(db, INVALID_HANDLE_VALUE);
    CloseHandle(db);
}

TEST_F(DatabasesTest, OpenErrors)
{
    CreateDatabase(L"QuillonPlan", {{{{Id(1, CEVT_I4), CEDB_SORT_CASEINSENSITIVE}}}});
    struct Case {
        const char* what;
        const wchar_t* name;
        CEPROPID sortProp;
        DWORD error;
    };
    const Case kCases[] = {
        {"missing database", L"QuillonNothing", 0, ERROR_FILE_NOT_FOUND},
        {"undeclared sort property", L"QuillonPlan", Id(2, CEVT_I4), ERROR_INVALID_PARAMETER},
        {"sort property of another type", L"QuillonPlan", Id(1, CEVT_UI4),
         ERROR_INVALID_PARAMETER},
        {"empty name", L"", 0, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        HANDLE db = c.sortProp ? OpenSorted(c.name, c.sortProp) : Open(c.name);
        EXPECT_EQ(db, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(DatabasesTest, OpenWithACopiedDescriptorOfManyProperties)
{
    Sort name = {{{Id(0x80, CEVT_LPWSTR), CEDB_SORT_CASEINSENSITIVE},
                  {Id(0x81, CEVT_LPWSTR), CEDB_SORT_CASEINSENSITIVE},
                  {Id(0x82, CEVT_LPWSTR), 0}},
                 CEDB_SORT_UNIQUE};
    CEOID db = CreateDatabase(L"Contacts Database", {kById, name});
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    ASSERT_TRUE(CeOidGetInfoEx2(&volume_, db, &info));
    SORTORDERSPECEX copied = info.infDatabase.rgSortSpecs[1];
    HANDLE h = OpenWith(L"Contacts Database", &copied);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
}

TEST_F(DatabasesTest, DropByIdAndMissingDrop)
{
    CEOID db = CreateDatabase(L"QuillonRest", {kById});
    HANDLE h = Open(L"QuillonRest");
    CEPROPVAL v = I4(0, 1);
    ASSERT_NE(CeWriteRecordProps(h, 0, 1, &v), 0u);
    CloseHandle(h);

    EXPECT_TRUE(CeDeleteDatabaseEx(&volume_, db));
    EXPECT_EQ(Open(L"QuillonRest"), INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_FALSE(CeDeleteDatabaseEx(&volume_, db));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

    // A database of the same name starts empty again.
    CEOID again = CreateDatabase(L"QuillonRest", {kById});
    EXPECT_NE(again, db);
    EXPECT_EQ(RecordCount(again), 0u);
}

TEST_F(DatabasesTest, RecordCountFollowsWritesAndDeletes)
{
    CEOID db = CreateDatabase(L"QuillonTask", {kById});
    HANDLE h = Open(L"QuillonTask");
    CEOID ids[3];
    for (long i = 0; i < 3; ++i) {
        CEPROPVAL v = I4(0, i);
        ids[i] = CeWriteRecordProps(h, 0, 1, &v);
    }
    EXPECT_EQ(RecordCount(db), 3u);
    CEPROPVAL changed = I4(0, 7);
    CeWriteRecordProps(h, ids[1], 1, &changed);
    EXPECT_EQ(RecordCount(db), 3u);
    EXPECT_TRUE(CeDeleteRecord(h, ids[0]));
    EXPECT_EQ(RecordCount(db), 2u);
    SetLastError(0);
    EXPECT_FALSE(CeDeleteRecord(h, ids[0]));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_FOUND));
    CloseHandle(h);

    CEOIDINFOEX info = {};
    ASSERT_TRUE(CeOidGetInfoEx2(&volume_, ids[1], &info));
    EXPECT_EQ(info.wObjType, OBJTYPE_RECORD);
    EXPECT_EQ(info.infRecord.oidParent, db);
    SetLastError(0);
    EXPECT_FALSE(CeOidGetInfoEx2(&volume_, 0x7654321, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(DatabasesTest, SetDatabaseInfoReplacesTheSortOrders)
{
    // The phone application's database: created without sort order, given a
    // descending case-insensitive one when an open with it fails.
    CEOID db = CreateDatabase(L"SMS_RECEIVE", {});
    HANDLE h = Open(L"SMS_RECEIVE");
    for (const wchar_t* when : {L"20070101", L"20070301", L"20070201"}) {
        CEPROPVAL v = Text(21030, when);
        CeWriteRecordProps(h, 0, 1, &v);
    }
    CloseHandle(h);
    EXPECT_EQ(OpenSorted(L"SMS_RECEIVE", Id(21030, CEVT_LPWSTR)), INVALID_HANDLE_VALUE);

    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDSORTSPEC;
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] =
        SpecOf({{{Id(21030, CEVT_LPWSTR), CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE}}});
    ASSERT_TRUE(CeSetDatabaseInfoEx2(&volume_, db, &info));

    h = OpenSorted(L"SMS_RECEIVE", Id(21030, CEVT_LPWSTR));
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::vector<std::wstring> order;
    for (Record r = ReadRecord(h); r.oid; r = ReadRecord(h)) {
        order.push_back(r.Find(Id(21030, CEVT_LPWSTR))->text);
        if (!CeSeekDatabaseEx(h, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            break;
    }
    EXPECT_EQ(order, (std::vector<std::wstring>{L"20070301", L"20070201", L"20070101"}));
    CloseHandle(h);

    CEOIDINFOEX read = {};
    ASSERT_TRUE(CeOidGetInfoEx2(&volume_, db, &read));
    EXPECT_STREQ(read.infDatabase.szDbaseName, L"SMS_RECEIVE");  // name untouched
    EXPECT_EQ(read.infDatabase.dwNumRecords, 3u);
}

TEST_F(DatabasesTest, ObjectStoreWithoutVolume)
{
    SORTORDERSPEC byNumber = {0x40020002, 0};
    CEOID db = CeCreateDatabase(const_cast<wchar_t*>(L"\\Categories Database"), 0, 1, &byNumber);
    ASSERT_NE(db, 0u);
    CEOID opened = 0;
    HANDLE h = CeOpenDatabase(&opened, const_cast<wchar_t*>(L"\\Categories Database"),
                              0x40020002, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(opened, db);
    CEPROPVAL props[2] = {I2(0x4002, 3), Text(0x4001, L"업무")};
    EXPECT_NE(CeWriteRecordProps(h, 0, 2, props), 0u);
    CloseHandle(h);

    CEOIDINFO info = {};
    ASSERT_TRUE(CeOidGetInfo(db, &info));
    EXPECT_EQ(info.infDatabase.wNumRecords, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].propid, 0x40020002u);
    // The object store lives in its own hidden file in the device folder.
    DWORD attributes = GetFileAttributesW(L"\\objstore.vol");
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    // Not in the mounted volume.
    EXPECT_EQ(OpenSorted(L"\\Categories Database", 0x40020002), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CeDeleteDatabase(db));
}

}  // namespace
}  // namespace storetest
