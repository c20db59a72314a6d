// The Korean public holidays of 2005 to 2009 that a new holiday database
// receives.
#pragma once

#include <cstdint>

struct HolidayEntry {
    int32_t id;
    wchar_t date[11];       // YYYY-MM-DD
    wchar_t name[101];      // empty for the extra days around a holiday
    wchar_t lunarDate[6];   // MM/DD, empty for a solar holiday
};

constexpr int kBuiltinHolidayCount = 76;

// The entries in table order (by year, then slot).
const HolidayEntry* BuiltinHolidayTable();
