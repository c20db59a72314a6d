// The memo view's list and pick list and the contact card's memo panel, for
// own memos or Notes files by the setting MemoSource, and the two tables
// behind the pick list.
#pragma once

// The memo view's list by the pick list's choice and MemoSortKey; Notes
// files (MemoSource 2) through LoadNoteFileList.
void LoadMemoList();
void LoadNoteFileList();
// The contact card's memo panel for SelectedContactOid.
void LoadContactMemoList();
void LoadContactNoteFileList();
// The memo view's pick list: the date filters, or the categories (own
// memos) or note folders (Notes files).
void FillMemoCategoryPickList();
void FillNoteFolderPickList();
// NoteFolderTable with the distinct categories, or with the note folders
// and their roots.
void LoadMemoCategoryNames();
void EnumerateNoteFolders();

// The memo setting's value for Notes files.
constexpr int kMemoSourceNotesFiles = 2;
