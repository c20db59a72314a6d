// The selected contact as the contact lists set it: its id and the texts
// the dial, mail and message commands read.
#pragma once

#include "lists/state.h"

// Takes the row as the selected contact: SelectedContactOid, its name, and
// the dial digits of its mobile and shown phone in ContactDialInfo. A null
// row selects nothing and empties those texts.
void SelectCachedContact(const ContactCacheEntry* row);
