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

#include <vector>

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

// One contact the last search found, as its row shows it.
struct PickerRow {
    wchar_t name[kAssigneeNameChars];
    wchar_t company[kCompanyChars];
    CEOID oid;
};

// The row last highlighted, whether the last search found any, and the
// rows themselves: the list asks for their texts as it paints (inserting
// thousands of rows one message at a time is what made a search slow).
struct PickerState {
    wchar_t name[kAssigneeNameChars];
    CEOID oid;
    int rows;
    std::vector<PickerRow> matches;
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

BOOL OnPickerInit(HWND dialog)
{
    Picker = PickerState{};
    // The contacts are read once as the picker opens; its searches then ask
    // the kept collection, which reads them again only when they changed.
    if (TakeAllContactsSorted()) {
        int count = 0;
        ContactSearchItems->get_Count(&count);
    }
    PlaceControls(dialog, kPickerPlaces);
    HWND list = ResultList(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    AddColumn(list, kNameColumn, L"이름", 90);
    AddColumn(list, kCompanyColumn, L"회사", 90);
    AddColumn(list, kIdColumn, L"ID", 0);
    SendDlgItemMessageW(dialog, IDC_PICKER_SEARCH_TEXT, EM_LIMITTEXT, kSearchChars, 0);
    return TRUE;
}

void OnRowText(NMLVDISPINFOW& info)
{
    LVITEMW& item = info.item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= static_cast<int>(Picker.matches.size()) ||
        !item.pszText || item.cchTextMax <= 0)
        return;
    const PickerRow& row = Picker.matches[static_cast<size_t>(item.iItem)];
    switch (item.iSubItem) {
    case kNameColumn: StringCchCopyW(item.pszText, item.cchTextMax, row.name); break;
    case kCompanyColumn: StringCchCopyW(item.pszText, item.cchTextMax, row.company); break;
    case kIdColumn: StringCchPrintfW(item.pszText, item.cchTextMax, L"%ld", static_cast<long>(row.oid)); break;
    default: item.pszText[0] = L'\0'; break;
    }
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

void FindMatches(const wchar_t* search)
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
        PickerRow row = {};
        ContactName(contact.Get(), row.name, ARRAYSIZE(row.name));
        OwnedText company;
        contact->get_CompanyName(company.Out());
        StringCchCopyW(row.company, ARRAYSIZE(row.company), company.Get());
        if (wcsstr(row.name, search) || wcsstr(row.company, search)) {
            row.oid = OidOf(contact.Get());
            Picker.matches.push_back(row);
        }
    }
}

// The highlighted row becomes the pending person.
void TakeRow(int row)
{
    if (row < 0 || row >= static_cast<int>(Picker.matches.size()))
        return;
    const PickerRow& match = Picker.matches[static_cast<size_t>(row)];
    StringCchCopyW(Picker.name, ARRAYSIZE(Picker.name), match.name);
    Picker.oid = match.oid;
}

void OnRowChanged(const NMLISTVIEW& change)
{
    bool nowSelected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (change.iItem >= 0 && nowSelected)
        TakeRow(change.iItem);
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
        Picker.matches.clear();
        if (ContactSearchItems || TakeAllContactsSorted())
            FindMatches(search);
        ListView_SetItemCountEx(list, static_cast<int>(Picker.matches.size()), 0);
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
        if (header->idFrom == IDC_PICKER_LIST && header->code == LVN_GETDISPINFOW)
            OnRowText(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
        break;
    }
    }
    return FALSE;
}

void RunAssigneePicker(HWND owner)
{
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ASSIGNEE_PICKER), owner, AssigneePickerDlgProc, 0);
}
