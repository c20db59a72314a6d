// Memo rows: the date filters' ranges, the orderings of both lists, the
// distinct category names and the order of the note folders.
#include "lists/memo_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MemoDateFilters, RangesAcrossMonthAndYearEnds)
{
    struct Case {
        int filter;
        int year, month, day;
        const wchar_t* from;
        const wchar_t* to;
    };
    const Case cases[] = {
        {0, 2007, 5, 2, L"1900-01-01", L"2999-12-31"},
        {1, 2007, 5, 2, L"2007-05-02", L"2007-05-02"},
        {2, 2007, 3, 3, L"2007-02-25", L"2007-03-03"},  // seven days, February of a common year
        {2, 2008, 3, 3, L"2008-02-26", L"2008-03-03"},  // and of a leap year
        {3, 2008, 1, 15, L"2007-12-16", L"2008-01-15"},
        {4, 2008, 1, 15, L"1900-01-01", L"2007-12-15"},
        {5, 2007, 12, 31, L"2008-01-01", L"2999-12-31"},
        {5, 2008, 2, 28, L"2008-02-29", L"2999-12-31"},
        {6, 2007, 5, 2, L"1900-01-01", L"2999-12-31"},  // no such filter: everything
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "filter " << c.filter << " on " << c.year << "-" << c.month << "-" << c.day);
        const MemoDateRange range = MemoDateFilterRange(c.filter, c.year, c.month, c.day);
        EXPECT_EQ(range.from, c.from);
        EXPECT_EQ(range.to, c.to);
    }
}

TEST(MemoDateFilters, RangeEndsAreIncluded)
{
    const MemoDateRange week = MemoDateFilterRange(2, 2007, 5, 2);
    EXPECT_TRUE(InDateRange(L"2007-04-26", week));
    EXPECT_TRUE(InDateRange(L"2007-05-02", week));
    EXPECT_FALSE(InDateRange(L"2007-04-25", week));
    EXPECT_FALSE(InDateRange(L"2007-05-03", week));
}

MemoListRow Memo(const wchar_t* title, const wchar_t* date, const wchar_t* contact = L"")
{
    MemoListRow row;
    row.title = title;
    row.date = date;
    row.contactName = contact;
    return row;
}

std::vector<std::wstring> Ordered(MemoListKind kind, char key, const std::vector<MemoListRow>& rows)
{
    MemoRowTable table;
    for (const auto& row : rows)
        table.Add(row);
    OrderMemoRows(&table, kind, key);
    std::vector<std::wstring> shown;
    for (int p = 0; p < table.Count(); ++p)
        shown.push_back(table.At(p)->contactName + L"/" + table.At(p)->title + L"/" + table.At(p)->date);
    return shown;
}

TEST(MemoOrder, PerListAndKey)
{
    const std::vector<MemoListRow> rows = {
        Memo(L"b", L"07-05-01"), Memo(L"a", L"07-05-01", L"홍길동"), Memo(L"a", L"99-12-31"),
        Memo(L"c", L"00-01-01", L"김철수"), Memo(L"a", L"07-06-01"),
    };
    using Names = std::vector<std::wstring>;
    struct Case {
        const char* name;
        MemoListKind kind;
        char key;
        Names expected;
    };
    const Case cases[] = {
        {"view by date: newest text first, then contact, then title", MemoListKind::View, 'D',
         {L"/a/99-12-31", L"/a/07-06-01", L"/b/07-05-01", L"홍길동/a/07-05-01", L"김철수/c/00-01-01"}},
        {"view by title: unlinked first, then contact, title, newest", MemoListKind::View, 'T',
         {L"/a/99-12-31", L"/a/07-06-01", L"/b/07-05-01", L"김철수/c/00-01-01", L"홍길동/a/07-05-01"}},
        {"card memos by date: oldest first, then title", MemoListKind::CardMemos, 'D',
         {L"김철수/c/00-01-01", L"홍길동/a/07-05-01", L"/b/07-05-01", L"/a/07-06-01", L"/a/99-12-31"}},
        {"card memos by title: title, then oldest", MemoListKind::CardMemos, 'T',
         {L"홍길동/a/07-05-01", L"/a/07-06-01", L"/a/99-12-31", L"/b/07-05-01", L"김철수/c/00-01-01"}},
        {"card files by date: newest first, then title", MemoListKind::CardFiles, 'D',
         {L"/a/99-12-31", L"/a/07-06-01", L"홍길동/a/07-05-01", L"/b/07-05-01", L"김철수/c/00-01-01"}},
        {"card files by title: title, then newest", MemoListKind::CardFiles, 'X',
         {L"/a/99-12-31", L"/a/07-06-01", L"홍길동/a/07-05-01", L"/b/07-05-01", L"김철수/c/00-01-01"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Ordered(c.kind, c.key, rows), c.expected);
    }
}

TEST(NoteFilePath, FolderAndTitle)
{
    MemoListRow row;
    row.folderPath = L"\\My Documents\\업무";
    row.title = L"회의 메모";
    EXPECT_EQ(NoteFilePath(row), L"\\My Documents\\업무\\회의 메모.pwi");
}

std::vector<std::wstring> Names(const std::vector<NoteFolderEntry>& entries)
{
    std::vector<std::wstring> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

TEST(MemoCategories, DistinctAgainstTheWholeListCaseKept)
{
    std::vector<NoteFolderEntry> names(1);
    for (const wchar_t* category : {L"Work", L" ", L"work", L"Work", L"집", L"work", L""})
        AddDistinctCategory(&names, category);
    EXPECT_EQ(Names(names), (std::vector<std::wstring>{L"", L"Work", L"work", L"집"}));
}

TEST(NoteFolders, AllSlotFirstThenHangulThenFoldedNames)
{
    std::vector<NoteFolderEntry> entries = {
        MakeNoteFolderEntry(L"\\My Documents", L"zeta"),   MakeNoteFolderEntry(L"\\My Documents", L"업무"),
        MakeNoteFolderEntry(L"\\Storage Card", L"Alpha"), MakeNoteFolderEntry(L"", L""),
        MakeNoteFolderEntry(L"\\My Documents", L"beta"),   MakeNoteFolderEntry(L"\\Storage Card", L"가족"),
    };
    SortNoteFolders(&entries);
    EXPECT_EQ(Names(entries), (std::vector<std::wstring>{L"", L"가족", L"업무", L"Alpha", L"beta", L"zeta"}));
    EXPECT_EQ(entries[0].cls, 0);
    EXPECT_EQ(entries[1].cls, L'0');
    EXPECT_EQ(entries[3].cls, L'1');
    EXPECT_EQ(entries[3].folded, L"alpha");
}

TEST(NoteFolders, LongNamesAreCut)
{
    const NoteFolderEntry entry = MakeNoteFolderEntry(std::wstring(400, L'r'), std::wstring(300, L'n'));
    EXPECT_EQ(entry.root.size(), kNotePathChars);
    EXPECT_EQ(entry.name.size(), kNotePathChars);
}

}  // namespace
