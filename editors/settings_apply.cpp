#include "editors/settings_apply.h"

#include "editors/diary_prefs_page.h"
#include "editors/preferences_state.h"
#include "editors/today_prefs_page.h"

// In progress: only the pages' fields are read back so far.
void ApplySettingsPages()
{
    if (HWND page = SettingsPageWindows[kDiaryPage])
        ReadDiaryPrefsPage(page);
    if (HWND page = SettingsPageWindows[kTodayPage])
        ReadTodayPrefsPage(page);
}
