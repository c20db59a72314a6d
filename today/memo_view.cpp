#include "today/memo_view.h"

#include "core/db_access.h"
#include "core/record_layouts.h"
#include "today/day_text.h"
#include "today/layout.h"

#include <strsafe.h>

#include <algorithm>
#include <functional>

namespace {

const wchar_t* const kFilterTexts[kMemoFilterCount] = {L"모든 메모", L"오늘 메모", L"지난 7일간 메모",
                                                       L"지난 31일간 메모", L"31일 지난 메모", L"미래 메모"};
constexpr wchar_t kByDate[] = L"일자별";
constexpr wchar_t kByCategory[] = L"분류별";
constexpr wchar_t kByFolder[] = L"폴더별";
constexpr wchar_t kAllCategories[] = L"전체";
constexpr wchar_t kAllFolders[] = L"모든 폴더";
constexpr wchar_t kNoCategory[] = L"분류없음";
constexpr wchar_t kStoredNoCategory[] = L" ";
constexpr wchar_t kTemplateFolder[] = L"서식 파일";
constexpr wchar_t kNotesPattern[] = L"*.pwi";
constexpr wchar_t kEarliest[] = L"1900-01-01";
constexpr wchar_t kLatest[] = L"2999-12-31";
constexpr int kNotesSuffixChars = 4;  // ".pwi"
constexpr int kMaxRoots = 10;

bool NotesFiles()
{
    return Settings.MemoSource == 2;
}

struct DateRange {
    wchar_t from[kDateChars];
    wchar_t to[kDateChars];
};

DateRange RangeOfFilter(int filter)
{
    DateRange range = {};
    StringCchCopyW(range.from, kDateChars, kEarliest);
    StringCchCopyW(range.to, kDateChars, kLatest);
    switch (filter) {
    case kMemosToday:
        FormatDateText(TodayDay, range.from);
        FormatDateText(TodayDay, range.to);
        break;
    case kMemosLast7:
        FormatDateText(TodayDay - 6, range.from);
        FormatDateText(TodayDay, range.to);
        break;
    case kMemosLast31:
        FormatDateText(TodayDay - 30, range.from);
        FormatDateText(TodayDay, range.to);
        break;
    case kMemosOlder:
        FormatDateText(TodayDay - 31, range.to);
        break;
    case kMemosFuture:
        FormatDateText(TodayDay + 1, range.from);
        break;
    default:
        break;
    }
    return range;
}

bool InRange(const DateRange& range, const wchar_t* date)
{
    return wcscmp(date, range.from) >= 0 && wcscmp(date, range.to) <= 0;
}

bool AddGroup(const wchar_t* name, const wchar_t* root)
{
    if (MemoGroupCount >= kMaxMemoGroups)
        return false;
    StringCchCopyW(MemoGroups[MemoGroupCount].name, kMemoGroupChars, name);
    StringCchCopyW(MemoGroups[MemoGroupCount].root, MAX_PATH, root);
    ++MemoGroupCount;
    return true;
}

TodayMemoRow* NextMemoRow()
{
    if (MemoRowCount >= kMaxTodayRows)
        return nullptr;
    TodayMemoRow* row = &MemoRows[MemoRowCount];
    *row = TodayMemoRow();
    return row;
}

// ---- own memos -------------------------------------------------------------

void ForEachOwnMemo(const std::function<void(const OwnRecord&)>& visit)
{
    WithOwnDatabase(kNoteDatabase, kUnsorted, [&](HANDLE db) {
        DWORD index = 0;
        CEOID record = CeSeekDatabaseEx(db, CEDB_SEEK_BEGINNING, 0, 0, &index);
        OwnRecord read;
        while (record != 0 && read.ReadCurrent(db)) {
            visit(read);
            record = CeSeekDatabaseEx(db, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
}

void LoadCategoryGroups()
{
    AddGroup(kAllCategories, L"");
    ForEachOwnMemo([](const OwnRecord& read) {
        const wchar_t* category = read.Text(kNoteCategory);
        if (category[0] == L'\0' || wcscmp(category, kStoredNoCategory) == 0)
            return;
        for (int i = 1; i < MemoGroupCount; ++i) {
            if (wcscmp(MemoGroups[i].name, category) == 0)
                return;
        }
        AddGroup(category, L"");
    });
    std::sort(MemoGroups + 1, MemoGroups + MemoGroupCount,
              [](const MemoGroup& a, const MemoGroup& b) { return wcscmp(a.name, b.name) < 0; });
    AddGroup(kNoCategory, L"");
}

bool CategoryChosen(const wchar_t* category)
{
    if (ChosenMemoGroup <= 0 || ChosenMemoGroup >= MemoGroupCount)
        return true;
    const wchar_t* chosen = MemoGroups[ChosenMemoGroup].name;
    bool none = category[0] == L'\0' || wcscmp(category, kStoredNoCategory) == 0;
    return wcscmp(chosen, kNoCategory) == 0 ? none : wcscmp(chosen, category) == 0;
}

void BuildOwnMemoRows()
{
    const DateRange range = RangeOfFilter(MemoDateFilterChoice);
    ForEachOwnMemo([&](const OwnRecord& read) {
        const wchar_t* date = read.Text(kNoteDate);
        const wchar_t* category = read.Text(kNoteCategory);
        bool wanted = MemoGroupingChoice == kMemosByDate ? InRange(range, date) : CategoryChosen(category);
        TodayMemoRow* row = wanted ? NextMemoRow() : nullptr;
        if (!row)
            return;
        row->memoId = read.I4(kNoteId);
        row->linkedContactId = read.I4(kNoteContact);
        StringCchCopyW(row->title, kMemoTitleChars, read.Text(kNoteTitle));
        StringCchCopyW(row->group, kMemoGroupChars, wcscmp(category, kStoredNoCategory) == 0 ? L"" : category);
        StringCchCopyW(row->dateText, kDateChars, date);
        ++MemoRowCount;
    });
}

// ---- Notes files -------------------------------------------------------------

int NoteRoots(wchar_t roots[kMaxRoots][MAX_PATH])
{
    int count = 0;
    if (SHGetSpecialFolderPath(nullptr, roots[count], CSIDL_PERSONAL, FALSE))
        ++count;
    WIN32_FIND_DATAW card = {};
    HANDLE find = FindFirstFlashCard(&card);
    if (find == INVALID_HANDLE_VALUE)
        return count;
    do {
        if (card.cFileName[0] && count < kMaxRoots &&
            SUCCEEDED(StringCchCopyW(roots[count], MAX_PATH, card.cFileName)))
            ++count;
    } while (FindNextFlashCard(find, &card));
    FindClose(find);
    return count;
}

void ForEachFound(const wchar_t* folder, const wchar_t* pattern,
                  const std::function<void(const WIN32_FIND_DATAW&)>& visit)
{
    wchar_t search[MAX_PATH];
    if (FAILED(StringCchPrintfW(search, MAX_PATH, L"%ls\\%ls", folder, pattern)))
        return;
    WIN32_FIND_DATAW found = {};
    HANDLE find = FindFirstFile(search, &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        visit(found);
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

bool IsFolder(const WIN32_FIND_DATAW& found)
{
    return found.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY;
}

void LoadFolderGroups()
{
    AddGroup(kAllFolders, L"");
    wchar_t roots[kMaxRoots][MAX_PATH] = {};
    const int rootCount = NoteRoots(roots);
    for (int r = 0; r < rootCount; ++r) {
        ForEachFound(roots[r], L"*.*", [&](const WIN32_FIND_DATAW& found) {
            if (IsFolder(found))
                AddGroup(found.cFileName, roots[r]);
        });
    }
}

const wchar_t* LastPart(const wchar_t* path)
{
    const wchar_t* slash = wcsrchr(path, L'\\');
    return slash ? slash + 1 : path;
}

void AddNotesFilesOf(const wchar_t* folder, const DateRange* range)
{
    ForEachFound(folder, kNotesPattern, [&](const WIN32_FIND_DATAW& found) {
        if (IsFolder(found))
            return;
        SYSTEMTIME written = {};
        FileTimeToSystemTime(&found.ftLastWriteTime, &written);
        wchar_t date[kDateChars];
        StringCchPrintfW(date, kDateChars, L"%04d-%02d-%02d", written.wYear, written.wMonth, written.wDay);
        if (range && !InRange(*range, date))
            return;
        size_t length = wcslen(found.cFileName);
        TodayMemoRow* row = length > kNotesSuffixChars ? NextMemoRow() : nullptr;
        if (!row)
            return;
        StringCchCopyNW(row->title, kMemoTitleChars, found.cFileName, length - kNotesSuffixChars);
        StringCchCopyW(row->folder, MAX_PATH, folder);
        if (FAILED(StringCchPrintfW(row->path, MAX_PATH, L"%ls\\%ls", folder, found.cFileName)))
            row->path[0] = L'\0';
        StringCchCopyW(row->group, kMemoGroupChars, LastPart(folder));
        StringCchCopyW(row->dateText, kDateChars, date);
        row->linkedContactId = -1;
        ++MemoRowCount;
    });
}

void BuildNotesFileRows()
{
    wchar_t folder[MAX_PATH];
    if (MemoGroupingChoice == kMemosByGroup && ChosenMemoGroup > 0 && ChosenMemoGroup < MemoGroupCount) {
        if (SUCCEEDED(StringCchPrintfW(folder, MAX_PATH, L"%ls\\%ls", MemoGroups[ChosenMemoGroup].root,
                                       MemoGroups[ChosenMemoGroup].name)))
            AddNotesFilesOf(folder, nullptr);
        return;
    }
    const DateRange range = RangeOfFilter(MemoDateFilterChoice);
    const DateRange* filter = MemoGroupingChoice == kMemosByDate ? &range : nullptr;
    wchar_t roots[kMaxRoots][MAX_PATH] = {};
    const int rootCount = NoteRoots(roots);
    for (int r = 0; r < rootCount; ++r)
        AddNotesFilesOf(roots[r], filter);
    for (int r = 0; r < rootCount; ++r) {
        // The document folder's templates are not memos.
        ForEachFound(roots[r], L"*.*", [&](const WIN32_FIND_DATAW& found) {
            if (!IsFolder(found) || (r == 0 && wcscmp(found.cFileName, kTemplateFolder) == 0))
                return;
            if (SUCCEEDED(StringCchPrintfW(folder, MAX_PATH, L"%ls\\%ls", roots[r], found.cFileName)))
                AddNotesFilesOf(folder, filter);
        });
    }
}

void SortMemoRows()
{
    if (MemoSortChoice == kMemosByTitle)
        std::stable_sort(MemoRows, MemoRows + MemoRowCount,
                         [](const TodayMemoRow& a, const TodayMemoRow& b) { return wcscmp(a.title, b.title) < 0; });
    else
        std::stable_sort(MemoRows, MemoRows + MemoRowCount, [](const TodayMemoRow& a, const TodayMemoRow& b) {
            return wcscmp(a.dateText, b.dateText) > 0;
        });
}

}  // namespace

const wchar_t* MemoFilterText(int filter)
{
    return filter >= 0 && filter < kMemoFilterCount ? kFilterTexts[filter] : L"";
}

const wchar_t* MemoGroupingText()
{
    if (MemoGroupingChoice == kMemosByDate)
        return kByDate;
    return NotesFiles() ? kByFolder : kByCategory;
}

void LoadMemoGroups()
{
    MemoGroupCount = 0;
    if (NotesFiles())
        LoadFolderGroups();
    else
        LoadCategoryGroups();
    if (ChosenMemoGroup >= MemoGroupCount)
        ChosenMemoGroup = 0;
}

void SetMemoHeader()
{
    if (MemoGroupingChoice == kMemosByGroup) {
        if (MemoGroupCount == 0)
            LoadMemoGroups();
        const wchar_t* group = ChosenMemoGroup < MemoGroupCount ? MemoGroups[ChosenMemoGroup].name : L"";
        StringCchCopyW(HeaderTitle, kHeaderChars, group);
    } else {
        StringCchCopyW(HeaderTitle, kHeaderChars, MemoFilterText(MemoDateFilterChoice));
    }
    StringCchCopyW(HeaderSecond, kHeaderChars, MemoGroupingText());
}

void BuildMemoView()
{
    ClearRowZones();
    MemoRowCount = 0;
    if (NotesFiles())
        BuildNotesFileRows();
    else
        BuildOwnMemoRows();
    SortMemoRows();
    RowCount = MemoRowCount;
    VisibleRows = std::min(RowCount, RowsShown);
}

void ShowMemoMode()
{
    SetMemoHeader();
    BuildMemoView();
    LayoutMemoRows();
}
