// Outlined and filled rectangles that leave the device context as they found it.
#pragma once

#include <windows.h>

// Draws the outline with a solid pen of that width and colour and the null
// brush (the inside is untouched); restores the previous pen and brush.
void DrawOutlinedRect(HDC dc, int penWidth, int left, int top, int right, int bottom, COLORREF colour);

// Fills the rectangle with a solid brush of that colour; restores the
// previous brush.
void FillSolidRect(HDC dc, const RECT* rect, COLORREF colour);

// Loads the bitmap resource, copies it stretched over the rectangle and frees
// it again; nothing is drawn when it cannot be loaded.
void StretchBitmapOver(HDC dc, const RECT& rect, HINSTANCE instance, int bitmapId);
