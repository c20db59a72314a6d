// State shared by the backup and restore commands, their progress dialog
// and the passes; used on the user-interface thread only.
#pragma once

#include "platform/ce.h"

#include <cstdint>

enum BackupMode { kBackupModeBackup = 1, kBackupModeRestore = 2 };

constexpr int kBackupPathChars = MAX_PATH;
// The restore's ten reset steps (seven databases, three Pocket Outlook
// stores), counted into its total.
constexpr uint32_t kRestoreResetSteps = 10;

struct BackupJobState {
    int mode;                 // kBackupModeBackup or kBackupModeRestore
    HANDLE backupFile;        // the work file of a backup, null when closed
    HANDLE restoreFile;       // the file a restore reads, null when closed
    wchar_t finalPath[kBackupPathChars];
    wchar_t workPath[kBackupPathChars];
    // Backup: the records counted before the pass (the head's first
    // count). Restore: the records of the file + the reset steps.
    uint32_t total;
    uint32_t position;        // progress steps done
    uint32_t recordTally;     // records counted by the check pass
    uint32_t recordsWritten;  // backup: records the write pass wrote
    // The check pass found the file damaged (cut short, a record broken or
    // left open): the file is not restored.
    bool damaged;
    // Restore: records or steps that failed after the reset began.
    uint32_t failures;
    HWND progressDialog;      // whose bar the passes move; null without one
    int barWidth;             // pixels of the bar last drawn
    // Called after every progress step with the new position (tests).
    void (*stepHook)(uint32_t position);
};

extern BackupJobState BackupJob;

// Set once a restore file passed the head test, whatever the restore's
// outcome; cleared when a restore command starts. The main window reads it
// after RestoreDiaryData.
extern bool RestoreDone;
