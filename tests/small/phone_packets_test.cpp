// The phone library's packets as the phone application receives them, byte
// for byte, and what happens without its window.
#include "tests/small/phone_fixture.h"

#include <gtest/gtest.h>

using smalltest::PacketBytes;
using smalltest::PhonePacket;

namespace {

constexpr size_t kDialBytes = 252;
constexpr size_t kSmsBytes = 2220;
constexpr size_t kDialNumberAt = 8;
constexpr size_t kDialTextAt = 88;
constexpr size_t kSmsReceiveAt = 92;
constexpr size_t kSmsReturnAt = 1116;
constexpr size_t kSmsContentsAt = 1196;

const std::string kHong = "\xC8\xAB\xB1\xE6\xB5\xBF";                   // 홍길동
const std::string kHello = "\xBE\xC8\xB3\xE7\xC7\xCF\xBC\xBC\xBF\xE4";  // 안녕하세요
const std::string kGa = "\xB0\xA1";                                      // 가

std::wstring Repeated(const std::wstring& unit, size_t times)
{
    std::wstring text;
    for (size_t i = 0; i < times; ++i)
        text += unit;
    return text;
}

void ExpectOnePacket(const std::vector<PhonePacket>& packets, unsigned long long wParam,
                     const std::vector<uint8_t>& expected)
{
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].code, 1u);
    EXPECT_EQ(packets[0].wParam, wParam);
    EXPECT_EQ(smalltest::FirstDifference(packets[0].bytes, expected), "");
}

PacketBytes DialPacket(uint32_t command, uint32_t typeCode)
{
    PacketBytes packet(kDialBytes);
    packet.U32(0, command).U32(4, typeCode);
    return packet;
}

PacketBytes SmsPacket(uint32_t command, uint32_t levelCode)
{
    PacketBytes packet(kSmsBytes);
    packet.U32(0, command).U32(4, levelCode);
    return packet;
}

class PhonePackets : public testing::Test {
protected:
    static void SetUpTestSuite() { smalltest::StartPhone(); }
};

class WithoutPhone : public testing::Test {
protected:
    static void SetUpTestSuite() { smalltest::StopPhone(); }
};

}  // namespace

TEST_F(PhonePackets, DialChecksTheNumberAndSendsItWithTheText)
{
    const std::wstring eighty = Repeated(L"0123456789", 8);
    struct DialCase {
        const wchar_t* name;
        std::wstring number;
        int type;
        std::wstring text;
        int code;
        std::vector<uint8_t> packet;  // empty: nothing is sent
    };
    const DialCase cases[] = {
        {L"empty", L"", 1, L"", TELVO_DIAL_NUMBER_EMPTY, {}},
        {L"only dashes", L"---", 1, L"", TELVO_DIAL_NUMBER_EMPTY, {}},
        {L"a letter", L"12a", 1, L"", TELVO_DIAL_NUMBER_LETTER, {}},
        {L"Hangul", L"공일공", 1, L"", TELVO_DIAL_NUMBER_LETTER, {}},
        // The phone would show another text than the one given.
        {L"a sign the code page lacks", L"010\u23181234", 1, L"", TELVO_DIAL_NUMBER_LETTER, {}},
        {L"a text the code page cannot carry", L"0101234567", 2, L"José", TELVO_TEXT_NOT_CARRIED, {}},
        {L"dashes go, the blank stays", L"010-1234 5678", 1, L"", TELVO_DIAL_SENT,
         DialPacket(50000, 1).Text(kDialNumberAt, "0101234 5678").Bytes()},
        {L"80 digits keep 79 and the NUL", eighty, 1, L"", TELVO_DIAL_SENT,
         DialPacket(50000, 1).Text(kDialNumberAt, std::string(eighty.begin(), eighty.end() - 1)).Bytes()},
        {L"another type with a Hangul text", L"0101234567", 2, L"홍길동", TELVO_DIAL_SENT,
         DialPacket(50000, 129).Text(kDialNumberAt, "0101234567").Text(kDialTextAt, kHong).Bytes()},
        // 39 syllables fill 78 bytes; the 40th would leave no room for the NUL.
        {L"Hangul text cut on a syllable", L"114", 1, Repeated(L"가", 45), TELVO_DIAL_SENT,
         DialPacket(50000, 1).Text(kDialNumberAt, "114").Repeat(kDialTextAt, kGa, 39).Bytes()},
        {L"a byte and 39 syllables fill 79 bytes", L"114", 1, L"a" + Repeated(L"가", 45), TELVO_DIAL_SENT,
         DialPacket(50000, 1).Text(kDialNumberAt, "114").Text(kDialTextAt, "a").Repeat(kDialTextAt + 1, kGa, 39)
             .Bytes()},
    };
    for (const DialCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        int result = 0;
        std::vector<PhonePacket> packets = smalltest::PacketsOf(
            [&] { result = Telvo_EXT_Dial(c.number.c_str(), c.type, c.text.c_str()); });
        EXPECT_EQ(result, -1);
        EXPECT_EQ(Telvo_EXT_GetLastError(), c.code);
        if (c.packet.empty())
            EXPECT_TRUE(packets.empty());
        else
            ExpectOnePacket(packets, 0, c.packet);
    }
    // Null texts are empty.
    EXPECT_EQ(Telvo_EXT_Dial(nullptr, 1, nullptr), -1);
    EXPECT_EQ(Telvo_EXT_GetLastError(), TELVO_DIAL_NUMBER_EMPTY);
}

