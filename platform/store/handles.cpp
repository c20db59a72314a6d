#include "platform/ce.h"

CEAPI BOOL WINAPI CeCloseHandle(HANDLE handle)
{
    return ::CloseHandle(handle);
}
