// The packets the phone application takes by WM_COPYDATA, written field by
// field, and their delivery to its window.
#pragma once

#include "platform/ce.h"

#include <cstdint>
#include <vector>

// The packets' command codes.
constexpr uint32_t kPhoneDial = 50000;
constexpr uint32_t kPhoneSendSms = 53000;
constexpr uint32_t kPhoneHangUp = 54000;
constexpr uint32_t kPhoneRecordDeleted = 59100;
constexpr uint32_t kPhoneRecordRead = 59200;

// Type codes of a dial packet.
constexpr uint32_t kDialTypeVoice = 1;
constexpr uint32_t kDialTypeOther = 129;

constexpr size_t kDialPacketBytes = 252;
constexpr size_t kSmsPacketBytes = 2220;

// Texts go in the ANSI code page, cut at a whole character so that a NUL
// always follows, the rest of the field zero. Null texts are empty. A text
// with a character the code page cannot carry exactly gives no packet (an
// empty one).
std::vector<uint8_t> MakeDialPacket(uint32_t command, uint32_t typeCode, const wchar_t* number,
                                    const wchar_t* text);
std::vector<uint8_t> MakeSmsPacket(uint32_t command, uint32_t levelCode, const wchar_t* receiveNumber,
                                   const wchar_t* returnNumber, const wchar_t* contents);

// The phone application's window; when there is none, the library's box
// says so and the result is null.
HWND FindPhoneWindow();

// Hands the packet to the window and waits until it has been handled.
void SendPhonePacket(HWND phone, WPARAM wParam, const std::vector<uint8_t>& packet);
