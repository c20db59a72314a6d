// The installer host's command line:
//   InstallerHost.exe /install | /remove  /setup <setup DLL>
//                     [/package <list> /from <folder>] [/dir <folder>]
//                     [/name <application>] [/unattended]
// /setup names the setup DLL by its device path. /package is a list of
// "<file> <device folder>" lines ('#' starts a comment; the format of
// tools/lib/device-install.txt) whose files come from the /from folder.
// /dir is the installation folder ("\Program Files\Quillon" by default),
// /name the application's install record ("Quillon"). /unattended answers
// every box the hooks show with its default button and logs it.
#pragma once

#include "platform/ce.h"

#include <string>

namespace installer {

enum class Action { kNone, kInstall, kRemove };

struct Options {
    Action action = Action::kNone;
    std::wstring setupDll;
    std::wstring packageList;
    std::wstring packageFolder;
    std::wstring installDir = L"\\Program Files\\Quillon";
    std::wstring name = L"Quillon";
    bool unattended = false;
};

// False (with the reason in error) for a command line it cannot run.
bool ParseOptions(const wchar_t* commandLine, Options* options, std::wstring* error);

}  // namespace installer
