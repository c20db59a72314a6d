// The Pocket Outlook writers: forms in, items read back through the object
// model, link records read from the store, and the store's fault hook
// failing a save or a link write.
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/outlook_probes.h"
#include "core/outlook_writers.h"
#include "core/rich_ink_body.h"
#include "tests/commands/commands_fixture.h"

#include <cstring>
#include <functional>

namespace commandstest {
namespace {

class WritersTest : public CommandsTest {
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        ItemFormState = ItemFormFields();
        RecurrencePatternState = RecurrenceRule();
        // 2024-05-08 is a Wednesday, the second of its month.
        RecurrencePatternState.SeedYear = 2024;
        RecurrencePatternState.SeedMonth = 5;
        RecurrencePatternState.SeedDay = 8;
        RecurrencePatternState.SeedWeekday = 4;
        RecurrencePatternState.SeedNth = 2;
    }

    // A timed one-hour appointment on 2024-05-08 from the form.
    void FillAppointmentForm(wchar_t code, wchar_t reminderFlag, int32_t minutes)
    {
        wcscpy(ItemFormState.StartDate, L"2024-05-08");
        wcscpy(ItemFormState.StartTime, L"09:00");
        wcscpy(ItemFormState.EndDate, L"2024-05-08");
        wcscpy(ItemFormState.EndTime, L"10:00");
        wcscpy(ItemFormState.Title, L"회의");
        wcscpy(ItemFormState.Place, L"3층");
        wcscpy(ItemFormState.Body, L"안건");
        ItemFormState.RecurrenceCode = code;
        ItemFormState.ReminderFlag = reminderFlag;
        ItemFormState.ReminderMinutes = minutes;
    }
};

// ---- custom rules -------------------------------------------------------------------

void DailyEvery3()
{
    RecurrencePatternState.PageType = kPageDaily;
    RecurrencePatternState.DailyEveryN = 1;
    wcscpy(RecurrencePatternState.DailyN, L"3");
}
void DailyEveryWeekday()
{
    RecurrencePatternState.PageType = kPageDaily;
    RecurrencePatternState.DailyEveryWeekday = 1;
}
void WeeklyEvery2MondayThursday()
{
    RecurrencePatternState.PageType = kPageWeekly;
    wcscpy(RecurrencePatternState.WeeklyN, L"2");
    RecurrencePatternState.WeekdayFlags[1] = 1;
    RecurrencePatternState.WeekdayFlags[4] = 1;
}
void WeeklyWednesday()
{
    RecurrencePatternState.PageType = kPageWeekly;
    wcscpy(RecurrencePatternState.WeeklyN, L"1");
    RecurrencePatternState.WeekdayFlags[3] = 1;
}
void MonthlyEvery2On15()
{
    RecurrencePatternState.PageType = kPageMonthly;
    RecurrencePatternState.MonthlyByDate = 1;
    wcscpy(RecurrencePatternState.MonthlyN, L"2");
    wcscpy(RecurrencePatternState.MonthlyDay, L"15");
}
void MonthlySecondTuesday()
{
    RecurrencePatternState.PageType = kPageMonthly;
    RecurrencePatternState.MonthlyByNth = 1;
    wcscpy(RecurrencePatternState.MonthlyNthN, L"1");
    RecurrencePatternState.MonthlyInstance = 1;
    RecurrencePatternState.MonthlyDayKind = 5;
}
void YearlyMarch10()
{
    RecurrencePatternState.PageType = kPageYearly;
    RecurrencePatternState.YearlyByDate = 1;
    RecurrencePatternState.YearlyMonth = 2;
    wcscpy(RecurrencePatternState.YearlyDay, L"10");
}
void YearlyLastWeekdayOfMarch()
{
    RecurrencePatternState.PageType = kPageYearly;
    RecurrencePatternState.YearlyByNth = 1;
    RecurrencePatternState.YearlyNthMonth = 2;
    RecurrencePatternState.YearlyInstance = 4;
    RecurrencePatternState.YearlyDayKind = 1;
}

void EndNever()
{
    RecurrencePatternState.RangeNoEnd = 1;
    wcscpy(RecurrencePatternState.RangeStart, L"2024-05-08");
}
void EndByDate()
{
    RecurrencePatternState.RangeEndDate = 1;
    wcscpy(RecurrencePatternState.RangeStart, L"2024-05-08");
    wcscpy(RecurrencePatternState.RangeEnd, L"2024-12-31");
}
void EndAfter5()
{
    RecurrencePatternState.RangeCount = 1;
    wcscpy(RecurrencePatternState.RangeStart, L"2024-05-08");
    wcscpy(RecurrencePatternState.RangeCountText, L"5");
}

struct RuleCase {
    const char* name;
    wchar_t code;
    void (*rule)();
    void (*range)();
    long type, interval, mask, dayOfMonth, monthOfYear, instance;
    bool noEnd;
    long occurrences;
    const wchar_t* patternEnd;  // checked when the rule ends on a date
};

const RuleCase kRuleCases[] = {
    {"weekly on the start weekday", L'1', nullptr, nullptr, olRecursWeekly, 1, olWednesday, 0, 0, 0, true, 0, nullptr},
    {"monthly on the start day", L'2', nullptr, nullptr, olRecursMonthly, 1, 0, 8, 0, 0, true, 0, nullptr},
    {"yearly on the start day", L'3', nullptr, nullptr, olRecursYearly, 1, 0, 8, 5, 0, true, 0, nullptr},
    {"daily every 3 days, no end", L'4', DailyEvery3, EndNever, olRecursDaily, 3, 0, 0, 0, 0, true, 0, nullptr},
    {"every weekday, by date", L'4', DailyEveryWeekday, EndByDate, olRecursWeekly, 1, 62, 0, 0, 0, false, 0,
     L"2024-12-31"},
    {"every 2 weeks Mon Thu, 5 times", L'4', WeeklyEvery2MondayThursday, EndAfter5, olRecursWeekly, 2,
     olMonday | olThursday, 0, 0, 0, false, 5, nullptr},
    {"monthly every 2 on the 15th", L'4', MonthlyEvery2On15, EndNever, olRecursMonthly, 2, 0, 15, 0, 0, true, 0,
     nullptr},
    {"second Tuesday monthly, by date", L'4', MonthlySecondTuesday, EndByDate, olRecursMonthNth, 1, olTuesday, 0, 0,
     2, false, 0, L"2024-12-31"},
    {"yearly on 10 March, 5 times", L'4', YearlyMarch10, EndAfter5, olRecursYearly, 0, 0, 10, 3, 0, false, 5,
     nullptr},
    {"last weekday of March, no end", L'4', YearlyLastWeekdayOfMarch, EndNever, olRecursYearNth, 0, 62, 0, 3, 5, true,
     0, nullptr},
};

TEST_F(WritersTest, EveryRepeatCodeAndCustomPageReadsBackAsItsPattern)
{
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.name);
        Restart();
        FillAppointmentForm(c.code, L'0', 0);
        if (c.rule)
            c.rule();
        if (c.range)
            c.range();
        CEOID oid = AddAppointmentFromForm();
        ASSERT_NE(oid, 0u);
        StoredAppointment read = ReadAppointment(oid);
        EXPECT_EQ(read.type, c.type);
        if (c.interval) {
            EXPECT_EQ(read.interval, c.interval);
        }
        if (c.mask) {
            EXPECT_EQ(read.mask, c.mask);
        }
        if (c.dayOfMonth) {
            EXPECT_EQ(read.dayOfMonth, c.dayOfMonth);
        }
        if (c.monthOfYear) {
            EXPECT_EQ(read.monthOfYear, c.monthOfYear);
        }
        if (c.instance) {
            EXPECT_EQ(read.instance, c.instance);
        }
        EXPECT_EQ(read.noEnd, c.noEnd);
        EXPECT_EQ(read.occurrences, c.occurrences);
        if (c.patternEnd) {
            EXPECT_EQ(read.patternEnd, c.patternEnd);
        }
        EXPECT_EQ(read.patternStart, L"2024-05-08");
    }
}

