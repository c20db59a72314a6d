#include "mainwindow/view_layouts.h"

#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"

#include <span>

namespace {

using Handles = std::span<HWND* const>;

void Show(Handles handles, bool show)
{
    for (HWND* handle : handles) {
        if (handle)
            ShowControl(*handle, show);
    }
}

// The card's own controls, whichever panel is shown. The lines at (140, 25)
// and (170, 22) are never shown.
HWND* const kCardControls[] = {
    &CardBackground, &CardPortrait, &CardNoteBox, &CardScheduleTab, &CardTaskTab, &CardMemoTab,
    &CardLines[0], &CardLines[2], &CardLines[4], &CardLines[5], &CardLines[6], &CardLines[7], &CardLines[8],
    &CardLines[9], &CardLines[10], &CardLines[11], &CardLines[12], &CardLines[13], &CardLines[14],
};

struct CardPanelControls {
    HWND* controls[5];  // null where a panel has fewer
    HWND* toolbar;
};
const CardPanelControls kCardPanels[kCardPanelCount] = {
    {{&CardPanelLabel, &CardScheduleList, &CardScheduleHeader[0], &CardScheduleHeader[1]}, &CardScheduleToolbar},
    {{&CardTaskFilterHeading, &CardTaskSortHeading, &CardTaskList, &CardTaskHeader[0], &CardTaskHeader[1]},
     &CardTaskToolbar},
    {{&CardPanelLabel2, &CardMemoList, &CardMemoHeader[0], &CardMemoHeader[1]}, &CardMemoToolbar},
};

// The detail panes that the schedule and task details share.
HWND* const kDetailPanes[] = {&DetailFrame, &DetailTitleLabel, &DetailSubtitleLabel, &DetailLine3, &DetailMarker};
HWND* const kDetailHidden[] = {&CardScheduleList, &CardScheduleHeader[0], &CardScheduleHeader[1], &DetailTextBox,
                               &DetailTextBox2};
HWND* const kDetailClosed[] = {&DetailButtonA, &DetailButtonB, &DetailButtonC, &DetailFrame, &DetailTitleLabel,
                               &DetailSubtitleLabel, &DetailLine3, &DetailTextBox, &DetailTextBox2, &DetailInk,
                               &DetailMarker};

void ShowPanes(bool withInk)
{
    Show(kDetailHidden, false);
    Show(kDetailPanes, true);
    if (withInk)
        ShowControl(DetailInk, true);
}

}  // namespace

void ShowContactCard()
{
    ShowControl(ContactsToolbar, false);
    Show(kCardControls, true);
    ShowCardPanel(ContactCardPanel);
}

void ShowCardPanel(int panel)
{
    for (int p = 0; p < kCardPanelCount; ++p) {
        if (p == panel)
            continue;
        Show(kCardPanels[p].controls, false);
        ShowControl(*kCardPanels[p].toolbar, false);
    }
    if (panel >= 0 && panel < kCardPanelCount) {
        Show(kCardPanels[panel].controls, true);
        ShowControl(*kCardPanels[panel].toolbar, true);
    }
}

HWND CardPanelToolbar(int panel)
{
    return panel >= 0 && panel < kCardPanelCount ? *kCardPanels[panel].toolbar : nullptr;
}

void HideContactCard()
{
    Show(kCardControls, false);
    ShowControl(CardLines[1], false);
    ShowControl(CardLines[3], false);
    for (const CardPanelControls& panel : kCardPanels) {
        Show(panel.controls, false);
        ShowControl(*panel.toolbar, false);
    }
}

void ShowScheduleDetail()
{
    ShowControl(ScheduleToolbar, false);
    ShowControl(ScheduleDetailToolbar, true);
    ShowPanes(false);
}

void HideScheduleDetail()
{
    Show(kDetailClosed, false);
    ShowControl(ScheduleDetailToolbar, false);
    ShowControl(ScheduleToolbar, true);
}

void ShowTaskDetail()
{
    ShowControl(TaskToolbar, false);
    ShowControl(TaskDetailToolbar, true);
    ShowPanes(true);
}

void HideTaskDetail()
{
    Show(kDetailClosed, false);
    ShowControl(TaskDetailToolbar, false);
    ShowControl(TaskToolbar, true);
}

void ShowMemoDetail()
{
    ShowControl(MemoToolbar, false);
    ShowControl(MemoDetailToolbar, true);
    ShowControl(MemoDetailInk, true);
}

void HideMemoDetail()
{
    ShowControl(MemoDetailToolbar, false);
    ShowControl(MemoDetailInk, false);
    ShowControl(MemoToolbar, true);
}

namespace {

struct Placement {
    HWND* control;
    int x, y, width, height;
};

const Placement kPanelUp[] = {
    {&ContactListFrame, 2, 33, 236, 130}, {&ContactList, 3, 34, 234, 128},
    {&SearchRowFrame, 2, 164, 236, 24},   {&ContactSearchFieldCombo, 14, 166, 80, 100},
    {&ContactSearchBox, 99, 166, 100, 20}, {&SearchBoxButton, 205, 166, 20, 20},
};
const Placement kPanelDown[] = {
    {&ContactListFrame, 2, 33, 236, 170},  {&ContactList, 3, 34, 234, 168},
    {&SearchRowFrame, 2, 219, 236, 24},    {&ContactSearchFieldCombo, 29, 221, 80, 100},
    {&ContactSearchBox, 114, 221, 100, 20},
};
constexpr int kIndexBarY = 203;
constexpr int kIndexBarHeight = 16;

void Place(std::span<const Placement> placements)
{
    for (const Placement& p : placements) {
        if (*p.control)
            MoveWindow(*p.control, p.x, p.y, p.width, p.height, FALSE);
    }
}

}  // namespace

void LayOutContactView(bool panelUp)
{
    if (panelUp) {
        Place(kPanelUp);
        ShowControl(SearchBoxButton, true);
        return;
    }
    Place(kPanelDown);
    for (HWND tab : IndexBarButtons) {
        if (!tab)
            continue;
        RECT rect = {};
        GetWindowRect(tab, &rect);
        MapWindowPoints(nullptr, GetParent(tab), reinterpret_cast<POINT*>(&rect), 2);
        MoveWindow(tab, rect.left, kIndexBarY, rect.right - rect.left, kIndexBarHeight, FALSE);
    }
    ShowControl(SearchBoxButton, false);
}
