// Contacts: every property through Save and back, the Contacts Database
// record the direct readers see, categories in both builds' databases,
// ids, the property-item form and Display.
#include "tests/outlook/poom_fixture.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

using namespace poomtest;

namespace {

using Getter = HRESULT (STDMETHODCALLTYPE IContact::*)(BSTR*);
using Putter = HRESULT (STDMETHODCALLTYPE IContact::*)(BSTR);

struct TextProperty {
    const char* name;
    Putter put;
    Getter get;
};

#define CONTACT_TEXT(Name) {#Name, &IContact::put_##Name, &IContact::get_##Name},
const TextProperty kTextProperties[] = {POOM_CONTACT_TEXT_PROPERTIES(CONTACT_TEXT)};
#undef CONTACT_TEXT

std::wstring LongKorean(size_t length)
{
    std::wstring text;
    for (size_t i = 0; i < length; ++i)
        text += static_cast<wchar_t>(0xAC00 + i % 11172);
    return text;
}

// A value for each property, different for each, in the given flavour.
std::wstring ValueFor(size_t index, int flavour)
{
    switch (flavour) {
    case 0: return L"값" + std::to_wstring(index) + L" 한글 텍스트";
    case 1: return L"";
    default: return LongKorean(1000 + index);
    }
}

class ContactTest : public PoomTest {
protected:
    Ref<IContact> Reload(long oid)
    {
        Ref<IContact> contact;
        EXPECT_EQ(app_->GetItemFromOid(oid, contact.AsDispatch()), S_OK);
        return contact;
    }
};

TEST_F(ContactTest, EveryTextPropertySurvivesSave)
{
    for (int flavour = 0; flavour < 3; ++flavour) {
        SCOPED_TRACE(flavour == 0 ? "Korean" : flavour == 1 ? "empty" : "long");
        Ref<IContact> contact = NewContact();
        for (size_t i = 0; i < std::size(kTextProperties); ++i)
            ASSERT_EQ((contact.Get()->*kTextProperties[i].put)(Text(ValueFor(i, flavour))), S_OK);
        ASSERT_EQ(contact->Save(), S_OK);
        long oid = 0;
        contact->get_Oid(&oid);
        Ref<IContact> back = Reload(oid);
        ASSERT_TRUE(back);
        for (size_t i = 0; i < std::size(kTextProperties); ++i) {
            SCOPED_TRACE(kTextProperties[i].name);
            BSTR value = nullptr;
            ASSERT_EQ((back.Get()->*kTextProperties[i].get)(&value), S_OK);
            std::wstring expected = ValueFor(i, flavour);
            if (std::string(kTextProperties[i].name) == "FileAs" && expected.empty())
                continue;  // an empty FileAs is filled in; see FileAsDefaults
            if (std::string(kTextProperties[i].name) == "Categories" && flavour == 2)
                continue;  // a category name is one text; see the category tests
            EXPECT_EQ(Take(value), expected);
        }
    }
}

TEST_F(ContactTest, DatesAndNoDate)
{
    Ref<IContact> contact = NewContact();
    DATE date = 0;
    contact->get_Birthday(&date);
    EXPECT_EQ(DateText(date), L"4501-01-01 00:00");  // no date, as the form loader expects
    contact->put_Birthday(Date(1990, 2, 28));
    contact->put_Anniversary(Date(2015, 10, 3));
    contact->put_LastName(Text(L"최"));
    ASSERT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    Ref<IContact> back = Reload(oid);
    back->get_Birthday(&date);
    EXPECT_EQ(DateText(date), L"1990-02-28 00:00");
    back->get_Anniversary(&date);
    EXPECT_EQ(DateText(date), L"2015-10-03 00:00");
    back->put_Birthday(949998.0);  // 4501-01-01 clears it
    ASSERT_EQ(back->Save(), S_OK);
    Ref<IContact> again = Reload(oid);
    again->get_Birthday(&date);
    EXPECT_EQ(DateText(date), L"4501-01-01 00:00");
    EXPECT_EQ(RecordOf(L"Contacts Database", static_cast<CEOID>(oid)).Find(MAKEPROPID(0x00F0, CEVT_FILETIME)),
              nullptr);
}

TEST_F(ContactTest, TheDatabaseRecordCarriesWhatTheGettersReturn)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"김"));
    contact->put_FirstName(Text(L"철수"));
    contact->put_FileAs(Text(L"김철수"));
    contact->put_CompanyName(Text(L"한빛상사"));
    contact->put_Department(Text(L"영업부"));
    contact->put_JobTitle(Text(L"과장"));
    contact->put_BusinessTelephoneNumber(Text(L"02-123-4567"));
    contact->put_HomeTelephoneNumber(Text(L"031-765-4321"));
    contact->put_MobileTelephoneNumber(Text(L"010-1234-5678"));
    contact->put_Categories(Text(L"거래처"));
    ASSERT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    StoredRecord record = RecordOf(L"Contacts Database", static_cast<CEOID>(oid));
    ASSERT_EQ(record.oid, static_cast<CEOID>(oid));
    const std::map<CEPROPID, Getter> direct = {
        {0x0080001F, &IContact::get_FileAs},
        {0x0084001F, &IContact::get_LastName},
        {0x0082001F, &IContact::get_FirstName},
        {0x008A001F, &IContact::get_CompanyName},
        {0x008B001F, &IContact::get_Department},
        {0x008C001F, &IContact::get_JobTitle},
        {0x0097001F, &IContact::get_BusinessTelephoneNumber},
        {0x0099001F, &IContact::get_HomeTelephoneNumber},
        {0x0096001F, &IContact::get_MobileTelephoneNumber},
    };
    for (const auto& [prop, get] : direct) {
        SCOPED_TRACE(testing::Message() << std::hex << prop);
        const StoredValue* value = record.Find(prop);
        ASSERT_NE(value, nullptr);
        BSTR text = nullptr;
        (contact.Get()->*get)(&text);
        EXPECT_EQ(value->text, Take(text));
    }
    const StoredValue* number = record.Find(0x10000066);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(static_cast<CEOID>(oid), 0x80000000u + static_cast<CEOID>(number->number));
    ASSERT_NE(record.Find(0x200F0012), nullptr);
    // Properties a contact lacks are missing from the record, as the
    // direct reader's defaults expect.
    Ref<IContact> bare = NewContact();
    bare->put_LastName(Text(L"이"));
    bare->put_HomeTelephoneNumber(Text(L"051-000-0000"));
    ASSERT_EQ(bare->Save(), S_OK);
    bare->get_Oid(&oid);
    StoredRecord bareRecord = RecordOf(L"Contacts Database", static_cast<CEOID>(oid));
    EXPECT_EQ(bareRecord.Find(0x008A001F), nullptr);
    EXPECT_EQ(bareRecord.Find(0x0097001F), nullptr);
    EXPECT_EQ(bareRecord.Find(0x200F0012), nullptr);
    EXPECT_EQ(bareRecord.Find(0x0082001F), nullptr);
}

