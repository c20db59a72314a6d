#include "core/anniversary_save.h"

#include "core/anniversary_kinds.h"
#include "core/dates.h"
#include "core/lunar.h"

#include <cwchar>
#include <iterator>

namespace {

constexpr int32_t kMinutesPerDay = 1440;
// Leads of the choices above a week, in days.
constexpr int32_t kLongLeadDays[] = {10, 15, 20, 30};
constexpr int32_t kLongestDayChoice = 7;
constexpr size_t kFullDateChars = 10;
constexpr size_t kTimeChars = 5;

std::wstring DateText(int year, int month, int day)
{
    wchar_t text[16] = L"";
    _snwprintf(text, std::size(text) - 1, L"%04d-%02d-%02d", year, month, day);
    return text;
}

// The day in that year's month, the last one when the month is shorter (29
// February in a common year is the 28th, as the yearly series holds it).
int DayInMonth(int year, int month, int day)
{
    const int length = DaysInMonth(year, month);
    return day > length ? length : day;
}

}  // namespace

int32_t AnniversaryReminderMinutes(int32_t choice)
{
    if (choice >= 1 && choice <= kLongestDayChoice)
        return choice * kMinutesPerDay;
    const int32_t longChoice = choice - kLongestDayChoice - 1;
    if (longChoice >= 0 && longChoice < static_cast<int32_t>(std::size(kLongLeadDays)))
        return kLongLeadDays[longChoice] * kMinutesPerDay;
    return 0;
}

std::wstring AnniversarySubject(wchar_t kind, LPCWSTR title)
{
    return L"[" + std::wstring(AnniversaryKindLabel(kind)) + L"] " + (title ? title : L"");
}

std::wstring AnniversaryOccurrenceSubject(wchar_t kind, LPCWSTR title, int year, int originYear)
{
    const bool birthday = kind == L'0';
    const int count = birthday ? year - originYear + 1 : year - originYear;
    std::wstring subject = AnniversarySubject(kind, title);
    if (count < 1)
        return subject;
    wchar_t suffix[32] = L"";
    _snwprintf(suffix, std::size(suffix) - 1, birthday ? L"(%d세)" : L"(%d주년)", count);
    return subject + suffix;
}

bool PlanAnniversaryMirror(LPCWSTR date, wchar_t lunar, LPCWSTR time, int currentYear, AnniversaryMirrorPlan* plan)
{
    *plan = AnniversaryMirrorPlan();
    plan->currentYear = currentYear;
    plan->lunar = lunar == L'1';
    const bool full = date && wcslen(date) == kFullDateChars;
    const int read = !date ? 0
                     : full ? swscanf(date, L"%4d-%2d-%2d", &plan->originYear, &plan->month, &plan->day)
                            : swscanf(date, L"%2d/%2d", &plan->month, &plan->day);
    if (read != (full ? 3 : 2) || plan->month < 1 || plan->month > 12 || plan->day < 1 || plan->day > 31)
        return false;
    if (time && wcslen(time) == kTimeChars)
        swscanf(time, L"%2d:%2d", &plan->hour, &plan->minute);
    if (plan->lunar) {
        const int placeholderMonth = plan->month == 1 ? 12 : plan->month - 1;
        plan->startDate = DateText(currentYear, placeholderMonth, 1);
    } else {
        plan->startDate = DateText(currentYear, plan->month, DayInMonth(currentYear, plan->month, plan->day));
    }
    return true;
}

MirrorOccurrence PlanMirrorOccurrence(const AnniversaryMirrorPlan& plan, int year)
{
    MirrorOccurrence occurrence;
    occurrence.year = year;
    if (!plan.lunar) {
        occurrence.seriesMonth = plan.month;
        occurrence.seriesDay = DayInMonth(year, plan.month, plan.day);
        occurrence.hasDay = true;
        occurrence.solarYear = year;
        occurrence.solarMonth = occurrence.seriesMonth;
        occurrence.solarDay = occurrence.seriesDay;
        return occurrence;
    }
    occurrence.seriesMonth = plan.month == 1 ? 12 : plan.month - 1;
    occurrence.seriesDay = 1;
    occurrence.hasDay = LunarToSolar(year, plan.month, plan.day, false, &occurrence.solarYear,
                                     &occurrence.solarMonth, &occurrence.solarDay) >= 0;
    return occurrence;
}
