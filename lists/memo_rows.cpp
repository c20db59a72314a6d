#include "lists/memo_rows.h"

#include "core/dates.h"
#include "core/text_helpers.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace {

constexpr wchar_t kFirstDate[] = L"1900-01-01";
constexpr wchar_t kLastDate[] = L"2999-12-31";
// Hangul letters (compatibility jamo and syllables) start here.
constexpr wchar_t kFirstHangul = 0x3131;

std::wstring DateText(int year, int month, int day)
{
    wchar_t text[16] = L"";
    _snwprintf(text, std::size(text) - 1, L"%04d-%02d-%02d", year, month, day);
    return text;
}

std::wstring ShiftedDate(int year, int month, int day, int days)
{
    SYSTEMTIME shifted = {};
    if (!AddDaysToDate(&shifted, year, month, day, days))
        return days < 0 ? kFirstDate : kLastDate;
    return DateText(shifted.wYear, shifted.wMonth, shifted.wDay);
}

int ByDateNewestFirst(const MemoListRow& a, const MemoListRow& b) { return CompareText(b.date, a.date); }
int ByDate(const MemoListRow& a, const MemoListRow& b) { return CompareText(a.date, b.date); }
int ByContact(const MemoListRow& a, const MemoListRow& b) { return CompareText(a.contactName, b.contactName); }
int ByTitle(const MemoListRow& a, const MemoListRow& b) { return CompareText(a.title, b.title); }

struct MemoChain {
    MemoListKind kind;
    RowKey<MemoListRow> byDate[3];
    RowKey<MemoListRow> byTitle[3];
};

const MemoChain kChains[] = {
    {MemoListKind::View, {ByDateNewestFirst, ByContact, ByTitle}, {ByContact, ByTitle, ByDateNewestFirst}},
    {MemoListKind::CardMemos, {ByDate, ByTitle}, {ByTitle, ByDate}},
    {MemoListKind::CardFiles, {ByDateNewestFirst, ByTitle}, {ByTitle, ByDateNewestFirst}},
};

}  // namespace

const wchar_t* const kMemoDateFilterTexts[kMemoDateFilterCount] = {
    L"모든 메모", L"오늘 메모", L"지난 7일간 메모", L"지난 31일간 메모", L"31일 지난 메모", L"미래 메모",
};

std::wstring NoteFilePath(const MemoListRow& row)
{
    return row.folderPath + L"\\" + row.title + L".pwi";
}

MemoDateRange MemoDateFilterRange(int filter, int year, int month, int day)
{
    const std::wstring today = DateText(year, month, day);
    switch (filter) {
    case 1: return {today, today};
    case 2: return {ShiftedDate(year, month, day, -6), today};
    case 3: return {ShiftedDate(year, month, day, -30), today};
    case 4: return {kFirstDate, ShiftedDate(year, month, day, -31)};
    case 5: return {ShiftedDate(year, month, day, 1), kLastDate};
    default: return {kFirstDate, kLastDate};
    }
}

bool InDateRange(const std::wstring& date, const MemoDateRange& range)
{
    return date.compare(range.from) >= 0 && date.compare(range.to) <= 0;
}

int CompareMemoRows(MemoListKind kind, char sortKey, const MemoListRow& a, const MemoListRow& b)
{
    for (const auto& chain : kChains) {
        if (chain.kind == kind)
            return sortKey == 'D' ? CompareByKeys(chain.byDate, a, b) : CompareByKeys(chain.byTitle, a, b);
    }
    return 0;
}

void OrderMemoRows(MemoRowTable* table, MemoListKind kind, char sortKey)
{
    table->OrderBy([kind, sortKey](const MemoListRow& a, const MemoListRow& b) {
        return CompareMemoRows(kind, sortKey, a, b);
    });
}

NoteFolderEntry MakeNoteFolderEntry(const std::wstring& root, const std::wstring& name)
{
    NoteFolderEntry entry;
    entry.root = root.substr(0, kNotePathChars);
    entry.name = name.substr(0, kNotePathChars);
    std::vector<wchar_t> folded(entry.name.begin(), entry.name.end());
    folded.push_back(L'\0');
    entry.folded = FoldTextCase(folded.data());
    if (!entry.name.empty())
        entry.cls = entry.name[0] >= kFirstHangul ? L'0' : L'1';
    return entry;
}

void SortNoteFolders(std::vector<NoteFolderEntry>* entries)
{
    std::stable_sort(entries->begin(), entries->end(), [](const NoteFolderEntry& a, const NoteFolderEntry& b) {
        if (a.cls != b.cls)
            return a.cls < b.cls;
        return a.folded.compare(b.folded) < 0;
    });
}

bool AddDistinctCategory(std::vector<NoteFolderEntry>* entries, const std::wstring& category)
{
    if (category.empty() || category == kNoCategoryStored || entries->size() >= kNoteFolderLimit)
        return false;
    for (const auto& entry : *entries) {
        if (entry.name == category)
            return false;
    }
    NoteFolderEntry entry = MakeNoteFolderEntry(L"", category);
    entries->push_back(std::move(entry));
    return true;
}
