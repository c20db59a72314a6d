// The recurrence wizard from the schedule editor: page inputs, the saved
// item's pattern, the checks, the default ends and the resets.
#include "editors/recurrence_wizard.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/editors/editors_fixture.h"

#include <strsafe.h>

namespace editorstest {
namespace {

using namespace dialogdriver;

struct EndCase {
    int32_t pageType;
    int y, m, d;
    int ey, em, ed;
};
const EndCase kEnds[] = {
    {kPageDaily, 2024, 1, 31, 2024, 2, 9},      {kPageWeekly, 2024, 1, 31, 2024, 4, 3},
    {kPageMonthly, 2024, 5, 31, 2025, 2, 28},   {kPageMonthly, 2024, 1, 31, 2024, 10, 31},
    {kPageYearly, 2024, 2, 29, 2033, 2, 28},    {kPageYearly, 2024, 6, 15, 2033, 6, 15},
};

TEST(RecurrenceWizard, DefaultEndIsNinePeriodsOn)
{
    for (const EndCase& c : kEnds) {
        SCOPED_TRACE(testing::Message() << c.pageType << " " << c.y << "-" << c.m << "-" << c.d);
        RecurrenceRule rule = {};
        rule.SeedYear = c.y;
        rule.SeedMonth = c.m;
        rule.SeedDay = c.d;
        rule.PageType = c.pageType;
        SYSTEMTIME end = DefaultRangeEnd(rule);
        EXPECT_EQ(end.wYear, c.ey);
        EXPECT_EQ(end.wMonth, c.em);
        EXPECT_EQ(end.wDay, c.ed);
    }
}

TEST(RecurrenceWizard, UpdateResetsOnlyWhatTheLoadedRuleDoesNotDescribe)
{
    RecurrenceRule& r = RecurrencePatternState;
    r = RecurrenceRule{};
    r.SeedMonth = 3;
    r.SeedDay = 4;
    r.SeedWeekday = 2;
    r.SeedNth = 1;
    r.PageType = kPageMonthly;
    r.LoadedRecurrenceType = olRecursMonthNth;
    r.MonthlyByNth = 1;
    StringCchCopyW(r.MonthlyNthN, ARRAYSIZE(r.MonthlyNthN), L"2");
    r.MonthlyInstance = 4;
    r.MonthlyDayKind = 1;
    StringCchCopyW(r.MonthlyN, ARRAYSIZE(r.MonthlyN), L"6");
    StringCchCopyW(r.WeeklyN, ARRAYSIZE(r.WeeklyN), L"9");
    ResetRecurrencePatterns(false);
    EXPECT_EQ(std::wstring(r.MonthlyNthN), L"2");  // the loaded rule stays
    EXPECT_EQ(r.MonthlyInstance, 4);
    EXPECT_EQ(r.MonthlyDayKind, 1);
    EXPECT_EQ(r.MonthlyByNth, 1);
    EXPECT_EQ(std::wstring(r.MonthlyN), L"1");  // the other parts are reset
    EXPECT_EQ(std::wstring(r.MonthlyDay), L"4");
    EXPECT_EQ(std::wstring(r.WeeklyN), L"1");
    EXPECT_EQ(r.WeekdayFlags[1], 1);
    EXPECT_EQ(r.YearlyMonth, 2);
    EXPECT_EQ(r.YearlyDayKind, 4);

    ResetRecurrencePatterns(true);
    EXPECT_EQ(std::wstring(r.MonthlyNthN), L"1");
    EXPECT_EQ(r.MonthlyInstance, 0);
    EXPECT_EQ(r.MonthlyDayKind, 4);
    EXPECT_EQ(r.MonthlyByDate, 1);
}

// ---- page inputs to a saved pattern --------------------------------------------------

struct PageInput {
    const char* name;
    int tab;           // 0: stay on the weekly page
    Match page;        // the page the inputs go to
    void (*fill)(HWND page);
    int rangeMode;     // the range radio
    long type, interval, mask, dayOfMonth, monthOfYear, instance, occurrences;
    const wchar_t* patternEnd;
};

void DailyEvery3(HWND p) { Click(p, IDC_RULE_DAILY_EVERY_N); Type(p, IDC_RULE_DAILY_N, L"3"); }
void DailyWeekdays(HWND p) { Click(p, IDC_RULE_DAILY_WEEKDAYS); }
void WeeklyMonWed(HWND p) { Type(p, IDC_RULE_WEEKLY_N, L"2"); Click(p, IDC_RULE_WEEKDAY_FIRST + 3); }
void MonthlyByDate(HWND p) { Type(p, IDC_RULE_MONTHLY_N, L"2"); Type(p, IDC_RULE_MONTHLY_DAY, L"15"); }
void MonthlyLastWeekend(HWND p)
{
    Click(p, IDC_RULE_MONTHLY_BY_NTH);
    ChooseComboItem(p, IDC_RULE_MONTHLY_INSTANCE, 4);
    ChooseComboItem(p, IDC_RULE_MONTHLY_DAY_KIND, 2);
}
void MonthlyEveryDay(HWND p)
{
    Click(p, IDC_RULE_MONTHLY_BY_NTH);
    ChooseComboItem(p, IDC_RULE_MONTHLY_INSTANCE, 0);
    ChooseComboItem(p, IDC_RULE_MONTHLY_DAY_KIND, 0);
}
void MonthlyWeekday(HWND p)
{
    Click(p, IDC_RULE_MONTHLY_BY_NTH);
    ChooseComboItem(p, IDC_RULE_MONTHLY_INSTANCE, 1);
    ChooseComboItem(p, IDC_RULE_MONTHLY_DAY_KIND, 1);
}
void YearlyFeb29(HWND p) { ChooseComboItem(p, IDC_RULE_YEARLY_MONTH, 1); Type(p, IDC_RULE_YEARLY_DAY, L"29"); }
void YearlyFourthThursday(HWND p)
{
    Click(p, IDC_RULE_YEARLY_BY_NTH);
    ChooseComboItem(p, IDC_RULE_YEARLY_NTH_MONTH, 10);
    ChooseComboItem(p, IDC_RULE_YEARLY_INSTANCE, 3);
    ChooseComboItem(p, IDC_RULE_YEARLY_DAY_KIND, 7);
}

const PageInput kInputs[] = {
    {"daily every 3", IDC_RULE_TAB_DAILY, DialogWith(IDC_RULE_DAILY_N), DailyEvery3, IDC_RULE_RANGE_NO_END,
     olRecursDaily, 3, 0, 0, 0, 0, 0, nullptr},
    {"every weekday", IDC_RULE_TAB_DAILY, DialogWith(IDC_RULE_DAILY_N), DailyWeekdays, IDC_RULE_RANGE_NO_END,
     olRecursWeekly, 0, 62, 0, 0, 0, 0, nullptr},
    {"weekly mon wed", 0, DialogWith(IDC_RULE_WEEKLY_N), WeeklyMonWed, IDC_RULE_RANGE_COUNT, olRecursWeekly, 2, 10,
     0, 0, 0, 5, nullptr},
    {"monthly by date", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyByDate,
     IDC_RULE_RANGE_END_DATE, olRecursMonthly, 2, 0, 15, 0, 0, 0, L"2024-06-30"},
    {"monthly last weekend day", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyLastWeekend,
     IDC_RULE_RANGE_NO_END, olRecursMonthNth, 1, 65, 0, 0, 5, 0, nullptr},
    {"monthly first day", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyEveryDay,
     IDC_RULE_RANGE_NO_END, olRecursMonthNth, 1, 127, 0, 0, 1, 0, nullptr},
    {"monthly second weekday", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyWeekday,
     IDC_RULE_RANGE_NO_END, olRecursMonthNth, 1, 62, 0, 0, 2, 0, nullptr},
    {"yearly 29 February", IDC_RULE_TAB_YEARLY, DialogWith(IDC_RULE_YEARLY_DAY), YearlyFeb29, IDC_RULE_RANGE_NO_END,
     olRecursYearly, 0, 0, 29, 2, 0, 0, nullptr},
    {"yearly fourth thursday of november", IDC_RULE_TAB_YEARLY, DialogWith(IDC_RULE_YEARLY_DAY),
     YearlyFourthThursday, IDC_RULE_RANGE_NO_END, olRecursYearNth, 0, 16, 0, 11, 4, 0, nullptr},
};

using WizardTest = EditorsTest;


TEST_F(WizardTest, EachSingleDayKindIsItsWeekdaysMask)
{
    for (int kind = 3; kind <= 9; ++kind) {
        SCOPED_TRACE(kind);
        Restart();
        Driver driver;
        driver
            .Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
                  [](HWND dialog) {
                      SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
                      Type(dialog, IDC_SCHEDULE_TITLE, L"요일");
                      ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
                  })
            .Then("tab", DialogWith(IDC_RULE_WEEKLY_N), [](HWND page) { Click(page, IDC_RULE_TAB_MONTHLY); })
            .Then("nth", DialogWith(IDC_RULE_MONTHLY_N),
                  [kind](HWND page) {
                      Click(page, IDC_RULE_MONTHLY_BY_NTH);
                      ChooseComboItem(page, IDC_RULE_MONTHLY_INSTANCE, 2);
                      ChooseComboItem(page, IDC_RULE_MONTHLY_DAY_KIND, kind);
                      Click(page, IDC_RULE_NEXT);
                  })
            .Then("finish", DialogWith(IDC_RULE_FINISH), [](HWND page) { Click(page, IDC_RULE_FINISH); })
            .Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_OK); });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
        StoredAppointment read = ReadAppointment(OnlyAppointment());
        EXPECT_EQ(read.type, olRecursMonthNth);
        EXPECT_EQ(read.instance, 3);
        EXPECT_EQ(read.mask, 1L << (kind - 3));
    }
}

