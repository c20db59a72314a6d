// The phone-linked Windows CE 3.0 build as a CE 3 phone device gets it:
// it is bound to Telvo.dll when it loads.
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kProgram[] = L"\\Program Files\\Quillon\\Quillon.exe";
constexpr wchar_t kLibrary[] = L"\\Windows\\Telvo.dll";
constexpr wchar_t kLibraryAway[] = L"\\Windows\\Telvo.dll.away";
constexpr wchar_t kMainClass[] = L"QUILLON";
constexpr DWORD kStartMs = 20000;

struct Started {
    PROCESS_INFORMATION process = {};
    bool ok = false;
};

Started Start()
{
    Started started;
    std::wstring line = L"\"" + std::wstring(kProgram) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    started.ok = CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                &started.process) != FALSE;
    return started;
}

// The program's main window, when that process shows one.
HWND MainWindowOf(DWORD processId)
{
    HWND window = FindWindowW(kMainClass, nullptr);
    DWORD owner = 0;
    if (window)
        GetWindowThreadProcessId(window, &owner);
    return owner == processId ? window : nullptr;
}

void End(Started& started)
{
    if (WaitForSingleObject(started.process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

TEST(PhoneLinkedBuild, DoesNotStartWithoutThePhoneLibrary)
{
    ASSERT_TRUE(testkit::FileExists(kProgram));
    ASSERT_TRUE(MoveFileW(kLibrary, kLibraryAway));
    Started started = Start();
    DWORD waited = WAIT_TIMEOUT;
    if (started.ok)
        waited = WaitForSingleObject(started.process.hProcess, kStartMs);
    DWORD code = 0;
    if (started.ok)
        GetExitCodeProcess(started.process.hProcess, &code);
    const bool windowShown = started.ok && MainWindowOf(started.process.dwProcessId) != nullptr;
    if (started.ok)
        End(started);
    MoveFileW(kLibraryAway, kLibrary);
    // The loader refuses it before any window: either the start fails or
    // the process ends at once with a failure.
    const bool refused = !started.ok || (waited == WAIT_OBJECT_0 && code != 0);
    EXPECT_TRUE(refused) << "wait " << waited << ", exit code " << code;
    EXPECT_FALSE(windowShown);
}

TEST(PhoneLinkedBuild, StartsWithThePhoneLibrary)
{
    ASSERT_TRUE(testkit::FileExists(kLibrary));
    Started started = Start();
    ASSERT_TRUE(started.ok);
    HWND window = nullptr;
    EXPECT_TRUE(testkit::PumpUntil(
        [&] {
            window = MainWindowOf(started.process.dwProcessId);
            return window != nullptr;
        },
        kStartMs));
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(started.process.hProcess, kStartMs), static_cast<DWORD>(WAIT_OBJECT_0));
    End(started);
}

}  // namespace
