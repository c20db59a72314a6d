// The program picker "바로가기 사용자 지정" (dialog 391): a tree of the
// device's folders and programs, listed one folder at a time as it opens.
#pragma once

#include "platform/ce.h"

#include <commctrl.h>

INT_PTR CALLBACK ProgramPickerDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs the picker modally over the owner; the choice is in PickedProgramPath.
void RunProgramPicker(HWND owner);

// The tree's images (bitmap 390), attached when all three were made; 1 then.
int CreateTreeImageList(HWND tree);
// The root "\" as a folder at the top; 1.
int FillTreeRoot(HWND tree);
// The folder item's search pattern ("\Windows\*.*", the root "\*.*") from
// its text and its parents' texts; 0 when a text cannot be read or the
// pattern would not fit (the pattern is then empty).
int BuildTreeItemPath(HWND tree, HTREEITEM item, wchar_t* pattern, size_t chars);
