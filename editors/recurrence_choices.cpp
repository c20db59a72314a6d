#include "editors/recurrence_choices.h"

#include "core/dates.h"

#include <strsafe.h>

namespace {

constexpr wchar_t kWeekdayLetters[] = L"일월화수목금토";

int WeekdayOf(const SYSTEMTIME& date)  // 0 Sunday
{
    return WeekdayOfDayNumber(DayNumber(date.wYear, date.wMonth, date.wDay));
}

}  // namespace

void SeedRecurrence(const SYSTEMTIME& date)
{
    RecurrenceRule& rule = RecurrencePatternState;
    rule.SeedYear = date.wYear;
    rule.SeedMonth = date.wMonth;
    rule.SeedDay = date.wDay;
    rule.SeedWeekday = WeekdayOf(date) + 1;
    rule.SeedNth = (date.wDay - 1) / 7 + 1;
}

std::wstring RecurrenceChoiceText(int index, const SYSTEMTIME& date)
{
    wchar_t text[40] = L"";
    switch (index) {
    case 0: StringCchCopyW(text, ARRAYSIZE(text), L"한 번"); break;
    case 1: StringCchPrintfW(text, ARRAYSIZE(text), L"%c요일마다", kWeekdayLetters[WeekdayOf(date)]); break;
    case 2: StringCchPrintfW(text, ARRAYSIZE(text), L"매월 %d일", date.wDay); break;
    case 3: StringCchPrintfW(text, ARRAYSIZE(text), L"%d월 %d일마다", date.wMonth, date.wDay); break;
    case 4: StringCchCopyW(text, ARRAYSIZE(text), L"<유형 편집...>"); break;
    }
    return text;
}

void FillRecurrenceChoices(HWND list, const SYSTEMTIME& date, int chosen)
{
    SeedRecurrence(date);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < kRecurrenceChoices; ++i)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RecurrenceChoiceText(i, date).c_str()));
    SendMessageW(list, CB_SETCURSEL, chosen >= 0 && chosen < kRecurrenceChoices ? chosen : 0, 0);
}
