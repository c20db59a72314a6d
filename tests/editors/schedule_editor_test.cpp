// The schedule editor run as the dispatcher runs it, filled as a user fills
// it, its appointment read back through the object model.
#include "core/link_tables.h"
#include "core/outlook_items.h"
#include "core/rich_ink_body.h"
#include "editors/schedule_editor.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/editors/editors_fixture.h"

#include <strsafe.h>

namespace editorstest {
namespace {

using namespace dialogdriver;
using poomtest::FormRequests;

// A form as the user fills it.
struct ScheduleForm {
    const char* name;
    int year, month, day;
    bool times;
    int startHour, startMinute;
    bool period;
    int endYear, endMonth, endDay, endHour, endMinute;
    bool reminder;
    const wchar_t* amount;
    int unit;
    int code;  // the repeat list's entry, 0-3
};

// What is read back; an empty text is not looked at.
struct Expected {
    const wchar_t* start;
    const wchar_t* end;
    bool allDay;
    long minutes;  // -1: no reminder
    long type;
    long mask, dayOfMonth, monthOfYear;
};

void Fill(HWND dialog, const ScheduleForm& f)
{
    SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, f.year, f.month, f.day);
    SetCheck(dialog, IDC_SCHEDULE_TIMES_ON, f.times);
    if (f.times)
        SetPickerClock(dialog, IDC_SCHEDULE_START_TIME, f.startHour, f.startMinute);
    SetCheck(dialog, IDC_SCHEDULE_PERIOD_ON, f.period);
    if (f.period) {
        SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, f.endYear, f.endMonth, f.endDay);
        if (f.times)
            SetPickerClock(dialog, IDC_SCHEDULE_END_TIME, f.endHour, f.endMinute);
    }
    SetCheck(dialog, IDC_SCHEDULE_REMINDER, f.reminder);
    if (f.reminder) {
        ChooseComboItem(dialog, IDC_SCHEDULE_REMINDER_UNIT, f.unit);
        Type(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, f.amount);
    }
    Type(dialog, IDC_SCHEDULE_TITLE, L"회의");
    Type(dialog, IDC_SCHEDULE_PLACE, L"본사");
    Type(dialog, IDC_SCHEDULE_NOTE, L"  안건  ");
    ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, f.code);
}

struct FormCase {
    ScheduleForm form;
    Expected expected;
};

const FormCase kForms[] = {
    {{"timed", 2024, 3, 4, true, 9, 30, false, 0, 0, 0, 0, 0, false, L"", 0, 0},
     {L"2024-03-04 09:30", L"", false, -1, olRecursNone, 0, 0, 0}},
    {{"all-day", 2024, 3, 4, false, 0, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 0},
     {L"2024-03-04 00:00", L"", true, -1, olRecursNone, 0, 0, 0}},
    {{"period on", 2024, 3, 4, true, 9, 0, true, 2024, 3, 5, 10, 30, false, L"", 0, 0},
     {L"2024-03-04 09:00", L"2024-03-05 10:30", false, -1, olRecursNone, 0, 0, 0}},
    {{"period off keeps one day", 2024, 3, 4, true, 9, 0, false, 2024, 3, 9, 10, 30, false, L"", 0, 0},
     {L"2024-03-04 09:00", L"", false, -1, olRecursNone, 0, 0, 0}},
    {{"weekly sunday", 2024, 3, 3, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"2024-03-03 08:00", L"", false, -1, olRecursWeekly, 1, 0, 0}},
    {{"weekly monday", 2024, 3, 4, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 2, 0, 0}},
    {{"weekly tuesday", 2024, 3, 5, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 4, 0, 0}},
    {{"weekly wednesday", 2024, 3, 6, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 8, 0, 0}},
    {{"weekly thursday", 2024, 3, 7, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 16, 0, 0}},
    {{"weekly friday", 2024, 3, 8, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 32, 0, 0}},
    {{"weekly saturday", 2024, 3, 9, true, 8, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 1},
     {L"", L"", false, -1, olRecursWeekly, 64, 0, 0}},
    {{"monthly on a month end", 2024, 1, 31, false, 0, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 2},
     {L"2024-01-31 00:00", L"", true, -1, olRecursMonthly, 0, 31, 0}},
    {{"yearly on 29 February", 2024, 2, 29, false, 0, 0, false, 0, 0, 0, 0, 0, false, L"", 0, 3},
     {L"2024-02-29 00:00", L"", true, -1, olRecursYearly, 0, 29, 2}},
    {{"90 minutes", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"90", 0, 0},
     {L"", L"", false, 90, olRecursNone, 0, 0, 0}},
    {{"2 hours", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"2", 1, 0},
     {L"", L"", false, 120, olRecursNone, 0, 0, 0}},
    {{"2 days", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"2", 2, 0},
     {L"", L"", false, 2880, olRecursNone, 0, 0, 0}},
    {{"2 weeks", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"2", 3, 0},
     {L"", L"", false, 20160, olRecursNone, 0, 0, 0}},
    {{"1440 typed whole", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"1440", 0, 0},
     {L"", L"", false, 1440, olRecursNone, 0, 0, 0}},
    {{"typing stops at five digits", 2024, 3, 4, true, 9, 0, false, 0, 0, 0, 0, 0, true, L"1234567", 0, 0},
     {L"", L"", false, 12345, olRecursNone, 0, 0, 0}},
};

