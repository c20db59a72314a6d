#include "editors/preferences_sheet.h"

#include "editors/diary_prefs_page.h"
#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "editors/today_colors_page.h"
#include "editors/today_extras_page.h"
#include "editors/today_prefs_page.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kSheetCaption[] = L"다이어리 설정";
constexpr DWORD kSheetFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_MAXIMIZE;
// The common controls' version the device's sheets answer with.
constexpr int kDeviceSheetVersion = 526;

struct PageEntry {
    int dialog;
    DLGPROC procedure;
};
// In the sheet's order (SettingsPageIndex).
const PageEntry kPages[kSettingsPageCount] = {
    {IDD_DIARY_PREFS, DiaryPrefsPageProc},
    {IDD_TODAY_PREFS, TodayPrefsPageProc},
    {IDD_TODAY_EXTRAS, TodayExtrasPageProc},
    {IDD_TODAY_COLORS, TodayColorsPageProc},
};

}  // namespace

int CALLBACK SettingsSheetCallback(HWND, UINT message, LPARAM)
{
    return message == PSCB_GETVERSION ? kDeviceSheetVersion : 0;
}

void RunPreferencesSheet(HWND owner)
{
    PROPSHEETPAGEW pages[kSettingsPageCount] = {};
    for (int i = 0; i < kSettingsPageCount; ++i) {
        pages[i].dwSize = sizeof(pages[i]);
        pages[i].hInstance = AppInstance;
        pages[i].pszTemplate = MAKEINTRESOURCEW(kPages[i].dialog);
        pages[i].pfnDlgProc = kPages[i].procedure;
    }
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof(header);
    header.dwFlags = kSheetFlags;
    header.hwndParent = owner;
    header.hInstance = AppInstance;
    header.pszCaption = kSheetCaption;
    header.nPages = kSettingsPageCount;
    header.nStartPage = static_cast<UINT>(SettingsStartPage);
    header.ppsp = pages;
    header.pfnCallback = SettingsSheetCallback;
    PropertySheet(&header);
    // However the sheet ended, its pages are gone: the next apply must not
    // read them.
    ClearSettingsPageWindows();
}

void SetPreferencesHooks()
{
    Hooks.RunPreferencesSheet = RunPreferencesSheet;
}
