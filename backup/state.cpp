#include "backup/state.h"

BackupJobState BackupJob = {};
bool RestoreDone = false;