TEST_F(ContactTest, TheNameSortOrderComesFirst)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"정"));
    ASSERT_EQ(contact->Save(), S_OK);
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_ALWAYS));
    CEOID db = 0;
    wchar_t name[] = L"Contacts Database";
    HANDLE handle = CeOpenDatabaseEx2(&volume, &db, name, nullptr, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    ASSERT_TRUE(CeOidGetInfoEx2(&volume, db, &info));
    ASSERT_GE(info.infDatabase.wNumSortOrder, 1);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].rgPropID[0], 0x0080001Fu);
    EXPECT_TRUE(info.infDatabase.rgSortSpecs[0].rgdwFlags[0] & CEDB_SORT_CASEINSENSITIVE);
    CeUnmountDBVol(&volume);
}

TEST_F(ContactTest, FileAsDefaults)
{
    struct Case {
        const wchar_t *last, *first, *company, *email, *expected;
    };
    const Case cases[] = {
        {L"홍", L"길동", L"", L"", L"홍길동"},
        {L"", L"", L"무지개", L"", L"무지개"},
        {L"", L"", L"", L"a@b.kr", L"a@b.kr"},
    };
    for (const Case& c : cases) {
        Ref<IContact> contact = NewContact();
        contact->put_LastName(Text(c.last));
        contact->put_FirstName(Text(c.first));
        contact->put_CompanyName(Text(c.company));
        contact->put_Email1Address(Text(c.email));
        ASSERT_EQ(contact->Save(), S_OK);
        BSTR fileAs = nullptr;
        contact->get_FileAs(&fileAs);
        EXPECT_EQ(Take(fileAs), c.expected);
    }
}

