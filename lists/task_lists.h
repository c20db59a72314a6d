// The task view's list and its two pick lists, and the contact card's task
// panel, each list with its own rows; the task preview.
#pragma once

// The task view's list by TaskFilterChoice and TaskSortChoice.
void LoadTaskList();
// The card's tasks of SelectedContactOid by the two heading texts.
void LoadContactTaskList();
void FillTaskFilterPickList();
void FillTaskSortPickList();
// Loads SelectedTaskOid into the form and fills the task detail pane; a
// task that is gone empties the pane.
void ShowTaskPreview();