using ScheduleEditorTest = EditorsTest;

TEST_F(ScheduleEditorTest, FormsBecomeAppointments)
{
    for (const FormCase& c : kForms) {
        SCOPED_TRACE(c.form.name);
        Restart();
        Driver driver;
        driver.Then("fill and save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            Fill(dialog, c.form);
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
        CEOID oid = OnlyAppointment();
        ASSERT_NE(oid, 0u);
        StoredAppointment read = ReadAppointment(oid);
        EXPECT_EQ(read.subject, L"회의");
        EXPECT_EQ(read.location, L"본사");
        EXPECT_EQ(read.body, L"안건");
        if (c.expected.start[0]) {
            EXPECT_EQ(read.start, c.expected.start);
        }
        if (c.expected.end[0]) {
            EXPECT_EQ(read.end, c.expected.end);
        }
        if (c.expected.start[0]) {
            EXPECT_EQ(read.allDay, c.expected.allDay);
        }
        EXPECT_EQ(read.reminderSet, c.expected.minutes >= 0);
        if (c.expected.minutes >= 0) {
            EXPECT_EQ(read.reminderMinutes, c.expected.minutes);
        }
        EXPECT_EQ(read.type, c.expected.type);
        if (c.expected.mask) {
            EXPECT_EQ(read.mask, c.expected.mask);
        }
        if (c.expected.dayOfMonth) {
            EXPECT_EQ(read.dayOfMonth, c.expected.dayOfMonth);
        }
        if (c.expected.monthOfYear) {
            EXPECT_EQ(read.monthOfYear, c.expected.monthOfYear);
        }
        EXPECT_EQ(SelectedAppointmentOid, oid);
        EXPECT_TRUE(PlanLinks().empty());
    }
}

TEST_F(ScheduleEditorTest, SavedInTheScheduleViewRefillsItByMode)
{
    ScheduleMode = 'W';
    Driver driver;
    driver.Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 5, 17);
        Type(dialog, IDC_SCHEDULE_TITLE, L"점심");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(std::wstring(CurrentDate), L"2024-05-17");
    EXPECT_EQ(Seen.toolbarCommands, std::vector<UINT>{ID_SCHEDULE_WEEK_MODE});
    EXPECT_EQ(ViewStale[kScheduleView], 1);
    EXPECT_EQ(Seen.contactSchedule, 0);
}

TEST_F(ScheduleEditorTest, FromAContactCardTheCardsContactIsLinked)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    CurrentView = kContactView;
    AssigneeOid = contact;
    StringCchCopyW(AssigneeName, ARRAYSIZE(AssigneeName), L"홍길동");
    std::wstring shown;
    bool enabled = true;
    Driver driver;
    driver.Then("save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        shown = ControlText(dialog, IDC_SCHEDULE_PERSON);
        enabled = IsControlEnabled(dialog, IDC_SCHEDULE_PERSON);
        Type(dialog, IDC_SCHEDULE_TITLE, L"상담");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(shown, L"홍길동");
    EXPECT_FALSE(enabled);
    CEOID oid = OnlyAppointment();
    ASSERT_NE(oid, 0u);
    EXPECT_EQ(PlanLinks(), (commandstest::Links{{static_cast<long>(contact), static_cast<long>(oid)}}));
    EXPECT_EQ(AssigneeOid, contact);  // kept for the card's next item
    EXPECT_EQ(Seen.forgetSchedule, 1);
    EXPECT_EQ(Seen.contactSchedule, 1);
    EXPECT_TRUE(Seen.toolbarCommands.empty());
    EXPECT_EQ(ViewStale[kScheduleView], 1);
}

