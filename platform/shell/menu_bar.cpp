#include "platform/shell/menu_bar_resource.h"
#include "platform/shell/state.h"

#include <commctrl.h>
#include <windowsx.h>

#undef CreateWindowExW

namespace {

constexpr UINT kToolbarId = 1;
constexpr wchar_t kHiddenWithOwnerProp[] = L"CeBarHiddenWithOwner";
// Posted to a bar whose owner hid: once the hide is over, the window the
// owner uncovered is the one in front.
constexpr UINT kOwnerHiddenMessage = WM_APP + 0x61;
// Posted to a bar whose owner came forward: once the activation is over,
// the bar goes just above its owner.
constexpr UINT kOwnerForwardMessage = WM_APP + 0x62;
constexpr int kPanelButtonWidth = 26;
constexpr int kCaptionChars = 64;

// What a bar keeps for its life.
struct MenuBar {
    HWND owner;
    HWND toolbar;
    HMENU menu;  // holds the pop-ups, or null
    HBRUSH background;
    bool panelButton;
    shell::MenuBarLayout layout;
};

// What SHCreateMenuBar hands to the bar's creation.
struct MenuBarRequest {
    const SHMENUBARINFO* info;
    const shell::MenuBarLayout* layout;
};

MenuBar* BarOf(HWND bar)
{
    return reinterpret_cast<MenuBar*>(GetWindowLongPtrW(bar, GWLP_USERDATA));
}

RECT PanelButtonRect(HWND bar)
{
    RECT client;
    GetClientRect(bar, &client);
    return RECT{client.right - kPanelButtonWidth, 0, client.right, client.bottom};
}

void AddButtons(HWND toolbar, const SHMENUBARINFO& info, const shell::MenuBarLayout& layout)
{
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (info.nBmpId && info.cBmpImages > 0) {
        TBADDBITMAP bitmap = {info.hInstRes, static_cast<UINT_PTR>(info.nBmpId)};
        SendMessageW(toolbar, TB_ADDBITMAP, static_cast<WPARAM>(info.cBmpImages), reinterpret_cast<LPARAM>(&bitmap));
    } else {
        SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    }
    wchar_t captions[shell::kMaxMenuBarButtons][kCaptionChars] = {};
    TBBUTTON buttons[shell::kMaxMenuBarButtons] = {};
    for (int i = 0; i < layout.count; ++i) {
        const shell::MenuBarButton& source = layout.buttons[i];
        if (source.caption)
            LoadStringW(info.hInstRes, source.caption, captions[i], kCaptionChars);
        buttons[i].iBitmap = source.image;
        buttons[i].idCommand = source.command;
        buttons[i].fsState = source.state;
        buttons[i].fsStyle = static_cast<BYTE>(source.style | BTNS_SHOWTEXT |
                                               (source.popup != shell::kNoPopup ? BTNS_DROPDOWN : 0));
        buttons[i].iString = reinterpret_cast<INT_PTR>(captions[i]);
    }
    SendMessageW(toolbar, TB_ADDBUTTONSW, static_cast<WPARAM>(layout.count), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
}

// The bar goes where its owner goes: hidden with it, shown again with it, and
// just above it whenever the owner moves in the Z order or becomes active, so
// that whichever window is in front has its own menu bar in front with it.
void PutBarAboveOwner(HWND bar, HWND owner)
{
    HWND above = GetWindow(owner, GW_HWNDPREV);
    if (above == bar)
        return;
    // Under the screen's topmost furniture the owner is at the top of the rest.
    const bool underTopmost = !above || (GetWindowLongW(above, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(bar, underTopmost ? HWND_TOP : above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The display keeps a stacking of its own: there a window is raised when it
// takes the keyboard focus, and otherwise only while it is the front window of
// all, furniture included. So the owner coming active rises over its bar on
// the screen, whatever the window list says. A moment at the very top raises
// the bar too; unowned for that moment, since an owned window in front cannot
// leave the topmost band again.
void RaiseBarOnScreen(HWND bar, HWND owner)
{
    if (GetActiveWindow() != owner)
        return;
    constexpr UINT kStackOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowLongPtrW(bar, GWLP_HWNDPARENT, 0);
    SetWindowPos(bar, HWND_TOPMOST, 0, 0, 0, 0, kStackOnly);
    SetWindowPos(bar, HWND_NOTOPMOST, 0, 0, 0, 0, kStackOnly);
    SetWindowLongPtrW(bar, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    PutBarAboveOwner(bar, owner);
}

bool CanTakeFront(HWND window, HWND owner)
{
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    return IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER) != owner &&
           !(exStyle & (WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
}

// After the owner hid, the window beneath it takes the front (and its title
// the top bar), unless the hide already gave the front to another window.
void ActivateWindowBeneath(HWND bar, HWND owner)
{
    HWND front = GetForegroundWindow();
    if (front && front != owner && front != bar && IsWindowVisible(front))
        return;
    for (HWND w = GetWindow(owner, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (CanTakeFront(w, owner)) {
            SetForegroundWindow(w);
            return;
        }
    }
}

void FollowOwner(HWND bar, HWND owner, const WINDOWPOS& pos)
{
    if (pos.flags & SWP_HIDEWINDOW) {
        if (IsWindowVisible(bar)) {
            SetPropW(bar, kHiddenWithOwnerProp, reinterpret_cast<HANDLE>(1));
            ShowWindow(bar, SW_HIDE);
        }
        PostMessageW(bar, kOwnerHiddenMessage, 0, 0);
        return;
    }
    if ((pos.flags & SWP_SHOWWINDOW) && RemovePropW(bar, kHiddenWithOwnerProp))
        ShowWindow(bar, SW_SHOWNOACTIVATE);
    if (IsWindowVisible(bar) && (!(pos.flags & SWP_NOZORDER) || (pos.flags & SWP_SHOWWINDOW))) {
        PutBarAboveOwner(bar, owner);
        PostMessageW(bar, kOwnerForwardMessage, 0, 0);
    }
}

LRESULT OwnerSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR data)
{
    HWND bar = reinterpret_cast<HWND>(data);
    switch (msg) {
    case WM_WINDOWPOSCHANGED:
        if (IsWindow(bar))
            FollowOwner(bar, hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && IsWindow(bar) && IsWindowVisible(bar)) {
            PutBarAboveOwner(bar, hwnd);
            PostMessageW(bar, kOwnerForwardMessage, 0, 0);
        }
        break;
    }
    return shell::CallUnderSubclass(hwnd, msg, wParam, lParam);
}

bool OnBarCreate(HWND hwnd, const CREATESTRUCTW* create)
{
    const MenuBarRequest* request = static_cast<const MenuBarRequest*>(create->lpCreateParams);
    const SHMENUBARINFO& info = *request->info;
    MenuBar* bar = new MenuBar{};
    bar->owner = info.hwndParent;
    bar->layout = *request->layout;
    bar->panelButton = !(info.dwFlags & SHCMBF_HIDESIPBUTTON);
    bar->background = CreateSolidBrush(info.dwFlags & SHCMBF_COLORBK ? info.clrBk : GetSysColor(COLOR_BTNFACE));
    if (bar->layout.menuId)
        bar->menu = LoadMenuW(info.hInstRes, MAKEINTRESOURCEW(bar->layout.menuId));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
    if (bar->layout.menuId && !bar->menu)
        return false;

    int width = create->cx - (bar->panelButton ? kPanelButtonWidth : 0);
    bar->toolbar = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TRANSPARENT |
                                         CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN,
                                     0, 0, width, create->cy, hwnd, reinterpret_cast<HMENU>(kToolbarId),
                                     shell::PlatformModule(), nullptr);
    if (!bar->toolbar)
        return false;
    AddButtons(bar->toolbar, info, bar->layout);
    shell::SetPlainSubclass(bar->owner, OwnerSubclassProc, reinterpret_cast<DWORD_PTR>(hwnd));
    return true;
}

void OnBarDestroy(HWND hwnd)
{
    MenuBar* bar = BarOf(hwnd);
    if (!bar)
        return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    RemovePropW(hwnd, kHiddenWithOwnerProp);
    if (IsWindow(bar->owner))
        shell::RemovePlainSubclass(bar->owner, reinterpret_cast<DWORD_PTR>(hwnd));
    if (bar->menu)
        DestroyMenu(bar->menu);
    DeleteObject(bar->background);
    delete bar;
}

// A drop-down button opens its pop-up above the bar; the choice is posted to
// the owner, which also sees the pop-up's WM_INITMENUPOPUP.
LRESULT OnDropDown(HWND hwnd, const NMTOOLBARW* notice)
{
    MenuBar* bar = BarOf(hwnd);
    if (!bar || !bar->menu)
        return TBDDRET_NODEFAULT;
    WORD popupIndex = shell::kNoPopup;
    for (int i = 0; i < bar->layout.count; ++i) {
        if (bar->layout.buttons[i].command == notice->iItem)
            popupIndex = bar->layout.buttons[i].popup;
    }
    HMENU popup = popupIndex == shell::kNoPopup ? nullptr : GetSubMenu(bar->menu, popupIndex);
    if (!popup)
        return TBDDRET_NODEFAULT;
    RECT button = {};
    SendMessageW(bar->toolbar, TB_GETRECT, static_cast<WPARAM>(notice->iItem), reinterpret_cast<LPARAM>(&button));
    POINT corner = {button.left, 0};
    ClientToScreen(hwnd, &corner);
    UINT chosen = static_cast<UINT>(TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN | TPM_RETURNCMD,
                                                     corner.x, corner.y, bar->owner, nullptr));
    if (chosen)
        PostMessageW(bar->owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TBDDRET_DEFAULT;
}

void PaintBar(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    MenuBar* bar = BarOf(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, bar ? bar->background : static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    if (bar && bar->panelButton) {
        // A small keyboard: the input panel's button.
        RECT keys = PanelButtonRect(hwnd);
        InflateRect(&keys, -5, -8);
        FrameRect(dc, &keys, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        for (int x = keys.left + 3; x < keys.right - 2; x += 4)
            SetPixel(dc, x, keys.top + 3, RGB(0, 0, 0));
        MoveToEx(dc, keys.left + 4, keys.bottom - 4, nullptr);
        LineTo(dc, keys.right - 4, keys.bottom - 4);
    }
    EndPaint(hwnd, &ps);
}

void OnBarTap(HWND hwnd, POINT at)
{
    MenuBar* bar = BarOf(hwnd);
    RECT button = PanelButtonRect(hwnd);
    if (bar && bar->panelButton && PtInRect(&button, at))
        SipShowIM(shell::PanelUp() ? SIPF_OFF : SIPF_ON);
}

LRESULT CALLBACK MenuBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: return OnBarCreate(hwnd, reinterpret_cast<CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_DESTROY: OnBarDestroy(hwnd); return 0;
    case WM_PAINT: PaintBar(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONUP: OnBarTap(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case kOwnerForwardMessage:
        if (MenuBar* bar = BarOf(hwnd)) {
            if (IsWindow(bar->owner) && IsWindowVisible(bar->owner) && IsWindowVisible(hwnd)) {
                PutBarAboveOwner(hwnd, bar->owner);
                RaiseBarOnScreen(hwnd, bar->owner);
            }
        }
        return 0;
    case kOwnerHiddenMessage:
        if (MenuBar* bar = BarOf(hwnd)) {
            if (IsWindow(bar->owner) && !IsWindowVisible(bar->owner))
                ActivateWindowBeneath(hwnd, bar->owner);
        }
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == TBN_DROPDOWN)
            return OnDropDown(hwnd, reinterpret_cast<NMTOOLBARW*>(lParam));
        break;
    case WM_COMMAND:
        // A plain button's command goes to the owner.
        if (MenuBar* bar = BarOf(hwnd))
            PostMessageW(bar->owner, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
        return 0;
    }
    if (msg >= WM_USER && msg < WM_USER + 0x100) {
        // Toolbar messages reach the buttons.
        if (MenuBar* bar = BarOf(hwnd))
            return SendMessageW(bar->toolbar, msg, wParam, lParam);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

CEAPI BOOL WINAPI SHCreateMenuBar(SHMENUBARINFO* info)
{
    if (!info)
        return FALSE;
    info->hwndMB = nullptr;
    if (info->cbSize < sizeof(SHMENUBARINFO) || !IsWindow(info->hwndParent))
        return FALSE;
    shell::MenuBarLayout layout = {};
    if (!(info->dwFlags & SHCMBF_EMPTYBAR) && !shell::LoadMenuBarLayout(info->hInstRes, info->nToolBarId, &layout))
        return FALSE;
    if (!shell::RegisterPlatformClass(CE_MENU_BAR_CLASS, MenuBarWndProc))
        return FALSE;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    RECT place = shell::MenuBarRect();
    MenuBarRequest request = {info, &layout};
    info->hwndMB = ::CreateWindowExW(WS_EX_NOACTIVATE, CE_MENU_BAR_CLASS, L"", WS_POPUP, place.left, place.top,
                                     place.right - place.left, place.bottom - place.top, info->hwndParent,
                                     nullptr, shell::PlatformModule(), &request);
    if (!info->hwndMB)
        return FALSE;
    // Shown without taking the activation from its owner.
    if (!(info->dwFlags & SHCMBF_HIDDEN))
        ShowWindow(info->hwndMB, SW_SHOWNOACTIVATE);
    return TRUE;
}
