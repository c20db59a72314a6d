#include "platform/outlook/pim_store.h"

namespace poom {

namespace {

constexpr int kOlderBuildMajorVersion = 3;
// Changes a table remembers for the collections that follow them.
constexpr size_t kRememberedChanges = 256;
wchar_t kVolumePath[] = L"\\pim.vol";

bool CreateDatabase(CEGUID* volume, const wchar_t* name, const SORTORDERSPECEX* sorts, WORD sortCount)
{
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;
    lstrcpynW(info.szDbaseName, name, CEDB_MAXDBASENAMELEN);
    info.wNumSortOrder = sortCount;
    for (WORD i = 0; i < sortCount; ++i)
        info.rgSortSpecs[i] = sorts[i];
    // Another process may have created it a moment ago; that is as good.
    return CeCreateDatabaseEx2(volume, &info) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

void EnsureDatabase(CEGUID* volume, ItemKind kind)
{
    if (kind == ItemKind::Contact) {
        // The name order the direct contacts reader opens with comes first.
        SORTORDERSPECEX sorts[2] = {SortOn(kPropFileAs, CEDB_SORT_CASEINSENSITIVE),
                                    SortOn(kPropLastName, CEDB_SORT_CASEINSENSITIVE, kPropFirstName,
                                           CEDB_SORT_CASEINSENSITIVE)};
        CreateDatabase(volume, DatabaseNameOf(kind), sorts, 2);
    } else {
        CreateDatabase(volume, DatabaseNameOf(kind), nullptr, 0);
    }
}

int KindIndex(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact: return 0;
    case ItemKind::Appointment: return 1;
    case ItemKind::Task: return 2;
    }
    return 0;
}

}  // namespace

SORTORDERSPECEX SortOn(CEPROPID first, DWORD flags, CEPROPID second, DWORD secondFlags)
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

PimStore& PimStore::Instance()
{
    static PimStore store;
    return store;
}

int PimStore::DeviceMajorVersion()
{
    return CeProfileInt(L"Device", L"CeMajorVersion", 5);
}

bool PimStore::OlderBuild()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (!Ensure())
        return DeviceMajorVersion() <= kOlderBuildMajorVersion;
    return olderBuild_;
}

CEGUID PimStore::Volume()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    Ensure();
    return volume_;
}

bool PimStore::Ensure()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (open_)
        return true;
    olderBuild_ = DeviceMajorVersion() <= kOlderBuildMajorVersion;
    if (olderBuild_) {
        CREATE_SYSTEMGUID(&volume_);
    } else {
        if (!CeMountDBVol(&volume_, kVolumePath, OPEN_ALWAYS))
            return false;
        mounted_ = true;
    }
    for (ItemKind kind : {ItemKind::Contact, ItemKind::Appointment, ItemKind::Task})
        EnsureDatabase(&volume_, kind);
    open_ = OpenTables();
    if (!open_)
        Close();
    return open_;
}

bool PimStore::OpenTables()
{
    for (ItemKind kind : {ItemKind::Contact, ItemKind::Appointment, ItemKind::Task}) {
        Table& table = TableOf(kind);
        table.oid = 0;
        table.handle = CeOpenDatabaseEx2(&volume_, &table.oid, const_cast<LPWSTR>(DatabaseNameOf(kind)), nullptr,
                                         CEDB_AUTOINCREMENT, nullptr);
        if (table.handle == INVALID_HANDLE_VALUE)
            return false;
    }
    return true;
}

void PimStore::Close()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    CloseKept();
    for (Table& table : tables_) {
        if (table.handle != INVALID_HANDLE_VALUE)
            CloseHandle(table.handle);
        table.handle = INVALID_HANDLE_VALUE;
        table.oid = 0;
    }
    if (mounted_)
        CeUnmountDBVol(&volume_);
    mounted_ = false;
    open_ = false;
    if (buffer_)
        LocalFree(buffer_);
    buffer_ = nullptr;
    bufferSize_ = 0;
}

PimStore::Table& PimStore::TableOf(ItemKind kind)
{
    return tables_[KindIndex(kind)];
}

bool PimStore::ReadCurrent(ItemKind kind, Table& table, ItemData* item)
{
    WORD count = 0;
    CEOID oid = CeReadRecordPropsEx(table.handle, CEDB_ALLOWREALLOC, &count, nullptr, &buffer_, &bufferSize_,
                                    nullptr);
    if (!oid)
        return false;
    *item = DecodeRecord(kind, oid, reinterpret_cast<CEPROPVAL*>(buffer_), count);
    return true;
}

bool PimStore::ReadAll(ItemKind kind, std::vector<ItemData>* items)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    items->clear();
    if (!Ensure())
        return false;
    Table& table = TableOf(kind);
    if (!CeSeekDatabaseEx(table.handle, CEDB_SEEK_BEGINNING, 0, 0, nullptr))
        return true;  // no records
    ItemData item(kind);
    while (ReadCurrent(kind, table, &item))
        items->push_back(std::move(item));
    return true;
}

