// The item detail pop-up of each kind of row, reached by a tap on the row's
// text: title, lines, the body on its page, the memo layout, the Notes file
// failures, one dialog and one page however often it opens, and its edit
// and delete requests (also after the rows were rebuilt).
#include "tests/popups/popup_fixture.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "tests/support/box_watch.h"
#include "tests/today/new_items.h"
#include "today/detail_popup.h"
#include "today/resource.h"
#include "today/schedule_queries.h"

namespace {

using namespace popuptest;
using todaytest::Ascii;
using todaytest::Date;
using todaytest::Hex;
using todaytest::operator+;
using todaytest::Repeat;

Bytes NotesBody(const std::wstring& text)
{
    DWORD size = 0;
    BYTE* body = InkBodyCreate(text.c_str(), static_cast<DWORD>(text.size()), nullptr, 0, &size);
    Bytes bytes(body, body + size);
    LocalFree(body);
    return bytes;
}

struct DetailShown {
    std::wstring title, subject, second, third, page;
    bool datesShown;
};

class DetailTest : public PopupTest {
protected:
    DetailShown Opened(int entry)
    {
        ShowItemDetailDialog(entry);
        EXPECT_TRUE(Shown(kPopupDetail));
        return DetailShown{Title(kPopupDetail), Text(kPopupDetail, IDC_DETAIL_SUBJECT), Text(kPopupDetail, IDC_DETAIL_SECOND),
                     Text(kPopupDetail, IDC_DETAIL_THIRD), PageText(), ControlShown(kPopupDetail, IDC_DETAIL_SECOND)};
    }
    // A window of the pop-up in the pop-up's client coordinates.
    RECT InPopup(HWND window)
    {
        RECT rect = testkit::ScreenRect(window);
        MapWindowPoints(nullptr, Popup(kPopupDetail), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    RECT ControlRect(int id) { return InPopup(GetDlgItem(Popup(kPopupDetail), id)); }
    CEOID AddAppointmentAt(const wchar_t* subject, DATE start, DATE end, bool allDay, const wchar_t* location,
                           const wchar_t* body)
    {
        IAppointment* appointment = todaytest::NewItem<IAppointment>(olAppointmentItem, IID_IAppointment);
        appointment->put_Subject(poomclient::Text(subject));
        appointment->put_AllDayEvent(allDay ? VARIANT_TRUE : VARIANT_FALSE);
        appointment->put_Start(start);
        appointment->put_End(end);
        appointment->put_ReminderSet(VARIANT_FALSE);
        appointment->put_Location(poomclient::Text(location));
        appointment->put_Body(poomclient::Text(body));
        return todaytest::SaveAndRelease(appointment);
    }
    // A daily meeting whose third day has a body of its own.
    void AddMeetingsWithAnException()
    {
        const CEOID series = AddDailyAppointment(L"회의", Date(2024, 5, 7, 14, 0), 60, 5);
        IDispatch* dispatch = nullptr;
        ASSERT_TRUE(SUCCEEDED(OutlookApp->GetItemFromOid(static_cast<long>(series), &dispatch)));
        IAppointment* appointment = nullptr;
        dispatch->QueryInterface(IID_IAppointment, reinterpret_cast<void**>(&appointment));
        dispatch->Release();
        appointment->put_Body(poomclient::Text(L"매일 회의"));
        appointment->put_Location(poomclient::Text(L"회의실"));
        ASSERT_EQ(appointment->Save(), S_OK);
        IRecurrencePattern* pattern = nullptr;
        ASSERT_EQ(appointment->GetRecurrencePattern(&pattern), S_OK);
        IAppointment* third = nullptr;
        ASSERT_EQ(pattern->GetOccurrence(Date(2024, 5, 9, 14, 0), &third), S_OK);
        third->put_Body(poomclient::Text(L"셋째 날 회의"));
        third->put_Location(poomclient::Text(L"대회의실"));
        ASSERT_EQ(third->Save(), S_OK);
        third->Release();
        pattern->Release();
        appointment->Release();
    }
};

TEST_F(DetailTest, ScheduleRowsOfEachKind)
{
    AddAppointmentAt(L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0), false, L"강남", L"스케일링");
    AddAppointmentAt(L"개교기념일", Date(2024, 5, 8), Date(2024, 5, 9), true, L"", L"");
    AddAppointmentAt(L"제주 여행", Date(2024, 5, 9), Date(2024, 5, 11), true, L"제주", L"");
    AddAppointmentAt(L"야간 작업", Date(2024, 5, 9, 22, 0), Date(2024, 5, 10, 2, 0), false, L"", L"서버 점검");
    AddMeetingsWithAnException();
    AddTask({L"보고서", Date(2024, 5, 5), Date(2024, 5, 8)});
    const CEOID birthday = AddAppointmentAt(L"생일", Date(2024, 5, 10), Date(2024, 5, 11), true, L"", L"");
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(10007, L"생일", L'1', L"1990-05-10", L'0', L'1', L'0', 0, time, L"1990", L"05", L"10",
                            birthday, L"");
    ShowSchedule(4);  // seven days

    struct Case {
        const wchar_t* subject;
        int occurrence;  // the n-th row of that subject
        DetailShown expected;
    };
    const Case cases[] = {
        {L"치과", 0, {L"■ 일정", L"치과", L"강남", L"2024-05-07 10:00", L"스케일링", true}},
        {L"개교기념일", 0, {L"■ 일정", L"개교기념일", L"", L"2024-05-08", L"", true}},
        {L"제주 여행", 0, {L"■ 일정", L"제주 여행", L"제주", L"2024-05-09 ~ 2024-05-10", L"", true}},
        {L"야간 작업", 0, {L"■ 일정", L"야간 작업", L"", L"2024-05-09 22:00 ~ 2024-05-10 02:00", L"서버 점검", true}},
        {L"회의", 1, {L"■ 일정", L"회의", L"회의실", L"2024-05-08 14:00", L"매일 회의", true}},
        {L"회의", 2, {L"■ 일정", L"회의", L"대회의실", L"2024-05-09 14:00", L"셋째 날 회의", true}},
        {L"보고서", 0, {L"■ 작업", L"보고서", L"시작: 2024-05-05", L"기한: 2024-05-08", L"", true}},
        {L"생일", 0, {L"■ 기념일", L"생일", L"", L"2024-05-10", L"", true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.subject)) + " " + std::to_string(c.occurrence));
        int entry = -1;
        for (int i = 0, seen = 0; i < ScheduleRowCount; ++i) {
            if (ScheduleRows[i].subject && std::wstring(ScheduleRows[i].subject) == c.subject && seen++ == c.occurrence) {
                entry = i;
                break;
            }
        }
        ASSERT_GE(entry, 0);
        const DetailShown shown = Opened(entry);
        EXPECT_EQ(shown.title, c.expected.title);
        EXPECT_EQ(shown.subject, c.expected.subject);
        EXPECT_EQ(shown.second, c.expected.second);
        EXPECT_EQ(shown.third, c.expected.third);
        EXPECT_EQ(shown.page, c.expected.page);
        EXPECT_TRUE(shown.datesShown);
    }
}

TEST_F(DetailTest, TaskLinesAreEmptyWithoutDates)
{
    AddTask({L"언젠가", Date(4501, 1, 1), Date(4501, 1, 1)});
    AddTask({L"마감만", Date(4501, 1, 1), Date(2024, 6, 1)});
    ShowTasks();
    DetailShown shown = Opened(EntryOf(L"언젠가"));
    EXPECT_EQ(shown.title, L"■ 작업");
    EXPECT_EQ(shown.second, L"");
    EXPECT_EQ(shown.third, L"");
    shown = Opened(EntryOf(L"마감만"));
    EXPECT_EQ(shown.second, L"");
    EXPECT_EQ(shown.third, L"기한: 2024-06-01");
}

TEST_F(DetailTest, OwnMemoAndNotesMemoInTheMemoLayout)
{
    ASSERT_TRUE(SetRichInkBody(nullptr, 0));
    const Bytes body = NotesBody(L"우유, 달걀");
    ASSERT_TRUE(SetRichInkBody(body.data(), static_cast<DWORD>(body.size())));
    wchar_t category[] = L"개인";
    InsertNoteRecord(10001, L"2024-05-07", category, L"장보기", 0);
    FreeRichInkBody();
    ShowMemos(1);
    DetailShown shown = Opened(EntryOf(L"장보기"));
    EXPECT_EQ(shown.title, L"■ 메모");
    EXPECT_EQ(shown.subject, L"장보기");
    EXPECT_EQ(shown.page, L"우유, 달걀");
    EXPECT_FALSE(shown.datesShown);
    EXPECT_FALSE(ControlShown(kPopupDetail, IDC_DETAIL_THIRD));
    EXPECT_FALSE(ControlShown(kPopupDetail, IDC_DETAIL_FOURTH));
    EXPECT_FALSE(ControlShown(kPopupDetail, IDC_DETAIL_FIFTH));
    RECT page = InPopup(DetailRichInk);
    EXPECT_EQ(page.top, 79 - 27);
    EXPECT_GE(page.top, ControlRect(IDC_DETAIL_SUBJECT).bottom);  // the subject stays in sight
    EXPECT_EQ(page.left, 9);
    EXPECT_EQ(page.bottom, 155);
    EXPECT_EQ(GetWindowLongW(DetailRichInk, GWL_STYLE) & WS_BORDER, 0);
    testkit::TypeText(DetailRichInk, L"x");  // read-only
    EXPECT_EQ(PageText(), L"우유, 달걀");

    ASSERT_TRUE(testkit::WriteFileBytes(L"\\My Documents\\할 일.pwi", NotesBody(L"세탁소 들르기")));
    ShowMemos(2);
    shown = Opened(EntryOf(L"할 일"));
    EXPECT_EQ(shown.title, L"■ 메모");
    EXPECT_EQ(shown.page, L"세탁소 들르기");
    EXPECT_FALSE(shown.datesShown);

    // A schedule row after a memo has its lines and page back in place.
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    ShowSchedule(0);
    shown = Opened(EntryOf(L"치과"));
    EXPECT_TRUE(shown.datesShown);
    page = InPopup(DetailRichInk);
    EXPECT_EQ(page.top, 79);
    EXPECT_GE(page.top, ControlRect(IDC_DETAIL_THIRD).bottom);  // the date line stays in sight
}

TEST_F(DetailTest, NotesFilesThatCannotBeShown)
{
    const std::wstring folder = L"\\My Documents";
    ASSERT_TRUE(testkit::WriteFileBytes(folder + L"\\없어질.pwi", NotesBody(L"곧 지워짐")));
    ASSERT_TRUE(testkit::WriteFileBytes(folder + L"\\깨진.pwi", Bytes{'x', 'y', 'z'}));
    Bytes big = NotesBody(std::wstring(kLargestNotesFileBytes / 2, L'가'));
    ASSERT_GT(big.size(), kLargestNotesFileBytes);
    ASSERT_TRUE(testkit::WriteFileBytes(folder + L"\\큰.pwi", big));
    ShowMemos(2);
    ASSERT_TRUE(DeleteFileW((folder + L"\\없어질.pwi").c_str()));
    // A row whose folder and title make a path longer than MAX_PATH.
    TodayMemoRow& longRow = MemoRows[MemoRowCount++];
    longRow = TodayMemoRow();
    wcscpy(longRow.title, L"긴 경로");
    for (int i = 0; i < 21; ++i)
        wcscat(longRow.folder, L"\\folder-name");
    ASSERT_EQ(wcslen(longRow.folder), 252u);

    struct Case {
        const wchar_t* title;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"없어질", kNotesFileMissingText},
        {L"긴 경로", kNotesFileMissingText},
        {L"깨진", kNotesFileBrokenText},
        {L"큰", kNotesFileBrokenText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.title)));
        boxwatch::ArmForThisThread(IDOK);
        const DetailShown shown = Opened(EntryOf(c.title));
        const boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, L"오류");
        EXPECT_EQ(box.text, c.message);
        EXPECT_EQ(shown.subject, c.title);  // the pop-up opens all the same, empty
        EXPECT_EQ(shown.page, L"");
    }
}

