#include "today/day_text.h"

#include "core/dates.h"

#include <cmath>
#include <cstdio>

namespace {

const wchar_t* const kWeekdayNames[7] = {L"일", L"월", L"화", L"수", L"목", L"금", L"토"};

}  // namespace

DATE DayPart(DATE date)
{
    return std::floor(date);
}

DATE DateOfParts(int year, int month, int day)
{
    return OleDateOf(year, month, day);
}

bool SplitDate(DATE date, SYSTEMTIME* parts)
{
    *parts = SYSTEMTIME();
    if (!VariantTimeToSystemTime(date, parts)) {
        *parts = SYSTEMTIME();
        return false;
    }
    return true;
}

void FormatDateText(DATE date, wchar_t out[kDateChars])
{
    SYSTEMTIME parts;
    SplitDate(date, &parts);
    _snwprintf(out, kDateChars, L"%4d-%02d-%02d", parts.wYear, parts.wMonth, parts.wDay);
    out[kDateChars - 1] = L'\0';
}

void FormatTimeText(DATE date, wchar_t out[kTimeChars])
{
    SYSTEMTIME parts;
    SplitDate(date, &parts);
    _snwprintf(out, kTimeChars, L"%02d:%02d", parts.wHour, parts.wMinute);
    out[kTimeChars - 1] = L'\0';
}

bool ParseDateText(const wchar_t* text, int* year, int* month, int* day)
{
    *year = *month = *day = 0;
    return text && swscanf(text, L"%4d-%2d-%2d", year, month, day) == 3;
}

int WeekdayOf(DATE date)
{
    // 1899-12-30 was a Saturday.
    long long days = static_cast<long long>(std::floor(date));
    return static_cast<int>(((days + 6) % 7 + 7) % 7);
}

const wchar_t* WeekdayName(int weekday)
{
    return weekday >= 0 && weekday < 7 ? kWeekdayNames[weekday] : L"";
}

SYSTEMTIME LocalNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

void TodayText(wchar_t out[kDateChars])
{
    if (GetDateFormat(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy-MM-dd", out, kDateChars) == 0)
        out[0] = L'\0';
}
