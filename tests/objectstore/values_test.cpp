// Property values: every type round-trips exactly, the read buffer is
// allocated, grown or refused as the flags say, and writes to an existing
// record merge.
#include "tests/objectstore/store_fixture.h"

namespace storetest {
namespace {

class ValuesTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        database_ = CreateDatabase(L"Values", {});
        db_ = Open(L"Values");
        ASSERT_NE(db_, INVALID_HANDLE_VALUE);
    }
    void TearDown() override
    {
        CloseHandle(db_);
        StoreTest::TearDown();
    }
    Record ReadById(CEOID oid)
    {
        EXPECT_EQ(CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, oid, 0, nullptr), oid);
        return ReadRecord(db_);
    }

    CEOID database_ = 0;
    HANDLE db_ = INVALID_HANDLE_VALUE;
};

std::vector<uint8_t> Pattern(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

TEST_F(ValuesTest, IntegersRoundTrip)
{
    struct Case {
        CEPROPVAL value;
        long long expected;
    };
    const Case kCases[] = {
        {I2(1, -32768), -32768},
        {I2(1, 32767), 32767},
        {UI2(2, 65535), 65535},
        {I4(3, -2147483647 - 1), -2147483648LL},
        {I4(3, -1), -1},
        {UI4(4, 0xFFFFFFFFu), 0xFFFFFFFFLL},
        {UI4(4, 0x80000001u), 0x80000001LL},
        {UI4(4, 0), 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.value.propid << " " << c.expected);
        CEPROPVAL v = c.value;
        CEOID oid = CeWriteRecordProps(db_, 0, 1, &v);
        ASSERT_NE(oid, 0u);
        Record r = ReadById(oid);
        ASSERT_EQ(r.values.size(), 1u);
        EXPECT_EQ(r.values[0].id, c.value.propid);
        EXPECT_EQ(r.values[0].number, c.expected);
    }
}

TEST_F(ValuesTest, TextsRoundTrip)
{
    std::wstring longText(5000, L'가');
    const std::wstring kTexts[] = {L"", L" ", L"홍길동", L"가나다 ABC abc 123",
                                   L"Ä\u00DF\u3131\U0001F600", longText};
    for (const std::wstring& text : kTexts) {
        SCOPED_TRACE(text.size());
        CEPROPVAL v = Text(5, text.c_str());
        CEOID oid = CeWriteRecordProps(db_, 0, 1, &v);
        Record r = ReadById(oid);
        ASSERT_EQ(r.values.size(), 1u);
        EXPECT_EQ(r.values[0].text, text);
    }
}

TEST_F(ValuesTest, BlobsAndStreamsRoundTrip)
{
    for (WORD type : {static_cast<WORD>(CEVT_BLOB), static_cast<WORD>(CEVT_STREAM)}) {
        for (size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{1} << 20}) {
            SCOPED_TRACE(testing::Message() << type << " " << size);
            std::vector<uint8_t> bytes = Pattern(size);
            CEPROPVAL v = Bytes(3, type, bytes);
            CEOID oid = CeWriteRecordProps(db_, 0, 1, &v);
            ASSERT_NE(oid, 0u);
            Record r = ReadById(oid);
            ASSERT_EQ(r.values.size(), 1u);
            EXPECT_EQ(r.values[0].id, Id(3, type));
            EXPECT_TRUE(r.values[0].bytes == bytes);
        }
    }
}

TEST_F(ValuesTest, PointersPointIntoTheOneBuffer)
{
    std::vector<uint8_t> blob = Pattern(300);
    CEPROPVAL props[3] = {Text(1, L"제목"), Bytes(3, CEVT_STREAM, blob), I4(0, 10001)};
    CEOID oid = CeWriteRecordProps(db_, 0, 3, props);
    CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, oid, 0, nullptr);
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    ASSERT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr),
              oid);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(LocalSize(buffer), size);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    auto inside = [&](const void* p, size_t n) {
        auto* b = static_cast<const uint8_t*>(p);
        return b >= buffer + 3 * sizeof(CEPROPVAL) && b + n <= buffer + size;
    };
    EXPECT_TRUE(inside(values[0].val.lpwstr, 3 * sizeof(wchar_t)));
    EXPECT_TRUE(inside(values[1].val.blob.lpb, 300));
    EXPECT_EQ(values[2].val.lVal, 10001);
    EXPECT_EQ(LocalFree(buffer), nullptr);
}

