// The month grid's picture: one month's day numbers in seven columns with
// the shown range banded, today underlined, busy days bold, holidays and
// Sundays red, and the labels around it.
#pragma once

#include "lists/state.h"

// What the picture depends on besides the month's table.
struct MiniCalendarInputs {
    const wchar_t* rangeStart;   // "%4d-%02d-%02d"
    const wchar_t* rangeEnd;
    const wchar_t* today;
    int weekStart;               // 0 Sunday, 1 Monday
};

// Paints the cells of the month into the device context (the whole picture
// area is whitened first) and records DayCellRects, DayCellDays, GridYear
// and GridMonth.
void PaintMonthCells(HDC dc, int year, int month, const MiniCalendarInputs& inputs);

// The windows the painter draws and labels.
struct MiniCalendarWindows {
    HWND grid;
    HWND yearLabel;
    HWND monthLabel;
    HWND dateLabel;
    HWND lunarLabel;
    HWND dayNameLabels[7];  // Sunday first
};

// Paints the month into the kept bitmap and copies it to the grid window;
// sets the labels from the current date. Returns the weekday (0 Sunday) of
// the date label shown, -1 when none. Does nothing (-1) without a bitmap.
int PaintMiniCalendarTo(const MiniCalendarWindows& windows, HBITMAP bitmap, int year, int month,
                        const MiniCalendarInputs& inputs, const wchar_t* currentDate);

// The schedule view's grid: the month painted with the view's range, the
// current date's labels and the week start in effect.
void PaintMiniCalendar(int year, int month);
// The same for the month of a date text ("%4d-%2d-%2d").
void DrawMiniCalendarForDate(const wchar_t* date);

// The system date as "yyyy-MM-dd".
void WriteTodayText(wchar_t* out, size_t chars);
