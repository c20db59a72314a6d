// The write pass: an empty diary and the own rows byte for byte, each
// Pocket Outlook kind field by field, rows left out and the count the head
// then holds, and the counters when their record is missing.
#include "backup/state.h"
#include "core/build_variant.h"
#include "core/db_access.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"

#include "tests/backup/diary_fixture.h"

namespace backuptest {
namespace {

using WriterTest = DiaryTest;

const Bytes kCounters = Field(5, 1, "10000") + Field(5, 2, "10000") + Field(5, 3, "10000");

TEST_F(WriterTest, AnEmptyDiaryIsItsHeadAndTheCounterRecord)
{
    EXPECT_EQ(BackUp(), Head(1) + kCounters);
    EXPECT_EQ(BackupJob.recordsWritten, 1u);
    EXPECT_EQ(BackupJob.recordTally, 1u);
}

struct CounterCase {
    const char* name;
    bool dropDatabase;
    bool emptyRecord;
    std::vector<int32_t> memoIds;
    std::vector<int32_t> anniversaryIds;
    const char* expected[3];
};

const CounterCase kCounterCases[] = {
    {"no counter database", true, false, {10005, 10020}, {12000}, {"10000", "10020", "12000"}},
    {"an empty counter database", false, false, {}, {10003}, {"10000", "10000", "10003"}},
    {"a record without values", false, true, {10007}, {}, {"10000", "10007", "10000"}},
    {"ids below the first counter", true, false, {5}, {7}, {"10000", "10000", "10000"}},
};

TEST_F(WriterTest, CountersThatCannotBeReadAreWrittenAboveTheIdsInUse)
{
    for (const CounterCase& c : kCounterCases) {
        SCOPED_TRACE(c.name);
        DropIdCounterDatabase();
        DropNoteDatabase();
        DropAnniversaryDatabase();
        CreateNoteDatabase();
        CreateAnniversaryDatabase();
        if (!c.dropDatabase)
            CreateIdCounterDatabase();
        if (c.emptyRecord)
            WriteNewOwnRecord(kIdCounterDatabase, {TextValue(ownprop::Text(9), L"x")});
        for (int32_t id : c.memoIds)
            InsertNote(id, L"2007-05-31", L"", L"t", 0, Bytes());
        wchar_t time[6] = L"10:00";
        for (int32_t id : c.anniversaryIds)
            InsertAnniversaryRecord(id, L"a", L'1', L"2007-05-31", L'0', L'0', L'0', 0, time, L"2007", L"5", L"31", 0,
                                    L"");
        ParsedBackup backup = ParseBackup(BackUp());
        ASSERT_GE(backup.fields.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(backup.fields[static_cast<size_t>(i)].kind, 5);
            EXPECT_EQ(backup.fields[static_cast<size_t>(i)].id, i + 1);
            EXPECT_EQ(backup.fields[static_cast<size_t>(i)].Text(), c.expected[i]) << "counter " << i + 1;
        }
    }
}

// Rows of every own kind, some that cannot be restored among them, and the
// file they give, byte for byte.
TEST_F(WriterTest, OwnRowsByteForByteAndRowsLeftOut)
{
    AddPlanLink(0x80000065, 7);
    WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, 5)});  // no appointment: left out
    AddPlanLink(0, 9);
    AddTaskLink(0x80000066, 12);
    AddNoteFileLink(0x80000065, L"\\My Documents\\메모.pwi");
    AddNoteFileLink(0x80000066, L"");  // no path: left out
    InsertNote(10001, L"2007-05-31", L"가족", L"생일", 0x80000065, Bytes{1, 2, 3});
    InsertNote(10002, L"2007-06-01", L"", L"t", 0, Bytes());
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(10010, L"생일", L'1', L"1975-03-14", L'0', L'0', L'1', 3, time, L"1975", L"3", L"14", 42,
                            L"");
    InsertAnniversaryText(10010, L"서울");
    InsertAnniversaryText(10011, L"");  // no text: left out

    const Bytes kMemoPath = Bytes("\\My Documents\\") + Bytes{0xB8, 0xDE, 0xB8, 0xF0} + Bytes(".pwi");
    const Bytes kFamily = {0xB0, 0xA1, 0xC1, 0xB7};
    const Bytes kBirthday = {0xBB, 0xFD, 0xC0, 0xCF};
    Bytes expected = Head(9) + kCounters +
                     Field(3, 1, "2147483749") + Field(3, 2, "7") +
                     Field(3, 1, "0") + Field(3, 2, "9") +
                     Field(6, 1, "2147483750") + Field(6, 2, "12") +
                     Field(9, 1, "2147483749") + Field(9, 2, kMemoPath) +
                     Field(7, 1, "10001") + Field(7, 2, kFamily) + Field(7, 3, kBirthday) + Field(7, 4, "2147483749") +
                     Field(7, 5, "2007-05-31") + Field(7, 6, Bytes{1, 2, 3}) +
                     Field(7, 1, "10002") + Field(7, 2, " ") + Field(7, 3, "t") + Field(7, 4, "0") +
                     Field(7, 5, "2007-06-01") + Field(7, 6, Bytes()) +
                     Field(4, 1, "10010") + Field(4, 2, kBirthday) + Field(4, 3, "1") + Field(4, 4, "1975-03-14") +
                     Field(4, 5, "1975") + Field(4, 6, "3") + Field(4, 7, "14") + Field(4, 8, "0") + Field(4, 9, "0") +
                     Field(4, 10, "1") + Field(4, 11, "3") + Field(4, 12, "10:00") + Field(4, 13, "42") +
                     Field(10, 1, "10010") + Field(10, 2, Bytes{0xBC, 0xAD, 0xBF, 0xEF});
    EXPECT_EQ(BackUp(), expected) << "the head holds the 9 records written, not the 12 counted first";
    EXPECT_EQ(BackupJob.recordsWritten, 9u);
    EXPECT_EQ(BackupJob.recordTally, 9u);
    EXPECT_NE(testkit::DeviceLogText().find(L"backup: a row of QuillonPlan without its final field left out"),
              std::wstring::npos);
}

