#include "today/item_timers.h"

#include "core/shortcut_list.h"
#include "today/day_text.h"
#include "today/icon_lists.h"
#include "today/layout.h"
#include "today/pen.h"
#include "today/schedule_view.h"
#include "today/today_screen.h"
#include "today/today_settings.h"
#include "today/view_switch.h"
#include "today/weather_download.h"
#include "today/weather_import.h"
#include "today/weather_store.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kDataChangedMarker[] = L"\\Windows\\Quillon2.qmk";
constexpr wchar_t kSettingsChangedMarker[] = L"\\Windows\\Quillon3.qmk";
constexpr UINT kRebuildTickMs = 1000;
constexpr int kRebuildTicks = 2;

// Opens and deletes a marker file; true when it was there.
bool TakeMarker(LPCWSTR path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    DeleteFileW(path);
    return true;
}

void OnRebuildTick(HWND window)
{
    if (--RefreshCountdown < 1) {
        KillTimer(window, kTimerRebuild);
        RebuildCurrentView();
        NKDbgPrintfW(L"Glimmor: view rebuilt after a change\r\n");
    }
}

void OnStorageFiguresTick(HWND window)
{
    if (OneShotCountdown-- == 1) {
        StorageFiguresShown = 1;
        KillTimer(window, kTimerStorageFigures);
        InvalidateRect(window, nullptr, TRUE);
    }
}

void OnClockTick(HWND window)
{
    if (Settings.TodayShowClock != 1)
        return;
    wchar_t clock[kTimeChars] = L"";
    GetTimeFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"HH:mm", clock, kTimeChars);
    if (wcscmp(clock, LastClockText) == 0)
        return;
    InvalidateRect(window, &Bands.clock, TRUE);
    StringCchCopyW(LastClockText, ARRAYSIZE(LastClockText), clock);
}

// Whether a row of today has begun since the rows were last dropped. The
// timer ticks every 10 seconds, so a start is looked for over the minutes
// since then, not at second 0 alone.
bool TodayRowHasBegun(const SYSTEMTIME& now)
{
    wchar_t minute[kTimeChars];
    StringCchPrintfW(minute, kTimeChars, L"%02d:%02d", now.wHour, now.wMinute);
    for (int i = 0; i < TodayStartTimeCount; ++i) {
        if (wcscmp(TodayStartTimes[i], PastRowsDroppedUntil) > 0 && wcscmp(TodayStartTimes[i], minute) <= 0)
            return true;
    }
    return false;
}

}  // namespace

void ArmRebuildCountdown()
{
    RefreshCountdown = kRebuildTicks;
    if (!ItemWindow)
        return;
    KillTimer(ItemWindow, kTimerRebuild);
    SetTimer(ItemWindow, kTimerRebuild, kRebuildTickMs, nullptr);
}

int CheckDataChangedMarker()
{
    if (!TakeMarker(kDataChangedMarker))
        return 0;
    ArmRebuildCountdown();
    return 1;
}

int CheckSettingsChangedMarker()
{
    if (!TakeMarker(kSettingsChangedMarker))
        return 0;
    ReadTodaySettings(TodayScreenTextColor());
    LoadShortcutList();
    LoadStoredWeather();
    FreeShortcutIcons();
    BuildHotZones();
    if (ViewMode != kViewMonth)
        ShowCurrentView();
    if (ItemWindow)
        InvalidateRect(ItemWindow, nullptr, TRUE);
    return 1;
}

void RefreshOnDateChange()
{
    const SYSTEMTIME now = LocalNow();
    const DATE today = DateOfParts(now.wYear, now.wMonth, now.wDay);
    if (today != TodayDay) {
        TodayText(TodayDateText);
        if (ItemWindow)
            InvalidateRect(ItemWindow, nullptr, TRUE);
        TodayDay = today;
        SpanStart = today;
        LoadWeather(WeatherRegionName);
        ShowCurrentView();
    }
    if (Settings.TodayShowPastItems == 0 && ViewMode == kViewSchedule && TodayRowHasBegun(now)) {
        BuildScheduleView();
        LayoutScheduleRows();
    }
}

void OnItemTimer(HWND window, UINT timer)
{
    switch (timer) {
    case kTimerWeatherImport:
        ImportWeatherFileOnce();
        RefreshOnDateChange();
        break;
    case kTimerRebuild: OnRebuildTick(window); break;
    case kTimerMarkers:
        CheckDataChangedMarker();
        CheckSettingsChangedMarker();
        break;
    case kTimerStorageFigures: OnStorageFiguresTick(window); break;
    case kTimerWeatherDownload: DownloadWeatherIfDue(); break;
    case kTimerClock: OnClockTick(window); break;
    case kTimerArrowRepeat: RepeatArrowTap(); break;
    default: break;
    }
}
