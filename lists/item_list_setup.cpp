#include "lists/item_list_setup.h"

#include "lists/anniversary_lists.h"
#include "core/anniversary_save.h"
#include "lists/form_loaders.h"
#include "lists/memo_bodies.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/memo_lists.h"
#include "lists/task_lists.h"
#include "lists/task_row_painter.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

#include <commctrl.h>

namespace {

constexpr int kFirstTaskSortRow = 1;

// An owner-drawn list's rows are as high as its small images (plus one
// pixel of its own) when its font is lower: an image list of one blank
// column gives both task lists their 15-pixel rows. Each list owns and
// destroys its own.
void SetTaskRowHeight(HWND list)
{
    if (!list)
        return;
    HIMAGELIST spacer = ImageList_Create(1, kTaskRowHeight - 1, ILC_COLOR, 0, 0);
    if (spacer && !ListView_SetImageList(list, spacer, LVSIL_SMALL) &&
        ListView_GetImageList(list, LVSIL_SMALL) != spacer)
        ImageList_Destroy(spacer);
}

void ClearTables()
{
    TaskViewRows.Clear();
    CardTaskRows.Clear();
    MemoViewRows.Clear();
    CardMemoRows.Clear();
    AnniversaryRows.Clear();
    TaskViewRowCount = CardTaskRowCount = 0;
    MemoRowCount = CardMemoRowCount = 0;
    AnniversaryCount = 0;
}

void InstallHooks()
{
    Hooks.FillAnniversaryKindPickList = FillAnniversaryKindPickList;
    Hooks.LoadAnniversaryList = LoadAnniversaryList;
    Hooks.FillTaskFilterPickList = FillTaskFilterPickList;
    Hooks.FillTaskSortPickList = FillTaskSortPickList;
    Hooks.FillMemoCategoryPickList = FillMemoCategoryPickList;
    Hooks.LoadMemoList = LoadMemoList;
    Hooks.LoadContactMemoList = LoadContactMemoList;
    Hooks.PaintTaskRow = PaintTaskListRow;
    Hooks.ShowAnniversaryHeader = ShowAnniversaryHeader;
    Hooks.LoadTaskList = LoadTaskList;
    Hooks.LoadContactTaskList = LoadContactTaskList;
    Hooks.ShowTaskPreview = ShowTaskPreview;
    Hooks.ShowMemoBody = ShowMemoBody;
    // What the item commands call.
    Hooks.LoadAnniversaryRecord = LoadAnniversaryRecord;
    Hooks.LoadTaskForm = LoadTaskForm;
    Hooks.LoadNoteRecord = LoadNoteRecord;
    Hooks.DeleteAnniversary = DeleteAnniversary;
    Hooks.DeleteNoteRecord = DeleteNoteRecord;
    Hooks.DeleteNoteFile = DeleteNoteFile;
    Hooks.OpenNoteInNotesProgram = OpenNoteInNotesProgram;
}

}  // namespace

void StartItemLists()
{
    AnniversaryToReselect = 0;
    TaskFilterIndex = 0;
    TaskSortIndex = kFirstTaskSortRow;
    ClearTables();
    NoteFolderTable = NoteFolders();
    NoteFolderTableHolds = NoteFolderContent::Nothing;
    SetTaskRowHeight(TaskList);
    SetTaskRowHeight(CardTaskList);
    InstallHooks();
}

void ReleaseItemLists()
{
    ClearTables();
    if (TaskItems)
        TaskItems->Release();
    TaskItems = nullptr;
}

void PaintTaskListRow(const DRAWITEMSTRUCT& item)
{
    const TaskRowTable& rows = item.hwndItem == CardTaskList ? CardTaskRows : TaskViewRows;
    PaintTaskRow(item, rows, TaskRowImages, MainWindow);
}
