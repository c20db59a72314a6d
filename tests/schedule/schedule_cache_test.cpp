// The month table and the schedule list over one month of fixtures written
// through Pocket Outlook, on handsets of CE 3, 4 and 5: the rows must be
// the same whether the device delivers a multi-day appointment once or once
// per day.
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "lists/schedule_cache.h"
#include "lists/schedule_loaders.h"
#include "tests/schedule/schedule_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace scheduletest {
namespace {

constexpr int kVersions[] = {3, 4, 5};

class ScheduleCacheTest : public ScheduleTest {
protected:
    // March 2007 (the 1st is a Thursday) and the first days of April.
    void WriteMarch()
    {
        oids[L"야간작업"] = Timed(L"야간작업", Date(2007, 3, 3, 22, 0), Date(2007, 3, 5, 2, 0));
        oids[L"워크숍"] = AllDay(L"워크숍", 2007, 3, 7, 3, L"연수원");
        // Two that began before the month.
        oids[L"출장"] = Timed(L"출장", Date(2007, 2, 26, 10, 0), Date(2007, 3, 2, 18, 0), L"부산");
        oids[L"휴가"] = AllDay(L"휴가", 2007, 2, 27, 3);
        // Mondays 09:00: the 12th moved to the 13th 15:00, the 19th deleted.
        Ref<IAppointment> weekly = Series(L"주간 회의", Date(2007, 1, 1, 9, 0), Date(2007, 1, 1, 10, 0),
                                          olRecursWeekly, olMonday, 0);
        MoveOccurrence(weekly.Get(), Date(2007, 3, 12, 9, 0), Date(2007, 3, 13, 15, 0), Date(2007, 3, 13, 16, 0));
        DeleteOccurrence(weekly.Get(), Date(2007, 3, 19, 9, 0));
        oids[L"주간 회의"] = OidOf(weekly.Get());
        // Every 3rd at 14:00: March's moved to the 6th, April's deleted.
        Ref<IAppointment> monthly = Series(L"월례 보고", Date(2007, 1, 3, 14, 0), Date(2007, 1, 3, 15, 0),
                                           olRecursMonthly, 0, 3);
        MoveOccurrence(monthly.Get(), Date(2007, 3, 3, 14, 0), Date(2007, 3, 6, 14, 0), Date(2007, 3, 6, 15, 0));
        DeleteOccurrence(monthly.Get(), Date(2007, 4, 3, 14, 0));
        oids[L"월례 보고"] = OidOf(monthly.Get());
        // A holiday, an all-day and a 09:00 appointment on the 21st.
        InsertHolidayRecord(901, L"2007-03-21", L"시험휴일", L"");
        oids[L"기념행사"] = AllDay(L"기념행사", 2007, 3, 21, 1);
        oids[L"아침 회의"] = Timed(L"아침 회의", Date(2007, 3, 21, 9, 0), Date(2007, 3, 21, 10, 0));
        InsertHolidayRecord(902, L"2007-03-22", L"", L"");  // no name: red, but no row
        oids[L"점심"] = Timed(L"점심", Date(2007, 3, 23, 12, 0), Date(2007, 3, 23, 13, 0), L"식당");
        AddPlanLink(ContactNamed(L"홍", L"길동"), oids[L"점심"]);
        oids[L"어머니 생신"] = AllDay(L"어머니 생신", 2007, 3, 24, 1);
        wchar_t time[6] = L"10:00";
        InsertAnniversaryRecord(77, L"어머니 생신", L'1', L"1950-03-24", L'0', L'0', L'0', 0, time, L"1950", L"03",
                                L"24", oids[L"어머니 생신"], L"");
        oids[L"화요 약속"] = Timed(L"화요 약속", Date(2007, 3, 27, 18, 0), Date(2007, 3, 27, 19, 0));
        oids[L"목요 약속"] = Timed(L"목요 약속", Date(2007, 3, 29, 10, 0), Date(2007, 3, 29, 11, 0));
        oids[L"4월 행사"] = Timed(L"4월 행사", Date(2007, 4, 4, 10, 0), Date(2007, 4, 4, 11, 0));
        oids[L"너무 늦음"] = Timed(L"너무 늦음", Date(2007, 4, 7, 10, 0), Date(2007, 4, 7, 11, 0));
        InsertHolidayRecord(903, L"2007-04-07", L"범위밖", L"");
    }

