#include "core/outlook_probes.h"

OutlookWatchEntry OutlookWatchState[kWatchCount] = {};
SORTORDERSPECEX ContactsNameSortOrder = {};

namespace {

constexpr DWORD kDeviceNotifyRequestBytes = 20;
constexpr CEPROPID kFileAsName = 0x0080001F;

struct WatchedDatabase {
    LPCWSTR name;
    DWORD notifyParam;
};

const WatchedDatabase kWatched[kWatchCount] = {
    {kContactsDatabaseName, 11},
    {kAppointmentsDatabaseName, 12},
    {kTasksDatabaseName, 13},
};

bool IsOpen(HANDLE database)
{
    return database != nullptr && database != INVALID_HANDLE_VALUE;
}

// Opens the database without sort order just long enough to read its
// information.
bool ReadDatabaseInfo(LPCWSTR name, CEOIDINFOEX* info)
{
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(name), nullptr,
                                              0, nullptr);
    if (!IsOpen(database))
        return false;
    *info = CEOIDINFOEX();
    info->wVersion = CEOIDINFOEX_VERSION;
    BOOL ok = CeOidGetInfoEx2(&DiaryVolume, oid, info);
    CloseHandle(database);
    return ok && info->wObjType == OBJTYPE_DATABASE;
}

}  // namespace

void OpenOutlookDatabasesWithNotify(HWND window)
{
    for (int i = 0; i < kWatchCount; ++i) {
        OutlookWatchEntry& entry = OutlookWatchState[i];
        entry.request = CENOTIFYREQUEST();
        entry.request.dwSize = kDeviceNotifyRequestBytes;
        entry.request.hwnd = window;
        entry.request.dwFlags = CEDB_EXNOTIFICATION;
        entry.request.hHeap = nullptr;
        entry.request.dwParam = kWatched[i].notifyParam;
        CEOID oid = 0;
        HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid,
                                                  const_cast<LPWSTR>(kWatched[i].name), nullptr, 0, &entry.request);
        entry.database = IsOpen(database) ? database : nullptr;
    }
}

void CloseOutlookDatabases()
{
    for (OutlookWatchEntry& entry : OutlookWatchState) {
        if (entry.database)
            CloseHandle(entry.database);
        entry.database = nullptr;
    }
}

int ReadSystemRecordCount(LPCWSTR databaseName)
{
    return ReadSystemDatabaseStamp(databaseName).count;
}

SystemDatabaseStamp ReadSystemDatabaseStamp(LPCWSTR databaseName)
{
    SystemDatabaseStamp stamp;
    CEOIDINFOEX info;
    if (!ReadDatabaseInfo(databaseName, &info))
        return stamp;
    const CEDBASEINFOEX& database = info.infDatabase;
    stamp.count = static_cast<int>(database.dwNumRecords);
    stamp.size = database.dwSize;
    stamp.modified = (static_cast<ULONGLONG>(database.ftLastModified.dwHighDateTime) << 32) |
                     database.ftLastModified.dwLowDateTime;
    return stamp;
}

LPCWSTR WatchedDatabaseName(OutlookWatchIndex which)
{
    return kWatched[which].name;
}

int GetContactsNameSortOrder()
{
    CEOIDINFOEX info;
    if (!ReadDatabaseInfo(kContactsDatabaseName, &info))
        return 0;
    const CEDBASEINFOEX& database = info.infDatabase;
    int orders = database.wNumSortOrder < CEDB_MAXSORTORDER ? database.wNumSortOrder : CEDB_MAXSORTORDER;
    for (int i = 0; i < orders; ++i) {
        if (database.rgSortSpecs[i].wNumProps > 0 && database.rgSortSpecs[i].rgPropID[0] == kFileAsName) {
            ContactsNameSortOrder = database.rgSortSpecs[i];
            break;
        }
    }
    return database.wNumSortOrder;
}