// The categories of an item as the newer build's direct reader finds them:
// its associations in category-id order, then the names.
std::wstring CategoriesFromDatabases(PoomTest& test, std::vector<StoredRecord> (PoomTest::*records)(const wchar_t*),
                                     CEOID item)
{
    std::vector<long long> ids;
    for (const StoredRecord& assoc : (test.*records)(L"CategoryAssocDB")) {
        if (assoc.Find(0x00010013) && static_cast<CEOID>(assoc.Find(0x00010013)->number) == item)
            ids.push_back(assoc.Find(0x00020003)->number);
    }
    std::sort(ids.begin(), ids.end());
    std::map<long long, std::wstring> names;
    for (const StoredRecord& category : (test.*records)(L"CategoryMainDB"))
        names[category.Find(0x00010066)->number] = category.Find(0x0002001F)->text;
    std::wstring text;
    for (long long id : ids)
        text += (text.empty() ? L"" : L", ") + names[id];
    return text;
}

class CategoryTest : public ContactTest {
public:
    using PoomTest::Records;
};

TEST_F(CategoryTest, CategoriesLiveInTheCategoryDatabases)
{
    Ref<IContact> first = NewContact();
    first->put_LastName(Text(L"가"));
    first->put_Categories(Text(L"친구"));
    ASSERT_EQ(first->Save(), S_OK);
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"나"));
    contact->put_Categories(Text(L"가족, 친구 ,, 가족"));  // blanks, empties and repeats go
    ASSERT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    BSTR categories = nullptr;
    contact->get_Categories(&categories);
    // In category order: "친구" came first.
    EXPECT_EQ(Take(categories), L"친구, 가족");
    EXPECT_EQ(CategoriesFromDatabases(*this, &CategoryTest::Records, static_cast<CEOID>(oid)), L"친구, 가족");
    EXPECT_EQ(RecordCount(L"CategoryMainDB"), 2u);
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 3u);
    EXPECT_EQ(RecordOf(L"Contacts Database", static_cast<CEOID>(oid)).Find(0x200F0012)->number, 2);
    // An existing category is found again whatever its case.
    contact->put_Categories(Text(L"VIP, 친구"));
    ASSERT_EQ(contact->Save(), S_OK);
    contact->put_Categories(Text(L"vip"));
    ASSERT_EQ(contact->Save(), S_OK);
    contact->get_Categories(&categories);
    EXPECT_EQ(Take(categories), L"VIP");
    EXPECT_EQ(RecordCount(L"CategoryMainDB"), 3u);
    EXPECT_EQ(CategoriesFromDatabases(*this, &CategoryTest::Records, static_cast<CEOID>(oid)), L"VIP");
    // Deleting the item removes its associations, not the categories.
    ASSERT_EQ(contact->Delete(), S_OK);
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 1u);
    EXPECT_EQ(RecordCount(L"CategoryMainDB"), 3u);
}

// Deletes a database of "\pim.vol" underneath the object model, as a
// restore or another program may.
void DeletePimDatabase(const wchar_t* name)
{
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_EXISTING));
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx2(&volume, &oid, const_cast<LPWSTR>(name), nullptr, 0, nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    CloseHandle(db);
    EXPECT_TRUE(CeDeleteDatabaseEx(&volume, oid));
    CeUnmountDBVol(&volume);
}

