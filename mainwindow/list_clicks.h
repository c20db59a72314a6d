// Clicks in the main window's lists.
#pragma once

#include "lists/task_row_painter.h"
#include "platform/ce.h"

// Task rows (kTaskRowHeight) have their check box at x 3-10, y 3-10.

// Whether a point of a task list (list coordinates) is on a row's check
// box, given the rows the list holds.
bool OnTaskCheckBox(POINT at, int rowsHeld);

// Pick lists: the governed list refilled, the pick's row kept selected.
void CompanyPickClicked(HWND list, POINT at);
void GroupPickClicked(HWND list, POINT at);
void AnniversaryKindClicked(HWND list, POINT at);
void TaskFilterClicked(HWND list, POINT at);
void TaskSortClicked(HWND list, POINT at);
void MemoPickClicked(HWND list, POINT at);
// Item lists.
void TaskListClicked(HWND list, POINT at);
void ScheduleListClicked(HWND list, POINT at);
void MemoListClicked(HWND list, POINT at);

// The governed lists' refills, shared with the keys that step a pick list.
void RefillCompanyContacts();
void RefillGroupContacts();
void RefillAnniversaries();
void RefillTasks();
void RefillMemos();
