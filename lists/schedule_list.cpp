#include "lists/schedule_list.h"

#include "lists/list_refill.h"

#include <strsafe.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kColumnTextChars = 160;
constexpr int kMonthListColumns = 5;
constexpr int kCardListColumns = 3;
// Column 0 drops the year ("2007-") in the month list and the century
// ("20") in the card's list.
constexpr int kMonthListDateSkip = 5;
constexpr int kCardListDateSkip = 2;
constexpr wchar_t kHolidayPrefix[] = L"[공휴일] ";

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

// What the fills left in the month list and in the card's list.
ListTexts monthListTexts;
ListTexts cardListTexts;

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
    KeptRowsRefill refill(list, kMonthListColumns, &monthListTexts);
    int selection = 0;
    bool reselected = false;
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        bool inRange = wcscmp(entry.dayDate, range.rangeStart) >= 0 && wcscmp(entry.dayDate, range.rangeEnd) <= 0;
        if (!IsListed(entry) || !inRange)
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
        const wchar_t* columns[kMonthListColumns] = {day, text, oid, contactId, linkedId};
        refill.Add(columns);
        table.rowMap.push_back(index);

        // The appointment to select again wins in every mode: a saved
        // appointment is shown selected in the week and the month too.
        if (reselected)
            continue;
        if (range.reselect > 0 && static_cast<CEOID>(entry.objectId) == range.reselect) {
            selection = row;
            reselected = true;
        } else if (range.mode != 'D' && wcscmp(entry.dayDate, range.currentDate) <= 0) {
            selection = row;
        }
    }
    ScheduleRowCount = static_cast<int>(table.rowMap.size());
    refill.End(selection);
    return selection;
}

int FillContactScheduleList(HWND list, CEOID reselect)
{
    ScheduleTable& table = ContactScheduleCache;
    table.rowMap.clear();
    KeptRowsRefill refill(list, kCardListColumns, &cardListTexts);
    int selection = -1;
    for (uint16_t index : table.order) {
        const ScheduleEntry& entry = table.entries[index];
        int row = static_cast<int>(table.rowMap.size());
        wchar_t day[kColumnTextChars], oid[kColumnTextChars];
        WriteDayColumn(day, entry, kCardListDateSkip);
        WriteNumber(oid, entry.objectId);
        const wchar_t* columns[kCardListColumns] = {day, entry.subject, oid};
        refill.Add(columns);
        table.rowMap.push_back(index);
        if (selection < 0 && reselect > 0 && static_cast<CEOID>(entry.objectId) == reselect)
            selection = row;
    }
    selection = std::max(selection, 0);
    refill.End(selection);
    return selection;
}

const ScheduleEntry* ScheduleEntryAtRow(const ScheduleTable& table, int row)
{
    if (row < 0 || static_cast<size_t>(row) >= table.rowMap.size())
        return nullptr;
    uint16_t index = table.rowMap[static_cast<size_t>(row)];
    return index < table.entries.size() ? &table.entries[index] : nullptr;
}
