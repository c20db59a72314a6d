// What the device's keys do in the main window's lists, by the key tables.
#pragma once

#include "mainwindow/main_lists.h"

// A key-down of the list; the key code is zeroed when the key moved the
// selection itself, so that the list does not move it again.
void OnListKeyDown(const MainListDef& def, NMLVKEYDOWN* key);
