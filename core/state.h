// State of the core data services shared across the main program.
#pragma once

#include "platform/ce.h"
#include "core/settings.h"

// ---- settings (settings_file.cpp) --------------------------------------------

// The settings record of the run. Fields 5, 26 and 30 hold the file's
// numbers; while the program runs their letters below are what counts.
extern DiarySettings Settings;
// The schedule range: 'D' day, 'W' week, 'M' month.
extern char ScheduleMode;
// The fields the keypad search and the contact search box look in:
// 'S' all, 'N' name, 'C' company, 'T' phone numbers.
extern char KeypadSearchField;
extern char ContactSearchField;
// The Today screen's text colour, the default of most colour fields.
extern COLORREF TodayTextColor;
// Where the settings were loaded from; empty until they were, and nothing
// is saved while it is empty.
extern wchar_t SettingsFilePath[MAX_PATH];
