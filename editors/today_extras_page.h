// The page "투데이기타" (dialog 388): the Today item's weather, status line
// and row of program shortcuts, whose list it edits in place.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK TodayExtrasPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// The page's controls into their settings fields.
void ReadTodayExtrasPage(HWND page);
