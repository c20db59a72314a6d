// The requests the item hands to the main program, one builder each; every
// builder writes one request and starts the main program, or does nothing
// (false) when its fields cannot be written (see core/today_request_format.h).
#pragma once

#include "today/state.h"

#include <cstdint>

// An item a request names.
enum class TodayItemKind { Appointment, Task, OwnMemo, NotesFile, Anniversary };
struct TodayItemRef {
    TodayItemKind kind = TodayItemKind::Appointment;
    uint32_t id = 0;             // object id, memo id or anniversary id
    wchar_t date[kDateChars] = {};  // an appointment's row date
    const wchar_t* path = nullptr;  // a Notes file's full path
};

// The item of a row: a schedule row is its anniversary, its task or its
// appointment; a memo row is an own memo or, with MemoSource 2, a Notes file.
TodayItemRef ItemOfScheduleRow(const TodayScheduleRow& row);
TodayItemRef ItemOfTaskRow(const TodayTaskRow& row);
// The path is built into pathBuffer ("%s\%s.pwi" of the folder and title).
TodayItemRef ItemOfMemoRow(const TodayMemoRow& row, wchar_t* pathBuffer, size_t pathChars);

bool RequestEditItem(const TodayItemRef& item);
bool RequestDeleteItem(const TodayItemRef& item);
bool RequestEditContact(uint32_t contactId);
// Nothing when the number (its digits) or the address is empty.
bool RequestDialNumber(LPCWSTR number, LPCWSTR name, uint32_t contactId);
bool RequestSendMail(LPCWSTR address, uint32_t contactId);

// Dates are row dates "yyyy-MM-dd".
bool RequestOpenMonth(LPCWSTR date);
bool RequestNewSchedule(LPCWSTR date);
bool RequestOpenDay(LPCWSTR date);
// A day cell of the month view: the shown year and month and the cell's
// day text (one digit is written with a leading "0").
bool RequestOpenMonthDay(int year, int month, LPCWSTR dayText);
// The requests without content: 1 preferences, 2 new task, 6 task view,
// 8 new memo, 9 memo view.
bool RequestContentless(size_t kind);
