#include "editors/preferences_state.h"

int SettingsStartPage = 0;
HWND SettingsPageWindows[kSettingsPageCount] = {};
BYTE TodayRestartPending = 0;
BYTE ShortcutsChanged = 0;

HICON ShortcutIcons[kShortcutSlots] = {};
int ShortcutSelection = -1;
WORD ShortcutNextOrder = 0;
wchar_t StartMenuFolder[kFolderNameChars] = {};
wchar_t ProgramsFolder[kFolderNameChars] = {};
wchar_t ProgramSubfolders[kMaxProgramSubfolders][kFolderNameChars] = {};
int ProgramSubfolderCount = 0;
ShortcutCandidate ShortcutCandidates[kMaxShortcutCandidates] = {};
int ShortcutCandidateCount = 0;

int PickedColor = -1;
wchar_t PickedProgramPath[kPickedPathChars] = {};
