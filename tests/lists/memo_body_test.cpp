// The current memo in the running main window: its body in the memo detail
// pane, its fields for the editor, the Notes program started on a Notes
// file, and deletes.
#include "core/item_form.h"
#include "core/link_tables.h"
#include "core/own_databases.h"
#include "lists/note_files.h"
#include "core/rich_ink.h"
#include "core/rich_ink_body.h"
#include "lists/item_list_state.h"
#include "lists/memo_bodies.h"
#include "lists/memo_lists.h"
#include "lists/state.h"
#include "mainwindow/state.h"
#include "tests/lists/list_window.h"
#include "tests/support/box_watch.h"

#include <string>
#include <vector>

namespace liststest {
namespace {

using Texts = std::vector<std::wstring>;

// RichInkBody holding the text as a Rich Ink control streams it out.
void PutBody(const wchar_t* text)
{
    RECT rect = {0, 0, 100, 50};
    HWND control = CreateRichInkControl(MainWindow, &rect);
    ASSERT_NE(control, nullptr);
    SetWindowTextW(control, text);
    ASSERT_TRUE(StreamTextOutOfRichInk(control));
    DestroyWindow(control);
}

void AddMemoWithBody(int32_t id, const wchar_t* date, const wchar_t* category, const wchar_t* title,
                     const wchar_t* body, CEOID contact = 0)
{
    PutBody(body);
    wchar_t categoryText[64];
    wcscpy(categoryText, category);
    ASSERT_TRUE(InsertNoteRecord(id, date, categoryText, title, contact));
    FreeRichInkBody();
}

class MemoBodyTest : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        ItemFormState = ItemFormFields();
        AssigneeOid = 0;
        AssigneeName[0] = L'\0';
    }
};

TEST_F(MemoBodyTest, OwnMemoBodyAndFields)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddMemoWithBody(10001, L"2007-05-01", L"", L"장보기", L"우유와 빵", hong);
    AddMemoWithBody(10002, L"2007-05-02", L"업무", L"회의", L"안건 세 가지");
    ShowView(kMemoView);
    MemoSortKey = 'D';
    LoadMemoList();

    SelectedMemoId = 10001;
    ShowMemoBody();
    ASSERT_NE(MemoDetailInk, nullptr);
    EXPECT_EQ(testkit::WindowText(MemoDetailInk), L"우유와 빵");
    EXPECT_STREQ(ItemFormState.Title, L"장보기");
    EXPECT_STREQ(ItemFormState.StartDate, L"2007-05-01");
    // A blank category is none.
    EXPECT_STREQ(ItemFormState.Memo.Category, L"");
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"홍길동");
    EXPECT_EQ(LinkedContactOid, hong);
    // Showing a memo leaves the next new memo's link alone.
    EXPECT_EQ(AssigneeOid, 0u);

    // For the editor the loader links the memo's contact.
    ASSERT_TRUE(LoadNoteRecord());
    EXPECT_EQ(AssigneeOid, hong);
    EXPECT_STREQ(AssigneeName, L"홍길동");
    FreeRichInkBody();

    SelectedMemoId = 10002;
    ShowMemoBody();
    EXPECT_EQ(testkit::WindowText(MemoDetailInk), L"안건 세 가지");
    EXPECT_STREQ(ItemFormState.Memo.Category, L"업무");

    // A memo deleted meanwhile: an empty body, the form as it was.
    ASSERT_TRUE(DeleteNoteRecord(10002));
    ShowMemoBody();
    EXPECT_EQ(testkit::WindowText(MemoDetailInk), L"");
    EXPECT_FALSE(LoadNoteRecord());
    EXPECT_STREQ(ItemFormState.Title, L"회의");
    EXPECT_EQ(RichInkBody.size, 0u);
    // Deleting what is not there is no failure; the other memo stays.
    EXPECT_TRUE(DeleteNoteRecord(10002));
    LoadMemoList();
    EXPECT_EQ(FirstColumn(MemoList), Texts({L"(홍길동)장보기"}));
}

