#include "today/offscreen_bitmap.h"

namespace {

const wchar_t* const kDirectPaintingHandsets[] = {L"HP iPAQ hx4700", L"Dell Axim X51v", L"TOSHIBA e800"};

}  // namespace

int OffscreenPaintingFor(const wchar_t* oemInfo)
{
    for (const wchar_t* handset : kDirectPaintingHandsets) {
        if (wcscmp(oemInfo, handset) == 0)
            return 0;
    }
    return 1;
}

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

