// A second device process for the object store tests.
//   store_peer count VOLUME DATABASE          exit code: the record count
//   store_peer write VOLUME DATABASE N        writes N records (property 1 = 0..N-1)
//   store_peer watch VOLUME DATABASE N FILE   signals "QuillonStorePeerReady", then
//                                             writes "kind oid param tick" per
//                                             notification until N arrived
//   store_peer crash VOLUME DATABASE          writes 5 records, then dies inside
//                                             the transaction of a sixth, large
//                                             enough to spill into the log (77)
//   store_peer batchcrash VOLUME DATABASE     writes 5 records in a batch and ends it,
//                                             then dies inside a second batch after
//                                             writing 5 more (77)
//   store_peer set VOLUME DATABASE OID P V    sets I4 property P of record OID to V
//                                             (OID 0: a new record)
//   store_peer delete VOLUME DATABASE OID     deletes record OID
//   store_peer recreate VOLUME DATABASE N     deletes the database, creates it again
//                                             sorted on I4 property 1, writes N records
#include "platform/ce.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kUsage = 100;
constexpr int kFailed = 101;
constexpr int kTimedOut = 102;
constexpr UINT kCrashExitCode = 77;
constexpr DWORD kWatchLimitMs = 10000;
constexpr DWORD kWatchParam = 12;
constexpr size_t kSpillingBlob = 6 << 20;
constexpr DWORD kMountOpenAlways = 0x80000004;

struct Notice {
    UINT kind;
    CEOID oid;
    DWORD param;
    ULONGLONG tick;
};

std::vector<Notice> g_notices;

LRESULT CALLBACK WatchProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DBNOTIFICATION) {
        auto* n = reinterpret_cast<const CENOTIFICATION*>(lParam);
        g_notices.push_back({n->uType, n->oid, n->dwParam, GetTickCount64()});
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HANDLE OpenIn(CEGUID* volume, const wchar_t* name, CEOID* oid, CENOTIFYREQUEST* request)
{
    *oid = 0;
    return CeOpenDatabaseEx2(volume, oid, const_cast<wchar_t*>(name), nullptr, 0, request);
}

bool WriteRecords(HANDLE db, int count)
{
    for (int i = 0; i < count; ++i) {
        CEPROPVAL v = {};
        v.propid = MAKEPROPID(1, CEVT_I4);
        v.val.lVal = i;
        if (!CeWriteRecordProps(db, 0, 1, &v)) {
            std::fprintf(stderr, "store_peer: write %d failed (error %lu)\n", i, GetLastError());
            return false;
        }
    }
    return true;
}

// As the change watch counts: open by name for the id, read its information.
int Count(CEGUID* volume, const wchar_t* name)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE)
        return kFailed;
    CEOIDINFOEX info = {};
    bool ok = CeOidGetInfoEx2(volume, oid, &info);
    CloseHandle(db);
    return ok ? static_cast<int>(info.infDatabase.dwNumRecords) : kFailed;
}

int Watch(CEGUID* volume, const wchar_t* name, size_t wanted, const wchar_t* file)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WatchProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"StorePeerWatch";
    RegisterClassW(&wc);
    HWND window = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    CENOTIFYREQUEST request = {sizeof(request), window, CEDB_EXNOTIFICATION, nullptr, kWatchParam};
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, &request);
    if (db == INVALID_HANDLE_VALUE)
        return kFailed;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"QuillonStorePeerReady");
    if (ready)
        SetEvent(ready);
    ULONGLONG end = GetTickCount64() + kWatchLimitMs;
    while (g_notices.size() < wanted && GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    FILE* out = _wfopen(file, L"w");
    if (!out)
        return kFailed;
    for (const Notice& n : g_notices)
        std::fprintf(out, "%u %lu %lu %llu\n", n.kind, n.oid, n.param, n.tick);
    std::fclose(out);
    CloseHandle(db);
    return g_notices.size() >= wanted ? 0 : kTimedOut;
}

