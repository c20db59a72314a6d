#include "backup/progress_dialog.h"

#include "backup/progress.h"
#include "backup/restore_pass.h"
#include "backup/state.h"
#include "backup/write_pass.h"
#include "core/drawing.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

struct Placement {
    int id;
    int x, y, width, height;
};

// Placed in pixels for the 240-pixel screen.
constexpr RECT kDialogPlace = {30, 100, 30 + 180, 100 + 94};
const Placement kPlacements[] = {
    {IDC_BACKUP_LABEL, 9, 10, 157, 20},
    {IDC_BACKUP_BAR, 10, 30, 157, 20},
    {IDOK, 35, 60, 50, 20},
    {IDCANCEL, 90, 60, 50, 20},
};

constexpr wchar_t kNotice[] = L"알림";

void Notify(LPCWSTR text)
{
    MessageBoxW(MainWindow, text, kNotice, MB_OK);
}

void OnProgressInit(HWND dialog)
{
    SetWindowPos(dialog, HWND_TOPMOST, kDialogPlace.left, kDialogPlace.top, kDialogPlace.right - kDialogPlace.left,
                 kDialogPlace.bottom - kDialogPlace.top, 0);
    for (const Placement& p : kPlacements)
        SetWindowPos(GetDlgItem(dialog, p.id), nullptr, p.x, p.y, p.width, p.height, SWP_NOZORDER);
    bool backup = BackupJob.mode == kBackupModeBackup;
    SetDlgItemTextW(dialog, IDC_BACKUP_LABEL, backup ? L"▶ 다이어리 자료백업" : L"▶ 다이어리 자료복원");
    BackupJob.progressDialog = dialog;
    // A range of 16 bits would not hold a large diary's steps.
    SetBackupProgressRange(backup ? 2 * BackupJob.total : 2 * BackupJob.total - kRestoreResetSteps);
    ShowBackupProgress(BackupJob.position);
}

void CloseHandleOf(HANDLE* file)
{
    if (*file && *file != INVALID_HANDLE_VALUE)
        CloseHandle(*file);
    *file = nullptr;
}

// The work file becomes the chosen file only when it was all written and
// checked: flushed, closed and put in the chosen file's place in one move.
// Otherwise it goes, and an older file of the chosen name stays.
bool CommitBackupFile(bool written)
{
    HANDLE& file = BackupJob.backupFile;
    bool ok = written && file && file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    CloseHandleOf(&file);
    ok = ok && MoveFileExW(BackupJob.workPath, BackupJob.finalPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileW(BackupJob.workPath);
    return ok;
}

void RunBackup()
{
    bool written = WriteBackupFile(BackupJob.backupFile);
    Notify(CommitBackupFile(written) ? L"다이어리 자료백업 작업이 완료되었습니다." : L"다이어리 자료백업 작업이 실패했습니다.");
}

void RunRestore()
{
    RestoreFromBackupFile(BackupJob.restoreFile);
    CloseHandleOf(&BackupJob.restoreFile);
    bool complete = !BackupJob.damaged && BackupJob.failures == 0 &&
                    BackupJob.position == 2 * BackupJob.total - kRestoreResetSteps;
    Notify(complete ? L"다이어리 자료복원 작업이 완료되었습니다." : L"다이어리 자료복원 작업이 실패했습니다.");
}

void OnProgressOk(HWND dialog)
{
    BackupJob.progressDialog = dialog;
    if (BackupJob.mode == kBackupModeBackup)
        RunBackup();
    else
        RunRestore();
    BackupJob.progressDialog = nullptr;
    EndDialog(dialog, IDOK);
}

void OnProgressCancel(HWND dialog)
{
    EndDialog(dialog, IDCANCEL);
    BackupJob.progressDialog = nullptr;
    if (BackupJob.mode == kBackupModeBackup) {
        CloseHandleOf(&BackupJob.backupFile);
        DeleteFileW(BackupJob.workPath);
        Notify(L"다이어리 자료백업 작업이 취소되었습니다.");
    } else {
        CloseHandleOf(&BackupJob.restoreFile);
        Notify(L"다이어리 자료복원 작업이 취소되었습니다.");
    }
}

void DrawButtonFace(const DRAWITEMSTRUCT& item)
{
    int face = item.CtlID == IDOK ? IDB_OK_BUTTON : IDB_BACKUP_CANCEL_BUTTON;
    StretchBitmapOver(item.hDC, item.rcItem, AppInstance, face);
}

}  // namespace

INT_PTR CALLBACK BackupProgressDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnProgressInit(dialog);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDOK && wParam != IDCANCEL)
            return FALSE;
        DrawButtonFace(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnProgressOk(dialog); return TRUE;
        case IDCANCEL: OnProgressCancel(dialog); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

INT_PTR RunBackupProgressDialog()
{
    return DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_BACKUP_PROGRESS), MainWindow, BackupProgressDlgProc, 0);
}
