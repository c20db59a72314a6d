// The Korean lunisolar calendar over lunar years 1841 to 2050: conversions
// between solar and lunar dates, and the day's sexagenary stem and branch.
#pragma once

constexpr int kFirstLunarYear = 1841;
constexpr int kLastLunarYear = 2050;
constexpr int kLunarYearCount = kLastLunarYear - kFirstLunarYear + 1;

// One row per lunar year, one code per month 1..12: 1 = 29 days, 2 = 30 days,
// 3..6 = followed by a leap month of the same number, with the lengths
// (month, leap month) 3 (29, 29), 4 (29, 30), 5 (30, 29), 6 (30, 30).
extern const unsigned char LunarMonthTable[kLunarYearCount][12];

// The solar days the table covers: 1841-01-23 (lunar 1841-01-01) to
// 2051-02-11 (lunar 2050-12-30).
constexpr int kFirstLunarSolarYear = 1841, kFirstLunarSolarMonth = 1, kFirstLunarSolarDay = 23;
constexpr int kLastLunarSolarYear = 2051, kLastLunarSolarMonth = 2, kLastLunarSolarDay = 11;

struct LunarDate {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..30
    bool leap = false;  // the day lies in the leap month after `month`
};

// Lunar date of a solar date, normalised first as AddDaysToDate does
// (2005-02-29 is taken as 2005-03-01). False, with *lunar zeroed, for a date
// outside 1841-01-23..2051-02-11.
bool SolarToLunar(int year, int month, int day, LunarDate* lunar);

// Solar date of a lunar date; returns its weekday (0 Sunday .. 6 Saturday).
// The leap flag is not used: every day is taken as a day of the regular
// month of that number, and day 30 of a 29-day month is the next day.
// Returns -1, with the outputs untouched, for a lunar year outside
// 1841..2050, a month outside 1..12 or a day outside 1..30.
int LunarToSolar(int lunarYear, int lunarMonth, int lunarDay, bool leap, int* year, int* month, int* day);

// What the Today item shows of a solar day: the lunar date, the weekday and
// the day's sexagenary stem (0..9) and branch (0..11) with their names.
struct SolarDayFacts {
    LunarDate lunar;
    int weekday = 0;  // 0 Sunday .. 6 Saturday
    int stem = 0;
    int branch = 0;
    wchar_t stemName = 0;
    wchar_t branchName = 0;
};

// False, with *facts zeroed, where SolarToLunar fails.
bool DescribeSolarDay(int year, int month, int day, SolarDayFacts* facts);

// Length in days of lunar year row (0 = 1841), leap month included.
int LunarYearLength(int row);
