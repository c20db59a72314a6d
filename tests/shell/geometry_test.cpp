// Top-level windows take the device's geometry; the top bar follows the
// active window.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

TEST(Geometry, DefaultTopLevelWindowFillsTheWorkAreaWithoutFrame)
{
    const std::wstring windowClass = testkit::RegisterTestClass();
    HWND window = CreateWindowExW(0, windowClass.c_str(), L"다이어리", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    shelltest::ExpectRect(testkit::ScreenRect(window), 0, 26, 240, 320);
    shelltest::ExpectRect(testkit::ClientRectOf(window), 0, 0, 240, 294);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);

    HWND bar = FindWindowW(CE_TOP_BAR_CLASS, nullptr);
    ASSERT_NE(bar, nullptr);
    shelltest::ExpectRect(testkit::ScreenRect(bar), 0, 0, 240, 26);
    SetForegroundWindow(window);
    EXPECT_TRUE(testkit::PumpUntil([&] { return testkit::WindowText(bar) == L"다이어리"; }))
        << testing::PrintToString(testkit::WindowText(bar));

    // The bar is drawn in its colour with the title on it.
    testkit::PumpFor(200);
    testkit::Image shot = testkit::CaptureScreen();
    testkit::SaveScreenshot(shot, L"top_bar");
    EXPECT_EQ(shot.At(200, 13), RGB(0, 51, 153));
    int light = 0;
    for (int y = 4; y < 22; ++y) {
        for (int x = 6; x < 80; ++x)
            light += GetRValue(shot.At(x, y)) > 200 ? 1 : 0;
    }
    EXPECT_GT(light, 20) << "no title drawn on the top bar";
    DestroyWindow(window);
}

TEST(Geometry, OtherWindowsKeepWhatTheyAskFor)
{
    const std::wstring windowClass = testkit::RegisterTestClass();
    struct WindowCase {
        DWORD style;
        int x, y, w, h;
        bool captioned;
        RECT expected;
    };
    const WindowCase cases[] = {
        {WS_VISIBLE, 10, 40, 100, 50, false, {10, 40, 110, 90}},  // frameless, where asked
        {WS_POPUP, 5, 30, 60, 60, false, {5, 30, 65, 90}},
        {WS_OVERLAPPEDWINDOW, 0, 30, 200, 200, true, {0, 30, 200, 230}},
    };
    for (const WindowCase& c : cases) {
        HWND window = CreateWindowExW(0, windowClass.c_str(), L"x", c.style, c.x, c.y, c.w, c.h, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        RECT r = testkit::ScreenRect(window);
        EXPECT_TRUE(EqualRect(&r, &c.expected)) << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
        EXPECT_EQ((GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION, c.captioned);
        DestroyWindow(window);
    }
}
