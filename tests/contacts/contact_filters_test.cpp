// The filters of the four contact views over the cache, on real owner-data
// lists.
#include "core/hangul_search.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "mainwindow/state.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

// The list's own visible style (its test window is hidden).
bool HasVisibleStyle(HWND list)
{
    return (GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<CEOID> Listed(const uint16_t* order, int count)
{
    std::vector<CEOID> oids;
    for (int i = 0; i < count; ++i)
        oids.push_back(ContactsCache.rows[order[i]].oid);
    return oids;
}

struct TabCase {
    const wchar_t* name;
    int tab;  // the one consonant tab that lists it, 0 for none
};
const TabCase kTabCases[] = {
    {L"\uAC00", 1},          // 가, the first syllable
    {L"\uB097", 1},          // the last syllable of ㄲ
    {L"\uB098", 2},          // 나
    {L"\uC0AC", 7},          // 사
    {L"\uC2F8", 7},          // 싸: ㅆ shares the tab of ㅅ
    {L"\uC543", 7},          // the last of ㅆ
    {L"\uC544", 8},          // 아
    {L"\uD558\uAE38", 14},   // 하길
    {L"\uD79D", 14},         // the last syllable of the tables
    {L"\uD79E", 0},          // the six after it have no tab
    {L"\uD7A3", 0},
    {L"\u3131", 0},          // a compatibility jamo is no syllable
    {L"Smith", 0},
    {L"7eleven", 0},
    {L"", 0},
};

TEST(ContactTabs, EachNameIsUnderTabZeroAndAtMostOneConsonantTab)
{
    for (const TabCase& c : kTabCases) {
        ContactCacheEntry row = Row(1, c.name);
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << (c.name[0] ? static_cast<int>(c.name[0]) : 0));
        EXPECT_TRUE(ContactUnderTab(row, kIndexTabAll));
        for (int tab = 1; tab < kIndexTabSearch; ++tab)
            EXPECT_EQ(ContactUnderTab(row, tab), tab == c.tab) << "tab " << tab;
    }
}

struct SearchCase {
    char field;
    const wchar_t* pattern;
    bool matches;
};
// One contact: 홍길동 of 가나상사, mobile with hyphens, business and home.
const SearchCase kSearchCases[] = {
    {'N', L"ㅎㄱ", true},       // two initials of a three-syllable name
    {'N', L"길동", true},
    {'N', L"ㄱㄴ", false},      // the company's initials are not the name's
    {'N', L"010", false},
    {'C', L"ㄱㄴㅅ", true},
    {'C', L"나상", true},
    {'C', L"홍", false},
    {'T', L"010", true},        // 010-1234-5678 stored with hyphens
    {'T', L"12345678", true},
    {'T', L"0212", true},       // the business phone 02-12...
    {'T', L"#77", true},        // the home phone's '#'
    {'T', L"-", false},         // only digits and '#' are kept
    {'T', L"홍", false},
    {'S', L"", true},
    {'S', L"상사", true},
    {'S', L"ㅎㄱㄷ", true},
    {'S', L"5678", true},
    {'S', L"없음", false},
    {'X', L"", false},          // an unknown letter finds no one
    {'X', L"홍", false},
};

TEST(ContactSearch, FieldsOfEachSearchLetter)
{
    ContactCacheEntry row = Row(1, L"홍길동", L"가나상사", L"010-1234-5678", L"02-1200-3000", L"031#77");
    for (const SearchCase& c : kSearchCases) {
        SCOPED_TRACE(testing::Message() << c.field << " " << testing::PrintToString(std::wstring(c.pattern)));
        EXPECT_EQ(ContactMatchesSearch(row, c.field, c.pattern), c.matches);
    }
}

struct KeypadCase {
    int layout;
    char field;
    const wchar_t* digits;
    bool matches;
};
const KeypadCase kKeypadCases[] = {
    {kKeypadSamsung, 'N', L"846", true}, {kKeypadSamsung, 'N', L"812", false},
    {kKeypadLgHp, 'N', L"812", true},    {kKeypadLgHp, 'N', L"846", false},
    {kKeypadPose, 'N', L"513", true},    {kKeypadPose, 'N', L"012", false},
    {kKeypadBasic, 'N', L"012", true},   {kKeypadBasic, 'N', L"513", false},
    {7, 'N', L"012", true},              // any other layout is the basic one
    {kKeypadBasic, 'C', L"12", true},    // 가나 of 가나상사
    {kKeypadBasic, 'C', L"012", false},
    {kKeypadBasic, 'T', L"0101234", true},
    {kKeypadBasic, 'T', L"777", false},
    {kKeypadBasic, 'S', L"0101234", true},
    {kKeypadBasic, 'S', L"012", true},
    {kKeypadBasic, 'S', L"", true},
    {kKeypadBasic, 'Z', L"", false},
};

TEST(ContactKeypad, NamesAndCompaniesAsKeypadDigitsByLayout)
{
    int saved = Settings.KeypadLayout;
    ContactCacheEntry row = Row(1, L"홍길동", L"가나상사", L"010-1234-5678", L"02-999", L"");
    for (const KeypadCase& c : kKeypadCases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.layout << " " << c.field << " "
                                        << testing::PrintToString(std::wstring(c.digits)));
        Settings.KeypadLayout = c.layout;
        EXPECT_EQ(ContactMatchesKeypad(row, c.field, c.digits), c.matches);
    }
    Settings.KeypadLayout = saved;
}

