// The form loaders over items made through the object model and holidays
// in the store: what each field loads, and a missing item changing nothing.
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "lists/form_loaders.h"
#include "lists/form_state.h"
#include "tests/commands/commands_fixture.h"

#include <cstring>
#include <functional>

namespace commandstest {
namespace {

class FormLoadersTest : public CommandsTest {
protected:
    void SetUp() override
    {
        CommandsTest::SetUp();
        ItemFormState = ItemFormFields();
        RecurrencePatternState = RecurrenceRule();
    }

    // A saved appointment from 2024-05-08 09:00 to 10:00 whose pattern the
    // setter shapes.
    CEOID MakeSeries(const std::function<void(IRecurrencePattern*)>& shape, const wchar_t* subject = L"반복")
    {
        ComRef<IAppointment> item = NewAppointmentItem();
        item->put_Subject(TextArg(subject));
        item->put_Start(DateOf(L"2024-05-08 09:00"));
        item->put_End(DateOf(L"2024-05-08 10:00"));
        if (shape) {
            ComRef<IRecurrencePattern> pattern;
            item->GetRecurrencePattern(pattern.Out());
            shape(pattern.Get());
        }
        return SUCCEEDED(item->Save()) ? OidOf(item.Get()) : 0;
    }
};

const OccurrenceTimes kNoRow = {L"", L"", L"", L""};

TEST_F(FormLoadersTest, AContactLoadsByItsNameModeAndBirthday)
{
    struct ContactCase {
        int32_t parts;
        const wchar_t* birthday;  // "yyyy-mm-dd hh:mm", null: none
        const wchar_t *name, *firstName, *loadedBirthday;
    };
    const ContactCase cases[] = {
        {2, L"1980-02-03 00:00", L"홍", L"길동", L"1980-02-03"},
        {1, nullptr, L"홍길동", L"", L""},
        {2, L"2100-01-01 00:00", L"홍", L"길동", L""},
        {2, L"2099-12-31 00:00", L"홍", L"길동", L"2099-12-31"},
    };
    for (const ContactCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.loadedBirthday)) + " parts " + std::to_string(c.parts));
        Restart();
        Settings.ContactNameParts = c.parts;
        ComRef<IContact> contact = NewContactItem();
        contact->put_LastName(TextArg(L"홍"));
        contact->put_FirstName(TextArg(L"길동"));
        contact->put_CompanyName(TextArg(L"회사"));
        contact->put_Department(TextArg(L"개발부"));
        contact->put_JobTitle(TextArg(L"과장"));
        contact->put_Categories(TextArg(L"친구"));
        contact->put_BusinessAddressPostalCode(TextArg(L"135-080"));
        contact->put_BusinessAddressState(TextArg(L"서울"));
        contact->put_BusinessAddressCity(TextArg(L"강남구"));
        contact->put_BusinessAddressStreet(TextArg(L"역삼동"));
        contact->put_BusinessTelephoneNumber(TextArg(L"02-1"));
        contact->put_BusinessFaxNumber(TextArg(L"02-2"));
        contact->put_MobileTelephoneNumber(TextArg(L"010-3"));
        contact->put_Email1Address(TextArg(L"a@b.c"));
        contact->put_HomeTelephoneNumber(TextArg(L"031-4"));
        if (c.birthday)
            contact->put_Birthday(DateOf(c.birthday));
        ASSERT_TRUE(SUCCEEDED(contact->Save()));
        wcscpy(AssigneeName, L"담당");
        ASSERT_TRUE(LoadContactForm(OidOf(contact.Get())));
        const ContactFormFields& f = ItemFormState.Contact;
        EXPECT_STREQ(f.Name, c.name);
        EXPECT_STREQ(f.FirstName, c.firstName);
        EXPECT_STREQ(f.Birthday, c.loadedBirthday);
        EXPECT_STREQ(f.Company, L"회사");
        EXPECT_STREQ(f.Department, L"개발부");
        EXPECT_STREQ(f.JobTitle, L"과장");
        EXPECT_STREQ(f.Group, L"친구");
        EXPECT_STREQ(f.PostalCode, L"135-080");
        EXPECT_STREQ(f.State, L"서울");
        EXPECT_STREQ(f.City, L"강남구");
        EXPECT_STREQ(f.Street, L"역삼동");
        EXPECT_STREQ(f.BusinessPhone, L"02-1");
        EXPECT_STREQ(f.BusinessFax, L"02-2");
        EXPECT_STREQ(f.Mobile, L"010-3");
        EXPECT_STREQ(f.Email, L"a@b.c");
        EXPECT_STREQ(f.HomePhone, L"031-4");
        EXPECT_STREQ(AssigneeName, L"담당") << "the pending contact's name is a buffer of its own";
    }
}

