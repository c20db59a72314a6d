#include "lists/task_lists.h"

#include "core/wait_cursor.h"
#include "lists/list_refill.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/list_fill.h"
#include "mainwindow/state.h"

namespace {

std::vector<std::wstring> Texts(const wchar_t* const* texts, int count)
{
    return std::vector<std::wstring>(texts, texts + count);
}

}  // namespace

void FillTaskFilterPickList()
{
    TaskFilterCount = kTaskFilterRows;
    TaskFilterIndex = ClampRow(TaskFilterIndex, TaskFilterCount);
    FillPickList(TaskFilterPickList, Texts(kTaskFilterTexts, kTaskFilterRows), TaskFilterIndex);
}

void FillTaskSortPickList()
{
    TaskSortCount = kTaskSortRows;
    TaskSortIndex = ClampRow(TaskSortIndex, TaskSortCount);
    FillPickList(TaskSortPickList, Texts(kTaskSortTexts, kTaskSortRows), TaskSortIndex, TaskSortIndex);
}
