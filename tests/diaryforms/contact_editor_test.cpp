// The contact editor run as the dispatcher runs it, its contact read back
// through the object model.
#include "core/outlook_probes.h"
#include "core/settings.h"
#include "lists/contacts_cache.h"
#include "lists/form_loaders.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

#include <tuple>

namespace diaryformstest {
namespace {

using namespace dialogdriver;
using commandstest::StoredContact;

class ContactEditorTest : public DiaryFormsTest {};

// The contact at company "한빛" with that business address and a mobile.
void SetCompany(CEOID oid, const wchar_t* city, const wchar_t* street)
{
    ChangeContact(oid, [&](IContact* c) {
        c->put_CompanyName(poomclient::Text(L"한빛"));
        c->put_BusinessAddressCity(poomclient::Text(city));
        c->put_BusinessAddressStreet(poomclient::Text(street));
        c->put_BusinessAddressPostalCode(poomclient::Text(L"12345"));
        c->put_BusinessFaxNumber(poomclient::Text(L"051-1"));
        c->put_MobileTelephoneNumber(poomclient::Text(L"010-9"));
    });
}

// The focus on the field, then typing, as a user enters a field.
void Enter(HWND dialog, int id, const wchar_t* text)
{
    Focus(dialog, id);
    Type(dialog, id, text);
}

// Every field but the names, as typed and as read back.
void FillTheRest(HWND dialog)
{
    Enter(dialog, IDC_CONTACT_COMPANY, L"큰회사");
    Enter(dialog, IDC_CONTACT_DEPARTMENT, L"영업부");
    Enter(dialog, IDC_CONTACT_JOB_TITLE, L"과장");
    Enter(dialog, IDC_CONTACT_GROUP, L"친구");
    Enter(dialog, IDC_CONTACT_POSTAL_CODE, L"06236");
    Enter(dialog, IDC_CONTACT_STATE, L"서울");
    Enter(dialog, IDC_CONTACT_CITY, L"강남구");
    Enter(dialog, IDC_CONTACT_STREET, L"테헤란로 1");
    Enter(dialog, IDC_CONTACT_BUSINESS_PHONE, L"02-555-0101");
    Enter(dialog, IDC_CONTACT_FAX, L"02-555-0102");
    Enter(dialog, IDC_CONTACT_MOBILE, L"010-1234-5678");
    Enter(dialog, IDC_CONTACT_EMAIL, L"hong@example.com");
    Enter(dialog, IDC_CONTACT_HOME_PHONE, L"031-777-0000");
}

void ExpectTheRest(const StoredContact& c)
{
    EXPECT_EQ(c.company, L"큰회사");
    EXPECT_EQ(c.department, L"영업부");
    EXPECT_EQ(c.jobTitle, L"과장");
    EXPECT_EQ(c.categories, L"친구");
    EXPECT_EQ(c.postalCode, L"06236");
    EXPECT_EQ(c.state, L"서울");
    EXPECT_EQ(c.city, L"강남구");
    EXPECT_EQ(c.street, L"테헤란로 1");
    EXPECT_EQ(c.businessPhone, L"02-555-0101");
    EXPECT_EQ(c.fax, L"02-555-0102");
    EXPECT_EQ(c.mobile, L"010-1234-5678");
    EXPECT_EQ(c.email, L"hong@example.com");
    EXPECT_EQ(c.homePhone, L"031-777-0000");
}

struct NameCase {
    const char* name;
    int parts;
    bool update;
    const wchar_t* typedName;   // into the name field
    const wchar_t* typedFirst;  // into the first-name field (parts 2)
    const wchar_t* label;       // the name field's label
    const wchar_t* first, *last, *fileAs;
};
const NameCase kNameCases[] = {
    {"one field, new", 1, false, L"홍길동", L"", L"이름", L"홍길동", L"", L"홍길동"},
    {"one field, update", 1, true, L"홍길순", L"", L"이름", L"홍길순", L"", L"홍길순"},
    {"two fields, new", 2, false, L"홍", L"길동", L"성", L"길동", L"홍", L"홍길동"},
    {"two fields, update", 2, true, L"김", L"길순", L"성", L"길순", L"김", L"김길순"},
};

TEST_F(ContactEditorTest, NameModesAndEveryPropertyReachTheContact)
{
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.name);
        Restart();
        Settings.ContactNameParts = c.parts;
        CEOID existing = 0;
        if (c.update) {
            existing = MakeContact(L"이", L"몽룡");
            SelectedContactOid = existing;
            ASSERT_TRUE(LoadContactForm(existing));
        }
        std::wstring label, loadedName;
        bool firstShown = false;
        Driver driver;
        driver.Then("fill and save", DialogWith(IDC_CONTACT_NAME), [&](HWND dialog) {
            label = ControlText(dialog, IDC_CONTACT_NAME_LABEL);
            loadedName = ControlText(dialog, IDC_CONTACT_NAME);
            firstShown = IsControlShown(dialog, IDC_CONTACT_FIRST_NAME);
            Enter(dialog, IDC_CONTACT_NAME, c.typedName);
            if (c.parts == 2)
                Enter(dialog, IDC_CONTACT_FIRST_NAME, c.typedFirst);
            FillTheRest(dialog);
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([&] { RunEditor(IDD_CONTACT_EDITOR, c.update ? kEditUpdate : kEditInsert); }));
        EXPECT_EQ(label, c.label);
        EXPECT_EQ(firstShown, c.parts == 2);
        if (c.update) {
            EXPECT_EQ(loadedName, c.parts == 2 ? L"이" : L"이몽룡");
        }
        CEOID saved = SelectedContactOid;
        ASSERT_NE(saved, 0u);
        if (c.update) {
            EXPECT_EQ(saved, existing);  // the id kept
        }
        StoredContact stored = ReadContact(saved);
        ASSERT_TRUE(stored.found);
        EXPECT_EQ(stored.firstName, c.first);
        EXPECT_EQ(stored.lastName, c.last);
        EXPECT_EQ(stored.fileAs, c.fileAs);
        ExpectTheRest(stored);
        // Shown again: the cache reloaded with it, reselected, the views stale.
        EXPECT_EQ(ContactToReselect, saved);
        EXPECT_EQ(ContactsCache.count, 1);
        for (int view = kContactView; view <= kGroupView; ++view)
            EXPECT_EQ(ViewStale[view], 1) << view;
        EXPECT_TRUE(WatchInStep(kWatchContacts, L"Contacts Database"));
    }
}

TEST_F(ContactEditorTest, ANewContactOfTheCompanyViewTakesTheCompanyAndItsAddress)
{
    CEOID first = MakeContact(L"박", L"하나");
    CEOID second = MakeContact(L"최", L"둘");
    CEOID third = MakeContact(L"정", L"셋");
    for (auto [oid, city, street] : {std::tuple{first, L"부산", L"첫길"}, std::tuple{second, L"대구", L"둘길"},
                                     std::tuple{third, L"", L"셋길"}}) {
        SetCompany(oid, city, street);
    }
    CurrentView = kCompanyView;
    SelectedContactOid = first;
    ASSERT_TRUE(LoadContactForm(first));
    std::wstring company, city, street, mobile, name;
    Driver driver;
    driver.Then("read and cancel", DialogWith(IDC_CONTACT_NAME), [&](HWND dialog) {
        company = ControlText(dialog, IDC_CONTACT_COMPANY);
        city = ControlText(dialog, IDC_CONTACT_CITY);
        street = ControlText(dialog, IDC_CONTACT_STREET);
        mobile = ControlText(dialog, IDC_CONTACT_MOBILE);
        name = ControlText(dialog, IDC_CONTACT_NAME);
        Click(dialog, IDCANCEL);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_CONTACT_EDITOR, kEditInsert); }));
    EXPECT_EQ(company, L"한빛");
    EXPECT_EQ(city, L"대구");  // the last contact with a city
    EXPECT_EQ(street, L"둘길");
    EXPECT_EQ(mobile, L"");  // nothing else of the selected contact
    EXPECT_EQ(name, L"");
}

