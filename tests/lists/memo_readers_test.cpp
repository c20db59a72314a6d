// Memo rows read from the store and from the device's folders: own memos by
// date, category and contact; the distinct categories; Notes files over a
// small tree of folders and storage cards.
#include "lists/memo_readers.h"

#include "core/link_tables.h"
#include "core/record_layouts.h"
#include "tests/lists/lists_fixture.h"
#include "tests/support/testkit.h"

#include <algorithm>
#include <string>
#include <vector>

namespace liststest {
namespace {

std::vector<std::wstring> Titles(const MemoRowTable& table)
{
    std::vector<std::wstring> titles;
    for (int p = 0; p < table.Count(); ++p)
        titles.push_back(table.At(p)->title);
    return titles;
}

std::vector<std::wstring> Sorted(std::vector<std::wstring> texts)
{
    std::sort(texts.begin(), texts.end());
    return texts;
}

using Texts = std::vector<std::wstring>;

class MemoReadersTest : public ListsTest {};

TEST_F(MemoReadersTest, ByDateRangeInclusive)
{
    AddMemo(10001, L"2007-04-30", L"", L"april");
    AddMemo(10002, L"2007-05-01", L"", L"first");
    AddMemo(10003, L"2007-05-02", L"", L"second");
    AddMemo(10004, L"2007-05-03", L"", L"third");
    AddMemo(10005, L"2006-05-02", L"", L"last year");
    MemoRowTable table;
    ReadMemosByDate({L"2007-05-01", L"2007-05-02"}, &table);
    ASSERT_EQ(Titles(table), (Texts{L"first", L"second"}));
    EXPECT_EQ(table.At(0)->memoId, 10002);
    EXPECT_EQ(table.At(0)->date, L"07-05-01");
    EXPECT_EQ(table.At(0)->folderPath, L"");

    table.Clear();
    ReadMemosByDate(MemoDateFilterRange(1, 2007, 5, 3), &table);
    EXPECT_EQ(Titles(table), (Texts{L"third"}));
}

TEST_F(MemoReadersTest, ByCategoryKeepsExactMatchesOfTheCaseBlindRun)
{
    AddMemo(10001, L"2007-05-01", L"Work", L"W1");
    AddMemo(10002, L"2007-05-01", L"work", L"w1");
    AddMemo(10003, L"2007-05-01", L"Work", L"W2");
    AddMemo(10004, L"2007-05-01", L"WORK", L"W3");
    AddMemo(10005, L"2007-05-01", L"work", L"w2");
    AddMemo(10006, L"2007-05-01", L"", L"none");
    AddMemo(10007, L"2007-05-01", L"집", L"home");
    struct Case {
        const wchar_t* category;
        bool all;
        Texts titles;
    };
    const Case cases[] = {
        {L"work", false, {L"w1", L"w2"}},
        {L"Work", false, {L"W1", L"W2"}},
        {L"WORK", false, {L"W3"}},
        {L" ", false, {L"none"}},
        {L"집", false, {L"home"}},
        {L"없음", false, {}},
        {L"", true, {L"none", L"W1", L"w1", L"W2", L"W3", L"w2", L"home"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.category)));
        MemoRowTable table;
        ReadMemosByCategory(c.category, c.all, &table);
        EXPECT_EQ(Sorted(Titles(table)), Sorted(c.titles));
    }
}

TEST_F(MemoReadersTest, CategoryNamesDistinctWithoutTheBlank)
{
    AddMemo(10001, L"2007-05-01", L"Work", L"a");
    AddMemo(10002, L"2007-05-01", L"work", L"b");
    AddMemo(10003, L"2007-05-01", L"Work", L"c");
    AddMemo(10004, L"2007-05-01", L"", L"d");
    AddMemo(10005, L"2007-05-01", L"가족", L"e");
    AddMemo(10006, L"2007-05-01", L"work", L"f");
    const std::vector<NoteFolderEntry> names = ReadMemoCategoryNames();
    Texts texts;
    for (const auto& entry : names)
        texts.push_back(entry.name);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], L"");
    EXPECT_EQ(Sorted(texts), Sorted({L"", L"Work", L"work", L"가족"}));
}

