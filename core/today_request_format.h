// The request file "\Windows\Quillon1.qmk" from the Today item to the main
// program: one request, whose kind is its byte length. No header, separator
// or line end. Texts are in the device's ANSI code page; ids are base-255
// digits, most significant first, each stored plus one so that no id byte
// is 0. Both the Today item (writer) and the main program (reader) use the
// layouts and the id codec of this file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

constexpr wchar_t kTodayRequestFile[] = L"\\Windows\\Quillon1.qmk";

// The kinds, by length.
constexpr size_t kRequestPreferences = 1;      // one 0 byte
constexpr size_t kRequestNewTask = 2;          // content not read
constexpr size_t kRequestOpenAnniversary = 3;  // 'M', anniversary id (2 digits)
constexpr size_t kRequestEditContact = 4;      // contact id (4 digits)
constexpr size_t kRequestOpenItem = 5;         // 'T' task or 'N' own memo, id (4 digits)
constexpr size_t kRequestTaskView = 6;         // content not read
constexpr size_t kRequestOpenMonth = 7;        // YYYY-MM
constexpr size_t kRequestNewMemo = 8;          // content not read
constexpr size_t kRequestMemoView = 9;         // content not read
constexpr size_t kRequestNewAppointment = 10;  // YYYY-MM-DD
constexpr size_t kRequestOpenDay = 11;         // YYYY-MM-DD, 0
constexpr size_t kRequestOpenAppointment = 14;    // YYYY-MM-DD, appointment id
constexpr size_t kRequestDeleteAppointment = 15;  // as 14
constexpr size_t kRequestDeleteItem = 16;         // as 5
constexpr size_t kRequestDeleteAnniversary = 17;  // as 3
constexpr size_t kRequestSendMail = 44;        // address "%40s", contact id
constexpr size_t kRequestDial = 54;            // number "%20s", name "%30s", contact id
constexpr size_t kRequestDeleteNotesFile = 255;  // path, blanks to the end
constexpr size_t kRequestOpenNotesFile = 256;    // path, blanks to the end

constexpr size_t kRequestDateBytes = 10;
constexpr size_t kRequestNumberBytes = 20;
constexpr size_t kRequestNameBytes = 30;
constexpr size_t kRequestAddressBytes = 40;

constexpr char kRequestTaskLetter = 'T';
constexpr char kRequestMemoLetter = 'N';
constexpr char kRequestAnniversaryLetter = 'M';

// The largest ids the two forms can carry: 255^4 - 1 and 255^2 - 1.
constexpr uint32_t kLargestRequestObjectId = 4228250624u;
constexpr int32_t kLargestRequestAnniversaryId = 65024;

// The 4-digit form; false (out untouched) for an id beyond the largest.
bool EncodeRequestObjectId(uint32_t id, uint8_t out[4]);
uint32_t DecodeRequestObjectId(const uint8_t bytes[4]);
// The 2-digit form; false for a negative id or one beyond the largest.
bool EncodeRequestAnniversaryId(int32_t id, uint8_t out[2]);
int32_t DecodeRequestAnniversaryId(const uint8_t bytes[2]);

using RequestBytes = std::vector<uint8_t>;

// Each builder fills out with one whole request and returns true, or
// returns false (out emptied) when a field does not fit its form: a date
// that is not ten ASCII characters, an id beyond its form, a number of more
// than 20 digits, an address of more than 40 bytes, a path of more than 256
// (open) or 255 (delete) bytes, or a text (path, name, address) with a
// character that the ANSI code page cannot carry exactly. A name longer
// than its 30 bytes is cut between characters instead.
bool BuildContentlessRequest(size_t kind, RequestBytes* out);  // kinds 1, 2, 6, 8, 9
bool BuildOpenMonthRequest(LPCWSTR date, RequestBytes* out);   // the first 7 characters of the date
bool BuildNewAppointmentRequest(LPCWSTR date, RequestBytes* out);
bool BuildOpenDayRequest(LPCWSTR date, RequestBytes* out);
bool BuildAppointmentRequest(LPCWSTR date, uint32_t appointmentId, bool remove, RequestBytes* out);
bool BuildAnniversaryRequest(int32_t anniversaryId, bool remove, RequestBytes* out);
bool BuildItemRequest(char letter, uint32_t id, bool remove, RequestBytes* out);
bool BuildNotesFileRequest(LPCWSTR path, bool remove, RequestBytes* out);
bool BuildEditContactRequest(uint32_t contactId, RequestBytes* out);
// The number keeps its digits '0'-'9' only.
bool BuildDialRequest(LPCWSTR number, LPCWSTR name, uint32_t contactId, RequestBytes* out);
bool BuildSendMailRequest(LPCWSTR address, uint32_t contactId, RequestBytes* out);

// The digits '0'-'9' of a stored number, in order.
std::wstring DialDigits(LPCWSTR number);

// The text in the ANSI code page, cut between characters to at most
// maxBytes bytes; false (out emptied) when a character of it has no exact
// form in the code page.
bool AnsiCutToFit(LPCWSTR text, size_t maxBytes, std::vector<uint8_t>* out);
