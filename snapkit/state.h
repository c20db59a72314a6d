// What the soft-reset tool's window and dialog share.
#pragma once

#include "platform/ce.h"

// The window's menu bar, made at its creation; null when it could not be.
extern HWND ResetMenuBar;
// The window's activation record for the shell's helpers.
extern SHACTIVATEINFO ResetActivateInfo;

bool InitResetInstance(HINSTANCE instance, int showCommand);
ATOM RegisterResetWindowClass(HINSTANCE instance, const wchar_t* className);
LRESULT CALLBACK ResetWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ResetAboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
