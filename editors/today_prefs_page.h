// The page "투데이환경" (dialog 225): what the Today item shows.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK TodayPrefsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// The page's controls into their settings fields.
void ReadTodayPrefsPage(HWND page);
