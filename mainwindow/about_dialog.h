// The About dialog (resource 103).
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
