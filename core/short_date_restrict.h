// Pocket Outlook restrictions read their dates by the system's short-date
// format, a device-wide setting. Every query of the main program and of the
// Today item swaps it through this one routine, so that two processes
// querying at once cannot leave the swapped format behind.
#pragma once

#include "platform/ce.h"

#include <cstddef>

// The format the restriction texts are written in.
constexpr wchar_t kRestrictShortDate[] = L"MM/dd/yy";

// The mutex that both programs hold around the swap.
constexpr wchar_t kShortDateSwapMutex[] = L"QuillonShortDateSwap";

// "MM/dd/yy" of a date (year modulo 100), as the restriction texts carry it.
void FormatRestrictDate(wchar_t* out, size_t chars, int year, int month, int day);

// Restricts the collection with the system short-date format set to
// "MM/dd/yy" for the call and restored right after it, whatever the result.
// The swap runs under kShortDateSwapMutex. When the mutex cannot be had in
// time, or the format in force cannot be read (so could not be put back),
// the collection is not queried and the failure is returned.
HRESULT RestrictWithShortDates(IPOutlookItemCollection* items, LPCWSTR query, IPOutlookItemCollection** restricted);