struct LimitCase {
    const char* name;
    wchar_t code;
    void (*rule)();
    int32_t limit;
};

const LimitCase kLimitCases[] = {
    {"weekly", L'1', nullptr, 10079},
    {"monthly", L'2', nullptr, 40319},
    {"yearly", L'3', nullptr, 483839},
    {"every 3 days", L'4', DailyEvery3, 4319},
    {"every weekday", L'4', DailyEveryWeekday, 1439},
    {"every 2 weeks Mon Thu", L'4', WeeklyEvery2MondayThursday, 14399},
    {"weekly on one day", L'4', WeeklyWednesday, 10079},
    {"monthly by date", L'4', MonthlyEvery2On15, 40319},
    {"monthly by weekday", L'4', MonthlySecondTuesday, 40319},
    {"yearly by date", L'4', YearlyMarch10, 483839},
};

TEST_F(WritersTest, AReminderLeadIsSavedUpToTheLimitOfItsRule)
{
    for (const LimitCase& c : kLimitCases) {
        for (int32_t delta : {-1, 0, 1}) {
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.limit + delta));
            Restart();
            FillAppointmentForm(c.code, L'1', c.limit + delta);
            if (c.rule) {
                c.rule();
                EndNever();
            }
            int before = WatchedCount(L"Appointments Database");
            CEOID oid = AddAppointmentFromForm();
            if (delta <= 0) {
                ASSERT_NE(oid, 0u);
                EXPECT_EQ(ReadAppointment(oid).reminderMinutes, c.limit + delta);
            } else {
                EXPECT_EQ(oid, 0u);
                EXPECT_EQ(WatchedCount(L"Appointments Database"), before);
            }
        }
    }
    Restart();
    FillAppointmentForm(L'0', L'1', 999999);
    EXPECT_NE(AddAppointmentFromForm(), 0u) << "a single appointment takes any lead";
}

