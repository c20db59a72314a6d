// The texts the owner-data contact lists show for a cache row.
#pragma once

#include "lists/state.h"

// Columns of the four contact lists; the last one holds the id and is hidden.
constexpr int kContactNameColumn = 0;
constexpr int kContactPhoneColumn = 1;
constexpr int kContactKindColumn = 2;
constexpr int kContactIdColumn = 3;
// Setting ContactListColumns: 1 name with the phone kind, else name cut short
// with two numbers.
constexpr int kNameAndKindColumns = 1;
// The rows' texts are built this wide, terminator included.
constexpr int kContactColumnChars = 100;

// Writes the column's text, cut to textChars and terminated.
void ContactListColumnText(const ContactCacheEntry& row, int column, int layout, wchar_t* text, size_t textChars);