// Sets every text property of a contact to "t" and its field id.
void FillContactTexts(IContact* contact)
{
#define FILL(Name, field) contact->put_##Name(Text(L"t" #field));
    FILL(BusinessFaxNumber, 3) FILL(CompanyName, 4) FILL(Department, 5) FILL(Email1Address, 6)
    FILL(MobileTelephoneNumber, 7) FILL(OfficeLocation, 8) FILL(PagerNumber, 9) FILL(BusinessTelephoneNumber, 10)
    FILL(JobTitle, 11) FILL(HomeTelephoneNumber, 12) FILL(Email2Address, 13) FILL(Spouse, 14) FILL(Email3Address, 15)
    FILL(Home2TelephoneNumber, 16) FILL(HomeFaxNumber, 17) FILL(CarTelephoneNumber, 18) FILL(AssistantName, 19)
    FILL(AssistantTelephoneNumber, 20) FILL(Children, 21) FILL(Categories, 22) FILL(WebPage, 23)
    FILL(Business2TelephoneNumber, 24) FILL(RadioTelephoneNumber, 25) FILL(FileAs, 26) FILL(Title, 27)
    FILL(FirstName, 28) FILL(MiddleName, 29) FILL(LastName, 30) FILL(Suffix, 31) FILL(HomeAddressStreet, 32)
    FILL(HomeAddressCity, 33) FILL(HomeAddressState, 34) FILL(HomeAddressPostalCode, 35)
    FILL(HomeAddressCountry, 36) FILL(OtherAddressStreet, 37) FILL(OtherAddressCity, 38)
    FILL(OtherAddressState, 39) FILL(OtherAddressPostalCode, 40) FILL(OtherAddressCountry, 41)
    FILL(BusinessAddressStreet, 42) FILL(BusinessAddressCity, 43) FILL(BusinessAddressState, 44)
    FILL(BusinessAddressPostalCode, 45) FILL(BusinessAddressCountry, 46)
#undef FILL
}

