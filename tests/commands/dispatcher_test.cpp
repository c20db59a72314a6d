// The item command dispatcher on the running main window: each command over
// its view, rows and state, with the tests' editor and the stand-ins of the
// lists and the dial route.
#include "core/contact_names.h"
#include "core/item_form.h"
#include "core/outlook_items.h"
#include "lists/contacts_cache.h"
#include "lists/form_loaders.h"
#include "mainwindow/command_steps.h"
#include "mainwindow/state.h"
#include "mainwindow/view_utils.h"
#include "platform/outlook/client_values.h"
#include "resources/resource.h"
#include "tests/commands/dispatcher_window.h"
#include "tests/commands/test_editors.h"

#include <gmock/gmock.h>

namespace commandstest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr wchar_t kQuestion[] = L"확인";
constexpr wchar_t kNotice[] = L"알림";
constexpr wchar_t kHolidayKind[] = L"공휴일";
constexpr wchar_t kBirthdayKind[] = L"생일";
constexpr int kCardTasks = 1;
constexpr int kCardMemos = 2;

// ---- the selection after a delete ---------------------------------------------------

TEST(SelectionAfterDelete, TheNextRowTakesThePlaceButAfterTheLast)
{
    struct Case {
        int selected, rowsBefore, expected;
    };
    const Case cases[] = {
        {0, 3, 0},   // first: its successor moves up
        {1, 3, 1},   // middle
        {2, 3, 1},   // last: its predecessor
        {0, 1, -1},  // only row: none left
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectionAfterDelete(c.selected, c.rowsBefore), c.expected) << c.selected << " of " << c.rowsBefore;
}

using Dispatcher = DispatcherTest;

// ---- tasks ------------------------------------------------------------------------------

