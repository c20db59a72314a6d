// Tasks: their dates and "no date", importance and completion, and the
// recurring task completed, copied and skipped as the item commands and
// the Today item do it.
#include "tests/outlook/poom_fixture.h"

using namespace poomtest;

namespace {

const DATE kNoDate = 949998.0;  // 4501-01-01

class TaskTest : public PoomTest {
protected:
    Ref<ITask> Reload(long oid)
    {
        Ref<ITask> task;
        EXPECT_EQ(app_->GetItemFromOid(oid, task.AsDispatch()), S_OK);
        return task;
    }

    static long OidOf(ITask* task)
    {
        long oid = 0;
        task->get_Oid(&oid);
        return oid;
    }

    static std::wstring StartOf(ITask* task)
    {
        DATE date = 0;
        task->get_StartDate(&date);
        return DateText(date);
    }

    static std::wstring DueOf(ITask* task)
    {
        DATE date = 0;
        task->get_DueDate(&date);
        return DateText(date);
    }

    static bool Complete(ITask* task)
    {
        VARIANT_BOOL complete = VARIANT_FALSE;
        task->get_Complete(&complete);
        return complete != VARIANT_FALSE;
    }

    static long TypeOf(ITask* task)
    {
        Ref<IRecurrencePattern> pattern;
        task->GetRecurrencePattern(pattern.Out());
        long type = 0;
        pattern->get_RecurrenceType(&type);
        return type;
    }

