// The top bar: the title of the active window and, while a full-screen
// dialog with a Done button is active, its "ok", which sends IDOK.
#include "platform/shell/state.h"

#include <windowsx.h>

namespace {

constexpr wchar_t kDoneProp[] = L"CeDoneButton";
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 200;
constexpr int kOkWidth = 30;
constexpr int kTitleChars = 128;
constexpr COLORREF kBarColour = RGB(0, 51, 153);
constexpr COLORREF kTextColour = RGB(255, 255, 255);

HWND g_bar = nullptr;  // the bar this process made, if any

HWND DoneTargetOf(HWND active)
{
    return active && GetPropW(active, kDoneProp) ? active : nullptr;
}

RECT OkRect(HWND bar)
{
    RECT client;
    GetClientRect(bar, &client);
    return RECT{client.right - kOkWidth - 2, 3, client.right - 2, client.bottom - 3};
}

// Follows the active window: its title becomes the bar's text.
void RefreshTopBar(HWND bar)
{
    HWND active = GetForegroundWindow();
    if (active == bar)
        return;
    wchar_t title[kTitleChars] = L"";
    if (active)
        GetWindowTextW(active, title, kTitleChars);
    wchar_t shown[kTitleChars] = L"";
    GetWindowTextW(bar, shown, kTitleChars);
    bool hadDone = GetPropW(bar, kDoneProp) != nullptr;
    bool hasDone = DoneTargetOf(active) != nullptr;
    if (wcscmp(title, shown) != 0 || hadDone != hasDone) {
        SetWindowTextW(bar, title);
        if (hasDone)
            SetPropW(bar, kDoneProp, reinterpret_cast<HANDLE>(1));
        else
            RemovePropW(bar, kDoneProp);
        InvalidateRect(bar, nullptr, TRUE);
    }
}

void PaintTopBar(HWND bar)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(bar, &ps);
    RECT client;
    GetClientRect(bar, &client);
    HBRUSH background = CreateSolidBrush(kBarColour);
    FillRect(dc, &client, background);
    DeleteObject(background);

    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    wchar_t title[kTitleChars] = L"";
    GetWindowTextW(bar, title, kTitleChars);
    RECT text = {6, 0, client.right - kOkWidth - 6, client.bottom};
    DrawTextW(dc, title, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);

    if (GetPropW(bar, kDoneProp)) {
        RECT ok = OkRect(bar);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(WHITE_PEN));
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, ok.left, ok.top, ok.right, ok.bottom, 6, 6);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DrawTextW(dc, L"ok", 2, &ok, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    SelectObject(dc, oldFont);
    EndPaint(bar, &ps);
}

// A tap on "ok" reaches the active full-screen dialog as IDOK.
void OnTopBarTap(HWND bar, POINT at)
{
    HWND target = DoneTargetOf(GetForegroundWindow());
    RECT ok = OkRect(bar);
    if (target && PtInRect(&ok, at))
        PostMessageW(target, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    RefreshTopBar(bar);
}

LRESULT CALLBACK TopBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: SetTimer(hwnd, kRefreshTimer, kRefreshMs, nullptr); return 0;
    case WM_TIMER: RefreshTopBar(hwnd); return 0;
    case WM_PAINT: PaintTopBar(hwnd); return 0;
    case WM_LBUTTONUP: OnTopBarTap(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DESTROY:
        KillTimer(hwnd, kRefreshTimer);
        RemovePropW(hwnd, kDoneProp);
        if (g_bar == hwnd)
            g_bar = nullptr;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ResetTopBar()
{
    if (g_bar)
        DestroyWindow(g_bar);
    g_bar = nullptr;
}

const bool kResetRegistered = (CeRegisterTestReset(ResetTopBar), true);

}  // namespace

namespace shell {

void EnsureTopBar()
{
    if (g_bar || FindWindowW(CE_TOP_BAR_CLASS, nullptr))
        return;
    SIZE screen = ScreenSize();
    g_bar = CreateFurnitureWindow(CE_TOP_BAR_CLASS, TopBarWndProc, RECT{0, 0, screen.cx, kTopBarHeight});
    if (!g_bar)
        return;
    ShowWindow(g_bar, SW_SHOWNOACTIVATE);
    RefreshTopBar(g_bar);
}

void SetDoneButton(HWND window, bool shown)
{
    if (!window)
        return;
    if (shown)
        SetPropW(window, kDoneProp, reinterpret_cast<HANDLE>(1));
    else
        RemovePropW(window, kDoneProp);
}

}  // namespace shell
