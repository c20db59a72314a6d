// Showing the item's views: by mode icon, by key and after changes.
#pragma once

#include "today/state.h"

// As a mode-icon tap: the mode saved, the title bar and the list
// invalidated, the view's header, rows and layout made.
void ShowView(int mode);
// The current view's header (and the schedule's window).
void SetCurrentHeader();
// Header, build and layout of the current view.
void ShowCurrentView();
// Build and layout of the current view (its header kept).
void RebuildCurrentView();
// The Today screen's key navigation: 0 for up and down (the screen moves
// on), else the view to the left or right (any other key shows the
// current view again) and 1.
int NavigateByKey(WPARAM key);
void InvalidateTitleBar();
// The schedule view from that day on (the span's first day).
void ShowScheduleFrom(DATE first);