TEST_F(WizardTest, CancelKeepsWhatThePagesStored)
{
    Driver driver;
    driver
        .Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
              [](HWND dialog) {
                  SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
                  ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
              })
        .Then("type", DialogWith(IDC_RULE_WEEKLY_N),
              [](HWND page) {
                  Type(page, IDC_RULE_WEEKLY_N, L"3");
                  Click(page, IDC_RULE_WEEKDAY_FIRST + 5);
                  Click(page, IDC_RULE_NEXT);
              })
        .Then("cancel the range", DialogWith(IDC_RULE_FINISH),
              [](HWND page) { PostMessageW(page, WM_COMMAND, IDCANCEL, 0); })
        .CancelDialogWith(IDC_SCHEDULE_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(std::wstring(RecurrencePatternState.WeeklyN), L"3");
    EXPECT_EQ(RecurrencePatternState.WeekdayFlags[1], 1);
    EXPECT_EQ(RecurrencePatternState.WeekdayFlags[5], 1);
    EXPECT_EQ(RecurrencePatternState.PageType, kPageWeekly);
    EXPECT_EQ(AppointmentCount(), 0);
}

TEST_F(WizardTest, PageInputsBecomeTheSavedPattern)
{
    for (const PageInput& c : kInputs) {
        SCOPED_TRACE(c.name);
        Restart();
        Driver driver;
        driver.Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
            SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
            Type(dialog, IDC_SCHEDULE_TITLE, L"규칙");
            ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
        });
        if (c.tab)
            driver.Then("tab", DialogWith(IDC_RULE_WEEKLY_N), [&](HWND page) { Click(page, c.tab); });
        driver
            .Then("fill", c.page,
                  [&](HWND page) {
                      c.fill(page);
                      Click(page, IDC_RULE_NEXT);
                  })
            .Then("range", DialogWith(IDC_RULE_FINISH),
                  [&](HWND page) {
                      Click(page, c.rangeMode);
                      if (c.rangeMode == IDC_RULE_RANGE_END_DATE)
                          SetPickerDate(page, IDC_RULE_RANGE_END, 2024, 6, 30);
                      if (c.rangeMode == IDC_RULE_RANGE_COUNT)
                          Type(page, IDC_RULE_RANGE_COUNT_TEXT, L"5");
                      Click(page, IDC_RULE_FINISH);
                  })
            .Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_OK); });
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
        CEOID oid = OnlyAppointment();
        ASSERT_NE(oid, 0u);
        StoredAppointment read = ReadAppointment(oid);
        EXPECT_EQ(read.type, c.type);
        if (c.interval) {
            EXPECT_EQ(read.interval, c.interval);
        }
        if (c.mask) {
            EXPECT_EQ(read.mask, c.mask);
        }
        if (c.dayOfMonth) {
            EXPECT_EQ(read.dayOfMonth, c.dayOfMonth);
        }
        if (c.monthOfYear) {
            EXPECT_EQ(read.monthOfYear, c.monthOfYear);
        }
        if (c.instance) {
            EXPECT_EQ(read.instance, c.instance);
        }
        EXPECT_EQ(read.noEnd, c.rangeMode == IDC_RULE_RANGE_NO_END);
        if (c.occurrences) {
            EXPECT_EQ(read.occurrences, c.occurrences);
        }
        if (c.patternEnd) {
            EXPECT_EQ(read.patternEnd, c.patternEnd);
        }
        EXPECT_EQ(read.patternStart, L"2024-03-04");
    }
}

