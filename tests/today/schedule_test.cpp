// The schedule view's rows over Pocket Outlook data: order, multi-day and
// all-day items on CE 3, 4 and 5, tasks, holidays, the today line, linked
// contacts and the limits of the tables.
#include "tests/today/today_fixture.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "tests/core/heap_check.h"
#include "today/layout.h"
#include "today/schedule_queries.h"
#include "today/schedule_view.h"

#include <set>
#include <string>
#include <vector>

namespace {

using namespace todaytest;

// "date time subject" of each row, in table order.
std::vector<std::wstring> Rows()
{
    std::vector<std::wstring> rows;
    for (int i = 0; i < ScheduleRowCount; ++i) {
        const TodayScheduleRow& row = ScheduleRows[i];
        std::wstring text = std::wstring(row.dateText) + L" " + row.timeText + L" " + (row.subject ? row.subject : L"");
        rows.push_back(text);
    }
    return rows;
}

class TodayScheduleTest : public TodayTest {
protected:
    void ShowDays(int spanIndex)
    {
        Settings.TodaySpan = spanIndex;
        ShowScheduleMode();
    }
};

constexpr int kOneDay = 0;
constexpr int kSevenDays = 4;
constexpr int kThirtyOneDays = 6;

TEST_F(TodayScheduleTest, OneDayListsTheTodayLineThenByStartThenBySubject)
{
    Settings.TodayDateStyle = 2;
    AddAppointment({L"나", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    AddAppointment({L"가", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 10, 30)});
    AddAppointment({L"다", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 9, 30)});
    AddAppointment({L"종일", Date(2024, 5, 7), Date(2024, 5, 8), true});
    AddAppointment({L"어제", Date(2024, 5, 6, 9, 0), Date(2024, 5, 6, 10, 0)});
    ShowDays(kOneDay);
    const std::vector<std::wstring> expected = {
        L"2024-05-07 오늘 오늘(음3/29)", L"2024-05-07  종일", L"2024-05-07 09:00 다",
        L"2024-05-07 10:00 가",         L"2024-05-07 10:00 나",
    };
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(std::wstring(HeaderTitle), L"5월 7일 (화)");
    EXPECT_EQ(std::wstring(ScheduleRows[0].weekdayName), L"화");
    EXPECT_EQ(ScheduleRows[0].todayLine, 1);
    EXPECT_EQ(ScheduleRows[0].linkedContactId, -1);
}

struct SpanCase {
    int major;
    std::vector<std::wstring> rows;
};

TEST_F(TodayScheduleTest, ItemsAcrossDaysOnEveryVersion)
{
    const std::vector<std::wstring> sameOnAll = {
        L"2024-05-07  출장",          // began before the window: from its start, without a time
        L"2024-05-08  출장",
        L"2024-05-08  휴가",          // all-day, two days
        L"2024-05-08 22:00 야간",     // ends at midnight: not on the next day
        L"2024-05-09  출장",
        L"2024-05-09  휴가",
        L"2024-05-10  하루",          // all-day, one day
    };
    for (int major : {3, 4, 5}) {
        SCOPED_TRACE(major);
        PoseAsVersion(major);
        Settings.TodayDateStyle = 2;
        AddAppointment({L"출장", Date(2024, 5, 6, 15, 0), Date(2024, 5, 9, 10, 0)});
        AddAppointment({L"휴가", Date(2024, 5, 8), Date(2024, 5, 10), true});
        AddAppointment({L"야간", Date(2024, 5, 8, 22, 0), Date(2024, 5, 9, 0, 0)});
        AddAppointment({L"하루", Date(2024, 5, 10), Date(2024, 5, 11), true});
        ShowDays(kSevenDays);
        std::vector<std::wstring> rows = Rows();
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front(), L"2024-05-07 오늘 오늘(음3/29)");
        rows.erase(rows.begin());
        EXPECT_EQ(rows, sameOnAll);
    }
}

