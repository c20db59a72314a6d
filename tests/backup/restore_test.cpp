// The restore pass: files the check refuses (nothing is changed), and what
// each kind of field becomes, from files written by hand.
#include "backup/backup_file.h"
#include "backup/state.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"

#include "tests/backup/crafted_files.h"
#include "tests/backup/sample_diary.h"

#include <algorithm>

namespace backuptest {
namespace {

using RestoreTest = DiaryTest;

std::vector<std::wstring> Lines(const wchar_t* database)
{
    return DumpDatabase(database);
}

const Bytes kGoodBody = kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") +
                        ContactRecord("2147483649", Field(1, 30, "k"), Field(1, 100, "pic")) +
                        AppointmentRecord("11", Bytes(), Field(2, 1000, "n") + Field(2, 1001, "a@b"));

// Weekly on Thursdays from 2007-05-31, ten times.
const Bytes kWeekly = Field(2, 15, "1") + Field(2, 24, "16") + Field(2, 19, "10");

struct DamagedCase {
    const char* name;
    Bytes file;
};

Bytes Cut(const Bytes& file, size_t bytes)
{
    return Bytes(file.begin(), file.end() - static_cast<long>(bytes));
}

const std::vector<DamagedCase>& DamagedFiles()
{
    static const std::vector<DamagedCase> cases = {
        {"cut inside a field's data", Cut(Head(4) + kGoodBody, 1)},
        {"cut inside a field head", Head(4) + kGoodBody + Bytes{3, 0, 1}},
        {"data said to run past the end", Head(4) + kGoodBody + Bytes{3, 0, 1, 0, 9} + Bytes("12")},
        {"a record left open at the end", Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") +
                                              ContactRecord("2147483649") + Field(2, 1, "a") + Field(2, 4, "200705311000")},
        {"a contact broken by a link",
         Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") + Field(1, 1, "") + Field(3, 1, "6") +
             Field(1, 48, "2147483649") + AppointmentRecord("11")},
        {"a contact not starting at field 1", Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") +
                                                  Field(1, 30, "k") + Field(1, 48, "2147483649") + AppointmentRecord("11")},
        {"a second contact before the first ended",
         Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") + Field(1, 1, "") + ContactRecord("2147483649") +
             AppointmentRecord("11")},
        {"an appointment's field after a task", Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "7") +
                                                    ContactRecord("2147483649") + TaskRecord("11") + Field(2, 111, "200705311000")},
        {"a head counting one more", Head(5) + kGoodBody},
        {"a head counting one less", Head(3) + kGoodBody},
        {"a link without its item", Head(4) + kCounterRecord + Field(3, 1, "5") + Field(3, 2, "") +
                                        ContactRecord("2147483649") + AppointmentRecord("11")},
        {"only the head", Head(4)},
        {"a head of count 0 and nothing after it", Head(0)},
        {"no counter record first", Head(3) + Field(3, 1, "5") + Field(3, 2, "7") + ContactRecord("2147483649") +
                                        AppointmentRecord("11")},
        {"a counter record without its last value", Head(3) + Field(5, 1, "1") + Field(5, 2, "1") + Field(5, 3, "") +
                                                        Field(3, 1, "5") + Field(3, 2, "7") + ContactRecord("2147483649") +
                                                        AppointmentRecord("11")},
        {"the counter record after a link", Head(4) + Field(3, 1, "5") + Field(3, 2, "7") + kCounterRecord +
                                                ContactRecord("2147483649") + AppointmentRecord("11")},
        // Values the object model refuses: the replay would meet them after
        // the reset.
        {"a daily rule with interval 0", Head(4) + kCounterRecord + AppointmentRecord("11", Field(2, 15, "0") + Field(2, 23, "0")) +
                                             ContactRecord("2147483649") + TaskRecord("12")},
        {"a monthly rule on day 0", Head(2) + kCounterRecord + AppointmentRecord("11", Field(2, 15, "2") + Field(2, 25, "0"))},
        {"an end before its start", Head(2) + kCounterRecord + Field(2, 1, "a") + Field(2, 4, "200705311000") +
                                        Field(2, 6, "200705310900") + Field(2, 9999, "11")},
        {"a task of importance 7", Head(2) + kCounterRecord + TaskRecord("12", Field(8, 5, "7"))},
        {"an exception on a day the series skips", Head(3) + kCounterRecord +
                                                       AppointmentRecord("11", kWeekly,
                                                                         Field(2, 111, "200706010900") + Field(2, 119, "0")) +
                                                       TaskRecord("12")},
        {"an exception ending before its start",
         Head(3) + kCounterRecord +
             AppointmentRecord("11", kWeekly,
                               Field(2, 111, "200706070900") + Field(2, 114, "200706071000") +
                                   Field(2, 115, "200706070900") + Field(2, 119, "0")) +
             TaskRecord("12")},
        // Cut after a whole field, inside the last record's after-fields.
        {"a last exception without its flag", Head(2) + kCounterRecord +
                                                  AppointmentRecord("11", kWeekly, Field(2, 111, "200706070900") +
                                                                                       Field(2, 114, "200706071000"))},
        {"a last recipient without its address",
         Head(2) + kCounterRecord + AppointmentRecord("11", Bytes(), Field(2, 1000, "kim"))},
    };
    return cases;
}

TEST_F(RestoreTest, DamagedFilesAreRefusedBeforeAnythingIsDeleted)
{
    MakeSampleDiary();
    std::vector<std::wstring> before = DumpDiary();
    ASSERT_FALSE(ItemIds(olFolderContacts).empty());
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Restore(c.file));
        EXPECT_EQ(BackupJob.position, 0u) << "no step beyond the check";
        EXPECT_EQ(DumpDiary(), before);
    }
    EXPECT_TRUE(Restore(Head(4) + kGoodBody)) << "the file they were made from";
}

