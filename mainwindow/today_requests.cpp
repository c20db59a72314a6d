#include "mainwindow/today_requests.h"

#include "core/ansi_text.h"
#include "core/dates.h"
#include "core/lunar.h"
#include "core/text_helpers.h"

#include <strsafe.h>

namespace {

constexpr size_t kIdBytes = 4;
constexpr size_t kAnniversaryIdBytes = 2;
constexpr uint32_t kLargestLong = 0x7FFFFFFF;
// Where a request is moved to be read, out of the Today item's way.
constexpr wchar_t kRequestBeingRead[] = L"\\Windows\\Quillon1.rd";
constexpr DWORD kTakenOpenWaitMs = 200;
constexpr DWORD kTakenOpenRetryMs = 2;

// ---- fields ---------------------------------------------------------------

// No digit of a number is stored as 0; a 0 byte makes the number 0.
bool HasZeroByte(const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (bytes[i] == 0)
            return true;
    }
    return false;
}

uint32_t ObjectIdAt(const uint8_t* bytes)
{
    return HasZeroByte(bytes, kIdBytes) ? 0 : DecodeRequestObjectId(bytes);
}

int32_t AnniversaryIdAt(const uint8_t* bytes)
{
    return HasZeroByte(bytes, kAnniversaryIdBytes) ? 0 : DecodeRequestAnniversaryId(bytes);
}

bool IsDigit(uint8_t byte)
{
    return byte >= '0' && byte <= '9';
}

int DigitsAt(const uint8_t* bytes, size_t count)
{
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!IsDigit(bytes[i]))
            return -1;
        value = value * 10 + (bytes[i] - '0');
    }
    return value;
}

// "YYYY-MM" of a year the calendar covers; the day, when there is one, must
// be in that month.
bool ReadMonth(const uint8_t* bytes, int* year, int* month)
{
    *year = DigitsAt(bytes, 4);
    *month = DigitsAt(bytes + 5, 2);
    return bytes[4] == '-' && *year >= kFirstLunarYear && *year <= kLastLunarYear && *month >= 1 && *month <= 12;
}

bool ReadDate(const uint8_t* bytes, TodayRequest& request)
{
    int year = 0, month = 0;
    if (!ReadMonth(bytes, &year, &month) || bytes[7] != '-')
        return false;
    const int day = DigitsAt(bytes + 8, 2);
    if (day < 1 || day > DaysInMonth(year, month))
        return false;
    StringCchPrintfW(request.date, kDateTextChars, L"%04d-%02d-%02d", year, month, day);
    return true;
}

// ANSI bytes into a wide text of at most `chars` - 1 characters and its
// terminator; false when they are no text of the code page (a 0 byte
// included), or too long.
template <size_t chars>
bool ReadAnsiText(const uint8_t* bytes, size_t count, wchar_t (&text)[chars])
{
    std::wstring wide;
    text[0] = L'\0';
    if (!WideFromAnsiExact(reinterpret_cast<const char*>(bytes), count, &wide) || wide.size() >= chars ||
        wide.find(L'\0') != std::wstring::npos)
        return false;
    StringCchCopyW(text, chars, wide.c_str());
    return true;
}

// The field without the blanks that pad it.
template <size_t chars>
bool ReadPaddedText(const uint8_t* bytes, size_t count, wchar_t (&text)[chars])
{
    if (!ReadAnsiText(bytes, count, text))
        return false;
    TrimBlanks(text);
    return true;
}

// The text with only the characters that keep() takes, in order; false
// when none is left.
template <size_t chars, class Keep>
bool KeepOnly(wchar_t (&text)[chars], Keep keep)
{
    std::wstring kept;
    for (const wchar_t* c = text; *c; ++c) {
        if (keep(*c, kept))
            kept += *c;
    }
    StringCchCopyW(text, chars, kept.c_str());
    return text[0] != L'\0';
}

// The field without any blank.
template <size_t chars>
bool ReadTextWithoutBlanks(const uint8_t* bytes, size_t count, wchar_t (&text)[chars])
{
    return ReadAnsiText(bytes, count, text) && KeepOnly(text, [](wchar_t c, const std::wstring&) { return c != L' '; });
}

// What the phone is given: the digits and '#', and a '+' that leads.
template <size_t chars>
bool ReadDialNumber(const uint8_t* bytes, size_t count, wchar_t (&number)[chars])
{
    return ReadAnsiText(bytes, count, number) && KeepOnly(number, [](wchar_t c, const std::wstring& kept) {
               return (c >= L'0' && c <= L'9') || c == L'#' || (c == L'+' && kept.empty());
           });
}

