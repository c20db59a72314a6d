// The shell's activation and setting-change helpers. They take the window's
// activation record and keep it up to date; the window's own fixed layout is
// left alone (nothing is moved or resized).
#pragma once

#define SHA_INPUTDIALOG 0x00000001

typedef struct tagSHACTIVATEINFO {
    DWORD cbSize;
    HWND hwndLastFocus;
    UINT fSipUp : 1;
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;
    UINT fReserved : 29;
} SHACTIVATEINFO, *PSHACTIVATEINFO;

// On deactivation the record keeps the focused child and whether the input
// panel was up; on the next activation the panel is put back as it was.
CEAPI BOOL WINAPI SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info,
                                     DWORD flags);
// For the input-panel change (SPI_SETSIPINFO) the record notes the panel's
// state; other changes leave it alone.
CEAPI BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info);
