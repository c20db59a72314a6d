// Benchmark of the object model (not a test): loads 5000 contacts and a
// year of 2000 appointments (a third of them recurring) into a fresh
// "\pim.vol", then times, in one run, reading every contact through the
// contacts collection and straight from the Contacts Database (as the two
// contact loaders do), and restricting and expanding one month of the
// calendar (as the month schedule does).
//   tools/device make DEV && tools/device exec DEV --seconds 900 "$PWD/build/bin/poom_bench.exe"
#include "platform/outlook/client_values.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kContacts = 5000;
constexpr int kAppointments = 2000;
constexpr CEPROPID kFileAs = 0x0080001F;
constexpr CEPROPID kHasCategories = 0x200F0012;

class Clock {
public:
    Clock()
    {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Milliseconds() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
};

unsigned seed = 12345;
unsigned Next(unsigned bound)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % bound;
}

using poomclient::Date;
using poomclient::Text;

std::wstring Phone(int i)
{
    wchar_t text[32];
    _snwprintf(text, 32, L"010-%04d-%04d", i % 10000, (i * 7919) % 10000);
    text[31] = L'\0';
    return text;
}

void LoadContacts(IPOutlookApp* app)
{
    const wchar_t* lastNames[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤", L"장", L"임"};
    const wchar_t* companies[] = {L"", L"한빛상사", L"누리전자", L"다솜건설", L"미래은행"};
    const wchar_t* categories[] = {L"", L"", L"", L"가족", L"친구, 동창"};
    for (int i = 0; i < kContacts; ++i) {
        IContact* contact = nullptr;
        app->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact));
        std::wstring last = lastNames[Next(10)];
        std::wstring first = std::wstring(1, static_cast<wchar_t>(0xAC00 + Next(11172))) +
                             static_cast<wchar_t>(0xAC00 + Next(11172));
        contact->put_LastName(Text(last));
        contact->put_FirstName(Text(first));
        contact->put_FileAs(Text(last + first));
        contact->put_CompanyName(Text(companies[Next(5)]));
        contact->put_Department(Text(L"영업부"));
        contact->put_JobTitle(Text(L"대리"));
        contact->put_MobileTelephoneNumber(Text(Phone(i)));
        if (i % 2)
            contact->put_BusinessTelephoneNumber(Text(Phone(i + 1)));
        contact->put_HomeTelephoneNumber(Text(Phone(i + 2)));
        contact->put_Categories(Text(categories[Next(5)]));
        contact->Save();
        contact->Release();
    }
}

void LoadAppointments(IPOutlookApp* app)
{
    for (int i = 0; i < kAppointments; ++i) {
        IAppointment* appointment = nullptr;
        app->CreateItem(olAppointmentItem, reinterpret_cast<IDispatch**>(&appointment));
        int month = 1 + static_cast<int>(Next(12));
        int day = 1 + static_cast<int>(Next(28));
        int hour = 8 + static_cast<int>(Next(10));
        DATE start = Date(2024, month, day, hour, 0);
        appointment->put_Subject(Text(L"일정 " + std::to_wstring(i)));
        appointment->put_Location(Text(L"회의실"));
        appointment->put_Start(start);
        appointment->put_End(start + 1.0 / 24);
        appointment->put_ReminderSet(VARIANT_FALSE);
        if (i % 3 == 0) {
            IRecurrencePattern* pattern = nullptr;
            appointment->GetRecurrencePattern(&pattern);
            switch (i % 4) {
            case 0:
                pattern->put_RecurrenceType(olRecursWeekly);
                pattern->put_DayOfWeekMask(1L << (i % 7));
                break;
            case 1: pattern->put_RecurrenceType(olRecursDaily); pattern->put_Interval(3); break;
            case 2: pattern->put_RecurrenceType(olRecursMonthly); pattern->put_DayOfMonth(day); break;
            default: pattern->put_RecurrenceType(olRecursYearly); break;
            }
            pattern->put_PatternStartDate(Date(2024, month, day));
            if (i % 2)
                pattern->put_PatternEndDate(Date(2024, 12, 31));
            else
                pattern->put_NoEndDate(VARIANT_TRUE);
            pattern->Release();
        }
        appointment->Save();
        appointment->Release();
    }
}

