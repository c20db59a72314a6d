// Requests the device hands to its hardware and its phone. Here they are
// recorded in the device's log, one line each, for whoever runs the device:
//   CeReset: soft reset requested by <program>
//   PhoneMakeCall: dest="<number>" app="<name>" party="<called party>" comment="<comment>"
// (the texts raw, a missing one empty). tools/run restarts the device's
// programs when a reset record appears, as a soft reset would.
#pragma once

#define IOCTL_HAL_REBOOT 0x0101003C

// IOCTL_HAL_REBOOT records the reset request and returns TRUE at once; the
// caller goes on running. Other codes fail with ERROR_NOT_SUPPORTED.
CEAPI BOOL WINAPI KernelIoControl(DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                                  LPDWORD returned);

#define PMCF_DEFAULT 0x00000001
#define PMCF_PROMPTBEFORECALLING 0x00000002

typedef struct tagPHONEMAKECALLINFO {
    DWORD cbSize;
    DWORD dwFlags;
    PCWSTR pszDestAddress;
    PCWSTR pszAppName;
    PCWSTR pszCalledParty;
    PCWSTR pszComment;
} PHONEMAKECALLINFO, *PPHONEMAKECALLINFO;

// Records the call request; 0 when recorded, E_INVALIDARG without a record
// of the right size or without an address to dial.
CEAPI LONG WINAPI PhoneMakeCall(PHONEMAKECALLINFO* info);
