#include "platform/installer_host/options.h"

#include <shellapi.h>

#include <vector>

namespace installer {

namespace {

// "\Program Files\Quillon\" and "\Program Files\Quillon" are one folder; the
// hooks get it without the trailing backslash.
std::wstring WithoutTrailingBackslash(std::wstring path)
{
    while (path.size() > 1 && path.back() == L'\\')
        path.pop_back();
    return path;
}

}  // namespace

bool ParseOptions(const wchar_t* commandLine, Options* options, std::wstring* error)
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(commandLine && commandLine[0] ? commandLine : L"InstallerHost", &count);
    if (!words) {
        *error = L"the command line could not be read";
        return false;
    }
    // The runtime's first word is the program; a bare argument line starts
    // with an option.
    std::vector<std::wstring> args(words, words + count);
    LocalFree(words);
    size_t i = !args.empty() && args[0].rfind(L"/", 0) != 0 ? 1 : 0;

    struct ValueOption {
        const wchar_t* name;
        std::wstring* value;
    };
    const ValueOption valueOptions[] = {
        {L"/setup", &options->setupDll},      {L"/package", &options->packageList},
        {L"/from", &options->packageFolder},  {L"/dir", &options->installDir},
        {L"/name", &options->name},
    };
    for (; i < args.size(); ++i) {
        const std::wstring& word = args[i];
        if (_wcsicmp(word.c_str(), L"/install") == 0) {
            options->action = Action::kInstall;
            continue;
        }
        if (_wcsicmp(word.c_str(), L"/remove") == 0) {
            options->action = Action::kRemove;
            continue;
        }
        if (_wcsicmp(word.c_str(), L"/unattended") == 0) {
            options->unattended = true;
            continue;
        }
        bool known = false;
        for (const ValueOption& option : valueOptions) {
            if (_wcsicmp(word.c_str(), option.name) != 0)
                continue;
            if (i + 1 >= args.size()) {
                *error = word + L" needs a value";
                return false;
            }
            *option.value = args[++i];
            known = true;
            break;
        }
        if (!known) {
            *error = L"unknown argument " + word;
            return false;
        }
    }
    options->installDir = WithoutTrailingBackslash(options->installDir);
    if (options->action == Action::kNone)
        *error = L"neither /install nor /remove";
    else if (options->setupDll.empty())
        *error = L"no /setup DLL";
    else if (options->packageList.empty() != options->packageFolder.empty())
        *error = L"/package and /from go together";
    else if (options->installDir.empty() || options->installDir[0] != L'\\')
        *error = L"/dir must be a rooted device path";
    else
        return true;
    return false;
}

}  // namespace installer
