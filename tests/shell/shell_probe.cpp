// A second device process for the shell tests: each command does one thing
// another process of the device would do and records what it saw in the
// device log ("probe <command>: ...").
#include "platform/ce.h"

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr DWORD kWaitMs = 20000;

HANDLE OpenNamedEvent(LPCWSTR name)
{
    return CreateEventW(nullptr, TRUE, FALSE, name);
}

// Reads the locale, tells the test it is ready, waits for the test's change,
// then reads again, also through a month calendar and a date picker made
// after the change.
int WatchLocale()
{
    HANDLE ready = OpenNamedEvent(L"shell-probe-ready");
    HANDLE changed = OpenNamedEvent(L"shell-probe-changed");
    wchar_t before[32] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, before, 32);
    SYSTEMTIME day = {2008, 3, 0, 7, 0, 0, 0, 0};
    HWND early = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                 nullptr);
    DestroyWindow(early);
    SetEvent(ready);
    if (WaitForSingleObject(changed, kWaitMs) != WAIT_OBJECT_0)
        return 2;

    HWND calendar = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                    nullptr);
    HWND picker = CreateWindowExW(0, DATETIMEPICK_CLASSW, L"", WS_POPUP | DTS_SHORTDATEFORMAT, 0, 0, 200, 20,
                                  nullptr, nullptr, nullptr, nullptr);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&day));
    wchar_t shown[64] = L"";
    GetWindowTextW(picker, shown, 64);
    int firstDay = LOWORD(SendMessageW(calendar, MCM_GETFIRSTDAYOFWEEK, 0, 0));

    wchar_t after[32] = L"";
    CeGetSystemShortDateFormat(after, 32);
    wchar_t weekStart[8] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, weekStart, 8);
    wchar_t formatted[64] = L"";
    GetDateFormatW(LOCALE_SYSTEM_DEFAULT, DATE_SHORTDATE, &day, nullptr, formatted, 64);
    NKDbgPrintfW(L"probe locale: before=%ls after=%ls week=%ls date=%ls calendar=%d picker=%ls", before, after,
                 weekStart, formatted, firstDay, shown);
    DestroyWindow(picker);
    DestroyWindow(calendar);
    return 0;
}

int g_sipChanges = 0;

LRESULT CALLBACK SettingsWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETTINGCHANGE && wParam == SPI_SETSIPINFO)
        ++g_sipChanges;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Keeps a top-level window of another process up until the test is done,
// counting the input panel's changes it hears.
int WatchSettings()
{
    HANDLE ready = OpenNamedEvent(L"shell-probe-ready");
    HANDLE done = OpenNamedEvent(L"shell-probe-changed");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = SettingsWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ShellProbeWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    SetEvent(ready);
    ULONGLONG end = GetTickCount64() + kWaitMs;
    while (GetTickCount64() < end) {
        DWORD woke = MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        if (woke == WAIT_OBJECT_0)
            break;
    }
    NKDbgPrintfW(L"probe settings: sip-changes=%d", g_sipChanges);
    DestroyWindow(window);
    return 0;
}

const wchar_t* g_argument = L"";

// Brings the window (its handle in decimal) forward as a second copy of a
// program does: with the handle's lowest bit set.
int BringForward()
{
    UINT_PTR handle = static_cast<UINT_PTR>(_wcstoui64(g_argument, nullptr, 10));
    BOOL done = SetForegroundWindow(reinterpret_cast<HWND>(handle | 1));
    NKDbgPrintfW(L"probe foreground: result=%d", done);
    return done ? 0 : 3;
}

// As a second copy of a program does with the running one's window: shows
// it, then brings it forward with the lowest bit set.
int ShowAndBringForward()
{
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(_wcstoui64(g_argument, nullptr, 10)));
    ShowWindow(window, SW_SHOW);
    BOOL done = SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(window) | 1));
    NKDbgPrintfW(L"probe bring-forward: result=%d", done);
    return done ? 0 : 3;
}

struct Command {
    const wchar_t* name;
    int (*run)();
};

const Command kCommands[] = {
    {L"locale-watch", WatchLocale},
    {L"settings-watch", WatchSettings},
    {L"foreground", BringForward},
    {L"bring-forward", ShowAndBringForward},
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    if (argc < 2)
        return 1;
    if (argc > 2)
        g_argument = argv[2];
    for (const Command& command : kCommands) {
        if (wcscmp(argv[1], command.name) == 0)
            return command.run();
    }
    return 1;
}
