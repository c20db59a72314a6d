// The task view: Pocket Outlook tasks by one of four filters and five
// sort keys.
#pragma once

#include "today/state.h"

// The texts of the filters and sort keys, as the menus show them.
const wchar_t* TaskFilterText(int filter);
const wchar_t* TaskSortText(int sort);

void SetTaskHeader();
// Fills TaskRows (at most 1000) and orders them.
void BuildTaskView();
// Header, build, row layout.
void ShowTaskMode();
