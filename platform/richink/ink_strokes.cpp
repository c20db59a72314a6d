#include "platform/richink/ink_strokes.h"

#include "platform/ceplat/byte_fields.h"

namespace richink {

namespace {

constexpr size_t kStrokeHeaderBytes = 8;  // count, width, colour
constexpr size_t kPointBytes = 4;
constexpr size_t kMaxPoints = 0xFFFF;

int16_t ClampToI16(LONG value)
{
    if (value < -32768)
        return -32768;
    if (value > 32767)
        return 32767;
    return static_cast<int16_t>(value);
}

}  // namespace

std::vector<Stroke> DecodeStrokes(const BYTE* ink, size_t size)
{
    std::vector<Stroke> strokes;
    size_t at = 0;
    while (size - at >= kStrokeHeaderBytes) {
        const uint16_t count = ce::LoadU16LE(ink + at);
        const uint16_t width = ce::LoadU16LE(ink + at + 2);
        if (count == 0 || width == 0 || (size - at - kStrokeHeaderBytes) / kPointBytes < count)
            break;
        Stroke stroke;
        stroke.width = width;
        stroke.colour = ce::LoadU32LE(ink + at + 4) & 0x00FFFFFF;  // a plain RGB colour
        at += kStrokeHeaderBytes;
        stroke.points.resize(count);
        for (POINT& p : stroke.points) {
            p.x = static_cast<int16_t>(ce::LoadU16LE(ink + at));
            p.y = static_cast<int16_t>(ce::LoadU16LE(ink + at + 2));
            at += kPointBytes;
        }
        strokes.push_back(std::move(stroke));
    }
    return strokes;
}

void AppendStroke(std::vector<BYTE>& ink, const Stroke& stroke)
{
    const size_t count = stroke.points.size() < kMaxPoints ? stroke.points.size() : kMaxPoints;
    if (count == 0)
        return;
    const size_t start = ink.size();
    ink.resize(start + kStrokeHeaderBytes + count * kPointBytes);
    BYTE* at = ink.data() + start;
    ce::StoreU16LE(at, static_cast<uint16_t>(count));
    ce::StoreU16LE(at + 2, stroke.width ? stroke.width : 1);
    ce::StoreU32LE(at + 4, stroke.colour);
    at += kStrokeHeaderBytes;
    for (size_t i = 0; i < count; ++i, at += kPointBytes) {
        ce::StoreU16LE(at, static_cast<uint16_t>(ClampToI16(stroke.points[i].x)));
        ce::StoreU16LE(at + 2, static_cast<uint16_t>(ClampToI16(stroke.points[i].y)));
    }
}

}  // namespace richink
