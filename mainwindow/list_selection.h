// What a changed row of each list writes into the selection state.
#pragma once

#include "lists/state.h"

// The hidden columns are read back into buffers this wide.
constexpr int kHiddenColumnChars = 100;

// The four contact lists: the cache row behind the list row.
void ContactIndexRowChanged(HWND list, int row);
void KeypadResultRowChanged(HWND list, int row);
void CompanyContactRowChanged(HWND list, int row);
void GroupContactRowChanged(HWND list, int row);

// Pick lists: their choice, their remembered row, the governed list back
// to its first row.
void CompanyPickRowChanged(HWND list, int row);
void GroupPickRowChanged(HWND list, int row);
void AnniversaryKindRowChanged(HWND list, int row);
void TaskFilterRowChanged(HWND list, int row);
void TaskSortRowChanged(HWND list, int row);
void MemoPickRowChanged(HWND list, int row);

// Item lists: the ids of their hidden columns.
void CardScheduleRowChanged(HWND list, int row);
void CardTaskRowChanged(HWND list, int row);
void CardMemoRowChanged(HWND list, int row);
void ScheduleRowChanged(HWND list, int row);
void AnniversaryRowChanged(HWND list, int row);
void TaskRowChanged(HWND list, int row);
void MemoRowChanged(HWND list, int row);

// The cache row a contact list shows at a row, or null.
const ContactCacheEntry* ContactListRow(HWND list, int row);
