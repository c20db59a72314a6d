// Benchmark of a schedule save as a user makes it (not a test). Starts the
// main window on a fresh device store with 5000 contacts and the month of
// the schedule benches (about 300 appointments), shows that month, then
// times in one run
//   - the bare path (the baseline): the saved appointment's record written
//     straight into the Appointments Database, then the month restricted and
//     walked item by item,
//   - 등록 in the schedule editor until the month list shows the saved item,
//     selected, and the window has painted,
//   - of that, the month's reload alone (the month command with the key
//     forgotten, as a save leaves it),
// and prints each beside the baseline as a ratio, and what one list notice
// costs the main window against a plain window, bare and subclassed. Each saved item is
// deleted again, so that every run saves into the same month.
//   tools/device make DEV && xvfb-run -a tools/device exec DEV --seconds 900 "$PWD/build/bin/schedule_save_bench.exe"
// or three runs and their medians: tools/bench DEV schedule_save_bench
#include "core/outlook_probes.h"
#include "core/settings_file.h"
#include "core/state.h"
#include "editors/diary_forms_setup.h"
#include "editors/item_editors_setup.h"
#include "lists/bench/bench_support.h"
#include "lists/contacts_cache.h"
#include "lists/state.h"
#include "mainwindow/startup.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/editors.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kContacts = 5000;
constexpr int kRuns = 7;
constexpr unsigned kContactsSeed = 20240601;
constexpr unsigned kMonthSeed = 20070301;
constexpr wchar_t kShownDate[] = L"2007-03-12";
constexpr WORD kSavedDay = 15;
constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";
constexpr UINT kFillDelayMs = 10;
constexpr DWORD kEditorWaitMs = 15000;

void WriteDefaultSettings()
{
    DiarySettings settings = ParseSettingsRecord(nullptr, 0, RGB(255, 255, 255));
    std::string record = FormatSettingsRecord(settings);
    HANDLE file = CreateFileW(kSettingsFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
}

void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The month shown as the month command shows it, the window painted.
void ShowMonth()
{
    ScheduleMode = 'M';
    wcscpy(CurrentDate, kShownDate);
    SendItemCommand(ID_SCHEDULE_MONTH_MODE);
    UpdateWindow(MainWindow);
    PumpPending();
}

// ---- one save through the editor ------------------------------------------------

struct SaveRun {
    std::wstring title;
    double clicked = 0;  // when 등록 was pressed
    DWORD deadline = 0;
    bool pressed = false;
};
SaveRun* currentSave = nullptr;

BOOL CALLBACK FindEditor(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_SCHEDULE_TITLE) && GetDlgItem(window, IDC_EDITOR_OK)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void SetStartDay(HWND dialog)
{
    HWND picker = GetDlgItem(dialog, IDC_SCHEDULE_START_DATE);
    SYSTEMTIME time = {};
    SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    time.wYear = 2007;
    time.wMonth = 3;
    time.wDay = kSavedDay;
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = IDC_SCHEDULE_START_DATE;
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = time;
    SendMessageW(dialog, WM_NOTIFY, IDC_SCHEDULE_START_DATE, reinterpret_cast<LPARAM>(&change));
}

// Runs inside the editor's own loop: fills the form as a user would, then
// presses 등록; an editor that never comes is given up on.
void CALLBACK FillAndSave(HWND, UINT, UINT_PTR timer, DWORD)
{
    SaveRun& run = *currentSave;
    HWND editor = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindEditor, reinterpret_cast<LPARAM>(&editor));
    if (!editor) {
        if (GetTickCount() > run.deadline)
            KillTimer(nullptr, timer);
        return;
    }
    KillTimer(nullptr, timer);
    SetStartDay(editor);
    SetDlgItemTextW(editor, IDC_SCHEDULE_TITLE, run.title.c_str());
    run.pressed = true;
    run.clicked = bench::NowMs();
    SendMessageW(GetDlgItem(editor, IDC_EDITOR_OK), BM_CLICK, 0, 0);
}