std::vector<ParsedRecord> ItemRecords(const Bytes& file, uint8_t kind)
{
    std::vector<ParsedRecord> found;
    for (const ParsedRecord& record : RecordsOf(ParseBackup(file))) {
        if (record.kind == kind)
            found.push_back(record);
    }
    return found;
}

void ExpectField(const ParsedRecord& record, uint16_t id, const Bytes& data)
{
    const ParsedField* field = record.Find(id);
    ASSERT_TRUE(field) << "field " << id;
    EXPECT_EQ(field->data, data) << "field " << id;
}

void ExpectField(const ParsedRecord& record, uint16_t id, const char* text)
{
    ExpectField(record, id, Bytes(text));
}

TEST_F(WriterTest, AContactIsItsFortyEightFieldsThenItsFurtherProperties)
{
    Bytes ink(300, 0x11);
    CEOID plain = SaveContact([&](IContact* c) {
        FillContactTexts(c);
        c->put_Anniversary(Date(2001, 10, 3));
        c->put_Birthday(Date(1975, 3, 14));
        c->put_BodyInk(ink.data(), static_cast<int>(ink.size()));
    });
    CEOID rich = SaveContact([&](IContact* c) { c->put_LastName(Text(L"홍길동")); });
    Bytes picture(70000, 0x33);
    SetContactPicture(rich, Bytes(picture.begin(), picture.begin() + 500));
    std::vector<std::wstring> texts;
    std::vector<CEPROPVAL> extras;
    const CEPROPID kExtraTexts[] = {0x00AB001F, 0x00A0001F, 0x00A9001F, 0x00AA001F, 0x0093001F, 0x0094001F, 0x0095001F,
                                    0x008D001F, 0x0086001F, 0x10A3001F, 0x00A8001F, 0x0003001F, 0x10A2001F};
    for (int i = 0; i < 13; ++i)
        texts.push_back(L"e" + std::to_wstring(101 + i));
    for (int i = 0; i < 13; ++i) {
        CEPROPVAL value = {};
        value.propid = kExtraTexts[i];
        value.val.lpwstr = texts[static_cast<size_t>(i)].data();
        extras.push_back(value);
    }
    CEPROPVAL number = {};
    number.propid = 0x00F80013;
    number.val.ulVal = 7;
    extras.push_back(number);
    SetContactProps(rich, extras);
    CEOID bigPicture = SaveContact([&](IContact* c) { c->put_LastName(Text(L"김")); });
    SetContactPicture(bigPicture, picture);

    std::vector<ParsedRecord> contacts = ItemRecords(BackUp(), 1);
    ASSERT_EQ(contacts.size(), 3u);  // by file-as name: t26, 김, 홍길동
    const ParsedRecord& first = contacts[0];
    std::vector<uint16_t> ids;
    for (uint16_t id = 1; id <= 48; ++id)
        ids.push_back(id);
    EXPECT_EQ(first.Ids(), ids) << "no picture and no further property: nothing after 48";
    ExpectField(first, 1, "20011003");
    ExpectField(first, 2, "19750314");
    for (uint16_t id = 3; id <= 46; ++id)
        ExpectField(first, id, Bytes("t" + std::to_string(id)));
    ExpectField(first, 47, ink);
    ExpectField(first, 48, Bytes(std::to_string(plain)));

    const ParsedRecord& big = contacts[1];
    ExpectField(big, 1, "");
    ExpectField(big, 30, Bytes{0xB1, 0xE8});
    // A picture a field cannot hold is written empty.
    ExpectField(big, 100, Bytes());
    EXPECT_EQ(big.Ids().back(), 100);

    const ParsedRecord& withExtras = contacts[2];
    ExpectField(withExtras, 48, Bytes(std::to_string(rich)));
    ExpectField(withExtras, 100, Bytes(picture.begin(), picture.begin() + 500));
    for (uint16_t id = 101; id <= 113; ++id)
        ExpectField(withExtras, id, Bytes("e" + std::to_string(id)));
    ExpectField(withExtras, 114, "7");
    EXPECT_EQ(withExtras.Ids().size(), 48u + 15u);

    // The Windows CE 3.0 build writes none of the fields after 48.
    OlderPlatformBuild = true;
    std::vector<ParsedRecord> older = ItemRecords(BackUp(), 1);
    OlderPlatformBuild = false;
    ASSERT_EQ(older.size(), 3u);
    for (const ParsedRecord& contact : older)
        EXPECT_EQ(contact.Ids(), ids);
}

