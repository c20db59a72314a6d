// The wait cursor for the length of a scope: long store and Pocket Outlook
// work shows it and leaves the arrow behind.
#pragma once

#include <windows.h>

class WaitCursor {
public:
    WaitCursor() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }
    ~WaitCursor() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
