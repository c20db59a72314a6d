#include "core/outlook_writers.h"

#include "core/outlook_items.h"
#include "core/outlook_probes.h"

#include <string>

namespace {

constexpr int32_t kSeparateNameParts = 2;

struct ContactFields {
    LPCWSTR name, lastName, company, department, jobTitle, group, postalCode, state, city, street, businessPhone,
        fax, mobilePhone, email, homePhone;
};

void WriteContact(IContact* contact, const ContactFields& f)
{
    contact->put_FirstName(TextArg(f.name));
    if (Settings.ContactNameParts == kSeparateNameParts) {
        contact->put_LastName(TextArg(f.lastName));
        contact->put_FileAs(TextArg((std::wstring(f.lastName ? f.lastName : L"") + (f.name ? f.name : L"")).c_str()));
    } else {
        contact->put_LastName(TextArg(L""));
        contact->put_FileAs(TextArg(f.name));
    }
    contact->put_CompanyName(TextArg(f.company));
    contact->put_Department(TextArg(f.department));
    contact->put_JobTitle(TextArg(f.jobTitle));
    contact->put_BusinessTelephoneNumber(TextArg(f.businessPhone));
    contact->put_HomeTelephoneNumber(TextArg(f.homePhone));
    contact->put_BusinessFaxNumber(TextArg(f.fax));
    contact->put_MobileTelephoneNumber(TextArg(f.mobilePhone));
    contact->put_Email1Address(TextArg(f.email));
    contact->put_Categories(TextArg(f.group));
    contact->put_BusinessAddressPostalCode(TextArg(f.postalCode));
    contact->put_BusinessAddressState(TextArg(f.state));
    contact->put_BusinessAddressCity(TextArg(f.city));
    contact->put_BusinessAddressStreet(TextArg(f.street));
}

CEOID SaveContact(IContact* contact)
{
    if (FAILED(contact->Save()))
        return 0;
    MarkContactsDatabaseSeen();
    return OidOf(contact);
}

}  // namespace

CEOID AddOutlookContact(LPCWSTR name, LPCWSTR lastName, LPCWSTR company, LPCWSTR department, LPCWSTR jobTitle,
                        LPCWSTR group, LPCWSTR postalCode, LPCWSTR state, LPCWSTR city, LPCWSTR street,
                        LPCWSTR businessPhone, LPCWSTR fax, LPCWSTR mobilePhone, LPCWSTR email, LPCWSTR homePhone)
{
    ComRef<IContact> contact = NewContactItem();
    if (!contact)
        return 0;
    WriteContact(contact.Get(), {name, lastName, company, department, jobTitle, group, postalCode, state, city, street,
                                 businessPhone, fax, mobilePhone, email, homePhone});
    return SaveContact(contact.Get());
}

CEOID UpdateOutlookContact(LPCWSTR name, LPCWSTR lastName, LPCWSTR company, LPCWSTR department, LPCWSTR jobTitle,
                           LPCWSTR group, LPCWSTR postalCode, LPCWSTR state, LPCWSTR city, LPCWSTR street,
                           LPCWSTR businessPhone, LPCWSTR fax, LPCWSTR mobilePhone, LPCWSTR email, LPCWSTR homePhone,
                           CEOID contactOid)
{
    ComRef<IContact> contact = ContactFromOid(contactOid);
    if (!contact)
        return 0;
    WriteContact(contact.Get(), {name, lastName, company, department, jobTitle, group, postalCode, state, city, street,
                                 businessPhone, fax, mobilePhone, email, homePhone});
    return SaveContact(contact.Get());
}
