// The schedule editor (dialog 159): a new appointment or the one loaded
// into the form, saved through the Pocket Outlook writers.
#pragma once

#include "editors/editor_controls.h"

INT_PTR CALLBACK ScheduleEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The dialog's control places in pixels, as it opens for a new item.
std::span<const ControlPlace> SchedulePlaces();
