// Every window this process creates passes here before it exists, so that
// the common controls behave as the device's do wherever they are made (by
// code or from a dialog resource).
#include "platform/shell/state.h"

#include <commctrl.h>

namespace {

bool IsClass(HWND window, LPCWSTR name)
{
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    return _wcsicmp(className, name) == 0;
}

void OnWindowCreating(HWND window)
{
    // The calendars read the locale's first day of the week and short-date
    // format once, when they are made; lists take the device's gestures.
    if (IsClass(window, MONTHCAL_CLASSW) || IsClass(window, DATETIMEPICK_CLASSW))
        shell::SyncLocale();
    else if (IsClass(window, WC_LISTVIEWW))
        shell::AdoptListControl(window, false);
    else if (IsClass(window, WC_TREEVIEWW))
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
