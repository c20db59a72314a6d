#include "core/outlook_contact.h"

namespace {

using ContactTextGetter = HRESULT (STDMETHODCALLTYPE IContact::*)(BSTR*);

std::wstring TextOf(IContact* contact, ContactTextGetter getter)
{
    BSTR text = nullptr;
    std::wstring value;
    if (SUCCEEDED((contact->*getter)(&text)) && text)
        value.assign(text, SysStringLen(text));
    SysFreeString(text);
    return value;
}

}  // namespace

bool LoadOutlookContact(CEOID contactOid, OutlookContact* contact)
{
    *contact = OutlookContact();
    if (!OutlookApp || contactOid == 0)
        return false;
    IDispatch* item = nullptr;
    if (FAILED(OutlookApp->GetItemFromOid(static_cast<long>(contactOid), &item)) || !item)
        return false;
    IContact* found = nullptr;
    HRESULT result = item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&found));
    item->Release();
    if (FAILED(result) || !found)
        return false;
    const struct {
        std::wstring OutlookContact::*field;
        ContactTextGetter getter;
    } kFields[] = {
        {&OutlookContact::lastName, &IContact::get_LastName},
        {&OutlookContact::firstName, &IContact::get_FirstName},
        {&OutlookContact::company, &IContact::get_CompanyName},
        {&OutlookContact::department, &IContact::get_Department},
        {&OutlookContact::jobTitle, &IContact::get_JobTitle},
        {&OutlookContact::officeLocation, &IContact::get_OfficeLocation},
        {&OutlookContact::yomiLastName, &IContact::get_YomiLastName},
        {&OutlookContact::yomiFirstName, &IContact::get_YomiFirstName},
        {&OutlookContact::mobileNumber, &IContact::get_MobileTelephoneNumber},
        {&OutlookContact::businessNumber, &IContact::get_BusinessTelephoneNumber},
        {&OutlookContact::homeNumber, &IContact::get_HomeTelephoneNumber},
        {&OutlookContact::email, &IContact::get_Email1Address},
    };
    for (const auto& field : kFields)
        contact->*field.field = TextOf(found, field.getter);
    found->Release();
    return true;
}
