// The commands of the main window's own controls: the keypad search, the
// month stepping, the index bar and search box, the sort buttons and side
// tabs, the contact card's panel tabs, and the focus redirects.
#include "core/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <string>

namespace views {
namespace {

int g_keypadFilters = 0;
int g_initialFilters = 0;
std::vector<std::string> g_calls;
HWND g_owner = nullptr;

void Command(UINT id, UINT code = 0, HWND control = nullptr)
{
    SendMessageW(MainWindow, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

void Switch(int view)
{
    Command(IDC_CONTACT_VIEW_TAB + view);
    testkit::PumpPending();
}

class ControlCommandsTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        g_keypadFilters = g_initialFilters = 0;
        g_calls.clear();
        g_owner = nullptr;
        Hooks.FilterContactsByKeypad = [] { ++g_keypadFilters; };
        Hooks.FilterContactsByInitial = [] { ++g_initialFilters; };
    }
};

// ---- keypad ---------------------------------------------------------------------------

UINT Key(wchar_t digit)
{
    return digit == L'0' ? IDC_KEY_0 : IDC_KEY_1 + (digit - L'1');
}

struct KeypadCase {
    const char* what;
    const wchar_t* before;
    std::vector<UINT> keys;
    const wchar_t* after;
    int filters;
};

TEST_F(ControlCommandsTest, KeypadKeysTypeIntoTheKeypadText)
{
    const KeypadCase cases[] = {
        {"digits", L"", {Key('1'), Key('2'), Key('0')}, L"120", 3},
        {"back", L"735", {IDC_KEY_BACK}, L"73", 1},
        {"back on nothing only focuses", L"", {IDC_KEY_BACK}, L"", 0},
        {"back to empty", L"7", {IDC_KEY_BACK, IDC_KEY_BACK}, L"", 1},
        {"a 20th digit", L"1234567890123456789", {Key('5')}, L"12345678901234567895", 1},
        {"a 21st digit replaces the 20th", L"12345678901234567890", {Key('5')}, L"12345678901234567895", 1},
    };
    Switch(kContactSearchView);
    for (const KeypadCase& c : cases) {
        SCOPED_TRACE(c.what);
        SetWindowTextW(KeypadTextBox, c.before);
        ViewSelection[kContactSearchView] = 4;
        g_keypadFilters = 0;
        SetFocus(ContactList);
        for (UINT key : c.keys)
            Command(key);
        EXPECT_EQ(testkit::WindowText(KeypadTextBox), c.after);
        EXPECT_EQ(g_keypadFilters, c.filters);
        EXPECT_EQ(ViewSelection[kContactSearchView], c.filters ? 0 : 4);
        EXPECT_EQ(GetFocus(), KeypadResultList);
    }
}

TEST_F(ControlCommandsTest, TheFieldKeyStepsTheSearchFieldAndEmptiesTheText)
{
    Switch(kContactSearchView);
    SendMessageW(KeypadFieldCombo, CB_SETCURSEL, 0, 0);
    KeypadSearchField = 'S';
    for (char expected : {'N', 'C', 'T', 'S'}) {
        SetWindowTextW(KeypadTextBox, L"42");
        g_keypadFilters = 0;
        Command(IDC_KEY_FIELD);
        EXPECT_EQ(KeypadSearchField, expected);
        EXPECT_EQ(testkit::ComboSelection(KeypadFieldCombo), std::string("SNCT").find(expected));
        EXPECT_EQ(testkit::WindowText(KeypadTextBox), L"");
        EXPECT_EQ(g_keypadFilters, 1);
    }
    // With no entry chosen nothing changes but the refilter.
    SendMessageW(KeypadFieldCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(KeypadTextBox, L"42");
    g_keypadFilters = 0;
    Command(IDC_KEY_FIELD);
    EXPECT_EQ(KeypadSearchField, 'S');
    EXPECT_EQ(testkit::WindowText(KeypadTextBox), L"42");
    EXPECT_EQ(g_keypadFilters, 1);
    EXPECT_EQ(GetFocus(), KeypadResultList);

    // The combo box itself, on a selection change only.
    SendMessageW(KeypadFieldCombo, CB_SETCURSEL, 3, 0);
    Command(IDC_KEYPAD_FIELD_COMBO, CBN_DROPDOWN, KeypadFieldCombo);
    EXPECT_EQ(KeypadSearchField, 'S');
    Command(IDC_KEYPAD_FIELD_COMBO, CBN_SELCHANGE, KeypadFieldCombo);
    EXPECT_EQ(KeypadSearchField, 'T');
    EXPECT_EQ(testkit::WindowText(KeypadTextBox), L"");
}

// ---- month stepping ----------------------------------------------------------------------

struct MonthCase {
    const wchar_t* from;
    UINT button;
    const wchar_t* to;
};

TEST_F(ControlCommandsTest, MonthButtonsStepToDaySevenOfTheNextMonth)
{
    const MonthCase cases[] = {
        {L"2008-03-31", IDC_PREVIOUS_MONTH, L"2008-02-07"},
        {L"2007-12-15", IDC_NEXT_MONTH, L"2008-01-07"},
        {L"2008-01-20", IDC_PREVIOUS_MONTH, L"2007-12-07"},
        {L"2008-05-31", IDC_NEXT_MONTH, L"2008-06-07"},
        {L"2009-03-29", IDC_PREVIOUS_MONTH, L"2009-02-07"},
    };
    Switch(kScheduleView);
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.from)));
        wcscpy(CurrentDate, c.from);
        RecordItemCommands();
        Command(c.button);
        EXPECT_STREQ(CurrentDate, c.to);
        EXPECT_EQ(GetFocus(), ScheduleList);
    }
    for (const ModeCommand& m : kScheduleModeCommands) {
        ScheduleMode = m.mode;
        RecordItemCommands();
        Command(IDC_NEXT_MONTH);
        EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{m.command}) << m.mode;
    }
    // Whatever the date held, the step lands on day 7 of a real month.
    wcscpy(CurrentDate, L"garbage");
    Command(IDC_PREVIOUS_MONTH);
    int year = 0, month = 0, day = 0;
    EXPECT_EQ(swscanf(CurrentDate, L"%4d-%2d-%2d", &year, &month, &day), 3);
    EXPECT_TRUE(month >= 1 && month <= 12 && day == 7) << testing::PrintToString(std::wstring(CurrentDate));
}