TEST_F(TodayScheduleTest, EveryRowOwnsItsSubject)
{
    AddAppointment({L"출장", Date(2024, 5, 6, 15, 0), Date(2024, 5, 12, 10, 0)});
    AddDailyAppointment(L"회의", Date(2024, 5, 7, 9, 0), 30, 7);
    ShowDays(kSevenDays);
    ASSERT_GE(ScheduleRowCount, 13);
    std::set<BSTR> subjects;
    for (int i = 0; i < ScheduleRowCount; ++i)
        EXPECT_TRUE(subjects.insert(ScheduleRows[i].subject).second) << i;
    BuildScheduleView();  // frees each of them once
    EXPECT_TRUE(coretest::HeapIsSound());
}

TEST_F(TodayScheduleTest, EmptyDaysAndBusyDaysOnly)
{
    AddAppointment({L"치과", Date(2024, 5, 9, 10, 0), Date(2024, 5, 9, 11, 0)});
    Settings.TodayOnlyBusyDays = 0;
    ShowDays(kSevenDays);
    std::set<std::wstring> days;
    for (int i = 0; i < ScheduleRowCount; ++i)
        days.insert(ScheduleRows[i].dateText);
    EXPECT_EQ(ScheduleRowCount, 7);  // the today line, the appointment, five empty days
    EXPECT_EQ(days.size(), 7u);
    EXPECT_EQ(std::wstring(ScheduleRows[ScheduleRowCount - 1].dateText), L"2024-05-13");
    EXPECT_EQ(ScheduleRows[ScheduleRowCount - 1].subject, nullptr);
    EXPECT_EQ(std::wstring(ScheduleRows[ScheduleRowCount - 1].weekdayName), L"월");

    Settings.TodayOnlyBusyDays = 1;
    ShowDays(kSevenDays);
    EXPECT_EQ(ScheduleRowCount, 2);
}

TEST_F(TodayScheduleTest, TasksDueOverdueAndCompleted)
{
    Settings.TodayDateStyle = 2;
    AddTask({L"보고서", Date(2024, 5, 1), Date(2024, 5, 8), false, olImportanceHigh});
    AddTask({L"끝난일", Date(2024, 5, 1), Date(2024, 5, 9), true});
    AddTask({L"밀린일", Date(2024, 4, 1), Date(2024, 5, 1), false});
    AddTask({L"밀린끝", Date(2024, 4, 1), Date(2024, 5, 2), true});
    struct Case {
        int overdue;
        int completed;
        std::vector<std::wstring> rows;
    };
    const Case cases[] = {
        {0, 1, {L"2024-05-07 오늘 오늘(음3/29)", L"2024-05-08  보고서", L"2024-05-09  끝난일"}},
        {0, 0, {L"2024-05-07 오늘 오늘(음3/29)", L"2024-05-08  보고서"}},
        {1, 1, {L"2024-05-01  밀린일", L"2024-05-07 오늘 오늘(음3/29)", L"2024-05-08  보고서", L"2024-05-09  끝난일"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.overdue * 10 + c.completed);
        Settings.TodayShowOverdueTasks = c.overdue;
        Settings.TodayShowCompletedTasks = c.completed;
        ShowDays(kSevenDays);
        EXPECT_EQ(Rows(), c.rows);
    }
    const TodayScheduleRow& report = ScheduleRows[2];
    EXPECT_EQ(report.task, 1);
    EXPECT_EQ(report.importance, L'3');
    EXPECT_EQ(report.complete, L'F');
    EXPECT_NE(report.taskObjectId, 0);
    EXPECT_EQ(ScheduleRows[3].complete, L'T');
}

TEST_F(TodayScheduleTest, HolidaysOfTheWindowAtMostTen)
{
    InsertHolidayRecord(1, L"2024-05-06", L"대체공휴일", L"");
    InsertHolidayRecord(2, L"2024-05-15", L"석가탄신일", L"04/08");
    InsertHolidayRecord(3, L"2024-05-16", L"", L"04/09");  // a day around a holiday: no row
    for (int i = 0; i < 12; ++i) {
        wchar_t date[11];
        _snwprintf(date, 11, L"2024-05-%02d", 20 + i);
        InsertHolidayRecord(10 + i, date, L"연휴", L"");
    }
    Settings.TodayDateStyle = 2;
    ShowDays(kThirtyOneDays);
    EXPECT_EQ(HolidayCount, 10);
    std::vector<std::wstring> rows = Rows();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[1], L"2024-05-15  [공휴일] 석가탄신일");
    EXPECT_EQ(rows[2], L"2024-05-20  [공휴일] 연휴");
    EXPECT_EQ(rows.size(), 1u + 1u + 8u);  // the today line, 5-15, and 8 of the 12 (10 entries with 5-16)
    EXPECT_EQ(ScheduleRows[1].holiday, 1);
    EXPECT_EQ(ScheduleRows[1].linkedContactId, -1);
}