TEST_F(ScheduleEditorTest, APickedPersonIsLinkedAndTheFocusMovesOn)
{
    CEOID contact = MakeContact(L"김", L"철수");
    MakeContact(L"이", L"영희");
    HWND focusAfter = nullptr;
    std::wstring shown;
    Driver driver;
    driver
        .Then("open the picker", DialogWith(IDC_SCHEDULE_TITLE),
              [](HWND dialog) {
                  Type(dialog, IDC_SCHEDULE_TITLE, L"방문");
                  Focus(dialog, IDC_SCHEDULE_PERSON);
              })
        .Then("search and choose", DialogWith(IDC_PICKER_LIST),
              [](HWND picker) {
                  Type(picker, IDC_PICKER_SEARCH_TEXT, L"철수");
                  Click(picker, IDC_PICKER_SEARCH);
                  Click(picker, IDC_PICKER_CHOOSE);
              })
        .Then("read and save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            testkit::PumpFor(100);
            shown = ControlText(dialog, IDC_SCHEDULE_PERSON);
            focusAfter = GetFocus();
            Click(dialog, IDC_EDITOR_OK);
        });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(shown, L"김철수");
    EXPECT_NE(GetDlgCtrlID(focusAfter), IDC_SCHEDULE_PERSON);
    CEOID oid = OnlyAppointment();
    EXPECT_EQ(PlanLinks(), (commandstest::Links{{static_cast<long>(contact), static_cast<long>(oid)}}));
    EXPECT_EQ(AssigneeOid, 0u);  // cleared in the schedule view
}

// ---- failures ---------------------------------------------------------------------------

struct FailureCase {
    const char* name;
    DWORD osMajor;
    const wchar_t* title;
    int endMonth, endDay;  // period from 2024-01-01
    int code;
    const wchar_t* amount;  // weeks, reminder on when set
    const wchar_t* text;    // empty: saved
    const wchar_t* caption;
    int focus;
};
const FailureCase kFailures[] = {
    {"blank title", 5, L"   ", 0, 0, 0, nullptr, L"일정 제목은 반드시 입력해야 합니다", L"오류", IDC_SCHEDULE_TITLE},
    {"31 days on CE 4", 4, L"a", 1, 31, 0, nullptr, L"", L"", 0},
    {"32 days on CE 4", 4, L"a", 2, 1, 0, nullptr, L"약속은 31일보다 길 수 없습니다", L"알림", IDC_SCHEDULE_END_DATE},
    {"32 days on CE 5", 5, L"a", 2, 1, 0, nullptr, L"", L"", 0},
    {"weekly with a week's lead", 5, L"a", 0, 0, 1, L"1", L"일정 등록에 실패했습니다", L"알림",
     IDC_SCHEDULE_REMINDER_AMOUNT},
};

int FocusedControl(HWND dialog)
{
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != dialog)
        focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

