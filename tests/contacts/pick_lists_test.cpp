// The company and group pick lists: trimmed names, one row per run of equal
// neighbours, the "without" row last, the one-shot reselect.
#include "lists/contacts_cache.h"
#include "lists/pick_lists.h"
#include "mainwindow/state.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

std::vector<std::wstring> Rows(HWND list)
{
    std::vector<std::wstring> rows;
    for (int i = 0; i < testkit::ListViewCount(list); ++i)
        rows.push_back(testkit::ListViewText(list, i));
    return rows;
}

class PickListsTest : public testing::Test {
protected:
    void SetUp() override
    {
        CompanyPickList = MakePickList();
        GroupPickList = MakePickList();
        CompanyRow = GroupRow = 0;
        CompanyToReselect[0] = GroupToReselect[0] = L'\0';
        SetCache({Row(1, L"가", L"가나상사"), Row(2, L"나", L"가나상사 ", L"", L"", L"", L"친구, 가족"),
                  Row(3, L"다", L" "), Row(4, L"라", L"Acme", L"", L"", L"", L"가족"), Row(5, L"마", L"")});
    }
    void TearDown() override
    {
        DestroyTestList(CompanyPickList);
        DestroyTestList(GroupPickList);
        CompanyPickList = GroupPickList = nullptr;
        FreeContactsCacheTexts();
    }
};

TEST_F(PickListsTest, CompanyRowsAreTrimmedNamesOnceWithTheNoCompanyRowLast)
{
    ViewSelection[2] = 3;
    FillCompanyPickList();
    EXPECT_EQ(Rows(CompanyPickList), (std::vector<std::wstring>{L"가나상사", L"Acme", kNoCompanyRow}))
        << "names that trim alike and stand together are one row; blank names none";
    EXPECT_EQ(CompanyCount, 3);
    EXPECT_EQ(testkit::ListViewSelection(CompanyPickList), 0);
    EXPECT_STREQ(CompanyChoice, L"가나상사");
    EXPECT_EQ(ViewSelection[2], 0) << "a new choice lists its contacts from the first";
}

TEST_F(PickListsTest, TheNameToReselectIsSelectedOnce)
{
    wcscpy(CompanyToReselect, L"Acme");
    FillCompanyPickList();
    EXPECT_EQ(CompanyRow, 1);
    EXPECT_STREQ(CompanyToReselect, L"");
    EXPECT_EQ(testkit::ListViewSelection(CompanyPickList), 1);
    EXPECT_STREQ(CompanyChoice, L"Acme");

    wcscpy(CompanyToReselect, L"가나상사");  // the row two trimmed names share
    FillCompanyPickList();
    EXPECT_EQ(CompanyRow, 0);

    CompanyRow = 2;
    FillCompanyPickList();
    EXPECT_EQ(CompanyRow, 2) << "without a name the remembered row stays";
    EXPECT_STREQ(CompanyChoice, kNoCompanyRow);
    CompanyRow = 9;
    FillCompanyPickList();
    EXPECT_EQ(CompanyRow, 0) << "a row the list no longer has";
}

TEST_F(PickListsTest, GroupRowsWithTheNoGroupRowLast)
{
    wcscpy(GroupToReselect, L"친구");
    FillGroupPickList();
    EXPECT_EQ(Rows(GroupPickList), (std::vector<std::wstring>{L"가족", L"친구", kNoGroupRow}));
    EXPECT_EQ(GroupCount, 3);
    EXPECT_EQ(GroupRow, 1);
    EXPECT_STREQ(GroupChoice, L"친구");

    FreeContactsCacheTexts();
    FillGroupPickList();
    EXPECT_EQ(Rows(GroupPickList), std::vector<std::wstring>{kNoGroupRow}) << "an empty cache";
    EXPECT_EQ(GroupRow, 0);
}

}  // namespace
}  // namespace contactstest
