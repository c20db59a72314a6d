// The installed soft input methods and the current one (where they are kept
// is described in ime.h).
#include "platform/ce.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const wchar_t kMethodsKey[] = L"Software\\Quillon Platform\\Input Methods";
const wchar_t kPanelKey[] = L"Software\\Quillon Platform\\Input Panel";
const wchar_t kCurrentValue[] = L"Current Method";
constexpr int kGuidTextChars = 39;  // "{8-4-4-4-12}" and its terminator

struct InputMethod {
    std::wstring name;
    CLSID clsid;
};

const struct {
    const wchar_t* name;
    CLSID clsid;
} kBuiltIn[CE_IM_COUNT_BUILT_IN] = {
    {L"한글 키보드", {0x7CA5B6D6, 0xEC4C, 0x4383, {0x85, 0x6A, 0xB9, 0x2D, 0x21, 0x4F, 0xCA, 0x64}}},
    {L"키보드", {0x21D72D49, 0x252A, 0x4120, {0xBC, 0xFD, 0x02, 0xD5, 0xEA, 0x33, 0x08, 0xF9}}},
    {L"글자 인식기", {0xB6FB07C8, 0xC8F8, 0x462C, {0xA3, 0x5B, 0x42, 0xA0, 0x67, 0xFC, 0x50, 0x73}}},
};

bool ReadString(HKEY key, const wchar_t* value, std::wstring& out)
{
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, value, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS)
        return false;
    text.resize(wcsnlen(text.c_str(), text.size()));
    out = text;
    return true;
}

bool ParseClassId(const std::wstring& text, CLSID& clsid)
{
    if (text.size() != kGuidTextChars - 1)
        return false;
    wchar_t copy[kGuidTextChars];
    lstrcpynW(copy, text.c_str(), kGuidTextChars);
    return CLSIDFromString(copy, &clsid) == NOERROR;
}

void FormatClassId(const CLSID& clsid, wchar_t (&text)[kGuidTextChars])
{
    if (StringFromGUID2(clsid, text, kGuidTextChars) == 0)
        text[0] = L'\0';
}

bool ReadRegisteredMethod(HKEY methods, const std::wstring& subkey, InputMethod& method)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(methods, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::wstring classText;
    const bool ok = ReadString(key, L"Class", classText) && ParseClassId(classText, method.clsid);
    if (ok && !ReadString(key, L"Name", method.name))
        method.name.clear();
    RegCloseKey(key);
    return ok;
}

std::vector<InputMethod> InstalledMethods()
{
    std::vector<InputMethod> list;
    HKEY methods = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMethodsKey, 0, KEY_READ, &methods) != ERROR_SUCCESS) {
        for (const auto& m : kBuiltIn)
            list.push_back({m.name, m.clsid});
        return list;
    }
    std::vector<std::wstring> subkeys;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD chars = ARRAYSIZE(name);
        if (RegEnumKeyExW(methods, i, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.emplace_back(name, chars);
    }
    std::sort(subkeys.begin(), subkeys.end());
    for (const auto& subkey : subkeys) {
        InputMethod method;
        if (ReadRegisteredMethod(methods, subkey, method))
            list.push_back(method);
    }
    RegCloseKey(methods);
    return list;
}

bool IsInstalled(const std::vector<InputMethod>& list, const CLSID& clsid)
{
    return std::any_of(list.begin(), list.end(), [&](const InputMethod& m) { return IsEqualCLSID(m.clsid, clsid); });
}

}  // namespace

CEAPI BOOL WINAPI SipEnumIM(IMENUMPROC callback)
{
    if (!callback) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::vector<InputMethod> list = InstalledMethods();
    const size_t listed = list.size() < CE_IM_MAX_LISTED ? list.size() : CE_IM_MAX_LISTED;
    for (size_t i = 0; i < listed; ++i) {
        const InputMethod& method = list[i];
        IMENUMINFO info = {};
        lstrcpynW(info.szName, method.name.c_str(), MAX_PATH);
        info.clsid = method.clsid;
        if (!callback(&info))
            break;
    }
    return TRUE;
}

CEAPI BOOL WINAPI SipGetCurrentIM(CLSID* clsid)
{
    if (!clsid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::vector<InputMethod> list = InstalledMethods();
    HKEY panel = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPanelKey, 0, KEY_READ, &panel) == ERROR_SUCCESS) {
        std::wstring text;
        CLSID current;
        const bool found = ReadString(panel, kCurrentValue, text) && ParseClassId(text, current);
        RegCloseKey(panel);
        if (found && IsInstalled(list, current)) {
            *clsid = current;
            return TRUE;
        }
    }
    if (list.empty()) {
        SetLastError(ERROR_NOT_FOUND);
        return FALSE;
    }
    *clsid = list.front().clsid;
    return TRUE;
}

CEAPI BOOL WINAPI SipSetCurrentIM(CLSID* clsid)
{
    if (!clsid || !IsInstalled(InstalledMethods(), *clsid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HKEY panel = nullptr;
    LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPanelKey, 0, nullptr, 0, KEY_WRITE, nullptr, &panel, nullptr);
    if (result != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(result));
        return FALSE;
    }
    wchar_t text[kGuidTextChars];
    FormatClassId(*clsid, text);
    result = RegSetValueExW(panel, kCurrentValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(panel);
    if (result != ERROR_SUCCESS) {
        SetLastError(static_cast<DWORD>(result));
        return FALSE;
    }
    return TRUE;
}
