// Start-up of the main program: one copy only, its window classes, its
// main window.
#pragma once

#include "platform/ce.h"

constexpr int kResourceTextChars = 100;

// The first copy's main window (class and exact title), or null.
HWND FindRunningCopy(LPCWSTR className, LPCWSTR title);

// Registers the classes whose procedures the program has.
void RegisterWindowClasses(HINSTANCE instance, LPCWSTR mainClassName);

// True when this copy created and showed its main window; false when
// another copy runs (it is shown and brought to the front) or the window
// could not be created.
bool InitInstance(HINSTANCE instance, int showCommand);
