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
