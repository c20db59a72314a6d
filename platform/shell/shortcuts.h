// Shortcuts as on the device, and the shell's information on files: a ".lnk" file is the text
// "<length>#<target>", the target's length in characters in decimal, then
// the target (a quoted path, maybe followed by arguments) in the device's
// ANSI code page, nothing after it. For example a shortcut to
// "\Program Files\Quillon\Quillon.exe" holds
//   36#"\Program Files\Quillon\Quillon.exe"
#pragma once

#include <shellapi.h>

#define CE_SHORTCUT_TARGET_CHARS 256

// Writes the shortcut; FALSE when it exists already, when the target is
// empty or longer than CE_SHORTCUT_TARGET_CHARS, or the file cannot be made.
CEAPI BOOL WINAPI SHCreateShortcut(LPWSTR shortcut, LPWSTR target);

// Reads the target (quotes and arguments as written) into a buffer of
// maxChars characters; FALSE when the file is missing, is not in the form
// above, or the target does not fit.
CEAPI BOOL WINAPI SHGetShortcutTarget(LPWSTR shortcut, LPWSTR target, int maxChars);

// SHGetFileInfo as on the device: for a shortcut, the information (the icon
// above all) of the program or file it points to.
CEAPI DWORD_PTR WINAPI CeSHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT infoSize,
                                        UINT flags);
#undef SHGetFileInfo
#define SHGetFileInfo CeSHGetFileInfoW
#define SHGetFileInfoW CeSHGetFileInfoW