TEST_F(DetailTest, OpenedTwiceItIsOneDialogWithOnePage)
{
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0), false, false, L"첫째"});
    AddAppointment({L"약속", Date(2024, 5, 7, 12, 0), Date(2024, 5, 7, 13, 0), false, true, L"둘째"});
    ShowSchedule(0);
    ShowItemDetailDialog(EntryOf(L"치과"));
    HWND first = Popup(kPopupDetail);
    HWND firstPage = DetailRichInk;
    ShowItemDetailDialog(EntryOf(L"약속"));
    EXPECT_EQ(Popup(kPopupDetail), first);
    EXPECT_NE(DetailRichInk, firstPage);
    EXPECT_FALSE(IsWindow(firstPage));
    EXPECT_EQ(PagesInDetail(), 1);
    EXPECT_EQ(PageText(), L"둘째");
    EXPECT_TRUE(CurrentRow.reminderSet);
}

TEST_F(DetailTest, TheRowsTextOpensItAndItsButtonsRequestAndHide)
{
    const CEOID dentist = AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    const CEOID task = AddTask({L"보고서", Date(2024, 5, 5), Date(2024, 5, 7)});
    ShowSchedule(0);
    const int before = MainProgramStarts();

    TapRow(EntryOf(L"치과"), kRowBody);
    ASSERT_TRUE(Shown(kPopupDetail));
    EXPECT_EQ(Text(kPopupDetail, IDC_DETAIL_SUBJECT), L"치과");
    // The rows are made again before the tap: the pop-up acts on its copy.
    AddAppointment({L"아침", Date(2024, 5, 7, 8, 0), Date(2024, 5, 7, 9, 0)});
    ShowSchedule(0);
    EXPECT_EQ(Hex(Requested([] { Press(kPopupDetail, IDC_DETAIL_EDIT); })),
              Hex(Ascii("2024-05-07") + ObjectId(dentist)));
    EXPECT_FALSE(Shown(kPopupDetail));

    TapRow(EntryOf(L"보고서"), kRowBody);
    FreeRowStrings();
    EXPECT_EQ(Hex(Requested([] { Press(kPopupDetail, IDC_DETAIL_DELETE); })),
              Hex(Bytes{'T'} + ObjectId(task) + Repeat(0, 11)));
    EXPECT_FALSE(Shown(kPopupDetail));

    ShowSchedule(0);
    TapRow(EntryOf(L"치과"), kRowBody);
    EXPECT_EQ(Requested([] { Press(kPopupDetail, IDC_DETAIL_CLOSE); }).size(), 0u);
    EXPECT_FALSE(Shown(kPopupDetail));
    EXPECT_EQ(WaitForMainProgramStarts(before + 2), before + 2);

    // The today line is no item: its text still opens the day.
    EXPECT_EQ(Hex(Requested([] { TapRow(0, kRowBody); })), Hex(Ascii("2024-05-07") + Bytes{0}));
    EXPECT_FALSE(Shown(kPopupDetail));
}

