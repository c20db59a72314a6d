// What collections deliver: restricted, sorted, and with recurring
// appointments expanded into their occurrences.
#include "platform/outlook/item_query.h"

#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace poom;
using fixtures::Appointment;
using fixtures::Shared;
using fixtures::Text;

namespace {

std::shared_ptr<const Restriction> Query(ItemKind kind, const wchar_t* text)
{
    std::shared_ptr<const Restriction> restriction = Restriction::Parse(kind, text, L"MM/dd/yy");
    EXPECT_NE(restriction, nullptr) << testing::PrintToString(std::wstring(text));
    return restriction;
}

QueryDef MonthOfFebruary(int majorVersion = 5)
{
    QueryDef query;
    query.kind = ItemKind::Appointment;
    query.includeRecurrences = true;
    query.deviceMajorVersion = majorVersion;
    query.restrictions.push_back(
        Query(ItemKind::Appointment, L"[Start] <= \"03/06/24 23:59\" AND [End] >= \"02/01/24\""));
    return query;
}

// "start subject" of each delivery, joined by " | ".
std::wstring Deliveries(const std::vector<QueryEntry>& entries)
{
    std::wstring result;
    for (const QueryEntry& entry : entries) {
        ItemData data = entry.occurrence ? OccurrenceData(entry) : *entry.item;
        result += (result.empty() ? L"" : L" | ") + Text(entry.start) + L" " + data.Text(kPropSubject);
    }
    return result;
}

void MakeWeekly(ItemData& series, long startDay, long mask)
{
    series.Rule().type = olRecursWeekly;
    series.Rule().startDay = startDay;
    series.Rule().dayOfWeekMask = mask;
}

OccurrenceException Moved(DATE original, DATE start, DATE end)
{
    OccurrenceException exception;
    exception.originalStart = original;
    exception.values[kPropStart] = PropValue{CEVT_FILETIME, L"", 0, start, {}};
    exception.values[kPropEnd] = PropValue{CEVT_FILETIME, L"", 0, end, {}};
    return exception;
}

ItemData WeeklyWithExceptions()
{
    ItemData series = Appointment(20, L"weekly", MakeDate(2024, 1, 1, 9, 0), MakeDate(2024, 1, 1, 10, 0));
    MakeWeekly(series, DayNumber(2024, 1, 1), olMonday);
    series.Exceptions().push_back(
        Moved(MakeDate(2024, 2, 12, 9, 0), MakeDate(2024, 2, 13, 15, 0), MakeDate(2024, 2, 13, 16, 0)));
    OccurrenceException deleted;
    deleted.originalStart = MakeDate(2024, 2, 19, 9, 0);
    deleted.deleted = true;
    series.Exceptions().push_back(deleted);
    OccurrenceException changed =
        Moved(MakeDate(2024, 2, 26, 9, 0), MakeDate(2024, 2, 26, 9, 0), MakeDate(2024, 2, 26, 10, 0));
    changed.values[kPropSubject] = PropValue{CEVT_LPWSTR, L"changed", 0, 0, {}};
    series.Exceptions().push_back(changed);
    // Moved from after the window into it.
    series.Exceptions().push_back(
        Moved(MakeDate(2024, 3, 11, 9, 0), MakeDate(2024, 2, 28, 18, 0), MakeDate(2024, 2, 28, 19, 0)));
    return series;
}

TEST(ItemQuery, OccurrencesOfAMonthInStartOrder)
{
    std::vector<std::shared_ptr<const ItemData>> items = {
        Shared(WeeklyWithExceptions()),
        Shared(Appointment(21, L"single", MakeDate(2024, 2, 13, 12, 0), MakeDate(2024, 2, 13, 13, 0))),
        Shared(Appointment(22, L"march", MakeDate(2024, 3, 20, 12, 0), MakeDate(2024, 3, 20, 13, 0))),
    };
    std::vector<QueryEntry> entries = RunQuery(MonthOfFebruary(), items);
    EXPECT_EQ(Deliveries(entries),
              L"2024-02-05 09:00 weekly | 2024-02-13 12:00 single | 2024-02-13 15:00 weekly | "
              L"2024-02-26 09:00 changed | 2024-02-28 18:00 weekly | 2024-03-04 09:00 weekly");
    // Every occurrence carries the series' id and its original start.
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[2].item->Oid(), 20u);
    EXPECT_TRUE(entries[2].occurrence);
    EXPECT_EQ(Text(entries[2].originalStart), L"2024-02-12 09:00");
    EXPECT_EQ(Text(entries[4].originalStart), L"2024-03-11 09:00");
    EXPECT_FALSE(entries[1].occurrence);
}

