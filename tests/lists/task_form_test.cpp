// A task loaded into the form: dates, repeat rule, reminder, priority,
// state and linked contact; a task that is gone changes nothing.
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/rich_ink_body.h"
#include "lists/form_loaders.h"
#include "mainwindow/state.h"
#include "tests/lists/lists_fixture.h"

namespace liststest {
namespace {

class TaskFormTest : public ListsTest {
protected:
    void SetUp() override
    {
        ListsTest::SetUp();
        ItemFormState = ItemFormFields();
        RecurrencePatternState = RecurrenceRule();
        AssigneeOid = 0;
        AssigneeName[0] = L'\0';
        LinkedContactOid = 0;
    }
};

struct RuleCase {
    const char* name;
    long type, interval, mask, dayOfMonth, instance, monthOfYear;
    bool noEnd;
    wchar_t code;
    int32_t pageType;
};

TEST_F(TaskFormTest, RepeatRulesGiveTheirCodesAndPages)
{
    const RuleCase cases[] = {
        {"weekly one day no end", olRecursWeekly, 1, 4, 0, 0, 0, true, L'1', kPageWeekly},
        {"weekly one day with end", olRecursWeekly, 1, 4, 0, 0, 0, false, L'4', kPageWeekly},
        {"weekly two days", olRecursWeekly, 1, 6, 0, 0, 0, true, L'4', kPageWeekly},
        {"monthly", olRecursMonthly, 1, 0, 15, 0, 0, true, L'4', kPageMonthly},
        {"yearly no end", olRecursYearly, 1, 0, 5, 0, 5, true, L'3', kPageYearly},
        {"yearly with end", olRecursYearly, 1, 0, 5, 0, 5, false, L'4', kPageYearly},
        {"second Tuesday of March", olRecursYearNth, 1, 4, 0, 2, 3, true, L'4', kPageYearly},
        {"daily every 2", olRecursDaily, 2, 0, 0, 0, 0, true, L'4', kPageDaily},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComRef<ITask> task = NewTaskItem();
        ASSERT_TRUE(task);
        task->put_Subject(poomclient::Text(L"반복"));
        task->put_StartDate(DateOf(L"2007-03-13"));
        task->put_DueDate(DateOf(L"2007-03-13"));
        ComRef<IRecurrencePattern> pattern;
        ASSERT_TRUE(SUCCEEDED(task->GetRecurrencePattern(pattern.Out())));
        pattern->put_RecurrenceType(c.type);
        pattern->put_Interval(c.interval);
        if (c.mask)
            pattern->put_DayOfWeekMask(c.mask);
        if (c.dayOfMonth)
            pattern->put_DayOfMonth(c.dayOfMonth);
        if (c.instance)
            pattern->put_Instance(c.instance);
        if (c.monthOfYear)
            pattern->put_MonthOfYear(c.monthOfYear);
        pattern->put_PatternStartDate(DateOf(L"2007-03-13"));
        if (c.noEnd)
            pattern->put_NoEndDate(VARIANT_TRUE);
        else
            pattern->put_PatternEndDate(DateOf(L"2009-12-31"));
        ASSERT_TRUE(SUCCEEDED(task->Save()));
        SelectedTaskOid = OidOf(task.Get());
        ASSERT_TRUE(LoadTaskForm());
        EXPECT_EQ(ItemFormState.RecurrenceCode, c.code);
        EXPECT_EQ(RecurrencePatternState.PageType, c.pageType);
        EXPECT_EQ(RecurrencePatternState.LoadedRecurrenceType, c.type);
        if (c.type == olRecursYearNth) {
            EXPECT_EQ(RecurrencePatternState.YearlyNthMonth, 2);
            EXPECT_EQ(RecurrencePatternState.YearlyInstance, 1);
            EXPECT_EQ(RecurrencePatternState.YearlyDayKind, 5);
        }
    }
}

TEST_F(TaskFormTest, FieldsAndLinkedContact)
{
    const CEOID contact = MakeContact(L"김", L"영희");
    const CEOID task = MakeTask(L"보고서", L"2007-05-01", L"2007-05-10", 2, true);
    ASSERT_TRUE(AddTaskLink(contact, task));
    {
        ComRef<ITask> item = TaskFromOid(task);
        item->put_ReminderSet(VARIANT_TRUE);
        item->put_ReminderTime(DateOf(L"2007-05-09 08:30"));
        ASSERT_TRUE(SUCCEEDED(item->Save()));
    }
    SelectedTaskOid = task;
    ASSERT_TRUE(LoadTaskForm());
    const ItemFormFields& form = ItemFormState;
    EXPECT_STREQ(form.Title, L"보고서");
    EXPECT_STREQ(form.StartDate, L"2007-05-01");
    EXPECT_STREQ(form.EndDate, L"2007-05-10");
    EXPECT_EQ(form.ReminderFlag, L'1');
    EXPECT_STREQ(form.ReminderDate, L"2007-05-09");
    EXPECT_STREQ(form.ReminderTime, L"08:30");
    EXPECT_EQ(form.Priority, L'3');
    EXPECT_EQ(form.Status, L'T');
    EXPECT_EQ(form.RecurrenceCode, L'0');
    EXPECT_EQ(AssigneeOid, contact);
    EXPECT_STREQ(AssigneeName, L"김영희");
    EXPECT_EQ(LinkedContactOid, contact);

    // Without dates, reminder or link.
    SelectedTaskOid = MakeTask(L"언젠가", L"", L"", 0);
    ASSERT_TRUE(LoadTaskForm());
    EXPECT_STREQ(form.StartDate, L"");
    EXPECT_STREQ(form.EndDate, L"");
    EXPECT_EQ(form.ReminderFlag, L'0');
    EXPECT_STREQ(form.ReminderDate, L"");
    EXPECT_EQ(form.Priority, L'1');
    EXPECT_EQ(form.Status, L'F');
    EXPECT_EQ(AssigneeOid, 0u);
    EXPECT_STREQ(AssigneeName, L"");
    EXPECT_EQ(LinkedContactOid, contact);  // kept: only a link sets it
}

TEST_F(TaskFormTest, TaskThatIsGoneChangesNothing)
{
    SelectedTaskOid = MakeTask(L"있음", L"", L"2007-05-10");
    ASSERT_TRUE(LoadTaskForm());
    ComRef<ITask> gone = TaskFromOid(SelectedTaskOid);
    ASSERT_TRUE(SUCCEEDED(gone->Delete()));
    EXPECT_FALSE(LoadTaskForm());
    EXPECT_STREQ(ItemFormState.Title, L"있음");
    EXPECT_STREQ(ItemFormState.EndDate, L"2007-05-10");
}

}  // namespace
}  // namespace liststest
