// The phone library Telvo.dll: dial, hang up and send messages through the
// Harrowell phone application, and read its received-message database.
// Every export has C linkage, a plain name and a fixed ordinal (Telvo.def).
// Texts are wide and zero-terminated; a null text counts as empty.
#pragma once

#include <wchar.h>

#if defined(TELVO_BUILD)
#define TELVO_API extern "C"
#else
#define TELVO_API extern "C" __declspec(dllimport)
#endif

// One received message as the readers hand it over; each text is cut to its
// field and always terminated.
typedef struct SMSDATA {
    int status;              // 0 or 3 unread, 1 read
    wchar_t received[20];    // the record's sort key text, its arrival time
    wchar_t sender[30];
    wchar_t callback[30];
    wchar_t text[1024];      // the message
} SMSDATA;

// The outcome of the last Telvo_EXT_Dial, Telvo_EXT_Send_SMS_Message or
// Telvo_EXT_DeleteRecord, as Telvo_EXT_GetLastError reports it.
enum TelvoErrorCode {
    TELVO_DIAL_SENT = 0,
    TELVO_DIAL_NUMBER_EMPTY = 1,
    TELVO_DIAL_NUMBER_LETTER = 2,
    TELVO_SMS_SENT = 3,  // also: record deleted
    TELVO_RECEIVE_NUMBER_LETTER = 4,
    TELVO_RECEIVE_NUMBER_EMPTY = 5,
    TELVO_RETURN_NUMBER_LETTER = 6,
    TELVO_NO_PHONE_WINDOW = 7,
    TELVO_TEXT_NOT_CARRIED = 8,  // a text with a character the code page lacks: nothing sent
};

// The filters of the scanning readers.
#define TELVO_FILTER_ANY 0xFFFFFFFFu
#define TELVO_FILTER_UNREAD 0u
#define TELVO_FILTER_READ 1u

TELVO_API int Telvo_EXT_DeleteAllRecord(void);
TELVO_API int Telvo_EXT_DeleteRecord(int index);
TELVO_API int Telvo_EXT_Dial(const wchar_t* number, int type, const wchar_t* text);
TELVO_API void Telvo_EXT_DialEnd(void);
TELVO_API const wchar_t* Telvo_EXT_GetDLLVersion(void);
TELVO_API int Telvo_EXT_GetFindMsgRead(unsigned filter);
TELVO_API int Telvo_EXT_GetLastError(void);
TELVO_API int Telvo_EXT_GetLastSMSRecord(SMSDATA* data);
TELVO_API const wchar_t* Telvo_EXT_GetPhoneNumber(void);
TELVO_API int Telvo_EXT_GetRecord(SMSDATA* data, unsigned index);
TELVO_API int Telvo_EXT_GetRecordTotal(void);
TELVO_API int Telvo_EXT_GetSMSMsgFirst(SMSDATA* data, unsigned filter);
TELVO_API int Telvo_EXT_GetSMSMsgNext(SMSDATA* data, int start, unsigned filter);
TELVO_API int Telvo_EXT_Send_SMS_Message(const wchar_t* receiveNumber, const wchar_t* returnNumber,
                                         const wchar_t* contents, unsigned level);
TELVO_API int Telvo_EXT_SetRecordStatus(int index, unsigned status);

// For callers that load the library by name: the dial export as
// GetProcAddress(library, "Telvo_EXT_Dial") finds it.
typedef int (*TelvoDialFunction)(const wchar_t* number, int type, const wchar_t* text);
