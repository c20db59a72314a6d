// The exports over the received-message database: count, find, read, scan,
// mark read and delete. Each opens the database and closes it on return;
// an index outside the records reads, writes and sends nothing.
#include "telvo/phone_packets.h"
#include "telvo/sms_database.h"
#include "telvo/state.h"

namespace {

constexpr wchar_t kCannotOpenText[] = L"DB를 Open 할 수 없습니다.";
constexpr WORD kMessageKind = 1;
constexpr int kNoMatch = -1;

// Opens the database; when it cannot be opened the box says so.
bool OpenOrSay(SmsDatabase* database)
{
    if (database->Open())
        return true;
    ShowTelvoBox(kCannotOpenText);
    return false;
}

// From start on, the index after the first message that matches the
// filter, or kNoMatch; each record scanned is copied into data (status
// too) when data is given.
int NextMatch(SmsDatabase* database, DWORD start, unsigned filter, SMSDATA* data)
{
    DWORD count = database->Count();
    for (DWORD index = start; index < count; ++index) {
        SmsRecord record;
        if (!database->ReadAt(index, &record))
            return kNoMatch;
        if (data)
            record.CopyTo(data, true);
        if (record.Kind() == kMessageKind && StatusMatches(record.Status(), filter))
            return static_cast<int>(index + 1);
    }
    return kNoMatch;
}

int ScanMessages(SMSDATA* data, DWORD start, unsigned filter)
{
    SmsDatabase database;
    if (!data || !database.Open())
        return kNoMatch;
    return NextMatch(&database, start, filter, data);
}

}  // namespace

TELVO_API int Telvo_EXT_GetRecordTotal(void)
{
    SmsDatabase database;
    if (!OpenOrSay(&database))
        return 0;
    return static_cast<int>(database.Count());
}

// An empty database answers 1.
TELVO_API int Telvo_EXT_GetFindMsgRead(unsigned filter)
{
    SmsDatabase database;
    if (!database.Open())
        return 0;
    if (database.Count() == 0)
        return 1;
    return NextMatch(&database, 0, filter, nullptr) != kNoMatch ? 1 : 0;
}

// The newest record's texts, whatever its kind.
TELVO_API int Telvo_EXT_GetLastSMSRecord(SMSDATA* data)
{
    SmsDatabase database;
    SmsRecord record;
    if (!data || !database.Open() || database.Count() == 0 || !database.ReadAt(0, &record))
        return 0;
    record.CopyTo(data, false);
    return 1;
}

TELVO_API int Telvo_EXT_GetRecord(SMSDATA* data, unsigned index)
{
    SmsDatabase database;
    if (!OpenOrSay(&database))
        return 0;
    SmsRecord record;
    if (!data || index >= database.Count() || !database.ReadAt(index, &record))
        return 0;
    if (record.Kind() != kMessageKind) {
        data->received[0] = data->sender[0] = data->callback[0] = data->text[0] = 0;
        return 0;
    }
    record.CopyTo(data, false);
    return 1;
}

TELVO_API int Telvo_EXT_GetSMSMsgFirst(SMSDATA* data, unsigned filter)
{
    return ScanMessages(data, 0, filter);
}

TELVO_API int Telvo_EXT_GetSMSMsgNext(SMSDATA* data, int start, unsigned filter)
{
    if (start < 0)
        return kNoMatch;
    return ScanMessages(data, static_cast<DWORD>(start), filter);
}

// Marks the record read and tells the phone; the status argument is not
// used: a record is only ever marked read.
TELVO_API int Telvo_EXT_SetRecordStatus(int index, unsigned)
{
    SmsDatabase database;
    if (index < 0 || !database.Open() || static_cast<DWORD>(index) >= database.Count())
        return 0;
    HWND phone = FindPhoneWindow();
    SmsRecord record;
    if (!phone || !database.ReadAt(static_cast<DWORD>(index), &record) ||
        !record.WriteBackAsRead(database.Handle()))
        return 0;
    database.Close();
    SendPhonePacket(phone, static_cast<WPARAM>(index), MakeSmsPacket(kPhoneRecordRead, 0, L"", L"", L""));
    return 1;
}

TELVO_API int Telvo_EXT_DeleteRecord(int index)
{
    if (index < 0)
        return 0;
    SmsDatabase database;
    if (!OpenOrSay(&database) || static_cast<DWORD>(index) >= database.Count())
        return 0;
    HWND phone = FindPhoneWindow();
    if (!phone) {
        LastErrorCode = TELVO_NO_PHONE_WINDOW;
        return 0;
    }
    if (!database.DeleteAt(static_cast<DWORD>(index)))
        return 0;
    database.Close();
    SendPhonePacket(phone, static_cast<WPARAM>(index), MakeSmsPacket(kPhoneRecordDeleted, 0, L"", L"", L""));
    LastErrorCode = TELVO_SMS_SENT;
    return 1;
}

// Deletes every record, the oldest first; the phone is not told.
TELVO_API int Telvo_EXT_DeleteAllRecord(void)
{
    SmsDatabase database;
    if (!OpenOrSay(&database))
        return 0;
    for (DWORD index = database.Count(); index > 0; --index)
        database.DeleteAt(index - 1);
    return 0;
}
