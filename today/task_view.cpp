#include "today/task_view.h"

#include "today/day_text.h"
#include "today/layout.h"
#include "today/outlook_items.h"
#include "today/schedule_queries.h"

#include <strsafe.h>

#include <algorithm>

namespace {

const wchar_t* const kFilterTexts[kTaskFilterCount] = {L"진행중인 작업", L"완료된 작업", L"지연된 작업", L"모든 작업"};
const wchar_t* const kSortTexts[kTaskSortCount] = {L"상태", L"우선 순위", L"제목", L"시작 날짜", L"기한"};

constexpr int kQueryChars = 96;

// The restriction of a filter; null for every task.
bool FilterQuery(int filter, wchar_t* query, size_t chars)
{
    switch (filter) {
    case kTasksActive:
        StringCchCopyW(query, chars, L"[Complete] = 0");
        return true;
    case kTasksCompleted:
        StringCchCopyW(query, chars, L"[Complete] <> 0");
        return true;
    case kTasksOverdue: {
        wchar_t today[24];
        RestrictionDate(TodayDay, false, today, ARRAYSIZE(today));
        StringCchPrintfW(query, chars, L"[Complete] = 0 AND [DueDate] < \"%ls\"", today);
        return true;
    }
    default:
        return false;
    }
}

int CompareText(BSTR a, BSTR b)
{
    return wcscmp(a ? a : L"", b ? b : L"");
}

// Earlier due date first; tasks without one (far in the future) last.
bool Before(const TodayTaskRow& a, const TodayTaskRow& b)
{
    switch (TaskSortChoice) {
    case kSortByState:
        if (a.complete != b.complete)
            return a.complete == L'F';
        return a.due < b.due;
    case kSortByImportance:
        if (a.importance != b.importance)
            return a.importance > b.importance;
        return a.due < b.due;
    case kSortBySubject:
        return CompareText(a.subject, b.subject) < 0;
    case kSortByStart:
        return a.start < b.start;
    default:
        return a.due < b.due;
    }
}

}  // namespace

const wchar_t* TaskFilterText(int filter)
{
    return filter >= 0 && filter < kTaskFilterCount ? kFilterTexts[filter] : L"";
}

const wchar_t* TaskSortText(int sort)
{
    return sort >= 0 && sort < kTaskSortCount ? kSortTexts[sort] : L"";
}

void SetTaskHeader()
{
    StringCchCopyW(HeaderTitle, kHeaderChars, TaskFilterText(TaskFilterChoice));
    StringCchCopyW(HeaderSecond, kHeaderChars, TaskSortText(TaskSortChoice));
}

void BuildTaskView()
{
    FreeRowStrings();
    ClearRowZones();
    wchar_t query[kQueryChars];
    FillTaskRows(
        RestrictedItems(olFolderTasks, FilterQuery(TaskFilterChoice, query, kQueryChars) ? query : nullptr, false));
    std::stable_sort(TaskRows, TaskRows + TaskRowCount, Before);
    RowCount = TaskRowCount;
    VisibleRows = std::min(RowCount, RowsShown);
}

void ShowTaskMode()
{
    SetTaskHeader();
    BuildTaskView();
    LayoutTaskRows();
}
