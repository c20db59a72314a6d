// The off-screen bitmap of the item window: sized to the client area and
// made again when that changes.
#pragma once

#include "today/state.h"

// The off-screen bitmap for the client area, made or remade as needed;
// null when it cannot be made.
HBITMAP OffscreenBitmapFor(HDC windowDc, const RECT& client);
void DeleteOffscreenBitmap();
