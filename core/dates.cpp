#include "core/dates.h"

#include <cwchar>

int SolarMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int64_t kDaysPer400Years = 146097;
constexpr int64_t kDaysPer100Years = 36524;
constexpr int64_t kDaysPer4Years = 1461;

int64_t FloorDiv(int64_t value, int64_t divisor)
{
    int64_t quotient = value / divisor;
    if ((value % divisor != 0) && ((value < 0) != (divisor < 0)))
        --quotient;
    return quotient;
}

// Days of the years before the given one, counted from year 1.
int64_t DaysBeforeYear(int64_t year)
{
    const int64_t y = year - 1;
    return 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400);
}

bool IsLeapYear64(int64_t year)
{
    return (year % 400 == 0) || (year % 4 == 0 && year % 100 != 0);
}

bool ReadDateText(const wchar_t* text, int* year, int* month, int* day)
{
    if (!text || !text[0])
        return false;
    return swscanf(text, L"%4d-%2d-%2d", year, month, day) == 3;
}

}  // namespace

bool IsLeapYear(int year)
{
    return IsLeapYear64(year);
}

int DaysInMonth(int year, int month)
{
    if (month == 2)
        return IsLeapYear(year) ? 29 : 28;
    if (month == 4 || month == 6 || month == 9 || month == 11)
        return 30;
    return 31;
}

bool SetFebruaryLength(int year)
{
    const bool leap = IsLeapYear(year);
    SolarMonthLengths[1] = leap ? 29 : 28;
    return leap;
}

int64_t DayNumber(int year, int month, int day)
{
    const int64_t monthIndex = static_cast<int64_t>(month) - 1;
    const int64_t fullYear = year + FloorDiv(monthIndex, 12);
    const int monthInYear = static_cast<int>(monthIndex - 12 * FloorDiv(monthIndex, 12)) + 1;
    int64_t days = DaysBeforeYear(fullYear) + day;
    for (int m = 1; m < monthInYear; ++m)
        days += (m == 2 && IsLeapYear64(fullYear)) ? 29 : kMonthLengths[m - 1];
    return days;
}

bool DateOfDayNumber(int64_t dayNumber, int* year, int* month, int* day)
{
    if (dayNumber < DayNumber(kFirstDateYear, 1, 1) || dayNumber > DayNumber(kLastDateYear, 12, 31))
        return false;
    int64_t rest = dayNumber - 1;
    const int64_t cycles400 = rest / kDaysPer400Years;
    rest %= kDaysPer400Years;
    int64_t centuries = rest / kDaysPer100Years;
    if (centuries == 4)
        centuries = 3;  // the last day of a leap 400th year
    rest -= centuries * kDaysPer100Years;
    const int64_t cycles4 = rest / kDaysPer4Years;
    rest -= cycles4 * kDaysPer4Years;
    int64_t years = rest / 365;
    if (years == 4)
        years = 3;  // the last day of a leap year
    rest -= years * 365;

    const int y = static_cast<int>(400 * cycles400 + 100 * centuries + 4 * cycles4 + years + 1);
    int m = 1;
    int dayOfYear = static_cast<int>(rest) + 1;
    while (dayOfYear > DaysInMonth(y, m)) {
        dayOfYear -= DaysInMonth(y, m);
        ++m;
    }
    *year = y;
    *month = m;
    *day = dayOfYear;
    return true;
}

int WeekdayOfDayNumber(int64_t dayNumber)
{
    // 0001-01-01 (day 1) was a Monday.
    return static_cast<int>(((dayNumber % 7) + 7) % 7);
}

double OleDateOf(int year, int month, int day)
{
    return static_cast<double>(DayNumber(year, month, day) - DayNumber(1899, 12, 30));
}

SYSTEMTIME* AddDaysToDate(SYSTEMTIME* result, int year, int month, int day, int days)
{
    *result = SYSTEMTIME{};
    if (year < kFirstDateYear || year > kLastDateYear)
        return nullptr;
    const int64_t target = DayNumber(year, month, day) + days;
    int y = 0, m = 0, d = 0;
    if (!DateOfDayNumber(target, &y, &m, &d))
        return nullptr;
    result->wYear = static_cast<WORD>(y);
    result->wMonth = static_cast<WORD>(m);
    result->wDay = static_cast<WORD>(d);
    result->wDayOfWeek = static_cast<WORD>(WeekdayOfDayNumber(target));
    return result;
}

bool SubtractDaysFromDate(int* year, int* month, int* day, int days)
{
    int y = 0, m = 0, d = 0;
    if (!DateOfDayNumber(DayNumber(*year, *month, *day) - days, &y, &m, &d))
        return false;
    *year = y;
    *month = m;
    *day = d;
    return true;
}

int CountDaysInclusive(const wchar_t* first, const wchar_t* second)
{
    int y1 = 0, m1 = 0, d1 = 0, y2 = 0, m2 = 0, d2 = 0;
    if (!ReadDateText(first, &y1, &m1, &d1) || !ReadDateText(second, &y2, &m2, &d2))
        return 0;
    return static_cast<int>(DayNumber(y2, m2, d2) - DayNumber(y1, m1, d1)) + 1;
}
