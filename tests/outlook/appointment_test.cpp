// Appointments: properties, recipients, recurrence patterns, the reminder
// limits of Save, occurrences changed, moved and deleted inside their
// series' record, and what the calendar delivers with its recurrences.
#include "tests/outlook/poom_fixture.h"

using namespace poomtest;

namespace {

class AppointmentTest : public PoomTest {
protected:
    Ref<IAppointment> Saved(const wchar_t* subject, DATE start, DATE end)
    {
        Ref<IAppointment> appointment = NewAppointment();
        appointment->put_Subject(Text(subject));
        appointment->put_Start(start);
        appointment->put_End(end);
        EXPECT_EQ(appointment->Save(), S_OK);
        return appointment;
    }

    Ref<IAppointment> Reload(IAppointment* appointment)
    {
        long oid = 0;
        appointment->get_Oid(&oid);
        Ref<IAppointment> back;
        EXPECT_EQ(app_->GetItemFromOid(oid, back.AsDispatch()), S_OK);
        return back;
    }

    Ref<IAppointment> WeeklyOnMonday()
    {
        Ref<IAppointment> series = NewAppointment();
        series->put_Subject(Text(L"주간 회의"));
        series->put_Start(Date(2024, 1, 1, 9, 0));
        series->put_End(Date(2024, 1, 1, 10, 0));
        Ref<IRecurrencePattern> pattern;
        series->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_PatternStartDate(Date(2024, 1, 1));
        pattern->put_DayOfWeekMask(olMonday);
        pattern->put_NoEndDate(VARIANT_TRUE);
        pattern->put_Interval(1);
        EXPECT_EQ(series->Save(), S_OK);
        return series;
    }

    Ref<IAppointment> Occurrence(IAppointment* series, DATE start)
    {
        Ref<IRecurrencePattern> pattern;
        series->GetRecurrencePattern(pattern.Out());
        Ref<IAppointment> occurrence;
        pattern->GetOccurrence(start, occurrence.Out());
        return occurrence;
    }