struct CheckCase {
    const char* name;
    int tab;
    Match page;
    void (*fill)(HWND page);
    const wchar_t* text;  // empty: accepted
};
void WeeklyZero(HWND p) { Type(p, IDC_RULE_WEEKLY_N, L"0"); }
void YearlyFeb30(HWND p) { ChooseComboItem(p, IDC_RULE_YEARLY_MONTH, 1); Type(p, IDC_RULE_YEARLY_DAY, L"30"); }
void YearlyApril31(HWND p) { ChooseComboItem(p, IDC_RULE_YEARLY_MONTH, 3); Type(p, IDC_RULE_YEARLY_DAY, L"31"); }
void MonthlyDay31(HWND p) { Type(p, IDC_RULE_MONTHLY_DAY, L"31"); }
void MonthlyNthBlank(HWND p) { Type(p, IDC_RULE_MONTHLY_NTH_N, L""); }
void DailyLetters(HWND p) { Type(p, IDC_RULE_DAILY_N, L"x"); }

const CheckCase kChecks[] = {
    {"weekly 0", 0, DialogWith(IDC_RULE_WEEKLY_N), WeeklyZero, L"이 필드에는 양의 정수를 입력해야 합니다"},
    {"daily letters", IDC_RULE_TAB_DAILY, DialogWith(IDC_RULE_DAILY_N), DailyLetters,
     L"이 필드에는 양의 정수를 입력해야 합니다"},
    {"unused nth box checked too", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyNthBlank,
     L"이 필드에는 양의 정수를 입력해야 합니다"},
    {"30 February", IDC_RULE_TAB_YEARLY, DialogWith(IDC_RULE_YEARLY_DAY), YearlyFeb30, L"날짜 자료가 올바르지 않습니다"},
    {"31 April", IDC_RULE_TAB_YEARLY, DialogWith(IDC_RULE_YEARLY_DAY), YearlyApril31, L"날짜 자료가 올바르지 않습니다"},
    {"monthly 31", IDC_RULE_TAB_MONTHLY, DialogWith(IDC_RULE_MONTHLY_N), MonthlyDay31, L""},
};

