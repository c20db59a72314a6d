#include "mainwindow/list_selection.h"

#include "lists/contact_filters.h"
#include "lists/contact_selection.h"
#include "lists/item_list_state.h"
#include "lists/memo_rows.h"
#include "lists/pick_lists.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

#include <strsafe.h>

#include <cwchar>

namespace {

constexpr int kIdColumn = 2;
constexpr int kLinkedContactColumn = 3;
constexpr int kMirroredColumn = 4;
constexpr int kAnniversaryDateColumn = 3;
constexpr int kAnniversaryLunarColumn = 4;
constexpr size_t kFullDateChars = 10;

// A column's text, cut to the buffer.
void ReadColumn(HWND list, int row, int column, wchar_t* text)
{
    text[0] = L'\0';
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = kHiddenColumnChars;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

// A hidden id column, written "%ld".
long ReadId(HWND list, int row, int column)
{
    wchar_t text[kHiddenColumnChars];
    ReadColumn(list, row, column, text);
    return wcstol(text, nullptr, 10);
}

// The cache rows of a contact list, by its filter.
struct ContactListOrder {
    const uint16_t* order;
    int count;
};

ContactListOrder OrderOf(HWND list)
{
    if (list == ContactList)
        return IndexTab == kIndexTabSearch ? ContactListOrder{SearchFilterOrder, ContactTabCount}
                                           : ContactListOrder{IndexFilterOrder, ContactTabCount};
    if (list == KeypadResultList)
        return {KeypadFilterOrder, KeypadSearchCount};
    if (list == CompanyContactList)
        return {CompanyFilterOrder, CompanyContactCount};
    if (list == GroupContactList)
        return {GroupFilterOrder, GroupContactCount};
    return {nullptr, 0};
}

void ContactRowChanged(HWND list, int row, int view)
{
    const ContactCacheEntry* entry = ContactListRow(list, row);
    if (!entry)
        return;
    SelectCachedContact(entry);
    // The contact chosen is the one the next refill (the change watch's
    // included) selects again, not one an earlier request named.
    ContactToReselect = entry->oid;
    ViewSelection[view] = row;
}

void ThisYearAsAnniversaryYear()
{
    wchar_t today[16] = L"";
    GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy-MM-dd", today, ARRAYSIZE(today));
    int year = 0, month = 0, day = 0;
    if (swscanf(today, L"%4d-%2d-%2d", &year, &month, &day) >= 1)
        AnniversaryYear = year;
}

// The chosen task or memo is also the one the next reload selects again,
// so that a reload after a delete, a toggle or the change watch keeps the
// row the user chose; a Notes file is selected again by its path.
void ChooseTask(HWND list, int row)
{
    SelectedTaskOid = static_cast<CEOID>(ReadId(list, row, kIdColumn));
    TaskToReselect = SelectedTaskOid;
}

void ChooseMemo(HWND list, int row, const MemoRowTable& rows)
{
    SelectedMemoId = ReadId(list, row, kIdColumn);
    MemoToReselect = SelectedMemoId;
    const MemoListRow* shown = rows.At(row);
    if (shown && !shown->memoId)
        StringCchCopyW(CurrentNotePath, ARRAYSIZE(CurrentNotePath), NoteFilePath(*shown).c_str());
}

}  // namespace

const ContactCacheEntry* ContactListRow(HWND list, int row)
{
    ContactListOrder order = OrderOf(list);
    if (!order.order || row < 0 || row >= order.count)
        return nullptr;
    return &ContactsCache.rows[order.order[row]];
}

void ContactIndexRowChanged(HWND list, int row)
{
    ContactRowChanged(list, row, kContactView);
}

void KeypadResultRowChanged(HWND list, int row)
{
    ContactRowChanged(list, row, kContactSearchView);
}

void CompanyContactRowChanged(HWND list, int row)
{
    ContactRowChanged(list, row, kCompanyView);
}

void GroupContactRowChanged(HWND list, int row)
{
    ContactRowChanged(list, row, kGroupView);
}

void CompanyPickRowChanged(HWND, int row)
{
    TakeCompanyPickRow(row);
}

void GroupPickRowChanged(HWND, int row)
{
    TakeGroupPickRow(row);
}

void AnniversaryKindRowChanged(HWND list, int row)
{
    TakePickListRow(list, row, AnniversaryKindChoice, kListChoiceChars, kAnniversaryView, &AnniversaryKindRow);
    ThisYearAsAnniversaryYear();
}

void TaskFilterRowChanged(HWND list, int row)
{
    TakePickListRow(list, row, TaskFilterChoice, kListChoiceChars, kTaskView, &TaskFilterIndex);
}

void TaskSortRowChanged(HWND list, int row)
{
    TakePickListRow(list, row, TaskSortChoice, kListChoiceChars, kTaskView, &TaskSortIndex);
}

void MemoPickRowChanged(HWND list, int row)
{
    TakePickListRow(list, row, MemoListFilter, kListChoiceChars, kMemoView, &MemoPickRow);
    StringCchCopyW(MemoPickChoice, kPickChoiceChars, MemoListFilter);
}

void CardScheduleRowChanged(HWND list, int row)
{
    SelectedAppointmentOid = static_cast<CEOID>(ReadId(list, row, kIdColumn));
    CardPanelSelection[0] = row;
    if (DetailMode[kScheduleDetail] == 'V' && Hooks.ShowSchedulePreview)
        Hooks.ShowSchedulePreview();
}

void CardTaskRowChanged(HWND list, int row)
{
    ChooseTask(list, row);
    CardPanelSelection[1] = row;
}

void CardMemoRowChanged(HWND list, int row)
{
    ChooseMemo(list, row, CardMemoRows);
    CardPanelSelection[2] = row;
}

void ScheduleRowChanged(HWND list, int row)
{
    SelectedAppointmentOid = static_cast<CEOID>(ReadId(list, row, kIdColumn));
    LinkedContactOid = static_cast<CEOID>(ReadId(list, row, kLinkedContactColumn));
    SelectedAnniversaryId = ReadId(list, row, kMirroredColumn);
    ViewSelection[kScheduleView] = row;
}

void AnniversaryRowChanged(HWND list, int row)
{
    SelectedAnniversaryId = ReadId(list, row, kIdColumn);
    // As with tasks and memos: the next reload keeps the row chosen.
    AnniversaryToReselect = static_cast<int32_t>(SelectedAnniversaryId);
    wchar_t text[kHiddenColumnChars];
    ReadColumn(list, row, kAnniversaryDateColumn, text);
    int year = 0;
    if (wcslen(text) == kFullDateChars)
        swscanf(text, L"%4d-%2d-%2d", &year, &AnniversaryMonth, &AnniversaryDay);
    else
        swscanf(text, L"%2d/%2d", &AnniversaryMonth, &AnniversaryDay);
    ReadColumn(list, row, kAnniversaryLunarColumn, text);
    AnniversaryLunarFlag = text[0];
    ViewSelection[kAnniversaryView] = row;
    RunHook(Hooks.ShowAnniversaryHeader);
}

void TaskRowChanged(HWND list, int row)
{
    ChooseTask(list, row);
    LinkedContactOid = 0;
    ViewSelection[kTaskView] = row;
}

void MemoRowChanged(HWND list, int row)
{
    ChooseMemo(list, row, MemoViewRows);
    LinkedContactOid = 0;
    ViewSelection[kMemoView] = row;
}
