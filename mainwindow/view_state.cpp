// The views' process-wide state: the view state, the control handles and
// the toolbar window's handles.
#include "mainwindow/state.h"

BYTE ViewStale[kViewCount] = {};
int ViewSelection[kViewCount] = {};
int ContactCardPanel = 0;
int CardPanelSelection[kCardPanelCount] = {};
char ContactSubView = 'S';
char DetailMode[kDetailSlotCount] = {'M', 'M', 'M'};
bool FromTodayRequest = false;
BYTE MemoPickByDate = 0;
char MemoSortKey = 'D';
char AnniversarySortKey = 'D';
int IndexTab = kIndexTabAll;
wchar_t KeypadText[kKeypadTextChars] = L"";
wchar_t ContactScheduleDate[kDateTextChars] = L"";
int ScheduleDayNameIndex = -1;

wchar_t MemoPickChoice[kPickChoiceChars] = L"";
int MemoPickRow = 0;
CEOID SelectedContactOid = 0;
wchar_t AnniversaryLunarFlag = L'0';

HWND ContactViewTab, SearchViewTab, CompanyViewTab, GroupViewTab, ScheduleViewTab, AnniversaryViewTab, TaskViewTab,
    MemoViewTab, TabBarEnd;

HWND ContactListFrame, SearchRowFrame, ContactSearchFieldCombo, ContactSearchBox, SearchBoxButton;
HWND IndexBarButtons[kIndexTabCount];
HWND ContactColumnButtons[3];

HWND KeypadFrame, KeypadInnerFrame, KeypadFieldCombo, KeypadTextBox;
HWND KeypadKeys[kKeypadKeyCount];
HWND KeypadSideTabs[3];

HWND CompanyPickList, GroupPickList;
HWND CompanySideTabs[3], GroupSideTabs[3];

HWND ScheduleList, ScheduleFrame, ScheduleInnerFrame, MonthGridWindow;
HWND ScheduleHeaderButtons[2], ScheduleModeTabs[3];
HWND GridYearLabel, GridMonthLabel, PrevMonthButton, NextMonthButton, GridDateLabel, GridLunarLabel;
HWND RangeStartLabel, RangeEndLabel, RangeSpareLabel;
HWND WeekdayHeaderWindows[kWeekDays];
HWND ScheduleDayNameLabels[kWeekDays];

HWND AnniversaryList, AnniversaryKindPickList, AnniversaryHeaderFrame, AnniversaryYearLabel, AnniversaryLunarLabel,
    AnniversaryAgeLabel;
HWND AnniversarySortButtons[2];
HWND AnniversaryDayNameLabels[kWeekDays];

HWND TaskList, TaskFilterPickList, TaskSortPickList;
HWND TaskHeaderButtons[2];

HWND MemoList, MemoPickList;
HWND MemoHeaderButtons[2], MemoSideTabs[2];

HWND CardScheduleTab, CardTaskTab, CardMemoTab, CardBackground, CardPortrait, CardNoteBox;
HWND CardLines[kCardLineCount];
HWND CardPanelLabel, CardPanelLabel2, CardTaskFilterHeading, CardTaskSortHeading;
HWND CardScheduleList, CardTaskList, CardMemoList;
HWND CardScheduleHeader[2], CardTaskHeader[2], CardMemoHeader[2];

HWND DetailFrame, DetailTitleLabel, DetailMarker, DetailSubtitleLabel, DetailButtonA, DetailButtonB, DetailButtonC,
    DetailLine3, DetailInk, DetailTextBox, DetailTextBox2;
HWND MemoDetailInk;

HIMAGELIST PickListImages;
HIMAGELIST TaskSortImages;
HIMAGELIST TaskRowImages;

HWND ToolbarWindow;
HWND ContactsToolbar, CardScheduleToolbar, ScheduleDetailToolbar, ScheduleToolbar, AnniversaryToolbar, CardTaskToolbar,
    TaskDetailToolbar, TaskToolbar, CardMemoToolbar, MemoToolbar, MemoDetailToolbar;
