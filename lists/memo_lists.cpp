#include "lists/memo_lists.h"

#include "core/wait_cursor.h"
#include "lists/list_refill.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/list_fill.h"
#include "mainwindow/state.h"

#include <commctrl.h>

#include <cwchar>

namespace {

constexpr int kMemoColumns = 3;
constexpr int kMemoPanel = 2;

bool NotesFiles()
{
    return Settings.MemoSource == kMemoSourceNotesFiles;
}

MemoDateRange TodaysRange(int filter)
{
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    return MemoDateFilterRange(filter, today.wYear, today.wMonth, today.wDay);
}

void EnsureNoteFolders()
{
    if (NoteFolderTableHolds != NoteFolderContent::Folders)
        EnumerateNoteFolders();
}

// The row a memo list selects again: an own memo by its id, a file by its
// path; -1 when none matches.
int ReselectedRow(const MemoRowTable& table, bool files)
{
    for (int p = 0; p < table.Count(); ++p) {
        const MemoListRow& row = *table.At(p);
        if (files ? *CurrentNotePath && NoteFilePath(row) == CurrentNotePath
                  : MemoToReselect && row.memoId == MemoToReselect)
            return p;
    }
    return -1;
}

// The list shows the rows of the table, the memo view's with the linked
// contact before the title; the remembered row is selected again.
void ShowMemoRows(HWND list, bool shown, const MemoRowTable& table, bool withContacts, bool files, int* selection)
{
    InsertListRows(list, table.Count(), kMemoColumns, [&](int p, int column) -> std::wstring {
        const MemoListRow& row = *table.At(p);
        switch (column) {
        case 0:
            return withContacts && !row.contactName.empty() ? L"(" + row.contactName + L")" + row.title : row.title;
        case 1: return row.date;
        default: return IdText(row.memoId);
        }
    });
    const int reselected = ReselectedRow(table, files);
    if (reselected >= 0)
        *selection = reselected;
    *selection = ClampRow(*selection, table.Count());
    EndListRefill(list, shown, *selection);
}

void FillMemoView(bool files)
{
    WaitCursor wait;
    const bool shown = BeginListRefill(MemoList);
    MemoViewRows.Clear();
    if (files) {
        EnsureNoteFolders();
        if (MemoPickByDate)
            ReadNoteFilesByDate(NoteFolderTable, TodaysRange(MemoPickRow), &MemoViewRows);
        else
            ReadNoteFilesOfFolder(NoteFolderTable, MemoPickRow, &MemoViewRows);
    } else if (MemoPickByDate) {
        ReadMemosByDate(TodaysRange(MemoPickRow), &MemoViewRows);
    } else {
        const bool noCategory = wcscmp(MemoListFilter, kNoCategoryRow) == 0;
        ReadMemosByCategory(noCategory ? kNoCategoryStored : MemoListFilter, MemoPickRow == 0, &MemoViewRows);
    }
    OrderMemoRows(&MemoViewRows, MemoListKind::View, MemoSortKey);
    MemoRowCount = MemoViewRows.Count();
    ShowMemoRows(MemoList, shown, MemoViewRows, true, files, &ViewSelection[kMemoView]);
}

void FillCardMemos(bool files)
{
    WaitCursor wait;
    const bool shown = BeginListRefill(CardMemoList);
    CardMemoRows.Clear();
    if (files)
        ReadContactNoteFiles(SelectedContactOid, &CardMemoRows);
    else
        ReadContactMemos(SelectedContactOid, &CardMemoRows);
    OrderMemoRows(&CardMemoRows, files ? MemoListKind::CardFiles : MemoListKind::CardMemos, MemoSortKey);
    CardMemoRowCount = CardMemoRows.Count();
    ShowMemoRows(CardMemoList, shown, CardMemoRows, false, files, &CardPanelSelection[kMemoPanel]);
}

// The pick list's rows; a row naming MemoPickChoice becomes the picked one,
// and the choice is used up.
void FillMemoPickList(const std::vector<std::wstring>& rows, bool takeChoice)
{
    if (takeChoice) {
        for (size_t row = 0; row < rows.size(); ++row) {
            if (*MemoPickChoice && rows[row] == MemoPickChoice) {
                MemoPickRow = static_cast<int>(row);
                break;
            }
        }
        MemoPickChoice[0] = L'\0';
    }
    MemoPickCount = static_cast<int>(rows.size());
    MemoPickRow = ClampRow(MemoPickRow, MemoPickCount);
    FillPickList(MemoPickList, rows, MemoPickRow);
}

void FillDateFilterPickList()
{
    FillMemoPickList(std::vector<std::wstring>(kMemoDateFilterTexts, kMemoDateFilterTexts + kMemoDateFilterCount),
                     false);
}

}  // namespace

void LoadMemoList()
{
    if (NotesFiles()) {
        LoadNoteFileList();
        return;
    }
    FillMemoView(false);
}

void LoadNoteFileList()
{
    FillMemoView(true);
}

void LoadContactMemoList()
{
    if (NotesFiles()) {
        LoadContactNoteFileList();
        return;
    }
    FillCardMemos(false);
}

void LoadContactNoteFileList()
{
    FillCardMemos(true);
}

void LoadMemoCategoryNames()
{
    NoteFolderTable.roots.clear();
    NoteFolderTable.folders = ReadMemoCategoryNames();
    NoteFolderTableHolds = NoteFolderContent::Categories;
}

void EnumerateNoteFolders()
{
    NoteFolderTable = FindNoteFolders();
    NoteFolderTableHolds = NoteFolderContent::Folders;
}

void FillMemoCategoryPickList()
{
    if (NotesFiles()) {
        FillNoteFolderPickList();
        return;
    }
    if (MemoPickByDate) {
        FillDateFilterPickList();
        return;
    }
    LoadMemoCategoryNames();
    std::vector<std::wstring> rows;
    for (const auto& entry : NoteFolderTable.folders)
        rows.push_back(rows.empty() ? kAllCategoriesRow : entry.name);
    rows.push_back(kNoCategoryRow);
    FillMemoPickList(rows, true);
}

void FillNoteFolderPickList()
{
    if (MemoPickByDate) {
        FillDateFilterPickList();
        return;
    }
    EnumerateNoteFolders();
    std::vector<std::wstring> rows;
    for (const auto& entry : NoteFolderTable.folders)
        rows.push_back(rows.empty() ? kAllFoldersRow : entry.name);
    FillMemoPickList(rows, true);
}