TEST(ItemQuery, WithoutRecurrencesASeriesIsOneItem)
{
    QueryDef query = MonthOfFebruary();
    query.includeRecurrences = false;
    // The series starts in January, so it does not overlap February as an item.
    std::vector<QueryEntry> entries = RunQuery(query, {Shared(WeeklyWithExceptions())});
    EXPECT_TRUE(entries.empty());
    query.restrictions.clear();
    entries = RunQuery(query, {Shared(WeeklyWithExceptions())});
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].occurrence);
}

TEST(ItemQuery, MultiDayItemsByDeviceVersion)
{
    std::vector<std::shared_ptr<const ItemData>> items = {
        Shared(Appointment(30, L"trip", MakeDate(2024, 2, 3, 22, 0), MakeDate(2024, 2, 5, 2, 0))),
        Shared(Appointment(31, L"allday", MakeDate(2024, 2, 10), MakeDate(2024, 2, 11), true)),
    };
    // Versions 3 and 5: once each.
    EXPECT_EQ(Deliveries(RunQuery(MonthOfFebruary(5), items)), L"2024-02-03 22:00 trip | 2024-02-10 00:00 allday");
    EXPECT_EQ(Deliveries(RunQuery(MonthOfFebruary(3), items)), L"2024-02-03 22:00 trip | 2024-02-10 00:00 allday");
    // Version 4: once for each day the item touches, all with its own start.
    EXPECT_EQ(Deliveries(RunQuery(MonthOfFebruary(4), items)),
              L"2024-02-03 22:00 trip | 2024-02-03 22:00 trip | 2024-02-03 22:00 trip | 2024-02-10 00:00 allday");
    // A window that begins on the 4th gets the 4th and the 5th only.
    QueryDef later = MonthOfFebruary(4);
    later.restrictions = {Query(ItemKind::Appointment, L"[Start] <= \"02/29/24 23:59\" AND [End] >= \"02/04/24\"")};
    EXPECT_EQ(Deliveries(RunQuery(later, items)),
              L"2024-02-03 22:00 trip | 2024-02-03 22:00 trip | 2024-02-10 00:00 allday");
    QueryDef oneDay = MonthOfFebruary(4);
    oneDay.restrictions = {Query(ItemKind::Appointment, L"[Start] <= \"02/05/24 23:59\" AND [End] >= \"02/05/24\"")};
    EXPECT_EQ(Deliveries(RunQuery(oneDay, items)), L"2024-02-03 22:00 trip");
}

TEST(ItemQuery, SortThenRestrictKeepsTheOrder)
{
    std::vector<std::shared_ptr<const ItemData>> tasks;
    const wchar_t* subjects[] = {L"다", L"가", L"나", L"라", L"마", L"바"};
    const long importance[] = {1, 2, 1, 0, 2, 1};
    for (int i = 0; i < 6; ++i) {
        ItemData task = fixtures::Task(100 + i, subjects[i], MakeDate(2024, 1, 10 + i), i % 2 == 0);
        task.SetNumber(kPropImportance, importance[i]);
        tasks.push_back(Shared(task));
    }
    QueryDef query;
    query.kind = ItemKind::Task;
    query.sortField = FindField(ItemKind::Task, L"Importance");
    query.descending = true;
    std::vector<QueryEntry> all = RunQuery(query, tasks);
    std::wstring order;
    for (const QueryEntry& entry : all)
        order += entry.item->Text(kPropSubject);
    // High first; equal importance keeps record order.
    EXPECT_EQ(order, L"가마다나바라");
    query.restrictions.push_back(Query(ItemKind::Task, L"[Complete] = 0"));
    std::wstring restricted;
    for (const QueryEntry& entry : RunQuery(query, tasks))
        restricted += entry.item->Text(kPropSubject);
    EXPECT_EQ(restricted, L"가바라");
}

