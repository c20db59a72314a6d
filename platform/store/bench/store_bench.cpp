// Measures the object store against SQLite used directly with one prepared
// statement per operation (the floor: a table with the same three sorted
// indexes), on 10 000 records of a contact's shape. Run it on a device:
//   tools/device exec DEV $PWD/build/bin/store_bench.exe
#include "platform/ce.h"

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRecords = 10000;
constexpr int kSeeks = 5000;
constexpr int kCounts = 3000;
constexpr int kOrderedReads = 5000;
constexpr WORD kFileAs = 0x80;
constexpr WORD kLastName = 0x81;
constexpr WORD kFirstName = 0x82;
constexpr WORD kCompany = 0x83;
constexpr WORD kAutoNumber = 0x1000;

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

struct Times {
    double insert = 0, seekRead = 0, count = 0, countOpen = 0, ordered = 0;
};

bool MeasureStore(const std::vector<Contact>& contacts, Times* t)
{
    DeleteFiles(kVolumePath);
    CEGUID volume;
    if (!CeMountDBVol(&volume, kVolumePath, 0x80000004))
        return false;
    HANDLE session = CeCreateSession(&volume);
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
    wcscpy(info.szDbaseName, L"Contacts Database");
    info.wNumSortOrder = 3;
    info.rgSortSpecs[0] = SortOn({kFileAs});
    info.rgSortSpecs[1] = SortOn({kLastName, kFirstName});
    info.rgSortSpecs[2] = SortOn({kCompany});
    CEOID database = CeCreateDatabaseEx2(&volume, &info);
    CEOID oid = 0;
    wchar_t name[] = L"Contacts Database";
    HANDLE db = CeOpenDatabaseInSession(session, &volume, &oid, name, nullptr, 0, nullptr);

    double start = Now();
    for (const Contact& c : contacts) {
        Contact copy = c;
        std::vector<CEPROPVAL> values = ContactValues(copy);
        if (!CeWriteRecordProps(db, 0, static_cast<WORD>(values.size()), values.data()))
            return false;
    }
    t->insert = (Now() - start) / kRecords;
    CloseHandle(db);

    SORTORDERSPECEX byName = SortOn({kFileAs});
    db = CeOpenDatabaseInSession(session, &volume, &oid, name, &byName, 0, nullptr);
    LPBYTE buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    start = Now();
    for (int i = 0; i < kSeeks; ++i) {
        CEPROPVAL key = TextValue(kFileAs, contacts[(i * 7919) % kRecords].fileAs);
        if (!CeSeekDatabaseEx(db, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&key), 1,
                              nullptr) ||
            !CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
            return false;
    }
    t->seekRead = (Now() - start) / kSeeks;

    CEOIDINFOEX oidInfo = {};
    start = Now();
    for (int i = 0; i < kCounts; ++i) {
        if (!CeOidGetInfoEx2(&volume, database, &oidInfo) ||
            oidInfo.infDatabase.dwNumRecords != kRecords)
            return false;
    }
    t->count = (Now() - start) / kCounts;
    start = Now();
    for (int i = 0; i < kCounts; ++i) {
        CEOID found = 0;
        HANDLE h = CeOpenDatabaseInSession(session, &volume, &found, name, nullptr, 0, nullptr);
        CeOidGetInfoEx2(&volume, found, &oidInfo);
        CloseHandle(h);
    }
    t->countOpen = (Now() - start) / kCounts;

    start = Now();
    CEPROPVAL empty = TextValue(kFileAs, L"");
    CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, nullptr);
    CeSeekDatabaseEx(db, CEDB_SEEK_VALUEGREATER, reinterpret_cast<DWORD_PTR>(&empty), 1, nullptr);
    for (int i = 0; i < kOrderedReads; ++i) {
        if (!CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr) ||
            !CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, nullptr))
            return false;
    }
    t->ordered = Now() - start;
    LocalFree(buffer);
    CloseHandle(db);
    CloseHandle(session);
    CeUnmountDBVol(&volume);
    return true;
}

std::string Utf8(const std::wstring& w)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    return s;
}

