#include "tests/startup/quillon_process.h"

namespace quillon {

namespace {

BOOL CALLBACK CountClass(HWND window, LPARAM param)
{
    wchar_t name[32] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (lstrcmpW(name, kMainClass) == 0)
        ++*reinterpret_cast<int*>(param);
    return TRUE;
}

}  // namespace

Process Start()
{
    Process process;
    std::wstring line = std::wstring(L"\"") + kProgram + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return process;
    CloseHandle(pi.hThread);
    process.handle = pi.hProcess;
    process.id = pi.dwProcessId;
    return process;
}

HWND WaitForMainWindow(DWORD limitMs)
{
    HWND found = nullptr;
    // The window exists from the start of its creation; it is shown when the
    // creation is complete.
    testkit::PumpUntil([&] {
        found = FindWindowW(kMainClass, kMainTitle);
        return found != nullptr && IsWindowVisible(found);
    }, limitMs);
    return found && IsWindowVisible(found) ? found : nullptr;
}

int WaitForEnd(Process& process, DWORD limitMs)
{
    if (!process.handle)
        return -1;
    bool ended = testkit::PumpUntil([&] { return WaitForSingleObject(process.handle, 0) == WAIT_OBJECT_0; }, limitMs);
    DWORD code = static_cast<DWORD>(-1);
    if (ended)
        GetExitCodeProcess(process.handle, &code);
    else
        TerminateProcess(process.handle, 1);
    WaitForSingleObject(process.handle, 5000);
    CloseHandle(process.handle);
    process = Process();
    return ended ? static_cast<int>(code) : -1;
}

int Close(HWND window, Process& process)
{
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    return WaitForEnd(process);
}

void Discard(Process& process)
{
    if (!process.handle)
        return;
    TerminateProcess(process.handle, 1);
    WaitForSingleObject(process.handle, 5000);
    CloseHandle(process.handle);
    process = Process();
}

int CountMainClassWindows()
{
    int count = 0;
    EnumWindows(CountClass, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace quillon
