// The painters of the item, called in this order by PaintItem. None of
// them touches the pending height: only the refresh query that reports it
// clears it.
#pragma once

#include "today/state.h"

// "오전 %d:%02d" / "오후 %d:%02d" of the hour and minute (hour 0 is 12 a.m.).
void ClockText(int hour, int minute, wchar_t* out, size_t chars);
// The day mark by n = today minus the day: 0 "오늘", -1 "내일", n >= 1
// "+n", any other n "n" (three days ahead is "-3").
void DayMarkText(DATE day, wchar_t* out, size_t chars);

void PaintClockHeader(HDC dc);
void PaintNoWeatherText(HDC dc);
void PaintNoShortcutsText(HDC dc);
void PaintTopArea(HDC dc);
void PaintRows(HDC dc);
void PaintScheduleRows(HDC dc);
void PaintTaskRows(HDC dc);
void PaintMemoRows(HDC dc);
void PaintMonthGrid(HDC dc);
void PaintStatusLine(HDC dc);

// All of them for the current settings and view, into dc.
void PaintItem(HDC dc);

// The image of a weather day's icon code in the weather lists; -1 for a
// code outside 01-39.
int WeatherIconIndex(const WeatherDay& day);

// The separator colour of the item.
COLORREF SeparatorColour();
