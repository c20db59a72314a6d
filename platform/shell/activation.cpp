#include "platform/shell/state.h"

CEAPI BOOL WINAPI SHHandleWMActivate(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO* info, DWORD)
{
    if (!info || !IsWindow(window))
        return FALSE;
    bool up = shell::PanelUp();
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        info->hwndLastFocus = focus && IsChild(window, focus) ? focus : window;
        info->fSipOnDeactivation = up;
        info->fActive = 0;
        return TRUE;
    }
    // Back from another window: the panel as this one left it.
    if (!info->fActive && info->hwndLastFocus && info->fSipOnDeactivation != up)
        SipShowIM(info->fSipOnDeactivation ? SIPF_ON : SIPF_OFF);
    info->fActive = 1;
    info->fSipUp = shell::PanelUp();
    return TRUE;
}

CEAPI BOOL WINAPI SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM, SHACTIVATEINFO* info)
{
    if (!info || !IsWindow(window))
        return FALSE;
    if (wParam == SPI_SETSIPINFO)
        info->fSipUp = shell::PanelUp();
    return TRUE;
}
