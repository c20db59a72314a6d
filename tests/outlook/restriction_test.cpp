// Restriction queries over a fixed fixture of tasks and appointments.
#include "platform/outlook/restriction.h"

#include "tests/outlook/model_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace poom;
using fixtures::Appointment;
using fixtures::Task;
using fixtures::ItemFields;

namespace {

const wchar_t kPicture[] = L"MM/dd/yy";

// The subjects of the items that pass, joined by "|".
std::wstring Matching(ItemKind kind, const std::vector<ItemData>& items, const std::wstring& query)
{
    auto restriction = Restriction::Parse(kind, query, kPicture);
    if (!restriction)
        return L"(malformed)";
    std::wstring result;
    for (const ItemData& item : items) {
        if (restriction->Matches(ItemFields(item)))
            result += (result.empty() ? L"" : L"|") + item.Text(kPropSubject);
    }
    return result;
}

std::vector<ItemData> TaskFixture()
{
    std::vector<ItemData> tasks = {
        Task(1, L"장보기", MakeDate(2024, 1, 10), false),
        Task(2, L"보고서", MakeDate(2024, 1, 15), true),
        Task(3, L"Call mom", kPoomNoDate, false),
        Task(4, L"세금", MakeDate(2024, 1, 20), false),
    };
    tasks[3].SetNumber(kPropImportance, olImportanceHigh);
    return tasks;
}

std::vector<ItemData> AppointmentFixture()
{
    return {
        Appointment(11, L"multi", MakeDate(2024, 1, 31, 22, 0), MakeDate(2024, 2, 2, 2, 0)),
        Appointment(12, L"meeting", MakeDate(2024, 2, 15, 10, 0), MakeDate(2024, 2, 15, 11, 0)),
        Appointment(13, L"holiday", MakeDate(2024, 3, 1), MakeDate(2024, 3, 2), true),
        Appointment(14, L"january", MakeDate(2024, 1, 15, 9, 0), MakeDate(2024, 1, 15, 9, 30)),
        Appointment(15, L"midnight", MakeDate(2024, 2, 29, 23, 0), MakeDate(2024, 3, 1)),
    };
}

struct QueryCase {
    const wchar_t* query;
    const wchar_t* expected;
};

const QueryCase kTaskQueries[] = {
    {L"[Complete] = 0", L"장보기|Call mom|세금"},
    {L"[Complete] = 1", L"보고서"},
    {L"[Complete] = 0 OR [Complete] = 1", L"장보기|보고서|Call mom|세금"},
    // Overdue: a task without a due date is never before a date.
    {L"[Complete] = 0 AND [DueDate] < \"01/15/24\"", L"장보기"},
    {L"([DueDate] <= \"01/20/24 23:59\" AND [DueDate] >= \"01/15/24\") OR ([Complete] = 0 AND [DueDate] < "
     L"\"01/15/24\")",
     L"장보기|보고서|세금"},
    {L"[DueDate] <= \"01/15/24 23:59\" AND [DueDate] >= \"01/15/24\"", L"보고서"},
    {L"[Subject] = \"call MOM\"", L"Call mom"},  // text ignores case
    {L"[Subject] <> \"세금\"", L"장보기|보고서|Call mom"},
    {L"[Subject] > \"a\" AND [Subject] < \"d\"", L"Call mom"},
    {L"[Importance] >= 2", L"세금"},
    {L"[Importance] = \"2\"", L"세금"},
    // Names and keywords ignore case; no date compares as 4501-01-01.
    {L"[complete]=0 and [duedate]>=\"01/15/24\"", L"Call mom|세금"},
    {L"[Complete] = 1 OR [Complete] = 0 AND [Importance] = 2", L"보고서|세금"},  // AND binds tighter
    {L"([Complete] = 1 OR [Complete] = 0) AND [Importance] = 2", L"세금"},
    {L"[DueDate] = \"4501-01-01\"", L"(malformed)"},  // not in the picture
};

const QueryCase kAppointmentQueries[] = {
    // The month query of the schedule: February with six days of March.
    {L"[Start] <= \"03/06/24 23:59\" AND [End] >= \"02/01/24\"", L"multi|meeting|holiday|midnight"},
    // One day, overlap on both sides.
    {L"[Start] <= \"02/01/24 23:59\" AND [End] >= \"02/01/24\"", L"multi"},
    {L"[Start] <= \"02/02/24 23:59\" AND [End] >= \"02/02/24\"", L"multi"},
    {L"[Start] <= \"02/03/24 23:59\" AND [End] >= \"02/03/24\"", L""},
    // Items ending at midnight do not reach into that day.
    {L"[Start] <= \"03/01/24 23:59\" AND [End] >= \"03/01/24\"", L"holiday"},
    {L"[Start] <= \"03/02/24 23:59\" AND [End] >= \"03/02/24\"", L""},
    {L"[Start] <= \"02/29/24 23:59\" AND [End] >= \"02/29/24\"", L"midnight"},
    {L"[AllDayEvent] = 1", L"holiday"},
    {L"[Start] = \"01/15/24 09:00\"", L"january"},
    {L"[Start] < \"01/15/24 09:00\"", L""},
    {L"[Duration] > 60", L"multi|holiday"},
    {L"[Location] = \"\"", L"multi|meeting|holiday|january|midnight"},
};

const wchar_t* const kMalformed[] = {
    L"",
    L"   ",
    L"[Complete]",
    L"[Complete] =",
    L"[Complete] = 1 AND",
    L"AND [Complete] = 1",
    L"[Nothing] = 1",
    L"[Complete] == 1",
    L"[Complete] =< 1",
    L"[Complete] 1",
    L"([Complete] = 1",
    L"[Complete] = 1)",
    L"[DueDate] < \"31/01/24\"",
    L"[DueDate] < 5",
    L"[Subject] = \"unterminated",
    L"[Subject = \"x\"",
    L"[Importance] = \"high\"",
    L"[Complete] = 1 XOR [Complete] = 0",
    L"[Complete] = 1 [Complete] = 0",
    L"[Complete] = 1x",
};

TEST(Restriction, TaskQueries)
{
    std::vector<ItemData> tasks = TaskFixture();
    for (const QueryCase& c : kTaskQueries) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.query)));
        EXPECT_EQ(Matching(ItemKind::Task, tasks, c.query), c.expected);
    }
}

