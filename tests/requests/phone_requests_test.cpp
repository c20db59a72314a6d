// The dial requests for the phone applications, byte for byte: the HP and
// LG phones' 592-byte record and the Harrowell phone's 252-byte packet.
#include "mainwindow/phone_requests.h"
#include "tests/requests/requests_fixture.h"
#include "tests/support/standins.h"

namespace requests {
namespace {

using testkit::FirstDifference;
using testkit::PacketBytes;

const std::wstring kForty = L"0123456789012345678901234567890123456789";

struct RecordCase {
    const char* what;
    std::wstring number, name;
    PacketBytes expected;
    std::wstring readNumber, readName;
};

TEST(PhoneDialRecord, WritesItsTwoFieldsAndZeros)
{
    const std::wstring longName(300, L'가');
    const RecordCase cases[] = {
        {"number and Hangul name", L"0101234567", L"홍길동", PacketBytes(592).Wide(0, L"0101234567").Wide(72, L"홍길동"),
         L"0101234567", L"홍길동"},
        {"35 characters stay", kForty.substr(0, 35), L"", PacketBytes(592).Wide(0, kForty.substr(0, 35)),
         kForty.substr(0, 35), L""},
        {"36 characters cut to 35", kForty.substr(0, 36), L"a", PacketBytes(592).Wide(0, kForty.substr(0, 35)).Wide(72, L"a"),
         kForty.substr(0, 35), L"a"},
        {"40 characters cut to 35", kForty, L"", PacketBytes(592).Wide(0, kForty.substr(0, 35)),
         kForty.substr(0, 35), L""},
        {"a name cut to 259", L"1", longName, PacketBytes(592).Wide(0, L"1").Wide(72, longName.substr(0, 259)), L"1",
         longName.substr(0, 259)},
        {"empty", L"", L"", PacketBytes(592), L"", L""},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> record = WritePhoneDialRecord(c.number.c_str(), c.name.c_str());
        EXPECT_EQ(FirstDifference(record, c.expected.Bytes()), "");
        std::wstring number, name;
        ASSERT_TRUE(ReadPhoneDialRecord(record, &number, &name));
        EXPECT_EQ(number, c.readNumber);
        EXPECT_EQ(name, c.readName);
    }
}

TEST(PhoneDialRecord, ANameIsNotCutInsideASurrogatePair)
{
    std::wstring name(258, L'a');
    name += L"\xD83D\xDE00";  // a pair across the 259th and 260th code units
    std::wstring number, read;
    ASSERT_TRUE(ReadPhoneDialRecord(WritePhoneDialRecord(L"1", name.c_str()), &number, &read));
    EXPECT_EQ(read, std::wstring(258, L'a'));
}

TEST(PhoneDialRecord, TheReaderRefusesOtherSizesAndUnterminatedFields)
{
    std::wstring number, name;
    EXPECT_FALSE(ReadPhoneDialRecord(std::vector<uint8_t>(591), &number, &name));
    EXPECT_FALSE(ReadPhoneDialRecord(std::vector<uint8_t>(593), &number, &name));
    std::vector<uint8_t> full = PacketBytes(592).Wide(0, std::wstring(36, L'1')).Bytes();
    EXPECT_FALSE(ReadPhoneDialRecord(full, &number, &name));
    full = PacketBytes(592).Wide(72, std::wstring(260, L'a')).Bytes();
    EXPECT_FALSE(ReadPhoneDialRecord(full, &number, &name));
}

TEST(TelvoDialPacket, WritesCommandTypeAndNumber)
{
    const std::wstring hundred = kForty + kForty + kForty.substr(0, 20);
    const struct {
        const char* what;
        std::wstring number;
        PacketBytes expected;
        std::wstring read;
    } cases[] = {
        {"number", L"0101234567", PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, "0101234567"), L"0101234567"},
        {"80 bytes fill the field", hundred.substr(0, 80),
         PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, std::string(hundred.begin(), hundred.begin() + 80)),
         hundred.substr(0, 80)},
        {"cut to 80 bytes", hundred,
         PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, std::string(hundred.begin(), hundred.begin() + 80)),
         hundred.substr(0, 80)},
        // 79 digits and a two-byte character: the character does not fit.
        {"cut between characters", std::wstring(79, L'1') + L"홍",
         PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, std::string(79, '1')), std::wstring(79, L'1')},
        {"empty", L"", PacketBytes(252).U32(0, 50000).U32(4, 1), L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> packet = WriteTelvoDialPacket(c.number.c_str());
        EXPECT_EQ(FirstDifference(packet, c.expected.Bytes()), "");
        std::wstring read;
        ASSERT_TRUE(ReadTelvoDialPacket(packet, &read));
        EXPECT_EQ(read, c.read);
    }
}

TEST(TelvoDialPacket, NumbersTheCodePageCannotCarryAreRefused)
{
    EXPECT_TRUE(WriteTelvoDialPacket(L"0101234567\u00E9").empty());
    EXPECT_TRUE(WriteTelvoDialPacket(L"\U0001F4DE0101234567").empty());
    std::wstring number = L"x";
    EXPECT_FALSE(ReadTelvoDialPacket(PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, "010\xFF\xFF").Bytes(), &number));
    EXPECT_FALSE(ReadTelvoDialPacket(PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, "010\xC8").Bytes(), &number));
}

TEST(TelvoDialPacket, TheReaderRefusesOtherSizesCommandsAndTypes)
{
    std::wstring number;
    EXPECT_FALSE(ReadTelvoDialPacket(PacketBytes(251).U32(0, 50000).U32(4, 1).Bytes(), &number));
    EXPECT_FALSE(ReadTelvoDialPacket(PacketBytes(252).U32(0, 50001).U32(4, 1).Bytes(), &number));
    EXPECT_FALSE(ReadTelvoDialPacket(PacketBytes(252).U32(0, 50000).U32(4, 2).Bytes(), &number));
}

}  // namespace
}  // namespace requests
