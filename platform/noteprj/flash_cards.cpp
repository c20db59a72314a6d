// Storage-card listing of the notes library, exported by ordinal only.
#include "platform/ce.h"

extern "C" HANDLE WINAPI FindFirstFlashCard(LPWIN32_FIND_DATAW data)
{
    if (data)
        ZeroMemory(data, sizeof(*data));
    SetLastError(ERROR_NO_MORE_FILES);
    return INVALID_HANDLE_VALUE;
}

extern "C" BOOL WINAPI FindNextFlashCard(HANDLE, LPWIN32_FIND_DATAW)
{
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
}