TEST_F(MemoBodyTest, DetailInkIsRemadeWithItsVisibility)
{
    AddMemoWithBody(10001, L"2007-05-01", L"", L"a", L"첫째");
    ShowView(kMemoView);
    SelectedMemoId = 10001;
    ShowWindow(MemoDetailInk, SW_HIDE);
    ShowMemoBody();
    EXPECT_EQ(GetWindowLongW(MemoDetailInk, GWL_STYLE) & WS_VISIBLE, 0);
    ShowWindow(MemoDetailInk, SW_SHOW);
    HWND before = MemoDetailInk;
    ShowMemoBody();
    EXPECT_NE(GetWindowLongW(MemoDetailInk, GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_FALSE(IsWindow(before) && before != MemoDetailInk);
    EXPECT_EQ(GetParent(MemoDetailInk), MainWindow);
    ShowWindow(MemoDetailInk, SW_HIDE);
}

// Notes files of the document folder.
class NoteFileBodyTest : public MemoBodyTest {
protected:
    static constexpr const wchar_t* kFolder = L"\\My Documents\\업무";
    static constexpr const wchar_t* kFile = L"\\My Documents\\업무\\일정 회의.pwi";

    void SetUp() override
    {
        MemoBodyTest::SetUp();
        Settings.MemoSource = kMemoSourceNotesFiles;
        CreateDirectoryW(kFolder, nullptr);
        RECT rect = {0, 0, 100, 50};
        HWND control = CreateRichInkControl(MainWindow, &rect);
        SetWindowTextW(control, L"회의록 본문");
        ASSERT_TRUE(SaveRichInkToNoteFile(control, kFile));
        DestroyWindow(control);
        hong_ = MakeContact(L"홍", L"길동");
        AddNoteFileLink(hong_, kFile);
    }
    void TearDown() override
    {
        DeleteFileW(kFile);
        RemoveDirectoryW(kFolder);
        ListWindowTest::TearDown();
    }

    // Selects the file's row in the memo view.
    void SelectFileRow()
    {
        ShowView(kMemoView);
        MemoPickByDate = 0;
        MemoPickRow = 0;
        FillMemoCategoryPickList();
        wcscpy(CurrentNotePath, kFile);
        LoadMemoList();
    }

    CEOID hong_ = 0;
};

TEST_F(NoteFileBodyTest, BodyFieldsAndLink)
{
    SelectFileRow();
    ShowMemoBody();
    EXPECT_EQ(testkit::WindowText(MemoDetailInk), L"회의록 본문");
    EXPECT_STREQ(ItemFormState.Title, L"일정 회의");
    EXPECT_STREQ(ItemFormState.Memo.FolderPath, kFolder);
    EXPECT_STREQ(ItemFormState.Memo.Category, L"업무");
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"홍길동");
    EXPECT_EQ(AssigneeOid, 0u);
    ASSERT_TRUE(LoadNoteRecord());
    EXPECT_EQ(AssigneeOid, hong_);
}

TEST_F(NoteFileBodyTest, NotesProgramOnlyFromTheMemoView)
{
    SelectFileRow();
    const std::wstring line = L"Standin Notes.exe: command line \\My Documents\\업무\\일정 회의.pwi";
    size_t mark = testkit::DeviceLogText().size();
    OpenNoteInNotesProgram();
    EXPECT_TRUE(
        testkit::PumpUntil([&] { return testkit::DeviceLogText().find(line, mark) != std::wstring::npos; }, 10000));

    // From the contact card nothing starts.
    SelectedContactOid = hong_;
    LoadContactMemoList();
    ShowView(kContactView);
    mark = testkit::DeviceLogText().size();
    OpenNoteInNotesProgram();
    testkit::PumpFor(1500);
    EXPECT_EQ(testkit::DeviceLogText().find(L"Standin Notes.exe", mark), std::wstring::npos);
}

TEST_F(NoteFileBodyTest, DeleteTakesTheFileAndItsLink)
{
    SelectFileRow();
    ASSERT_TRUE(DeleteNoteFile());
    EXPECT_FALSE(testkit::FileExists(kFile));
    EXPECT_EQ(GetNoteFileLinkContact(kFile, AssigneeName, kAssigneeNameChars), 0u);

    // A file that is gone shows the open error in the pane and no body.
    boxwatch::ArmForThisThread();
    ShowMemoBody();
    const boxwatch::SeenBox box = boxwatch::Disarm();
    EXPECT_TRUE(box.seen);
    EXPECT_EQ(box.caption, L"Open Error:");
    EXPECT_EQ(testkit::WindowText(MemoDetailInk), L"");
}

}  // namespace
}  // namespace liststest
