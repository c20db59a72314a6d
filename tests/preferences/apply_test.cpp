// The apply: fields to controls and back as the file's bytes, what restarts
// the Today item, the marker, Cancel, and the side effects on the main
// window.
#include "core/settings_file.h"
#include "editors/preferences_sheet.h"
#include "editors/preferences_state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/support/box_watch.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

#include <thread>

namespace {

constexpr wchar_t kMarker[] = L"\\Windows\\Quillon3.qmk";
constexpr wchar_t kRestartNotice[] = L"투데이 환경이 변경되어 투데이를 새로 실행합니다";

int Selection(HWND page, int id)
{
    return static_cast<int>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
}

bool Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

class ApplyTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::EnsureMainWindow();
        views::ResetViews();
        SetPreferencesHooks();
        ScheduleMode = 'D';
        CurrentView = 0;
        // The file and the memory agree before each case.
        ASSERT_TRUE(SaveSettings());
        DeleteFileW(kMarker);
    }
};

// ---- fields to controls at creation ---------------------------------------------------------

struct ShownCase {
    const char* name;
    int page;
    int32_t DiarySettings::*field;
    int32_t value;
    int control;
    int expected;  // drop list: the item selected; box: 1 checked
    bool dropList;
};
using S = DiarySettings;
const ShownCase kShownCases[] = {
    {"lines 0", kTodayPage, &S::TodayLines, 0, IDC_TODAY_LINES, 0, true},
    {"lines 14", kTodayPage, &S::TodayLines, 14, IDC_TODAY_LINES, 14, true},
    {"lines outside", kTodayPage, &S::TodayLines, 15, IDC_TODAY_LINES, -1, true},
    {"name parts 1", kDiaryPage, &S::ContactNameParts, 1, IDC_DIARY_NAME_PARTS, 0, false},
    {"name parts 2", kDiaryPage, &S::ContactNameParts, 2, IDC_DIARY_NAME_PARTS, 1, false},
    {"columns 2", kDiaryPage, &S::ContactListColumns, 2, IDC_DIARY_COLUMNS, 1, true},
    {"memo source 1", kDiaryPage, &S::MemoSource, 1, IDC_DIARY_MEMO_SOURCE, 0, true},
    {"region 1", kTodayExtrasPage, &S::WeatherRegion, 1, IDC_EXTRAS_WEATHER_REGION, 0, true},
    {"region 901", kTodayExtrasPage, &S::WeatherRegion, 901, IDC_EXTRAS_WEATHER_REGION, 9, true},
    {"region 55", kTodayExtrasPage, &S::WeatherRegion, 55, IDC_EXTRAS_WEATHER_REGION, 0, true},
    {"status divider 1", kTodayExtrasPage, &S::TodayStatusDivider, 1, IDC_EXTRAS_STATUS_DIVIDER, 1, false},
    {"shortcut divider 0", kTodayExtrasPage, &S::TodayShortcutDivider, 0, IDC_EXTRAS_SHORTCUT_DIVIDER, 0, false},
    {"day divider 1", kTodayPage, &S::TodayDayDivider, 1, IDC_TODAY_DAY_DIVIDER, 1, false},
};

TEST_F(ApplyTest, FieldsShowInTheirControls)
{
    for (const ShownCase& c : kShownCases) {
        SCOPED_TRACE(c.name);
        Settings.*c.field = c.value;
        int seen = -2;
        ASSERT_TRUE(prefs::RunSheet(c.page, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            seen = c.dropList ? Selection(page, c.control) : Checked(page, c.control);
            prefs::PressCancel(page);
        }));
        EXPECT_EQ(c.expected, seen);
    }
}

TEST_F(ApplyTest, TodayLinesItemsRunFromThreeToSeventeen)
{
    std::vector<std::wstring> items;
    ASSERT_TRUE(prefs::RunSheet(kTodayPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        items = testkit::ComboItems(GetDlgItem(page, IDC_TODAY_LINES));
        prefs::PressCancel(page);
    }));
    ASSERT_EQ(15u, items.size());
    EXPECT_EQ(L"3", items.front());
    EXPECT_EQ(L"17", items.back());
}

