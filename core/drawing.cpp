#include "core/drawing.h"

void DrawOutlinedRect(HDC dc, int penWidth, int left, int top, int right, int bottom, COLORREF colour)
{
    HPEN pen = CreatePen(PS_SOLID, penWidth, colour);
    if (!pen)
        return;
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void FillSolidRect(HDC dc, const RECT* rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return;
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    FillRect(dc, rect, brush);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

void StretchBitmapOver(HDC dc, const RECT& rect, HINSTANCE instance, int bitmapId)
{
    HBITMAP bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(bitmapId));
    if (!bitmap)
        return;
    BITMAP size = {};
    GetObjectW(bitmap, sizeof(size), &size);
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory, 0, 0,
                   size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}
