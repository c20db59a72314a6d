// What the Rich Ink control shows: typed Korean text, ink strokes over it
// and the rules of a lined page, read back as pixels.
#include "tests/input/richink_test_support.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kRule = RGB(0xB4, 0xC8, 0xE6);

bool IsDark(COLORREF c)
{
    return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80;
}

bool IsRed(COLORREF c)
{
    return GetRValue(c) > 180 && GetGValue(c) < 60 && GetBValue(c) < 60;
}

int CountPixels(const testkit::Image& image, RECT area, bool (*test)(COLORREF))
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += test(image.At(x, y));
    return count;
}

int CountRulePixels(const testkit::Image& image, RECT area)
{
    return CountPixels(image, area, [](COLORREF c) { return c == kRule; });
}

// The page's client rectangle inside a capture of the host window.
RECT PageArea(HWND host, HWND ink)
{
    HWND page = inktest::PageOf(ink);
    RECT r = testkit::ClientRectOf(page);
    MapWindowPoints(page, host, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class RichInkView : public testing::Test {
protected:
    void SetUp() override
    {
        InitRichInkDLL();
        host = inktest::CreateRecordingHost(true);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override { DestroyWindow(host); }

    testkit::Image Show()
    {
        UpdateWindow(host);
        RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(200);
        return testkit::CaptureWindow(host);
    }
    HWND host = nullptr;
};

TEST_F(RichInkView, ShowsTypedKoreanTextWithInkOverIt)
{
    HWND ink = inktest::CreateInk(host, 0x50A00000, 240, 200);
    // A red zigzag below the text and a black stroke through it.
    const auto zigzag = inktest::StrokeBytes(4, RGB(255, 0, 0), {{20, 120}, {80, 170}, {140, 120}, {200, 170}});
    const auto through = inktest::StrokeBytes(2, RGB(0, 0, 0), {{10, 40}, {210, 40}});
    inktest::Bytes strokes = zigzag;
    strokes.insert(strokes.end(), through.begin(), through.end());
    inktest::StreamIn(ink, inktest::Body(L"안녕하세요, 한글 메모입니다.\r\n둘째 줄", strokes));

    const testkit::Image image = Show();
    testkit::SaveScreenshot(image, L"richink_text_and_ink");
    const RECT page = PageArea(host, ink);

    // Text on the first two lines, left side.
    EXPECT_GT(CountPixels(image, {page.left, page.top, page.left + 120, page.top + 14}, IsDark), 40);
    EXPECT_GT(CountPixels(image, {page.left, page.top + 14, page.left + 60, page.top + 30}, IsDark), 15);
    // The zigzag's middle turn at (140, 120) and the nothing-drawn middle of its valley.
    EXPECT_GT(CountPixels(image, {page.left + 135, page.top + 117, page.left + 146, page.top + 125}, IsRed), 10);
    EXPECT_EQ(CountPixels(image, {page.left + 100, page.top + 165, page.left + 120, page.top + 175}, IsRed), 0);
    // The black stroke across the page at y 40, right of any text.
    EXPECT_GT(CountPixels(image, {page.left + 150, page.top + 38, page.left + 200, page.top + 43}, IsDark), 40);
    // The lined page's rules, where nothing else is drawn.
    EXPECT_GT(CountRulePixels(image, {page.left + 215, page.top, page.right, page.top + 80}), 10);
    DestroyWindow(ink);
}

TEST_F(RichInkView, PageStyleAndZoomChangeWhatIsDrawn)
{
    HWND ink = inktest::CreateInk(host, 0x50200000, 240, 150);
    inktest::StreamIn(ink, inktest::Body(L"", inktest::StrokeBytes(2, RGB(255, 0, 0), {{10, 30}, {60, 30}})));
    const RECT page = PageArea(host, ink);
    const RECT zoom100 = {page.left + 5, page.top + 27, page.left + 65, page.top + 34};
    const RECT zoom200 = {page.left + 70, page.top + 56, page.left + 118, page.top + 64};

    SendMessageW(ink, EM_SETPAGESTYLE, RIPS_PLAIN, 0);
    testkit::Image image = Show();
    EXPECT_EQ(CountRulePixels(image, page), 0);
    EXPECT_GT(CountPixels(image, zoom100, IsRed), 50);
    EXPECT_EQ(CountPixels(image, zoom200, IsRed), 0);

    SendMessageW(ink, EM_SETPAGESTYLE, RIPS_LINED, 0);
    SendMessageW(ink, EM_SETZOOMPERCENT, 0, 200);
    image = Show();
    testkit::SaveScreenshot(image, L"richink_lined_zoom200");
    EXPECT_GT(CountRulePixels(image, page), 100);
    EXPECT_GT(CountPixels(image, zoom200, IsRed), 50);

    SendMessageW(ink, EM_SETPAGESTYLE, RIPS_PREVIEW, 0);
    SendMessageW(ink, EM_SETREADONLY, TRUE, 0);
    image = Show();
    EXPECT_EQ(CountRulePixels(image, page), 0);
    // A read-only page stays white.
    EXPECT_EQ(image.At(page.left + 200, page.top + 100), RGB(255, 255, 255));
    DestroyWindow(ink);
}

TEST_F(RichInkView, TypedHangulAndAPenStrokeAreShownAndStreamed)
{
    HWND ink = inktest::CreateInk(host, 0x50A00000, 240, 200);
    HWND page = inktest::PageOf(ink);
    SetFocus(page);
    HIMC context = ImmGetContext(page);
    ImmSetConversionStatus(context, IME_CMODE_HANGUL, 0);
    testkit::TypeText(page, L"dkssudgktpdy rmfTl ");  // 안녕하세요 글씨
    ImmSetConversionStatus(context, 0, 0);
    ImmReleaseContext(page, context);

    SendMessageW(ink, EM_SETINKMODE, 1, 0);
    SendMessageW(ink, EM_SETVIEW, RIV_INK, 0);
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 60));
    for (int x = 40; x <= 200; x += 10)
        SendMessageW(page, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 60 + (x % 40 == 0 ? 40 : 0)));
    SendMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(200, 100));

    const testkit::Image image = Show();
    testkit::SaveScreenshot(image, L"richink_typed_and_drawn");
    const RECT area = PageArea(host, ink);
    EXPECT_GT(CountPixels(image, {area.left, area.top, area.left + 120, area.top + 14}, IsDark), 40);
    EXPECT_GT(CountPixels(image, {area.left + 30, area.top + 58, area.left + 200, area.top + 102}, IsDark), 100);

    INKBODYPARTS parts = {};
    const auto out = inktest::StreamOut(ink);
    ASSERT_TRUE(InkBodyRead(out.bytes.data(), static_cast<DWORD>(out.bytes.size()), &parts));
    wchar_t text[32] = L"";
    InkBodyCopyText(out.bytes.data(), static_cast<DWORD>(out.bytes.size()), text, 32);
    EXPECT_STREQ(text, L"안녕하세요 글씨 ");
    EXPECT_EQ(parts.inkBytes, 8u + 4u * 18u);  // one stroke of 18 points
    DestroyWindow(ink);
}

}  // namespace
