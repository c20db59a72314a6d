#include "mainwindow/task_headings.h"

#include "resources/resource.h"

namespace {

const TaskHeadingText kFilters[] = {
    {IDM_TASK_FILTER_ACTIVE, L"진행중▽"},
    {IDM_TASK_FILTER_DONE, L"완료▽"},
    {IDM_TASK_FILTER_OVERDUE, L"지연▽"},
    {IDM_TASK_FILTER_ALL, L"모든▽"},
};
const TaskHeadingText kSorts[] = {
    {IDM_TASK_SORT_STATE, L"상태▽"},
    {IDM_TASK_SORT_PRIORITY, L"우선순위▽"},
    {IDM_TASK_SORT_TITLE, L"제목▽"},
    {IDM_TASK_SORT_START, L"시작날짜▽"},
    {IDM_TASK_SORT_DUE, L"기한▽"},
};

}  // namespace

const std::span<const TaskHeadingText> kTaskFilterHeadings = kFilters;
const std::span<const TaskHeadingText> kTaskSortHeadings = kSorts;