// ---- index bar, search row ------------------------------------------------------------------

TEST_F(ControlCommandsTest, IndexTabsChooseTheirConsonantAndRefilter)
{
    for (int tab : {0, 7, 15, 1}) {
        ViewSelection[kContactView] = 9;
        g_initialFilters = 0;
        Command(IDC_INDEX_TAB_FIRST + tab);
        EXPECT_EQ(IndexTab, tab);
        EXPECT_EQ(ViewSelection[kContactView], 0);
        EXPECT_EQ(g_initialFilters, 1);
        EXPECT_EQ(GetFocus(), ContactList);
    }
}

TEST_F(ControlCommandsTest, TheSearchBoxTypesHangulAndFiltersAsItChanges)
{
    SipShowIM(SIPF_OFF);
    ViewSelection[kContactView] = 6;
    IndexTab = 3;
    SetWindowTextW(ContactSearchBox, L"홍길");
    SetFocus(ContactSearchBox);
    testkit::PumpPending();
    EXPECT_EQ(IndexTab, kIndexTabSearch);
    EXPECT_EQ(ViewSelection[kContactView], 0);
    EXPECT_GE(g_initialFilters, 1);
    HIMC context = ImmGetContext(ContactSearchBox);
    DWORD conversion = 0, sentence = 0;
    ImmGetConversionStatus(context, &conversion, &sentence);
    ImmReleaseContext(ContactSearchBox, context);
    EXPECT_EQ(conversion & IME_CMODE_HANGUL, static_cast<DWORD>(IME_CMODE_HANGUL));
    SIPINFO info = {};
    info.cbSize = 48;
    SipGetInfo(&info);
    EXPECT_TRUE(info.fdwFlags & SIPF_ON) << "the input panel comes up for the search";
    DWORD start = 0, end = 0;
    SendMessageW(ContactSearchBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u) << "the whole text is selected";

    g_initialFilters = 0;
    SetWindowTextW(ContactSearchBox, L"가나다라마바사아자차카타파하가나다라마바사");
    EXPECT_EQ(g_initialFilters, 1);
    EXPECT_STREQ(ContactSearchText, L"가나다라마바사아자차카타파하가나다라마") << "19 characters are read";

    Command(IDC_SEARCH_BUTTON);
    SipGetInfo(&info);
    EXPECT_FALSE(info.fdwFlags & SIPF_ON);
    EXPECT_EQ(GetFocus(), ContactList);

    SendMessageW(ContactSearchFieldCombo, CB_SETCURSEL, 2, 0);
    Command(IDC_SEARCH_FIELD_COMBO, CBN_SELCHANGE, ContactSearchFieldCombo);
    EXPECT_EQ(ContactSearchField, 'C');
    SetWindowTextW(ContactSearchBox, L"");
}

