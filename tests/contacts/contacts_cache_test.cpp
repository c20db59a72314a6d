// The contacts cache read by both loaders from contacts written through the
// object model, and the category names of an item.
#include "core/item_categories.h"
#include "lists/contacts_cache.h"
#include "platform/outlook/client_values.h"
#include "tests/contacts/contacts_fixture.h"

#include <algorithm>
#include <map>
#include <vector>

namespace contactstest {
namespace {

const std::wstring kLongLast(30, L'가');
const std::wstring kLongFirst(30, L'나');
const std::wstring kLongHome = L"02-" + std::wstring(42, L'7');

class ContactsCacheTest : public DeviceContactsTest {
protected:
    void AddFixture()
    {
        full = AddContact({L"홍", L"길동", L"가나상사", L"02-111-2222", L"010-1234-5678", L"02-333-4444", L"A, B",
                           L"영업부", L"과장"});
        noCompany = AddContact({L"김", L"철수", L"", L"031-000-1111", L"010-2222-3333"});
        homeOnly = AddContact({L"이", L"영희", L"다라", L"", L"", L"02-555-6666"});
        noPhone = AddContact({L"Smith", L"John", L"Acme"});
        noFileAs = AddContact({L"", L"", L"", L"", L"010-9999-0000"});
        digits = AddContact({L"7eleven"});
        lastSyllable = AddContact({L"\uD79E하"});
        longName = AddContact({kLongLast, kLongFirst});
        longHome = AddContact({L"박", L"", L"", L"", L"", kLongHome});
    }

    // The rows of the cache by object id; checks the identity order.
    static std::map<CEOID, ContactCacheEntry> RowsById()
    {
        std::map<CEOID, ContactCacheEntry> rows;
        for (int i = 0; i < ContactsCache.count; ++i) {
            EXPECT_EQ(ContactOrder[i], i);
            rows[ContactsCache.rows[i].oid] = ContactsCache.rows[i];
        }
        return rows;
    }

