// The one report of an unexpected system failure: a message box naming the
// thread's last error code, the source line and the source unit.
#pragma once

#include "platform/ce.h"

void ShowErrorBox(WORD line, LPCWSTR sourceName);
