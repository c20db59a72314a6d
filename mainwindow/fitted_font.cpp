#include "mainwindow/fitted_font.h"

namespace {

constexpr LONG kSmallestHeight = 8;

int TextWidthIn(HDC dc, HFONT font, const wchar_t* text)
{
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    SelectObject(dc, old);
    return size.cx;
}

}  // namespace

HFONT CreateFittedFont(HFONT font, const wchar_t* text, int width)
{
    LOGFONTW face = {};
    if (!font || !GetObjectW(font, sizeof(face), &face))
        return nullptr;
    const LONG sign = face.lfHeight < 0 ? -1 : 1;
    HDC dc = GetDC(nullptr);
    HFONT made = nullptr;
    for (LONG height = face.lfHeight * sign; height >= kSmallestHeight; --height) {
        if (made)
            DeleteObject(made);
        face.lfHeight = height * sign;
        // Glyphs scale with the height alone.
        face.lfWidth = 0;
        made = CreateFontIndirectW(&face);
        if (!made || TextWidthIn(dc, made, text) <= width)
            break;
    }
    ReleaseDC(nullptr, dc);
    return made;
}