TEST_F(RestoreTest, AnEmptyDiaryRestoresToEmptyStoresAndOneCounterRecord)
{
    MakeSampleDiary();
    ASSERT_TRUE(Restore(Head(1) + kCounterRecord));
    EXPECT_EQ(BackupJob.position, 2 * 11u - 10u);
    EXPECT_TRUE(ItemIds(olFolderContacts).empty());
    EXPECT_TRUE(ItemIds(olFolderCalendar).empty());
    EXPECT_TRUE(ItemIds(olFolderTasks).empty());
    for (const wchar_t* name : {L"QuillonPlan", L"QuillonTask", L"QuillonNoteOutlook", L"QuillonNote", L"QuillonMemo",
                                L"QuillonMemo2"})
        EXPECT_TRUE(Lines(name).empty()) << testing::PrintToString(std::wstring(name));
    std::vector<std::wstring> counters = Lines(L"QuillonEnv");
    ASSERT_EQ(counters.size(), 1u);
    EXPECT_EQ(RowValues(counters[0]), L"3=10000 10003=10000 20003=10000");
    EXPECT_EQ(Lines(L"QuillonRest").size(), 76u);
}

std::wstring TextOf(IAppointment* item, HRESULT (STDMETHODCALLTYPE IAppointment::*get)(BSTR*))
{
    BSTR text = nullptr;
    (item->*get)(&text);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

TEST_F(RestoreTest, ExceptionsComeBackChangedOrDeleted)
{
    MakeSampleDiary();
    ASSERT_TRUE(Restore(BackUp()));
    ComRef<IAppointment> series;
    for (CEOID oid : ItemIds(olFolderCalendar)) {
        ComRef<IAppointment> item = AppointmentOf(oid);
        if (TextOf(item.Get(), &IAppointment::get_Subject) == L"주간회의")
            series = std::move(item);
    }
    ASSERT_TRUE(series);
    ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
    ComRef<IAppointment> moved, gone, plain;
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 15, 14, 0), moved.Out()), S_OK);
    EXPECT_EQ(TextOf(moved.Get(), &IAppointment::get_Subject), L"변경됨");
    EXPECT_EQ(TextOf(moved.Get(), &IAppointment::get_Location), L"서울");
    DATE end = 0;
    moved->get_End(&end);
    EXPECT_DOUBLE_EQ(end, Date(2007, 6, 15, 16, 0));
    BYTE* ink = nullptr;
    int bytes = 0;
    moved->get_BodyInk(&ink, &bytes);
    EXPECT_EQ(Bytes(ink, ink + bytes), (Bytes{1, 1}));
    LocalFree(ink);
    EXPECT_NE(pattern->GetOccurrence(Date(2007, 6, 21, 9, 0), gone.Out()), S_OK) << "a deleted occurrence stays deleted";
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 28, 9, 0), plain.Out()), S_OK);
    EXPECT_EQ(TextOf(plain.Get(), &IAppointment::get_Subject), L"주간회의");
}