TEST_F(WriterTest, AnAppointmentHasRecurrenceFieldsOnlyWhenItRecurs)
{
    Bytes ink(40, 0x22);
    CEOID single = SaveAppointment([&](IAppointment* a) {
        a->put_Subject(Text(L"회의"));
        a->put_Location(Text(L"본사"));
        a->put_Categories(Text(L"업무"));
        a->put_Start(Date(2007, 5, 31, 10, 0));
        a->put_End(Date(2007, 5, 31, 11, 30));
        a->put_AllDayEvent(VARIANT_FALSE);
        a->put_Sensitivity(olPrivate);
        a->put_BusyStatus(olOutOfOffice);
        a->put_ReminderSet(VARIANT_TRUE);
        a->put_ReminderSoundFile(Text(L"\\Windows\\Alarm1.wav"));
        a->put_ReminderOptions(olDialog | olSound);
        a->put_ReminderMinutesBeforeStart(15);
        a->put_BodyInk(ink.data(), static_cast<int>(ink.size()));
    });
    CEOID weekly = SaveAppointment([&](IAppointment* a) {
        a->put_Subject(Text(L"주간회의"));
        a->put_Start(Date(2007, 6, 7, 9, 0));
        a->put_End(Date(2007, 6, 7, 10, 0));
        ComRef<IRecurrencePattern> pattern = PatternOf(a);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(olThursday);
        pattern->put_Interval(2);
        pattern->put_NoEndDate(VARIANT_TRUE);
    });
    {
        ComRef<IAppointment> series = AppointmentOf(weekly);
        ASSERT_TRUE(series);
        ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
        ComRef<IAppointment> moved, gone;
        ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 21, 9, 0), moved.Out()), S_OK);
        moved->put_Subject(Text(L"변경됨"));
        moved->put_Start(Date(2007, 6, 22, 14, 0));
        moved->put_End(Date(2007, 6, 22, 15, 0));
        ASSERT_EQ(moved->Save(), S_OK);
        ASSERT_EQ(pattern->GetOccurrence(Date(2007, 7, 5, 9, 0), gone.Out()), S_OK);
        ASSERT_EQ(gone->Delete(), S_OK);
        ComRef<IRecipients> recipients;
        series->get_Recipients(recipients.Out());
        ComRef<IRecipient> one, two;
        recipients->Add(Text(L"홍길동"), one.Out());
        one->put_Address(Text(L"hong@example.com"));
        recipients->Add(Text(L"철수"), two.Out());
        ASSERT_EQ(series->Save(), S_OK);
    }

    std::vector<ParsedRecord> appointments = ItemRecords(BackUp(), 2);
    ASSERT_EQ(appointments.size(), 2u);
    const ParsedRecord& first = appointments[0];
    EXPECT_EQ(first.Ids(), (std::vector<uint16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 9999}));
    ExpectField(first, 1, Bytes{0xC8, 0xB8, 0xC0, 0xC7});
    ExpectField(first, 2, Bytes{0xBA, 0xBB, 0xBB, 0xE7});
    ExpectField(first, 3, Bytes{0xBE, 0xF7, 0xB9, 0xAB});
    ExpectField(first, 4, "200705311000");
    ExpectField(first, 5, "90");
    ExpectField(first, 6, "200705311130");
    ExpectField(first, 7, "0");
    ExpectField(first, 8, "2");
    ExpectField(first, 9, "3");
    ExpectField(first, 10, "1");
    ExpectField(first, 11, "\\Windows\\Alarm1.wav");
    ExpectField(first, 12, "12");
    ExpectField(first, 13, "15");
    ExpectField(first, 14, ink);
    ExpectField(first, 9999, Bytes(std::to_string(single)));

    const ParsedRecord& series = appointments[1];
    EXPECT_EQ(series.Ids(),
              (std::vector<uint16_t>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  12,  13,  14,   15,   16,   17,  18,  19,
                                     20, 21, 22, 23, 24, 25, 26, 27, 9999, 111, 112, 114, 115, 116, 117, 119, 121, 129,
                                     1000, 1001, 1002, 1003}));
    const char* const kPattern[] = {"1", "200706070000", "", "1", "0", "189912300900", "60", "189912301000",
                                    "2", "16", "7", "1", "6"};
    for (uint16_t id = 15; id <= 27; ++id)
        ExpectField(series, id, kPattern[id - 15]);
    ExpectField(series, 9999, Bytes(std::to_string(weekly)));
    ExpectField(series, 111, "200706210900");
    ExpectField(series, 112, Bytes{0xBA, 0xAF, 0xB0, 0xE6, 0xB5, 0xCA});
    ExpectField(series, 114, "200706221400");
    ExpectField(series, 115, "200706221500");
    ExpectField(series, 119, "0");
    ExpectField(series, 121, "200707050900");
    // A deleted occurrence has no item; its flag still says so.
    ExpectField(series, 129, "1");
    ExpectField(series, 1000, Bytes{0xC8, 0xAB, 0xB1, 0xE6, 0xB5, 0xBF});
    ExpectField(series, 1001, "hong@example.com");
    ExpectField(series, 1002, Bytes{0xC3, 0xB6, 0xBC, 0xF6});
    ExpectField(series, 1003, "");
}