TEST_F(MemoReadersTest, LinkedContactNamesInTheViewNotInTheCard)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    const CEOID kim = MakeContact(L"김", L"철수");
    AddMemo(10001, L"2007-05-01", L"", L"hong's", hong);
    AddMemo(10002, L"2007-05-02", L"", L"kim's", kim);
    AddMemo(10003, L"2007-05-03", L"", L"nobody's");
    AddMemo(10004, L"2007-05-04", L"", L"hong's too", hong);
    AddMemo(10005, L"2007-05-05", L"", L"gone contact's", 0x7FFF0000);

    MemoRowTable view;
    ReadMemosByDate(MemoDateFilterRange(0, 2007, 5, 1), &view);
    ASSERT_EQ(view.Count(), 5);
    EXPECT_EQ(view.At(0)->contactName, L"홍길동");
    EXPECT_EQ(view.At(1)->contactName, L"김철수");
    EXPECT_EQ(view.At(2)->contactName, L"");
    EXPECT_EQ(view.At(4)->contactName, L"");

    MemoRowTable card;
    ReadContactMemos(hong, &card);
    EXPECT_EQ(Sorted(Titles(card)), Sorted({L"hong's", L"hong's too"}));
    EXPECT_EQ(card.At(0)->contactName, L"");
}

