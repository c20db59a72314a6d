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

// Schedule rows, by screen row.
void OnScheduleRowMonth(int screenRow);
void OnScheduleRowDate(int screenRow);
void OnScheduleRowBody(int screenRow);

// Month view day cells, by cell (week * 7 + column).
void OnMonthCell(int cell);

// The view of a mode icon's zone.
int ViewOfModeZone(int zone);