    // "start subject" of each item of the month query with recurrences.
    std::wstring MonthOf(int year, int month)
    {
        Ref<IPOutlookItemCollection> items = Items(olFolderCalendar);
        items->put_IncludeRecurrences(VARIANT_TRUE);
        wchar_t query[128];
        int nextMonth = month == 12 ? 1 : month + 1;
        int nextYear = month == 12 ? year + 1 : year;
        _snwprintf(query, 128, L"[Start] <= \"%02d/06/%02d 23:59\" AND [End] >= \"%02d/01/%02d\"", nextMonth,
                   nextYear % 100, month, year % 100);
        query[127] = L'\0';
        Ref<IPOutlookItemCollection> restricted = Restricted(items.Get(), query);
        std::wstring result;
        for (int i = 1;; ++i) {
            Ref<IAppointment> item;
            if (restricted->Item(i, item.AsDispatch()) != S_OK)
                break;
            DATE start = 0;
            item->get_Start(&start);
            BSTR subject = nullptr;
            item->get_Subject(&subject);
            result += (result.empty() ? L"" : L" | ") + DateText(start) + L" " + Take(subject);
        }
        return result;
    }
};

TEST_F(AppointmentTest, PropertiesSurviveSave)
{
    Ref<IAppointment> appointment = NewAppointment();
    std::wstring longSubject(100, L'가');
    appointment->put_Subject(Text(longSubject));
    appointment->put_Location(Text(L"서울 본사 3층"));
    appointment->put_Categories(Text(L"업무"));
    appointment->put_Start(Date(2024, 3, 5, 14, 30));
    appointment->put_Duration(90);
    appointment->put_Sensitivity(olPrivate);
    appointment->put_BusyStatus(olTentative);
    appointment->put_ReminderSet(VARIANT_TRUE);
    appointment->put_ReminderMinutesBeforeStart(45);
    appointment->put_ReminderSoundFile(Text(L"\\Windows\\Alarm1.wav"));
    appointment->put_ReminderOptions(olSound | olDialog);
    appointment->put_Body(Text(L"준비물: 노트북"));
    Ref<IRecipients> recipients;
    appointment->get_Recipients(recipients.Out());
    Ref<IRecipient> recipient;
    ASSERT_EQ(recipients->Add(Text(L"박영희"), recipient.Out()), S_OK);
    recipient->put_Address(Text(L"young@example.kr"));
    ASSERT_EQ(appointment->Save(), S_OK);

    Ref<IAppointment> back = Reload(appointment.Get());
    BSTR text = nullptr;
    back->get_Subject(&text);
    EXPECT_EQ(Take(text), longSubject);
    back->get_Location(&text);
    EXPECT_EQ(Take(text), L"서울 본사 3층");
    back->get_Categories(&text);
    EXPECT_EQ(Take(text), L"업무");
    DATE start = 0, end = 0;
    back->get_Start(&start);
    back->get_End(&end);
    EXPECT_EQ(DateText(start), L"2024-03-05 14:30");
    EXPECT_EQ(DateText(end), L"2024-03-05 16:00");
    long value = 0;
    back->get_Duration(&value);
    EXPECT_EQ(value, 90);
    back->get_Sensitivity(&value);
    EXPECT_EQ(value, olPrivate);
    back->get_BusyStatus(&value);
    EXPECT_EQ(value, olTentative);
    VARIANT_BOOL flag = VARIANT_FALSE;
    back->get_ReminderSet(&flag);
    EXPECT_EQ(flag, VARIANT_TRUE);
    back->get_ReminderMinutesBeforeStart(&value);
    EXPECT_EQ(value, 45);
    back->get_ReminderSoundFile(&text);
    EXPECT_EQ(Take(text), L"\\Windows\\Alarm1.wav");
    back->get_ReminderOptions(&value);
    EXPECT_EQ(value, olSound | olDialog);
    back->get_Body(&text);
    EXPECT_EQ(Take(text), L"준비물: 노트북");
    back->get_AllDayEvent(&flag);
    EXPECT_EQ(flag, VARIANT_FALSE);
    back->get_MeetingStatus(&value);
    EXPECT_EQ(value, olMeeting);
    Ref<IRecipients> backRecipients;
    back->get_Recipients(backRecipients.Out());
    int count = 0;
    backRecipients->get_Count(&count);
    ASSERT_EQ(count, 1);
    Ref<IRecipient> first;
    ASSERT_EQ(backRecipients->Item(1, first.Out()), S_OK);
    first->get_Name(&text);
    EXPECT_EQ(Take(text), L"박영희");
    first->get_Address(&text);
    EXPECT_EQ(Take(text), L"young@example.kr");
    Ref<IRecipient> none;
    EXPECT_NE(backRecipients->Item(2, none.Out()), S_OK);
    // An end before the start is refused.
    EXPECT_EQ(back->put_End(Date(2024, 3, 5, 14, 0)), E_INVALIDARG);
}

TEST_F(AppointmentTest, AllDayEndIsTheNextMidnight)
{
    Ref<IAppointment> appointment = NewAppointment();
    appointment->put_AllDayEvent(VARIANT_TRUE);
    appointment->put_Start(Date(2024, 5, 5));
    appointment->put_End(Date(2024, 5, 6));
    ASSERT_EQ(appointment->Save(), S_OK);
    Ref<IAppointment> back = Reload(appointment.Get());
    DATE end = 0;
    back->get_End(&end);
    EXPECT_EQ(DateText(end), L"2024-05-06 00:00");
}

TEST_F(AppointmentTest, APatternMakesNothingRecurUntilItHasAType)
{
    Ref<IAppointment> appointment = NewAppointment();
    appointment->put_Start(Date(2024, 1, 31, 8, 0));
    appointment->put_End(Date(2024, 1, 31, 9, 0));
    Ref<IRecurrencePattern> pattern;
    ASSERT_EQ(appointment->GetRecurrencePattern(pattern.Out()), S_OK);
    long type = 0;
    pattern->get_RecurrenceType(&type);
    EXPECT_EQ(type, -1);
    VARIANT_BOOL recurring = VARIANT_TRUE;
    appointment->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_FALSE);
    pattern->put_Interval(2);  // waits for a type
    appointment->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_FALSE);
    ASSERT_EQ(pattern->put_RecurrenceType(olRecursMonthly), S_OK);
    appointment->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_TRUE);
    long value = 0;
    pattern->get_Interval(&value);
    EXPECT_EQ(value, 2);
    pattern->get_DayOfMonth(&value);
    EXPECT_EQ(value, 31);  // taken from the start
    DATE date = 0;
    pattern->get_PatternStartDate(&date);
    EXPECT_EQ(DateText(date), L"2024-01-31 00:00");
    EXPECT_EQ(pattern->put_RecurrenceType(4), E_INVALIDARG);  // not a type
    ASSERT_EQ(appointment->ClearRecurrencePattern(), S_OK);
    pattern->get_RecurrenceType(&type);
    EXPECT_EQ(type, -1);
}

