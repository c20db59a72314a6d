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
    // A hidden list view may still repaint for every row it takes.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    return shown;
}

int InsertListRow(HWND list, int row, const wchar_t* const* columns, int count)
{
    if (!list || count < 1)
        return -1;
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(columns[0]);
    int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted < 0)
        return -1;
    for (int column = 1; column < count; ++column) {
        LVITEMW sub = {};
        sub.iSubItem = column;
        sub.pszText = const_cast<wchar_t*>(columns[column]);
        SendMessageW(list, LVM_SETITEMTEXTW, inserted, reinterpret_cast<LPARAM>(&sub));
    }
    return inserted;
}

void EndListRefill(HWND list, bool wasShown, int row)
{
    if (!list)
        return;
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
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