TEST_F(DetailTest, MemoAndAnniversaryRequests)
{
    wchar_t category[] = L" ";
    SetRichInkBody(nullptr, 0);
    InsertNoteRecord(10001, L"2024-05-07", category, L"장보기", 0);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\My Documents\\할 일.pwi", NotesBody(L"세탁소")));
    const CEOID birthday = AddAppointment({L"생일", Date(2024, 5, 7), Date(2024, 5, 8), true});
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(256, L"생일", L'1', L"1990-05-07", L'0', L'1', L'0', 0, time, L"1990", L"05", L"07",
                            birthday, L"");

    ShowMemos(1);
    TapRow(EntryOf(L"장보기"), kRowBody);
    EXPECT_EQ(Hex(Requested([] { Press(kPopupDetail, IDC_DETAIL_EDIT); })), Hex(Bytes{'N'} + ObjectId(10001)));
    ShowMemos(2);
    TapRow(EntryOf(L"할 일"), kRowBody);
    const Bytes path = Ascii("\\My Documents\\") + Bytes{0xC7, 0xD2, ' ', 0xC0, 0xCF} + Ascii(".pwi");
    EXPECT_EQ(Hex(Requested([] { Press(kPopupDetail, IDC_DETAIL_DELETE); })),
              Hex(path + Repeat(' ', 255 - path.size())));
    ShowSchedule(0);
    TapRow(EntryOf(L"생일"), kRowBody);
    EXPECT_EQ(Title(kPopupDetail), L"■ 기념일");
    EXPECT_EQ(Hex(Requested([] { Press(kPopupDetail, IDC_DETAIL_EDIT); })), Hex(Bytes{'M', 2, 2}));
}

}  // namespace
