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
