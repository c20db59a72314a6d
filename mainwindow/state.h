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
extern wchar_t ContactSearchText[kContactSearchChars];

// The four contact lists whose columns follow the list layout setting;
// null until the views' controls are made.
extern HWND ContactList;
extern HWND KeypadResultList;
extern HWND CompanyContactList;
extern HWND GroupContactList;

// ---- view state the contact lists read (views_pending.cpp) -------------------
// The views own these; they stand here until the view switch is built.

constexpr int kViewCount = 8;
// The row each view's main list selects when shown again.
extern int ViewSelection[kViewCount];
// 0 all contacts, 1-14 the initial-consonant tabs, 15 the search box.
extern int IndexTab;
// The digits typed on the contact search view's keypad.
constexpr int kKeypadTextChars = 21;
extern wchar_t KeypadText[kKeypadTextChars];
// Set for a view whose lists the next switch to it reloads.
extern BYTE ViewStale[kViewCount];
// The pick lists of the company and group views, the keypad's text.
extern HWND CompanyPickList;
extern HWND GroupPickList;
extern HWND KeypadTextBox;

// ---- the selected contact (selection_state.cpp) --------------------------------

// The contact the contact commands act on (0 = none).
extern CEOID SelectedContactOid;

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
