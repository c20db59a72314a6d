#include "backup/progress.h"

#include "backup/state.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>

namespace {

HWND Bar()
{
    return BackupJob.progressDialog ? GetDlgItem(BackupJob.progressDialog, IDC_BACKUP_BAR) : nullptr;
}

}  // namespace

void ShowBackupProgress(uint32_t shown)
{
    HWND bar = Bar();
    if (!bar)
        return;
    PBRANGE range = {};
    SendMessageW(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    RECT client = {};
    GetClientRect(bar, &client);
    long long span = static_cast<long long>(range.iHigh) - range.iLow;
    long long done = std::min<long long>(std::max<long long>(static_cast<long long>(shown) - range.iLow, 0), span);
    int width = span > 0 ? static_cast<int>(done * (client.right - client.left) / span) : 0;
    if (width == BackupJob.barWidth)
        return;
    BackupJob.barWidth = width;
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(shown), 0);
    UpdateWindow(bar);
}

void BackupProgressStep()
{
    ++BackupJob.position;
    ShowBackupProgress(BackupJob.position);
    if (BackupJob.stepHook)
        BackupJob.stepHook(BackupJob.position);
}

void SetBackupProgressRange(uint32_t upper)
{
    HWND bar = Bar();
    if (!bar)
        return;
    SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(std::min<uint32_t>(upper, 0x7FFFFFFF)));
    BackupJob.barWidth = -1;
}
