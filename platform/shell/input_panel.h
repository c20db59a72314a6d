// The soft input panel: one platform window of 240 x 80 (class
// CE_INPUT_PANEL_CLASS) just above the menu bar, at screen y 214 on a 320-line
// screen, shared by the device's processes. Whenever it goes up or down every
// top-level window is sent WM_SETTINGCHANGE with wParam SPI_SETSIPINFO (224).
// Its keys type into the focused window of the active program.
#pragma once

#define SIPF_OFF 0x00000000
#define SIPF_ON 0x00000001
#define SIPF_DOCKED 0x00000002
#define SIPF_LOCKED 0x00000004

#define SPI_SETSIPINFO 224
#define SPI_GETSIPINFO 225
#define SPI_SETCURRENTIM 226
#define SPI_GETCURRENTIM 227

#define CE_INPUT_PANEL_CLASS L"CeInputPanel"

typedef struct tagSIPINFO {
    DWORD cbSize;
    DWORD fdwFlags;
    RECT rcVisibleDesktop;
    RECT rcSipRect;
    DWORD dwImDataSize;
    void* pvImData;
} SIPINFO, *PSIPINFO;

// SIPF_ON raises the panel, SIPF_OFF lowers it.
CEAPI BOOL WINAPI SipShowIM(DWORD flags);

// The panel's state: SIPF_DOCKED, plus SIPF_ON while it is up; the visible
// desktop is the work area above the panel when it is up and above the menu
// bar when it is down; the panel's rectangle; no input-method data. cbSize
// may be the device's 48 or sizeof(SIPINFO): fields beyond it are left alone.
CEAPI BOOL WINAPI SipGetInfo(SIPINFO* info);

// SPI_GETSIPINFO reads the state as SipGetInfo; SPI_SETSIPINFO raises or
// lowers the panel by the SIPF_ON flag of the record; SPI_GETCURRENTIM and
// SPI_SETCURRENTIM read and set the current input method (a class id).
CEAPI BOOL WINAPI SHSipInfo(UINT action, UINT param, PVOID data, UINT update);
