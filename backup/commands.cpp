#include "backup/commands.h"

#include "backup/backup_file.h"
#include "backup/outlook_access.h"
#include "backup/progress_dialog.h"
#include "backup/state.h"
#include "core/outlook_probes.h"
#include "core/record_layouts.h"
#include "core/signal_files.h"
#include "mainwindow/button_faces.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

#include <string>

namespace {

constexpr wchar_t kBackupFilter[] = L"Vestamor 다이어리 백업파일\0*.qnb\0";
constexpr wchar_t kBackupExtension[] = L"qnb";
constexpr wchar_t kNotice[] = L"알림";
constexpr wchar_t kConfirm[] = L"확인";
constexpr wchar_t kConfirmRestore[] =
    L"%s 백업파일로 다이어리 자료복원 작업을 하시겠습니까?\n\n다이어리 자료복원을 하시면 기존의 다이어리 "
    L"자료(연락처,일정,작업,메모,기념일)는 모두 삭제되고 선택한 다이어리 백업파일 내용으로 다이어리 내용이 바뀝니다.";
constexpr wchar_t kInvalidFile[] = L"올바르지 않은 복원파일이므로 다이어리 자료복원 작업이 실패했었습니다.";
constexpr int kWorkSuffixChars = 3;

const wchar_t* const kBackedUpDatabases[] = {kPlanLinkDatabase, kTaskLinkDatabase, kNoteFileLinkDatabase,
                                             kNoteDatabase,     kAnniversaryDatabase, kAnniversaryTextDatabase};
const int kBackedUpFolders[] = {olFolderContacts, olFolderCalendar, olFolderTasks};

// A new job of the mode; the tests' step hook stays.
void StartJob(int mode)
{
    auto hook = BackupJob.stepHook;
    BackupJob = BackupJobState();
    BackupJob.mode = mode;
    BackupJob.stepHook = hook;
}

OPENFILENAMEW FileRequest(LPWSTR buffer)
{
    OPENFILENAMEW request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = MainWindow;
    request.lpstrFilter = kBackupFilter;
    request.lpstrFile = buffer;
    request.nMaxFile = kBackupPathChars;
    request.lpstrDefExt = kBackupExtension;
    return request;
}

// Every record the diary holds now, and the counter row.
uint32_t RecordsToBackUp()
{
    uint32_t total = 1;
    for (int folder : kBackedUpFolders) {
        ComRef<IPOutlookItemCollection> items = FolderItems(folder);
        int count = 0;
        if (items && SUCCEEDED(items->get_Count(&count)) && count > 0)
            total += static_cast<uint32_t>(count);
    }
    for (const wchar_t* database : kBackedUpDatabases) {
        int count = ReadSystemRecordCount(database);
        if (count > 0)
            total += static_cast<uint32_t>(count);
    }
    return total;
}

void WriteHead(HANDLE file, uint32_t count)
{
    BYTE head[kBackupHeaderBytes];
    EncodeBackupHeader(count, head);
    DWORD written = 0;
    WriteFile(file, head, sizeof(head), &written, nullptr);
}

// The restore file opened and its head read; null when it is not a backup.
HANDLE OpenRestoreFile(LPCWSTR path, BackupHeader* header)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    BYTE head[kBackupHeaderBytes];
    DWORD read = 0;
    if (!ReadFile(file, head, sizeof(head), &read, nullptr) || !DecodeBackupHeader(head, read, header)) {
        CloseHandle(file);
        return nullptr;
    }
    return file;
}

// What a restore tells the rest of the program, whatever its outcome: every
// view, the month schedule and the Today item read again; the items have
// new ids, so the watch takes the databases as they are now (same counts
// would otherwise hide the change from the contacts cache).
void AfterRestore()
{
    for (BYTE& stale : ViewStale)
        stale = 1;
    RunHook(Hooks.ForgetMonthSchedule);
    RestoreDone = true;
    if (!CreateSignalFile(SignalFile::DataChanged))
        NKDbgPrintfW(L"restore: the Today item's data-changed marker not made (%lu)\r\n", GetLastError());
    MarkContactsDatabaseSeen();
    MarkAppointmentsDatabaseSeen();
    MarkTasksDatabaseSeen();
}

