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
#include "lists/company_address.h"
#include "core/state.h"
#include "mainwindow/state.h"
#include "platform/outlook/client_values.h"
#include "resources/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultContacts = 5000;
constexpr int kRuns = 5;
constexpr wchar_t kContactsDatabase[] = L"Contacts Database";

unsigned seed = 20070301;
unsigned Next(unsigned bound)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
}

// The contacts; returns the first one's shown name, a text that few hold.
std::wstring AddContacts(int count)
{
    std::wstring firstShown;
    const wchar_t* lastNames[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤", L"장", L"임", L"Smith", L"Lee"};
    for (int i = 0; i < count; ++i) {
        IContact* contact = nullptr;
        if (FAILED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact))) || !contact)
            return firstShown;
        std::wstring first = std::wstring(1, static_cast<wchar_t>(0xAC00 + Next(11172))) +
                             static_cast<wchar_t>(0xAC00 + Next(11172));
        const wchar_t* last = lastNames[Next(12)];
        if (i == 0)
            firstShown = last + first;
        contact->put_LastName(poomclient::Text(last));
        contact->put_FirstName(poomclient::Text(first));
        if (Next(5))
            contact->put_CompanyName(poomclient::Text(L"회사" + std::to_wstring(Next(300))));
        contact->Save();
        contact->Release();
    }
    return firstShown;
}

// The baseline: every record of the Contacts Database read and dropped.
int BareRead()
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx2(&DiaryVolume, &oid, const_cast<LPWSTR>(kContactsDatabase), nullptr, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return 0;
    int records = 0;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    CEOID at = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    while (at) {
        WORD count = 0;
        if (!CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            break;
        ++records;
        at = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr);
    }
    LocalFree(buffer);
    CloseHandle(database);
    return records;
}

double MedianMilliseconds(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    for (const wchar_t* file : {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"})
        DeleteFileW(file);
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    AppInstance = GetModuleHandleW(nullptr);
    if (FAILED(CoInitializeEx(nullptr, 0)) ||
        FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0))) {
        std::fwprintf(stderr, L"assignee_picker_bench: Pocket Outlook is not available\n");
        return 1;
    }
    IFolder* folder = nullptr;  // makes the system databases
    OutlookApp->GetDefaultFolder(olFolderContacts, &folder);
    if (folder)
        folder->Release();
    CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(L"\\pim.vol"), OPEN_ALWAYS);
    auto start = std::chrono::steady_clock::now();
    std::wstring few = AddContacts(contacts);
    std::wprintf(L"assignee_picker_bench: %d contacts written in %.0f ms\n", contacts,
                 std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());

    int records = 0, fewRows = 0, all = 0;
    double bare = MedianMilliseconds([&] { records = BareRead(); });
    HWND picker = nullptr;
    double open = MedianMilliseconds([&] {
        if (picker)
            DestroyWindow(picker);
        picker = CreateDialogParamW(AppInstance, MAKEINTRESOURCEW(IDD_ASSIGNEE_PICKER), nullptr,
                                    AssigneePickerDlgProc, 0);
    });
    if (!picker) {
        std::fwprintf(stderr, L"assignee_picker_bench: no picker dialog (the bench needs a display: xvfb-run -a)\n");
        return 1;
    }
    double some = MedianMilliseconds([&] { fewRows = Search(picker, few.c_str()); });
    double every = MedianMilliseconds([&] { all = Search(picker, L""); });

    std::wprintf(L"  %d records; median of %d runs\n", records, kRuns);
    std::wprintf(L"  bare read of the contact records (baseline)   %8.1f ms  1.00\n", bare);
    std::wprintf(L"  picker opening (reads the contacts)           %8.1f ms  %.2f\n", open, open / bare);
    std::wprintf(L"  picker search, one name (%4d rows)        %8.1f ms  %.2f\n", fewRows, some, some / bare);
    std::wprintf(L"  picker search, empty text (%4d rows)          %8.1f ms  %.2f\n", all, every, every / bare);
    DestroyWindow(picker);
    ReleaseContactSearchItems();
    OutlookApp->Logoff();
    OutlookApp->Release();
    OutlookApp = nullptr;
    CeUnmountDBVol(&DiaryVolume);
    CoUninitialize();
    return 0;
}
