// Little-endian fields of the formats the platform keeps in files and
// records, written and read one at a time: no struct is ever copied whole,
// and every read checks the bytes that are left. Header only, so that the
// platform's DLLs share it without an export.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ce {

// Fixed-position access for formats with known offsets.
inline uint16_t LoadU16LE(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

inline uint32_t LoadU32LE(const uint8_t* at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

inline void StoreU16LE(uint8_t* at, uint16_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

inline void StoreU32LE(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Appends fields to a byte container (std::string or std::vector<uint8_t>).
template <class Bytes>
class ByteWriter {
public:
    void PutU8(uint8_t value) { bytes_.push_back(static_cast<typename Bytes::value_type>(value)); }
    void PutU16LE(uint16_t value) { PutLE(value, 2); }
    void PutU32LE(uint32_t value) { PutLE(value, 4); }
    void PutU64LE(uint64_t value) { PutLE(value, 8); }
    void PutBytes(const void* data, size_t count)
    {
        const auto* from = static_cast<const typename Bytes::value_type*>(data);
        bytes_.insert(bytes_.end(), from, from + count);
    }
    size_t Size() const { return bytes_.size(); }
    Bytes& Written() { return bytes_; }
    Bytes Take() { return static_cast<Bytes&&>(bytes_); }

private:
    void PutLE(uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            PutU8(static_cast<uint8_t>(value >> (8 * i)));
    }
    Bytes bytes_;
};

class ByteReader {
public:
    ByteReader(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}

    bool GetU8(uint8_t* value) { return GetLE(value, 1); }
    bool GetU16LE(uint16_t* value) { return GetAt(value, 2, LoadU16LE); }
    bool GetU32LE(uint32_t* value) { return GetAt(value, 4, LoadU32LE); }
    bool GetU64LE(uint64_t* value) { return GetLE(value, 8); }
    // Points at the next count bytes without copying them.
    bool GetSpan(size_t count, const uint8_t** span)
    {
        if (Left() < count)
            return false;
        *span = data_ + pos_;
        pos_ += count;
        return true;
    }
    size_t Left() const { return size_ - pos_; }
    bool AtEnd() const { return pos_ == size_; }

private:
    // Through the fixed-position loads, which compile to single loads.
    template <class T, class Load>
    bool GetAt(T* value, size_t width, Load load)
    {
        if (Left() < width)
            return false;
        *value = load(data_ + pos_);
        pos_ += width;
        return true;
    }
    template <class T>
    bool GetLE(T* value, size_t width)
    {
        if (Left() < width)
            return false;
        uint64_t result = 0;
        for (size_t i = 0; i < width; ++i)
            result |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
        pos_ += width;
        *value = static_cast<T>(result);
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace ce
