// Times the backup's passes and the restore's phases over a large diary
// (5000 contacts, 2000 appointments of which a third recur with exceptions,
// 1000 tasks, 500 memos, 300 anniversaries and links), each beside the same
// records written bare by CeWriteRecordProps in the same run. Not a test:
//   tools/device make DEV && tools/device exec DEV --seconds 1800 "$PWD/build/bin/backup_bench.exe"
#include "backup/check_pass.h"
#include "backup/outlook_access.h"
#include "backup/restore_pass.h"
#include "backup/state.h"
#include "backup/write_pass.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "mainwindow/diary_databases.h"
#include "platform/outlook/client_values.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kContacts = 5000;
constexpr int kAppointments = 2000;
constexpr int kTasks = 1000;
constexpr int kMemos = 500;
constexpr int kAnniversaries = 300;
constexpr int kPlanLinks = 1500;
constexpr int kTaskLinks = 500;
constexpr int kNoteFileLinks = 200;

wchar_t kVolumePath[] = L"\\pim.vol";
wchar_t kBareVolumePath[] = L"\\Temp\\bare.vol";
constexpr wchar_t kFile[] = L"\\Temp\\bench.qnb";
const wchar_t* const kVolumeFiles[] = {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm",
                                       L"\\Temp\\bare.vol", L"\\Temp\\bare.vol-wal", L"\\Temp\\bare.vol-shm"};
const wchar_t* const kDatabases[] = {L"Contacts Database", L"Appointments Database", L"Tasks Database",
                                     L"QuillonPlan",       L"QuillonTask",           L"QuillonNoteOutlook",
                                     L"QuillonNote",       L"QuillonMemo",           L"QuillonMemo2",
                                     L"QuillonEnv"};

double Now()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

using poomclient::Text;

DATE DateOf(int year, int month, int day, int hour = 0)
{
    return poomclient::Date(year, month, day, hour);
}