// A small tree of Notes files in the document folder and on the storage card.
class NoteTreeTest : public ListsTest {
protected:
    void SetUp() override
    {
        ListsTest::SetUp();
        for (const wchar_t* folder : {L"\\My Documents\\업무", L"\\My Documents\\숨김", L"\\My Documents\\x.pwi",
                                      L"\\Storage Card", L"\\Storage Card\\서식 파일", L"\\Storage Card\\Card Notes"})
            CreateDirectoryW(folder, nullptr);
        CreateDirectoryW(L"\\My Documents\\서식 파일", nullptr);
        SetFileAttributesW(L"\\My Documents\\숨김", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
        const SYSTEMTIME noon = Utc(2007, 5, 1, 3);
        for (const wchar_t* file :
             {L"\\My Documents\\a.pwi", L"\\My Documents\\업무\\b.pwi", L"\\My Documents\\서식 파일\\t.pwi",
              L"\\My Documents\\숨김\\h.pwi", L"\\My Documents\\x.pwi\\y.pwi", L"\\My Documents\\readme.txt",
              L"\\Storage Card\\c.pwi", L"\\Storage Card\\서식 파일\\s.pwi", L"\\Storage Card\\Card Notes\\d.pwi"})
            ASSERT_TRUE(WriteFileAt(file, noon)) << testing::PrintToString(std::wstring(file));
        // 08:00 in Seoul on 2 May is still 1 May in UTC.
        ASSERT_TRUE(WriteFileAt(L"\\My Documents\\업무\\morning.pwi", Utc(2007, 5, 1, 23)));
    }
};

TEST_F(NoteTreeTest, FoldersOfTheDocumentFolderAndTheCards)
{
    const NoteFolders folders = FindNoteFolders();
    EXPECT_EQ(folders.roots, (Texts{L"\\My Documents", L"\\Storage Card"}));
    Texts shown;
    for (const auto& entry : folders.folders)
        shown.push_back(entry.root + L"|" + entry.name);
    EXPECT_EQ(shown, (Texts{L"|", L"\\My Documents|서식 파일", L"\\Storage Card|서식 파일", L"\\My Documents|숨김",
                            L"\\My Documents|업무", L"\\Storage Card|Card Notes", L"\\My Documents|x.pwi"}));
}

TEST_F(NoteTreeTest, AllFoldersSkipOnlyTheDocumentFolderTemplates)
{
    const NoteFolders folders = FindNoteFolders();
    MemoRowTable table;
    ReadNoteFilesOfFolder(folders, 0, &table);
    Texts rows;
    for (int p = 0; p < table.Count(); ++p) {
        const MemoListRow& row = *table.At(p);
        EXPECT_EQ(row.memoId, 0);
        rows.push_back(NoteFilePath(row) + L"|" + row.folderName);
    }
    EXPECT_EQ(Sorted(rows), Sorted({L"\\My Documents\\a.pwi|", L"\\Storage Card\\c.pwi|",
                                    L"\\Storage Card\\서식 파일\\s.pwi|서식 파일", L"\\My Documents\\숨김\\h.pwi|숨김",
                                    L"\\My Documents\\업무\\b.pwi|업무", L"\\My Documents\\업무\\morning.pwi|업무",
                                    L"\\Storage Card\\Card Notes\\d.pwi|Card Notes",
                                    L"\\My Documents\\x.pwi\\y.pwi|x.pwi"}));
}

TEST_F(NoteTreeTest, OneFolderListsItsFilesTemplatesToo)
{
    const NoteFolders folders = FindNoteFolders();
    MemoRowTable templates;
    ReadNoteFilesOfFolder(folders, 1, &templates);
    EXPECT_EQ(Titles(templates), (Texts{L"t"}));
    MemoRowTable work;
    ReadNoteFilesOfFolder(folders, 4, &work);
    EXPECT_EQ(Sorted(Titles(work)), Sorted({L"b", L"morning"}));
    MemoRowTable beyond;
    ReadNoteFilesOfFolder(folders, 99, &beyond);
    EXPECT_EQ(beyond.Count(), 0);
}

TEST_F(NoteTreeTest, FileDatesAreLocal)
{
    const NoteFolders folders = FindNoteFolders();
    MemoRowTable secondOfMay;
    ReadNoteFilesByDate(folders, {L"2007-05-02", L"2007-05-02"}, &secondOfMay);
    ASSERT_EQ(Titles(secondOfMay), (Texts{L"morning"}));
    EXPECT_EQ(secondOfMay.At(0)->date, L"07-05-02");
    MemoRowTable firstOfMay;
    ReadNoteFilesByDate(folders, {L"2007-05-01", L"2007-05-01"}, &firstOfMay);
    EXPECT_EQ(firstOfMay.Count(), 7);
    EXPECT_EQ(firstOfMay.At(0)->date, L"07-05-01");
}

TEST_F(NoteTreeTest, ViewRowsNameTheLinkedContact)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    AddNoteFileLink(hong, L"\\My Documents\\업무\\b.pwi");
    const NoteFolders folders = FindNoteFolders();
    MemoRowTable work;
    ReadNoteFilesOfFolder(folders, 4, &work);
    ASSERT_EQ(work.Count(), 2);
    for (int p = 0; p < 2; ++p)
        EXPECT_EQ(work.At(p)->contactName, work.At(p)->title == L"b" ? L"홍길동" : L"");
}

TEST_F(NoteTreeTest, CardListsLinkedFilesThatStillExist)
{
    const CEOID hong = MakeContact(L"홍", L"길동");
    const CEOID kim = MakeContact(L"김", L"철수");
    AddNoteFileLink(hong, L"\\My Documents\\업무\\b.pwi");
    AddNoteFileLink(hong, L"\\My Documents\\gone.pwi");
    AddNoteFileLink(kim, L"\\Storage Card\\c.pwi");
    AddNoteFileLink(hong, L"\\Storage Card\\Card Notes\\d.pwi");
    MemoRowTable card;
    ReadContactNoteFiles(hong, &card);
    Texts rows;
    for (int p = 0; p < card.Count(); ++p)
        rows.push_back(NoteFilePath(*card.At(p)) + L"|" + card.At(p)->date + L"|" + card.At(p)->contactName);
    EXPECT_EQ(Sorted(rows), Sorted({L"\\My Documents\\업무\\b.pwi|07-05-01|",
                                    L"\\Storage Card\\Card Notes\\d.pwi|07-05-01|"}));
    // The link of the missing file stays.
    EXPECT_EQ(LinkedContact(kNoteFileLinkDatabase, LinkPathKey(L"\\My Documents\\gone.pwi")), hong);
}

}  // namespace
}  // namespace liststest
