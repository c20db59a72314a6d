// Benchmark of the object model (not a test): saves 5000 contacts and a
// year of 2000 appointments (a third of them recurring) into a fresh
// "\pim.vol", each block of contacts beside the same records and category
// rows written bare into volumes of their own (one call a record, and the
// same with each contact's rows in one batch), then times, in one run,
// reading every contact through the contacts collection (beside the same
// records read bare in name order) and straight from the Contacts Database
// (as the two contact loaders do), and restricting and expanding one month
// of the calendar (as the month schedule does).
//   tools/bench DEV poom_bench
#include "platform/outlook/client_values.h"

#include <cstdio>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kContacts = 5000;
constexpr int kContactBlocks = 10;
constexpr int kCollectionPasses = 3;
constexpr int kAppointments = 2000;
constexpr CEPROPID kFileAs = 0x0080001F;
constexpr CEPROPID kFirstName = 0x0082001F;
constexpr CEPROPID kLastName = 0x0084001F;
constexpr CEPROPID kHasCategories = 0x200F0012;
constexpr CEPROPID kMainId = MAKEPROPID(1, CEVT_AUTO_I4);
constexpr CEPROPID kMainName = MAKEPROPID(2, CEVT_LPWSTR);
constexpr CEPROPID kAssocItem = MAKEPROPID(1, CEVT_UI4);
constexpr CEPROPID kAssocCategory = MAKEPROPID(2, CEVT_I4);
// What the collection walk reads of each contact, in its order.
constexpr CEPROPID kWalkedProps[9] = {kLastName, kFirstName, 0x008A001F, 0x101D001F, 0x0097001F,
                                      0x0099001F, 0x0096001F, 0x008B001F, 0x008C001F};

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

struct ContactInput {
    std::wstring last;
    std::wstring first;
    std::wstring company;
    std::wstring categories;
};

std::vector<ContactInput> MakeContacts()
{
    const wchar_t* lastNames[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤", L"장", L"임"};
    const wchar_t* companies[] = {L"", L"한빛상사", L"누리전자", L"다솜건설", L"미래은행"};
    const wchar_t* categories[] = {L"", L"", L"", L"가족", L"친구, 동창"};
    std::vector<ContactInput> contacts(kContacts);
    for (ContactInput& contact : contacts) {
        contact.last = lastNames[Next(10)];
        contact.first = std::wstring(1, static_cast<wchar_t>(0xAC00 + Next(11172)));
        contact.first += static_cast<wchar_t>(0xAC00 + Next(11172));
        contact.company = companies[Next(5)];
        contact.categories = categories[Next(5)];
    }
    return contacts;
}

CEOID SaveContact(IPOutlookApp* app, const ContactInput& input, int i)
{
    IContact* contact = nullptr;
    app->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact));
    contact->put_LastName(Text(input.last));
    contact->put_FirstName(Text(input.first));
    contact->put_FileAs(Text(input.last + input.first));
    contact->put_CompanyName(Text(input.company));
    contact->put_Department(Text(L"영업부"));
    contact->put_JobTitle(Text(L"대리"));
    contact->put_MobileTelephoneNumber(Text(Phone(i)));
    if (i % 2)
        contact->put_BusinessTelephoneNumber(Text(Phone(i + 1)));
    contact->put_HomeTelephoneNumber(Text(Phone(i + 2)));
    contact->put_Categories(Text(input.categories));
    long oid = 0;  // 0: not saved
    if (SUCCEEDED(contact->Save()))
        contact->get_Oid(&oid);
    contact->Release();
    return static_cast<CEOID>(oid);
}

SORTORDERSPECEX SortOn(CEPROPID first, DWORD flags, CEPROPID second = 0, DWORD secondFlags = 0)
{
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = second ? 2 : 1;
    sort.rgPropID[0] = first;
    sort.rgdwFlags[0] = flags;
    sort.rgPropID[1] = second;
    sort.rgdwFlags[1] = secondFlags;
    return sort;
}