TEST_F(TodayScheduleTest, TodayLineStyles)
{
    struct Case {
        int year, month, day;
        int style;
        const wchar_t* text;
    };
    const Case cases[] = {
        {2024, 5, 7, 1, L"오늘(5월7일 화, 음3/29)"},
        {2024, 5, 7, 2, L"오늘(음3/29)"},
        {2000, 1, 1, 3, L"오늘(戊午 음11/25)"},
        {2000, 1, 1, 1, L"오늘(1월1일 토, 음11/25)"},
        {2023, 3, 22, 2, L"오늘(음윤2/1)"},
        {2023, 3, 22, 1, L"오늘(3월22일 수, 음윤2/1)"},
        {2024, 5, 7, 0, L"오늘(5월7일 화, 음3/29)"},
        {2024, 5, 7, 7, L"오늘(5월7일 화, 음3/29)"},
        // Beyond the lunar calendar the solar part stays whole.
        {2051, 6, 1, 1, L"오늘(6월1일 목)"},
        {2099, 12, 31, 0, L"오늘(12월31일 목)"},
        {2051, 6, 1, 2, L"오늘"},
        {2051, 6, 1, 3, L"오늘"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        wchar_t text[64];
        TodayLineText(c.style, c.year, c.month, c.day, text, 64);
        EXPECT_EQ(std::wstring(text), c.text);
    }
}

TEST_F(TodayScheduleTest, LinkedContactsOfTheShownRows)
{
    CEOID hong = AddContact(L"홍", L"길동");
    CEOID gone = AddContact(L"김", L"철수");
    const std::wstring longLast(60, L'가'), longFirst(40, L'나');
    CEOID longName = AddContact(longLast.c_str(), longFirst.c_str());
    CEOID a = AddAppointment({L"점심", Date(2024, 5, 7, 12, 0), Date(2024, 5, 7, 13, 0)});
    CEOID b = AddAppointment({L"저녁", Date(2024, 5, 7, 18, 0), Date(2024, 5, 7, 19, 0)});
    CEOID c = AddAppointment({L"회의", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 10, 0)});
    AddAppointment({L"혼자", Date(2024, 5, 7, 20, 0), Date(2024, 5, 7, 21, 0)});
    CEOID task = AddTask({L"전화", Date(2024, 5, 1), Date(2024, 5, 7)});
    AddPlanLink(hong, a);
    AddPlanLink(gone, b);
    AddPlanLink(longName, c);
    AddTaskLink(hong, task);
    ASSERT_TRUE(DeleteContact(gone));
    ShowDays(kOneDay);
    ASSERT_EQ(ScheduleRowCount, 6);
    struct Expect {
        const wchar_t* subject;
        int32_t contact;
        std::wstring name;
    };
    const Expect expected[] = {
        {L"전화", static_cast<int32_t>(hong), L"홍길동"},
        {L"회의", static_cast<int32_t>(longName), longLast + longFirst},
        {L"점심", static_cast<int32_t>(hong), L"홍길동"},
        {L"저녁", -1, L""},
        {L"혼자", -1, L""},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.subject);
        const TodayScheduleRow* row = nullptr;
        for (int i = 0; i < ScheduleRowCount; ++i)
            if (ScheduleRows[i].subject && std::wstring(ScheduleRows[i].subject) == e.subject)
                row = &ScheduleRows[i];
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->linkedContactId, e.contact);
        EXPECT_EQ(std::wstring(row->linkedName), e.name.substr(0, kLinkedNameChars - 1));
    }
}