TEST_F(ContactEditorTest, LeavingTheCompanyOffersItsAddress)
{
    CEOID known = MakeContact(L"박", L"하나");
    SetCompany(known, L"부산", L"첫길");
    struct Case {
        const char* name;
        const wchar_t* company;
        const wchar_t* cityBefore;
        int answer;  // 0: no question
        const wchar_t* cityAfter;
    };
    const Case cases[] = {
        {"empty address filled at once", L"한빛", L"", 0, L"부산"},
        {"filled address, Yes", L"한빛", L"서울", IDYES, L"부산"},
        {"filled address, No", L"한빛", L"서울", IDNO, L"서울"},
        {"blank company asks nothing", L"  ", L"서울", 0, L"서울"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxwatch::SeenBox box;
        std::wstring city;
        int focus = 0;
        Driver driver;
        driver.Then("type and leave", DialogWith(IDC_CONTACT_NAME), [&](HWND dialog) {
            Enter(dialog, IDC_CONTACT_CITY, c.cityBefore);
            Enter(dialog, IDC_CONTACT_COMPANY, c.company);
            if (c.answer)
                boxwatch::ArmForThisThread(c.answer);
            Focus(dialog, IDC_CONTACT_MOBILE);
            if (c.answer)
                box = boxwatch::Disarm();
            testkit::PumpFor(50);
            city = ControlText(dialog, IDC_CONTACT_CITY);
            focus = FocusedControl(dialog);
            Click(dialog, IDCANCEL);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_CONTACT_EDITOR, kEditInsert); }));
        EXPECT_EQ(city, c.cityAfter);
        EXPECT_EQ(box.seen, c.answer != 0);
        if (c.answer) {
            EXPECT_EQ(box.text, L"최신 회사주소로 주소자료를 변경 하시겠습니까?");
            EXPECT_EQ(box.caption, L"확인");
            EXPECT_EQ(focus, IDC_EDITOR_OK);
        }
    }
}

