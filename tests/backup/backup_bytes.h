// Byte strings for backup fixtures: written as lists, texts (without their
// terminator) and joined with +.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace backuptest {

class Bytes : public std::vector<uint8_t> {
public:
    Bytes() = default;
    Bytes(std::initializer_list<uint8_t> bytes) : std::vector<uint8_t>(bytes) {}
    Bytes(size_t count, uint8_t value) : std::vector<uint8_t>(count, value) {}
    template <class It>
    Bytes(It first, It last) : std::vector<uint8_t>(first, last)
    {
    }
    explicit Bytes(const char* text) : std::vector<uint8_t>(text, text + strlen(text)) {}
    explicit Bytes(const std::string& text) : std::vector<uint8_t>(text.begin(), text.end()) {}
    Bytes(const std::vector<uint8_t>& bytes) : std::vector<uint8_t>(bytes) {}

    Bytes operator+(const Bytes& more) const
    {
        Bytes joined = *this;
        joined.insert(joined.end(), more.begin(), more.end());
        return joined;
    }
    Bytes& operator+=(const Bytes& more)
    {
        insert(end(), more.begin(), more.end());
        return *this;
    }
};

// One field: kind, id and length high bytes first, then the data.
inline Bytes Field(uint8_t kind, uint16_t id, const Bytes& data)
{
    return Bytes{kind, static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id & 0xFF),
                 static_cast<uint8_t>(data.size() >> 8), static_cast<uint8_t>(data.size() & 0xFF)} +
           data;
}

inline Bytes Field(uint8_t kind, uint16_t id, const char* text)
{
    return Field(kind, id, Bytes(text));
}

// The head of a file of count records.
inline Bytes Head(uint32_t count)
{
    return Bytes("Vestamor_Quillon_Backup") + Bytes{static_cast<uint8_t>((count >> 8) & 0xFF), static_cast<uint8_t>(count & 0xFF)};
}

}  // namespace backuptest
