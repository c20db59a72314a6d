// The anniversary editor run as the dispatcher runs it: its record, note
// and mirror read back from the own databases and the object model.
#include "core/anniversary_save.h"
#include "core/record_layouts.h"
#include "editors/anniversary_editor.h"
#include "editors/editor_controls.h"
#include "lists/anniversary_lists.h"
#include "lists/item_list_state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

#include <strsafe.h>

namespace diaryformstest {
namespace {

using namespace dialogdriver;

class AnniversaryEditorTest : public DiaryFormsTest {
protected:
    // The one record of the anniversary; asserts there is exactly one.
    poomtest::StoredRecord OnlyRecord(long id)
    {
        auto records = RecordsWithId(kAnniversaryDatabase, id);
        EXPECT_EQ(records.size(), 1u);
        return records.empty() ? poomtest::StoredRecord{} : records.front();
    }
};

struct FormInput {
    const char* name;
    int kind;  // 0-3
    int month, day;
    bool yearKnown;
    const wchar_t* year;
    bool lunar;
    bool reminder;
    int choice;
    int hour, minute;
};
struct StoredFields {
    const wchar_t* date;
    const wchar_t* startYear;
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* time;
};
struct FormCase {
    FormInput in;
    StoredFields out;
};
const FormCase kForms[] = {
    {{"birthday with its year", 0, 5, 1, true, L"1990", false, true, 3, 9, 30},
     {L"1990-05-01", L"1990", L"05", L"01", L"09:30"}},
    {{"memorial day without a year", 1, 12, 25, false, L"", false, false, 0, 10, 0},
     {L"12/25", L"", L"12", L"25", L"10:00"}},
    {{"lunar rite with a year", 2, 8, 15, true, L"2001", true, true, 11, 0, 0},
     {L"2001-08-15", L"2001", L"08", L"15", L"00:00"}},
    {{"other, lunar, no year, on the day", 3, 1, 30, false, L"", true, true, 0, 23, 59},
     {L"01/30", L"", L"01", L"30", L"23:59"}},
    {{"29 February without a year", 0, 2, 29, false, L"", false, false, 8, 7, 5},
     {L"02/29", L"", L"02", L"29", L"07:05"}},
};

void Fill(HWND dialog, const FormInput& f)
{
    Type(dialog, IDC_ANNIVERSARY_TITLE, L"홍길동");
    ChooseComboItem(dialog, IDC_ANNIVERSARY_KIND, f.kind);
    ChooseComboItem(dialog, IDC_ANNIVERSARY_MONTH, f.month - 1);
    ChooseComboItem(dialog, IDC_ANNIVERSARY_DAY, f.day - 1);
    SetCheck(dialog, IDC_ANNIVERSARY_YEAR_KNOWN, f.yearKnown);
    if (f.yearKnown)
        Type(dialog, IDC_ANNIVERSARY_YEAR, f.year);
    SetCheck(dialog, IDC_ANNIVERSARY_LUNAR, f.lunar);
    SetCheck(dialog, IDC_ANNIVERSARY_REMINDER, f.reminder);
    if (f.reminder)
        ChooseComboItem(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, f.choice);
    SetPickerClock(dialog, IDC_ANNIVERSARY_TIME, f.hour, f.minute);
    Type(dialog, IDC_ANNIVERSARY_NOTE, L"선물");
}

TEST_F(AnniversaryEditorTest, FormInputsBecomeTheStoredAnniversary)
{
    for (const FormCase& c : kForms) {
        SCOPED_TRACE(c.in.name);
        Restart();
        Driver driver;
        driver.Then("fill and save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
            Fill(dialog, c.in);
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); }));
        long id = SelectedAnniversaryId;
        ASSERT_GT(id, 10000);
        EXPECT_EQ(AnniversaryToReselect, id);
        poomtest::StoredRecord record = OnlyRecord(id);
        EXPECT_EQ(TextOf(record, kAnniversaryTitle), L"홍길동");
        EXPECT_EQ(TextOf(record, kAnniversaryYearKnown), c.in.yearKnown ? L"1" : L"0");
        EXPECT_EQ(TextOf(record, kAnniversaryDate), c.out.date);
        EXPECT_EQ(TextOf(record, kAnniversaryStartYear), c.out.startYear);
        EXPECT_EQ(TextOf(record, kAnniversaryMonth), c.out.month);
        EXPECT_EQ(TextOf(record, kAnniversaryDay), c.out.day);
        EXPECT_EQ(TextOf(record, kAnniversaryLunar), c.in.lunar ? L"1" : L"0");
        EXPECT_EQ(TextOf(record, kAnniversaryKind), std::wstring(1, static_cast<wchar_t>(L'0' + c.in.kind)));
        EXPECT_EQ(TextOf(record, kAnniversaryReminderOn), c.in.reminder ? L"1" : L"0");
        EXPECT_EQ(NumberOf(record, kAnniversaryReminderChoice), c.in.reminder ? c.in.choice : 0);
        EXPECT_EQ(TextOf(record, kAnniversaryTime), c.out.time);
        // The note once, the mirror once.
        auto notes = RecordsWithId(kAnniversaryTextDatabase, id);
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(TextOf(notes[0], kAnniversaryTextNote), L"선물");
        EXPECT_EQ(AppointmentCount(), 1);
        EXPECT_EQ(static_cast<CEOID>(NumberOf(record, kAnniversaryAppointment)), OnlyAppointment());
        EXPECT_EQ(ViewStale[kScheduleView], 1);
        EXPECT_EQ(ViewStale[kAnniversaryView], 1);
        EXPECT_EQ(editorstest::Seen.forgetSchedule, 1);
    }
}

