// The contact editor's address taken from the company's other contacts, on
// a test dialog with the editor's control ids.
#include "lists/company_address.h"
#include "tests/contacts/contacts_fixture.h"
#include "tests/support/box_watch.h"

namespace contactstest {
namespace {

const int kAddressControls[] = {kEditorPostalCode, kEditorState, kEditorCity, kEditorStreet, kEditorFax};

// A window with the editor's five address edits and its save button.
class EditorWindow {
public:
    EditorWindow()
    {
        window_ = testkit::CreateTestWindow(false);
        int y = 0;
        for (int id : kAddressControls) {
            CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, y, 200, 20, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
            y += 22;
        }
        CreateWindowExW(0, L"BUTTON", L"등록", WS_CHILD | WS_VISIBLE, 0, y, 60, 20, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorSaveButton)), GetModuleHandleW(nullptr),
                        nullptr);
    }
    ~EditorWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }
    std::vector<std::wstring> Address() const
    {
        std::vector<std::wstring> texts;
        for (int id : kAddressControls)
            texts.push_back(testkit::WindowText(GetDlgItem(window_, id)));
        return texts;
    }

private:
    HWND window_ = nullptr;
};

class CompanyAddressTest : public DeviceContactsTest {
protected:
    void AddCompanyContacts()
    {
        AddContact({L"가", L"", L"가나상사", L"", L"", L"", L"", L"", L"", L"서울", L"종로 1", L"서울시", L"03000",
                    L"02-100"});
        AddContact({L"나", L"", L"가나상사"});  // no city: not taken
        AddContact({L"다", L"", L"가나상사", L"", L"", L"", L"", L"", L"", L"부산", L"해운대 2", L"부산시", L"48000",
                    L"051-200"});
        AddContact({L"라", L"", L"\"큰\" 회사", L"", L"", L"", L"", L"", L"", L"대구", L"중앙로 3", L"대구시",
                    L"41000", L"053-300"});
    }
};

const std::vector<std::wstring> kLastWithCity = {L"48000", L"부산시", L"부산", L"해운대 2", L"051-200"};

TEST(CompanyRestriction, QuotesInTheCompanyAreDoubled)
{
    EXPECT_EQ(CompanyRestriction(L"가나상사"), L"[CompanyName] = \"가나상사\"");
    EXPECT_EQ(CompanyRestriction(L"\"큰\" 회사"), L"[CompanyName] = \"\"\"큰\"\" 회사\"");
    EXPECT_EQ(CompanyRestriction(L""), L"[CompanyName] = \"\"");
}

TEST_F(CompanyAddressTest, PrefillWritesTheLastContactWithACity)
{
    AddCompanyContacts();
    EditorWindow editor;
    PrefillAddressFromCompany(editor.Handle(), L"가나상사");
    EXPECT_EQ(editor.Address(), kLastWithCity);
    ASSERT_NE(ContactSearchItems, nullptr) << "the company's contacts are kept";
    int count = 0;
    ContactSearchItems->get_Count(&count);
    EXPECT_EQ(count, 3);
}

TEST_F(CompanyAddressTest, EmptyControlsAreFilledWithoutAskingAndABlankCompanyChangesNothing)
{
    AddCompanyContacts();
    EditorWindow editor;
    UpdateAddressFromCompany(editor.Handle(), L"   ");
    EXPECT_EQ(editor.Address(), std::vector<std::wstring>(5));
    EXPECT_EQ(ContactSearchItems, nullptr) << "nothing was looked up";
    UpdateAddressFromCompany(editor.Handle(), L"가나상사");
    EXPECT_EQ(editor.Address(), kLastWithCity);
}

TEST_F(CompanyAddressTest, FilledControlsChangeOnlyOnTheUsersYes)
{
    AddCompanyContacts();
    const std::vector<std::wstring> typed = {L"", L"", L"인천", L"", L""};
    const struct {
        int answer;
        std::vector<std::wstring> address;
    } cases[] = {{IDNO, typed}, {IDYES, kLastWithCity}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer == IDYES ? "yes" : "no");
        EditorWindow editor;
        SetDlgItemTextW(editor.Handle(), kEditorCity, L"인천");
        SetFocus(GetDlgItem(editor.Handle(), kEditorStreet));
        boxwatch::ArmForThisThread(c.answer);
        UpdateAddressFromCompany(editor.Handle(), L"가나상사");
        boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, L"확인");
        EXPECT_EQ(box.text, L"최신 회사주소로 주소자료를 변경 하시겠습니까?");
        EXPECT_EQ(editor.Address(), c.address);
        EXPECT_EQ(GetFocus(), GetDlgItem(editor.Handle(), kEditorSaveButton)) << "the focus goes to 등록";
    }
}

TEST_F(CompanyAddressTest, ACompanyWithQuotesFindsItsOwnContacts)
{
    AddCompanyContacts();
    EditorWindow editor;
    UpdateAddressFromCompany(editor.Handle(), L"\"큰\" 회사");
    EXPECT_EQ(editor.Address(), (std::vector<std::wstring>{L"41000", L"대구시", L"대구", L"중앙로 3", L"053-300"}));
    UpdateAddressFromCompany(editor.Handle(), L"없는 회사");
    EXPECT_EQ(editor.Address()[2], L"대구") << "no contact of that company: nothing changes";
}

}  // namespace
}  // namespace contactstest
