// Memo list rows: own memos and Notes files alike, the six date filters,
// the orderings of the memo view and the contact card, the distinct
// category names and the note folders of the pick list.
#pragma once

#include "lists/row_table.h"
#include "platform/ce.h"

#include <string>
#include <vector>

struct MemoListRow {
    int32_t memoId = 0;         // the own memo; 0 for a Notes file
    std::wstring title;         // a file's name without ".pwi"
    std::wstring date;          // "yy-MM-dd"
    std::wstring contactName;   // last then first name of the linked contact; empty in the card
    std::wstring folderPath;    // a file's folder, no trailing backslash; empty for own memos
    std::wstring folderName;    // the note folder holding a file; empty at a root
};

using MemoRowTable = RowTable<MemoListRow>;

// "%s\%s.pwi" of the row's folder and title.
std::wstring NoteFilePath(const MemoListRow& row);

// ---- date filters ------------------------------------------------------------------

constexpr int kMemoDateFilterCount = 6;
extern const wchar_t* const kMemoDateFilterTexts[kMemoDateFilterCount];

// The inclusive range of "yyyy-MM-dd" texts a date filter (0-5) lists, for
// the given today; an index outside 0-5 lists everything.
struct MemoDateRange {
    std::wstring from;
    std::wstring to;
};
MemoDateRange MemoDateFilterRange(int filter, int year, int month, int day);
bool InDateRange(const std::wstring& date, const MemoDateRange& range);

// ---- ordering ------------------------------------------------------------------------

enum class MemoListKind { View, CardMemos, CardFiles };
// sortKey 'D' orders by date, any other by title.
int CompareMemoRows(MemoListKind kind, char sortKey, const MemoListRow& a, const MemoListRow& b);
void OrderMemoRows(MemoRowTable* table, MemoListKind kind, char sortKey);

// ---- categories and note folders ------------------------------------------------------

// The category of a memo without one, as stored.
constexpr wchar_t kNoCategoryStored[] = L" ";
// Pick-list rows around the names.
constexpr wchar_t kAllCategoriesRow[] = L"전체";
constexpr wchar_t kNoCategoryRow[] = L"분류없음";
constexpr wchar_t kAllFoldersRow[] = L"모든 폴더";
// A folder of the document folder whose files are templates, not notes.
constexpr wchar_t kTemplateFolder[] = L"서식 파일";

constexpr int kNoteFolderLimit = 500;
constexpr int kNoteRootLimit = 10;
// Longest root path, folder name or category kept in the table.
constexpr size_t kNotePathChars = 255;

struct NoteFolderEntry {
    std::wstring root;    // the document folder or a storage card
    std::wstring name;    // the folder's name, or a category name
    std::wstring folded;  // name through FoldTextCase, the sort key
    wchar_t cls = 0;      // '0' Hangul first, '1' otherwise; 0 for the "all" slot
};

// A folder entry with its sort key and class; an empty name is the "all"
// slot (class 0). Texts longer than kNotePathChars are cut.
NoteFolderEntry MakeNoteFolderEntry(const std::wstring& root, const std::wstring& name);
// Entry 0 (the "all" slot) first, then class, then folded name.
void SortNoteFolders(std::vector<NoteFolderEntry>* entries);

// Adds a category name unless it is the no-category blank or already listed
// (exactly; names differing in case are two categories). False when it was
// not added.
bool AddDistinctCategory(std::vector<NoteFolderEntry>* entries, const std::wstring& category);
