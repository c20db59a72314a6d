// Saving an anniversary with its yearly mirror appointment, and deleting
// it: the occurrences' titles and days, the record, failures midway and the
// delete of the rows read before a save.
#include "core/anniversary_save.h"
#include "core/lunar.h"
#include "core/outlook_items.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "tests/lists/lists_fixture.h"
#include "tests/support/device_clock.h"
#include "tests/support/testkit.h"

#include <string>

namespace liststest {
namespace {

constexpr wchar_t kAppointments[] = L"Appointments Database";

std::wstring TextOf(const poomtest::StoredRecord& record, CEPROPID id)
{
    const poomtest::StoredValue* value = record.Find(id);
    return value ? value->text : L"(none)";
}

class AnniversarySaveTest : public ListsTest {
protected:
    void TearDown() override
    {
        testkit::RestoreDeviceTime();
        ListsTest::TearDown();
    }

    // Saves with the device's date posed in that year.
    bool Save(int savedIn, int32_t id, const wchar_t* title, wchar_t yearKnown, const wchar_t* date, wchar_t lunar,
              wchar_t kind, const wchar_t* time = L"10:00", const wchar_t* note = L"")
    {
        EXPECT_TRUE(testkit::PoseDeviceTime(savedIn, 1, 10, 9, 0));
        wcscpy(time_, time);
        return SaveNewAnniversary(id, title, yearKnown, date, lunar, kind, L'1', 3, time_, L"", L"", L"", note);
    }

    // The mirror's occurrence held on that day and time; its subject and
    // start, or empty when the series has none.
    std::wstring Occurrence(CEOID mirror, const wchar_t* at, std::wstring* start = nullptr)
    {
        ComRef<IAppointment> appointment = AppointmentFromOid(mirror);
        ComRef<IRecurrencePattern> pattern;
        ComRef<IAppointment> occurrence;
        if (!appointment || FAILED(appointment->GetRecurrencePattern(pattern.Out())) ||
            FAILED(pattern->GetOccurrence(DateOf(at), occurrence.Out())) || !occurrence)
            return L"";
        BSTR subject = nullptr;
        occurrence->get_Subject(&subject);
        if (start) {
            DATE when = 0;
            occurrence->get_Start(&when);
            *start = poomtest::DateText(when);
        }
        return poomtest::Take(subject);
    }

    std::vector<poomtest::StoredRecord> Anniversaries() { return Records(kAnniversaryDatabase); }

    CEOID MirrorOf(int32_t id) { return FindStoredAnniversary(id).mirror; }

    wchar_t time_[6] = L"";
};

TEST_F(AnniversarySaveTest, OccurrenceTitlesCountAgesAndYears)
{
    struct Case {
        const wchar_t* title;
        wchar_t yearKnown;
        const wchar_t* date;
        wchar_t kind;
        const wchar_t* at;
        const wchar_t* subject;
    };
    const Case cases[] = {
        {L"철수", L'1', L"1990-05-01", L'0', L"2007-05-01 10:00", L"[생일] 철수(18세)"},
        {L"철수", L'1', L"1990-05-01", L'0', L"2016-05-01 10:00", L"[생일] 철수(27세)"},
        {L"창립", L'1', L"2007-06-10", L'1', L"2007-06-10 10:00", L"[기념] 창립"},
        {L"창립", L'1', L"2007-06-10", L'1', L"2008-06-10 10:00", L"[기념] 창립(1주년)"},
        {L"할머니", L'1', L"1980-09-01", L'2', L"2010-09-01 10:00", L"[제사] 할머니(30주년)"},
        {L"모임", L'0', L"07/20", L'3', L"2012-07-20 10:00", L"[기타] 모임"},
    };
    int32_t id = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.at)));
        ASSERT_TRUE(Save(2007, id, c.title, c.yearKnown, c.date, L'0', c.kind));
        EXPECT_EQ(Occurrence(MirrorOf(id), c.at), c.subject);
        ++id;
    }
    EXPECT_EQ(Anniversaries().size(), std::size(cases));
}

TEST_F(AnniversarySaveTest, RecordHoldsTheMirrorAndTheDefaultTime)
{
    ASSERT_TRUE(Save(2007, 7, L"결혼", L'1', L"2001-10-03", L'0', L'1', L"", L"꽃 사기"));
    // One time for the mirror and the record.
    EXPECT_STREQ(time_, L"10:00");
    const StoredAnniversary rows = FindStoredAnniversary(7);
    ASSERT_NE(rows.record, 0u);
    ASSERT_NE(rows.textRecord, 0u);
    ASSERT_NE(rows.mirror, 0u);
    std::wstring start;
    EXPECT_EQ(Occurrence(rows.mirror, L"2007-10-03 10:00", &start), L"[기념] 결혼(6주년)");
    EXPECT_EQ(start, L"2007-10-03 10:00");
    const auto record = RecordOf(kAnniversaryDatabase, rows.record);
    EXPECT_EQ(TextOf(record, kAnniversaryTime), L"10:00");
    EXPECT_EQ(record.Find(kAnniversaryAppointment)->number, static_cast<long long>(rows.mirror));
    EXPECT_EQ(TextOf(RecordOf(kAnniversaryTextDatabase, rows.textRecord), kAnniversaryTextNote), L"꽃 사기");
}

