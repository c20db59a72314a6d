// The page "다이어리환경" (dialog 351): the main program's own options.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK DiaryPrefsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam);

// The page's controls into their settings fields.
void ReadDiaryPrefsPage(HWND page);
