// The category names of a Pocket Outlook item, read from the system
// category databases.
#pragma once

#include "core/state.h"

// An item has at most this many category associations read.
constexpr int kMaxItemCategories = 101;

// The item's category names joined with ", ", in category-id order; the
// empty text when it has none or the databases cannot be read. Cut to
// textChars (terminator included).
void GetItemCategories(LPWSTR textOut, size_t textChars, CEOID itemOid);
