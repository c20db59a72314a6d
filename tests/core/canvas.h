// A 32-bit memory bitmap to draw into and read pixels back from.
#pragma once

#include "tests/support/testkit.h"

#include <cstdint>

namespace coretest {

class Canvas {
public:
    Canvas(int width, int height, COLORREF background)
        : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        Clear(background);
    }
    ~Canvas()
    {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void Clear(COLORREF colour)
    {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i)
            pixels_[i] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
    COLORREF At(int x, int y) const
    {
        GdiFlush();
        const uint32_t p = pixels_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Pixels of the rectangle visibly darker than white (smoothed edges too).
    int InkedPixels(int left, int top, int right, int bottom) const
    {
        int inked = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                const COLORREF c = At(x, y);
                inked += (GetRValue(c) + GetGValue(c) + GetBValue(c)) < 3 * 255 - 60;
            }
        return inked;
    }

    testkit::Image ToImage() const
    {
        GdiFlush();
        testkit::Image image;
        image.width = width_;
        image.height = height_;
        image.pixels.assign(pixels_, pixels_ + width_ * height_);
        return image;
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

}  // namespace coretest