// The four contact lists made for real, the inputs of the filters reset.
class ContactListsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ContactList = MakeOwnerDataList();
        KeypadResultList = MakeOwnerDataList();
        CompanyContactList = MakeOwnerDataList();
        GroupContactList = MakeOwnerDataList();
        for (int& row : ViewSelection)
            row = 0;
        IndexTab = 0;
        ContactToReselect = 0;
        ContactSearchText[0] = KeypadText[0] = L'\0';
        ContactSearchField = KeypadSearchField = 'S';
        SetCache({Row(0x80000001, L"가가", L"가나상사", L"010-1111-2222", L"02-333"),
                  Row(0x80000002, L"나나", L" ", L"", L"031-444", L"031-444", L"친구, 가족", L'H'),
                  Row(0x80000003, L"Smith", L"가나상사 ", L"011-555", L"", L"", L"가족"),
                  Row(0x80000004, L"싸움", L"", L"", L"", L"", L"친구"),
                  Row(0x80000005, L"\uD79E", L"Acme", L"019-777", L"02-888")});
    }
    void TearDown() override
    {
        for (HWND* list : {&ContactList, &KeypadResultList, &CompanyContactList, &GroupContactList}) {
            DestroyTestList(*list);
            *list = nullptr;
        }
        FreeContactsCacheTexts();
        CompanyChoice[0] = GroupChoice[0] = L'\0';
    }
};

TEST_F(ContactListsTest, InitialTabsFillTheContactViewsList)
{
    const struct {
        int tab;
        std::vector<CEOID> listed;
    } cases[] = {
        {0, {0x80000001, 0x80000002, 0x80000003, 0x80000004, 0x80000005}},
        {1, {0x80000001}},
        {2, {0x80000002}},
        {7, {0x80000004}},
        {14, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab);
        IndexTab = c.tab;
        FilterContactsByInitial();
        EXPECT_EQ(Listed(IndexFilterOrder, ContactTabCount), c.listed);
        EXPECT_EQ(testkit::ListViewCount(ContactList), static_cast<int>(c.listed.size()));
        EXPECT_TRUE(HasVisibleStyle(ContactList));
    }
}

TEST_F(ContactListsTest, TheSearchTabFiltersByTheSearchBox)
{
    IndexTab = kIndexTabSearch;
    ContactSearchField = 'T';
    wcscpy(ContactSearchText, L"02");
    FilterContactsByInitial();
    EXPECT_EQ(Listed(SearchFilterOrder, ContactTabCount), (std::vector<CEOID>{0x80000001, 0x80000005}));
    ContactSearchField = 'S';
    ContactSearchText[0] = L'\0';
    FilterContactsBySearch();
    EXPECT_EQ(ContactTabCount, 5) << "an empty text under 'S' lists everyone";
    ContactSearchField = 'Q';
    FilterContactsBySearch();
    EXPECT_EQ(ContactTabCount, 0);
    EXPECT_EQ(testkit::ListViewCount(ContactList), 0);
}

