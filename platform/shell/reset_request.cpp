#include "platform/shell/state.h"

CEAPI BOOL WINAPI KernelIoControl(DWORD code, LPVOID, DWORD, LPVOID, DWORD, LPDWORD returned)
{
    if (returned)
        *returned = 0;
    if (code != IOCTL_HAL_REBOOT) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    // This machine is never rebooted: the request is left for whoever runs
    // the device.
    wchar_t program[MAX_PATH];
    shell::ProgramName(program, MAX_PATH);
    NKDbgPrintfW(L"CeReset: soft reset requested by %ls", program);
    return TRUE;
}
