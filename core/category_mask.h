// Category names of a contact in the Windows CE 3.0 builds: the contact
// holds a bit mask, bit i standing for category number i of the object
// store's "\Categories Database".
#pragma once

#include "platform/ce.h"

// The contact record's property with the mask (size and bytes).
constexpr CEPROPID kContactCategoryMask = 0x00160041;
// Only the first 15 bytes of a mask are read (categories 0 to 119).
constexpr DWORD kCategoryMaskBytesRead = 15;

// Writes the names of the categories whose bits are set, in number order,
// joined with ", ", into text (textChars with the terminator); the empty
// text for no bytes. A bit whose number has no category adds nothing; when
// the database cannot be opened the walk ends with what was found. Only
// whole names that fit are taken.
void LookupCategoryNamesByMask(LPWSTR text, size_t textChars, DWORD byteCount, const BYTE* maskBytes);
