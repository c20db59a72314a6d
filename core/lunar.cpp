#include "core/lunar.h"

#include "core/dates.h"

#include <array>

namespace {

constexpr int kShortMonth = 29;
constexpr int kLongMonth = 30;
// Day number of solar 1841-01-23, lunar 1841-01-01.
constexpr int64_t kLunarEpochDayNumber = 672069;
// The epoch is day 23 of its solar year.
constexpr int kEpochDayOfYear = 23;

const wchar_t kStemNames[10] = {L'甲', L'乙', L'丙', L'丁', L'戊', L'己', L'庚', L'辛', L'壬', L'癸'};
const wchar_t kBranchNames[12] = {L'子', L'丑', L'寅', L'卯', L'辰', L'巳',
                                  L'午', L'未', L'申', L'酉', L'戌', L'亥'};

struct MonthLengths {
    int regular;
    int leap;  // 0 when no leap month follows
};

MonthLengths LengthsOfCode(unsigned char code)
{
    switch (code) {
    case 1: return {kShortMonth, 0};
    case 2: return {kLongMonth, 0};
    case 3: return {kShortMonth, kShortMonth};
    case 4: return {kShortMonth, kLongMonth};
    case 5: return {kLongMonth, kShortMonth};
    case 6: return {kLongMonth, kLongMonth};
    }
    return {0, 0};
}

const std::array<int, kLunarYearCount>& YearLengths()
{
    static const std::array<int, kLunarYearCount> lengths = [] {
        std::array<int, kLunarYearCount> result{};
        for (int row = 0; row < kLunarYearCount; ++row) {
            for (unsigned char code : LunarMonthTable[row]) {
                const MonthLengths month = LengthsOfCode(code);
                result[row] += month.regular + month.leap;
            }
        }
        return result;
    }();
    return lengths;
}

int64_t LastLunarDayNumber()
{
    return DayNumber(kLastLunarSolarYear, kLastLunarSolarMonth, kLastLunarSolarDay);
}

int SolarYearLength(int year)
{
    return IsLeapYear(year) ? 366 : 365;
}

}  // namespace

int LunarYearLength(int row)
{
    if (row < 0 || row >= kLunarYearCount)
        return 0;
    return YearLengths()[row];
}

bool SolarToLunar(int year, int month, int day, LunarDate* lunar)
{
    *lunar = LunarDate{};
    SetFebruaryLength(year);
    const int64_t dayNumber = DayNumber(year, month, day);
    if (dayNumber < kLunarEpochDayNumber || dayNumber > LastLunarDayNumber())
        return false;

    int64_t offset = dayNumber - kLunarEpochDayNumber;
    int row = 0;
    while (offset >= YearLengths()[row]) {
        offset -= YearLengths()[row];
        ++row;
    }
    for (int m = 0; m < 12; ++m) {
        const MonthLengths lengths = LengthsOfCode(LunarMonthTable[row][m]);
        lunar->month = m + 1;
        if (offset < lengths.regular)
            break;
        offset -= lengths.regular;
        if (lengths.leap && offset < lengths.leap) {
            lunar->leap = true;
            break;
        }
        offset -= lengths.leap;
    }
    lunar->year = kFirstLunarYear + row;
    lunar->day = static_cast<int>(offset) + 1;
    return true;
}

int LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool /*leap*/, int* year, int* month, int* day)
{
    if (lunarYear < kFirstLunarYear || lunarYear > kLastLunarYear || lunarMonth < 1 || lunarMonth > 12 ||
        lunarDay < 1 || lunarDay > kLongMonth)
        return -1;
    const int row = lunarYear - kFirstLunarYear;
    int dayOfYear = lunarDay + kEpochDayOfYear - 1;
    for (int r = 0; r < row; ++r)
        dayOfYear += YearLengths()[r];
    for (int m = 0; m < lunarMonth - 1; ++m) {
        const MonthLengths lengths = LengthsOfCode(LunarMonthTable[row][m]);
        dayOfYear += lengths.regular + lengths.leap;
    }

    int solarYear = kFirstLunarSolarYear;
    while (dayOfYear > SolarYearLength(solarYear)) {
        dayOfYear -= SolarYearLength(solarYear);
        ++solarYear;
    }
    SetFebruaryLength(solarYear);
    int solarMonth = 1;
    while (dayOfYear > SolarMonthLengths[solarMonth - 1]) {
        dayOfYear -= SolarMonthLengths[solarMonth - 1];
        ++solarMonth;
    }
    *year = solarYear;
    *month = solarMonth;
    *day = dayOfYear;
    return WeekdayOfDayNumber(DayNumber(solarYear, solarMonth, dayOfYear));
}

bool DescribeSolarDay(int year, int month, int day, SolarDayFacts* facts)
{
    *facts = SolarDayFacts{};
    LunarDate lunar;
    if (!SolarToLunar(year, month, day, &lunar))
        return false;
    const int64_t dayNumber = DayNumber(year, month, day);
    facts->lunar = lunar;
    facts->weekday = WeekdayOfDayNumber(dayNumber);
    facts->stem = static_cast<int>((dayNumber + 4) % 10);
    facts->branch = static_cast<int>((dayNumber + 2) % 12);
    facts->stemName = kStemNames[facts->stem];
    facts->branchName = kBranchNames[facts->branch];
    return true;
}
