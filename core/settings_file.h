// The settings file "\Windows\Quillon.ini": one fixed-width record of 47
// decimal fields, 178 bytes, read by the main program and the Today item.
// Older, shorter layouts are prefixes of it, told apart by their length.
#pragma once

#include "core/state.h"

#include <string>

constexpr int kSettingsRecordBytes = 178;

// Reads the record from the first bytes of a file (at most 178 are looked
// at). The layout is told by the count; an unknown count gives every
// default. A field that does not hold a number takes its default.
DiarySettings ParseSettingsRecord(const char* bytes, size_t count, COLORREF todayTextColor);

// The record's 178 bytes; each value is clamped so that it keeps a blank or
// a minus sign in front within its width.
std::string FormatSettingsRecord(const DiarySettings& settings);

// Reads "\Windows\Glimmor.ini" into TodayTextColor and the settings file
// into Settings, and sets ScheduleMode from it.
void LoadSettings();

// Writes the search and schedule letters back into their fields and
// replaces the settings file through a temporary file. Does nothing when
// the settings were never loaded; false when the file could not be written.
bool SaveSettings();

// Reads "\Windows\Quillon.ini" with the given Today text colour as the
// colours' default, without touching the program's settings; *bytesRead
// gets the bytes read (-1 when there is no file), which tell the layout.
DiarySettings ReadSettingsFile(COLORREF todayTextColor, int* bytesRead);

// The letter of a search-field number (0 'S', 1 'N', 2 'C', 3 'T'); another
// number gives the current letter back.
char SearchFieldLetter(int32_t number, char current);