TEST_F(PhonePackets, HangUpSendsTheEmptyPacket)
{
    ExpectOnePacket(smalltest::PacketsOf([] { Telvo_EXT_DialEnd(); }), 0, DialPacket(54000, 129).Bytes());
}

TEST_F(PhonePackets, SendChecksTheNumbersAndSendsTheMessage)
{
    const std::wstring longNumber = Repeated(L"1234567890", 110);
    struct SendCase {
        const wchar_t* name;
        std::wstring receive;
        std::wstring answer;
        std::wstring contents;
        unsigned level;
        int code;
        std::vector<uint8_t> packet;
    };
    const SendCase cases[] = {
        {L"dashes and blanks go", L"010-1234 5678", L"02 345-6789", L"안녕하세요", 0, TELVO_SMS_SENT,
         SmsPacket(53000, 1)
             .Text(kSmsReceiveAt, "01012345678")
             .Text(kSmsReturnAt, "023456789")
             .Text(kSmsContentsAt, kHello)
             .Bytes()},
        {L"empty return number", L"0101234567", L"", L"hi", 1, TELVO_SMS_SENT,
         SmsPacket(53000, 3).Text(kSmsReceiveAt, "0101234567").Text(kSmsContentsAt, "hi").Bytes()},
        {L"level 2", L"0101234567", L"", L"", 2, TELVO_SMS_SENT,
         SmsPacket(53000, 5).Text(kSmsReceiveAt, "0101234567").Bytes()},
        {L"level 3 as 2", L"0101234567", L"", L"", 3, TELVO_SMS_SENT,
         SmsPacket(53000, 5).Text(kSmsReceiveAt, "0101234567").Bytes()},
        // 511 syllables fill 1022 bytes of the 1024.
        {L"contents cut on a syllable", L"0101234567", L"", Repeated(L"가", 600), 0, TELVO_SMS_SENT,
         SmsPacket(53000, 1).Text(kSmsReceiveAt, "0101234567").Repeat(kSmsContentsAt, kGa, 511).Bytes()},
        {L"long receive number keeps 1023 bytes", longNumber, L"", L"", 0, TELVO_SMS_SENT,
         SmsPacket(53000, 1).Text(kSmsReceiveAt, std::string(longNumber.begin(), longNumber.begin() + 1023)).Bytes()},
        {L"empty receive number", L" - ", L"", L"", 0, TELVO_RECEIVE_NUMBER_EMPTY, {}},
        {L"letter in the receive number", L"010abc", L"", L"", 0, TELVO_RECEIVE_NUMBER_LETTER, {}},
        {L"letter in the return number", L"0101234567", L"02-x", L"", 0, TELVO_RETURN_NUMBER_LETTER, {}},
        {L"contents the code page cannot carry", L"0101234567", L"", L"café \U0001F600", 0, TELVO_TEXT_NOT_CARRIED,
         {}},
        {L"a sign the code page lacks in the receive number", L"010\u23181234", L"", L"", 0,
         TELVO_RECEIVE_NUMBER_LETTER, {}},
    };
    for (const SendCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        int result = 0;
        std::vector<PhonePacket> packets = smalltest::PacketsOf([&] {
            result = Telvo_EXT_Send_SMS_Message(c.receive.c_str(), c.answer.c_str(), c.contents.c_str(), c.level);
        });
        EXPECT_EQ(Telvo_EXT_GetLastError(), c.code);
        if (c.packet.empty()) {
            EXPECT_EQ(result, -1);
            EXPECT_TRUE(packets.empty());
        } else {
            EXPECT_EQ(result, 3);
            ExpectOnePacket(packets, 0, c.packet);
        }
    }
}

