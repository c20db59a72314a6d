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

// Controls of the About dialog.
#define IDC_ABOUT_VERSION       1014
#define IDC_ABOUT_TITLE         1015
#define IDC_ABOUT_EMPTY         1016
#define IDC_ABOUT_DESCRIPTION   1017

// The input-method pop-up: its placeholder item is replaced by one item per
// installed method, commands IDM_INPUT_METHOD_FIRST + n.
#define IDR_INPUT_METHOD_MENU   382
#define IDM_INPUT_METHOD_FIRST  41000

// Backup and restore: the progress dialog, its label and bar, and the face
// of its Cancel button.
#define IDB_CANCEL_BUTTON       372
#define IDD_BACKUP_PROGRESS     383
#define IDC_BACKUP_LABEL        1246
#define IDC_BACKUP_BAR          1247
