// The item commands: what each does to the items, the link records and the
// change watch; an unknown id and a failed write changing nothing.
#include "core/contact_appointments.h"
#include "core/item_commands.h"
#include "core/link_tables.h"
#include "core/outlook_probes.h"
#include "tests/commands/commands_fixture.h"

#include <algorithm>
#include <functional>

namespace commandstest {
namespace {

constexpr wchar_t kAppointments[] = L"Appointments Database";
constexpr wchar_t kTasks[] = L"Tasks Database";
constexpr wchar_t kContacts[] = L"Contacts Database";

class ItemCommandsTest : public CommandsTest {
protected:
    // Marks every database's count as unseen, so that a test can tell
    // whether a routine recorded it.
    void ForgetCounts()
    {
        for (OutlookWatchEntry& entry : OutlookWatchState)
            entry.lastSeenCount = -7;
    }
    bool NothingRecorded() const
    {
        return std::all_of(std::begin(OutlookWatchState), std::end(OutlookWatchState),
                           [](const OutlookWatchEntry& e) { return e.lastSeenCount == -7; });
    }
};

TEST_F(ItemCommandsTest, DeletesTakeTheItemAndItsLinkAndRecordTheNewCount)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    CEOID appointment = MakeAppointment(L"a", L"2024-05-08 09:00", L"2024-05-08 10:00");
    CEOID kept = MakeAppointment(L"b", L"2024-05-09 09:00", L"2024-05-09 10:00");
    CEOID task = MakeTask(L"t");
    ASSERT_TRUE(AddPlanLink(contact, appointment));
    ASSERT_TRUE(AddPlanLink(contact, kept));
    ASSERT_TRUE(AddTaskLink(contact, task));
    ForgetCounts();

    EXPECT_TRUE(DeleteOutlookAppointment(appointment));
    EXPECT_FALSE(ReadAppointment(appointment).found);
    EXPECT_EQ(PlanLinks(), (Links{{static_cast<long>(contact), static_cast<long>(kept)}}));
    EXPECT_TRUE(WatchInStep(kWatchAppointments, kAppointments));

    EXPECT_TRUE(DeleteOutlookAppointmentOnly(kept));
    EXPECT_FALSE(ReadAppointment(kept).found);
    EXPECT_EQ(PlanLinks().size(), 1u) << "its link is left to the caller";

    EXPECT_TRUE(DeleteOutlookTask(task));
    EXPECT_FALSE(ReadTask(task).found);
    EXPECT_TRUE(TaskLinks().empty());
    EXPECT_TRUE(WatchInStep(kWatchTasks, kTasks));

    EXPECT_TRUE(DeleteOutlookContact(contact));
    EXPECT_FALSE(ReadContact(contact).found);
    EXPECT_TRUE(WatchInStep(kWatchContacts, kContacts));
}

TEST_F(ItemCommandsTest, AnUnknownIdChangesNothing)
{
    CEOID appointment = MakeAppointment(L"a", L"2024-05-08 09:00", L"2024-05-08 10:00", false, 3);
    CEOID task = MakeTask(L"t");
    ASSERT_TRUE(AddPlanLink(77, appointment));
    ForgetCounts();
    const CEOID unknown = 987654;
    const std::pair<const char*, std::function<bool()>> commands[] = {
        {"delete contact", [&] { return DeleteOutlookContact(0x80009999); }},
        {"delete appointment", [&] { return DeleteOutlookAppointment(unknown); }},
        {"delete appointment only", [&] { return DeleteOutlookAppointmentOnly(unknown); }},
        {"delete occurrence", [&] { return DeleteAppointmentOccurrence(unknown, L"2024-05-08", L"09:00"); }},
        {"delete task", [&] { return DeleteOutlookTask(unknown); }},
        {"skip", [&] { return SkipTaskOccurrence(unknown); }},
        {"toggle", [&] { return ToggleTaskComplete(unknown); }},
        {"show contact", [&] { return ShowOutlookContact(0); }},
        {"show appointment", [&] { return ShowOutlookAppointment(unknown); }},
        {"show task", [&] { return ShowOutlookTask(unknown); }},
        {"a task as an appointment", [&] { return DeleteOutlookAppointment(task); }},
        {"an appointment as a task", [&] { return DeleteOutlookTask(appointment); }},
    };
    TaskToReselect = 5;
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(command());
    }
    EXPECT_TRUE(NothingRecorded());
    EXPECT_EQ(TaskToReselect, 5u);
    EXPECT_TRUE(ReadAppointment(appointment).found);
    EXPECT_TRUE(ReadTask(task).found);
    EXPECT_EQ(PlanLinks().size(), 1u);
    EXPECT_TRUE(FormRequests().empty());
}

