// The setup's two registry routines: each creates or opens the key, sets one
// value, closes the key (whatever failed) and returns 1, or 0 when a step
// failed.
#pragma once

#include "platform/ce.h"

int SetRegistryDword(HKEY root, LPCWSTR key, LPCWSTR valueName, DWORD number);
// The text is stored with its terminating zero.
int SetRegistryString(HKEY root, LPCWSTR key, LPCWSTR valueName, LPCWSTR text);
