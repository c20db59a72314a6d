#include "lists/bench/bench_support.h"

#include "core/link_tables.h"
#include "core/short_date_restrict.h"
#include "platform/outlook/client_values.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace bench {

namespace {

constexpr int kMonthYear = 2007;
constexpr int kMonthNumber = 3;
// The month's items as the month view asks for them: its six weeks.
constexpr wchar_t kMonthQuery[] = L"[Start] <= \"04/06/07 23:59\" AND [End] >= \"03/01/07\"";
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

namespace {

// A time of the benchmark's month.
DATE At(int day, int hour, int minute = 0)
{
    return poomclient::Date(kMonthYear, kMonthNumber, day, hour, minute);
}

IAppointment* NewAppointment(const wchar_t* subject, DATE start, DATE end)
{
    IAppointment* item = nullptr;
    if (FAILED(OutlookApp->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&item))) || !item)
        return nullptr;
    BSTR text = SysAllocString(subject);
    item->put_Subject(text);
    SysFreeString(text);
    item->put_Start(start);
    item->put_End(end);
    return item;
}

void Save(IAppointment* item)
{
    if (item) {
        item->Save();
        item->Release();
    }
}

IAppointment* Occurrence(IAppointment* series, DATE start)
{
    IRecurrencePattern* pattern = nullptr;
    IAppointment* occurrence = nullptr;
    if (SUCCEEDED(series->GetRecurrencePattern(&pattern)) && pattern) {
        pattern->GetOccurrence(start, &occurrence);
        pattern->Release();
    }
    return occurrence;
}

// A series starting on `day` at 08:00 + n, its second occurrence moved an
// hour on and its third deleted.
void WriteSeries(int n, long type, int day, int gapDays)
{
    wchar_t subject[32];
    _snwprintf(subject, 32, L"반복 %02d", n);
    subject[31] = L'\0';
    IAppointment* series = NewAppointment(subject, At(day, 8 + n), At(day, 9 + n));
    if (!series)
        return;
    IRecurrencePattern* pattern = nullptr;
    series->GetRecurrencePattern(&pattern);
    if (pattern) {
        pattern->put_RecurrenceType(type);
        pattern->put_PatternStartDate(At(day, 0));
        if (type == olRecursWeekly)
            pattern->put_DayOfWeekMask(1L << ((day + 3) % 7));  // 2007-03-01 is a Thursday
        pattern->put_Interval(1);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->Release();
    }
    series->Save();
    if (IAppointment* moved = Occurrence(series, At(day + gapDays, 8 + n))) {
        moved->put_Start(At(day + gapDays, 9 + n));
        moved->put_End(At(day + gapDays, 10 + n));
        moved->Save();
        moved->Release();
    }
    if (IAppointment* deleted = Occurrence(series, At(day + 2 * gapDays, 8 + n))) {
        deleted->Delete();
        deleted->Release();
    }
    series->Release();
}

}  // namespace

void WriteMonth(Numbers& numbers)
{
    auto Next = [&](int bound) { return static_cast<int>(numbers.Below(static_cast<unsigned>(bound))); };
    CEOID contact = 0;
    IContact* person = nullptr;
    if (SUCCEEDED(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&person))) && person) {
        BSTR name = SysAllocString(L"홍");
        person->put_LastName(name);
        SysFreeString(name);
        person->Save();
        long oid = 0;
        person->get_Oid(&oid);
        contact = static_cast<CEOID>(oid);
        person->Release();
    }
    for (int i = 0; i < 200; ++i) {
        wchar_t subject[32];
        _snwprintf(subject, 32, L"약속 %03d", i);
        subject[31] = L'\0';
        int day = 1 + Next(31), hour = 7 + Next(12);
        IAppointment* item = NewAppointment(subject, At(day, hour, Next(4) * 15), At(day, hour + 1));
        if (item && i % 10 == 0) {
            item->Save();
            long oid = 0;
            item->get_Oid(&oid);
            AddPlanLink(contact, static_cast<CEOID>(oid));
        }
        Save(item);
    }
    for (int i = 0; i < 30; ++i) {
        wchar_t subject[32];
        _snwprintf(subject, 32, L"여러날 %02d", i);
        subject[31] = L'\0';
        int day = 1 + Next(29);
        IAppointment* item = NewAppointment(subject, At(day, 20), At(day + 1 + Next(2), 10));
        if (item && i % 3 == 0)
            item->put_AllDayEvent(VARIANT_TRUE);
        Save(item);
    }
    for (int n = 0; n < 8; ++n)
        WriteSeries(n, olRecursWeekly, 1 + n, 7);
    for (int n = 8; n < 10; ++n)
        WriteSeries(n, olRecursDaily, 1, 1);
}

int WalkMonth()
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    int walked = 0;
    if (SUCCEEDED(OutlookApp->GetDefaultFolder(olFolderCalendar, &folder)) && folder &&
        SUCCEEDED(folder->get_Items(&items)) && items) {
        items->put_IncludeRecurrences(VARIANT_TRUE);
        IPOutlookItemCollection* month = nullptr;
        if (SUCCEEDED(RestrictWithShortDates(items, kMonthQuery, &month)) && month) {
            for (int index = 1;; ++index) {
                IAppointment* item = nullptr;
                if (FAILED(month->Item(index, reinterpret_cast<IDispatch**>(&item))) || !item)
                    break;
                DATE start = 0, end = 0;
                BSTR subject = nullptr;
                item->get_Start(&start);
                item->get_End(&end);
                item->get_Subject(&subject);
                SysFreeString(subject);
                item->Release();
                ++walked;
            }
            month->Release();
        }
        items->Release();
    }
    if (folder)
        folder->Release();
    return walked;
}

}  // namespace bench
