#include "platform/shell/state.h"

#undef SetForegroundWindow

CEAPI BOOL WINAPI CeSetForegroundWindow(HWND window)
{
    UINT_PTR bits = reinterpret_cast<UINT_PTR>(window);
    if (!(bits & 1))
        return ::SetForegroundWindow(window);
    HWND owner = reinterpret_cast<HWND>(bits & ~static_cast<UINT_PTR>(1));
    if (!IsWindow(owner))
        return FALSE;
    HWND foremost = GetLastActivePopup(owner);
    if (!foremost || !IsWindowVisible(foremost))
        foremost = owner;
    if (foremost != owner)
        SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return ::SetForegroundWindow(foremost);
}
