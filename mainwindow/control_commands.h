// The commands of the main window's own buttons, edits, combo boxes and side
// tabs (20021-21051): the keypad search, the index bar and search box, the
// sort buttons, the side tabs, the contact card's panel tabs, the month
// stepping, and the focus redirects that keep frames and labels from the
// keyboard.
#pragma once

#include "platform/ce.h"

// Runs the command of the control and returns true when a row names the
// control (a notification code that its row does not name is ignored);
// false sends the message on to the default procedure.
bool RunControlCommand(HWND window, UINT id, UINT code);

// The schedule's mode command by ScheduleMode: day, week or month.
UINT ScheduleModeCommand();

// CurrentDate moves one month back (-1) or on (1) and becomes day 7 of
// that month.
void StepCurrentDateByMonth(int delta);

// Memos by category or folder (0) or by date (1): the pick list and the
// list refilled from its first entry.
void PickMemosBy(BYTE byDate);