SORTORDERSPECEX NameOrder()
{
    return SortOn(kLastName, CEDB_SORT_CASEINSENSITIVE, kFirstName, CEDB_SORT_CASEINSENSITIVE);
}

// One record as the object model stored it, its values pointing into its
// own copies, with the names of its categories.
struct StoredRecord {
    std::vector<CEPROPVAL> values;
    std::deque<std::wstring> texts;
    std::deque<std::vector<BYTE>> bytes;
    std::vector<std::wstring> categories;
};

std::vector<long> CategoryIdsOf(CEGUID* volume, CEOID item);
std::wstring CategoryNameOf(HANDLE main, long id, LPBYTE* buffer, DWORD* size);

// Reads back the records the object model saved, with their category rows.
class StoredReader {
public:
    bool Open()
    {
        wchar_t path[] = L"\\pim.vol";
        if (!CeMountDBVol(&volume_, path, OPEN_EXISTING))
            return false;
        CEOID oid = 0;
        wchar_t contacts[] = L"Contacts Database";
        contacts_ = CeOpenDatabaseEx2(&volume_, &oid, contacts, nullptr, 0, nullptr);
        SORTORDERSPECEX mainSort = SortOn(kMainId, 0);
        wchar_t mainName[] = L"CategoryMainDB";
        oid = 0;
        main_ = CeOpenDatabaseEx2(&volume_, &oid, mainName, &mainSort, 0, nullptr);
        return contacts_ != INVALID_HANDLE_VALUE;
    }
    void Close()
    {
        for (HANDLE handle : {contacts_, main_}) {
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        }
        if (buffer_)
            LocalFree(buffer_);
        CeUnmountDBVol(&volume_);
    }
    bool Read(CEOID oid, StoredRecord* record)
    {
        WORD count = 0;
        if (CeSeekDatabaseEx(contacts_, CEDB_SEEK_CEOID, oid, 0, nullptr) != oid ||
            !CeReadRecordPropsEx(contacts_, CEDB_ALLOWREALLOC, &count, nullptr, &buffer_, &size_, nullptr))
            return false;
        auto* values = reinterpret_cast<CEPROPVAL*>(buffer_);
        *record = StoredRecord{};
        for (WORD i = 0; i < count; ++i) {
            CEPROPVAL value = values[i];
            WORD type = TypeFromPropID(value.propid);
            if (type == CEVT_LPWSTR) {
                record->texts.emplace_back(value.val.lpwstr ? value.val.lpwstr : L"");
                value.val.lpwstr = record->texts.back().data();
            } else if (type == CEVT_BLOB || type == CEVT_STREAM) {
                const BYTE* bytes = value.val.blob.lpb;
                record->bytes.emplace_back(bytes, bytes + value.val.blob.dwCount);
                value.val.blob.lpb = record->bytes.back().data();
            }
            record->values.push_back(value);
        }
        LPBYTE mainBuffer = nullptr;
        DWORD mainSize = 0;
        for (long id : CategoryIdsOf(&volume_, oid))
            record->categories.push_back(CategoryNameOf(main_, id, &mainBuffer, &mainSize));
        if (mainBuffer)
            LocalFree(mainBuffer);
        return true;
    }

private:
    CEGUID volume_ = {};
    HANDLE contacts_ = INVALID_HANDLE_VALUE;
    HANDLE main_ = INVALID_HANDLE_VALUE;
    LPBYTE buffer_ = nullptr;
    DWORD size_ = 0;
};

// Writes contact records and their category rows bare, one call a record,
// into a fresh volume with the databases the object model creates; batched,
// a contact's rows go in one store transaction, as the object model's do.
class BareWriter {
public:
    BareWriter(const std::wstring& path, bool batched) : path_(path), batched_(batched) {}

