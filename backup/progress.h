// The progress bar of the backup dialog as the passes move it. The passes
// run inside the dialog's OK handler, so the bar is painted at once
// whenever its drawn width changes.
#pragma once

#include <cstdint>

// position + 1, shown.
void BackupProgressStep();
// Shows a position without changing BackupJob's (the check pass counts
// past the position it started from).
void ShowBackupProgress(uint32_t shown);
// The bar's range, 0 to upper (32 bits).
void SetBackupProgressRange(uint32_t upper);
