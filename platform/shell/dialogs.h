// Full-screen dialogs as on the device. SHInitDialog with the full-screen
// flags takes the dialog's caption and frame away and makes it 240 x 294 at
// (0,26) below the top bar (SHIDIF_SIZEDLG: down to the input panel when it
// is up, else to the menu bar); SHIDIF_DONEBUTTON puts "ok" on the top bar,
// whose tap sends the dialog WM_COMMAND IDOK; SHIDIF_SIPDOWN lowers the
// input panel. A property-sheet page (a child dialog) is not moved: its Done
// is the sheet's.
#pragma once

#define SHIDIM_FLAGS 0x0001

#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010

typedef struct tagSHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
} SHINITDLGINFO, *PSHINITDLGINFO;

CEAPI BOOL WINAPI SHInitDialog(PSHINITDLGINFO info);

// EndDialog as on the device: a property-sheet page that ends itself closes
// its sheet (once, however many of its pages end); other dialogs end as on
// the desktop.
CEAPI BOOL WINAPI CeEndDialog(HWND dialog, INT_PTR result);
#undef EndDialog
#define EndDialog CeEndDialog