TEST_F(WizardTest, NextChecksEveryFieldOfThePage)
{
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        Restart();
        boxwatch::SeenBox box;
        bool rangeOpened = false;
        Driver driver;
        driver.Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
                    [](HWND dialog) { ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4); });
        if (c.tab)
            driver.Then("tab", DialogWith(IDC_RULE_WEEKLY_N), [&](HWND page) { Click(page, c.tab); });
        driver.Then("fill", c.page, [&](HWND page) {
            c.fill(page);
            Click(page, IDC_RULE_NEXT);
        });
        if (c.text[0])
            driver.AnswerBox(&box).Then("cancel the page", c.page,
                                        [](HWND page) { PostMessageW(page, WM_COMMAND, IDCANCEL, 0); });
        else
            driver.Then("range", DialogWith(IDC_RULE_FINISH), [&](HWND page) {
                rangeOpened = true;
                PostMessageW(page, WM_COMMAND, IDCANCEL, 0);
            });
        driver.CancelDialogWith(IDC_SCHEDULE_TITLE);
        ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
        EXPECT_EQ(box.text, c.text);
        if (c.text[0]) {
            EXPECT_EQ(box.caption, L"알림");
        }
        EXPECT_EQ(rangeOpened, c.text[0] == L'\0');
        EXPECT_EQ(AppointmentCount(), 0);  // the editor's cancel saves nothing
    }
}

