// State of the form loaders and previews shared with their callers.
#pragma once

#include "platform/ce.h"

#include <cstdint>

// The holiday the schedule preview shows, set before LoadHolidayRecord.
extern int32_t HolidayLookupId;
// Its lunar date ("MM/DD", or empty), filled by LoadHolidayRecord.
constexpr int kHolidayLunarChars = 10;
extern wchar_t HolidayLunarText[kHolidayLunarChars];
