#include "tests/backup/sample_diary.h"

#include "core/link_tables.h"
#include "core/own_databases.h"

#include <algorithm>
#include <map>

namespace backuptest {

namespace {

constexpr CEOID kContactNotInDiary = 0x80001000;
constexpr CEOID kAppointmentNotInDiary = 0x00777777;

CEOID NamedContact(const wchar_t* fileAs, const wchar_t* last)
{
    return SaveContact([&](IContact* c) {
        c->put_FileAs(Text(fileAs));
        c->put_LastName(Text(last));
    });
}

CEOID MakeWeeklyMeeting()
{
    CEOID weekly = SaveAppointment([](IAppointment* a) {
        a->put_Subject(Text(L"주간회의"));
        a->put_Location(Text(L"본사"));
        a->put_Start(Date(2007, 6, 7, 9, 0));
        a->put_End(Date(2007, 6, 7, 10, 0));
        BYTE ink[] = {9, 8, 7};
        a->put_BodyInk(ink, 3);
        ComRef<IRecurrencePattern> pattern = PatternOf(a);
        pattern->put_RecurrenceType(olRecursWeekly);
        pattern->put_DayOfWeekMask(olThursday);
        pattern->put_Occurrences(10);
    });
    ComRef<IAppointment> series = AppointmentOf(weekly);
    ComRef<IRecurrencePattern> pattern = PatternOf(series.Get());
    ComRef<IAppointment> moved, gone;
    pattern->GetOccurrence(Date(2007, 6, 14, 9, 0), moved.Out());
    moved->put_Subject(Text(L"변경됨"));
    moved->put_Location(Text(L"서울"));
    moved->put_Start(Date(2007, 6, 15, 14, 0));
    moved->put_End(Date(2007, 6, 15, 16, 0));
    BYTE ink[] = {1, 1};
    moved->put_BodyInk(ink, 2);
    EXPECT_EQ(moved->Save(), S_OK);
    pattern->GetOccurrence(Date(2007, 6, 21, 9, 0), gone.Out());
    EXPECT_EQ(gone->Delete(), S_OK);
    ComRef<IRecipients> recipients;
    series->get_Recipients(recipients.Out());
    ComRef<IRecipient> one, two;
    recipients->Add(Text(L"홍길동"), one.Out());
    one->put_Address(Text(L"hong@example.com"));
    recipients->Add(Text(L"철수"), two.Out());
    EXPECT_EQ(series->Save(), S_OK);
    return weekly;
}

}  // namespace

SampleDiary MakeSampleDiary()
{
    SampleDiary diary;
    // Made in this order, filed as A1, A2, Z1, Z2, Z3.
    CEOID z1 = NamedContact(L"Z1", L"홍길동");
    CEOID z2 = NamedContact(L"Z2", L"김");
    CEOID a1 = SaveContact([](IContact* c) {
        c->put_FileAs(Text(L"A1"));
        c->put_FirstName(Text(L"철수"));
        c->put_MobileTelephoneNumber(Text(L"010-1234-5678"));
        c->put_Birthday(Date(1975, 3, 14));
        BYTE ink[] = {5, 4, 3, 2, 1};
        c->put_BodyInk(ink, 5);
    });
    CEOID a2 = NamedContact(L"A2", L"서울");
    CEOID z3 = NamedContact(L"Z3", L"업무");
    diary.contacts = {z1, z2, a1, a2, z3};
    SetContactPicture(a1, Bytes(500, 0x44));
    SetContactPicture(z3, Bytes(70000, 0x45));
    std::wstring title = L"과장";
    CEPROPVAL extras[2] = {};
    extras[0].propid = 0x00AB001F;
    extras[0].val.lpwstr = title.data();
    extras[1].propid = 0x00F80013;
    extras[1].val.ulVal = 3;
    SetContactProps(a1, {extras[0], extras[1]});

    CEOID plain = SaveAppointment([](IAppointment* a) {
        a->put_Subject(Text(L"회의"));
        a->put_Start(Date(2007, 5, 31, 10, 0));
        a->put_End(Date(2007, 5, 31, 11, 0));
        a->put_ReminderSet(VARIANT_TRUE);
        a->put_ReminderMinutesBeforeStart(15);
    });
    CEOID weekly = MakeWeeklyMeeting();
    CEOID mirror = SaveAppointment([](IAppointment* a) {
        a->put_Subject(Text(L"생일"));
        a->put_Start(Date(2008, 3, 14, 10, 0));
        a->put_End(Date(2008, 3, 14, 10, 1));
        ComRef<IRecurrencePattern> pattern = PatternOf(a);
        pattern->put_RecurrenceType(olRecursYearly);
        pattern->put_DayOfMonth(14);
        pattern->put_MonthOfYear(3);
        pattern->put_Occurrences(10);
    });
    CEOID unlinked = SaveAppointment([](IAppointment* a) {
        a->put_Subject(Text(L"x"));
        a->put_Start(Date(2007, 7, 1, 0, 0));
        a->put_End(Date(2007, 7, 2, 0, 0));
        a->put_AllDayEvent(VARIANT_TRUE);
    });
    diary.appointments = {plain, weekly, mirror, unlinked};

    CEOID task = SaveTask([](ITask* t) {
        t->put_Subject(Text(L"메모"));
        t->put_DueDate(Date(2007, 6, 5));
        t->put_Importance(olImportanceHigh);
    });
    CEOID daily = SaveTask([](ITask* t) {
        t->put_Subject(Text(L"매일"));
        t->put_StartDate(Date(2007, 6, 1));
        ComRef<IRecurrencePattern> pattern = PatternOf(t);
        pattern->put_RecurrenceType(olRecursDaily);
        pattern->put_Interval(2);
        pattern->put_Occurrences(5);
    });
    diary.tasks = {task, daily};

    DropIdCounterDatabase();
    CreateIdCounterDatabase();
    InsertIdCounterRecord(10000, 10004, 10010);
    AddPlanLink(a1, plain);
    AddPlanLink(z1, weekly);
    AddPlanLink(a1, weekly);
    AddPlanLink(0, unlinked);
    AddPlanLink(z2, kAppointmentNotInDiary);
    AddTaskLink(z1, task);
    AddTaskLink(kContactNotInDiary, daily);
    AddNoteFileLink(z2, L"\\My Documents\\메모.pwi");
    InsertNote(10001, L"2007-05-31", L"가족", L"첫째", z1, Bytes{1, 2, 3});
    InsertNote(10002, L"2007-06-01", L"", L"둘째", a1, Bytes());
    InsertNote(10003, L"2007-06-02", L"업무", L"셋째", 0, Bytes(100, 7));
    InsertNote(10004, L"2007-06-03", L"업무", L"넷째", z1, Bytes{4});
    InsertNote(9000, L"2007-06-04", L"", L"다섯째", kContactNotInDiary, Bytes{5});
    wchar_t time[6] = L"09:30";
    InsertAnniversaryRecord(10010, L"생일", L'1', L"1975-03-14", L'0', L'0', L'1', 3, time, L"1975", L"3", L"14",
                            mirror, L"서울에서");
    return diary;
}

namespace {

using IdMap = std::map<std::string, std::string>;

std::string Mapped(const IdMap& map, const std::string& id)
{
    auto it = map.find(id);
    return it == map.end() ? id : it->second;
}

void SetField(ParsedRecord& record, uint16_t id, const std::string& text)
{
    for (ParsedField& field : record.fields) {
        if (field.id == id)
            field.data = Bytes(text);
    }
}

std::string FieldText(const ParsedRecord& record, uint16_t id)
{
    const ParsedField* field = record.Find(id);
    return field ? field->Text() : std::string();
}

// What a's records become through a restore, given the ids the items got.
std::vector<ParsedRecord> ExpectedAfterRestore(const std::vector<ParsedRecord>& a, const IdMap& contacts,
                                               const IdMap& items)
{
    // Memos of restored contacts take new ids from the counter, contact by
    // contact in file order, each contact's memos in their row order.
    long counter = 0;
    long largest = 0;
    for (const ParsedRecord& record : a) {
        if (record.kind == 5)
            counter = std::stol(FieldText(record, 2));
        if (record.kind == 7)
            largest = std::max(largest, std::stol(FieldText(record, 1)));
    }
    long next = std::max(counter, largest);
    std::map<size_t, long> memoIds;  // index of the memo record in a
    for (const ParsedRecord& contact : a) {
        if (contact.kind != 1)
            continue;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i].kind == 7 && FieldText(a[i], 4) == FieldText(contact, 48))
                memoIds[i] = ++next;
        }
    }
    std::vector<ParsedRecord> expected;
    for (size_t i = 0; i < a.size(); ++i) {
        ParsedRecord record = a[i];
        switch (record.kind) {
        case 1:
            SetField(record, 48, Mapped(contacts, FieldText(record, 48)));
            std::erase_if(record.fields, [](const ParsedField& f) { return f.id == 100 && f.data.empty(); });
            break;
        case 2:
        case 8: SetField(record, 9999, Mapped(items, FieldText(record, 9999))); break;
        case 3:
        case 6:
            if (items.count(FieldText(record, 2)) && FieldText(record, 1) == "0")
                continue;  // a restored item's link to no contact
            SetField(record, 1, Mapped(contacts, FieldText(record, 1)));
            SetField(record, 2, Mapped(items, FieldText(record, 2)));
            break;
        case 9: SetField(record, 1, Mapped(contacts, FieldText(record, 1))); break;
        case 7:
            if (memoIds.count(i))
                SetField(record, 1, std::to_string(memoIds[i]));
            SetField(record, 4, Mapped(contacts, FieldText(record, 4)));
            break;
        case 4: SetField(record, 13, Mapped(items, FieldText(record, 13))); break;
        case 5:
            if (!memoIds.empty())
                SetField(record, 2, std::to_string(next));
            break;
        }
        expected.push_back(record);
    }
    return expected;
}

}  // namespace

