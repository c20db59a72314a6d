#include "core/registry.h"

#include <strsafe.h>

namespace {

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

void CopyDefault(LPCWSTR defaultText, LPWSTR out, size_t capacity)
{
    StringCchCopyW(out, capacity, defaultText ? defaultText : L"");
}

// Terminates the value read into out; false when it has no room for that.
bool TerminateValue(LPWSTR out, size_t capacity, DWORD bytes)
{
    size_t chars = bytes / sizeof(wchar_t);
    if (chars > 0 && out[chars - 1] == L'\0')
        return true;
    if (chars >= capacity)
        return false;
    out[chars] = L'\0';
    return true;
}

int WriteValue(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, DWORD type, const void* data, DWORD bytes)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 0;
    LONG rc = RegSetValueExW(key, valueName, 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace

DWORD ReadRegistryDword(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, DWORD defaultValue)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return defaultValue;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    LONG rc = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_DWORD && bytes == sizeof(value) ? value : defaultValue;
}

int ReadRegistryString(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, LPCWSTR defaultText,
                       LPWSTR out, DWORD outBytes)
{
    size_t capacity = outBytes / sizeof(wchar_t);
    if (!out || capacity == 0)
        return 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD type = REG_NONE;
    DWORD bytes = static_cast<DWORD>(capacity * sizeof(wchar_t));
    LONG rc = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(out), &bytes);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || !IsStringType(type) || !TerminateValue(out, capacity, bytes)) {
        CopyDefault(defaultText, out, capacity);
        return 0;
    }
    return 1;
}

int WriteRegistryDword(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, DWORD value)
{
    return WriteValue(root, keyPath, valueName, REG_DWORD, &value, sizeof(value));
}

int WriteRegistryString(HKEY root, LPCWSTR keyPath, LPCWSTR valueName, LPCWSTR text)
{
    if (!text)
        text = L"";
    DWORD bytes = static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t));
    return WriteValue(root, keyPath, valueName, REG_SZ, text, bytes);
}
