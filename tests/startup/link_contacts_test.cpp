// The linked contact's name, read through Pocket Outlook: last name then
// first name, cut to the caller's buffer; nothing for contact 0, a contact
// that is gone or an item without a link.
#include "core/link_tables.h"

#include "core/own_databases.h"
#include "tests/startup/volume_probe.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LinkContactsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, 0)));
        window = testkit::CreateTestWindow(false);
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp,
                                               reinterpret_cast<void**>(&OutlookApp))));
        ASSERT_TRUE(SUCCEEDED(OutlookApp->Logon(static_cast<long>(reinterpret_cast<LONG_PTR>(window)))));
        ASSERT_TRUE(probe::MountVolume(L"\\Temp\\link-names.vol", true));
        CreatePlanLinkDatabase();
        CreateTaskLinkDatabase();
        CreateNoteFileLinkDatabase();
    }
    void TearDown() override
    {
        probe::UnmountVolume();
        if (OutlookApp) {
            OutlookApp->Logoff();
            OutlookApp->Release();
        }
        OutlookApp = nullptr;
        DestroyWindow(window);
        CoUninitialize();
    }

    // A saved contact; its object id, 0 when it could not be made.
    CEOID NewContact(const wchar_t* last, const wchar_t* first, IContact** keep = nullptr)
    {
        IDispatch* item = nullptr;
        if (FAILED(OutlookApp->CreateItem(olContactItem, &item)) || !item)
            return 0;
        IContact* contact = nullptr;
        item->QueryInterface(IID_IContact, reinterpret_cast<void**>(&contact));
        item->Release();
        if (!contact)
            return 0;
        BSTR lastText = SysAllocString(last);
        BSTR firstText = SysAllocString(first);
        contact->put_LastName(lastText);
        contact->put_FirstName(firstText);
        SysFreeString(lastText);
        SysFreeString(firstText);
        long oid = 0;
        if (SUCCEEDED(contact->Save()))
            contact->get_Oid(&oid);
        if (keep)
            *keep = contact;
        else
            contact->Release();
        return static_cast<CEOID>(oid);
    }

    HWND window = nullptr;
};

TEST_F(LinkContactsTest, NameIsLastThenFirstWithoutABlank)
{
    struct NameCase {
        const wchar_t* last;
        const wchar_t* first;
        size_t bufferChars;
        const wchar_t* shown;
    };
    const NameCase cases[] = {
        {L"홍", L"길동", 51, L"홍길동"},
        {L"", L"길동", 51, L"길동"},
        {L"Kim", L"", 51, L"Kim"},
        {L"남궁", L"민수", 3, L"남궁"},
        {L"홍", L"길동", 1, L""},
    };
    CEOID appointment = 5000;
    for (const NameCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.last) + L"/" + c.first));
        CEOID contact = NewContact(c.last, c.first);
        ASSERT_NE(contact, 0u);
        AddPlanLink(contact, ++appointment);
        wchar_t name[52];
        wmemset(name, L'#', 52);
        EXPECT_EQ(GetPlanLinkContact(appointment, name, c.bufferChars), contact);
        EXPECT_EQ(std::wstring(name), c.shown);
        EXPECT_EQ(name[c.bufferChars], L'#') << "wrote past the buffer";
    }
}

TEST_F(LinkContactsTest, NoNameWithoutALiveContact)
{
    CEOID kept = NewContact(L"이", L"순신");
    IContact* gone = nullptr;
    CEOID deleted = NewContact(L"강", L"감찬", &gone);
    ASSERT_NE(gone, nullptr);
    ASSERT_TRUE(SUCCEEDED(gone->Delete()));
    gone->Release();

    AddTaskLink(0, 7001);
    AddTaskLink(deleted, 7002);
    AddTaskLink(kept, 7003);
    AddTaskLink(deleted, 7003);  // a second link of the same task is not seen

    struct LookupCase {
        const char* what;
        CEOID task;
        CEOID contact;
        const wchar_t* name;
    };
    const LookupCase cases[] = {
        {"contact 0", 7001, 0, L""},
        {"the contact was deleted", 7002, 0, L""},
        {"the first link of the task", 7003, kept, L"이순신"},
        {"no link", 7004, 0, L""},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.what);
        wchar_t name[51] = L"before";
        EXPECT_EQ(GetTaskLinkContact(c.task, name, 51), c.contact);
        EXPECT_STREQ(name, c.name);
    }
}

TEST_F(LinkContactsTest, NotesFileLinkIsFoundByThePathInAnyCase)
{
    CEOID contact = NewContact(L"유", L"관순");
    AddNoteFileLink(contact, L"\\My Documents\\Personal\\Memo.pwi");
    wchar_t name[51] = L"";
    EXPECT_EQ(GetNoteFileLinkContact(L"\\MY DOCUMENTS\\PERSONAL\\MEMO.PWI", name, 51), contact);
    EXPECT_STREQ(name, L"유관순");
    EXPECT_EQ(GetNoteFileLinkContact(L"\\My Documents\\other.pwi", name, 51), 0u);
    EXPECT_STREQ(name, L"");
}

TEST_F(LinkContactsTest, NoOutlookNoName)
{
    CEOID contact = NewContact(L"홍", L"길동");
    AddPlanLink(contact, 6001);
    IPOutlookApp* app = OutlookApp;
    OutlookApp = nullptr;
    wchar_t name[51] = L"before";
    EXPECT_EQ(GetPlanLinkContact(6001, name, 51), 0u);
    EXPECT_STREQ(name, L"");
    OutlookApp = app;
}

}  // namespace
