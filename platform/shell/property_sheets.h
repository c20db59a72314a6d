// Property sheets as on the device. Header flag PSH_MAXIMIZE (0x2000) means
// full screen: the sheet fills the work area without caption or the
// desktop's buttons (its pages' Done is on the top bar). The desktop reads
// 0x2000 as an old wizard style, so it never reaches the desktop call. A
// sheet with a callback is asked the device's version query (message 3) once
// it exists; the desktop's own message 3 (a button was pressed) is kept from
// it. A page that ends itself (EndDialog) closes the sheet, once.
#pragma once

#include <prsht.h>

#define PSH_MAXIMIZE 0x00002000
#define PSCB_GETVERSION 3

CEAPI INT_PTR WINAPI CePropertySheetW(LPCPROPSHEETHEADERW header);
#undef PropertySheet
#define PropertySheet CePropertySheetW
#define PropertySheetW CePropertySheetW
