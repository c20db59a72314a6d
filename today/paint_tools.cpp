#include "today/paint_tools.h"

#include "core/fonts.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kKeptCharacters = 9;
constexpr int kFitSlack = 7;
constexpr wchar_t kCutMark[] = L"..";
constexpr UINT kSingleLine = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

HFONT TheItemFont = nullptr;

void DrawTextWith(HDC dc, const wchar_t* text, const RECT& rect, UINT alignment)
{
    RECT place = rect;
    DrawTextW(dc, text, -1, &place, alignment | kSingleLine);
}

}  // namespace

void DrawItemLine(HDC dc, LineStyle style, int x1, int y1, int x2, int y2, COLORREF colour)
{
    if (style == LineStyle::Dotted) {
        // Every other pixel, so that dots sit alike on every device.
        int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i < steps; i += 2)
            SetPixel(dc, x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps, colour);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (!pen)
        return;
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawTextCentred(HDC dc, const wchar_t* text, const RECT& rect)
{
    DrawTextWith(dc, text, rect, DT_CENTER);
}

void DrawTextLeft(HDC dc, const wchar_t* text, const RECT& rect)
{
    DrawTextWith(dc, text, rect, DT_LEFT);
}

void DrawTextRight(HDC dc, const wchar_t* text, const RECT& rect)
{
    DrawTextWith(dc, text, rect, DT_RIGHT);
}

void DrawMark(HDC dc, HIMAGELIST list, int index, int x, int y)
{
    if (list && index >= 0 && index < ImageList_GetImageCount(list))
        ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
}

int TextWidth(HDC dc, const wchar_t* text, int chars)
{
    SIZE size = {};
    if (chars < 0)
        chars = static_cast<int>(wcslen(text));
    GetTextExtentPoint32W(dc, text, chars, &size);
    return size.cx;
}

std::wstring FitRowText(HDC dc, const wchar_t* text, int width)
{
    const int length = static_cast<int>(wcslen(text));
    if (TextWidth(dc, text, length) <= width)
        return text;
    // The room kept for the two dots: 7 pixels, or more in a font whose dots
    // are wider, so that they are never cut off.
    const int slack = std::max(kFitSlack, TextWidth(dc, kCutMark));
    int kept = std::min(kKeptCharacters, length);
    while (kept < length && TextWidth(dc, text, kept + 1) + slack <= width)
        ++kept;
    return std::wstring(text, static_cast<size_t>(kept)) + kCutMark;
}

HFONT ItemFont()
{
    if (!TheItemFont) {
        if (!AppFonts.normal)
            CreateAppFonts();
        TheItemFont = AppFonts.normal;
    }
    return TheItemFont;
}

void DeleteItemFont()
{
    DeleteAppFonts();
    TheItemFont = nullptr;
}

MeasuringContext::MeasuringContext() : dc_(CreateCompatibleDC(nullptr)), oldFont_(nullptr)
{
    if (dc_)
        oldFont_ = SelectObject(dc_, ItemFont());
}

MeasuringContext::~MeasuringContext()
{
    if (!dc_)
        return;
    SelectObject(dc_, oldFont_);
    DeleteDC(dc_);
}
