// The off-screen bitmap of the item window: sized to the client area and
// made again when that changes.
#pragma once

#include "today/state.h"

// 0 for the handsets that paint the item straight to the screen (by their
// OEM text), else 1.
int OffscreenPaintingFor(const wchar_t* oemInfo);

// The off-screen bitmap for the client area, made or remade as needed;
// null when it cannot be made.
HBITMAP OffscreenBitmapFor(HDC windowDc, const RECT& client);
void DeleteOffscreenBitmap();