// Adds a category to "CategoryMainDB" straight, as another program would.
void AddCategoryRow(const wchar_t* name)
{
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_EXISTING));
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx2(&volume, &oid, const_cast<LPWSTR>(L"CategoryMainDB"), nullptr, 0, nullptr);
    ASSERT_NE(db, INVALID_HANDLE_VALUE);
    CEPROPVAL values[2] = {};
    values[0].propid = MAKEPROPID(1, CEVT_AUTO_I4);
    values[1].propid = MAKEPROPID(2, CEVT_LPWSTR);
    values[1].val.lpwstr = const_cast<LPWSTR>(name);
    EXPECT_NE(CeWriteRecordProps(db, 0, 2, values), 0u);
    CloseHandle(db);
    CeUnmountDBVol(&volume);
}

TEST_F(CategoryTest, ACategoryAddedBetweenSavesIsFoundNotMadeTwice)
{
    Ref<IContact> first = NewContact();
    first->put_LastName(Text(L"가"));
    first->put_Categories(Text(L"친구"));
    ASSERT_EQ(first->Save(), S_OK);
    AddCategoryRow(L"가족");
    Ref<IContact> second = NewContact();
    second->put_LastName(Text(L"나"));
    second->put_Categories(Text(L"친구, 가족"));
    ASSERT_EQ(second->Save(), S_OK);
    long oid = 0;
    second->get_Oid(&oid);
    EXPECT_EQ(RecordCount(L"CategoryMainDB"), 2u);
    EXPECT_EQ(CategoriesFromDatabases(*this, &CategoryTest::Records, static_cast<CEOID>(oid)), L"친구, 가족");
}

TEST_F(CategoryTest, CategoryDatabasesDeletedBetweenSavesAreMadeAgain)
{
    Ref<IContact> first = NewContact();
    first->put_LastName(Text(L"가"));
    first->put_Categories(Text(L"친구"));
    ASSERT_EQ(first->Save(), S_OK);
    DeletePimDatabase(L"CategoryMainDB");
    DeletePimDatabase(L"CategoryAssocDB");
    Ref<IContact> second = NewContact();
    second->put_LastName(Text(L"나"));
    second->put_Categories(Text(L"가족, 친구"));
    ASSERT_EQ(second->Save(), S_OK);
    long oid = 0;
    second->get_Oid(&oid);
    EXPECT_EQ(CategoriesFromDatabases(*this, &CategoryTest::Records, static_cast<CEOID>(oid)), L"가족, 친구");
    EXPECT_EQ(RecordCount(L"CategoryMainDB"), 2u);
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 2u);
    // An update finds the new databases too: its old rows went with the old ones.
    long firstOid = 0;
    first->get_Oid(&firstOid);
    first->put_Categories(Text(L"친구, 동창"));
    ASSERT_EQ(first->Save(), S_OK);
    EXPECT_EQ(CategoriesFromDatabases(*this, &CategoryTest::Records, static_cast<CEOID>(firstOid)), L"친구, 동창");
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 4u);
    // And a delete forgets its rows in them.
    DeletePimDatabase(L"CategoryAssocDB");
    second->put_Categories(Text(L"가족"));
    ASSERT_EQ(second->Save(), S_OK);
    ASSERT_EQ(second->Delete(), S_OK);
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 0u);
}

// The older build's reader: bit i of the contact's blob names category
// number i of "\Categories Database".
std::wstring CategoriesByMask(PoomTest& test, std::vector<StoredRecord> (PoomTest::*records)(const wchar_t*),
                              const std::vector<BYTE>& mask)
{
    std::map<long long, std::wstring> names;
    for (const StoredRecord& category : (test.*records)(L"\\Categories Database"))
        names[category.Find(0x40020002)->number] = category.Find(0x4001001F)->text;
    std::wstring text;
    for (size_t bit = 0; bit < std::min<size_t>(mask.size(), 15) * 8; ++bit) {
        if (mask[bit / 8] & (1 << (bit % 8)))
            text += (text.empty() ? L"" : L", ") + names[static_cast<long long>(bit)];
    }
    return text;
}

