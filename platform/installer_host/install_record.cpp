#include "platform/installer_host/install_record.h"

namespace installer {

namespace {

std::wstring RecordKey(const std::wstring& name)
{
    return L"SOFTWARE\\Apps\\" + name;
}

}  // namespace

bool WasInstalled(const std::wstring& name)
{
    DWORD installed = 0, size = sizeof(installed);
    return RegGetValueW(HKEY_LOCAL_MACHINE, RecordKey(name).c_str(), L"Instl", RRF_RT_REG_DWORD, nullptr,
                        &installed, &size) == ERROR_SUCCESS &&
           installed != 0;
}

void RecordInstall(const std::wstring& name, const std::wstring& installDir)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, RecordKey(name).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    DWORD installed = 1;
    RegSetValueExW(key, L"Instl", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&installed), sizeof(installed));
    RegSetValueExW(key, L"InstlDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(installDir.c_str()),
                   static_cast<DWORD>((installDir.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void ForgetInstall(const std::wstring& name)
{
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, RecordKey(name).c_str());
}

}  // namespace installer