    // A weekly task on Mondays from 2024-01-01, due the same day.
    Ref<ITask> WeeklyTask(const wchar_t* subject)
    {
        Ref<ITask> task = NewTask();
        task->put_Subject(Text(subject));
        task->put_StartDate(Date(2024, 1, 1));
        task->put_DueDate(Date(2024, 1, 1));
        Ref<IRecurrencePattern> pattern;
        task->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_PatternStartDate(Date(2024, 1, 1));
        pattern->put_DayOfWeekMask(olMonday);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        EXPECT_EQ(task->Save(), S_OK);
        return task;
    }
};

TEST_F(TaskTest, NoDateReadsBackAsNone)
{
    Ref<ITask> task = NewTask();
    EXPECT_EQ(StartOf(task.Get()), L"4501-01-01 00:00");
    EXPECT_EQ(DueOf(task.Get()), L"4501-01-01 00:00");
    task->put_Subject(Text(L"날짜 없음"));
    task->put_StartDate(kNoDate);
    task->put_DueDate(Date(2024, 6, 30));
    ASSERT_EQ(task->Save(), S_OK);
    Ref<ITask> back = Reload(OidOf(task.Get()));
    EXPECT_EQ(StartOf(back.Get()), L"4501-01-01 00:00");
    EXPECT_EQ(DueOf(back.Get()), L"2024-06-30 00:00");
    back->put_DueDate(kNoDate);
    ASSERT_EQ(back->Save(), S_OK);
    EXPECT_EQ(DueOf(Reload(OidOf(task.Get())).Get()), L"4501-01-01 00:00");
    // The record holds no date property for a task without dates.
    StoredRecord record = RecordOf(L"Tasks Database", static_cast<CEOID>(OidOf(task.Get())));
    for (const StoredValue& value : record.values)
        EXPECT_NE(TypeFromPropID(value.id), CEVT_FILETIME) << std::hex << value.id;
}

TEST_F(TaskTest, PropertiesSurviveSave)
{
    Ref<ITask> task = NewTask();
    long importance = -1;
    task->get_Importance(&importance);
    EXPECT_EQ(importance, olImportanceNormal);
    task->put_Subject(Text(L"보고서 제출"));
    task->put_Categories(Text(L"업무"));
    EXPECT_EQ(task->put_Importance(3), E_INVALIDARG);
    task->put_Importance(olImportanceHigh);
    task->put_Sensitivity(olPrivate);
    task->put_TeamTask(VARIANT_TRUE);
    task->put_ReminderSet(VARIANT_TRUE);
    task->put_ReminderTime(Date(2024, 6, 29, 9, 30));
    task->put_ReminderSoundFile(Text(L"\\Windows\\Alarm2.wav"));
    task->put_ReminderOptions(olVibrate);
    task->put_Body(Text(L"첨부: 표"));
    ASSERT_EQ(task->Save(), S_OK);
    Ref<ITask> back = Reload(OidOf(task.Get()));
    BSTR text = nullptr;
    back->get_Subject(&text);
    EXPECT_EQ(Take(text), L"보고서 제출");
    back->get_Categories(&text);
    EXPECT_EQ(Take(text), L"업무");
    back->get_Importance(&importance);
    EXPECT_EQ(importance, olImportanceHigh);
    long value = 0;
    back->get_Sensitivity(&value);
    EXPECT_EQ(value, olPrivate);
    VARIANT_BOOL flag = VARIANT_FALSE;
    back->get_TeamTask(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    back->get_ReminderSet(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    DATE date = 0;
    back->get_ReminderTime(&date);
    EXPECT_EQ(DateText(date), L"2024-06-29 09:30");
    back->get_ReminderSoundFile(&text);
    EXPECT_EQ(Take(text), L"\\Windows\\Alarm2.wav");
    back->get_ReminderOptions(&value);
    EXPECT_EQ(value, olVibrate);
    back->get_Body(&text);
    EXPECT_EQ(Take(text), L"첨부: 표");
}

TEST_F(TaskTest, CompletionDatesTheTask)
{
    Ref<ITask> task = NewTask();
    task->put_Subject(Text(L"완료"));
    DATE date = 0;
    task->get_DateCompleted(&date);
    EXPECT_EQ(date, kNoDate);
    task->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(task->Save(), S_OK);
    Ref<ITask> back = Reload(OidOf(task.Get()));
    EXPECT_TRUE(Complete(back.Get()));
    back->get_DateCompleted(&date);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(DateText(date), DateText(Date(now.wYear, now.wMonth, now.wDay)));
    back->put_Complete(VARIANT_FALSE);
    back->get_DateCompleted(&date);
    EXPECT_EQ(date, kNoDate);
}

// The object model's own completion: a separate completed task under a new
// id, and the series, under its old id, at its next occurrence.
TEST_F(TaskTest, CompletingARecurringTaskSplitsIt)
{
    Ref<ITask> task = WeeklyTask(L"주간 보고");
    long series = OidOf(task.Get());
    EXPECT_EQ(RecordCount(L"Tasks Database"), 1u);
    task->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(task->Save(), S_OK);
    EXPECT_EQ(RecordCount(L"Tasks Database"), 2u);
    long completed = OidOf(task.Get());
    EXPECT_NE(completed, series);
    EXPECT_GT(completed, 0);
    // What the object now stands for: the completed one.
    EXPECT_TRUE(Complete(task.Get()));
    EXPECT_EQ(TypeOf(task.Get()), -1);
    EXPECT_EQ(StartOf(task.Get()), L"2024-01-01 00:00");
    Ref<ITask> done = Reload(completed);
    EXPECT_TRUE(Complete(done.Get()));
    EXPECT_EQ(TypeOf(done.Get()), -1);
    BSTR subject = nullptr;
    done->get_Subject(&subject);
    EXPECT_EQ(Take(subject), L"주간 보고");
    Ref<ITask> next = Reload(series);
    EXPECT_FALSE(Complete(next.Get()));
    EXPECT_EQ(TypeOf(next.Get()), olRecursWeekly);
    EXPECT_EQ(StartOf(next.Get()), L"2024-01-08 00:00");
    EXPECT_EQ(DueOf(next.Get()), L"2024-01-08 00:00");
    // Saving the completed one again makes nothing new.
    ASSERT_EQ(task->Save(), S_OK);
    EXPECT_EQ(RecordCount(L"Tasks Database"), 2u);
}

// The item command's own way for a linked task: copy, end the source's
// recurrence, complete it, and move the copy on.
TEST_F(TaskTest, CopyAndSkipAsTheItemCommandDoes)
{
    Ref<ITask> source = WeeklyTask(L"연결된 작업");
    long sourceOid = OidOf(source.Get());
    Ref<ITask> copy;
    ASSERT_EQ(source->Copy(copy.Out()), S_OK);
    ASSERT_EQ(source->ClearRecurrencePattern(), S_OK);
    ASSERT_EQ(source->Save(), S_OK);
    source->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(source->Save(), S_OK);
    EXPECT_EQ(OidOf(source.Get()), sourceOid);
    ASSERT_EQ(copy->SkipRecurrence(), S_OK);
    long copyOid = OidOf(copy.Get());
    EXPECT_NE(copyOid, 0);  // the copy has its id before its own Save
    EXPECT_NE(copyOid, sourceOid);
    ASSERT_EQ(copy->Save(), S_OK);
    EXPECT_EQ(OidOf(copy.Get()), copyOid);
    EXPECT_EQ(RecordCount(L"Tasks Database"), 2u);
    Ref<ITask> done = Reload(sourceOid);
    EXPECT_TRUE(Complete(done.Get()));
    EXPECT_EQ(TypeOf(done.Get()), -1);
    Ref<ITask> open = Reload(copyOid);
    EXPECT_FALSE(Complete(open.Get()));
    EXPECT_EQ(TypeOf(open.Get()), olRecursWeekly);
    EXPECT_EQ(StartOf(open.Get()), L"2024-01-08 00:00");
}

// The Today item's way: save, complete, save again, then read the ids.
TEST_F(TaskTest, CompletionAsTheTodayItemDoesIt)
{
    Ref<ITask> created = WeeklyTask(L"오늘의 작업");
    long rowTask = OidOf(created.Get());
    Ref<ITask> task = Reload(rowTask);
    Ref<IRecurrencePattern> pattern;
    task->GetRecurrencePattern(pattern.Out());
    ASSERT_EQ(task->Save(), S_OK);
    EXPECT_EQ(RecordCount(L"Tasks Database"), 1u);
    task->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(task->Save(), S_OK);
    long completedOid = OidOf(task.Get());  // the new, completed task
    EXPECT_NE(completedOid, rowTask);
    EXPECT_TRUE(Complete(Reload(completedOid).Get()));
    Ref<ITask> series = Reload(rowTask);  // the series keeps the row's id
    EXPECT_FALSE(Complete(series.Get()));
    EXPECT_EQ(StartOf(series.Get()), L"2024-01-08 00:00");
}

TEST_F(TaskTest, SkipAndTheLastOccurrence)
{
    Ref<ITask> task = WeeklyTask(L"건너뛰기");
    long oid = OidOf(task.Get());
    ASSERT_EQ(task->SkipRecurrence(), S_OK);
    EXPECT_EQ(StartOf(Reload(oid).Get()), L"2024-01-08 00:00");  // stored by the skip itself
    EXPECT_EQ(RecordCount(L"Tasks Database"), 1u);
    // A task that does not recur has nothing to skip.
    Ref<ITask> plain = NewTask();
    plain->put_Subject(Text(L"한 번"));
    EXPECT_NE(plain->SkipRecurrence(), S_OK);
    // Completing the last occurrence completes the series itself.
    Ref<IRecurrencePattern> pattern;
    task->GetRecurrencePattern(pattern.Out());
    pattern->put_Occurrences(2);  // Jan 1 and Jan 8: the task stands on the last
    ASSERT_EQ(task->Save(), S_OK);
    EXPECT_NE(task->SkipRecurrence(), S_OK);
    task->put_Complete(VARIANT_TRUE);
    ASSERT_EQ(task->Save(), S_OK);
    EXPECT_EQ(OidOf(task.Get()), oid);
    EXPECT_EQ(RecordCount(L"Tasks Database"), 1u);
    EXPECT_TRUE(Complete(Reload(oid).Get()));
}

}  // namespace