TEST_F(CategoryTest, TheOlderBuildKeepsAMaskAndTheCategoriesDatabase)
{
    PoseAsVersion(3);
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"박"));
    contact->put_Categories(Text(L"업무, 가족"));
    ASSERT_EQ(contact->Save(), S_OK);
    Ref<IContact> other = NewContact();
    other->put_LastName(Text(L"백"));
    other->put_Categories(Text(L"가족, 동창"));
    ASSERT_EQ(other->Save(), S_OK);
    long oid = 0;
    other->get_Oid(&oid);
    // Everything is in the object store.
    StoredRecord record = RecordOf(L"Contacts Database", static_cast<CEOID>(oid));
    ASSERT_EQ(record.oid, static_cast<CEOID>(oid));
    const StoredValue* mask = record.Find(0x00160041);
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->bytes, std::vector<BYTE>{0x06});  // numbers 1 and 2
    EXPECT_EQ(CategoriesByMask(*this, &CategoryTest::Records, mask->bytes), L"가족, 동창");
    EXPECT_EQ(RecordCount(L"\\Categories Database"), 3u);
    EXPECT_EQ(RecordCount(L"CategoryAssocDB"), 0u);
    BSTR categories = nullptr;
    other->get_Categories(&categories);
    EXPECT_EQ(Take(categories), L"가족, 동창");
    // Clearing them removes the mask.
    other->put_Categories(Text(L""));
    ASSERT_EQ(other->Save(), S_OK);
    EXPECT_EQ(RecordOf(L"Contacts Database", static_cast<CEOID>(oid)).Find(0x00160041), nullptr);
    // And "\pim.vol" was never made.
    EXPECT_FALSE(testkit::FileExists(L"\\pim.vol"));
}

TEST_F(ContactTest, IdsCountsAndDeletes)
{
    Ref<IContact> contact = NewContact();
    long oid = -1;
    contact->get_Oid(&oid);
    EXPECT_EQ(oid, 0);
    contact->put_LastName(Text(L"유"));
    ASSERT_EQ(contact->Save(), S_OK);
    EXPECT_EQ(RecordCount(L"Contacts Database"), 1u);
    contact->get_Oid(&oid);
    EXPECT_LT(oid, 0);  // contacts' ids have the high bit
    long again = 0;
    ASSERT_EQ(contact->Save(), S_OK);
    contact->get_Oid(&again);
    EXPECT_EQ(again, oid);
    EXPECT_EQ(RecordCount(L"Contacts Database"), 1u);
    ASSERT_EQ(contact->Delete(), S_OK);
    EXPECT_EQ(RecordCount(L"Contacts Database"), 0u);
    Ref<IContact> gone;
    EXPECT_NE(app_->GetItemFromOid(oid, gone.AsDispatch()), S_OK);
    EXPECT_FALSE(gone);
    EXPECT_NE(app_->GetItemFromOid(0x7654321, gone.AsDispatch()), S_OK);
    // Saved again it is a new record with a new id.
    ASSERT_EQ(contact->Save(), S_OK);
    contact->get_Oid(&again);
    EXPECT_NE(again, oid);
    EXPECT_NE(again, 0);
}

