// The contact import through command 40030's hook, with its question and
// what its caller does after it.
#include "editors/diary_forms_state.h"
#include "lists/contacts_cache.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

#include <commctrl.h>

#include <vector>

namespace diaryformstest {
namespace {

using namespace dialogdriver;

std::vector<UINT> g_mainCommands;

LRESULT CALLBACK MainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND)
        g_mainCommands.push_back(LOWORD(wParam));
    return DefWindowProcW(window, msg, wParam, lParam);
}

class ContactImportTest : public DiaryFormsTest {};

TEST_F(ContactImportTest, NoChangesNothingAndYesSetsTheFlagsAndShowsEveryContact)
{
    MakeContact(L"홍", L"길동", L"02-1");
    MakeContact(L"김", L"수");
    MakeContact(L"이", L"영희");
    ReloadContactsCache();
    ASSERT_EQ(ContactsCache.count, 3);
    HWND main = testkit::CreateTestWindow(false, 240, 294, MainProc);
    g_mainCommands.clear();
    IndexTab = 5;
    ContactsImported = 1;
    ASSERT_NE(Hooks.RunContactImport, nullptr);
    boxwatch::SeenBox no, yes, done;
    std::vector<std::wstring> rows;
    bool enabledAtStart = true, enabledTicked = false, flagAfterNo = true;
    Driver driver;
    driver
        .Then("tick two", DialogWith(IDC_IMPORT_LIST),
              [&](HWND dialog) {
                  HWND list = GetDlgItem(dialog, IDC_IMPORT_LIST);
                  for (int row = 0; row < testkit::ListViewCount(list); ++row)
                      rows.push_back(testkit::ListViewText(list, row, 0) + L"|" + testkit::ListViewText(list, row, 1));
                  enabledAtStart = IsControlEnabled(dialog, IDC_IMPORT_RUN);
                  ListView_SetCheckState(list, 0, TRUE);
                  ListView_SetCheckState(list, 2, TRUE);
                  enabledTicked = IsControlEnabled(dialog, IDC_IMPORT_RUN);
                  Click(dialog, IDC_IMPORT_RUN);
              })
        .AnswerBox(&no, IDNO)
        .Then("still open", DialogWith(IDC_IMPORT_LIST),
              [&](HWND dialog) {
                  flagAfterNo = ContactsImported != 0;
                  for (int view = kContactView; view <= kGroupView; ++view)
                      flagAfterNo = flagAfterNo || ViewStale[view] != 0;
                  Click(dialog, IDC_IMPORT_RUN);
              })
        .AnswerBox(&yes, IDYES)
        .AnswerBox(&done, IDOK);
    ExpectRan(driver, driver.Run([&] { Hooks.RunContactImport(main); }));
    EXPECT_EQ(rows.size(), 3u);
    if (!rows.empty()) {
        EXPECT_EQ(rows[0], ContactsCache.rows[ContactOrder[0]].name + L"|" + ContactsCache.rows[ContactOrder[0]].mobile);
    }
    EXPECT_FALSE(enabledAtStart);
    EXPECT_TRUE(enabledTicked);
    EXPECT_EQ(no.text, L"총2명의 연락처가 선택되었습니다\n연락처 가져오기를 하시겠습니까?");
    EXPECT_EQ(no.caption, L"확인");
    EXPECT_FALSE(flagAfterNo);
    EXPECT_TRUE(yes.seen);
    EXPECT_EQ(done.text, L"연락처 가져오기가 완료되었습니다");
    EXPECT_EQ(ContactsImported, 1);
    for (int view = kContactView; view <= kGroupView; ++view)
        EXPECT_EQ(ViewStale[view], 1) << view;
    EXPECT_EQ(IndexTab, kIndexTabAll);
    EXPECT_EQ(g_mainCommands, (std::vector<UINT>{IDC_CONTACT_VIEW_TAB}));
    DestroyWindow(main);
}

TEST_F(ContactImportTest, CancelChangesNothing)
{
    MakeContact(L"홍", L"길동");
    ReloadContactsCache();
    HWND main = testkit::CreateTestWindow(false, 240, 294, MainProc);
    g_mainCommands.clear();
    IndexTab = 5;
    Driver driver;
    driver.CancelDialogWith(IDC_IMPORT_LIST);
    ExpectRan(driver, driver.Run([&] { Hooks.RunContactImport(main); }));
    EXPECT_EQ(ContactsImported, 0);
    EXPECT_EQ(IndexTab, 5);
    EXPECT_TRUE(g_mainCommands.empty());
    DestroyWindow(main);
}

}  // namespace
}  // namespace diaryformstest
