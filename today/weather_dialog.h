// The weather pop-up (dialog 143), opened by a tap on a weather cell: the
// region's days three to a page from the tapped one.
#pragma once

#include "today/state.h"

constexpr int kWeatherDaysPerPage = 3;

// Shows the days from WeatherDays[day] on; nothing for a day not held.
void ShowWeatherDialog(int day);
// The day texts as the pop-up shows them.
std::wstring WeatherDateLine(const WeatherDay& day);
std::wstring WeatherTemperatureLine(const WeatherDay& day);
std::wstring WeatherRainLine(const WeatherDay& day);
