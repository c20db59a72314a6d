// One level of a folder tree of programs: folders and ".exe" files of a
// folder, listed under a tree item.
#pragma once

#include "platform/ce.h"

#include <commctrl.h>

// What InsertTreeItem answers for an entry it skips on purpose.
inline HTREEITEM const kTreeEntrySkipped = reinterpret_cast<HTREEITEM>(1);

// Inserts a folder (images 1, with an expand button) or a program (images 2;
// a file is taken only when its name ends in ".exe", any case) sorted under
// parent (the root when null). "." and ".." and other files are skipped with
// kTreeEntrySkipped; a failed insert returns null.
HTREEITEM InsertTreeItem(HWND tree, LPCWSTR name, HTREEITEM parent, BOOL isFolder);

// Lists the entries matching searchSpec under parent. Returns 0 when an
// insert failed and stopped the listing, 1 otherwise. An empty folder loses
// the parent's expand button; any other listing failure is reported with
// ShowErrorBox.
int FillFolderTreeLevel(HWND tree, LPCWSTR searchSpec, HTREEITEM parent);
