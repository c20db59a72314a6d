// The memo editor run as the dispatcher runs it: own memos read back from
// their database, Notes files from the device's folders, the links from
// their table.
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "core/record_layouts.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "core/settings.h"
#include "editors/memo_category_file.h"
#include "editors/memo_editor.h"
#include "lists/item_list_state.h"
#include "lists/memo_bodies.h"
#include "lists/note_files.h"
#include "mainwindow/state.h"
#include "platform/richink/richink.h"
#include "resources/resource.h"
#include "tests/diaryforms/diary_forms_fixture.h"

#include <strsafe.h>

namespace diaryformstest {
namespace {

using namespace dialogdriver;
using Bytes = std::vector<uint8_t>;

constexpr wchar_t kFolder[] = L"\\My Documents\\업무";
constexpr wchar_t kSignalFile[] = L"\\Windows\\Quillon2.qmk";

class MemoEditorTest : public DiaryFormsTest {
protected:
    void SetUp() override
    {
        DiaryFormsTest::SetUp();
        CreateNoteFileLinkDatabase();
        CreateDirectoryW(kFolder, nullptr);
        DeleteFileW(kMemoCategoryFile);
        DeleteFileW(kSignalFile);
        CurrentView = kMemoView;
    }
};

HWND Body(HWND dialog)
{
    return GetDlgItem(dialog, IDC_MEMO_BODY);
}

// The control's content as the body format streams it.
Bytes Streamed(HWND control)
{
    Bytes bytes;
    if (StreamTextOutOfRichInk(control))
        bytes.assign(RichInkBody.bytes, RichInkBody.bytes + RichInkBody.size);
    FreeRichInkBody();
    return bytes;
}

// The typed text of a body, shown in a fresh control.
std::wstring TextOfBody(const Bytes& body)
{
    HWND host = testkit::CreateTestWindow(false);
    RECT rect = {0, 0, 200, 100};
    HWND control = CreateRichInkControl(host, &rect);
    SetRichInkBody(body.data(), static_cast<DWORD>(body.size()));
    StreamTextIntoRichInk(control);
    FreeRichInkBody();
    std::wstring text = testkit::WindowText(control);
    DestroyWindow(host);
    return text;
}

void ChooseFolder(HWND dialog, const wchar_t* name)
{
    auto items = testkit::ComboItems(GetDlgItem(dialog, IDC_MEMO_FOLDER));
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == name)
            ChooseComboItem(dialog, IDC_MEMO_FOLDER, static_cast<int>(i));
    }
}

TEST_F(MemoEditorTest, AnOwnMemoIsSavedWithItsBodyCategoryAndLink)
{
    CurrentView = kContactView;  // from a contact card: the memo is linked
    AssigneeOid = 4242;
    Bytes typed;
    Driver driver;
    driver.Then("fill and save", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
        Type(dialog, IDC_MEMO_TITLE, L"회의록");
        SetPickerDate(dialog, IDC_MEMO_DATE, 2024, 5, 6);
        Type(dialog, IDC_MEMO_CATEGORY, L"업무");
        TypeIntoRichInk(Body(dialog), L"첫 줄\r둘째 줄");
        typed = Streamed(Body(dialog));
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditInsert); }));
    auto records = Records(kNoteDatabase);
    ASSERT_EQ(records.size(), 1u);
    const auto& r = records[0];
    EXPECT_GT(NumberOf(r, kNoteId), 10000);
    EXPECT_EQ(NumberOf(r, kNoteId), SelectedMemoId);
    EXPECT_EQ(MemoToReselect, SelectedMemoId);
    EXPECT_EQ(TextOf(r, kNoteTitle), L"회의록");
    EXPECT_EQ(TextOf(r, kNoteDate), L"2024-05-06");
    EXPECT_EQ(TextOf(r, kNoteCategory), L"업무");
    EXPECT_EQ(NumberOf(r, kNoteContact), 4242);
    const poomtest::StoredValue* body = r.Find(kNoteBody);
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->bytes, typed);
    EXPECT_EQ(TextOfBody(body->bytes), L"첫 줄\r\n둘째 줄");
    // The card's list reloaded, the memo view stale, the Today item told.
    EXPECT_EQ(Reloaded.contactMemos, 1);
    EXPECT_EQ(ViewStale[kMemoView], 1);
    EXPECT_TRUE(testkit::FileExists(kSignalFile));
    // The category is offered to the next new memo, from one CP949 line.
    EXPECT_EQ(testkit::ReadFileBytes(kMemoCategoryFile), (Bytes{0xBE, 0xF7, 0xB9, 0xAB}));
    std::wstring offered;
    Driver next;
    next.Then("read", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
        offered = ControlText(dialog, IDC_MEMO_CATEGORY);
        Click(dialog, IDCANCEL);
    });
    ExpectRan(next, next.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditInsert); }));
    EXPECT_EQ(offered, L"업무");
}

