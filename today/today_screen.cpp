#include "today/today_screen.h"

namespace {

HWND TodayScreen()
{
    return ItemWindow ? GetParent(ItemWindow) : nullptr;
}

}  // namespace

COLORREF TodayScreenTextColor()
{
    HWND screen = TodayScreen();
    return screen ? static_cast<COLORREF>(SendMessageW(screen, TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0))
                  : RGB(0, 0, 0);
}

void DrawTodayBackground(HDC dc, const RECT& rect)
{
    HWND screen = TodayScreen();
    if (!screen)
        return;
    TODAYDRAWWATERMARKINFO info = {};
    info.hdc = dc;
    info.rc = rect;
    info.hwnd = ItemWindow;
    SendMessageW(screen, TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&info));
}

bool TodayShellReady()
{
    HANDLE ready = OpenEventW(SYNCHRONIZE, FALSE, TODAY_SHELL_READY_EVENT);
    if (!ready)
        return false;
    const bool set = WaitForSingleObject(ready, 0) == WAIT_OBJECT_0;
    CloseHandle(ready);
    return set;
}