    bool Open()
    {
        for (const wchar_t* suffix : {L"", L"-wal", L"-shm"})
            DeleteFileW((path_ + suffix).c_str());
        if (!CeMountDBVol(&volume_, path_.data(), CREATE_ALWAYS))
            return false;
        SORTORDERSPECEX contactSorts[2] = {SortOn(kFileAs, CEDB_SORT_CASEINSENSITIVE), NameOrder()};
        SORTORDERSPECEX mainSort = SortOn(kMainId, 0);
        SORTORDERSPECEX assocSort = SortOn(kAssocItem, 0, kAssocCategory, 0);
        contacts_ = Create(L"Contacts Database", contactSorts, 2);
        main_ = Create(L"CategoryMainDB", &mainSort, 1);
        assoc_ = Create(L"CategoryAssocDB", &assocSort, 1);
        return contacts_ != INVALID_HANDLE_VALUE && main_ != INVALID_HANDLE_VALUE && assoc_ != INVALID_HANDLE_VALUE;
    }
    void Close()
    {
        for (HANDLE handle : {contacts_, main_, assoc_}) {
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        }
        CeUnmountDBVol(&volume_);
    }
    bool Write(StoredRecord& record)
    {
        if (!batched_)
            return WriteRows(record);
        if (!CeStoreBeginBatch(&volume_))
            return false;
        bool written = WriteRows(record);
        return CeStoreEndBatch(&volume_) && written;
    }

private:
    bool WriteRows(StoredRecord& record)
    {
        CEOID oid = CeWriteRecordProps(contacts_, 0, static_cast<WORD>(record.values.size()), record.values.data());
        if (!oid)
            return false;
        for (const std::wstring& name : record.categories) {
            long id = CategoryId(name);
            if (!id)
                return false;
            CEPROPVAL values[2] = {};
            values[0].propid = kAssocItem;
            values[0].val.ulVal = oid;
            values[1].propid = kAssocCategory;
            values[1].val.lVal = id;
            if (!CeWriteRecordProps(assoc_, 0, 2, values))
                return false;
        }
        return true;
    }

    HANDLE Create(const wchar_t* name, const SORTORDERSPECEX* sorts, WORD count)
    {
        CEDBASEINFOEX info = {};
        info.wVersion = CEDBASEINFOEX_VERSION;
        info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
        lstrcpynW(info.szDbaseName, name, CEDB_MAXDBASENAMELEN);
        info.wNumSortOrder = count;
        for (WORD i = 0; i < count; ++i)
            info.rgSortSpecs[i] = sorts[i];
        CEOID oid = CeCreateDatabaseEx2(&volume_, &info);
        if (!oid)
            return INVALID_HANDLE_VALUE;
        return CeOpenDatabaseEx2(&volume_, &oid, nullptr, nullptr, 0, nullptr);
    }
    // The category's id, its row written the first time it is named.
    long CategoryId(const std::wstring& name)
    {
        auto it = categories_.find(name);
        if (it != categories_.end())
            return it->second;
        CEPROPVAL values[2] = {};
        values[0].propid = kMainId;
        values[1].propid = kMainName;
        values[1].val.lpwstr = const_cast<LPWSTR>(name.c_str());
        CEOID oid = CeWriteRecordProps(main_, 0, 2, values);
        if (!oid)
            return 0;
        long id = static_cast<long>(oid & 0x7FFFFFFFu);
        categories_[name] = id;
        return id;
    }

    std::wstring path_;
    bool batched_;
    CEGUID volume_ = {};
    HANDLE contacts_ = INVALID_HANDLE_VALUE;
    HANDLE main_ = INVALID_HANDLE_VALUE;
    HANDLE assoc_ = INVALID_HANDLE_VALUE;
    std::map<std::wstring, long> categories_;
};

struct Timings {
    double objectModel = 0;
    double bare = 0;
    double batched = 0;  // bare, each contact's rows in one transaction
};

