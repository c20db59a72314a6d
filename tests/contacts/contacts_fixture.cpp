#include "tests/contacts/contacts_fixture.h"

#include "core/outlook_probes.h"
#include "lists/company_address.h"
#include "lists/contacts_cache.h"
#include "platform/outlook/client_values.h"

namespace contactstest {

namespace {

const wchar_t* const kVolumeFiles[] = {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"};

void Put(IContact* contact, HRESULT (STDMETHODCALLTYPE IContact::*setter)(BSTR), const std::wstring& value)
{
    if (!value.empty()) {
        EXPECT_EQ((contact->*setter)(poomclient::Text(value)), S_OK);
    }
}

HWND MakeList(DWORD style, int columns)
{
    HWND parent = testkit::CreateTestWindow(false);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | style, 3, 34,
                                234, 105, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.cx = i == columns - 1 && columns > 1 ? 0 : 60;
        column.pszText = const_cast<LPWSTR>(L"");
        ListView_InsertColumn(list, i, &column);
    }
    return list;
}

}  // namespace

void DeviceContactsTest::SetUp()
{
    for (const wchar_t* file : kVolumeFiles)
        DeleteFileW(file);
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, 0)));
    ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                               reinterpret_cast<void**>(&OutlookApp)),
              S_OK);
    ASSERT_EQ(OutlookApp->Logon(0), S_OK);
    IFolder* folder = nullptr;  // makes the system databases
    ASSERT_EQ(OutlookApp->GetDefaultFolder(olFolderContacts, &folder), S_OK);
    folder->Release();
    DiaryVolume = CEGUID();
    ASSERT_TRUE(CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(L"\\pim.vol"), OPEN_ALWAYS));
    DiarySession = CeCreateSession(&DiaryVolume);
    ASSERT_NE(DiarySession, INVALID_HANDLE_VALUE);
    ContactsNameSortOrder = SORTORDERSPECEX();
    GetContactsNameSortOrder();
    Settings.ContactLoader = 0;
    for (OutlookWatchEntry& entry : OutlookWatchState)
        entry = OutlookWatchEntry();
}

void DeviceContactsTest::TearDown()
{
    ReleaseContactLoaderItems();
    ReleaseContactSearchItems();
    FreeContactsCacheTexts();
    CloseOutlookDatabases();
    if (OutlookApp) {
        OutlookApp->Logoff();
        OutlookApp->Release();
    }
    OutlookApp = nullptr;
    if (DiarySession && DiarySession != INVALID_HANDLE_VALUE)
        CloseHandle(DiarySession);
    DiarySession = nullptr;
    CeUnmountDBVol(&DiaryVolume);
    CoUninitialize();
}

CEOID DeviceContactsTest::AddContact(const NewContact& fields)
{
    IContact* contact = nullptr;
    EXPECT_EQ(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact)), S_OK);
    if (!contact)
        return 0;
    Put(contact, &IContact::put_LastName, fields.last);
    Put(contact, &IContact::put_FirstName, fields.first);
    Put(contact, &IContact::put_CompanyName, fields.company);
    Put(contact, &IContact::put_BusinessTelephoneNumber, fields.business);
    Put(contact, &IContact::put_MobileTelephoneNumber, fields.mobile);
    Put(contact, &IContact::put_HomeTelephoneNumber, fields.home);
    Put(contact, &IContact::put_Categories, fields.categories);
    Put(contact, &IContact::put_Department, fields.department);
    Put(contact, &IContact::put_JobTitle, fields.jobTitle);
    Put(contact, &IContact::put_BusinessAddressCity, fields.city);
    Put(contact, &IContact::put_BusinessAddressStreet, fields.street);
    Put(contact, &IContact::put_BusinessAddressState, fields.state);
    Put(contact, &IContact::put_BusinessAddressPostalCode, fields.postalCode);
    Put(contact, &IContact::put_BusinessFaxNumber, fields.fax);
    Put(contact, &IContact::put_Email1Address, fields.email);
    EXPECT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    contact->Release();
    return static_cast<CEOID>(oid);
}

void DeviceContactsTest::SetText(CEOID oid, HRESULT (STDMETHODCALLTYPE IContact::*setter)(BSTR),
                                 const std::wstring& text)
{
    IDispatch* item = nullptr;
    ASSERT_EQ(OutlookApp->GetItemFromOid(static_cast<long>(oid), &item), S_OK);
    IContact* contact = nullptr;
    ASSERT_EQ(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact)), S_OK);
    item->Release();
    EXPECT_EQ((contact->*setter)(poomclient::Text(text)), S_OK);
    EXPECT_EQ(contact->Save(), S_OK);
    contact->Release();
}

void SetCache(const std::vector<ContactCacheEntry>& rows)
{
    FreeContactsCacheTexts();
    int count = 0;
    for (const ContactCacheEntry& row : rows) {
        if (count == kContactCacheRows)
            break;
        ContactsCache.rows[count] = row;
        ContactOrder[count] = static_cast<uint16_t>(count);
        ++count;
    }
    ContactsCache.count = count;
}

ContactCacheEntry Row(CEOID oid, const std::wstring& name, const std::wstring& company, const std::wstring& mobile,
                      const std::wstring& shownPhone, const std::wstring& homePhone, const std::wstring& categories,
                      wchar_t phoneKind)
{
    ContactCacheEntry row;
    row.oid = oid;
    row.name = name;
    row.company = company;
    row.mobile = mobile;
    row.shownPhone = shownPhone;
    row.homePhone = homePhone;
    row.categories = categories;
    row.phoneKind = phoneKind;
    return row;
}

HWND MakeOwnerDataList()
{
    return MakeList(LVS_OWNERDATA, 4);
}

HWND MakePickList()
{
    return MakeList(LVS_SHOWSELALWAYS, 1);
}

void DestroyTestList(HWND list)
{
    if (list)
        DestroyWindow(GetParent(list));
}

}  // namespace contactstest