TEST_F(AppointmentTest, PatternFieldsSurviveSave)
{
    Ref<IAppointment> appointment = NewAppointment();
    appointment->put_Start(Date(2024, 1, 26, 18, 0));
    appointment->put_End(Date(2024, 1, 26, 20, 0));
    Ref<IRecurrencePattern> pattern;
    appointment->GetRecurrencePattern(pattern.Out());
    pattern->put_RecurrenceType(olRecursMonthNth);
    pattern->put_PatternStartDate(Date(2024, 1, 1));
    pattern->put_Interval(2);
    pattern->put_Instance(5);
    pattern->put_DayOfWeekMask(olFriday);
    pattern->put_PatternEndDate(Date(2024, 12, 31));
    pattern->put_Occurrences(0);  // keeps the end date
    ASSERT_EQ(appointment->Save(), S_OK);
    Ref<IAppointment> back = Reload(appointment.Get());
    Ref<IRecurrencePattern> backPattern;
    back->GetRecurrencePattern(backPattern.Out());
    long value = 0;
    backPattern->get_RecurrenceType(&value);
    EXPECT_EQ(value, olRecursMonthNth);
    backPattern->get_Interval(&value);
    EXPECT_EQ(value, 2);
    backPattern->get_Instance(&value);
    EXPECT_EQ(value, 5);
    backPattern->get_DayOfWeekMask(&value);
    EXPECT_EQ(value, olFriday);
    backPattern->get_Occurrences(&value);
    EXPECT_EQ(value, 0);
    VARIANT_BOOL noEnd = VARIANT_TRUE;
    backPattern->get_NoEndDate(&noEnd);
    EXPECT_EQ(noEnd, VARIANT_FALSE);
    DATE date = 0;
    backPattern->get_PatternEndDate(&date);
    EXPECT_EQ(DateText(date), L"2024-12-31 00:00");
    backPattern->get_StartTime(&date);
    EXPECT_NEAR(date, 18.0 / 24, 1e-9);
    backPattern->get_Duration(&value);
    EXPECT_EQ(value, 120);
    // After a count the end reads as the last occurrence.
    backPattern->put_Occurrences(3);
    backPattern->get_PatternEndDate(&date);
    EXPECT_EQ(DateText(date), L"2024-05-31 00:00");  // Jan 26, Mar 29, May 31
    backPattern->get_NoEndDate(&noEnd);
    EXPECT_EQ(noEnd, VARIANT_FALSE);
    backPattern->put_NoEndDate(VARIANT_TRUE);
    backPattern->get_PatternEndDate(&date);
    EXPECT_EQ(DateText(date), L"4501-01-01 00:00");
}

struct LimitCase {
    const char* name;
    long type, mask, interval, limit;
};

// The limits the writers hold a reminder lead to, by rule.
const LimitCase kLimits[] = {
    {"weekly on the start weekday", olRecursWeekly, olMonday, 1, 10079},
    {"monthly", olRecursMonthly, 0, 1, 40319},
    {"yearly", olRecursYearly, 0, 1, 483839},
    {"every 2 weeks on Monday and Thursday", olRecursWeekly, olMonday | olThursday, 2, 14399},
    {"every weekday", olRecursWeekly, 62, 1, 1439},
    {"every 3 days", olRecursDaily, 0, 3, 4319},
};