TEST_F(RestoreTest, InkAndBodiesUpToWhatAFieldHoldsComeBackWhole)
{
    Bytes ink8001(8001, 0x31), ink65535(65535, 0x32), body(65535, 0x33);
    ASSERT_TRUE(Restore(Head(4) + kCounterRecord + Field(7, 1, "10001") + Field(7, 6, body) +
                        ContactRecord("2147483649", Field(1, 47, ink65535)) + AppointmentRecord("11", Field(2, 14, ink8001))));
    std::vector<CEOID> contacts = ItemIds(olFolderContacts);
    ASSERT_EQ(contacts.size(), 1u);
    ComRef<IContact> contact = ItemOf<IContact>(contacts[0], IID_IContact);
    BYTE* ink = nullptr;
    int bytes = 0;
    contact->get_BodyInk(&ink, &bytes);
    EXPECT_EQ(bytes, 65535);
    LocalFree(ink);
    ComRef<IAppointment> appointment = AppointmentOf(ItemIds(olFolderCalendar).at(0));
    appointment->get_BodyInk(&ink, &bytes);
    EXPECT_EQ(Bytes(ink, ink + bytes), ink8001);
    LocalFree(ink);
    std::vector<std::wstring> notes = Lines(L"QuillonNote");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find(L"30064=[65535:"), std::wstring::npos);
}

TEST_F(RestoreTest, EachOwnRowStartsEmptyAndRowsWithoutFinalDataAreLeftOut)
{
    // The head counts what the check counts: not the anniversary text
    // without text.
    Bytes file = Head(5) + kCounterRecord +
                 Field(7, 1, "10001") + Field(7, 2, Bytes{0xB0, 0xA1, 0xC1, 0xB7}) + Field(7, 3, "one") +
                 Field(7, 5, "2007-05-31") + Field(7, 6, Bytes{1}) +
                 Field(7, 1, "10002") + Field(7, 2, "") + Field(7, 3, "two") + Field(7, 6, "") +
                 Field(10, 1, "10010") + Field(10, 2, "") +
                 Field(10, 1, "10011") + Field(10, 2, "note") +
                 Field(9, 1, "2147483649") + Field(9, 2, Bytes{0xB8, 0xDE, 0xB8, 0xF0});
    ASSERT_TRUE(Restore(file));
    std::vector<std::wstring> notes = Lines(L"QuillonNote");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(RowValues(notes[0]), L"3=10001 2001f=\"가족\" 4001f=\"one\" 10003=0 30064=[1:1 ] 5001f=\"2007-05-31\"");
    EXPECT_EQ(RowValues(notes[1]), L"3=10002 2001f=\" \" 4001f=\"two\" 10003=0 30064=[0:] 5001f=\"\"")
        << "the second memo keeps nothing of the first; an empty body is still a memo";
    std::vector<std::wstring> texts = Lines(L"QuillonMemo2");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(RowValues(texts[0]), L"3=10011 1001f=\"note\"");
    std::vector<std::wstring> files = Lines(L"QuillonNoteOutlook");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(RowValues(files[0]), L"10003=-2147483647 2001f=\"메모\"");
}

