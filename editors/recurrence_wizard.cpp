#include "editors/recurrence_wizard.h"

#include "core/dates.h"
#include "editors/editor_controls.h"
#include "editors/recurrence_choices.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

#include <strsafe.h>

#include <cwchar>
#include <span>
#include <vector>

namespace {

constexpr wchar_t kNotice[] = L"알림";
constexpr wchar_t kNeedPositive[] = L"이 필드에는 양의 정수를 입력해야 합니다";
constexpr wchar_t kBadDate[] = L"날짜 자료가 올바르지 않습니다";
constexpr wchar_t kNeedOneDay[] = L"적어도 하루 이상은 선택해야 합니다";
constexpr int kIntervalLimit = 3;
constexpr int kDayLimit = 2;
constexpr int kPeriods = 9;
constexpr wchar_t kDefaultCount[] = L"10";

const wchar_t* const kIntervals[] = {L"1", L"2", L"3", L"4", L"5", L"10", L"20"};
const wchar_t* const kMonthIntervals[] = {L"1", L"2", L"3", L"4", L"6", L"12", L"18"};
const wchar_t* const kDays[] = {L"1",  L"2",  L"3",  L"4",  L"5",  L"6",  L"7",  L"8",  L"9",  L"10", L"11",
                                L"12", L"13", L"14", L"15", L"16", L"17", L"18", L"19", L"20", L"21", L"22",
                                L"23", L"24", L"25", L"26", L"27", L"28", L"29", L"30", L"31"};
const wchar_t* const kInstances[] = {L"첫째", L"둘째", L"셋째", L"넷째", L"마지막"};
const wchar_t* const kDayKinds[] = {L"날",     L"평일",   L"주말",   L"일요일", L"월요일",
                                    L"화요일", L"수요일", L"목요일", L"금요일", L"토요일"};
const wchar_t* const kMonths[] = {L"1월", L"2월", L"3월", L"4월",  L"5월",  L"6월",
                                  L"7월", L"8월", L"9월", L"10월", L"11월", L"12월"};

// ---- what each pattern page shows and stores -------------------------------------

// A box whose text is stored at once, read with at most capacity - 1
// characters; checked as a positive number on "다음".
struct TextBox {
    int id;
    wchar_t* text;
    int capacity;
    std::span<const wchar_t* const> items;
    int limit;
};
// A drop-down list whose index is stored.
struct ListChoice {
    int id;
    int32_t* index;
    std::span<const wchar_t* const> items;
};
// Two radios and the mode bytes they set.
struct RadioPair {
    int firstId, secondId;
    BYTE* first;
    BYTE* second;
};

struct PatternPage {
    int dialogId;
    int tabId;
    int32_t pageType;
    std::span<const TextBox> boxes;
    std::span<const ListChoice> lists;
    const RadioPair* radios;
    // A check beyond the positive numbers; false after telling the user.
    bool (*extraCheck)(HWND page);
};

// The one rule every page reads and writes.
RecurrenceRule& rule = RecurrencePatternState;

const TextBox kDailyBoxes[] = {{IDC_RULE_DAILY_N, rule.DailyN, kRuleNumberChars, kIntervals, kIntervalLimit}};
const RadioPair kDailyRadios = {IDC_RULE_DAILY_EVERY_N, IDC_RULE_DAILY_WEEKDAYS, &rule.DailyEveryN,
                                &rule.DailyEveryWeekday};

const TextBox kWeeklyBoxes[] = {{IDC_RULE_WEEKLY_N, rule.WeeklyN, kRuleWeeklyNChars, kIntervals, kIntervalLimit}};

const TextBox kMonthlyBoxes[] = {
    {IDC_RULE_MONTHLY_N, rule.MonthlyN, kRuleNumberChars, kMonthIntervals, kIntervalLimit},
    {IDC_RULE_MONTHLY_DAY, rule.MonthlyDay, kRuleMonthDayChars, kDays, kDayLimit},
    {IDC_RULE_MONTHLY_NTH_N, rule.MonthlyNthN, kRuleNumberChars, kMonthIntervals, kIntervalLimit},
};
const ListChoice kMonthlyLists[] = {
    {IDC_RULE_MONTHLY_INSTANCE, &rule.MonthlyInstance, kInstances},
    {IDC_RULE_MONTHLY_DAY_KIND, &rule.MonthlyDayKind, kDayKinds},
};
const RadioPair kMonthlyRadios = {IDC_RULE_MONTHLY_BY_DATE, IDC_RULE_MONTHLY_BY_NTH, &rule.MonthlyByDate,
                                  &rule.MonthlyByNth};

const TextBox kYearlyBoxes[] = {{IDC_RULE_YEARLY_DAY, rule.YearlyDay, kRuleYearDayChars, kDays, kDayLimit}};
const ListChoice kYearlyLists[] = {
    {IDC_RULE_YEARLY_MONTH, &rule.YearlyMonth, kMonths},
    {IDC_RULE_YEARLY_NTH_MONTH, &rule.YearlyNthMonth, kMonths},
    {IDC_RULE_YEARLY_INSTANCE, &rule.YearlyInstance, kInstances},
    {IDC_RULE_YEARLY_DAY_KIND, &rule.YearlyDayKind, kDayKinds},
};
const RadioPair kYearlyRadios = {IDC_RULE_YEARLY_BY_DATE, IDC_RULE_YEARLY_BY_NTH, &rule.YearlyByDate,
                                 &rule.YearlyByNth};

// The number in a box's text; false when there is none.
bool NumberOf(const wchar_t* text, int* value)
{
    return swscanf(text, L"%d", value) == 1;
}

bool MonthlyDayInRange(HWND page)
{
    int day = 0;
    if (NumberOf(rule.MonthlyDay, &day) && day < 32)
        return true;
    TellUser(page, kBadDate, kNotice, IDC_RULE_MONTHLY_DAY);
    return false;
}

// The yearly day must lie in the chosen month (29 February allowed).
bool YearlyDayInMonth(HWND page)
{
    int month = rule.YearlyMonth + 1;
    int limit = 31;
    if (month == 1 || month == 3 || month == 5 || month == 7 || month == 8 || month == 10 || month == 12)
        limit = 32;
    else if (month == 2)
        limit = 30;
    int day = 0;
    if (NumberOf(rule.YearlyDay, &day) && day >= 1 && day < limit)
        return true;
    TellUser(page, kBadDate, kNotice, IDC_RULE_YEARLY_DAY);
    return false;
}

const PatternPage kPages[] = {
    {IDD_RULE_DAILY, IDC_RULE_TAB_DAILY, kPageDaily, kDailyBoxes, {}, &kDailyRadios, nullptr},
    {IDD_RULE_WEEKLY, IDC_RULE_TAB_WEEKLY, kPageWeekly, kWeeklyBoxes, {}, nullptr, nullptr},
    {IDD_RULE_MONTHLY, IDC_RULE_TAB_MONTHLY, kPageMonthly, kMonthlyBoxes, kMonthlyLists, &kMonthlyRadios,
     MonthlyDayInRange},
    {IDD_RULE_YEARLY, IDC_RULE_TAB_YEARLY, kPageYearly, kYearlyBoxes, kYearlyLists, &kYearlyRadios,
     YearlyDayInMonth},
};

const PatternPage* PageOfDialog(int dialogId)
{
    for (const PatternPage& page : kPages) {
        if (page.dialogId == dialogId)
            return &page;
    }
    return nullptr;
}

const PatternPage* PageOfTab(int tabId)
{
    for (const PatternPage& page : kPages) {
        if (page.tabId == tabId)
            return &page;
    }
    return nullptr;
}

const PatternPage* PageOfType(int32_t pageType)
{
    for (const PatternPage& page : kPages) {
        if (page.pageType == pageType)
            return &page;
    }
    return nullptr;
}

// What the page window shows and checks (kept in its user data).
const PatternPage* PatternPageOf(HWND page)
{
    return reinterpret_cast<const PatternPage*>(GetWindowLongPtrW(page, DWLP_USER));
}

// The current page ends and the next one opens, owned by it.
void SwitchPage(HWND page, int nextDialogId)
{
    EndDialog(page, 0);
    RunRulePage(page, nextDialogId);
}

// ---- the pattern pages ------------------------------------------------------------

void ShowWeekdayToggles(HWND page)
{
    for (int day = 0; day < kWeekdays; ++day)
        SetChecked(page, IDC_RULE_WEEKDAY_FIRST + day, rule.WeekdayFlags[day] != 0);
}

void ToggleWeekday(HWND page, int day)
{
    if (rule.WeekdayFlags[day]) {
        int chosen = 0;
        for (int32_t flag : rule.WeekdayFlags)
            chosen += flag ? 1 : 0;
        if (chosen == 1) {
            TellUser(page, kNeedOneDay, kNotice, IDC_RULE_WEEKDAY_FIRST + day);
            return;
        }
        rule.WeekdayFlags[day] = 0;
    } else {
        rule.WeekdayFlags[day] = 1;
    }
    ShowWeekdayToggles(page);
}

void ShowRadios(HWND page, const RadioPair& radios)
{
    bool second = *radios.second && !*radios.first;
    CheckRadioButton(page, radios.firstId, radios.secondId, second ? radios.secondId : radios.firstId);
}

bool OnPatternPageInit(HWND page, const PatternPage& layout)
{
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(&layout));
    MakeFullScreen(page);
    rule.PageType = layout.pageType;
    for (const TextBox& box : layout.boxes) {
        FillCombo(page, box.id, box.items, box.limit);
        SetDlgItemTextW(page, box.id, box.text);
    }
    for (const ListChoice& list : layout.lists) {
        FillCombo(page, list.id, list.items, 0);
        SendDlgItemMessageW(page, list.id, CB_SETCURSEL, static_cast<WPARAM>(*list.index), 0);
    }
    if (layout.radios)
        ShowRadios(page, *layout.radios);
    if (layout.dialogId == IDD_RULE_WEEKLY)
        ShowWeekdayToggles(page);
    return TRUE;
}

