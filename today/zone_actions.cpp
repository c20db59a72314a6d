#include "today/zone_actions.h"

#include "today/contact_card.h"
#include "today/current_item.h"
#include "today/day_text.h"
#include "today/detail_popup.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/month_view.h"
#include "today/request_builders.h"
#include "today/request_writer.h"
#include "today/schedule_view.h"
#include "today/task_toggle.h"
#include "today/view_switch.h"
#include "today/weather_dialog.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kControlPanel[] = L"\\Windows\\ctlpnl.exe";
// The control panel's pages for the battery and for memory and storage.
constexpr wchar_t kPowerPage[] = L"cplmain.cpl,3";
constexpr wchar_t kMemoryPage[] = L"cplmain.cpl,4";
constexpr wchar_t kShortcutSuffix[] = L".lnk";

void StartProgram(LPCWSTR program, LPCWSTR arguments)
{
    wchar_t commandLine[MAX_PATH * 2] = L"";
    StringCchCopyW(commandLine, ARRAYSIZE(commandLine), arguments ? arguments : L"");
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        NKDbgPrintfW(L"Glimmor: %ls could not be started (%lu)\r\n", program, GetLastError());
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool EndsWith(const wchar_t* text, const wchar_t* suffix)
{
    size_t length = wcslen(text), suffixLength = wcslen(suffix);
    return length >= suffixLength && _wcsicmp(text + length - suffixLength, suffix) == 0;
}

// A shortcut's target: a quoted program, maybe followed by its arguments.
void StartShortcutTarget(wchar_t* target)
{
    wchar_t* program = target;
    wchar_t* arguments = nullptr;
    if (*program == L'"') {
        ++program;
        wchar_t* close = wcschr(program, L'"');
        if (close) {
            *close = L'\0';
            arguments = close + 1;
            while (*arguments == L' ')
                ++arguments;
        }
    }
    StartProgram(program, arguments);
}

void StepMonth(int months)
{
    int index = ShownYear * 12 + (ShownMonth - 1) + months;
    ShownYear = index / 12;
    ShownMonth = index % 12 + 1;
    ShowMonthMode();
    InvalidateTitleBar();
}

void ScrollBy(int rows)
{
    TopRow += rows;
    ClampTopRow();
    LayoutCurrentRows();
}

const TodayScheduleRow* ScheduleRowOnScreen(int screenRow)
{
    const int entry = TopRow + screenRow;
    return entry >= 0 && entry < ScheduleRowCount ? &ScheduleRows[entry] : nullptr;
}

}  // namespace

int ViewOfModeZone(int zone)
{
    switch (zone) {
    case kZoneModeMonth: return kViewMonth;
    case kZoneModeTasks: return kViewTasks;
    case kZoneModeMemos: return kViewMemos;
    default: return kViewSchedule;
    }
}

void OnPreviousSpanZone(int)
{
    if (ViewMode == kViewMonth)
        StepMonth(-1);
    else
        ShowScheduleFrom(SpanStart - SpanDays());
}

void OnTodayZone(int)
{
    if (ViewMode == kViewMonth) {
        SYSTEMTIME today;
        SplitDate(TodayDay, &today);
        ShownYear = today.wYear;
        ShownMonth = today.wMonth;
        StepMonth(0);
    } else {
        ShowScheduleFrom(TodayDay);
    }
}

void OnNextSpanZone(int)
{
    if (ViewMode == kViewMonth)
        StepMonth(1);
    else
        ShowScheduleFrom(SpanStart + SpanDays());
}

void OnRowUpZone(int)
{
    ScrollBy(-1);
}

void OnRowDownZone(int)
{
    ScrollBy(1);
}

void OnProgramZone(int)
{
    StartMainProgram();
}

void OnRangeMenuZone(int index)
{
    const RECT& zone = FixedZones[index].rect;
    switch (ViewMode) {
    case kViewSchedule: PopItemMenu(ItemMenu::Span, zone); break;
    case kViewTasks: PopItemMenu(ItemMenu::TaskFilter, zone); break;
    case kViewMemos:
        PopItemMenu(MemoGroupingChoice == kMemosByGroup ? ItemMenu::MemoGroups : ItemMenu::MemoFilter, zone);
        break;
    default: PopItemMenu(ItemMenu::Months, zone); break;
    }
}

void OnSortMenuZone(int index)
{
    const RECT& zone = FixedZones[index].rect;
    if (ViewMode == kViewTasks)
        PopItemMenu(ItemMenu::TaskSort, zone);
    else if (ViewMode == kViewMemos)
        PopItemMenu(ItemMenu::MemoGrouping, zone);
}

void OnModeZone(int index)
{
    const int view = ViewOfModeZone(index);
    if (view != ViewMode) {
        ShowView(view);
        return;
    }
    static const ItemMenu kModeMenus[kViewModeCount] = {ItemMenu::ModeMonth, ItemMenu::ModeSchedule,
                                                        ItemMenu::ModeTasks, ItemMenu::ModeMemos};
    PopItemMenu(kModeMenus[view], FixedZones[index].rect);
}

void OnStatusCell(int index)
{
    StartProgram(kControlPanel, index == 0 ? kPowerPage : kMemoryPage);
}

void OnShortcutCell(int index)
{
    if (index < 0 || index >= ShortcutPathCount)
        return;
    const wchar_t* path = ShortcutPathTable[index];
    if (!EndsWith(path, kShortcutSuffix)) {
        StartProgram(path, nullptr);
        return;
    }
    wchar_t target[MAX_PATH] = L"";
    if (SHGetShortcutTarget(const_cast<LPWSTR>(path), target, MAX_PATH))
        StartShortcutTarget(target);
}

void OnScheduleRowMonth(int screenRow)
{
    if (const TodayScheduleRow* row = ScheduleRowOnScreen(screenRow))
        RequestOpenMonth(row->dateText);
}

void OnScheduleRowDate(int screenRow)
{
    if (const TodayScheduleRow* row = ScheduleRowOnScreen(screenRow))
        RequestNewSchedule(row->dateText);
}

void OnScheduleRowBody(int screenRow)
{
    const TodayScheduleRow* row = ScheduleRowOnScreen(screenRow);
    if (!row)
        return;
    if (CurrentItemOfRow(TopRow + screenRow).kind != CurrentItemKind::None)
        ShowItemDetailDialog(TopRow + screenRow);
    else
        RequestOpenDay(row->dateText);
}

void OnRowText(int screenRow)
{
    ShowItemDetailDialog(TopRow + screenRow);
}

void OnRowName(int screenRow)
{
    ShowContactCard(TopRow + screenRow);
}

void OnRowCheck(int screenRow)
{
    ToggleTodayTaskComplete(TopRow + screenRow);
}

void OnWeatherCell(int index)
{
    if (index >= 0 && index < kWeatherCells && WeatherZones[index].value > 0)
        ShowWeatherDialog(WeatherZones[index].value - 1);
}

void OnMonthCell(int cell)
{
    const int week = cell / kMonthColumns, column = cell % kMonthColumns;
    if (week < 0 || week >= MonthWeeks)
        return;
    const MonthCell& day = MonthCells[week][column];
    if (day.dayText[0])
        RequestOpenMonthDay(ShownYear, ShownMonth, day.dayText);
}
