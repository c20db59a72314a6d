// The memo view and the contact card's memo panel in the running main
// window: date filters over the device's posed date, categories, Notes
// files, the orders and the reselection.
#include "core/link_tables.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "lists/memo_bodies.h"
#include "lists/memo_lists.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"
#include "tests/lists/list_window.h"
#include "tests/support/box_watch.h"

#include <string>
#include <vector>

namespace liststest {
namespace {

using Texts = std::vector<std::wstring>;

class MemoViewTest : public ListWindowTest {};

TEST_F(MemoViewTest, DateFiltersOverThePosedDeviceDate)
{
    AddMemo(10001, L"2007-11-30", L"", L"nov30");
    AddMemo(10002, L"2007-12-01", L"", L"dec01");
    AddMemo(10003, L"2007-12-26", L"", L"dec26");
    AddMemo(10004, L"2007-12-31", L"", L"dec31");
    AddMemo(10005, L"2008-01-01", L"", L"jan01");
    AddMemo(10006, L"2008-01-02", L"", L"jan02");
    AddMemo(10007, L"2008-02-23", L"", L"feb23");
    AddMemo(10008, L"2008-02-24", L"", L"feb24");
    AddMemo(10009, L"2008-02-29", L"", L"feb29");
    AddMemo(10010, L"2008-03-01", L"", L"mar01");
    struct Case {
        int year, month, day;
        int filter;
        Texts titles;  // newest first
    };
    const Case cases[] = {
        {2008, 1, 1, 1, {L"jan01"}},
        {2008, 1, 1, 2, {L"jan01", L"dec31", L"dec26"}},
        {2008, 1, 1, 3, {L"jan01", L"dec31", L"dec26"}},
        {2008, 1, 1, 4, {L"dec01", L"nov30"}},
        {2008, 1, 1, 5, {L"mar01", L"feb29", L"feb24", L"feb23", L"jan02"}},
        {2007, 12, 31, 3, {L"dec31", L"dec26", L"dec01"}},
        {2007, 12, 31, 5, {L"mar01", L"feb29", L"feb24", L"feb23", L"jan02", L"jan01"}},
        {2008, 3, 1, 1, {L"mar01"}},
        {2008, 3, 1, 2, {L"mar01", L"feb29", L"feb24"}},
        {2008, 3, 1, 0, {L"mar01", L"feb29", L"feb24", L"feb23", L"jan02", L"jan01", L"dec31", L"dec26", L"dec01",
                         L"nov30"}},
    };
    ShowView(kMemoView);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " filter " << c.filter);
        ASSERT_TRUE(testkit::PoseDeviceTime(c.year, c.month, c.day, 9, 30));
        MemoPickByDate = 1;
        MemoPickRow = c.filter;
        FillMemoCategoryPickList();
        LoadMemoList();
        EXPECT_EQ(FirstColumn(MemoList), c.titles);
        EXPECT_EQ(MemoRowCount, static_cast<int>(c.titles.size()));
        EXPECT_EQ(FirstColumn(MemoPickList), Texts(kMemoDateFilterTexts, kMemoDateFilterTexts + 6));
        EXPECT_EQ(testkit::ListViewSelection(MemoPickList), c.filter);
    }
}

TEST_F(MemoViewTest, CategoriesWithCaseVariantsAndTheUncategorised)
{
    AddMemo(10001, L"2007-05-01", L"Work", L"W1");
    AddMemo(10002, L"2007-05-02", L"work", L"w1");
    AddMemo(10003, L"2007-05-03", L"Work", L"W2");
    AddMemo(10004, L"2007-05-04", L"", L"none");
    AddMemo(10005, L"2007-05-05", L"work", L"w2");
    ShowView(kMemoView);
    MemoPickChoice[0] = L'\0';
    FillMemoCategoryPickList();
    const Texts picks = FirstColumn(MemoPickList);
    ASSERT_EQ(picks.size(), 4u);
    EXPECT_EQ(picks.front(), L"전체");
    EXPECT_EQ(picks.back(), L"분류없음");
    EXPECT_EQ(MemoPickCount, 4);

    struct Case {
        const wchar_t* pick;
        Texts titles;
    };
    const Case cases[] = {
        {L"work", {L"w2", L"w1"}},
        {L"Work", {L"W2", L"W1"}},
        {L"분류없음", {L"none"}},
        {L"전체", {L"w2", L"none", L"W2", L"w1", L"W1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.pick)));
        // The pick list's notification names the choice; the next fill
        // selects its row.
        wcscpy(MemoPickChoice, c.pick);
        wcscpy(MemoListFilter, c.pick);
        FillMemoCategoryPickList();
        // The picked row's notification names the choice again.
        EXPECT_STREQ(MemoPickChoice, c.pick);
        ASSERT_GE(MemoPickRow, 0);
        EXPECT_EQ(picks[MemoPickRow], c.pick);
        EXPECT_EQ(testkit::ListViewSelection(MemoPickList), MemoPickRow);
        LoadMemoList();
        EXPECT_EQ(FirstColumn(MemoList), c.titles);
    }
}

TEST_F(MemoViewTest, ColumnsOrdersAndReselection)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddMemo(10001, L"2007-05-01", L"", L"b", hong);
    AddMemo(10002, L"2007-05-02", L"", L"a");
    AddMemo(10003, L"2099-01-01", L"", L"c");
    ShowView(kMemoView);
    MemoPickByDate = 1;
    MemoPickRow = 0;
    LoadMemoList();
    EXPECT_EQ(ListRows(MemoList, 3), (Texts{L"c|99-01-01|10003", L"a|07-05-02|10002", L"(홍길동)b|07-05-01|10001"}));

    MemoSortKey = 'T';
    MemoToReselect = 10001;
    LoadMemoList();
    EXPECT_EQ(FirstColumn(MemoList), (Texts{L"a", L"c", L"(홍길동)b"}));
    EXPECT_EQ(ViewSelection[kMemoView], 2);
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 2);

    // Gone from the list: the remembered row stays, within the rows.
    MemoToReselect = 99999;
    ViewSelection[kMemoView] = 7;
    LoadMemoList();
    EXPECT_EQ(ViewSelection[kMemoView], 0);
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 0);
}

