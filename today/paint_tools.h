// Drawing helpers of the item's painters: lines, the three text forms,
// marks from the image lists, and the fitting of a row's text.
#pragma once

#include "today/state.h"

#include <string>

enum class LineStyle { Solid, Dotted };
// A line of width 1 from (x1, y1) to (x2, y2), the end point excluded.
void DrawItemLine(HDC dc, LineStyle style, int x1, int y1, int x2, int y2, COLORREF colour);

void DrawTextCentred(HDC dc, const wchar_t* text, const RECT& rect);
void DrawTextLeft(HDC dc, const wchar_t* text, const RECT& rect);
void DrawTextRight(HDC dc, const wchar_t* text, const RECT& rect);

// Draws image index of the list at (x, y); nothing for an index the list
// does not hold.
void DrawMark(HDC dc, HIMAGELIST list, int index, int x, int y);

int TextWidth(HDC dc, const wchar_t* text, int chars = -1);

// The row text as it fits into width pixels: unchanged when it fits;
// else its first 9 characters, then further ones while the text and 7
// pixels (or the two dots' width when wider) fit, and "..".
std::wstring FitRowText(HDC dc, const wchar_t* text, int width);

// The font the item draws with (made on first use, deleted with the fonts
// of the item).
HFONT ItemFont();
void DeleteItemFont();

// A memory device context with the item's font selected, for measuring.
class MeasuringContext {
public:
    MeasuringContext();
    ~MeasuringContext();
    MeasuringContext(const MeasuringContext&) = delete;
    MeasuringContext& operator=(const MeasuringContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ oldFont_;
};
