// Opening a database by name or id, with or without a sort order and a
// change-notification request.
#include "platform/store/store_state.h"

namespace store {

namespace {

// The device's request is 20 bytes; ours is larger on 64-bit.
constexpr DWORD kDeviceNotifyRequestSize = 20;

HANDLE OpenIn(Volume& volume, PCEOID poid, LPWSTR name, const SortOrder* wanted, DWORD flags,
              const CENOTIFYREQUEST* request)
{
    DatabaseRow row;
    if (!ReadDatabaseRow(volume, *poid, *poid ? nullptr : name, &row))
        return INVALID_HANDLE_VALUE;
    int sortIndex = kNoSortOrder;
    if (wanted) {
        sortIndex = MatchSortOrder(row.sorts, *wanted);
        if (sortIndex < 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
    }
    auto open = std::make_unique<OpenDatabase>();
    open->volumeSerial = volume.serial;
    open->database = row.oid;
    open->name = row.name;
    open->sortIndex = sortIndex;
    if (sortIndex != kNoSortOrder)
        open->sortOrder = row.sorts[sortIndex];
    open->autoIncrement = (flags & CEDB_AUTOINCREMENT) != 0;
    open->notify = request != nullptr;
    if (request)
        open->request = *request;
    OpenDatabase* opened = open.get();
    HANDLE handle = AddDatabaseHandle(std::move(open));
    if (handle == INVALID_HANDLE_VALUE)
        return handle;
    if (opened->notify)
        WatchForNotifications(volume, *opened);
    *poid = row.oid;
    return handle;
}

HANDLE Open(const CEGUID* guid, PCEOID poid, LPWSTR name, const SortOrder* wanted, DWORD flags,
            const CENOTIFYREQUEST* request)
{
    if (!poid || (!*poid && (!name || !*name)) ||
        (request && (request->dwSize < kDeviceNotifyRequestSize || !IsWindow(request->hwnd)))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (guid && CHECK_INVALIDGUID(guid)) {
        if (!name || !*name) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
        *poid = 0;
        for (Volume* volume : AllVolumes()) {
            HANDLE handle = OpenIn(*volume, poid, name, wanted, flags, request);
            if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND)
                return handle;
        }
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    Volume* volume = FindVolume(guid);
    if (!volume)
        return INVALID_HANDLE_VALUE;
    return OpenIn(*volume, poid, name, wanted, flags, request);
}

HANDLE OpenWithDef(const CEGUID* guid, PCEOID poid, LPWSTR name, const SORTORDERSPECEX* descriptor,
                    DWORD flags, const CENOTIFYREQUEST* request)
{
    SortOrder wanted;
    if (descriptor && !SortOrderFromDef(*descriptor, &wanted)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    return Open(guid, poid, name, descriptor ? &wanted : nullptr, flags, request);
}

HANDLE OpenWithProperty(const CEGUID* guid, PCEOID poid, LPWSTR name, CEPROPID propid,
                        DWORD flags, const CENOTIFYREQUEST* request)
{
    SortOrder wanted;
    wanted.props.push_back(propid);
    return Open(guid, poid, name, propid ? &wanted : nullptr, flags, request);
}

}  // namespace

}  // namespace store

using namespace store;

CEAPI HANDLE WINAPI CeOpenDatabaseInSession(HANDLE hSession, PCEGUID pguid, PCEOID poid,
                                            LPWSTR lpszName, SORTORDERSPECEX* pSort,
                                            DWORD dwFlags, CENOTIFYREQUEST* pRequest)
{
    StoreGuard guard;
    uint32_t sessionVolume = 0;
    if (hSession && !SessionVolume(hSession, &sessionVolume)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_HANDLE_VALUE;
    }
    Volume* ofSession = hSession ? VolumeBySerial(sessionVolume) : nullptr;
    if (hSession && !ofSession) {
        SetLastError(ERROR_INVALID_HANDLE);  // its volume was unmounted
        return INVALID_HANDLE_VALUE;
    }
    if (ofSession && !pguid)
        pguid = &ofSession->guid;
    if (hSession && pguid && !CHECK_INVALIDGUID(pguid)) {
        Volume* volume = FindVolume(pguid);
        if (!volume || volume->serial != sessionVolume) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
    }
    return OpenWithDef(pguid, poid, lpszName, pSort, dwFlags, pRequest);
}

CEAPI HANDLE WINAPI CeOpenDatabaseEx2(PCEGUID pguid, PCEOID poid, LPWSTR lpszName,
                                      SORTORDERSPECEX* pSort, DWORD dwFlags,
                                      CENOTIFYREQUEST* pRequest)
{
    StoreGuard guard;
    return OpenWithDef(pguid, poid, lpszName, pSort, dwFlags, pRequest);
}

CEAPI HANDLE WINAPI CeOpenDatabaseEx(PCEGUID pguid, PCEOID poid, LPWSTR lpszName,
                                     CEPROPID propid, DWORD dwFlags, CENOTIFYREQUEST* pRequest)
{
    StoreGuard guard;
    return OpenWithProperty(pguid, poid, lpszName, propid, dwFlags, pRequest);
}

CEAPI HANDLE WINAPI CeOpenDatabase(PCEOID poid, LPWSTR lpszName, CEPROPID propid, DWORD dwFlags,
                                   HWND hwndNotify)
{
    StoreGuard guard;
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    CENOTIFYREQUEST request = {sizeof(CENOTIFYREQUEST), hwndNotify, 0, nullptr, 0};
    return OpenWithProperty(&objectStore, poid, lpszName, propid, dwFlags,
                            hwndNotify ? &request : nullptr);
}