// Files a dialog that never ran (or ended otherwise) left open.
void CloseJobFiles()
{
    if (BackupJob.backupFile) {
        CloseHandle(BackupJob.backupFile);
        DeleteFileW(BackupJob.workPath);
    }
    if (BackupJob.restoreFile)
        CloseHandle(BackupJob.restoreFile);
    BackupJob.backupFile = nullptr;
    BackupJob.restoreFile = nullptr;
}

void BackupFromMenu()
{
    BackupDiaryData();
}

void RestoreFromMenu()
{
    RestoreDiaryData();
    if (!RestoreDone)
        return;
    IndexTab = kIndexTabAll;
    InvalidateIndexBar();
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
}

}  // namespace

void InstallBackupHooks()
{
    Hooks.BackupDiaryData = BackupFromMenu;
    Hooks.RestoreDiaryData = RestoreFromMenu;
}

void DefaultBackupFileName(LPWSTR out, size_t chars)
{
    wchar_t today[16] = L"";
    GetDateFormat(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyMMdd", today, ARRAYSIZE(today));
    StringCchPrintfW(out, chars, L"Quillon%s.qnb", today);
}

void BackupWorkPath(LPCWSTR finalPath, LPWSTR out, size_t chars)
{
    std::wstring work = finalPath;
    size_t keep = work.size() > kWorkSuffixChars ? work.size() - kWorkSuffixChars : 0;
    work.replace(keep, std::wstring::npos, kWorkSuffixChars, L'$');
    if (_wcsicmp(work.c_str(), finalPath) == 0)
        work = std::wstring(finalPath) + L".$$$";
    StringCchCopyW(out, chars, work.c_str());
}

int BackupDiaryData()
{
    wchar_t path[kBackupPathChars];
    DefaultBackupFileName(path, kBackupPathChars);
    OPENFILENAMEW request = FileRequest(path);
    if (!GetSaveFileName(&request))
        return 0;
    StartJob(kBackupModeBackup);
    StringCchCopyW(BackupJob.finalPath, kBackupPathChars, path);
    BackupWorkPath(BackupJob.finalPath, BackupJob.workPath, kBackupPathChars);
    HANDLE file = CreateFileW(BackupJob.workPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    BackupJob.backupFile = file == INVALID_HANDLE_VALUE ? nullptr : file;
    BackupJob.total = RecordsToBackUp();
    BackupJob.position = 0;
    if (BackupJob.backupFile)
        WriteHead(BackupJob.backupFile, BackupJob.total);
    RunBackupProgressDialog();
    CloseJobFiles();
    return 0;
}

void RestoreDiaryData()
{
    RestoreDone = false;
    wchar_t path[kBackupPathChars] = L"";
    OPENFILENAMEW request = FileRequest(path);
    if (!GetOpenFileName(&request))
        return;
    std::wstring question(wcslen(kConfirmRestore) + wcslen(path) + 1, L'\0');
    StringCchPrintfW(question.data(), question.size(), kConfirmRestore, path);
    if (MessageBoxW(MainWindow, question.c_str(), kConfirm, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    BackupHeader header = {};
    HANDLE file = OpenRestoreFile(path, &header);
    if (!file) {
        MessageBoxW(MainWindow, kInvalidFile, kNotice, MB_OK);
        return;
    }
    StartJob(kBackupModeRestore);
    StringCchCopyW(BackupJob.finalPath, kBackupPathChars, path);
    BackupJob.restoreFile = file;
    BackupJob.total = header.recordCount + kRestoreResetSteps;
    BackupJob.position = 0;
    RunBackupProgressDialog();
    CloseJobFiles();
    AfterRestore();
}
