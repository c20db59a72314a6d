// A tap on a task's check box: the task marked done or not done in Pocket
// Outlook, and the current view reloaded.
#pragma once

#include "today/state.h"

// The task of entry (TopRow + screen row) of the current view's table. A
// recurring task linked to a contact leaves two linked tasks when done: the
// completed occurrence and the series moved on. Nothing changes (mark,
// links, rows) when a save fails.
void ToggleTodayTaskComplete(int entry);
