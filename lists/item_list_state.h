// State of the task, memo and anniversary lists shared across the main
// program: each list's rows, the choices and reselections they load by,
// and the note folders and categories of the memo pick list. Used on the
// user-interface thread only.
#pragma once

#include "lists/anniversary_rows.h"
#include "lists/memo_readers.h"
#include "lists/task_rows.h"

#include <string>
#include <vector>

// ---- task lists (task_lists.cpp) -------------------------------------------------------

// The rows of the task view's list and of the contact card's task panel:
// each list paints only its own.
extern TaskRowTable TaskViewRows;
extern TaskRowTable CardTaskRows;
extern int CardTaskRowCount;
// Rows of the task sort pick list.
extern int TaskSortCount;
// The tasks folder's items of the last task view load, kept until the next
// one or the main window's end.
extern IPOutlookItemCollection* TaskItems;

// ---- memo lists (memo_lists.cpp) ---------------------------------------------------------

extern MemoRowTable MemoViewRows;
extern MemoRowTable CardMemoRows;
extern int CardMemoRowCount;
// The own memo, or the Notes file by its full path, that the next fill of a
// memo list selects again (0 / empty: none).
extern int32_t MemoToReselect;
extern wchar_t CurrentNotePath[MAX_PATH];

// What the pick list of the memo view offers besides the date filters: the
// categories of the own memos (no roots), or the note folders with their
// roots; entry 0 is the "all" slot.
enum class NoteFolderContent { Nothing, Categories, Folders };
extern NoteFolders NoteFolderTable;
extern NoteFolderContent NoteFolderTableHolds;

// ---- anniversary list (anniversary_lists.cpp) -------------------------------------------------

extern AnniversaryRowTable AnniversaryRows;
extern int AnniversaryCount;
// The anniversary the next fill of the list selects again (0: none).
extern int32_t AnniversaryToReselect;