TEST_F(RestoreTest, UnknownKindsAndFieldsAreSkipped)
{
    Bytes file = Head(4) + Field(0, 1, "x") + kCounterRecord + Field(11, 1, "y") +
                 ContactRecord("2147483649", Field(1, 60, "z") + Field(1, 30, "k"), Field(1, 100, "")) +
                 Field(255, 9, "w") + AppointmentRecord("11", Field(2, 50, "q") + Field(2, 10000, "r"), Field(2, 120, "s")) +
                 TaskRecord("12", Field(8, 14, "u") + Field(8, 10001, "v"));
    ASSERT_TRUE(Restore(file));
    EXPECT_EQ(ItemIds(olFolderContacts).size(), 1u);
    EXPECT_EQ(ItemIds(olFolderCalendar).size(), 1u);
    EXPECT_EQ(ItemIds(olFolderTasks).size(), 1u);
}

TEST_F(RestoreTest, AnItemOnlyItsSaveRefusesIsLoggedTheRestRestoredAndTheRestoreFails)
{
    // A daily rule whose reminder comes two days ahead: only a save can
    // tell, and the check saves nothing.
    Bytes file = Head(4) + kCounterRecord +
                 AppointmentRecord("11", Field(2, 10, "1") + Field(2, 13, "2880") + Field(2, 15, "0") + Field(2, 23, "1")) +
                 ContactRecord("2147483649") + TaskRecord("12");
    EXPECT_FALSE(Restore(file));
    EXPECT_EQ(BackupJob.position, 2 * BackupJob.total - kRestoreResetSteps) << "every record was replayed";
    EXPECT_EQ(BackupJob.failures, 1u);
    EXPECT_NE(testkit::DeviceLogText().find(L"restore: appointment 11: not saved"), std::wstring::npos);
    EXPECT_EQ(ItemIds(olFolderCalendar).size(), 0u);
    EXPECT_EQ(ItemIds(olFolderContacts).size(), 1u);
    EXPECT_EQ(ItemIds(olFolderTasks).size(), 1u);
}

// A rule's type reads only some of the recurrence fields; another program
// writes 0 in the others, which the object model would refuse if they were
// set.
struct PatternCase {
    const char* type;
    Bytes fields;  // the type (15) first, then the fields it reads and the rest 0
    long recurrenceType;
    HRESULT (STDMETHODCALLTYPE IRecurrencePattern::*read)(long*);
    long value;  // what that getter then reads
};

const Bytes kUnusedZero[] = {Field(2, 24, "0"), Field(2, 25, "0"), Field(2, 26, "0"), Field(2, 27, "0")};

Bytes RuleWith(const char* type, std::initializer_list<Bytes> used, std::initializer_list<int> unused)
{
    Bytes fields = Field(2, 15, type) + Field(2, 23, "1");
    for (const Bytes& field : used)
        fields += field;
    for (int id : unused)
        fields += kUnusedZero[id - 24];
    return fields + Field(2, 19, "3");
}

