#include "telvo/phone_packets.h"

#include "core/ansi_text.h"
#include "platform/ceplat/byte_fields.h"
#include "telvo/state.h"

namespace {

constexpr wchar_t kPhoneWindowClass[] = L"AfxTelvoNatePhone";
constexpr wchar_t kNoPhoneWindowText[] = L"Can't send WM_COPYDATA.";
constexpr ULONG_PTR kPacketDataCode = 1;

constexpr size_t kDialNumberBytes = 80;
constexpr size_t kDialTextBytes = 80;
constexpr size_t kDialReservedBytes = 84;
constexpr size_t kSmsReservedBytes = 84;
constexpr size_t kSmsReceiveNumberBytes = 1024;
constexpr size_t kSmsReturnNumberBytes = 80;
constexpr size_t kSmsContentsBytes = 1024;

static_assert(4 + 4 + kDialNumberBytes + kDialTextBytes + kDialReservedBytes == kDialPacketBytes);
static_assert(4 + 4 + kSmsReservedBytes + kSmsReceiveNumberBytes + kSmsReturnNumberBytes + kSmsContentsBytes ==
              kSmsPacketBytes);

using PacketWriter = ce::ByteWriter<std::vector<uint8_t>>;

void PutZeros(PacketWriter& packet, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        packet.PutU8(0);
}

// Cut at a whole character so that a NUL always follows; false when a
// character has no exact form in the code page, as the phone would show
// another text.
bool PutAnsiField(PacketWriter& packet, const wchar_t* text, size_t fieldBytes)
{
    std::string bytes;
    if (!AnsiCutExact(text, fieldBytes - 1, &bytes))
        return false;
    packet.PutBytes(bytes.data(), bytes.size());
    PutZeros(packet, fieldBytes - bytes.size());
    return true;
}

}  // namespace

std::vector<uint8_t> MakeDialPacket(uint32_t command, uint32_t typeCode, const wchar_t* number,
                                    const wchar_t* text)
{
    PacketWriter packet;
    packet.PutU32LE(command);
    packet.PutU32LE(typeCode);
    if (!PutAnsiField(packet, number, kDialNumberBytes) || !PutAnsiField(packet, text, kDialTextBytes))
        return {};
    PutZeros(packet, kDialReservedBytes);
    return packet.Take();
}

std::vector<uint8_t> MakeSmsPacket(uint32_t command, uint32_t levelCode, const wchar_t* receiveNumber,
                                   const wchar_t* returnNumber, const wchar_t* contents)
{
    PacketWriter packet;
    packet.PutU32LE(command);
    packet.PutU32LE(levelCode);
    PutZeros(packet, kSmsReservedBytes);
    if (!PutAnsiField(packet, receiveNumber, kSmsReceiveNumberBytes) ||
        !PutAnsiField(packet, returnNumber, kSmsReturnNumberBytes) ||
        !PutAnsiField(packet, contents, kSmsContentsBytes))
        return {};
    return packet.Take();
}

HWND FindPhoneWindow()
{
    HWND phone = FindWindowW(kPhoneWindowClass, nullptr);
    if (!phone)
        ShowTelvoBox(kNoPhoneWindowText);
    return phone;
}

void SendPhonePacket(HWND phone, WPARAM wParam, const std::vector<uint8_t>& packet)
{
    COPYDATASTRUCT data = {};
    data.dwData = kPacketDataCode;
    data.cbData = static_cast<DWORD>(packet.size());
    data.lpData = const_cast<uint8_t*>(packet.data());
    SendMessageW(phone, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&data));
}
