// The weather feed: 70 records of 84 bytes, ANSI text blank-padded with no
// terminators, back to back from the weather server and in 85-byte slots
// (a separator byte after each record) in the import file "Weather.dat".
//
//   offset  bytes  field
//   0       10     date YYYY-MM-DD
//   10      10     region name
//   20      2      icon code, "01".."39"
//   22      3      value 1: first temperature
//   25      3      value 2: second temperature
//   28      3      value 3: chance of rain, morning
//   31      3      value 4: chance of rain, afternoon
//   34      50     description
//
// Region and description are in the ANSI code page; the other fields are
// widened byte by byte. Trailing blanks are trimmed from every field.
#pragma once

#include "today/state.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr size_t kWeatherRecordBytes = 84;
constexpr size_t kWeatherFeedRecords = 70;
constexpr size_t kWeatherFeedBytes = kWeatherRecordBytes * kWeatherFeedRecords;  // 5880
constexpr size_t kWeatherFileSlotBytes = kWeatherRecordBytes + 1;
constexpr size_t kWeatherFileBytes = kWeatherFileSlotBytes * kWeatherFeedRecords;  // 5950

using WeatherFeed = std::array<WeatherDay, kWeatherFeedRecords>;

// Reads one record. False when its date is not a real YYYY-MM-DD date, a
// field holds a zero byte or the region or description is not valid text
// of the ANSI code page; day is then unspecified.
bool DecodeWeatherRecord(const uint8_t* bytes, WeatherDay* day);
// Writes one record: every field cut to its width and padded with blanks.
void EncodeWeatherRecord(const WeatherDay& day, uint8_t* bytes);

// Reads a whole feed of 70 records in slots of slotBytes (84 or 85); false
// unless size is exactly 70 slots and every record reads.
bool DecodeWeatherFeed(const uint8_t* bytes, size_t size, size_t slotBytes, WeatherFeed* feed);
// A whole feed in slots of slotBytes; an 85-byte slot ends in the separator.
std::vector<uint8_t> EncodeWeatherFeed(const WeatherFeed& feed, size_t slotBytes, uint8_t separator = '\n');

// Whether the text is a real date "YYYY-MM-DD" (years 0001-9999).
bool IsRealDateText(const wchar_t* text);
