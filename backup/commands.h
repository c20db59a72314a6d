// The File menu's backup and restore: the file chosen, BackupJob prepared,
// the progress dialog run.
#pragma once

#include "platform/ce.h"

// Saves a new backup file ("Quillon" and today's "yyMMdd", ".qnb" offered
// first). Returns 0, also when the user cancels.
int BackupDiaryData();

// Restores from a backup file the user chooses and confirms. RestoreDone
// tells the caller afterwards whether a file passed the head test.
void RestoreDiaryData();

// The File menu's rows: backup, and restore followed, when a restore ran,
// by the contacts view at its first index tab. Set at the program's start.
void InstallBackupHooks();

// "Quillon%s.qnb" with the system's date of today as "yyMMdd".
void DefaultBackupFileName(LPWSTR out, size_t chars);

// The file a backup is written to before it takes the chosen file's place:
// the chosen path with its last three characters replaced by '$', or, when
// that is the chosen path itself, that path with ".$$$" added.
void BackupWorkPath(LPCWSTR finalPath, LPWSTR out, size_t chars);
