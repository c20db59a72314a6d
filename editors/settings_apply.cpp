#include "editors/settings_apply.h"

#include "core/build_variant.h"
#include "core/error_box.h"
#include "core/registry.h"
#include "core/settings_file.h"
#include "core/signal_files.h"
#include "editors/diary_prefs_page.h"
#include "editors/preferences_state.h"
#include "editors/today_extras_page.h"
#include "editors/today_prefs_page.h"
#include "mainwindow/contact_list_columns.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/device_class.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"

#include <cstdio>
#include <strsafe.h>

namespace {

constexpr wchar_t kSourceName[] = L".\\settings_apply";
constexpr wchar_t kRestartNotice[] = L"투데이 환경이 변경되어 투데이를 새로 실행합니다";
constexpr wchar_t kRestartCaption[] = L"정보";
// What the Today host reads as "the items changed".
constexpr WPARAM kTodayItemsChanged = 0xF2;
// A window that does not answer within this long is passed over, so one
// hung program cannot freeze the sheet and the main program.
constexpr UINT kBroadcastTimeoutMs = 1000;
constexpr int kCardMemoPanel = 2;

// ---- step 1: the diary page's side effects ------------------------------------------

// Moves a "%4d-%2d-%2d" date by days, written back zero-padded.
void ShiftDate(wchar_t* date, int days)
{
    int year = 0, month = 0, day = 0;
    if (swscanf(date, L"%4d-%2d-%2d", &year, &month, &day) != 3)
        return;
    SYSTEMTIME moment = {};
    moment.wYear = static_cast<WORD>(year);
    moment.wMonth = static_cast<WORD>(month);
    moment.wDay = static_cast<WORD>(day);
    FILETIME file = {};
    if (!SystemTimeToFileTime(&moment, &file))
        return;
    ULARGE_INTEGER ticks = {{file.dwLowDateTime, file.dwHighDateTime}};
    constexpr LONGLONG kTicksPerDay = 864000000000LL;
    ticks.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(days) * kTicksPerDay);
    file = {ticks.LowPart, ticks.HighPart};
    if (!FileTimeToSystemTime(&file, &moment))
        return;
    StringCchPrintfW(date, kDateTextChars, L"%4d-%02d-%02d", moment.wYear, moment.wMonth, moment.wDay);
}

void ApplyWeekStart(int32_t oldWeekStart)
{
    ActiveWeekStart = Settings.WeekStart;
    SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, WeekStartLocaleValue(ActiveWeekStart));
    SetWeekdayHeaderTexts();
    if (ScheduleMode != 'W')
        return;
    // Sunday to Monday start: the shown week begins a day later.
    const int days = Settings.WeekStart > oldWeekStart ? 1 : -1;
    ShiftDate(RangeStart, days);
    ShiftDate(RangeEnd, days);
    StringCchCopyW(CurrentDate, kDateTextChars, RangeStart);
    if (Hooks.DrawMiniCalendarForDate)
        Hooks.DrawMiniCalendarForDate(CurrentDate);
    RunHook(Hooks.LoadMonthSchedule);
}

void ApplyMemoSource()
{
    if (CurrentView == kMemoView) {
        PickMemosBy(0);
    } else {
        if (CurrentView <= kGroupView && ContactCardPanel == kCardMemoPanel && CardMemoList &&
            IsWindowVisible(CardMemoList)) {
            CardPanelSelection[kCardMemoPanel] = 0;
            RunHook(Hooks.LoadContactMemoList);
        }
        ViewStale[kMemoView] = 1;
    }
    TodayRestartPending = 1;
}

void ApplyDiaryPage(HWND page)
{
    const DiarySettings old = Settings;
    ReadDiaryPrefsPage(page);
    ActiveKeypadLayout = Settings.KeypadLayout;
    if (Settings.ContactListColumns != old.ContactListColumns)
        SetupContactListColumns();
    if (Settings.WeekStart != old.WeekStart)
        ApplyWeekStart(old.WeekStart);
    if (Settings.MemoSource != old.MemoSource)
        ApplyMemoSource();
}

// ---- steps 2 and 3: what restarts the Today item ------------------------------------------

void ApplyTodayPage(HWND page)
{
    const DiarySettings old = Settings;
    ReadTodayPrefsPage(page);
    if (Settings.TodayLines != old.TodayLines || Settings.TodayShowClock != old.TodayShowClock)
        TodayRestartPending = 1;
}

void ApplyExtrasPage(HWND page)
{
    const DiarySettings old = Settings;
    ReadTodayExtrasPage(page);
    const bool changed = Settings.TodayShowStatus != old.TodayShowStatus ||
                         Settings.TodayShowShortcuts != old.TodayShowShortcuts ||
                         Settings.ShortcutIconSize != old.ShortcutIconSize ||
                         Settings.TodayShowWeather != old.TodayShowWeather ||
                         Settings.WeatherIconSize != old.WeatherIconSize ||
                         Settings.WeatherRegion != old.WeatherRegion;
    if (changed || ShortcutsChanged)
        TodayRestartPending = 1;
}

// ---- steps 6 to 8 ---------------------------------------------------------------------------

void BroadcastTodayItemsChanged()
{
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, kTodayItemsChanged, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                        kBroadcastTimeoutMs, &answer);
}

void SetTodayItemEnabled(DWORD enabled)
{
    WriteRegistryDword(HKEY_LOCAL_MACHINE, TodayItemRegistryKey(), kTodayItemEnabledValue, enabled);
}

void RestartTodayItem(HWND owner)
{
    TodayRestartPending = 0;
    SetTodayItemEnabled(0);
    BroadcastTodayItemsChanged();
    MessageBoxW(owner, kRestartNotice, kRestartCaption, MB_OK);
    SetTodayItemEnabled(1);
    BroadcastTodayItemsChanged();
}

void ResetKeypadSearch()
{
    KeypadText[0] = L'\0';
    if (KeypadTextBox)
        SetWindowTextW(KeypadTextBox, L"");
    RunHook(Hooks.FilterContactsByKeypad);
}

}  // namespace

void ApplySettingsPages()
{
    HWND lastRead = nullptr;
    if (HWND page = SettingsPageWindows[kDiaryPage]) {
        ApplyDiaryPage(page);
        lastRead = page;
    }
    if (HWND page = SettingsPageWindows[kTodayPage]) {
        ApplyTodayPage(page);
        lastRead = page;
    }
    if (HWND page = SettingsPageWindows[kTodayExtrasPage]) {
        ApplyExtrasPage(page);
        lastRead = page;
    }
    // The colours page stores each pick as it is made.

    if (!SaveSettings())
        ShowErrorBox(__LINE__, kSourceName);
    if (TodayRestartPending)
        RestartTodayItem(lastRead);
    if (CurrentView == kContactSearchView)
        ResetKeypadSearch();
    CreateSignalFile(SignalFile::SettingsChanged);
}