TEST_F(RestoreTest, FieldsARulesTypeDoesNotReadMayHoldZero)
{
    using P = IRecurrencePattern;
    const PatternCase cases[] = {
        {"daily", RuleWith("0", {}, {24, 25, 26, 27}), olRecursDaily, &P::get_Interval, 1},
        {"weekly", RuleWith("1", {Field(2, 24, "20")}, {25, 26, 27}), olRecursWeekly, &P::get_DayOfWeekMask, 20},
        {"monthly", RuleWith("2", {Field(2, 25, "31")}, {24, 26, 27}), olRecursMonthly, &P::get_DayOfMonth, 31},
        {"monthly on the nth weekday", RuleWith("3", {Field(2, 24, "16"), Field(2, 26, "5")}, {25, 27}),
         olRecursMonthNth, &P::get_Instance, 5},
        {"yearly", RuleWith("5", {Field(2, 25, "31"), Field(2, 27, "5")}, {24, 26}), olRecursYearly,
         &P::get_MonthOfYear, 5},
        {"yearly on the nth weekday", RuleWith("6", {Field(2, 24, "16"), Field(2, 26, "5"), Field(2, 27, "5")}, {25}),
         olRecursYearNth, &P::get_DayOfWeekMask, 16},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_TRUE(Restore(Head(2) + kCounterRecord + AppointmentRecord("11", c.fields)));
        ComRef<IAppointment> appointment = AppointmentOf(ItemIds(olFolderCalendar).at(0));
        ComRef<IRecurrencePattern> pattern = PatternOf(appointment.Get());
        long type = -1, value = -1;
        pattern->get_RecurrenceType(&type);
        (pattern.Get()->*c.read)(&value);
        EXPECT_EQ(type, c.recurrenceType);
        EXPECT_EQ(value, c.value);
    }
}

struct RowFailureCase {
    const wchar_t* database;
    const wchar_t* logged;
};

TEST_F(RestoreTest, ARowNotWrittenIsLoggedTheRestRestoredAndTheRestoreFails)
{
    const RowFailureCase cases[] = {
        {L"QuillonEnv", L"restore: id counters 10000: row not written"},
        {L"QuillonPlan", L"restore: plan link of contact 2147483649: row not written"},
        {L"QuillonTask", L"restore: task link of contact 2147483649: row not written"},
        {L"QuillonNoteOutlook", L"restore: note file link of contact 2147483649: row not written"},
        {L"QuillonNote", L"restore: memo 10001: row not written"},
        {L"QuillonMemo", L"restore: anniversary 10010: row not written"},
        {L"QuillonMemo2", L"restore: anniversary text 10010: row not written"},
    };
    // One row of each kind; the store is told once the reset is done.
    const Bytes anniversary = Field(4, 1, "10010") + Field(4, 2, "birthday") + Field(4, 3, "1") +
                              Field(4, 4, "1975-03-14") + Field(4, 5, "1975") + Field(4, 6, "3") + Field(4, 7, "14") +
                              Field(4, 8, "0") + Field(4, 9, "0") + Field(4, 10, "1") + Field(4, 11, "3") +
                              Field(4, 12, "09:30") + Field(4, 13, "11");
    const Bytes file = Head(10) + kCounterRecord + Field(3, 1, "2147483649") + Field(3, 2, "11") +
                       Field(6, 1, "2147483649") + Field(6, 2, "12") + Field(9, 1, "2147483649") + Field(9, 2, "memo") +
                       Field(7, 1, "10001") + Field(7, 6, "b") + anniversary + Field(10, 1, "10010") +
                       Field(10, 2, "note") + ContactRecord("2147483649") + AppointmentRecord("11") + TaskRecord("12");
    static const wchar_t* failing;
    BackupJob.stepHook = [](uint32_t position) {
        if (position == BackupJob.recordTally + kRestoreResetSteps)
            CeStoreFailNextChange(failing, ERROR_DISK_FULL);
    };
    for (const RowFailureCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.database)));
        failing = c.database;
        EXPECT_FALSE(Restore(file));
        EXPECT_EQ(BackupJob.failures, 1u);
        EXPECT_EQ(BackupJob.position, 2 * BackupJob.total - kRestoreResetSteps) << "every record was replayed";
        EXPECT_NE(testkit::DeviceLogText().find(c.logged), std::wstring::npos);
        EXPECT_TRUE(Lines(c.database).empty());
    }
    BackupJob.stepHook = nullptr;
    ASSERT_TRUE(Restore(file)) << "the same file again";
    for (const RowFailureCase& c : cases)
        EXPECT_EQ(Lines(c.database).size(), 1u) << testing::PrintToString(std::wstring(c.database));
}