// ---- the kinds --------------------------------------------------------------

bool DecodeAppointment(const uint8_t* bytes, TodayRequest& request)
{
    request.appointment = ObjectIdAt(bytes + kRequestDateBytes);
    return ReadDate(bytes, request) && request.appointment != 0;
}

bool DecodeNewAppointment(const uint8_t* bytes, TodayRequest& request)
{
    request.appointment = 0;
    return ReadDate(bytes, request);
}

bool DecodeDay(const uint8_t* bytes, TodayRequest& request)
{
    request.appointment = kAppointmentOfDay;
    return ReadDate(bytes, request);
}

bool DecodeMonth(const uint8_t* bytes, TodayRequest& request)
{
    int year = 0, month = 0;
    if (!ReadMonth(bytes, &year, &month))
        return false;
    StringCchPrintfW(request.date, kDateTextChars, L"%04d-%02d-01", year, month);
    request.appointment = kAppointmentOfMonth;
    return true;
}

bool DecodeContact(const uint8_t* bytes, TodayRequest& request)
{
    request.contact = ObjectIdAt(bytes);
    request.contactAction = kContactOpen;
    return request.contact != 0;
}

bool DecodeDial(const uint8_t* bytes, TodayRequest& request)
{
    if (!ReadDialNumber(bytes, kRequestNumberBytes, request.number) ||
        !ReadPaddedText(bytes + kRequestNumberBytes, kRequestNameBytes, request.name) ||
        !DecodeContact(bytes + kRequestNumberBytes + kRequestNameBytes, request))
        return false;
    request.contactAction = kContactDial;
    return true;
}

bool DecodeMail(const uint8_t* bytes, TodayRequest& request)
{
    if (!ReadTextWithoutBlanks(bytes, kRequestAddressBytes, request.address) ||
        !DecodeContact(bytes + kRequestAddressBytes, request))
        return false;
    request.contactAction = kContactMail;
    return true;
}

bool DecodeAnniversary(const uint8_t* bytes, TodayRequest& request)
{
    // The first byte, the kind's letter, is not looked at.
    request.anniversary = AnniversaryIdAt(bytes + 1);
    return request.anniversary != 0;
}

bool DecodeTaskOrMemo(const uint8_t* bytes, TodayRequest& request)
{
    const uint32_t id = ObjectIdAt(bytes + 1);
    if (bytes[0] == kRequestTaskLetter)
        request.task = static_cast<CEOID>(id);
    else if (id <= kLargestLong)
        request.memo = static_cast<long>(id);
    return request.task != 0 || request.memo != 0;
}

template <int code>
bool DecodeViewCode(const uint8_t*, TodayRequest& request)
{
    request.viewCode = code;
    return true;
}

// The path fills the request, blank-padded; an all-blank one names no file.
bool DecodeNotesFile(const uint8_t* bytes, size_t count, TodayRequest& request)
{
    if (!ReadAnsiText(bytes, count, request.notePath))
        return false;
    size_t length = wcslen(request.notePath);
    while (length > 0 && request.notePath[length - 1] == L' ')
        request.notePath[--length] = L'\0';
    return length > 0;
}

bool DecodeOpenNotesFile(const uint8_t* bytes, TodayRequest& request)
{
    return DecodeNotesFile(bytes, kRequestOpenNotesFile, request);
}

bool DecodeDeleteNotesFile(const uint8_t* bytes, TodayRequest& request)
{
    return DecodeNotesFile(bytes, kRequestDeleteNotesFile, request);
}

struct RequestKind {
    size_t length;
    bool (*decode)(const uint8_t* bytes, TodayRequest& request);
    bool remove;
};

const RequestKind kRequestKinds[] = {
    {kRequestOpenAppointment, DecodeAppointment, false},
    {kRequestDeleteAppointment, DecodeAppointment, true},
    {kRequestNewAppointment, DecodeNewAppointment, false},
    {kRequestOpenDay, DecodeDay, false},
    {kRequestOpenMonth, DecodeMonth, false},
    {kRequestDial, DecodeDial, false},
    {kRequestSendMail, DecodeMail, false},
    {kRequestEditContact, DecodeContact, false},
    {kRequestOpenAnniversary, DecodeAnniversary, false},
    {kRequestDeleteAnniversary, DecodeAnniversary, true},
    {kRequestOpenItem, DecodeTaskOrMemo, false},
    {kRequestDeleteItem, DecodeTaskOrMemo, true},
    {kRequestPreferences, DecodeViewCode<kViewCodePreferences>, false},
    {kRequestNewTask, DecodeViewCode<kViewCodeNewTask>, false},
    {kRequestTaskView, DecodeViewCode<kViewCodeTasks>, false},
    {kRequestNewMemo, DecodeViewCode<kViewCodeNewMemo>, false},
    {kRequestMemoView, DecodeViewCode<kViewCodeMemos>, false},
    {kRequestOpenNotesFile, DecodeOpenNotesFile, false},
    {kRequestDeleteNotesFile, DecodeDeleteNotesFile, true},
};