int Crash(CEGUID* volume, const wchar_t* name)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE || !WriteRecords(db, 5))
        return kFailed;
    std::vector<BYTE> big(kSpillingBlob, 0x5A);
    CEPROPVAL v = {};
    v.propid = MAKEPROPID(2, CEVT_BLOB);
    v.val.blob = {static_cast<DWORD>(big.size()), big.data()};
    CeStoreExitInsideNextChange(kCrashExitCode);
    CeWriteRecordProps(db, 0, 1, &v);
    return kFailed;  // not reached when the hook works
}

int CrashInsideBatch(CEGUID* volume, const wchar_t* name)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE || !CeStoreBeginBatch(volume) || !WriteRecords(db, 5) ||
        !CeStoreEndBatch(volume) || !CeStoreBeginBatch(volume) || !WriteRecords(db, 5))
        return kFailed;
    CeStoreExitInsideNextChange(kCrashExitCode);
    WriteRecords(db, 1);
    return kFailed;  // not reached when the hook works
}

bool SetProperty(CEGUID* volume, const wchar_t* name, CEOID record, WORD prop, long value)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    CEPROPVAL v = {};
    v.propid = MAKEPROPID(prop, CEVT_I4);
    v.val.lVal = value;
    if (db == INVALID_HANDLE_VALUE)
        return false;
    bool ok = CeWriteRecordProps(db, record, 1, &v) != 0;
    CloseHandle(db);
    return ok;
}

bool DeleteOne(CEGUID* volume, const wchar_t* name, CEOID record)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE)
        return false;
    bool ok = CeDeleteRecord(db, record) != FALSE;
    CloseHandle(db);
    return ok;
}

bool Recreate(CEGUID* volume, const wchar_t* name, int records)
{
    CEOID oid = 0;
    HANDLE db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(db);
    if (!CeDeleteDatabaseEx(volume, oid))
        return false;
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC;
    wcsncpy(info.szDbaseName, name, CEDB_MAXDBASENAMELEN - 1);
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0].wVersion = SORTORDERSPECEX_VERSION;
    info.rgSortSpecs[0].wNumProps = 1;
    info.rgSortSpecs[0].rgPropID[0] = MAKEPROPID(1, CEVT_I4);
    if (!CeCreateDatabaseEx2(volume, &info))
        return false;
    db = OpenIn(volume, name, &oid, nullptr);
    if (db == INVALID_HANDLE_VALUE)
        return false;
    bool ok = WriteRecords(db, records);
    CloseHandle(db);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4)
        return kUsage;
    std::wstring command = argv[1];
    CEGUID volume;
    if (!CeMountDBVol(&volume, argv[2], kMountOpenAlways))
        return kFailed;
    const wchar_t* database = argv[3];
    int result = kUsage;
    if (command == L"count") {
        result = Count(&volume, database);
    } else if (command == L"write" && argc >= 5) {
        CEOID oid = 0;
        HANDLE db = OpenIn(&volume, database, &oid, nullptr);
        result = db != INVALID_HANDLE_VALUE && WriteRecords(db, _wtoi(argv[4])) ? 0 : kFailed;
    } else if (command == L"watch" && argc >= 6) {
        result = Watch(&volume, database, static_cast<size_t>(_wtoi(argv[4])), argv[5]);
    } else if (command == L"crash") {
        result = Crash(&volume, database);
    } else if (command == L"batchcrash") {
        result = CrashInsideBatch(&volume, database);
    } else if (command == L"set" && argc >= 7) {
        auto record = static_cast<CEOID>(wcstoul(argv[4], nullptr, 10));
        auto prop = static_cast<WORD>(_wtoi(argv[5]));
        result = SetProperty(&volume, database, record, prop, _wtol(argv[6])) ? 0 : kFailed;
    } else if (command == L"delete" && argc >= 5) {
        auto record = static_cast<CEOID>(wcstoul(argv[4], nullptr, 10));
        result = DeleteOne(&volume, database, record) ? 0 : kFailed;
    } else if (command == L"recreate" && argc >= 5) {
        result = Recreate(&volume, database, _wtoi(argv[4])) ? 0 : kFailed;
    }
    CeUnmountDBVol(&volume);
    return result;
}
