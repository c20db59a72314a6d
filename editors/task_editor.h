// The task editor (dialog 320): a new task or the one loaded into the
// form, saved through the Pocket Outlook task writers.
#pragma once

#include "editors/editor_controls.h"

INT_PTR CALLBACK TaskEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// The dialog's control places in pixels.
std::span<const ControlPlace> TaskPlaces();
