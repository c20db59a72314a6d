// The shell's menu bar: a 26-pixel strip at the bottom of the screen, owned
// by its window, made from a menu-bar resource. Chosen items and buttons
// reach the owner as WM_COMMAND (posted); the bar goes with its owner or by
// DestroyWindow. TB_* toolbar messages sent to the bar reach its buttons.
//
// The menu-bar resource is an RCDATA of 16-bit little-endian words:
//   menu id        the menu resource whose pop-ups the buttons open (0: none)
//   button count   at most 8
//   then per button seven words:
//     image        index in the bar's bitmap, or I_IMAGENONE (-2)
//     command      the button's command id
//     state        TBSTATE_* (TBSTATE_ENABLED = 4)
//     style        TBSTYLE_* (TBSTYLE_DROPDOWN | TBSTYLE_AUTOSIZE = 0x18 opens a pop-up)
//     caption      string resource id of the button's text (0: none)
//     reserved     0
//     pop-up       index of the pop-up of the menu resource, or 0xFFFF for a
//                  button that sends its own command
// For example, two drop-down buttons opening pop-ups 0 and 1 of menu 102:
//   102 RCDATA
//   BEGIN
//       102, 2,
//       -2, 40009, 4, 0x18, 40011, 0, 0,
//       -2, 40006, 4, 0x18, 40008, 0, 1
//   END
#pragma once

#define SHCMBF_EMPTYBAR 0x0001
#define SHCMBF_HIDDEN 0x0002
#define SHCMBF_HIDESIPBUTTON 0x0004
#define SHCMBF_COLORBK 0x0008

#define CE_MENU_BAR_CLASS L"CeMenuBar"

typedef struct tagSHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;
    HINSTANCE hInstRes;
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;
    COLORREF clrBk;
} SHMENUBARINFO, *PSHMENUBARINFO;

// Makes the bar; on success hwndMB is its window. Fails (FALSE, hwndMB
// null) without an owner window or when the resource is missing or not in
// the form above. SHCMBF_EMPTYBAR makes a bar without buttons and
// SHCMBF_HIDDEN a hidden one; SHCMBF_HIDESIPBUTTON leaves out the input
// panel's button; SHCMBF_COLORBK paints the bar in clrBk.
CEAPI BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info);