TEST_F(AppointmentTest, SaveHoldsTheReminderLeadToTheShortestGap)
{
    for (const LimitCase& c : kLimits) {
        for (long lead : {c.limit - 1, c.limit, c.limit + 1}) {
            SCOPED_TRACE(testing::Message() << c.name << " with " << lead << " minutes");
            Ref<IAppointment> appointment = NewAppointment();
            appointment->put_Start(Date(2024, 1, 1, 10, 0));
            appointment->put_End(Date(2024, 1, 1, 11, 0));
            appointment->put_ReminderSet(VARIANT_TRUE);
            appointment->put_ReminderMinutesBeforeStart(lead);
            Ref<IRecurrencePattern> pattern;
            appointment->GetRecurrencePattern(pattern.Out());
            pattern->put_RecurrenceType(c.type);
            if (c.mask)
                pattern->put_DayOfWeekMask(c.mask);
            pattern->put_Interval(c.interval);
            DWORD before = RecordCount(L"Appointments Database");
            HRESULT hr = appointment->Save();
            long oid = 0;
            appointment->get_Oid(&oid);
            if (lead <= c.limit) {
                EXPECT_EQ(hr, S_OK);
                EXPECT_NE(oid, 0);
                EXPECT_EQ(RecordCount(L"Appointments Database"), before + 1);
            } else {
                EXPECT_EQ(hr, POOM_E_REMINDER_TOO_LONG);
                EXPECT_EQ(oid, 0);
                EXPECT_EQ(RecordCount(L"Appointments Database"), before);
            }
        }
    }
    EXPECT_NE(testkit::DeviceLogText().find(L"not shorter than"), std::wstring::npos);
    // Without a reminder, or without recurrence, any lead is saved.
    Ref<IAppointment> plain = NewAppointment();
    plain->put_ReminderSet(VARIANT_TRUE);
    plain->put_ReminderMinutesBeforeStart(1000000);
    EXPECT_EQ(plain->Save(), S_OK);
}

