// The older calls (sort order by one property id, the short information
// structures) as the phone library and the older build use them.
#include "tests/objectstore/store_fixture.h"

namespace storetest {
namespace {

const CEPROPID kSmsKeyAsNumber = MAKEPROPID(21030, CEVT_R8);

class OlderCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CREATE_SYSTEMGUID(&objectStore_);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = (std::string("SMS_") + info->name()).substr(0, CEDB_MAXDBASENAMELEN - 1);
        name_.assign(name.begin(), name.end());
        SORTORDERSPEC none = {};
        database_ = CeCreateDatabase(name_.data(), 0, 0, &none);
        ASSERT_NE(database_, 0u);
    }
    void TearDown() override { CeDeleteDatabase(database_); }

    HANDLE OpenBy(CEPROPID propid)
    {
        CEOID oid = 0;
        return CeOpenDatabaseEx(&objectStore_, &oid, name_.data(), propid, 0, nullptr);
    }
    void Write(std::initializer_list<CEPROPVAL> values)
    {
        HANDLE db = OpenBy(0);
        std::vector<CEPROPVAL> v(values);
        ASSERT_NE(CeWriteRecordProps(db, 0, static_cast<WORD>(v.size()), v.data()), 0u);
        CloseHandle(db);
    }
    bool SetSortOrder(CEPROPID propid, DWORD flags)
    {
        CEDBASEINFO info = {};
        info.dwFlags = CEDB_VALIDSORTSPEC;
        info.wNumSortOrder = 1;
        info.rgSortSpecs[0] = {propid, flags};
        return CeSetDatabaseInfoEx(&objectStore_, database_, &info);
    }
    // Reads index 0 .. n-1 with the older seek and read.
    std::vector<Record> ReadByIndex(HANDLE db)
    {
        std::vector<Record> records;
        for (DWORD i = 0;; ++i) {
            DWORD index = 0xDEAD;
            if (!CeSeekDatabase(db, CEDB_SEEK_BEGINNING, i, &index))
                break;
            EXPECT_EQ(index, i);
            WORD count = 0;
            LPBYTE buffer = nullptr;
            DWORD size = 0;
            Record r;
            r.oid = CeReadRecordProps(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size);
            auto* p = reinterpret_cast<CEPROPVAL*>(buffer);
            for (WORD j = 0; j < count; ++j) {
                Value v;
                v.id = p[j].propid;
                if (TypeFromPropID(p[j].propid) == CEVT_LPWSTR)
                    v.text = p[j].val.lpwstr;
                if (TypeFromPropID(p[j].propid) == CEVT_R8)
                    v.number = static_cast<long long>(p[j].val.dblVal * 10);
                r.values.push_back(v);
            }
            LocalFree(buffer);
            records.push_back(r);
        }
        return records;
    }

    CEGUID objectStore_ = {};
    std::wstring name_;
    CEOID database_ = 0;
};

CEPROPVAL Number(WORD id, double v)
{
    CEPROPVAL p = {};
    p.propid = MAKEPROPID(id, CEVT_R8);
    p.val.dblVal = v;
    return p;
}

TEST_F(OlderCallsTest, SortOrderSetAfterAFailedOpen)
{
    Write({Text(21030, L"20070102"), Text(21080, L"첫째")});
    Write({Text(21030, L"20070105"), Text(21080, L"둘째")});
    SetLastError(0);
    EXPECT_EQ(OpenBy(kSmsKeyAsNumber), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    ASSERT_TRUE(SetSortOrder(kSmsKeyAsNumber, CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE));
    HANDLE db = OpenBy(kSmsKeyAsNumber);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    // The records keep the key as text: they lack a number-typed sort
    // property and stay in insertion order.
    std::vector<Record> records = ReadByIndex(db);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Find(Id(21080, CEVT_LPWSTR))->text, L"첫째");
    CloseHandle(db);

    CEOIDINFO info = {};
    ASSERT_TRUE(CeOidGetInfoEx(&objectStore_, database_, &info));
    EXPECT_EQ(info.wObjType, OBJTYPE_DATABASE);
    EXPECT_EQ(info.infDatabase.wNumRecords, 2);
    EXPECT_EQ(info.infDatabase.wNumSortOrder, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].propid, kSmsKeyAsNumber);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].dwFlags,
              static_cast<DWORD>(CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE));
}

TEST_F(OlderCallsTest, NumbersSortByValue)
{
    for (double v : {3.5, -1.0, 10.0, 0.0, -2.5})
        Write({Number(21030, v)});
    ASSERT_TRUE(SetSortOrder(kSmsKeyAsNumber, CEDB_SORT_DESCENDING));
    HANDLE db = OpenBy(kSmsKeyAsNumber);
    std::vector<long long> order;
    for (const Record& r : ReadByIndex(db))
        order.push_back(r.values[0].number);
    EXPECT_EQ(order, (std::vector<long long>{100, 35, 0, -10, -25}));
    CloseHandle(db);
}

TEST_F(OlderCallsTest, OneLeadingPropertyOpensATwoPropertyOrder)
{
    SORTORDERSPECEX pair = SpecOf({{{Id(1, CEVT_UI4), 0}, {Id(2, CEVT_I4), 0}}, CEDB_SORT_UNIQUE});
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDSORTSPEC;
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] = pair;
    ASSERT_TRUE(CeSetDatabaseInfoEx2(&objectStore_, database_, &info));
    Write({UI4(1, 0x80000002u), I4(2, 7)});
    Write({UI4(1, 0x80000002u), I4(2, 3)});
    Write({UI4(1, 0x80000001u), I4(2, 9)});
    HANDLE db = OpenBy(Id(1, CEVT_UI4));
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    CEPROPVAL item = UI4(1, 0x80000002u);
    DWORD index = 0;
    ASSERT_NE(CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&item),
                             &index), 0u);
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(ReadRecord(db).Find(Id(2, CEVT_I4))->number, 3);  // (item, category) order
    CloseHandle(db);
    EXPECT_EQ(OpenBy(Id(2, CEVT_I4)), INVALID_HANDLE_VALUE);  // not a leading property
}

}  // namespace
}  // namespace storetest