TEST_F(MemoViewTest, CardPanelListsTheContactsMemos)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    const CEOID kim = MakeContact(L"김", L"철수");
    AddMemo(10001, L"2007-05-03", L"", L"b", hong);
    AddMemo(10002, L"2007-05-01", L"", L"a", hong);
    AddMemo(10003, L"2007-05-02", L"", L"k", kim);
    SelectedContactOid = hong;
    MemoSortKey = 'D';
    LoadContactMemoList();
    EXPECT_EQ(ListRows(CardMemoList, 3), (Texts{L"a|07-05-01|10002", L"b|07-05-03|10001"}));
    EXPECT_EQ(CardMemoRowCount, 2);
    MemoSortKey = 'T';
    MemoToReselect = 10001;
    LoadContactMemoList();
    EXPECT_EQ(FirstColumn(CardMemoList), (Texts{L"a", L"b"}));
    EXPECT_EQ(CardPanelSelection[2], 1);
}

// A tapped memo stays the chosen one through a delete and a reload,
// whatever memo a Today request left to select again.
TEST_F(MemoViewTest, ATappedMemoStaysChosenThroughReloads)
{
    AddMemo(10001, L"2007-05-01", L"", L"첫째");
    AddMemo(10002, L"2007-05-02", L"", L"둘째");
    AddMemo(10003, L"2007-05-03", L"", L"셋째");
    // A Today request's memo, selected by the view's load.
    MemoToReselect = 10001;
    ShowView(kMemoView);
    ASSERT_EQ(FirstColumn(MemoList), (Texts{L"셋째", L"둘째", L"첫째"}));
    ASSERT_EQ(testkit::ListViewSelection(MemoList), 2);

    TapRow(MemoList, 0);
    EXPECT_EQ(SelectedMemoId, 10003);
    boxwatch::ArmForThisThread(IDYES);
    SendItemCommand(ID_MEMO_DELETE);
    EXPECT_TRUE(boxwatch::Disarm().seen);
    EXPECT_EQ(FirstColumn(MemoList), (Texts{L"둘째", L"첫째"}));
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 0);
    EXPECT_EQ(SelectedMemoId, 10002);

    TapRow(MemoList, 1);
    EXPECT_EQ(SelectedMemoId, 10001);
    AddMemo(10004, L"2007-05-04", L"", L"넷째");
    ShowView(kMemoView);
    EXPECT_EQ(FirstColumn(MemoList), (Texts{L"넷째", L"둘째", L"첫째"}));
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 2);
    EXPECT_EQ(SelectedMemoId, 10001);
}

// The card's memo panel keeps the memo tapped through a reload that moves
// its row.
TEST_F(MemoViewTest, ATappedCardMemoStaysChosenThroughAReload)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddMemo(10001, L"2007-05-01", L"", L"a", hong);
    AddMemo(10002, L"2007-05-02", L"", L"b", hong);
    SelectedContactOid = hong;
    MemoSortKey = 'D';
    MemoToReselect = 10002;
    LoadContactMemoList();
    ASSERT_EQ(FirstColumn(CardMemoList), (Texts{L"a", L"b"}));
    ASSERT_EQ(testkit::ListViewSelection(CardMemoList), 1);
    ShowWindow(CardMemoList, SW_SHOW);
    TapRow(CardMemoList, 0);
    EXPECT_EQ(SelectedMemoId, 10001);
    AddMemo(10003, L"2007-04-01", L"", L"c", hong);
    LoadContactMemoList();
    ShowWindow(CardMemoList, SW_HIDE);
    EXPECT_EQ(FirstColumn(CardMemoList), (Texts{L"c", L"a", L"b"}));
    EXPECT_EQ(testkit::ListViewSelection(CardMemoList), 1);
    EXPECT_EQ(SelectedMemoId, 10001);
}