TEST_F(ApplyTest, ExtraInfoShowsAsTheBoxAndItsTwoRadios)
{
    struct Row {
        int32_t value;
        bool box, time, dday;
    };
    for (const Row& row : {Row{0, false, false, false}, Row{1, true, true, false}, Row{2, true, false, true}}) {
        SCOPED_TRACE(row.value);
        Settings.TodayExtraInfo = row.value;
        ASSERT_TRUE(prefs::RunSheet(kTodayPage, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            EXPECT_EQ(row.box, Checked(page, IDC_TODAY_EXTRA_INFO));
            EXPECT_EQ(row.time, Checked(page, IDC_TODAY_EXTRA_TIME));
            EXPECT_EQ(row.dday, Checked(page, IDC_TODAY_EXTRA_DDAY));
            prefs::PressCancel(page);
        }));
    }
}

// ---- controls to fields, as the file's bytes ------------------------------------------------

TEST_F(ApplyTest, OkAndDoneWriteTheControlsAndNothingElse)
{
    for (bool done : {false, true}) {
        SCOPED_TRACE(done ? "Done" : "OK");
        Settings.ContactNameParts = 1;
        Settings.TodayExtraInfo = 0;
        Settings.TodaySpan = 9;  // names no item: kept
        Settings.WeatherRegion = 55;
        Settings.TodayShortcutDivider = 0;
        ASSERT_TRUE(SaveSettings());
        DiarySettings expected = Settings;
        prefs::NoticeCounter notices;
        ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [&](HWND sheet) {
            HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
            prefs::SetCheck(diary, IDC_DIARY_NAME_PARTS, true);
            expected.ContactNameParts = 2;
            prefs::SetCombo(diary, IDC_DIARY_LOADER, 1);
            expected.ContactLoader = 1;
            HWND today = prefs::ShowPage(sheet, kTodayPage);
            prefs::SetCheck(today, IDC_TODAY_EXTRA_INFO, true);
            prefs::Click(today, IDC_TODAY_EXTRA_INFO);
            prefs::SetCheck(today, IDC_TODAY_EXTRA_TIME, false);
            prefs::SetCheck(today, IDC_TODAY_EXTRA_DDAY, true);
            expected.TodayExtraInfo = 2;
            HWND extras = prefs::ShowPage(sheet, kTodayExtrasPage);
            prefs::SetCombo(extras, IDC_EXTRAS_WEATHER_REGION, 3);
            expected.WeatherRegion = 301;
            prefs::SetCheck(extras, IDC_EXTRAS_SHOW_SHORTCUTS, true);
            prefs::Click(extras, IDC_EXTRAS_SHOW_SHORTCUTS);
            prefs::SetCheck(extras, IDC_EXTRAS_SHORTCUT_DIVIDER, true);
            expected.TodayShowShortcuts = 1;
            expected.TodayShortcutDivider = 1;
            if (done)
                PropSheet_PressButton(sheet, PSBTN_OK);
            else
                prefs::PressOk(extras);
        }));
        EXPECT_EQ(prefs::RecordOf(expected), prefs::SettingsFileBytes());
        EXPECT_TRUE(testkit::FileExists(kMarker));
        DeleteFileW(kMarker);
    }
}

// ---- the Today item's restart ----------------------------------------------------------------

struct RestartCase {
    const char* name;
    int page;
    int control;
    bool dropList;
    bool restarts;
};
const RestartCase kRestartCases[] = {
    {"memo source", kDiaryPage, IDC_DIARY_MEMO_SOURCE, true, true},
    {"lines", kTodayPage, IDC_TODAY_LINES, true, true},
    {"clock", kTodayPage, IDC_TODAY_SHOW_CLOCK, false, true},
    {"status", kTodayExtrasPage, IDC_EXTRAS_SHOW_STATUS, false, true},
    {"shortcuts", kTodayExtrasPage, IDC_EXTRAS_SHOW_SHORTCUTS, false, true},
    {"shortcut size", kTodayExtrasPage, IDC_EXTRAS_SHORTCUT_SIZE, true, true},
    {"weather", kTodayExtrasPage, IDC_EXTRAS_SHOW_WEATHER, false, true},
    {"weather size", kTodayExtrasPage, IDC_EXTRAS_WEATHER_SIZE, true, true},
    {"region", kTodayExtrasPage, IDC_EXTRAS_WEATHER_REGION, true, true},
    {"span", kTodayPage, IDC_TODAY_SPAN, true, false},
    {"day divider", kTodayPage, IDC_TODAY_DAY_DIVIDER, false, false},
    {"status divider", kTodayExtrasPage, IDC_EXTRAS_STATUS_DIVIDER, false, false},
    {"shortcut divider", kTodayExtrasPage, IDC_EXTRAS_SHORTCUT_DIVIDER, false, false},
    {"colours page", kTodayColorsPage, 0, false, false},
};

