// The columns of the four contact lists, by the list layout setting.
#pragma once

// Sets the four columns of each contact list that exists (ContactList,
// KeypadResultList, CompanyContactList, GroupContactList) and has the lists
// and their heading buttons redrawn.
void SetupContactListColumns();
