// The programs the extras page offers as Today shortcuts: the files of the
// Start menu, of its programs folder and of each of that folder's
// subfolders, under a header per folder.
#pragma once

#include "platform/ce.h"

// Chooses the folder names by the device's language, then fills the drop
// list and ShortcutCandidates, one record per item. A file whose shortcut
// path would not fit is left out.
void BuildShortcutCandidates(HWND list);

// Whether a drop-list item's text is a folder header.
bool IsCandidateHeader(const wchar_t* itemText);

// The program path of a candidate item from its text (three blanks and the
// name without its extension); false for a header or a path that does not
// fit.
bool CandidatePath(int item, const wchar_t* itemText, wchar_t* path, size_t chars);