TEST_F(ApplyTest, RestartFieldsRestartTheTodayItemOnce)
{
    Settings.TodayShowStatus = 1;
    Settings.TodayShowShortcuts = 1;
    for (const RestartCase& c : kRestartCases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(kMarker);
        prefs::BroadcastProbe probe;
        prefs::NoticeCounter notices;
        HWND changedPage = nullptr;  // the sheet of the page read
        ASSERT_TRUE(prefs::RunSheet(c.page, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            changedPage = sheet;
            if (c.dropList) {
                const int count = static_cast<int>(SendDlgItemMessageW(page, c.control, CB_GETCOUNT, 0, 0));
                prefs::SetCombo(page, c.control, (Selection(page, c.control) + 1) % count);
            } else if (c.control) {
                prefs::SetCheck(page, c.control, !Checked(page, c.control));
            }
            prefs::PressOk(page);
        }));
        EXPECT_TRUE(testkit::FileExists(kMarker));
        if (c.restarts) {
            ASSERT_EQ(2u, probe.seen.size());
            EXPECT_EQ(0xF2u, probe.seen[0].wParam);
            EXPECT_EQ(0u, probe.seen[0].enabled);
            EXPECT_EQ(0xF2u, probe.seen[1].wParam);
            EXPECT_EQ(1u, probe.seen[1].enabled);
            ASSERT_EQ(1u, notices.texts().size());
            EXPECT_EQ(kRestartNotice, notices.texts()[0]);
            // A box over a page is owned by the page's sheet.
            EXPECT_EQ(changedPage, notices.owners()[0]);
        } else {
            EXPECT_TRUE(probe.seen.empty());
            EXPECT_TRUE(notices.texts().empty());
        }
    }
}

TEST_F(ApplyTest, DoneOverThreeCreatedPagesShowsOneNotice)
{
    prefs::NoticeCounter notices;
    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [&](HWND sheet) {
        prefs::ShowPage(sheet, kTodayExtrasPage);
        HWND today = prefs::ShowPage(sheet, kTodayPage);
        prefs::SetCombo(today, IDC_TODAY_LINES, (Selection(today, IDC_TODAY_LINES) + 1) % 15);
        PropSheet_PressButton(sheet, PSBTN_OK);
    }));
    EXPECT_EQ(1u, notices.texts().size());
    EXPECT_TRUE(testkit::FileExists(kMarker));
}

TEST_F(ApplyTest, AHungWindowDoesNotStopTheApply)
{
    HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread hung([created] {
        HWND window = CreateWindowExW(0, L"STATIC", L"hung", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                      nullptr);
        SetEvent(created);
        Sleep(6000);  // reads no message meanwhile
        DestroyWindow(window);
    });
    WaitForSingleObject(created, 5000);
    CloseHandle(created);
    prefs::NoticeCounter notices;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(prefs::RunSheet(kTodayPage, [&](HWND sheet) {
        HWND today = PropSheet_GetCurrentPageHwnd(sheet);
        prefs::SetCheck(today, IDC_TODAY_SHOW_CLOCK, !Checked(today, IDC_TODAY_SHOW_CLOCK));
        prefs::PressOk(today);
    }));
    const DWORD elapsed = GetTickCount() - start;
    hung.join();
    EXPECT_EQ(1u, notices.texts().size());
    EXPECT_LT(elapsed, 5000u);
}

// ---- Cancel, then only the colours page -------------------------------------------------------

