// Reading memo rows: own memos from QuillonNote, Notes files from the
// document folder, the storage cards and their note folders, the distinct
// categories and the note folders of the pick list. The rows are added to a
// table (which stops at its limit); no list control is touched.
#pragma once

#include "lists/memo_rows.h"

// ---- own memos ---------------------------------------------------------------------

// Memos dated within the range, read through the date order.
void ReadMemosByDate(const MemoDateRange& range, MemoRowTable* table);
// Memos of one category (exactly that text; " " for memos without one), or
// every memo when allCategories is set.
void ReadMemosByCategory(const std::wstring& category, bool allCategories, MemoRowTable* table);
// Memos linked to the contact, without contact names.
void ReadContactMemos(CEOID contactOid, MemoRowTable* table);

// Entry 0 empty (the "all" slot), then every distinct category of the
// memos in the database's category order.
std::vector<NoteFolderEntry> ReadMemoCategoryNames();

// ---- Notes files -----------------------------------------------------------------------

struct NoteFolders {
    std::vector<std::wstring> roots;        // the document folder, then the storage cards
    std::vector<NoteFolderEntry> folders;   // entry 0 the "all" slot, then sorted
};

// The document folder as a device path ("\My Documents").
std::wstring NoteDocumentFolder();
// The roots and their first-level folders.
NoteFolders FindNoteFolders();

// Files of every root and every note folder (not the document folder's
// template folder) whose last-write date lies in the range.
void ReadNoteFilesByDate(const NoteFolders& folders, const MemoDateRange& range, MemoRowTable* table);
// Files of one note folder (folderRow above 0), or of every root and folder
// (0, not the template folder).
void ReadNoteFilesOfFolder(const NoteFolders& folders, int folderRow, MemoRowTable* table);
// Files linked to the contact that still exist, without contact names.
void ReadContactNoteFiles(CEOID contactOid, MemoRowTable* table);
