// What the forms look like on the 240 x 320 screen, saved beside the test
// run for a person to look at.
#include "core/settings.h"
#include "lists/contacts_cache.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

#include <commctrl.h>

namespace diaryformstest {
namespace {

using namespace dialogdriver;

class FormScreenshotsTest : public DiaryFormsTest {
protected:
    // Runs the form, lets the step fill it, shoots it and cancels it.
    void Shoot(const wchar_t* name, int firstControl, const std::function<void()>& open,
               const std::function<void(HWND)>& fill)
    {
        testkit::Image shot;
        Driver driver;
        driver.Then("fill and shoot", DialogWith(firstControl), [&](HWND dialog) {
            fill(dialog);
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            testkit::PumpFor(150);
            shot = testkit::CaptureWindow(dialog);
            testkit::SaveScreenshot(shot, name);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ExpectRan(driver, driver.Run(open));
        EXPECT_EQ(shot.width, 240) << testing::PrintToString(std::wstring(name));
    }
};

void FillContact(HWND dialog)
{
    Type(dialog, IDC_CONTACT_NAME, L"홍");
    Type(dialog, IDC_CONTACT_FIRST_NAME, L"길동");
    Type(dialog, IDC_CONTACT_COMPANY, L"한빛상사");
    Type(dialog, IDC_CONTACT_DEPARTMENT, L"영업부");
    Type(dialog, IDC_CONTACT_JOB_TITLE, L"과장");
    Type(dialog, IDC_CONTACT_CITY, L"강남구");
    Type(dialog, IDC_CONTACT_MOBILE, L"010-1234-5678");
}

TEST_F(FormScreenshotsTest, EachFormOnTheScreen)
{
    for (int parts : {1, 2}) {
        Settings.ContactNameParts = parts;
        Shoot(parts == 1 ? L"contact-one-name" : L"contact-two-names", IDC_CONTACT_NAME,
              [] { RunEditor(IDD_CONTACT_EDITOR, kEditInsert); }, FillContact);
    }
    Shoot(L"anniversary", IDC_ANNIVERSARY_TITLE, [] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); },
          [](HWND dialog) {
              Type(dialog, IDC_ANNIVERSARY_TITLE, L"어머니 생신");
              SetCheck(dialog, IDC_ANNIVERSARY_LUNAR, true);
              SetCheck(dialog, IDC_ANNIVERSARY_REMINDER, true);
              ChooseComboItem(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, 3);
              Type(dialog, IDC_ANNIVERSARY_NOTE, L"케이크 준비");
          });
    for (int mode : {1, 2}) {
        Settings.MemoInputMode = mode;
        Shoot(mode == 1 ? L"memo-typing" : L"memo-ink", IDC_MEMO_TITLE,
              [] { RunEditor(IDD_MEMO_EDITOR, kEditInsert); },
              [](HWND dialog) {
                  Type(dialog, IDC_MEMO_TITLE, L"회의록");
                  Type(dialog, IDC_MEMO_CATEGORY, L"업무");
                  TypeIntoRichInk(GetDlgItem(dialog, IDC_MEMO_BODY), L"다음 주 일정 확인");
              });
    }
    MakeContact(L"홍", L"길동");
    MakeContact(L"김", L"수");
    ReloadContactsCache();
    HWND main = testkit::CreateTestWindow(false);
    Shoot(L"contact-import", IDC_IMPORT_LIST, [&] { Hooks.RunContactImport(main); },
          [](HWND dialog) { ListView_SetCheckState(GetDlgItem(dialog, IDC_IMPORT_LIST), 1, TRUE); });
    DestroyWindow(main);
}

}  // namespace
}  // namespace diaryformstest
