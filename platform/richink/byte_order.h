// Little-endian fields of the Rich Ink formats, read and written one at a
// time; no struct is ever copied whole.
#pragma once

#include <cstdint>

namespace richink {

inline void PutU16LE(unsigned char* at, uint16_t value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

inline void PutU32LE(unsigned char* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

inline uint16_t GetU16LE(const unsigned char* at)
{
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

inline uint32_t GetU32LE(const unsigned char* at)
{
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) |
           (static_cast<uint32_t>(at[2]) << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

}  // namespace richink