// The Pocket Outlook contact loader's walk.
int ReadContactsThroughCollection(IPOutlookApp* app)
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    app->GetDefaultFolder(olFolderContacts, &folder);
    folder->get_Items(&items);
    items->Sort(Text(L"[FullName]"), VARIANT_FALSE);
    int count = 0;
    items->get_Count(&count);
    std::vector<std::wstring> names;
    for (int i = 1; i <= count; ++i) {
        IContact* contact = nullptr;
        if (FAILED(items->Item(i, reinterpret_cast<IDispatch**>(&contact))))
            break;
        long oid = 0;
        contact->get_Oid(&oid);
        BSTR values[9] = {};
        contact->get_LastName(&values[0]);
        contact->get_FirstName(&values[1]);
        contact->get_CompanyName(&values[2]);
        contact->get_Categories(&values[3]);
        contact->get_BusinessTelephoneNumber(&values[4]);
        contact->get_HomeTelephoneNumber(&values[5]);
        contact->get_MobileTelephoneNumber(&values[6]);
        contact->get_Department(&values[7]);
        contact->get_JobTitle(&values[8]);
        names.push_back(std::wstring(values[0]) + values[1]);
        for (BSTR value : values)
            SysFreeString(value);
        contact->Release();
    }
    items->Release();
    folder->Release();
    return static_cast<int>(names.size());
}

