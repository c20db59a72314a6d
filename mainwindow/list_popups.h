// The popup menus of the main window's lists, on tap-and-hold or on Enter
// as action.
#pragma once

#include "mainwindow/main_lists.h"

// Opens the list's popup at a point on the screen; in a detail layout the
// schedule, task and memo lists open the linked contact's menu instead.
void OpenListPopup(const MainListDef& def, POINT screenPoint);
// Where Enter opens a popup: the middle of the selected row, else of the list.
POINT PopupPointOfSelection(HWND list);
