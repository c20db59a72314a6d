// What Glimmor.dll brings into the shell's process: its image, read from
// the built file, carries no state of the main program's (the contacts
// table alone would add 1.36 MB of uninitialised data).
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kMostUninitialisedBytes = 2 * 1024 * 1024;

uint32_t Field32(const std::vector<uint8_t>& bytes, size_t at)
{
    return at + 4 <= bytes.size() ? static_cast<uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                                          static_cast<uint32_t>(bytes[at + 3]) << 24)
                                  : 0;
}

TEST(TodayItemImage, CarriesOnlyWhatTheItemUses)
{
    const std::vector<uint8_t> dll = testkit::ReadFileBytes(testkit::BuiltProgram(L"Glimmor.dll"));
    ASSERT_GT(dll.size(), 0x40u);
    const size_t pe = Field32(dll, 0x3C);
    ASSERT_EQ(Field32(dll, pe), 0x00004550u);  // "PE\0\0"
    // The optional header follows the 20 bytes of the file header.
    const uint32_t uninitialised = Field32(dll, pe + 4 + 20 + 12);
    EXPECT_GT(uninitialised, 0u);
    EXPECT_LT(uninitialised, kMostUninitialisedBytes);
}

}  // namespace
