#include "lists/bench/bench_support.h"

#include "platform/outlook/client_values.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

namespace {

constexpr int kCompanies = 300;
constexpr int kDepartments = 40;
constexpr int kJobTitles = 20;
constexpr unsigned kSyllables = 11172;
constexpr wchar_t kFirstSyllable = 0xAC00;

const wchar_t* const kLastNames[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤", L"장", L"임", L"Smith", L"Lee"};
const wchar_t* const kCategories[] = {L"", L"", L"가족", L"친구", L"친구, 동창", L"거래처, 회사"};

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

}  // namespace

bool StartStore(const wchar_t* benchName, bool freshStore)
{
    if (freshStore) {
        for (const wchar_t* file : {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"})
            DeleteFileW(file);
    }
    if (FAILED(CoInitializeEx(nullptr, 0)) ||
        FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&OutlookApp))) ||
        FAILED(OutlookApp->Logon(0))) {
        std::fwprintf(stderr, L"%ls: Pocket Outlook is not available\n", benchName);
        return false;
    }
    IFolder* folder = nullptr;  // makes the system databases when missing
    if (SUCCEEDED(OutlookApp->GetDefaultFolder(olFolderContacts, &folder)) && folder)
        folder->Release();
    if (!CeMountDBVol(&DiaryVolume, const_cast<LPWSTR>(L"\\pim.vol"), OPEN_ALWAYS) ||
        !(DiarySession = CeCreateSession(&DiaryVolume))) {
        std::fwprintf(stderr, L"%ls: \\pim.vol cannot be mounted\n", benchName);
        return false;
    }
    return true;
}

void StopStore()
{
    if (OutlookApp) {
        OutlookApp->Logoff();
        OutlookApp->Release();
        OutlookApp = nullptr;
    }
    if (DiarySession)
        CloseHandle(DiarySession);
    DiarySession = nullptr;
    CeUnmountDBVol(&DiaryVolume);
    CoUninitialize();
}

unsigned Numbers::Below(unsigned bound)
{
    seed_ = seed_ * 1103515245u + 12345u;
    return (seed_ >> 8) % bound;
}

std::wstring AddContacts(int count, Numbers& numbers, ContactFields fields)
{
    std::wstring firstShown;
    for (int i = 0; i < count; ++i) {
        IContact* contact = nullptr;
        if (FAILED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact))) || !contact)
            break;
        std::wstring first(1, static_cast<wchar_t>(kFirstSyllable + numbers.Below(kSyllables)));
        first += static_cast<wchar_t>(kFirstSyllable + numbers.Below(kSyllables));
        const wchar_t* last = kLastNames[numbers.Below(ARRAYSIZE(kLastNames))];
        if (i == 0)
            firstShown = last + first;
        Put(contact, &IContact::put_LastName, last);
        Put(contact, &IContact::put_FirstName, first);
        if (numbers.Below(5))
            Put(contact, &IContact::put_CompanyName, L"회사" + std::to_wstring(numbers.Below(kCompanies)));
        if (fields == ContactFields::kEveryField) {
            Put(contact, &IContact::put_Department, L"부서" + std::to_wstring(numbers.Below(kDepartments)));
            Put(contact, &IContact::put_JobTitle, L"직위" + std::to_wstring(numbers.Below(kJobTitles)));
            Put(contact, &IContact::put_MobileTelephoneNumber, Phone(L"010", i));
            if (i % 2)
                Put(contact, &IContact::put_BusinessTelephoneNumber, Phone(L"02", i + 1));
            Put(contact, &IContact::put_HomeTelephoneNumber, Phone(L"031", i + 2));
            Put(contact, &IContact::put_Categories, kCategories[numbers.Below(ARRAYSIZE(kCategories))]);
        }
        contact->Save();
        contact->Release();
    }
    return firstShown;
}

double NowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double MedianMs(const std::function<void()>& work, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < std::max(runs, 1); ++run) {
        double start = NowMs();
        work();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int ReadEveryRecord(HANDLE database)
{
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
    return records;
}

}  // namespace bench
