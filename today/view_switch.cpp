#include "today/view_switch.h"

#include "today/layout.h"
#include "today/memo_view.h"
#include "today/month_view.h"
#include "today/schedule_view.h"
#include "today/task_view.h"
#include "today/today_settings.h"

void InvalidateTitleBar()
{
    if (ItemWindow)
        InvalidateRect(ItemWindow, &Bands.title, TRUE);
}

void ShowScheduleFrom(DATE first)
{
    SpanStart = first;
    TopRow = 0;
    ShowScheduleMode();
    InvalidateTitleBar();
}

void SetCurrentHeader()
{
    switch (ViewMode) {
    case kViewTasks: SetTaskHeader(); break;
    case kViewMemos: SetMemoHeader(); break;
    case kViewSchedule: SetScheduleHeader(); break;
    default: SetMonthHeader(); break;
    }
}

void ShowCurrentView()
{
    switch (ViewMode) {
    case kViewTasks: ShowTaskMode(); break;
    case kViewMemos: ShowMemoMode(); break;
    case kViewSchedule: ShowScheduleMode(); break;
    default: ShowMonthMode(); break;
    }
}

void RebuildCurrentView()
{
    switch (ViewMode) {
    case kViewTasks:
        BuildTaskView();
        LayoutTaskRows();
        break;
    case kViewMemos:
        BuildMemoView();
        LayoutMemoRows();
        break;
    case kViewSchedule:
        BuildScheduleView();
        LayoutScheduleRows();
        break;
    default:
        BuildMonthView();
        InvalidateListArea();
        break;
    }
}

void ShowView(int mode)
{
    ViewMode = mode >= 0 && mode < kViewModeCount ? mode : kViewSchedule;
    SaveViewMode();
    TopRow = 0;
    BuildHotZones();
    InvalidateTitleBar();
    ShowCurrentView();
    InvalidateListArea();
}

int NavigateByKey(WPARAM key)
{
    if (ItemWindow)
        InvalidateRect(ItemWindow, nullptr, TRUE);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
        return 0;
    case VK_LEFT:
        ShowView(ViewMode < 1 ? kViewMemos : ViewMode - 1);
        return 1;
    case VK_RIGHT:
        ShowView(ViewMode > 2 ? kViewMonth : ViewMode + 1);
        return 1;
    default:
        ShowView(ViewMode);
        return 1;
    }
}
