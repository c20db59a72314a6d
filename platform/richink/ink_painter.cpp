#include "platform/richink/ink_painter.h"

namespace richink {

namespace {

const COLORREF kRuleColour = RGB(0xB4, 0xC8, 0xE6);

int Scaled(const Control& control, LONG value)
{
    return MulDiv(value, control.zoom, 100);
}

void PaintRules(HDC dc, const Control& control)
{
    RECT client = {};
    GetClientRect(control.page, &client);
    RECT text = client;
    SendMessageW(control.page, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    HPEN pen = CreatePen(PS_SOLID, 1, kRuleColour);
    HGDIOBJ old = SelectObject(dc, pen);
    // Masked, so that a rule runs under the text, not through it.
    const int oldMix = SetROP2(dc, R2_MASKPEN);
    for (int y = text.top + control.lineHeight - 1; y < client.bottom; y += control.lineHeight) {
        MoveToEx(dc, client.left, y, nullptr);
        LineTo(dc, client.right, y);
    }
    SetROP2(dc, oldMix);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

POINT PageToWindow(const Control& control, POINT page, int scrollY)
{
    return POINT{Scaled(control, page.x), Scaled(control, page.y) - scrollY};
}

POINT WindowToPage(const Control& control, POINT window, int scrollY)
{
    return POINT{MulDiv(window.x, 100, control.zoom), MulDiv(window.y + scrollY, 100, control.zoom)};
}

int PageScrollY(const Control& control)
{
    const LRESULT first = SendMessageW(control.page, EM_GETFIRSTVISIBLELINE, 0, 0);
    return static_cast<int>(first) * control.lineHeight;
}

void PaintStroke(HDC dc, const Control& control, const Stroke& stroke, int scrollY, size_t fromPoint)
{
    if (stroke.points.empty() || fromPoint >= stroke.points.size())
        return;
    const int width = Scaled(control, stroke.width) > 0 ? Scaled(control, stroke.width) : 1;
    if (stroke.points.size() == 1) {
        // A dot: a line of no length draws nothing.
        const POINT at = PageToWindow(control, stroke.points[0], scrollY);
        HBRUSH brush = CreateSolidBrush(stroke.colour);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        const int half = width / 2;
        Ellipse(dc, at.x - half, at.y - half, at.x - half + width + 1, at.y - half + width + 1);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, width, stroke.colour);
    HGDIOBJ old = SelectObject(dc, pen);
    const size_t first = fromPoint > 0 ? fromPoint - 1 : 0;
    POINT at = PageToWindow(control, stroke.points[first], scrollY);
    MoveToEx(dc, at.x, at.y, nullptr);
    for (size_t i = first + 1; i < stroke.points.size(); ++i) {
        at = PageToWindow(control, stroke.points[i], scrollY);
        LineTo(dc, at.x, at.y);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void PaintInkLayer(HDC dc, const Control& control)
{
    if (control.pageStyle == RIPS_LINED)
        PaintRules(dc, control);
    const int scrollY = PageScrollY(control);
    for (const Stroke& stroke : control.strokes)
        PaintStroke(dc, control, stroke, scrollY);
    if (control.inking)
        PaintStroke(dc, control, control.stroke, scrollY);
}

}  // namespace richink
