#include "platform/shell/state.h"

#undef CreateWindowExW

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

HWND CreateFurnitureWindow(LPCWSTR className, WNDPROC proc, RECT place)
{
    if (!RegisterPlatformClass(className, proc))
        return nullptr;
    return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, L"", WS_POPUP,
                             place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr,
                             nullptr, PlatformModule(), nullptr);
}

}  // namespace shell