TEST_F(WriterTest, ATaskHasRecurrenceFieldsOnlyWhenItRecurs)
{
    CEOID single = SaveTask([&](ITask* t) {
        t->put_Subject(Text(L"메모"));
        t->put_Categories(Text(L"업무"));
        t->put_StartDate(Date(2007, 6, 1));
        t->put_DueDate(Date(2007, 6, 5));
        t->put_Importance(olImportanceHigh);
        t->put_Sensitivity(olPersonal);
        t->put_TeamTask(VARIANT_TRUE);
        t->put_ReminderSet(VARIANT_TRUE);
        t->put_ReminderSoundFile(Text(L"a.wav"));
        t->put_ReminderOptions(olLED);
        t->put_ReminderTime(Date(2007, 6, 4, 9, 0));
    });
    CEOID daily = SaveTask([&](ITask* t) {
        t->put_Subject(Text(L"b"));
        t->put_StartDate(Date(2007, 6, 1));
        ComRef<IRecurrencePattern> pattern = PatternOf(t);
        pattern->put_RecurrenceType(olRecursDaily);
        pattern->put_Interval(3);
        pattern->put_Occurrences(4);
    });
    std::vector<ParsedRecord> tasks = ItemRecords(BackUp(), 8);
    ASSERT_EQ(tasks.size(), 2u);
    const ParsedRecord& first = tasks[0];
    EXPECT_EQ(first.Ids(), (std::vector<uint16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 9999}));
    ExpectField(first, 1, Bytes{0xB8, 0xDE, 0xB8, 0xF0});
    ExpectField(first, 3, "200706010000");
    ExpectField(first, 4, "200706050000");
    ExpectField(first, 5, "2");
    ExpectField(first, 6, "0");
    ExpectField(first, 7, "1");
    ExpectField(first, 8, "1");
    ExpectField(first, 9, "1");
    ExpectField(first, 10, "a.wav");
    ExpectField(first, 11, "1");
    ExpectField(first, 12, "200706040900");
    ExpectField(first, 13, Bytes());
    ExpectField(first, 9999, Bytes(std::to_string(single)));

    const ParsedRecord& second = tasks[1];
    EXPECT_EQ(second.Ids().size(), 13u + 13u + 1u);
    ExpectField(second, 15, "0");
    ExpectField(second, 16, "200706010000");
    // The last of four occurrences three days apart.
    ExpectField(second, 17, "200706100000");
    ExpectField(second, 19, "4");
    ExpectField(second, 23, "3");
    ExpectField(second, 9999, Bytes(std::to_string(daily)));
}

