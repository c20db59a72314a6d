// The installer's record of what it installed: HKLM "SOFTWARE\Apps\<name>"
// with "Instl" (1) and "InstlDir" (the installation folder). It tells the
// setup DLL whether the application was installed before.
#pragma once

#include "platform/ce.h"

#include <string>

namespace installer {

bool WasInstalled(const std::wstring& name);
void RecordInstall(const std::wstring& name, const std::wstring& installDir);
void ForgetInstall(const std::wstring& name);

}  // namespace installer
