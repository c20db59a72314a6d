#include "platform/outlook/byte_fields.h"

namespace poom {

void ByteWriter::PutText16(const std::wstring& text)
{
    size_t length = text.size() > 0xFFFF ? 0xFFFF : text.size();
    PutU16(static_cast<uint16_t>(length));
    for (size_t i = 0; i < length; ++i)
        PutU16(static_cast<uint16_t>(text[i]));
}

void ByteWriter::PutBytes32(const std::vector<BYTE>& bytes)
{
    PutU32(static_cast<uint32_t>(bytes.size()));
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

bool ByteReader::GetLE(uint64_t* value, size_t width)
{
    if (count_ - pos_ < width)
        return false;
    uint64_t result = 0;
    for (size_t i = 0; i < width; ++i)
        result |= static_cast<uint64_t>(bytes_[pos_ + i]) << (8 * i);
    pos_ += width;
    *value = result;
    return true;
}

bool ByteReader::GetU8(uint8_t* value)
{
    uint64_t v;
    if (!GetLE(&v, 1))
        return false;
    *value = static_cast<uint8_t>(v);
    return true;
}

bool ByteReader::GetU16(uint16_t* value)
{
    uint64_t v;
    if (!GetLE(&v, 2))
        return false;
    *value = static_cast<uint16_t>(v);
    return true;
}

bool ByteReader::GetU32(uint32_t* value)
{
    uint64_t v;
    if (!GetLE(&v, 4))
        return false;
    *value = static_cast<uint32_t>(v);
    return true;
}

bool ByteReader::GetU64(uint64_t* value)
{
    return GetLE(value, 8);
}

bool ByteReader::GetText16(std::wstring* text)
{
    uint16_t length;
    if (!GetU16(&length) || (count_ - pos_) / 2 < length)
        return false;
    text->resize(length);
    for (uint16_t i = 0; i < length; ++i) {
        uint16_t unit = 0;
        GetU16(&unit);
        (*text)[i] = static_cast<wchar_t>(unit);
    }
    return true;
}

bool ByteReader::GetBytes32(std::vector<BYTE>* bytes)
{
    uint32_t length;
    if (!GetU32(&length) || count_ - pos_ < length)
        return false;
    bytes->assign(bytes_ + pos_, bytes_ + pos_ + length);
    pos_ += length;
    return true;
}

}  // namespace poom
