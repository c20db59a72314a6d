#include "mainwindow/main_window.h"

#include "core/outlook_watch.h"
#include "mainwindow/button_faces.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/edit_colours.h"
#include "mainwindow/list_notify.h"
#include "mainwindow/main_create.h"
#include "mainwindow/main_destroy.h"
#include "mainwindow/menu_commands.h"
#include "mainwindow/state.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_switch.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

namespace {

constexpr COLORREF kTitleBand = RGB(16, 44, 99);
constexpr RECT kTitleBandRect = {0, 0, 240, 17};
constexpr RECT kViewAreaRect = {2, 33, 238, 140};
// The input panel's record as the device has it.
constexpr DWORD kSipInfoSize = 48;

void FillRectWith(HDC dc, const RECT& rect, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool InputPanelUp()
{
    SIPINFO info = {};
    info.cbSize = kSipInfoSize;
    return SipGetInfo(&info) && (info.fdwFlags & SIPF_ON);
}

// The contact view in its list layout follows the input panel: with the
// panel up the search box takes the focus, else the list does.
void LayOutContactViewForPanel()
{
    if (InputPanelUp()) {
        LayOutContactView(true);
        if (ContactSearchBox)
            SetFocus(ContactSearchBox);
        return;
    }
    LayOutContactView(false);
    if (!SamsungImeFlag && !SamsungSipFlag && ContactList)
        SetFocus(ContactList);
}

void OnMainPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    FillRectWith(dc, kTitleBandRect, kTitleBand);
    if (CurrentView == kContactView && AllListLayouts())
        LayOutContactViewForPanel();
    else
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

bool OnMainCommand(HWND window, UINT id, UINT code)
{
    if (IsViewCommand(id)) {
        SwitchView(static_cast<int>(id - IDC_CONTACT_VIEW_TAB));
        return true;
    }
    return RunMenuCommand(window, id) || RunControlCommand(window, id, code);
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
    case WM_NOTIFY:
        return OnMainNotify(window, reinterpret_cast<NMHDR*>(lParam));
    case WM_DBNOTIFICATION:
        OnDatabaseNotice(lParam);
        return 0;
    case WM_PAINT:
        OnMainPaint(window);
        DefWindowProcW(window, msg, wParam, lParam);
        return 0;
    case WM_COMMAND:
        if (OnMainCommand(window, LOWORD(wParam), HIWORD(wParam)))
            return 0;
        break;
    case WM_DRAWITEM:
        OnMainDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<LRESULT>(
            OnMainCtlColorEdit(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