TEST_F(PhonePackets, SendWritesItsArgumentsToTheDebugLog)
{
    Telvo_EXT_Send_SMS_Message(L"010-1234", L"", L"안녕", 7);
    std::vector<std::wstring> lines = shelltest::LogRecords(L"==>");
    ASSERT_GE(lines.size(), 4u);
    const std::vector<std::wstring> expected = {
        L"==>ReceiveNumber   = [010-1234]",
        L"==>ReturnNumber    = []",
        L"==>Contents        = [안녕]",
        L"==>Level           = [7]",
    };
    EXPECT_EQ(std::vector<std::wstring>(lines.end() - 4, lines.end()), expected);
    EXPECT_FALSE(shelltest::LogRecords(L"Telvo DLL ------------------").empty());
}

TEST_F(PhonePackets, RecordPacketsCarryTheIndex)
{
    smalltest::WriteMessages({smalltest::Message(3, L"c"), smalltest::Message(2, L"b"), smalltest::Message(1, L"a")});
    ExpectOnePacket(smalltest::PacketsOf([] { EXPECT_EQ(Telvo_EXT_SetRecordStatus(2, 0), 1); }), 2,
                    SmsPacket(59200, 0).Bytes());
    ExpectOnePacket(smalltest::PacketsOf([] { EXPECT_EQ(Telvo_EXT_DeleteRecord(1), 1); }), 1,
                    SmsPacket(59100, 0).Bytes());
    EXPECT_EQ(Telvo_EXT_GetLastError(), TELVO_SMS_SENT);
    EXPECT_EQ(Telvo_EXT_GetRecordTotal(), 2);
}

// Without the phone application each command shows the box, reports code 7
// where it reports at all, and changes nothing.
TEST_F(WithoutPhone, CommandsShowTheBoxAndChangeNothing)
{
    smalltest::WriteMessages({smalltest::Message(2, L"newer"), smalltest::Message(1, L"older")});
    const auto before = smalltest::StoredRecords();
    struct CommandCase {
        const wchar_t* name;
        int (*call)();
        int result;
        bool reportsCode;
    };
    const CommandCase cases[] = {
        {L"dial", [] { return Telvo_EXT_Dial(L"0101234567", 1, L""); }, -1, true},
        {L"hang up", [] { Telvo_EXT_DialEnd(); return 0; }, 0, false},
        {L"send", [] { return Telvo_EXT_Send_SMS_Message(L"0101234567", L"", L"hi", 0); }, -1, true},
        {L"delete", [] { return Telvo_EXT_DeleteRecord(0); }, 0, true},
        {L"mark read", [] { return Telvo_EXT_SetRecordStatus(0, 1); }, 0, false},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        Telvo_EXT_Dial(L"", 1, L"");  // a known code before
        int result = 99;
        boxwatch::SeenBox box = smalltest::BoxOf([&] { result = c.call(); });
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, L"Telvo");
        EXPECT_EQ(box.text, L"Can't send WM_COPYDATA.");
        EXPECT_EQ(Telvo_EXT_GetLastError(), c.reportsCode ? TELVO_NO_PHONE_WINDOW : TELVO_DIAL_NUMBER_EMPTY);
    }
    EXPECT_EQ(smalltest::StoredRecords(), before);
}
