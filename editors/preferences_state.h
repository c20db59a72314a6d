// State of the item editors and preferences shared across the main program,
// used on the user-interface thread only.
#pragma once

#include "platform/ce.h"
#include "core/state.h"

// ---- the preferences sheet (preferences_state.cpp) --------------------------------

// The four pages in the sheet's order.
enum SettingsPageIndex { kDiaryPage = 0, kTodayPage = 1, kTodayExtrasPage = 2, kTodayColorsPage = 3 };
constexpr int kSettingsPageCount = 4;

// The page the sheet opens on: the page created last, 0 at program start.
extern int SettingsStartPage;
// Each page's window while the sheet is open; null for a page not shown in
// this run of the sheet, whose fields the apply then leaves alone.
extern HWND SettingsPageWindows[kSettingsPageCount];
// Set by the apply when an option that needs a restart of the Today item
// changed; consumed in the same apply.
extern BYTE TodayRestartPending;
// Set by the extras page whenever it rewrote the shortcut list.
extern BYTE ShortcutsChanged;

// ---- the Today extras page -------------------------------------------------------------

// One small icon per entry of ShortcutPathTable; null where none could be read.
extern HICON ShortcutIcons[kShortcutSlots];
// The shortcut selected in the preview, -1 none.
extern int ShortcutSelection;
// The order number given to the next added shortcut.
extern WORD ShortcutNextOrder;

// The Start menu's folder and its programs folder, by the device's language.
constexpr int kFolderNameChars = 100;
extern wchar_t StartMenuFolder[kFolderNameChars];
extern wchar_t ProgramsFolder[kFolderNameChars];
// The subfolders of the programs folder, in the order they were found.
constexpr int kMaxProgramSubfolders = 20;
extern wchar_t ProgramSubfolders[kMaxProgramSubfolders][kFolderNameChars];
extern int ProgramSubfolderCount;

// One record per item of the candidate drop list, headers included: the
// file's extension and the folder it lies in (a subfolder's index, or one
// of the kinds below).
constexpr int kStartMenuKind = -2;
constexpr int kProgramsKind = -1;
constexpr int kCandidateExtensionChars = 20;
struct ShortcutCandidate {
    wchar_t extension[kCandidateExtensionChars];
    int kind;
};
constexpr int kMaxShortcutCandidates = 200;
extern ShortcutCandidate ShortcutCandidates[kMaxShortcutCandidates];
extern int ShortcutCandidateCount;

// Where the page previews its shortcut icons.
constexpr RECT ShortcutPreviewRect = {7, 200, 232, 243};

// ---- the colour picker ---------------------------------------------------------------------

// The picked colour, or -1 when the picker was closed without a choice.
extern int PickedColor;

// ---- the program picker ----------------------------------------------------------------------

constexpr int kPickedPathChars = 260;
// The chosen program's full path; empty when nothing was chosen.
extern wchar_t PickedProgramPath[kPickedPathChars];
