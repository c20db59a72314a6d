// The ink painter over strokes a Notes file or a memo may hold: the pens
// and points it hands GDI stay within the page, so a paint takes no time.
#include "tests/hardening/recorded_paint.h"
#include "tests/hardening/time_limit.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

namespace hardening {
namespace {

constexpr int kPageWidth = 240;
constexpr int kPageHeight = 200;
constexpr int kMaxPenWidth = 32;
constexpr DWORD kPaintLimitMs = 2000;
constexpr size_t kPointsIn4K = (4096 - 8) / 4;

class InkPainterTest : public testing::Test {
protected:
    void SetUp() override
    {
        page_ = testkit::CreateTestWindow(false, kPageWidth, kPageHeight);
        control_.page = page_;
        RECT client = testkit::ClientRectOf(page_);
        client_ = client;
    }
    void TearDown() override { DestroyWindow(page_); }

    Drawing Record(const richink::Stroke& stroke, int zoom)
    {
        control_.zoom = zoom;
        return RecordPaint(control_, {stroke});
    }

    HWND page_ = nullptr;
    richink::Control control_;
    RECT client_ = {};
};

richink::Stroke WidePenScribble()
{
    richink::Stroke stroke;
    stroke.width = 65535;
    for (size_t i = 0; i < kPointsIn4K; ++i)
        stroke.points.push_back(POINT{static_cast<LONG>(i * 7 % 230), static_cast<LONG>(i * 13 % 300)});
    return stroke;
}

richink::Stroke CornerToCorner()
{
    richink::Stroke stroke;
    for (size_t i = 0; i < kPointsIn4K; ++i)
        stroke.points.push_back(i % 2 ? POINT{32767, 32767} : POINT{-32768, -32768});
    return stroke;
}

TEST_F(InkPainterTest, PensAndPointsStayWithinThePage)
{
    struct Case {
        const char* name;
        richink::Stroke stroke;
    };
    const Case cases[] = {{"a pen 65535 wide", WidePenScribble()}, {"corner to corner", CornerToCorner()}};
    for (const Case& c : cases) {
        for (int zoom : {100, 400}) {
            SCOPED_TRACE(testing::Message() << c.name << " at zoom " << zoom);
            Watched watched(std::string("recording ") + c.name, kPaintLimitMs);
            Drawing drawing = Record(c.stroke, zoom);
            EXPECT_GT(drawing.lines, 0);
            EXPECT_GE(drawing.widestPen, 1);
            EXPECT_LE(drawing.widestPen, kMaxPenWidth);
            const int margin = kMaxPenWidth;
            EXPECT_GE(drawing.reach.left, client_.left - margin);
            EXPECT_GE(drawing.reach.top, client_.top - margin);
            EXPECT_LE(drawing.reach.right, client_.right + margin);
            EXPECT_LE(drawing.reach.bottom, client_.bottom + margin);
        }
    }
}

TEST_F(InkPainterTest, PaintingThemTakesNoTime)
{
    testkit::Canvas canvas(kPageWidth, kPageHeight, RGB(255, 255, 255));
    for (int zoom : {100, 400}) {
        control_.zoom = zoom;
        Watched watched("painting the two strokes at zoom " + std::to_string(zoom), kPaintLimitMs);
        richink::PaintStroke(canvas.dc(), control_, WidePenScribble(), 0);
        richink::PaintStroke(canvas.dc(), control_, CornerToCorner(), 0);
    }
    EXPECT_GT(canvas.InkedPixels(0, 0, kPageWidth, kPageHeight), 0);
}

TEST_F(InkPainterTest, ClippedStrokesLookAsBefore)
{
    // A line far longer than the page, and a dot outside it.
    richink::Stroke across;
    across.width = 3;
    across.points = {POINT{-30000, 50}, POINT{30000, 50}};
    richink::Stroke inside;
    inside.width = 1;
    inside.points = {POINT{20, 120}, POINT{120, 120}};
    richink::Stroke dotOutside;
    dotOutside.width = 4;
    dotOutside.points = {POINT{-500, -500}};
    testkit::Canvas canvas(kPageWidth, kPageHeight, RGB(255, 255, 255));
    control_.zoom = 100;
    for (const richink::Stroke& stroke : {across, inside, dotOutside})
        richink::PaintStroke(canvas.dc(), control_, stroke, 0);
    for (int x : {0, 1, 120, kPageWidth - 2, kPageWidth - 1})
        EXPECT_EQ(canvas.At(x, 50), RGB(0, 0, 0)) << "x " << x;
    EXPECT_EQ(canvas.At(20, 120), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(119, 120), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(19, 120), RGB(255, 255, 255));
    EXPECT_EQ(canvas.InkedPixels(0, 0, kPageWidth, 40), 0);
    // At zoom 200 the same stroke's points double.
    testkit::Canvas zoomed(kPageWidth, kPageHeight, RGB(255, 255, 255));
    control_.zoom = 200;
    richink::PaintStroke(zoomed.dc(), control_, inside, 0);
    EXPECT_EQ(zoomed.InkedPixels(0, 0, kPageWidth, kPageHeight), 0);
}

}  // namespace
}  // namespace hardening
