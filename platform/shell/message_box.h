// Message boxes as on the device: a box is never wider than the screen, as
// wide as its text needs up to that, its longer text wrapped, and it stands
// centred in the work area below the top bar. Caption, text, buttons and
// the answer are the system's own.
#pragma once

CEAPI int WINAPI CeMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
#undef MessageBox
#define MessageBox CeMessageBoxW
#define MessageBoxW CeMessageBoxW
