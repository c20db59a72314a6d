// The main window's destruction: undoes what its creation made, and only
// that, saves the settings and ends the message loop.
#pragma once

#include "platform/ce.h"

void OnMainDestroy(HWND window);
