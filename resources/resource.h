// Resource ids of the main program.
#pragma once

// Strings.
#define IDS_APP_TITLE           1
#define IDS_MAIN_CLASS          3
#define IDS_MENU_HELP           40008
#define IDS_MENU_FILE           40011

// Icon, menus, dialogs, bitmaps, accelerators.
#define IDR_ACCELERATORS        3
#define IDI_QUILLON             101
#define IDR_MAIN_MENU           102
#define IDD_ABOUT               103
#define IDB_TOOLBAR             105
#define IDB_OK_BUTTON           122

// Menu-bar buttons and menu commands.
#define IDM_HELP_BUTTON         40006
#define IDM_FILE_BUTTON         40009
#define IDM_ABOUT               40003
#define IDM_EXIT                40012
#define IDM_BACKUP              40028
#define IDM_RESTORE             40029
#define IDM_PREFERENCES         40032
#define IDM_QUIT                1
// The contact import; reached from the File menu.
#define IDM_CONTACT_IMPORT      40030

// Controls of the About dialog.
#define IDC_ABOUT_VERSION       1014
#define IDC_ABOUT_TITLE         1015
#define IDC_ABOUT_EMPTY         1016
#define IDC_ABOUT_DESCRIPTION   1017

// The input-method pop-up: its placeholder item is replaced by one item per
// installed method, commands IDM_INPUT_METHOD_FIRST + n.
#define IDR_INPUT_METHOD_MENU   382
#define IDM_INPUT_METHOD_FIRST  41000

// ---- the main window's views -----------------------------------------------

// The bitmaps of the button faces and image lists (made by make_bitmaps.pl).
#include "faces.h"

// The toolbars of the toolbar window (one id for all eleven).
#define IDC_VIEW_TOOLBAR              20001

// View tabs; their ids are the commands that switch to their views.
#define IDC_CONTACT_VIEW_TAB          20011
#define IDC_SEARCH_VIEW_TAB           20012
#define IDC_COMPANY_VIEW_TAB          20013
#define IDC_GROUP_VIEW_TAB            20014
#define IDC_SCHEDULE_VIEW_TAB         20015
#define IDC_ANNIVERSARY_VIEW_TAB      20016
#define IDC_TASK_VIEW_TAB             20017
#define IDC_MEMO_VIEW_TAB             20018
#define IDC_TAB_BAR_END               20019

// The contact views.
#define IDC_CONTACT_COLUMN_NAME       20021
#define IDC_CONTACT_COLUMN_MOBILE     20022
#define IDC_CONTACT_COLUMN_OFFICE     20023
#define IDC_KEYPAD_FRAME              20027
#define IDC_KEYPAD_INNER_FRAME        20028
#define IDC_KEYPAD_TEXT               20029
#define IDC_KEY_1                     20030  // keys 1-9 are 20030-20038
#define IDC_KEY_9                     20038
#define IDC_KEY_0                     20039
#define IDC_KEY_BACK                  20040
#define IDC_KEY_FIELD                 20041
#define IDC_KEYPAD_FIELD_COMBO        20042
#define IDC_INDEX_TAB_FIRST           21001  // all, then the 14 consonants
#define IDC_INDEX_TAB_LAST            21016  // the search box's tab
#define IDC_COMPANY_SIDE_COMPANY      21025
#define IDC_COMPANY_SIDE_GROUP        21026
#define IDC_GROUP_SIDE_COMPANY        21027
#define IDC_GROUP_SIDE_GROUP          21028
#define IDC_COMPANY_SIDE_SEARCH       21035
#define IDC_GROUP_SIDE_SEARCH         21036
#define IDC_SEARCH_SIDE_SEARCH        21037
#define IDC_SEARCH_SIDE_COMPANY       21038
#define IDC_SEARCH_SIDE_GROUP         21039
#define IDC_SEARCH_ROW_FRAME          21043
#define IDC_SEARCH_FIELD_COMBO        21044
#define IDC_SEARCH_BOX                21045
#define IDC_SEARCH_BUTTON             21046
#define IDC_CONTACT_LIST_FRAME        21047

