// The phone application's received-message database "SMS_RECEIVE" in the
// object store: opened at the start of each export and closed before it
// returns. Index 0 is the first record of the phone's order, the newest.
#pragma once

#include "platform/ce.h"
#include "telvo/telvo.h"

// One record as read: every property of it, looked up by id and type.
class SmsRecord {
public:
    SmsRecord() = default;
    ~SmsRecord();
    SmsRecord(const SmsRecord&) = delete;
    SmsRecord& operator=(const SmsRecord&) = delete;

    // Reads the database's current record; false when there is none.
    bool ReadCurrent(HANDLE database);
    CEOID Oid() const { return oid_; }

    WORD Kind() const;
    WORD Status() const;
    // The four texts into data, each cut to its field; the status only when
    // asked for.
    void CopyTo(SMSDATA* data, bool withStatus) const;
    // Writes the message's own properties back with the status read, at the
    // same record; a property the record lacks is not created. False when
    // the write failed.
    bool WriteBackAsRead(HANDLE database) const;

private:
    const CEPROPVAL* Find(CEPROPID propid) const;
    WORD Number(CEPROPID propid) const;
    void CopyText(CEPROPID propid, wchar_t* out, size_t chars) const;

    CEOID oid_ = 0;
    BYTE* buffer_ = nullptr;
    WORD count_ = 0;
};

class SmsDatabase {
public:
    SmsDatabase() = default;
    ~SmsDatabase();
    SmsDatabase(const SmsDatabase&) = delete;
    SmsDatabase& operator=(const SmsDatabase&) = delete;

    // Opens in the phone's order when the database declares it, else in
    // its stored order; never changes the database's sort orders.
    bool Open();
    // Ends the open early, before the phone is told of a change.
    void Close();
    HANDLE Handle() const { return handle_; }
    DWORD Count() const;
    // Reads the record at the index; false when there is none.
    bool ReadAt(DWORD index, SmsRecord* record);
    bool DeleteAt(DWORD index);

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    CEOID oid_ = 0;
};

// The status filters of the scanning exports: TELVO_FILTER_ANY matches every
// message, TELVO_FILTER_UNREAD statuses 0 and 3, TELVO_FILTER_READ status 1;
// any other filter matches nothing.
bool StatusMatches(WORD status, unsigned filter);
