// Request files as byte fixtures, spelled out piece by piece.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace todaytest {

using Bytes = std::vector<uint8_t>;

inline Bytes Ascii(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

inline Bytes Repeat(uint8_t value, size_t count)
{
    return Bytes(count, value);
}

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "홍길동" in code page 949.
inline Bytes HongGildong()
{
    return Bytes{0xC8, 0xAB, 0xB1, 0xE6, 0xB5, 0xBF};
}

// "C8 AB ..." for readable failures.
inline std::string Hex(const Bytes& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
        text += ' ';
    }
    return text;
}

}  // namespace todaytest
