#include "mainwindow/view_switch.h"

#include "mainwindow/button_faces.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

constexpr BYTE Views(std::initializer_list<int> views)
{
    BYTE mask = 0;
    for (int v : views)
        mask = static_cast<BYTE>(mask | (1u << v));
    return mask;
}
constexpr BYTE kContactViews = Views({0, 1, 2, 3});
constexpr BYTE kNoView = 0;

// Every control that belongs to a view and the views that show it; a switch
// shows the rows of its view and hides all others. The index bar goes with
// ShowViewWindows, the day-name labels with the reloads.
struct ViewMember {
    HWND* handle;
    BYTE views;
};
const ViewMember kViewMembers[] = {
    {&ContactList, Views({0})},
    {&ContactListFrame, Views({0})},
    {&SearchRowFrame, Views({0})},
    {&ContactSearchFieldCombo, Views({0})},
    {&ContactSearchBox, Views({0})},
    // Shown only by the contact view's layout while the input panel is up.
    {&SearchBoxButton, kNoView},
    {&ContactColumnButtons[0], kContactViews},
    {&ContactColumnButtons[1], kContactViews},
    {&ContactColumnButtons[2], kContactViews},

    {&KeypadResultList, Views({1})},
    {&KeypadFrame, Views({1})},
    {&KeypadInnerFrame, Views({1})},
    {&KeypadFieldCombo, Views({1})},
    {&KeypadTextBox, Views({1})},
    {&KeypadKeys[0], Views({1})}, {&KeypadKeys[1], Views({1})}, {&KeypadKeys[2], Views({1})},
    {&KeypadKeys[3], Views({1})}, {&KeypadKeys[4], Views({1})}, {&KeypadKeys[5], Views({1})},
    {&KeypadKeys[6], Views({1})}, {&KeypadKeys[7], Views({1})}, {&KeypadKeys[8], Views({1})},
    {&KeypadKeys[9], Views({1})}, {&KeypadKeys[10], Views({1})}, {&KeypadKeys[11], Views({1})},
    {&KeypadSideTabs[0], Views({1})}, {&KeypadSideTabs[1], Views({1})}, {&KeypadSideTabs[2], Views({1})},

    {&CompanyContactList, Views({2})},
    {&CompanyPickList, Views({2})},
    {&CompanySideTabs[0], Views({2})}, {&CompanySideTabs[1], Views({2})}, {&CompanySideTabs[2], Views({2})},

    {&GroupContactList, Views({3})},
    {&GroupPickList, Views({3})},
    {&GroupSideTabs[0], Views({3})}, {&GroupSideTabs[1], Views({3})}, {&GroupSideTabs[2], Views({3})},

    {&ScheduleList, Views({4})},
    {&ScheduleHeaderButtons[0], Views({4})}, {&ScheduleHeaderButtons[1], Views({4})},
    {&ScheduleFrame, Views({4})},
    {&ScheduleInnerFrame, Views({4})},
    {&ScheduleModeTabs[0], Views({4})}, {&ScheduleModeTabs[1], Views({4})}, {&ScheduleModeTabs[2], Views({4})},
    {&MonthGridWindow, Views({4})},
    {&GridYearLabel, Views({4})},
    {&GridMonthLabel, Views({4})},
    {&PrevMonthButton, Views({4})},
    {&NextMonthButton, Views({4})},
    {&GridDateLabel, Views({4})},
    {&GridLunarLabel, Views({4})},
    {&WeekdayHeaderWindows[0], Views({4})}, {&WeekdayHeaderWindows[1], Views({4})},
    {&WeekdayHeaderWindows[2], Views({4})}, {&WeekdayHeaderWindows[3], Views({4})},
    {&WeekdayHeaderWindows[4], Views({4})}, {&WeekdayHeaderWindows[5], Views({4})},
    {&WeekdayHeaderWindows[6], Views({4})},

    {&AnniversaryList, Views({5})},
    {&AnniversarySortButtons[0], Views({5})}, {&AnniversarySortButtons[1], Views({5})},
    {&AnniversaryKindPickList, Views({5})},
    {&AnniversaryHeaderFrame, Views({5})},
    {&AnniversaryYearLabel, Views({5})},
    {&AnniversaryLunarLabel, Views({5})},
    {&AnniversaryAgeLabel, Views({5})},

    {&TaskList, Views({6})},
    {&TaskHeaderButtons[0], Views({6})}, {&TaskHeaderButtons[1], Views({6})},
    {&TaskFilterPickList, Views({6})},
    {&TaskSortPickList, Views({6})},

    {&MemoList, Views({7})},
    {&MemoHeaderButtons[0], Views({7})}, {&MemoHeaderButtons[1], Views({7})},
    {&MemoPickList, Views({7})},
    {&MemoSideTabs[0], Views({7})}, {&MemoSideTabs[1], Views({7})},
};

