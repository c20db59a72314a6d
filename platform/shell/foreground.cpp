#include "platform/shell/state.h"

#undef SetForegroundWindow

namespace {

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindShownOwnedWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<OwnedSearch*>(param);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) && IsWindowEnabled(window) &&
        !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The window that takes the input for the owner: its last active pop-up,
// or, while the owner is disabled by a modal dialog that never was active
// (opened while another program was in front), that dialog, followed down
// to its own open dialog.
HWND ForemostOf(HWND owner)
{
    HWND foremost = GetLastActivePopup(owner);
    if (!foremost || !IsWindowVisible(foremost))
        foremost = owner;
    for (int depth = 0; depth < 8 && !IsWindowEnabled(foremost); ++depth) {
        OwnedSearch search = {foremost, nullptr};
        EnumThreadWindows(GetWindowThreadProcessId(foremost, nullptr), FindShownOwnedWindow,
                          reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            break;
        foremost = search.found;
    }
    return foremost;
}

}  // namespace

CEAPI BOOL WINAPI CeSetForegroundWindow(HWND window)
{
    UINT_PTR bits = reinterpret_cast<UINT_PTR>(window);
    if (!(bits & 1))
        return ::SetForegroundWindow(window);
    HWND owner = reinterpret_cast<HWND>(bits & ~static_cast<UINT_PTR>(1));
    if (!IsWindow(owner))
        return FALSE;
    HWND foremost = ForemostOf(owner);
    if (foremost != owner) {
        // The owner comes forward under its dialog, never over it.
        SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowPos(foremost, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return ::SetForegroundWindow(foremost);
}
