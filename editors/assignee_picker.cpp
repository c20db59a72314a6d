#include "editors/assignee_picker.h"

#include "core/outlook_items.h"
#include "core/wait_cursor.h"
#include "editors/editor_controls.h"
#include "lists/company_address.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>
#include <strsafe.h>

namespace {

constexpr wchar_t kNotice[] = L"알림";
constexpr wchar_t kNoMatch[] = L"조건에 만족하는 연락처가 없습니다";
constexpr wchar_t kNothingToChoose[] = L"검색 결과가 없어 연락처를 선택할 수 없습니다";
constexpr wchar_t kByFullName[] = L"[FullName]";
constexpr int kSearchChars = 100;
constexpr int kCompanyChars = 100;

enum PickerColumn { kNameColumn = 0, kCompanyColumn = 1, kIdColumn = 2 };

const ControlPlace kPickerPlaces[] = {
    {IDC_PICKER_LIST, 5, 30, 198, 97},
    {IDC_PICKER_CHOOSE, 27, 135, 50, 20},
    {IDC_PICKER_CLEAR, 79, 135, 50, 20},
    {IDC_PICKER_CANCEL, 131, 135, 50, 20},
};

// The row last highlighted and whether the last search found any.
struct PickerState {
    wchar_t name[kAssigneeNameChars];
    CEOID oid;
    int rows;
};
PickerState Picker;

HWND ResultList(HWND dialog)
{
    return GetDlgItem(dialog, IDC_PICKER_LIST);
}

void AddColumn(HWND list, int index, const wchar_t* title, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPWSTR>(title);
    column.cx = width;
    ListView_InsertColumn(list, index, &column);
}

BOOL OnPickerInit(HWND dialog)
{
    Picker = PickerState{};
    PlaceControls(dialog, kPickerPlaces);
    HWND list = ResultList(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    AddColumn(list, kNameColumn, L"이름", 90);
    AddColumn(list, kCompanyColumn, L"회사", 90);
    AddColumn(list, kIdColumn, L"ID", 0);
    SendDlgItemMessageW(dialog, IDC_PICKER_SEARCH_TEXT, EM_LIMITTEXT, kSearchChars, 0);
    return TRUE;
}

void AddRow(HWND list, const wchar_t* name, const wchar_t* company, CEOID oid)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<LPWSTR>(name);
    // Object ids run past 0x7fffffff: the row keeps the id itself beside its text.
    item.lParam = static_cast<LPARAM>(oid);
    int row = ListView_InsertItem(list, &item);
    ListView_SetItemText(list, row, kCompanyColumn, const_cast<LPWSTR>(company));
    wchar_t id[16] = L"";
    StringCchPrintfW(id, ARRAYSIZE(id), L"%ld", static_cast<long>(oid));
    ListView_SetItemText(list, row, kIdColumn, id);
}

// The contact's shown name: last name then first name, cut to the
// person field's room.
void ContactName(IContact* contact, wchar_t* name, size_t count)
{
    OwnedText last, first;
    contact->get_LastName(last.Out());
    contact->get_FirstName(first.Out());
    StringCchCopyW(name, count, last.Get());
    StringCchCatW(name, count, first.Get());
}

// Every contact of the default folder sorted by full name, kept in
// ContactSearchItems; false when the folder cannot be read.
bool TakeAllContactsSorted()
{
    ReleaseContactSearchItems();
    IFolder* folder = nullptr;
    if (!OutlookApp || FAILED(OutlookApp->GetDefaultFolder(olFolderContacts, &folder)) || !folder)
        return false;
    IPOutlookItemCollection* items = nullptr;
    if (SUCCEEDED(folder->get_Items(&items)) && items) {
        items->Sort(TextArg(kByFullName), VARIANT_FALSE);
        ContactSearchItems = items;
    }
    folder->Release();
    return ContactSearchItems != nullptr;
}

void FillMatches(HWND list, const wchar_t* search)
{
    int count = 0;
    ContactSearchItems->get_Count(&count);
    for (int i = 1; i <= count; ++i) {
        IDispatch* entry = nullptr;
        if (FAILED(ContactSearchItems->Item(i, &entry)) || !entry)
            continue;
        ComRef<IContact> contact;
        entry->QueryInterface(IID_IContact, reinterpret_cast<void**>(contact.Out()));
        entry->Release();
        if (!contact)
            continue;
        wchar_t name[kAssigneeNameChars] = L"";
        ContactName(contact.Get(), name, ARRAYSIZE(name));
        OwnedText company;
        contact->get_CompanyName(company.Out());
        wchar_t companyText[kCompanyChars] = L"";
        StringCchCopyW(companyText, ARRAYSIZE(companyText), company.Get());
        if (wcsstr(name, search) || wcsstr(companyText, search))
            AddRow(list, name, companyText, OidOf(contact.Get()));
    }
}

// The highlighted row becomes the pending person.
void TakeRow(HWND list, int row)
{
    LVITEMW item = {};
    item.mask = LVIF_PARAM | LVIF_TEXT;
    item.iItem = row;
    item.pszText = Picker.name;
    item.cchTextMax = ARRAYSIZE(Picker.name);
    if (ListView_GetItem(list, &item))
        Picker.oid = static_cast<CEOID>(item.lParam);
}

void OnRowChanged(const NMLISTVIEW& change)
{
    bool nowSelected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (change.iItem >= 0 && nowSelected)
        TakeRow(change.hdr.hwndFrom, change.iItem);
}

void Choose(HWND dialog)
{
    if (Picker.rows == 0) {
        TellUser(dialog, kNothingToChoose, kNotice, IDC_PICKER_SEARCH_TEXT);
        return;
    }
    StringCchCopyW(AssigneeName, ARRAYSIZE(AssigneeName), Picker.name);
    AssigneeOid = Picker.oid;
    EndDialog(dialog, IDOK);
}

void ClearPerson(HWND dialog)
{
    AssigneeName[0] = L'\0';
    AssigneeOid = 0;
    EndDialog(dialog, IDOK);
}

void CancelPicker(HWND dialog)
{
    if (AssigneeOid == 0)
        AssigneeName[0] = L'\0';
    EndDialog(dialog, IDCANCEL);
}

}  // namespace