    // The schedule list's rows: day and time | text | linked id, with the
    // object id column checked against the item named by the row.
    std::vector<std::wstring> Rows(HWND list)
    {
        std::vector<std::wstring> rows;
        for (const std::wstring& row : ListRows(list, 5)) {
            size_t a = row.find(L'|'), b = row.find(L'|', a + 1), c = row.find(L'|', b + 1), d = row.find(L'|', c + 1);
            std::wstring text = row.substr(a + 1, b - a - 1);
            std::wstring oid = row.substr(b + 1, c - b - 1);
            std::wstring name = text.substr(text.find(L')') == std::wstring::npos ? 0 : text.find(L')') + 1);
            CEOID expected = oids.count(name) ? oids[name] : 0;
            EXPECT_EQ(oid, std::to_wstring(expected)) << testing::PrintToString(row);
            EXPECT_EQ(row.substr(c + 1, d - c - 1), L"0");
            rows.push_back(row.substr(0, b) + L"|" + row.substr(d + 1));
        }
        return rows;
    }

    std::map<std::wstring, CEOID> oids;
};

TEST_F(ScheduleCacheTest, MonthRowsAreTheSameOnEveryVersion)
{
    const std::vector<std::wstring> expected = {
        L"03/01 |출장|0",
        L"03/01 |휴가|0",
        L"03/02 |출장|0",
        L"03/03 22:00|야간작업|0",
        L"03/04 |야간작업|0",
        L"03/05 |야간작업|0",
        L"03/05 09:00|주간 회의|0",
        L"03/06 14:00|월례 보고|0",
        L"03/07 |워크숍|0",
        L"03/08 |워크숍|0",
        L"03/09 |워크숍|0",
        L"03/13 15:00|주간 회의|0",
        L"03/21 |기념행사|0",
        L"03/21      |[공휴일] 시험휴일|901",
        L"03/21 09:00|아침 회의|0",
        L"03/23 12:00|(홍길동)점심|0",
        L"03/24 |어머니 생신|77",
        L"03/26 09:00|주간 회의|0",
        L"03/27 18:00|화요 약속|0",
        L"03/29 10:00|목요 약속|0",
    };
    for (int version : kVersions) {
        SCOPED_TRACE(version);
        Pose(version);
        oids.clear();
        WriteMarch();
        HWND list = NewList(5);
        MonthListRange range = {L"2007-03-01", L"2007-03-31", L"2007-03-15", 'M', 0};
        int selection = LoadMonthScheduleInto(list, range);
        EXPECT_EQ(Rows(list), expected);
        EXPECT_STREQ(ScheduleCacheKey, L"2007-03-01");
        EXPECT_EQ(ScheduleRowCount, static_cast<int>(expected.size()));
        // Month mode selects the last row on or before the chosen day.
        EXPECT_EQ(selection, 11);
        EXPECT_EQ(testkit::ListViewSelection(list), 11);

        // The table holds the query's trailing days for the grid, the nameless
        // holiday without a row, and nothing after the 6th of April.
        int april4 = 0, nameless = 0, late = 0;
        for (const ScheduleEntry& entry : MonthScheduleCache.entries) {
            april4 += wcscmp(entry.dayDate, L"2007-04-04") == 0 && entry.objectId > 0;
            nameless += wcscmp(entry.dayDate, L"2007-03-22") == 0 && entry.objectId == 0 && entry.linkedId == 902;
            late += wcscmp(entry.dayDate, L"2007-04-06") > 0;
        }
        EXPECT_EQ(april4, 1);
        EXPECT_EQ(nameless, 1);
        EXPECT_EQ(late, 0);

        // The row map gives each row's own dates: the night shift's later days
        // still know its real start and end.
        const ScheduleEntry* night = ScheduleEntryAtRow(MonthScheduleCache, 4);
        ASSERT_NE(night, nullptr);
        EXPECT_STREQ(night->dayDate, L"2007-03-04");
        EXPECT_STREQ(night->ownStartDate, L"2007-03-03");
        EXPECT_STREQ(night->ownStartTime, L"22:00");
        EXPECT_STREQ(night->ownEndDate, L"2007-03-05");
        EXPECT_STREQ(night->ownEndTime, L"02:00");
        const ScheduleEntry* workshop = ScheduleEntryAtRow(MonthScheduleCache, 10);
        ASSERT_NE(workshop, nullptr);
        EXPECT_STREQ(workshop->ownStartDate, L"2007-03-07");
        EXPECT_STREQ(workshop->ownEndDate, L"2007-03-09");
        EXPECT_STREQ(workshop->ownStartTime, L"");
        EXPECT_STREQ(workshop->location, L"연수원");
        const ScheduleEntry* trip = ScheduleEntryAtRow(MonthScheduleCache, 0);
        ASSERT_NE(trip, nullptr);
        EXPECT_STREQ(trip->ownStartDate, L"2007-02-26");
        EXPECT_STREQ(trip->ownStartTime, L"10:00");
        EXPECT_EQ(ScheduleEntryAtRow(MonthScheduleCache, static_cast<int>(expected.size())), nullptr);
        DestroyWindow(list);
    }
}

TEST_F(ScheduleCacheTest, DayAndWeekRangesSelectTheirRowsFromMemory)
{
    Pose(5);
    WriteMarch();
    HWND list = NewList(5);
    // A week in the middle of the month queries the whole month, so the grid
    // has its days before the week too.
    LoadMonthScheduleInto(list, {L"2007-03-25", L"2007-03-31", L"2007-03-28", 'W', 0});
    EXPECT_STREQ(ScheduleCacheKey, L"2007-03-01");
    int firstDays = 0;
    for (const ScheduleEntry& entry : MonthScheduleCache.entries)
        firstDays += wcscmp(entry.dayDate, L"2007-03-01") == 0;
    EXPECT_EQ(firstDays, 2);
    // Later writes are not seen while the key holds: the ranges below come
    // from the table the month query made.
    Timed(L"나중", Date(2007, 3, 21, 11, 0), Date(2007, 3, 21, 12, 0));

    struct RangeCase {
        MonthListRange range;
        std::vector<std::wstring> rows;
        int selection;
    };
    const RangeCase cases[] = {
        // Day mode selects the appointment to reselect.
        {{L"2007-03-21", L"2007-03-21", L"2007-03-21", 'D', oids[L"아침 회의"]},
         {L"03/21 |기념행사|0", L"03/21      |[공휴일] 시험휴일|901", L"03/21 09:00|아침 회의|0"},
         2},
        {{L"2007-03-21", L"2007-03-21", L"2007-03-21", 'D', 0},
         {L"03/21 |기념행사|0", L"03/21      |[공휴일] 시험휴일|901", L"03/21 09:00|아침 회의|0"},
         0},
        // Week mode on an empty Wednesday selects Tuesday's last row.
        {{L"2007-03-25", L"2007-03-31", L"2007-03-28", 'W', 0},
         {L"03/26 09:00|주간 회의|0", L"03/27 18:00|화요 약속|0", L"03/29 10:00|목요 약속|0"},
         1},
        // A week running into April comes from the same query.
        {{L"2007-04-01", L"2007-04-07", L"2007-04-04", 'W', 0},
         {L"04/02 09:00|주간 회의|0", L"04/04 10:00|4월 행사|0", L"04/07      |[공휴일] 범위밖|903",
          L"04/07 10:00|너무 늦음|0"},
         1},
        // Nothing on or before the chosen day: the first row.
        {{L"2007-03-11", L"2007-03-17", L"2007-03-11", 'W', 0}, {L"03/13 15:00|주간 회의|0"}, 0},
        {{L"2007-03-14", L"2007-03-14", L"2007-03-14", 'D', 0}, {}, 0},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.range.rangeStart) + L" " + wchar_t(c.range.mode)));
        if (wcscmp(c.range.rangeStart, L"2007-04-01") == 0)
            continue;  // another month: queried below
        EXPECT_EQ(LoadMonthScheduleInto(list, c.range), c.selection);
        EXPECT_EQ(Rows(list), c.rows);
        if (!c.rows.empty()) {
            EXPECT_EQ(testkit::ListViewSelection(list), c.selection);
        }
    }
    // A range starting in April is another month's query: the later write
    // is seen now, and April's own rows are there.
    const RangeCase& april = cases[3];
    EXPECT_EQ(LoadMonthScheduleInto(list, april.range), april.selection);
    EXPECT_EQ(Rows(list), april.rows);
    EXPECT_STREQ(ScheduleCacheKey, L"2007-04-01");
    LoadMonthScheduleInto(list, {L"2007-03-21", L"2007-03-21", L"2007-03-21", 'D', 0});
    EXPECT_EQ(testkit::ListViewCount(list), 4);
    DestroyWindow(list);
}

