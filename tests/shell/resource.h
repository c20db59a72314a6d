// Resources of the shell tests.
#pragma once

#define IDR_MENU_BAR 102          // two drop-down buttons over menu 102
#define IDR_PLAIN_BAR 103         // one button that sends its own command
#define IDR_TOO_MANY_BUTTONS 104
#define IDR_SHORT_BAR 105
#define IDR_BAR_WITHOUT_MENU 106

#define IDS_FILE 40011
#define IDS_HELP 40008
#define IDS_OK_BUTTON 41002

#define IDM_FILE 40009
#define IDM_HELP 40006
#define IDM_BACKUP 40028
#define IDM_RESTORE 40029
#define IDM_PREFERENCES 40032
#define IDM_EXIT 40012
#define IDM_ABOUT 40003
#define IDM_PLAIN 41001

#define IDD_PLAIN 200
#define IDD_PAGE_DIARY 210
#define IDD_PAGE_COLOURS 211
#define IDC_TEXT 1001
#define IDC_PAGE_OK 1093
