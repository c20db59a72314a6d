// Sort orders and seeks over one table of records: mixed case, equal keys,
// missing keys, a descending key, a two-property key sought on its leading
// property, unsigned values with the high bit set.
#include "tests/objectstore/store_fixture.h"

#include <algorithm>

namespace storetest {
namespace {

const CEPROPID kName = Id(1, CEVT_LPWSTR);
const CEPROPID kScore = Id(2, CEVT_I4);
const CEPROPID kOwner = Id(3, CEVT_UI4);
const CEPROPID kRank = Id(4, CEVT_I4);

const Sort kSorts[] = {
    {{{kName, CEDB_SORT_CASEINSENSITIVE}}},  // 0
    {{{kScore, CEDB_SORT_DESCENDING}}},      // 1
    {{{kOwner, 0}, {kRank, 0}}, CEDB_SORT_UNIQUE},  // 2
    {{{kName, 0}}},                          // 3: case-sensitive
};

struct Row {
    const wchar_t* name;  // nullptr: property missing
    bool hasScore;
    long score;
    ULONG owner;
    long rank;
};

// Insertion order r0..r6.
const Row kRows[] = {
    {L"banana", true, 5, 0x80000001u, 2},
    {L"Apple", true, -3, 5, 1},
    {L"apple", true, 7, 5, 0},
    {L"Cherry", true, 5, 0xFFFFFFFFu, 9},
    {nullptr, false, 0, 5, 3},
    {L"가나다", true, 0, 1, 1},
    {L"", true, 100, 5, 1},
};
constexpr int kRowCount = 7;

class SeekTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        CreateDatabase(L"Seek", {kSorts[0], kSorts[1], kSorts[2], kSorts[3]});
        HANDLE db = Open(L"Seek");
        for (const Row& r : kRows) {
            std::vector<CEPROPVAL> props = {UI4(3, r.owner), I4(4, r.rank)};
            if (r.name)
                props.push_back(Text(1, r.name));
            if (r.hasScore)
                props.push_back(I4(2, r.score));
            auto count = static_cast<WORD>(props.size());
            ids_.push_back(CeWriteRecordProps(db, 0, count, props.data()));
        }
        CloseHandle(db);
    }

    HANDLE OpenSort(int sort)
    {
        if (sort < 0)
            return Open(L"Seek");
        SORTORDERSPECEX descriptor = SpecOf(kSorts[sort]);
        return OpenWith(L"Seek", &descriptor);
    }

    int RowOf(CEOID oid) const
    {
        for (size_t i = 0; i < ids_.size(); ++i) {
            if (ids_[i] == oid)
                return static_cast<int>(i);
        }
        return -1;
    }

    std::vector<int> Order(int sort)
    {
        HANDLE db = OpenSort(sort);
        std::vector<int> rows;
        for (CEOID oid = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
             oid = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            rows.push_back(RowOf(oid));
        CloseHandle(db);
        return rows;
    }

    std::vector<CEOID> ids_;
};

TEST_F(SeekTest, EachSortOrder)
{
    struct Case {
        int sort;
        std::vector<int> rows;
    };
    const Case kCases[] = {
        {-1, {0, 1, 2, 3, 4, 5, 6}},  // no sort order: insertion order
        {0, {6, 1, 2, 0, 3, 5, 4}},   // folded case; equal keys keep insertion order; missing last
        {1, {6, 2, 0, 3, 5, 1, 4}},   // descending signed; missing still last
        {2, {5, 2, 1, 6, 4, 0, 3}},   // unsigned: the high bit sorts high
        {3, {6, 1, 3, 2, 0, 5, 4}},   // by code unit
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.sort);
        EXPECT_EQ(Order(c.sort), c.rows);
    }
}