TEST_F(WritersTest, TheLeadIsHeldToTheRuleWithTheReminderOff)
{
    FillAppointmentForm(L'1', L'0', 10080);
    EXPECT_EQ(AddAppointmentFromForm(), 0u);
}

struct TimesCase {
    const char* name;
    const wchar_t *startDate, *startTime, *endDate, *endTime;
    const wchar_t *start, *end;
    bool allDay;
};

const TimesCase kTimesCases[] = {
    {"timed", L"2024-05-08", L"09:00", L"2024-05-08", L"10:30", L"2024-05-08 09:00", L"2024-05-08 10:30", false},
    {"timed over midnight", L"2024-05-08", L"22:00", L"2024-05-09", L"01:00", L"2024-05-08 22:00",
     L"2024-05-09 01:00", false},
    {"timed without end", L"2024-05-08", L"09:00", L"", L"", L"2024-05-08 09:00", L"2024-05-08 09:00", false},
    {"all-day without end", L"2024-05-08", L"", L"", L"", L"2024-05-08 00:00", L"2024-05-09 00:00", true},
    {"all-day to the 10th", L"2024-05-08", L"", L"2024-05-10", L"", L"2024-05-08 00:00", L"2024-05-11 00:00", true},
    {"all-day, an end time ignored", L"2024-05-08", L"", L"2024-05-10", L"13:00", L"2024-05-08 00:00",
     L"2024-05-11 00:00", true},
};

TEST_F(WritersTest, StartEndAndAllDayOfNewAndUpdatedAppointments)
{
    for (const TimesCase& c : kTimesCases) {
        SCOPED_TRACE(c.name);
        Restart();
        FillAppointmentForm(L'0', L'0', 0);
        wcscpy(ItemFormState.StartDate, c.startDate);
        wcscpy(ItemFormState.StartTime, c.startTime);
        wcscpy(ItemFormState.EndDate, c.endDate);
        wcscpy(ItemFormState.EndTime, c.endTime);
        int before = WatchedCount(L"Appointments Database");
        CEOID oid = AddAppointmentFromForm();
        ASSERT_NE(oid, 0u);
        EXPECT_EQ(WatchedCount(L"Appointments Database"), before + 1);
        StoredAppointment made = ReadAppointment(oid);
        EXPECT_EQ(made.start, c.start);
        EXPECT_EQ(made.end, c.end);
        EXPECT_EQ(made.allDay, c.allDay);
        EXPECT_EQ(made.subject, L"회의");
        EXPECT_EQ(made.location, L"3층");
        EXPECT_EQ(made.body, L"안건");
        EXPECT_TRUE(WatchInStep(kWatchAppointments, L"Appointments Database"));

        // The same times written over a different appointment.
        CEOID other = MakeAppointment(L"다른", L"2024-06-01 13:00", L"2024-06-01 14:00");
        ASSERT_EQ(UpdateAppointmentFromForm(other), other);
        StoredAppointment updated = ReadAppointment(other);
        EXPECT_EQ(updated.start, c.start);
        EXPECT_EQ(updated.end, c.end);
        EXPECT_EQ(updated.allDay, c.allDay);
    }
}

