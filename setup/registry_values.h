// Writing one registry value: create or open the key, set the value, close
// the key. Each returns 1 when the value is written, 0 when a step failed.
#pragma once

#include "platform/ce.h"

int SetRegistryDword(HKEY root, LPCWSTR key, LPCWSTR valueName, DWORD number);
int SetRegistryString(HKEY root, LPCWSTR key, LPCWSTR valueName, LPCWSTR text);
