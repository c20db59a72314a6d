// The main window of the Windows CE 3.0 build, started in this process on
// a CE 3 device: its own databases in the object store, category names by
// bit mask in the contacts list, and no watch on Pocket Outlook.
#include "core/build_variant.h"
#include "core/db_access.h"
#include "core/outlook_probes.h"
#include "core/record_layouts.h"
#include "lists/contacts_cache.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "platform/outlook/client_values.h"
#include "tests/views/main_window_fixture.h"

#include <string>

namespace {

constexpr int kDirectLoader = 0;
constexpr DWORD kPeerTimeoutMs = 30000;
// Longer than the watch's tick and countdown together.
constexpr DWORD kWatchSettleMs = 7000;

CEOID AddContact(const std::wstring& last, const std::wstring& categories)
{
    IContact* contact = nullptr;
    EXPECT_EQ(OutlookApp->CreateItem(olContactItem, reinterpret_cast<IDispatch**>(&contact)), S_OK);
    if (!contact)
        return 0;
    contact->put_LastName(poomclient::Text(last.c_str()));
    if (!categories.empty())
        contact->put_Categories(poomclient::Text(categories.c_str()));
    EXPECT_EQ(contact->Save(), S_OK);
    long oid = 0;
    contact->get_Oid(&oid);
    contact->Release();
    return static_cast<CEOID>(oid);
}

std::wstring CachedCategories(const std::wstring& name)
{
    for (int i = 0; i < ContactsCache.count; ++i) {
        if (ContactsCache.rows[i].name == name)
            return ContactsCache.rows[i].categories;
    }
    return L"(not in the cache)";
}

bool InCache(const std::wstring& name)
{
    return CachedCategories(name) != L"(not in the cache)";
}

class OlderMainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        OlderPlatformBuild = true;
        views::StartMainWindow([](DiarySettings& settings) { settings.ContactLoader = kDirectLoader; });
    }
    static void TearDownTestSuite()
    {
        views::StopMainWindow();
        OlderPlatformBuild = false;
    }
    void SetUp() override { ASSERT_NE(MainWindow, nullptr); }
};

TEST_F(OlderMainWindowTest, KeepsItsDatabasesInTheObjectStore)
{
    EXPECT_FALSE(testkit::FileExists(L"\\pim.vol"));
    EXPECT_EQ(DiarySession, nullptr);
    CEGUID objectStore;
    CREATE_SYSTEMGUID(&objectStore);
    for (LPCWSTR name : {kHolidayDatabase, kIdCounterDatabase, kPlanLinkDatabase}) {
        CEOID oid = 0;
        HANDLE database = CeOpenDatabaseEx2(&objectStore, &oid, const_cast<LPWSTR>(name), nullptr, 0, nullptr);
        EXPECT_NE(database, INVALID_HANDLE_VALUE) << testing::PrintToString(std::wstring(name));
        if (database != INVALID_HANDLE_VALUE)
            CloseHandle(database);
    }
}

TEST_F(OlderMainWindowTest, ContactCategoriesComeFromTheMask)
{
    AddContact(L"김가족", L"가족, 친구");
    AddContact(L"박없음", L"");
    MarkContactsDatabaseSeen();
    EXPECT_EQ(CachedCategories(L"김가족"), L"가족, 친구");
    EXPECT_EQ(CachedCategories(L"박없음"), L"");
}

TEST_F(OlderMainWindowTest, AnotherProgramsSaveIsNotReloaded)
{
    MarkContactsDatabaseSeen();
    const int before = ContactsCache.count;
    const std::wstring peer = testkit::BuiltProgram(L"contacts_peer.exe");
    ASSERT_EQ(testkit::RunProcess(L"\"" + peer + L"\" add 최남", kPeerTimeoutMs), 0);
    testkit::PumpFor(kWatchSettleMs);
    EXPECT_EQ(ContactsCache.count, before);
    EXPECT_FALSE(InCache(L"최남"));
    // The program's own saves still reload through the Mark routines.
    MarkContactsDatabaseSeen();
    EXPECT_TRUE(InCache(L"최남"));
}

}  // namespace
