// A second device process for the backup tests: runs the File menu's
// backup or restore on the device's diary, answering its dialogs, and is
// killed at a step of the pass when asked.
//   backup_peer backup|restore <file> <step, 0 for none>
// The exit code is 0 when the command ran to its end, 7 when it was killed.
#include "backup/commands.h"
#include "backup/state.h"
#include "mainwindow/state.h"

#include "tests/backup/dialog_script.h"

#include <cwchar>

namespace {

constexpr UINT kKilled = 7;
wchar_t kVolumePath[] = L"\\pim.vol";
bool g_restore = false;
uint32_t g_killAt = 0;

// A restore dies inside its next store write, as a reset would take it; a
// backup writes only its file and dies at once.
void KillAtStep(uint32_t position)
{
    if (position != g_killAt)
        return;
    if (g_restore)
        CeStoreExitInsideNextChange(kKilled);
    else
        TerminateProcess(GetCurrentProcess(), kKilled);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
        return 2;
    g_restore = wcscmp(argv[1], L"restore") == 0;
    g_killAt = static_cast<uint32_t>(_wtoi(argv[3]));
    AppInstance = GetModuleHandleW(nullptr);
    if (!CeMountDBVol(&DiaryVolume, kVolumePath, OPEN_ALWAYS))
        return 3;
    DiarySession = CeCreateSession(&DiaryVolume);
    CoInitializeEx(nullptr, 0);
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0)))
        return 4;
    backuptest::DialogScript script;
    script.ChooseFile(argv[2]);
    script.AnswerBoxes({IDYES});
    script.Arm();
    BackupJob.stepHook = g_killAt ? KillAtStep : nullptr;
    if (g_restore)
        RestoreDiaryData();
    else
        BackupDiaryData();
    script.Disarm();
    OutlookApp->Logoff();
    OutlookApp->Release();
    CoUninitialize();
    CloseHandle(DiarySession);
    CeUnmountDBVol(&DiaryVolume);
    return 0;
}
