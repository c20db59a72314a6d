#include "core/holiday_table.h"

#include <windows.h>
#include <strsafe.h>

namespace {

constexpr int kFirstYear = 2005;
constexpr int kYears = 5;
constexpr int kIdsPerYear = 20;

// A slot's month and day: fixed, or taken from the year's row.
enum class DateFrom { Fixed, NewYearEve, NewYear, NewYearAfter, Buddha, HarvestEve, Harvest, HarvestAfter };

struct Slot {
    int number;
    const wchar_t* name;
    DateFrom from;
    const wchar_t* fixedDate;  // MM-DD when Fixed
    const wchar_t* lunarDate;
};

const Slot kSlots[] = {
    {1, L"신정", DateFrom::Fixed, L"01-01", L""},
    {2, L"", DateFrom::NewYearEve, nullptr, L""},
    {3, L"설날", DateFrom::NewYear, nullptr, L"01/01"},
    {4, L"", DateFrom::NewYearAfter, nullptr, L""},
    {5, L"삼일절", DateFrom::Fixed, L"03-01", L""},
    {6, L"식목일", DateFrom::Fixed, L"04-05", L""},
    {7, L"석가탄신일", DateFrom::Buddha, nullptr, L"04/08"},
    {8, L"어린이날", DateFrom::Fixed, L"05-05", L""},
    {9, L"현충일", DateFrom::Fixed, L"06-06", L""},
    {10, L"제헌절", DateFrom::Fixed, L"07-17", L""},
    {11, L"광복절", DateFrom::Fixed, L"08-15", L""},
    {12, L"", DateFrom::HarvestEve, nullptr, L""},
    {13, L"추석", DateFrom::Harvest, nullptr, L"08/15"},
    {14, L"", DateFrom::HarvestAfter, nullptr, L""},
    {15, L"개천절", DateFrom::Fixed, L"10-03", L""},
    {16, L"성탄절", DateFrom::Fixed, L"12-25", L""},
};

constexpr int kArborDaySlot = 6;  // kept only in the first year

// The lunar holidays' solar dates (MM-DD) of each year.
struct YearDates {
    const wchar_t* newYear[3];  // eve, day, day after
    const wchar_t* buddha;
    const wchar_t* harvest[3];
};

const YearDates kYearDates[kYears] = {
    {{L"02-08", L"02-09", L"02-10"}, L"05-15", {L"09-17", L"09-18", L"09-19"}},
    {{L"01-28", L"01-29", L"01-30"}, L"05-05", {L"10-05", L"10-06", L"10-07"}},
    {{L"02-17", L"02-18", L"02-19"}, L"05-24", {L"09-24", L"09-25", L"09-26"}},
    {{L"02-06", L"02-07", L"02-08"}, L"05-12", {L"09-13", L"09-14", L"09-15"}},
    {{L"01-25", L"01-26", L"01-27"}, L"05-02", {L"10-02", L"10-03", L"10-04"}},
};

const wchar_t* MonthDay(const Slot& slot, const YearDates& year)
{
    switch (slot.from) {
    case DateFrom::Fixed:        return slot.fixedDate;
    case DateFrom::NewYearEve:   return year.newYear[0];
    case DateFrom::NewYear:      return year.newYear[1];
    case DateFrom::NewYearAfter: return year.newYear[2];
    case DateFrom::Buddha:       return year.buddha;
    case DateFrom::HarvestEve:   return year.harvest[0];
    case DateFrom::Harvest:      return year.harvest[1];
    case DateFrom::HarvestAfter: return year.harvest[2];
    }
    return L"";
}

struct Table {
    HolidayEntry entries[kBuiltinHolidayCount] = {};
    Table()
    {
        int n = 0;
        for (int y = 0; y < kYears; ++y) {
            for (const Slot& slot : kSlots) {
                if (slot.number == kArborDaySlot && y > 0)
                    continue;
                HolidayEntry& e = entries[n++];
                e.id = kIdsPerYear * y + slot.number;
                StringCchPrintfW(e.date, ARRAYSIZE(e.date), L"%4d-%ls", kFirstYear + y,
                                 MonthDay(slot, kYearDates[y]));
                StringCchCopyW(e.name, ARRAYSIZE(e.name), slot.name);
                StringCchCopyW(e.lunarDate, ARRAYSIZE(e.lunarDate), slot.lunarDate);
            }
        }
    }
};

}  // namespace

const HolidayEntry* BuiltinHolidayTable()
{
    static const Table table;
    return table.entries;
}