// The schedule view.
#define IDC_SCHEDULE_HEADER_DATE      20043
#define IDC_SCHEDULE_HEADER_TEXT      20044
#define IDC_SCHEDULE_FRAME            20045
#define IDC_SCHEDULE_INNER_FRAME      20046
#define IDC_RANGE_START_LABEL         20047
#define IDC_RANGE_END_LABEL           20048
#define IDC_SCHEDULE_DISPLAY_LAST     20090  // the display fields' range ends here
#define IDC_GRID_YEAR_LABEL           20100
#define IDC_GRID_MONTH_LABEL          20101
#define IDC_GRID_DATE_LABEL           20102
#define IDC_RANGE_SPARE_LABEL         20103
#define IDC_WEEKDAY_HEADER_FIRST      20104  // seven, 20104-20110
#define IDC_GRID_LUNAR_LABEL          20111
#define IDC_SCHEDULE_DAY_NAME_FIRST   20125  // seven, Sunday first
#define IDC_MONTH_GRID_FIRST          20132
#define IDC_MONTH_GRID                20133
#define IDC_PREVIOUS_MONTH            20145
#define IDC_NEXT_MONTH                20146
#define IDC_SCHEDULE_DAY_TAB          21032
#define IDC_SCHEDULE_WEEK_TAB         21033
#define IDC_SCHEDULE_MONTH_TAB        21034

// The anniversary view.
#define IDC_ANNIVERSARY_SORT_TITLE    20112
#define IDC_ANNIVERSARY_SORT_DATE     20113
#define IDC_ANNIVERSARY_HEADER_FRAME  20114
#define IDC_ANNIVERSARY_YEAR_LABEL    20115
#define IDC_ANNIVERSARY_AGE_LABEL     20116
#define IDC_ANNIVERSARY_LUNAR_LABEL   20117
#define IDC_ANNIVERSARY_DAY_NAME_FIRST 20118  // seven, Sunday first
#define IDC_ANNIVERSARY_HEADER_LAST   20124

// The task and memo views.
#define IDC_TASK_HEADER_TITLE         20134
#define IDC_TASK_HEADER_PERIOD        20135
#define IDC_MEMO_HEADER_TITLE         20143
#define IDC_MEMO_HEADER_DATE          20144
#define IDC_MEMO_SIDE_CATEGORY        21041
#define IDC_MEMO_SIDE_DATE            21042

// The contact card and its panels.
#define IDC_CARD_SCHEDULE_HEADER_DATE 20025
#define IDC_CARD_SCHEDULE_HEADER_TEXT 20026
#define IDC_CARD_SCHEDULE_TAB         20136
#define IDC_CARD_TASK_TAB             20137
#define IDC_CARD_TASK_HEADER_TITLE    20138
#define IDC_CARD_TASK_HEADER_PERIOD   20139
#define IDC_CARD_MEMO_HEADER_TITLE    20140
#define IDC_CARD_MEMO_HEADER_DATE     20141
#define IDC_CARD_MEMO_TAB             20142
#define IDC_CARD_LABEL                21017  // every label of the card and detail panes
#define IDC_CARD_PORTRAIT             21018  // also the card's note box
#define IDC_CARD_TASK_FILTER          21030
#define IDC_CARD_TASK_SORT            21031
#define IDC_CARD_DIAL_MOBILE          21048
#define IDC_CARD_DIAL_MAIN            21049
#define IDC_CARD_DIAL_HOME            21050
#define IDC_CARD_MAIL                 21051

// The detail panes.
#define IDC_DETAIL_FRAME              21019
#define IDC_DETAIL_INK                21020
#define IDC_DETAIL_TEXT_2             21021
#define IDC_DETAIL_TEXT               21022
#define IDC_DETAIL_BUTTON_A           21023
#define IDC_DETAIL_BUTTON_B           21024
#define IDC_DETAIL_BUTTON_C           21029
#define IDC_MEMO_DETAIL_INK           21040

// ---- item commands, run by the toolbar window --------------------------------