TEST_F(SeekTest, ValueSeeks)
{
    struct Case {
        const char* what;
        int sort;
        DWORD kind;
        std::vector<CEPROPVAL> values;
        int row;  // -1: none
        DWORD index;
    };
    const Case kCases[] = {
        {"equal ignores case", 0, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"APPLE")}, 1, 1},
        {"equal, first of two", 0, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"apple")}, 1, 1},
        {"a prefix is not equal", 0, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"appl")}, -1, 0},
        {"missing value", 0, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"zzz")}, -1, 0},
        {"greater than empty", 0, CEDB_SEEK_VALUEGREATER, {Text(1, L"")}, 1, 1},
        {"greater skips equal keys", 0, CEDB_SEEK_VALUEGREATER, {Text(1, L"aPPle")}, 0, 3},
        {"greater or equal between keys", 0, CEDB_SEEK_VALUEGREATEROREQUAL, {Text(1, L"b")}, 0, 3},
        {"Hangul after Latin", 0, CEDB_SEEK_VALUEGREATER, {Text(1, L"cherry")}, 5, 5},
        {"records without the key come last", 0, CEDB_SEEK_VALUEGREATER, {Text(1, L"힣")}, 4, 6},
        {"descending equal", 1, CEDB_SEEK_VALUEFIRSTEQUAL, {I4(2, 5)}, 0, 2},
        {"descending greater is smaller", 1, CEDB_SEEK_VALUEGREATER, {I4(2, 5)}, 5, 4},
        {"descending at or after", 1, CEDB_SEEK_VALUEGREATEROREQUAL, {I4(2, 6)}, 0, 2},
        {"descending missing", 1, CEDB_SEEK_VALUEFIRSTEQUAL, {I4(2, 6)}, -1, 0},
        {"leading key", 2, CEDB_SEEK_VALUEFIRSTEQUAL, {UI4(3, 5)}, 2, 1},
        {"leading key, high bit", 2, CEDB_SEEK_VALUEFIRSTEQUAL, {UI4(3, 0x80000001u)}, 0, 5},
        {"leading key greater", 2, CEDB_SEEK_VALUEGREATER, {UI4(3, 5)}, 0, 5},
        {"both keys", 2, CEDB_SEEK_VALUEFIRSTEQUAL, {UI4(3, 5), I4(4, 1)}, 1, 2},
        {"leading key at or after", 2, CEDB_SEEK_VALUEGREATEROREQUAL, {UI4(3, 2)}, 2, 1},
        {"leading key missing", 2, CEDB_SEEK_VALUEFIRSTEQUAL, {UI4(3, 7)}, -1, 0},
        {"case-sensitive equal", 3, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"apple")}, 2, 3},
        {"case-sensitive other case", 3, CEDB_SEEK_VALUEFIRSTEQUAL, {Text(1, L"APPLE")}, -1, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        HANDLE db = OpenSort(c.sort);
        std::vector<CEPROPVAL> values = c.values;
        DWORD index = 0xDEAD;
        CEOID oid = CeSeekDatabaseEx(db, c.kind, reinterpret_cast<DWORD_PTR>(values.data()),
                                     static_cast<WORD>(values.size()), &index);
        if (c.row < 0) {
            EXPECT_EQ(oid, 0u);
            // The position is left at the end: one back is the last record.
            EXPECT_EQ(CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, static_cast<DWORD>(-1), 0, nullptr),
                      ids_[Order(c.sort).back()]);
        } else {
            EXPECT_EQ(RowOf(oid), c.row);
            EXPECT_EQ(index, c.index);
            EXPECT_EQ(ReadRecord(db).oid, oid);  // the found record is current
        }
        CloseHandle(db);
    }
}

