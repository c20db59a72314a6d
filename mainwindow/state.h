// State of the main window shared across the main program.
#pragma once

#include "platform/ce.h"
#include "core/state.h"

#include <commctrl.h>

// ---- start-up (startup.cpp) -------------------------------------------------

extern HINSTANCE AppInstance;
extern HWND MainWindow;
// The shell menu bar of the main window; null when it could not be made.
extern HWND MainMenuBar;

// Timers of the main window: the Today item's requests and the watch on
// the system PIM databases.
constexpr UINT kTimerTodayRequests = 2;
constexpr UINT kTimerOutlookWatch = 3;

// ---- made by the main window's creation (main_state.cpp) -----------------------

// What the creation got as far as making, so that the destruction undoes
// exactly that (a start-up may stop early).
extern bool DiaryVolumeMounted;
extern bool OutlookLoggedOn;

constexpr int kOemInfoBytes = 100;
constexpr int kDialModelBytes = 16;
extern wchar_t OemInfo[kOemInfoBytes / sizeof(wchar_t)];
extern wchar_t DialModelString[kDialModelBytes / sizeof(wchar_t)];

// 0 other, 1 HP, 2 Harrowell, 3 Samsung, 4 LG.
extern int PhoneModel;
extern BYTE SamsungImeFlag;
extern BYTE SamsungSipFlag;
extern BYTE SamsungSmsMenus;

// The keypad layout in effect: 0 basic, 1 Samsung, 2 LG/HP, 3 Pose.
extern int ActiveKeypadLayout;
// The week start in effect: 0 Sunday, 1 Monday.
extern int ActiveWeekStart;
extern DWORD OsMajorVersion;

extern SHACTIVATEINFO ActivateInfo;

enum CtlColorBrushIndex { kBrushLavender = 0, kBrushCream = 1, kBrushWhite = 2, kBrushSteel = 3, kCtlColorBrushCount = 4 };
constexpr COLORREF kCtlColorBrushColours[kCtlColorBrushCount] = {RGB(215, 214, 244), RGB(239, 235, 189),
                                                                 RGB(255, 255, 255), RGB(181, 195, 214)};
extern HBRUSH CtlColorBrushes[kCtlColorBrushCount];

// 16 x 16 images of bitmap 105, shared by the toolbars.
extern HIMAGELIST ToolbarImageList;

// Dates "%4d-%02d-%02d": the schedule's day and the range it shows.
constexpr int kDateTextChars = 11;
extern wchar_t CurrentDate[kDateTextChars];
extern wchar_t RangeStart[kDateTextChars];
extern wchar_t RangeEnd[kDateTextChars];
extern int AnniversaryYear;

// The text of the contact view's search box.
constexpr int kContactSearchChars = 20;
// The search fields S, N, C, T are entries 0-3 of both search-field combos.
constexpr int kSearchFieldCount = 4;
extern wchar_t ContactSearchText[kContactSearchChars];

// The four contact lists whose columns follow the list layout setting;
// null until the views' controls are made.
extern HWND ContactList;
extern HWND KeypadResultList;
extern HWND CompanyContactList;
extern HWND GroupContactList;

// ---- views (view_state.cpp) ---------------------------------------------------

// The eight views, numbered as CurrentView counts them.
constexpr int kViewCount = 8;
constexpr int32_t kContactSearchView = 1;
constexpr int32_t kCompanyView = 2;
constexpr int32_t kGroupView = 3;
constexpr int32_t kScheduleView = 4;
constexpr int32_t kAnniversaryView = 5;
constexpr int32_t kTaskView = 6;

