// Images: pixels read back from a memory bitmap or a screen capture.
#include "tests/support/testkit.h"

namespace testkit {

namespace {

constexpr uint32_t kColourBits = 0x00FFFFFF;
// Darker than white by more than this sum of the three channels counts as ink.
constexpr int kInkThreshold = 60;

uint32_t PixelOf(COLORREF colour)
{
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

COLORREF ColourOf(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

COLORREF Image::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    return ColourOf(pixels[static_cast<size_t>(y) * width + x]);
}

Canvas::Canvas(int width, int height, COLORREF background)
{
    if (width <= 0 || height <= 0)
        return;
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
    if (!bitmap_ || !bits)
        return;
    width_ = width;
    height_ = height;
    pixels_ = static_cast<uint32_t*>(bits);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    Clear(background);
}

Canvas::~Canvas()
{
    if (oldBitmap_)
        SelectObject(dc_, oldBitmap_);
    if (bitmap_)
        DeleteObject(bitmap_);
    if (dc_)
        DeleteDC(dc_);
}

void Canvas::Clear(COLORREF colour)
{
    GdiFlush();
    const uint32_t pixel = PixelOf(colour);
    for (size_t i = 0; i < static_cast<size_t>(width_) * height_; ++i)
        pixels_[i] = pixel;
}

COLORREF Canvas::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    GdiFlush();
    return ColourOf(pixels_[static_cast<size_t>(y) * width_ + x]);
}

int Canvas::InkedPixels(int left, int top, int right, int bottom) const
{
    int inked = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const COLORREF c = At(x, y);
            inked += c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 255 - kInkThreshold;
        }
    }
    return inked;
}

Image Canvas::ToImage() const
{
    GdiFlush();
    Image image;
    image.width = width_;
    image.height = height_;
    image.pixels.assign(pixels_, pixels_ + static_cast<size_t>(width_) * height_);
    for (uint32_t& p : image.pixels)
        p &= kColourBits;
    return image;
}

}  // namespace testkit
