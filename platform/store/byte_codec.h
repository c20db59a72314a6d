// Little-endian field writer and reader for the formats the store keeps in
// its files (record properties, sort orders). Every read checks its length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace store {

class ByteWriter {
public:
    void PutU8(uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void PutU16LE(uint16_t v)
    {
        PutU8(static_cast<uint8_t>(v));
        PutU8(static_cast<uint8_t>(v >> 8));
    }
    void PutU32LE(uint32_t v)
    {
        PutU16LE(static_cast<uint16_t>(v));
        PutU16LE(static_cast<uint16_t>(v >> 16));
    }
    void PutBytes(const void* data, size_t count)
    {
        bytes_.append(static_cast<const char*>(data), count);
    }
    size_t Size() const { return bytes_.size(); }
    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class ByteReader {
public:
    ByteReader(const void* data, size_t size)
        : data_(static_cast<const uint8_t*>(data)), size_(size) {}

    bool GetU8(uint8_t* v)
    {
        if (size_ - pos_ < 1)
            return false;
        *v = data_[pos_++];
        return true;
    }
    bool GetU16LE(uint16_t* v)
    {
        if (size_ - pos_ < 2)
            return false;
        *v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool GetU32LE(uint32_t* v)
    {
        uint16_t low = 0, high = 0;
        if (size_ - pos_ < 4)
            return false;
        GetU16LE(&low);
        GetU16LE(&high);
        *v = low | (static_cast<uint32_t>(high) << 16);
        return true;
    }
    // Points at the next count bytes without copying them.
    bool GetSpan(size_t count, const uint8_t** span)
    {
        if (size_ - pos_ < count)
            return false;
        *span = data_ + pos_;
        pos_ += count;
        return true;
    }
    bool AtEnd() const { return pos_ == size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace store
