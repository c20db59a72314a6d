#include "core/db_access.h"

#include <strsafe.h>

CEGUID DiaryVolume = {};
HANDLE DiarySession = nullptr;

namespace {

constexpr DWORD kCaseInsensitiveAscending = CEDB_SORT_CASEINSENSITIVE;
constexpr DWORD kCreateValidFields = CEDB_VALIDNAME | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS;

SORTORDERSPECEX OneProperty(CEPROPID property)
{
    SORTORDERSPECEX sort = {};
    sort.wVersion = SORTORDERSPECEX_VERSION;
    sort.wNumProps = 1;
    sort.wKeyFlags = 0;
    sort.rgPropID[0] = property;
    sort.rgdwFlags[0] = kCaseInsensitiveAscending;
    return sort;
}

HANDLE OpenOwnDatabase(LPCWSTR name, CEPROPID sortProperty, CEOID* oid, DWORD openFlags = 0)
{
    *oid = 0;
    SORTORDERSPECEX sort = OneProperty(sortProperty);
    return CeOpenDatabaseInSession(DiarySession, &DiaryVolume, oid, const_cast<LPWSTR>(name),
                                   sortProperty == kUnsorted ? nullptr : &sort, openFlags, nullptr);
}

}  // namespace

bool WithOwnDatabase(LPCWSTR name, CEPROPID sortProperty, const std::function<void(HANDLE database)>& work,
                     DWORD openFlags)
{
    CEOID oid = 0;
    HANDLE database = OpenOwnDatabase(name, sortProperty, &oid, openFlags);
    if (database == INVALID_HANDLE_VALUE || database == nullptr)
        return false;
    work(database);
    CloseHandle(database);
    return true;
}

HANDLE OpenOwnDatabaseHandle(LPCWSTR name, CEPROPID sortProperty)
{
    CEOID oid = 0;
    HANDLE database = OpenOwnDatabase(name, sortProperty, &oid);
    return database == INVALID_HANDLE_VALUE ? nullptr : database;
}

int CreateOwnDatabase(LPCWSTR name, std::initializer_list<CEPROPID> sortProperties)
{
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = kCreateValidFields;
    StringCchCopyW(info.szDbaseName, CEDB_MAXDBASENAMELEN, name);
    for (CEPROPID property : sortProperties) {
        if (info.wNumSortOrder == CEDB_MAXSORTORDER)
            break;
        info.rgSortSpecs[info.wNumSortOrder++] = OneProperty(property);
    }
    return CeCreateDatabaseEx2(&DiaryVolume, &info) != 0 ? 1 : 0;
}

int DropOwnDatabase(LPCWSTR name)
{
    CEOID oid = 0;
    HANDLE database = OpenOwnDatabase(name, kUnsorted, &oid);
    if (database == INVALID_HANDLE_VALUE || database == nullptr)
        return -1;
    CloseHandle(database);
    return CeDeleteDatabaseEx(&DiaryVolume, oid) ? 1 : 0;
}

bool RenameOwnDatabase(LPCWSTR name, LPCWSTR newName)
{
    CEOID oid = 0;
    HANDLE database = OpenOwnDatabase(name, kUnsorted, &oid);
    if (database == INVALID_HANDLE_VALUE || database == nullptr)
        return false;
    CloseHandle(database);
    CEDBASEINFOEX info = {};
    info.wVersion = CEDBASEINFOEX_VERSION;
    info.dwFlags = CEDB_VALIDNAME;
    StringCchCopyW(info.szDbaseName, CEDB_MAXDBASENAMELEN, newName);
    return CeSetDatabaseInfoEx2(&DiaryVolume, oid, &info) != FALSE;
}

CEOID WriteNewOwnRecord(LPCWSTR name, std::initializer_list<CEPROPVAL> properties)
{
    CEOID written = 0;
    WithOwnDatabase(name, kUnsorted, [&](HANDLE database) {
        written = CeWriteRecordProps(database, 0, static_cast<WORD>(properties.size()),
                                     const_cast<CEPROPVAL*>(properties.begin()));
    });
    return written;
}

bool DeleteOwnRecord(LPCWSTR name, CEOID record)
{
    bool deleted = false;
    WithOwnDatabase(name, kUnsorted, [&](HANDLE database) { deleted = CeDeleteRecord(database, record) != FALSE; });
    return deleted;
}

CEPROPVAL I4Value(CEPROPID id, int32_t value)
{
    CEPROPVAL property = {};
    property.propid = id;
    property.val.lVal = value;
    return property;
}

CEPROPVAL TextValue(CEPROPID id, LPCWSTR text)
{
    CEPROPVAL property = {};
    property.propid = id;
    property.val.lpwstr = const_cast<LPWSTR>(text ? text : L"");
    return property;
}

CEPROPVAL StreamValue(CEPROPID id, DWORD bytes, const BYTE* data)
{
    CEPROPVAL property = {};
    property.propid = id;
    property.val.blob.dwCount = data ? bytes : 0;
    property.val.blob.lpb = const_cast<LPBYTE>(data);
    return property;
}

CEOID SeekFirstEqual(HANDLE database, const CEPROPVAL& value)
{
    DWORD index = 0;
    CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
    return CeSeekDatabaseEx(database, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), 1, &index);
}

OwnRecord::~OwnRecord()
{
    Free();
}

void OwnRecord::Free()
{
    if (buffer_)
        LocalFree(buffer_);
    buffer_ = nullptr;
    count_ = 0;
    oid_ = 0;
}

bool OwnRecord::ReadCurrent(HANDLE database)
{
    Free();
    WORD count = 0;
    DWORD size = 0;
    CEOID oid = CeReadRecordPropsEx(database, 0, &count, nullptr, &buffer_, &size, nullptr);
    if (!oid) {
        Free();
        return false;
    }
    count_ = count;
    oid_ = oid;
    return true;
}

const CEPROPVAL* OwnRecord::Find(CEPROPID id) const
{
    const CEPROPVAL* values = reinterpret_cast<const CEPROPVAL*>(buffer_);
    for (WORD i = 0; values && i < count_; ++i) {
        if (values[i].propid == id && !(values[i].wFlags & CEDB_PROPNOTFOUND))
            return &values[i];
    }
    return nullptr;
}

int32_t OwnRecord::I4(CEPROPID id) const
{
    const CEPROPVAL* value = Find(id);
    return value ? static_cast<int32_t>(value->val.lVal) : 0;
}

LPCWSTR OwnRecord::Text(CEPROPID id) const
{
    const CEPROPVAL* value = Find(id);
    return value && value->val.lpwstr ? value->val.lpwstr : L"";
}