TEST_F(ItemCommandsTest, AFailedDeleteKeepsTheItemItsLinkAndTheWatch)
{
    CEOID appointment = MakeAppointment(L"a", L"2024-05-08 09:00", L"2024-05-08 10:00");
    CEOID task = MakeTask(L"t");
    ASSERT_TRUE(AddPlanLink(11, appointment));
    ASSERT_TRUE(AddTaskLink(11, task));
    ForgetCounts();
    CeStoreFailNextChange(kAppointments, 0);
    EXPECT_FALSE(DeleteOutlookAppointment(appointment));
    CeStoreFailNextChange(kTasks, 0);
    EXPECT_FALSE(DeleteOutlookTask(task));
    EXPECT_TRUE(ReadAppointment(appointment).found);
    EXPECT_TRUE(ReadTask(task).found);
    EXPECT_EQ(PlanLinks().size(), 1u);
    EXPECT_EQ(TaskLinks().size(), 1u);
    EXPECT_TRUE(NothingRecorded());
}

TEST_F(ItemCommandsTest, OneOccurrenceGoesByItsOwnStart)
{
    CEOID allDay = MakeAppointment(L"종일", L"2024-05-08 00:00", L"2024-05-09 00:00", true, 3);
    CEOID timed = MakeAppointment(L"회의", L"2024-05-08 09:00", L"2024-05-08 10:00", false, 3);
    int count = WatchedCount(kAppointments);

    // An all-day occurrence is found at midnight of its day.
    EXPECT_TRUE(DeleteAppointmentOccurrence(allDay, L"2024-05-15", L""));
    // A blank time is midnight too.
    EXPECT_FALSE(DeleteAppointmentOccurrence(allDay, L"2024-05-15", L"  :  ")) << "already gone";
    EXPECT_FALSE(DeleteAppointmentOccurrence(timed, L"2024-05-15", L"")) << "no occurrence at 00:00";
    EXPECT_TRUE(DeleteAppointmentOccurrence(timed, L"2024-05-22", L"09:00"));
    EXPECT_EQ(OccurrenceStarts(L"2024-05-01", L"2024-05-31"),
              (std::vector<std::wstring>{L"2024-05-08 00:00", L"2024-05-08 09:00", L"2024-05-15 09:00",
                                         L"2024-05-22 00:00"}));
    EXPECT_EQ(WatchedCount(kAppointments), count) << "the series stay";
    EXPECT_TRUE(WatchInStep(kWatchAppointments, kAppointments));
}

TEST_F(ItemCommandsTest, SkippingMovesTheTaskToItsNextOccurrence)
{
    CEOID task = MakeTask(L"매일", 5);
    ForgetCounts();
    ASSERT_TRUE(SkipTaskOccurrence(task));
    EXPECT_EQ(ReadTask(task).startDate, L"2024-05-07");
    EXPECT_TRUE(WatchInStep(kWatchTasks, kTasks));
}

TEST_F(ItemCommandsTest, ShowAndNewAskThePlatformsForm)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    CEOID appointment = MakeAppointment(L"a", L"2024-05-08 09:00", L"2024-05-08 10:00");
    CEOID task = MakeTask(L"t");
    EXPECT_TRUE(ShowOutlookContact(contact));
    EXPECT_TRUE(ShowOutlookAppointment(appointment));
    EXPECT_TRUE(ShowOutlookTask(task));
    EXPECT_TRUE(NewOutlookContact());
    EXPECT_TRUE(NewOutlookAppointment());
    EXPECT_TRUE(NewOutlookTask());
    ASSERT_TRUE(testkit::PumpUntil([] { return FormRequests().size() == 6; }, 15000));
    std::vector<std::wstring> seen;
    for (const std::wstring& line : FormRequests())
        seen.push_back(line.substr(line.find(L"/kind")));
    std::sort(seen.begin(), seen.end());
    std::vector<std::wstring> expected = {
        L"/kind appointment /oid 0",
        L"/kind appointment /oid " + std::to_wstring(appointment),
        L"/kind contact /oid 0",
        L"/kind contact /oid " + std::to_wstring(contact),
        L"/kind task /oid 0",
        L"/kind task /oid " + std::to_wstring(task),
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(seen, expected);
}