// ---- the reloads of stale views, and what a view does when it is not ------------

void ReloadContactView()
{
    RunHook(Hooks.FilterContactsByInitial);
}

void ReloadKeypadView()
{
    KeypadText[0] = L'\0';
    if (KeypadTextBox)
        SetWindowTextW(KeypadTextBox, KeypadText);
    RunHook(Hooks.FilterContactsByKeypad);
}

void ReloadCompanyView()
{
    RunHook(Hooks.FillCompanyPickList);
    RunHook(Hooks.FilterContactsByCompany);
}

void ReloadGroupView()
{
    RunHook(Hooks.FillGroupPickList);
    RunHook(Hooks.FilterContactsByGroup);
}

void ReloadScheduleView()
{
    for (HWND label : ScheduleDayNameLabels)
        ShowControl(label, false);
    SendItemCommand(ScheduleModeCommand());
}

void ReloadAnniversaryView()
{
    RunHook(Hooks.FillAnniversaryKindPickList);
    RunHook(Hooks.LoadAnniversaryList);
}

void ReloadTaskView()
{
    RunHook(Hooks.FillTaskFilterPickList);
    RunHook(Hooks.FillTaskSortPickList);
    RunHook(Hooks.LoadTaskList);
}

void ReloadMemoView()
{
    RunHook(Hooks.FillMemoCategoryPickList);
    RunHook(Hooks.LoadMemoList);
}

// Selects and focuses the remembered row.
void SelectRememberedRow(int view)
{
    if (HWND list = MainListOfView(view))
        ListView_SetItemState(list, ViewSelection[view], kSelectedAndFocused, kSelectedAndFocused);
}

// Clears every row's selection and focus, then selects the remembered row.
void RestoreSelection(int view)
{
    if (HWND list = MainListOfView(view))
        ListView_SetItemState(list, -1, 0, kSelectedAndFocused);
    SelectRememberedRow(view);
}

// The contact lists refilter from the caches, then select the row.
void KeepContactView(int view, void (*refilter)())
{
    RunHook(refilter);
    SelectRememberedRow(view);
}

void KeepContactList() { KeepContactView(kContactView, Hooks.FilterContactsByInitial); }
void KeepKeypadList() { KeepContactView(kContactSearchView, Hooks.FilterContactsByKeypad); }
void KeepCompanyList() { KeepContactView(kCompanyView, Hooks.FilterContactsByCompany); }
void KeepGroupList() { KeepContactView(kGroupView, Hooks.FilterContactsByGroup); }

// The schedule shows the day name the mini calendar last showed.
void KeepScheduleView()
{
    if (ScheduleDayNameIndex >= 0 && ScheduleDayNameIndex < kWeekDays)
        ShowControl(ScheduleDayNameLabels[ScheduleDayNameIndex], true);
    RestoreSelection(kScheduleView);
}

void KeepAnniversaryList() { RestoreSelection(kAnniversaryView); }
void KeepTaskList() { RestoreSelection(kTaskView); }
void KeepMemoList() { RestoreSelection(kMemoView); }

