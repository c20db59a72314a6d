// A Pocket Outlook contact's display name, read through OutlookApp.
#pragma once

#include "core/state.h"

#include <string>

// Last name followed directly by first name (the first name alone when the
// last name is empty), cut to nameChars and terminated. False, with the
// empty text, when the contact cannot be read.
bool ReadContactDisplayName(CEOID contactOid, LPWSTR nameOut, size_t nameChars);

// A text property of a contact by its getter; the empty text when it has none.
std::wstring ReadContactText(IContact* contact, HRESULT (STDMETHODCALLTYPE IContact::*getter)(BSTR*));
