#include "platform/outlook/ole_dates.h"

#include <climits>
#include <cmath>

namespace poom {

namespace {

long long DaysFromCivil(int year, int month, int day)
{
    long long y = month <= 2 ? year - 1LL : year;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

// Days from 1601-01-01 (the FILETIME epoch) to 1899-12-30.
constexpr long long kFileTimeEpochDays = 109205;

// 1899-12-30 on the scale of DaysFromCivil.
long long EpochOffset()
{
    static const long long offset = DaysFromCivil(1899, 12, 30);
    return offset;
}

}  // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsSupportedDate(DATE date)
{
    return date >= kFirstSupportedDay && date < kLastSupportedDay + 1.0;
}

long DayNumber(int year, int month, int day)
{
    return static_cast<long>(DaysFromCivil(year, month, day) - EpochOffset());
}

CivilDate DateOfDayNumber(long long dayNumber)
{
    long long z = dayNumber + EpochOffset();
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    CivilDate result;
    result.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    result.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    result.year = static_cast<int>(yoe + era * 400 + (result.month <= 2 ? 1 : 0));
    return result;
}

DATE MakeDate(int year, int month, int day, int hour, int minute, int second)
{
    return static_cast<double>(DayNumber(year, month, day)) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

long DayOf(DATE date)
{
    // Round first so that 23:59:59.9999 noise does not fall into the next day's start.
    double day = std::floor(std::floor(date * 86400.0 + 0.5) / 86400.0);
    if (!(day > LONG_MIN))  // NaN too
        return LONG_MIN;
    if (day >= LONG_MAX)
        return LONG_MAX;
    return static_cast<long>(day);
}

DATE Midnight(DATE date)
{
    return static_cast<double>(DayOf(date));
}

double TimeOfDay(DATE date)
{
    double seconds = std::floor(date * 86400.0 + 0.5) - DayOf(date) * 86400.0;
    return seconds / 86400.0;
}

int WeekdayOfDay(long dayNumber)
{
    // 1899-12-30 was a Saturday.
    long w = (dayNumber + 6) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

int WeekdayOf(DATE date)
{
    return WeekdayOfDay(DayOf(date));
}

long MinutesBetween(DATE from, DATE to)
{
    return static_cast<long>(std::floor((to - from) * 1440.0 + 0.5));
}

bool SystemTimeToDate(const SYSTEMTIME& time, DATE* date)
{
    if (time.wMonth < 1 || time.wMonth > 12 || time.wDay < 1 || time.wDay > DaysInMonth(time.wYear, time.wMonth) ||
        time.wHour > 23 || time.wMinute > 59 || time.wSecond > 59 || time.wYear < 100 || time.wYear > 9999)
        return false;
    *date = MakeDate(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
    return true;
}

bool DateToSystemTime(DATE date, SYSTEMTIME* time)
{
    if (!IsSupportedDate(date))
        return false;
    long day = DayOf(date);
    CivilDate civil = DateOfDayNumber(day);
    long seconds = static_cast<long>(std::floor(date * 86400.0 + 0.5) - day * 86400.0);
    *time = SYSTEMTIME{};
    time->wYear = static_cast<WORD>(civil.year);
    time->wMonth = static_cast<WORD>(civil.month);
    time->wDay = static_cast<WORD>(civil.day);
    time->wDayOfWeek = static_cast<WORD>(WeekdayOfDay(day));
    time->wHour = static_cast<WORD>(seconds / 3600);
    time->wMinute = static_cast<WORD>(seconds / 60 % 60);
    time->wSecond = static_cast<WORD>(seconds % 60);
    return true;
}

FILETIME DateToFileTime(DATE date)
{
    long long seconds = static_cast<long long>(std::floor(date * 86400.0 + 0.5));
    long long ticks = (seconds + kFileTimeEpochDays * 86400LL) * 10000000LL;
    FILETIME result;
    result.dwLowDateTime = static_cast<DWORD>(ticks);
    result.dwHighDateTime = static_cast<DWORD>(static_cast<unsigned long long>(ticks) >> 32);
    return result;
}

DATE FileTimeToDate(const FILETIME& time)
{
    long long ticks = static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                             time.dwLowDateTime);
    long long seconds = ticks / 10000000LL - kFileTimeEpochDays * 86400LL;
    // Whole days plus the time of day, as MakeDate builds them, so that a
    // round trip gives the very same value.
    long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return static_cast<double>(days) + static_cast<double>(seconds - days * 86400) / 86400.0;
}

}  // namespace poom
