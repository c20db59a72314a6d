// Task rows: the filter and sort choices of both lists, the row texts and
// flags, and the key chains that order the rows.
#include "lists/task_rows.h"

#include "platform/outlook/client_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using poomclient::Date;

TEST(TaskChoices, RestrictionPerFilterInBothSpellings)
{
    struct Case {
        const wchar_t* choice;
        const wchar_t* restriction;
    };
    const Case cases[] = {
        {L"진행중인 작업", L"[Complete] = 0"},
        {L"진행중▽", L"[Complete] = 0"},
        {L"완료된 작업", L"[Complete] = 1"},
        {L"완료▽", L"[Complete] = 1"},
        {L"지연된 작업", L"[Complete] = 0 AND [DueDate] < \"05/02/07\""},
        {L"지연▽", L"[Complete] = 0 AND [DueDate] < \"05/02/07\""},
        {L"모든 작업", L"[Complete] = 0 OR [Complete] = 1"},
        {L"모든▽", L"[Complete] = 0 OR [Complete] = 1"},
        {L"", L"[Complete] = 0 OR [Complete] = 1"},
        {nullptr, L"[Complete] = 0 OR [Complete] = 1"},
        {L"진행중", L"[Complete] = 0 OR [Complete] = 1"},  // neither spelling
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.choice ? std::wstring(c.choice) : L"(null)"));
        const TaskFilter filter = TaskFilterOf(c.choice);
        EXPECT_EQ(TaskRestriction(filter, L"05/02/07"), c.restriction);
        EXPECT_EQ(TaskRestrictionHasDate(filter), wcsstr(c.restriction, L"DueDate") != nullptr);
    }
}

TEST(TaskChoices, SortPropertyAndDirectionPerChoice)
{
    struct Case {
        const wchar_t* choice;
        TaskSort sort;
        const wchar_t* property;
        bool descending;
    };
    const Case cases[] = {
        {L"상태", TaskSort::State, L"[DateCompleted]", false},
        {L"상태▽", TaskSort::State, L"[DateCompleted]", false},
        {L"우선 순위", TaskSort::Priority, L"[Importance]", true},
        {L"우선순위▽", TaskSort::Priority, L"[Importance]", true},
        {L"시작 날짜", TaskSort::StartDate, L"[StartDate]", false},
        {L"시작날짜▽", TaskSort::StartDate, L"[StartDate]", false},
        {L"기한", TaskSort::DueDate, L"[DueDate]", false},
        {L"기한▽", TaskSort::DueDate, L"[DueDate]", false},
        {L"제목", TaskSort::Title, L"[Subject]", false},
        {L"제목▽", TaskSort::Title, L"[Subject]", false},
        {L"", TaskSort::None, L"[Subject]", false},
        {L"우선순위", TaskSort::None, L"[Subject]", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.choice)));
        EXPECT_EQ(TaskSortOf(c.choice), c.sort);
        EXPECT_STREQ(TaskSortProperty(c.sort), c.property);
        EXPECT_EQ(TaskSortDescending(c.sort), c.descending);
    }
}

