// What the list tests load: own memos, holidays, contacts, tasks and files
// of the device, written through the program's own volume (DiaryVolume)
// and application object (OutlookApp), whoever set them up.
#pragma once

#include "core/state.h"

#include <string>

namespace liststest {

void AddMemo(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title, CEOID contact = 0);

// Saved items made through OutlookApp; their object ids.
CEOID MakeContact(const wchar_t* last, const wchar_t* first);
// Dates "yyyy-mm-dd" (empty: none); importance 0 low, 1 normal, 2 high.
CEOID MakeTask(const wchar_t* subject, const wchar_t* start, const wchar_t* due, long importance = 1,
               bool complete = false);

// An object-model date of "yyyy-mm-dd" or "yyyy-mm-dd hh:mm".
DATE DateOf(const wchar_t* text);

// A file of the device with its last write set to a moment given in UTC.
bool WriteFileAt(const std::wstring& path, const SYSTEMTIME& utc, const std::string& content = "x");
SYSTEMTIME Utc(int year, int month, int day, int hour = 0, int minute = 0);

}  // namespace liststest
