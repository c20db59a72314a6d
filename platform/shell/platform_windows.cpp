#include "platform/shell/state.h"

#undef CreateWindowExW

namespace {

constexpr LONG kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | DS_MODALFRAME;
constexpr LONG kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
constexpr int kClassNameChars = 64;

}  // namespace

namespace shell {

bool RegisterPlatformClass(LPCWSTR name, WNDPROC proc)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = PlatformModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool IsWindowOfClass(HWND window, LPCWSTR className)
{
    wchar_t name[kClassNameChars] = L"";
    return GetClassNameW(window, name, kClassNameChars) > 0 && _wcsicmp(name, className) == 0;
}

HWND CreateFurnitureWindow(LPCWSTR className, WNDPROC proc, RECT place)
{
    if (!RegisterPlatformClass(className, proc))
        return nullptr;
    return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, L"", WS_POPUP,
                             place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr,
                             nullptr, PlatformModule(), nullptr);
}

void PlaceWithoutFrame(HWND window, RECT place)
{
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~kFrameStyles);
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) & ~kFrameExStyles);
    SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace shell