TEST_F(ContactListsTest, TheKeypadFiltersByItsDigits)
{
    Settings.KeypadLayout = kKeypadBasic;
    KeypadSearchField = 'N';
    wcscpy(KeypadText, L"22");  // 나나
    FilterContactsByKeypad();
    EXPECT_EQ(Listed(KeypadFilterOrder, KeypadSearchCount), std::vector<CEOID>{0x80000002});
    KeypadSearchField = 'T';
    wcscpy(KeypadText, L"01");
    FilterContactsByKeypad();
    EXPECT_EQ(Listed(KeypadFilterOrder, KeypadSearchCount), (std::vector<CEOID>{0x80000001, 0x80000003, 0x80000005}));
    EXPECT_EQ(testkit::ListViewCount(KeypadResultList), 3);
}

TEST_F(ContactListsTest, CompaniesCompareTrimmedAndTheBlankCompanyIsNone)
{
    const struct {
        const wchar_t* choice;
        std::vector<CEOID> listed;
    } cases[] = {
        {L"가나상사", {0x80000001, 0x80000003}},
        {kNoCompanyRow, {0x80000002, 0x80000004}},  // one blank as stored, and nothing
        {L"가나", {}},
        {L"Acme", {0x80000005}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.choice)));
        wcscpy(CompanyChoice, c.choice);
        FilterContactsByCompany();
        EXPECT_EQ(Listed(CompanyFilterOrder, CompanyContactCount), c.listed);
    }
}

TEST_F(ContactListsTest, GroupsMatchAWholePartAndNoGroupIsEmptyCategories)
{
    const struct {
        const wchar_t* choice;
        std::vector<CEOID> listed;
    } cases[] = {
        {L"가족", {0x80000002, 0x80000003}},
        {L"친구", {0x80000002, 0x80000004}},
        {L"친", {}},
        {kNoGroupRow, {0x80000001, 0x80000005}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.choice)));
        wcscpy(GroupChoice, c.choice);
        FilterContactsByGroup();
        EXPECT_EQ(Listed(GroupFilterOrder, GroupContactCount), c.listed);
    }
}

TEST_F(ContactListsTest, ARefillSelectsTheRememberedContactOrAListedRow)
{
    // The contact asked for is selected again where it is listed now.
    ContactToReselect = 0x80000003;
    ViewSelection[0] = 0;
    FilterContactsByInitial();
    EXPECT_EQ(ViewSelection[0], 2);
    EXPECT_EQ(testkit::ListViewSelection(ContactList), 2);
    EXPECT_EQ(SelectedContactOid, 0x80000003u);
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"Smith");
    EXPECT_STREQ(ContactDialInfo.PreviewMobileDigits, L"011555");

    // Not listed: the row kept, but never past the end.
    ContactToReselect = 0x80000009;
    ViewSelection[0] = 4;
    IndexTab = 1;
    FilterContactsByInitial();
    EXPECT_EQ(ViewSelection[0], 0);
    EXPECT_EQ(SelectedContactOid, 0x80000001u);
    EXPECT_STREQ(ContactDialInfo.PreviewMobileDigits, L"01011112222");
    EXPECT_STREQ(ContactDialInfo.PreviewPhoneDigits, L"02333");

    // The search filter does not reselect, and an empty list selects no one.
    IndexTab = kIndexTabSearch;
    ContactToReselect = 0x80000005;
    ContactSearchField = 'N';
    wcscpy(ContactSearchText, L"ㄴ");
    ViewSelection[0] = 3;
    FilterContactsByInitial();
    EXPECT_EQ(ViewSelection[0], 0);
    EXPECT_EQ(SelectedContactOid, 0x80000002u);
    wcscpy(ContactSearchText, L"없는이름");
    FilterContactsByInitial();
    EXPECT_EQ(ContactTabCount, 0);
    EXPECT_EQ(SelectedContactOid, 0u);
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"");
    EXPECT_STREQ(ContactDialInfo.PreviewPhoneDigits, L"");
}

TEST_F(ContactListsTest, AHiddenListStaysHiddenAndAMissingListIsNoFault)
{
    ShowWindow(GroupContactList, SW_HIDE);
    wcscpy(GroupChoice, L"가족");
    FilterContactsByGroup();
    EXPECT_FALSE(HasVisibleStyle(GroupContactList)) << "the view switch shows it with its view";
    EXPECT_EQ(testkit::ListViewCount(GroupContactList), 2);
    DestroyTestList(GroupContactList);
    GroupContactList = nullptr;
    FilterContactsByGroup();
    EXPECT_EQ(GroupContactCount, 2);
}

}  // namespace
}  // namespace contactstest
