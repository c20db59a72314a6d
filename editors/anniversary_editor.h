// The anniversary editor (dialog 203): a new anniversary, or the one loaded
// into the form, saved with its yearly mirror appointment; its person picked
// from the contacts gives the title and a birthday.
#pragma once

#include "platform/ce.h"

INT_PTR CALLBACK AnniversaryEditDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Whether the day can be saved: a solar day within its month (29 February
// only in a leap year, or when the year is not known), a lunar day up to 30.
bool AnniversaryDayValid(int month, int day, bool lunar, int knownYear);