TEST_F(AnniversarySaveTest, TwentyNinthOfFebruaryInCommonYears)
{
    ASSERT_TRUE(Save(2007, 1, L"윤일", L'1', L"2000-02-29", L'0', L'0'));
    EXPECT_EQ(Occurrence(MirrorOf(1), L"2007-02-28 10:00"), L"[생일] 윤일(8세)");
    EXPECT_EQ(Occurrence(MirrorOf(1), L"2008-02-28 10:00"), L"[생일] 윤일(9세)");
    ASSERT_TRUE(Save(2008, 2, L"윤일", L'1', L"2000-02-29", L'0', L'0'));
    EXPECT_EQ(Occurrence(MirrorOf(2), L"2008-02-29 10:00"), L"[생일] 윤일(9세)");
    EXPECT_EQ(Occurrence(MirrorOf(2), L"2009-02-28 10:00"), L"[생일] 윤일(10세)");
}

TEST_F(AnniversarySaveTest, LunarOccurrencesMoveToTheirSolarDays)
{
    ASSERT_TRUE(Save(2007, 1, L"어머니", L'1', L"1970-03-15", L'1', L'0', L""));
    for (int year : {2007, 2012, 2016}) {
        SCOPED_TRACE(year);
        int y = 0, m = 0, d = 0;
        ASSERT_GE(LunarToSolar(year, 3, 15, false, &y, &m, &d), 0);
        wchar_t placeholder[32], expected[32], title[32];
        swprintf(placeholder, 32, L"%04d-02-01 10:00", year);
        swprintf(expected, 32, L"%04d-%02d-%02d 10:00", y, m, d);
        swprintf(title, 32, L"[생일] 어머니(%d세)", year - 1970 + 1);
        std::wstring start;
        EXPECT_EQ(Occurrence(MirrorOf(1), placeholder, &start), title);
        EXPECT_EQ(start, expected);
    }
}

TEST_F(AnniversarySaveTest, LunarYearsPastTheCalendarAreTakenOut)
{
    ASSERT_TRUE(Save(2045, 1, L"제사", L'0', L"08/10", L'1', L'2'));
    const CEOID mirror = MirrorOf(1);
    ASSERT_NE(mirror, 0u);
    EXPECT_EQ(Occurrence(mirror, L"2050-07-01 10:00"), L"[제사] 제사");
    for (const wchar_t* gone : {L"2051-07-01 10:00", L"2054-07-01 10:00"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(gone)));
        EXPECT_EQ(Occurrence(mirror, gone), L"");
    }
}

TEST_F(AnniversarySaveTest, FailureMidwayLeavesNothing)
{
    const DWORD appointments = RecordCount(kAppointments);
    // The record's write fails: the mirror made before it goes again.
    CeStoreFailNextChange(kAnniversaryDatabase, 0);
    EXPECT_FALSE(Save(2007, 1, L"철수", L'1', L"1990-05-01", L'0', L'0'));
    EXPECT_TRUE(Anniversaries().empty());
    EXPECT_EQ(RecordCount(kAppointments), appointments);
    // So does a note that cannot be written.
    CeStoreFailNextChange(kAnniversaryTextDatabase, 0);
    EXPECT_FALSE(Save(2007, 2, L"철수", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"메모"));
    EXPECT_TRUE(Anniversaries().empty());
    EXPECT_TRUE(Records(kAnniversaryTextDatabase).empty());
    EXPECT_EQ(RecordCount(kAppointments), appointments);
}

TEST_F(AnniversarySaveTest, DeleteWithAndWithoutMirror)
{
    ASSERT_TRUE(Save(2007, 1, L"철수", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"메모"));
    const DWORD withMirror = RecordCount(kAppointments);
    EXPECT_TRUE(DeleteAnniversary(1));
    EXPECT_TRUE(Anniversaries().empty());
    EXPECT_TRUE(Records(kAnniversaryTextDatabase).empty());
    EXPECT_EQ(RecordCount(kAppointments), withMirror - 1);

    // A record without a mirror goes without any appointment touched.
    wchar_t time[6] = L"10:00";
    ASSERT_TRUE(InsertAnniversaryRecord(2, L"옛날", L'0', L"05/05", L'0', L'3', L'0', 0, time, L"", L"05", L"05", 0, L""));
    const DWORD before = RecordCount(kAppointments);
    EXPECT_TRUE(DeleteAnniversary(2));
    EXPECT_TRUE(Anniversaries().empty());
    EXPECT_EQ(RecordCount(kAppointments), before);
    // One that is not there counts as gone.
    EXPECT_TRUE(DeleteAnniversary(3));
}

