#include "lists/schedule_list.h"

#include <commctrl.h>
#include <strsafe.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kColumnTextChars = 160;
// Column 0 drops the year ("2007-") in the month list and the century
// ("20") in the card's list.
constexpr int kMonthListDateSkip = 5;
constexpr int kCardListDateSkip = 2;
constexpr wchar_t kHolidayPrefix[] = L"[공휴일] ";

// Empties a list and refills it row by row; a list that was shown is hidden
// while it fills and shown again, one that was hidden stays hidden. Drawing
// is off meanwhile too: a hidden list still repaints per row on some
// platforms.
class ListRefill {
public:
    explicit ListRefill(HWND list) : list_(list), wasShown_(IsWindowVisible(list) != FALSE)
    {
        if (wasShown_)
            ShowWindow(list_, SW_HIDE);
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    }

    void AddRow(const wchar_t* const* columns, int count)
    {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = rows_;
        item.pszText = const_cast<wchar_t*>(columns[0]);
        int row = static_cast<int>(SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row < 0)
            return;
        for (int column = 1; column < count; ++column) {
            LVITEMW sub = {};
            sub.iSubItem = column;
            sub.pszText = const_cast<wchar_t*>(columns[column]);
            SendMessageW(list_, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
        }
        ++rows_;
    }

    void Finish(int selection)
    {
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        if (wasShown_)
            ShowWindow(list_, SW_SHOW);
        if (selection < 0 || selection >= rows_)
            return;
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, selection, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list_, LVM_ENSUREVISIBLE, selection, FALSE);
    }

private:
    HWND list_;
    bool wasShown_;
    int rows_ = 0;
};

// "yyyy-mm-dd hh:mm" (or "yyyy-mm-dd " for a later day) without its first
// `skip` characters.
void WriteDayColumn(wchar_t (&out)[kColumnTextChars], const ScheduleEntry& entry, int skip)
{
    wchar_t full[kColumnTextChars];
    StringCchPrintfW(full, kColumnTextChars, L"%s %s", entry.dayDate,
                     entry.continuation ? L"" : entry.startTime);
    StringCchCopyW(out, kColumnTextChars, wcslen(full) > static_cast<size_t>(skip) ? full + skip : L"");
}

void WriteNumber(wchar_t (&out)[kColumnTextChars], long value)
{
    StringCchPrintfW(out, kColumnTextChars, L"%ld", value);
}

bool IsListed(const ScheduleEntry& entry)
{
    return entry.objectId > 0 || (entry.objectId == 0 && entry.subject[0]);
}

}  // namespace

void SortScheduleTable(ScheduleTable* table)
{
    const std::vector<ScheduleEntry>& entries = table->entries;
    std::stable_sort(table->order.begin(), table->order.end(), [&](uint16_t a, uint16_t b) {
        const ScheduleEntry& x = entries[a];
        const ScheduleEntry& y = entries[b];
        if (int c = wcscmp(x.dayDate, y.dayDate))
            return c < 0;
        if (int c = wcscmp(x.startTime, y.startTime))
            return c < 0;
        return wcscmp(x.subject, y.subject) < 0;
    });
}

int FillMonthScheduleList(HWND list, const MonthListRange& range)
{
    ScheduleTable& table = MonthScheduleCache;
    table.rowMap.clear();
    ListRefill refill(list);
    int selection = 0;
    bool reselected = false;
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        if (!IsListed(entry) || wcscmp(entry.dayDate, range.rangeStart) < 0 || wcscmp(entry.dayDate, range.rangeEnd) > 0)
            continue;
        int row = static_cast<int>(table.rowMap.size());
        wchar_t day[kColumnTextChars], text[kColumnTextChars], oid[kColumnTextChars], contactId[kColumnTextChars],
            linkedId[kColumnTextChars];
        WriteDayColumn(day, entry, kMonthListDateSkip);
        day[2] = L'/';
        if (entry.contact[0])
            StringCchPrintfW(text, kColumnTextChars, L"(%s)%s", entry.contact, entry.subject);
        else if (entry.objectId != 0)
            StringCchCopyW(text, kColumnTextChars, entry.subject);
        else
            StringCchPrintfW(text, kColumnTextChars, L"%s%s", kHolidayPrefix, entry.subject);
        WriteNumber(oid, entry.objectId);
        WriteNumber(contactId, entry.contactId);
        WriteNumber(linkedId, entry.linkedId);
        const wchar_t* columns[] = {day, text, oid, contactId, linkedId};
        refill.AddRow(columns, 5);
        table.rowMap.push_back(index);

        if (range.mode == 'D') {
            if (!reselected && range.reselect > 0 && static_cast<CEOID>(entry.objectId) == range.reselect) {
                selection = row;
                reselected = true;
            }
        } else if (wcscmp(entry.dayDate, range.currentDate) <= 0) {
            selection = row;
        }
    }
    refill.Finish(selection);
    return selection;
}

int FillContactScheduleList(HWND list, CEOID reselect)
{
    ScheduleTable& table = ContactScheduleCache;
    table.rowMap.clear();
    ListRefill refill(list);
    int selection = -1;
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        int row = static_cast<int>(table.rowMap.size());
        wchar_t day[kColumnTextChars], oid[kColumnTextChars];
        WriteDayColumn(day, entry, kCardListDateSkip);
        WriteNumber(oid, entry.objectId);
        const wchar_t* columns[] = {day, entry.subject, oid};
        refill.AddRow(columns, 3);
        table.rowMap.push_back(index);
        if (selection < 0 && reselect > 0 && static_cast<CEOID>(entry.objectId) == reselect)
            selection = row;
    }
    selection = std::max(selection, 0);
    refill.Finish(selection);
    return selection;
}

const ScheduleEntry* ScheduleEntryAtRow(const ScheduleTable& table, int row)
{
    if (row < 0 || static_cast<size_t>(row) >= table.rowMap.size())
        return nullptr;
    uint16_t index = table.rowMap[static_cast<size_t>(row)];
    return index < table.entries.size() ? &table.entries[index] : nullptr;
}