void StoreBoxText(HWND page, const TextBox& box, bool chosenFromList)
{
    std::vector<wchar_t> text(static_cast<size_t>(box.capacity), L'\0');
    HWND combo = GetDlgItem(page, box.id);
    int chosen = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    if (chosenFromList && chosen >= 0 && chosen < static_cast<int>(box.items.size()))
        StringCchCopyW(text.data(), text.size(), box.items[static_cast<size_t>(chosen)]);
    else
        GetWindowTextW(combo, text.data(), box.capacity);
    StringCchCopyW(box.text, static_cast<size_t>(box.capacity), text.data());
}

bool CheckPatternPage(HWND page, const PatternPage& layout)
{
    for (const TextBox& box : layout.boxes) {
        int value = 0;
        if (!NumberOf(box.text, &value) || value < 1) {
            TellUser(page, kNeedPositive, kNotice, box.id);
            return false;
        }
    }
    return !layout.extraCheck || layout.extraCheck(page);
}

void OnPatternPageCommand(HWND page, const PatternPage& layout, int id, int code)
{
    if (id == IDCANCEL) {
        EndDialog(page, IDCANCEL);
        return;
    }
    if (id == IDC_RULE_NEXT) {
        if (CheckPatternPage(page, layout))
            SwitchPage(page, IDD_RULE_RANGE);
        return;
    }
    if (const PatternPage* target = PageOfTab(id)) {
        if (target != &layout)
            SwitchPage(page, target->dialogId);
        return;
    }
    if (id >= IDC_RULE_WEEKDAY_FIRST && id < IDC_RULE_WEEKDAY_FIRST + kWeekdays && code == BN_CLICKED) {
        ToggleWeekday(page, id - IDC_RULE_WEEKDAY_FIRST);
        return;
    }
    for (const TextBox& box : layout.boxes) {
        if (box.id == id && (code == CBN_EDITCHANGE || code == CBN_SELCHANGE))
            StoreBoxText(page, box, code == CBN_SELCHANGE);
    }
    for (const ListChoice& list : layout.lists) {
        if (list.id == id && code == CBN_SELCHANGE)
            *list.index = static_cast<int32_t>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
    }
    if (layout.radios && code == BN_CLICKED && (id == layout.radios->firstId || id == layout.radios->secondId)) {
        *layout.radios->first = id == layout.radios->firstId ? 1 : 0;
        *layout.radios->second = id == layout.radios->secondId ? 1 : 0;
    }
}

