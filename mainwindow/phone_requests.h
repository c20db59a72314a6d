// The requests that leave the program for a maker's phone application, each
// writer beside its reader:
//   PhoneDialRecord  592 bytes, WM_COPYDATA code 2410 (HP and LG phones):
//                    0-71 the number, 72-591 the name, UTF-16LE, each
//                    terminated, every other byte zero;
//   TelvoDialPacket  252 bytes, WM_COPYDATA code 1 (the Harrowell phone):
//                    0-3 command 50000, 4-7 type 1 (little-endian), 8-87 the
//                    number in the ANSI code page, every other byte zero.
#pragma once

#include "platform/ce.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr size_t kPhoneDialRecordBytes = 592;
constexpr ULONG_PTR kPhoneDialRecordCode = 2410;
constexpr size_t kPhoneDialNumberChars = 35;
constexpr size_t kPhoneDialNameChars = 259;

constexpr size_t kTelvoDialPacketBytes = 252;
constexpr ULONG_PTR kTelvoDialPacketCode = 1;
constexpr uint32_t kTelvoDialCommand = 50000;
constexpr uint32_t kTelvoDialType = 1;
constexpr size_t kTelvoDialNumberBytes = 80;

// The number cut to 35 characters, the name to 259 (never inside a
// surrogate pair).
std::vector<uint8_t> WritePhoneDialRecord(const wchar_t* number, const wchar_t* name);
// False for another size or a field without its terminator.
bool ReadPhoneDialRecord(const std::vector<uint8_t>& record, std::wstring* number, std::wstring* name);

// The number cut to whole characters within 80 bytes; empty when the
// number has a character the ANSI code page cannot carry exactly.
std::vector<uint8_t> WriteTelvoDialPacket(const wchar_t* number);
// False for another size, command or type, or a number that is no text of
// the code page.
bool ReadTelvoDialPacket(const std::vector<uint8_t>& packet, std::wstring* number);