// The views in order, with what the switch does for each: its tab, its
// toolbar, its reload when stale and what it does when not.
struct ViewDef {
    HWND* tab;
    HWND* toolbar;
    void (*reload)();
    void (*keep)();
};
const ViewDef kViews[kViewCount] = {
    {&ContactViewTab, &ContactsToolbar, ReloadContactView, KeepContactList},
    {&SearchViewTab, &ContactsToolbar, ReloadKeypadView, KeepKeypadList},
    {&CompanyViewTab, &ContactsToolbar, ReloadCompanyView, KeepCompanyList},
    {&GroupViewTab, &ContactsToolbar, ReloadGroupView, KeepGroupList},
    {&ScheduleViewTab, &ScheduleToolbar, ReloadScheduleView, KeepScheduleView},
    {&AnniversaryViewTab, &AnniversaryToolbar, ReloadAnniversaryView, KeepAnniversaryList},
    {&TaskViewTab, &TaskToolbar, ReloadTaskView, KeepTaskList},
    {&MemoViewTab, &MemoToolbar, ReloadMemoView, KeepMemoList},
};

constexpr char kSubViewLetters[] = {'S', 'C', 'G'};

bool ContactCardOpen()
{
    for (char mode : DetailMode) {
        if (mode == 'L')
            return true;
    }
    return false;
}

void ShowSubViewTab(int view)
{
    ContactSubView = kSubViewLetters[view - kContactSearchView];
    for (int v = kContactSearchView; v <= kGroupView; ++v)
        ShowControl(*kViews[v].tab, v == view);
}

void CloseDetails(int view)
{
    if (view >= kScheduleView && ContactCardOpen())
        SendItemCommand(ID_CONTACT_CARD_CLOSE);
    if (DetailMode[kScheduleDetail] == 'V')
        SendItemCommand(ID_SCHEDULE_BACK);
    if (DetailMode[kTaskDetail] == 'V')
        SendItemCommand(ID_TASK_BACK);
    if (DetailMode[kMemoDetail] == 'V')
        SendItemCommand(ID_MEMO_BACK);
}

void ShowViewControls(int view)
{
    const BYTE bit = static_cast<BYTE>(1u << view);
    for (const ViewMember& member : kViewMembers) {
        if (!(member.views & bit))
            ShowControl(*member.handle, false);
    }
    for (const ViewMember& member : kViewMembers) {
        if (member.views & bit)
            ShowControl(*member.handle, true);
    }
    for (HWND label : AnniversaryDayNameLabels)
        ShowControl(label, false);
    if (view != kScheduleView) {
        for (HWND label : ScheduleDayNameLabels)
            ShowControl(label, false);
    }
}

}  // namespace

bool IsViewCommand(UINT command)
{
    return command >= IDC_CONTACT_VIEW_TAB && command <= IDC_MEMO_VIEW_TAB;
}

HWND ToolbarOfView(int view)
{
    if (view < kContactView || view >= kViewCount)
        return nullptr;
    // With the card open over a contact view its panel's toolbar stays the
    // one shown.
    if (view <= kGroupView && ContactCardOpen())
        return CardPanelToolbar(ContactCardPanel);
    return *kViews[view].toolbar;
}

void SwitchView(int view)
{
    if (view < kContactView || view >= kViewCount)
        return;
    if (view != kContactView)
        SipShowIM(SIPF_OFF);
    if (view >= kContactSearchView && view <= kGroupView)
        ShowSubViewTab(view);
    InvalidateViewTabs();
    ShowViewWindows(view == kContactView ? SW_SHOW : SW_HIDE);
    CurrentView = view;
    if (ContactList)
        SetFocus(ContactList);
    // The details close first: closing one shows its list's toolbar, and
    // only the new view's toolbar may stay.
    CloseDetails(view);
    ShowOnlyToolbar(ToolbarOfView(view), AllToolbars());
    if (ViewStale[view]) {
        ViewSelection[view] = 0;
        kViews[view].reload();
        ViewStale[view] = 0;
        SetLatinInput(MainListOfView(view));
    } else {
        kViews[view].keep();
    }
    ShowViewControls(view);
    if (view == kAnniversaryView) {
        if (AnniversaryList && ListView_GetItemCount(AnniversaryList) > 0) {
            AnniversaryLunarFlag = L'0';
            RunHook(Hooks.ShowAnniversaryHeader);
        }
        // Its focus handler passes the focus on to the list.
        if (AnniversaryYearLabel)
            SetFocus(AnniversaryYearLabel);
    }
    if (view == kContactSearchView)
        SetLatinInput(KeypadResultList);
    FocusCurrentView();
}
