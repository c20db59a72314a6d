// The columns of the four contact lists, by the list layout setting.
#pragma once

// Sets the four columns of each contact list that exists (ContactList,
// KeypadResultList, CompanyContactList, GroupContactList).
void SetupContactListColumns();
