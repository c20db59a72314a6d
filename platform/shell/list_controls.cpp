// List views and tree views as on the device: tap-and-hold (a held press or
// a right click) selects the item and tells the parent; a parent that zeroes
// the key code of a list view's key-down notice takes the key, and the list
// does not act on it (the desktop's list acts anyway).
#include "platform/shell/state.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr DWORD_PTR kListView = 0;
constexpr DWORD_PTR kTreeView = 1;

// Selects the item under the point; the list view's item, or 0.
DWORD SelectItemAt(HWND control, DWORD_PTR kind, POINT at)
{
    if (kind == kTreeView) {
        TVHITTESTINFO hit = {};
        hit.pt = at;
        HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageW(control, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item)
            SendMessageW(control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        return 0;
    }
    LVHITTESTINFO hit = {};
    hit.pt = at;
    int item = static_cast<int>(SendMessageW(control, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item < 0)
        return 0;
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    return static_cast<DWORD>(item);
}

void OnTapAndHold(HWND control, DWORD_PTR kind, POINT at)
{
    DWORD item = SelectItemAt(control, kind, at);
    if (HWND parent = GetParent(control))
        shell::NotifyTapAndHold(control, parent, at, item);
}

// While the list acts on a key, its own key-down notice is kept from the
// parent, which has had it already.
LRESULT CALLBACK QuietParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR list, DWORD_PTR)
{
    if (msg == WM_NOTIFY) {
        const NMHDR* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->hwndFrom == reinterpret_cast<HWND>(list) && notice->code == LVN_KEYDOWN)
            return 0;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT OnListKeyDown(HWND list, WPARAM key, LPARAM keyData)
{
    HWND parent = GetParent(list);
    if (!parent)
        return shell::CallUnderSubclass(list, WM_KEYDOWN, key, keyData);
    NMLVKEYDOWN notice = {};
    notice.hdr.hwndFrom = list;
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    notice.hdr.code = LVN_KEYDOWN;
    notice.wVKey = static_cast<WORD>(key);
    SendMessageW(parent, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    if (notice.wVKey == 0)
        return 0;
    UINT_PTR quiet = reinterpret_cast<UINT_PTR>(list);
    SetWindowSubclass(parent, QuietParentProc, quiet, 0);
    LRESULT result = shell::CallUnderSubclass(list, WM_KEYDOWN, notice.wVKey, keyData);
    RemoveWindowSubclass(parent, QuietParentProc, quiet);
    return result;
}

LRESULT ListSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR kind)
{
    switch (msg) {
    case WM_LBUTTONDOWN: {
        POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (shell::HeldDown(hwnd, at, shell::kTapAndHoldMs)) {
            OnTapAndHold(hwnd, kind, at);
            return 0;
        }
        break;
    }
    case WM_RBUTTONDOWN: OnTapAndHold(hwnd, kind, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_RBUTTONUP: return 0;
    case WM_KEYDOWN:
        if (kind == kListView)
            return OnListKeyDown(hwnd, wParam, lParam);
        break;
    }
    return shell::CallUnderSubclass(hwnd, msg, wParam, lParam);
}

}  // namespace

namespace shell {

void AdoptListControl(HWND control, bool isTree)
{
    SetPlainSubclass(control, ListSubclassProc, isTree ? kTreeView : kListView);
}

}  // namespace shell
