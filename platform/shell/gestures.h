// Tap-and-hold, the device's gesture for a context menu. The recogniser is
// called by a window on its WM_LBUTTONDOWN; a press held 500 ms (1000 ms with
// SHRG_LONGDELAY) without release or movement is a tap-and-hold. List views
// and tree views do this themselves: a held press or a right click selects
// the item under it and reaches the parent as WM_NOTIFY with an NMRGINFO of
// code GN_CONTEXTMENU and the point on the screen (dwItemSpec: the list
// view's item, else 0).
#pragma once

#define GN_CONTEXTMENU 1000

#define SHRG_RETURNCMD 0x00000001
#define SHRG_NOTIFYPARENT 0x00000002
#define SHRG_LONGDELAY 0x00000008
#define SHRG_NOANIMATION 0x00000010

typedef struct tagSHRGI {
    DWORD cbSize;
    HWND hwndClient;
    POINT ptDown;  // client coordinates of hwndClient
    DWORD dwFlags;
} SHRGINFO, *PSHRGINFO;

typedef struct tagNMRGINFO {
    NMHDR hdr;
    POINT ptAction;  // screen coordinates
    DWORD dwItemSpec;
} NMRGINFO, *PNMRGINFO;

// GN_CONTEXTMENU for a tap-and-hold, else 0. Unless SHRG_RETURNCMD is given
// the notification also goes to hwndClient's parent (SHRG_NOTIFYPARENT) or
// to hwndClient itself. A press that was sent rather than queued (no pen is
// down) is a tap.
CEAPI DWORD WINAPI SHRecognizeGesture(SHRGINFO* info);