TEST_F(ScheduleEditorTest, RefusalsTellTheUserAndSaveNothing)
{
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(c.name);
        Restart();
        OsMajorVersion = c.osMajor;
        bool refused = c.text[0] != L'\0';
        boxwatch::SeenBox box;
        int focus = 0;
        bool arrow = false;
        Driver driver;
        driver.Then("fill and save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 1, 1);
            if (c.endMonth) {
                SetCheck(dialog, IDC_SCHEDULE_PERIOD_ON, true);
                SetPickerDate(dialog, IDC_SCHEDULE_END_DATE, 2024, c.endMonth, c.endDay);
            }
            if (c.amount) {
                SetCheck(dialog, IDC_SCHEDULE_REMINDER, true);
                ChooseComboItem(dialog, IDC_SCHEDULE_REMINDER_UNIT, 3);
                Type(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, c.amount);
            }
            ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, c.code);
            Type(dialog, IDC_SCHEDULE_TITLE, c.title);
            Click(dialog, IDC_EDITOR_OK);
        });
        if (refused) {
            driver.AnswerBox(&box).Then("still open", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
                testkit::PumpFor(50);
                focus = FocusedControl(dialog);
                arrow = GetCursor() != LoadCursorW(nullptr, IDC_WAIT);  // no wait cursor left behind
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            });
        }
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
        if (!refused) {
            EXPECT_NE(OnlyAppointment(), 0u);
            continue;
        }
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(focus, c.focus);
        EXPECT_TRUE(arrow);
        EXPECT_EQ(AppointmentCount(), 0);
        EXPECT_EQ(ViewStale[kScheduleView], 0);
    }
}

TEST_F(ScheduleEditorTest, AFailedOccurrenceSaveIsReported)
{
    CEOID oid = MakeAppointment(L"주간", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    ASSERT_TRUE(LoadAppointment(oid, true, L"2024-05-13", L"09:00"));
    // The occurrence went meanwhile.
    StringCchCopyW(ItemFormState.OccurrenceStartDate, ARRAYSIZE(ItemFormState.OccurrenceStartDate), L"2024-05-14");
    boxwatch::SeenBox box;
    Driver driver;
    driver.Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_OK); })
        .AnswerBox(&box)
        .CancelDialogWith(IDC_SCHEDULE_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
    EXPECT_EQ(box.text, L"일정 수정에 실패했습니다");
    EXPECT_EQ(box.caption, L"알림");
}

// ---- updates ------------------------------------------------------------------------------

