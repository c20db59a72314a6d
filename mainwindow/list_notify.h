// The notifications of the main window's lists: the owner-data texts of the
// contact lists, the selection state every row change writes, tap-and-hold,
// the device's keys and clicks.
#pragma once

#include "platform/ce.h"

#include <commctrl.h>

// WM_NOTIFY of the main window: -1 for the contact lists' find requests,
// otherwise 0.
LRESULT OnMainNotify(HWND window, NMHDR* header);
