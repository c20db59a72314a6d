#include "editors/contact_import.h"

#include "editors/diary_form_frame.h"
#include "editors/diary_forms_state.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <strsafe.h>

int ContactsImported = 0;

namespace {

constexpr wchar_t kQuestion[] = L"총%d명의 연락처가 선택되었습니다\n연락처 가져오기를 하시겠습니까?";
constexpr wchar_t kDone[] = L"연락처 가져오기가 완료되었습니다";
constexpr wchar_t kQuestionCaption[] = L"확인";
constexpr int kNameColumnWidth = 110;
constexpr int kMobileColumnWidth = 104;

const ControlPlace kPlaces[] = {
    {IDC_IMPORT_LABEL, 2, 3, 236, 18},
    {IDC_IMPORT_LIST, 2, 22, 236, 246},
};

void AddColumn(HWND list, int index, const wchar_t* title, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPWSTR>(title);
    column.cx = width;
    ListView_InsertColumn(list, index, &column);
}

// One row per cache row in list order: the name and the mobile number.
void FillContacts(HWND list)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddColumn(list, 0, L"이름", kNameColumnWidth);
    AddColumn(list, 1, L"휴대폰", kMobileColumnWidth);
    for (int row = 0; row < ContactsCache.count; ++row) {
        const ContactCacheEntry& contact = ContactsCache.rows[ContactOrder[row]];
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<LPWSTR>(contact.name.c_str());
        ListView_InsertItem(list, &item);
        ListView_SetItemText(list, row, 1, const_cast<LPWSTR>(contact.mobile.c_str()));
    }
}

int TickedCount(HWND list)
{
    int ticked = 0;
    for (int row = 0; row < ListView_GetItemCount(list); ++row)
        ticked += ListView_GetCheckState(list, row) ? 1 : 0;
    return ticked;
}

BOOL OnImportInit(HWND dialog)
{
    ContactsImported = 0;
    StartDiaryForm(dialog, kPlaces, IDC_IMPORT_RUN);
    HWND list = GetDlgItem(dialog, IDC_IMPORT_LIST);
    FillContacts(list);
    EnableControl(dialog, IDC_IMPORT_RUN, false);
    SetFocus(list);
    return FALSE;
}

void OnTicksChanged(HWND dialog)
{
    EnableControl(dialog, IDC_IMPORT_RUN, TickedCount(GetDlgItem(dialog, IDC_IMPORT_LIST)) > 0);
}

// Nothing is read or written: the import only marks the contact views for
// a refill and tells its caller.
void ImportTicked(HWND dialog)
{
    int ticked = TickedCount(GetDlgItem(dialog, IDC_IMPORT_LIST));
    if (ticked == 0)
        return;
    wchar_t question[160];
    StringCchPrintfW(question, ARRAYSIZE(question), kQuestion, ticked);
    if (MessageBoxW(dialog, question, kQuestionCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    for (int view = kContactView; view <= kGroupView; ++view)
        ViewStale[view] = 1;
    ContactsImported = 1;
    MessageBoxW(dialog, kDone, kNoticeCaption, MB_OK | MB_ICONINFORMATION);
    EndDialog(dialog, IDOK);
}

void OnImportNotify(HWND dialog, const NMHDR& header)
{
    if (header.idFrom != IDC_IMPORT_LIST || header.code != LVN_ITEMCHANGED)
        return;
    const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.uChanged & LVIF_STATE)
        OnTicksChanged(dialog);
}

}  // namespace

INT_PTR CALLBACK ContactImportDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnImportInit(dialog);
    case WM_NOTIFY:
        OnImportNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_IMPORT_RUN && HIWORD(wParam) == BN_CLICKED)
            ImportTicked(dialog);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, IDCANCEL);
        return TRUE;
    case WM_DRAWITEM:
        return DrawDiaryFormButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), false);
    }
    return FALSE;
}

void RunContactImport(HWND owner)
{
    DialogBoxW(AppInstance, MAKEINTRESOURCEW(IDD_CONTACT_IMPORT), owner, ContactImportDlgProc);
    if (!ContactsImported)
        return;
    IndexTab = kIndexTabAll;
    SendMessageW(owner, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
}