TEST_F(ApplyTest, CancelThenTheColoursPageChangesNothingElse)
{
    // Saved colours; an unsaved pick and this run's view, letters and
    // layout in memory.
    Settings.KeypadLayout = 2;
    ASSERT_TRUE(SaveSettings());
    const int32_t savedColour = Settings.HeaderColor;
    Settings.HeaderColor = 0x123456;
    CurrentView = kAnniversaryView;
    ScheduleMode = 'M';
    KeypadSearchField = 'T';
    ContactSearchField = 'C';
    Settings.KeypadLayout = 3;
    ActiveKeypadLayout = 3;
    const DiarySettings before = Settings;

    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [](HWND sheet) {
        HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
        prefs::SetCombo(diary, IDC_DIARY_WEEK_START, 1);
        prefs::SetCheck(diary, IDC_DIARY_NAME_PARTS, true);
        prefs::PressCancel(diary);
    }));
    prefs::NoticeCounter notices;
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [](HWND sheet) {
        prefs::PressOk(PropSheet_GetCurrentPageHwnd(sheet));
    }));

    DiarySettings expected = before;
    expected.HeaderColor = savedColour;
    expected.ScheduleMode = 3;  // 'M'
    expected.KeypadSearchField = 3;  // 'T'
    expected.ContactSearchField = 2;  // 'C'
    EXPECT_EQ(prefs::RecordOf(expected), prefs::SettingsFileBytes());
    EXPECT_EQ(kAnniversaryView, CurrentView);
    EXPECT_EQ('M', ScheduleMode);
    EXPECT_EQ(3, Settings.KeypadLayout);
    EXPECT_TRUE(notices.texts().empty());
    CurrentView = 0;
    ScheduleMode = 'D';
    KeypadSearchField = 'S';
    ContactSearchField = 'S';
}

// ---- side effects on the main window ---------------------------------------------------------

std::vector<std::string> g_calls;

struct WeekCase {
    const char* name;
    char mode;
    int32_t from;
    const wchar_t* start;
    const wchar_t* end;
    const wchar_t* newStart;
    const wchar_t* newEnd;
    const wchar_t* firstHeader;
    const wchar_t* locale;
};
const WeekCase kWeekCases[] = {
    {"to Monday over a month's end", 'W', 0, L"2023-12-31", L"2024-01-06", L"2024-01-01", L"2024-01-07", L" 월", L"0"},
    {"back to Sunday", 'W', 1, L"2024-04-01", L"2024-04-07", L"2024-03-31", L"2024-04-06", L" 일", L"6"},
    {"day mode keeps the range", 'D', 0, L"2024-05-05", L"2024-05-05", L"2024-05-05", L"2024-05-05", L" 월", L"0"},
};

TEST_F(ApplyTest, WeekStartMovesTheShownWeekAndTheHeaders)
{
    const MainWindowHooks saved = Hooks;
    for (const WeekCase& c : kWeekCases) {
        SCOPED_TRACE(c.name);
        Settings.WeekStart = c.from;
        ActiveWeekStart = c.from;
        ScheduleMode = c.mode;
        wcscpy(RangeStart, c.start);
        wcscpy(RangeEnd, c.end);
        wcscpy(CurrentDate, L"2024-02-02");
        g_calls.clear();
        static std::wstring drawnFor;
        drawnFor.clear();
        Hooks.DrawMiniCalendarForDate = [](const wchar_t* date) { drawnFor = date; };
        Hooks.LoadMonthSchedule = [] { g_calls.push_back("LoadMonthSchedule"); };
        prefs::NoticeCounter notices;
        ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [&](HWND sheet) {
            HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
            prefs::SetCombo(diary, IDC_DIARY_WEEK_START, 1 - c.from);
            prefs::PressOk(diary);
        }));
        EXPECT_EQ(1 - c.from, Settings.WeekStart);
        EXPECT_EQ(c.newStart, std::wstring(RangeStart));
        EXPECT_EQ(c.newEnd, std::wstring(RangeEnd));
        if (c.mode == 'W') {
            EXPECT_EQ(c.newStart, std::wstring(CurrentDate));
            EXPECT_EQ(c.newStart, drawnFor);
            EXPECT_EQ(std::vector<std::string>{"LoadMonthSchedule"}, g_calls);
        } else {
            EXPECT_EQ(L"2024-02-02", std::wstring(CurrentDate));
            EXPECT_TRUE(g_calls.empty());
        }
        EXPECT_EQ(c.firstHeader, testkit::WindowText(WeekdayHeaderWindows[0]));
        wchar_t locale[4] = L"";
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, locale, 4);
        EXPECT_EQ(c.locale, std::wstring(locale));
        EXPECT_TRUE(notices.texts().empty());
    }
    Hooks = saved;
    ScheduleMode = 'D';
}

