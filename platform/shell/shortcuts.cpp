#include "platform/shell/shortcut_format.h"
#include "platform/shell/state.h"

#include <strsafe.h>

#undef SHGetFileInfoW

namespace {

bool ReadSmallFile(LPCWSTR path, char* bytes, size_t capacity, size_t* size)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD got = 0;
    LARGE_INTEGER length = {};
    bool ok = GetFileSizeEx(file, &length) && length.QuadPart <= static_cast<LONGLONG>(capacity) &&
              ReadFile(file, bytes, static_cast<DWORD>(capacity), &got, nullptr);
    CloseHandle(file);
    *size = got;
    return ok;
}

bool IsShortcutName(LPCWSTR path)
{
    size_t length = wcslen(path);
    return length > 4 && _wcsicmp(path + length - 4, L".lnk") == 0;
}

// The program or file a shortcut's target names: the quoted path, or the
// text up to the first blank.
void TargetFile(LPCWSTR target, wchar_t* file, size_t chars)
{
    const wchar_t* start = target;
    const wchar_t* end = nullptr;
    if (*start == L'"') {
        ++start;
        end = wcschr(start, L'"');
    } else {
        end = wcschr(start, L' ');
    }
    size_t length = end ? static_cast<size_t>(end - start) : wcslen(start);
    StringCchCopyNW(file, chars, start, length);
}

// The device shows a program's (or icon file's) own icon; the desktop here
// gives a generic one.
void UseFilesOwnIcon(LPCWSTR file, UINT flags, SHFILEINFOW* info)
{
    HICON own = nullptr;
    bool small = (flags & SHGFI_SMALLICON) != 0;
    if (ExtractIconExW(file, 0, small ? nullptr : &own, small ? &own : nullptr, 1) == 0 || !own)
        return;
    if (info->hIcon)
        DestroyIcon(info->hIcon);
    info->hIcon = own;
}

}  // namespace

CEAPI BOOL WINAPI SHCreateShortcut(LPWSTR shortcut, LPWSTR target)
{
    char bytes[shell::kMaxShortcutBytes];
    size_t size = 0;
    if (!shortcut || !shell::EncodeShortcut(target, bytes, sizeof(bytes), &size)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HANDLE file = CreateFileW(shortcut, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
    CloseHandle(file);
    if (!ok)
        DeleteFileW(shortcut);
    return ok;
}

CEAPI BOOL WINAPI SHGetShortcutTarget(LPWSTR shortcut, LPWSTR target, int maxChars)
{
    char bytes[shell::kMaxShortcutBytes];
    size_t size = 0;
    if (!shortcut || !target || maxChars <= 0 || !ReadSmallFile(shortcut, bytes, sizeof(bytes), &size))
        return FALSE;
    if (!shell::DecodeShortcut(bytes, size, target, static_cast<size_t>(maxChars))) {
        target[0] = 0;
        SetLastError(ERROR_BAD_FORMAT);
        return FALSE;
    }
    return TRUE;
}

CEAPI DWORD_PTR WINAPI CeSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT infoSize,
                                        UINT flags)
{
    if (!path)
        return 0;
    wchar_t subject[MAX_PATH];
    StringCchCopyW(subject, MAX_PATH, path);
    wchar_t target[CE_SHORTCUT_TARGET_CHARS + 1];
    if (!(flags & SHGFI_USEFILEATTRIBUTES) && IsShortcutName(path) &&
        SHGetShortcutTarget(subject, target, CE_SHORTCUT_TARGET_CHARS + 1))
        TargetFile(target, subject, MAX_PATH);
    // Device paths are rooted on the device's drive; the desktop wants them whole.
    wchar_t full[MAX_PATH];
    DWORD length = GetFullPathNameW(subject, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return 0;
    DWORD_PTR result = ::SHGetFileInfoW(full, attributes, info, infoSize, flags);
    if (result && info && (flags & SHGFI_ICON) && !(flags & SHGFI_USEFILEATTRIBUTES))
        UseFilesOwnIcon(full, flags, info);
    return result;
}
