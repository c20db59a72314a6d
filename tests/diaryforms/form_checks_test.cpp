// What each form refuses before it saves: the message, its caption and the
// control that gets the focus; the form stays open and nothing is saved.
#include "core/record_layouts.h"
#include "core/settings.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

namespace diaryformstest {
namespace {

using namespace dialogdriver;

constexpr wchar_t kTakenNote[] = L"\\My Documents\\있는 메모.pwi";

struct CheckCase {
    const char* name;
    int dialogId;
    int memoSource;
    void (*fill)(HWND dialog);
    const wchar_t* text;
    const wchar_t* caption;
    int focus;
};

void AnniversaryOn(HWND dialog, int month, int day, bool lunar, const wchar_t* year)
{
    Type(dialog, IDC_ANNIVERSARY_TITLE, L"가");
    ChooseComboItem(dialog, IDC_ANNIVERSARY_MONTH, month - 1);
    ChooseComboItem(dialog, IDC_ANNIVERSARY_DAY, day - 1);
    SetCheck(dialog, IDC_ANNIVERSARY_LUNAR, lunar);
    SetCheck(dialog, IDC_ANNIVERSARY_YEAR_KNOWN, year != nullptr);
    if (year)
        Type(dialog, IDC_ANNIVERSARY_YEAR, year);
}

const CheckCase kChecks[] = {
    {"contact without a name", IDD_CONTACT_EDITOR, 1, [](HWND d) { Type(d, IDC_CONTACT_NAME, L"   "); },
     L"이름은 반드시 입력해야 합니다", L"오류", IDC_CONTACT_NAME},
    {"anniversary without a title", IDD_ANNIVERSARY_EDITOR, 1,
     [](HWND d) { Type(d, IDC_ANNIVERSARY_TITLE, L" "); }, L"기념일 제목은 반드시 입력해야 합니다", L"오류",
     IDC_ANNIVERSARY_TITLE},
    {"30 February", IDD_ANNIVERSARY_EDITOR, 1, [](HWND d) { AnniversaryOn(d, 2, 30, false, nullptr); },
     L"날짜 자료가 올바르지 않습니다", L"오류", IDC_ANNIVERSARY_DAY},
    {"31 April", IDD_ANNIVERSARY_EDITOR, 1, [](HWND d) { AnniversaryOn(d, 4, 31, false, nullptr); },
     L"날짜 자료가 올바르지 않습니다", L"오류", IDC_ANNIVERSARY_DAY},
    {"29 February 2023", IDD_ANNIVERSARY_EDITOR, 1, [](HWND d) { AnniversaryOn(d, 2, 29, false, L"2023"); },
     L"날짜 자료가 올바르지 않습니다", L"오류", IDC_ANNIVERSARY_DAY},
    {"lunar day 31", IDD_ANNIVERSARY_EDITOR, 1, [](HWND d) { AnniversaryOn(d, 1, 31, true, nullptr); },
     L"날짜 자료가 올바르지 않습니다", L"오류", IDC_ANNIVERSARY_DAY},
    {"no year typed", IDD_ANNIVERSARY_EDITOR, 1, [](HWND d) { AnniversaryOn(d, 1, 1, false, L""); },
     L"날짜 자료가 올바르지 않습니다", L"오류", IDC_ANNIVERSARY_YEAR},
    {"lunar year past the calendar", IDD_ANNIVERSARY_EDITOR, 1,
     [](HWND d) { AnniversaryOn(d, 1, 1, true, L"2051"); }, L"날짜 자료가 올바르지 않습니다", L"오류",
     IDC_ANNIVERSARY_YEAR},
    {"memo without a title", IDD_MEMO_EDITOR, 1, [](HWND d) { Type(d, IDC_MEMO_TITLE, L"  "); },
     L"메모 제목은 반드시 입력해야 합니다", L"오류", IDC_MEMO_TITLE},
    {"Notes file without a title", IDD_MEMO_EDITOR, 2, [](HWND d) { Type(d, IDC_MEMO_TITLE, L""); },
     L"메모 제목은 반드시 입력해야 합니다", L"오류", IDC_MEMO_TITLE},
    {"Notes title with a slash", IDD_MEMO_EDITOR, 2, [](HWND d) { Type(d, IDC_MEMO_TITLE, L"a/b"); },
     L"메모 제목에 사용할 수 없는 문자가 있습니다", L"오류", IDC_MEMO_TITLE},
    {"Notes title with a colon", IDD_MEMO_EDITOR, 2, [](HWND d) { Type(d, IDC_MEMO_TITLE, L"c:x"); },
     L"메모 제목에 사용할 수 없는 문자가 있습니다", L"오류", IDC_MEMO_TITLE},
    {"Notes title of a file that is there", IDD_MEMO_EDITOR, 2,
     [](HWND d) { Type(d, IDC_MEMO_TITLE, L"있는 메모"); }, L"같은 이름의 메모가 있습니다", L"오류",
     IDC_MEMO_TITLE},
};

class FormChecksTest : public DiaryFormsTest {};

TEST_F(FormChecksTest, RefusedInputsTellTheUserAndKeepTheFormOpen)
{
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        Restart();
        Settings.MemoSource = c.memoSource;
        ASSERT_TRUE(testkit::WriteFileBytes(kTakenNote, {'o', 'l', 'd'}));
        const int firstControl = c.dialogId == IDD_CONTACT_EDITOR       ? IDC_CONTACT_NAME
                                 : c.dialogId == IDD_ANNIVERSARY_EDITOR ? IDC_ANNIVERSARY_TITLE
                                                                        : IDC_MEMO_TITLE;
        boxwatch::SeenBox box;
        int focus = 0;
        Driver driver;
        driver.Then("fill and save", DialogWith(firstControl), [&](HWND dialog) {
                  c.fill(dialog);
                  Click(dialog, IDC_EDITOR_OK);
              })
            .AnswerBox(&box)
            .Then("still open", DialogWith(firstControl), [&](HWND dialog) {
                focus = FocusedControl(dialog);
                Click(dialog, IDCANCEL);
            });
        ExpectRan(driver, driver.Run([&] { RunEditor(c.dialogId, kEditInsert); }));
        EXPECT_EQ(box.text, c.text);
        EXPECT_EQ(box.caption, c.caption);
        EXPECT_EQ(focus, c.focus);
        EXPECT_EQ(testkit::ReadFileBytes(kTakenNote), (std::vector<uint8_t>{'o', 'l', 'd'}));
        EXPECT_TRUE(Records(kNoteDatabase).empty());
        EXPECT_TRUE(Records(kAnniversaryDatabase).empty());
        EXPECT_EQ(SelectedContactOid, 0u);
    }
}

}  // namespace
}  // namespace diaryformstest