// One flag per view: its next switch reloads its lists.
extern BYTE ViewStale[kViewCount];
// The row each view's main list selects when shown again.
extern int ViewSelection[kViewCount];
// The contact card's panels: 0 appointments, 1 tasks, 2 memos.
constexpr int kCardPanelCount = 3;
extern int ContactCardPanel;
extern int CardPanelSelection[kCardPanelCount];
// The contact view owning the second tab: 'S' search, 'C' company, 'G' group.
extern char ContactSubView;
// The layout of the schedule, task and memo views: 'M' list, 'V' detail of
// the selected item, 'L' the contact card of its linked contact.
enum DetailSlot { kScheduleDetail = 0, kTaskDetail = 1, kMemoDetail = 2, kDetailSlotCount = 3 };
extern char DetailMode[kDetailSlotCount];
// Set while a command started by the Today item runs; afterwards the main
// window hides itself again.
extern bool FromTodayRequest;
// Memos picked by category or folder (0) or by date (1).
extern BYTE MemoPickByDate;
// 'T' title or 'D' date.
extern char MemoSortKey;
extern char AnniversarySortKey;
// The chosen tab of the index bar: 0 all, 1-14 ㄱ..ㅎ, 15 the search box.
constexpr int kIndexTabAll = 0;
constexpr int kIndexTabSearch = 15;
extern int IndexTab;
// Digits typed on the keypad; the keypad text is read back with room for 19.
constexpr int kKeypadTextChars = 21;
extern wchar_t KeypadText[kKeypadTextChars];
// The first day listed by the contact card's appointments panel.
extern wchar_t ContactScheduleDate[kDateTextChars];
// The schedule day-name label the mini calendar last showed, -1 none.
extern int ScheduleDayNameIndex;

// Selection state kept by the lists' notifications.
constexpr int kPickChoiceChars = 100;
extern wchar_t MemoPickChoice[kPickChoiceChars];
extern int MemoPickRow;
extern CEOID SelectedContactOid;
// The calendar of the selected anniversary: '0' solar, '1' lunar.
extern wchar_t AnniversaryLunarFlag;

// ---- view controls (view_controls.cpp) -----------------------------------------

// A handle is null when its control could not be made; showing, hiding and
// moving a null handle does nothing.
constexpr int kWeekDays = 7;
constexpr int kIndexTabCount = 16;
constexpr int kKeypadKeyCount = 12;
constexpr int kCardLineCount = 15;

extern HWND ContactViewTab, SearchViewTab, CompanyViewTab, GroupViewTab, ScheduleViewTab, AnniversaryViewTab,
    TaskViewTab, MemoViewTab, TabBarEnd;

extern HWND ContactListFrame, SearchRowFrame, ContactSearchFieldCombo, ContactSearchBox, SearchBoxButton;
extern HWND IndexBarButtons[kIndexTabCount];
extern HWND ContactColumnButtons[3];

extern HWND KeypadFrame, KeypadInnerFrame, KeypadFieldCombo, KeypadTextBox;
extern HWND KeypadKeys[kKeypadKeyCount];  // in creation order, 20030 .. 20041
extern HWND KeypadSideTabs[3];

extern HWND CompanyPickList, GroupPickList;
extern HWND CompanySideTabs[3], GroupSideTabs[3];

extern HWND ScheduleList, ScheduleFrame, ScheduleInnerFrame, MonthGridWindow;
extern HWND ScheduleHeaderButtons[2], ScheduleModeTabs[3];
extern HWND GridYearLabel, GridMonthLabel, PrevMonthButton, NextMonthButton, GridDateLabel, GridLunarLabel;
extern HWND RangeStartLabel, RangeEndLabel, RangeSpareLabel;
extern HWND WeekdayHeaderWindows[kWeekDays];
extern HWND ScheduleDayNameLabels[kWeekDays];

extern HWND AnniversaryList, AnniversaryKindPickList, AnniversaryHeaderFrame, AnniversaryYearLabel,
    AnniversaryLunarLabel, AnniversaryAgeLabel;
extern HWND AnniversarySortButtons[2];
extern HWND AnniversaryDayNameLabels[kWeekDays];