TEST_F(ContactTest, PropertyItemForm)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"서"));
    ASSERT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    Ref<IPOutlookApp2> app2;
    ASSERT_EQ(app_->QueryInterface(IID_IPOutlookApp2, reinterpret_cast<void**>(app2.Out())), S_OK);
    Ref<IItem> item;
    ASSERT_EQ(app2->GetItemFromOidEx(static_cast<ULONG>(oid), 0, item.Out()), S_OK);
    // An extended property, set and read back.
    CEPROPVAL account = {};
    account.propid = 0x00AB001F;
    account.val.lpwstr = const_cast<LPWSTR>(L"계정-01");
    ASSERT_EQ(item->SetProps(0, 1, &account), S_OK);
    // A picture, through a stream.
    std::vector<BYTE> picture(70000);
    for (size_t i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<BYTE>(i * 7);
    Ref<IStream> out;
    ASSERT_EQ(item->OpenProperty(0x00FF0064, GENERIC_WRITE, out.Out()), S_OK);
    ULARGE_INTEGER size;
    size.QuadPart = picture.size();
    ASSERT_EQ(out->SetSize(size), S_OK);
    ULONG written = 0;
    ASSERT_EQ(out->Write(picture.data(), static_cast<ULONG>(picture.size()), &written), S_OK);
    ASSERT_EQ(out->Commit(0), S_OK);
    out.Reset();
    ASSERT_EQ(item->Save(), S_OK);
    item.Reset();

    ASSERT_EQ(app2->GetItemFromOidEx(static_cast<ULONG>(oid), 0, item.Out()), S_OK);
    const CEPROPID ids[] = {0x0084001F, 0x00AB001F, 0x00A0001F};
    CEPROPVAL* values = nullptr;
    ULONG bytes = 0;
    ASSERT_EQ(item->GetProps(ids, CEDB_ALLOWREALLOC, 3, &values, &bytes, nullptr), S_OK);
    EXPECT_STREQ(values[0].val.lpwstr, L"서");
    EXPECT_STREQ(values[1].val.lpwstr, L"계정-01");
    EXPECT_EQ(values[1].wFlags & CEDB_PROPNOTFOUND, 0);
    EXPECT_EQ(values[2].wFlags & CEDB_PROPNOTFOUND, CEDB_PROPNOTFOUND);
    LocalFree(values);
    // Too small a buffer without leave to grow it says how much is needed.
    CEPROPVAL small[1] = {};
    CEPROPVAL* smallPointer = small;
    ULONG smallBytes = sizeof(small);
    EXPECT_EQ(item->GetProps(ids, 0, 3, &smallPointer, &smallBytes, nullptr),
              HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_GT(smallBytes, sizeof(small));

    Ref<IStream> in;
    ASSERT_EQ(item->OpenProperty(0x00FF0064, GENERIC_READ, in.Out()), S_OK);
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER end = {};
    ASSERT_EQ(in->Seek(zero, STREAM_SEEK_END, &end), S_OK);
    EXPECT_EQ(end.QuadPart, picture.size());
    ASSERT_EQ(in->Seek(zero, STREAM_SEEK_SET, nullptr), S_OK);
    std::vector<BYTE> read(picture.size());
    ULONG got = 0;
    ASSERT_EQ(in->Read(read.data(), static_cast<ULONG>(read.size()), &got), S_OK);
    EXPECT_EQ(got, picture.size());
    EXPECT_EQ(read, picture);
    EXPECT_EQ(in->Write(read.data(), 1, nullptr), STG_E_ACCESSDENIED);
    Ref<IStream> missing;
    EXPECT_NE(item->OpenProperty(0x00FE0064, GENERIC_READ, missing.Out()), S_OK);
    EXPECT_EQ(item->OpenProperty(0x00AB001F, GENERIC_READ, missing.Out()), E_INVALIDARG);
}

TEST_F(ContactTest, DisplayStartsTheFormAndReturnsAtOnce)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(L"윤"));
    ASSERT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    DWORD before = GetTickCount();
    ASSERT_EQ(contact->Display(), S_OK);
    EXPECT_LT(GetTickCount() - before, 2000u);
    Ref<IContact> fresh = NewContact();
    ASSERT_EQ(fresh->Display(), S_OK);
    EXPECT_TRUE(testkit::PumpUntil([] { return FormRequests().size() == 2; }, 10000));
    std::vector<std::wstring> requests = FormRequests();
    ASSERT_EQ(requests.size(), 2u);
    std::sort(requests.begin(), requests.end());
    std::wstring saved = L"/kind contact /oid " + std::to_wstring(static_cast<unsigned long>(oid));
    EXPECT_TRUE(requests[0].find(L"/kind contact /oid 0") != std::wstring::npos ||
                requests[1].find(L"/kind contact /oid 0") != std::wstring::npos);
    EXPECT_TRUE(requests[0].find(saved) != std::wstring::npos || requests[1].find(saved) != std::wstring::npos);
}

}  // namespace
