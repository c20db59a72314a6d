#include "platform/shell/state.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kKoreanStartMenu[] = L"\\Windows\\시작 메뉴";

bool IsKoreanDevice()
{
    DWORD attributes = GetFileAttributesW(kKoreanStartMenu);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

LPCWSTR FolderPath(int folder)
{
    switch (folder) {
    case CSIDL_PERSONAL: return L"\\My Documents";
    case CSIDL_WINDOWS: return L"\\Windows";
    case CSIDL_PROGRAM_FILES: return L"\\Program Files";
    case CSIDL_STARTMENU: return IsKoreanDevice() ? kKoreanStartMenu : L"\\Windows\\Start Menu";
    case CSIDL_PROGRAMS:
        return IsKoreanDevice() ? L"\\Windows\\시작 메뉴\\프로그램" : L"\\Windows\\Start Menu\\Programs";
    }
    return nullptr;
}

}  // namespace

CEAPI BOOL WINAPI CeSHGetSpecialFolderPathW(HWND, LPWSTR path, int folder, BOOL create)
{
    LPCWSTR known = FolderPath(folder);
    if (!path || !known) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    StringCchCopyW(path, MAX_PATH, known);
    if (create && GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
        CreateDirectoryW(path, nullptr);
    return TRUE;
}
