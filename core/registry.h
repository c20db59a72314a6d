// Registry helpers: one string read, one 32-bit and one string write, each
// opening and closing its key.
#pragma once

#include "platform/ce.h"

// The program's own key under HKEY_LOCAL_MACHINE and the Today item's key.
constexpr wchar_t kDiaryRegistryKey[] = L"SOFTWARE\\Vestamor_Quillon";
constexpr wchar_t kTodayItemRegistryKey[] = L"SOFTWARE\\Microsoft\\Today\\Items\\\"Glimmor\"";
// The Windows CE 3.0 builds name the item's key without the quotes.
constexpr wchar_t kOlderTodayItemRegistryKey[] = L"SOFTWARE\\Microsoft\\Today\\Items\\Glimmor";
constexpr wchar_t kTodayItemEnabledValue[] = L"Enabled";

// Reads a string value (REG_SZ or REG_EXPAND_SZ) into out, always terminated
// within outBytes. Returns 1 when the value was read. A key that cannot be
// opened returns 0 and leaves out as it was; a value that is missing, of
// another type or too long for out gives the default text (cut to fit) and 0.
int ReadRegistryString(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, LPCWSTR defaultText,
                       LPWSTR out, DWORD outBytes);

// A REG_DWORD value; the default when the key or a value of that type is
// not there.
DWORD ReadRegistryDword(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, DWORD defaultValue);

// Creates or opens the key for writing and sets the value; 1 on success.
int WriteRegistryDword(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, DWORD value);
int WriteRegistryString(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, LPCWSTR text);