TEST_F(WritersTest, AnUpdateWritesTheInkBodyAndFreesIt)
{
    CEOID oid = MakeAppointment(L"본문", L"2024-05-08 09:00", L"2024-05-08 10:00");
    FillAppointmentForm(L'0', L'0', 0);
    const char text[] = "ink body";
    ASSERT_TRUE(SetRichInkBody(text, sizeof(text) - 1));
    ASSERT_EQ(UpdateAppointmentFromForm(oid), oid);
    EXPECT_EQ(RichInkBody.bytes, nullptr);
    EXPECT_EQ(RichInkBody.size, 0u);
    ComRef<IAppointment> item = AppointmentFromOid(oid);
    BYTE* ink = nullptr;
    int bytes = 0;
    ASSERT_TRUE(SUCCEEDED(item->get_BodyInk(&ink, &bytes)));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(ink), bytes), "ink body");
    LocalFree(ink);
}

TEST_F(WritersTest, AnUpdateToNoRepeatClearsThePattern)
{
    CEOID oid = MakeAppointment(L"매주", L"2024-05-08 09:00", L"2024-05-08 10:00", false, 4);
    ASSERT_EQ(ReadAppointment(oid).type, olRecursWeekly);
    FillAppointmentForm(L'0', L'0', 0);
    ASSERT_EQ(UpdateAppointmentFromForm(oid), oid);
    EXPECT_EQ(ReadAppointment(oid).type, olRecursNone);
}

TEST_F(WritersTest, AMissingItemGivesZero)
{
    FillAppointmentForm(L'0', L'0', 0);
    EXPECT_EQ(UpdateAppointmentFromForm(987654), 0u);
    EXPECT_EQ(UpdateTaskFromForm(987654), 0u);
    EXPECT_EQ(UpdateContactFromForm(0x80001234, L"", L""), 0u);
    EXPECT_EQ(UpdateOccurrenceFromForm(987654), 0u);
}

// ---- links -------------------------------------------------------------------------------

TEST_F(WritersTest, ANewAppointmentIsLinkedToThePendingContact)
{
    struct LinkCase {
        const char* name;
        int32_t view;
        bool assignee;
        bool cleared;
    };
    const LinkCase cases[] = {
        {"schedule view", 4, true, true},
        {"contact card", 0, true, false},
        {"no contact", 4, false, false},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        CEOID contact = MakeContact(L"홍", L"길동");
        CurrentView = c.view;
        AssigneeOid = c.assignee ? contact : 0;
        FillAppointmentForm(L'0', L'0', 0);
        CEOID oid = AddAppointmentFromForm();
        ASSERT_NE(oid, 0u);
        Links expected;
        if (c.assignee)
            expected.emplace_back(static_cast<long>(contact), static_cast<long>(oid));
        EXPECT_EQ(PlanLinks(), expected);
        EXPECT_EQ(AssigneeOid, c.assignee && !c.cleared ? contact : 0u);
    }
}

