// Benchmark of the person-in-charge picker's search (not a test). Puts 5000
// contacts (or the number given) on a fresh device store, then times in one run
//   - a bare read of the Contacts Database (every record, nothing kept),
//     the baseline,
//   - the picker's opening (which reads the contacts once),
//   - the picker's search, with the first contact's name and with an
//     empty text that lists them all,
// and prints each beside the baseline as a ratio.
//   tools/device make DEV && xvfb-run -a tools/device exec DEV --seconds 900 "$PWD/build/bin/assignee_picker_bench.exe"
#include "editors/assignee_picker.h"
#include "lists/bench/bench_support.h"
#include "lists/company_address.h"
#include "core/state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kDefaultContacts = 5000;
constexpr int kRuns = 5;
constexpr wchar_t kContactsDatabase[] = L"Contacts Database";
constexpr unsigned kContactsSeed = 20070301;

// The baseline: every record of the Contacts Database read and dropped.
int BareRead()
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&DiaryVolume, &oid, const_cast<LPWSTR>(kContactsDatabase), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return 0;
    int records = bench::ReadEveryRecord(database);
    CloseHandle(database);
    return records;
}

int Search(HWND picker, const wchar_t* text)
{
    SetDlgItemTextW(picker, IDC_PICKER_SEARCH_TEXT, text);
    SearchAssigneeContacts(picker);
    return static_cast<int>(SendDlgItemMessageW(picker, IDC_PICKER_LIST, LVM_GETITEMCOUNT, 0, 0));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    // The number of contacts may be given: assignee_picker_bench.exe [contacts]
    int contacts = argc > 1 ? _wtoi(argv[1]) : kDefaultContacts;
    if (contacts <= 0)
        contacts = kDefaultContacts;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    AppInstance = GetModuleHandleW(nullptr);
    if (!bench::StartStore(L"assignee_picker_bench", true))
        return 1;
    double start = bench::NowMs();
    bench::Numbers numbers(kContactsSeed);
    // The first contact's shown name, a text that few hold.
    std::wstring few = bench::AddContacts(contacts, numbers, bench::ContactFields::kNamesAndCompany);
    std::wprintf(L"assignee_picker_bench: %d contacts written in %.0f ms\n", contacts, bench::NowMs() - start);

    int records = 0, fewRows = 0, all = 0;
    double bare = bench::MedianMs([&] { records = BareRead(); }, kRuns);
    HWND picker = nullptr;
    double open = bench::MedianMs([&] {
        if (picker)
            DestroyWindow(picker);
        picker = CreateDialogParamW(AppInstance, MAKEINTRESOURCEW(IDD_ASSIGNEE_PICKER), nullptr,
                                    AssigneePickerDlgProc, 0);
    }, kRuns);
    if (!picker) {
        std::fwprintf(stderr, L"assignee_picker_bench: no picker dialog (the bench needs a display: xvfb-run -a)\n");
        return 1;
    }
    double some = bench::MedianMs([&] { fewRows = Search(picker, few.c_str()); }, kRuns);
    double every = bench::MedianMs([&] { all = Search(picker, L""); }, kRuns);

    std::wprintf(L"  %d records; median of %d runs\n", records, kRuns);
    std::wprintf(L"  bare read of the contact records (baseline)   %8.1f ms  1.00\n", bare);
    std::wprintf(L"  picker opening (reads the contacts)           %8.1f ms  %.2f\n", open, open / bare);
    std::wprintf(L"  picker search, one name (%4d rows)        %8.1f ms  %.2f\n", fewRows, some, some / bare);
    std::wprintf(L"  picker search, empty text (%4d rows)          %8.1f ms  %.2f\n", all, every, every / bare);
    DestroyWindow(picker);
    ReleaseContactSearchItems();
    bench::StopStore();
    return 0;
}
