// The item's settings: the shared settings file with the item's own
// defaults, the Today screen's text colour, the main program's folder, the
// first-run marker and the saved view mode.
#pragma once

#include "today/state.h"

// Reads "Quillon InstallDir", the settings file (lengths 178, 176, 170,
// 158, 126 and 118; in the 118-byte layout TodayDateStyle is 2) with the
// Today screen's text colour as the colours' default, writes that colour
// into "\Windows\Glimmor.ini", and on the first-run marker deletes it and
// starts the main program once.
void ReadTodaySettings(COLORREF todayTextColor);

// "\Windows\GlimmorM.ini", "%2d": 1 unless it holds exactly a view 0-3.
int LoadViewMode();
void SaveViewMode();