TEST_F(Dispatcher, ATaskDeleteAsksWithNoAsDefaultAndSelectsTheRowInItsPlace)
{
    struct Case {
        const char* name;
        int rows, selected;
        int expectedRow;
    };
    const Case cases[] = {{"last", 3, 2, 1}, {"middle", 3, 1, 1}, {"only", 1, 0, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tasks.ids.clear();
        for (int i = 0; i < c.rows; ++i)
            tasks.ids.push_back(static_cast<long>(AddTask((L"작업" + std::to_wstring(i)).c_str())));
        ShowView(kTaskView, c.selected);
        ASSERT_EQ(SelectedRow(TaskList), c.selected);
        long deleted = tasks.ids[c.selected];
        ASSERT_EQ(SelectedTaskOid, static_cast<CEOID>(deleted));

        // Answered No: nothing goes.
        boxwatch::SeenBox box = SendAnswering(ID_TASK_DELETE, IDNO);
        EXPECT_EQ(box.caption, kQuestion);
        EXPECT_EQ(box.text, L"작업 자료를 삭제 하시겠습니까?");
        EXPECT_EQ(box.defaultButton, IDNO);
        EXPECT_TRUE(TaskFromOid(static_cast<CEOID>(deleted)));

        box = SendAnswering(ID_TASK_DELETE, IDYES);
        ASSERT_TRUE(box.seen);
        EXPECT_FALSE(TaskFromOid(static_cast<CEOID>(deleted)));
        EXPECT_EQ(ListView_GetItemCount(TaskList), c.rows - 1);
        EXPECT_EQ(ViewSelection[kTaskView], c.expectedRow);
        EXPECT_EQ(SelectedRow(TaskList), c.expectedRow);
        EXPECT_EQ(GetFocus(), TaskList);
    }
}

TEST_F(Dispatcher, ARepeatingTaskDeleteOffersAllThisOneOrCancel)
{
    CEOID series = AddTask(L"물주기", 5);
    tasks.ids = {static_cast<long>(series)};
    ShowView(kTaskView);

    boxwatch::SeenBox box = SendAnswering(ID_TASK_DELETE, IDCANCEL);
    EXPECT_EQ(box.text, L"'물주기'에 대한 되풀이 항목의 모든 작업을 삭제하겠습니까?");
    EXPECT_EQ(box.defaultButton, IDCANCEL);
    EXPECT_THAT(box.buttons, ElementsAre(IDYES, IDNO, IDCANCEL));
    EXPECT_TRUE(TaskFromOid(series));

    // No: this occurrence is skipped, the series stays.
    SendAnswering(ID_TASK_DELETE, IDNO);
    ASSERT_TRUE(TaskFromOid(series));
    EXPECT_EQ(ListView_GetItemCount(TaskList), 1);

    SendAnswering(ID_TASK_DELETE, IDYES);
    EXPECT_FALSE(TaskFromOid(series));
    EXPECT_EQ(ListView_GetItemCount(TaskList), 0);
}

TEST_F(Dispatcher, EditorsSeeTheirModeAndAGoneTaskOpensNone)
{
    CEOID task = AddTask(L"보고서");
    CEOID gone = AddTask(L"사라진 작업");
    tasks.ids = {static_cast<long>(task), static_cast<long>(gone)};
    ShowView(kTaskView);

    Send(ID_TASK_NEW);
    Send(ID_TASK_EDIT);
    ASSERT_EQ(EditorRuns().size(), 2u);
    EXPECT_EQ(EditorRuns()[0].dialogId, IDD_TASK_EDITOR);
    EXPECT_EQ(EditorRuns()[0].editMode, L'I');
    EXPECT_EQ(EditorRuns()[0].owner, MainWindow);  // the toolbar window's top level
    EXPECT_EQ(EditorRuns()[1].editMode, L'U');
    EXPECT_EQ(EditorRuns()[1].title, L"보고서");
    EXPECT_EQ(GetFocus(), TaskList);

    // Deleted elsewhere meanwhile: reported, no editor, the list refilled.
    ShowView(kTaskView, 1);
    ComRef<ITask> item = TaskFromOid(gone);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->Delete(), S_OK);
    item.Reset();
    boxwatch::SeenBox box = SendAnswering(ID_TASK_EDIT, IDOK);
    EXPECT_EQ(box.caption, kNotice);
    EXPECT_EQ(box.text, L"선택한 자료를 찾을 수 없습니다");
    EXPECT_EQ(EditorRuns().size(), 2u);
    EXPECT_THAT(StandInCalls(), ElementsAre("LoadTaskForm", "LoadTaskList"));
    EXPECT_EQ(ListView_GetItemCount(TaskList), 1);
}

TEST_F(Dispatcher, AfterACommandOfTheTodayItemTheMainWindowStepsAside)
{
    tasks.ids = {static_cast<long>(AddTask(L"오늘"))};
    ShowView(kTaskView);
    FromTodayRequest = true;
    Send(ID_TASK_EDIT);
    EXPECT_EQ(EditorRuns().size(), 1u);
    EXPECT_FALSE(FromTodayRequest);
    EXPECT_FALSE(IsWindowVisible(MainWindow));
    ShowWindow(MainWindow, SW_SHOW);

    // Otherwise the list keeps the focus and the window stays.
    Send(ID_TASK_NEW);
    EXPECT_TRUE(IsWindowVisible(MainWindow));
    EXPECT_EQ(GetFocus(), TaskList);
}

TEST_F(Dispatcher, TheDetailIsOpenedAgainAfterAnEditAndADelete)
{
    tasks.ids = {static_cast<long>(AddTask(L"하나")), static_cast<long>(AddTask(L"둘"))};
    ShowView(kTaskView);
    Send(ID_TASK_DETAIL);
    ASSERT_EQ(DetailMode[kTaskDetail], 'V');
    TakeCommands();

    Send(ID_TASK_EDIT);
    EXPECT_THAT(TakeCommands(), ElementsAre(ID_TASK_EDIT, ID_TASK_BACK, ID_TASK_DETAIL));
    SendAnswering(ID_TASK_DELETE, IDYES);
    EXPECT_THAT(TakeCommands(), ElementsAre(ID_TASK_DELETE, ID_TASK_BACK, ID_TASK_DETAIL));
    // The last row gone: the detail closes and stays closed.
    SendAnswering(ID_TASK_DELETE, IDYES);
    EXPECT_THAT(TakeCommands(), ElementsAre(ID_TASK_DELETE, ID_TASK_BACK));
    EXPECT_EQ(DetailMode[kTaskDetail], 'M');
}