// An anniversary saved as the editor saves it, selected for an update.
long SaveAndSelect(const wchar_t* title, const wchar_t* note)
{
    wchar_t time[6] = L"10:00";
    const long id = 10001;
    EXPECT_TRUE(SaveNewAnniversary(id, title, L'0', L"03/01", L'0', L'1', L'0', 0, time, L"", L"03", L"01", note));
    SelectedAnniversaryId = id;
    EXPECT_TRUE(LoadAnniversaryRecord());
    return id;
}

TEST_F(AnniversaryEditorTest, AnUpdateKeepsTheIdWithOneOfEachRow)
{
    long id = SaveAndSelect(L"삼일절", L"옛 메모");
    std::wstring shownTitle, shownNote;
    Driver driver;
    driver.Then("change and save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
        shownTitle = ControlText(dialog, IDC_ANNIVERSARY_TITLE);
        shownNote = ControlText(dialog, IDC_ANNIVERSARY_NOTE);
        Type(dialog, IDC_ANNIVERSARY_TITLE, L"삼일절 기념");
        Type(dialog, IDC_ANNIVERSARY_NOTE, L"새 메모");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditUpdate); }));
    EXPECT_EQ(shownTitle, L"삼일절");
    EXPECT_EQ(shownNote, L"옛 메모");
    EXPECT_EQ(SelectedAnniversaryId, id);
    EXPECT_EQ(TextOf(OnlyRecord(id), kAnniversaryTitle), L"삼일절 기념");
    auto notes = RecordsWithId(kAnniversaryTextDatabase, id);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(TextOf(notes[0], kAnniversaryTextNote), L"새 메모");
    EXPECT_EQ(AppointmentCount(), 1);
    EXPECT_EQ(ReadAppointment(OnlyAppointment()).subject, L"[기념] 삼일절 기념");
}

TEST_F(AnniversaryEditorTest, AFailedUpdateKeepsTheOldAnniversary)
{
    long id = SaveAndSelect(L"삼일절", L"옛 메모");
    CEOID mirror = OnlyAppointment();
    boxwatch::SeenBox box;
    Driver driver;
    driver.Then("change and save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
              Type(dialog, IDC_ANNIVERSARY_TITLE, L"바뀐 제목");
              CeStoreFailNextChange(kAnniversaryDatabase, 0);
              Click(dialog, IDC_EDITOR_OK);
          })
        .AnswerBox(&box)
        .CancelDialogWith(IDC_ANNIVERSARY_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditUpdate); }));
    EXPECT_EQ(box.text, L"기념일 수정에 실패했습니다");
    EXPECT_EQ(box.caption, L"알림");
    poomtest::StoredRecord record = OnlyRecord(id);
    EXPECT_EQ(TextOf(record, kAnniversaryTitle), L"삼일절");
    EXPECT_EQ(static_cast<CEOID>(NumberOf(record, kAnniversaryAppointment)), mirror);
    EXPECT_EQ(RecordsWithId(kAnniversaryTextDatabase, id).size(), 1u);
    EXPECT_EQ(AppointmentCount(), 1);
    EXPECT_EQ(ViewStale[kAnniversaryView], 0);
}

