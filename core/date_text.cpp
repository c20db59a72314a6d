#include "core/date_text.h"

#include "core/dates.h"

#include <cwchar>

bool ReadDateText(const wchar_t* text, DateParts* out)
{
    if (!text || !text[0] || !out)
        return false;
    DateParts date;
    if (swscanf(text, L"%4d-%2d-%2d", &date.year, &date.month, &date.day) != 3)
        return false;
    *out = date;
    return true;
}

void WriteDateText(wchar_t* out, size_t chars, const DateParts& date)
{
    if (!out || chars == 0)
        return;
    _snwprintf(out, chars, L"%4d-%02d-%02d", date.year, date.month, date.day);
    out[chars - 1] = L'\0';
}

int64_t DayNumberOfText(const wchar_t* text)
{
    DateParts date;
    return ReadDateText(text, &date) ? DayNumber(date.year, date.month, date.day) : 0;
}

void WriteDayNumberText(wchar_t* out, size_t chars, int64_t dayNumber)
{
    if (!out || chars == 0)
        return;
    DateParts date;
    if (!DateOfDayNumber(dayNumber, &date.year, &date.month, &date.day)) {
        out[0] = L'\0';
        return;
    }
    WriteDateText(out, chars, date);
}
