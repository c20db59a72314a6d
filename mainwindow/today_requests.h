// The request file the Today item leaves for the main program,
// "\Windows\Quillon1.qmk": one request whose byte length names its kind.
// Texts are in the ANSI code page, numbers big-endian base-255 digits each
// stored plus one, so that no number byte is 0.
#pragma once

#include "platform/ce.h"
#include "core/today_request_format.h"
#include "mainwindow/state.h"

#include <cstddef>
#include <cstdint>

// The longest request, a Notes file's path.
constexpr size_t kTodayRequestMaxBytes = kRequestOpenNotesFile;

// What a request asks for; what its kind does not set is 0 or empty.
struct TodayRequest {
    // A request that names nothing usable (an unknown length, an id of 0, a
    // date that is not one) is read and deleted but not acted on.
    bool usable = false;
    // "%4d-%02d-%02d"; a month request names its first day.
    wchar_t date[kDateTextChars] = {};
    // An appointment's object id, or 0 a new appointment on the date, -1 the
    // month, -2 the day.
    int64_t appointment = 0;
    CEOID task = 0;
    long memo = 0;
    long anniversary = 0;
    CEOID contact = 0;
    // 1 dial, 2 mail, 3 open the contact.
    int contactAction = 0;
    // 99 the preferences, 1 a new task, 2 the tasks, 11 a new memo, 12 the memos.
    int viewCode = 0;
    wchar_t notePath[MAX_PATH] = {};
    // The request deletes its item instead of opening it.
    bool remove = false;
    // The number and name to dial, the address to mail.
    wchar_t number[41] = {};
    wchar_t name[51] = {};
    wchar_t address[61] = {};
};

constexpr int64_t kAppointmentOfMonth = -1;
constexpr int64_t kAppointmentOfDay = -2;
enum ContactAction { kContactDial = 1, kContactMail = 2, kContactOpen = 3 };
enum RequestViewCode {
    kViewCodeNewTask = 1,
    kViewCodeTasks = 2,
    kViewCodeNewMemo = 11,
    kViewCodeMemos = 12,
    kViewCodePreferences = 99,
};

// Decodes one request of `count` bytes; the result's `usable` says whether
// to act on it.
TodayRequest DecodeTodayRequest(const uint8_t* bytes, size_t count);

// Takes the request file, if there is one, out of the Today item's way in
// one step, reads it and deletes it. False when
// there is no file to read (the request is then empty and not usable). A
// usable request's date also becomes CurrentDate.
bool ReadTodayRequest(TodayRequest* request);