// ---- marking a task done ----------------------------------------------------------------

TEST_F(ItemCommandsTest, ToggleSetsADoneTaskOpenAndAnOpenOneDone)
{
    struct ToggleCase {
        const char* name;
        int days;  // a daily series of that many, 0 none
        bool done;
        bool linked;
        bool completeAfter;
        const wchar_t* startAfter;
        int addedTasks;
    };
    const ToggleCase cases[] = {
        {"done, unlinked", 0, true, false, false, L"2024-05-06", 0},
        {"done, linked", 0, true, true, false, L"2024-05-06", 0},
        {"open single, linked", 0, false, true, true, L"2024-05-06", 0},
        // The object model stores the completed occurrence apart and moves
        // the series on.
        {"open repeating, unlinked", 3, false, false, false, L"2024-05-07", 1},
    };
    for (const ToggleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        CEOID task = MakeTask(L"작업", c.days);
        if (c.done) {
            ComRef<ITask> item = TaskFromOid(task);
            item->put_Complete(VARIANT_TRUE);
            ASSERT_TRUE(SUCCEEDED(item->Save()));
        }
        if (c.linked) {
            ASSERT_TRUE(AddTaskLink(31, task));
        }
        Links links = TaskLinks();
        int count = WatchedCount(kTasks);
        ForgetCounts();
        ASSERT_TRUE(ToggleTaskComplete(task));
        StoredTask read = ReadTask(task);
        EXPECT_EQ(read.complete, c.completeAfter);
        EXPECT_EQ(read.startDate, c.startAfter);
        EXPECT_EQ(WatchedCount(kTasks), count + c.addedTasks);
        EXPECT_EQ(TaskToReselect, task);
        EXPECT_EQ(TaskLinks(), links);
        EXPECT_TRUE(WatchInStep(kWatchTasks, kTasks));
    }
}

TEST_F(ItemCommandsTest, ALinkedRepeatingTaskLeavesTwoLinkedTasks)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    CEOID other = MakeTask(L"남의 것");
    ASSERT_TRUE(AddTaskLink(contact + 1, other));
    CEOID task = MakeTask(L"매일 보고", 5);
    ASSERT_TRUE(AddTaskLink(contact, task));
    int count = WatchedCount(kTasks);

    ASSERT_TRUE(ToggleTaskComplete(task));
    EXPECT_EQ(WatchedCount(kTasks), count + 1);
    EXPECT_TRUE(WatchInStep(kWatchTasks, kTasks));
    StoredTask done = ReadTask(task);
    EXPECT_TRUE(done.complete);
    EXPECT_EQ(done.type, olRecursNone);
    EXPECT_EQ(done.startDate, L"2024-05-06");

    Links links = TaskLinks();
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[0], std::make_pair(static_cast<long>(contact + 1), static_cast<long>(other)));
    EXPECT_EQ(links[1], std::make_pair(static_cast<long>(contact), static_cast<long>(task)));
    EXPECT_EQ(links[2].first, static_cast<long>(contact));
    CEOID copy = static_cast<CEOID>(links[2].second);
    StoredTask series = ReadTask(copy);
    EXPECT_FALSE(series.complete);
    EXPECT_EQ(series.type, olRecursDaily);
    EXPECT_EQ(series.startDate, L"2024-05-07") << "the copy stands for the next occurrence";
    EXPECT_EQ(series.subject, L"매일 보고");

    // Done again later, now without repeat: it is just set open.
    ASSERT_TRUE(ToggleTaskComplete(task));
    EXPECT_FALSE(ReadTask(task).complete);
    EXPECT_EQ(TaskLinks().size(), 3u);
}

TEST_F(ItemCommandsTest, AToggleWhoseCopyFailsChangesNothing)
{
    CEOID task = MakeTask(L"매일", 5);
    ASSERT_TRUE(AddTaskLink(41, task));
    int count = WatchedCount(kTasks);
    ForgetCounts();
    CeStoreFailNextChange(kTasks, 0);
    EXPECT_FALSE(ToggleTaskComplete(task));
    StoredTask read = ReadTask(task);
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(read.type, olRecursDaily);
    EXPECT_EQ(WatchedCount(kTasks), count);
    EXPECT_EQ(TaskLinks(), (Links{{41, static_cast<long>(task)}}));
    EXPECT_TRUE(NothingRecorded());
}