std::vector<CEOID> MakeContacts()
{
    static const wchar_t* kLast[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤"};
    std::vector<CEOID> ids;
    ComRef<IPOutlookItemCollection> items = FolderItems(olFolderContacts);
    for (int i = 0; i < kContacts; ++i) {
        ComRef<IDispatch> item;
        items->Add(item.Out());
        ComRef<IContact> contact = ItemAs<IContact>(item.Get(), IID_IContact);
        contact->put_LastName(Text(kLast[i % 8]));
        contact->put_FirstName(Text(L"민수" + std::to_wstring(i)));
        contact->put_CompanyName(Text(L"Quillon 주식회사 " + std::to_wstring(i % 97)));
        contact->put_MobileTelephoneNumber(Text(L"010-1234-" + std::to_wstring(1000 + i % 9000)));
        contact->put_Email1Address(Text(L"user" + std::to_wstring(i) + L"@example.com"));
        contact->put_BusinessAddressStreet(Text(L"서울시 강남구 테헤란로 " + std::to_wstring(i % 500)));
        if (i % 4 == 0)
            contact->put_Birthday(DateOf(1960 + i % 40, 1 + i % 12, 1 + i % 28));
        contact->Save();
        ids.push_back(OidOf(contact.Get()));
    }
    return ids;
}

std::vector<CEOID> MakeAppointments()
{
    std::vector<CEOID> ids;
    for (int i = 0; i < kAppointments; ++i) {
        ComRef<IDispatch> item;
        OutlookApp->CreateItem(olAppointmentItem, item.Out());
        ComRef<IAppointment> appointment = ItemAs<IAppointment>(item.Get(), IID_IAppointment);
        DATE start = DateOf(2007, 1, 1, 9 + i % 8) + i % 365;
        appointment->put_Subject(Text(L"회의 " + std::to_wstring(i)));
        appointment->put_Location(Text(L"본사 " + std::to_wstring(i % 20)));
        appointment->put_Start(start);
        appointment->put_End(start + 1.0 / 24);
        bool recurring = i % 3 == 0;
        if (recurring) {
            ComRef<IRecurrencePattern> pattern;
            appointment->GetRecurrencePattern(pattern.Out());
            pattern->put_RecurrenceType(olRecursWeekly);
            pattern->put_Occurrences(20);
        }
        appointment->Save();
        if (recurring) {
            ComRef<IRecurrencePattern> pattern;
            appointment->GetRecurrencePattern(pattern.Out());
            ComRef<IAppointment> moved, gone;
            if (SUCCEEDED(pattern->GetOccurrence(start + 7, moved.Out()))) {
                moved->put_Subject(Text(L"변경 " + std::to_wstring(i)));
                moved->Save();
            }
            if (SUCCEEDED(pattern->GetOccurrence(start + 14, gone.Out())))
                gone->Delete();
        }
        ids.push_back(OidOf(appointment.Get()));
    }
    return ids;
}

std::vector<CEOID> MakeTasks()
{
    std::vector<CEOID> ids;
    for (int i = 0; i < kTasks; ++i) {
        ComRef<IDispatch> item;
        OutlookApp->CreateItem(olTaskItem, item.Out());
        ComRef<ITask> task = ItemAs<ITask>(item.Get(), IID_ITask);
        task->put_Subject(Text(L"작업 " + std::to_wstring(i)));
        task->put_DueDate(DateOf(2007, 6, 1) + i % 100);
        task->Save();
        ids.push_back(OidOf(task.Get()));
    }
    return ids;
}

void MakeOwnRows(const std::vector<CEOID>& contacts, const std::vector<CEOID>& appointments,
                 const std::vector<CEOID>& tasks)
{
    for (int i = 0; i < kPlanLinks; ++i)
        AddPlanLink(contacts[static_cast<size_t>(i * 3) % contacts.size()], appointments[static_cast<size_t>(i) % appointments.size()]);
    for (int i = 0; i < kTaskLinks; ++i)
        AddTaskLink(contacts[static_cast<size_t>(i * 7) % contacts.size()], tasks[static_cast<size_t>(i) % tasks.size()]);
    for (int i = 0; i < kNoteFileLinks; ++i)
        AddNoteFileLink(contacts[static_cast<size_t>(i * 11) % contacts.size()],
                        (L"\\My Documents\\메모" + std::to_wstring(i) + L".pwi").c_str());
    std::vector<BYTE> body(600, 0x41);
    for (int i = 0; i < kMemos; ++i) {
        SetRichInkBody(body.data(), static_cast<DWORD>(body.size()));
        wchar_t category[] = L"업무";
        InsertNoteRecord(10001 + i, L"2007-05-31", category, (L"메모 " + std::to_wstring(i)).c_str(),
                         i % 2 ? contacts[static_cast<size_t>(i * 13) % contacts.size()] : 0);
        FreeRichInkBody();
    }
    for (int i = 0; i < kAnniversaries; ++i) {
        wchar_t time[6] = L"10:00";
        InsertAnniversaryRecord(20001 + i, (L"생일 " + std::to_wstring(i)).c_str(), L'1', L"1975-03-14", L'0', L'0',
                                L'1', 3, time, L"1975", L"3", L"14", appointments[static_cast<size_t>(i)],
                                i % 3 ? L"메모" : L"");
    }
}

// Every record of the diary's databases, read once, then written with
// CeWriteRecordProps into databases of a volume of their own: the floor
// the passes are measured against. Returns the seconds of the writes.
double WriteBare(int* records)
{
    struct Read {
        std::wstring database;
        BYTE* buffer;
        WORD count;
    };
    std::vector<Read> reads;
    for (const wchar_t* name : kDatabases) {
        CEOID oid = 0;
        HANDLE db = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr, 0, nullptr);
        if (db == INVALID_HANDLE_VALUE)
            continue;
        DWORD index = 0;
        CEOID at = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index);
        while (at) {
            Read read = {name, nullptr, 0};
            DWORD size = 0;
            if (!CeReadRecordPropsEx(db, 0, &read.count, nullptr, &read.buffer, &size, nullptr))
                break;
            reads.push_back(read);
            at = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
        CloseHandle(db);
    }
    CEGUID bare = {};
    CeMountDBVol(&bare, kBareVolumePath, CREATE_ALWAYS);
    for (const wchar_t* name : kDatabases) {
        CEDBASEINFOEX info = {};
        info.wVersion = CEDBASEINFOEX_VERSION;
        info.dwFlags = CEDB_VALIDNAME;
        lstrcpynW(info.szDbaseName, name, CEDB_MAXDBASENAMELEN);
        CeCreateDatabaseEx2(&bare, &info);
    }
    double start = Now();
    std::wstring open;
    HANDLE db = INVALID_HANDLE_VALUE;
    for (const Read& read : reads) {
        if (read.database != open) {
            if (db != INVALID_HANDLE_VALUE)
                CloseHandle(db);
            CEOID oid = 0;
            db = CeOpenDatabaseEx2(&bare, &oid, const_cast<LPWSTR>(read.database.c_str()), nullptr, 0, nullptr);
            open = read.database;
        }
        CeWriteRecordProps(db, 0, read.count, reinterpret_cast<CEPROPVAL*>(read.buffer));
    }
    if (db != INVALID_HANDLE_VALUE)
        CloseHandle(db);
    double seconds = Now() - start;
    for (const Read& read : reads)
        LocalFree(read.buffer);
    CeUnmountDBVol(&bare);
    *records = static_cast<int>(reads.size());
    return seconds;
}