TEST_F(ApplyTest, MemoSourceRefreshesTheMemoViewOrMarksItStale)
{
    const MainWindowHooks saved = Hooks;
    Hooks.FillMemoCategoryPickList = [] { g_calls.push_back("FillMemoCategoryPickList"); };
    Hooks.LoadMemoList = [] { g_calls.push_back("LoadMemoList"); };
    for (int32_t view : {kMemoView, kScheduleView, kContactView}) {
        SCOPED_TRACE(view);
        CurrentView = view;
        ViewStale[kMemoView] = 0;
        MemoPickByDate = 1;
        g_calls.clear();
        prefs::NoticeCounter notices;
        ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [&](HWND sheet) {
            HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
            prefs::SetCombo(diary, IDC_DIARY_MEMO_SOURCE, 1 - Selection(diary, IDC_DIARY_MEMO_SOURCE));
            prefs::PressOk(diary);
        }));
        EXPECT_EQ(1u, notices.texts().size());
        if (view == kMemoView) {
            EXPECT_EQ(0, MemoPickByDate);
            EXPECT_EQ((std::vector<std::string>{"FillMemoCategoryPickList", "LoadMemoList"}), g_calls);
            EXPECT_EQ(0, ViewStale[kMemoView]);
        } else {
            EXPECT_TRUE(g_calls.empty());
            EXPECT_EQ(1, ViewStale[kMemoView]);
        }
    }
    Hooks = saved;
    CurrentView = 0;
}

TEST_F(ApplyTest, ColumnsAreRebuiltWhenTheLayoutChanges)
{
    auto firstColumnText = [] {
        std::wstring all;
        for (int i = 0; i < 4; ++i) {
            wchar_t text[64] = L"";
            LVCOLUMNW column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = text;
            column.cchTextMax = 64;
            if (ListView_GetColumn(ContactList, i, &column))
                all += std::wstring(text) + L":" + std::to_wstring(column.cx) + L"|";
        }
        return all;
    };
    Settings.ContactListColumns = 1;
    const std::wstring before = firstColumnText();
    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [](HWND sheet) {
        HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
        prefs::SetCombo(diary, IDC_DIARY_COLUMNS, 1);
        prefs::PressOk(diary);
    }));
    EXPECT_EQ(2, Settings.ContactListColumns);
    EXPECT_NE(before, firstColumnText());
    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [](HWND sheet) {
        HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
        prefs::SetCombo(diary, IDC_DIARY_COLUMNS, 0);
        prefs::PressOk(diary);
    }));
    EXPECT_EQ(before, firstColumnText());
}

TEST_F(ApplyTest, KeypadViewSearchIsEmptiedAndTheLayoutTakenAtOnce)
{
    const MainWindowHooks saved = Hooks;
    Hooks.FilterContactsByKeypad = [] { g_calls.push_back("FilterContactsByKeypad"); };
    CurrentView = kContactSearchView;
    wcscpy(KeypadText, L"123");
    SetWindowTextW(KeypadTextBox, L"123");
    g_calls.clear();
    ASSERT_TRUE(prefs::RunSheet(kDiaryPage, [](HWND sheet) {
        HWND diary = PropSheet_GetCurrentPageHwnd(sheet);
        prefs::SetCombo(diary, IDC_DIARY_KEYPAD, 3);
        prefs::PressOk(diary);
    }));
    EXPECT_EQ(3, ActiveKeypadLayout);
    EXPECT_EQ(L"", std::wstring(KeypadText));
    EXPECT_EQ(L"", testkit::WindowText(KeypadTextBox));
    EXPECT_EQ(std::vector<std::string>{"FilterContactsByKeypad"}, g_calls);
    Hooks = saved;
    CurrentView = 0;
}

TEST_F(ApplyTest, AFailedSaveIsReportedAndTheMarkerStillLeft)
{
    // A folder in the temporary file's place makes the write fail.
    const std::wstring blocker = std::wstring(SettingsFilePath) + L".tmp";
    ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    boxwatch::ArmForThisThread();
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [](HWND sheet) {
        prefs::PressOk(PropSheet_GetCurrentPageHwnd(sheet));
    }));
    const boxwatch::SeenBox box = boxwatch::Disarm();
    RemoveDirectoryW(blocker.c_str());
    EXPECT_TRUE(box.seen);
    EXPECT_NE(std::wstring::npos, box.text.find(L"Line="));
    EXPECT_TRUE(testkit::FileExists(kMarker));
}

}  // namespace
