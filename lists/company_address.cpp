#include "lists/company_address.h"

#include "core/contact_names.h"
#include "core/wait_cursor.h"
#include "platform/outlook/client_values.h"

#include <strsafe.h>

IPOutlookItemCollection* ContactSearchItems = nullptr;

namespace {

constexpr int kCompanyChars = 100;
constexpr wchar_t kUpdateQuestion[] = L"최신 회사주소로 주소자료를 변경 하시겠습니까?";
constexpr wchar_t kConfirmCaption[] = L"확인";

// One address control with the room the editor reads it back in.
struct AddressField {
    int control;
    int readChars;
    HRESULT (STDMETHODCALLTYPE IContact::*getter)(BSTR*);
};
const AddressField kAddressFields[] = {
    {kEditorPostalCode, 27, &IContact::get_BusinessAddressPostalCode},
    {kEditorState, 80, &IContact::get_BusinessAddressState},
    {kEditorCity, 80, &IContact::get_BusinessAddressCity},
    {kEditorStreet, 80, &IContact::get_BusinessAddressStreet},
    {kEditorFax, 40, &IContact::get_BusinessFaxNumber},
};
constexpr int kAddressFieldCount = ARRAYSIZE(kAddressFields);

using CompanyAddress = std::wstring[kAddressFieldCount];

// Keeps the company's contacts in ContactSearchItems; false when the
// restriction could not be made.
bool RestrictToCompany(const wchar_t* company)
{
    ReleaseContactSearchItems();
    IFolder* folder = nullptr;
    if (!OutlookApp || FAILED(OutlookApp->GetDefaultFolder(olFolderContacts, &folder)) || !folder)
        return false;
    IPOutlookItemCollection* items = nullptr;
    if (SUCCEEDED(folder->get_Items(&items)) && items) {
        IPOutlookItemCollection* restricted = nullptr;
        if (SUCCEEDED(items->Restrict(poomclient::Text(CompanyRestriction(company)), &restricted)))
            ContactSearchItems = restricted;
        items->Release();
    }
    folder->Release();
    return ContactSearchItems != nullptr;
}

// The address of the last contact of the company that has a business city.
bool FindCompanyAddress(const wchar_t* company, CompanyAddress& address)
{
    if (!RestrictToCompany(company))
        return false;
    int count = 0;
    ContactSearchItems->get_Count(&count);
    bool found = false;
    for (int position = 1; position <= count; ++position) {
        IDispatch* item = nullptr;
        if (FAILED(ContactSearchItems->Item(position, &item)) || !item)
            continue;
        IContact* contact = nullptr;
        if (SUCCEEDED(item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact))) && contact) {
            if (!ReadContactText(contact, &IContact::get_BusinessAddressCity).empty()) {
                for (int i = 0; i < kAddressFieldCount; ++i)
                    address[i] = ReadContactText(contact, kAddressFields[i].getter);
                found = true;
            }
            contact->Release();
        }
        item->Release();
    }
    return found;
}

void WriteAddress(HWND dialog, const CompanyAddress& address)
{
    for (int i = 0; i < kAddressFieldCount; ++i)
        SetDlgItemTextW(dialog, kAddressFields[i].control, address[i].c_str());
}

bool AddressControlsEmpty(HWND dialog)
{
    for (const AddressField& field : kAddressFields) {
        wchar_t text[81] = L"";
        GetDlgItemTextW(dialog, field.control, text, field.readChars + 1);
        if (text[0])
            return false;
    }
    return true;
}

}  // namespace

std::wstring CompanyRestriction(const wchar_t* company)
{
    std::wstring query = L"[CompanyName] = \"";
    for (const wchar_t* c = company; *c; ++c) {
        query += *c;
        if (*c == L'"')
            query += L'"';
    }
    query += L'"';
    return query;
}

void ReleaseContactSearchItems()
{
    if (ContactSearchItems)
        ContactSearchItems->Release();
    ContactSearchItems = nullptr;
}

void UpdateAddressFromCompany(HWND dialog, const wchar_t* company)
{
    wchar_t trimmed[kCompanyChars];
    StringCchCopyW(trimmed, kCompanyChars, company ? company : L"");
    if (!TrimBlanks(trimmed)[0])
        return;
    WaitCursor wait;
    CompanyAddress address;
    if (!FindCompanyAddress(company, address))
        return;
    if (AddressControlsEmpty(dialog)) {
        WriteAddress(dialog, address);
        return;
    }
    if (MessageBoxW(dialog, kUpdateQuestion, kConfirmCaption, MB_YESNO) == IDYES)
        WriteAddress(dialog, address);
    SetFocus(GetDlgItem(dialog, kEditorSaveButton));
}

void PrefillAddressFromCompany(HWND dialog, const wchar_t* company)
{
    WaitCursor wait;
    CompanyAddress address;
    if (FindCompanyAddress(company ? company : L"", address))
        WriteAddress(dialog, address);
}