TEST_F(WritersTest, AnUpdateRelinksOnlyAfterItsSave)
{
    CEOID first = MakeContact(L"홍", L"길동");
    CEOID second = MakeContact(L"김", L"철수");
    CEOID oid = MakeAppointment(L"약속", L"2024-05-08 09:00", L"2024-05-08 10:00");
    ASSERT_TRUE(AddPlanLink(first, oid));
    FillAppointmentForm(L'0', L'0', 0);

    // A save failed by the store: the link stays, nothing is recorded.
    AssigneeOid = second;
    int seen = OutlookWatchState[kWatchAppointments].lastSeenCount = -7;
    CeStoreFailNextChange(L"Appointments Database", 0);
    EXPECT_EQ(UpdateAppointmentFromForm(oid), 0u);
    EXPECT_EQ(PlanLinks(), (Links{{static_cast<long>(first), static_cast<long>(oid)}}));
    EXPECT_EQ(ReadAppointment(oid).subject, L"약속");
    EXPECT_EQ(OutlookWatchState[kWatchAppointments].lastSeenCount, seen);
    EXPECT_EQ(AssigneeOid, second);

    // A link that cannot be written: the old one is back.
    CeStoreFailNextChange(L"QuillonPlan", 0);
    EXPECT_EQ(UpdateAppointmentFromForm(oid), 0u);
    Links links = PlanLinks();
    EXPECT_EQ(links.size(), 1u);
    EXPECT_EQ(links.at(0).first, static_cast<long>(first));

    // Saved: the link names the new contact.
    EXPECT_EQ(UpdateAppointmentFromForm(oid), oid);
    EXPECT_EQ(PlanLinks(), (Links{{static_cast<long>(second), static_cast<long>(oid)}}));
    EXPECT_EQ(AssigneeOid, 0u);

    // Saved without a contact: no link.
    EXPECT_EQ(UpdateAppointmentFromForm(oid), oid);
    EXPECT_TRUE(PlanLinks().empty());
}

TEST_F(WritersTest, ANewItemWhoseLinkFailsIsTakenOutAgain)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    FillAppointmentForm(L'0', L'0', 0);
    AssigneeOid = contact;
    int appointments = WatchedCount(L"Appointments Database");
    CeStoreFailNextChange(L"QuillonPlan", 0);
    EXPECT_EQ(AddAppointmentFromForm(), 0u);
    EXPECT_EQ(WatchedCount(L"Appointments Database"), appointments);
    EXPECT_EQ(AssigneeOid, contact);

    wcscpy(ItemFormState.StartDate, L"2024-05-08");
    ItemFormState.StartSet = L'T';
    ItemFormState.DueSet = L'F';
    ItemFormState.RecurrenceCode = L'0';
    int tasks = WatchedCount(L"Tasks Database");
    CeStoreFailNextChange(L"QuillonTask", 0);
    EXPECT_EQ(AddTaskFromForm(), 0u);
    EXPECT_EQ(WatchedCount(L"Tasks Database"), tasks);
}

TEST_F(WritersTest, CreatesFailedByTheStoreSaveNothing)
{
    struct FaultCase {
        const char* name;
        const wchar_t* database;
        std::function<CEOID()> write;
    };
    const FaultCase cases[] = {
        {"appointment", L"Appointments Database", [] { return AddAppointmentFromForm(); }},
        {"task", L"Tasks Database", [] { return AddTaskFromForm(); }},
        {"contact", L"Contacts Database", [] { return AddContactFromForm(L"회사", L""); }},
        {"anniversary mirror", L"Appointments Database",
         [] { return CreateAnniversaryAppointment(L"2024-03-15", L"", L'0', 0, L"[생일] 엄마", L""); }},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        FillAppointmentForm(L'0', L'0', 0);
        wcscpy(ItemFormState.Contact.Name, L"홍");
        // The databases exist before the failure is armed.
        MakeContact(L"a", L"b");
        MakeAppointment(L"a", L"2024-01-01 09:00", L"2024-01-01 10:00");
        MakeTask(L"a");
        int before = WatchedCount(c.database);
        OutlookWatchState[kWatchContacts].lastSeenCount = -7;
        OutlookWatchState[kWatchAppointments].lastSeenCount = -7;
        OutlookWatchState[kWatchTasks].lastSeenCount = -7;
        CeStoreFailNextChange(c.database, 0);
        EXPECT_EQ(c.write(), 0u);
        EXPECT_EQ(WatchedCount(c.database), before);
        for (const OutlookWatchEntry& entry : OutlookWatchState)
            EXPECT_EQ(entry.lastSeenCount, -7) << "nothing recorded";
    }
}

// ---- the anniversary mirror ------------------------------------------------------------

