#include "setup/registry_values.h"

#include "core/registry.h"

int SetRegistryDword(HKEY root, LPCWSTR key, LPCWSTR valueName, DWORD number)
{
    return WriteRegistryDword(root, key, valueName, number);
}

int SetRegistryString(HKEY root, LPCWSTR key, LPCWSTR valueName, LPCWSTR text)
{
    return WriteRegistryString(root, key, valueName, text);
}