TEST_F(ScheduleEditorTest, RemovingTheRepeatMakesANewItemWithTheNoteAndLink)
{
    CEOID contact = MakeContact(L"박", L"민수");
    CEOID old = MakeAppointment(L"주간", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    ASSERT_TRUE(AddPlanLink(contact, old));
    ASSERT_TRUE(LoadAppointment(old));
    ASSERT_NE(ItemFormState.RecurrenceCode, L'0');
    Driver driver;
    driver.Then("once, with a note", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        HWND ink = FindWindowExW(dialog, nullptr, L"RichInk", nullptr);
        TypeIntoRichInk(ink, L"메모 본문");
        ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 0);
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
    CEOID made = OnlyAppointment();
    ASSERT_NE(made, 0u);
    EXPECT_NE(made, old);
    EXPECT_FALSE(ReadAppointment(old).found);
    StoredAppointment read = ReadAppointment(made);
    EXPECT_EQ(read.type, olRecursNone);
    EXPECT_NE(read.body.find(L"메모 본문"), std::wstring::npos);
    EXPECT_EQ(PlanLinks(), (commandstest::Links{{static_cast<long>(contact), static_cast<long>(made)}}));
    EXPECT_EQ(SelectedAppointmentOid, made);
}

TEST_F(ScheduleEditorTest, UpdatesKeepTheIdAndTheSingleEditMakesAnException)
{
    CEOID oid = MakeAppointment(L"주간", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    ASSERT_TRUE(LoadAppointment(oid, true, L"2024-05-13", L"09:00"));
    bool recurrenceEnabled = true;
    bool datesShown = false;
    int checkX = 0;
    Driver driver;
    driver.Then("one day later", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        recurrenceEnabled = IsControlEnabled(dialog, IDC_SCHEDULE_RECURRENCE);
        datesShown = IsControlShown(dialog, IDC_SCHEDULE_START_DATE) && IsControlShown(dialog, IDC_SCHEDULE_END_DATE);
        checkX = ControlRect(dialog, IDC_SCHEDULE_TIMES_ON).left;
        SetPickerClock(dialog, IDC_SCHEDULE_START_TIME, 15, 0);
        SetPickerClock(dialog, IDC_SCHEDULE_END_TIME, 16, 0);
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
    EXPECT_FALSE(recurrenceEnabled);
    // One occurrence can be moved: its date pickers show, the time boxes beside them.
    EXPECT_TRUE(datesShown);
    EXPECT_EQ(checkX, 170);
    EXPECT_EQ(OnlyAppointment(), oid);
    EXPECT_EQ(ReadAppointment(oid).type, olRecursWeekly);
    std::vector<std::wstring> starts = OccurrenceStarts(L"2024-05-06", L"2024-05-26");
    EXPECT_NE(std::find(starts.begin(), starts.end(), L"2024-05-13 15:00"), starts.end());
    EXPECT_NE(std::find(starts.begin(), starts.end(), L"2024-05-20 09:00"), starts.end());

    // The whole series to monthly keeps its id.
    ASSERT_TRUE(LoadAppointment(oid));
    Driver again;
    again.Then("monthly", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 2);
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(again, again.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
    EXPECT_EQ(OnlyAppointment(), oid);
    EXPECT_EQ(ReadAppointment(oid).type, olRecursMonthly);
}

struct StartCase {
    const char* name;
    const wchar_t* start;
    const wchar_t* end;
    bool allDay;
    int weeks;
    bool timesOn, periodOn, datesShown;
};
const StartCase kStarts[] = {
    {"timed", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 0, true, true, true},
    {"same times", L"2024-05-06 09:00", L"2024-05-06 09:00", false, 0, true, false, true},
    {"all-day", L"2024-05-06 00:00", L"2024-05-07 00:00", true, 0, false, false, true},
    {"all-day days", L"2024-05-06 00:00", L"2024-05-09 00:00", true, 0, false, true, true},
    {"weekly", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3, true, true, false},
};

TEST_F(ScheduleEditorTest, AnUpdateStartsFromTheLoadedFields)
{
    for (const StartCase& c : kStarts) {
        SCOPED_TRACE(c.name);
        Restart();
        CEOID oid = MakeAppointment(L"항목", c.start, c.end, c.allDay, c.weeks);
        ASSERT_TRUE(LoadAppointment(oid));
        bool timesOn = false, periodOn = false, datesShown = false, endTimeEnabled = false;
        Driver driver;
        driver.Then("read", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            timesOn = IsDlgButtonChecked(dialog, IDC_SCHEDULE_TIMES_ON) == BST_CHECKED;
            periodOn = IsDlgButtonChecked(dialog, IDC_SCHEDULE_PERIOD_ON) == BST_CHECKED;
            datesShown = IsControlShown(dialog, IDC_SCHEDULE_START_DATE);
            endTimeEnabled = IsControlEnabled(dialog, IDC_SCHEDULE_END_TIME);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
        EXPECT_EQ(timesOn, c.timesOn);
        EXPECT_EQ(periodOn, c.periodOn);
        EXPECT_EQ(datesShown, c.datesShown);
        EXPECT_EQ(endTimeEnabled, c.timesOn && c.periodOn);
    }
}

TEST_F(ScheduleEditorTest, LeadsThatNoListOffersSurviveOpenAndSave)
{
    for (long lead : {1441L, 40319L}) {
        SCOPED_TRACE(lead);
        Restart();
        CEOID oid = MakeAppointment(L"알림", L"2024-05-06 09:00", L"2024-05-06 10:00");
        {
            ComRef<IAppointment> item = AppointmentFromOid(oid);
            item->put_ReminderSet(VARIANT_TRUE);
            item->put_ReminderMinutesBeforeStart(lead);
            item->Save();
        }
        ASSERT_TRUE(LoadAppointment(oid));
        Driver driver;
        driver.Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_OK); });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
        EXPECT_EQ(ReadAppointment(oid).reminderMinutes, lead);
    }
}

// ---- the other buttons, the pick list, the look ---------------------------------------------

TEST_F(ScheduleEditorTest, ContinueSavesAndClearsTheTextsOnly)
{
    std::wstring title, place, amount;
    int code = -1;
    SYSTEMTIME start = {};
    Driver driver;
    driver.Then("two items", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 6, 3);
        SetCheck(dialog, IDC_SCHEDULE_REMINDER, true);
        Type(dialog, IDC_SCHEDULE_REMINDER_AMOUNT, L"30");
        Type(dialog, IDC_SCHEDULE_TITLE, L"첫째");
        Type(dialog, IDC_SCHEDULE_PLACE, L"여기");
        ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 1);
        Click(dialog, IDC_EDITOR_CONTINUE);
        title = ControlText(dialog, IDC_SCHEDULE_TITLE);
        place = ControlText(dialog, IDC_SCHEDULE_PLACE);
        amount = ControlText(dialog, IDC_SCHEDULE_REMINDER_AMOUNT);
        code = static_cast<int>(SendDlgItemMessageW(dialog, IDC_SCHEDULE_RECURRENCE, CB_GETCURSEL, 0, 0));
        start = PickerValue(dialog, IDC_SCHEDULE_START_DATE);
        Type(dialog, IDC_SCHEDULE_TITLE, L"둘째");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(title, L"");
    EXPECT_EQ(place, L"");
    EXPECT_EQ(amount, L"30");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(start.wDay, 3);
    EXPECT_EQ(AppointmentCount(), 2);
}

TEST_F(ScheduleEditorTest, ExtendOpensTheSavedItemInTheForm)
{
    Driver driver;
    driver.Then("extend", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        Type(dialog, IDC_SCHEDULE_TITLE, L"자세히");
        Click(dialog, IDC_EDITOR_EXTEND);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    CEOID oid = OnlyAppointment();
    ASSERT_NE(oid, 0u);
    ASSERT_TRUE(testkit::PumpUntil([] { return !FormRequests().empty(); }, 15000));
    EXPECT_NE(FormRequests().front().find(std::to_wstring(oid)), std::wstring::npos) << FormRequests().front();
}

TEST_F(ScheduleEditorTest, ExtendOnOneOccurrenceOpensThatOccurrence)
{
    CEOID oid = MakeAppointment(L"주간", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    ASSERT_TRUE(LoadAppointment(oid, true, L"2024-05-13", L"09:00"));
    Driver driver;
    driver.Then("extend", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_EXTEND); });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
    ASSERT_TRUE(testkit::PumpUntil([] { return !FormRequests().empty(); }, 15000));
    const std::wstring request = FormRequests().front();  // a copy: the list is a temporary
    EXPECT_NE(request.find(L"/oid " + std::to_wstring(oid)), std::wstring::npos) << request;
    EXPECT_NE(request.find(L"2024-05-13 09:00"), std::wstring::npos) << request;
}

TEST_F(ScheduleEditorTest, TheStartDateRebuildsTheListAndLunarLabel)
{
    std::vector<std::wstring> before, after;
    std::wstring lunar;
    SYSTEMTIME end = {};
    Driver driver;
    driver.Then("move the start", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
        ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 1);
        before = testkit::ComboItems(GetDlgItem(dialog, IDC_SCHEDULE_RECURRENCE));
        SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 12);
        after = testkit::ComboItems(GetDlgItem(dialog, IDC_SCHEDULE_RECURRENCE));
        lunar = ControlText(dialog, IDC_SCHEDULE_LUNAR);
        end = PickerValue(dialog, IDC_SCHEDULE_END_DATE);
        EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SCHEDULE_RECURRENCE, CB_GETCURSEL, 0, 0), 1);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(before, (std::vector<std::wstring>{L"한 번", L"월요일마다", L"매월 4일", L"3월 4일마다", L"<유형 편집...>"}));
    EXPECT_EQ(after, (std::vector<std::wstring>{L"한 번", L"화요일마다", L"매월 12일", L"3월 12일마다", L"<유형 편집...>"}));
    EXPECT_EQ(lunar, L"화(음2/3)");
    EXPECT_EQ(end.wDay, 12);  // the end follows a later start
    EXPECT_EQ(AppointmentCount(), 0);  // cancel saves nothing
}