    CEOID full = 0, noCompany = 0, homeOnly = 0, noPhone = 0, noFileAs = 0, digits = 0, lastSyllable = 0,
          longName = 0, longHome = 0;
};

void ExpectSameRow(const ContactCacheEntry& a, const ContactCacheEntry& b)
{
    EXPECT_EQ(a.oid, b.oid);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.company, b.company);
    EXPECT_EQ(a.categories, b.categories);
    EXPECT_EQ(a.shownPhone, b.shownPhone);
    EXPECT_EQ(a.mobile, b.mobile);
    EXPECT_EQ(a.homePhone, b.homePhone);
    EXPECT_EQ(a.department, b.department);
    EXPECT_EQ(a.jobTitle, b.jobTitle);
    EXPECT_EQ(a.phoneKind, b.phoneKind);
}

TEST_F(ContactsCacheTest, BothLoadersReadTheSameContactsButForTheirDocumentedDifferences)
{
    AddFixture();
    LoadContactsCacheFromOutlook();
    ASSERT_EQ(ContactsCache.count, 9);
    std::map<CEOID, ContactCacheEntry> outlook = RowsById();
    LoadContactsCacheFromDatabase();
    ASSERT_EQ(ContactsCache.count, 8) << "the contact without a file-as name is not read directly";
    std::map<CEOID, ContactCacheEntry> direct = RowsById();

    const ContactCacheEntry& first = outlook[full];
    EXPECT_EQ(first.name, L"홍길동");
    EXPECT_EQ(first.company, L"가나상사");
    EXPECT_EQ(first.categories, L"A, B");
    EXPECT_EQ(first.shownPhone, L"02-111-2222");
    EXPECT_EQ(first.phoneKind, L'B');
    EXPECT_EQ(first.mobile, L"010-1234-5678");
    EXPECT_EQ(first.homePhone, L"02-333-4444");
    EXPECT_EQ(first.department, L"영업부");
    EXPECT_EQ(first.jobTitle, L"과장");
    EXPECT_EQ(outlook[homeOnly].shownPhone, L"02-555-6666");
    EXPECT_EQ(outlook[homeOnly].phoneKind, L'H');
    EXPECT_EQ(outlook[noPhone].shownPhone, L"");
    EXPECT_EQ(outlook[noPhone].phoneKind, L'H') << "no business phone is kind 'H' even without a home phone";
    EXPECT_TRUE(outlook.count(noFileAs));
    EXPECT_EQ(outlook[noFileAs].name, L"");
    EXPECT_EQ(outlook[longName].name, kLongLast + kLongFirst);
    EXPECT_EQ(outlook[longHome].shownPhone, kLongHome);

    for (const auto& [oid, row] : direct) {
        SCOPED_TRACE(testing::Message() << "contact " << std::hex << oid);
        ASSERT_TRUE(outlook.count(oid));
        ContactCacheEntry expected = outlook[oid];
        if (expected.company.empty())
            expected.company = L" ";  // the direct reader's blank for no company
        if (oid == longName)
            expected.name = (kLongLast + kLongFirst).substr(0, kDirectNameChars - 1);
        if (oid == longHome)
            expected.shownPhone = kLongHome.substr(0, kDirectHomePhoneChars - 1);
        ExpectSameRow(row, expected);
    }
    EXPECT_EQ(outlook[noCompany].company, L"");
}

// Each load fills the rows over the last one's: nothing of that one stays,
// neither in the rows it fills nor past its count.
TEST_F(ContactsCacheTest, AReloadKeepsNothingOfTheLoadBefore)
{
    AddFixture();
    LoadContactsCacheFromOutlook();
    ASSERT_EQ(ContactsCache.count, 9);
    LoadContactsCacheFromDatabase();
    ASSERT_EQ(ContactsCache.count, 8);
    ExpectSameRow(ContactsCache.rows[8], ContactCacheEntry());

    SetText(full, &IContact::put_Categories, L"");
    SetText(full, &IContact::put_BusinessTelephoneNumber, L"");
    SetText(full, &IContact::put_CompanyName, L"");
    LoadContactsCacheFromDatabase();
    ASSERT_EQ(ContactsCache.count, 8);
    std::map<CEOID, ContactCacheEntry> rows = RowsById();
    EXPECT_EQ(rows[full].categories, L"");
    EXPECT_EQ(rows[full].shownPhone, L"02-333-4444");
    EXPECT_EQ(rows[full].phoneKind, L'H');
    EXPECT_EQ(rows[full].company, L" ");
    EXPECT_EQ(rows[full].jobTitle, L"과장");
}

TEST_F(ContactsCacheTest, TheSettingChoosesTheLoaderAndTheOutlookLoaderListsByFullName)
{
    AddFixture();
    Settings.ContactLoader = 1;
    ReloadContactsCache();
    EXPECT_EQ(ContactsCache.count, 9);
    ASSERT_NE(ContactLoaderItems, nullptr) << "the collection is kept until the next load";
    for (int i = 1; i < ContactsCache.count; ++i) {
        std::wstring before = ContactsCache.rows[i - 1].name, after = ContactsCache.rows[i].name;
        EXPECT_LE(_wcsicmp(before.c_str(), after.c_str()), 0) << i;
    }
    Settings.ContactLoader = 0;
    ReloadContactsCache();
    EXPECT_EQ(ContactsCache.count, 8);
}

TEST_F(ContactsCacheTest, ADatabaseThatCannotBeOpenedGivesAnEmptyTable)
{
    AddFixture();
    LoadContactsCacheFromDatabase();
    ASSERT_GT(ContactsCache.count, 0);
    ContactsNameSortOrder = SORTORDERSPECEX();  // start-up found no name order
    LoadContactsCacheFromDatabase();
    EXPECT_EQ(ContactsCache.count, 0);
    OutlookApp->Logoff();
    OutlookApp->Release();
    OutlookApp = nullptr;
    LoadContactsCacheFromOutlook();
    EXPECT_EQ(ContactsCache.count, 0);
}

// The category names of one saved contact, as the store numbers them.
std::map<std::wstring, long> CategoryIds()
{
    std::map<std::wstring, long> ids;
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(L"CategoryMainDB"),
                                        nullptr, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE)
        return ids;
    DWORD index = 0;
    CEOID at = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index);
    BYTE* buffer = nullptr;
    DWORD size = 0;
    while (at) {
        WORD count = 0;
        if (!CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            break;
        const CEPROPVAL* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        long id = 0;
        std::wstring name;
        for (WORD i = 0; i < count; ++i) {
            if (values[i].propid == 0x00010066)
                id = values[i].val.lVal;
            if (values[i].propid == 0x0002001F)
                name = values[i].val.lpwstr;
        }
        ids[name] = id;
        at = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
    }
    LocalFree(buffer);
    CloseHandle(db);
    return ids;
}

TEST_F(ContactsCacheTest, CategoryNamesComeInCategoryIdOrderWithinTheBufferAndTheCap)
{
    AddContact({L"가", L"", L"", L"", L"", L"", L"일, 이, 삼, 사, 오, 육, 칠"});
    std::map<std::wstring, long> ids = CategoryIds();
    ASSERT_EQ(ids.size(), 7u);
    std::wstring third, seventh;
    for (const auto& [name, id] : ids) {
        if (id == 3)
            third = name;
        if (id == 7)
            seventh = name;
    }
    ASSERT_FALSE(third.empty());
    ASSERT_FALSE(seventh.empty());
    CEOID item = AddContact({L"나", L"", L"", L"", L"", L"", seventh + L", " + third});

    wchar_t text[64];
    GetItemCategories(text, 64, item);
    EXPECT_EQ(std::wstring(text), third + L", " + seventh);
    GetItemCategories(text, third.size() + 3, item);
    EXPECT_EQ(std::wstring(text), third) << "a name that does not fit whole is left out";
    GetItemCategories(text, 64, 0x80000777);
    EXPECT_STREQ(text, L"");

    std::wstring many;
    for (int i = 0; i < kMaxItemCategories + 1; ++i)
        many += (i ? L", c" : L"c") + std::to_wstring(1000 + i);
    CEOID crowded = AddContact({L"다", L"", L"", L"", L"", L"", many});
    std::vector<wchar_t> wide(8192);
    GetItemCategories(wide.data(), wide.size(), crowded);
    std::wstring names = wide.data();
    EXPECT_EQ(std::count(names.begin(), names.end(), L','), kMaxItemCategories - 1) << "at most 101 names";
    EXPECT_EQ(names.rfind(L"c1100"), names.size() - 5);

    LoadContactsCacheFromDatabase();  // reads every association at once
    for (int i = 0; i < ContactsCache.count; ++i) {
        const ContactCacheEntry& row = ContactsCache.rows[i];
        if (row.oid == crowded) {
            EXPECT_EQ(row.categories, names);
        }
        if (row.oid == item) {
            EXPECT_EQ(row.categories, third + L", " + seventh);
        }
    }
}

