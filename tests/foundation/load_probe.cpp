// Loads a DLL by its bare name and reports where it was found: exit code 0
// when it came from \Windows of the device, 1 when from elsewhere, 2 when
// it could not be loaded.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2)
        return 3;
    HMODULE module = LoadLibraryW(argv[1]);
    if (!module)
        return 2;
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(module, path, MAX_PATH);
    wchar_t expected[MAX_PATH];
    _snwprintf(expected, MAX_PATH, L"D:\\Windows\\%ls", argv[1]);
    expected[MAX_PATH - 1] = 0;
    return _wcsicmp(path, expected) == 0 ? 0 : 1;
}
