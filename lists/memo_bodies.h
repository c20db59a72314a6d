// The current memo of the memo view or the contact card's memo panel: its
// body shown in the memo detail pane, its fields loaded for the editor, the
// Notes program started on it, and its deletion.
#pragma once

#include "platform/ce.h"

#include <string>

// Streams the current row's Notes file into the control.
void LoadNoteFileIntoRichInk(HWND control);
// Remakes MemoDetailInk with the current Notes file, or with the current
// memo of either kind (by MemoSource).
void ShowNoteFileBody();
void ShowMemoBody();
// The Notes program on the current file; in the memo view only.
void OpenNoteInNotesProgram();
// The current file row into the form's memo fields, with its linked contact.
// False when the list has no current row.
bool SelectCurrentNoteFile();
// The own memo SelectedMemoId into the form, its body into RichInkBody
// (Notes files: SelectCurrentNoteFile). False, changing nothing and
// leaving the body empty, when it is not there.
bool LoadNoteRecord();
// The own memo of that id; false when it is still there.
bool DeleteNoteRecord(long memoId);
// The current row's Notes file, and its link once the file is gone; false
// when the file stayed.
bool DeleteNoteFile();
// The path of the current row when it is a Notes file; empty when there is
// no current row or it is an own memo.
std::wstring CurrentNoteFilePath();
