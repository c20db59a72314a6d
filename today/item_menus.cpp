#include "today/item_menus.h"

#include "core/today_request_format.h"
#include "today/day_text.h"
#include "today/layout.h"
#include "today/memo_view.h"
#include "today/pick_date.h"
#include "today/request_builders.h"
#include "today/resource.h"
#include "today/schedule_view.h"
#include "today/task_view.h"
#include "today/view_switch.h"

#include <strsafe.h>

#include <algorithm>

namespace {

constexpr int kTopBarBottom = 26;
constexpr int kMenuLiftAboveItem = 170;

struct MenuSource {
    ItemMenu which;
    int resource;
};
const MenuSource kMenuResources[] = {
    {ItemMenu::Span, IDR_SPAN_MENU},
    {ItemMenu::TaskFilter, IDR_TASK_FILTER_MENU},
    {ItemMenu::TaskSort, IDR_TASK_SORT_MENU},
    {ItemMenu::MemoFilter, IDR_MEMO_FILTER_MENU},
    {ItemMenu::Months, IDR_MONTHS_MENU},
    {ItemMenu::ModeSchedule, IDR_SCHEDULE_MODE_MENU},
    {ItemMenu::ModeTasks, IDR_TASK_MODE_MENU},
    {ItemMenu::ModeMemos, IDR_MEMO_MODE_MENU},
    {ItemMenu::ModeMonth, IDR_MONTH_MODE_MENU},
};

int ResourceOf(ItemMenu which)
{
    if (which == ItemMenu::MemoGrouping)
        return Settings.MemoSource == 2 ? IDR_FOLDER_MENU : IDR_CATEGORY_MENU;
    for (const MenuSource& source : kMenuResources) {
        if (source.which == which)
            return source.resource;
    }
    return 0;
}

// A detached copy of a menu resource's pop-up.
HMENU LoadPopup(int resource)
{
    HMENU bar = LoadMenuW(ItemInstance, MAKEINTRESOURCEW(resource));
    if (!bar)
        return nullptr;
    HMENU popup = GetSubMenu(bar, 0);
    RemoveMenu(bar, 0, MF_BYPOSITION);
    DestroyMenu(bar);
    return popup;
}

HMENU BuildGroupMenu()
{
    if (MemoGroupCount == 0)
        LoadMemoGroups();
    HMENU menu = CreatePopupMenu();
    for (int i = 0; menu && i < MemoGroupCount; ++i)
        AppendMenuW(menu, MF_STRING | (i == ChosenMemoGroup ? MF_CHECKED : 0), IDM_MEMO_GROUP_FIRST + i,
                    MemoGroups[i].name);
    return menu;
}

void CheckItem(HMENU menu, UINT command)
{
    CheckMenuItem(menu, command, MF_BYCOMMAND | MF_CHECKED);
}

int MemoFilterCommand(int filter)
{
    return filter == kMemosAll ? IDM_MEMO_FILTER_ALL : IDM_MEMO_FILTER_FIRST + filter - 1;
}

void CheckCurrentChoice(ItemMenu which, HMENU menu)
{
    switch (which) {
    case ItemMenu::Span:
        CheckItem(menu, IDM_SPAN_FIRST + std::clamp(Settings.TodaySpan, 0, IDM_SPAN_LAST - IDM_SPAN_FIRST));
        break;
    case ItemMenu::TaskFilter: CheckItem(menu, IDM_TASK_FILTER_FIRST + TaskFilterChoice); break;
    case ItemMenu::TaskSort: CheckItem(menu, IDM_TASK_SORT_FIRST + TaskSortChoice); break;
    case ItemMenu::MemoFilter: CheckItem(menu, MemoFilterCommand(MemoDateFilterChoice)); break;
    case ItemMenu::MemoGrouping:
        CheckItem(menu, MemoGroupingChoice == kMemosByGroup ? IDM_MEMOS_BY_GROUP : IDM_MEMOS_BY_DATE);
        CheckItem(menu, MemoSortChoice == kMemosByTitle ? IDM_MEMO_SORT_TITLE : IDM_MEMO_SORT_DATE);
        break;
    case ItemMenu::Months: CheckItem(menu, IDM_MONTH_FIRST + ShownMonth - 1); break;
    default: break;
    }
}

// ---- commands ----------------------------------------------------------------

void ChooseSpan(int offset)
{
    Settings.TodaySpan = offset;  // the span index
    ShowView(kViewSchedule);
}

void ChooseTaskFilter(int offset)
{
    TaskFilterChoice = offset;
    ShowView(kViewTasks);
}

void ChooseTaskSort(int offset)
{
    TaskSortChoice = offset;
    ShowView(kViewTasks);
}

void GroupMemosByGroup(int)
{
    MemoGroupingChoice = kMemosByGroup;
    ChosenMemoGroup = 0;
    LoadMemoGroups();
    ShowView(kViewMemos);
}

void GroupMemosByDate(int)
{
    MemoGroupingChoice = kMemosByDate;
    MemoDateFilterChoice = kMemosAll;
    ShowView(kViewMemos);
}

void SortMemos(int offset)
{
    MemoSortChoice = offset == 0 ? kMemosByTitle : kMemosByDay;
    ShowView(kViewMemos);
}

void FilterMemos(int offset)
{
    MemoDateFilterChoice = offset + 1;
    ShowView(kViewMemos);
}

void FilterAllMemos(int)
{
    MemoDateFilterChoice = kMemosAll;
    ShowView(kViewMemos);
}

void ChooseMemoGroup(int offset)
{
    if (offset >= MemoGroupCount)
        return;
    ChosenMemoGroup = offset;
    ShowView(kViewMemos);
}

void ChooseMonth(int offset)
{
    ShownMonth = offset + 1;
    ShowView(kViewMonth);
}

void OpenPickDate(int) { ShowPickDateDialog(); }
void RequestNewAppointmentToday(int) { RequestNewSchedule(TodayDateText); }
void RequestMonthOfToday(int) { RequestOpenMonth(TodayDateText); }
void RequestNewTaskView(int) { RequestContentless(kRequestNewTask); }
void RequestTaskView(int) { RequestContentless(kRequestTaskView); }
void RequestNewMemoView(int) { RequestContentless(kRequestNewMemo); }
void RequestMemoView(int) { RequestContentless(kRequestMemoView); }
void RequestPreferences(int) { RequestContentless(kRequestPreferences); }

struct CommandRange {
    UINT first;
    UINT last;
    void (*run)(int offset);
};

const CommandRange kCommands[] = {
    {IDM_SPAN_FIRST, IDM_SPAN_LAST, ChooseSpan},
    {IDM_PICK_DATE, IDM_PICK_DATE, OpenPickDate},
    {IDM_TASK_FILTER_FIRST, IDM_TASK_FILTER_LAST, ChooseTaskFilter},
    {IDM_TASK_SORT_FIRST, IDM_TASK_SORT_LAST, ChooseTaskSort},
    {IDM_NEW_SCHEDULE, IDM_NEW_SCHEDULE, RequestNewAppointmentToday},
    {IDM_OPEN_SCHEDULE, IDM_OPEN_SCHEDULE, RequestMonthOfToday},
    {IDM_NEW_TASK, IDM_NEW_TASK, RequestNewTaskView},
    {IDM_OPEN_TASKS, IDM_OPEN_TASKS, RequestTaskView},
    {IDM_SETTINGS_SCHEDULE, IDM_SETTINGS_TASKS, RequestPreferences},
    {IDM_SETTINGS_MEMOS, IDM_SETTINGS_MEMOS, RequestPreferences},
    {IDM_NEW_MEMO, IDM_NEW_MEMO, RequestNewMemoView},
    {IDM_OPEN_MEMOS, IDM_OPEN_MEMOS, RequestMemoView},
    {IDM_MEMOS_BY_GROUP, IDM_MEMOS_BY_GROUP, GroupMemosByGroup},
    {IDM_MEMOS_BY_DATE, IDM_MEMOS_BY_DATE, GroupMemosByDate},
    {IDM_MEMO_SORT_TITLE, IDM_MEMO_SORT_DATE, SortMemos},
    {IDM_MEMO_FILTER_FIRST, IDM_MEMO_FILTER_LAST, FilterMemos},
    {IDM_MEMO_FILTER_ALL, IDM_MEMO_FILTER_ALL, FilterAllMemos},
    {IDM_MONTH_FIRST, IDM_MONTH_LAST, ChooseMonth},
    {IDM_MEMO_GROUP_FIRST, IDM_MEMO_GROUP_FIRST + kMaxMemoGroups - 1, ChooseMemoGroup},
};

}  // namespace

HMENU PrepareItemMenu(ItemMenu which)
{
    HMENU menu = which == ItemMenu::MemoGroups ? BuildGroupMenu() : LoadPopup(ResourceOf(which));
    if (menu)
        CheckCurrentChoice(which, menu);
    return menu;
}

POINT PopupMenuPoint(const RECT& zone)
{
    RECT item = {};
    GetWindowRect(ItemWindow, &item);
    POINT at = {item.left + zone.left, 0};
    if (item.top < GetSystemMetrics(SM_CYSCREEN) / 2)
        at.y = item.top + Bands.title.bottom;
    else
        at.y = std::max(item.top - kMenuLiftAboveItem, static_cast<LONG>(kTopBarBottom));
    return at;
}

void PopItemMenu(ItemMenu which, const RECT& zone)
{
    HMENU menu = PrepareItemMenu(which);
    if (!menu)
        return;
    const POINT at = PopupMenuPoint(zone);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, ItemWindow, nullptr);
    DestroyMenu(menu);
}

bool OnItemCommand(UINT command)
{
    for (const CommandRange& range : kCommands) {
        if (command >= range.first && command <= range.last) {
            range.run(static_cast<int>(command - range.first));
            return true;
        }
    }
    return false;
}
