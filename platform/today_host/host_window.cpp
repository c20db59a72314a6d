#include "platform/today_host/host_window.h"

#include "platform/today_host/appearance.h"
#include "platform/today_host/commands.h"
#include "platform/today_host/items.h"
#include "platform/today_host/layout.h"
#include "platform/today_host/options.h"
#include "platform/today_host/selection.h"

namespace todayhost {

HWND HostWindow = nullptr;
std::vector<std::unique_ptr<HostedItem>> Items;
int SelectedItem = -1;
int ScrollTop = 0;

namespace {

constexpr UINT_PTR kTimerRefresh = 1;
constexpr UINT kRefreshPeriodMs = 2000;

void OnHostPaint(HWND hwnd)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    PaintBackground(dc, paint.rcPaint);
    EndPaint(hwnd, &paint);
}

// The item's rectangle is in its own client coordinates; the background is
// one colour, so it paints the same wherever the item stands.
LRESULT OnDrawWatermark(const TODAYDRAWWATERMARKINFO* info)
{
    if (!info || !info->hdc)
        return FALSE;
    PaintBackground(info->hdc, info->rc);
    return TRUE;
}

void OnRefreshTimer()
{
    if (QueryAllItems())
        LayoutItems();
}

void OnSettingChange(WPARAM flag)
{
    if (flag != TODAY_RELOAD_ITEMS)
        return;
    NKDbgPrintfW(L"TodayHost: reloading items");
    if (SyncItems())
        LayoutItems();
}

void OnHostCommand(UINT id)
{
    if (id >= kCommandOptionsFirst && id < kCommandOptionsFirst + kMaxItems)
        RunOptionsDialog(static_cast<int>(id - kCommandOptionsFirst));
}

void OnContextMenu(HWND hwnd, LPARAM lParam)
{
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (point.x == -1 && point.y == -1) {  // from the keyboard
        point = POINT{0, 0};
        ClientToScreen(hwnd, &point);
    }
    ShowOptionsMenu(point);
}

void OnHostDestroy()
{
    KillTimer(HostWindow, kTimerRefresh);
    UnloadAllItems();
    PostQuitMessage(0);
}

LRESULT CALLBACK HostWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: SetTimer(hwnd, kTimerRefresh, kRefreshPeriodMs, nullptr); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT paints it all
    case WM_PAINT: OnHostPaint(hwnd); return 0;
    case WM_SIZE: LayoutItems(); return 0;
    case WM_TIMER: if (wParam == kTimerRefresh) OnRefreshTimer(); return 0;
    case WM_VSCROLL: OnVerticalScroll(LOWORD(wParam)); return 0;
    case WM_KEYDOWN: OnHostKey(static_cast<UINT>(wParam)); return 0;
    case WM_SETTINGCHANGE: OnSettingChange(wParam); return 0;
    case WM_COMMAND: OnHostCommand(LOWORD(wParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(hwnd, lParam); return 0;
    case TODAYM_GETCOLOR: return static_cast<LRESULT>(TodayColor(wParam));
    case TODAYM_DRAWWATERMARK: return OnDrawWatermark(reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam));
    case WM_DESTROY: OnHostDestroy(); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND CreateHostWindow(HINSTANCE instance)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kHostClass;
    if (!RegisterClassW(&wc))
        return nullptr;
    // Frameless at the default place: the device gives it the work area, and
    // the top bar shows its title while it is in front.
    HostWindow = CreateWindowExW(0, kHostClass, kHostTitle, WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    return HostWindow;
}

}  // namespace todayhost
