// What the phone library keeps between calls, and its one message box.
#pragma once

#include "platform/ce.h"

// The outcome of the last dial, message send or record delete
// (TelvoErrorCode of telvo.h); starts at 0.
extern int LastErrorCode;

// The phone software's common broadcast, registered when the library loads.
extern UINT PhoneBroadcastMessage;

// The library's boxes: OK only, caption "Telvo".
void ShowTelvoBox(const wchar_t* text);
