#include "mainwindow/main_window.h"

#include "core/outlook_watch.h"
#include "mainwindow/main_create.h"
#include "mainwindow/main_destroy.h"
#include "mainwindow/state.h"

namespace {

constexpr COLORREF kTitleBand = RGB(16, 44, 99);
constexpr RECT kTitleBandRect = {0, 0, 240, 17};
constexpr RECT kViewAreaRect = {2, 33, 238, 140};

void FillRectWith(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void OnMainPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRectWith(dc, kTitleBandRect, kTitleBand);
    // The contact view lays its controls out by the input panel here; that
    // comes with the view controls.
    if (CurrentView != kContactView)
        FillRectWith(dc, kViewAreaRect, RGB(255, 255, 255));
    EndPaint(window, &paint);
}

void OnMainTimer(UINT timer)
{
    if (timer == kTimerOutlookWatch)
        OnOutlookWatchTick();
}

// A change notice of a system PIM database opened by the change watch.
void OnDatabaseNotice(LPARAM lParam)
{
    CENOTIFICATION* notice = reinterpret_cast<CENOTIFICATION*>(lParam);
    if (!notice)
        return;
    OnOutlookDatabaseNotice(notice->dwParam);
    CeFreeNotification(nullptr, notice);
}

void OnMainSettingChange(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (wParam == SPI_SETSIPINFO)
        InvalidateRect(window, nullptr, TRUE);
    SHHandleWMSettingChange(window, wParam, lParam, &ActivateInfo);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        return OnMainCreate(window) ? 0 : -1;
    case WM_DESTROY:
        OnMainDestroy(window);
        return 0;
    case WM_SETTINGCHANGE:
        OnMainSettingChange(window, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        SHHandleWMActivate(window, wParam, lParam, &ActivateInfo, 0);
        return 0;
    case WM_SIZE:
        return 0;
    case WM_TIMER:
        OnMainTimer(static_cast<UINT>(wParam));
        return 0;
    case WM_DBNOTIFICATION:
        OnDatabaseNotice(lParam);
        return 0;
    case WM_PAINT:
        OnMainPaint(window);
        DefWindowProcW(window, msg, wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
