#include "platform/installer_host/setup_dll.h"

namespace installer {

namespace {

template <class Hook>
Hook FindHook(HMODULE module, const char* name)
{
    auto hook = reinterpret_cast<Hook>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!hook)
        NKDbgPrintfW(L"InstallerHost: the setup DLL has no %hs", name);
    return hook;
}

}  // namespace

bool SetupDll::Load(const std::wstring& devicePath)
{
    module_ = LoadLibraryW(devicePath.c_str());
    if (!module_) {
        NKDbgPrintfW(L"InstallerHost: the setup DLL %ls did not load (error %lu)", devicePath.c_str(),
                     GetLastError());
        return false;
    }
    installInit_ = FindHook<PFN_INSTALL_INIT>(module_, SETUP_HOOK_INSTALL_INIT);
    installExit_ = FindHook<PFN_INSTALL_EXIT>(module_, SETUP_HOOK_INSTALL_EXIT);
    uninstallInit_ = FindHook<PFN_UNINSTALL_INIT>(module_, SETUP_HOOK_UNINSTALL_INIT);
    uninstallExit_ = FindHook<PFN_UNINSTALL_EXIT>(module_, SETUP_HOOK_UNINSTALL_EXIT);
    return true;
}

SetupDll::~SetupDll()
{
    if (module_)
        FreeLibrary(module_);
}

codeINSTALL_INIT SetupDll::InstallInit(HWND parent, bool previouslyInstalled, const std::wstring& dir)
{
    if (!installInit_)
        return codeINSTALL_INIT_CONTINUE;
    codeINSTALL_INIT answer = installInit_(parent, TRUE, previouslyInstalled, dir.c_str());
    NKDbgPrintfW(L"InstallerHost: Install_Init(parent, first call 1, previously installed %d, \"%ls\") = %d",
                 previouslyInstalled ? 1 : 0, dir.c_str(), static_cast<int>(answer));
    return answer;
}

codeINSTALL_EXIT SetupDll::InstallExit(HWND parent, const std::wstring& dir, WORD failedDirs, WORD failedFiles)
{
    if (!installExit_)
        return codeINSTALL_EXIT_DONE;
    // The package makes no registry keys, values or shortcuts of its own.
    codeINSTALL_EXIT answer = installExit_(parent, dir.c_str(), failedDirs, failedFiles, 0, 0, 0);
    NKDbgPrintfW(L"InstallerHost: Install_Exit(parent, \"%ls\", %u, %u, 0, 0, 0) = %d", dir.c_str(), failedDirs,
                 failedFiles, static_cast<int>(answer));
    return answer;
}

codeUNINSTALL_INIT SetupDll::UninstallInit(HWND parent, const std::wstring& dir)
{
    if (!uninstallInit_)
        return codeUNINSTALL_INIT_CONTINUE;
    codeUNINSTALL_INIT answer = uninstallInit_(parent, dir.c_str());
    NKDbgPrintfW(L"InstallerHost: Uninstall_Init(parent, \"%ls\") = %d", dir.c_str(), static_cast<int>(answer));
    return answer;
}

codeUNINSTALL_EXIT SetupDll::UninstallExit(HWND parent)
{
    if (!uninstallExit_)
        return codeUNINSTALL_EXIT_DONE;
    codeUNINSTALL_EXIT answer = uninstallExit_(parent);
    NKDbgPrintfW(L"InstallerHost: Uninstall_Exit(parent) = %d", static_cast<int>(answer));
    return answer;
}

}  // namespace installer
