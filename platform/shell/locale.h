// The device's locale. The short-date format and the first day of the week
// are device-wide settings: a change made by one device process is seen by
// every later read in every device process (also by processes that read them
// before the change), and by month calendars and date pickers created
// afterwards. The locale calls below are the desktop's with that guarantee.
#pragma once

CEAPI int WINAPI CeGetLocaleInfoW(LCID locale, LCTYPE item, LPWSTR data, int chars);
CEAPI BOOL WINAPI CeSetLocaleInfoW(LCID locale, LCTYPE item, LPCWSTR data);
CEAPI int WINAPI CeGetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCWSTR format, LPWSTR out,
                                  int chars);

#undef GetLocaleInfo
#define GetLocaleInfo CeGetLocaleInfoW
#define GetLocaleInfoW CeGetLocaleInfoW
#undef SetLocaleInfo
#define SetLocaleInfo CeSetLocaleInfoW
#define SetLocaleInfoW CeSetLocaleInfoW
#undef GetDateFormat
#define GetDateFormat CeGetDateFormatW
#define GetDateFormatW CeGetDateFormatW

// The system's current short-date format (LOCALE_SSHORTDATE of the system
// default locale, as set last by any device process), copied into out with
// its terminating zero. Returns the characters copied including the zero, or
// 0 when out is missing or too small (then out holds the empty text).
CEAPI int WINAPI CeGetSystemShortDateFormat(LPWSTR out, int chars);
