#include "mainwindow/menu_bar.h"

#include "mainwindow/state.h"
#include "resources/resource.h"

HWND CreateMainMenuBar(HWND window)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof(info);
    info.hwndParent = window;
    info.dwFlags = 0;
    info.nToolBarId = IDR_MAIN_MENU;
    info.hInstRes = AppInstance;
    info.nBmpId = 0;
    info.cBmpImages = 0;
    if (!SHCreateMenuBar(&info))
        return nullptr;
    return info.hwndMB;
}