TEST(ItemQuery, TextSortsIgnoreCase)
{
    std::vector<std::shared_ptr<const ItemData>> contacts = {
        Shared(fixtures::Contact(0x80000003, L"b", L"", L"")),
        Shared(fixtures::Contact(0x80000001, L"C", L"", L"")),
        Shared(fixtures::Contact(0x80000002, L"A", L"", L"")),
        Shared(fixtures::Contact(0x80000004, L"강", L"", L"")),
    };
    QueryDef query;
    query.kind = ItemKind::Contact;
    std::wstring order;
    for (const QueryEntry& entry : RunQuery(query, contacts))
        order += entry.item->Text(kPropFileAs);
    EXPECT_EQ(order, L"AbC강");
}

TEST(ItemQuery, FindOccurrenceByOriginalOrCurrentStart)
{
    ItemData series = WeeklyWithExceptions();
    QueryEntry entry;
    entry.item = Shared(series);
    ASSERT_TRUE(FindOccurrence(series, MakeDate(2024, 2, 5, 9, 0), &entry));
    EXPECT_EQ(entry.exception, -1);
    // The moved one, by where it was and by where it is.
    ASSERT_TRUE(FindOccurrence(series, MakeDate(2024, 2, 12, 9, 0), &entry));
    EXPECT_EQ(Text(entry.start), L"2024-02-13 15:00");
    ASSERT_TRUE(FindOccurrence(series, MakeDate(2024, 2, 13, 15, 0), &entry));
    EXPECT_EQ(Text(entry.originalStart), L"2024-02-12 09:00");
    // A deleted one is gone; a time that is no occurrence is not found.
    EXPECT_FALSE(FindOccurrence(series, MakeDate(2024, 2, 19, 9, 0), &entry));
    EXPECT_FALSE(FindOccurrence(series, MakeDate(2024, 2, 20, 9, 0), &entry));
    EXPECT_FALSE(FindOccurrence(series, MakeDate(2024, 2, 5, 9, 1), &entry));
    // An unmoved occurrence wins over one moved onto its start.
    series.Exceptions().push_back(
        Moved(MakeDate(2024, 4, 8, 9, 0), MakeDate(2024, 4, 1, 9, 0), MakeDate(2024, 4, 1, 10, 0)));
    ASSERT_TRUE(FindOccurrence(series, MakeDate(2024, 4, 1, 9, 0), &entry));
    EXPECT_EQ(Text(entry.originalStart), L"2024-04-01 09:00");
}

TEST(ItemQuery, OpenEndedExpansionStops)
{
    ItemData daily = Appointment(40, L"daily", MakeDate(2024, 1, 1, 8, 0), MakeDate(2024, 1, 1, 8, 30));
    daily.Rule().type = olRecursDaily;
    daily.Rule().startDay = DayNumber(2024, 1, 1);
    QueryDef query;
    query.kind = ItemKind::Appointment;
    query.includeRecurrences = true;
    std::vector<QueryEntry> all = RunQuery(query, {Shared(daily)});
    ASSERT_EQ(all.size(), static_cast<size_t>(kOpenEndedOccurrenceLimit)) << Text(all.front().start) << " " << Text(all.back().start);
    query.restrictions.push_back(Query(ItemKind::Appointment, L"[Start] >= \"06/01/24\""));
    std::vector<QueryEntry> fromJune = RunQuery(query, {Shared(daily)});
    ASSERT_EQ(fromJune.size(), static_cast<size_t>(kOpenEndedOccurrenceLimit));
    EXPECT_EQ(Text(fromJune.front().start), L"2024-06-01 08:00");
}

}  // namespace
