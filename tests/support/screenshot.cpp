#include "tests/support/testkit.h"

namespace testkit {

namespace {

Image CaptureRect(int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return Image();
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.dc(), 0, 0, width, height, screen, left, top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.ToImage();
}

}  // namespace

Image CaptureScreen()
{
    return CaptureRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

Image CaptureWindow(HWND window)
{
    RECT r = ScreenRect(window);
    return CaptureRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool SavePng(const Image& image, const std::wstring& path)
{
    return WriteFileBytes(path, EncodePng(image));
}

std::wstring SaveScreenshot(const Image& image, const std::wstring& name)
{
    std::wstring path = TestRunDir() + L"\\" + name + L".png";
    return SavePng(image, path) ? path : std::wstring();
}

}  // namespace testkit
