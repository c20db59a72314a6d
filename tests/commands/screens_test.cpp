// The screens a person sees of a filled diary: a dozen contacts and a busy
// month of appointments, shown in the running main window's contact list
// and month schedule and saved as "screen-contacts" and "screen-month" (the
// README's pictures are these).
#include "core/outlook_items.h"
#include "core/outlook_probes.h"
#include "lists/contacts_cache.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"
#include "tests/support/testkit.h"
#include "tests/views/main_window_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct ContactRow {
    const wchar_t* last;
    const wchar_t* first;
    const wchar_t* company;
    const wchar_t* mobile;
    const wchar_t* business;
};
const ContactRow kContacts[] = {
    {L"김", L"민준", L"한빛상사", L"010-2345-6789", L"02-555-1234"},
    {L"이", L"서연", L"", L"010-3456-7890", L""},
    {L"박", L"지훈", L"새솔건설", L"", L"031-702-4455"},
    {L"최", L"수아", L"", L"010-5678-9012", L""},
    {L"정", L"도윤", L"푸른약국", L"010-6789-0123", L"02-333-8080"},
    {L"강", L"하은", L"", L"010-7890-1234", L""},
    {L"조", L"예준", L"", L"", L"051-744-2020"},
    {L"윤", L"지우", L"한빛상사", L"010-9012-3456", L""},
    {L"장", L"시우", L"", L"010-1357-2468", L""},
    {L"임", L"채원", L"별빛학원", L"010-2468-1357", L"032-811-0909"},
    {L"한", L"주원", L"", L"010-8642-9753", L""},
    {L"오", L"서윤", L"", L"010-9753-8642", L""},
};

struct AppointmentRow {
    int day;
    int hour, minute;
    int minutes;
    const wchar_t* subject;
    const wchar_t* location;
};
const AppointmentRow kAppointments[] = {
    {1, 9, 0, 60, L"주간 회의", L"3층 회의실"},       {2, 12, 0, 90, L"점심 약속", L"광화문"},
    {3, 19, 0, 120, L"동창 모임", L"종로"},           {5, 10, 30, 60, L"치과 예약", L"푸른치과"},
    {7, 14, 0, 60, L"거래처 방문", L"한빛상사"},      {8, 9, 0, 60, L"주간 회의", L"3층 회의실"},
    {9, 18, 30, 90, L"요가", L"문화센터"},            {11, 15, 0, 60, L"신제품 발표", L"대강당"},
    {11, 19, 0, 120, L"가족 저녁", L"집"},            {14, 10, 0, 60, L"은행 업무", L"국민은행"},
    {15, 9, 0, 60, L"주간 회의", L"3층 회의실"},      {17, 13, 0, 120, L"교육 세미나", L"본사 교육장"},
    {18, 20, 0, 60, L"친구 생일", L"강남역"},         {21, 11, 0, 60, L"자동차 점검", L"정비소"},
    {22, 9, 0, 60, L"주간 회의", L"3층 회의실"},      {24, 18, 0, 180, L"성탄 전야 모임", L"교회"},
    {26, 10, 0, 240, L"등산", L"북한산"},             {29, 9, 0, 60, L"주간 회의", L"3층 회의실"},
    {30, 16, 0, 60, L"연말 정산 상담", L"세무서"},    {31, 19, 0, 180, L"송년회", L"여의도"},
};

void SaveContact(const ContactRow& row)
{
    ComRef<IContact> contact = NewContactItem();
    ASSERT_TRUE(contact);
    contact->put_LastName(TextArg(row.last));
    contact->put_FirstName(TextArg(row.first));
    if (*row.company)
        contact->put_CompanyName(TextArg(row.company));
    if (*row.mobile)
        contact->put_MobileTelephoneNumber(TextArg(row.mobile));
    if (*row.business)
        contact->put_BusinessTelephoneNumber(TextArg(row.business));
    EXPECT_EQ(contact->Save(), S_OK);
}

void SaveAppointment(int year, int month, const AppointmentRow& row)
{
    ComRef<IAppointment> appointment = NewAppointmentItem();
    ASSERT_TRUE(appointment);
    wchar_t date[16];
    wchar_t time[8];
    _snwprintf(date, 16, L"%04d-%02d-%02d", year, month, row.day);
    _snwprintf(time, 8, L"%02d:%02d", row.hour, row.minute);
    DATE start = 0;
    ASSERT_TRUE(VariantDateOf(date, time, &start));
    appointment->put_Subject(TextArg(row.subject));
    appointment->put_Location(TextArg(row.location));
    appointment->put_Start(start);
    appointment->put_End(start + row.minutes / (24.0 * 60));
    EXPECT_EQ(appointment->Save(), S_OK);
}

testkit::Image Shot(const wchar_t* name)
{
    RedrawWindow(MainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testkit::PumpFor(300);
    testkit::Image screen = testkit::CaptureScreen();
    testkit::SaveScreenshot(screen, name);
    return screen;
}

TEST(FilledDiaryScreens, TheContactListAndTheMonthScheduleOfABusyMonth)
{
    ASSERT_NE(views::EnsureMainWindow(), nullptr);
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    for (const ContactRow& row : kContacts)
        SaveContact(row);
    for (const AppointmentRow& row : kAppointments)
        SaveAppointment(today.wYear, today.wMonth, row);
    MarkContactsDatabaseSeen();
    MarkAppointmentsDatabaseSeen();
    ReloadContactsCache();
    for (BYTE& stale : ViewStale)
        stale = 1;

    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
    testkit::PumpPending();
    EXPECT_EQ(testkit::ListViewCount(ContactList), static_cast<int>(std::size(kContacts)));
    Shot(L"screen-contacts");

    SendMessageW(MainWindow, WM_COMMAND, IDC_SCHEDULE_VIEW_TAB, 0);
    testkit::PumpPending();
    ScheduleMode = 'M';
    _snwprintf(CurrentDate, kDateTextChars, L"%04d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
    ScheduleCacheKey[0] = L'\0';
    SendItemCommand(ID_SCHEDULE_MONTH_MODE);
    testkit::PumpPending();
    // Every appointment of the month has its row; the month's holidays may
    // add more.
    EXPECT_GE(testkit::ListViewCount(ScheduleList), static_cast<int>(std::size(kAppointments)));
    Shot(L"screen-month");
}

}  // namespace
