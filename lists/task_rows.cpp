#include "lists/task_rows.h"

#include <cwchar>
#include <iterator>

namespace {

// A task date from this year on stands for "no date".
constexpr WORD kNoDateYear = 3000;

struct FilterEntry {
    const wchar_t* viewText;
    const wchar_t* cardText;
    TaskFilter filter;
    const wchar_t* restriction;
};

const FilterEntry kFilters[] = {
    {L"진행중인 작업", L"진행중▽", TaskFilter::Open, L"[Complete] = 0"},
    {L"완료된 작업", L"완료▽", TaskFilter::Done, L"[Complete] = 1"},
    {L"지연된 작업", L"지연▽", TaskFilter::Overdue, L"[Complete] = 0 AND [DueDate] < \"%s\""},
};
constexpr const wchar_t* kAllTasks = L"[Complete] = 0 OR [Complete] = 1";

struct SortEntry {
    const wchar_t* viewText;
    const wchar_t* cardText;
    TaskSort sort;
    const wchar_t* property;
    bool descending;
};

const SortEntry kSorts[] = {
    {L"상태", L"상태▽", TaskSort::State, L"[DateCompleted]", false},
    {L"우선 순위", L"우선순위▽", TaskSort::Priority, L"[Importance]", true},
    {L"제목", L"제목▽", TaskSort::Title, L"[Subject]", false},
    {L"시작 날짜", L"시작날짜▽", TaskSort::StartDate, L"[StartDate]", false},
    {L"기한", L"기한▽", TaskSort::DueDate, L"[DueDate]", false},
};
constexpr const wchar_t* kSubjectProperty = L"[Subject]";

bool Names(const wchar_t* choice, const wchar_t* viewText, const wchar_t* cardText)
{
    return choice && (wcscmp(choice, viewText) == 0 || wcscmp(choice, cardText) == 0);
}

const SortEntry* SortEntryOf(TaskSort sort)
{
    for (const auto& entry : kSorts) {
        if (entry.sort == sort)
            return &entry;
    }
    return nullptr;
}

// Rows whose sort date is present come first.
int DatedFirst(const TaskListRow& a, const TaskListRow& b)
{
    return CompareChar(b.dated, a.dated);
}

wchar_t ImportanceMark(long importance)
{
    switch (importance) {
    case 0: return L'1';
    case 2: return L'3';
    default: return L'2';
    }
}

int ByComplete(const TaskListRow& a, const TaskListRow& b) { return CompareChar(a.complete, b.complete); }
int ByImportanceHighFirst(const TaskListRow& a, const TaskListRow& b) { return CompareChar(b.importance, a.importance); }
int BySubject(const TaskListRow& a, const TaskListRow& b) { return CompareText(a.subject, b.subject); }
int ByDueText(const TaskListRow& a, const TaskListRow& b) { return CompareText(a.dueText, b.dueText); }
int ByStartText(const TaskListRow& a, const TaskListRow& b) { return CompareText(a.startText, b.startText); }

struct KeyChain {
    TaskSort sort;
    RowKey<TaskListRow> keys[4];
};

// The key chain of each sort; TaskSort::None has none (the collection's order stands).
const KeyChain kChains[] = {
    {TaskSort::State, {ByComplete, BySubject, DatedFirst, ByDueText}},
    {TaskSort::Priority, {ByImportanceHighFirst, BySubject, DatedFirst, ByDueText}},
    {TaskSort::Title, {BySubject, DatedFirst, ByDueText}},
    {TaskSort::StartDate, {DatedFirst, ByStartText, BySubject}},
    {TaskSort::DueDate, {DatedFirst, ByDueText, BySubject}},
};

}  // namespace

const wchar_t* const kTaskFilterTexts[kTaskFilterRows] = {L"진행중인 작업", L"완료된 작업", L"지연된 작업",
                                                          L"모든 작업"};
const wchar_t* const kTaskSortTexts[kTaskSortRows] = {L"상태", L"우선 순위", L"제목", L"시작 날짜", L"기한"};

TaskFilter TaskFilterOf(const wchar_t* choice)
{
    for (const auto& entry : kFilters) {
        if (Names(choice, entry.viewText, entry.cardText))
            return entry.filter;
    }
    return TaskFilter::All;
}

TaskSort TaskSortOf(const wchar_t* choice)
{
    for (const auto& entry : kSorts) {
        if (Names(choice, entry.viewText, entry.cardText))
            return entry.sort;
    }
    return TaskSort::None;
}

std::wstring TaskRestriction(TaskFilter filter, const wchar_t* todayShortDate)
{
    for (const auto& entry : kFilters) {
        if (entry.filter != filter)
            continue;
        if (!TaskRestrictionHasDate(filter))
            return entry.restriction;
        wchar_t text[96] = L"";
        _snwprintf(text, std::size(text) - 1, entry.restriction, todayShortDate ? todayShortDate : L"");
        return text;
    }
    return kAllTasks;
}

bool TaskRestrictionHasDate(TaskFilter filter)
{
    return filter == TaskFilter::Overdue;
}

const wchar_t* TaskSortProperty(TaskSort sort)
{
    const SortEntry* entry = SortEntryOf(sort);
    return entry ? entry->property : kSubjectProperty;
}

bool TaskSortDescending(TaskSort sort)
{
    const SortEntry* entry = SortEntryOf(sort);
    return entry && entry->descending;
}

std::wstring TaskDateText(DATE date)
{
    SYSTEMTIME time = {};
    if (!VariantTimeToSystemTime(date, &time) || time.wYear >= kNoDateYear)
        return L"";
    wchar_t text[16] = L"";
    _snwprintf(text, std::size(text) - 1, L"%02d-%02d-%02d", time.wYear % 100, time.wMonth, time.wDay);
    return text;
}

TaskListRow MakeTaskRow(const TaskFacts& facts, TaskSort sort, DATE today)
{
    TaskListRow row;
    row.oid = facts.oid;
    row.subject = facts.subject;
    row.dueText = TaskDateText(facts.dueDate);
    row.dated = row.dueText.empty() ? L'1' : L'2';
    if (sort == TaskSort::StartDate) {
        row.startText = TaskDateText(facts.startDate);
        row.dated = row.startText.empty() ? L'1' : L'2';
    }
    row.importance = ImportanceMark(facts.importance);
    row.complete = facts.complete ? L'T' : L'F';
    const bool dueBeforeToday = !row.dueText.empty() && facts.dueDate < today;
    row.overdue = !facts.complete && dueBeforeToday ? L'T' : L'F';
    return row;
}

int CompareTaskRows(TaskSort sort, const TaskListRow& a, const TaskListRow& b)
{
    for (const auto& chain : kChains) {
        if (chain.sort == sort)
            return CompareByKeys(chain.keys, a, b);
    }
    return 0;
}

void OrderTaskRows(TaskRowTable* table, TaskSort sort)
{
    if (sort == TaskSort::None)
        return;
    table->OrderBy([sort](const TaskListRow& a, const TaskListRow& b) { return CompareTaskRows(sort, a, b); });
}