TEST_F(ScheduleCacheTest, DecemberQueriesIntoJanuary)
{
    Pose(5);
    oids[L"송년회"] = Timed(L"송년회", Date(2007, 12, 28, 19, 0), Date(2007, 12, 28, 22, 0));
    oids[L"신년 모임"] = Timed(L"신년 모임", Date(2008, 1, 6, 11, 0), Date(2008, 1, 6, 12, 0));
    Timed(L"너무 늦음", Date(2008, 1, 7, 0, 0), Date(2008, 1, 7, 1, 0));
    HWND list = NewList(5);
    LoadMonthScheduleInto(list, {L"2007-12-30", L"2008-01-05", L"2007-12-31", 'W', 0});
    EXPECT_STREQ(ScheduleCacheKey, L"2007-12-01");
    std::vector<std::wstring> days;
    for (const ScheduleEntry& entry : MonthScheduleCache.entries)
        days.push_back(entry.dayDate);
    EXPECT_EQ(days, (std::vector<std::wstring>{L"2007-12-28", L"2008-01-06"}));
    EXPECT_TRUE(Rows(list).empty());
    DestroyWindow(list);
}

// Twenty appointments every day: more entries than the table starts with,
// every one of them listed.
TEST_F(ScheduleCacheTest, TwentyDailyAppointmentsAllGetTheirRows)
{
    Pose(5);
    for (int i = 0; i < 20; ++i) {
        wchar_t subject[16];
        _snwprintf(subject, 16, L"매일 %02d", i);
        Series(subject, Date(2007, 1, 1, 6, i), Date(2007, 1, 1, 7, i), olRecursDaily, 0, 0);
    }
    HWND list = NewList(5);
    LoadMonthScheduleInto(list, {L"2007-03-01", L"2007-03-31", L"2007-03-31", 'M', 0});
    EXPECT_EQ(MonthScheduleCount(), 20 * 37);
    EXPECT_FALSE(MonthScheduleCache.full);
    ASSERT_EQ(testkit::ListViewCount(list), 20 * 31);
    EXPECT_EQ(testkit::ListViewText(list, 0, 0), L"03/01 06:00");
    EXPECT_EQ(testkit::ListViewText(list, 0, 1), L"매일 00");
    EXPECT_EQ(testkit::ListViewText(list, 20 * 31 - 1, 0), L"03/31 06:19");
    EXPECT_EQ(testkit::ListViewSelection(list), 20 * 31 - 1);
    const ScheduleEntry* last = ScheduleEntryAtRow(MonthScheduleCache, 20 * 31 - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_STREQ(last->subject, L"매일 19");
    DestroyWindow(list);
}

TEST_F(ScheduleCacheTest, ContactLoadKeepsTheMonthAndListsLinkedItemsOnly)
{
    for (int version : kVersions) {
        SCOPED_TRACE(version);
        Pose(version);
        WriteMarch();
        CEOID contact = ContactNamed(L"김", L"철수");
        CEOID trip = Timed(L"지방 출장", Date(2007, 3, 30, 20, 0), Date(2007, 4, 2, 9, 0));
        CEOID dinner = Timed(L"저녁", Date(2007, 3, 9, 19, 0), Date(2007, 3, 9, 21, 0));
        CEOID early = Timed(L"지난달", Date(2007, 2, 27, 8, 0), Date(2007, 3, 1, 9, 0));
        AddPlanLink(contact, trip);
        AddPlanLink(contact, dinner);
        AddPlanLink(contact, early);
        AddPlanLink(contact, oids[L"워크숍"]);

        HWND month = NewList(5);
        LoadMonthScheduleInto(month, {L"2007-03-01", L"2007-03-31", L"2007-03-15", 'M', 0});
        std::vector<std::wstring> monthRows = ListRows(month, 5);
        std::vector<uint16_t> rowMap = ScheduleRowMap;
        size_t entries = MonthScheduleCache.entries.size();

        HWND card = NewList(3);
        HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 100, 14, host_, nullptr, nullptr, nullptr);
        int selection = LoadContactScheduleInto(card, label, contact, L"2007-03-01", dinner);
        EXPECT_EQ(testkit::WindowText(label), L"07-03-01~07-03-31");
        auto id = [](CEOID oid) { return std::to_wstring(oid); };
        EXPECT_EQ(ListRows(card, 3), (std::vector<std::wstring>{
                                         L"07-03-01 |지난달|" + id(early),
                                         L"07-03-07 |워크숍|" + id(oids[L"워크숍"]),
                                         L"07-03-08 |워크숍|" + id(oids[L"워크숍"]),
                                         L"07-03-09 |워크숍|" + id(oids[L"워크숍"]),
                                         L"07-03-09 19:00|저녁|" + id(dinner),
                                         L"07-03-30 20:00|지방 출장|" + id(trip),
                                         L"07-03-31 |지방 출장|" + id(trip),
                                     }));
        EXPECT_EQ(selection, 4);
        EXPECT_EQ(testkit::ListViewSelection(card), 4);
        const ScheduleEntry* entry = ScheduleEntryAtRow(ContactScheduleCache, 4);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(static_cast<CEOID>(entry->objectId), dinner);

        // The month's table, row map, list and key are as they were.
        EXPECT_EQ(MonthScheduleCache.entries.size(), entries);
        EXPECT_EQ(ScheduleRowMap, rowMap);
        EXPECT_EQ(ListRows(month, 5), monthRows);
        EXPECT_STREQ(ScheduleCacheKey, L"2007-03-01");
        const ScheduleEntry* first = ScheduleEntryAtRow(MonthScheduleCache, 0);
        ASSERT_NE(first, nullptr);
        EXPECT_STREQ(first->subject, L"지난달");

        // From the middle of a month (the card opens on today) to its end.
        LoadContactScheduleInto(card, label, contact, L"2007-03-20", 0);
        EXPECT_EQ(testkit::WindowText(label), L"07-03-20~07-03-31");
        EXPECT_EQ(testkit::ListViewCount(card), 2);
        // No contact: an empty list.
        LoadContactScheduleInto(card, label, 0, L"2007-03-01", 0);
        EXPECT_EQ(testkit::ListViewCount(card), 0);
        DestroyWindow(card);
        DestroyWindow(month);
        DestroyWindow(label);
    }
}

}  // namespace
}  // namespace scheduletest