double g_resetEnd = 0;
uint32_t g_resetEndPosition = 0;

void Report(const char* name, double seconds, double bare)
{
    printf("%-34s %9.2f s   %7.1f x bare\n", name, seconds, bare > 0 ? seconds / bare : 0.0);
}

}  // namespace

int wmain()
{
    for (const wchar_t* file : kVolumeFiles)
        DeleteFileW(file);
    if (!CeMountDBVol(&DiaryVolume, kVolumePath, OPEN_ALWAYS))
        return 1;
    DiarySession = CeCreateSession(&DiaryVolume);
    CoInitializeEx(nullptr, 0);
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0)))
        return 2;
    CreateDiaryDatabases();

    double start = Now();
    std::vector<CEOID> contacts = MakeContacts();
    std::vector<CEOID> appointments = MakeAppointments();
    std::vector<CEOID> tasks = MakeTasks();
    MakeOwnRows(contacts, appointments, tasks);
    printf("diary made in %.1f s\n", Now() - start);

    int records = 0;
    double bare = WriteBare(&records);
    printf("%d records written bare in %.2f s\n\n", records, bare);

    HANDLE file = CreateFileW(kFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    BYTE head[kBackupHeaderBytes];
    EncodeBackupHeader(0, head);
    DWORD done = 0;
    WriteFile(file, head, sizeof(head), &done, nullptr);
    start = Now();
    bool written = WriteBackupFile(file);
    double backup = Now() - start;
    SetFilePointer(file, static_cast<LONG>(kBackupHeaderBytes), nullptr, FILE_BEGIN);
    BackupJob.recordTally = 0;
    start = Now();
    CheckBackupFile(file, false);
    double check = Now() - start;
    printf("backup: %s, %lu records, %lu bytes\n", written ? "complete" : "FAILED",
           static_cast<unsigned long>(BackupJob.recordsWritten), static_cast<unsigned long>(GetFileSize(file, nullptr)));
    Report("write pass with its check", backup, bare);
    Report("  of it the check pass", check, bare);

    SetFilePointer(file, static_cast<LONG>(kBackupHeaderBytes), nullptr, FILE_BEGIN);
    BackupJob.total = BackupJob.recordsWritten + kRestoreResetSteps;
    BackupJob.position = 0;
    BackupJob.stepHook = [](uint32_t position) {
        if (position == BackupJob.recordTally + kRestoreResetSteps) {
            g_resetEnd = Now();
            g_resetEndPosition = position;
        }
    };
    start = Now();
    RestoreFromBackupFile(file);
    double restore = Now() - start;
    bool complete = BackupJob.failures == 0 && BackupJob.position == 2 * BackupJob.total - kRestoreResetSteps;
    printf("restore: %s\n", complete ? "complete" : "FAILED");
    Report("restore", restore, bare);
    Report("  check", check, bare);
    Report("  reset", g_resetEnd - start - check, bare);
    Report("  replay", start + restore - g_resetEnd, bare);
    CloseHandle(file);

    OutlookApp->Logoff();
    OutlookApp->Release();
    CoUninitialize();
    CloseHandle(DiarySession);
    CeUnmountDBVol(&DiaryVolume);
    return complete && written ? 0 : 3;
}
