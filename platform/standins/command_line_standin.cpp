// A stand-in for a program of the device that the system starts with a
// command line (the Notes, mail and control-panel programs, a carrier's
// message composer): it records the raw command line it was given, as
//   Standin <program>: command line <text>
// in the device's log, and ends. The runtime's own argument split is not
// used: it would drop the first token of a line such as "mailto:%s".
#include "platform/ce.h"

#include <strsafe.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = wcsrchr(path, L'\\');
    NKDbgPrintfW(L"Standin %ls: command line %ls", name ? name + 1 : path, GetCommandLineW());
    return 0;
}
