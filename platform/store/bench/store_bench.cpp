// Measures the object store against SQLite used directly with one prepared
// statement per operation (the floor: a table with the same three sorted
// indexes), on 10 000 records of a contact's shape. Run it on a device:
//   tools/device exec DEV $PWD/build/bin/store_bench.exe
#include "platform/ce.h"

#include <sqlite3.h>
#include <strsafe.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr int kSeeks = 5000;
constexpr int kCounts = 3000;
constexpr int kOrderedReads = 5000;
constexpr int kOrderedPasses = 15;  // a pass is short: a few of them swing with the machine
constexpr WORD kFileAs = 0x80;
constexpr WORD kLastName = 0x81;
constexpr WORD kFirstName = 0x82;
constexpr WORD kCompany = 0x83;
constexpr WORD kAutoNumber = 0x1000;
constexpr DWORD kMountOpenAlways = 0x80000004;  // as the device's programs mount

wchar_t kVolumePath[] = L"\\bench.vol";
const wchar_t kFloorPath[] = L"\\bench_floor.db";

double Now()
{
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void DeleteFiles(const std::wstring& path)
{
    for (const wchar_t* suffix : {L"", L"-wal", L"-shm"})
        DeleteFileW((path + suffix).c_str());
}

// The texts of one contact.
struct Contact {
    std::wstring fileAs, last, first, company, title, department, email, email2, street, city,
        region, postal, country, notes;
    std::wstring phones[6];
    BYTE categories[16];
};

Contact MakeContact(int i)
{
    static const wchar_t* kLast[] = {L"김", L"이", L"박", L"최", L"정", L"강", L"조", L"윤"};
    static const wchar_t* kFirst[] = {L"민수", L"서연", L"지훈", L"하은", L"도윤", L"수아"};
    Contact c;
    c.last = kLast[i % 8];
    c.first = std::wstring(kFirst[(i / 8) % 6]) + std::to_wstring(i);
    c.fileAs = c.last + L" " + c.first;
    c.company = L"Quillon 주식회사 " + std::to_wstring(i % 97);
    c.title = L"과장";
    c.department = L"영업부";
    c.email = L"user" + std::to_wstring(i) + L"@example.com";
    c.email2 = L"home" + std::to_wstring(i) + L"@example.net";
    c.street = L"서울시 강남구 테헤란로 " + std::to_wstring(i % 500);
    c.city = L"서울";
    c.region = L"강남구";
    c.postal = L"06234";
    c.country = L"대한민국";
    c.notes = L"메모 " + std::wstring(60, L'가' + i % 50);
    for (int p = 0; p < 6; ++p)
        c.phones[p] = L"010-" + std::to_wstring(1000 + p) + L"-" + std::to_wstring(1000 + i % 9000);
    for (int b = 0; b < 16; ++b)
        c.categories[b] = static_cast<BYTE>(i + b);
    return c;
}

CEPROPVAL TextValue(WORD id, const std::wstring& text)
{
    CEPROPVAL v = {};
    v.propid = MAKEPROPID(id, CEVT_LPWSTR);
    v.val.lpwstr = const_cast<wchar_t*>(text.c_str());
    return v;
}

std::vector<CEPROPVAL> ContactValues(Contact& c)
{
    std::vector<CEPROPVAL> v;
    CEPROPVAL number = {};
    number.propid = MAKEPROPID(kAutoNumber, CEVT_AUTO_I4);
    v.push_back(number);
    v.push_back(TextValue(kFileAs, c.fileAs));
    v.push_back(TextValue(kLastName, c.last));
    v.push_back(TextValue(kFirstName, c.first));
    v.push_back(TextValue(kCompany, c.company));
    v.push_back(TextValue(0x84, c.title));
    v.push_back(TextValue(0x85, c.department));
    v.push_back(TextValue(0x86, c.email));
    v.push_back(TextValue(0x87, c.email2));
    v.push_back(TextValue(0x88, c.street));
    v.push_back(TextValue(0x89, c.city));
    v.push_back(TextValue(0x8A, c.region));
    v.push_back(TextValue(0x8B, c.postal));
    v.push_back(TextValue(0x8C, c.country));
    v.push_back(TextValue(0x8D, c.notes));
    for (int p = 0; p < 6; ++p)
        v.push_back(TextValue(static_cast<WORD>(0x90 + p), c.phones[p]));
    CEPROPVAL birthday = {};
    birthday.propid = MAKEPROPID(0x9A, CEVT_FILETIME);
    birthday.val.filetime = {0x12345678, 0x01C7A000};
    v.push_back(birthday);
    CEPROPVAL categories = {};
    categories.propid = MAKEPROPID(0x16, CEVT_BLOB);
    categories.val.blob = {16, c.categories};
    v.push_back(categories);
    return v;
}

// The same record as one blob for the floor: the texts one after another.
std::string ContactBlob(const Contact& c)
{
    std::wstring all = c.fileAs + c.last + c.first + c.company + c.title + c.department + c.email +
                       c.email2 + c.street + c.city + c.region + c.postal + c.country + c.notes;
    for (const std::wstring& p : c.phones)
        all += p;
    std::string blob(reinterpret_cast<const char*>(all.data()), all.size() * sizeof(wchar_t));
    blob.append(reinterpret_cast<const char*>(c.categories), 16);
    return blob + std::string(24 * 8, '\0');  // ids, lengths and fixed values
}

SORTORDERSPECEX SortOn(std::initializer_list<WORD> ids)
{
    SORTORDERSPECEX s = {};
    s.wVersion = SORTORDERSPECEX_VERSION;
    for (WORD id : ids) {
        s.rgPropID[s.wNumProps] = MAKEPROPID(id, CEVT_LPWSTR);
        s.rgdwFlags[s.wNumProps++] = CEDB_SORT_CASEINSENSITIVE;
    }
    return s;
}

// One side of the comparison; each step does one block of the work.
class Side {
public:
    virtual ~Side() = default;
    virtual bool Open() = 0;
    virtual bool Insert(const Contact& c) = 0;
    virtual bool SeekAndRead(const std::wstring& name) = 0;
    virtual bool Count() = 0;
    virtual bool OpenAndCount() = 0;
    virtual bool ReadInOrder(int records) = 0;
    virtual void Close() = 0;
};

class StoreSide : public Side {
public:
    bool Open() override
    {
        DeleteFiles(kVolumePath);
        if (!CeMountDBVol(&volume_, kVolumePath, kMountOpenAlways))
            return false;
        session_ = CeCreateSession(&volume_);
        CEDBASEINFOEX info = {};
        info.wVersion = CEDBASEINFOEX_VERSION;
        info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
        StringCchCopyW(info.szDbaseName, CEDB_MAXDBASENAMELEN, name_);
        info.wNumSortOrder = 3;
        info.rgSortSpecs[0] = SortOn({kFileAs});
        info.rgSortSpecs[1] = SortOn({kLastName, kFirstName});
        info.rgSortSpecs[2] = SortOn({kCompany});
        database_ = CeCreateDatabaseEx2(&volume_, &info);
        SORTORDERSPECEX byName = SortOn({kFileAs});
        CEOID oid = 0;
        db_ = CeOpenDatabaseInSession(session_, &volume_, &oid, name_, &byName, 0, nullptr);
        return database_ && db_ != INVALID_HANDLE_VALUE;
    }
    bool Insert(const Contact& c) override
    {
        Contact copy = c;
        std::vector<CEPROPVAL> values = ContactValues(copy);
        return CeWriteRecordProps(db_, 0, static_cast<WORD>(values.size()), values.data()) != 0;
    }
    bool SeekAndRead(const std::wstring& name) override
    {
        CEPROPVAL key = TextValue(kFileAs, name);
        return CeSeekDatabaseEx(db_, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key),
                                1, nullptr) &&
               CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count_, nullptr, &buffer_, &size_,
                                   nullptr);
    }
    bool Count() override
    {
        CEOIDINFOEX info = {};
        return CeOidGetInfoEx2(&volume_, database_, &info) && info.infDatabase.dwNumRecords;
    }
    // As the change watch does it.
    bool OpenAndCount() override
    {
        CEOID oid = 0;
        HANDLE h = CeOpenDatabaseInSession(session_, &volume_, &oid, name_, nullptr, 0, nullptr);
        CEOIDINFOEX info = {};
        bool ok = h != INVALID_HANDLE_VALUE && CeOidGetInfoEx2(&volume_, oid, &info);
        CloseHandle(h);
        return ok;
    }
    // As the contacts reader does it.
    bool ReadInOrder(int records) override
    {
        CEPROPVAL empty = TextValue(kFileAs, L"");
        CeSeekDatabaseEx(db_, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
        if (!CeSeekDatabaseEx(db_, CEDB_SEEK_VALUEGREATER, reinterpret_cast<DWORD_PTR>(&empty), 1,
                              nullptr))
            return false;
        for (int i = 0; i < records; ++i) {
            if (!CeReadRecordPropsEx(db_, CEDB_ALLOWREALLOC, &count_, nullptr, &buffer_, &size_,
                                     nullptr) ||
                !CeSeekDatabaseEx(db_, CEDB_SEEK_CURRENT, 1, 0, nullptr))
                return false;
        }
        return true;
    }
    void Close() override
    {
        LocalFree(buffer_);
        CloseHandle(db_);
        CloseHandle(session_);
        CeUnmountDBVol(&volume_);
    }

private:
    wchar_t name_[18] = L"Contacts Database";
    CEGUID volume_ = {};
    HANDLE session_ = nullptr;
    HANDLE db_ = INVALID_HANDLE_VALUE;
    CEOID database_ = 0;
    LPBYTE buffer_ = nullptr;
    DWORD size_ = 0;
    WORD count_ = 0;
};