INT_PTR CALLBACK RulePatternDlgProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnPatternPageInit(page, *reinterpret_cast<const PatternPage*>(lParam));
    case WM_COMMAND:
        if (const PatternPage* layout = PatternPageOf(page)) {
            OnPatternPageCommand(page, *layout, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- the range page -------------------------------------------------------------

SYSTEMTIME SeedDay(const RecurrenceRule& pattern)
{
    SYSTEMTIME day = {};
    wchar_t text[kRuleRangeDateChars] = L"";
    StringCchPrintfW(text, ARRAYSIZE(text), L"%4d-%02d-%02d", pattern.SeedYear, pattern.SeedMonth, pattern.SeedDay);
    DayOfText(text, &day);
    return day;
}

int CheckedRangeMode(HWND page)
{
    if (IsChecked(page, IDC_RULE_RANGE_END_DATE))
        return IDC_RULE_RANGE_END_DATE;
    if (IsChecked(page, IDC_RULE_RANGE_COUNT))
        return IDC_RULE_RANGE_COUNT;
    return IDC_RULE_RANGE_NO_END;
}

BOOL OnRangePageInit(HWND page)
{
    MakeFullScreen(page);
    SetPickerFormat(page, IDC_RULE_RANGE_START, kLongDateFormat);
    SetPickerFormat(page, IDC_RULE_RANGE_END, kLongDateFormat);
    SYSTEMTIME start = {};
    if (!DayOfText(rule.RangeStart, &start))
        start = SeedDay(rule);
    SetPickerTime(page, IDC_RULE_RANGE_START, start);
    // A rule that ends on a date shows that date, so that "마침" keeps it.
    SYSTEMTIME end = {};
    if (!(rule.RangeEndDate && DayOfText(rule.RangeEnd, &end)))
        end = DefaultRangeEnd(rule);
    SetPickerTime(page, IDC_RULE_RANGE_END, end);
    int mode = rule.RangeEndDate ? IDC_RULE_RANGE_END_DATE : rule.RangeCount ? IDC_RULE_RANGE_COUNT : IDC_RULE_RANGE_NO_END;
    CheckRadioButton(page, IDC_RULE_RANGE_NO_END, IDC_RULE_RANGE_COUNT, mode);
    FillCombo(page, IDC_RULE_RANGE_COUNT_TEXT, kIntervals, kIntervalLimit);
    SetDlgItemTextW(page, IDC_RULE_RANGE_COUNT_TEXT, rule.RangeCountText[0] ? rule.RangeCountText : kDefaultCount);
    return TRUE;
}

void FinishRange(HWND page)
{
    wchar_t count[kRuleNumberChars] = L"";
    ReadText(page, IDC_RULE_RANGE_COUNT_TEXT, count, ARRAYSIZE(count));
    int mode = CheckedRangeMode(page);
    int value = 0;
    if (mode == IDC_RULE_RANGE_COUNT && (!NumberOf(count, &value) || value < 1)) {
        TellUser(page, kNeedPositive, kNotice, IDC_RULE_RANGE_COUNT_TEXT);
        return;
    }
    rule.RangeNoEnd = mode == IDC_RULE_RANGE_NO_END ? 1 : 0;
    rule.RangeEndDate = mode == IDC_RULE_RANGE_END_DATE ? 1 : 0;
    rule.RangeCount = mode == IDC_RULE_RANGE_COUNT ? 1 : 0;
    PickerDateText(page, IDC_RULE_RANGE_START, rule.RangeStart, ARRAYSIZE(rule.RangeStart));
    PickerDateText(page, IDC_RULE_RANGE_END, rule.RangeEnd, ARRAYSIZE(rule.RangeEnd));
    StringCchCopyW(rule.RangeCountText, ARRAYSIZE(rule.RangeCountText), count);
    EndDialog(page, IDOK);
}

INT_PTR CALLBACK RuleRangeDlgProc(HWND page, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnRangePageInit(page);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RULE_FINISH: FinishRange(page); return TRUE;
        case IDCANCEL: EndDialog(page, IDCANCEL); return TRUE;
        case IDC_RULE_BACK: {
            const PatternPage* back = PageOfType(rule.PageType);
            SwitchPage(page, back ? back->dialogId : IDD_RULE_WEEKLY);
            return TRUE;
        }
        }
        break;
    }
    return FALSE;
}