TEST_F(WizardTest, TheLastChosenWeekdayStays)
{
    boxwatch::SeenBox box;
    int32_t monday = 0;
    Driver driver;
    driver
        .Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
              [](HWND dialog) {
                  SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
                  ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
              })
        .Then("clear monday", DialogWith(IDC_RULE_WEEKLY_N),
              [](HWND page) { Click(page, IDC_RULE_WEEKDAY_FIRST + 1); })
        .AnswerBox(&box)
        .Then("read", DialogWith(IDC_RULE_WEEKLY_N),
              [&](HWND page) {
                  monday = IsDlgButtonChecked(page, IDC_RULE_WEEKDAY_FIRST + 1);
                  PostMessageW(page, WM_COMMAND, IDCANCEL, 0);
              })
        .CancelDialogWith(IDC_SCHEDULE_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(box.text, L"적어도 하루 이상은 선택해야 합니다");
    EXPECT_EQ(monday, BST_CHECKED);
    EXPECT_EQ(RecurrencePatternState.WeekdayFlags[1], 1);
}

TEST_F(WizardTest, ThirtyTabSwitchesThenFinishStoresTheLastPage)
{
    const int tabs[] = {IDC_RULE_TAB_DAILY, IDC_RULE_TAB_MONTHLY, IDC_RULE_TAB_YEARLY};
    HWND focus = nullptr;
    HWND list = nullptr;
    Driver driver;
    driver.Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) {
        SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 3, 4);
        Type(dialog, IDC_SCHEDULE_TITLE, L"많이");
        ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
    });
    for (int i = 0; i < 30; ++i) {
        int tab = tabs[i % 3];
        // Posted, as a tap reaches the page: each page runs the next from
        // its own loop.
        driver.Then("tab", DialogWith(IDC_RULE_TAB_DAILY), [tab](HWND page) {
            PostMessageW(page, WM_COMMAND, MAKEWPARAM(tab, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, tab)));
        });
    }
    // The 30th switch went to the yearly page.
    driver
        .Then("yearly", DialogWith(IDC_RULE_YEARLY_DAY),
              [](HWND page) {
                  Type(page, IDC_RULE_YEARLY_DAY, L"7");
                  Click(page, IDC_RULE_NEXT);
              })
        .Then("finish", DialogWith(IDC_RULE_FINISH), [](HWND page) { Click(page, IDC_RULE_FINISH); })
        .Then("save", DialogWith(IDC_SCHEDULE_TITLE), [&](HWND dialog) {
            testkit::PumpFor(50);
            focus = GetFocus();
            list = GetDlgItem(dialog, IDC_SCHEDULE_RECURRENCE);
            Click(dialog, IDC_EDITOR_OK);
        });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }, 30000));
    EXPECT_EQ(driver.missed.size(), 0u);
    EXPECT_TRUE(focus == list || GetParent(focus) == list);
    EXPECT_EQ(RecurrencePatternState.PageType, kPageYearly);
    StoredAppointment read = ReadAppointment(OnlyAppointment());
    EXPECT_EQ(read.type, olRecursYearly);
    EXPECT_EQ(read.dayOfMonth, 7);
    EXPECT_EQ(read.monthOfYear, 3);
}

