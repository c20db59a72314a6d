#include "lists/list_refill.h"

#include <commctrl.h>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
constexpr int kAllRows = -1;

// Hidden and not drawing for the rows to come: a list view that draws
// invalidates each cell it changes and re-measures its scroll bars for
// every row it takes or loses, and a hidden one may still repaint for every
// row. True when it was shown (its own visible style, whatever its parent's).
bool HideAndStopDrawing(HWND list)
{
    bool shown = (GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE) != 0;
    ShowWindow(list, SW_HIDE);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    return shown;
}

int RowCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

bool BeginListRefill(HWND list)
{
    if (!list)
        return false;
    bool shown = HideAndStopDrawing(list);
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

KeptRowsRefill::KeptRowsRefill(HWND list, int columns, ListTexts* held) : list_(list), columns_(columns), held_(held)
{
    if (!list_)
        return;
    const size_t heldRows = columns_ > 0 ? held_->cells.size() / static_cast<size_t>(columns_) : 0;
    if (held_->list != list_ || held_->columns != columns_ || heldRows == 0 ||
        RowCount(list_) != static_cast<int>(heldRows)) {
        held_->list = list_;
        held_->columns = columns_;
        held_->cells.clear();
        shown_ = BeginListRefill(list_);
        return;
    }
    keptRows_ = static_cast<int>(heldRows);
    // BeginListRefill without its emptying, and its hiding and drawing off
    // left to the first change: a refill that changes no cell spares the
    // list a full repaint. A kept row loses its selection and focus, and the
    // selection mark goes, as they would with the row.
    changing_ = false;
    LVITEMW cleared = {};
    cleared.stateMask = kSelectedAndFocused;
    SendMessageW(list_, LVM_SETITEMSTATE, kAllRows, reinterpret_cast<LPARAM>(&cleared));
    SendMessageW(list_, LVM_SETSELECTIONMARK, 0, kAllRows);
}

void KeptRowsRefill::Add(const wchar_t* const* texts)
{
    if (!list_)
        return;
    const int row = rows_++;
    if (row >= keptRows_) {
        StartChanging();
        if (InsertListRow(list_, row, texts, columns_) != row) {
            held_->list = nullptr;  // the list no longer holds what held_ says
            return;
        }
        held_->cells.insert(held_->cells.end(), texts, texts + columns_);
        return;
    }
    for (int column = 0; column < columns_; ++column) {
        std::wstring& cell = held_->cells[static_cast<size_t>(row) * columns_ + column];
        if (cell == texts[column])
            continue;
        StartChanging();
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(texts[column]);
        SendMessageW(list_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        cell = texts[column];
    }
}

void KeptRowsRefill::StartChanging()
{
    if (changing_)
        return;
    changing_ = true;
    shown_ = HideAndStopDrawing(list_);
}

void KeptRowsRefill::End(int selectedRow)
{
    if (!list_)
        return;
    for (int row = keptRows_ - 1; row >= rows_; --row) {
        StartChanging();
        SendMessageW(list_, LVM_DELETEITEM, row, 0);
    }
    if (rows_ < keptRows_)
        held_->cells.resize(static_cast<size_t>(rows_) * columns_);
    // Drawing turned on again invalidates the whole list: only a list that
    // was changed has it off.
    if (changing_)
        EndListRefill(list_, shown_, selectedRow);
    else
        SelectListRow(list_, selectedRow);
}