// ---- resets ------------------------------------------------------------------------

void SetNumber(wchar_t* text, size_t count, int value)
{
    StringCchPrintfW(text, count, L"%d", value);
}

void ResetDaily()
{
    StringCchCopyW(rule.DailyN, ARRAYSIZE(rule.DailyN), L"1");
}

void ResetWeekly()
{
    StringCchCopyW(rule.WeeklyN, ARRAYSIZE(rule.WeeklyN), L"1");
    for (int32_t& flag : rule.WeekdayFlags)
        flag = 0;
    if (rule.SeedWeekday >= 1 && rule.SeedWeekday <= kWeekdays)
        rule.WeekdayFlags[rule.SeedWeekday - 1] = 1;
}

void ResetMonthlyByDate()
{
    StringCchCopyW(rule.MonthlyN, ARRAYSIZE(rule.MonthlyN), L"1");
    SetNumber(rule.MonthlyDay, ARRAYSIZE(rule.MonthlyDay), rule.SeedDay);
}

void ResetMonthlyByNth()
{
    StringCchCopyW(rule.MonthlyNthN, ARRAYSIZE(rule.MonthlyNthN), L"1");
    rule.MonthlyInstance = rule.SeedNth - 1;
    rule.MonthlyDayKind = rule.SeedWeekday + 2;
}