// An own memo loaded as the dispatcher loads it for an update.
long StoredMemo(long id, const wchar_t* category, const wchar_t* text)
{
    HWND host = testkit::CreateTestWindow(false);
    RECT rect = {0, 0, 200, 100};
    HWND control = CreateRichInkControl(host, &rect);
    SetWindowTextW(control, text);
    StreamTextOutOfRichInk(control);
    DestroyWindow(host);
    wchar_t stored[kMemoCategoryChars];
    StringCchCopyW(stored, ARRAYSIZE(stored), category);
    EXPECT_TRUE(InsertNoteRecord(id, L"2024-01-02", stored, L"옛 제목", 0));
    FreeRichInkBody();
    SelectedMemoId = id;
    EXPECT_TRUE(LoadNoteRecord());
    return id;
}

TEST_F(MemoEditorTest, AnOwnMemoUpdateTakesANewIdAndDropsTheOld)
{
    long old = StoredMemo(10500, L"업무", L"옛 내용");
    std::wstring shownCategory, shownBody;
    Driver driver;
    driver.Then("change and save", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
        shownCategory = ControlText(dialog, IDC_MEMO_CATEGORY);
        shownBody = testkit::WindowText(Body(dialog));
        Type(dialog, IDC_MEMO_TITLE, L"새 제목");
        Type(dialog, IDC_MEMO_CATEGORY, L"");
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditUpdate); }));
    EXPECT_EQ(shownCategory, L"업무");
    EXPECT_EQ(shownBody, L"옛 내용");
    EXPECT_TRUE(RecordsWithId(kNoteDatabase, old).empty());
    auto records = Records(kNoteDatabase);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_GT(NumberOf(records[0], kNoteId), old);
    EXPECT_EQ(TextOf(records[0], kNoteTitle), L"새 제목");
    EXPECT_EQ(TextOf(records[0], kNoteCategory), L" ");  // no category
    EXPECT_EQ(TextOfBody(records[0].Find(kNoteBody)->bytes), L"옛 내용");
    EXPECT_EQ(Reloaded.memoPicks, 1);
    EXPECT_EQ(Reloaded.memoList, 1);
}

TEST_F(MemoEditorTest, AFailedOwnMemoSaveKeepsTheOldMemo)
{
    long old = StoredMemo(10500, L"업무", L"옛 내용");
    boxwatch::SeenBox box;
    Driver driver;
    driver.Then("save", DialogWith(IDC_MEMO_TITLE), [](HWND dialog) {
              Type(dialog, IDC_MEMO_TITLE, L"새 제목");
              CeStoreFailNextChange(kNoteDatabase, 0);
              Click(dialog, IDC_EDITOR_OK);
          })
        .AnswerBox(&box)
        .CancelDialogWith(IDC_MEMO_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditUpdate); }));
    EXPECT_EQ(box.text, L"메모 수정에 실패했습니다");
    EXPECT_EQ(box.caption, L"알림");
    auto records = Records(kNoteDatabase);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(NumberOf(records[0], kNoteId), old);
    EXPECT_EQ(TextOf(records[0], kNoteTitle), L"옛 제목");
}

TEST_F(MemoEditorTest, ANotesFileIsWrittenAsTheControlStreamsIt)
{
    Settings.MemoSource = 2;
    CurrentView = kContactView;
    AssigneeOid = 777;
    Bytes typed;
    Driver driver;
    driver.Then("fill and save", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
        ChooseFolder(dialog, L"업무");
        Type(dialog, IDC_MEMO_TITLE, L"회의 메모");
        TypeIntoRichInk(Body(dialog), L"내용");
        typed = Streamed(Body(dialog));
        Click(dialog, IDC_EDITOR_OK);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditInsert); }));
    const std::wstring path = std::wstring(kFolder) + L"\\회의 메모.pwi";
    ASSERT_FALSE(typed.empty());
    EXPECT_EQ(testkit::ReadFileBytes(path), typed);
    EXPECT_STREQ(CurrentNotePath, path.c_str());
    wchar_t name[64];
    EXPECT_EQ(GetNoteFileLinkContact(path.c_str(), name, ARRAYSIZE(name)), 0u);  // contact 777 is not there
    EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(path.c_str())), 777u);
    EXPECT_TRUE(Records(kNoteDatabase).empty());
}