TEST_F(WritersTest, TheAnniversaryMirrorIsTenYearlyOneMinuteOccurrences)
{
    CEOID oid = CreateAnniversaryAppointment(L"2024-03-15", L"09:59", L'1', 1440, L"[생일] 엄마", L"케이크");
    ASSERT_NE(oid, 0u);
    StoredAppointment read = ReadAppointment(oid);
    EXPECT_EQ(read.start, L"2024-03-15 09:59");
    EXPECT_EQ(read.end, L"2024-03-15 10:00");
    EXPECT_FALSE(read.allDay);
    EXPECT_EQ(read.subject, L"[생일] 엄마");
    EXPECT_EQ(read.body, L"케이크");
    EXPECT_TRUE(read.reminderSet);
    EXPECT_EQ(read.reminderMinutes, 1440);
    EXPECT_EQ(read.type, olRecursYearly);
    EXPECT_EQ(read.dayOfMonth, 15);
    EXPECT_EQ(read.monthOfYear, 3);
    EXPECT_EQ(read.occurrences, 10);
    EXPECT_EQ(RecurrencePatternState.SeedDay, 15);
    EXPECT_EQ(RecurrencePatternState.SeedMonth, 3);
    EXPECT_EQ(OccurrenceStarts(L"2024-01-01", L"2026-12-31"),
              (std::vector<std::wstring>{L"2024-03-15 09:59", L"2025-03-15 09:59", L"2026-03-15 09:59"}));
    ComRef<IAppointment> series = AppointmentFromOid(oid);
    ComRef<IRecurrencePattern> pattern;
    ASSERT_TRUE(SUCCEEDED(series->GetRecurrencePattern(pattern.Out())));
    ComRef<IAppointment> tenth, eleventh;
    EXPECT_TRUE(SUCCEEDED(pattern->GetOccurrence(DateOf(L"2033-03-15 09:59"), tenth.Out())));
    EXPECT_FALSE(SUCCEEDED(pattern->GetOccurrence(DateOf(L"2034-03-15 09:59"), eleventh.Out())));
    EXPECT_TRUE(WatchInStep(kWatchAppointments, L"Appointments Database"));

    CEOID midnight = CreateAnniversaryAppointment(L"2024-12-31", L"", L'0', 0, L"[기타] 해넘이", L"");
    StoredAppointment plain = ReadAppointment(midnight);
    EXPECT_EQ(plain.start, L"2024-12-31 00:00");
    EXPECT_EQ(plain.end, L"2024-12-31 00:01");
    EXPECT_FALSE(plain.reminderSet);
    EXPECT_EQ(plain.body, L"");
}

// ---- one occurrence -------------------------------------------------------------------------

TEST_F(WritersTest, OneOccurrenceTakesTheFormAndTheSeriesStays)
{
    CEOID oid = MakeAppointment(L"주간 회의", L"2024-05-08 09:00", L"2024-05-08 10:00", false, 4);
    FillAppointmentForm(L'1', L'1', 30);
    wcscpy(ItemFormState.OccurrenceStartDate, L"2024-05-15");
    wcscpy(ItemFormState.OccurrenceStartTime, L"09:00");
    wcscpy(ItemFormState.StartDate, L"2024-05-15");
    wcscpy(ItemFormState.StartTime, L"15:00");
    wcscpy(ItemFormState.EndDate, L"2024-05-15");
    wcscpy(ItemFormState.EndTime, L"16:00");
    wcscpy(ItemFormState.Title, L"옮긴 회의");
    ASSERT_TRUE(SetRichInkBody("x", 1));
    ASSERT_EQ(UpdateOccurrenceFromForm(oid), oid);
    EXPECT_EQ(RichInkBody.bytes, nullptr);
    EXPECT_EQ(OccurrenceStarts(L"2024-05-01", L"2024-05-31"),
              (std::vector<std::wstring>{L"2024-05-08 09:00", L"2024-05-15 15:00", L"2024-05-22 09:00",
                                         L"2024-05-29 09:00"}));
    EXPECT_EQ(ReadAppointment(oid).subject, L"주간 회의");

    // No occurrence at the remembered start: nothing is written.
    wcscpy(ItemFormState.OccurrenceStartDate, L"2024-05-16");
    EXPECT_EQ(UpdateOccurrenceFromForm(oid), 0u);
    ItemFormState.OccurrenceStartDate[0] = L'\0';
    EXPECT_EQ(UpdateOccurrenceFromForm(oid), 0u);
}