TEST_F(ScheduleEditorTest, ControlsSitWhereTheyBelongAndLookRight)
{
    RECT window = {};
    std::vector<std::pair<int, RECT>> rects;
    Driver driver;
    driver.Then("measure", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
        GetWindowRect(dialog, &window);
        for (const ControlPlace& place : SchedulePlaces())
            rects.push_back({place.id, ControlRect(dialog, place.id)});
        for (int id : {IDC_EDITOR_OK, IDC_EDITOR_CONTINUE, IDC_EDITOR_EXTEND, IDCANCEL})
            rects.push_back({id, ControlRect(dialog, id)});
        Type(dialog, IDC_SCHEDULE_TITLE, L"팀 회의");
        Type(dialog, IDC_SCHEDULE_PLACE, L"3층 회의실");
        testkit::PumpFor(200);
        testkit::SaveScreenshot(testkit::CaptureScreen(), L"schedule_editor_insert");
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(window.left, 0);
    EXPECT_EQ(window.top, 26);
    EXPECT_EQ(window.right - window.left, 240);
    EXPECT_EQ(window.bottom - window.top, 294);
    for (const auto& [id, rect] : rects) {
        SCOPED_TRACE(id);
        bool found = false;
        for (const ControlPlace& place : SchedulePlaces()) {
            if (place.id != id)
                continue;
            found = true;
            EXPECT_EQ(rect.left, place.x);
            EXPECT_EQ(rect.top, place.y);
            EXPECT_EQ(rect.right - rect.left, place.width);
            // A closed combo box is its field; its place holds the list's drop.
            const bool combo = id == IDC_SCHEDULE_TITLE || id == IDC_SCHEDULE_PLACE || id == IDC_SCHEDULE_RECURRENCE ||
                               id == IDC_SCHEDULE_REMINDER_AMOUNT || id == IDC_SCHEDULE_REMINDER_UNIT;
            EXPECT_EQ(rect.bottom - rect.top, combo ? 20 : place.height);
        }
        if (!found) {  // the buttons along the foot
            EXPECT_EQ(rect.top, 273);
            EXPECT_EQ(rect.right - rect.left, 50);
        }
    }

    CEOID oid = MakeAppointment(L"주간 회의", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
    ASSERT_TRUE(LoadAppointment(oid));
    Driver update;
    update.Then("look", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        testkit::PumpFor(200);
        testkit::SaveScreenshot(testkit::CaptureScreen(), L"schedule_editor_update");
        EXPECT_FALSE(IsControlShown(dialog, IDC_EDITOR_CONTINUE));
        EXPECT_EQ(ControlRect(dialog, IDC_EDITOR_EXTEND).left, 52);
        EXPECT_EQ(ControlRect(dialog, IDCANCEL).left, 103);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ExpectRan(update, update.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
}

// A note the Rich Ink control cannot give back: the update is reported as
// failed and the stored note and title stay, on every path of an update.
TEST_F(ScheduleEditorTest, AFailedNoteReadKeepsTheStoredNote)
{
    struct Case {
        const char* name;
        bool single;    // one occurrence of the series
        bool once;      // the repeat removed
    };
    const Case cases[] = {
        {"whole series", false, false},
        {"one occurrence", true, false},
        {"repeat removed", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        CEOID oid = MakeAppointment(L"주간", L"2024-05-06 09:00", L"2024-05-06 10:00", false, 3);
        {
            ComRef<IAppointment> item = AppointmentFromOid(oid);
            ASSERT_TRUE(item);
            item->put_Body(TextArg(L"남을 메모"));
            ASSERT_TRUE(SUCCEEDED(item->Save()));
        }
        ASSERT_TRUE(c.single ? LoadAppointment(oid, true, L"2024-05-13", L"09:00") : LoadAppointment(oid));
        boxwatch::SeenBox box;
        Driver driver;
        driver.Then("change and save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
                  FailStreamOut(FindWindowExW(dialog, nullptr, L"RichInk", nullptr));
                  Type(dialog, IDC_SCHEDULE_TITLE, L"바뀐 제목");
                  if (c.once)
                      ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 0);
                  Click(dialog, IDC_EDITOR_OK);
              })
            .AnswerBox(&box)
            .CancelDialogWith(IDC_SCHEDULE_TITLE);
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditUpdate); }));
        EXPECT_EQ(box.text, L"일정 수정에 실패했습니다");
        EXPECT_EQ(OnlyAppointment(), oid);
        StoredAppointment read = ReadAppointment(oid);
        EXPECT_EQ(read.body, L"남을 메모");
        EXPECT_EQ(read.subject, L"주간");
        EXPECT_EQ(read.type, olRecursWeekly);
    }
}

}  // namespace
}  // namespace editorstest
