#include "mainwindow/phone_requests.h"

#include "core/ansi_text.h"
#include "platform/ceplat/byte_fields.h"

namespace {

constexpr size_t kNameOffset = 72;
constexpr size_t kTelvoNumberOffset = 8;

using Writer = ce::ByteWriter<std::vector<uint8_t>>;

// At most `chars` code units, then zeros to fill `bytes`.
void PutWideField(Writer& out, const wchar_t* text, size_t chars, size_t bytes)
{
    size_t count = text ? wcsnlen(text, chars) : 0;
    if (count == chars && count > 0 && IS_HIGH_SURROGATE(text[count - 1]))
        --count;
    for (size_t i = 0; i < count; ++i)
        out.PutU16LE(static_cast<uint16_t>(text[i]));
    for (size_t i = count * 2; i < bytes; ++i)
        out.PutU8(0);
}

// The text up to its terminator, which must lie inside the field.
bool GetWideField(const uint8_t* field, size_t bytes, std::wstring* text)
{
    text->clear();
    for (size_t at = 0; at + 1 < bytes; at += 2) {
        const wchar_t unit = static_cast<wchar_t>(ce::LoadU16LE(field + at));
        if (unit == L'\0')
            return true;
        text->push_back(unit);
    }
    return false;
}

// The number cut between characters; false when a character has no exact
// form in the code page.
bool PutAnsiField(Writer& out, const wchar_t* text, size_t bytes)
{
    std::string converted;
    if (!AnsiCutExact(text, bytes, &converted))
        return false;
    out.PutBytes(converted.data(), converted.size());
    for (size_t used = converted.size(); used < bytes; ++used)
        out.PutU8(0);
    return true;
}

}  // namespace

std::vector<uint8_t> WritePhoneDialRecord(const wchar_t* number, const wchar_t* name)
{
    Writer out;
    PutWideField(out, number, kPhoneDialNumberChars, kNameOffset);
    PutWideField(out, name, kPhoneDialNameChars, kPhoneDialRecordBytes - kNameOffset);
    return out.Take();
}

bool ReadPhoneDialRecord(const std::vector<uint8_t>& record, std::wstring* number, std::wstring* name)
{
    return record.size() == kPhoneDialRecordBytes && GetWideField(record.data(), kNameOffset, number) &&
           GetWideField(record.data() + kNameOffset, kPhoneDialRecordBytes - kNameOffset, name);
}

std::vector<uint8_t> WriteTelvoDialPacket(const wchar_t* number)
{
    Writer out;
    out.PutU32LE(kTelvoDialCommand);
    out.PutU32LE(kTelvoDialType);
    if (!PutAnsiField(out, number, kTelvoDialNumberBytes))
        return {};
    while (out.Size() < kTelvoDialPacketBytes)
        out.PutU8(0);
    return out.Take();
}

bool ReadTelvoDialPacket(const std::vector<uint8_t>& packet, std::wstring* number)
{
    if (packet.size() != kTelvoDialPacketBytes || ce::LoadU32LE(packet.data()) != kTelvoDialCommand ||
        ce::LoadU32LE(packet.data() + 4) != kTelvoDialType)
        return false;
    const char* field = reinterpret_cast<const char*>(packet.data() + kTelvoNumberOffset);
    const int bytes = static_cast<int>(strnlen(field, kTelvoDialNumberBytes));
    return WideFromAnsiExact(field, static_cast<size_t>(bytes), number);
}
