// The backup and restore progress dialog 383: its OK runs the pass of
// BackupJob's mode synchronously and reports the outcome; Cancel (which can
// only come before OK) gives the job up.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK BackupProgressDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs dialog 383 modally, owned by the main window.
INT_PTR RunBackupProgressDialog();