TEST_F(AppointmentTest, OccurrencesChangeInsideTheSeries)
{
    Ref<IAppointment> series = WeeklyOnMonday();
    DWORD records = RecordCount(L"Appointments Database");
    ASSERT_EQ(records, 1u);
    // Move Feb 12 to Tuesday 15:00.
    Ref<IAppointment> moved = Occurrence(series.Get(), Date(2024, 2, 12, 9, 0));
    ASSERT_TRUE(moved);
    long oid = 0, seriesOid = 0;
    moved->get_Oid(&oid);
    series->get_Oid(&seriesOid);
    EXPECT_EQ(oid, seriesOid);
    VARIANT_BOOL recurring = VARIANT_FALSE;
    moved->get_IsRecurring(&recurring);
    EXPECT_EQ(recurring, VARIANT_TRUE);
    moved->put_Start(Date(2024, 2, 13, 15, 0));
    ASSERT_EQ(moved->Save(), S_OK);
    // Change the subject of Feb 26, delete Feb 19.
    Ref<IAppointment> changed = Occurrence(series.Get(), Date(2024, 2, 26, 9, 0));
    ASSERT_TRUE(changed);
    changed->put_Subject(Text(L"변경된 회의"));
    ASSERT_EQ(changed->Save(), S_OK);
    Ref<IAppointment> deleted = Occurrence(series.Get(), Date(2024, 2, 19, 9, 0));
    ASSERT_TRUE(deleted);
    ASSERT_EQ(deleted->Delete(), S_OK);
    ASSERT_EQ(deleted->Save(), S_OK);  // a save after the delete keeps it deleted
    EXPECT_EQ(RecordCount(L"Appointments Database"), records);

    EXPECT_EQ(MonthOf(2024, 2), L"2024-02-05 09:00 주간 회의 | 2024-02-13 15:00 주간 회의 | "
                                L"2024-02-26 09:00 변경된 회의 | 2024-03-04 09:00 주간 회의");
    // Found by where it was and by where it is now; the deleted one is gone.
    Ref<IAppointment> series2;
    ASSERT_EQ(app_->GetItemFromOid(seriesOid, series2.AsDispatch()), S_OK);
    EXPECT_TRUE(Occurrence(series2.Get(), Date(2024, 2, 12, 9, 0)));
    Ref<IAppointment> byNow = Occurrence(series2.Get(), Date(2024, 2, 13, 15, 0));
    ASSERT_TRUE(byNow);
    DATE start = 0;
    byNow->get_Start(&start);
    EXPECT_EQ(DateText(start), L"2024-02-13 15:00");
    EXPECT_FALSE(Occurrence(series2.Get(), Date(2024, 2, 19, 9, 0)));
    EXPECT_FALSE(Occurrence(series2.Get(), Date(2024, 2, 20, 9, 0)));
    // Editing the moved one again by its current start moves it once more.
    byNow->put_Start(Date(2024, 2, 14, 8, 0));
    ASSERT_EQ(byNow->Save(), S_OK);
    EXPECT_EQ(MonthOf(2024, 2), L"2024-02-05 09:00 주간 회의 | 2024-02-14 08:00 주간 회의 | "
                                L"2024-02-26 09:00 변경된 회의 | 2024-03-04 09:00 주간 회의");

    // The exceptions, as the backup reads them.
    Ref<IRecurrencePattern> pattern;
    series2->GetRecurrencePattern(pattern.Out());
    Ref<IExceptions> exceptions;
    ASSERT_EQ(pattern->get_Exceptions(exceptions.Out()), S_OK);
    int count = 0;
    exceptions->get_Count(&count);
    ASSERT_EQ(count, 3);
    int deletedCount = 0;
    for (int i = 1; i <= count; ++i) {
        Ref<IException> exception;
        ASSERT_EQ(exceptions->Item(i, exception.Out()), S_OK);
        VARIANT_BOOL isDeleted = VARIANT_FALSE;
        exception->get_Deleted(&isDeleted);
        DATE original = 0;
        exception->get_OriginalDate(&original);
        Ref<IAppointment> item;
        HRESULT hr = exception->get_AppointmentItem(item.Out());
        if (isDeleted) {
            ++deletedCount;
            EXPECT_EQ(DateText(original), L"2024-02-19 09:00");
            EXPECT_NE(hr, S_OK);
        } else {
            EXPECT_EQ(hr, S_OK);
        }
    }
    EXPECT_EQ(deletedCount, 1);
    // Deleting the series removes its one record.
    ASSERT_EQ(series2->Delete(), S_OK);
    EXPECT_EQ(RecordCount(L"Appointments Database"), records - 1);
}

TEST_F(AppointmentTest, ExpansionOverMonthEndsLeapYearsAndLastInstances)
{
    struct Series {
        const wchar_t* subject;
        long type, mask, instance, dayOfMonth, month, interval;
    };
    const Series all[] = {
        {L"말일", olRecursMonthly, 0, 0, 31, 0, 1},
        {L"마지막 금", olRecursMonthNth, olFriday, 5, 0, 0, 1},
        {L"윤일", olRecursYearly, 0, 0, 29, 2, 1},
        {L"격일", olRecursDaily, 0, 0, 0, 0, 2},
    };
    for (const Series& s : all) {
        Ref<IAppointment> appointment = NewAppointment();
        appointment->put_Subject(Text(s.subject));
        appointment->put_Start(Date(2024, 1, 27, 7, 0));
        appointment->put_End(Date(2024, 1, 27, 7, 30));
        appointment->put_ReminderSet(VARIANT_FALSE);
        Ref<IRecurrencePattern> pattern;
        appointment->GetRecurrencePattern(pattern.Out());
        pattern->put_RecurrenceType(s.type);
        pattern->put_PatternStartDate(Date(2024, 1, 27));
        if (s.mask)
            pattern->put_DayOfWeekMask(s.mask);
        if (s.instance)
            pattern->put_Instance(s.instance);
        if (s.dayOfMonth)
            pattern->put_DayOfMonth(s.dayOfMonth);
        if (s.month)
            pattern->put_MonthOfYear(s.month);
        pattern->put_Interval(s.interval);
        ASSERT_EQ(appointment->Save(), S_OK);
    }
    EXPECT_EQ(MonthOf(2024, 2),
              L"2024-02-02 07:00 격일 | 2024-02-04 07:00 격일 | 2024-02-06 07:00 격일 | 2024-02-08 07:00 격일 | "
              L"2024-02-10 07:00 격일 | 2024-02-12 07:00 격일 | 2024-02-14 07:00 격일 | 2024-02-16 07:00 격일 | "
              L"2024-02-18 07:00 격일 | 2024-02-20 07:00 격일 | 2024-02-22 07:00 격일 | 2024-02-23 07:00 마지막 금 | "
              L"2024-02-24 07:00 격일 | 2024-02-26 07:00 격일 | 2024-02-28 07:00 격일 | 2024-02-29 07:00 말일 | "
              L"2024-02-29 07:00 윤일 | 2024-03-01 07:00 격일 | 2024-03-03 07:00 격일 | 2024-03-05 07:00 격일");
    std::wstring february2025 = MonthOf(2025, 2);
    EXPECT_NE(february2025.find(L"2025-02-28 07:00 말일 | 2025-02-28 07:00 마지막 금 | 2025-02-28 07:00 윤일"),
              std::wstring::npos)
        << february2025;
}

