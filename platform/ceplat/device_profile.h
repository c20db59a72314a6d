// The device profile: the handset's properties (OEM text, CE version, power,
// memory, storage cards, screen), from an INI file beside the device folder
// named by QUILLON_DEVICE_PROFILE. A missing file or key gives the default.
#pragma once

// Copies the value into out (always terminated); returns its length.
CEAPI DWORD WINAPI CeProfileString(LPCWSTR section, LPCWSTR key, LPCWSTR fallback,
                                   LPWSTR out, DWORD outChars);
CEAPI int WINAPI CeProfileInt(LPCWSTR section, LPCWSTR key, int fallback);
