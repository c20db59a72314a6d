// The item's geometry: its bands, the fixed hot zones, the zones of the
// list rows and the month cells, and where a row's parts go. The painters
// draw at the places computed here, so a tap hits what is drawn.
#pragma once

#include "today/state.h"

// Lays out the bands and the fixed zones for the current width, settings
// and view, and computes the item height; the height is then pending for
// the next refresh query. The first call also sets today's day and the
// span start from TodayDateText.
void BuildHotZones();
// Lays out again only when the item's width or the Today screen's scroll
// bar changed; true when it did.
bool LayoutForScreenWidth();

// The row zones of the visible rows of each list view (with the linked
// contacts of those rows looked up), and the month view's list area.
void LayoutScheduleRows();
void LayoutTaskRows();
void LayoutMemoRows();
void InvalidateListArea();
// The row layout of the current view.
void LayoutCurrentRows();
void ClearRowZones();

// The item's width: its window's client width, or the screen's before the
// window has one.
int ItemWidth();
// The horizontal shift of the weather strip and the status bars.
int StripShift();
bool ListOverflows();
// TopRow kept between 0 and RowCount - RowsShown (0 with fewer rows).
void ClampTopRow();
// Screen rows that show an entry: below RowsShown and below RowCount - TopRow.
int DrawnRows();
int RowTop(int screenRow);

// Where the parts of a list row go.
struct RowPlaces {
    RECT month;      // schedule rows of a span of several days
    RECT dayNumber;
    RECT weekday;    // empty unless the weekday is shown
    int reminderX;   // -1 when not drawn
    int importanceX;
    int checkX;
    RECT name;       // "(name)" when the row carries one
    RECT text;       // the subject (or title), up to the text's right edge
    RECT extra;      // the right-hand column (time, D-day or date); empty when none
};
RowPlaces PlaceScheduleRow(HDC measure, const TodayScheduleRow& row, int screenRow);
RowPlaces PlaceTaskRow(HDC measure, const TodayTaskRow& row, int screenRow);
RowPlaces PlaceMemoRow(HDC measure, const TodayMemoRow& row, int screenRow);

// The month grid's cell rectangles for the current TopRow (row 0 of the
// grid is the weekday header).
void PlaceMonthCells();
int MonthGridLeft();
constexpr int kMonthCellWidth = 34;

// The weather cells, status cells and shortcut cells.
RECT WeatherCellRect(int cell);
RECT WeatherTextRect(int cell);
RECT StatusCellRect(int cell);
RECT StatusBarRect(int cell);
