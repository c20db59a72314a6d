#include "lists/anniversary_rows.h"

#include "core/anniversary_kinds.h"
#include "core/dates.h"
#include "core/lunar.h"

#include <cwchar>
#include <iterator>

namespace {

constexpr wchar_t kLunarMark[] = L"(음)";
constexpr wchar_t kWeekdayNames[] = L"일월화수목금토";
// A date column this long carries its year.
constexpr size_t kDatedColumnChars = 10;

std::wstring Format(const wchar_t* format, int a, int b)
{
    wchar_t text[32] = L"";
    _snwprintf(text, std::size(text) - 1, format, a, b);
    return text;
}

std::wstring MonthDayKey(int month, int day)
{
    return Format(L"%02d%02d", month, day);
}

int BySortKey(const AnniversaryListRow& a, const AnniversaryListRow& b) { return CompareText(a.sortKey, b.sortKey); }
int ByTitle(const AnniversaryListRow& a, const AnniversaryListRow& b) { return CompareText(a.title, b.title); }

const RowKey<AnniversaryListRow> kByDate[] = {BySortKey};
const RowKey<AnniversaryListRow> kByTitle[] = {ByTitle, BySortKey};

}  // namespace

const wchar_t* const kAnniversaryKindTexts[kAnniversaryKindRows] = {
    kAllKindsChoice, L"생일", L"기념", L"제사", L"기타", kHolidayKindChoice,
};

wchar_t AnniversaryKindCode(const wchar_t* choice)
{
    for (wchar_t kind = kFirstAnniversaryKind; kind <= kLastAnniversaryKind; ++kind) {
        if (choice && wcscmp(choice, AnniversaryKindLabel(kind)) == 0)
            return kind;
    }
    return 0;
}

bool IsHolidayKind(const wchar_t* choice)
{
    return choice && wcscmp(choice, kHolidayKindChoice) == 0;
}

AnniversaryListRow MakeAnniversaryRow(const AnniversaryRecordFacts& facts)
{
    AnniversaryListRow row;
    row.id = facts.id;
    row.title = facts.title;
    row.label = L"[" + std::wstring(AnniversaryKindLabel(facts.kind)) + L"] " + facts.title;
    row.dateString = facts.date;
    row.lunarFlag = facts.lunar == L'1' ? L"1" : L"0";
    row.dateText = facts.date + (facts.lunar == L'1' ? kLunarMark : L"");
    row.sortKey = MonthDayKey(_wtoi(facts.month.c_str()), _wtoi(facts.day.c_str()));
    return row;
}

AnniversaryListRow MakeHolidayRow(const std::wstring& date, const std::wstring& name, const std::wstring& lunarDate)
{
    int year = 0, month = 0, day = 0;
    swscanf(date.c_str(), L"%4d-%2d-%2d", &year, &month, &day);
    AnniversaryListRow row;
    row.label = name;
    row.title = name;
    row.dateString = date;
    row.lunarFlag = L"2";
    row.dateText = lunarDate.empty() ? Format(L"%02d/%02d", month, day) : lunarDate + kLunarMark;
    // Holidays keep their solar order under the date sort, lunar ones too.
    row.sortKey = MonthDayKey(month, day);
    return row;
}

std::wstring AnniversaryDateColumn(const AnniversaryListRow& row)
{
    return row.dateText.size() >= kDatedColumnChars ? row.dateText.substr(2) : row.dateText;
}

void SortAnniversaryRows(AnniversaryRowTable* table, char sortKey)
{
    table->OrderBy([sortKey](const AnniversaryListRow& a, const AnniversaryListRow& b) {
        return sortKey == 'D' ? CompareByKeys(kByDate, a, b) : CompareByKeys(kByTitle, a, b);
    });
}

AnniversaryHeaderTexts MakeAnniversaryHeader(int shownYear, int month, int day, wchar_t lunarFlag,
                                             const AnniversaryHeaderFacts& facts)
{
    AnniversaryHeaderTexts header;
    int year = shownYear;
    if (lunarFlag == L'1') {
        int solarYear = 0, solarMonth = 0, solarDay = 0;
        if (LunarToSolar(shownYear, month, day, false, &solarYear, &solarMonth, &solarDay) >= 0) {
            year = solarYear;
            month = solarMonth;
            day = solarDay;
        }
    }
    SYSTEMTIME normalised = {};
    if (AddDaysToDate(&normalised, year, month, day, 0)) {
        header.year = normalised.wYear;
        header.month = normalised.wMonth;
        header.day = normalised.wDay;
        header.weekday = normalised.wDayOfWeek;
    }
    header.yearLabel = Format(L"%d년", shownYear, 0);

    wchar_t dayLabel[32] = L"";
    _snwprintf(dayLabel, std::size(dayLabel) - 1, L"%02d-%02d-%02d ", header.year % 100, header.month, header.day);
    header.dayLabel = dayLabel;
    header.dayLabel += kWeekdayNames[header.weekday % 7];

    if (facts.found && facts.yearKnown == L'1') {
        if (facts.kind == L'0') {
            const int age = shownYear - facts.startYear + 1;
            if (age >= 1)
                header.ageLabel = Format(L"%d세", age, 0);
        } else {
            const int count = shownYear - facts.startYear;
            if (count >= 1)
                header.ageLabel = Format(L"%d주년", count, 0);
        }
    }

    LunarDate lunar;
    if (SolarToLunar(header.year, header.month, header.day, &lunar))
        header.lunarLabel = Format(lunar.leap ? L"(음윤%d/%d)" : L"(음%d/%d)", lunar.month, lunar.day);
    return header;
}
