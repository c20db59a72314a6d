// What the phone software tells of itself: the phone's own number and the
// version of the maker's phone library. Both exports return a buffer of the
// library's that stays valid until the next call of the same export.
#include "telvo/state.h"
#include "telvo/telvo.h"

#include <strsafe.h>

#include <vector>

namespace {

constexpr wchar_t kPhoneStatusKey[] = L"Software\\Harrowell\\MobilePhone\\TelvoSTATUS";
constexpr wchar_t kPhoneNumberValue[] = L"PHONENUMBER";
constexpr DWORD kPhoneNumberBytes = 100;  // the terminator included

constexpr wchar_t kPhoneLibraryPath[] = L"\\File Store\\Harrowell\\MobilePhone\\Telvo.DLL";
constexpr int kVersionChars = 256;

wchar_t PhoneNumber[kPhoneNumberBytes / sizeof(wchar_t)];
wchar_t PhoneLibraryVersion[kVersionChars];

// The REG_SZ value, terminated, when it fits with its terminator; else empty.
void ReadPhoneStatusString(const wchar_t* valueName, wchar_t* out, DWORD outBytes)
{
    out[0] = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPhoneStatusKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    DWORD type = 0;
    DWORD bytes = outBytes;
    LONG result = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(out), &bytes);
    RegCloseKey(key);
    DWORD chars = bytes / sizeof(wchar_t);
    DWORD capacity = outBytes / sizeof(wchar_t);
    if (result != ERROR_SUCCESS || type != REG_SZ) {
        out[0] = 0;
        return;
    }
    // A value stored without its terminator is terminated here, if room is left.
    if (wmemchr(out, 0, chars) == nullptr) {
        if (chars >= capacity) {
            out[0] = 0;
            return;
        }
        out[chars] = 0;
    }
}

// The "Comments" text of the file's first translation.
void ReadVersionComments(const wchar_t* path, wchar_t* out, size_t outChars)
{
    out[0] = 0;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0)
        return;
    std::vector<BYTE> info(size);
    if (!GetFileVersionInfoW(path, 0, size, info.data()))
        return;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &bytes) ||
        bytes < sizeof(Translation))
        return;
    wchar_t query[64];
    StringCchPrintfW(query, ARRAYSIZE(query), L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language,
                     translations[0].codePage, L"Comments");
    wchar_t* comments = nullptr;
    UINT chars = 0;
    if (!VerQueryValueW(info.data(), query, reinterpret_cast<void**>(&comments), &chars) || !comments)
        return;
    StringCchCopyNW(out, outChars, comments, chars);
}

}  // namespace

TELVO_API const wchar_t* Telvo_EXT_GetPhoneNumber(void)
{
    ReadPhoneStatusString(kPhoneNumberValue, PhoneNumber, sizeof(PhoneNumber));
    return PhoneNumber;
}

TELVO_API const wchar_t* Telvo_EXT_GetDLLVersion(void)
{
    ReadVersionComments(kPhoneLibraryPath, PhoneLibraryVersion, ARRAYSIZE(PhoneLibraryVersion));
    return PhoneLibraryVersion;
}
