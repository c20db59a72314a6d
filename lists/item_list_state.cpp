// The state of the task, memo and anniversary lists.
#include "lists/item_list_state.h"

TaskRowTable TaskViewRows;
TaskRowTable CardTaskRows;
int CardTaskRowCount = 0;
int TaskSortCount = 0;
IPOutlookItemCollection* TaskItems = nullptr;

MemoRowTable MemoViewRows;
MemoRowTable CardMemoRows;
int CardMemoRowCount = 0;
int32_t MemoToReselect = 0;
wchar_t CurrentNotePath[MAX_PATH] = L"";
NoteFolders NoteFolderTable;
NoteFolderContent NoteFolderTableHolds = NoteFolderContent::Nothing;

AnniversaryRowTable AnniversaryRows;
int AnniversaryCount = 0;
int32_t AnniversaryToReselect = 0;
