// The Today item's registration: its key, the values the Today screen reads,
// and the word to the Today screen that its items changed.
#pragma once

#include "platform/ce.h"

// Deletes the item's key with anything under it; a missing key is no fault.
void DeleteTodayItemKey();
// Writes the item's values one by one, in their order; a value that could
// not be written is logged and the next one written still.
void RegisterTodayItem();
// Tells every top-level window (the Today screen among them) to reload its
// items.
void AnnounceTodayItemsChanged();