// A write that fails anywhere in marking a linked series done leaves the
// series, its link and the count as they were: no copy beside it.
TEST_F(ItemCommandsTest, AToggleThatFailsMidwayLeavesTheSeriesAlone)
{
    struct Case {
        const char* name;
        const wchar_t* database;
        DWORD changesBefore;
    };
    const Case cases[] = {
        {"copy moved on", kTasks, 1},
        {"copy saved", kTasks, 2},
        {"task saved done", kTasks, 3},
        {"copy linked", L"QuillonTask", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        const long contact = static_cast<long>(MakeContact(L"홍", L"길동"));
        CEOID task = MakeTask(L"매일", 5);
        ASSERT_TRUE(AddTaskLink(contact, task));
        const StoredTask before = ReadTask(task);
        const int count = WatchedCount(kTasks);
        CeStoreFailLaterChange(c.database, c.changesBefore, 0);
        EXPECT_FALSE(ToggleTaskComplete(task));
        CeStoreFailNextChange(nullptr, 0);
        StoredTask read = ReadTask(task);
        EXPECT_FALSE(read.complete);
        EXPECT_EQ(read.type, olRecursDaily);
        EXPECT_EQ(read.startDate, before.startDate);
        EXPECT_EQ(WatchedCount(kTasks), count);
        EXPECT_EQ(TaskLinks(), (Links{{contact, static_cast<long>(task)}}));
        // Done again, it is whole.
        ASSERT_TRUE(ToggleTaskComplete(task));
        EXPECT_EQ(WatchedCount(kTasks), count + 1);
        EXPECT_EQ(TaskLinks().size(), 2u);
    }
}

// ---- a deleted contact's appointments ------------------------------------------------------

TEST_F(ItemCommandsTest, AContactsAppointmentsGoAmongAnotherContactsLinks)
{
    CEOID mine = MakeContact(L"홍", L"길동");
    CEOID theirs = MakeContact(L"김", L"철수");
    std::vector<CEOID> myItems, theirItems;
    for (int i = 0; i < 3; ++i) {
        myItems.push_back(MakeAppointment(L"mine", L"2024-05-08 09:00", L"2024-05-08 10:00"));
        theirItems.push_back(MakeAppointment(L"theirs", L"2024-05-08 11:00", L"2024-05-08 12:00"));
        ASSERT_TRUE(AddPlanLink(mine, myItems.back()));
        ASSERT_TRUE(AddPlanLink(theirs, theirItems.back()));
    }
    // A link whose appointment was deleted elsewhere goes too.
    ASSERT_TRUE(AddPlanLink(mine, 999999));
    ForgetCounts();

    EXPECT_TRUE(DeleteContactAppointments(mine));
    for (CEOID item : myItems)
        EXPECT_FALSE(ReadAppointment(item).found);
    for (CEOID item : theirItems)
        EXPECT_TRUE(ReadAppointment(item).found);
    Links expected;
    for (CEOID item : theirItems)
        expected.emplace_back(static_cast<long>(theirs), static_cast<long>(item));
    EXPECT_EQ(PlanLinks(), expected);
    EXPECT_TRUE(WatchInStep(kWatchAppointments, kAppointments));

    EXPECT_TRUE(DeleteContactAppointments(mine)) << "nothing left to do";
}

TEST_F(ItemCommandsTest, AnAppointmentThatCannotBeDeletedKeepsItsLink)
{
    CEOID mine = MakeContact(L"홍", L"길동");
    CEOID first = MakeAppointment(L"a", L"2024-05-08 09:00", L"2024-05-08 10:00");
    CEOID second = MakeAppointment(L"b", L"2024-05-09 09:00", L"2024-05-09 10:00");
    ASSERT_TRUE(AddPlanLink(mine, first));
    ASSERT_TRUE(AddPlanLink(mine, second));
    CeStoreFailNextChange(kAppointments, 0);
    EXPECT_FALSE(DeleteContactAppointments(mine));
    EXPECT_TRUE(ReadAppointment(first).found);
    EXPECT_FALSE(ReadAppointment(second).found);
    EXPECT_EQ(PlanLinks(), (Links{{static_cast<long>(mine), static_cast<long>(first)}}));
}

}  // namespace
}  // namespace commandstest