TEST_F(ValuesTest, CallerBufferGrowsOnlyWithTheReallocateFlag)
{
    std::vector<uint8_t> blob = Pattern(1000);
    CEPROPVAL v = Bytes(3, CEVT_BLOB, blob);
    CEOID first = CeWriteRecordProps(db_, 0, 1, &v);
    CEPROPVAL small = I4(0, 5);
    CEOID second = CeWriteRecordProps(db_, 0, 1, &small);

    WORD count = 0;
    DWORD size = 64;
    auto buffer = static_cast<LPBYTE>(LocalAlloc(LMEM_FIXED, size));
    CeSeekDatabaseEx(db_, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    SetLastError(0);
    EXPECT_EQ(CeReadRecordPropsEx(db_, 0, &count, nullptr, &buffer, &size, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_GE(size, 1000u + sizeof(CEPROPVAL));  // the size it needs

    // The refused read did not move on: the same record grows the buffer.
    size = 64;
    EXPECT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr),
              first);
    EXPECT_GE(size, 1000u + sizeof(CEPROPVAL));
    EXPECT_EQ(reinterpret_cast<CEPROPVAL*>(buffer)[0].val.blob.dwCount, 1000u);
    LPBYTE grown = buffer;
    DWORD grownSize = size;

    // A buffer large enough is used as it is.
    CeSeekDatabaseEx(db_, CEDB_SEEK_CURRENT, 1, 0, nullptr);
    EXPECT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr),
              second);
    EXPECT_EQ(buffer, grown);
    EXPECT_EQ(size, grownSize);
    LocalFree(buffer);
}

TEST_F(ValuesTest, ReadOnAGivenHeap)
{
    CEPROPVAL v = Text(1, L"heap");
    CEOID oid = CeWriteRecordProps(db_, 0, 1, &v);
    HANDLE heap = HeapCreate(0, 0, 0);
    WORD count = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, oid, 0, nullptr);
    ASSERT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, heap),
              oid);
    EXPECT_EQ(HeapSize(heap, 0, buffer), size);
    EXPECT_TRUE(HeapFree(heap, 0, buffer));
    HeapDestroy(heap);
}

TEST_F(ValuesTest, ReadingChosenPropertiesMarksTheMissingOnes)
{
    CEPROPVAL props[2] = {I4(0, 7), Text(1, L"x")};
    CEOID oid = CeWriteRecordProps(db_, 0, 2, props);
    CEPROPID wanted[3] = {Id(1, CEVT_LPWSTR), Id(9, CEVT_I4), Id(0, CEVT_I4)};
    WORD count = 3;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    CeSeekDatabaseEx(db_, CEDB_SEEK_CEOID, oid, 0, nullptr);
    ASSERT_EQ(CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count, wanted, &buffer, &size, nullptr),
              oid);
    ASSERT_EQ(count, 3);
    auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
    EXPECT_STREQ(values[0].val.lpwstr, L"x");
    EXPECT_EQ(values[1].propid, Id(9, CEVT_I4));
    EXPECT_EQ(values[1].wFlags, CEDB_PROPNOTFOUND);
    EXPECT_EQ(values[2].val.lVal, 7);
    LocalFree(buffer);
}