// The old rows cannot all go after the new ones were saved: the new ones go
// again, and saving once more leaves one of each.
TEST_F(AnniversaryEditorTest, AnUpdateWhoseOldRowsStayIsNeverStoredTwice)
{
    struct Case {
        const char* name;
        const wchar_t* database;  // its second change, the old row's delete, fails
        bool oldWhole;            // the old anniversary untouched
    };
    const Case cases[] = {
        {"old mirror stays", L"Appointments Database", true},
        {"old record stays", kAnniversaryDatabase, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        long id = SaveAndSelect(L"삼일절", L"옛 메모");
        CEOID mirror = OnlyAppointment();
        for (const wchar_t* title : {L"실패", L"다시"}) {
            const bool failing = wcscmp(title, L"실패") == 0;
            boxwatch::SeenBox box;
            Driver driver;
            driver.Then("change and save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
                Type(dialog, IDC_ANNIVERSARY_TITLE, title);
                if (failing)
                    CeStoreFailLaterChange(c.database, 1, 0);
                Click(dialog, IDC_EDITOR_OK);
            });
            if (failing)
                driver.AnswerBox(&box).CancelDialogWith(IDC_ANNIVERSARY_TITLE);
            ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditUpdate); }));
            CeStoreFailNextChange(nullptr, 0);
            EXPECT_EQ(box.text, failing ? L"기념일 수정에 실패했습니다" : L"");
            EXPECT_EQ(TextOf(OnlyRecord(id), kAnniversaryTitle), failing ? L"삼일절" : L"다시");
            EXPECT_LE(RecordsWithId(kAnniversaryTextDatabase, id).size(), 1u);
            EXPECT_LE(AppointmentCount(), 1);
            if (failing && c.oldWhole) {
                EXPECT_EQ(static_cast<CEOID>(NumberOf(OnlyRecord(id), kAnniversaryAppointment)), mirror);
                EXPECT_EQ(RecordsWithId(kAnniversaryTextDatabase, id).size(), 1u);
                EXPECT_EQ(AppointmentCount(), 1);
            }
            SelectedAnniversaryId = id;
            ASSERT_TRUE(LoadAnniversaryRecord());
        }
        EXPECT_EQ(AppointmentCount(), 1);
        EXPECT_EQ(ReadAppointment(OnlyAppointment()).subject, L"[기념] 다시");
        DeleteAnniversary(id);
    }
}

TEST_F(AnniversaryEditorTest, APickedPersonGivesTitleAndBirthday)
{
    CEOID person = MakeContact(L"김", L"철수");
    ChangeContact(person, [](IContact* contact) { contact->put_Birthday(commandstest::DateOf(L"1985-07-09 00:00")); });
    CEOID selected = MakeContact(L"이", L"영희");
    SelectedContactOid = selected;
    AssigneeOid = selected;  // a contact card's pending link
    StringCchCopyW(AssigneeName, ARRAYSIZE(AssigneeName), L"이영희");
    std::wstring title, year;
    int month = -1, day = -1;
    bool yearKnown = false;
    Driver driver;
    driver.Then("open the picker", DialogWith(IDC_ANNIVERSARY_TITLE),
                [](HWND dialog) { Click(dialog, IDC_ANNIVERSARY_PERSON); })
        .Then("search and choose", DialogWith(IDC_PICKER_LIST),
              [](HWND picker) {
                  Type(picker, IDC_PICKER_SEARCH_TEXT, L"철수");
                  Click(picker, IDC_PICKER_SEARCH);
                  Click(picker, IDC_PICKER_CHOOSE);
              })
        .Then("read and save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
            testkit::PumpFor(50);
            title = ControlText(dialog, IDC_ANNIVERSARY_TITLE);
            year = ControlText(dialog, IDC_ANNIVERSARY_YEAR);
            month = ComboIndex(dialog, IDC_ANNIVERSARY_MONTH);
            day = ComboIndex(dialog, IDC_ANNIVERSARY_DAY);
            yearKnown = IsChecked(dialog, IDC_ANNIVERSARY_YEAR_KNOWN);
            Click(dialog, IDC_EDITOR_OK);
        });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); }));
    EXPECT_EQ(title, L"김철수");
    EXPECT_EQ(year, L"1985");
    EXPECT_EQ(month, 6);
    EXPECT_EQ(day, 8);
    EXPECT_TRUE(yearKnown);
    EXPECT_EQ(SelectedContactOid, selected);
    EXPECT_EQ(AssigneeOid, selected);
    EXPECT_STREQ(AssigneeName, L"이영희");
    EXPECT_EQ(TextOf(OnlyRecord(SelectedAnniversaryId), kAnniversaryDate), L"1985-07-09");
}