// Notes files in the document folder and on the storage card.
class NoteFileViewTest : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        Settings.MemoSource = kMemoSourceNotesFiles;
        for (const wchar_t* folder : {L"\\My Documents\\업무", L"\\Storage Card\\서식 파일"})
            CreateDirectoryW(folder, nullptr);
        for (const wchar_t* file : {L"\\My Documents\\root.pwi", L"\\My Documents\\업무\\일정 회의.pwi",
                                    L"\\My Documents\\서식 파일\\template.pwi", L"\\Storage Card\\card.pwi",
                                    L"\\Storage Card\\서식 파일\\card template.pwi"})
            ASSERT_TRUE(WriteFileAt(file, Utc(2007, 5, 1, 3)));
    }
    void TearDown() override
    {
        for (const wchar_t* file : {L"\\My Documents\\root.pwi", L"\\My Documents\\업무\\일정 회의.pwi",
                                    L"\\My Documents\\서식 파일\\template.pwi", L"\\Storage Card\\card.pwi",
                                    L"\\Storage Card\\서식 파일\\card template.pwi"})
            DeleteFileW(file);
        ListWindowTest::TearDown();
    }
};

TEST_F(NoteFileViewTest, FoldersAndFiles)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddNoteFileLink(hong, L"\\My Documents\\업무\\일정 회의.pwi");
    ShowView(kMemoView);
    MemoPickByDate = 0;
    MemoPickRow = 0;
    FillMemoCategoryPickList();
    EXPECT_EQ(FirstColumn(MemoPickList), (Texts{L"모든 폴더", L"서식 파일", L"서식 파일", L"업무"}));
    LoadMemoList();
    EXPECT_EQ(ListRows(MemoList, 3),
              (Texts{L"card|07-05-01|0", L"card template|07-05-01|0", L"root|07-05-01|0", L"(홍길동)일정 회의|07-05-01|0"}));

    // The document folder's templates only when that folder is picked.
    MemoPickRow = 1;
    LoadMemoList();
    EXPECT_EQ(FirstColumn(MemoList), (Texts{L"template"}));

    // Selected again by path.
    MemoPickRow = 0;
    wcscpy(CurrentNotePath, L"\\My Documents\\root.pwi");
    LoadMemoList();
    EXPECT_EQ(ViewSelection[kMemoView], 2);
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 2);
}

// A tapped file is selected again by its path when the folder's files
// change, and the next command acts on it.
TEST_F(NoteFileViewTest, ATappedFileStaysChosenThroughReloads)
{
    ShowView(kMemoView);
    MemoPickByDate = 0;
    MemoPickRow = 0;
    FillMemoCategoryPickList();
    LoadMemoList();
    ASSERT_EQ(FirstColumn(MemoList), (Texts{L"card", L"card template", L"root", L"일정 회의"}));
    TapRow(MemoList, 2);
    EXPECT_STREQ(CurrentNotePath, L"\\My Documents\\root.pwi");
    ASSERT_TRUE(WriteFileAt(L"\\My Documents\\base.pwi", Utc(2007, 5, 1, 3)));
    LoadMemoList();
    DeleteFileW(L"\\My Documents\\base.pwi");
    EXPECT_EQ(FirstColumn(MemoList), (Texts{L"base", L"card", L"card template", L"root", L"일정 회의"}));
    EXPECT_EQ(testkit::ListViewSelection(MemoList), 3);
    EXPECT_EQ(CurrentNoteFilePath(), L"\\My Documents\\root.pwi");
}

TEST_F(NoteFileViewTest, CardPanelSkipsLinkedFilesThatAreGone)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddNoteFileLink(hong, L"\\My Documents\\root.pwi");
    AddNoteFileLink(hong, L"\\My Documents\\없어진 메모.pwi");
    AddNoteFileLink(hong, L"\\Storage Card\\card.pwi");
    SelectedContactOid = hong;
    LoadContactMemoList();
    EXPECT_EQ(ListRows(CardMemoList, 3), (Texts{L"card|07-05-01|0", L"root|07-05-01|0"}));
}

TEST_F(NoteFileViewTest, Screenshots)
{
    ShowView(kMemoView);
    MemoPickByDate = 0;
    MemoPickRow = 0;
    FillMemoCategoryPickList();
    LoadMemoList();
    Shot(L"memo-view-notes-files");

    Settings.MemoSource = 1;
    AddMemo(10001, L"2007-05-01", L"업무", L"주간 회의 준비");
    AddMemo(10002, L"2007-05-02", L"", L"장보기 목록");
    AddMemo(10003, L"2007-05-03", L"업무", L"출장 보고서 작성");
    ShowView(kMemoView);
    Shot(L"memo-view-own-memos");
    EXPECT_EQ(testkit::ListViewCount(MemoList), 3);
}

}  // namespace
}  // namespace liststest
