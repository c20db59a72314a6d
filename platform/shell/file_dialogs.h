// The open and save file dialogs as on the device: full screen below the
// top bar, over "\My Documents" (and its folders one level down) and the
// storage cards, with the file types of the request's filter.
//
// Open: a folder choice ("모든 폴더", "My Documents", each folder of it, each
// card), a type choice and the list of matching files (name, folder, date);
// the chosen file's full path is the answer.
// Save: a name, a folder of the location ("없음" for the location itself), a
// type and a location ("주 메모리" is "\My Documents", or a card); the answer
// is location\folder\name, with the default extension (or the type's) when
// the name has none. The request's file buffer holds the name shown first.
//
// Of OPENFILENAMEW these are read: hwndOwner, lpstrFilter, nFilterIndex,
// lpstrFile and nMaxFile, lpstrDefExt, lpstrTitle; the answer fills
// lpstrFile, nFileOffset and nFileExtension. FALSE: cancelled, or the path
// does not fit the buffer.
#pragma once

#include <commdlg.h>

CEAPI BOOL WINAPI CeGetOpenFileNameW(LPOPENFILENAMEW request);
CEAPI BOOL WINAPI CeGetSaveFileNameW(LPOPENFILENAMEW request);

#undef GetOpenFileName
#undef GetSaveFileName
#define GetOpenFileName CeGetOpenFileNameW
#define GetOpenFileNameW CeGetOpenFileNameW
#define GetSaveFileName CeGetSaveFileNameW
#define GetSaveFileNameW CeGetSaveFileNameW

// For tests: while a hook is set, the dialogs are not shown; the hook sees
// the request (the name first shown is in lpstrFile) and answers TRUE with
// the path chosen written into lpstrFile, or FALSE for Cancel. Null shows
// the dialogs again (as does the reset between test cases).
typedef BOOL(CALLBACK* CeFileDialogTestHook)(LPOPENFILENAMEW request, BOOL save);
CEAPI void WINAPI CeSetFileDialogTestHook(CeFileDialogTestHook hook);

// The dialog's window class and its controls, for tests that drive it.
#define CE_FILE_DIALOG_CLASS L"CeFileDialog"
#define CE_FILE_DIALOG_NAME 1101      // save: the name
#define CE_FILE_DIALOG_FOLDER 1102    // the folder choice
#define CE_FILE_DIALOG_TYPE 1103      // the type choice
#define CE_FILE_DIALOG_LOCATION 1104  // save: the location choice
#define CE_FILE_DIALOG_FILES 1105     // open: the list of files
