// The main window's creation: everything the program needs for its run.
#pragma once

#include "platform/ce.h"

// False (after an error box) when the volume, the session, COM or Pocket
// Outlook could not be had; what was made is undone and the window is not
// created.
bool OnMainCreate(HWND window);
