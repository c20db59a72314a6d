#include "editors/today_prefs_page.h"

#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kShellFlags = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;

// TodayExtraInfo: 0 none, 1 the schedule's time, 2 D-day.
constexpr int32_t kExtraNone = 0;
constexpr int32_t kExtraTime = 1;
constexpr int32_t kExtraDday = 2;

const wchar_t* const kSpans[] = {L"하루", L"2일간", L"3일간", L"5일간", L"7일간", L"14일간", L"31일간"};
// Rows shown = index + 3.
const wchar_t* const kLineCounts[] = {L"3",  L"4",  L"5",  L"6",  L"7",  L"8",  L"9", L"10",
                                      L"11", L"12", L"13", L"14", L"15", L"16", L"17"};
const wchar_t* const kDateStyles[] = {L"일자+음력", L"음력", L"일진+음력"};

using E = FieldEncoding;
using S = DiarySettings;
const PageControl kTodayControls[] = {
    {IDC_TODAY_GROUP, 10, 5, 220, 238},
    {IDC_TODAY_SPAN_LABEL, 20, 25, 100, 18},
    {IDC_TODAY_SPAN, 90, 23, 60, 18, E::DropIndex, &S::TodaySpan, kSpans},
    {IDC_TODAY_LINES_LABEL, 20, 46, 100, 18},
    {IDC_TODAY_LINES, 90, 44, 60, 18, E::DropIndex, &S::TodayLines, kLineCounts},
    {IDC_TODAY_DATE_STYLE_LABEL, 20, 67, 100, 18},
    {IDC_TODAY_DATE_STYLE, 90, 65, 75, 18, E::DropIndexPlusOne, &S::TodayDateStyle, kDateStyles},
    {IDC_TODAY_DATE_BOLD, 169, 67, 57, 18, E::Check, &S::TodayDateBold},
    {IDC_TODAY_SHOW_CLOCK, 20, 86, 200, 18, E::Check, &S::TodayShowClock},
    {IDC_TODAY_ONLY_BUSY_DAYS, 20, 103, 200, 18, E::Check, &S::TodayOnlyBusyDays},
    {IDC_TODAY_EXTRA_INFO, 20, 120, 75, 18},  // TodayExtraInfo with the two radios, below
    {IDC_TODAY_EXTRA_TIME, 95, 120, 70, 18},
    {IDC_TODAY_EXTRA_DDAY, 165, 120, 60, 18},
    {IDC_TODAY_UNDERLINE, 20, 137, 100, 18, E::Check, &S::TodayUnderline},
    {IDC_TODAY_DAY_DIVIDER, 120, 137, 100, 18, E::Check, &S::TodayDayDivider},
    {IDC_TODAY_SHOW_WEEKDAY, 20, 154, 100, 18, E::Check, &S::TodayShowWeekday},
    {IDC_TODAY_SHOW_MARKS, 120, 154, 100, 18, E::Check, &S::TodayShowReminderPriority},
    {IDC_TODAY_SHOW_PAST, 20, 171, 200, 18, E::Check, &S::TodayShowPastItems},
    {IDC_TODAY_SHOW_OVERDUE, 20, 188, 200, 18, E::Check, &S::TodayShowOverdueTasks},
    {IDC_TODAY_SHOW_COMPLETED, 20, 205, 200, 18, E::Check, &S::TodayShowCompletedTasks},
    {IDC_TODAY_DOTTED_LINES, 20, 222, 200, 18, E::Check, &S::CalendarDottedLines},
    {IDC_PAGE_OK, 2, 271, 50, 20},
    {IDC_PAGE_CANCEL, 53, 271, 50, 20},
};

void ShowExtraInfo(HWND page)
{
    const int32_t extra = Settings.TodayExtraInfo;
    SetChecked(page, IDC_TODAY_EXTRA_INFO, extra > kExtraNone);
    SetChecked(page, IDC_TODAY_EXTRA_TIME, extra == kExtraTime);
    SetChecked(page, IDC_TODAY_EXTRA_DDAY, extra > kExtraNone && extra != kExtraTime);
}

// Ticking "기타표시:" offers the two kinds with the time chosen; clearing it
// takes both away.
void OnExtraInfoToggled(HWND page)
{
    const bool on = IsChecked(page, IDC_TODAY_EXTRA_INFO);
    EnableWindow(GetDlgItem(page, IDC_TODAY_EXTRA_TIME), on);
    EnableWindow(GetDlgItem(page, IDC_TODAY_EXTRA_DDAY), on);
    SetChecked(page, IDC_TODAY_EXTRA_TIME, on);
    SetChecked(page, IDC_TODAY_EXTRA_DDAY, false);
}

void OnCommand(HWND page, int id)
{
    if (id == IDC_TODAY_EXTRA_INFO)
        OnExtraInfoToggled(page);
}

const TablePage kPage = {kTodayPage, kTodayControls, kShellFlags, ShowExtraInfo, OnCommand};

}  // namespace

INT_PTR CALLBACK TodayPrefsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return TablePageProc(kPage, page, msg, wParam, lParam);
}

void ReadTodayPrefsPage(HWND page)
{
    ReadPageFields(page, kTodayControls);
    if (!IsChecked(page, IDC_TODAY_EXTRA_INFO))
        Settings.TodayExtraInfo = kExtraNone;
    else
        Settings.TodayExtraInfo = IsChecked(page, IDC_TODAY_EXTRA_TIME) ? kExtraTime : kExtraDday;
}
