// The device's Today screen, as far as the system needs it: a window over
// the work area that loads the Today items registered in the device's
// registry and drives them as the shell does. It runs until it is closed.
//   TodayHost.exe
// Log lines ("TodayHost: ..."): ready, each item loaded, left out (and
// why), unloaded, reloads, options dialogs.
#include "platform/today_host/host_window.h"
#include "platform/today_host/items.h"
#include "platform/today_host/layout.h"
#include "platform/today_host/state.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    HWND host = todayhost::CreateHostWindow(instance);
    if (!host) {
        NKDbgPrintfW(L"TodayHost: the window could not be made (error %lu)", GetLastError());
        return 1;
    }
    UpdateWindow(host);
    SetForegroundWindow(host);
    SetFocus(host);

    // Items check the event before they answer the refresh query: it is set
    // before they load, so the first query already counts. The handle stays
    // open for the host's life.
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, TODAY_SHELL_READY_EVENT);
    if (ready)
        SetEvent(ready);

    todayhost::SyncItems();
    todayhost::LayoutItems();
    NKDbgPrintfW(L"TodayHost: ready, %u item(s)", static_cast<unsigned>(todayhost::Items.size()));

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ready)
        CloseHandle(ready);
    return 0;
}
