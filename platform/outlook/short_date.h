// Dates in restriction queries: read by the short-date picture of the user
// locale current at the call (the callers set "MM/dd/yy" around a query).
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace poom {

// The system's short-date picture in force now, as any device process set
// it last.
std::wstring CurrentShortDatePicture();

// Two-digit years follow the device's window: 00-29 are 2000-2029, 30-99
// are 1930-1999.
int ExpandTwoDigitYear(int twoDigitYear);

// Reads "<date>[ HH:MM[:SS]]" where <date> follows the picture (d, dd, M,
// MM, MMM, MMMM, y, yy, yyyy, quoted literals, separators). Surrounding
// blanks are allowed. False when the text does not fit or names no real date.
bool ParseDateText(const std::wstring& text, const std::wstring& picture, DATE* result);

}  // namespace poom
