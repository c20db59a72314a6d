// Dialing through the phone software of each supported device, chosen by
// the device class found at start-up. No adapter reports anything: a phone
// application, library or export that is missing leaves no trace.
#pragma once

#include "platform/ce.h"

// Each adapter takes the number (digits and '#') and the called party's name.
using DialAdapter = void (*)(const wchar_t* number, const wchar_t* name);

// The cellular core's call request (PhoneModel 0 and 3).
void DialByPhoneEdition(const wchar_t* number, const wchar_t* name);
// A PhoneDialRecord to the HP phone (1) or the LG phone (4), when its window
// is there.
void DialByHpPhone(const wchar_t* number, const wchar_t* name);
void DialByLgPhone(const wchar_t* number, const wchar_t* name);
// The phone library "Telvo.dll", loaded for the call and freed after it (2).
void DialByTelvo(const wchar_t* number, const wchar_t* name);
// A TelvoDialPacket straight to the Harrowell phone's window.
void DialByNatePhone(const wchar_t* number, const wchar_t* name);
// The phone-linked build's Telvo_EXT_Dial, for every dial of that build.
void DialByLinkedPhone(const wchar_t* number, const wchar_t* name);
void DialNotSupported(const wchar_t* number, const wchar_t* name);

// The adapter the dial route takes on this device.
DialAdapter DialAdapterOfDevice();

// The dial route of every dial command: nothing for an empty number.
void RouteDial(const wchar_t* number, const wchar_t* name);
