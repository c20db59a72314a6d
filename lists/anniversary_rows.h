// Anniversary list rows: anniversaries of one kind or the named holidays of
// one year, their orders, the kind pick list, and the header shown above
// the kind list for the selected row.
#pragma once

#include "lists/row_table.h"
#include "platform/ce.h"

#include <string>

struct AnniversaryListRow {
    int32_t id = 0;            // 0 for a holiday
    std::wstring label;        // "[생일] %s" ...; a holiday's name
    std::wstring dateText;     // the stored date, "(음)" after a lunar one
    std::wstring dateString;   // the stored date: "yyyy-MM-dd", or "MM/DD" without a year
    std::wstring lunarFlag;    // "1" lunar, "0" solar, "2" a holiday
    std::wstring sortKey;      // "MMDD"
    std::wstring title;        // a holiday's name
};

using AnniversaryRowTable = RowTable<AnniversaryListRow>;

// ---- the kind pick list ----------------------------------------------------------------

constexpr int kAnniversaryKindRows = 6;
extern const wchar_t* const kAnniversaryKindTexts[kAnniversaryKindRows];
constexpr wchar_t kAllKindsChoice[] = L"전체(공휴일제외)";
constexpr wchar_t kHolidayKindChoice[] = L"공휴일";

// The kind code a pick-list choice lists: '0'-'3', 0 for every kind (also
// for a text that names none). The holiday choice is told by IsHolidayKind.
wchar_t AnniversaryKindCode(const wchar_t* choice);
bool IsHolidayKind(const wchar_t* choice);

// ---- rows --------------------------------------------------------------------------------

// What an AnniversaryRecord gives its row.
struct AnniversaryRecordFacts {
    int32_t id = 0;
    std::wstring title;
    std::wstring date;
    std::wstring month, day;
    wchar_t lunar = L'0';
    wchar_t kind = L'0';
};
AnniversaryListRow MakeAnniversaryRow(const AnniversaryRecordFacts& facts);
// A holiday's row from its stored date ("yyyy-MM-dd"), name and lunar date
// ("MM/DD" or empty).
AnniversaryListRow MakeHolidayRow(const std::wstring& date, const std::wstring& name, const std::wstring& lunarDate);

// The date column as the list shows it: a text with its year loses the
// century ("2007-05-01(음)" shows "07-05-01(음)").
std::wstring AnniversaryDateColumn(const AnniversaryListRow& row);

// 'D' by month and day; any other key by title, then month and day.
void SortAnniversaryRows(AnniversaryRowTable* table, char sortKey);

// ---- the header ----------------------------------------------------------------------------

// What the header needs of the selected anniversary (found false for a
// holiday row or an anniversary that is gone).
struct AnniversaryHeaderFacts {
    bool found = false;
    wchar_t yearKnown = L'0';
    wchar_t kind = L'0';
    int startYear = 0;
};

struct AnniversaryHeaderTexts {
    int year = 0, month = 0, day = 0;  // the solar date in the shown year
    int weekday = 0;                   // 0 Sunday
    std::wstring yearLabel;            // "%d년" of the shown year
    std::wstring dayLabel;             // "yy-MM-dd 요일"
    std::wstring ageLabel;             // "%d세", "%d주년" or empty
    std::wstring lunarLabel;           // "(음%d/%d)" or "(음윤%d/%d)"
};

// The header of a row's month and day in the shown year; a lunar one
// ('1') is first turned into that year's solar date.
AnniversaryHeaderTexts MakeAnniversaryHeader(int shownYear, int month, int day, wchar_t lunarFlag,
                                             const AnniversaryHeaderFacts& facts);
