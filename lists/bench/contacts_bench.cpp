// Benchmark of the contacts cache, filters and pick lists (not a test).
// Puts 5000 contacts on the device unless it has them, then times, in one
// run, a bare read of the Contacts Database in its name order (every record,
// nothing kept) as the baseline, and each loader, filter and list build,
// printed beside the baseline as a ratio. The direct loader is printed also
// beside a second baseline: every record it reads, read bare as it reads
// them (the contacts as above, then every record of the two category
// databases in stored order, each read moving on to the next).
//   tools/device make DEV
//   tools/device exec DEV --seconds 1800 "$PWD/build/bin/contacts_bench.exe"
// or three runs and their medians: tools/bench DEV contacts_bench
#include "core/item_categories.h"
#include "core/outlook_probes.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "lists/distinct_names.h"
#include "lists/bench/bench_support.h"
#include "lists/pick_lists.h"
#include "mainwindow/state.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kContacts = 5000;
constexpr int kRuns = 3;
constexpr unsigned kContactsSeed = 20240601;

// The baseline: every record of the Contacts Database in its name order,
// read and dropped.
void BareStoreRead()
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid,
                                              const_cast<LPWSTR>(kContactsDatabaseName), &ContactsNameSortOrder, 0,
                                              nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return;
    bench::ReadEveryRecord(database);
    CloseHandle(database);
}

// Every record of a database in insertion order, each read moving on to the
// next, read and dropped; the number read.
int BareReadOf(const wchar_t* name)
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr,
                                              CEDB_AUTOINCREMENT, nullptr);
    if (database == INVALID_HANDLE_VALUE)
        return 0;
    int records = 0;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    while (CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
        ++records;
    LocalFree(buffer);
    CloseHandle(database);
    return records;
}

constexpr wchar_t kAssociationDatabase[] = L"CategoryAssocDB";
constexpr wchar_t kCategoryDatabase[] = L"CategoryMainDB";

// The second baseline: the records the direct loader reads, read bare.
void BareReadOfTheLoadersRecords()
{
    BareStoreRead();
    BareReadOf(kAssociationDatabase);
    BareReadOf(kCategoryDatabase);
}

// The direct loader's second walk: the category associations of every item.
void ReadEveryCategoryAssociation()
{
    ItemCategoryReader reader(ItemCategoryReader::kManyItems);
}

HWND MakeList(HWND parent, DWORD style)
{
    return CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | style, 0, 0, 234,
                           105, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void MakeLists()
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 240, 320, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ContactList = MakeList(parent, LVS_OWNERDATA);
    KeypadResultList = MakeList(parent, LVS_OWNERDATA);
    CompanyContactList = MakeList(parent, LVS_OWNERDATA);
    GroupContactList = MakeList(parent, LVS_OWNERDATA);
    CompanyPickList = MakeList(parent, LVS_SHOWSELALWAYS);
    GroupPickList = MakeList(parent, LVS_SHOWSELALWAYS);
    for (HWND list : {CompanyPickList, GroupPickList}) {
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 200;
        ListView_InsertColumn(list, 0, &column);
    }
}

double baseline = 0;
double loadersRecordsBaseline = 0;

double Ratio(double ms, double of)
{
    return of > 0 ? ms / of : 0.0;
}

// Times the work and prints it beside the baseline with the rows it left.
double Measure(const wchar_t* what, const std::function<void()>& work, const int& rows)
{
    double ms = bench::MedianMs(work, kRuns);
    if (baseline == 0)
        baseline = ms;
    wprintf(L"%-40ls %9.2f ms  %8.3f x baseline  (%d rows)\n", what, ms, Ratio(ms, baseline), rows);
    fflush(stdout);
    return ms;
}