TEST_F(WizardTest, ANewRuleLeftBeforeFinishStartsOnTheStartDate)
{
    Driver driver;
    driver
        .Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
              [](HWND dialog) {
                  SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 7, 10);
                  Type(dialog, IDC_SCHEDULE_TITLE, L"중간에");
                  ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
              })
        .Then("cancel the wizard", DialogWith(IDC_RULE_WEEKLY_N),
              [](HWND page) { PostMessageW(page, WM_COMMAND, IDCANCEL, 0); })
        .Then("save", DialogWith(IDC_SCHEDULE_TITLE), [](HWND dialog) { Click(dialog, IDC_EDITOR_OK); });
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    StoredAppointment read = ReadAppointment(OnlyAppointment());
    EXPECT_EQ(read.type, olRecursWeekly);
    EXPECT_EQ(read.mask, 8);  // the start's Wednesday
    EXPECT_EQ(read.patternStart, L"2024-07-10");
}

TEST_F(WizardTest, TheRangePageShowsAStoredEndAndLooksRight)
{
    RecurrenceRule& r = RecurrencePatternState;
    Driver driver;
    SYSTEMTIME end = {};
    driver
        .Then("custom rule", DialogWith(IDC_SCHEDULE_TITLE),
              [](HWND dialog) {
                  SetPickerDate(dialog, IDC_SCHEDULE_START_DATE, 2024, 1, 31);
                  ChooseComboItem(dialog, IDC_SCHEDULE_RECURRENCE, 4);
              })
        .Then("weekly page", DialogWith(IDC_RULE_WEEKLY_N),
              [](HWND page) {
                  EXPECT_TRUE(IsControlEnabled(page, IDC_RULE_WEEKLY_N));
                  EXPECT_EQ(ControlText(page, IDC_RULE_WEEKLY_N), L"1");
                  Click(page, IDC_RULE_WEEKDAY_FIRST + 5);
                  testkit::PumpFor(150);
                  testkit::SaveScreenshot(testkit::CaptureScreen(), L"wizard_weekly_241");
                  Click(page, IDC_RULE_NEXT);
              })
        .Then("range", DialogWith(IDC_RULE_FINISH),
              [&](HWND page) {
                  end = PickerValue(page, IDC_RULE_RANGE_END);
                  testkit::PumpFor(150);
                  testkit::SaveScreenshot(testkit::CaptureScreen(), L"wizard_range_239");
                  Click(page, IDC_RULE_RANGE_END_DATE);
                  SetPickerDate(page, IDC_RULE_RANGE_END, 2024, 12, 24);
                  Click(page, IDC_RULE_FINISH);
              })
        .CancelDialogWith(IDC_SCHEDULE_TITLE);
    ExpectRan(driver, driver.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(end.wYear, 2024);
    EXPECT_EQ(end.wMonth, 4);
    EXPECT_EQ(end.wDay, 3);
    EXPECT_EQ(std::wstring(r.RangeEnd), L"2024-12-24");
    EXPECT_EQ(std::wstring(r.RangeStart), L"2024-01-31");

    // Opened again on a rule that ends on a date, that date is shown.
    SYSTEMTIME shown = {};
    Driver again;
    again
        .Then("range page", DialogWith(IDC_SCHEDULE_TITLE),
              [&](HWND owner) {
                  r.PageType = kPageWeekly;
                  r.RangeEndDate = 1;
                  StringCchCopyW(r.RangeEnd, ARRAYSIZE(r.RangeEnd), L"2024-12-24");
                  RunRulePage(owner, IDD_RULE_RANGE);
              })
        .Then("read", DialogWith(IDC_RULE_FINISH),
              [&](HWND page) {
                  shown = PickerValue(page, IDC_RULE_RANGE_END);
                  PostMessageW(page, WM_COMMAND, IDCANCEL, 0);
              })
        .CancelDialogWith(IDC_SCHEDULE_TITLE);
    ExpectRan(again, again.Run([] { RunEditor(IDD_SCHEDULE_EDITOR, kEditInsert); }));
    EXPECT_EQ(shown.wMonth, 12);
    EXPECT_EQ(shown.wDay, 24);
}

}  // namespace
}  // namespace editorstest
