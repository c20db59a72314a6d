#include "today/item_window.h"

#include "today/icon_lists.h"
#include "today/item_menus.h"
#include "today/item_timers.h"
#include "today/layout.h"
#include "today/offscreen_bitmap.h"
#include "today/outlook_session.h"
#include "today/paint_tools.h"
#include "today/painters.h"
#include "today/pen.h"
#include "today/popup_frame.h"
#include "today/refresh_query.h"
#include "today/request_writer.h"
#include "today/schedule_queries.h"
#include "today/today_screen.h"
#include "today/view_switch.h"

#include <windowsx.h>

namespace {

constexpr UINT kWeatherImportMs = 10000;
constexpr UINT kMarkersMs = 3000;
constexpr DWORD kFirstNoticeParam = 11;  // contacts, appointments, tasks: 11, 12, 13
constexpr DWORD kLastNoticeParam = 13;
constexpr UINT kItemTimers[] = {kTimerWeatherImport, kTimerRebuild,  kTimerMarkers,     kTimerStorageFigures,
                                kTimerWeatherDownload, kTimerClock, kTimerArrowRepeat};

void OnItemCreate(HWND window)
{
    ItemWindow = window;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    InitRichInkDLL();
    SetTimer(window, kTimerWeatherImport, kWeatherImportMs, nullptr);
    SetTimer(window, kTimerMarkers, kMarkersMs, nullptr);
}

void OnItemDestroy(HWND window)
{
    for (UINT timer : kItemTimers)
        KillTimer(window, timer);
    FreeRowStrings();
    FreeIconImageLists();
    ClosePocketOutlook();
    DeleteOffscreenBitmap();
    FreeShortcutIcons();
    DeleteItemFont();
    DestroyPopups();
    ItemWindow = nullptr;
}

void OnItemEraseBackground(HWND window, HDC windowDc)
{
    RECT client = {};
    GetClientRect(window, &client);
    if (!OffscreenPainting) {
        DrawTodayBackground(windowDc, client);
        return;
    }
    HBITMAP bitmap = OffscreenBitmapFor(windowDc, client);
    HDC memory = bitmap ? CreateCompatibleDC(windowDc) : nullptr;
    if (!memory)
        return;  // the background stays undrawn; painting goes on
    HGDIOBJ old = SelectObject(memory, bitmap);
    DrawTodayBackground(memory, client);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void OnItemPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC windowDc = BeginPaint(window, &paint);
    LayoutForScreenWidth();
    RECT client = {};
    GetClientRect(window, &client);
    HBITMAP bitmap = OffscreenPainting ? OffscreenBitmapFor(windowDc, client) : nullptr;
    HDC memory = bitmap ? CreateCompatibleDC(windowDc) : nullptr;
    if (!memory) {
        PaintItem(windowDc);
        EndPaint(window, &paint);
        return;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintItem(memory);
    const RECT& area = paint.rcPaint;
    BitBlt(windowDc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left, area.top,
           SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

// Every notice goes back to the platform once read, ours or not: on the
// device an unfreed notice stays allocated in the shell's process.
void OnDatabaseNotice(CENOTIFICATION* notice)
{
    if (!notice)
        return;
    if (notice->dwParam >= kFirstNoticeParam && notice->dwParam <= kLastNoticeParam &&
        (notice->uType == DB_CEOID_CREATED || notice->uType == DB_CEOID_RECORD_DELETED ||
         notice->uType == DB_CEOID_CHANGED))
        ArmRebuildCountdown();
    CeFreeNotification(nullptr, notice);
}

LRESULT OnQueryRefreshCache(TODAYLISTITEM* item)
{
    if (!item || !TodayShellReady())
        return 0;
    switch (DecideRefresh()) {
    case RefreshAnswer::NewHeight:
        item->cyp = static_cast<DWORD>(ItemHeight);
        return 1;
    case RefreshAnswer::StatusChanged:
        if (item->cyp == 0)
            item->cyp = static_cast<DWORD>(ItemHeight);
        return 1;
    default:
        return 0;
    }
}

}  // namespace

LRESULT CALLBACK TodayItemWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: OnItemCreate(window); return 0;
    case WM_DESTROY: OnItemDestroy(window); return 0;
    case WM_PAINT: OnItemPaint(window); return 0;
    case WM_ERASEBKGND: OnItemEraseBackground(window, reinterpret_cast<HDC>(wParam)); return 1;
    case WM_COMMAND: OnItemCommand(LOWORD(wParam)); return 0;
    case WM_TIMER: OnItemTimer(window, static_cast<UINT>(wParam)); return 0;
    case WM_MOUSEMOVE: OnPenMove(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDOWN: OnPenDown(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: OnPenUp(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_DBNOTIFICATION: OnDatabaseNotice(reinterpret_cast<CENOTIFICATION*>(lParam)); return 0;
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: return OnQueryRefreshCache(reinterpret_cast<TODAYLISTITEM*>(wParam));
    case WM_TODAYCUSTOM_RECEIVEDSELECTION: return 1;
    case WM_TODAYCUSTOM_USERNAVIGATION: return NavigateByKey(wParam);
    case WM_TODAYCUSTOM_ACTION: StartMainProgram(); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