std::wstring ListText(HWND list, int row, int column)
{
    wchar_t text[128] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = ARRAYSIZE(text);
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

// The milliseconds from 등록 to the list showing the saved item selected,
// painted; -1 when it does not show. The saved item's id in *saved.
double SaveThroughEditor(int number, CEOID* saved)
{
    SaveRun run;
    run.title = L"저장 시험 " + std::to_wstring(number);
    run.deadline = GetTickCount() + kEditorWaitMs;
    currentSave = &run;
    SelectedAppointmentOid = 0;
    SetTimer(nullptr, 0, kFillDelayMs, FillAndSave);
    SendItemCommand(ID_APPOINTMENT_NEW);
    UpdateWindow(MainWindow);
    double shown = bench::NowMs();
    currentSave = nullptr;
    *saved = SelectedAppointmentOid;
    int row = static_cast<int>(SendMessageW(ScheduleList, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
    if (!run.pressed || !*saved || row < 0 || ListText(ScheduleList, row, 1) != run.title)
        return -1;
    return shown - run.clicked;
}

void DeleteAppointment(CEOID oid)
{
    IDispatch* item = nullptr;
    if (SUCCEEDED(OutlookApp->GetItemFromOid(static_cast<long>(oid), &item)) && item) {
        IAppointment* appointment = nullptr;
        if (SUCCEEDED(item->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment)))) {
            appointment->Delete();
            appointment->Release();
        }
        item->Release();
    }
    MarkAppointmentsDatabaseSeen();
    ScheduleCacheKey[0] = L'\0';  // as the program's own delete leaves it
}

// ---- the baseline -------------------------------------------------------------

struct StoredRecord {
    BYTE* buffer = nullptr;
    WORD count = 0;
};

HANDLE OpenAppointments()
{
    CEOID oid = 0;
    return CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(L"Appointments Database"),
                                   nullptr, 0, nullptr);
}

// Every property of the record as the save stored it.
StoredRecord ReadStoredRecord(CEOID oid)
{
    StoredRecord record;
    HANDLE database = OpenAppointments();
    if (database == INVALID_HANDLE_VALUE)
        return record;
    DWORD size = 0;
    if (!CeSeekDatabaseEx(database, CEDB_SEEK_CEOID, oid, 0, nullptr) ||
        !CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &record.count, nullptr, &record.buffer, &size, nullptr))
        record.count = 0;
    CloseHandle(database);
    return record;
}

// The same record written bare, then the month walked; the written record's id.
CEOID BareWriteAndWalk(const StoredRecord& record, int* walked)
{
    HANDLE database = OpenAppointments();
    if (database == INVALID_HANDLE_VALUE)
        return 0;
    CEOID written = CeWriteRecordProps(database, 0, record.count,
                                       reinterpret_cast<CEPROPVAL*>(record.buffer));
    CloseHandle(database);
    *walked = bench::WalkMonth();
    return written;
}

void DeleteBare(CEOID oid)
{
    HANDLE database = OpenAppointments();
    if (database != INVALID_HANDLE_VALUE) {
        CeDeleteRecord(database, oid);
        CloseHandle(database);
    }
    MarkAppointmentsDatabaseSeen();
}