TEST_F(ControlCommandsTest, SamsungPanelsKeepTheInputPanelDownForTheSearchBox)
{
    SipShowIM(SIPF_OFF);
    for (BYTE* flag : {&SamsungImeFlag, &SamsungSipFlag}) {
        *flag = 1;
        Command(IDC_SEARCH_BOX, EN_SETFOCUS, ContactSearchBox);
        SIPINFO info = {};
        info.cbSize = 48;
        SipGetInfo(&info);
        EXPECT_FALSE(info.fdwFlags & SIPF_ON);
        *flag = 0;
    }
}

// ---- sorting, side tabs, card panels ----------------------------------------------------------

TEST_F(ControlCommandsTest, SortButtonsReloadOnlyWhenTheKeyChanges)
{
    struct SortCase {
        const char* what;
        int view;
        UINT title, date;
        char* key;
        void (*MainWindowHooks::*reload)();
        HWND* list;
    };
    const SortCase cases[] = {
        {"anniversaries", kAnniversaryView, IDC_ANNIVERSARY_SORT_TITLE, IDC_ANNIVERSARY_SORT_DATE,
         &AnniversarySortKey, &MainWindowHooks::LoadAnniversaryList, &AnniversaryList},
        {"memos", kMemoView, IDC_MEMO_HEADER_TITLE, IDC_MEMO_HEADER_DATE, &MemoSortKey,
         &MainWindowHooks::LoadMemoList, &MemoList},
        {"card memos", kContactView, IDC_CARD_MEMO_HEADER_TITLE, IDC_CARD_MEMO_HEADER_DATE, &MemoSortKey,
         &MainWindowHooks::LoadContactMemoList, &CardMemoList},
    };
    static int reloads = 0;
    for (const SortCase& c : cases) {
        SCOPED_TRACE(c.what);
        Switch(c.view);
        Hooks.*c.reload = [] { ++reloads; };
        *c.key = 'D';
        const struct {
            UINT button;
            char key;
            int reloads;
        } steps[] = {{c.title, 'T', 1}, {c.title, 'T', 0}, {c.date, 'D', 1}, {c.date, 'D', 0}};
        for (const auto& step : steps) {
            reloads = 0;
            Command(step.button);
            EXPECT_EQ(*c.key, step.key);
            EXPECT_EQ(reloads, step.reloads);
            EXPECT_EQ(GetFocus(), *c.list);
        }
    }
}

