// The main window's shell menu bar (resource 102: "파일" and "도움말").
#pragma once

#include "platform/ce.h"

// The menu bar's window, or null when it could not be created.
HWND CreateMainMenuBar(HWND window);