// A Notes file loaded as the dispatcher loads it for an update, linked.
std::wstring StoredNote(const wchar_t* title, const wchar_t* text, CEOID contact)
{
    const std::wstring path = std::wstring(kFolder) + L"\\" + title + L".pwi";
    HWND host = testkit::CreateTestWindow(false);
    RECT rect = {0, 0, 200, 100};
    HWND control = CreateRichInkControl(host, &rect);
    SetWindowTextW(control, text);
    EXPECT_TRUE(SaveRichInkToNoteFile(control, path.c_str()));
    DestroyWindow(host);
    EXPECT_TRUE(AddNoteFileLink(contact, path.c_str()));
    StringCchCopyW(ItemFormState.Title, ARRAYSIZE(ItemFormState.Title), title);
    StringCchCopyW(ItemFormState.Memo.FolderPath, ARRAYSIZE(ItemFormState.Memo.FolderPath), kFolder);
    StringCchCopyW(ItemFormState.Memo.Category, ARRAYSIZE(ItemFormState.Memo.Category), L"업무");
    AssigneeOid = contact;
    return path;
}

TEST_F(MemoEditorTest, ANotesFileUpdateKeepsOrMovesTheFileAndItsLink)
{
    struct Case {
        const char* name;
        const wchar_t* newTitle;
    };
    const Case cases[] = {{"same title", L"회의"}, {"renamed", L"회의 결과"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        Settings.MemoSource = 2;
        DeleteFileW((std::wstring(kFolder) + L"\\회의.pwi").c_str());
        DeleteFileW((std::wstring(kFolder) + L"\\회의 결과.pwi").c_str());
        const std::wstring oldPath = StoredNote(L"회의", L"옛 내용", 55);
        const std::wstring newPath = std::wstring(kFolder) + L"\\" + c.newTitle + L".pwi";
        std::wstring shownBody, shownFolder;
        Bytes typed;
        Driver driver;
        driver.Then("change and save", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
            shownBody = testkit::WindowText(Body(dialog));
            shownFolder = ControlText(dialog, IDC_MEMO_FOLDER);
            Type(dialog, IDC_MEMO_TITLE, c.newTitle);
            TypeIntoRichInk(Body(dialog), L"새 내용");
            typed = Streamed(Body(dialog));
            Click(dialog, IDC_EDITOR_OK);
        });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditUpdate); }));
        EXPECT_EQ(shownBody, L"옛 내용");
        EXPECT_EQ(shownFolder, L"업무");
        EXPECT_EQ(testkit::ReadFileBytes(newPath), typed);
        EXPECT_EQ(testkit::FileExists(oldPath), oldPath == newPath);
        EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(newPath.c_str())), 55u);
        if (oldPath != newPath) {
            EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(oldPath.c_str())), 0u);
        }
    }
}

// A renamed Notes file whose new link cannot be written, or whose old file
// cannot go: the failure is told, the old file keeps its link, and the file
// under the new name goes again.
TEST_F(MemoEditorTest, AFailedNotesFileRenameKeepsTheOldFileAndLink)
{
    struct Case {
        const char* name;
        bool failLink;      // the new link's write fails
        bool oldReadOnly;   // the old file cannot be deleted
    };
    const Case cases[] = {{"link not written", true, false}, {"old file stays", false, true}};
    const std::wstring newPath = std::wstring(kFolder) + L"\\회의 결과.pwi";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        Settings.MemoSource = 2;
        const std::wstring oldPath = std::wstring(kFolder) + L"\\회의.pwi";
        SetFileAttributesW(oldPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(oldPath.c_str());
        DeleteFileW(newPath.c_str());
        StoredNote(L"회의", L"옛 내용", 55);
        const Bytes oldBytes = testkit::ReadFileBytes(oldPath);
        if (c.oldReadOnly) {
            ASSERT_TRUE(SetFileAttributesW(oldPath.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        boxwatch::SeenBox box;
        Driver driver;
        driver.Then("rename and save", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
                  Type(dialog, IDC_MEMO_TITLE, L"회의 결과");
                  TypeIntoRichInk(Body(dialog), L"새 내용");
                  if (c.failLink)
                      CeStoreFailNextChange(kNoteFileLinkDatabase, 0);
                  Click(dialog, IDC_EDITOR_OK);
              })
            .AnswerBox(&box)
            .CancelDialogWith(IDC_MEMO_TITLE);
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditUpdate); }));
        CeStoreFailNextChange(nullptr, 0);
        SetFileAttributesW(oldPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(box.text, L"메모 수정에 실패했습니다");
        EXPECT_EQ(testkit::ReadFileBytes(oldPath), oldBytes);
        EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(oldPath.c_str())), 55u);
        EXPECT_FALSE(testkit::FileExists(newPath));
        EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(newPath.c_str())), 0u);
    }
}