TEST_F(ControlCommandsTest, SideTabsSwitchSubViewsOrFocusTheirList)
{
    const struct {
        int from;
        UINT tab;
        int view;
        HWND* focus;
    } cases[] = {
        {1, IDC_SEARCH_SIDE_COMPANY, 2, &CompanyContactList}, {2, IDC_COMPANY_SIDE_GROUP, 3, &GroupContactList},
        {3, IDC_GROUP_SIDE_SEARCH, 1, &KeypadResultList},     {1, IDC_SEARCH_SIDE_GROUP, 3, &GroupContactList},
        {3, IDC_GROUP_SIDE_COMPANY, 2, &CompanyContactList},  {2, IDC_COMPANY_SIDE_SEARCH, 1, &KeypadResultList},
        {1, IDC_SEARCH_SIDE_SEARCH, 1, &KeypadResultList},    {2, IDC_COMPANY_SIDE_COMPANY, 2, &CompanyContactList},
        {3, IDC_GROUP_SIDE_GROUP, 3, &GroupContactList},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tab " << c.tab);
        Switch(c.from);
        SetFocus(ContactList);
        Command(c.tab);
        EXPECT_EQ(CurrentView, c.view);
        EXPECT_EQ(GetFocus(), *c.focus);
    }
}

TEST_F(ControlCommandsTest, ScheduleTabsAndCardButtonsSendTheirItemCommands)
{
    const std::pair<UINT, UINT> cases[] = {
        {IDC_SCHEDULE_DAY_TAB, ID_SCHEDULE_DAY_MODE},   {IDC_SCHEDULE_WEEK_TAB, ID_SCHEDULE_WEEK_MODE},
        {IDC_SCHEDULE_MONTH_TAB, ID_SCHEDULE_MONTH_MODE}, {IDC_CARD_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE},
        {IDC_CARD_DIAL_MAIN, ID_CONTACT_DIAL_MAIN},     {IDC_CARD_DIAL_HOME, ID_CONTACT_DIAL_HOME},
        {IDC_CARD_MAIL, ID_CONTACT_MAIL},
    };
    for (const auto& [control, item] : cases) {
        RecordItemCommands();
        Command(control);
        EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{item}) << "control " << control;
    }
}

TEST_F(ControlCommandsTest, MemoSideTabsPickByCategoryOrDate)
{
    Switch(kMemoView);
    Hooks.FillMemoCategoryPickList = [] { g_calls.push_back("FillMemoCategoryPickList"); };
    Hooks.LoadMemoList = [] { g_calls.push_back("LoadMemoList"); };
    for (auto [tab, byDate] : {std::pair{IDC_MEMO_SIDE_DATE, 1}, std::pair{IDC_MEMO_SIDE_CATEGORY, 0}}) {
        g_calls.clear();
        MemoPickRow = 3;
        Command(tab);
        EXPECT_EQ(MemoPickByDate, byDate);
        EXPECT_EQ(MemoPickRow, 0);
        EXPECT_EQ(g_calls, (std::vector<std::string>{"FillMemoCategoryPickList", "LoadMemoList"}));
        EXPECT_EQ(GetFocus(), MemoList);
    }
}