bool MeasureFloor(const std::vector<Contact>& contacts, Times* t)
{
    DeleteFiles(kFloorPath);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8(kFloorPath).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK)
        return false;
    sqlite3_busy_timeout(db, 5000);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=WAL;"
                 "CREATE TABLE contacts(id INTEGER PRIMARY KEY, name TEXT COLLATE NOCASE,"
                 " last TEXT COLLATE NOCASE, first TEXT COLLATE NOCASE,"
                 " company TEXT COLLATE NOCASE, props BLOB);"
                 "CREATE INDEX contacts_name ON contacts(name);"
                 "CREATE INDEX contacts_last_first ON contacts(last, first);"
                 "CREATE INDEX contacts_company ON contacts(company);",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt *insert, *seek, *count, *ordered;
    sqlite3_prepare_v2(db,
                       "INSERT INTO contacts(name, last, first, company, props)"
                       " VALUES(?1, ?2, ?3, ?4, ?5)",
                       -1, &insert, nullptr);
    sqlite3_prepare_v2(db, "SELECT id, props FROM contacts WHERE name = ?1 LIMIT 1", -1, &seek,
                       nullptr);
    sqlite3_prepare_v2(db, "SELECT count(*) FROM contacts", -1, &count, nullptr);
    sqlite3_prepare_v2(db, "SELECT id, props FROM contacts WHERE name > '' ORDER BY name", -1,
                       &ordered, nullptr);

    double start = Now();
    for (const Contact& c : contacts) {
        std::string blob = ContactBlob(c);
        sqlite3_bind_text16(insert, 1, c.fileAs.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert, 2, c.last.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert, 3, c.first.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text16(insert, 4, c.company.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_blob(insert, 5, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE)
            return false;
        sqlite3_reset(insert);
    }
    t->insert = (Now() - start) / kRecords;

    std::string copy;
    start = Now();
    for (int i = 0; i < kSeeks; ++i) {
        const std::wstring& key = contacts[(i * 7919) % kRecords].fileAs;
        sqlite3_bind_text16(seek, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(seek) != SQLITE_ROW)
            return false;
        copy.assign(static_cast<const char*>(sqlite3_column_blob(seek, 1)),
                    sqlite3_column_bytes(seek, 1));
        sqlite3_reset(seek);
    }
    t->seekRead = (Now() - start) / kSeeks;

    start = Now();
    for (int i = 0; i < kCounts; ++i) {
        if (sqlite3_step(count) != SQLITE_ROW || sqlite3_column_int(count, 0) != kRecords)
            return false;
        sqlite3_reset(count);
    }
    t->count = (Now() - start) / kCounts;
    t->countOpen = t->count;

    start = Now();
    for (int i = 0; i < kOrderedReads && sqlite3_step(ordered) == SQLITE_ROW; ++i)
        copy.assign(static_cast<const char*>(sqlite3_column_blob(ordered, 1)),
                    sqlite3_column_bytes(ordered, 1));
    t->ordered = Now() - start;
    sqlite3_reset(ordered);

    for (sqlite3_stmt* s : {insert, seek, count, ordered})
        sqlite3_finalize(s);
    sqlite3_close(db);
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
    std::vector<Contact> contacts;
    for (int i = 0; i < kRecords; ++i)
        contacts.push_back(MakeContact(i));
    Times store, floor;
    if (!MeasureStore(contacts, &store)) {
        std::printf("store run failed: %lu\n", GetLastError());
        return 1;
    }
    if (!MeasureFloor(contacts, &floor)) {
        std::printf("floor run failed\n");
        return 1;
    }
    std::printf("%d contact-shaped records           object store    SQLite floor   ratio\n",
                kRecords);
    Line("insert (one transaction each)", store.insert, floor.insert, 1e-6, "us");
    Line("seek equal + read", store.seekRead, floor.seekRead, 1e-6, "us");
    Line("record count (object information)", store.count, floor.count, 1e-6, "us");
    Line("open + record count + close", store.countOpen, floor.countOpen, 1e-6, "us");
    Line("read 5000 in sort order (total)", store.ordered, floor.ordered, 1e-3, "ms");
    return 0;
}
