// Task list rows: what a row holds, the filter and sort choices of the task
// view and of the contact card's headings, and the key chains the rows are
// ordered by.
#pragma once

#include "lists/row_table.h"
#include "platform/ce.h"

#include <string>

struct TaskListRow {
    CEOID oid = 0;
    std::wstring contactName;  // last then first name of the linked contact; empty in the card
    std::wstring subject;
    std::wstring dueText;      // "yy-MM-dd", empty without a due date
    std::wstring startText;    // "yy-MM-dd", only under the start-date sort
    wchar_t importance = L'2';  // '1' low, '2' normal, '3' high
    wchar_t complete = L'F';    // 'T' done
    wchar_t overdue = L'F';     // 'T' open and due before today
    wchar_t dated = L'1';       // '2' the sort date is present
};

using TaskRowTable = RowTable<TaskListRow>;

// The choices both lists understand; the task view's pick-list texts and the
// card's heading texts name the same ones.
enum class TaskFilter { Open, Done, Overdue, All };
enum class TaskSort { State, Priority, Title, StartDate, DueDate, None };

TaskFilter TaskFilterOf(const wchar_t* choice);
TaskSort TaskSortOf(const wchar_t* choice);

// The restriction for a filter. The overdue one compares with today's date,
// given as the restriction's short date ("MM/dd/yy").
std::wstring TaskRestriction(TaskFilter filter, const wchar_t* todayShortDate);
// True when the restriction reads a date (and so needs the short-date swap).
bool TaskRestrictionHasDate(TaskFilter filter);

// The property the collection is sorted on before the restriction, and its
// direction. TaskSort::None sorts on the subject.
const wchar_t* TaskSortProperty(TaskSort sort);
bool TaskSortDescending(TaskSort sort);

// The texts of the task view's two pick lists, in row order.
constexpr int kTaskFilterRows = 4;
constexpr int kTaskSortRows = 5;
extern const wchar_t* const kTaskFilterTexts[kTaskFilterRows];
extern const wchar_t* const kTaskSortTexts[kTaskSortRows];

// What a task's properties give a row, before its linked contact is named.
struct TaskFacts {
    CEOID oid = 0;
    std::wstring subject;
    DATE startDate = 0;
    DATE dueDate = 0;
    long importance = 1;  // 0 low, 1 normal, 2 high
    bool complete = false;
};

// A row of the task; `today` is the object model's date of today at 00:00.
TaskListRow MakeTaskRow(const TaskFacts& facts, TaskSort sort, DATE today);

// Orders the table's positions by the sort's key chain; TaskSort::None keeps
// the collection's order.
void OrderTaskRows(TaskRowTable* table, TaskSort sort);
int CompareTaskRows(TaskSort sort, const TaskListRow& a, const TaskListRow& b);

// "yy-MM-dd" of a date; empty when its year is 3000 or later (no date).
std::wstring TaskDateText(DATE date);
