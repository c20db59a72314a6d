// The library entry, the item window class and the two entry points the
// Today screen finds by ordinal (240 and 241).
#include "core/build_variant.h"
#include "core/shortcut_list.h"
#include "core/today_request_format.h"
#include "today/day_text.h"
#include "today/icon_lists.h"
#include "today/item_window.h"
#include "today/layout.h"
#include "today/offscreen_bitmap.h"
#include "today/outlook_session.h"
#include "today/request_builders.h"
#include "today/today_screen.h"
#include "today/today_settings.h"
#include "today/view_switch.h"
#include "today/weather_download.h"
#include "today/weather_store.h"

#include <cstdio>

namespace {

constexpr UINT kStorageFiguresMs = 1000;
constexpr UINT kClockMs = 1000;
constexpr UINT kWeatherDownloadMs = 60000;
constexpr int kOemInfoBytes = 100;
constexpr int kShowNormal = 1;

bool RegisterItemWindowClass()
{
    WNDCLASSW windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = TodayItemWndProc;
    windowClass.hInstance = ItemInstance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kItemWindowClass;
    return RegisterClassW(&windowClass) != 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
#if defined(QUILLON_OLDER_BUILD)
        OlderPlatformBuild = true;
#endif
        ItemInstance = instance;
        UnregisterClassW(kItemWindowClass, instance);
        RegisterItemWindowClass();
        ItemWindow = nullptr;
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterClassW(kItemWindowClass, instance);
        ItemInstance = nullptr;
    }
    return TRUE;
}

extern "C" HWND WINAPI InitializeCustomItem(TODAYLISTITEM*, HWND parent)
{
    HeightPending = 1;
    wchar_t oemInfo[kOemInfoBytes / sizeof(wchar_t)] = L"";
    SystemParametersInfo(SPI_GETOEMINFO, kOemInfoBytes, oemInfo, 0);
    OffscreenPainting = OffscreenPaintingFor(oemInfo);

    HWND window = CreateWindowExW(0, kItemWindowClass, L"Glimmor", WS_CHILD | WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, GetSystemMetrics(SM_CXSCREEN), 0, parent, nullptr, ItemInstance,
                                  nullptr);
    if (!window)
        return nullptr;
    ItemWindow = window;
    OpenPocketOutlook(window);

    TodayText(TodayDateText);
    swscanf(TodayDateText, L"%4d-%2d", &ShownYear, &ShownMonth);
    ReadTodaySettings(TodayScreenTextColor());
    LoadShortcutList();
    LoadStoredWeather();
    BuildHotZones();
    ViewMode = LoadViewMode();
    SetCurrentHeader();
    LoadIconImageLists();
    BuildHotZones();  // the title zones of the saved view
    RebuildCurrentView();

    SetTimer(window, kTimerStorageFigures, kStorageFiguresMs, nullptr);
    OneShotCountdown = 1;
    DownloadWeatherIfDue();
    SetTimer(window, kTimerWeatherDownload, kWeatherDownloadMs, nullptr);
    SetTimer(window, kTimerClock, kClockMs, nullptr);
    ShowWindow(window, kShowNormal);
    UpdateWindow(window);
    return window;
}

extern "C" BOOL WINAPI CustomItemOptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        EndDialog(dialog, LOWORD(wParam));
        RequestContentless(kRequestPreferences);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
