// The watch on the system PIM databases: a change made by another program
// is acted on by the 1 s timer three ticks after it was last seen, so that a
// synchronisation writing many records reloads the views once. The
// program's own writes are recorded by the Mark routines and cause nothing.
#pragma once

#include "core/state.h"

constexpr int kWatchCountdownStart = 4;

// One check of the three databases; reloads what a countdown at 1 asks for.
void CheckOutlookDatabasesChanged();
// Every countdown above 0 goes down by one.
void CountDownOutlookWatch();
// Timer 3 of the main window: the check, then the countdowns.
void OnOutlookWatchTick();
// A change notice of one of the three databases (by its request's
// parameter): compared with what was last seen like a tick's check.
void OnOutlookDatabaseNotice(DWORD requestParam);