TEST_F(FormLoadersTest, LongTextsAreCutToTheirFields)
{
    std::wstring longName(80, L'가');
    ComRef<IContact> contact = NewContactItem();
    contact->put_LastName(TextArg(longName.c_str()));
    contact->put_FirstName(TextArg(L"길동"));
    ASSERT_TRUE(SUCCEEDED(contact->Save()));
    Settings.ContactNameParts = 1;
    ASSERT_TRUE(LoadContactForm(OidOf(contact.Get())));
    EXPECT_EQ(std::wstring(ItemFormState.Contact.Name), longName.substr(0, kContactNameChars - 1));
}

TEST_F(FormLoadersTest, NothingFoundChangesNoField)
{
    wcscpy(ItemFormState.Contact.Name, L"그대로");
    wcscpy(ItemFormState.Title, L"그대로");
    wcscpy(ItemFormState.StartDate, L"2001-01-01");
    ItemFormState.RecurrenceCode = L'2';
    wcscpy(HolidayLunarText, L"01/01");
    AssigneeOid = 3;
    CEOID task = MakeTask(L"작업");
    EXPECT_FALSE(LoadContactForm(0x80004444));
    EXPECT_FALSE(LoadContactForm(task));
    EXPECT_FALSE(LoadAppointmentForm(987654, kNoRow, false));
    EXPECT_FALSE(LoadAppointmentForm(task, kNoRow, false));
    HolidayLookupId = 4444;
    EXPECT_FALSE(LoadHolidayRecord());
    EXPECT_STREQ(ItemFormState.Contact.Name, L"그대로");
    EXPECT_STREQ(ItemFormState.Title, L"그대로");
    EXPECT_STREQ(ItemFormState.StartDate, L"2001-01-01");
    EXPECT_EQ(ItemFormState.RecurrenceCode, L'2');
    EXPECT_STREQ(HolidayLunarText, L"01/01");
    EXPECT_EQ(AssigneeOid, 3u);
}

TEST_F(FormLoadersTest, HolidaysWithAndWithoutLunarDate)
{
    ASSERT_TRUE(InsertHolidayRecord(7, L"2024-09-17", L"추석", L"08/15"));
    ASSERT_TRUE(InsertHolidayRecord(8, L"2024-10-03", L"개천절", L""));
    HolidayLookupId = 7;
    ASSERT_TRUE(LoadHolidayRecord());
    EXPECT_STREQ(ItemFormState.StartDate, L"2024-09-17");
    EXPECT_STREQ(ItemFormState.Title, L"추석");
    EXPECT_STREQ(HolidayLunarText, L"08/15");
    HolidayLookupId = 8;
    ASSERT_TRUE(LoadHolidayRecord());
    EXPECT_STREQ(ItemFormState.StartDate, L"2024-10-03");
    EXPECT_STREQ(ItemFormState.Title, L"개천절");
    EXPECT_STREQ(HolidayLunarText, L"");
}

// ---- appointments ---------------------------------------------------------------------------

struct RuleLoadCase {
    const char* name;
    std::function<void(IRecurrencePattern*)> shape;
    wchar_t code;
    int32_t pageType;
    std::function<void(const RecurrenceRule&)> check;
};

