// SetForegroundWindow as on the device: a handle with its lowest bit set
// brings the window forward together with its foremost owned window (an open
// modal dialog), which becomes the active one.
#pragma once

CEAPI BOOL WINAPI CeSetForegroundWindow(HWND window);
#undef SetForegroundWindow
#define SetForegroundWindow CeSetForegroundWindow