std::string Utf8(const std::wstring& w)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    return s;
}

// SQLite directly: a table with the same three sorted indexes, one
// prepared statement per operation.
class FloorSide : public Side {
public:
    bool Open() override
    {
        DeleteFiles(kFloorPath);
        if (sqlite3_open_v2(Utf8(kFloorPath).c_str(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            return false;
        sqlite3_busy_timeout(db_, 5000);
        sqlite3_exec(db_,
                     "PRAGMA journal_mode=WAL;"
                     "CREATE TABLE contacts(id INTEGER PRIMARY KEY, name TEXT COLLATE NOCASE,"
                     " last TEXT COLLATE NOCASE, first TEXT COLLATE NOCASE,"
                     " company TEXT COLLATE NOCASE, props BLOB);"
                     "CREATE INDEX contacts_name ON contacts(name);"
                     "CREATE INDEX contacts_last_first ON contacts(last, first);"
                     "CREATE INDEX contacts_company ON contacts(company);",
                     nullptr, nullptr, nullptr);
        return Prepare("INSERT INTO contacts(name, last, first, company, props)"
                       " VALUES(?1, ?2, ?3, ?4, ?5)", &insert_) &&
               Prepare("SELECT id, props FROM contacts WHERE name = ?1 LIMIT 1", &seek_) &&
               Prepare("SELECT count(*) FROM contacts", &count_) &&
               Prepare("SELECT id, props FROM contacts WHERE name > '' ORDER BY name", &ordered_);
    }
    bool Insert(const Contact& c) override
    {
        std::string blob = ContactBlob(c);
        sqlite3_bind_text16(insert_, 1, c.fileAs.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert_, 2, c.last.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert_, 3, c.first.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert_, 4, c.company.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_blob(insert_, 5, blob.data(), static_cast<int>(blob.size()),
                          SQLITE_TRANSIENT);
        bool ok = sqlite3_step(insert_) == SQLITE_DONE;
        sqlite3_reset(insert_);
        return ok;
    }
    bool SeekAndRead(const std::wstring& name) override
    {
        sqlite3_bind_text16(seek_, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        bool ok = sqlite3_step(seek_) == SQLITE_ROW;
        if (ok)
            CopyProps(seek_);
        sqlite3_reset(seek_);
        return ok;
    }
    bool Count() override
    {
        bool ok = sqlite3_step(count_) == SQLITE_ROW && sqlite3_column_int(count_, 0) > 0;
        sqlite3_reset(count_);
        return ok;
    }
    bool OpenAndCount() override { return Count(); }
    bool ReadInOrder(int records) override
    {
        int read = 0;
        while (read < records && sqlite3_step(ordered_) == SQLITE_ROW) {
            CopyProps(ordered_);
            ++read;
        }
        sqlite3_reset(ordered_);
        return read == records;
    }
    void Close() override
    {
        for (sqlite3_stmt* s : {insert_, seek_, count_, ordered_})
            sqlite3_finalize(s);
        sqlite3_close(db_);
    }

private:
    bool Prepare(const char* sql, sqlite3_stmt** stmt)
    {
        return sqlite3_prepare_v2(db_, sql, -1, stmt, nullptr) == SQLITE_OK;
    }
    void CopyProps(sqlite3_stmt* s)
    {
        copy_.assign(static_cast<const char*>(sqlite3_column_blob(s, 1)),
                     sqlite3_column_bytes(s, 1));
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    sqlite3_stmt* seek_ = nullptr;
    sqlite3_stmt* count_ = nullptr;
    sqlite3_stmt* ordered_ = nullptr;
    std::string copy_;
};

// Seconds per operation on each side; the sides take turns block by block
// so that a change in the machine's load hits both alike.
struct Pair {
    double store = 0;
    double floor = 0;
};

template <typename Step>
bool Alternate(Side& store, Side& floor, int operations, int blocks, Step step, Pair* seconds)
{
    int perBlock = operations / blocks;
    for (int b = 0; b < blocks; ++b) {
        for (Side* side : {&store, &floor}) {
            double start = Now();
            for (int i = b * perBlock; i < (b + 1) * perBlock; ++i) {
                if (!step(*side, i))
                    return false;
            }
            (side == &store ? seconds->store : seconds->floor) += Now() - start;
        }
    }
    seconds->store /= operations;
    seconds->floor /= operations;
    return true;
}

void Line(const char* what, double store, double floor, double unit, const char* unitName)
{
    std::printf("%-40s %10.2f %s  %10.2f %s  %6.2fx\n", what, store / unit, unitName, floor / unit,
                unitName, floor > 0 ? store / floor : 0.0);
}

}  // namespace

int wmain()
{
    constexpr int kBlocks = 10;
    std::vector<Contact> contacts;
    for (int i = 0; i < kRecords; ++i)
        contacts.push_back(MakeContact(i));
    StoreSide store;
    FloorSide floor;
    if (!store.Open() || !floor.Open()) {
        std::printf("cannot open: %lu\n", GetLastError());
        return 1;
    }
    Pair insert, seekRead, count, openCount, ordered;
    auto name = [&](int i) { return contacts[(i * 7919) % kRecords].fileAs; };
    bool ok =
        Alternate(store, floor, kRecords, kBlocks,
                  [&](Side& s, int i) { return s.Insert(contacts[i]); }, &insert) &&
        Alternate(store, floor, kSeeks, kBlocks,
                  [&](Side& s, int i) { return s.SeekAndRead(name(i)); }, &seekRead) &&
        Alternate(store, floor, kCounts, kBlocks, [](Side& s, int) { return s.Count(); },
                  &count) &&
        Alternate(store, floor, kCounts, kBlocks, [](Side& s, int) { return s.OpenAndCount(); },
                  &openCount) &&
        Alternate(store, floor, kOrderedPasses, kOrderedPasses,
                  [](Side& s, int) { return s.ReadInOrder(kOrderedReads); },
                  &ordered);
    store.Close();
    floor.Close();
    if (!ok) {
        std::printf("run failed: %lu\n", GetLastError());
        return 1;
    }
    std::printf("%d contact-shaped records           object store    SQLite floor   ratio\n",
                kRecords);
    Line("insert (one transaction each)", insert.store, insert.floor, 1e-6, "us");
    Line("seek equal + read", seekRead.store, seekRead.floor, 1e-6, "us");
    Line("record count (object information)", count.store, count.floor, 1e-6, "us");
    Line("open + record count + close", openCount.store, openCount.floor, 1e-6, "us");
    Line("read 5000 in sort order (each pass)", ordered.store, ordered.floor, 1e-3, "ms");
    return 0;
}
