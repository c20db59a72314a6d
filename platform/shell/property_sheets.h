// Property sheets as on the device. Header flag PSH_MAXIMIZE (0x2000) means
// full screen: the sheet fills the work area without caption or the
// desktop's buttons (its pages' Done is on the top bar). The desktop reads
// 0x2000 as an old wizard style, so it never reaches the desktop call. A
// sheet with a callback is asked the device's version query (message 3) once
// it exists; the desktop's own message 3 (a button was pressed) is kept from
// it. An answer of 526 (0x20E) or more gives a full-screen sheet the
// device's look: the tab strip along the bottom, above the band a menu bar
// would take, and every page over the whole sheet from its top, under the
// strip, so that what a page keeps in that foot band shows and takes taps.
// A page that ends itself (EndDialog) closes the sheet, once.
#pragma once

#include <prsht.h>

#define PSH_MAXIMIZE 0x00002000
#define PSCB_GETVERSION 3

CEAPI INT_PTR WINAPI CePropertySheetW(LPCPROPSHEETHEADERW header);
#undef PropertySheet
#define PropertySheet CePropertySheetW
#define PropertySheetW CePropertySheetW
