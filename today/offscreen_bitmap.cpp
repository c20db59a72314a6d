#include "today/offscreen_bitmap.h"

HBITMAP OffscreenBitmapFor(HDC windowDc, const RECT& client)
{
    const SIZE size = {client.right - client.left, client.bottom - client.top};
    if (OffscreenBitmap && (size.cx != OffscreenSize.cx || size.cy != OffscreenSize.cy))
        DeleteOffscreenBitmap();
    if (!OffscreenBitmap && size.cx > 0 && size.cy > 0) {
        OffscreenBitmap = CreateCompatibleBitmap(windowDc, size.cx, size.cy);
        OffscreenSize = OffscreenBitmap ? size : SIZE{};
    }
    return OffscreenBitmap;
}

void DeleteOffscreenBitmap()
{
    if (OffscreenBitmap)
        DeleteObject(OffscreenBitmap);
    OffscreenBitmap = nullptr;
    OffscreenSize = SIZE{};
}