TEST(Restriction, AppointmentOverlapQueries)
{
    std::vector<ItemData> appointments = AppointmentFixture();
    for (const QueryCase& c : kAppointmentQueries) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.query)));
        EXPECT_EQ(Matching(ItemKind::Appointment, appointments, c.query), c.expected);
    }
}

TEST(Restriction, MalformedQueriesFailCleanly)
{
    for (const wchar_t* query : kMalformed) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(query)));
        EXPECT_EQ(Restriction::Parse(ItemKind::Task, query, kPicture), nullptr);
    }
}

TEST(Restriction, QuotesInsideTexts)
{
    std::vector<ItemData> contacts = {fixtures::Contact(0x80000001, L"박", L"지성", L"\"큰\" 회사")};
    auto restriction = Restriction::Parse(ItemKind::Contact, L"[CompanyName] = \"\"\"큰\"\" 회사\"", kPicture);
    ASSERT_NE(restriction, nullptr);
    EXPECT_TRUE(restriction->Matches(ItemFields(contacts[0])));
}

TEST(Restriction, DatesFollowThePictureGiven)
{
    auto restriction = Restriction::Parse(ItemKind::Task, L"[DueDate] = \"2024-01-10\"", L"yyyy-MM-dd");
    ASSERT_NE(restriction, nullptr);
    EXPECT_TRUE(restriction->Matches(ItemFields(TaskFixture()[0])));
}

TEST(Restriction, StartWindowOfTheMonthQuery)
{
    auto restriction = Restriction::Parse(ItemKind::Appointment,
                                          L"[Start] <= \"03/06/24 23:59\" AND [End] >= \"02/01/24\"", kPicture);
    ASSERT_NE(restriction, nullptr);
    StartWindow window = restriction->StartWindowFor(0.5);
    EXPECT_DOUBLE_EQ(window.from, MakeDate(2024, 2, 1) - 0.5);
    EXPECT_DOUBLE_EQ(window.to, MakeDate(2024, 3, 6, 23, 59));
    StartWindow open = Restriction::Parse(ItemKind::Appointment, L"[Subject] = \"x\" OR [Start] > \"02/01/24\"",
                                          kPicture)
                           ->StartWindowFor(0);
    EXPECT_FALSE(open.Bounded());
}

}  // namespace
