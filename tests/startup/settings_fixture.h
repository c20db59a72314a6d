// Settings files as fixtures: byte-exact records and the values they hold.
#pragma once

#include <cstdint>

constexpr int kRecordBytes = 178;

// A record with a value other than its default in nearly every field, and
// its 47 values.
extern const char kCustomRecord[kRecordBytes + 1];
extern const int32_t kCustomValues[47];

// The record of every default (white as the Today colour), as written
// without a keypad layout chosen.
extern const char kDefaultRecord[kRecordBytes + 1];

// Where field n (1-based) starts in the record.
int FieldOffset(int field);
