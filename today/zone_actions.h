// What a tap on each hot zone does.
#pragma once

#include "today/state.h"

// Fixed zones, by index.
void OnPreviousSpanZone(int index);
void OnTodayZone(int index);
void OnNextSpanZone(int index);
void OnRowUpZone(int index);
void OnRowDownZone(int index);
void OnProgramZone(int index);
void OnRangeMenuZone(int index);
void OnModeZone(int index);
void OnSortMenuZone(int index);

// Cells of the strip, the status line and the shortcut band.
void OnStatusCell(int index);
void OnShortcutCell(int index);

// Schedule rows, by screen row. The body of an item's row opens its
// detail pop-up; of any other row (a holiday, the today line, an empty
// day) the day in the main program.
void OnScheduleRowMonth(int screenRow);
void OnScheduleRowDate(int screenRow);
void OnScheduleRowBody(int screenRow);

// Parts of the list rows of every list view, by screen row: the text opens
// the detail pop-up, the "(name)" the contact card, a task's check box
// toggles it.
void OnRowText(int screenRow);
void OnRowName(int screenRow);
void OnRowCheck(int screenRow);

// A weather cell of the strip: the weather pop-up from its day.
void OnWeatherCell(int index);

// Month view day cells, by cell (week * 7 + column).
void OnMonthCell(int cell);

// The view of a mode icon's zone.
int ViewOfModeZone(int zone);
