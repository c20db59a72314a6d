// The received-message database of the Harrowell phone application,
// "SMS_RECEIVE" in the object store, as that application writes it: the
// nate phone stand-in and the tests write its records through here.
//
// A record's properties (id, type):
//   21010 UI2     kind, 1 for a message
//   21020 I2      kept as written
//   21030 LPWSTR  arrival time as text ("2005-03-14 09:30:15")
//   21030 R8      arrival time as a date (days), the sort key
//   21040 LPWSTR  sender's number
//   21050 LPWSTR  callback number
//   21060 UI2     kept as written
//   21070 I2      kept as written
//   21080 LPWSTR  message text
//   21090 UI2     status: 0 or 3 unread, 1 read
// The database sorts on the arrival date, descending and case-insensitive,
// so that the newest message comes first.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

namespace standins {

struct SmsMessage {
    WORD kind = 1;
    short extra21020 = 0;
    std::wstring received;
    double arrival = 0;
    std::wstring sender;
    std::wstring callback;
    WORD extra21060 = 0;
    short extra21070 = 0;
    std::wstring text;
    WORD status = 0;
};

// The record's properties in the order above; the texts point into the
// message, which must outlive them. Tests may drop or change entries.
std::vector<CEPROPVAL> SmsRecordProps(const SmsMessage& message);

// Opens the database in its sort order, creating it first when it is
// missing; INVALID_HANDLE_VALUE on failure. Close with CloseHandle.
HANDLE OpenSmsReceive();

// Adds a record; its id, 0 on failure.
CEOID WriteSmsRecord(HANDLE database, std::vector<CEPROPVAL> props);
CEOID WriteSmsMessage(HANDLE database, const SmsMessage& message);

// A message that arrives now: kind 1, unread, its time read from the clock.
SmsMessage ArrivingMessage(const std::wstring& sender, const std::wstring& text);

}  // namespace standins
