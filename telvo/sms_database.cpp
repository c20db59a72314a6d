#include "telvo/sms_database.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kSmsDatabaseName[] = L"SMS_RECEIVE";

// The properties of a message, by id and the type the phone stores.
constexpr CEPROPID kKindProp = MAKEPROPID(21010, CEVT_UI2);
constexpr CEPROPID kReceivedProp = MAKEPROPID(21030, CEVT_LPWSTR);
constexpr CEPROPID kSenderProp = MAKEPROPID(21040, CEVT_LPWSTR);
constexpr CEPROPID kCallbackProp = MAKEPROPID(21050, CEVT_LPWSTR);
constexpr CEPROPID kTextProp = MAKEPROPID(21080, CEVT_LPWSTR);
constexpr CEPROPID kStatusProp = MAKEPROPID(21090, CEVT_UI2);

// The nine a rewrite carries back.
constexpr CEPROPID kMessageProps[] = {
    kKindProp,
    MAKEPROPID(21020, CEVT_I2),
    kReceivedProp,
    kSenderProp,
    kCallbackProp,
    MAKEPROPID(21060, CEVT_UI2),
    MAKEPROPID(21070, CEVT_I2),
    kTextProp,
    kStatusProp,
};

// The phone's order: newest first by the arrival time.
constexpr CEPROPID kArrivalSortProp = MAKEPROPID(21030, CEVT_R8);
constexpr DWORD kArrivalSortFlags = CEDB_SORT_DESCENDING | CEDB_SORT_CASEINSENSITIVE;

constexpr WORD kStatusUnread = 0;
constexpr WORD kStatusRead = 1;
constexpr WORD kStatusUnreadToo = 3;

}  // namespace

// ---- one record ----------------------------------------------------------

SmsRecord::~SmsRecord()
{
    if (buffer_)
        LocalFree(buffer_);
}

bool SmsRecord::ReadCurrent(HANDLE database)
{
    if (buffer_)
        LocalFree(buffer_);
    buffer_ = nullptr;
    count_ = 0;
    DWORD size = 0;
    oid_ = CeReadRecordPropsEx(database, CEDB_ALLOWREALLOC, &count_, nullptr, &buffer_, &size, nullptr);
    if (!oid_)
        count_ = 0;
    return oid_ != 0;
}

const CEPROPVAL* SmsRecord::Find(CEPROPID propid) const
{
    const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer_);
    for (WORD i = 0; values && i < count_; ++i) {
        if (values[i].propid == propid && !(values[i].wFlags & CEDB_PROPNOTFOUND))
            return &values[i];
    }
    return nullptr;
}

WORD SmsRecord::Number(CEPROPID propid) const
{
    const CEPROPVAL* value = Find(propid);
    return value ? value->val.uiVal : 0;
}

WORD SmsRecord::Kind() const
{
    return Number(kKindProp);
}

WORD SmsRecord::Status() const
{
    return Number(kStatusProp);
}

void SmsRecord::CopyText(CEPROPID propid, wchar_t* out, size_t chars) const
{
    const CEPROPVAL* value = Find(propid);
    StringCchCopyW(out, chars, value && value->val.lpwstr ? value->val.lpwstr : L"");
}

void SmsRecord::CopyTo(SMSDATA* data, bool withStatus) const
{
    if (withStatus)
        data->status = Status();
    CopyText(kReceivedProp, data->received, ARRAYSIZE(data->received));
    CopyText(kSenderProp, data->sender, ARRAYSIZE(data->sender));
    CopyText(kCallbackProp, data->callback, ARRAYSIZE(data->callback));
    CopyText(kTextProp, data->text, ARRAYSIZE(data->text));
}

bool SmsRecord::WriteBackAsRead(HANDLE database) const
{
    CEPROPVAL values[ARRAYSIZE(kMessageProps)];
    WORD count = 0;
    for (CEPROPID propid : kMessageProps) {
        if (const CEPROPVAL* value = Find(propid)) {
            values[count] = *value;
            values[count].wFlags = 0;
            if (propid == kStatusProp)
                values[count].val.uiVal = kStatusRead;
            ++count;
        }
    }
    return count == 0 || CeWriteRecordProps(database, oid_, count, values) != 0;
}

// ---- the database --------------------------------------------------------

SmsDatabase::~SmsDatabase()
{
    Close();
}

void SmsDatabase::Close()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

bool SmsDatabase::Open()
{
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    SORTORDERSPECEX arrival = {};
    arrival.wVersion = SORTORDERSPECEX_VERSION;
    arrival.wNumProps = 1;
    arrival.rgPropID[0] = kArrivalSortProp;
    arrival.rgdwFlags[0] = kArrivalSortFlags;
    oid_ = 0;
    handle_ = CeOpenDatabaseEx2(&store, &oid_, const_cast<LPWSTR>(kSmsDatabaseName), &arrival, 0, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_NOT_FOUND) {
        oid_ = 0;
        handle_ = CeOpenDatabaseEx2(&store, &oid_, const_cast<LPWSTR>(kSmsDatabaseName), nullptr, 0, nullptr);
    }
    return handle_ != INVALID_HANDLE_VALUE;
}

DWORD SmsDatabase::Count() const
{
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    if (!CeOidGetInfoEx2(&store, oid_, &info) || info.wObjType != OBJTYPE_DATABASE)
        return 0;
    return info.infDatabase.dwNumRecords;
}

bool SmsDatabase::ReadAt(DWORD index, SmsRecord* record)
{
    DWORD at = 0;
    return CeSeekDatabaseEx(handle_, CEDB_SEEK_BEGINNING, index, 0, &at) != 0 && record->ReadCurrent(handle_);
}

bool SmsDatabase::DeleteAt(DWORD index)
{
    DWORD at = 0;
    CEOID oid = CeSeekDatabaseEx(handle_, CEDB_SEEK_BEGINNING, index, 0, &at);
    return oid != 0 && CeDeleteRecord(handle_, oid);
}

bool StatusMatches(WORD status, unsigned filter)
{
    switch (filter) {
    case TELVO_FILTER_ANY: return true;
    case TELVO_FILTER_UNREAD: return status == kStatusUnread || status == kStatusUnreadToo;
    case TELVO_FILTER_READ: return status == kStatusRead;
    }
    return false;
}