// Saves the contacts through the object model block by block, each block
// followed by the same records written bare and written bare batched, so
// that a change in the machine's load hits all alike. False when a write
// failed.
bool LoadContacts(IPOutlookApp* app, Timings* timings)
{
    std::vector<ContactInput> contacts = MakeContacts();
    BareWriter bare(L"\\bare.vol", false);
    BareWriter batched(L"\\batched.vol", true);
    if (!bare.Open() || !batched.Open())
        return false;
    bool ok = true;
    int perBlock = kContacts / kContactBlocks;
    for (int block = 0; ok && block < kContactBlocks; ++block) {
        std::vector<CEOID> saved;
        Clock model;
        for (int i = block * perBlock; i < (block + 1) * perBlock; ++i)
            saved.push_back(SaveContact(app, contacts[i], i));
        timings->objectModel += model.Milliseconds();
        std::vector<StoredRecord> records(saved.size());
        StoredReader reader;
        ok = reader.Open();
        for (size_t i = 0; ok && i < saved.size(); ++i)
            ok = saved[i] && reader.Read(saved[i], &records[i]);
        reader.Close();
        Clock written;
        for (size_t i = 0; ok && i < records.size(); ++i)
            ok = bare.Write(records[i]);
        timings->bare += written.Milliseconds();
        Clock grouped;
        for (size_t i = 0; ok && i < records.size(); ++i)
            ok = batched.Write(records[i]);
        timings->batched += grouped.Milliseconds();
    }
    bare.Close();
    batched.Close();
    return ok;
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

// The same records read bare in name order: each record's values, the
// walk's texts taken out of them.
int ReadContactsBare()
{
    CEGUID volume;
    wchar_t path[] = L"\\pim.vol";
    if (!CeMountDBVol(&volume, path, OPEN_EXISTING))
        return 0;
    wchar_t name[] = L"Contacts Database";
    CEOID oid = 0;
    SORTORDERSPECEX sort = NameOrder();
    HANDLE db = CeOpenDatabaseEx2(&volume, &oid, name, &sort, 0, nullptr);
    std::vector<std::wstring> names;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    if (db != INVALID_HANDLE_VALUE && CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr)) {
        for (;;) {
            WORD count = 0;
            if (!CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
                break;
            auto* values = reinterpret_cast<CEPROPVAL*>(buffer);
            std::wstring texts[9];
            for (WORD i = 0; i < count; ++i) {
                for (int t = 0; t < 9; ++t) {
                    if (values[i].propid == kWalkedProps[t] && !(values[i].wFlags & CEDB_PROPNOTFOUND))
                        texts[t] = values[i].val.lpwstr;
                }
            }
            names.push_back(texts[0] + texts[1]);
            if (!CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                break;
        }
    }
    if (buffer)
        LocalFree(buffer);
    if (db != INVALID_HANDLE_VALUE)
        CloseHandle(db);
    CeUnmountDBVol(&volume);
    return static_cast<int>(names.size());
}

// The category ids of one item, as the direct loader looks them up.
std::vector<long> CategoryIdsOf(CEGUID* volume, CEOID item)
{
    SORTORDERSPECEX sort = SortOn(kAssocItem, 0, kAssocCategory, 0);
    sort.wKeyFlags = CEDB_SORT_UNIQUE;
    CEOID oid = 0;
    wchar_t assocName[] = L"CategoryAssocDB";
    HANDLE assoc = CeOpenDatabaseEx2(volume, &oid, assocName, &sort, 0, nullptr);
    std::vector<long> ids;
    if (assoc == INVALID_HANDLE_VALUE)
        return ids;
    CEPROPVAL key = {};
    key.propid = kAssocItem;
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
                if (values[i].propid == kAssocItem)
                    same = values[i].val.ulVal == item;
                if (values[i].propid == kAssocCategory)
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
    return ids;
}

// The name of a category of "CategoryMainDB" opened in id order.
std::wstring CategoryNameOf(HANDLE main, long id, LPBYTE* buffer, DWORD* size)
{
    CEPROPVAL key = {};
    key.propid = kMainId;
    key.val.lVal = id;
    if (!CeSeekDatabaseEx(main, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1, nullptr))
        return std::wstring();
    WORD count = 0;
    if (!CeReadRecordPropsEx(main, CEDB_ALLOWREALLOC, &count, nullptr, buffer, size, nullptr))
        return std::wstring();
    auto* values = reinterpret_cast<CEPROPVAL*>(*buffer);
    for (WORD i = 0; i < count; ++i) {
        if (values[i].propid == kMainName)
            return values[i].val.lpwstr;
    }
    return std::wstring();
}

// The category names of one item, as the direct loader looks them up.
std::wstring CategoriesOf(CEGUID* volume, CEOID item)
{
    std::wstring text;
    std::vector<long> ids = CategoryIdsOf(volume, item);
    if (ids.empty())
        return text;
    SORTORDERSPECEX mainSort = SortOn(kMainId, 0);
    wchar_t mainName[] = L"CategoryMainDB";
    CEOID oid = 0;
    HANDLE main = CeOpenDatabaseEx2(volume, &oid, mainName, &mainSort, 0, nullptr);
    if (main == INVALID_HANDLE_VALUE)
        return text;
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    for (long id : ids) {
        std::wstring name = CategoryNameOf(main, id, &buffer, &size);
        if (!name.empty())
            text += (text.empty() ? L"" : L", ") + name;
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
    Timings contacts;
    bool contactsWritten = LoadContacts(app, &contacts);
    Clock loadAppointments;
    LoadAppointments(app);
    double appointmentsLoaded = loadAppointments.Milliseconds();
    wprintf(L"write %d contacts: object model %.0f ms (%.3f ms each), bare %.0f ms (%.3f ms each): %.2fx\n",
            kContacts, contacts.objectModel, contacts.objectModel / kContacts, contacts.bare,
            contacts.bare / kContacts, contacts.bare > 0 ? contacts.objectModel / contacts.bare : 0.0);
    wprintf(L"write %d contacts: bare with a contact's rows in one batch %.0f ms (%.3f ms each): object model %.2fx\n",
            kContacts, contacts.batched, contacts.batched / kContacts,
            contacts.batched > 0 ? contacts.objectModel / contacts.batched : 0.0);
    wprintf(L"load: %d appointments in %.0f ms\n", kAppointments, appointmentsLoaded);

    // The collection and the bare read take turns, a pass each at a time.
    Timings walk;
    int throughCollection = 0, bareRead = 0;
    for (int pass = 0; pass < kCollectionPasses; ++pass) {
        Clock collection;
        throughCollection = ReadContactsThroughCollection(app);
        walk.objectModel += collection.Milliseconds();
        Clock bare;
        bareRead = ReadContactsBare();
        walk.bare += bare.Milliseconds();
    }
    walk.objectModel /= kCollectionPasses;
    walk.bare /= kCollectionPasses;
    Clock direct;
    int directly = ReadContactsDirectly(true);
    double directMs = direct.Milliseconds();
    Clock plain;
    int plainly = ReadContactsDirectly(false);
    double plainMs = plain.Milliseconds();
    Clock monthClock;
    int occurrences = RestrictAndExpandMonth(app);
    double monthMs = monthClock.Milliseconds();
    wprintf(L"read contacts through the collection: %d in %.0f ms, bare in name order %d in %.0f ms: %.2fx\n",
            throughCollection, walk.objectModel, bareRead, walk.bare,
            walk.bare > 0 ? walk.objectModel / walk.bare : 0.0);
    wprintf(L"read contacts from the Contacts Database: %d in %.0f ms (%.0f ms of it the category lookups)\n",
            directly, directMs, directMs - plainMs);
    wprintf(L"restrict and expand one month: %d items in %.0f ms\n", occurrences, monthMs);
    app->Logoff();
    app->Release();
    CoUninitialize();
    bool complete = contactsWritten && throughCollection == kContacts && bareRead == kContacts &&
                    directly == kContacts && plainly == kContacts && occurrences > 0;
    return complete ? 0 : 2;
}
