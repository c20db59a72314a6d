// Link tables: the first link in item order wins, paths ignore case, a
// contact 0 links nothing.
#include "core/link_tables.h"

#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "tests/startup/volume_probe.h"

#include <gtest/gtest.h>

namespace {

using probe::I4;
using probe::Record;
using probe::Text;

class LinkTablesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(probe::MountVolume(L"\\Temp\\links.vol", true));
        CreatePlanLinkDatabase();
        CreateTaskLinkDatabase();
        CreateNoteFileLinkDatabase();
        CreateAnniversaryDatabase();
    }
    void TearDown() override { probe::UnmountVolume(); }
};

TEST_F(LinkTablesTest, LookupAndDeleteSeeOnlyTheFirstLinkOfAnItem)
{
    AddPlanLink(301, 9000);
    AddPlanLink(302, 9100);
    AddPlanLink(303, 9100);
    EXPECT_EQ(LinkedContact(kPlanLinkDatabase, LinkItemKey(9100)), 302u);
    EXPECT_TRUE(IsPlanLinkedToContact(302, 9100));
    EXPECT_FALSE(IsPlanLinkedToContact(303, 9100));

    DeletePlanLink(9100);
    EXPECT_EQ(probe::ReadRecords(kPlanLinkDatabase),
              (std::vector<Record>{{I4(1, 301), I4(2, 9000)}, {I4(1, 303), I4(2, 9100)}}));
    EXPECT_TRUE(IsPlanLinkedToContact(303, 9100));
    DeletePlanLink(9100);
    DeletePlanLink(9100);
    EXPECT_EQ(probe::ReadRecords(kPlanLinkDatabase), (std::vector<Record>{{I4(1, 301), I4(2, 9000)}}));
}

TEST_F(LinkTablesTest, MembershipNeedsANonZeroMatchingContact)
{
    struct MemberCase {
        const char* what;
        CEOID askedContact;
        CEOID task;
        bool linked;
    };
    AddTaskLink(0, 7001);
    AddTaskLink(55, 7002);
    const MemberCase cases[] = {
        {"same contact", 55, 7002, true},
        {"another contact", 56, 7002, false},
        {"contact 0 links nothing", 0, 7001, false},
        {"no link", 55, 7003, false},
    };
    for (const MemberCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsTaskLinkedToContact(c.askedContact, c.task), c.linked);
    }
}

TEST_F(LinkTablesTest, NotesFilePathsIgnoreCase)
{
    AddNoteFileLink(41, L"\\My Documents\\Personal\\Memo.pwi");
    AddNoteFileLink(42, L"\\My Documents\\other.pwi");
    EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(L"\\MY DOCUMENTS\\PERSONAL\\MEMO.PWI")), 41u);
    DeleteNoteFileLink(L"\\my documents\\personal\\memo.PWI");
    EXPECT_EQ(probe::ReadRecords(kNoteFileLinkDatabase),
              (std::vector<Record>{{I4(1, 42), Text(2, L"\\My Documents\\other.pwi")}}));
}

TEST_F(LinkTablesTest, MissingDatabasesLinkNothing)
{
    DropPlanLinkDatabase();
    DropTaskLinkDatabase();
    DropAnniversaryDatabase();
    AddPlanLink(1, 2);
    DeletePlanLink(2);
    EXPECT_FALSE(IsPlanLinkedToContact(1, 2));
    EXPECT_FALSE(IsTaskLinkedToContact(1, 2));
    EXPECT_EQ(FindAnniversaryOfAppointment(2), 0);
    EXPECT_FALSE(probe::ReadShape(kPlanLinkDatabase).exists);
}

TEST_F(LinkTablesTest, AnniversaryOfAnAppointmentByItsMirror)
{
    wchar_t time[6] = L"";
    InsertAnniversaryRecord(10001, L"a", L'0', L"01/01", L'0', L'3', L'0', 0, time, L"", L"1", L"1", 8801, L"");
    InsertAnniversaryRecord(10002, L"b", L'0', L"01/02", L'0', L'3', L'0', 0, time, L"", L"1", L"2", 8802, L"");
    EXPECT_EQ(FindAnniversaryOfAppointment(8802), 10002);
    EXPECT_EQ(FindAnniversaryOfAppointment(8801), 10001);
    EXPECT_EQ(FindAnniversaryOfAppointment(8803), 0);
}

}  // namespace
