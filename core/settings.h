// The settings record shared by the main program and the Today item: 47
// signed 32-bit fields in the order of the settings file. KeypadSearchField,
// ScheduleMode and ContactSearchField hold their file numbers; while the
// main program runs, the letters of the same names in core/state.h count.
#pragma once

#include <cstdint>

struct DiarySettings {
    int32_t TodayUnderline;
    int32_t TodayDayDivider;
    int32_t WeekStart;
    int32_t KeypadLayout;
    int32_t KeypadSearchField;
    int32_t TodaySpan;
    int32_t TodayLines;
    int32_t TodayOnlyBusyDays;
    int32_t TodayExtraInfo;
    int32_t ScheduleColor;
    int32_t AnniversaryColor;
    int32_t HolidayColor;
    int32_t HeaderColor;
    int32_t DateWeekdayColor;
    int32_t DateSaturdayColor;
    int32_t DateSundayColor;
    int32_t DateHolidayColor;
    int32_t DayNameWeekdayColor;
    int32_t DayNameSaturdayColor;
    int32_t DayNameSundayColor;
    int32_t ContactListColumns;
    int32_t ContactNameParts;
    int32_t TodayDateStyle;
    int32_t TodayDateBold;
    int32_t CurrentView;
    int32_t ScheduleMode;
    int32_t MemoTypeZoom;
    int32_t MemoInkZoom;
    int32_t TodayShowOverdueTasks;
    int32_t ContactSearchField;
    int32_t TodayShowPastItems;
    int32_t TodayShowStatus;
    int32_t TodayShowShortcuts;
    int32_t TodayStatusDivider;
    int32_t TodayShortcutDivider;
    int32_t TodayShowCompletedTasks;
    int32_t TodayShowWeekday;
    int32_t TodayShowReminderPriority;
    int32_t TodayShowWeather;
    int32_t WeatherIconSize;
    int32_t WeatherRegion;
    int32_t MemoInputMode;
    int32_t MemoSource;
    int32_t ShortcutIconSize;
    int32_t TodayShowClock;
    int32_t ContactLoader;
    int32_t CalendarDottedLines;
};

constexpr int kSettingsFieldCount = 47;
static_assert(sizeof(DiarySettings) == kSettingsFieldCount * sizeof(int32_t), "the record is its 47 fields");