TEST_F(WriterTest, ExceptionsPastTheEightyNinthAreLeftOutAndLogged)
{
    CEOID daily = SaveAppointment([&](IAppointment* a) {
        a->put_Subject(Text(L"d"));
        a->put_Start(Date(2007, 1, 1, 8, 0));
        a->put_End(Date(2007, 1, 1, 8, 30));
        ComRef<IRecurrencePattern> pattern = PatternOf(a);
        pattern->put_RecurrenceType(olRecursDaily);
        pattern->put_Occurrences(100);
    });
    {
        ComRef<IRecurrencePattern> pattern = PatternOf(AppointmentOf(daily).Get());
        for (int day = 0; day < 91; ++day) {
            ComRef<IAppointment> occurrence;
            ASSERT_EQ(pattern->GetOccurrence(Date(2007, 1, 1, 8, 0) + day, occurrence.Out()), S_OK) << day;
            ASSERT_EQ(occurrence->Delete(), S_OK);
        }
    }
    std::vector<ParsedRecord> appointments = ItemRecords(BackUp(), 2);
    ASSERT_EQ(appointments.size(), 1u);
    EXPECT_TRUE(appointments[0].Find(999));
    EXPECT_FALSE(appointments[0].Find(1001)) << "no exception field reaches the recipients' ids";
    EXPECT_NE(testkit::DeviceLogText().find(L"2 exceptions past the 89th left out"), std::wstring::npos);
}

// A record the walk of its source cannot read would be missing from the
// file, and its restore would delete it: the backup fails, naming the
// source, however the rest was written.
struct UnreadableCase {
    const char* name;
    // Makes two records of one source and gives the one to spoil.
    CEOID (*make)();
    const wchar_t* logged;
};

CEOID TwoPlanLinks()
{
    CEOID first = WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, 5), I4Value(kLinkItem, 7)});
    WriteNewOwnRecord(kPlanLinkDatabase, {I4Value(kLinkContact, 6), I4Value(kLinkItem, 8)});
    return first;
}

CEOID TwoAnniversaryTexts()
{
    InsertAnniversaryText(10010, L"a");
    InsertAnniversaryText(10011, L"b");
    std::vector<std::wstring> rows = DumpDatabase(kAnniversaryTextDatabase);
    return rows.empty() ? 0 : static_cast<CEOID>(std::stoul(rows.back().substr(rows.back().find(L' ') + 1), nullptr, 16));
}

CEOID TwoContacts()
{
    SaveContact([](IContact* c) { c->put_LastName(Text(L"kim")); });
    return SaveContact([](IContact* c) { c->put_LastName(Text(L"lee")); });
}

CEOID TwoTasks()
{
    SaveTask([](ITask* t) { t->put_Subject(Text(L"one")); });
    return SaveTask([](ITask* t) { t->put_Subject(Text(L"two")); });
}

const UnreadableCase kUnreadable[] = {
    {"the first of two plan links", TwoPlanLinks, L"backup: QuillonPlan: 0 of 2 records read"},
    {"the second of two anniversary texts", TwoAnniversaryTexts, L"backup: QuillonMemo2: 1 of 2 records read"},
    {"one of two contacts", TwoContacts, L"backup: Contacts Database: "},
    {"one of two tasks", TwoTasks, L"backup: Tasks Database: "},
};

TEST_F(WriterTest, ARecordThatCannotBeReadFailsTheBackup)
{
    for (const UnreadableCase& c : kUnreadable) {
        SCOPED_TRACE(c.name);
        FreshDevice();
        SaveAppointment([](IAppointment* a) { a->put_Subject(Text(L"kept")); });
        CEOID spoiled = c.make();
        ASSERT_NE(spoiled, 0u);
        bool ok = true;
        BackUp(&ok);
        ASSERT_TRUE(ok) << "the diary before the record was spoiled";
        SpoilRecord(spoiled);
        size_t logged = testkit::DeviceLogText().size();
        BackUp(&ok);
        EXPECT_FALSE(ok);
        EXPECT_NE(testkit::DeviceLogText().find(c.logged, logged), std::wstring::npos);
    }
}

}  // namespace
}  // namespace backuptest
