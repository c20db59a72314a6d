#include "tests/lists/lists_fixture.h"

#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/rich_ink_body.h"
#include "tests/startup/volume_probe.h"

namespace liststest {

void ListsTest::SetUp()
{
    PoomTest::SetUp();
    ASSERT_TRUE(probe::MountVolume(L"\\pim.vol", false));
    CreateNoteDatabase();
    CreateAnniversaryDatabase();
    CreateAnniversaryTextDatabase();
    CreateHolidayDatabase();
    CreatePlanLinkDatabase();
    CreateTaskLinkDatabase();
    CreateNoteFileLinkDatabase();
    OutlookApp = app_.Get();
}

void ListsTest::TearDown()
{
    OutlookApp = nullptr;
    FreeRichInkBody();
    probe::UnmountVolume();
    PoomTest::TearDown();
}

}  // namespace liststest
