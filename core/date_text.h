// Date texts as the lists, the schedule and the forms carry them: read as
// "%4d-%2d-%2d", written as "%4d-%02d-%02d", counted as day numbers.
#pragma once

#include <cstddef>
#include <cstdint>

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

// False (out untouched) for a null, empty or unreadable text.
bool ReadDateText(const wchar_t* text, DateParts* out);

// "%4d-%02d-%02d" into out (at least 11 characters), always terminated.
void WriteDateText(wchar_t* out, size_t chars, const DateParts& date);

// The day number (core/dates.h) of a date text; 0 when it cannot be read.
int64_t DayNumberOfText(const wchar_t* text);
// Writes the date of a day number; the empty text outside years 1..9999.
void WriteDayNumberText(wchar_t* out, size_t chars, int64_t dayNumber);
