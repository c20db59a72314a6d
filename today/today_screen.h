// What the item asks of the Today screen that holds it.
#pragma once

#include "today/state.h"

// The Today screen's text colour (the default of the colour settings).
COLORREF TodayScreenTextColor();
// The Today screen's background under rect (item coordinates), into dc.
void DrawTodayBackground(HDC dc, const RECT& rect);
// Whether the shell's "SYSTEM/ShellAPIReady" event is set.
bool TodayShellReady();