// What one notice of a list costs its parent; a refill of the month list
// sends one for every row it deletes and inserts.
double NoticeMicroseconds(HWND parent)
{
    constexpr int kNotices = 1000;
    NMHDR notice = {};
    notice.code = LVN_HOTTRACK;
    double start = bench::NowMs();
    for (int i = 0; i < kNotices; ++i)
        SendMessageW(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
    return (bench::NowMs() - start) * 1000.0 / kNotices;
}

LRESULT CALLBACK PassOn(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    return DefSubclassProc(window, msg, wParam, lParam);
}

bool StartMainWindow()
{
    for (const wchar_t* file : {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"})
        DeleteFileW(file);
    WriteDefaultSettings();
    RegisterScheduleAndTaskEditors();
    RegisterDiaryForms();
    if (!InitInstance(GetModuleHandleW(nullptr), SW_SHOW) || !MainWindow || !OutlookApp) {
        std::fwprintf(stderr, L"schedule_save_bench: the main window did not start (it needs a display: xvfb-run -a)\n");
        return false;
    }
    UpdateWindow(MainWindow);
    PumpPending();
    return true;
}

}  // namespace

int wmain()
{
    if (!StartMainWindow())
        return 1;
    double start = bench::NowMs();
    bench::Numbers contacts(kContactsSeed);
    bench::AddContacts(kContacts, contacts, bench::ContactFields::kEveryField);
    bench::Numbers month(kMonthSeed);
    bench::WriteMonth(month);
    std::wprintf(L"schedule_save_bench: %d contacts and the month written in %.0f ms\n", kContacts,
                 bench::NowMs() - start);
    ReloadContactsCache();
    MarkContactsDatabaseSeen();
    MarkAppointmentsDatabaseSeen();
    SendMessageW(MainWindow, WM_COMMAND, IDC_SCHEDULE_VIEW_TAB, 0);
    ShowMonth();
    const int rowsBefore = ScheduleRowCount;

    // One save first, for the record the baseline writes bare.
    CEOID saved = 0;
    if (SaveThroughEditor(0, &saved) < 0) {
        std::fwprintf(stderr, L"schedule_save_bench: the saved item did not show in the month list\n");
        return 1;
    }
    StoredRecord record = ReadStoredRecord(saved);
    DeleteAppointment(saved);
    ShowMonth();
    if (record.count == 0) {
        std::fwprintf(stderr, L"schedule_save_bench: the saved record cannot be read\n");
        return 1;
    }

    int walked = 0;
    double bare = bench::MedianMs(
        [&] { DeleteBare(BareWriteAndWalk(record, &walked)); },
        kRuns);
    int failed = 0, number = 0;
    std::vector<double> saves;
    for (int run = 0; run < kRuns; ++run) {
        double took = SaveThroughEditor(++number, &saved);
        if (took < 0)
            ++failed;
        else
            saves.push_back(took);
        if (saved)
            DeleteAppointment(saved);
        ShowMonth();
    }
    std::sort(saves.begin(), saves.end());
    double save = saves.empty() ? 0 : saves[saves.size() / 2];
    double reload = bench::MedianMs(
        [] {
            ScheduleCacheKey[0] = L'\0';
            SendItemCommand(ID_SCHEDULE_MONTH_MODE);
            UpdateWindow(MainWindow);
        },
        kRuns);

    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND subclassed = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetWindowSubclass(subclassed, PassOn, 1, 0);
    std::wprintf(L"  %d rows in the month list, %d items walked bare; median of %d runs%ls\n", rowsBefore, walked,
                 kRuns, failed ? L"; SOME SAVES DID NOT SHOW" : L"");
    std::wprintf(L"  bare record write + month walk (baseline)      %8.1f ms  1.00\n", bare);
    std::wprintf(L"  save button to the saved item in the list      %8.1f ms  %.2f\n", save, save / bare);
    std::wprintf(L"    of it, the month reload (key forgotten)      %8.1f ms  %.2f\n", reload, reload / bare);
    std::wprintf(L"  a list notice to the main window %.1f us, to a plain window %.1f us, to one with a common-controls "
                 L"subclass %.1f us\n",
                 NoticeMicroseconds(MainWindow), NoticeMicroseconds(plain), NoticeMicroseconds(subclassed));
    LocalFree(record.buffer);
    DestroyWindow(plain);
    DestroyWindow(subclassed);
    DestroyWindow(MainWindow);
    PumpPending();
    return failed ? 1 : 0;
}