const RuleLoadCase kRuleLoads[] = {
    {"no repeat", nullptr, L'0', 0, [](const RecurrenceRule& r) { EXPECT_EQ(r.LoadedRecurrenceType, -1); }},
    {"weekly on its weekday without end",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursWeekly);
         p->put_DayOfWeekMask(olWednesday);
         p->put_Interval(1);
         p->put_NoEndDate(VARIANT_TRUE);
     },
     L'1', kPageWeekly,
     [](const RecurrenceRule& r) {
         EXPECT_STREQ(r.WeeklyN, L"1");
         EXPECT_EQ(r.WeekdayFlags[3], 1);
         EXPECT_EQ(r.RangeNoEnd, 1);
         EXPECT_EQ(r.RangeEndDate, 0);
         EXPECT_STREQ(r.RangeStart, L"2024-05-08");
     }},
    {"weekly with an end date",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursWeekly);
         p->put_DayOfWeekMask(olWednesday);
         p->put_Interval(1);
         p->put_PatternEndDate(DateOf(L"2024-08-01 00:00"));
     },
     L'4', kPageWeekly,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.RangeEndDate, 1);
         EXPECT_EQ(r.RangeNoEnd, 0);
         EXPECT_STREQ(r.RangeEnd, L"2024-08-01");
     }},
    {"two weekdays every 2 weeks, 6 times",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursWeekly);
         p->put_DayOfWeekMask(olMonday | olWednesday);
         p->put_Interval(2);
         p->put_Occurrences(6);
     },
     L'4', kPageWeekly,
     [](const RecurrenceRule& r) {
         EXPECT_STREQ(r.WeeklyN, L"2");
         EXPECT_EQ(r.WeekdayFlags[0], 0);
         EXPECT_EQ(r.WeekdayFlags[1], 1);
         EXPECT_EQ(r.WeekdayFlags[3], 1);
         EXPECT_EQ(r.RangeCount, 1);
         EXPECT_STREQ(r.RangeCountText, L"6");
     }},
    {"daily every 2 days",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursDaily);
         p->put_Interval(2);
     },
     L'4', kPageDaily,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.DailyEveryN, 1);
         EXPECT_EQ(r.DailyEveryWeekday, 0);
         EXPECT_STREQ(r.DailyN, L"2");
     }},
    {"monthly on its start day",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursMonthly);
         p->put_DayOfMonth(8);
         p->put_Interval(1);
         p->put_NoEndDate(VARIANT_TRUE);
     },
     L'4', kPageMonthly,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.MonthlyByDate, 1);
         EXPECT_EQ(r.MonthlyByNth, 0);
         EXPECT_STREQ(r.MonthlyN, L"1");
         EXPECT_STREQ(r.MonthlyDay, L"8");
     }},
    {"monthly on the last weekend day",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursMonthNth);
         p->put_Instance(5);
         p->put_DayOfWeekMask(65);
         p->put_Interval(3);
     },
     L'4', kPageMonthly,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.MonthlyByNth, 1);
         EXPECT_STREQ(r.MonthlyNthN, L"3");
         EXPECT_EQ(r.MonthlyInstance, 4);
         EXPECT_EQ(r.MonthlyDayKind, 2);
     }},
    {"yearly on its day without end",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursYearly);
         p->put_DayOfMonth(8);
         p->put_MonthOfYear(5);
         p->put_NoEndDate(VARIANT_TRUE);
     },
     L'3', kPageYearly,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.YearlyByDate, 1);
         EXPECT_EQ(r.YearlyMonth, 4);
         EXPECT_STREQ(r.YearlyDay, L"8");
     }},
    {"second Tuesday of March",
     [](IRecurrencePattern* p) {
         p->put_RecurrenceType(olRecursYearNth);
         p->put_MonthOfYear(3);
         p->put_Instance(2);
         p->put_DayOfWeekMask(olTuesday);
         p->put_NoEndDate(VARIANT_TRUE);
     },
     L'4', kPageYearly,
     [](const RecurrenceRule& r) {
         EXPECT_EQ(r.YearlyByDate, 0);
         EXPECT_EQ(r.YearlyByNth, 1);
         EXPECT_EQ(r.YearlyNthMonth, 2);
         EXPECT_EQ(r.YearlyInstance, 1);
         EXPECT_EQ(r.YearlyDayKind, 5);
         EXPECT_EQ(r.YearlyMonth, 9) << "the by-date month keeps its earlier value";
         EXPECT_EQ(r.LoadedRecurrenceType, olRecursYearNth);
     }},
};

TEST_F(FormLoadersTest, TheRepeatRuleLoadsAsItsCodeAndPage)
{
    for (const RuleLoadCase& c : kRuleLoads) {
        SCOPED_TRACE(c.name);
        Restart();
        CEOID oid = MakeSeries(c.shape);
        ASSERT_NE(oid, 0u);
        RecurrencePatternState.YearlyMonth = 9;
        ASSERT_TRUE(LoadAppointmentForm(oid, kNoRow, false));
        EXPECT_EQ(ItemFormState.RecurrenceCode, c.code);
        if (c.pageType) {
            EXPECT_EQ(RecurrencePatternState.PageType, c.pageType);
        }
        c.check(RecurrencePatternState);
        EXPECT_STREQ(ItemFormState.StartDate, L"2024-05-08");
        EXPECT_STREQ(ItemFormState.StartTime, L"09:00");
        EXPECT_STREQ(ItemFormState.EndTime, L"10:00");
    }
}

