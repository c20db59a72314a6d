#include "platform/shell/state.h"

#include <strsafe.h>

#undef SystemParametersInfoW

namespace {

constexpr int kProfileTextChars = 256;

// Copies a profile text into a buffer whose size the caller gives in bytes.
BOOL CopyProfileText(LPCWSTR key, LPCWSTR fallback, UINT bytes, PVOID data)
{
    size_t chars = bytes / sizeof(wchar_t);
    if (!data || chars == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    wchar_t text[kProfileTextChars];
    CeProfileString(L"Device", key, fallback, text, kProfileTextChars);
    StringCchCopyNW(static_cast<wchar_t*>(data), chars, text, chars - 1);
    return TRUE;
}

}  // namespace

CEAPI BOOL WINAPI CeSystemParametersInfoW(UINT action, UINT param, PVOID data, UINT update)
{
    switch (action) {
    case SPI_GETWORKAREA:
        return CeGetWorkArea(static_cast<RECT*>(data));
    case SPI_GETOEMINFO:
        return CopyProfileText(L"OemText", L"Pocket PC", param, data);
    case SPI_GETPLATFORMTYPE:
        return CopyProfileText(L"PlatformType", L"PocketPC", param, data);
    case SPI_GETSIPINFO:
        return SipGetInfo(static_cast<SIPINFO*>(data));
    }
    return ::SystemParametersInfoW(action, param, data, update);
}
