#include "tests/schedule/schedule_fixture.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "lists/schedule_cache.h"
#include "mainwindow/state.h"
#include "tests/startup/volume_probe.h"

#include <commctrl.h>

namespace scheduletest {

namespace {

constexpr wchar_t kDiaryVolumePath[] = L"\\pim.vol";

}  // namespace

void ScheduleTest::SetUp()
{
    PoomTest::SetUp();
    host_ = testkit::CreateTestWindow(false);
    savedOsMajorVersion_ = OsMajorVersion;
}

void ScheduleTest::TearDown()
{
    OsMajorVersion = savedOsMajorVersion_;
    ResetScheduleTables();
    probe::UnmountVolume();
    OutlookApp = nullptr;
    if (host_)
        DestroyWindow(host_);
    PoomTest::TearDown();
}

void ScheduleTest::Pose(int major)
{
    ResetScheduleTables();
    probe::UnmountVolume();
    PoseAsVersion(major);
    OsMajorVersion = static_cast<DWORD>(major);  // as the program reads it at start-up
    ASSERT_TRUE(probe::MountVolume(kDiaryVolumePath, false));
    CreatePlanLinkDatabase();
    CreateHolidayDatabase();
    CreateAnniversaryDatabase();
    CreateAnniversaryTextDatabase();
    OutlookApp = app_.Get();
}

CEOID ScheduleTest::OidOf(IAppointment* item)
{
    long oid = 0;
    item->get_Oid(&oid);
    return static_cast<CEOID>(oid);
}

CEOID ScheduleTest::Timed(const wchar_t* subject, DATE start, DATE end, const wchar_t* location)
{
    Ref<IAppointment> item = NewAppointment();
    item->put_Subject(Text(subject));
    item->put_Location(Text(location));
    item->put_Start(start);
    item->put_End(end);
    EXPECT_EQ(item->Save(), S_OK);
    return OidOf(item.Get());
}

CEOID ScheduleTest::AllDay(const wchar_t* subject, int year, int month, int firstDay, int days, const wchar_t* location)
{
    Ref<IAppointment> item = NewAppointment();
    item->put_Subject(Text(subject));
    item->put_Location(Text(location));
    item->put_AllDayEvent(VARIANT_TRUE);
    item->put_Start(Date(year, month, firstDay));
    item->put_End(Date(year, month, firstDay) + days);
    EXPECT_EQ(item->Save(), S_OK);
    return OidOf(item.Get());
}

Ref<IAppointment> ScheduleTest::Series(const wchar_t* subject, DATE start, DATE end, long type, long dayMask,
                                       long dayOfMonth)
{
    Ref<IAppointment> series = NewAppointment();
    series->put_Subject(Text(subject));
    series->put_Start(start);
    series->put_End(end);
    Ref<IRecurrencePattern> pattern;
    series->GetRecurrencePattern(pattern.Out());
    pattern->put_RecurrenceType(type);
    pattern->put_PatternStartDate(static_cast<DATE>(static_cast<long>(start)));
    if (dayMask)
        pattern->put_DayOfWeekMask(dayMask);
    if (dayOfMonth)
        pattern->put_DayOfMonth(dayOfMonth);
    pattern->put_Interval(1);
    pattern->put_NoEndDate(VARIANT_TRUE);
    EXPECT_EQ(series->Save(), S_OK);
    return series;
}

void ScheduleTest::MoveOccurrence(IAppointment* series, DATE from, DATE to, DATE toEnd)
{
    Ref<IRecurrencePattern> pattern;
    series->GetRecurrencePattern(pattern.Out());
    Ref<IAppointment> occurrence;
    ASSERT_EQ(pattern->GetOccurrence(from, occurrence.Out()), S_OK);
    occurrence->put_Start(to);
    occurrence->put_End(toEnd);
    ASSERT_EQ(occurrence->Save(), S_OK);
}

void ScheduleTest::DeleteOccurrence(IAppointment* series, DATE at)
{
    Ref<IRecurrencePattern> pattern;
    series->GetRecurrencePattern(pattern.Out());
    Ref<IAppointment> occurrence;
    ASSERT_EQ(pattern->GetOccurrence(at, occurrence.Out()), S_OK);
    ASSERT_EQ(occurrence->Delete(), S_OK);
}

CEOID ScheduleTest::ContactNamed(const wchar_t* last, const wchar_t* first)
{
    Ref<IContact> contact = NewContact();
    contact->put_LastName(Text(last));
    contact->put_FirstName(Text(first));
    EXPECT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    return static_cast<CEOID>(oid);
}

HWND ScheduleTest::NewList(int columns)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                                3, 34, 234, 105, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = i < 2 ? 100 : 0;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

}  // namespace scheduletest