TEST_F(AnniversarySaveTest, AFailedDeleteKeepsTheRecordAndARetryEndsIt)
{
    // Whichever row cannot go, the record stays to lead a retry to the rest.
    const wchar_t* const failing[] = {kAppointments, kAnniversaryTextDatabase, kAnniversaryDatabase};
    const DWORD appointments = RecordCount(kAppointments);
    for (const wchar_t* database : failing) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(database)));
        ASSERT_TRUE(Save(2007, 1, L"철수", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"메모"));
        const StoredAnniversary rows = FindStoredAnniversary(1);
        CeStoreFailNextChange(database, 0);
        EXPECT_FALSE(DeleteAnniversary(1));
        CeStoreFailNextChange(nullptr, 0);
        EXPECT_EQ(FindStoredAnniversary(1).record, rows.record);
        if (database == kAppointments) {
            EXPECT_NE(AppointmentFromOid(rows.mirror).Get(), nullptr);
            EXPECT_EQ(Records(kAnniversaryTextDatabase).size(), 1u);
        }
        EXPECT_TRUE(DeleteAnniversary(1));
        EXPECT_TRUE(Anniversaries().empty());
        EXPECT_TRUE(Records(kAnniversaryTextDatabase).empty());
        EXPECT_EQ(RecordCount(kAppointments), appointments);
    }
}

TEST_F(AnniversarySaveTest, DeleteTakesEveryRowOfTheId)
{
    // Rows an earlier failure left twice under one id, and a note alone.
    ASSERT_TRUE(Save(2007, 4, L"하나", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"메모 하나"));
    ASSERT_TRUE(Save(2007, 4, L"둘", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"메모 둘"));
    ASSERT_TRUE(InsertAnniversaryText(4, L"메모 셋"));
    ASSERT_TRUE(Save(2007, 5, L"남는", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"남는 메모"));
    EXPECT_EQ(FindStoredAnniversaries(4).size(), 3u);
    EXPECT_TRUE(DeleteAnniversary(4));
    EXPECT_TRUE(FindStoredAnniversaries(4).empty());
    const auto left = Anniversaries();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(TextOf(left[0], kAnniversaryTitle), L"남는");
    ASSERT_EQ(Records(kAnniversaryTextDatabase).size(), 1u);
    EXPECT_NE(AppointmentFromOid(MirrorOf(5)).Get(), nullptr);
}

// The save run by a second process, killed inside its write after that many.
int SaveInPeer(int writesBeforeKill)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder = self;
    folder = folder.substr(0, folder.rfind(L'\\'));
    return testkit::RunProcess(L"\"" + folder + L"\\anniversary_peer.exe\" " + std::to_wstring(writesBeforeKill),
                               60000);
}

// A save killed inside any of its writes, followed by a start, leaves the
// anniversary whole with its mirror or no trace of it in the calendar.
TEST_F(AnniversarySaveTest, ASaveKilledAtAnyWriteLeavesItWholeOrGone)
{
    constexpr int kKilled = 7;
    const DWORD appointments = RecordCount(kAppointments);
    bool ranToItsEnd = false;
    for (int kill = 0; kill < 40 && !ranToItsEnd; ++kill) {
        SCOPED_TRACE(kill);
        const int exitCode = SaveInPeer(kill);
        ASSERT_TRUE(exitCode == kKilled || exitCode == 0) << exitCode;
        ranToItsEnd = exitCode == 0;
        RemoveUnfinishedAnniversaryMirror();
        const StoredAnniversary rows = FindStoredAnniversary(1);
        if (rows.record) {
            EXPECT_NE(AppointmentFromOid(rows.mirror).Get(), nullptr);
            EXPECT_EQ(RecordCount(kAppointments), appointments + 1);
        } else {
            EXPECT_FALSE(ranToItsEnd);
            EXPECT_EQ(RecordCount(kAppointments), appointments);
        }
        ASSERT_TRUE(DeleteAnniversary(1));
    }
    EXPECT_TRUE(ranToItsEnd);
}

TEST_F(AnniversarySaveTest, OldRowsGoBesideNewRowsOfTheSameId)
{
    ASSERT_TRUE(Save(2007, 5, L"옛", L'1', L"1990-05-01", L'0', L'0', L"10:00", L"옛 메모"));
    const StoredAnniversary old = FindStoredAnniversary(5);
    ASSERT_TRUE(Save(2007, 5, L"새", L'1', L"1991-06-02", L'0', L'0', L"10:00", L"새 메모"));
    ASSERT_EQ(Anniversaries().size(), 2u);
    EXPECT_TRUE(DeleteStoredAnniversary(old));
    const auto left = Anniversaries();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(TextOf(left[0], kAnniversaryTitle), L"새");
    const auto notes = Records(kAnniversaryTextDatabase);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(TextOf(notes[0], kAnniversaryTextNote), L"새 메모");
    EXPECT_EQ(AppointmentFromOid(old.mirror).Get(), nullptr);
    EXPECT_EQ(Occurrence(FindStoredAnniversary(5).mirror, L"2007-06-02 10:00"), L"[생일] 새(17세)");
}

}  // namespace
}  // namespace liststest