TEST_F(ControlCommandsTest, CardPanelTabsShowTheirPanelAndLoadItsList)
{
    Hooks.ForgetMonthSchedule = [] { g_calls.push_back("ForgetMonthSchedule"); };
    Hooks.LoadContactSchedule = [] { g_calls.push_back("LoadContactSchedule"); };
    Hooks.LoadContactTaskList = [] { g_calls.push_back("LoadContactTaskList"); };
    Hooks.LoadContactMemoList = [] { g_calls.push_back("LoadContactMemoList"); };
    const struct {
        UINT tab;
        int panel;
        std::vector<std::string> calls;
        HWND* list;
        HWND* toolbar;
        int staleView;
    } cases[] = {
        {IDC_CARD_TASK_TAB, 1, {"LoadContactTaskList"}, &CardTaskList, &CardTaskToolbar, kTaskView},
        {IDC_CARD_MEMO_TAB, 2, {"LoadContactMemoList"}, &CardMemoList, &CardMemoToolbar, kMemoView},
        // The card's appointments have a table of their own: the month's stays.
        {IDC_CARD_SCHEDULE_TAB, 0, {"LoadContactSchedule"}, &CardScheduleList,
         &CardScheduleToolbar, -1},
    };
    DetailMode[kScheduleDetail] = 'L';
    ContactCardPanel = 0;
    ShowContactCard();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "panel " << c.panel);
        g_calls.clear();
        CardPanelSelection[c.panel] = 5;
        for (BYTE& stale : ViewStale)
            stale = 0;
        wcscpy(ContactScheduleDate, L"");
        Command(c.tab);
        EXPECT_EQ(ContactCardPanel, c.panel);
        EXPECT_EQ(CardPanelSelection[c.panel], 0);
        EXPECT_EQ(g_calls, c.calls);
        EXPECT_EQ(GetFocus(), *c.list);
        EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{*c.toolbar});
        for (HWND list : {CardScheduleList, CardTaskList, CardMemoList})
            EXPECT_EQ(testkit::IsShown(list), list == *c.list);
        for (int v = 0; v < kViewCount; ++v)
            EXPECT_EQ(ViewStale[v], v == c.staleView ? 1 : 0) << "view " << v;
    }
    wchar_t today[11];
    GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, L"yyyy-MM-dd", today, 11);
    EXPECT_STREQ(ContactScheduleDate, today);
}

// ---- focus redirects -----------------------------------------------------------------------------

struct FocusCase {
    const char* what;
    int view;
    char modes[3];
    int panel;
    UINT id;
    UINT code;
    HWND* focus;
};

TEST_F(ControlCommandsTest, FramesLabelsAndButtonsHandTheFocusToTheList)
{
    const FocusCase cases[] = {
        {"keypad frame", 1, {'M', 'M', 'M'}, 0, IDC_KEYPAD_FRAME, EN_SETFOCUS, &KeypadResultList},
        {"keypad text", 1, {'M', 'M', 'M'}, 0, IDC_KEYPAD_TEXT, EN_SETFOCUS, &KeypadResultList},
        {"schedule frame", 4, {'M', 'M', 'M'}, 0, IDC_SCHEDULE_INNER_FRAME, EN_SETFOCUS, &ScheduleList},
        {"range label", 4, {'M', 'M', 'M'}, 0, IDC_RANGE_START_LABEL, EN_SETFOCUS, &ScheduleList},
        {"weekday header", 4, {'M', 'M', 'M'}, 0, IDC_WEEKDAY_HEADER_FIRST + 3, EN_SETFOCUS, &ScheduleList},
        {"schedule day name", 4, {'M', 'M', 'M'}, 0, IDC_SCHEDULE_DAY_NAME_FIRST + 6, EN_SETFOCUS, &ScheduleList},
        {"anniversary year", 5, {'M', 'M', 'M'}, 0, IDC_ANNIVERSARY_YEAR_LABEL, EN_SETFOCUS, &AnniversaryList},
        {"anniversary day name", 5, {'M', 'M', 'M'}, 0, IDC_ANNIVERSARY_DAY_NAME_FIRST, EN_SETFOCUS,
         &AnniversaryList},
        {"column button", 2, {'M', 'M', 'M'}, 0, IDC_CONTACT_COLUMN_MOBILE, BN_CLICKED, &CompanyContactList},
        {"task header", 6, {'M', 'M', 'M'}, 0, IDC_TASK_HEADER_PERIOD, BN_CLICKED, &TaskList},
        {"search row frame", 0, {'M', 'M', 'M'}, 0, IDC_SEARCH_ROW_FRAME, EN_KILLFOCUS, &ContactSearchBox},
        {"contact list frame", 0, {'M', 'M', 'M'}, 0, IDC_CONTACT_LIST_FRAME, EN_SETFOCUS, &ContactList},
        // The detail panes and buttons of the task view's detail focus the
        // task list, not the hidden lists of the card and the schedule.
        {"task detail frame", 6, {'M', 'V', 'M'}, 0, IDC_DETAIL_FRAME, EN_SETFOCUS, &TaskList},
        {"task detail ink", 6, {'M', 'V', 'M'}, 0, IDC_DETAIL_INK, EN_SETFOCUS, &TaskList},
        {"task detail button", 6, {'M', 'V', 'M'}, 0, IDC_DETAIL_BUTTON_A, BN_CLICKED, &TaskList},
        {"schedule detail button", 4, {'V', 'M', 'M'}, 0, IDC_DETAIL_BUTTON_B, BN_CLICKED, &ScheduleList},
        {"card note box on the task panel", 0, {'M', 'L', 'M'}, 1, IDC_CARD_PORTRAIT, EN_SETFOCUS, &CardTaskList},
        {"card note box on the appointments", 2, {'L', 'M', 'M'}, 0, IDC_CARD_PORTRAIT, EN_SETFOCUS,
         &CardScheduleList},
    };
    for (const FocusCase& c : cases) {
        SCOPED_TRACE(c.what);
        Switch(c.view);
        for (int i = 0; i < 3; ++i)
            DetailMode[i] = c.modes[i];
        ContactCardPanel = c.panel;
        SetFocus(MainWindow);
        Command(c.id, c.code);
        EXPECT_EQ(GetFocus(), *c.focus);
        for (char& mode : DetailMode)
            mode = 'M';
    }
    ContactCardPanel = 0;
}