void ResetYearlyByDate()
{
    rule.YearlyMonth = rule.SeedMonth - 1;
    SetNumber(rule.YearlyDay, ARRAYSIZE(rule.YearlyDay), rule.SeedDay);
}

void ResetYearlyByNth()
{
    rule.YearlyNthMonth = rule.SeedMonth - 1;
    rule.YearlyInstance = rule.SeedNth - 1;
    rule.YearlyDayKind = rule.SeedWeekday + 2;
}

// A page whose mode bytes say neither option shows its first one.
void DefaultMode(BYTE* first, BYTE* second)
{
    if (!*first && !*second)
        *first = 1;
}

}  // namespace

void ResetRecurrencePatterns(bool asNewRule)
{
    int32_t type = rule.PageType;
    int32_t loaded = rule.LoadedRecurrenceType;
    if (asNewRule) {
        rule.DailyEveryN = 1;
        rule.DailyEveryWeekday = 0;
        rule.MonthlyByDate = 1;
        rule.MonthlyByNth = 0;
        rule.YearlyByDate = 1;
        rule.YearlyByNth = 0;
    }
    if (asNewRule || type != kPageDaily)
        ResetDaily();
    if (asNewRule || type != kPageWeekly)
        ResetWeekly();
    if (asNewRule || !(type == kPageMonthly && loaded == olRecursMonthly))
        ResetMonthlyByDate();
    if (asNewRule || !(type == kPageMonthly && loaded == olRecursMonthNth))
        ResetMonthlyByNth();
    if (asNewRule || !(type == kPageYearly && loaded == olRecursYearly))
        ResetYearlyByDate();
    if (asNewRule || !(type == kPageYearly && loaded == olRecursYearNth))
        ResetYearlyByNth();
    DefaultMode(&rule.DailyEveryN, &rule.DailyEveryWeekday);
    DefaultMode(&rule.MonthlyByDate, &rule.MonthlyByNth);
    DefaultMode(&rule.YearlyByDate, &rule.YearlyByNth);
}

SYSTEMTIME DefaultRangeEnd(const RecurrenceRule& pattern)
{
    SYSTEMTIME seed = SeedDay(pattern);
    if (seed.wYear == 0)
        return seed;
    SYSTEMTIME end = seed;
    int year = seed.wYear, month = seed.wMonth;
    switch (pattern.PageType) {
    case kPageDaily: AddDaysToDate(&end, seed.wYear, seed.wMonth, seed.wDay, kPeriods); return end;
    case kPageWeekly: AddDaysToDate(&end, seed.wYear, seed.wMonth, seed.wDay, kPeriods * 7); return end;
    case kPageMonthly:
        month += kPeriods;
        year += (month - 1) / 12;
        month = (month - 1) % 12 + 1;
        break;
    case kPageYearly: year += kPeriods; break;
    default: return seed;
    }
    int day = seed.wDay;
    if (day > DaysInMonth(year, month))
        day = DaysInMonth(year, month);
    AddDaysToDate(&end, year, month, day, 0);
    return end;
}

void RunRulePage(HWND owner, int dialogId)
{
    if (dialogId == IDD_RULE_RANGE) {
        DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_RULE_RANGE), owner, RuleRangeDlgProc, 0);
        return;
    }
    if (const PatternPage* layout = PageOfDialog(dialogId))
        DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(dialogId), owner, RulePatternDlgProc,
                        reinterpret_cast<LPARAM>(layout));
}

void OpenRecurrenceWizard(HWND owner, const SYSTEMTIME& start, bool asNewRule)
{
    SeedRecurrence(start);
    ResetRecurrencePatterns(asNewRule);
    if (asNewRule) {
        RunRulePage(owner, IDD_RULE_WEEKLY);
        return;
    }
    if (const PatternPage* page = PageOfType(rule.PageType))
        RunRulePage(owner, page->dialogId);
}
