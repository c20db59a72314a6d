// Runs the real Quillon.exe of the device from a test: start it, wait for
// its main window, close it, wait for its end, all with time limits.
#pragma once

#include "tests/support/testkit.h"

#include <string>

namespace quillon {

constexpr wchar_t kProgram[] = L"\\Program Files\\Quillon\\Quillon.exe";
constexpr wchar_t kMainClass[] = L"QUILLON";
constexpr wchar_t kMainTitle[] = L"다이어리";
constexpr DWORD kStartLimitMs = 20000;
constexpr DWORD kEndLimitMs = 20000;

struct Process {
    HANDLE handle = nullptr;
    DWORD id = 0;
};

Process Start();
// The running copy's main window once it is shown, waited for up to the
// limit; null if none.
HWND WaitForMainWindow(DWORD limitMs = kStartLimitMs);
// Waits for the process to end; its exit code, or -1 when it is still
// running at the limit (it is then killed).
int WaitForEnd(Process& process, DWORD limitMs = kEndLimitMs);
// WM_CLOSE to the window, then waits for the end.
int Close(HWND window, Process& process);
// Kills the process when it still runs and forgets it.
void Discard(Process& process);

// Main windows of class QUILLON on the screen, of any title.
int CountMainClassWindows();

}  // namespace quillon