TEST_F(AppointmentTest, MultiDayItemsOnAVersion4Device)
{
    PoseAsVersion(4);
    Saved(L"출장", Date(2024, 2, 3, 22, 0), Date(2024, 2, 5, 2, 0));
    EXPECT_EQ(MonthOf(2024, 2), L"2024-02-03 22:00 출장 | 2024-02-03 22:00 출장 | 2024-02-03 22:00 출장");
    PoseAsVersion(5);
    Saved(L"출장", Date(2024, 2, 3, 22, 0), Date(2024, 2, 5, 2, 0));
    EXPECT_EQ(MonthOf(2024, 2), L"2024-02-03 22:00 출장");
}

// An anniversary's yearly mirror: ten occurrences, each moved to its own
// date, latest first; one record all along.
TEST_F(AppointmentTest, TenYearlyOccurrencesMovedOneByOne)
{
    Ref<IAppointment> mirror = NewAppointment();
    mirror->put_Subject(Text(L"[생일] 엄마"));
    mirror->put_Start(Date(2020, 2, 1));
    mirror->put_End(Date(2020, 2, 1, 0, 1));
    Ref<IRecurrencePattern> pattern;
    mirror->GetRecurrencePattern(pattern.Out());
    pattern->put_RecurrenceType(olRecursYearly);
    pattern->put_PatternStartDate(Date(2020, 2, 1));
    pattern->put_DayOfMonth(1);
    pattern->put_MonthOfYear(2);
    pattern->put_Occurrences(10);
    pattern->put_Interval(1);
    ASSERT_EQ(mirror->Save(), S_OK);
    Ref<IAppointment> fetched = Reload(mirror.Get());
    Ref<IRecurrencePattern> fetchedPattern;
    fetched->GetRecurrencePattern(fetchedPattern.Out());
    for (int i = 9; i >= 0; --i) {
        Ref<IAppointment> occurrence;
        ASSERT_EQ(fetchedPattern->GetOccurrence(Date(2020 + i, 2, 1), occurrence.Out()), S_OK) << i;
        occurrence->put_AllDayEvent(VARIANT_FALSE);
        occurrence->put_Start(Date(2020 + i, 3, 10 + i, 0, 0));
        occurrence->put_End(Date(2020 + i, 3, 10 + i, 0, 1));
        ASSERT_EQ(occurrence->Save(), S_OK);
    }
    EXPECT_EQ(RecordCount(L"Appointments Database"), 1u);
    EXPECT_EQ(MonthOf(2020, 3), L"2020-03-10 00:00 [생일] 엄마");
    EXPECT_EQ(MonthOf(2029, 3), L"2029-03-19 00:00 [생일] 엄마");
    EXPECT_EQ(MonthOf(2025, 2), L"");  // moved away from its placeholder
    EXPECT_EQ(MonthOf(2025, 3), L"2025-03-15 00:00 [생일] 엄마");
}

}  // namespace
