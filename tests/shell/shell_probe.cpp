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

struct Command {
    const wchar_t* name;
    int (*run)();
};

const Command kCommands[] = {
    {L"locale-watch", WatchLocale},
};

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&icc);
    if (argc < 2)
        return 1;
    for (const Command& command : kCommands) {
        if (wcscmp(argv[1], command.name) == 0)
            return command.run();
    }
    return 1;
}
