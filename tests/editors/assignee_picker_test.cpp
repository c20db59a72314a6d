// The person-in-charge picker: the search by name or company and its three
// buttons.
#include "editors/assignee_picker.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/editors/editors_fixture.h"

#include <strsafe.h>

namespace editorstest {
namespace {

using namespace dialogdriver;
using AssigneePickerTest = EditorsTest;

CEOID MakeCompanyContact(IPOutlookApp*, CEOID oid, const wchar_t* company)
{
    ComRef<IContact> contact = ContactFromOid(oid);
    contact->put_CompanyName(TextArg(company));
    contact->Save();
    return oid;
}

struct SearchCase {
    const char* name;
    const wchar_t* text;
    int rows;
};
const SearchCase kSearches[] = {
    {"name only", L"철수", 1},
    {"company only", L"한빛", 1},
    {"none", L"없는이름", 0},
    {"empty text lists all", L"", 3},
};

TEST_F(AssigneePickerTest, SearchesNameThenCompany)
{
    MakeContact(L"김", L"철수");
    MakeCompanyContact(OutlookApp, MakeContact(L"이", L"영희"), L"한빛상사");
    MakeContact(L"", L"민준");  // no last name: the first name alone
    for (const SearchCase& c : kSearches) {
        SCOPED_TRACE(c.name);
        int rows = -1;
        std::wstring first;
        std::vector<std::wstring> names;
        boxwatch::SeenBox box;
        Driver driver;
        driver.Then("search", DialogWith(IDC_PICKER_LIST), [&](HWND picker) {
            Type(picker, IDC_PICKER_SEARCH_TEXT, c.text);
            Click(picker, IDC_PICKER_SEARCH);
        });
        if (c.rows == 0)
            driver.AnswerBox(&box);
        driver.Then("read", DialogWith(IDC_PICKER_LIST), [&](HWND picker) {
            rows = testkit::ListViewCount(GetDlgItem(picker, IDC_PICKER_LIST));
            for (int row = 0; row < rows; ++row)
                names.push_back(testkit::ListViewText(GetDlgItem(picker, IDC_PICKER_LIST), row));
            if (rows > 0)
                first = names.front();
            if (c.rows == 3) {
                testkit::PumpFor(150);
                testkit::SaveScreenshot(testkit::CaptureScreen(), L"assignee_picker_234");
            }
            PostMessageW(picker, WM_COMMAND, IDC_PICKER_CANCEL, 0);
        });
        ExpectRan(driver, driver.Run([] { RunAssigneePicker(ToolbarWindow); }));
        EXPECT_EQ(rows, c.rows);
        if (c.rows == 0) {
            EXPECT_EQ(box.text, L"조건에 만족하는 연락처가 없습니다");
        }
        if (c.rows == 3) {  // a contact without a last name shows its first name
            EXPECT_NE(std::find(names.begin(), names.end(), L"민준"), names.end());
        }
        if (c.rows == 1) {
            EXPECT_TRUE(first == L"김철수" || first == L"이영희") << testing::PrintToString(first);
        }
    }
}

TEST_F(AssigneePickerTest, ButtonsByState)
{
    CEOID contact = MakeContact(std::wstring(30, L'가').c_str(), std::wstring(30, L'나').c_str());
    // "선택" before a search is refused and the dialog stays.
    boxwatch::SeenBox refused;
    Driver driver;
    driver.Then("choose early", DialogWith(IDC_PICKER_LIST), [](HWND picker) { Click(picker, IDC_PICKER_CHOOSE); })
        .AnswerBox(&refused)
        .Then("search and choose", DialogWith(IDC_PICKER_LIST), [](HWND picker) {
            Click(picker, IDC_PICKER_SEARCH);
            Click(picker, IDC_PICKER_CHOOSE);
        });
    ExpectRan(driver, driver.Run([] { RunAssigneePicker(ToolbarWindow); }));
    EXPECT_EQ(refused.text, L"검색 결과가 없어 연락처를 선택할 수 없습니다");
    EXPECT_EQ(AssigneeOid, contact);
    EXPECT_EQ(std::wstring(AssigneeName).size(), 50u);  // 60 characters cut to the field

    // "해제" clears; "취소" afterwards leaves it empty.
    Driver clear;
    clear.Then("clear", DialogWith(IDC_PICKER_LIST), [](HWND picker) { Click(picker, IDC_PICKER_CLEAR); });
    ExpectRan(clear, clear.Run([] { RunAssigneePicker(ToolbarWindow); }));
    EXPECT_EQ(AssigneeOid, 0u);
    EXPECT_EQ(std::wstring(AssigneeName), L"");
    StringCchCopyW(AssigneeName, ARRAYSIZE(AssigneeName), L"남은 이름");
    Driver cancel;
    cancel.Then("cancel", DialogWith(IDC_PICKER_LIST), [](HWND picker) { Click(picker, IDC_PICKER_CANCEL); });
    ExpectRan(cancel, cancel.Run([] { RunAssigneePicker(ToolbarWindow); }));
    EXPECT_EQ(std::wstring(AssigneeName), L"");
}

// The picker reads the contacts as it opens and searches the kept
// collection: a contact saved or deleted while it is open shows in the next
// search.
TEST_F(AssigneePickerTest, SearchesFollowContactsChangedWhileOpen)
{
    MakeContact(L"김", L"철수");
    CEOID leaving = MakeContact(L"박", L"철수");
    std::vector<int> rows;
    std::wstring added, chosenName;
    Driver driver;
    driver.Then("search, change, search", DialogWith(IDC_PICKER_LIST), [&](HWND picker) {
        HWND list = GetDlgItem(picker, IDC_PICKER_LIST);
        Type(picker, IDC_PICKER_SEARCH_TEXT, L"철수");
        Click(picker, IDC_PICKER_SEARCH);
        rows.push_back(testkit::ListViewCount(list));
        MakeContact(L"가", L"철수");
        ContactFromOid(leaving)->Delete();
        Click(picker, IDC_PICKER_SEARCH);
        rows.push_back(testkit::ListViewCount(list));
        if (rows.back() > 0)
            added = testkit::ListViewText(list, 0);
        Click(picker, IDC_PICKER_CHOOSE);
    });
    ExpectRan(driver, driver.Run([] { RunAssigneePicker(ToolbarWindow); }));
    EXPECT_EQ(rows, (std::vector<int>{2, 2}));
    EXPECT_EQ(added, L"가철수") << "sorted by full name, the new contact first";
    EXPECT_EQ(std::wstring(AssigneeName), L"가철수");
    EXPECT_NE(AssigneeOid, 0u);
    EXPECT_NE(AssigneeOid, leaving);
}

}  // namespace
}  // namespace editorstest
