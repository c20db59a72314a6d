// The panel's state, device-wide: the panel is up while its window is shown.
#include "platform/shell/state.h"

#include <cstddef>

namespace {

constexpr DWORD kSendTimeoutMs = 1000;
constexpr DWORD kBroadcastTimeoutMs = 500;
constexpr DWORD kMinInfoSize = offsetof(SIPINFO, dwImDataSize) + sizeof(DWORD);

BOOL CALLBACK NotifyTopLevel(HWND window, LPARAM)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_SETTINGCHANGE, SPI_SETSIPINFO, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kBroadcastTimeoutMs, &ignored);
    return TRUE;
}

void BroadcastPanelChange()
{
    EnumWindows(NotifyTopLevel, 0);
}

}  // namespace

namespace shell {

bool PanelUp()
{
    HWND panel = FindWindowW(CE_INPUT_PANEL_CLASS, nullptr);
    return panel && IsWindowVisible(panel);
}

}  // namespace shell

CEAPI BOOL WINAPI SipShowIM(DWORD flags)
{
    bool up = (flags & SIPF_ON) != 0;
    if (up == shell::PanelUp())
        return TRUE;
    HWND panel = up ? shell::EnsurePanelWindow() : FindWindowW(CE_INPUT_PANEL_CLASS, nullptr);
    if (!panel)
        return FALSE;
    // The panel may belong to another of the device's processes.
    DWORD_PTR done = 0;
    if (!SendMessageTimeoutW(panel, shell::kPanelShowMessage, up ? 1 : 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &done))
        return FALSE;
    BroadcastPanelChange();
    return TRUE;
}

CEAPI BOOL WINAPI SipGetInfo(SIPINFO* info)
{
    if (!info || info->cbSize < kMinInfoSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool up = shell::PanelUp();
    RECT panel = shell::PanelRect();
    RECT visible = shell::WorkArea();
    visible.bottom = up ? panel.top : shell::MenuBarRect().top;
    info->fdwFlags = SIPF_DOCKED | (up ? SIPF_ON : SIPF_OFF);
    info->rcVisibleDesktop = visible;
    info->rcSipRect = panel;
    info->dwImDataSize = 0;
    return TRUE;
}

CEAPI BOOL WINAPI SHSipInfo(UINT action, UINT, PVOID data, UINT)
{
    SIPINFO* info = static_cast<SIPINFO*>(data);
    switch (action) {
    case SPI_GETSIPINFO:
        return SipGetInfo(info);
    case SPI_SETSIPINFO:
        if (!info || info->cbSize < kMinInfoSize) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        return SipShowIM(info->fdwFlags & SIPF_ON);
    case SPI_SETCURRENTIM:
        return SipSetCurrentIM(static_cast<CLSID*>(data));
    case SPI_GETCURRENTIM:
        return SipGetCurrentIM(static_cast<CLSID*>(data));
    }
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}
