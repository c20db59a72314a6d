#include "mainwindow/schedule_commands.h"

#include "lists/mini_calendar.h"
#include "lists/schedule_loaders.h"
#include "mainwindow/hooks.h"
#include "mainwindow/schedule_range.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"

#include <strsafe.h>

namespace {

constexpr int kCardSchedulePanel = 0;

void Focus(HWND list)
{
    if (list)
        SetFocus(list);
}

// Previous, next, day, week, month and today: the new range, its rows, its
// labels and its month in the grid.
void OnRangeCommand(HWND, UINT command)
{
    ScheduleRangeState state = {};
    StringCchCopyW(state.currentDate, kRangeTextChars, CurrentDate);
    StringCchCopyW(state.rangeStart, kRangeTextChars, RangeStart);
    StringCchCopyW(state.rangeEnd, kRangeTextChars, RangeEnd);
    state.mode = ScheduleMode;
    wchar_t today[kDateTextChars];
    WriteTodayText(today, kDateTextChars);
    if (StepScheduleRange(&state, static_cast<int>(command), ActiveWeekStart, today)) {
        StringCchCopyW(CurrentDate, kDateTextChars, state.currentDate);
        StringCchCopyW(RangeStart, kDateTextChars, state.rangeStart);
        StringCchCopyW(RangeEnd, kDateTextChars, state.rangeEnd);
        ScheduleMode = state.mode;
    }
    if (command >= ID_SCHEDULE_DAY_MODE && command <= ID_SCHEDULE_MONTH_MODE) {
        for (HWND tab : ScheduleModeTabs) {
            if (tab)
                InvalidateRect(tab, nullptr, TRUE);
        }
    }
    LoadMonthSchedule();
    if (RangeStartLabel)
        SetWindowTextW(RangeStartLabel, RangeStart);
    if (RangeEndLabel)
        SetWindowTextW(RangeEndLabel, RangeEnd);
    DrawMiniCalendarForDate(RangeStart);
    Focus(ScheduleList);
}

void OnCardMonthCommand(HWND, UINT command)
{
    StepMonthFirstDay(ContactScheduleDate, command == ID_CARD_PREVIOUS_MONTH ? -1 : 1);
    CardPanelSelection[kCardSchedulePanel] = 0;
    LoadContactSchedule();
    Focus(CardScheduleList);
}

}  // namespace

void ForgetMonthSchedule()
{
    ScheduleCacheKey[0] = L'\0';
}

void InstallScheduleCommands()
{
    for (UINT command = ID_SCHEDULE_PREVIOUS_PERIOD; command <= ID_SCHEDULE_TODAY; ++command)
        RegisterItemCommand(command, OnRangeCommand);
    RegisterItemCommand(ID_CARD_PREVIOUS_MONTH, OnCardMonthCommand);
    RegisterItemCommand(ID_CARD_NEXT_MONTH, OnCardMonthCommand);
    Hooks.ForgetMonthSchedule = ForgetMonthSchedule;
    Hooks.LoadMonthSchedule = LoadMonthSchedule;
    Hooks.LoadContactSchedule = LoadContactSchedule;
    Hooks.DrawMiniCalendarForDate = DrawMiniCalendarForDate;
}