// An appointment in categories, so that other items' associations lie
// between the contacts'.
void AddAppointmentIn(const wchar_t* categories)
{
    IAppointment* item = nullptr;
    ASSERT_EQ(OutlookApp->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&item)), S_OK);
    item->put_Subject(poomclient::Text(L"회의"));
    item->put_Start(poomclient::Date(2007, 3, 1, 9, 0));
    item->put_End(poomclient::Date(2007, 3, 1, 10, 0));
    item->put_Categories(poomclient::Text(categories));
    EXPECT_EQ(item->Save(), S_OK);
    item->Release();
}

// The direct loader reads every association in one pass: each contact still
// gets its own names, in category-id order, none when it has none, whatever
// the items around it hold.
TEST_F(ContactsCacheTest, OnePassOverTheAssociationsGivesEachContactItsOwnNames)
{
    // Categories are numbered as first named: 가족, 회의 (the first
    // appointment), 친구, 동창, 거래처, 회사.
    const wchar_t* const kSets[] = {L"", L"가족", L"친구, 동창", L"거래처, 회사, 가족", L"동창", L"회사, 친구, 동창, 가족"};
    std::vector<CEOID> contacts;
    for (int i = 0; i < 36; ++i) {
        wchar_t last[8];
        _snwprintf(last, 8, L"c%02d", i);
        last[7] = L'\0';
        contacts.push_back(AddContact({last, L"", L"", L"", L"", L"", kSets[i % 6]}));
        if (i % 5 == 0)
            AddAppointmentIn(L"가족, 회의");
    }
    SetText(contacts[2], &IContact::put_Categories, L"회사");  // its first associations give way
    SetText(contacts[3], &IContact::put_Categories, L"");      // and these go
    LoadContactsCacheFromOutlook();
    std::map<CEOID, ContactCacheEntry> outlook = RowsById();
    LoadContactsCacheFromDatabase();
    std::map<CEOID, ContactCacheEntry> direct = RowsById();
    ASSERT_EQ(direct.size(), contacts.size());

    EXPECT_EQ(direct[contacts[0]].categories, L"");
    EXPECT_EQ(direct[contacts[1]].categories, L"가족");
    EXPECT_EQ(direct[contacts[2]].categories, L"회사");
    EXPECT_EQ(direct[contacts[3]].categories, L"");
    EXPECT_EQ(direct[contacts[5]].categories, L"가족, 친구, 동창, 회사");
    EXPECT_EQ(direct[contacts[35]].categories, L"가족, 친구, 동창, 회사");
    EXPECT_EQ(direct[contacts[9]].categories, L"가족, 거래처, 회사");
    for (CEOID oid : contacts) {
        SCOPED_TRACE(testing::Message() << "contact " << std::hex << oid);
        wchar_t one[256];
        GetItemCategories(one, 256, oid);
        EXPECT_EQ(direct[oid].categories, one) << "as the item's own lookup reads them";
        EXPECT_EQ(direct[oid].categories, outlook[oid].categories);
    }
}

// More contacts than the cache holds, written straight into the Contacts
// Database as a synchronisation would.
TEST_F(ContactsCacheTest, TheCacheStopsAtItsRows)
{
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(L"Contacts Database"),
                                        nullptr, 0, nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    for (int i = 0; i < kContactCacheRows + 1; ++i) {
        wchar_t name[16];
        _snwprintf(name, 16, L"c%05d", i);
        CEPROPVAL values[3] = {};
        values[0].propid = 0x0080001F;
        values[0].val.lpwstr = name;
        values[1].propid = 0x0084001F;
        values[1].val.lpwstr = name;
        values[2].propid = 0x10000066;
        ASSERT_NE(CeWriteRecordProps(db, 0, 3, values), 0u);
    }
    CloseHandle(db);
    LoadContactsCacheFromDatabase();
    EXPECT_EQ(ContactsCache.count, kContactCacheRows);
    EXPECT_EQ(ContactsCache.rows[kContactCacheRows - 1].name, L"c04999");
    LoadContactsCacheFromOutlook();
    EXPECT_EQ(ContactsCache.count, kContactCacheRows);
}

}  // namespace
}  // namespace contactstest
