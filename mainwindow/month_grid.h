// The schedule view's month grid: the window class "CalWindow" that shows
// the month of the range's start from its kept picture and turns a tap on a
// day into a new chosen day and range.
#pragma once

#include "platform/ce.h"

constexpr wchar_t kMonthGridClassName[] = L"CalWindow";

LRESULT CALLBACK CalWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The day of the grid's month (below 15 in rows 4 and 5, of the next month)
// becomes the chosen day; the command of the schedule mode then builds its
// range, reloads the list and repaints the grid.
void JumpToDay(const wchar_t* dayText, int row);

// The main window's creation (the picture is still to be made) and
// destruction (it is deleted).
void ResetMonthGrid();
void ReleaseMonthGrid();