TEST_F(ContactEditorTest, ANewCompanyJoinsTheCompanyPickList)
{
    MakeContact(L"박", L"하나");
    ReloadContactsCache();
    CurrentView = kCompanyView;
    Driver driver;
    driver.Then("save", DialogWith(IDC_CONTACT_NAME), [](HWND dialog) {
        Enter(dialog, IDC_CONTACT_NAME, L"새사람");
        Enter(dialog, IDC_CONTACT_COMPANY, L"새회사");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_CONTACT_EDITOR, kEditInsert); }));
    // The pick list (none in this test: its rows are counted) has the new
    // company's row, chosen.
    EXPECT_EQ(CompanyCount, 2);  // "새회사" and "회사없음"
    EXPECT_EQ(CompanyRow, 0);
    EXPECT_STREQ(CompanyToReselect, L"");
    EXPECT_EQ(ViewStale[kCompanyView], 0);  // refilled while shown
}

TEST_F(ContactEditorTest, AFailedSaveTellsTheUserAndLeavesNoContact)
{
    MakeContact(L"박", L"하나");
    MarkContactsDatabaseSeen();
    int countBefore = WatchedCount(L"Contacts Database");
    ASSERT_TRUE(WatchInStep(kWatchContacts, L"Contacts Database"));
    CeStoreFailNextChange(L"Contacts Database", 0);
    boxwatch::SeenBox box;
    int focus = 0;
    Driver driver;
    driver.Then("save", DialogWith(IDC_CONTACT_NAME), [](HWND dialog) {
              Enter(dialog, IDC_CONTACT_NAME, L"새사람");
              Click(dialog, IDC_EDITOR_OK);
          })
        .AnswerBox(&box)
        .Then("still open", DialogWith(IDC_CONTACT_NAME), [&](HWND dialog) {
            focus = FocusedControl(dialog);
            Click(dialog, IDCANCEL);
        });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_CONTACT_EDITOR, kEditInsert); }));
    EXPECT_EQ(box.text, L"연락처 등록에 실패했습니다");
    EXPECT_EQ(box.caption, L"알림");
    EXPECT_EQ(focus, IDC_EDITOR_OK);
    EXPECT_EQ(RecordCount(L"Contacts Database"), static_cast<DWORD>(countBefore));
    // The watch sees no change, so the next tick reloads nothing.
    EXPECT_TRUE(WatchInStep(kWatchContacts, L"Contacts Database"));
    EXPECT_EQ(SelectedContactOid, 0u);
}

}  // namespace
}  // namespace diaryformstest