// The category names of one item, as the direct loader looks them up.
std::wstring CategoriesOf(CEGUID* volume, CEOID item)
{
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 2;
    sort.wKeyFlags = CEDB_SORT_UNIQUE;
    sort.rgPropID[0] = MAKEPROPID(1, CEVT_UI4);
    sort.rgPropID[1] = MAKEPROPID(2, CEVT_I4);
    CEOID oid = 0;
    wchar_t assocName[] = L"CategoryAssocDB";
    HANDLE assoc = CeOpenDatabaseEx2(volume, &oid, assocName, &sort, 0, nullptr);
    std::vector<long> ids;
    if (assoc != INVALID_HANDLE_VALUE) {
        CEPROPVAL key = {};
        key.propid = sort.rgPropID[0];
        key.val.ulVal = item;
        LPBYTE buffer = nullptr;
        DWORD size = 0;
        if (CeSeekDatabaseEx(assoc, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, nullptr)) {
            for (;;) {
                WORD count = 0;
                if (!CeReadRecordPropsEx(assoc, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
                    break;
                auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
                bool same = false;
                long id = 0;
                for (WORD i = 0; i < count; ++i) {
                    if (values[i].propid == sort.rgPropID[0])
                        same = values[i].val.ulVal == item;
                    if (values[i].propid == sort.rgPropID[1])
                        id = values[i].val.lVal;
                }
                if (!same)
                    break;
                ids.push_back(id);
                if (!CeSeekDatabaseEx(assoc, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                    break;
            }
        }
        if (buffer)
            LocalFree(buffer);
        CloseHandle(assoc);
    }
    std::wstring text;
    if (ids.empty())
        return text;
    SORTORDERSPECEX mainSort = {};
    mainSort.wVersion = SORTORDERSPECEX_VERSION;
    mainSort.wNumProps = 1;
    mainSort.rgPropID[0] = MAKEPROPID(1, CEVT_AUTO_I4);
    wchar_t mainName[] = L"CategoryMainDB";
    oid = 0;
    HANDLE main = CeOpenDatabaseEx2(volume, &oid, mainName, &mainSort, 0, nullptr);
    if (main == INVALID_HANDLE_VALUE)
        return text;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    for (long id : ids) {
        CEPROPVAL key = {};
        key.propid = mainSort.rgPropID[0];
        key.val.lVal = id;
        if (!CeSeekDatabaseEx(main, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, nullptr))
            continue;
        WORD count = 0;
        if (!CeReadRecordPropsEx(main, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            continue;
        auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i) {
            if (values[i].propid == MAKEPROPID(2, CEVT_LPWSTR))
                text += (text.empty() ? L"" : L", ") + std::wstring(values[i].val.lpwstr);
        }
    }
    if (buffer)
        LocalFree(buffer);
    CloseHandle(main);
    return text;
}

// The direct contact loader: the Contacts Database in its name order, with
// the category lookup of each contact that has categories, or without.
int ReadContactsDirectly(bool withCategories)
{
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    CeMountDBVol(&volume, path, OPEN_ALWAYS);
    wchar_t name[] = L"Contacts Database";
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx2(&volume, &oid, name, nullptr, 0, nullptr);
    CloseHandle(db);
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    CeOidGetInfoEx2(&volume, oid, &info);
    SORTORDERSPECEX sort = {};
    for (WORD i = 0; i < info.infDatabase.wNumSortOrder; ++i) {
        if (info.infDatabase.rgSortSpecs[i].rgPropID[0] == kFileAs) {
            sort = info.infDatabase.rgSortSpecs[i];
            break;
        }
    }
    oid = 0;
    db = CeOpenDatabaseEx2(&volume, &oid, name, &sort, 0, nullptr);
    CEPROPVAL empty = {};
    empty.propid = kFileAs;
    empty.val.lpwstr = const_cast<LPWSTR>(L"");
    int rows = 0;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    if (CeSeekDatabaseEx(db, CEDB_SEEK_VALUEGREATER, reinterpret_cast<DWORD_PTR>(&empty), 1, nullptr)) {
        for (;;) {
            WORD count = 0;
            CEOID record = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
            if (!record)
                break;
            auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
            std::wstring row;
            bool categories = false;
            for (WORD i = 0; i < count; ++i) {
                if (TypeFromPropID(values[i].propid) == CEVT_LPWSTR)
                    row += values[i].val.lpwstr;
                if (values[i].propid == kHasCategories)
                    categories = true;
            }
            if (categories && withCategories)
                row += CategoriesOf(&volume, record);
            ++rows;
            if (!CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                break;
        }
    }
    if (buffer)
        LocalFree(buffer);
    CloseHandle(db);
    CeUnmountDBVol(&volume);
    return rows;
}

// The month schedule's query: March with six days of April, occurrences
// included, the short-date format set around the call.
int RestrictAndExpandMonth(IPOutlookApp* app)
{
    IFolder* folder = nullptr;
    IPOutlookItemCollection* items = nullptr;
    IPOutlookItemCollection* month = nullptr;
    app->GetDefaultFolder(olFolderCalendar, &folder);
    folder->get_Items(&items);
    items->put_IncludeRecurrences(VARIANT_TRUE);
    wchar_t saved[32] = L"";
    GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved, 32);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"MM/dd/yy");
    items->Restrict(Text(L"[Start] <= \"04/06/24 23:59\" AND [End] >= \"03/01/24\""), &month);
    SetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, saved);
    int rows = 0;
    for (int i = 1; month; ++i) {
        IAppointment* appointment = nullptr;
        if (FAILED(month->Item(i, reinterpret_cast<IDispatch**>(&appointment))))
            break;
        long oid = 0;
        DATE start = 0, end = 0;
        VARIANT_BOOL allDay = VARIANT_FALSE;
        BSTR subject = nullptr, location = nullptr;
        appointment->get_Oid(&oid);
        appointment->get_Start(&start);
        appointment->get_End(&end);
        appointment->get_AllDayEvent(&allDay);
        appointment->get_Subject(&subject);
        appointment->get_Location(&location);
        SysFreeString(subject);
        SysFreeString(location);
        appointment->Release();
        ++rows;
    }
    if (month)
        month->Release();
    items->Release();
    folder->Release();
    return rows;
}

}  // namespace

int wmain()
{
    for (const wchar_t* file : {L"\\pim.vol", L"\\pim.vol-wal", L"\\pim.vol-shm"})
        DeleteFileW(file);
    if (FAILED(CoInitializeEx(nullptr, 0)))
        return 1;
    IPOutlookApp* app = nullptr;
    if (FAILED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                reinterpret_cast<void**>(&app)))) {
        wprintf(L"poom_bench: the application object is not registered\n");
        return 1;
    }
    app->Logon(0);
    Clock load;
    LoadContacts(app);
    double contactsLoaded = load.Milliseconds();
    Clock loadAppointments;
    LoadAppointments(app);
    double appointmentsLoaded = loadAppointments.Milliseconds();
    wprintf(L"load: %d contacts in %.0f ms (%.2f ms each), %d appointments in %.0f ms\n", kContacts, contactsLoaded,
            contactsLoaded / kContacts, kAppointments, appointmentsLoaded);

    Clock collection;
    int throughCollection = ReadContactsThroughCollection(app);
    double collectionMs = collection.Milliseconds();
    Clock direct;
    int directly = ReadContactsDirectly(true);
    double directMs = direct.Milliseconds();
    Clock plain;
    int plainly = ReadContactsDirectly(false);
    double plainMs = plain.Milliseconds();
    Clock monthClock;
    int occurrences = RestrictAndExpandMonth(app);
    double monthMs = monthClock.Milliseconds();
    wprintf(L"read contacts through the collection: %d in %.0f ms\n", throughCollection, collectionMs);
    wprintf(L"read contacts from the Contacts Database: %d in %.0f ms (%.0f ms of it the category lookups)\n",
            directly, directMs, directMs - plainMs);
    wprintf(L"restrict and expand one month: %d items in %.0f ms\n", occurrences, monthMs);
    app->Logoff();
    app->Release();
    CoUninitialize();
    return throughCollection == kContacts && directly == kContacts && plainly == kContacts && occurrences > 0 ? 0 : 2;
}
