// The task view's list and its two pick lists, and the contact card's task
// panel.
#pragma once

void FillTaskFilterPickList();
void FillTaskSortPickList();