TEST(TaskRow, TextsAndFlags)
{
    const DATE today = Date(2007, 5, 2);
    struct Case {
        const char* name;
        DATE start, due;
        long importance;
        bool complete;
        TaskSort sort;
        const wchar_t* dueText;
        const wchar_t* startText;
        wchar_t importanceMark, overdue, dated;
    };
    const Case cases[] = {
        {"due today is not overdue", Date(2007, 4, 1), today, 1, false, TaskSort::DueDate, L"07-05-02", L"", L'2', L'F', L'2'},
        {"due yesterday and open", 0, Date(2007, 5, 1), 2, false, TaskSort::DueDate, L"07-05-01", L"", L'3', L'T', L'2'},
        {"due yesterday and done", 0, Date(2007, 5, 1), 0, true, TaskSort::DueDate, L"07-05-01", L"", L'1', L'F', L'2'},
        {"no due date", 0, Date(4501, 1, 1), 1, false, TaskSort::Title, L"", L"", L'2', L'F', L'1'},
        {"due in the year 3000", 0, Date(3000, 1, 1), 1, false, TaskSort::Title, L"", L"", L'2', L'F', L'1'},
        {"due in 2999", 0, Date(2999, 12, 31), 1, false, TaskSort::Title, L"99-12-31", L"", L'2', L'F', L'2'},
        {"two-digit year of 1999", 0, Date(1999, 12, 31), 1, true, TaskSort::State, L"99-12-31", L"", L'2', L'F', L'2'},
        {"start sort takes the start date", Date(2008, 1, 9), Date(4501, 1, 1), 1, false, TaskSort::StartDate, L"",
         L"08-01-09", L'2', L'F', L'2'},
        {"start sort without start date", Date(4501, 1, 1), today, 1, false, TaskSort::StartDate, L"07-05-02", L"",
         L'2', L'F', L'1'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TaskFacts facts;
        facts.oid = 77;
        facts.subject = L"보고서";
        facts.startDate = c.start;
        facts.dueDate = c.due;
        facts.importance = c.importance;
        facts.complete = c.complete;
        const TaskListRow row = MakeTaskRow(facts, c.sort, today);
        EXPECT_EQ(row.oid, 77u);
        EXPECT_EQ(row.subject, L"보고서");
        EXPECT_EQ(row.dueText, c.dueText);
        EXPECT_EQ(row.startText, c.startText);
        EXPECT_EQ(row.importance, c.importanceMark);
        EXPECT_EQ(row.complete, c.complete ? L'T' : L'F');
        EXPECT_EQ(row.overdue, c.overdue);
        EXPECT_EQ(row.dated, c.dated);
    }
}

// Rows named by their subject, ordered by a sort; the subjects in list order.
std::vector<std::wstring> Ordered(TaskSort sort, const std::vector<TaskListRow>& rows)
{
    TaskRowTable table;
    for (const auto& row : rows)
        table.Add(row);
    OrderTaskRows(&table, sort);
    std::vector<std::wstring> names;
    for (int p = 0; p < table.Count(); ++p)
        names.push_back(table.At(p)->subject + (table.At(p)->dueText.empty() ? L"" : L"@" + table.At(p)->dueText));
    return names;
}

// Dated by the due date, or by the start date when one is given.
TaskListRow Row(const wchar_t* subject, const wchar_t* due, wchar_t importance = L'2', wchar_t complete = L'F',
                const wchar_t* start = L"")
{
    TaskListRow row;
    row.subject = subject;
    row.dueText = due;
    row.startText = start;
    row.importance = importance;
    row.complete = complete;
    row.dated = (*start ? *start : *due) ? L'2' : L'1';
    return row;
}

// Under the start-date sort a row without start date is undated.
TaskListRow Undated(TaskListRow row)
{
    row.dated = L'1';
    return row;
}

TEST(TaskOrder, KeyChains)
{
    using Names = std::vector<std::wstring>;
    struct Case {
        const char* name;
        TaskSort sort;
        std::vector<TaskListRow> rows;
        Names expected;
    };
    const std::vector<Case> cases = {
        {"due: dated first, then due text, then subject",
         TaskSort::DueDate,
         {Row(L"b", L""), Row(L"a", L"07-05-02"), Row(L"c", L"07-05-01"), Row(L"a", L""), Row(L"b", L"07-05-01")},
         {L"b@07-05-01", L"c@07-05-01", L"a@07-05-02", L"a", L"b"}},
        {"due: 99-12-31 follows 00-01-01 as text",
         TaskSort::DueDate,
         {Row(L"old", L"99-12-31"), Row(L"new", L"00-01-01")},
         {L"new@00-01-01", L"old@99-12-31"}},
        {"priority: high first, then subject, then dated first",
         TaskSort::Priority,
         {Row(L"x", L"", L'1'), Row(L"y", L"07-01-01", L'2'), Row(L"x", L"", L'3'), Row(L"y", L"", L'2'),
          Row(L"a", L"07-01-01", L'3')},
         {L"a@07-01-01", L"x", L"y@07-01-01", L"y", L"x"}},
        {"state: open first, equal subjects dated first then by due",
         TaskSort::State,
         {Row(L"s", L"", L'2', L'T'), Row(L"s", L""), Row(L"s", L"07-03-01"), Row(L"s", L"07-02-01"),
          Row(L"a", L"", L'2', L'T')},
         {L"s@07-02-01", L"s@07-03-01", L"s", L"a", L"s"}},
        {"title: subject by code unit, then dated first",
         TaskSort::Title,
         {Row(L"b", L""), Row(L"B", L""), Row(L"가", L"07-01-01"), Row(L"b", L"06-01-01")},
         {L"B", L"b@06-01-01", L"b", L"가@07-01-01"}},
        {"start date: dated by start first, then start text, then subject",
         TaskSort::StartDate,
         {Undated(Row(L"n", L"07-01-01")), Row(L"m", L"", L'2', L'F', L"07-02-01"), Row(L"k", L"", L'2', L'F', L"07-01-15"),
          Row(L"a", L"")},
         {L"k", L"m", L"a", L"n@07-01-01"}},
        {"any other choice keeps the collection's order",
         TaskSort::None,
         {Row(L"c", L""), Row(L"a", L"07-01-01"), Row(L"b", L"")},
         {L"c", L"a@07-01-01", L"b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Ordered(c.sort, c.rows), c.expected);
    }
}

TEST(TaskOrder, RowsEqualInEveryKeyKeepTheirPlaces)
{
    TaskRowTable table;
    for (int i = 0; i < 6; ++i) {
        TaskListRow row = Row(L"same", L"07-01-01");
        row.oid = static_cast<CEOID>(i + 1);
        table.Add(row);
    }
    OrderTaskRows(&table, TaskSort::Priority);
    for (int p = 0; p < table.Count(); ++p)
        EXPECT_EQ(table.At(p)->oid, static_cast<CEOID>(p + 1));
}

TEST(TaskRowTable, StopsAtItsRoom)
{
    TaskRowTable table;
    for (int i = 0; i < kListRowLimit; ++i)
        ASSERT_TRUE(table.Add(TaskListRow()));
    EXPECT_FALSE(table.Add(TaskListRow()));
    EXPECT_EQ(table.Count(), kListRowLimit);
    EXPECT_EQ(table.At(kListRowLimit), nullptr);
    EXPECT_EQ(table.At(-1), nullptr);
}

}  // namespace
