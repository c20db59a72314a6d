// What the weather tests share: the feed fixtures and their table, the
// weather server stand-in of one case, and the stored weather as it stands.
#pragma once

#include "tests/support/testkit.h"
#include "tests/today/request_bytes.h"
#include "today/weather_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace weathertest {

using todaytest::Bytes;

// The fixtures, as carried in this program's resources.
Bytes FixtureFeed();  // 5880 bytes, first day 2024-05-07
Bytes FixtureDat();   // 5950 bytes, the same records
WeatherFeed FixtureRecords();

// A line of the table the fixtures were made from.
struct TableRow {
    int day;  // 0 is 2024-05-07
    std::wstring region, icon, value1, value2, value3, value4, description;
};
std::vector<TableRow> FixtureTable();

// The weather server stand-in listening on the address, serving the bytes
// in the mode (WeatherServer.exe's /mode); ended with the object.
class WeatherServer {
public:
    WeatherServer(const std::wstring& address, const Bytes& feed, const std::wstring& mode = L"whole");
    ~WeatherServer();
    WeatherServer(const WeatherServer&) = delete;
    WeatherServer& operator=(const WeatherServer&) = delete;
    bool Listening() const { return listening_; }
    // Its log records of connections so far ("connection N: ...").
    std::vector<std::wstring> Connections() const;
    // Waits until it has recorded that many connections; those seen.
    std::vector<std::wstring> WaitForConnections(size_t count, DWORD timeoutMs = 10000) const;

private:
    HANDLE process_ = nullptr;
    bool listening_ = false;
    std::wstring tag_;
    size_t connectionsBefore_ = 0;
};

// Sets (or with null removes) "Quillon WeatherHost".
void SetWeatherHost(const wchar_t* host);

// Calls fn with each record's properties of QuillonWeather in the sort
// order given; false when there is no such database.
bool ForEachWeatherRecord(CEPROPID order, const std::function<void(const CEPROPVAL* values, WORD count)>& fn);

// Every record of QuillonWeather, a line of its properties each in record
// order, and Cloudrake.ini's bytes.
struct StoredWeather {
    bool databaseFound = false;
    std::vector<std::wstring> records;
    Bytes lastDate;
    bool lastDateFound = false;
    bool operator==(const StoredWeather&) const = default;
};
StoredWeather ReadStoredWeather();
std::string Describe(const StoredWeather& stored);

// The weather state of a fresh item: no region but "서울", no last date,
// no failed download.
void ResetWeatherState();

}  // namespace weathertest
