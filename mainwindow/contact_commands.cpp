// The contact commands of the toolbar window (100xx).
#include "mainwindow/item_commands.h"

#include "core/contact_appointments.h"
#include "core/contact_names.h"
#include "core/item_commands.h"
#include "core/item_form.h"
#include "core/outlook_items.h"
#include "lists/contact_filters.h"
#include "lists/contact_preview.h"
#include "lists/contacts_cache.h"
#include "lists/form_loaders.h"
#include "lists/pick_lists.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/hooks.h"
#include "mainwindow/item_editors.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kDeleteContactQuestion[] =
    L"연락처 자료를 삭제하시면 관련된 일정 자료도 함께 삭제됩니다.\n\n연락처(%s%s) 자료를 삭제 하시겠습니까?";
constexpr int kContactViewPage = 13;
constexpr int kOtherContactViewPage = 7;
constexpr int kCardAppointments = 0;
constexpr int kCardTasks = 1;
constexpr int kCardMemos = 2;

bool InContactView()
{
    return CurrentView >= kContactView && CurrentView <= kGroupView;
}

// The contact view's list refilled from the contacts cache; rowsBefore is
// its row count before the change.
void RefillContactView(int rowsBefore)
{
    switch (CurrentView) {
    case kContactView:
        FilterContactsByInitial();
        break;
    case kContactSearchView: {
        // The keypad search runs again as typed: its first digit, then all.
        wchar_t first[2] = {KeypadText[0], L'\0'};
        SetWindowTextW(KeypadTextBox, first);
        FilterContactsByKeypad();
        if (wcslen(KeypadText) > 1) {
            SetWindowTextW(KeypadTextBox, KeypadText);
            FilterContactsByKeypad();
        }
        break;
    }
    case kCompanyView:
        // The company's last contact gone: the company leaves the pick list.
        if (rowsBefore == 1) {
            CompanyRow = 0;
            FillCompanyPickList();
        }
        FilterContactsByCompany();
        break;
    case kGroupView:
        if (rowsBefore == 1) {
            GroupRow = 0;
            FillGroupPickList();
        }
        FilterContactsByGroup();
        break;
    }
}

// The selected contact into the contact form. One deleted elsewhere meanwhile
// is reported and leaves the lists, and no editor opens on the form.
bool LoadSelectedContact()
{
    if (LoadContactForm(SelectedContactOid))
        return true;
    ReportItemNotFound();
    ReloadContactsCache();
    if (InContactView())
        RefillContactView(0);
    return false;
}

void NewContact(HWND toolbar, UINT)
{
    // A new contact of the company shown starts from the selected one.
    if (CurrentView == kCompanyView)
        LoadContactForm(SelectedContactOid);
    RunItemEditor(toolbar, IDD_CONTACT_EDITOR, kEditInsert);
    FocusContactList();
}

void EditContact(HWND toolbar, UINT)
{
    if (!CurrentListHasItems() || !LoadSelectedContact())
        return;
    RunItemEditor(toolbar, IDD_CONTACT_EDITOR, kEditUpdate);
    BackToToday(InContactView() ? MainListOfView(CurrentView) : nullptr);
}

void DeleteContact(HWND, UINT)
{
    if (!CurrentListHasItems() || !LoadSelectedContact())
        return;
    wchar_t question[512];
    StringCchPrintfW(question, ARRAYSIZE(question), kDeleteContactQuestion, ItemFormState.Contact.Name,
                     ItemFormState.Contact.FirstName);
    if (AskQuestion(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) != IDYES)
        return;
    CEOID contact = SelectedContactOid;
    if (!DeleteOutlookContact(contact)) {
        ReportFailedWrite(__LINE__);
        return;
    }
    if (!DeleteContactAppointments(contact))
        ReportFailedWrite(__LINE__);
    if (InContactView()) {
        int rowsBefore = RowCount(MainListOfView(CurrentView));
        ViewSelection[CurrentView] = SelectionAfterDelete(ViewSelection[CurrentView], rowsBefore);
        // The row after the deleted one takes its place, not a remembered one.
        ContactToReselect = 0;
        RefillContactView(rowsBefore);
        FocusContactList();
    }
    for (int view = kContactView; view <= kScheduleView; ++view)
        ViewStale[view] = 1;
    RunHook(Hooks.ForgetMonthSchedule);
}

const wchar_t* NumberOfCommand(UINT command)
{
    switch (command) {
    case ID_CONTACT_DIAL_MOBILE: return ContactDialInfo.PreviewMobileDigits;
    case ID_CONTACT_DIAL_HOME: return ContactDialInfo.PreviewHomeDigits;
    case ID_CONTACT_DIAL_BUSINESS: return ContactDialInfo.PreviewOfficeDigits;
    }
    return ContactDialInfo.PreviewPhoneDigits;
}

