// Resource ids of the Today item.
#pragma once

// The options dialog the Today screen runs with ordinal 241.
#define IDD_TODAY_OPTIONS       500

// Pop-up menus of the title-bar zones and mode icons (one pop-up each).
#define IDR_SPAN_MENU           128
#define IDR_TASK_FILTER_MENU    129
#define IDR_TASK_SORT_MENU      130
#define IDR_MEMO_FILTER_MENU    131
#define IDR_MONTHS_MENU         132
#define IDR_SCHEDULE_MODE_MENU  133
#define IDR_TASK_MODE_MENU      134
#define IDR_CATEGORY_MENU       135
#define IDR_MEMO_MODE_MENU      136
#define IDR_MONTH_MODE_MENU     137
#define IDR_FOLDER_MENU         141

// Commands.
#define IDM_SPAN_FIRST          40004   // 40004-40010: 1, 2, 3, 5, 7, 14, 31 days
#define IDM_SPAN_LAST           40010
#define IDM_PICK_DATE           40011
#define IDM_TASK_FILTER_FIRST   40015   // 40015-40018
#define IDM_TASK_FILTER_LAST    40018
#define IDM_TASK_SORT_FIRST     40022   // 40022-40026
#define IDM_TASK_SORT_LAST      40026
#define IDM_NEW_SCHEDULE        40031
#define IDM_OPEN_SCHEDULE       40032
#define IDM_NEW_TASK            40036
#define IDM_OPEN_TASKS          40037
#define IDM_SETTINGS_SCHEDULE   40039
#define IDM_SETTINGS_TASKS      40040
#define IDM_MEMOS_BY_GROUP      40050
#define IDM_MEMOS_BY_DATE       40051
#define IDM_NEW_MEMO            40055
#define IDM_OPEN_MEMOS          40056
#define IDM_SETTINGS_MEMOS      40057
#define IDM_MEMO_SORT_TITLE     40093
#define IDM_MEMO_SORT_DATE      40094
#define IDM_MEMO_FILTER_FIRST   40098   // 40098-40102: filters 1-5
#define IDM_MEMO_FILTER_LAST    40102
#define IDM_MEMO_FILTER_ALL     40103   // filter 0
#define IDM_MONTH_FIRST         40116   // 40116-40127: January to December
#define IDM_MONTH_LAST          40127
#define IDM_MEMO_GROUP_FIRST    41001   // 41001 + n: memo group n

// The pop-ups: item detail, contact card, pick-date calendar and weather.
#define IDD_ITEM_DETAIL         101
#define IDD_CONTACT_CARD        102
#define IDD_PICK_DATE           106
#define IDD_WEATHER             143

// Item detail (101).
#define IDC_DETAIL_SUBJECT      1013
#define IDC_DETAIL_SECOND       1024
#define IDC_DETAIL_THIRD        1025
#define IDC_DETAIL_FOURTH       1004
#define IDC_DETAIL_FIFTH        1003
#define IDC_DETAIL_CLOSE        1019
#define IDC_DETAIL_EDIT         1020
#define IDC_DETAIL_DELETE       1021

// Contact card (102).
#define IDC_CARD_NAME1          1012
#define IDC_CARD_NAME2          1011
#define IDC_CARD_NAME3          1007
#define IDC_CARD_NAME4          1006
#define IDC_CARD_MOBILE_LABEL   1014
#define IDC_CARD_MOBILE         1015
#define IDC_CARD_PHONE_LABEL    1016
#define IDC_CARD_PHONE          1017
#define IDC_CARD_HOME_LABEL     1018
#define IDC_CARD_HOME           1019
#define IDC_CARD_MAIL_LABEL     1020
#define IDC_CARD_MAIL           1021
#define IDC_CARD_CLOSE          1022
#define IDC_CARD_EDIT           1023
#define IDC_CARD_DIAL_MOBILE    1024
#define IDC_CARD_DIAL_PHONE     1025
#define IDC_CARD_SEND_MAIL      1026
#define IDC_CARD_DIAL_HOME      1027

// Pick-date calendar (106).
#define IDC_PICK_CALENDAR       1018

// Weather (143): per shown day (0-2) its date, forecast, temperatures and
// chance of rain; the paging buttons.
#define IDC_WEATHER_DATE        1401
#define IDC_WEATHER_FORECAST    1411
#define IDC_WEATHER_TEMPERATURE 1421
#define IDC_WEATHER_RAIN        1431
#define IDC_WEATHER_PREVIOUS    1441
#define IDC_WEATHER_NEXT        1442

// Bitmaps of the pop-ups: the faces of their buttons (35 x 16 each, in the
// order of the PopupFace enumeration) and their 16 x 16 marks (close box,
// alarm, recurrence, complete).
#define IDB_POPUP_BUTTONS       150
#define IDB_POPUP_MARKS         151
