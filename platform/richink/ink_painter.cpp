#include "platform/richink/ink_painter.h"

#include <algorithm>

namespace richink {

namespace {

const COLORREF kRuleColour = RGB(0xB4, 0xC8, 0xE6);

// The widest pen the page draws with, in window pixels: a stored width is a
// 16-bit number, and a pen thousands of pixels wide takes GDI seconds.
constexpr int kMaxPenWidth = 32;

int Scaled(const Control& control, LONG value)
{
    return MulDiv(value, control.zoom, 100);
}

int PenWidth(const Control& control, const Stroke& stroke)
{
    return std::clamp(Scaled(control, stroke.width), 1, kMaxPenWidth);
}

struct Segment {
    double x0, y0, x1, y1;
};

// Cuts a segment to the rectangle (Liang-Barsky); false when none of it
// lies inside. Strokes are stored anywhere in 16 bits, and GDI takes long
// over lines that run far outside the window.
bool ClipSegment(Segment* s, const RECT& box)
{
    const double dx = s->x1 - s->x0;
    const double dy = s->y1 - s->y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s->x0 - box.left, box.right - s->x0, s->y0 - box.top, box.bottom - s->y0};
    double enter = 0.0;
    double leave = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (enter > leave)
        return false;
    *s = Segment{s->x0 + enter * dx, s->y0 + enter * dy, s->x0 + leave * dx, s->y0 + leave * dy};
    return true;
}

// The page window's client area widened by a pen's half width: what a
// stroke can reach on screen.
RECT DrawingBox(const Control& control, int penWidth)
{
    RECT box = {};
    GetClientRect(control.page, &box);
    const int margin = penWidth / 2 + 1;
    InflateRect(&box, margin, margin);
    return box;
}

int Pixel(double value)
{
    return static_cast<int>(value < 0 ? value - 0.5 : value + 0.5);
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

void PaintDot(HDC dc, const Control& control, const Stroke& stroke, int width, const RECT& box, int scrollY)
{
    // A line of no length draws nothing.
    const POINT at = PageToWindow(control, stroke.points[0], scrollY);
    if (at.x < box.left || at.x > box.right || at.y < box.top || at.y > box.bottom)
        return;
    HBRUSH brush = CreateSolidBrush(stroke.colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    const int half = width / 2;
    Ellipse(dc, at.x - half, at.y - half, at.x - half + width + 1, at.y - half + width + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
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
    const int width = PenWidth(control, stroke);
    const RECT box = DrawingBox(control, width);
    if (stroke.points.size() == 1) {
        PaintDot(dc, control, stroke, width, box, scrollY);
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, width, stroke.colour);
    HGDIOBJ old = SelectObject(dc, pen);
    const size_t first = fromPoint > 0 ? fromPoint - 1 : 0;
    POINT from = PageToWindow(control, stroke.points[first], scrollY);
    for (size_t i = first + 1; i < stroke.points.size(); ++i) {
        const POINT to = PageToWindow(control, stroke.points[i], scrollY);
        Segment segment{static_cast<double>(from.x), static_cast<double>(from.y), static_cast<double>(to.x),
                        static_cast<double>(to.y)};
        if (ClipSegment(&segment, box)) {
            MoveToEx(dc, Pixel(segment.x0), Pixel(segment.y0), nullptr);
            LineTo(dc, Pixel(segment.x1), Pixel(segment.y1));
        }
        from = to;
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