// A title the user typed stays; the person still gives the birthday.
TEST_F(AnniversaryEditorTest, APickedPersonKeepsATypedTitle)
{
    CEOID person = MakeContact(L"김", L"철수");
    ChangeContact(person, [](IContact* contact) { contact->put_Birthday(commandstest::DateOf(L"1985-07-09 00:00")); });
    std::wstring title;
    int month = -1;
    Driver driver;
    driver.Then("type and open the picker", DialogWith(IDC_ANNIVERSARY_TITLE),
                [](HWND dialog) {
                    Type(dialog, IDC_ANNIVERSARY_TITLE, L"아버지 생신");
                    Click(dialog, IDC_ANNIVERSARY_PERSON);
                })
        .Then("search and choose", DialogWith(IDC_PICKER_LIST),
              [](HWND picker) {
                  Type(picker, IDC_PICKER_SEARCH_TEXT, L"철수");
                  Click(picker, IDC_PICKER_SEARCH);
                  Click(picker, IDC_PICKER_CHOOSE);
              })
        .Then("read", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
            testkit::PumpFor(50);
            title = ControlText(dialog, IDC_ANNIVERSARY_TITLE);
            month = ComboIndex(dialog, IDC_ANNIVERSARY_MONTH);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); }));
    EXPECT_EQ(title, L"아버지 생신");
    EXPECT_EQ(month, 6);
}

TEST_F(AnniversaryEditorTest, TheKindListStartsOverInTheAnniversaryView)
{
    struct Case {
        const char* name;
        const wchar_t* choice;
        int kind;
        bool reset;
    };
    const Case cases[] = {
        {"another kind", L"기념", 0, true},
        {"the same kind", L"생일", 0, false},
        {"every kind shown", L"전체(공휴일제외)", 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        CurrentView = kAnniversaryView;
        StringCchCopyW(AnniversaryKindChoice, ARRAYSIZE(AnniversaryKindChoice), c.choice);
        AnniversaryKindRow = 3;
        Driver driver;
        driver.Then("save", DialogWith(IDC_ANNIVERSARY_TITLE), [&](HWND dialog) {
            Type(dialog, IDC_ANNIVERSARY_TITLE, L"가");
            ChooseComboItem(dialog, IDC_ANNIVERSARY_KIND, c.kind);
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); }));
        EXPECT_EQ(AnniversaryKindRow, c.reset ? 0 : 3);
        EXPECT_EQ(Reloaded.anniversaryKinds, c.reset ? 1 : 0);
        EXPECT_EQ(Reloaded.anniversaryList, 1);
    }
}

TEST(AnniversaryDays, WhichDaysCanBeSaved)
{
    struct Case {
        int month, day;
        bool lunar;
        int year;
        bool valid;
    };
    const Case cases[] = {
        {2, 29, false, 0, true},     {2, 29, false, 2024, true}, {2, 29, false, 2023, false},
        {2, 30, false, 0, false},    {4, 31, false, 0, false},   {12, 31, false, 1999, true},
        {1, 30, true, 0, true},      {1, 31, true, 0, false},    {13, 1, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << "/" << c.day << " lunar " << c.lunar << " year " << c.year);
        EXPECT_EQ(AnniversaryDayValid(c.month, c.day, c.lunar, c.year), c.valid);
    }
}

}  // namespace
}  // namespace diaryformstest
