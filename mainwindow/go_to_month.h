// The go-to-month dialog (227): the schedule view jumps to a month of the
// calendar's years, 1841 to 2050, on the seventh day of that month.
#pragma once

#include "platform/ce.h"

// The month the dialog starts from, passed as its lParam.
struct GoToMonthStart {
    int year;
    int month;  // 1-12
};

constexpr INT_PTR kGoToMonthDone = 1;
constexpr INT_PTR kGoToMonthCancelled = 2;

// Runs the dialog modally from the month the grid shows.
void RunGoToMonthDialog(HWND owner);

// Ends with 1 after a valid OK (CurrentDate set and the schedule's mode
// command sent), 2 after Cancel.
INT_PTR CALLBACK GoToMonthDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
