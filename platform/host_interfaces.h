// What the device's Today screen and its installer give the DLLs they load:
// the Today item record, messages and entry points, and the installer's four
// setup hooks. Names and values are the device's; the record's layout is
// fixed here for the 64-bit build.
#pragma once

#include <cstddef>

// ---- Today items ------------------------------------------------------------

// Items are registered under HKLM "SOFTWARE\Microsoft\Today\Items\<name>"
// with the values "Type", "Options", "DLL", "Enabled" and "Selectability".
#define TODAY_ITEMS_KEY L"SOFTWARE\\Microsoft\\Today\\Items"

// Set by the Today screen once it is up; items ask it before they answer.
#define TODAY_SHELL_READY_EVENT L"SYSTEM/ShellAPIReady"

#define MAX_ITEMNAME 32

typedef enum _TODAYLISTITEMTYPE {
    tlitOwnerInfo = 0,
    tlitAppointments,
    tlitMail,
    tlitTasks,
    tlitCustom,  // "Type" 4: an item DLL of its own
    tlitNil
} TODAYLISTITEMTYPE;

// The record the Today screen keeps for each item. A custom item writes only
// cyp (its height in pixels); the Today screen fills the rest.
typedef struct _TODAYLISTITEM {
    WCHAR szName[MAX_ITEMNAME];  // the item's key name
    TODAYLISTITEMTYPE tlit;
    DWORD dwOrder;
    DWORD cyp;
    BOOL fEnabled;
    BOOL fOptions;  // "Options": the item has an options dialog
    DWORD grfFlags;
    WCHAR szDLLPath[MAX_PATH];
    HINSTANCE hinstDLL;
    HWND hwndCustom;
    BOOL fSizeOnDraw;
    BYTE* prgbCachedData;
    DWORD cbCachedData;
} TODAYLISTITEM;

#if defined(_WIN64)
static_assert(offsetof(TODAYLISTITEM, tlit) == 64);
static_assert(offsetof(TODAYLISTITEM, cyp) == 72);
static_assert(offsetof(TODAYLISTITEM, fEnabled) == 76);
static_assert(offsetof(TODAYLISTITEM, fOptions) == 80);
static_assert(offsetof(TODAYLISTITEM, szDLLPath) == 88);
static_assert(offsetof(TODAYLISTITEM, hinstDLL) == 608);
static_assert(offsetof(TODAYLISTITEM, hwndCustom) == 616);
static_assert(offsetof(TODAYLISTITEM, fSizeOnDraw) == 624);
static_assert(offsetof(TODAYLISTITEM, prgbCachedData) == 632);
static_assert(offsetof(TODAYLISTITEM, cbCachedData) == 640);
static_assert(sizeof(TODAYLISTITEM) == 648);
#endif

// Entry points of an item DLL, exported by ordinal only.
#define ORDINAL_INITIALIZEITEM 240
#define ORDINAL_OPTIONSDIALOGPROC 241
// The item's options dialog: this dialog resource of the item DLL, run with
// the procedure of ordinal 241.
#define IDD_TODAY_CUSTOM 500

typedef HWND(WINAPI* PFNCUSTOMINITIALIZEITEM)(TODAYLISTITEM* item, HWND parent);
typedef BOOL(WINAPI* PFNCUSTOMOPTIONSDLGPROC)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// From the Today screen to an item window.
#define WM_TODAYCUSTOM_CLEARCACHE (WM_USER + 242)         // 1266, before the item is unloaded
#define WM_TODAYCUSTOM_QUERYREFRESHCACHE (WM_USER + 243)  // 1267, wParam the record; 1 = cyp is new
#define WM_TODAYCUSTOM_RECEIVEDSELECTION (WM_USER + 244)  // 1268, wParam the key; 1 = taken
#define WM_TODAYCUSTOM_LOSTSELECTION (WM_USER + 245)      // 1269
#define WM_TODAYCUSTOM_USERNAVIGATION (WM_USER + 246)     // 1270, wParam the key; 0 = move on
#define WM_TODAYCUSTOM_ACTION (WM_USER + 247)             // 1271, the action key on the selection

// From an item window to the Today screen.
#define TODAYM_GETCOLOR (WM_USER + 100)       // 1124, wParam one of TODAYCOLOR_*; the colour
#define TODAYM_DRAWWATERMARK (WM_USER + 101)  // 1125, lParam a TODAYDRAWWATERMARKINFO

#define TODAYCOLOR_TEXT 0x10000004
#define TODAYCOLOR_HIGHLIGHT 0x10000022
#define TODAYCOLOR_HIGHLIGHTEDTEXT 0x10000023

// The Today screen paints its background under rc (the item's client
// coordinates) into hdc.
typedef struct _TODAYDRAWWATERMARKINFO {
    HDC hdc;
    RECT rc;
    HWND hwnd;  // the item window
} TODAYDRAWWATERMARKINFO;

// The setting change (WM_WININICHANGE) that makes the Today screen reload its
// items after their "Enabled" values changed.
#define TODAY_RELOAD_ITEMS 0xF2

// ---- Setup hooks ---------------------------------------------------------------

// A setup DLL exports these four by plain name; the installer calls those it
// finds. Install_Init before the files are placed, Install_Exit after;
// Uninstall_Init before the files are removed, Uninstall_Exit after.
typedef enum { codeINSTALL_INIT_CONTINUE = 0, codeINSTALL_INIT_CANCEL } codeINSTALL_INIT;
typedef enum { codeINSTALL_EXIT_DONE = 0, codeINSTALL_EXIT_UNINSTALL } codeINSTALL_EXIT;
typedef enum { codeUNINSTALL_INIT_CONTINUE = 0, codeUNINSTALL_INIT_CANCEL } codeUNINSTALL_INIT;
typedef enum { codeUNINSTALL_EXIT_DONE = 0 } codeUNINSTALL_EXIT;

// installDir is the installation folder without a trailing backslash
// ("\Program Files\Quillon"); the counts are what the installer failed to
// create.
typedef codeINSTALL_INIT(WINAPI* PFN_INSTALL_INIT)(HWND parent, BOOL firstCall, BOOL previouslyInstalled,
                                                   LPCWSTR installDir);
typedef codeINSTALL_EXIT(WINAPI* PFN_INSTALL_EXIT)(HWND parent, LPCWSTR installDir, WORD failedDirs,
                                                   WORD failedFiles, WORD failedRegKeys, WORD failedRegValues,
                                                   WORD failedShortcuts);
typedef codeUNINSTALL_INIT(WINAPI* PFN_UNINSTALL_INIT)(HWND parent, LPCWSTR installDir);
typedef codeUNINSTALL_EXIT(WINAPI* PFN_UNINSTALL_EXIT)(HWND parent);

#define SETUP_HOOK_INSTALL_INIT "Install_Init"
#define SETUP_HOOK_INSTALL_EXIT "Install_Exit"
#define SETUP_HOOK_UNINSTALL_INIT "Uninstall_Init"
#define SETUP_HOOK_UNINSTALL_EXIT "Uninstall_Exit"
