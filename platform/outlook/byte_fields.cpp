#include "platform/outlook/byte_fields.h"

namespace poom {

void PutText16(ByteWriter& out, const std::wstring& text)
{
    size_t length = text.size() > 0xFFFF ? 0xFFFF : text.size();
    out.PutU16LE(static_cast<uint16_t>(length));
    for (size_t i = 0; i < length; ++i)
        out.PutU16LE(static_cast<uint16_t>(text[i]));
}

void PutBytes32(ByteWriter& out, const std::vector<BYTE>& bytes)
{
    out.PutU32LE(static_cast<uint32_t>(bytes.size()));
    out.PutBytes(bytes.data(), bytes.size());
}

bool GetText16(ByteReader& in, std::wstring* text)
{
    uint16_t length;
    if (!in.GetU16LE(&length) || in.Left() / 2 < length)
        return false;
    text->resize(length);
    for (uint16_t i = 0; i < length; ++i) {
        uint16_t unit = 0;
        in.GetU16LE(&unit);
        (*text)[i] = static_cast<wchar_t>(unit);
    }
    return true;
}

bool GetBytes32(ByteReader& in, std::vector<BYTE>* bytes)
{
    uint32_t length;
    const uint8_t* span = nullptr;
    if (!in.GetU32LE(&length) || !in.GetSpan(length, &span))
        return false;
    bytes->assign(span, span + length);
    return true;
}

}  // namespace poom
