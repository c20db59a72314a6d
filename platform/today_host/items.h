// The items of the Today screen: read from the registry, their DLLs loaded
// and their windows made (ordinal 240), asked for their height, unloaded.
#pragma once

#include "platform/today_host/state.h"

namespace todayhost {

// Every key under the Today items key, in the registry's order.
std::vector<RegisteredItem> ReadRegisteredItems();

// Loads every enabled custom item that is not loaded yet and unloads those
// no longer enabled, keeping the registry's order. True when the stack
// changed.
bool SyncItems();

// Destroys every item window and frees every DLL.
void UnloadAllItems();

// Asks one item whether its height changed (the refresh query); true when
// it answered so. An item whose window has gone is dropped.
bool QueryItem(HostedItem& item);
// Asks every item; true when any height changed.
bool QueryAllItems();

// The index of the item with this window, or -1.
int ItemIndexOfWindow(HWND window);

}  // namespace todayhost
