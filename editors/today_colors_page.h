// The page "투데이색상" (dialog 309): the eleven text colours of the Today
// item, each stored as soon as it is picked.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK TodayColorsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);