void ExpectSameDiary(const Bytes& fileA, const Bytes& fileB)
{
    ParsedBackup backupA = ParseBackup(fileA);
    ParsedBackup backupB = ParseBackup(fileB);
    ASSERT_TRUE(backupA.whole);
    ASSERT_TRUE(backupB.whole);
    std::vector<ParsedRecord> a = RecordsOf(backupA);
    std::vector<ParsedRecord> b = RecordsOf(backupB);
    IdMap contacts, items;
    std::vector<const ParsedRecord*> itemsA, itemsB;
    for (const ParsedRecord& record : b)
        if (record.kind == 1 || record.kind == 2 || record.kind == 8)
            itemsB.push_back(&record);
    for (const ParsedRecord& record : a)
        if (record.kind == 1 || record.kind == 2 || record.kind == 8)
            itemsA.push_back(&record);
    ASSERT_EQ(itemsA.size(), itemsB.size());
    for (size_t i = 0; i < itemsA.size(); ++i) {
        ASSERT_EQ(itemsA[i]->kind, itemsB[i]->kind) << "item " << i;
        uint16_t id = itemsA[i]->kind == 1 ? 48 : 9999;
        (itemsA[i]->kind == 1 ? contacts : items)[FieldText(*itemsA[i], id)] = FieldText(*itemsB[i], id);
    }
    std::vector<ParsedRecord> expected = ExpectedAfterRestore(a, contacts, items);
    EXPECT_EQ(backupB.count, expected.size());
    ASSERT_EQ(b.size(), expected.size());
    for (size_t i = 0; i < b.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i) + " of kind " + std::to_string(b[i].kind));
        ASSERT_EQ(b[i].kind, expected[i].kind);
        ASSERT_EQ(b[i].Ids(), expected[i].Ids());
        for (size_t f = 0; f < b[i].fields.size(); ++f)
            EXPECT_EQ(b[i].fields[f].Text(), expected[i].fields[f].Text()) << "field " << b[i].fields[f].id;
    }
}

}  // namespace backuptest