// Mobile, main, home and business phone: the contact's texts read afresh,
// then one of its numbers dialled.
void DialContact(HWND, UINT command)
{
    if (!CurrentListHasItems() || SelectedContactOid == 0)
        return;
    ShowContactPreview();
    DialNumber(NumberOfCommand(command));
}

void MailContact(HWND, UINT)
{
    if (!CurrentListHasItems() || SelectedContactOid == 0)
        return;
    ShowContactPreview();
    StartMail(ContactDialInfo.PreviewEmail);
}

// A dial the Today item asked for: its number and name are in place already.
void DialMainAsIs(HWND, UINT)
{
    if (SelectedContactOid != 0)
        DialNumber(ContactDialInfo.PreviewPhoneDigits);
}

void OpenContactCard(HWND, UINT)
{
    if (!CurrentListHasItems())
        return;
    // Items made while the card is open are linked to its contact.
    LinkedContactOid = SelectedContactOid;
    AssigneeOid = SelectedContactOid;
    ReadContactDisplayName(SelectedContactOid, AssigneeName, ARRAYSIZE(AssigneeName));
    int panel = ContactCardPanel;
    CardPanelSelection[panel] = 0;
    switch (panel) {
    case kCardAppointments:
        FormatToday(ContactScheduleDate, ARRAYSIZE(ContactScheduleDate));
        RunHook(Hooks.ForgetMonthSchedule);
        DetailMode[kScheduleDetail] = 'L';
        ShowContactPreview();
        RunHook(Hooks.LoadContactSchedule);
        break;
    case kCardTasks:
        ViewStale[kTaskView] = 1;
        DetailMode[kTaskDetail] = 'L';
        ShowContactPreview();
        RunHook(Hooks.LoadContactTaskList);
        break;
    case kCardMemos:
        ViewStale[kMemoView] = 1;
        DetailMode[kMemoDetail] = 'L';
        ShowContactPreview();
        RunHook(Hooks.LoadContactMemoList);
        break;
    }
    ShowContactCard();
    if (CurrentView != kContactView)
        ShowControl(MainListOfView(CurrentView), false);
    Focus(CardPanelList(panel));
}

void CloseContactCard(HWND, UINT)
{
    for (char& mode : DetailMode)
        mode = 'M';
    HideContactCard();
    ShowControl(ContactsToolbar, true);
    LinkedContactOid = 0;
    AssigneeOid = 0;
    AssigneeName[0] = L'\0';
    if (InContactView()) {
        HWND list = MainListOfView(CurrentView);
        ShowControl(list, true);
        Focus(list);
    }
}

void PageContactList(HWND, UINT command)
{
    if (!InContactView())
        return;
    HWND list = MainListOfView(CurrentView);
    int rows = RowCount(list);
    if (rows == 0)
        return;
    int step = CurrentView == kContactView ? kContactViewPage : kOtherContactViewPage;
    int row = ViewSelection[CurrentView] + (command == ID_CONTACT_PAGE_UP ? -step : step);
    row = row < 0 ? 0 : (row > rows - 1 ? rows - 1 : row);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, row, FALSE);
    Focus(list);
}

void ShowContactInOutlook(HWND, UINT)
{
    if (!CurrentListHasItems())
        return;
    ShowOutlookContact(SelectedContactOid);
    FocusContactList();
}

void NewContactInOutlook(HWND, UINT)
{
    NewOutlookContact();
    FocusContactList();
}

const ItemCommandEntry kContactCommands[] = {
    {ID_CONTACT_NEW, NewContact},
    {ID_CONTACT_EDIT, EditContact},
    {ID_CONTACT_DELETE, DeleteContact},
    {ID_CONTACT_DIAL_MOBILE, DialContact},
    {ID_CONTACT_DIAL_MAIN, DialContact},
    {ID_CONTACT_MAIL, MailContact},
    {ID_CONTACT_CARD_OPEN, OpenContactCard},
    {ID_CONTACT_PAGE_UP, PageContactList},
    {ID_CONTACT_PAGE_DOWN, PageContactList},
    {ID_CONTACT_CARD_CLOSE, CloseContactCard},
    {ID_CONTACT_DIAL_HOME, DialContact},
    {ID_CONTACT_DIAL_BUSINESS, DialContact},
    {ID_CONTACT_SHOW_OUTLOOK, ShowContactInOutlook},
    {ID_CONTACT_NEW_OUTLOOK, NewContactInOutlook},
    {ID_CONTACT_DIAL_MAIN_AS_IS, DialMainAsIs},
};

}  // namespace

std::span<const ItemCommandEntry> ContactCommands()
{
    return kContactCommands;
}
