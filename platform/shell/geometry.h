// Screen geometry as on the device: a 26-pixel top bar (a platform window of
// class CE_TOP_BAR_CLASS showing the active window's title and, for a
// full-screen dialog, its Done "ok"), and below it the work area that every
// query reports, (0,26)-(screen width, screen height).
#pragma once

#define CE_TOP_BAR_CLASS L"CeTopBar"

// The work area of the device's screen.
CEAPI BOOL WINAPI CeGetWorkArea(RECT* area);

// CreateWindowEx as on the device. A top-level window asked for without
// caption or frame styles (WS_VISIBLE alone, say) gets none, and with the
// default position and size (CW_USEDEFAULT) it fills the work area; the
// desktop would give it a caption and a cascaded place instead.
CEAPI HWND WINAPI CeCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                    int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                    LPVOID param);

// The monitor's work area is the device's work area too.
CEAPI BOOL WINAPI CeGetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info);
#undef GetMonitorInfo
#define GetMonitorInfo CeGetMonitorInfoW
#define GetMonitorInfoW CeGetMonitorInfoW

#undef CreateWindowEx
#define CreateWindowEx CeCreateWindowExW
#define CreateWindowExW CeCreateWindowExW