TEST_F(FormLoadersTest, TimesReminderBodyAndLinkedContact)
{
    CEOID contact = MakeContact(L"홍", L"길동");
    ComRef<IAppointment> item = NewAppointmentItem();
    item->put_Subject(TextArg(L"종일"));
    item->put_Location(TextArg(L"집"));
    item->put_AllDayEvent(VARIANT_TRUE);
    item->put_ReminderSet(VARIANT_FALSE);
    item->put_Start(DateOf(L"2024-05-08 00:00"));
    item->put_End(DateOf(L"2024-05-09 00:00"));
    item->put_BodyInk(reinterpret_cast<BYTE*>(const_cast<char*>("ink")), 3);
    ASSERT_TRUE(SUCCEEDED(item->Save()));
    CEOID allDay = OidOf(item.Get());
    ASSERT_TRUE(AddPlanLink(contact, allDay));
    wcscpy(ItemFormState.Body, L"old");

    ASSERT_TRUE(LoadAppointmentForm(allDay, kNoRow, true));
    EXPECT_STREQ(ItemFormState.StartDate, L"2024-05-08");
    EXPECT_STREQ(ItemFormState.EndDate, L"2024-05-08");
    EXPECT_STREQ(ItemFormState.StartTime, L"");
    EXPECT_STREQ(ItemFormState.EndTime, L"");
    EXPECT_STREQ(ItemFormState.Title, L"종일");
    EXPECT_STREQ(ItemFormState.Place, L"집");
    EXPECT_STREQ(ItemFormState.Body, L"");
    EXPECT_EQ(ItemFormState.ReminderFlag, L'0');
    EXPECT_EQ(ItemFormState.ReminderMinutes, 15);
    EXPECT_STREQ(ItemFormState.OccurrenceStartDate, L"") << "a single item has no occurrence to remember";
    ASSERT_EQ(RichInkBody.size, 3u);
    EXPECT_EQ(memcmp(RichInkBody.bytes, "ink", 3), 0);
    EXPECT_EQ(AssigneeOid, contact);
    EXPECT_STREQ(AssigneeName, L"홍길동");

    CEOID timed = MakeSeries(nullptr);
    ComRef<IAppointment> reminded = AppointmentFromOid(timed);
    reminded->put_ReminderSet(VARIANT_TRUE);
    reminded->put_ReminderMinutesBeforeStart(90);
    ASSERT_TRUE(SUCCEEDED(reminded->Save()));
    ASSERT_TRUE(LoadAppointmentForm(timed, kNoRow, false));
    EXPECT_EQ(ItemFormState.ReminderFlag, L'1');
    EXPECT_EQ(ItemFormState.ReminderMinutes, 90);
    EXPECT_EQ(AssigneeOid, 0u);
    EXPECT_STREQ(AssigneeName, L"");
}

TEST_F(FormLoadersTest, OneOccurrenceLoadsItsOwnTimesAndValues)
{
    CEOID oid = MakeSeries([](IRecurrencePattern* p) {
        p->put_RecurrenceType(olRecursDaily);
        p->put_Interval(1);
        p->put_Occurrences(6);
    });
    // The fourth occurrence moved to 15:00 under a subject of its own.
    {
        ComRef<IAppointment> series = AppointmentFromOid(oid);
        ComRef<IRecurrencePattern> pattern;
        series->GetRecurrencePattern(pattern.Out());
        ComRef<IAppointment> fourth;
        ASSERT_TRUE(SUCCEEDED(pattern->GetOccurrence(DateOf(L"2024-05-11 09:00"), fourth.Out())));
        fourth->put_Start(DateOf(L"2024-05-11 15:00"));
        fourth->put_End(DateOf(L"2024-05-11 16:00"));
        fourth->put_Subject(TextArg(L"옮긴 날"));
        ASSERT_TRUE(SUCCEEDED(fourth->Save()));
    }
    const OccurrenceTimes row = {L"2024-05-11", L"15:00", L"2024-05-11", L"16:00"};
    ASSERT_TRUE(LoadAppointmentForm(oid, row, true));
    EXPECT_EQ(ItemFormState.RecurrenceCode, L'4');
    EXPECT_STREQ(ItemFormState.StartDate, L"2024-05-11");
    EXPECT_STREQ(ItemFormState.StartTime, L"15:00");
    EXPECT_STREQ(ItemFormState.EndTime, L"16:00");
    EXPECT_STREQ(ItemFormState.Title, L"옮긴 날");
    EXPECT_STREQ(ItemFormState.OccurrenceStartDate, L"2024-05-11");
    EXPECT_STREQ(ItemFormState.OccurrenceStartTime, L"15:00");

    // The whole series: its own start and subject.
    ASSERT_TRUE(LoadAppointmentForm(oid, row, false));
    EXPECT_STREQ(ItemFormState.StartDate, L"2024-05-08");
    EXPECT_STREQ(ItemFormState.StartTime, L"09:00");
    EXPECT_STREQ(ItemFormState.Title, L"반복");
    EXPECT_STREQ(ItemFormState.OccurrenceStartDate, L"");
}

}  // namespace
}  // namespace commandstest
