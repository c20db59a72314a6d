// A setup DLL of the tests: each hook logs its arguments byte for byte
// ("TestSetup: ...") and answers as HKLM "SOFTWARE\TestSetup" says:
//   "CancelInstall" 1: Install_Init cancels
//   "UndoInstall"   1: Install_Exit asks for the install to be undone
// Install_Exit shows an OK box, Uninstall_Init a yes/no box whose yes goes on.
#include "platform/ce.h"

#include <strsafe.h>

#include <string>

namespace {

constexpr wchar_t kControlKey[] = L"SOFTWARE\\TestSetup";

DWORD Control(const wchar_t* value)
{
    DWORD data = 0, size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kControlKey, value, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
        return 0;
    return data;
}

// The parent as the log shows it: its class, and whether it belongs to the
// calling process.
std::wstring ParentText(HWND parent)
{
    wchar_t name[64] = L"none";
    if (parent && !GetClassNameW(parent, name, ARRAYSIZE(name)))
        StringCchCopyW(name, ARRAYSIZE(name), L"invalid");
    DWORD process = 0;
    if (parent)
        GetWindowThreadProcessId(parent, &process);
    return std::wstring(name) + (process == GetCurrentProcessId() ? L" (installer's)" : L" (foreign)");
}

// The folder's UTF-16 code units in hexadecimal, up to its terminating zero.
std::wstring Bytes(LPCWSTR text)
{
    if (!text)
        return L"null";
    std::wstring hex;
    for (const wchar_t* c = text; *c; ++c) {
        wchar_t pair[8];
        StringCchPrintfW(pair, ARRAYSIZE(pair), L"%02X%02X", *c & 0xFF, (*c >> 8) & 0xFF);
        hex += pair;
    }
    return hex;
}

}  // namespace

extern "C" __declspec(dllexport) codeINSTALL_INIT WINAPI Install_Init(HWND parent, BOOL firstCall,
                                                                      BOOL previouslyInstalled, LPCWSTR installDir)
{
    NKDbgPrintfW(L"TestSetup: Install_Init parent=%ls first=%d previous=%d dir=%ls bytes=%ls",
                 ParentText(parent).c_str(), firstCall, previouslyInstalled, installDir ? installDir : L"",
                 Bytes(installDir).c_str());
    return Control(L"CancelInstall") == 1 ? codeINSTALL_INIT_CANCEL : codeINSTALL_INIT_CONTINUE;
}

extern "C" __declspec(dllexport) codeINSTALL_EXIT WINAPI Install_Exit(HWND parent, LPCWSTR installDir, WORD failedDirs,
                                                                      WORD failedFiles, WORD failedRegKeys,
                                                                      WORD failedRegValues, WORD failedShortcuts)
{
    DWORD attributes = GetFileAttributesW(installDir);
    NKDbgPrintfW(L"TestSetup: Install_Exit parent=%ls dir=%ls bytes=%ls counts=%u,%u,%u,%u,%u folder=%d",
                 ParentText(parent).c_str(), installDir ? installDir : L"", Bytes(installDir).c_str(), failedDirs,
                 failedFiles, failedRegKeys, failedRegValues, failedShortcuts,
                 attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    int answer = MessageBoxW(parent, L"테스트가 설치되었습니다.", L"알림", MB_OK);
    NKDbgPrintfW(L"TestSetup: Install_Exit box answered %d", answer);
    return Control(L"UndoInstall") == 1 ? codeINSTALL_EXIT_UNINSTALL : codeINSTALL_EXIT_DONE;
}

extern "C" __declspec(dllexport) codeUNINSTALL_INIT WINAPI Uninstall_Init(HWND parent, LPCWSTR installDir)
{
    NKDbgPrintfW(L"TestSetup: Uninstall_Init parent=%ls dir=%ls bytes=%ls", ParentText(parent).c_str(),
                 installDir ? installDir : L"", Bytes(installDir).c_str());
    int answer = MessageBoxW(parent, L"테스트를 제거할까요?", L"알림", MB_YESNO);
    NKDbgPrintfW(L"TestSetup: Uninstall_Init box answered %d", answer);
    return answer == IDYES ? codeUNINSTALL_INIT_CONTINUE : codeUNINSTALL_INIT_CANCEL;
}

extern "C" __declspec(dllexport) codeUNINSTALL_EXIT WINAPI Uninstall_Exit(HWND parent)
{
    NKDbgPrintfW(L"TestSetup: Uninstall_Exit parent=%ls", ParentText(parent).c_str());
    return codeUNINSTALL_EXIT_DONE;
}