bool PimStore::Read(ItemKind kind, CEOID oid, ItemData* item)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (oid == 0 || !Ensure())
        return false;
    Table& table = TableOf(kind);
    if (CeSeekDatabaseEx(table.handle, CEDB_SEEK_CEOID, oid, 0, nullptr) != oid)
        return false;
    return ReadCurrent(kind, table, item);
}

bool PimStore::Find(CEOID oid, ItemData* item)
{
    if (oid & 0x80000000u)
        return Read(ItemKind::Contact, oid, item);
    return Read(ItemKind::Appointment, oid, item) || Read(ItemKind::Task, oid, item);
}

bool PimStore::Write(ItemData* item, const CategoryMarks& marks)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (!Ensure())
        return false;
    Table& table = TableOf(item->Kind());
    RecordWrite write(*item, marks);
    CEOID oid = CeWriteRecordProps(table.handle, item->Oid(), write.Count(), write.Values());
    if (!oid)
        return false;
    item->SetOid(oid);
    item->StoredProps().clear();
    for (const auto& entry : item->Props())
        item->StoredProps().insert(entry.first);
    Note(table, oid, false);
    return true;
}

bool PimStore::Delete(ItemKind kind, CEOID oid)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (oid == 0 || !Ensure())
        return false;
    Table& table = TableOf(kind);
    if (!CeDeleteRecord(table.handle, oid))
        return false;
    Note(table, oid, true);
    return true;
}

bool PimStore::BeginBatch()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return Ensure() && CeStoreBeginBatch(&volume_);
}

bool PimStore::EndBatch()
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return CeStoreEndBatch(&volume_) != FALSE;
}

DWORD PimStore::Count(ItemKind kind)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (!Ensure())
        return 0;
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    if (!CeOidGetInfoEx2(&volume_, TableOf(kind).oid, &info))
        return 0;
    return info.infDatabase.dwNumRecords;
}

unsigned long long PimStore::Generation(ItemKind kind)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    return TableOf(kind).generation;
}

void PimStore::Note(Table& table, CEOID oid, bool deleted)
{
    ++table.generation;
    table.changes.push_back(Change{table.generation, oid, deleted});
    if (table.changes.size() > kRememberedChanges)
        table.changes.pop_front();
}

bool PimStore::DeletedSince(ItemKind kind, unsigned long long generation, std::vector<CEOID>* deleted)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    deleted->clear();
    const Table& table = TableOf(kind);
    if (generation == table.generation)
        return true;
    if (table.changes.empty() || table.changes.front().generation > generation + 1)
        return false;
    for (const Change& change : table.changes) {
        if (change.generation <= generation)
            continue;
        if (!change.deleted)
            return false;
        deleted->push_back(change.oid);
    }
    return true;
}

HANDLE PimStore::OpenOrCreate(const wchar_t* name, const SORTORDERSPECEX* sort, const SORTORDERSPECEX* create,
                              WORD createCount, CEOID* oid)
{
    *oid = 0;
    HANDLE handle = CeOpenDatabaseEx2(&volume_, oid, const_cast<LPWSTR>(name), const_cast<SORTORDERSPECEX*>(sort),
                                      0, nullptr);
    if (handle != INVALID_HANDLE_VALUE || !create)
        return handle;
    if (!CreateDatabase(&volume_, name, create, createCount))
        return INVALID_HANDLE_VALUE;
    *oid = 0;
    return CeOpenDatabaseEx2(&volume_, oid, const_cast<LPWSTR>(name), const_cast<SORTORDERSPECEX*>(sort), 0,
                             nullptr);
}

// Each open makes a kernel handle and each close ends one, a round trip to
// the system each: a save that opened the category databases spent more on
// that than on its category rows. Ids are never given twice, so a database
// that still answers to its id is the one the handle has open.
HANDLE PimStore::KeptOther(const wchar_t* name, const SORTORDERSPECEX* sort, const SORTORDERSPECEX* create,
                           WORD createCount)
{
    std::lock_guard<std::recursive_mutex> hold(lock_);
    if (!Ensure())
        return INVALID_HANDLE_VALUE;
    for (auto it = kept_.begin(); it != kept_.end(); ++it) {
        if (it->name != name || memcmp(&it->sort, sort, sizeof(*sort)) != 0)
            continue;
        CEOIDINFOEX info = {};
        info.wVersion = CEOIDINFOEX_VERSION;
        if (CeOidGetInfoEx2(&volume_, it->oid, &info) && info.wObjType == OBJTYPE_DATABASE)
            return it->handle;
        CloseHandle(it->handle);
        kept_.erase(it);
        break;
    }
    CEOID oid = 0;
    HANDLE handle = OpenOrCreate(name, sort, create, createCount, &oid);
    if (handle != INVALID_HANDLE_VALUE)
        kept_.push_back(KeptDatabase{name, *sort, handle, oid});
    return handle;
}

void PimStore::CloseKept()
{
    for (const KeptDatabase& database : kept_)
        CloseHandle(database.handle);
    kept_.clear();
}

std::unique_lock<std::recursive_mutex> PimStore::Hold()
{
    return std::unique_lock<std::recursive_mutex>(lock_);
}

}  // namespace poom
