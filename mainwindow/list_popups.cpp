#include "mainwindow/list_popups.h"

#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

namespace {

using ListMenu = void (*)(HWND owner, POINT at);

ListMenu MenuOf(ListPopup popup)
{
    switch (popup) {
    case ListPopup::None: return nullptr;
    case ListPopup::ContactList: return Hooks.ShowContactListMenu;
    case ListPopup::ContactSubView: return Hooks.ShowContactSubViewMenu;
    case ListPopup::ContactCard: return Hooks.ShowContactCardMenu;
    case ListPopup::Schedule: return Hooks.ShowScheduleMenu;
    case ListPopup::Task: return Hooks.ShowTaskMenu;
    case ListPopup::Memo: return Hooks.ShowMemoMenu;
    case ListPopup::Anniversary: return Hooks.ShowAnniversaryMenu;
    }
    return nullptr;
}

// The linked contact becomes the selected one, its texts shown by its
// preview; without one the numbers and address are emptied, so that no
// earlier contact is dialled from here.
void TakeLinkedContact()
{
    if (LinkedContactOid != 0) {
        SelectedContactOid = LinkedContactOid;
        RunHook(Hooks.ShowContactPreview);
        return;
    }
    ContactDialTexts& texts = ContactDialInfo;
    texts.PreviewMobileDigits[0] = L'\0';
    texts.PreviewPhoneDigits[0] = L'\0';
    texts.PreviewOfficeDigits[0] = L'\0';
    texts.PreviewHomeDigits[0] = L'\0';
    texts.PreviewEmail[0] = L'\0';
}

}  // namespace

void OpenListPopup(const MainListDef& def, POINT screenPoint)
{
    if (InDetailLayout(def)) {
        TakeLinkedContact();
        if (Hooks.ShowLinkedContactMenu)
            Hooks.ShowLinkedContactMenu(MainWindow, screenPoint);
        return;
    }
    if (ListMenu menu = MenuOf(def.popup))
        menu(MainWindow, screenPoint);
}

POINT PopupPointOfSelection(HWND list)
{
    RECT area = {};
    int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    area.left = LVIR_BOUNDS;
    if (row < 0 || !SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area)))
        GetClientRect(list, &area);
    POINT middle = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(list, &middle);
    return middle;
}