// ---- appointments ------------------------------------------------------------------------

TEST_F(Dispatcher, ARepeatingAppointmentIsEditedOnItsDayOrWhole)
{
    CEOID series = AddAppointment(L"주간 회의", L"2026-03-02", L"10:00", L"11:00", 3);
    ASSERT_NE(series, 0u);
    ShowScheduleMonthOf(L"2026-03-09");
    ASSERT_TRUE(SelectScheduleRow(series, L"2026-03-09"));

    struct Case {
        int answer;
        bool editorRuns;
        int single;
        const wchar_t* start;  // the start date the editor sees
    };
    const Case cases[] = {{IDYES, true, 1, L"2026-03-09"}, {IDNO, true, 0, L"2026-03-02"}, {IDCANCEL, false, 0, L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        size_t runs = EditorRuns().size();
        boxwatch::SeenBox box = SendAnswering(ID_APPOINTMENT_EDIT, c.answer);
        EXPECT_EQ(box.caption, kQuestion);
        EXPECT_EQ(box.text, L"이 항목을 편집하시겠습니까?\n\n전체 되풀이 일정을 편집하려면 [아니오]를 누르십시오");
        EXPECT_EQ(box.defaultButton, IDYES);
        EXPECT_THAT(box.buttons, ElementsAre(IDYES, IDNO, IDCANCEL));
        ASSERT_EQ(EditorRuns().size(), runs + (c.editorRuns ? 1 : 0));
        if (!c.editorRuns)
            continue;
        EXPECT_EQ(EditorRuns().back().dialogId, IDD_SCHEDULE_EDITOR);
        EXPECT_EQ(EditorRuns().back().editMode, L'U');
        EXPECT_EQ(EditorRuns().back().singleOccurrence, c.single);
        EXPECT_EQ(EditorRuns().back().title, L"주간 회의");
        EXPECT_STREQ(ItemFormState.StartDate, c.start);
    }
    ComRef<IAppointment>(AppointmentFromOid(series))->Delete();
}

TEST_F(Dispatcher, AnAppointmentDeleteTakesTheSeriesOrTheRowsDay)
{
    CEOID single = AddAppointment(L"한 번", L"2026-03-04", L"09:00", L"09:30");
    CEOID series = AddAppointment(L"되풀이", L"2026-03-03", L"14:00", L"15:00", 3);
    ShowScheduleMonthOf(L"2026-03-01");

    ASSERT_TRUE(SelectScheduleRow(single, L"2026-03-04"));
    boxwatch::SeenBox box = SendAnswering(ID_APPOINTMENT_DELETE, IDNO);
    EXPECT_EQ(box.text, L"일정 자료를 삭제 하시겠습니까?");
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_TRUE(AppointmentFromOid(single));
    SendAnswering(ID_APPOINTMENT_DELETE, IDYES);
    EXPECT_FALSE(AppointmentFromOid(single));
    EXPECT_FALSE(SelectScheduleRow(single, L"2026-03-04"));
    EXPECT_EQ(GetFocus(), ScheduleList);

    // No: only the occurrence of the row's day goes.
    ASSERT_TRUE(SelectScheduleRow(series, L"2026-03-10"));
    box = SendAnswering(ID_APPOINTMENT_DELETE, IDNO);
    EXPECT_EQ(box.text, L"되풀이 일정의 모든 일정을 삭제 하시겠습니까?");
    EXPECT_EQ(box.defaultButton, IDCANCEL);
    EXPECT_TRUE(AppointmentFromOid(series));
    EXPECT_FALSE(SelectScheduleRow(series, L"2026-03-10"));
    EXPECT_TRUE(SelectScheduleRow(series, L"2026-03-17"));
    EXPECT_TRUE(SelectScheduleRow(series, L"2026-03-03"));

    SendAnswering(ID_APPOINTMENT_DELETE, IDCANCEL);
    EXPECT_TRUE(AppointmentFromOid(series));
    SendAnswering(ID_APPOINTMENT_DELETE, IDYES);
    EXPECT_FALSE(AppointmentFromOid(series));
    EXPECT_FALSE(SelectScheduleRow(series, L"2026-03-17"));
}

TEST_F(Dispatcher, AnniversaryRowsAndGoneAppointmentsOpenNoEditor)
{
    CEOID gone = AddAppointment(L"곧 사라짐", L"2026-03-05", L"08:00", L"09:00");
    ShowScheduleMonthOf(L"2026-03-01");
    ASSERT_TRUE(SelectScheduleRow(gone, L"2026-03-05"));

    // A row that mirrors an anniversary or holiday.
    SelectedAnniversaryId = 7;
    const std::pair<UINT, const wchar_t*> notices[] = {
        {ID_APPOINTMENT_EDIT, L"일정 자료중 기념일은 수정할 수 없습니다"},
        {ID_APPOINTMENT_DELETE, L"일정 자료중 기념일은 삭제할 수 없습니다"},
        {ID_APPOINTMENT_SHOW_OUTLOOK, L"일정 자료중 기념일/공휴일은 아웃룩 보기를 할 수 없습니다"},
    };
    for (const auto& [command, text] : notices) {
        boxwatch::SeenBox box = SendAnswering(command, IDOK);
        EXPECT_EQ(box.caption, kNotice);
        EXPECT_EQ(box.text, text);
    }
    SelectedAnniversaryId = 0;

    ComRef<IAppointment> item = AppointmentFromOid(gone);
    ASSERT_EQ(item->Delete(), S_OK);
    item.Reset();
    boxwatch::SeenBox box = SendAnswering(ID_APPOINTMENT_EDIT, IDOK);
    EXPECT_EQ(box.text, L"선택한 자료를 찾을 수 없습니다");
    EXPECT_THAT(EditorRuns(), IsEmpty());
    EXPECT_FALSE(SelectScheduleRow(gone, L"2026-03-05"));
}

TEST_F(Dispatcher, TheScheduleDetailShowsTheRowsOccurrence)
{
    CEOID series = AddAppointment(L"미리보기 회의", L"2026-03-02", L"10:00", L"11:30", 2);
    {
        ComRef<IAppointment> item = AppointmentFromOid(series);
        item->put_Location(poomclient::Text(L"본사 3층"));
        item->put_ReminderSet(VARIANT_TRUE);
        item->put_ReminderMinutesBeforeStart(10);
        ASSERT_EQ(item->Save(), S_OK);
    }
    ShowScheduleMonthOf(L"2026-03-01");
    ASSERT_TRUE(SelectScheduleRow(series, L"2026-03-09"));
    Send(ID_SCHEDULE_DETAIL);
    EXPECT_EQ(DetailMode[kScheduleDetail], 'V');
    EXPECT_EQ(testkit::WindowText(DetailTitleLabel), L"미리보기 회의");
    EXPECT_EQ(testkit::WindowText(DetailSubtitleLabel), L"2026-03-09 10:00 ~ 2026-03-09 11:30");
    EXPECT_EQ(testkit::WindowText(DetailLine3), L"본사 3층");
    EXPECT_TRUE(IsWindowVisible(DetailButtonA)) << "reminder";
    EXPECT_TRUE(IsWindowVisible(DetailButtonB)) << "repeats";
    EXPECT_TRUE(IsWindowVisible(DetailInk));
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    testkit::SaveScreenshot(testkit::CaptureWindow(MainWindow), L"schedule_detail");

    // A step to the row before shows that row's day.
    Send(ID_SCHEDULE_PREVIOUS_ROW);
    EXPECT_EQ(testkit::WindowText(DetailSubtitleLabel), L"2026-03-02 10:00 ~ 2026-03-02 11:30");

    // Gone meanwhile: the panes are emptied, not left on it.
    ComRef<IAppointment>(AppointmentFromOid(series))->Delete();
    Send(ID_SCHEDULE_NEXT_ROW);
    EXPECT_EQ(testkit::WindowText(DetailTitleLabel), L"");
    EXPECT_FALSE(IsWindowVisible(DetailInk));

    Send(ID_SCHEDULE_BACK);
    EXPECT_EQ(DetailMode[kScheduleDetail], 'M');
    EXPECT_FALSE(IsWindowVisible(DetailTitleLabel));
}

// ---- memos -----------------------------------------------------------------------------

TEST_F(Dispatcher, AMemoDeleteSignalsTheTodayItemOnlyWhenItWent)
{
    const wchar_t* signal = L"\\Windows\\Quillon2.qmk";
    DeleteFileW(signal);
    memos.ids = {11, 12, 13};
    ShowView(kMemoView, 2);
    ASSERT_EQ(SelectedMemoId, 13);

    boxwatch::SeenBox box = SendAnswering(ID_MEMO_DELETE, IDNO);
    EXPECT_EQ(box.text, L"메모 자료를 삭제 하시겠습니까?");
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_FALSE(testkit::FileExists(signal));

    // A delete that failed is reported; no signal, the row stays.
    failNextDelete = true;
    std::vector<boxwatch::SeenBox> boxes = SendAnsweringBoxes(ID_MEMO_DELETE, {IDYES, IDOK});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].text.find(L"Line="), std::wstring::npos) << boxes[1].text;
    EXPECT_FALSE(testkit::FileExists(signal));
    EXPECT_EQ(ListView_GetItemCount(MemoList), 3);

    SendAnswering(ID_MEMO_DELETE, IDYES);
    EXPECT_THAT(memos.ids, ElementsAre(11, 12));
    EXPECT_TRUE(testkit::FileExists(signal));
    EXPECT_EQ(SelectedRow(MemoList), 1);
    EXPECT_EQ(SelectedMemoId, 12);
    EXPECT_THAT(StandInCalls(), testing::Contains("DeleteNoteRecord 13"));
    DeleteFileW(signal);

    // With the Notes files as memos, the selected file goes.
    Settings.MemoSource = 2;
    SendAnswering(ID_MEMO_DELETE, IDYES);
    EXPECT_THAT(memos.ids, ElementsAre(11));
    EXPECT_THAT(StandInCalls(), testing::Contains("DeleteNoteFile 12"));
    EXPECT_TRUE(testkit::FileExists(signal));
    DeleteFileW(signal);
}

