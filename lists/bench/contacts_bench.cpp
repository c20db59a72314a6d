// Benchmark of the contacts cache, filters and pick lists (not a test).
// Puts 5000 contacts on the device unless it has them, then times, in one
// run, a bare read of the Contacts Database in its name order (every record,
// nothing kept) as the baseline, and each loader, filter and list build,
// printed beside the baseline as a ratio.
//   tools/device make DEV
//   tools/device exec DEV --seconds 1800 "$PWD/build/bin/contacts_bench.exe"
#include "core/outlook_probes.h"
#include "lists/contact_filters.h"
#include "lists/contacts_cache.h"
#include "lists/distinct_names.h"
#include "lists/pick_lists.h"
#include "mainwindow/state.h"
#include "platform/outlook/client_values.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kContacts = 5000;
constexpr int kRuns = 3;
constexpr int kCompanies = 300;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best of a few runs, in milliseconds.
double Time(const std::function<void()>& work)
{
    double best = 0;
    for (int run = 0; run < kRuns; ++run) {
        double start = Now();
        work();
        double took = Now() - start;
        best = run == 0 ? took : std::min(best, took);
    }
    return best;
}

unsigned seed = 20240601;
unsigned Next(unsigned bound)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
}

std::wstring Phone(const wchar_t* prefix, int i)
{
    wchar_t text[32];
    _snwprintf(text, 32, L"%ls-%04d-%04d", prefix, i % 10000, (i * 7919) % 10000);
    text[31] = L'\0';
    return text;
}

void Put(IContact* contact, HRESULT (STDMETHODCALLTYPE IContact::*setter)(BSTR), const std::wstring& value)
{
    if (!value.empty())
        (contact->*setter)(poomclient::Text(value));
}

void AddContacts(int count)
{
    const wchar_t* lastNames[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤", L"장", L"임", L"Smith", L"Lee"};
    const wchar_t* categories[] = {L"", L"", L"가족", L"친구", L"친구, 동창", L"거래처, 회사"};
    for (int i = 0; i < count; ++i) {
        IContact* contact = nullptr;
        if (FAILED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact))))
            return;
        std::wstring first = std::wstring(1, static_cast<wchar_t>(0xAC00 + Next(11172))) +
                             static_cast<wchar_t>(0xAC00 + Next(11172));
        Put(contact, &IContact::put_LastName, lastNames[Next(12)]);
        Put(contact, &IContact::put_FirstName, first);
        if (Next(5))
            Put(contact, &IContact::put_CompanyName, L"회사" + std::to_wstring(Next(kCompanies)));
        Put(contact, &IContact::put_Department, L"부서" + std::to_wstring(Next(40)));
        Put(contact, &IContact::put_JobTitle, L"직위" + std::to_wstring(Next(20)));
        Put(contact, &IContact::put_MobileTelephoneNumber, Phone(L"010", i));
        if (i % 2)
            Put(contact, &IContact::put_BusinessTelephoneNumber, Phone(L"02", i + 1));
        Put(contact, &IContact::put_HomeTelephoneNumber, Phone(L"031", i + 2));
        Put(contact, &IContact::put_Categories, categories[Next(6)]);
        contact->Save();
        contact->Release();
    }
}

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
    BYTE* buffer = nullptr;
    DWORD size = 0;
    CEOID at = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    while (at) {
        WORD count = 0;
        if (!CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            break;
        at = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, nullptr);
    }
    LocalFree(buffer);
    CloseHandle(database);
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

// Times the work and prints it beside the baseline with the rows it left.
void Measure(const wchar_t* what, const std::function<void()>& work, const int& rows)
{
    double ms = Time(work);
    if (baseline == 0)
        baseline = ms;
    wprintf(L"%-40ls %9.2f ms  %8.3f x baseline  (%d rows)\n", what, ms, baseline > 0 ? ms / baseline : 0.0, rows);
    fflush(stdout);
}

}  // namespace

int wmain()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (FAILED(CoInitializeEx(nullptr, 0)) ||
        FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0))) {
        wprintf(L"contacts_bench: no Pocket Outlook\n");
        return 1;
    }
    IFolder* folder = nullptr;  // makes the system databases when missing
    OutlookApp->GetDefaultFolder(olFolderContacts, &folder);
    if (folder)
        folder->Release();
    CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(L"\\pim.vol"), OPEN_ALWAYS);
    DiarySession = CeCreateSession(&DiaryVolume);
    int stored = ReadSystemRecordCount(kContactsDatabaseName);
    if (stored < kContacts) {
        wprintf(L"adding %d contacts ...\n", kContacts - stored);
        fflush(stdout);
        double start = Now();
        AddContacts(kContacts - std::max(stored, 0));
        wprintf(L"added in %.0f ms\n", Now() - start);
    }
    GetContactsNameSortOrder();
    MakeLists();

    int records = ReadSystemRecordCount(kContactsDatabaseName);
    wprintf(L"%d contacts; the baseline reads every record of the Contacts Database in name order\n", records);
    Measure(L"bare object-store read (baseline)", BareStoreRead, records);

    Measure(L"LoadContactsCacheFromOutlook", LoadContactsCacheFromOutlook, ContactsCache.count);
    Measure(L"LoadContactsCacheFromDatabase", LoadContactsCacheFromDatabase, ContactsCache.count);

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
    OutlookApp->Logoff();
    OutlookApp->Release();
    CloseHandle(DiarySession);
    CeUnmountDBVol(&DiaryVolume);
    CoUninitialize();
    return 0;
}
