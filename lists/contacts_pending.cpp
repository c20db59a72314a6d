#include "lists/contacts_pending.h"

#include <commctrl.h>

CEOID SelectedTaskOid = 0;
long SelectedMemoId = 0;
long SelectedAnniversaryId = 0;
CEOID LinkedContactOid = 0;
int AnniversaryMonth = 0;
int AnniversaryDay = 0;
wchar_t AnniversaryKindChoice[kListChoiceChars] = L"";
wchar_t TaskFilterChoice[kListChoiceChars] = L"";
wchar_t TaskSortChoice[kListChoiceChars] = L"";
wchar_t MemoListFilter[kListChoiceChars] = L"";
int AnniversaryKindRow = 0;
int TaskFilterIndex = 0;
int TaskSortIndex = 1;
int AnniversaryKindCount = 0;
int TaskViewRowCount = 0;
int TaskFilterCount = 0;
int MemoRowCount = 0;
int MemoPickCount = 0;
int TaskRowsHeld = 0;

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
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}
