// The stored weather: the database QuillonWeather (one record per feed
// record, replaced as a whole), the date of the last stored feed in
// "\Windows\Cloudrake.ini", the region and the WeatherDays read back for
// the strip and the weather dialog.
#pragma once

#include "today/weather_record.h"

// QuillonWeather's properties, in the order they are written.
constexpr wchar_t kWeatherDatabase[] = L"QuillonWeather";
constexpr CEPROPID kWeatherSequence = MAKEPROPID(1, CEVT_I4);  // 1..70, feed order
constexpr CEPROPID kWeatherDate = MAKEPROPID(2, CEVT_LPWSTR);
constexpr CEPROPID kWeatherRegion = MAKEPROPID(3, CEVT_LPWSTR);
constexpr CEPROPID kWeatherDescription = MAKEPROPID(4, CEVT_LPWSTR);
constexpr CEPROPID kWeatherIcon = MAKEPROPID(5, CEVT_LPWSTR);
constexpr CEPROPID kWeatherValue1 = MAKEPROPID(6, CEVT_LPWSTR);
constexpr CEPROPID kWeatherValue2 = MAKEPROPID(7, CEVT_LPWSTR);
constexpr CEPROPID kWeatherValue3 = MAKEPROPID(8, CEVT_LPWSTR);
constexpr CEPROPID kWeatherValue4 = MAKEPROPID(9, CEVT_LPWSTR);

// A new feed is written under the first name and takes the place of the
// stored table only when whole; the stored one goes aside under the second.
constexpr wchar_t kIncomingWeatherDatabase[] = L"QuillonWeatherNew";
constexpr wchar_t kOutgoingWeatherDatabase[] = L"QuillonWeatherOld";

constexpr wchar_t kLastWeatherDateFile[] = L"\\Windows\\Cloudrake.ini";
constexpr wchar_t kWeatherImportFile[] = L"\\Windows\\Weather.dat";
constexpr wchar_t kNoWeatherDate[] = L"0000-00-00";

// 1 when created (sorted on the sequence and on the region), else 0.
int CreateWeatherDatabase();
// -1 when there is none, else the delete's result.
int DeleteWeatherDatabase();
// One record of the nine properties; false when it was not written.
bool WriteWeatherRecord(int sequence, LPCWSTR date, LPCWSTR region, LPCWSTR description, LPCWSTR icon,
                        LPCWSTR value1, LPCWSTR value2, LPCWSTR value3, LPCWSTR value4);

// LastWeatherDate from Cloudrake.ini: its 10 bytes, or "0000-00-00" when it
// is missing or shorter.
void ReadLastWeatherDate();
// Writes LastWeatherDate as its 10 bytes; false when it was not written.
bool SaveLastWeatherDate();

// The region name of a WeatherRegion code (1 + 100 x index); any other code
// leaves WeatherRegionName as it is.
void ApplyWeatherRegion(int code);
// The dialog title of the region ("■ 날씨[서울/경기 지역]" ...); empty for
// a name of no region.
const wchar_t* WeatherRegionTitle(const wchar_t* regionName);

// Fills WeatherDays with the region's records dated today or later (at
// most 8), by date.
void LoadWeather(const wchar_t* regionName);
// The region of the settings, the last stored date and the region's days.
void LoadStoredWeather();

// Replaces the stored weather with the feed: the database anew with the 70
// records, then (only when every record was written) today as the last
// date, the region's days read back and the item repainted. False when the
// database could not be made or a record not written.
bool StoreWeatherFeed(const WeatherFeed& feed);

// "\Windows\Weather.dat": read, deleted, and stored when it is exactly
// 5950 bytes of valid records. 1 when there was a file.
int ImportWeatherFile();
