// Every window this process creates passes here before it exists, so that
// the common controls behave as the device's do wherever they are made (by
// code or from a dialog resource).
#include "platform/shell/state.h"

#include <commctrl.h>

namespace {

void OnWindowCreating(HWND window)
{
    // The calendars read the locale's first day of the week and short-date
    // format once, when they are made; lists take the device's gestures.
    if (shell::IsWindowOfClass(window, MONTHCAL_CLASSW) || shell::IsWindowOfClass(window, DATETIMEPICK_CLASSW))
        shell::SyncLocale();
    else if (shell::IsWindowOfClass(window, WC_LISTVIEWW))
        shell::AdoptListControl(window, false);
    else if (shell::IsWindowOfClass(window, WC_TREEVIEWW))
        shell::AdoptListControl(window, true);
}

LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        OnWindowCreating(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Installed for the thread that loads the platform: the process's one
// user-interface thread.
shell::ThreadHook g_creationHook(WH_CBT, CreationHookProc);

}  // namespace
