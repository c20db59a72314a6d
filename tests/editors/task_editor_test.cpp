// The task editor: its lists and check boxes to the saved task, the hidden
// reminder time below version 5, and a repeat removed.
#include "core/outlook_items.h"
#include "core/rich_ink_body.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/editors/editors_fixture.h"

#include <strsafe.h>

namespace editorstest {
namespace {

using namespace dialogdriver;
using TaskEditorTest = EditorsTest;

struct TaskCase {
    const char* name;
    int priority, status;
    bool startSet, dueSet;
    long importance;
    bool complete;
    const wchar_t* startDate;
    const wchar_t* dueDate;
};
const TaskCase kTasks[] = {
    {"high, open, dated", 0, 0, true, true, olImportanceHigh, false, L"2024-03-04", L"2024-03-08"},
    {"normal, done", 1, 1, true, true, olImportanceNormal, true, L"2024-03-04", L"2024-03-08"},
    {"low, no dates", 2, 0, false, false, olImportanceLow, false, L"4501-01-01", L"4501-01-01"},
};

TEST_F(TaskEditorTest, ListsAndChecksBecomeTheTask)
{
    CurrentView = kTaskView;
    for (const TaskCase& c : kTasks) {
        SCOPED_TRACE(c.name);
        Restart();
        CurrentView = kTaskView;
        Driver driver;
        driver.Then("fill", DialogWith(IDC_TASK_TITLE), [&](HWND dialog) {
            SetCheck(dialog, IDC_TASK_START_SET, c.startSet);
            SetCheck(dialog, IDC_TASK_DUE_SET, c.dueSet);
            SetPickerDate(dialog, IDC_TASK_START_DATE, 2024, 3, 4);
            SetPickerDate(dialog, IDC_TASK_DUE_DATE, 2024, 3, 8);
            ChooseComboItem(dialog, IDC_TASK_PRIORITY, c.priority);
            ChooseComboItem(dialog, IDC_TASK_STATUS, c.status);
            Type(dialog, IDC_TASK_TITLE, L"보고서");
            Type(dialog, IDC_TASK_NOTE, L"초안 ");
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_TASK_EDITOR, kEditInsert); }));
        CEOID oid = OnlyTask();
        ASSERT_NE(oid, 0u);
        StoredTask read = ReadTask(oid);
        EXPECT_EQ(read.subject, L"보고서");
        EXPECT_EQ(read.body, L"초안");
        EXPECT_EQ(read.importance, c.importance);
        EXPECT_EQ(read.complete, c.complete);
        EXPECT_EQ(read.startDate, c.startDate);
        EXPECT_EQ(read.dueDate, c.dueDate);
        EXPECT_EQ(ItemFormState.StartSet, c.startSet ? L'T' : L'F');
        EXPECT_EQ(std::wstring(ItemFormState.StartDate), L"2024-03-04");  // the picker's date all the same
        EXPECT_EQ(SelectedTaskOid, oid);
        EXPECT_EQ(TaskToReselect, oid);
        EXPECT_EQ(Seen.taskList, 1);
        EXPECT_EQ(ViewStale[kTaskView], 1);
    }
}

TEST_F(TaskEditorTest, BlankTitleIsRefused)
{
    boxwatch::SeenBox box;
    Driver driver;
    driver
        .Then("save", DialogWith(IDC_TASK_TITLE),
              [](HWND dialog) {
                  Type(dialog, IDC_TASK_TITLE, L"  ");
                  Click(dialog, IDC_EDITOR_OK);
              })
        .AnswerBox(&box)
        .CancelDialogWith(IDC_TASK_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_TASK_EDITOR, kEditInsert); }));
    EXPECT_EQ(box.text, L"작업 제목은 반드시 입력해야 합니다");
    EXPECT_EQ(box.caption, L"오류");
    EXPECT_EQ(TaskCount(), 0);
}