void SearchAssigneeContacts(HWND dialog)
{
    wchar_t search[kSearchChars + 1] = L"";
    ReadText(dialog, IDC_PICKER_SEARCH_TEXT, search, ARRAYSIZE(search));
    HWND list = ResultList(dialog);
    {
        WaitCursor wait;
        ShowWindow(list, SW_HIDE);
        ListView_DeleteAllItems(list);
        Picker.name[0] = L'\0';
        Picker.oid = 0;
        if (TakeAllContactsSorted())
            FillMatches(list, search);
        Picker.rows = ListView_GetItemCount(list);
        ShowWindow(list, SW_SHOW);
        if (Picker.rows > 0) {
            ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(list, 0, FALSE);
            SetFocus(list);
        }
    }
    if (Picker.rows == 0)
        TellUser(dialog, kNoMatch, kNotice, IDC_PICKER_SEARCH_TEXT);
}

INT_PTR CALLBACK AssigneePickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnPickerInit(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PICKER_SEARCH: SearchAssigneeContacts(dialog); return TRUE;
        case IDC_PICKER_CHOOSE: Choose(dialog); return TRUE;
        case IDC_PICKER_CLEAR: ClearPerson(dialog); return TRUE;
        case IDC_PICKER_CANCEL:
        case IDCANCEL: CancelPicker(dialog); return TRUE;
        case IDOK: SearchAssigneeContacts(dialog); return TRUE;  // Enter in the search box
        }
        break;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_PICKER_LIST && header->code == LVN_ITEMCHANGED)
            OnRowChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
        break;
    }
    }
    return FALSE;
}

void RunAssigneePicker(HWND owner)
{
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ASSIGNEE_PICKER), owner, AssigneePickerDlgProc, 0);
}