TEST_F(SeekTest, PositionSeeks)
{
    struct Step {
        DWORD kind;
        long value;
        int row;  // -1: none
        DWORD index;
    };
    struct Case {
        const char* what;
        int sort;
        std::vector<Step> steps;
    };
    const long kBack = -1;
    const Case kCases[] = {
        {"from the beginning", 0, {{CEDB_SEEK_BEGINNING, 0, 6, 0}, {CEDB_SEEK_BEGINNING, 6, 4, 6},
                                   {CEDB_SEEK_BEGINNING, 7, -1, 0}}},
        {"from the end", 0, {{CEDB_SEEK_END, 0, 4, 6}, {CEDB_SEEK_END, 6, 6, 0},
                             {CEDB_SEEK_END, 7, -1, 0}}},
        {"by id", 1, {{CEDB_SEEK_CEOID, 3, 3, 3}, {CEDB_SEEK_CURRENT, 1, 5, 4}}},
        {"relative", 2, {{CEDB_SEEK_BEGINNING, 2, 1, 2}, {CEDB_SEEK_CURRENT, 2, 4, 4},
                         {CEDB_SEEK_CURRENT, -4, 5, 0}, {CEDB_SEEK_CURRENT, 0, 5, 0},
                         {CEDB_SEEK_CURRENT, kBack, -1, 0}, {CEDB_SEEK_CURRENT, kBack, 3, 6}}},
        {"after the open the first record is current", 0, {{CEDB_SEEK_CURRENT, 1, 1, 1}}},
        {"insertion order", -1, {{CEDB_SEEK_END, 1, 5, 5}, {CEDB_SEEK_CURRENT, -5, 0, 0}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        HANDLE db = OpenSort(c.sort);
        for (const Step& s : c.steps) {
            SCOPED_TRACE(testing::Message() << s.kind << " " << s.value);
            DWORD_PTR value =
                s.kind == CEDB_SEEK_CEOID ? ids_[s.value] : static_cast<DWORD>(s.value);
            DWORD index = 0xDEAD;
            CEOID oid = CeSeekDatabaseEx(db, s.kind, value, 0, &index);
            EXPECT_EQ(RowOf(oid), s.row);
            if (s.row >= 0) {
                EXPECT_EQ(index, s.index);
            }
        }
        CloseHandle(db);
    }
}

TEST_F(SeekTest, SeekErrors)
{
    HANDLE unsorted = OpenSort(-1);
    CEPROPVAL name = Text(1, L"apple");
    SetLastError(0);
    EXPECT_EQ(CeSeekDatabaseEx(unsorted, CEDB_SEEK_VALUEFIRSTEQUAL,
                               reinterpret_cast<DWORD_PTR>(&name), 1, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(unsorted);

    HANDLE sorted = OpenSort(0);
    CEPROPVAL two[2] = {name, name};
    SetLastError(0);
    EXPECT_EQ(CeSeekDatabaseEx(sorted, CEDB_SEEK_VALUEFIRSTEQUAL,
                               reinterpret_cast<DWORD_PTR>(two), 2, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_EQ(CeSeekDatabaseEx(sorted, CEDB_SEEK_VALUESMALLER,
                               reinterpret_cast<DWORD_PTR>(&name), 1, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    // At the end nothing is read.
    Record r = ReadRecord(sorted);
    EXPECT_EQ(r.oid, 0u);
    EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    CloseHandle(sorted);
}

TEST_F(SeekTest, ShortIntegersBySign)
{
    CreateDatabase(L"Short", {{{{Id(1, CEVT_I2), 0}}}, {{{Id(2, CEVT_UI2), 0}}}});
    HANDLE db = Open(L"Short");
    for (int v : {1, -1, 0x7FFF, -0x8000}) {
        CEPROPVAL props[2] = {I2(1, static_cast<short>(v)), UI2(2, static_cast<USHORT>(v))};
        CeWriteRecordProps(db, 0, 2, props);
    }
    CloseHandle(db);
    struct Case {
        CEPROPID key;
        std::vector<long long> values;
    };
    const Case kCases[] = {
        {Id(1, CEVT_I2), {-0x8000, -1, 1, 0x7FFF}},
        {Id(2, CEVT_UI2), {1, 0x7FFF, 0x8000, 0xFFFF}},
    };
    for (const Case& c : kCases) {
        SORTORDERSPECEX descriptor = SpecOf({{{c.key, 0}}});
        HANDLE h = OpenWith(L"Short", &descriptor);
        std::vector<long long> seen;
        for (Record r = ReadRecord(h); r.oid; r = ReadRecord(h)) {
            seen.push_back(r.Find(c.key)->number);
            if (!CeSeekDatabaseEx(h, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                break;
        }
        EXPECT_EQ(seen, c.values);
        CloseHandle(h);
    }
}

TEST_F(SeekTest, UnknownFirstPutsRecordsWithoutTheKeyFirst)
{
    CreateDatabase(L"Unknown", {{{{kName, CEDB_SORT_UNKNOWNFIRST}}},
                                {{{kName, CEDB_SORT_UNKNOWNFIRST | CEDB_SORT_DESCENDING}}}});
    HANDLE db = Open(L"Unknown");
    std::vector<CEOID> ids;
    for (const wchar_t* name : {L"b", static_cast<const wchar_t*>(nullptr), L"a"}) {
        CEPROPVAL props[2] = {I4(4, 0), Text(1, name)};
        ids.push_back(CeWriteRecordProps(db, 0, name ? 2 : 1, props));
    }
    CloseHandle(db);
    struct Case {
        DWORD flags;
        std::vector<int> rows;
    };
    const Case kCases[] = {{CEDB_SORT_UNKNOWNFIRST, {1, 2, 0}},
                           {CEDB_SORT_UNKNOWNFIRST | CEDB_SORT_DESCENDING, {1, 0, 2}}};
    for (const Case& c : kCases) {
        SORTORDERSPECEX descriptor = SpecOf({{{kName, c.flags}}});
        HANDLE h = OpenWith(L"Unknown", &descriptor);
        std::vector<int> rows;
        for (CEOID oid = CeSeekDatabaseEx(h, CEDB_SEEK_BEGINNING, 0, 0, nullptr); oid;
             oid = CeSeekDatabaseEx(h, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            rows.push_back(static_cast<int>(std::find(ids.begin(), ids.end(), oid) - ids.begin()));
        EXPECT_EQ(rows, c.rows);
        CloseHandle(h);
    }
}

}  // namespace
}  // namespace storetest