TEST_F(RestoreTest, AnExceptionWithoutItsFlagIsStillStored)
{
    Bytes weekly = Field(2, 15, "1") + Field(2, 24, "16") + Field(2, 19, "5");
    Bytes changed = Field(2, 111, "200706070900") + Field(2, 112, "moved") + Field(2, 114, "200706081300") +
                    Field(2, 115, "200706081400");
    Bytes file = Head(3) + kCounterRecord +
                 Field(2, 1, "w") + Field(2, 4, "200705310900") + Field(2, 6, "200705311000") + weekly +
                 Field(2, 9999, "11") + changed + TaskRecord("12");
    ASSERT_TRUE(Restore(file));
    ComRef<IAppointment> series = AppointmentOf(ItemIds(olFolderCalendar).at(0));
    ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
    ComRef<IAppointment> moved;
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 8, 13, 0), moved.Out()), S_OK);
    EXPECT_EQ(TextOf(moved.Get(), &IAppointment::get_Subject), L"moved");
}

TEST_F(RestoreTest, RecipientsNeedANameAndKeepOneWithoutAddress)
{
    // The file goes on after the last name (a file ending there was cut).
    Bytes after = Field(2, 1001, "lost@example.com") + Field(2, 1002, "kim") + Field(2, 1003, "kim@example.com") +
                  Field(2, 1004, "lee");
    ASSERT_TRUE(Restore(Head(3) + kCounterRecord + AppointmentRecord("11", Bytes(), after) + TaskRecord("12")));
    ComRef<IAppointment> appointment = AppointmentOf(ItemIds(olFolderCalendar).at(0));
    ComRef<IRecipients> recipients;
    appointment->get_Recipients(recipients.Out());
    int count = 0;
    recipients->get_Count(&count);
    ASSERT_EQ(count, 2);
    const wchar_t* const expected[2][2] = {{L"kim", L"kim@example.com"}, {L"lee", L""}};
    for (int i = 0; i < 2; ++i) {
        ComRef<IRecipient> recipient;
        recipients->Item(i + 1, recipient.Out());
        BSTR name = nullptr, address = nullptr;
        recipient->get_Name(&name);
        recipient->get_Address(&address);
        EXPECT_STREQ(name, expected[i][0]);
        EXPECT_STREQ(address ? address : L"", expected[i][1]);
        SysFreeString(name);
        SysFreeString(address);
    }
}

// A contact and, last in the file, a weekly series whose occurrence of
// 2007-06-14 had its subject and location cleared and whose occurrence of
// 2007-06-21 was deleted, with one recipient.
void MakeDiaryEndingInASeries()
{
    SaveContact([](IContact* c) { c->put_LastName(Text(L"kim")); });
    CEOID weekly = SaveAppointment([](IAppointment* a) {
        a->put_Subject(Text(L"주간회의"));
        a->put_Location(Text(L"본사"));
        a->put_Start(Date(2007, 6, 7, 9, 0));
        a->put_End(Date(2007, 6, 7, 10, 0));
        ComRef<IRecurrencePattern> pattern = PatternOf(a);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(olThursday);
        pattern->put_Occurrences(5);
    });
    ComRef<IAppointment> series = AppointmentOf(weekly);
    ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
    ComRef<IAppointment> cleared, gone;
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 14, 9, 0), cleared.Out()), S_OK);
    cleared->put_Subject(Text(L""));
    cleared->put_Location(Text(L""));
    ASSERT_EQ(cleared->Save(), S_OK);
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 21, 9, 0), gone.Out()), S_OK);
    ASSERT_EQ(gone->Delete(), S_OK);
    ComRef<IRecipients> recipients;
    series->get_Recipients(recipients.Out());
    ComRef<IRecipient> one;
    recipients->Add(Text(L"홍길동"), one.Out());
    one->put_Address(Text(L"hong@example.com"));
    ASSERT_EQ(series->Save(), S_OK);
}