#define ID_CONTACT_NEW                10001
#define ID_CONTACT_EDIT               10002
#define ID_CONTACT_DELETE             10003
#define ID_CONTACT_DIAL_MOBILE        10004
#define ID_CONTACT_DIAL_MAIN          10005
#define ID_CONTACT_MAIL               10007
#define ID_CONTACT_CARD_OPEN          10008
#define ID_CONTACT_PAGE_UP            10009
#define ID_CONTACT_PAGE_DOWN          10010
#define ID_CONTACT_CARD_CLOSE         10011
#define ID_CONTACT_DIAL_HOME          10012
#define ID_CONTACT_DIAL_BUSINESS      10013
#define ID_CONTACT_SHOW_OUTLOOK       10014
#define ID_CONTACT_NEW_OUTLOOK        10015
#define ID_CONTACT_DIAL_MAIN_AS_IS    10016

#define ID_APPOINTMENT_NEW            10101
#define ID_APPOINTMENT_EDIT           10102
#define ID_APPOINTMENT_DELETE         10103
#define ID_SCHEDULE_DETAIL            10104
#define ID_SCHEDULE_BACK              10105
#define ID_SCHEDULE_PREVIOUS_ROW      10106
#define ID_SCHEDULE_NEXT_ROW          10107
#define ID_SCHEDULE_PREVIOUS_PERIOD   10110
#define ID_SCHEDULE_NEXT_PERIOD       10111
#define ID_SCHEDULE_DAY_MODE          10112
#define ID_SCHEDULE_WEEK_MODE         10113
#define ID_SCHEDULE_MONTH_MODE        10114
#define ID_SCHEDULE_TODAY             10115
#define ID_APPOINTMENT_DIAL_MOBILE    10116
#define ID_APPOINTMENT_DIAL_HOME      10117
#define ID_APPOINTMENT_MAIL           10118
#define ID_CARD_PREVIOUS_MONTH        10119
#define ID_CARD_NEXT_MONTH            10120
#define ID_APPOINTMENT_SHOW_OUTLOOK   10121
#define ID_APPOINTMENT_NEW_OUTLOOK    10122
#define ID_APPOINTMENT_DIAL_BUSINESS  10123

#define ID_ANNIVERSARY_NEW            10201
#define ID_ANNIVERSARY_EDIT           10202
#define ID_ANNIVERSARY_DELETE         10203
#define ID_ANNIVERSARY_PREVIOUS_YEAR  10206
#define ID_ANNIVERSARY_NEXT_YEAR      10207
#define ID_ANNIVERSARY_THIS_YEAR      10208

#define ID_TASK_NEW                   10301
#define ID_TASK_EDIT                  10302
#define ID_TASK_DELETE                10303
#define ID_TASK_DETAIL                10304
#define ID_TASK_DIAL_MOBILE           10305
#define ID_TASK_DIAL_HOME             10306
#define ID_TASK_MAIL                  10308
#define ID_TASK_BACK                  10309
#define ID_TASK_PREVIOUS_ROW          10310
#define ID_TASK_NEXT_ROW              10311
#define ID_TASK_TOGGLE_DONE           10312
#define ID_TASK_SHOW_OUTLOOK          10313
#define ID_TASK_NEW_OUTLOOK           10314
#define ID_TASK_DIAL_BUSINESS         10315

#define ID_MEMO_NEW                   10401
#define ID_MEMO_EDIT                  10402
#define ID_MEMO_DELETE                10403
#define ID_MEMO_DETAIL                10406
#define ID_MEMO_DIAL_MOBILE           10407
#define ID_MEMO_DIAL_HOME             10408
#define ID_MEMO_MAIL                  10410
#define ID_MEMO_BACK                  10411
#define ID_MEMO_PREVIOUS_ROW          10412
#define ID_MEMO_NEXT_ROW              10413
#define ID_MEMO_DIAL_BUSINESS         10414
#define ID_MEMO_OPEN_NOTES            10415

#define ID_ITEM_COMMAND_FIRST         10001
#define ID_ITEM_COMMAND_LAST          10415

// ---- commands of the main window's pop-up menus ------------------------------

