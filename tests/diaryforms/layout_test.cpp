// The diary forms opened for real, filled with long real texts, and measured
// as the screen shows them: every visible control inside 240 x 320, none
// over another, every text whole in its control.
#include "core/settings.h"
#include "lists/contacts_cache.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"
#include "tests/support/layout_check.h"

#include <commctrl.h>

namespace diaryformstest {
namespace {

using namespace dialogdriver;

void FillContact(HWND dialog)
{
    Type(dialog, IDC_CONTACT_NAME, L"홍");
    Type(dialog, IDC_CONTACT_FIRST_NAME, L"길동");
    Type(dialog, IDC_CONTACT_COMPANY, L"한빛상사");
    Type(dialog, IDC_CONTACT_DEPARTMENT, L"영업부");
    Type(dialog, IDC_CONTACT_JOB_TITLE, L"과장");
    Type(dialog, IDC_CONTACT_POSTAL_CODE, L"135-080");
    Type(dialog, IDC_CONTACT_STATE, L"서울특별시");
    Type(dialog, IDC_CONTACT_CITY, L"강남구");
    Type(dialog, IDC_CONTACT_BUSINESS_PHONE, L"02-555-1234");
    Type(dialog, IDC_CONTACT_FAX, L"02-555-1235");
    Type(dialog, IDC_CONTACT_MOBILE, L"010-1234-5678");
}

// The longest province names, the new five-digit postal code and a city
// with its district.
void FillLongAddress(HWND dialog)
{
    FillContact(dialog);
    Type(dialog, IDC_CONTACT_POSTAL_CODE, L"63535");
    Type(dialog, IDC_CONTACT_STATE, L"제주특별자치도");
    Type(dialog, IDC_CONTACT_CITY, L"창원시 마산합포구");
    Type(dialog, IDC_CONTACT_STREET, L"3·15대로 200, 시청별관 5층");
    // Typed to their ends, the fields keep their first characters in view.
    for (int id : {IDC_CONTACT_POSTAL_CODE, IDC_CONTACT_STATE, IDC_CONTACT_CITY, IDC_CONTACT_STREET}) {
        const LRESULT first = SendDlgItemMessageW(dialog, id, EM_POSFROMCHAR, 0, 0);
        EXPECT_GE(static_cast<short>(LOWORD(first)), 0) << "field " << id << " scrolled its start away";
    }
}

struct FormCase {
    const wchar_t* name;
    int controlId;
    std::function<void()> open;
    std::function<void(HWND)> fill;
};

class FormLayoutTest : public DiaryFormsTest {};

TEST_F(FormLayoutTest, EveryFormFitsTheScreen)
{
    MakeContact(L"홍", L"길동");
    MakeContact(L"김", L"수");
    ReloadContactsCache();
    HWND main = testkit::CreateTestWindow(false);
    const FormCase cases[] = {
        {L"contact-one-name", IDC_CONTACT_NAME,
         [] {
             Settings.ContactNameParts = 1;
             RunEditor(IDD_CONTACT_EDITOR, kEditInsert);
         },
         FillContact},
        {L"contact-two-names", IDC_CONTACT_NAME,
         [] {
             Settings.ContactNameParts = 2;
             RunEditor(IDD_CONTACT_EDITOR, kEditInsert);
         },
         FillContact},
        {L"contact-long-address", IDC_CONTACT_NAME,
         [] {
             Settings.ContactNameParts = 2;
             RunEditor(IDD_CONTACT_EDITOR, kEditInsert);
         },
         FillLongAddress},
        {L"anniversary", IDC_ANNIVERSARY_TITLE, [] { RunEditor(IDD_ANNIVERSARY_EDITOR, kEditInsert); },
         [](HWND dialog) {
             Type(dialog, IDC_ANNIVERSARY_TITLE, L"어머니 생신");
             SetCheck(dialog, IDC_ANNIVERSARY_REMINDER, true);
             ChooseComboItem(dialog, IDC_ANNIVERSARY_REMINDER_CHOICE, 11);
         }},
        {L"memo-typing", IDC_MEMO_TITLE,
         [] {
             Settings.MemoInputMode = 1;
             RunEditor(IDD_MEMO_EDITOR, kEditInsert);
         },
         [](HWND dialog) { Type(dialog, IDC_MEMO_TITLE, L"회의록"); }},
        {L"memo-ink", IDC_MEMO_TITLE,
         [] {
             Settings.MemoInputMode = 2;
             RunEditor(IDD_MEMO_EDITOR, kEditInsert);
         },
         nullptr},
        {L"contact-import", IDC_IMPORT_LIST, [&] { Hooks.RunContactImport(main); }, nullptr},
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(layout::Utf8(c.name));
        std::vector<std::wstring> breaches;
        Driver driver;
        driver.Then("fill and measure", DialogWith(c.controlId), [&](HWND dialog) {
            if (c.fill)
                c.fill(dialog);
            testkit::PumpFor(150);
            breaches = layout::Breaches(dialog, c.name, layout::Rules{});
            testkit::SaveScreenshot(testkit::CaptureScreen(), std::wstring(L"layout-") + c.name);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ExpectRan(driver, driver.Run(c.open));
        for (const std::wstring& breach : breaches)
            ADD_FAILURE() << layout::Utf8(breach);
    }
    DestroyWindow(main);
    Settings.ContactNameParts = 1;
    Settings.MemoInputMode = 1;
}

}  // namespace
}  // namespace diaryformstest
