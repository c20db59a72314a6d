// The setup DLL and its four hooks, found by plain name. A hook the DLL
// lacks is skipped (and logged); each call is logged with its arguments and
// its answer.
#pragma once

#include "platform/ce.h"

#include <string>

namespace installer {

class SetupDll {
public:
    // False (and a log line) when the DLL does not load.
    bool Load(const std::wstring& devicePath);
    ~SetupDll();

    codeINSTALL_INIT InstallInit(HWND parent, bool previouslyInstalled, const std::wstring& dir);
    codeINSTALL_EXIT InstallExit(HWND parent, const std::wstring& dir, WORD failedDirs, WORD failedFiles);
    codeUNINSTALL_INIT UninstallInit(HWND parent, const std::wstring& dir);
    codeUNINSTALL_EXIT UninstallExit(HWND parent);

private:
    HMODULE module_ = nullptr;
    PFN_INSTALL_INIT installInit_ = nullptr;
    PFN_INSTALL_EXIT installExit_ = nullptr;
    PFN_UNINSTALL_INIT uninstallInit_ = nullptr;
    PFN_UNINSTALL_EXIT uninstallExit_ = nullptr;
};

}  // namespace installer