// ---- tasks ------------------------------------------------------------------------------------

void FillTaskForm(const wchar_t* start, wchar_t startSet, const wchar_t* due, wchar_t dueSet, wchar_t code)
{
    ItemFormState = ItemFormFields();
    wcscpy(ItemFormState.StartDate, start);
    ItemFormState.StartSet = startSet;
    wcscpy(ItemFormState.EndDate, due);
    ItemFormState.DueSet = dueSet;
    wcscpy(ItemFormState.Title, L"보고서");
    wcscpy(ItemFormState.Body, L"초안");
    ItemFormState.Priority = L'2';
    ItemFormState.Status = L'F';
    ItemFormState.ReminderFlag = L'0';
    ItemFormState.RecurrenceCode = code;
}

std::wstring Today()
{
    wchar_t today[kFormDateChars];
    FormatToday(today, ARRAYSIZE(today));
    return today;
}

TEST_F(WritersTest, ARepeatingTaskStartsItsRuleOnItsStartElseDueElseToday)
{
    struct StartCase {
        const char* name;
        const wchar_t* start;
        wchar_t startSet;
        const wchar_t* due;
        wchar_t dueSet;
        std::wstring patternStart;
    };
    const StartCase cases[] = {
        {"start date", L"2024-05-08", L'T', L"2024-05-20", L'T', L"2024-05-08"},
        {"due date only", L"", L'F', L"2024-05-20", L'T', L"2024-05-20"},
        {"neither", L"", L'F', L"", L'F', Today()},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        FillTaskForm(c.start, c.startSet, c.due, c.dueSet, L'2');
        CEOID oid = AddTaskFromForm();
        ASSERT_NE(oid, 0u);
        StoredTask read = ReadTask(oid);
        EXPECT_EQ(read.type, olRecursMonthly);
        EXPECT_EQ(read.patternStart, c.patternStart);
    }
}

TEST_F(WritersTest, TaskFieldsAndNoDateOnUpdate)
{
    FillTaskForm(L"2024-05-08", L'T', L"2024-05-20", L'T', L'0');
    ItemFormState.Priority = L'3';
    ItemFormState.ReminderFlag = L'1';
    wcscpy(ItemFormState.ReminderDate, L"2024-05-19");
    wcscpy(ItemFormState.ReminderTime, L"08:30");
    CEOID oid = AddTaskFromForm();
    ASSERT_NE(oid, 0u);
    StoredTask made = ReadTask(oid);
    EXPECT_EQ(made.subject, L"보고서");
    EXPECT_EQ(made.body, L"초안");
    EXPECT_EQ(made.startDate, L"2024-05-08");
    EXPECT_EQ(made.dueDate, L"2024-05-20");
    EXPECT_EQ(made.importance, olImportanceHigh);
    EXPECT_TRUE(made.reminderSet);
    EXPECT_EQ(made.reminderTime, L"2024-05-19 08:30");
    EXPECT_FALSE(made.complete);
    EXPECT_TRUE(WatchInStep(kWatchTasks, L"Tasks Database"));

    FillTaskForm(L"", L'F', L"", L'F', L'0');
    ItemFormState.Priority = L'1';
    ItemFormState.Status = L'T';
    ASSERT_EQ(UpdateTaskFromForm(oid), oid);
    StoredTask updated = ReadTask(oid);
    EXPECT_EQ(updated.startDate, L"4501-01-01");
    EXPECT_EQ(updated.dueDate, L"4501-01-01");
    EXPECT_EQ(updated.importance, olImportanceLow);
    EXPECT_FALSE(updated.reminderSet);
    EXPECT_TRUE(updated.complete);
}

TEST_F(WritersTest, ATaskUpdateFailedByTheStoreKeepsItsLink)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    CEOID other = MakeContact(L"김", L"철수");
    CEOID oid = MakeTask(L"원래");
    ASSERT_TRUE(AddTaskLink(contact, oid));
    FillTaskForm(L"2024-05-08", L'T', L"", L'F', L'0');
    CurrentView = 6;
    AssigneeOid = other;
    CeStoreFailNextChange(L"Tasks Database", 0);
    EXPECT_EQ(UpdateTaskFromForm(oid), 0u);
    EXPECT_EQ(TaskLinks(), (Links{{static_cast<long>(contact), static_cast<long>(oid)}}));
    EXPECT_EQ(ReadTask(oid).subject, L"원래");
    EXPECT_EQ(UpdateTaskFromForm(oid), oid);
    EXPECT_EQ(TaskLinks(), (Links{{static_cast<long>(other), static_cast<long>(oid)}}));
    EXPECT_EQ(AssigneeOid, 0u) << "consumed in the task view";
}

