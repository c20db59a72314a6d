// The weather download: one TCP exchange with the weather server (the
// client sends nothing and reads the feed until the server closes), bounded
// in time because it runs on the Today screen's only thread.
#pragma once

#include "today/state.h"

#include <cstdint>

constexpr unsigned short kWeatherPort = 4888;
// The whole exchange, host-name lookup and connect included, holds the
// caller's thread no longer than this.
constexpr DWORD kWeatherExchangeLimitMs = 5000;
// After a download that stored nothing, timer 6 waits this long.
constexpr ULONGLONG kWeatherRetryWaitSeconds = 15 * 60;
// The server's host name or dotted address, under the program's key.
constexpr wchar_t kWeatherHostValue[] = L"Quillon WeatherHost";

// How a host name becomes an IPv4 address (network order); the lookup runs
// on a thread of its own. The system's resolver unless one is put in place.
using WeatherHostLookup = bool (*)(const char* name, uint32_t* address);
void SetWeatherHostLookup(WeatherHostLookup lookup);

// Downloads and, when exactly one valid feed arrived, stores it. 1 when a
// connection was made (whatever arrived), 0 without a host, a lookup or a
// connection.
int DownloadWeather();

// Step 14 of the start and timer 6: with the weather line on and no feed
// stored today, a download, unless one failed less than 15 minutes ago.
void DownloadWeatherIfDue();