TEST_F(ValuesTest, WriteToAnExistingRecordKeepsWhatItDoesNotName)
{
    CEPROPVAL first[3] = {I4(0, 1), Text(1, L"old"), Text(2, L"kept")};
    CEOID oid = CeWriteRecordProps(db_, 0, 3, first);
    CEPROPVAL removed = Text(2, L"");
    removed.wFlags = CEDB_PROPDELETE;
    CEPROPVAL second[3] = {Text(1, L"new"), I4(4, 40), removed};
    EXPECT_EQ(CeWriteRecordProps(db_, oid, 3, second), oid);
    CEPROPVAL otherType = UI4(0, 2);  // another property: the type is part of the id
    EXPECT_EQ(CeWriteRecordProps(db_, oid, 1, &otherType), oid);

    Record r = ReadById(oid);
    ASSERT_EQ(r.values.size(), 4u);
    EXPECT_EQ(r.Find(Id(0, CEVT_I4))->number, 1);
    EXPECT_EQ(r.Find(Id(1, CEVT_LPWSTR))->text, L"new");
    EXPECT_EQ(r.Find(Id(4, CEVT_I4))->number, 40);
    EXPECT_EQ(r.Find(Id(0, CEVT_UI4))->number, 2);
    EXPECT_EQ(r.Find(Id(2, CEVT_LPWSTR)), nullptr);
    EXPECT_EQ(RecordCount(database_), 1u);
}

TEST_F(ValuesTest, WriteErrors)
{
    CEPROPVAL unknownType = I4(1, 0);
    unknownType.propid = Id(1, 77);
    CEPROPVAL nullText = Text(1, nullptr);
    CEPROPVAL nullBlob = {};
    nullBlob.propid = Id(1, CEVT_BLOB);
    nullBlob.val.blob.dwCount = 4;
    CEPROPVAL fine = I4(0, 1);
    struct Case {
        const char* what;
        CEOID oid;
        CEPROPVAL* value;
        DWORD error;
    };
    const Case kCases[] = {
        {"unknown type", 0, &unknownType, ERROR_INVALID_PARAMETER},
        {"text without pointer", 0, &nullText, ERROR_INVALID_PARAMETER},
        {"blob without pointer", 0, &nullBlob, ERROR_INVALID_PARAMETER},
        {"missing record", 0x1234567, &fine, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_EQ(CeWriteRecordProps(db_, c.oid, 1, c.value), 0u);
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(RecordCount(database_), 0u);
}

TEST_F(ValuesTest, AutoNumbersGiveContactIdsAndKeepThem)
{
    CEOID contacts = CreateDatabase(L"Contacts Database",
                                    {{{{Id(0x80, CEVT_LPWSTR), CEDB_SORT_CASEINSENSITIVE}}}});
    HANDLE h = Open(L"Contacts Database");
    CEOID ids[3];
    for (int i = 0; i < 3; ++i) {
        CEPROPVAL props[2] = {Auto(0x1000), Text(0x80, L"이름")};
        ids[i] = CeWriteRecordProps(h, 0, 2, props);
        ASSERT_NE(ids[i], 0u);
    }
    for (int i = 0; i < 3; ++i) {
        CeSeekDatabaseEx(h, CEDB_SEEK_CEOID, ids[i], 0, nullptr);
        Record r = ReadRecord(h);
        const Value* number = r.Find(Id(0x1000, CEVT_AUTO_I4));
        ASSERT_NE(number, nullptr);
        EXPECT_GT(number->number, 0);
        EXPECT_EQ(ids[i], 0x80000000u + static_cast<CEOID>(number->number));
        if (i) {
            EXPECT_EQ(ids[i], ids[i - 1] + 1);
        }
    }
    // A rewrite keeps the number whatever value the caller passes.
    CEPROPVAL again[2] = {Auto(0x1000), Text(0x80, L"새이름")};
    again[0].val.lVal = 99;
    EXPECT_EQ(CeWriteRecordProps(h, ids[1], 2, again), ids[1]);
    CeSeekDatabaseEx(h, CEDB_SEEK_CEOID, ids[1], 0, nullptr);
    EXPECT_EQ(static_cast<CEOID>(ReadRecord(h).Find(Id(0x1000, CEVT_AUTO_I4))->number),
              ids[1] - 0x80000000u);
    CloseHandle(h);
    EXPECT_EQ(RecordCount(contacts), 3u);
}

}  // namespace
}  // namespace storetest
