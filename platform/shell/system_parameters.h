// SystemParametersInfo as on the device. The work area is the screen below
// the top bar. The OEM text (258) and the platform type (257) come from the
// device profile; their size argument counts bytes, so at most size / 2 - 1
// characters and the terminating zero are written, and a longer text is cut
// (the callers' 100 and 16 give 49 and 7 characters). The input panel's
// information (SPI_GETSIPINFO) is that of SipGetInfo.
#pragma once

#define SPI_GETPLATFORMTYPE 257
#define SPI_GETOEMINFO 258

CEAPI BOOL WINAPI CeSystemParametersInfoW(UINT action, UINT param, PVOID data, UINT update);

#undef SystemParametersInfo
#define SystemParametersInfo CeSystemParametersInfoW
#define SystemParametersInfoW CeSystemParametersInfoW
