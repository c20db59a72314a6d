#include "tests/support/testkit.h"

namespace testkit {

namespace {

Image CaptureRect(int left, int top, int width, int height)
{
    Image image;
    if (width <= 0 || height <= 0)
        return image;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        image.width = width;
        image.height = height;
        const uint32_t* source = static_cast<const uint32_t*>(bits);
        image.pixels.assign(source, source + static_cast<size_t>(width) * height);
        for (uint32_t& p : image.pixels)
            p &= 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

}  // namespace

COLORREF Image::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    uint32_t p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

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
