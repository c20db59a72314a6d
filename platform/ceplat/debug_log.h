// The device's debug output. Everything the system prints goes to the
// device's debug log (a file beside the device folder that tests read).
#pragma once

// Appends one line to the device log (UTF-8, prefixed with the process id).
CEAPI void WINAPI CeAppendDebugLog(LPCWSTR text);

// The device's debug print: printf-style, into the device log.
CEAPI void NKDbgPrintfW(LPCWSTR format, ...);

// OutputDebugString as on the device: into the device log as well.
CEAPI void WINAPI CeOutputDebugStringW(LPCWSTR text);
#undef OutputDebugString
#define OutputDebugString CeOutputDebugStringW
#define OutputDebugStringW CeOutputDebugStringW
