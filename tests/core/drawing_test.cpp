// Outlined and filled rectangles: the pixels drawn, the inside left alone,
// the device context's pen and brush given back, and no handle kept.
#include "core/drawing.h"
#include "tests/core/gdi_leak.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInside = RGB(0, 200, 0);

struct OutlineCase { int width; COLORREF colour; };
const OutlineCase kOutlines[] = {{1, RGB(255, 0, 0)}, {2, RGB(0, 0, 255)}, {3, RGB(0x12, 0x34, 0x56)}};

TEST(Drawing, OutlinedRectDrawsOnlyTheOutline)
{
    for (const auto& c : kOutlines) {
        SCOPED_TRACE(c.width);
        testkit::Canvas canvas(60, 60, kWhite);
        RECT inside = {10, 10, 50, 50};
        HBRUSH fill = CreateSolidBrush(kInside);
        FillRect(canvas.dc(), &inside, fill);
        DeleteObject(fill);

        DrawOutlinedRect(canvas.dc(), c.width, 10, 10, 50, 50, c.colour);
        EXPECT_EQ(canvas.At(10, 30), c.colour);  // left edge
        EXPECT_EQ(canvas.At(30, 10), c.colour);  // top edge
        EXPECT_EQ(canvas.At(49, 30), c.colour);  // right edge
        EXPECT_EQ(canvas.At(30, 49), c.colour);  // bottom edge
        EXPECT_EQ(canvas.At(30, 30), kInside);   // inside untouched
        EXPECT_EQ(canvas.At(10 + c.width + 1, 30), kInside);
        EXPECT_EQ(canvas.At(2, 2), kWhite);
        if (c.width >= 3) {
            EXPECT_EQ(canvas.At(11, 30), c.colour);  // the pen's width
        }
    }
}

TEST(Drawing, FillSolidRectFillsExactlyTheRectangle)
{
    testkit::Canvas canvas(40, 40, kWhite);
    const RECT band = {5, 6, 25, 16};
    const COLORREF header = 0xC6CFDE;
    FillSolidRect(canvas.dc(), &band, header);
    EXPECT_EQ(canvas.At(5, 6), header);
    EXPECT_EQ(canvas.At(24, 15), header);
    EXPECT_EQ(canvas.At(25, 15), kWhite);
    EXPECT_EQ(canvas.At(24, 16), kWhite);
    EXPECT_EQ(canvas.At(4, 6), kWhite);
}

TEST(Drawing, PreviousPenAndBrushComeBack)
{
    testkit::Canvas canvas(40, 40, kWhite);
    HPEN pen = CreatePen(PS_DOT, 1, RGB(9, 9, 9));
    HBRUSH brush = CreateSolidBrush(RGB(7, 7, 7));
    SelectObject(canvas.dc(), pen);
    SelectObject(canvas.dc(), brush);

    DrawOutlinedRect(canvas.dc(), 2, 1, 1, 20, 20, RGB(255, 0, 0));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
    const RECT rect = {2, 2, 8, 8};
    FillSolidRect(canvas.dc(), &rect, RGB(0, 0, 255));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);

    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Drawing, NoPenOrBrushIsKept)
{
    testkit::Canvas canvas(16, 16, kWhite);
    const RECT rect = {1, 1, 5, 5};
    EXPECT_TRUE(coretest::LeavesGdiHandlesFree([&] { DrawOutlinedRect(canvas.dc(), 1, 1, 1, 9, 9, RGB(1, 1, 1)); }));
    EXPECT_TRUE(coretest::LeavesGdiHandlesFree([&] { FillSolidRect(canvas.dc(), &rect, RGB(1, 1, 1)); }));
}

}  // namespace