TEST_F(TaskEditorTest, OnVersion4TheReminderTimeIsHiddenAndKept)
{
    OsMajorVersion = 4;
    CEOID oid = MakeTask(L"알림 작업");
    // The form as the task loader leaves it.
    ItemFormFields& f = ItemFormState;
    StringCchCopyW(f.Title, ARRAYSIZE(f.Title), L"알림 작업");
    StringCchCopyW(f.StartDate, ARRAYSIZE(f.StartDate), L"2024-03-04");
    StringCchCopyW(f.EndDate, ARRAYSIZE(f.EndDate), L"2024-03-08");
    f.ReminderFlag = L'1';
    StringCchCopyW(f.ReminderDate, ARRAYSIZE(f.ReminderDate), L"2024-03-07");
    StringCchCopyW(f.ReminderTime, ARRAYSIZE(f.ReminderTime), L"17:45");
    f.Priority = L'2';
    f.Status = L'F';
    f.RecurrenceCode = L'0';
    SelectedTaskOid = oid;
    ASSERT_TRUE(SetRichInkBody(nullptr, 0));
    bool timeShown = true;
    Driver driver;
    driver.Then("save", DialogWith(IDC_TASK_TITLE), [&](HWND dialog) {
        timeShown = IsControlShown(dialog, IDC_TASK_REMINDER_TIME);
        testkit::PumpFor(150);
        testkit::SaveScreenshot(testkit::CaptureScreen(), L"task_editor_ce4");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_TASK_EDITOR, kEditUpdate); }));
    EXPECT_FALSE(timeShown);
    EXPECT_EQ(OnlyTask(), oid);
    StoredTask read = ReadTask(oid);
    EXPECT_TRUE(read.reminderSet);
    EXPECT_EQ(read.reminderTime, L"2024-03-07 17:45");
}

TEST_F(TaskEditorTest, WeeklyToOnceMakesANewSelectedTaskWithTheNote)
{
    CurrentView = kTaskView;
    CEOID old = MakeTask(L"반복 작업", 3);
    ItemFormFields& f = ItemFormState;
    StringCchCopyW(f.Title, ARRAYSIZE(f.Title), L"반복 작업");
    StringCchCopyW(f.StartDate, ARRAYSIZE(f.StartDate), L"2024-03-04");
    f.RecurrenceCode = L'1';
    f.Priority = L'2';
    f.Status = L'F';
    SelectedTaskOid = old;
    ASSERT_TRUE(SetRichInkBody(nullptr, 0));
    Driver driver;
    driver.Then("once", DialogWith(IDC_TASK_TITLE), [](HWND dialog) {
        HWND ink = FindWindowExW(dialog, nullptr, L"RichInk", nullptr);
        TypeIntoRichInk(ink, L"남길 내용");
        ChooseComboItem(dialog, IDC_TASK_RECURRENCE, 0);
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_TASK_EDITOR, kEditUpdate); }));
    CEOID made = OnlyTask();
    ASSERT_NE(made, 0u);
    EXPECT_NE(made, old);
    EXPECT_EQ(SelectedTaskOid, made);
    StoredTask read = ReadTask(made);
    EXPECT_EQ(read.type, olRecursNone);
    EXPECT_NE(read.body.find(L"남길 내용"), std::wstring::npos);
}

// A note the Rich Ink control cannot give back: the update is reported as
// failed and the stored note and title stay.
TEST_F(TaskEditorTest, AFailedNoteReadKeepsTheStoredNote)
{
    for (bool once : {false, true}) {
        SCOPED_TRACE(once ? "repeat removed" : "series kept");
        Restart();
        CEOID oid = MakeTask(L"반복 작업", 3);
        {
            ComRef<ITask> item = TaskFromOid(oid);
            ASSERT_TRUE(item);
            item->put_Body(TextArg(L"남을 메모"));
            ASSERT_TRUE(SUCCEEDED(item->Save()));
        }
        ASSERT_TRUE(LoadTask(oid));
        boxwatch::SeenBox box;
        Driver driver;
        driver.Then("change and save", DialogWith(IDC_TASK_TITLE), [&](HWND dialog) {
                  FailStreamOut(FindWindowExW(dialog, nullptr, L"RichInk", nullptr));
                  Type(dialog, IDC_TASK_TITLE, L"바뀐 제목");
                  if (once)
                      ChooseComboItem(dialog, IDC_TASK_RECURRENCE, 0);
                  Click(dialog, IDC_EDITOR_OK);
              })
            .AnswerBox(&box)
            .CancelDialogWith(IDC_TASK_TITLE);
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_TASK_EDITOR, kEditUpdate); }));
        EXPECT_EQ(box.text, L"작업 수정에 실패했습니다");
        EXPECT_EQ(OnlyTask(), oid);
        StoredTask read = ReadTask(oid);
        EXPECT_EQ(read.body, L"남을 메모");
        EXPECT_EQ(read.subject, L"반복 작업");
        EXPECT_EQ(read.type, olRecursDaily);
    }
}

}  // namespace
}  // namespace editorstest
