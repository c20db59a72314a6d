#include "lists/list_refill.h"

#include <commctrl.h>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

bool BeginListRefill(HWND list)
{
    if (!list)
        return false;
    bool shown = (GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE) != 0;
    ShowWindow(list, SW_HIDE);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    return shown;
}

void EndListRefill(HWND list, bool wasShown, int row)
{
    if (!list)
        return;
    if (wasShown)
        ShowWindow(list, SW_SHOW);
    SelectListRow(list, row);
}

void SelectListRow(HWND list, int row)
{
    if (!list)
        return;
    LVITEMW state = {};
    state.stateMask = kSelectedAndFocused;
    state.state = kSelectedAndFocused;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}