// ---- contacts ----------------------------------------------------------------------------------

void FillContactForm(const wchar_t* name, const wchar_t* firstName)
{
    ContactFormFields& c = ItemFormState.Contact;
    c = ContactFormFields();
    wcscpy(c.Name, name);
    wcscpy(c.FirstName, firstName);
    wcscpy(c.Department, L"개발부");
    wcscpy(c.JobTitle, L"과장");
    wcscpy(c.PostalCode, L"135-080");
    wcscpy(c.State, L"서울");
    wcscpy(c.City, L"강남구");
    wcscpy(c.Street, L"역삼동 1");
    wcscpy(c.BusinessPhone, L"02-555-1234");
    wcscpy(c.BusinessFax, L"02-555-1235");
    wcscpy(c.Mobile, L"010-1234-5678");
    wcscpy(c.Email, L"hong@example.com");
    wcscpy(c.HomePhone, L"031-777-8888");
}

TEST_F(WritersTest, ContactsInBothNameModes)
{
    struct NameCase {
        int32_t parts;
        const wchar_t *name, *firstName;
        const wchar_t *storedFirst, *storedLast, *fileAs;
    };
    const NameCase cases[] = {
        {2, L"홍", L"길동", L"길동", L"홍", L"홍길동"},
        {1, L"홍길동", L"", L"홍길동", L"", L"홍길동"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.parts);
        Restart();
        Settings.ContactNameParts = c.parts;
        FillContactForm(c.name, c.firstName);
        CEOID oid = AddContactFromForm(L"회사", L"친구, 동창");
        ASSERT_NE(oid, 0u);
        EXPECT_TRUE(WatchInStep(kWatchContacts, L"Contacts Database"));
        StoredContact made = ReadContact(oid);
        EXPECT_EQ(made.firstName, c.storedFirst);
        EXPECT_EQ(made.lastName, c.storedLast);
        EXPECT_EQ(made.fileAs, c.fileAs);
        EXPECT_EQ(made.company, L"회사");
        EXPECT_EQ(made.categories, L"친구, 동창");
        EXPECT_EQ(made.department, L"개발부");
        EXPECT_EQ(made.jobTitle, L"과장");
        EXPECT_EQ(made.postalCode, L"135-080");
        EXPECT_EQ(made.state, L"서울");
        EXPECT_EQ(made.city, L"강남구");
        EXPECT_EQ(made.street, L"역삼동 1");
        EXPECT_EQ(made.businessPhone, L"02-555-1234");
        EXPECT_EQ(made.fax, L"02-555-1235");
        EXPECT_EQ(made.mobile, L"010-1234-5678");
        EXPECT_EQ(made.email, L"hong@example.com");
        EXPECT_EQ(made.homePhone, L"031-777-8888");

        // An update in this mode over a contact with other names.
        CEOID other = MakeContact(L"김", L"철수");
        EXPECT_EQ(UpdateContactFromForm(other, L"새회사", L""), other);
        StoredContact updated = ReadContact(other);
        EXPECT_EQ(updated.firstName, c.storedFirst);
        EXPECT_EQ(updated.lastName, c.storedLast);
        EXPECT_EQ(updated.fileAs, c.fileAs);
        EXPECT_EQ(updated.company, L"새회사");
    }
}

TEST_F(WritersTest, AContactUpdateFailedByTheStoreGivesZero)
{
    CEOID oid = MakeContact(L"김", L"철수");
    FillContactForm(L"홍", L"길동");
    CeStoreFailNextChange(L"Contacts Database", 0);
    EXPECT_EQ(UpdateContactFromForm(oid, L"", L""), 0u);
    EXPECT_EQ(ReadContact(oid).lastName, L"김");
}

}  // namespace
}  // namespace commandstest