extern HWND TaskList, TaskFilterPickList, TaskSortPickList;
extern HWND TaskHeaderButtons[2];

extern HWND MemoList, MemoPickList;
extern HWND MemoHeaderButtons[2], MemoSideTabs[2];

extern HWND CardScheduleTab, CardTaskTab, CardMemoTab, CardBackground, CardPortrait, CardNoteBox;
extern HWND CardLines[kCardLineCount];  // in the order of the card's table
extern HWND CardPanelLabel, CardPanelLabel2, CardTaskFilterHeading, CardTaskSortHeading;
extern HWND CardScheduleList, CardTaskList, CardMemoList;
extern HWND CardScheduleHeader[2], CardTaskHeader[2], CardMemoHeader[2];

extern HWND DetailFrame, DetailTitleLabel, DetailMarker, DetailSubtitleLabel, DetailButtonA, DetailButtonB,
    DetailButtonC, DetailLine3, DetailInk, DetailTextBox, DetailTextBox2;
extern HWND MemoDetailInk;

// Small images of the pick lists (bitmap 161) and of the task sort pick list
// (319), shared by their lists; the marks the task rows draw (318).
extern HIMAGELIST PickListImages;
extern HIMAGELIST TaskSortImages;
extern HIMAGELIST TaskRowImages;

// ---- the toolbar window (toolbars.cpp) ------------------------------------------

extern HWND ToolbarWindow;
extern HWND ContactsToolbar, CardScheduleToolbar, ScheduleDetailToolbar, ScheduleToolbar, AnniversaryToolbar,
    CardTaskToolbar, TaskDetailToolbar, TaskToolbar, CardMemoToolbar, MemoToolbar, MemoDetailToolbar;

// ---- the month grid (month_grid.cpp) ----------------------------------------------

// The grid's picture, made at its first paint (while MonthGridUnpainted is
// set) and deleted with the main window.
extern HBITMAP MonthGridBitmap;
extern bool MonthGridUnpainted;

// ---- the selected contact's texts (selection_state.cpp) ------------------------

// The texts of one contact that dialing, mail and messages use; phone
// numbers hold only the digits 0-9 and '#'. Sizes include the terminator.
struct ContactDialTexts {
    wchar_t LinkedContactName[51];
    wchar_t PreviewContactCompany[100];
    wchar_t PreviewMobileDigits[41];
    wchar_t PreviewPhoneDigits[41];  // business phone, else home phone
    wchar_t PreviewOfficeDigits[41];
    wchar_t PreviewHomeDigits[41];
    wchar_t PreviewEmail[61];
};
extern ContactDialTexts ContactDialInfo;

// ---- selection state of the other lists (selection_state.cpp) -----------------

// The items the item commands, previews and form loaders act on; written by
// the lists' notifications from the rows' hidden columns.
extern CEOID SelectedAppointmentOid;
extern CEOID SelectedTaskOid;
extern long SelectedMemoId;
// The anniversary or holiday a schedule row mirrors (0 for an appointment),
// or the anniversary row's.
extern long SelectedAnniversaryId;
// The contact linked to the selected schedule row (0 for task and memo rows).
extern CEOID LinkedContactOid;
// The month and day of the selected anniversary row.
extern int AnniversaryMonth;
extern int AnniversaryDay;

// The pick lists' chosen texts and rows.
constexpr int kListChoiceChars = 100;
extern wchar_t AnniversaryKindChoice[kListChoiceChars];
extern wchar_t TaskFilterChoice[kListChoiceChars];
extern wchar_t TaskSortChoice[kListChoiceChars];
extern wchar_t MemoListFilter[kListChoiceChars];
extern int AnniversaryKindRow;
extern int TaskFilterIndex;
extern int TaskSortIndex;

// Keys of the lists: a Shift before '3' or '8' makes them '#' or '*'; the LG
// action key makes the next Enter an action.
extern bool KeypadShiftPending;
extern bool ActionKeyPending;