TEST_F(ControlCommandsTest, OtherNotificationsOfFocusRedirectsAreIgnored)
{
    Switch(kContactSearchView);
    SetFocus(MainWindow);
    Command(IDC_KEYPAD_TEXT, EN_CHANGE, KeypadTextBox);
    Command(IDC_DETAIL_FRAME, EN_CHANGE, DetailFrame);
    Command(IDC_SCHEDULE_FRAME, EN_KILLFOCUS, ScheduleFrame);
    EXPECT_EQ(GetFocus(), MainWindow);
}

TEST_F(ControlCommandsTest, HeadingsOpenTheirMenusAndTheMonthLabelsTheGoToMonthDialog)
{
    Hooks.ShowTaskFilterMenu = [](HWND owner) {
        g_calls.push_back("filter menu");
        g_owner = owner;
    };
    Hooks.ShowTaskSortMenu = [](HWND owner) {
        g_calls.push_back("sort menu");
        g_owner = owner;
    };
    Hooks.RunGoToMonthDialog = [](HWND owner) {
        g_calls.push_back("go to month");
        g_owner = owner;
    };
    const struct {
        UINT id;
        const char* call;
        HWND* focus;
    } cases[] = {{IDC_CARD_TASK_FILTER, "filter menu", &CardTaskList},
                 {IDC_CARD_TASK_SORT, "sort menu", &CardTaskList},
                 {IDC_GRID_YEAR_LABEL, "go to month", &ScheduleList},
                 {IDC_GRID_MONTH_LABEL, "go to month", &ScheduleList}};
    for (const auto& c : cases) {
        g_calls.clear();
        g_owner = nullptr;
        Command(c.id, EN_UPDATE);
        EXPECT_TRUE(g_calls.empty()) << "only the focus opens it";
        Command(c.id, EN_SETFOCUS);
        EXPECT_EQ(g_calls, std::vector<std::string>{c.call});
        EXPECT_EQ(g_owner, MainWindow);
        EXPECT_EQ(GetFocus(), *c.focus);
    }
}

}  // namespace
}  // namespace views