// ---- anniversaries -------------------------------------------------------------------------

TEST_F(Dispatcher, HolidaysCannotBeAddedChangedOrDeleted)
{
    anniversaries.ids = {1, 2};
    lstrcpyW(AnniversaryKindChoice, kHolidayKind);
    ShowView(kAnniversaryView);
    const std::pair<UINT, const wchar_t*> cases[] = {
        {ID_ANNIVERSARY_NEW, L"기념일 자료중 공휴일은 등록할 수 없습니다"},
        {ID_ANNIVERSARY_EDIT, L"기념일 자료중 공휴일은 수정할 수 없습니다"},
        {ID_ANNIVERSARY_DELETE, L"기념일 자료중 공휴일은 삭제할 수 없습니다"},
    };
    for (const auto& [command, text] : cases) {
        boxwatch::SeenBox box = SendAnswering(command, IDOK);
        EXPECT_EQ(box.caption, kNotice);
        EXPECT_EQ(box.text, text);
    }
    EXPECT_THAT(EditorRuns(), IsEmpty());
    EXPECT_THAT(anniversaries.ids, ElementsAre(1, 2));
}

TEST_F(Dispatcher, AnAnniversaryDeleteDefaultsToYes)
{
    anniversaries.ids = {1, 2, 3};
    lstrcpyW(AnniversaryKindChoice, kBirthdayKind);
    ShowView(kAnniversaryView, 2);
    boxwatch::SeenBox box = SendAnswering(ID_ANNIVERSARY_DELETE, IDYES);
    EXPECT_EQ(box.text, L"기념일 자료를 삭제 하시겠습니까?");
    EXPECT_EQ(box.defaultButton, IDYES);
    EXPECT_THAT(anniversaries.ids, ElementsAre(1, 2));
    EXPECT_EQ(SelectedRow(AnniversaryList), 1);

    Send(ID_ANNIVERSARY_EDIT);
    ASSERT_EQ(EditorRuns().size(), 1u);
    EXPECT_EQ(EditorRuns()[0].editMode, L'U');
    EXPECT_EQ(EditorRuns()[0].dialogId, IDD_ANNIVERSARY_EDITOR);
}

