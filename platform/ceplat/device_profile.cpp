#include "platform/ce.h"

#include <strsafe.h>

namespace {

bool ProfilePath(wchar_t* path, DWORD chars)
{
    DWORD n = GetEnvironmentVariableW(L"QUILLON_DEVICE_PROFILE", path, chars);
    return n > 0 && n < chars;
}

}  // namespace

CEAPI DWORD WINAPI CeProfileString(LPCWSTR section, LPCWSTR key, LPCWSTR fallback,
                                   LPWSTR out, DWORD outChars)
{
    if (!out || outChars == 0)
        return 0;
    wchar_t path[MAX_PATH];
    if (!ProfilePath(path, MAX_PATH)) {
        StringCchCopyW(out, outChars, fallback ? fallback : L"");
        return static_cast<DWORD>(wcslen(out));
    }
    // Read fresh each time: a test may pose as another handset mid-run.
    return GetPrivateProfileStringW(section, key, fallback ? fallback : L"", out, outChars, path);
}

CEAPI int WINAPI CeProfileInt(LPCWSTR section, LPCWSTR key, int fallback)
{
    wchar_t path[MAX_PATH];
    if (!ProfilePath(path, MAX_PATH))
        return fallback;
    return static_cast<int>(GetPrivateProfileIntW(section, key, fallback, path));
}