TEST_F(RestoreTest, AnOccurrenceWhoseSubjectAndLocationWereClearedComesBackCleared)
{
    MakeDiaryEndingInASeries();
    ASSERT_TRUE(Restore(BackUp()));
    ComRef<IAppointment> series = AppointmentOf(ItemIds(olFolderCalendar).at(0));
    ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
    ComRef<IAppointment> cleared, plain;
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 14, 9, 0), cleared.Out()), S_OK);
    EXPECT_EQ(TextOf(cleared.Get(), &IAppointment::get_Subject), L"");
    EXPECT_EQ(TextOf(cleared.Get(), &IAppointment::get_Location), L"");
    ASSERT_EQ(pattern->GetOccurrence(Date(2007, 6, 28, 9, 0), plain.Out()), S_OK);
    EXPECT_EQ(TextOf(plain.Get(), &IAppointment::get_Subject), L"주간회의");
}

// The file the program wrote, cut after every byte of its last record. A
// cut inside a field, before the record's end, inside an exception or
// between a recipient's name and address is refused before anything is
// deleted. A cut right after the record's end, a whole exception or a
// whole recipient leaves a file no different from the backup of a diary
// that had less: it restores what it holds.
TEST_F(RestoreTest, TheLastRecordCutAfterEveryByte)
{
    MakeDiaryEndingInASeries();
    const Bytes file = BackUp();
    // Where each field ends, and whether a file may end there.
    std::vector<size_t> ends;
    std::vector<bool> wholeAt;
    size_t lastRecord = 0;
    for (size_t at = kBackupHeaderBytes; at + kBackupFieldHeadBytes <= file.size();) {
        uint8_t kind = file[at];
        uint16_t id = static_cast<uint16_t>(file[at + 1] << 8 | file[at + 2]);
        size_t length = static_cast<size_t>(file[at + 3] << 8 | file[at + 4]);
        if (kind == KindAppointment && id == 1)
            lastRecord = at;
        at += kBackupFieldHeadBytes + length;
        ends.push_back(at);
        bool closes = id == kItemOidField ||
                      (id >= kFirstExceptionField && id <= kLastExceptionField && ExceptionPartOf(id) == kExceptionDeleted) ||
                      (id >= kFirstRecipientField && id <= kLastRecipientField && !IsRecipientName(id));
        wholeAt.push_back(kind == KindAppointment && closes);
    }
    ASSERT_EQ(ends.back(), file.size());
    ASSERT_GT(lastRecord, 0u);
    ASSERT_EQ(file[lastRecord], KindAppointment);
    int restored = 0;
    for (size_t cut = lastRecord + 1; cut <= file.size(); ++cut) {
        SCOPED_TRACE(testing::Message() << "cut after " << cut << " of " << file.size() << " bytes");
        auto end = std::find(ends.begin(), ends.end(), cut);
        bool expectWhole = end != ends.end() && wholeAt[static_cast<size_t>(end - ends.begin())];
        int contacts = RecordCount(L"Contacts Database");
        int appointments = RecordCount(L"Appointments Database");
        bool whole = Restore(Bytes(file.begin(), file.begin() + static_cast<long>(cut)));
        EXPECT_EQ(whole, expectWhole);
        if (whole) {
            ++restored;
            continue;
        }
        EXPECT_EQ(BackupJob.position, 0u) << "refused before the reset";
        EXPECT_EQ(RecordCount(L"Contacts Database"), contacts);
        EXPECT_EQ(RecordCount(L"Appointments Database"), appointments);
    }
    EXPECT_EQ(restored, 4) << "the record's end, two exceptions and a recipient";
    ExpectSameDiary(file, BackUp());
}

}  // namespace
}  // namespace backuptest