TEST_F(Dispatcher, YearStepsStopAtTheCalendarsBoundsAndAtTheHolidaysYears)
{
    anniversaries.ids = {1};
    lstrcpyW(AnniversaryKindChoice, kBirthdayKind);
    ShowView(kAnniversaryView);
    struct Case {
        int year;
        UINT command;
        int expectedYear;
        const wchar_t* notice;  // null: none
    };
    const Case cases[] = {
        {2000, ID_ANNIVERSARY_NEXT_YEAR, 2001, nullptr},
        {2000, ID_ANNIVERSARY_PREVIOUS_YEAR, 1999, nullptr},
        {2050, ID_ANNIVERSARY_NEXT_YEAR, 2050, L"최대 2050년도까지만 지원합니다"},
        {1841, ID_ANNIVERSARY_PREVIOUS_YEAR, 1841, L"최소 1841년도까지만 지원합니다"},
        {1842, ID_ANNIVERSARY_PREVIOUS_YEAR, 1841, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        AnniversaryYear = c.year;
        boxwatch::SeenBox box = SendAnswering(c.command, IDOK);
        EXPECT_EQ(AnniversaryYear, c.expectedYear);
        EXPECT_EQ(box.seen, c.notice != nullptr);
        if (c.notice) {
            EXPECT_EQ(box.text, c.notice);
        }
    }

    // The holidays are listed for 1990-2030 only: a step out of them is
    // taken back, the list filled again for the year kept.
    lstrcpyW(AnniversaryKindChoice, kHolidayKind);
    firstHolidayYear = 1990;
    lastHolidayYear = 2030;
    AnniversaryYear = 2030;
    boxwatch::SeenBox box = SendAnswering(ID_ANNIVERSARY_NEXT_YEAR, IDOK);
    EXPECT_EQ(box.text, L"공휴일 자료는 최대 2030년도까지만 지원합니다");
    EXPECT_EQ(AnniversaryYear, 2030);
    EXPECT_EQ(ListView_GetItemCount(AnniversaryList), 1);
    AnniversaryYear = 1990;
    box = SendAnswering(ID_ANNIVERSARY_PREVIOUS_YEAR, IDOK);
    EXPECT_EQ(box.text, L"공휴일 자료는 최소 1990년도까지만 지원합니다");
    EXPECT_EQ(AnniversaryYear, 1990);
}

// ---- contacts ----------------------------------------------------------------------------

TEST_F(Dispatcher, ContactsDialTheirNumbersFallingBackToHome)
{
    CEOID both = AddContact(L"가", L"나", L"010-1111-2222", L"02-333-4444", L"031-555", L"ga@example.com");
    CEOID homeOnly = AddContact(L"가", L"다", L"", L"", L"(032) 777-8888");
    ASSERT_NE(both, 0u);
    ASSERT_NE(homeOnly, 0u);
    ShowContactViewAt(0);

    struct Case {
        CEOID contact;
        UINT command;
        const wchar_t* number;  // null: nothing dialled
    };
    const Case cases[] = {
        {both, ID_CONTACT_DIAL_MOBILE, L"01011112222"},   {both, ID_CONTACT_DIAL_MAIN, L"023334444"},
        {both, ID_CONTACT_DIAL_BUSINESS, L"023334444"},   {both, ID_CONTACT_DIAL_HOME, L"031555"},
        {homeOnly, ID_CONTACT_DIAL_MAIN, L"0327778888"}, {homeOnly, ID_CONTACT_DIAL_MOBILE, nullptr},
        {homeOnly, ID_CONTACT_DIAL_BUSINESS, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SelectedContactOid = c.contact;
        size_t before = DialledNumbers().size();
        Send(c.command);
        if (!c.number) {
            EXPECT_EQ(DialledNumbers().size(), before);
            continue;
        }
        ASSERT_EQ(DialledNumbers().size(), before + 1);
        EXPECT_EQ(DialledNumbers().back().number, c.number);
        EXPECT_EQ(DialledNumbers().back().name, c.contact == both ? L"가나" : L"가다");
    }
    EXPECT_STREQ(ContactDialInfo.PreviewEmail, L"");  // the last read was the second contact

    // A contact gone meanwhile leaves nobody to dial.
    SelectedContactOid = both;
    Send(ID_CONTACT_DIAL_MOBILE);
    ComRef<IContact> contact = ContactFromOid(both);
    ASSERT_EQ(contact->Delete(), S_OK);
    contact.Reset();
    size_t before = DialledNumbers().size();
    Send(ID_CONTACT_DIAL_MOBILE);
    EXPECT_EQ(DialledNumbers().size(), before);
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"");
    ComRef<IContact> other = ContactFromOid(homeOnly);
    other->Delete();
}

TEST_F(Dispatcher, TheCardLinksNewItemsToItsContactUntilItCloses)
{
    CEOID owner = AddContact(L"박", L"카드");
    CEOID other = AddContact(L"최", L"다른");
    ShowContactViewAt(0);
    SelectedContactOid = owner;
    ContactCardPanel = kCardTasks;
    cardTasks.ids = {static_cast<long>(AddTask(L"카드 작업"))};
    Send(ID_CONTACT_CARD_OPEN);
    EXPECT_EQ(AssigneeOid, owner);
    EXPECT_STREQ(AssigneeName, L"박카드");
    EXPECT_EQ(LinkedContactOid, owner);
    EXPECT_TRUE(IsWindowVisible(CardPanelList(kCardTasks)));
    EXPECT_EQ(cardTasks.loads, 1);
    EXPECT_EQ(GetFocus(), CardPanelList(kCardTasks));

    // Another contact's form loaded meanwhile leaves the card's name alone.
    ASSERT_TRUE(LoadContactForm(other));
    Send(ID_TASK_NEW);
    ASSERT_EQ(EditorRuns().size(), 1u);
    EXPECT_EQ(EditorRuns()[0].assignee, owner);
    EXPECT_EQ(EditorRuns()[0].assigneeName, L"박카드");
    EXPECT_EQ(EditorRuns()[0].contactName.substr(0, 1), L"최");  // the form holds the other one

    // An update of a card's task keeps the link for the next new item.
    Send(ID_TASK_EDIT);
    EXPECT_EQ(AssigneeOid, owner);

    Send(ID_CONTACT_CARD_CLOSE);
    EXPECT_EQ(AssigneeOid, 0u);
    EXPECT_STREQ(AssigneeName, L"");
    EXPECT_FALSE(IsWindowVisible(CardPanelList(kCardTasks)));
    EXPECT_EQ(GetFocus(), ContactList);
    Send(ID_TASK_NEW);
    EXPECT_EQ(EditorRuns().back().assignee, 0u);
    ContactFromOid(owner)->Delete();
    ContactFromOid(other)->Delete();
}

TEST_F(Dispatcher, ACardsMemoDeleteActsOnTheCardsList)
{
    CEOID owner = AddContact(L"윤", L"메모");
    ShowContactViewAt(0);
    SelectedContactOid = owner;
    ContactCardPanel = kCardMemos;
    cardMemos.ids = {21, 22};
    Send(ID_CONTACT_CARD_OPEN);
    ListView_SetItemState(CardPanelList(kCardMemos), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ASSERT_EQ(SelectedMemoId, 22);
    SendAnswering(ID_MEMO_DELETE, IDYES);
    EXPECT_THAT(cardMemos.ids, ElementsAre(21));
    EXPECT_EQ(CardPanelSelection[kCardMemos], 0);
    EXPECT_EQ(ViewStale[kMemoView], 1);
    DeleteFileW(L"\\Windows\\Quillon2.qmk");
    ContactFromOid(owner)->Delete();
}

TEST_F(Dispatcher, AContactDeleteNamesItAndDefaultsToYes)
{
    CEOID first = AddContact(L"강", L"하나");
    CEOID second = AddContact(L"강", L"둘");
    ShowContactViewAt(0);
    int rows = ListView_GetItemCount(ContactList);
    ASSERT_GE(rows, 2);
    // The selected row's contact, whichever the list shows first.
    CEOID selected = SelectedContactOid;
    ASSERT_TRUE(selected == first || selected == second);
    wchar_t name[64];
    ReadContactDisplayName(selected, name, ARRAYSIZE(name));

    boxwatch::SeenBox box = SendAnswering(ID_CONTACT_DELETE, IDNO);
    EXPECT_NE(box.text.find(L"연락처(" + std::wstring(name) + L")"), std::wstring::npos) << box.text;
    EXPECT_EQ(box.defaultButton, IDYES);
    EXPECT_TRUE(ContactFromOid(selected));

    SendAnswering(ID_CONTACT_DELETE, IDYES);
    EXPECT_FALSE(ContactFromOid(selected));
    EXPECT_EQ(ListView_GetItemCount(ContactList), rows - 1);
    EXPECT_EQ(SelectedRow(ContactList), 0);
    EXPECT_NE(SelectedContactOid, selected);
    ContactFromOid(selected == first ? second : first)->Delete();
}

TEST_F(Dispatcher, PagingStepsThirteenRowsAndStopsAtTheEnds)
{
    std::vector<CEOID> made;
    for (int i = 0; i < 20; ++i)
        made.push_back(AddContact(L"페", (L"이지" + std::to_wstring(100 + i)).c_str()));
    ShowContactViewAt(0);
    int rows = ListView_GetItemCount(ContactList);
    ASSERT_GE(rows, 20);
    const std::pair<UINT, int> steps[] = {
        {ID_CONTACT_PAGE_DOWN, 13}, {ID_CONTACT_PAGE_DOWN, rows - 1}, {ID_CONTACT_PAGE_UP, rows - 14},
        {ID_CONTACT_PAGE_UP, std::max(0, rows - 27)}, {ID_CONTACT_PAGE_UP, 0}};
    for (const auto& [command, row] : steps) {
        Send(command);
        EXPECT_EQ(SelectedRow(ContactList), row);
        EXPECT_EQ(ViewSelection[kContactView], row);
    }
    EXPECT_EQ(GetFocus(), ContactList);
    for (CEOID oid : made)
        ContactFromOid(oid)->Delete();
    ReloadContactsCache();
}

TEST_F(Dispatcher, TheCardsContactSeenOnScreen)
{
    CEOID owner = AddContact(L"정", L"화면", L"010-2222-3333", L"02-444-5555", L"", L"view@example.com");
    ShowContactViewAt(0);
    SelectedContactOid = owner;
    ContactCardPanel = kCardTasks;
    cardTasks.ids = {};
    Send(ID_CONTACT_CARD_OPEN);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    testkit::SaveScreenshot(testkit::CaptureWindow(MainWindow), L"contact_card");
    EXPECT_EQ(testkit::WindowText(CardLines[0]), L"정화면");
    ContactFromOid(owner)->Delete();
}

}  // namespace
}  // namespace commandstest