TEST_F(TodayScheduleTest, AnAnniversarysAppointmentIsMarked)
{
    CEOID appointment = AddAppointment({L"생일", Date(2024, 5, 7), Date(2024, 5, 8), true});
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(10007, L"생일", L'1', L"1990-05-07", L'0', L'1', L'0', 0, time, L"1990", L"05", L"07",
                            appointment, L"");
    ShowDays(kOneDay);
    ASSERT_EQ(ScheduleRowCount, 2);
    EXPECT_EQ(ScheduleRows[1].anniversaryId, 10007);
}

TEST_F(TodayScheduleTest, EqualRowsKeepTheirCollectionOrder)
{
    CEOID first = AddAppointment({L"같음", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 10, 0)});
    CEOID second = AddAppointment({L"같음", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 10, 0)});
    CEOID third = AddAppointment({L"같음", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 10, 0)});
    ShowDays(kOneDay);
    ASSERT_EQ(ScheduleRowCount, 4);
    EXPECT_EQ(ScheduleRows[1].objectId, static_cast<int32_t>(first));
    EXPECT_EQ(ScheduleRows[2].objectId, static_cast<int32_t>(second));
    EXPECT_EQ(ScheduleRows[3].objectId, static_cast<int32_t>(third));
}

TEST_F(TodayScheduleTest, TheQueryDatesAreReadAsMonthDayYearAndTheFormatIsPutBack)
{
    SetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, L"yyyy-MM-dd");
    AddAppointment({L"치과", Date(2024, 5, 9, 10, 0), Date(2024, 5, 9, 11, 0)});
    AddAppointment({L"다음달", Date(2024, 6, 9, 10, 0), Date(2024, 6, 9, 11, 0)});
    ShowDays(kSevenDays);
    EXPECT_EQ(ScheduleRowCount, 2);
    wchar_t format[20] = L"";
    GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SSHORTDATE, format, 20);
    EXPECT_EQ(std::wstring(format), L"yyyy-MM-dd");
}

TEST_F(TodayScheduleTest, TheTableHoldsAThousandRows)
{
    for (int i = 0; i < 40; ++i)
        AddDailyAppointment(L"매일", Date(2024, 5, 1, 8, i), 10, 60);
    AddTask({L"할일", Date(2024, 5, 1), Date(2024, 5, 8)});
    ShowDays(kThirtyOneDays);
    EXPECT_EQ(ScheduleRowCount, kMaxTodayRows);
    EXPECT_EQ(VisibleRows, RowsShown);
}

TEST_F(TodayScheduleTest, AThousandRebuildsLeaveTheHeapSound)
{
    AddAppointment({L"출장", Date(2024, 5, 6, 15, 0), Date(2024, 5, 9, 10, 0)});
    AddDailyAppointment(L"회의", Date(2024, 5, 7, 9, 0), 30, 3);
    AddTask({L"보고서", Date(2024, 5, 1), Date(2024, 5, 8)});
    Settings.TodaySpan = kSevenDays;
    Settings.TodayOnlyBusyDays = 0;
    SetScheduleHeader();
    for (int i = 0; i < 50; ++i)
        BuildScheduleView();
    const SIZE_T settled = coretest::HeapBytesInUse();
    for (int i = 0; i < 950; ++i)
        BuildScheduleView();
    EXPECT_TRUE(coretest::HeapIsSound());
    EXPECT_LT(coretest::HeapBytesInUse(), settled + 64 * 1024);
}

}  // namespace
