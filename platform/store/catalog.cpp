// The databases of a volume: create, delete, object information, and the
// replacement of a database's information.
#include "platform/store/store_state.h"

#include <cwchar>

namespace store {

namespace {

constexpr DWORD kDatabaseFlagsMask = 0xFFFF0000;
constexpr DWORD kReportedValidFlags =
    CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDMODTIME | CEDB_VALIDDBFLAGS;

sqlite3_int64 Int64Of(const FILETIME& t)
{
    return static_cast<sqlite3_int64>((static_cast<uint64_t>(t.dwHighDateTime) << 32) |
                                      t.dwLowDateTime);
}

FILETIME FileTimeOf(sqlite3_int64 v)
{
    FILETIME t;
    t.dwLowDateTime = static_cast<DWORD>(v);
    t.dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(v) >> 32);
    return t;
}

bool ValidName(const WCHAR* name)
{
    size_t n = wcsnlen(name, CEDB_MAXDBASENAMELEN);
    return n > 0 && n < CEDB_MAXDBASENAMELEN;
}

// The fields a database information marks valid, checked.
struct InfoChange {
    bool hasName = false, hasType = false, hasSorts = false, hasFlags = false;
    std::wstring name;
    DWORD type = 0, flags = 0;
    SortOrders sorts;
};

bool ChangeFromInfo(const CEDBASEINFOEX* info, InfoChange* change)
{
    if (!info || info->wVersion != CEDBASEINFOEX_VERSION)
        return false;
    change->hasName = (info->dwFlags & CEDB_VALIDNAME) != 0;
    change->hasType = (info->dwFlags & CEDB_VALIDTYPE) != 0;
    change->hasSorts = (info->dwFlags & CEDB_VALIDSORTSPEC) != 0;
    change->hasFlags = (info->dwFlags & CEDB_VALIDDBFLAGS) != 0;
    if (change->hasName) {
        if (!ValidName(info->szDbaseName))
            return false;
        change->name = info->szDbaseName;
    }
    change->type = info->dwDbaseType;
    change->flags = info->dwFlags & kDatabaseFlagsMask;
    if (change->hasSorts) {
        if (info->wNumSortOrder > CEDB_MAXSORTORDER)
            return false;
        for (WORD i = 0; i < info->wNumSortOrder; ++i) {
            SortOrder order;
            if (!SortOrderFromDef(info->rgSortSpecs[i], &order))
                return false;
            change->sorts.push_back(std::move(order));
        }
    }
    return true;
}

CEDBASEINFOEX InfoExFromInfo(const CEDBASEINFO& info)
{
    CEDBASEINFOEX ex = {};
    ex.wVersion = CEDBASEINFOEX_VERSION;
    ex.dwFlags = info.dwFlags;
    wcsncpy(ex.szDbaseName, info.szDbaseName, CEDB_MAXDBASENAMELEN);
    ex.dwDbaseType = info.dwDbaseType;
    ex.wNumSortOrder = info.wNumSortOrder;
    for (WORD i = 0; i < info.wNumSortOrder && i < CEDB_MAXSORTORDER; ++i) {
        ex.rgSortSpecs[i].wVersion = SORTORDERSPECEX_VERSION;
        ex.rgSortSpecs[i].wNumProps = 1;
        ex.rgSortSpecs[i].rgPropID[0] = info.rgSortSpecs[i].propid;
        ex.rgSortSpecs[i].rgdwFlags[0] = info.rgSortSpecs[i].dwFlags;
    }
    return ex;
}

void FillInfoEx(const DatabaseRow& row, CEDBASEINFOEX* info)
{
    *info = {};
    info->wVersion = CEDBASEINFOEX_VERSION;
    info->wNumSortOrder = static_cast<WORD>(row.sorts.size());
    info->dwFlags = kReportedValidFlags | row.flags;
    wcsncpy(info->szDbaseName, row.name.c_str(), CEDB_MAXDBASENAMELEN - 1);
    info->dwDbaseType = row.type;
    info->dwNumRecords = row.records;
    info->dwSize = row.size;
    info->ftLastModified = row.modified;
    for (size_t i = 0; i < row.sorts.size(); ++i)
        SpecFromSortOrder(row.sorts[i], &info->rgSortSpecs[i]);
}

// The short form of the information, for the older calls.
void ShortInfoFromInfo(const CEDBASEINFOEX& ex, CEDBASEINFO* info)
{
    *info = {};
    info->dwFlags = ex.dwFlags;
    wcsncpy(info->szDbaseName, ex.szDbaseName, CEDB_MAXDBASENAMELEN);
    info->dwDbaseType = ex.dwDbaseType;
    info->wNumRecords = static_cast<WORD>(ex.dwNumRecords > 0xFFFF ? 0xFFFF : ex.dwNumRecords);
    info->wNumSortOrder = ex.wNumSortOrder;
    info->dwSize = ex.dwSize;
    info->ftLastModified = ex.ftLastModified;
    for (WORD i = 0; i < ex.wNumSortOrder; ++i) {
        info->rgSortSpecs[i].propid = ex.rgSortSpecs[i].rgPropID[0];
        info->rgSortSpecs[i].dwFlags = ex.rgSortSpecs[i].rgdwFlags[0];
    }
}

bool NameTaken(Volume& volume, const std::wstring& name, CEOID except)
{
    DatabaseRow other;
    return ReadDatabaseRow(volume, 0, name.c_str(), &other) && other.oid != except;
}

CEOID CreateDatabase(Volume& volume, const InfoChange& change)
{
    if (!change.hasName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WriteTransaction tx(volume);
    if (!tx.Began())
        return 0;
    if (NameTaken(volume, change.name, 0)) {
        SetLastError(ERROR_DUP_NAME);
        return 0;
    }
    DWORD oid = 0;
    if (!TakeId(volume, Counter::kIds, &oid))
        return 0;
    Statement insert(volume.file, kDatabaseInsert);
    insert.Bind(1, oid).BindText(2, change.name.c_str()).Bind(3, change.hasType ? change.type : 0);
    insert.Bind(4, change.hasFlags ? change.flags : 0).BindBlob(5, EncodeSortOrders(change.sorts));
    insert.Bind(6, Int64Of(FileTimeNow()));
    if (!insert.Run() || !tx.Commit())
        return 0;
    return oid;
}

bool RebuildKeys(Volume& volume, CEOID database, const SortOrders& orders)
{
    struct Pending {
        sqlite3_int64 seq;
        std::string props;
    };
    std::vector<Pending> records;
    {
        Statement all(volume.file, kRecordsOfDatabase);
        all.Bind(1, database);
        while (all.Step())
            records.push_back({all.Int(0), all.Blob(1)});
        if (all.Failed())
            return false;
    }
    for (const Pending& r : records) {
        PropertyViews views;
        if (!DecodeRecordBlob(r.props.data(), r.props.size(), &views)) {
            SetLastError(ERROR_BAD_FORMAT);
            return false;
        }
        Statement update(volume.file, kRecordUpdateKeys);
        update.Bind(1, r.seq);
        BindRecordKeys(update, 2, orders, views);
        if (!update.Run())
            return false;
    }
    return true;
}

BOOL SetDatabaseInfo(Volume& volume, CEOID oid, const InfoChange& change)
{
    Transaction tx(volume.file, true);
    DatabaseRow row;
    if (!tx.Began() || !ReadDatabaseRow(volume, oid, nullptr, &row))
        return FALSE;
    if (change.hasName && NameTaken(volume, change.name, oid)) {
        SetLastError(ERROR_DUP_NAME);
        return FALSE;
    }
    if (change.hasName)
        row.name = change.name;
    if (change.hasType)
        row.type = change.type;
    if (change.hasFlags)
        row.flags = change.flags;
    if (change.hasSorts) {
        row.sorts = change.sorts;
        if (!RebuildKeys(volume, oid, row.sorts))
            return FALSE;
    }
    Statement update(volume.file, kDatabaseUpdateInfo);
    update.Bind(1, oid).BindText(2, row.name.c_str()).Bind(3, row.type).Bind(4, row.flags);
    update.BindBlob(5, EncodeSortOrders(row.sorts)).Bind(6, Int64Of(FileTimeNow()));
    return update.Run() && tx.Commit();
}

BOOL DeleteDatabase(Volume& volume, CEOID oid)
{
    Transaction tx(volume.file, true);
    if (!tx.Began())
        return FALSE;
    {
        Statement drop(volume.file, kDatabaseDelete);
        drop.Bind(1, oid);
        if (!drop.Step()) {
            if (!drop.Failed())
                SetLastError(ERROR_FILE_NOT_FOUND);
            return FALSE;
        }
    }
    Statement records(volume.file, kDatabaseRecordsDelete);
    records.Bind(1, oid);
    return records.Run() && tx.Commit();
}

// A name as the catalog compares names (NOCASE: ASCII letters only).
std::wstring FoldedName(const std::wstring& name)
{
    std::wstring folded = name;
    for (wchar_t& c : folded) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return folded;
}

// The volume's kept catalog rows, emptied when anything may have been
// committed since they were read; null when that cannot be told.
CatalogCache* CurrentCatalog(Volume& volume)
{
    CommitStamp now = StampNow(volume.file);
    if (!now.known)
        return nullptr;
    CatalogCache& cache = volume.catalog;
    if (!SameState(cache.stamp, now)) {
        cache.rows.clear();
        cache.oids.clear();
        cache.stamp = now;
    }
    return &cache;
}

const DatabaseRow* KeptRow(const CatalogCache& cache, CEOID oid, const wchar_t* name)
{
    if (!oid) {
        auto named = cache.oids.find(FoldedName(name));
        if (named == cache.oids.end())
            return nullptr;
        oid = named->second;
    }
    auto row = cache.rows.find(oid);
    return row == cache.rows.end() ? nullptr : &row->second;
}

void KeepRow(CatalogCache& cache, const DatabaseRow& row)
{
    cache.rows[row.oid] = row;
    cache.oids[FoldedName(row.name)] = row.oid;
}

// Object information of a database or a record; false when neither.
bool ReadObjectInfo(Volume& volume, CEOID oid, DatabaseRow* row, CEOID* recordParent)
{
    if (ReadDatabaseRow(volume, oid, nullptr, row))
        return true;
    Statement record(volume.file, kRecordByOid);
    record.Bind(1, oid);
    if (oid && record.Step()) {
        *recordParent = static_cast<CEOID>(record.Int(1));
        return true;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

}  // namespace

bool ReadDatabaseRow(Volume& volume, CEOID oid, const wchar_t* name, DatabaseRow* row)
{
    CatalogCache* cache = CurrentCatalog(volume);
    if (const DatabaseRow* kept = cache ? KeptRow(*cache, oid, name) : nullptr) {
        *row = *kept;
        return true;
    }
    Statement find(volume.file, oid ? kDatabaseByOid : kDatabaseByName);
    if (oid)
        find.Bind(1, oid);
    else
        find.BindText(1, name);
    if (!find.Step()) {
        if (!find.Failed())
            SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    bool ok = false;
    row->sorts = CachedSortOrders(volume.file, find.BlobData(4), find.BlobSize(4), &ok);
    if (!ok) {
        SetLastError(ERROR_BAD_FORMAT);
        return false;
    }
    row->oid = static_cast<CEOID>(find.Int(0));
    row->name = find.Text(1);
    row->type = static_cast<DWORD>(find.Int(2));
    row->flags = static_cast<DWORD>(find.Int(3));
    row->records = static_cast<DWORD>(find.Int(5));
    row->size = static_cast<DWORD>(find.Int(6));
    row->modified = FileTimeOf(find.Int(7));
    if (cache)
        KeepRow(*cache, *row);
    return true;
}

FILETIME FileTimeNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return now;
}

}  // namespace store

using namespace store;

CEAPI CEOID WINAPI CeCreateDatabaseEx2(PCEGUID pguid, CEDBASEINFOEX* pInfo)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    InfoChange change;
    if (!volume)
        return 0;
    if (!ChangeFromInfo(pInfo, &change)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return CreateDatabase(*volume, change);
}

CEAPI CEOID WINAPI CeCreateDatabaseEx(PCEGUID pguid, CEDBASEINFO* pInfo)
{
    if (!pInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    CEDBASEINFOEX ex = InfoExFromInfo(*pInfo);
    return CeCreateDatabaseEx2(pguid, &ex);
}

CEAPI CEOID WINAPI CeCreateDatabase(LPWSTR lpszName, DWORD dwDbaseType, WORD wNumSortOrder,
                                    SORTORDERSPEC* rgSortSpecs)
{
    CEDBASEINFO info = {};
    if (!lpszName || wNumSortOrder > CEDB_MAXSORTORDER || (wNumSortOrder && !rgSortSpecs)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    wcsncpy(info.szDbaseName, lpszName, CEDB_MAXDBASENAMELEN);
    if (info.szDbaseName[CEDB_MAXDBASENAMELEN - 1]) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    info.dwDbaseType = dwDbaseType;
    info.wNumSortOrder = wNumSortOrder;
    for (WORD i = 0; i < wNumSortOrder; ++i)
        info.rgSortSpecs[i] = rgSortSpecs[i];
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    return CeCreateDatabaseEx(&objectStore, &info);
}

CEAPI BOOL WINAPI CeDeleteDatabaseEx(PCEGUID pguid, CEOID oid)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    return volume && DeleteDatabase(*volume, oid);
}

CEAPI BOOL WINAPI CeDeleteDatabase(CEOID oid)
{
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    return CeDeleteDatabaseEx(&objectStore, oid);
}

CEAPI BOOL WINAPI CeOidGetInfoEx2(PCEGUID pguid, CEOID oid, CEOIDINFOEX* pInfo)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    DatabaseRow row;
    CEOID parent = 0;
    if (!volume)
        return FALSE;
    if (!pInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!ReadObjectInfo(*volume, oid, &row, &parent))
        return FALSE;
    pInfo->wVersion = CEOIDINFOEX_VERSION;
    if (row.oid) {
        pInfo->wObjType = OBJTYPE_DATABASE;
        FillInfoEx(row, &pInfo->infDatabase);
    } else {
        pInfo->wObjType = OBJTYPE_RECORD;
        pInfo->infRecord.oidParent = parent;
    }
    return TRUE;
}

CEAPI BOOL WINAPI CeOidGetInfoEx(PCEGUID pguid, CEOID oid, CEOIDINFO* pInfo)
{
    CEOIDINFOEX ex = {};
    if (!pInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!CeOidGetInfoEx2(pguid, oid, &ex))
        return FALSE;
    pInfo->wObjType = ex.wObjType;
    pInfo->wPad = 0;
    if (ex.wObjType == OBJTYPE_DATABASE)
        ShortInfoFromInfo(ex.infDatabase, &pInfo->infDatabase);
    else
        pInfo->infRecord.oidParent = ex.infRecord.oidParent;
    return TRUE;
}

CEAPI BOOL WINAPI CeOidGetInfo(CEOID oid, CEOIDINFO* pInfo)
{
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    return CeOidGetInfoEx(&objectStore, oid, pInfo);
}

CEAPI BOOL WINAPI CeSetDatabaseInfoEx2(PCEGUID pguid, CEOID oid, CEDBASEINFOEX* pInfo)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    InfoChange change;
    if (!volume)
        return FALSE;
    if (!ChangeFromInfo(pInfo, &change)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return SetDatabaseInfo(*volume, oid, change);
}

CEAPI BOOL WINAPI CeSetDatabaseInfoEx(PCEGUID pguid, CEOID oid, CEDBASEINFO* pInfo)
{
    if (!pInfo) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    CEDBASEINFOEX ex = InfoExFromInfo(*pInfo);
    return CeSetDatabaseInfoEx2(pguid, oid, &ex);
}

CEAPI BOOL WINAPI CeSetDatabaseInfo(CEOID oid, CEDBASEINFO* pInfo)
{
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    return CeSetDatabaseInfoEx(&objectStore, oid, pInfo);
}
