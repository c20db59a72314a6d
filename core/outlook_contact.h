// One Pocket Outlook contact's name parts, numbers and e-mail address, read
// through OutlookApp for a card that shows them.
#pragma once

#include "core/state.h"

#include <string>

struct OutlookContact {
    std::wstring lastName;
    std::wstring firstName;
    std::wstring company;
    std::wstring department;
    std::wstring jobTitle;
    std::wstring officeLocation;
    std::wstring yomiLastName;
    std::wstring yomiFirstName;
    std::wstring mobileNumber;
    std::wstring businessNumber;
    std::wstring homeNumber;
    std::wstring email;
    // Last name followed directly by first name.
    std::wstring DisplayName() const { return lastName + firstName; }
};

// False, with the record emptied, when there is no such contact.
bool LoadOutlookContact(CEOID contactOid, OutlookContact* contact);
