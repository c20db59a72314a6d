#include "tests/hardening/fuzz_kit.h"

#include "tests/hardening/time_limit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace fuzz {

namespace {

constexpr uint64_t kDefaultSeed = 0x51D1'17C0'FFEEull;
constexpr int kDefaultInputs = 3000;
constexpr DWORD kDefaultInputLimitMs = 1000;
constexpr size_t kGuardedCapacity = 1 << 17;
constexpr int kLeastReadShare = 20;  // at least one input in twenty is read

const uint32_t kInteresting32[] = {0,          1,          2,          0x7F,       0x80,       0xFF,
                                   0x100,      0x7FFF,     0x8000,     0xFFFF,     0x10000,    0x7FFFFFFE,
                                   0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF, 999,        1000,
                                   5121,       0xFFF5F7E6, 0x002D2461, 0x002D2462};  // last: day limits

uint64_t SeedFromEnvironment()
{
    const wchar_t* text = _wgetenv(L"QUILLON_FUZZ_SEED");
    return text && *text ? wcstoull(text, nullptr, 0) : kDefaultSeed;
}

// FNV-1a: each decoder its own stream of inputs, the same on every machine.
uint64_t NameHash(const std::string& name)
{
    uint64_t hash = 0xCBF29CE484222325ull;
    for (unsigned char c : name)
        hash = (hash ^ c) * 0x100000001B3ull;
    return hash;
}

void PutLE(Bytes& bytes, size_t at, uint32_t value, int width)
{
    for (int i = 0; i < width && at + i < bytes.size(); ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetLE(const Bytes& bytes, size_t at, int width)
{
    uint32_t value = 0;
    for (int i = 0; i < width && at + i < bytes.size(); ++i)
        value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

// A value for a length field: near its own, near what is left, or extreme.
uint32_t CorruptLength(Random& random, const Bytes& bytes, const LengthField& field)
{
    uint32_t own = GetLE(bytes, field.offset, field.width);
    uint32_t left = static_cast<uint32_t>(bytes.size() - std::min(bytes.size(), field.offset + field.width));
    switch (random.Below(6)) {
    case 0: return own + 1;
    case 1: return own - 1;
    case 2: return left;
    case 3: return left + 1 + random.Below(4);
    case 4: return left / 2;
    default: return kInteresting32[random.Below(std::size(kInteresting32))];
    }
}

// A position on a unit boundary, up to and including the end.
size_t Boundary(Random& random, size_t size, size_t unit)
{
    return random.Below(static_cast<uint32_t>(size / unit + 1)) * unit;
}

// Half of the pieces go at the end, where a whole piece keeps a text whole.
void SplicePiece(Random& random, Bytes& bytes, const Seed& seed, size_t maxSize)
{
    const size_t size = bytes.size();
    const Bytes& piece = seed.dictionary[random.Below(static_cast<uint32_t>(seed.dictionary.size()))];
    size_t at = random.OneIn(2) ? size - size % seed.unit : Boundary(random, size, seed.unit);
    if (size + piece.size() <= maxSize)
        bytes.insert(bytes.begin() + at, piece.begin(), piece.end());
}

void MutateOnce(Random& random, Bytes& bytes, const Seed& seed, size_t maxSize)
{
    const size_t size = bytes.size();
    const size_t unit = seed.unit;
    // With a dictionary, three changes in four splice in a piece of it.
    if (!seed.dictionary.empty() && !random.OneIn(4)) {
        SplicePiece(random, bytes, seed, maxSize);
        return;
    }
    switch (random.Below(10)) {
    case 0:  // flip a bit
        if (size)
            bytes[random.Below(size)] ^= static_cast<uint8_t>(1u << random.Below(8));
        break;
    case 1:  // an interesting byte
        if (size)
            bytes[random.Below(size)] = static_cast<uint8_t>(kInteresting32[random.Below(std::size(kInteresting32))]);
        break;
    case 2:  // an interesting 16- or 32-bit value
        if (size >= 2) {
            int width = random.OneIn(2) ? 2 : 4;
            PutLE(bytes, random.Below(size), kInteresting32[random.Below(std::size(kInteresting32))], width);
        }
        break;
    case 3:  // a random byte
        if (size)
            bytes[random.Below(size)] = static_cast<uint8_t>(random.Next());
        break;
    case 4: {  // insert random units
        size_t count = (1 + random.Below(16)) * unit;
        if (size + count <= maxSize) {
            Bytes fresh(count);
            for (uint8_t& b : fresh)
                b = static_cast<uint8_t>(random.Next());
            bytes.insert(bytes.begin() + Boundary(random, size, unit), fresh.begin(), fresh.end());
        }
        break;
    }
    case 5:  // delete a range
        if (size >= unit) {
            size_t at = Boundary(random, size - unit, unit);
            size_t count = (1 + random.Below(static_cast<uint32_t>(std::min<size_t>((size - at) / unit, 16)))) * unit;
            bytes.erase(bytes.begin() + at, bytes.begin() + std::min(size, at + count));
        }
        break;
    case 6:  // repeat a range
        if (size >= unit) {
            size_t at = Boundary(random, size - unit, unit);
            size_t count = (1 + random.Below(static_cast<uint32_t>(std::min<size_t>((size - at) / unit, 64)))) * unit;
            count = std::min(count, size - at);
            size_t times = 1 + random.Below(8);
            Bytes range(bytes.begin() + at, bytes.begin() + at + count);
            for (size_t i = 0; i < times && bytes.size() + count <= maxSize; ++i)
                bytes.insert(bytes.begin() + at, range.begin(), range.end());
        }
        break;
    case 7:  // truncate
        bytes.resize(Boundary(random, size, unit));
        break;
    default:  // corrupt a length field
        if (!seed.lengths.empty()) {
            const LengthField& field = seed.lengths[random.Below(static_cast<uint32_t>(seed.lengths.size()))];
            if (field.offset + field.width <= bytes.size())
                PutLE(bytes, field.offset, CorruptLength(random, bytes, field), field.width);
        } else if (size) {
            bytes[random.Below(size)] = static_cast<uint8_t>(random.Next());
        }
        break;
    }
}

// Inputs end where a no-access page begins.
class GuardedBuffer {
public:
    GuardedBuffer()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        page_ = info.dwPageSize;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, kGuardedCapacity + page_, MEM_COMMIT | MEM_RESERVE,
                                                   PAGE_READWRITE));
        DWORD old = 0;
        if (base_)
            VirtualProtect(base_ + kGuardedCapacity, page_, PAGE_NOACCESS, &old);
    }
    ~GuardedBuffer()
    {
        if (base_)
            VirtualFree(base_, 0, MEM_RELEASE);
    }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    const uint8_t* Place(const Bytes& bytes)
    {
        uint8_t* at = base_ + kGuardedCapacity - bytes.size();
        if (!bytes.empty())
            std::memcpy(at, bytes.data(), bytes.size());
        return at;
    }
    bool Ready() const { return base_ != nullptr; }

private:
    uint8_t* base_ = nullptr;
    DWORD page_ = 0;
};

}  // namespace

