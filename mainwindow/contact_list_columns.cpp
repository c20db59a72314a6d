#include "mainwindow/contact_list_columns.h"

#include "mainwindow/state.h"

#include <initializer_list>

namespace {

constexpr int kColumns = 4;
constexpr int kNameAndKindLayout = 1;

const wchar_t* const kHeadings[kColumns] = {L"이름", L"휴대폰", L"회사전화", L"ID"};
const int kNameAndKindWidths[kColumns] = {80, 115, 26, 0};
const int kPhoneWidths[kColumns] = {50, 89, 82, 0};

void SetColumns(HWND list, const int* widths)
{
    if (!list)
        return;
    for (int i = 0; i < kColumns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = widths[i];
        column.pszText = const_cast<LPWSTR>(kHeadings[i]);
        column.iSubItem = i == 0 ? 0 : 1;
        ListView_SetColumn(list, i, &column);
    }
}

void Redraw(HWND window)
{
    if (window)
        InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

// The lists' texts and the heading buttons' faces follow the layout at
// once, not at the view's next repaint.
void SetupContactListColumns()
{
    const int* widths = Settings.ContactListColumns == kNameAndKindLayout ? kNameAndKindWidths : kPhoneWidths;
    for (HWND list : {ContactList, KeypadResultList, CompanyContactList, GroupContactList}) {
        SetColumns(list, widths);
        Redraw(list);
    }
    for (HWND heading : ContactColumnButtons)
        Redraw(heading);
}
