// Resource ids of the fixtures the pop-up and weather tests carry.
#pragma once

#define IDR_WEATHER_FEED  900
#define IDR_WEATHER_DAT   901
#define IDR_WEATHER_TABLE 902