uint32_t Random::Next()
{
    // xorshift64*: small, fast and the same everywhere.
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

Bytes Mutate(Random& random, const Seed& seed, size_t maxSize)
{
    Bytes bytes = seed.bytes;
    int rounds = 1 + static_cast<int>(random.Below(4));
    for (int i = 0; i < rounds; ++i)
        MutateOnce(random, bytes, seed, maxSize);
    return bytes;
}

int InputCount()
{
    const wchar_t* text = _wgetenv(L"QUILLON_FUZZ_INPUTS");
    int count = text && *text ? _wtoi(text) : 0;
    return count > 0 ? count : kDefaultInputs;
}

std::string Hex(const uint8_t* data, size_t size, size_t limit)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < size && i < limit; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 15];
    }
    if (size > limit)
        text += "...";
    return text;
}

void Run(const std::string& decoder, const std::vector<Seed>& seeds,
         const std::function<bool(const uint8_t* data, size_t size)>& check, int count)
{
    GuardedBuffer buffer;
    ASSERT_TRUE(buffer.Ready());
    Random random(SeedFromEnvironment() ^ NameHash(decoder));
    const DWORD limit = hardening::LimitFromEnvironment(L"QUILLON_FUZZ_LIMIT_MS", kDefaultInputLimitMs);
    const int total = static_cast<int>(seeds.size()) + count;
    int read = 0;
    for (int i = 0; i < total; ++i) {
        Bytes input = i < static_cast<int>(seeds.size()) ? seeds[i].bytes
                                                          : Mutate(random, seeds[random.Below(static_cast<uint32_t>(seeds.size()))]);
        if (input.size() > kGuardedCapacity)
            input.resize(kGuardedCapacity);
        const uint8_t* placed = buffer.Place(input);
        {
            hardening::Watched watched(decoder + " input " + std::to_string(i) + " (" +
                                           std::to_string(input.size()) + " bytes): " +
                                           Hex(input.data(), input.size()),
                                       limit);
            read += check(placed, input.size()) ? 1 : 0;
        }
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << decoder << " input " << i << " of " << input.size()
                          << " bytes: " << Hex(input.data(), input.size());
            return;
        }
    }
    printf("%s: %d of %d inputs read\n", decoder.c_str(), read, total);
    EXPECT_GE(read * kLeastReadShare, total) << decoder << ": too few inputs read to test the reader";
}

}  // namespace fuzz
