// The main window's destruction: undoes what its creation made, and only
// that, saves the settings and ends the message loop.
#pragma once

#include "platform/ce.h"

// Undoes what the creation made, whatever it got as far as, and saves the
// settings when they were loaded.
void ReleaseMainWindowState(HWND window);

// The window's destruction: the release above, then the end of the loop.
void OnMainDestroy(HWND window);
