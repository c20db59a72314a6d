// Category names by bit mask against a "\Categories Database" of the
// object store written here record by record.
#include "core/category_mask.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr CEPROPID kNumber = 0x40020002;
constexpr CEPROPID kName = 0x4001001F;
constexpr wchar_t kDatabase[] = L"\\Categories Database";
constexpr size_t kTextChars = 256;

struct Category {
    short number;
    const wchar_t* name;
};

// Numbers 0, 2, 114, 119 and 120; 1 has no category.
const Category kCategories[] = {{2, L"친구"}, {0, L"가족"}, {119, L"끝"}, {114, L"거래처"}, {120, L"넘침"}};

void DropCategories()
{
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, const_cast<LPWSTR>(kDatabase), nullptr, 0, nullptr);
    if (database != INVALID_HANDLE_VALUE && database) {
        CloseHandle(database);
        CeDeleteDatabaseEx(&store, oid);
    }
}

void WriteCategories()
{
    DropCategories();
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
    wcscpy(info.szDbaseName, kDatabase);
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0].wVersion = SORTORDERSPECEX_VERSION;
    info.rgSortSpecs[0].wNumProps = 1;
    info.rgSortSpecs[0].rgPropID[0] = kNumber;
    CEOID oid = CeCreateDatabaseEx2(&store, &info);
    ASSERT_NE(oid, 0u);
    HANDLE database = CeOpenDatabaseEx2(&store, &oid, nullptr, nullptr, 0, nullptr);
    ASSERT_NE(database, INVALID_HANDLE_VALUE);
    for (const Category& category : kCategories) {
        CEPROPVAL values[2] = {};
        values[0].propid = kNumber;
        values[0].val.iVal = category.number;
        values[1].propid = kName;
        values[1].val.lpwstr = const_cast<LPWSTR>(category.name);
        ASSERT_NE(CeWriteRecordProps(database, 0, 2, values), 0u);
    }
    CloseHandle(database);
}

std::wstring Lookup(const std::vector<BYTE>& mask, size_t textChars = kTextChars)
{
    std::vector<wchar_t> text(textChars, L'?');
    LookupCategoryNamesByMask(text.data(), textChars, static_cast<DWORD>(mask.size()), mask.data());
    return text.data();
}

// A mask of count bytes with the given bits set.
std::vector<BYTE> Mask(size_t count, std::initializer_list<int> bits)
{
    std::vector<BYTE> mask(count, 0);
    for (int bit : bits)
        mask[bit / 8] |= static_cast<BYTE>(1 << (bit % 8));
    return mask;
}

struct MaskCase {
    const char* what;
    std::vector<BYTE> mask;
    std::wstring names;
};

class CategoryMaskTest : public testing::Test {
protected:
    void SetUp() override { WriteCategories(); }
    void TearDown() override { DropCategories(); }
};

TEST_F(CategoryMaskTest, NamesInNumberOrder)
{
    const MaskCase cases[] = {
        {"no bytes", {}, L""},
        {"0x05", {0x05}, L"가족, 친구"},
        {"no bit set", {0x00, 0x00}, L""},
        {"a number without a category adds nothing", {0x02}, L""},
        {"one without a category among others", {0x07}, L"가족, 친구"},
        {"bits in bytes 15 and 16 are not read", Mask(16, {114, 119, 120, 127}), L"거래처, 끝"},
        {"every byte of a long mask set", std::vector<BYTE>(20, 0xFF), L"가족, 친구, 거래처, 끝"},
    };
    for (const MaskCase& c : cases)
        EXPECT_EQ(Lookup(c.mask), c.names) << c.what;
}

TEST_F(CategoryMaskTest, OnlyWholeNamesThatFit)
{
    // "가족, 친구" needs 7 characters with the terminator.
    EXPECT_EQ(Lookup({0x05}, 7), L"가족, 친구");
    EXPECT_EQ(Lookup({0x05}, 6), L"가족");
    EXPECT_EQ(Lookup({0x05}, 2), L"");
}

TEST(CategoryMaskWithoutDatabase, GivesTheEmptyText)
{
    DropCategories();
    EXPECT_EQ(Lookup({0x05}), L"");
}

}  // namespace
