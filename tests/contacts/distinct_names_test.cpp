// The distinct company, group, department and job-title lists built from
// the cache.
#include "lists/contacts_cache.h"
#include "lists/distinct_names.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

template <int Slots, int Chars>
std::vector<std::wstring> Names(const DistinctNameList<Slots, Chars>& list)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < list.count; ++i)
        names.emplace_back(list.names[i]);
    return names;
}

class DistinctNamesTest : public testing::Test {
protected:
    void TearDown() override { FreeContactsCacheTexts(); }
};

TEST_F(DistinctNamesTest, CompaniesOnceEachHangulFirstThenCodeUnitOrder)
{
    std::vector<ContactCacheEntry> rows;
    for (const wchar_t* company : {L"Zeta", L"나", L"Alpha", L"", L"가", L"alpha", L"", L"Alpha", L"ㄱ상사", L"1st"})
        rows.push_back(Row(rows.size() + 1, L"이름", company));
    SetCache(rows);
    BuildCompanyNameList();
    EXPECT_EQ(Names(CompanyNameList),
              (std::vector<std::wstring>{L"ㄱ상사", L"가", L"나", L"", L"1st", L"Alpha", L"Zeta", L"alpha"}));
}

TEST_F(DistinctNamesTest, ListsStopAtTheirCaps)
{
    std::vector<ContactCacheEntry> rows;
    for (int i = 0; i < CompanyNames::kSlots + 1; ++i) {
        ContactCacheEntry row = Row(i + 1, L"이름", L"회사" + std::to_wstring(10000 + i));
        row.department = L"부서" + std::to_wstring(100 + i % (DepartmentNames::kSlots + 1));
        row.jobTitle = L"직위" + std::to_wstring(100 + i % (DepartmentNames::kSlots + 5));
        rows.push_back(row);
    }
    SetCache(rows);
    BuildCompanyNameList();
    BuildDepartmentAndTitleLists();
    ASSERT_EQ(CompanyNameList.count, CompanyNames::kSlots);
    EXPECT_EQ(Names(CompanyNameList).back(), L"회사10499") << "the 501st company is dropped";
    ASSERT_EQ(DepartmentList.count, DepartmentNames::kSlots);
    EXPECT_EQ(Names(DepartmentList).back(), L"부서149") << "the 51st department is dropped";
    EXPECT_EQ(JobTitleList.count, DepartmentNames::kSlots);
}

TEST_F(DistinctNamesTest, LongValuesAreCutToTheirSlots)
{
    std::wstring longCompany(150, L'가');
    ContactCacheEntry row = Row(1, L"이름", longCompany, L"", L"", L"", std::wstring(70, L'나') + L", 다");
    row.department = std::wstring(60, L'라');
    SetCache({row, Row(2, L"이름", longCompany + L"끝")});
    BuildCompanyNameList();
    BuildGroupNameList();
    BuildDepartmentAndTitleLists();
    EXPECT_EQ(Names(CompanyNameList), std::vector<std::wstring>{longCompany.substr(0, 99)})
        << "two names alike in their first 99 characters are one";
    EXPECT_EQ(Names(GroupNameList), (std::vector<std::wstring>{std::wstring(50, L'나'), L"다"}));
    EXPECT_EQ(Names(DepartmentList), (std::vector<std::wstring>{std::wstring(50, L'라'), L""}))
        << "the second contact's empty department once, after the Hangul one";
}

TEST_F(DistinctNamesTest, GroupsAreTheCommaSeparatedPartsOfTheCategories)
{
    std::wstring crowded;
    for (int i = 0; i < 25; ++i)
        crowded += (i ? L", g" : L"g") + std::to_wstring(10 + i);
    SetCache({Row(1, L"가", L"", L"", L"", L"", L"친구, 가족"), Row(2, L"나", L"", L"", L"", L"", L"가족, 회사"),
              Row(3, L"다"), Row(4, L"라", L"", L"", L"", L"", crowded)});
    BuildGroupNameList();
    std::vector<std::wstring> names = Names(GroupNameList);
    ASSERT_EQ(names.size(), 3u + 20u) << "empty categories give nothing; 20 parts of a text at most";
    EXPECT_EQ(std::vector<std::wstring>(names.begin(), names.begin() + 3),
              (std::vector<std::wstring>{L"가족", L"친구", L"회사"}));
    EXPECT_EQ(names.back(), L"g29");
}

}  // namespace
}  // namespace contactstest