// The same, beside the second baseline too.
void MeasureBesideBoth(const wchar_t* what, const std::function<void()>& work, const int& rows)
{
    double ms = bench::MedianMs(work, kRuns);
    wprintf(L"%-40ls %9.2f ms  %8.3f x baseline  %8.3f x baseline 2  (%d rows)\n", what, ms, Ratio(ms, baseline),
            Ratio(ms, loadersRecordsBaseline), rows);
    fflush(stdout);
}

}  // namespace

int wmain()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!bench::StartStore(L"contacts_bench", false))
        return 1;
    int stored = ReadSystemRecordCount(kContactsDatabaseName);
    if (stored < kContacts) {
        wprintf(L"adding %d contacts ...\n", kContacts - std::max(stored, 0));
        fflush(stdout);
        double start = bench::NowMs();
        bench::Numbers numbers(kContactsSeed);
        bench::AddContacts(kContacts - std::max(stored, 0), numbers, bench::ContactFields::kEveryField);
        wprintf(L"added in %.0f ms\n", bench::NowMs() - start);
    }
    GetContactsNameSortOrder();
    MakeLists();

    int records = ReadSystemRecordCount(kContactsDatabaseName);
    wprintf(L"%d contacts; the baseline reads every record of the Contacts Database in name order\n", records);
    Measure(L"bare object-store read (baseline)", BareStoreRead, records);
    const int loadersRecords = records + BareReadOf(kAssociationDatabase) + BareReadOf(kCategoryDatabase);
    wprintf(L"baseline 2 reads the same, then every record of %ls and %ls\n", kAssociationDatabase,
            kCategoryDatabase);
    loadersRecordsBaseline = Measure(L"bare read, loader's records (baseline 2)", BareReadOfTheLoadersRecords,
                                     loadersRecords);

    Measure(L"LoadContactsCacheFromOutlook", LoadContactsCacheFromOutlook, ContactsCache.count);
    MeasureBesideBoth(L"LoadContactsCacheFromDatabase", LoadContactsCacheFromDatabase, ContactsCache.count);
    const int associations = BareReadOf(kAssociationDatabase);
    Measure(L"  its category associations, one pass", ReadEveryCategoryAssociation, associations);

    IndexTab = 0;
    Measure(L"FilterContactsByInitial (all)", FilterContactsByInitial, ContactTabCount);
    IndexTab = 1;
    Measure(L"FilterContactsByInitial (tab 1)", FilterContactsByInitial, ContactTabCount);
    IndexTab = kIndexTabSearch;
    ContactSearchField = 'S';
    wcscpy(ContactSearchText, L"ㄱ");
    Measure(L"FilterContactsBySearch ('S', initial)", FilterContactsBySearch, ContactTabCount);
    wcscpy(ContactSearchText, L"1234");
    Measure(L"FilterContactsBySearch ('S', digits)", FilterContactsBySearch, ContactTabCount);
    KeypadSearchField = 'S';
    wcscpy(KeypadText, L"12");
    Measure(L"FilterContactsByKeypad ('S')", FilterContactsByKeypad, KeypadSearchCount);
    KeypadSearchField = 'N';
    Measure(L"FilterContactsByKeypad ('N')", FilterContactsByKeypad, KeypadSearchCount);

    Measure(L"BuildCompanyNameList", BuildCompanyNameList, CompanyNameList.count);
    Measure(L"BuildGroupNameList", BuildGroupNameList, GroupNameList.count);
    Measure(L"BuildDepartmentAndTitleLists", BuildDepartmentAndTitleLists, DepartmentList.count);
    Measure(L"FillCompanyPickList", FillCompanyPickList, CompanyCount);
    Measure(L"FillGroupPickList", FillGroupPickList, GroupCount);
    wcscpy(CompanyChoice, L"회사7");
    Measure(L"FilterContactsByCompany", FilterContactsByCompany, CompanyContactCount);
    wcscpy(GroupChoice, L"친구");
    Measure(L"FilterContactsByGroup", FilterContactsByGroup, GroupContactCount);

    FreeContactsCacheTexts();
    ReleaseContactLoaderItems();
    bench::StopStore();
    return 0;
}
