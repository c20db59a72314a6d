#include "lists/list_fill.h"

#include "lists/list_refill.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>

void InsertListRows(HWND list, int count, int columns, const std::function<std::wstring(int row, int column)>& text)
{
    if (!list)
        return;
    for (int row = 0; row < count; ++row) {
        std::wstring first = text(row, 0);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = first.data();
        const int inserted = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int column = 1; column < columns && inserted >= 0; ++column) {
            std::wstring value = text(row, column);
            LVITEMW sub = {};
            sub.iSubItem = column;
            sub.pszText = value.data();
            SendMessageW(list, LVM_SETITEMTEXTW, inserted, reinterpret_cast<LPARAM>(&sub));
        }
    }
}

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
constexpr int kAllRows = -1;

int RowCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

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

// Hidden and not drawing, as BeginListRefill leaves a list: a list view
// that draws invalidates each cell it changes and re-measures its scroll
// bars for every row it takes or loses.
void KeptRowsRefill::StartChanging()
{
    if (changing_)
        return;
    changing_ = true;
    shown_ = (GetWindowLongW(list_, GWL_STYLE) & WS_VISIBLE) != 0;
    ShowWindow(list_, SW_HIDE);
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
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

void FillPickList(HWND list, const std::vector<std::wstring>& texts, int selectedRow, int markedRow)
{
    const bool shown = BeginListRefill(list);
    if (!list)
        return;
    for (size_t row = 0; row < texts.size(); ++row) {
        std::wstring text = texts[row];
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(row);
        item.pszText = text.data();
        item.iImage = static_cast<int>(row) == markedRow ? 1 : 0;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    EndListRefill(list, shown, selectedRow);
}

int ClampRow(int row, int count)
{
    return row >= 0 && row < count ? row : 0;
}

std::wstring IdText(long id)
{
    wchar_t text[16] = L"";
    _snwprintf(text, std::size(text) - 1, L"%ld", id);
    return text;
}
