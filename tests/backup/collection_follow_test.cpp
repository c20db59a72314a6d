// A collection follows this process's own deletes without reading its
// folder again, as deleting every item through Item(1) needs; a save of
// this process or another process's change still makes it read afresh.
#include "backup/restore_pass.h"

#include "tests/backup/diary_fixture.h"

namespace backuptest {
namespace {

using CollectionFollowTest = DiaryTest;

std::wstring FileAsOf(IPOutlookItemCollection* items, int index)
{
    ComRef<IDispatch> item;
    if (FAILED(items->Item(index, item.Out())))
        return L"(none)";
    ComRef<IContact> contact = ItemAs<IContact>(item.Get(), IID_IContact);
    BSTR text = nullptr;
    contact->get_FileAs(&text);
    std::wstring result = text ? text : L"";
    SysFreeString(text);
    return result;
}

HRESULT DeleteAt(IPOutlookItemCollection* items, int index)
{
    ComRef<IDispatch> item;
    items->Item(index, item.Out());
    ComRef<IContact> contact = ItemAs<IContact>(item.Get(), IID_IContact);
    return contact ? contact->Delete() : E_FAIL;
}

int CountOf(IPOutlookItemCollection* items)
{
    int count = -1;
    items->get_Count(&count);
    return count;
}

CEOID Named(const wchar_t* fileAs)
{
    return SaveContact([&](IContact* c) { c->put_FileAs(Text(fileAs)); });
}

std::wstring PeerPath()
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder = self;
    return folder.substr(0, folder.rfind(L'\\')) + L"\\outlook_peer.exe";
}

TEST_F(CollectionFollowTest, OwnDeletesAreFollowedSavesAndOtherProcessesReadAfresh)
{
    for (const wchar_t* name : {L"A", L"B", L"C", L"D", L"E"})
        Named(name);
    ComRef<IPOutlookItemCollection> items = FolderItems(olFolderContacts);
    ASSERT_EQ(CountOf(items.Get()), 5);
    ASSERT_EQ(DeleteAt(items.Get(), 1), S_OK);
    EXPECT_EQ(FileAsOf(items.Get(), 1), L"B");
    EXPECT_EQ(CountOf(items.Get()), 4);
    ASSERT_EQ(DeleteAt(items.Get(), 3), S_OK);  // D
    EXPECT_EQ(FileAsOf(items.Get(), 3), L"E");
    EXPECT_EQ(CountOf(items.Get()), 3);

    Named(L"AA");
    EXPECT_EQ(FileAsOf(items.Get(), 1), L"AA") << "a save of this process is read";
    EXPECT_EQ(CountOf(items.Get()), 4);

    ASSERT_EQ(testkit::RunProcess(L"\"" + PeerPath() + L"\" add contact 0"), 0);
    EXPECT_EQ(CountOf(items.Get()), 5) << "another process's contact is counted";
    EXPECT_EQ(FileAsOf(items.Get(), 1), L"0");
}

TEST_F(CollectionFollowTest, DeletingEveryItemLeavesNone)
{
    for (int i = 0; i < 300; ++i)
        Named(std::to_wstring(i).c_str());
    EXPECT_TRUE(DeleteAllOutlookContacts());
    EXPECT_EQ(RecordCount(L"Contacts Database"), 0);
    EXPECT_TRUE(DeleteAllOutlookContacts()) << "none to delete";
}

TEST_F(CollectionFollowTest, AnItemThatCannotBeDeletedEndsTheDeleteAll)
{
    Named(L"A");
    Named(L"B");
    CeStoreFailNextChange(L"Contacts Database", ERROR_DISK_FULL);
    EXPECT_FALSE(DeleteAllOutlookContacts());
    EXPECT_EQ(RecordCount(L"Contacts Database"), 2);
    EXPECT_NE(testkit::DeviceLogText().find(L"restore: 2 contacts left undeleted"), std::wstring::npos);
}

}  // namespace
}  // namespace backuptest
