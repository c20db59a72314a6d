// Reselection targets of the lists that the Today requests set, until the
// lists that read them are part of the program.
#pragma once

#include "platform/ce.h"

#include <cstdint>

extern int32_t MemoToReselect;
extern int32_t AnniversaryToReselect;
extern wchar_t CurrentNotePath[MAX_PATH];
