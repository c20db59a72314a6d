#include "platform/ce.h"

#undef FindFirstFileW
#undef FindNextFileW

namespace {

bool IsDotEntry(const WIN32_FIND_DATAW& data)
{
    const wchar_t* n = data.cFileName;
    return (n[0] == L'.' && n[1] == 0) || (n[0] == L'.' && n[1] == L'.' && n[2] == 0);
}

// Folders carry only the attributes the device gives them.
void NormaliseAttributes(WIN32_FIND_DATAW* data)
{
    if (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        data->dwFileAttributes &= FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                  FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
    }
}

// Moves on from the current entry past any dot entries.
bool SkipDotEntries(HANDLE find, LPWIN32_FIND_DATAW data)
{
    while (IsDotEntry(*data)) {
        if (!::FindNextFileW(find, data))
            return false;
    }
    return true;
}

}  // namespace

CEAPI HANDLE WINAPI CeFindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data)
{
    HANDLE find = ::FindFirstFileW(pattern, data);
    if (find == INVALID_HANDLE_VALUE) {
        // The desktop reports a pattern with no match in an existing folder
        // as "file not found"; the device as "no more files".
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            SetLastError(ERROR_NO_MORE_FILES);
        return INVALID_HANDLE_VALUE;
    }
    if (!SkipDotEntries(find, data)) {
        FindClose(find);
        SetLastError(ERROR_NO_MORE_FILES);
        return INVALID_HANDLE_VALUE;
    }
    NormaliseAttributes(data);
    return find;
}

CEAPI BOOL WINAPI CeFindNextFileW(HANDLE find, LPWIN32_FIND_DATAW data)
{
    if (!::FindNextFileW(find, data))
        return FALSE;
    if (!SkipDotEntries(find, data)) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    NormaliseAttributes(data);
    return TRUE;
}
