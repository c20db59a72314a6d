#include "platform/shell/state.h"

#undef CreateWindowExW
#undef GetMonitorInfoW

namespace {

constexpr int kDefaultScreenWidth = 240;
constexpr int kDefaultScreenHeight = 320;

// Styles that give a top-level window a frame; a device window has none of
// them unless it asks.
constexpr DWORD kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

bool IsFramelessTopLevel(DWORD style)
{
    return (style & (WS_CHILD | WS_POPUP | kFrameStyles)) == 0;
}

}  // namespace

namespace shell {

SIZE ScreenSize()
{
    SIZE size = {CeProfileInt(L"Device", L"ScreenWidth", kDefaultScreenWidth),
                 CeProfileInt(L"Device", L"ScreenHeight", kDefaultScreenHeight)};
    if (size.cx <= 0 || size.cy <= kTopBarHeight + kMenuBarHeight + kPanelHeight) {
        size.cx = kDefaultScreenWidth;
        size.cy = kDefaultScreenHeight;
    }
    return size;
}

RECT WorkArea()
{
    SIZE screen = ScreenSize();
    return RECT{0, kTopBarHeight, screen.cx, screen.cy};
}

RECT MenuBarRect()
{
    SIZE screen = ScreenSize();
    return RECT{0, screen.cy - kMenuBarHeight, screen.cx, screen.cy};
}

RECT PanelRect()
{
    RECT bar = MenuBarRect();
    return RECT{0, bar.top - kPanelHeight, bar.right, bar.top};
}

}  // namespace shell

CEAPI BOOL WINAPI CeGetWorkArea(RECT* area)
{
    if (!area) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *area = shell::WorkArea();
    return TRUE;
}

CEAPI BOOL WINAPI CeGetMonitorInfoW(HMONITOR monitor, LPMONITORINFO info)
{
    if (!::GetMonitorInfoW(monitor, info))
        return FALSE;
    info->rcWork = shell::WorkArea();
    return TRUE;
}

CEAPI HWND WINAPI CeCreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                                    int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                    LPVOID param)
{
    if (IsFramelessTopLevel(style)) {
        style |= WS_POPUP;
        RECT work = shell::WorkArea();
        if (x == CW_USEDEFAULT) {
            x = work.left;
            y = work.top;
        }
        if (width == CW_USEDEFAULT) {
            width = work.right - work.left;
            height = work.bottom - work.top;
        }
        shell::EnsureTopBar();
    }
    return ::CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance,
                             param);
}
