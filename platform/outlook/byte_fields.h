// Little-endian fields written and read one at a time, with every read
// checked against the bytes that are left.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace poom {

class ByteWriter {
public:
    void PutU8(uint8_t value) { bytes_.push_back(value); }
    void PutU16(uint16_t value) { PutLE(value, 2); }
    void PutU32(uint32_t value) { PutLE(value, 4); }
    void PutU64(uint64_t value) { PutLE(value, 8); }
    void PutText16(const std::wstring& text);  // u16 length, UTF-16LE
    void PutBytes32(const std::vector<BYTE>& bytes);  // u32 length, bytes
    std::vector<BYTE>& Bytes() { return bytes_; }

private:
    void PutLE(uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes_.push_back(static_cast<BYTE>(value >> (8 * i)));
    }
    std::vector<BYTE> bytes_;
};

class ByteReader {
public:
    ByteReader(const BYTE* bytes, size_t count) : bytes_(bytes), count_(count) {}

    bool GetU8(uint8_t* value);
    bool GetU16(uint16_t* value);
    bool GetU32(uint32_t* value);
    bool GetU64(uint64_t* value);
    bool GetText16(std::wstring* text);
    bool GetBytes32(std::vector<BYTE>* bytes);
    bool AtEnd() const { return pos_ == count_; }

private:
    bool GetLE(uint64_t* value, size_t width);
    const BYTE* bytes_;
    size_t count_;
    size_t pos_ = 0;
};

}  // namespace poom
