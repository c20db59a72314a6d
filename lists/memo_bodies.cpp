#include "lists/memo_bodies.h"

#include "core/db_access.h"
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/record_layouts.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "lists/item_list_state.h"
#include "lists/memo_lists.h"
#include "lists/note_files.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbars.h"

#include <strsafe.h>

namespace {

constexpr int kMemoPanel = 2;

// A fresh MemoDetailInk, shown only when the old one was.
HWND RemakeMemoDetailInk()
{
    const bool shown = MemoDetailInk && IsWindowVisible(MemoDetailInk);
    if (MemoDetailInk)
        DestroyWindow(MemoDetailInk);
    MemoDetailInk = MainWindow ? CreateMemoDetailInk(MainWindow) : nullptr;
    if (MemoDetailInk && !shown)
        ShowWindow(MemoDetailInk, SW_HIDE);
    return MemoDetailInk;
}

// The row the memo commands act on: the memo view's selected row, else the
// card panel's.
const MemoListRow* CurrentMemoRow()
{
    if (CurrentView == kMemoView)
        return MemoViewRows.At(ViewSelection[kMemoView]);
    return CardMemoRows.At(CardPanelSelection[kMemoPanel]);
}

template <size_t N>
void Put(wchar_t (&field)[N], const std::wstring& text)
{
    StringCchCopyW(field, N, text.c_str());
}

void SetLinkedContact(CEOID contact)
{
    AssigneeOid = contact;
    if (contact)
        LinkedContactOid = contact;
    StringCchCopyW(ContactDialInfo.LinkedContactName, ARRAYSIZE(ContactDialInfo.LinkedContactName), AssigneeName);
}

// The file's title, folder and category: the folder the file lies in, "모든
// 폴더" at a root or in the contact card.
void PutFileRow(const MemoListRow& row)
{
    MemoFormFields& memo = ItemFormState.Memo;
    Put(ItemFormState.Title, row.title);
    Put(memo.FolderPath, row.folderPath);
    const bool ownFolder = CurrentView == kMemoView && !row.folderName.empty();
    Put(memo.Category, ownFolder ? row.folderName : std::wstring(kAllFoldersRow));
}

}  // namespace

void LoadNoteFileIntoRichInk(HWND control)
{
    if (const MemoListRow* row = CurrentMemoRow())
        StreamNoteFileIn(control, NoteFilePath(*row).c_str());
}

void ShowNoteFileBody()
{
    // Showing a memo leaves the link a new memo would get as it was.
    PendingLinkKept link;
    SelectCurrentNoteFile();
    HWND ink = RemakeMemoDetailInk();
    if (!ink)
        return;
    LoadNoteFileIntoRichInk(ink);
    ApplyRichInkPreviewView(ink);
}

void ShowMemoBody()
{
    if (Settings.MemoSource == kMemoSourceNotesFiles) {
        ShowNoteFileBody();
        return;
    }
    PendingLinkKept link;
    // A memo that is gone shows an empty body, never the last one's.
    if (!LoadNoteRecord())
        FreeRichInkBody();
    HWND ink = RemakeMemoDetailInk();
    if (ink) {
        StreamTextIntoRichInk(ink);
        ApplyRichInkPreviewView(ink);
    }
    FreeRichInkBody();
}

void OpenNoteInNotesProgram()
{
    if (CurrentView != kMemoView)
        return;
    const MemoListRow* row = CurrentMemoRow();
    if (!row)
        return;
    PutFileRow(*row);
    StartNotesProgram(NoteFilePath(*row).c_str());
}

bool SelectCurrentNoteFile()
{
    const MemoListRow* row = CurrentMemoRow();
    if (!row)
        return false;
    PutFileRow(*row);
    SetLinkedContact(GetNoteFileLinkContact(NoteFilePath(*row).c_str(), AssigneeName, ARRAYSIZE(AssigneeName)));
    return true;
}

bool LoadNoteRecord()
{
    if (Settings.MemoSource == kMemoSourceNotesFiles)
        return SelectCurrentNoteFile();
    bool found = false;
    CEOID contact = 0;
    WithOwnDatabase(kNoteDatabase, kNoteId, [&](HANDLE db) {
        OwnRecord record;
        if (!SeekFirstEqual(db, I4Value(kNoteId, static_cast<int32_t>(SelectedMemoId))) || !record.ReadCurrent(db))
            return;
        found = true;
        contact = static_cast<CEOID>(record.I4(kNoteContact));
        const std::wstring category = record.Text(kNoteCategory);
        Put(ItemFormState.Memo.Category, category == kNoCategoryStored ? std::wstring() : category);
        Put(ItemFormState.Title, record.Text(kNoteTitle));
        Put(ItemFormState.StartDate, record.Text(kNoteDate));
        // The body is copied out, so the record goes with this scope.
        const CEPROPVAL* body = record.Find(kNoteBody);
        if (body && body->val.blob.dwCount)
            SetRichInkBody(body->val.blob.lpb, body->val.blob.dwCount);
        else
            SetRichInkBody(nullptr, 0);
    });
    if (!found)
        return false;
    AssigneeName[0] = L'\0';
    CEOID linked = 0;
    if (contact) {
        if (ComRef<IContact> person = ContactFromOid(contact)) {
            OwnedText last, first;
            person->get_LastName(last.Out());
            person->get_FirstName(first.Out());
            StringCchPrintfW(AssigneeName, ARRAYSIZE(AssigneeName), L"%s%s", last.Get(), first.Get());
            linked = contact;
        }
    }
    SetLinkedContact(linked);
    return true;
}

bool DeleteNoteRecord(long memoId)
{
    CEOID record = 0;
    WithOwnDatabase(kNoteDatabase, kNoteId,
                    [&](HANDLE db) { record = SeekFirstEqual(db, I4Value(kNoteId, static_cast<int32_t>(memoId))); });
    return !record || DeleteOwnRecord(kNoteDatabase, record);
}

bool DeleteNoteFile()
{
    const MemoListRow* row = CurrentMemoRow();
    return row && DeleteNoteFileAt(NoteFilePath(*row).c_str());
}

std::wstring CurrentNoteFilePath()
{
    const MemoListRow* row = CurrentMemoRow();
    return row && !row->memoId ? NoteFilePath(*row) : std::wstring();
}