// The whole file, and one byte more to tell a file that is too long.
size_t ReadWholeFile(HANDLE file, uint8_t* buffer, size_t size)
{
    size_t total = 0;
    DWORD count = 0;
    while (total < size &&
           ReadFile(file, buffer + total, static_cast<DWORD>(size - total), &count, nullptr) && count > 0)
        total += count;
    return total;
}

// Moves the request out of the writer's way in one step: a request the
// Today item puts in place from then on is a file of its own, for the next
// tick, and can neither be deleted unread nor be blocked by this one.
bool MoveRequestAside()
{
    static DWORD reportedError = ERROR_SUCCESS;
    if (MoveFileExW(kTodayRequestFile, kRequestBeingRead, MOVEFILE_REPLACE_EXISTING)) {
        reportedError = ERROR_SUCCESS;
        return true;
    }
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return false;
    // What was left aside (a read-only file) must not hold up the next one.
    SetFileAttributesW(kRequestBeingRead, FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(kRequestBeingRead);
    if (MoveFileExW(kTodayRequestFile, kRequestBeingRead, MOVEFILE_REPLACE_EXISTING)) {
        reportedError = ERROR_SUCCESS;
        return true;
    }
    error = GetLastError();
    if (error != reportedError)
        NKDbgPrintfW(L"Quillon: the Today request cannot be taken (%lu); it stays unread", error);
    reportedError = error;
    return false;
}

// The writer's rename may still hold the file for a moment after it is in
// place; nothing else opens it once it is aside.
HANDLE OpenRequestTaken()
{
    HANDLE file = INVALID_HANDLE_VALUE;
    for (DWORD start = GetTickCount();; Sleep(kTakenOpenRetryMs)) {
        file = CreateFileW(kRequestBeingRead, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION ||
            GetTickCount() - start >= kTakenOpenWaitMs)
            return file;
    }
}

// The request's bytes, its file gone; false when there is no request.
bool TakeRequestFile(uint8_t* buffer, size_t size, size_t* count)
{
    *count = 0;
    if (!MoveRequestAside())
        return false;
    HANDLE file = OpenRequestTaken();
    if (file == INVALID_HANDLE_VALUE) {
        NKDbgPrintfW(L"Quillon: the Today request taken aside cannot be opened (%lu); ignored", GetLastError());
    } else {
        *count = ReadWholeFile(file, buffer, size);
        CloseHandle(file);
    }
    // The request is no longer under its name, so it is read only once
    // even when its file cannot go (it is replaced at the next take).
    SetFileAttributesW(kRequestBeingRead, FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(kRequestBeingRead))
        NKDbgPrintfW(L"Quillon: the Today request read stays as %ls (%lu)", kRequestBeingRead, GetLastError());
    return true;
}

}  // namespace

TodayRequest DecodeTodayRequest(const uint8_t* bytes, size_t count)
{
    for (const RequestKind& kind : kRequestKinds) {
        if (kind.length != count)
            continue;
        TodayRequest request;
        request.usable = kind.decode(bytes, request);
        request.remove = kind.remove;
        return request.usable ? request : TodayRequest();
    }
    return TodayRequest();
}

bool ReadTodayRequest(TodayRequest* request)
{
    *request = TodayRequest();
    size_t count = 0;
    uint8_t buffer[kTodayRequestMaxBytes + 1] = {};
    if (!TakeRequestFile(buffer, sizeof(buffer), &count))
        return false;
    if (count <= kTodayRequestMaxBytes)
        *request = DecodeTodayRequest(buffer, count);
    if (!request->usable) {
        NKDbgPrintfW(L"Quillon: request of %u bytes ignored", static_cast<unsigned>(count));
        return true;
    }
    if (request->date[0])
        StringCchCopyW(CurrentDate, kDateTextChars, request->date);
    return true;
}
