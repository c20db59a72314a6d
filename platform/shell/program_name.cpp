#include "platform/shell/state.h"

#include <strsafe.h>

namespace shell {

void ProgramName(wchar_t* out, size_t chars)
{
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        path[0] = 0;
    const wchar_t* name = wcsrchr(path, L'\\');
    StringCchCopyW(out, chars, name ? name + 1 : path);
}

}  // namespace shell
