#include "mainwindow/list_notify.h"

#include "mainwindow/contact_list_text.h"
#include "mainwindow/list_key_actions.h"
#include "mainwindow/list_popups.h"
#include "mainwindow/list_selection.h"
#include "mainwindow/main_lists.h"
#include "mainwindow/state.h"

namespace {

constexpr LRESULT kNotFound = -1;
constexpr int kAllRows = -1;

bool IsContactList(HWND list)
{
    return list && (list == ContactList || list == KeypadResultList || list == CompanyContactList ||
                    list == GroupContactList);
}

// The text of an owner-data contact row, never more than the list's buffer.
void SupplyContactText(NMLVDISPINFOW* info)
{
    LVITEMW& item = info->item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = L'\0';
    const ContactCacheEntry* row = ContactListRow(info->hdr.hwndFrom, item.iItem);
    if (!row)
        return;
    wchar_t text[kContactColumnChars];
    ContactListColumnText(*row, item.iSubItem, Settings.ContactListColumns, text, kContactColumnChars);
    lstrcpynW(item.pszText, text, item.cchTextMax);
}

void OnItemChanged(const MainListDef& def, const NMLISTVIEW* change)
{
    // A change of every row at once names no row to take, and a row that
    // lost its selection is no longer the selected one: the list view
    // reports each deselected row of a cleared selection on its own.
    if (change->iItem == kAllRows || !(change->uNewState & LVIS_SELECTED) || !def.rowChanged)
        return;
    def.rowChanged(change->hdr.hwndFrom, change->iItem);
}

void OnClick(const MainListDef& def, const NMITEMACTIVATE* click)
{
    if (def.click)
        def.click(click->hdr.hwndFrom, click->ptAction);
}

// The detail panes' Rich Ink controls give the focus back to their list.
bool OnDetailInkNotice(HWND window)
{
    if (window && window == MemoDetailInk) {
        if (MemoList)
            SetFocus(MemoList);
        return true;
    }
    if (!window || window != DetailInk)
        return false;
    HWND list = CurrentView == kTaskView ? TaskList : CurrentView == kScheduleView ? ScheduleList : nullptr;
    if (list)
        SetFocus(list);
    return true;
}

}  // namespace

LRESULT OnMainNotify(HWND, NMHDR* header)
{
    if (!header || OnDetailInkNotice(header->hwndFrom))
        return 0;
    const MainListDef* def = FindMainList(header->hwndFrom);
    if (!def)
        return 0;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        if (IsContactList(header->hwndFrom))
            SupplyContactText(reinterpret_cast<NMLVDISPINFOW*>(header));
        return 0;
    case LVN_ODFINDITEMW:
        return IsContactList(header->hwndFrom) ? kNotFound : 0;
    case LVN_ITEMCHANGED:
        OnItemChanged(*def, reinterpret_cast<const NMLISTVIEW*>(header));
        return 0;
    case LVN_DELETEALLITEMS:
        // No row holds anything to free, so a refill's clearing need not
        // be told row by row.
        return TRUE;
    case GN_CONTEXTMENU:
        OpenListPopup(*def, reinterpret_cast<const NMRGINFO*>(header)->ptAction);
        return 0;
    case LVN_KEYDOWN:
        OnListKeyDown(*def, reinterpret_cast<NMLVKEYDOWN*>(header));
        return 0;
    case NM_CLICK:
        OnClick(*def, reinterpret_cast<const NMITEMACTIVATE*>(header));
        return 0;
    }
    return 0;
}