// The Rich Ink settings messages the body got, in order.
struct SentSetting {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<SentSetting>* g_settings = nullptr;
LRESULT CALLBACK RecordSettings(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_settings && GetDlgCtrlID(sent->hwnd) == IDC_MEMO_BODY &&
        (sent->message == EM_SETVIEW || sent->message == EM_SETPAGESTYLE || sent->message == EM_SETZOOMPERCENT ||
         sent->message == EM_SETINKMODE))
        g_settings->push_back({sent->message, sent->wParam, sent->lParam});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MemoEditorTest, TypingAndInkSetTheBodysModeViewZoomAndPage)
{
    std::vector<SentSetting> sent;
    g_settings = &sent;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSettings, nullptr, GetCurrentThreadId());
    std::vector<SentSetting> atOpen, afterInk, afterTyping;
    Driver driver;
    driver.Then("switch", DialogWith(IDC_MEMO_TITLE), [&](HWND dialog) {
        atOpen = sent;
        sent.clear();
        Click(dialog, IDC_MEMO_INK);
        afterInk = sent;
        sent.clear();
        Click(dialog, IDC_MEMO_TYPING);
        afterTyping = sent;
        Click(dialog, IDC_MEMO_INK);
        Click(dialog, IDCANCEL);
    });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_MEMO_EDITOR, kEditInsert); }));
    UnhookWindowsHookEx(hook);
    g_settings = nullptr;
    auto expect = [](const std::vector<SentSetting>& got, int ink, int view, int zoom, int page) {
        // The last four: ink mode, view, zoom, page style.
        ASSERT_GE(got.size(), 4u);
        const SentSetting* s = &got[got.size() - 4];
        EXPECT_EQ(s[0].message, static_cast<UINT>(EM_SETINKMODE));
        EXPECT_EQ(s[0].wParam, static_cast<WPARAM>(ink));
        EXPECT_EQ(s[1].message, static_cast<UINT>(EM_SETVIEW));
        EXPECT_EQ(s[1].wParam, static_cast<WPARAM>(view));
        EXPECT_EQ(s[2].message, static_cast<UINT>(EM_SETZOOMPERCENT));
        EXPECT_EQ(s[2].lParam, zoom);
        EXPECT_EQ(s[3].message, static_cast<UINT>(EM_SETPAGESTYLE));
        EXPECT_EQ(s[3].wParam, static_cast<WPARAM>(page));
    };
    {
        SCOPED_TRACE("typing at open");
        expect(atOpen, 0, 3, 200, 2);
    }
    {
        SCOPED_TRACE("ink");
        expect(afterInk, 1, 2, 100, 16);
    }
    {
        SCOPED_TRACE("typing");
        expect(afterTyping, 0, 3, 200, 2);
    }
    EXPECT_EQ(Settings.MemoInputMode, 2);
}

TEST(MemoCategoryFile, ReadsOneBoundedLine)
{
    struct Case {
        const char* name;
        Bytes bytes;
        const wchar_t* category;
    };
    const Case cases[] = {
        {"plain", {0xBE, 0xF7, 0xB9, 0xAB}, L"업무"},
        {"first line only", {'a', '\r', '\n', 'b'}, L"a"},
        {"empty", {}, L""},
        {"too long is cut", Bytes(5000, 'x'), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testkit::WriteFileBytes(kMemoCategoryFile, c.bytes));
        wchar_t category[kMemoCategoryChars] = L"?";
        ReadLastMemoCategory(category, ARRAYSIZE(category));
        if (c.category)
            EXPECT_STREQ(category, c.category);
        else
            EXPECT_EQ(wcslen(category), static_cast<size_t>(kMemoCategoryChars - 1));
    }
    DeleteFileW(kMemoCategoryFile);
    wchar_t category[8] = L"?";
    ReadLastMemoCategory(category, ARRAYSIZE(category));
    EXPECT_STREQ(category, L"");
    ASSERT_TRUE(WriteLastMemoCategory(L"업무"));
    EXPECT_EQ(testkit::ReadFileBytes(kMemoCategoryFile), (Bytes{0xBE, 0xF7, 0xB9, 0xAB}));
}

TEST(NoteTitles, UnsafeTitlesAndLongPathsAreRefused)
{
    for (const wchar_t* bad : {L"a\\b", L"a/b", L"a:b", L"a*b", L"a?b", L"a\"b", L"a<b", L"a>b", L"a|b"})
        EXPECT_FALSE(NoteTitleUsable(kFolder, bad)) << testing::PrintToString(std::wstring(bad));
    EXPECT_TRUE(NoteTitleUsable(kFolder, L"회의 메모 (1)"));
    EXPECT_FALSE(NoteTitleUsable(std::wstring(240, L'f'), std::wstring(20, L't')));
}

}  // namespace
}  // namespace diaryformstest