#define IDM_CONTACT_DIAL_MOBILE       40019
#define IDM_CONTACT_DIAL_BUSINESS     40020
#define IDM_CONTACT_CANCEL            40021
#define IDM_CONTACT_MESSAGE           40022
#define IDM_CONTACT_MAIL              40023
#define IDM_CONTACT_DETAIL            40027
#define IDM_BACK                      40036
#define IDM_CARD_DIAL_MOBILE          40037
#define IDM_CARD_DIAL_BUSINESS        40038
#define IDM_CARD_MAIL                 40039
#define IDM_CARD_CANCEL               40040
#define IDM_SCHEDULE_DETAIL           40043
#define IDM_SCHEDULE_DAY              40044
#define IDM_SCHEDULE_WEEK             40045
#define IDM_SCHEDULE_MONTH            40046
#define IDM_SCHEDULE_CANCEL           40047
#define IDM_CONTACT_DIAL_HOME         40048
#define IDM_CARD_DIAL_HOME            40049
#define IDM_TASK_FILTER_ACTIVE        40055
#define IDM_TASK_FILTER_DONE          40056
#define IDM_TASK_FILTER_OVERDUE       40057
#define IDM_TASK_FILTER_ALL           40058
#define IDM_TASK_SORT_STATE           40063
#define IDM_TASK_SORT_PRIORITY        40064
#define IDM_TASK_SORT_TITLE           40065
#define IDM_TASK_SORT_START           40066
#define IDM_TASK_SORT_DUE             40067
#define IDM_TASK_DETAIL               40071
#define IDM_TASK_CANCEL               40072
#define IDM_TASK_OUTLOOK              40073
#define IDM_SCHEDULE_OUTLOOK          40074
#define IDM_CONTACT_OUTLOOK           40075
#define IDM_VIEW_SEARCH               40089
#define IDM_VIEW_COMPANY              40090
#define IDM_VIEW_GROUP                40091
#define IDM_MEMO_DETAIL               40095
#define IDM_MEMO_SORT_TITLE           40096
#define IDM_MEMO_SORT_DATE            40097
#define IDM_MEMO_CANCEL               40098
#define IDM_MEMO_BY_CATEGORY          40115
#define IDM_MEMO_BY_DATE              40116
#define IDM_CONTACT_NEW_ANNIVERSARY   40123
#define IDM_CONTACT_SEARCH            40125
#define IDM_ANNIVERSARY_SORT_TITLE    40127
#define IDM_ANNIVERSARY_SORT_DATE     40128
// The card's "문자 보내기" carries its menu's number.
#define IDM_CARD_MESSAGE              385

// ---- the lists' pop-up menus, the go-to-month dialog -----------------------

// Pop-up menus, each with one submenu; the "SMS" variants add "문자 보내기"
// for the devices that have the messaging menus.
#define IDR_CONTACT_MENU              192
#define IDR_CONTACT_SMS_MENU          40022
#define IDR_CONTACT_SUBVIEW_MENU      362
#define IDR_CONTACT_SUBVIEW_SMS_MENU  384
#define IDR_CARD_MENU                 226
#define IDR_CARD_SMS_MENU             385
#define IDR_SCHEDULE_MENU             228
#define IDR_TASK_MENU                 327
#define IDR_MEMO_MENU                 369
#define IDR_NOTES_MEMO_MENU           383
#define IDR_ANNIVERSARY_MENU          386
#define IDR_TASK_FILTER_MENU          325
#define IDR_TASK_SORT_MENU            326
// The anniversary menu's "취소하기"; the main window does not handle it.
#define IDM_ANNIVERSARY_CANCEL        40129

// The go-to-month dialog and the face of its "취소" button.
#define IDD_GO_TO_MONTH               227
#define IDC_GO_TO_YEAR                1102
#define IDC_GO_TO_YEAR_LABEL          1103
#define IDC_GO_TO_MONTH               1104
#define IDC_GO_TO_MONTH_LABEL         1105
#define IDB_CANCEL_BUTTON             123
// The preferences sheet, its pages and its pickers.
#include "preferences.h"
// Backup and restore: the progress dialog, its label and bar, and the face
// of its Cancel button.
#define IDB_BACKUP_CANCEL_BUTTON       372
#define IDD_BACKUP_PROGRESS     383
#define IDC_BACKUP_LABEL        1246
#define IDC_BACKUP_BAR          1247

// The item editors, run by the toolbar window's item commands.
#define IDD_CONTACT_EDITOR      104
#define IDD_SCHEDULE_EDITOR     159
#define IDD_ANNIVERSARY_EDITOR  203
#define IDD_TASK_EDITOR         320
#define IDD_MEMO_EDITOR         352

// The item editors' dialogs and controls.
#include "editors.h"

// The diary forms' dialogs and controls.
#include "diary_forms.h"
