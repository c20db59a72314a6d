#include "setup/registry_values.h"

namespace {

// The key is closed whether the value could be set or not.
int SetRegistryValue(HKEY root, LPCWSTR key, LPCWSTR valueName, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, &disposition) != ERROR_SUCCESS)
        return 0;
    LONG result = RegSetValueExW(opened, valueName, 0, type, static_cast<const BYTE*>(data), size);
    bool closed = RegCloseKey(opened) == ERROR_SUCCESS;
    return result == ERROR_SUCCESS && closed ? 1 : 0;
}

}  // namespace

int SetRegistryDword(HKEY root, LPCWSTR key, LPCWSTR valueName, DWORD number)
{
    return SetRegistryValue(root, key, valueName, REG_DWORD, &number, sizeof(number));
}

int SetRegistryString(HKEY root, LPCWSTR key, LPCWSTR valueName, LPCWSTR text)
{
    if (!text)
        text = L"";
    // The terminating zero is part of the value.
    DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    return SetRegistryValue(root, key, valueName, REG_SZ, text, size);
}
