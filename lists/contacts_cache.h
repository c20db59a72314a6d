// The contacts cache: every contact read once into ContactsCache, either
// straight from the Contacts Database or through Pocket Outlook.
#pragma once

#include "lists/state.h"

// Widths of the direct reader's working copies, terminator included.
constexpr int kDirectNameChars = 50;
constexpr int kDirectHomePhoneChars = 41;
// The Pocket Outlook reader joins names in a wider buffer.
constexpr int kOutlookNameChars = 255;

// Loads by the setting ContactLoader: 0 the direct reader, else Pocket Outlook.
void ReloadContactsCache();
void LoadContactsCacheFromDatabase();
void LoadContactsCacheFromOutlook();

// Frees the texts of every row and empties the table.
void FreeContactsCacheTexts();
// Releases the collection the Pocket Outlook reader keeps.
void ReleaseContactLoaderItems();
