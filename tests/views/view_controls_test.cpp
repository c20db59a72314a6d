// The controls of the running main window, read back as tables of visible
// controls: after start-up, in each view, with the contact card on each
// panel and in the three detail layouts; and how the controls were made.
#include "lists/task_row_painter.h"
#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "mainwindow/view_switch.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <algorithm>
#include <cwchar>
#include <tuple>

namespace views {
namespace {

using Places = std::vector<ControlPlace>;

const wchar_t kButton[] = L"Button";
const wchar_t kEdit[] = L"Edit";
const wchar_t kStatic[] = L"Static";
const wchar_t kCombo[] = L"ComboBox";
const wchar_t kList[] = L"SysListView32";
const wchar_t kInk[] = L"RichInk";

Places Join(std::initializer_list<Places> parts)
{
    Places all;
    for (const Places& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    std::sort(all.begin(), all.end());
    return all;
}

Places IndexBar(int y)
{
    Places tabs = {{IDC_INDEX_TAB_FIRST, kButton, 1, y, 28, 16}};
    for (int k = 0; k < 14; ++k)
        tabs.push_back({IDC_INDEX_TAB_FIRST + 1 + k, kButton, 28 + 13 * k, y, 14, 16});
    tabs.push_back({IDC_INDEX_TAB_LAST, kButton, 210, y, 29, 16});
    return tabs;
}

const Places kColumnButtons = {
    {IDC_CONTACT_COLUMN_NAME, kButton, 1, 17, 51, 16},
    {IDC_CONTACT_COLUMN_MOBILE, kButton, 52, 17, 89, 16},
    {IDC_CONTACT_COLUMN_OFFICE, kButton, 141, 17, 98, 16},
};

// The contact view as the paint lays it out with the input panel down.
Places ContactViewShown()
{
    return Join({kColumnButtons, IndexBar(203),
                 {{0, kList, 3, 34, 234, 168},
                  {IDC_CONTACT_LIST_FRAME, kEdit, 2, 33, 236, 170},
                  {IDC_SEARCH_ROW_FRAME, kEdit, 2, 219, 236, 24},
                  {IDC_SEARCH_FIELD_COMBO, kCombo, 29, 221, 80, kAnyHeight},
                  {IDC_SEARCH_BOX, kEdit, 114, 221, 100, 20}}});
}

Places KeypadViewShown()
{
    Places keys;
    const int columns[3] = {23, 94, 165};
    const int rows[4] = {166, 185, 204, 223};
    for (int k = 0; k < 9; ++k)
        keys.push_back({IDC_KEY_1 + k, kButton, columns[k % 3], rows[k / 3], 70, 18});
    keys.push_back({IDC_KEY_BACK, kButton, 23, 223, 70, 18});
    keys.push_back({IDC_KEY_0, kButton, 94, 223, 70, 18});
    keys.push_back({IDC_KEY_FIELD, kButton, 165, 223, 70, 18});
    return Join({kColumnButtons, keys,
                 {{0, kList, 3, 34, 234, 105},
                  {IDC_KEYPAD_FRAME, kEdit, 19, 141, 219, 102},
                  {IDC_KEYPAD_INNER_FRAME, kEdit, 20, 164, 218, 79},
                  {IDC_KEYPAD_FIELD_COMBO, kCombo, 36, 142, 80, kAnyHeight},
                  {IDC_KEYPAD_TEXT, kEdit, 121, 142, 100, 20},
                  {IDC_SEARCH_SIDE_SEARCH, kButton, 1, 140, 19, 35},
                  {IDC_SEARCH_SIDE_COMPANY, kButton, 1, 175, 19, 34},
                  {IDC_SEARCH_SIDE_GROUP, kButton, 1, 209, 19, 35}}});
}

Places PickView(int searchTab, int companyTab, int groupTab)
{
    return Join({kColumnButtons,
                 {{0, kList, 3, 34, 234, 105},
                  {0, kList, 19, 141, 219, 102},
                  {searchTab, kButton, 1, 140, 19, 35},
                  {companyTab, kButton, 1, 175, 19, 34},
                  {groupTab, kButton, 1, 209, 19, 35}}});
}

// The schedule day-name label the month grid shows: the current date's
// weekday.
int CurrentDayNameId()
{
    int year = 0, month = 0, day = 0;
    swscanf(CurrentDate, L"%4d-%2d-%2d", &year, &month, &day);
    SYSTEMTIME date = {};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    FILETIME time = {};
    SystemTimeToFileTime(&date, &time);
    FileTimeToSystemTime(&time, &date);
    return IDC_SCHEDULE_DAY_NAME_FIRST + date.wDayOfWeek;
}

// Once the month grid has painted, its date label is hidden and the day-name
// label of the current date shown.
Places ScheduleViewShown()
{
    Places headers;
    for (int i = 0; i < 7; ++i)
        headers.push_back({IDC_WEEKDAY_HEADER_FIRST + i, kEdit, 107 + 18 * i, 145, 20, 15});
    return Join({headers,
                 {{0, kList, 3, 34, 234, 105},
                  {IDC_SCHEDULE_HEADER_DATE, kButton, 1, 17, 106, 16},
                  {IDC_SCHEDULE_HEADER_TEXT, kButton, 107, 17, 132, 16},
                  {IDC_SCHEDULE_FRAME, kEdit, 19, 141, 219, 102},
                  {IDC_SCHEDULE_INNER_FRAME, kEdit, 20, 141, 217, 100},
                  {IDC_SCHEDULE_DAY_TAB, kButton, 1, 140, 19, 35},
                  {IDC_SCHEDULE_WEEK_TAB, kButton, 1, 175, 19, 34},
                  {IDC_SCHEDULE_MONTH_TAB, kButton, 1, 209, 19, 35},
                  {IDC_GRID_YEAR_LABEL, kEdit, 35, 159, 57, 16},
                  {IDC_GRID_MONTH_LABEL, kEdit, 45, 175, 37, 16},
                  {IDC_PREVIOUS_MONTH, kButton, 33, 177, 12, 12},
                  {IDC_NEXT_MONTH, kButton, 81, 177, 12, 12},
                  {IDC_MONTH_GRID, L"CalWindow", 108, 159, 128, 83},
                  {CurrentDayNameId(), kEdit, 20, 189, 87, 16},
                  {IDC_GRID_LUNAR_LABEL, kEdit, 20, 204, 87, 16}}});
}

Places AnniversaryViewShown()
{
    return {{0, kList, 3, 34, 234, 105},
            {IDC_ANNIVERSARY_SORT_TITLE, kButton, 1, 17, 128, 16},
            {IDC_ANNIVERSARY_SORT_DATE, kButton, 129, 17, 110, 16},
            {0, kList, 2, 141, 122, 102},
            {IDC_ANNIVERSARY_HEADER_FRAME, kEdit, 125, 141, 113, 102},
            {IDC_ANNIVERSARY_YEAR_LABEL, kEdit, 126, 165, 111, 16},
            {IDC_ANNIVERSARY_LUNAR_LABEL, kEdit, 126, 194, 111, 16},
            {IDC_ANNIVERSARY_AGE_LABEL, kEdit, 126, 211, 111, 16}};
}

Places TaskViewShown()
{
    return {{0, kList, 3, 34, 234, 105},
            {IDC_TASK_HEADER_TITLE, kButton, 1, 17, 148, 16},
            {IDC_TASK_HEADER_PERIOD, kButton, 149, 17, 90, 16},
            {0, kList, 2, 141, 117, 102},
            {0, kList, 120, 141, 118, 102}};
}

Places MemoViewShown()
{
    return {{0, kList, 3, 34, 234, 105},
            {IDC_MEMO_HEADER_TITLE, kButton, 1, 17, 106, 16},
            {IDC_MEMO_HEADER_DATE, kButton, 107, 17, 132, 16},
            {0, kList, 19, 141, 219, 102},
            {IDC_MEMO_SIDE_CATEGORY, kButton, 1, 140, 19, 52},
            {IDC_MEMO_SIDE_DATE, kButton, 1, 192, 19, 52}};
}

void Switch(int view)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + view, 0);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
}

TEST(ViewControlsAtStart, OnlyTheTabsIndexBarContactListAndContactsToolbarBeforeTheFirstView)
{
    // A damaged saved view: the start-up sends no view command.
    ASSERT_NE(StartMainWindow([](DiarySettings& s) { s.CurrentView = 9; }), nullptr);
    Places tabs = AlwaysShown(IDC_SEARCH_VIEW_TAB);
    tabs.push_back({IDC_COMPANY_VIEW_TAB, kButton, 40, 1, 40, 16});
    tabs.push_back({IDC_GROUP_VIEW_TAB, kButton, 40, 1, 40, 16});
    const Places expected = Join({tabs, kColumnButtons, IndexBar(228),
                                  {{0, kList, 3, 34, 234, 183}, {IDC_CONTACT_LIST_FRAME, kEdit, 2, 33, 236, 181}}});
    EXPECT_EQ(VisibleControls(), expected);
    EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{ContactsToolbar});
    StopMainWindow();
}

// The page style and zoom messages the Rich Ink panes get, as sent.
struct InkMessage {
    HWND ink;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<InkMessage> g_inkMessages;

LRESULT CALLBACK RecordInkMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && (sent->message == EM_SETPAGESTYLE || sent->message == EM_SETZOOMPERCENT))
        g_inkMessages.push_back({sent->hwnd, sent->message, sent->wParam, sent->lParam});
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(ViewControlsAtStart, TheDetailPanesInkGetsAPlainPageAtItsZoom)
{
    g_inkMessages.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordInkMessages, nullptr, GetCurrentThreadId());
    ASSERT_NE(StartMainWindow(), nullptr);
    UnhookWindowsHookEx(hook);
    std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> sent;
    for (const InkMessage& m : g_inkMessages)
        sent.emplace_back(m.ink, m.msg, m.wParam, m.lParam);
    const std::vector<std::tuple<HWND, UINT, WPARAM, LPARAM>> expected = {
        {DetailInk, EM_SETPAGESTYLE, 2, 0},      // 0x51F: plain page
        {DetailInk, EM_SETZOOMPERCENT, 0, 100},  // 0x522
        {MemoDetailInk, EM_SETZOOMPERCENT, 0, 200},
        {MemoDetailInk, EM_SETPAGESTYLE, 2, 0},
    };
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(GetDlgCtrlID(MemoDetailInk), IDC_MEMO_DETAIL_INK);
    EXPECT_TRUE(GetWindowLongW(DetailInk, GWL_STYLE) & WS_VSCROLL);
}

struct ViewCase {
    int view;
    const char* name;
    int subViewTab;
    Places (*shown)();
    HWND* toolbar;
};

TEST_F(ViewsTest, EachViewShowsItsControlsAndItsToolbar)
{
    const ViewCase cases[] = {
        {1, "keypad search", IDC_SEARCH_VIEW_TAB, KeypadViewShown, &ContactsToolbar},
        {2, "company", IDC_COMPANY_VIEW_TAB,
         [] { return PickView(IDC_COMPANY_SIDE_SEARCH, IDC_COMPANY_SIDE_COMPANY, IDC_COMPANY_SIDE_GROUP); },
         &ContactsToolbar},
        {3, "group", IDC_GROUP_VIEW_TAB,
         [] { return PickView(IDC_GROUP_SIDE_SEARCH, IDC_GROUP_SIDE_COMPANY, IDC_GROUP_SIDE_GROUP); },
         &ContactsToolbar},
        {0, "contacts", IDC_GROUP_VIEW_TAB, ContactViewShown, &ContactsToolbar},
        {4, "schedule", IDC_GROUP_VIEW_TAB, ScheduleViewShown, &ScheduleToolbar},
        {5, "anniversaries", IDC_GROUP_VIEW_TAB, AnniversaryViewShown, &AnniversaryToolbar},
        {6, "tasks", IDC_GROUP_VIEW_TAB, TaskViewShown, &TaskToolbar},
        {7, "memos", IDC_GROUP_VIEW_TAB, MemoViewShown, &MemoToolbar},
        {1, "keypad search again", IDC_SEARCH_VIEW_TAB, KeypadViewShown, &ContactsToolbar},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.name);
        Switch(c.view);
        EXPECT_EQ(CurrentView, c.view);
        EXPECT_EQ(VisibleControls(), Join({AlwaysShown(c.subViewTab), c.shown()}));
        EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{*c.toolbar});
    }
}

TEST_F(ViewsTest, TheSecondTabSlotShowsTheLastContactSubView)
{
    const struct {
        int view;
        char subView;
        HWND* shownTab;
    } steps[] = {{2, 'C', &CompanyViewTab}, {4, 'C', &CompanyViewTab}, {3, 'G', &GroupViewTab},
                 {0, 'G', &GroupViewTab},   {1, 'S', &SearchViewTab},   {7, 'S', &SearchViewTab}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "view " << step.view);
        Switch(step.view);
        EXPECT_EQ(ContactSubView, step.subView);
        for (HWND tab : {SearchViewTab, CompanyViewTab, GroupViewTab})
            EXPECT_EQ(testkit::IsShown(tab), tab == *step.shownTab);
    }
}

Places CardShown()
{
    return {{IDC_CARD_LABEL, kStatic, 2, 0, 236, 243},
            {IDC_CARD_PORTRAIT, kButton, 0, 0, 240, 150},
            {IDC_CARD_PORTRAIT, kEdit, 2, 153, 236, 90},
            {IDC_CARD_LABEL, kStatic, 25, 5, 213, 16},
            {IDC_CARD_LABEL, kStatic, 5, 22, 175, 14},
            {IDC_CARD_LABEL, kStatic, 5, 35, 233, 14},
            {IDC_CARD_LABEL, kStatic, 5, 48, 233, 14},
            {IDC_CARD_LABEL, kStatic, 22, 63, 216, 14},
            {IDC_CARD_DIAL_MOBILE, kButton, 7, 64, 13, 12},
            {IDC_CARD_LABEL, kStatic, 22, 76, 216, 14},
            {IDC_CARD_DIAL_MAIN, kButton, 7, 77, 13, 12},
            {IDC_CARD_LABEL, kStatic, 22, 89, 216, 14},
            {IDC_CARD_DIAL_HOME, kButton, 7, 90, 13, 12},
            {IDC_CARD_LABEL, kStatic, 22, 102, 216, 14},
            {IDC_CARD_LABEL, kStatic, 22, 115, 216, 14},
            {IDC_CARD_MAIL, kButton, 7, 116, 13, 12},
            {IDC_CARD_SCHEDULE_TAB, kButton, 1, 134, 40, 16},
            {IDC_CARD_TASK_TAB, kButton, 40, 134, 40, 16},
            {IDC_CARD_MEMO_TAB, kButton, 79, 134, 40, 16}};
}

TEST_F(ViewsTest, TheContactCardShowsEachPanelWithItsToolbar)
{
    const struct {
        int panel;
        Places shown;
        HWND* toolbar;
    } panels[] = {
        {0,
         {{IDC_CARD_LABEL, kStatic, 128, 134, 212, 14},
          {0, kList, 3, 167, 234, 75},
          {IDC_CARD_SCHEDULE_HEADER_DATE, kButton, 1, 150, 106, 16},
          {IDC_CARD_SCHEDULE_HEADER_TEXT, kButton, 107, 150, 132, 16}},
         &CardScheduleToolbar},
        {1,
         {{IDC_CARD_TASK_FILTER, kEdit, 120, 135, 60, 14},
          {IDC_CARD_TASK_SORT, kEdit, 180, 135, 60, 14},
          {0, kList, 3, 167, 234, 75},
          {IDC_CARD_TASK_HEADER_TITLE, kButton, 1, 150, 148, 16},
          {IDC_CARD_TASK_HEADER_PERIOD, kButton, 149, 150, 90, 16}},
         &CardTaskToolbar},
        {2,
         {{IDC_CARD_LABEL, kStatic, 128, 134, 212, 14},
          {0, kList, 3, 167, 234, 75},
          {IDC_CARD_MEMO_HEADER_TITLE, kButton, 1, 150, 106, 16},
          {IDC_CARD_MEMO_HEADER_DATE, kButton, 107, 150, 132, 16}},
         &CardMemoToolbar},
    };
    const Places contactView = Join({AlwaysShown(IDC_SEARCH_VIEW_TAB), ContactViewShown()});
    for (const auto& p : panels) {
        SCOPED_TRACE(testing::Message() << "panel " << p.panel);
        ContactCardPanel = p.panel;
        DetailMode[kScheduleDetail] = 'L';
        ShowContactCard();
        EXPECT_EQ(VisibleControls(), Join({contactView, CardShown(), p.shown}));
        EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{*p.toolbar});
        HideContactCard();
        DetailMode[kScheduleDetail] = 'M';
        ShowControl(ContactsToolbar, true);
        EXPECT_EQ(VisibleControls(), contactView);
    }
}

TEST_F(ViewsTest, TheThreeDetailLayouts)
{
    const Places panes = {{IDC_DETAIL_FRAME, kEdit, 2, 141, 236, 102},
                          {IDC_CARD_LABEL, kStatic, 8, 141, 190, 14},
                          {IDC_CARD_LABEL, kStatic, 8, 154, 190, 14},
                          {IDC_CARD_LABEL, kStatic, 8, 167, 220, 14},
                          {IDC_CARD_LABEL, kStatic, 2, 154, 1, 14}};
    const struct {
        const char* name;
        int view;
        void (*show)();
        void (*hide)();
        Places (*list)();
        Places detail;
        HWND* detailToolbar;
        HWND* listToolbar;
    } layouts[] = {
        {"schedule", 4, ShowScheduleDetail, HideScheduleDetail, ScheduleViewShown, panes, &ScheduleDetailToolbar,
         &ScheduleToolbar},
        {"task", 6, ShowTaskDetail, HideTaskDetail, TaskViewShown,
         Join({panes, {{IDC_DETAIL_INK, kInk, 3, 185, 234, 57}}}), &TaskDetailToolbar, &TaskToolbar},
        {"memo", 7, ShowMemoDetail, HideMemoDetail, MemoViewShown, {{IDC_MEMO_DETAIL_INK, kInk, 2, 141, 236, 102}},
         &MemoDetailToolbar, &MemoToolbar},
    };
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.name);
        Switch(l.view);
        const Places list = Join({AlwaysShown(IDC_SEARCH_VIEW_TAB), l.list()});
        l.show();
        EXPECT_EQ(VisibleControls(), Join({list, l.detail}));
        EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{*l.detailToolbar});
        l.hide();
        EXPECT_EQ(VisibleControls(), list);
        EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{*l.listToolbar});
    }
}

// True when `upper` lies above `lower` among the main window's children.
bool Above(HWND upper, HWND lower)
{
    for (HWND child = GetWindow(MainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == upper)
            return true;
        if (child == lower)
            return false;
    }
    return false;
}

TEST_F(ViewsTest, OverlappingSiblingsStackInCreationOrder)
{
    const struct {
        const char* what;
        HWND upper;
        HWND lower;
    } pairs[] = {
        {"memo detail ink over the detail frame", MemoDetailInk, DetailFrame},
        {"detail frame over the task pick lists", DetailFrame, TaskFilterPickList},
        {"detail frame over the schedule frame", DetailFrame, ScheduleFrame},
        {"detail button B over C", DetailButtonB, DetailButtonC},
        {"card panel label over the second", CardPanelLabel, CardPanelLabel2},
        {"card line over the portrait", CardLines[0], CardPortrait},
        {"card portrait over the background", CardPortrait, CardBackground},
        {"card portrait over the view tabs", CardPortrait, ContactViewTab},
        {"keypad key over the inner frame", KeypadKeys[0], KeypadInnerFrame},
        {"keypad inner frame over the frame", KeypadInnerFrame, KeypadFrame},
        {"month grid labels over the schedule frame", GridYearLabel, ScheduleInnerFrame},
        {"month grid over the schedule frame", MonthGridWindow, ScheduleInnerFrame},
        {"schedule inner frame over the frame", ScheduleInnerFrame, ScheduleFrame},
        {"search tab over company tab", SearchViewTab, CompanyViewTab},
        {"company tab over group tab", CompanyViewTab, GroupViewTab},
        {"contact tab over its right neighbour", ContactViewTab, SearchViewTab},
        {"index tab over its right neighbour", IndexBarButtons[3], IndexBarButtons[4]},
        {"contact list over its frame", ContactList, ContactListFrame},
    };
    for (const auto& p : pairs) {
        EXPECT_TRUE(p.upper && p.lower) << p.what;
        EXPECT_TRUE(Above(p.upper, p.lower)) << p.what;
    }
}

struct ListCase {
    const char* name;
    HWND* list;
    DWORD style;  // beyond report, single selection, no headers
    DWORD extended;
    std::vector<std::pair<std::wstring, int>> columns;
    HIMAGELIST* images;
};

std::vector<std::pair<std::wstring, int>> ReadColumns(HWND list)
{
    std::vector<std::pair<std::wstring, int>> columns;
    for (int i = 0;; ++i) {
        wchar_t text[32] = L"";
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 32;
        if (!ListView_GetColumn(list, i, &column))
            break;
        columns.push_back({text, column.cx});
    }
    return columns;
}

TEST_F(ViewsTest, ListsAreMadeWithTheirStylesColumnsAndImages)
{
    constexpr DWORD kMain = LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE;
    constexpr DWORD kShared = LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    // As the default list layout (name and phone kind) sets them.
    const std::vector<std::pair<std::wstring, int>> contactColumns = {{L"이름", 80}, {L"휴대폰", 115},
                                                                      {L"회사전화", 26}, {L"ID", 0}};
    const ListCase cases[] = {
        {"keypad result", &KeypadResultList, LVS_OWNERDATA, kMain, contactColumns, nullptr},
        {"company contacts", &CompanyContactList, LVS_OWNERDATA, kMain, contactColumns, nullptr},
        {"schedule", &ScheduleList, 0, kMain,
         {{L"일자", 75}, {L"내용", 146}, {L"ID", 0}, {L"NC_ID", 0}, {L"MEMO_ID", 0}}, nullptr},
        {"anniversaries", &AnniversaryList, 0, kMain,
         {{L"제목", 130}, {L"일자", 91}, {L"ID", 0}, {L"ILJA", 0}, {L"FGLUNAR", 0}}, nullptr},
        {"tasks", &TaskList, LVS_OWNERDRAWFIXED, kMain, {{L"제목", 159}, {L"일자", 62}, {L"ID", 0}}, nullptr},
        {"memos", &MemoList, 0, kMain, {{L"제목", 159}, {L"일자", 62}, {L"ID", 0}}, nullptr},
        {"card appointments", &CardScheduleList, 0, kMain, {{L"일자", 92}, {L"내용", 129}, {L"ID", 0}}, nullptr},
        {"card tasks", &CardTaskList, LVS_OWNERDRAWFIXED, kMain, {{L"일자", 92}, {L"내용", 131}, {L"ID", 0}},
         nullptr},
        {"card memos", &CardMemoList, 0, kMain, {{L"제목", 161}, {L"일자", 62}, {L"ID", 0}}, nullptr},
        {"companies", &CompanyPickList, kShared, 0, {{L"회사명", 201}}, &PickListImages},
        {"groups", &GroupPickList, kShared, 0, {{L"그룹명", 201}}, &PickListImages},
        {"anniversary kinds", &AnniversaryKindPickList, kShared, 0, {{L"구분", 120}}, &PickListImages},
        {"task filters", &TaskFilterPickList, kShared, 0, {{L"구분", 111}}, &PickListImages},
        {"task sort keys", &TaskSortPickList, LVS_SHAREIMAGELISTS, 0, {{L"구분", 117}}, &TaskSortImages},
        {"memo picks", &MemoPickList, kShared, 0, {{L"구분", 201}}, &PickListImages},
    };
    constexpr DWORD kBase = LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
    constexpr DWORD kCompared = kBase | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND list = *c.list;
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(list, GWL_STYLE)) & kCompared, kBase | c.style);
        EXPECT_EQ(ListView_GetExtendedListViewStyle(list) & kMain, c.extended);
        EXPECT_EQ(ReadColumns(list), c.columns);
        if (list == TaskList || list == CardTaskList) {
            // Each task list's own spacer of one blank column sets its row height.
            HIMAGELIST spacer = ListView_GetImageList(list, LVSIL_SMALL);
            int width = 0, height = 0;
            ASSERT_TRUE(spacer && ImageList_GetIconSize(spacer, &width, &height));
            EXPECT_EQ(width, 1);
            EXPECT_EQ(height, kTaskRowHeight - 1);
            continue;
        }
        EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL), c.images ? *c.images : nullptr);
    }
    // The task rows' marks: four images, kept apart from the list.
    ASSERT_NE(TaskRowImages, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(TaskRowImages), 4);
    EXPECT_EQ(ImageList_GetImageCount(PickListImages), 1);
    EXPECT_EQ(ImageList_GetImageCount(TaskSortImages), 2);
}

TEST_F(ViewsTest, LabelsFramesAndTheSearchRowAreMadeAsGiven)
{
    const struct {
        HWND* control;
        DWORD style;  // the edit bits and the border
        const wchar_t* text;
    } cases[] = {
        {&GridDateLabel, ES_CENTER | ES_MULTILINE, L""},
        {&RangeStartLabel, ES_CENTER | ES_RIGHT | ES_UPPERCASE, CurrentDate},
        {&RangeEndLabel, ES_CENTER | ES_RIGHT | ES_UPPERCASE, CurrentDate},
        {&CardTaskFilterHeading, ES_RIGHT | ES_MULTILINE, L"모든▽"},
        {&CardTaskSortHeading, ES_RIGHT | ES_MULTILINE, L"우선순위▽"},
        {&DetailTextBox, ES_WANTRETURN | ES_MULTILINE, L""},
        {&ContactListFrame, 0, L""},
    };
    constexpr DWORD kCompared = ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_UPPERCASE | ES_WANTRETURN | ES_READONLY;
    for (const auto& c : cases) {
        SCOPED_TRACE(GetDlgCtrlID(*c.control));
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(*c.control, GWL_STYLE)) & kCompared, c.style)
            << "labels stay writable, so that they keep their edit colours";
        EXPECT_EQ(testkit::WindowText(*c.control), c.text);
    }
    const std::vector<std::wstring> fields = {L"통합검색", L"이름", L"회사", L"전화"};
    EXPECT_EQ(testkit::ComboItems(ContactSearchFieldCombo), fields);
    EXPECT_EQ(testkit::ComboItems(KeypadFieldCombo), fields);
}

TEST(ViewControlsAtStart, WeekdayHeadersFollowTheWeekStartAndTheSearchFieldsTheSettings)
{
    const struct {
        int weekStart;
        const wchar_t* first;
        const wchar_t* last;
        int keypadField, contactField;
        char keypadLetter, contactLetter;
    } cases[] = {{1, L" 월", L" 일", 2, 3, 'C', 'T'}, {0, L" 일", L" 토", 0, 1, 'S', 'N'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "week start " << c.weekStart);
        ASSERT_NE(StartMainWindow([&](DiarySettings& s) {
                      s.WeekStart = c.weekStart;
                      s.KeypadSearchField = c.keypadField;
                      s.ContactSearchField = c.contactField;
                  }),
                  nullptr);
        EXPECT_EQ(testkit::WindowText(WeekdayHeaderWindows[0]), c.first);
        EXPECT_EQ(testkit::WindowText(WeekdayHeaderWindows[6]), c.last);
        EXPECT_EQ(testkit::ComboSelection(KeypadFieldCombo), c.keypadField);
        EXPECT_EQ(testkit::ComboSelection(ContactSearchFieldCombo), c.contactField);
        EXPECT_EQ(KeypadSearchField, c.keypadLetter);
        EXPECT_EQ(ContactSearchField, c.contactLetter);
    }
    StopMainWindow();
}

// The contact view follows the input panel: its list shortens and the
// search row with its button rises above the panel.
TEST_F(ViewsTest, TheContactViewLaysItselfOutByTheInputPanel)
{
    const Places panelUp = Join({kColumnButtons, IndexBar(203),
                                 {{0, kList, 3, 34, 234, 128},
                                  {IDC_CONTACT_LIST_FRAME, kEdit, 2, 33, 236, 130},
                                  {IDC_SEARCH_ROW_FRAME, kEdit, 2, 164, 236, 24},
                                  {IDC_SEARCH_FIELD_COMBO, kCombo, 14, 166, 80, kAnyHeight},
                                  {IDC_SEARCH_BOX, kEdit, 99, 166, 100, 20},
                                  {IDC_SEARCH_BUTTON, kButton, 205, 166, 20, 20}}});
    SipShowIM(SIPF_ON);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    EXPECT_EQ(VisibleControls(), Join({AlwaysShown(IDC_SEARCH_VIEW_TAB), panelUp}));
    EXPECT_EQ(GetFocus(), ContactSearchBox);
    testkit::PumpFor(300);
    testkit::SaveScreenshot(testkit::CaptureScreen(), L"view-0-panel-up");

    SipShowIM(SIPF_OFF);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    EXPECT_EQ(VisibleControls(), Join({AlwaysShown(IDC_SEARCH_VIEW_TAB), ContactViewShown()}));
    EXPECT_EQ(GetFocus(), ContactList);

    // The Samsung panels leave the focus where it is.
    SamsungSipFlag = 1;
    SetFocus(MainWindow);
    InvalidateRect(MainWindow, nullptr, TRUE);
    UpdateWindow(MainWindow);
    EXPECT_EQ(GetFocus(), MainWindow);
    SamsungSipFlag = 0;

    // In another view, or with a detail open, the paint moves nothing.
    for (auto [view, mode] : {std::pair{4, 'M'}, std::pair{0, 'V'}}) {
        Switch(view);
        DetailMode[kTaskDetail] = mode;
        SipShowIM(SIPF_ON);
        UpdateWindow(MainWindow);
        testkit::PumpPending();
        EXPECT_EQ(testkit::ClientRectOf(ContactList).bottom, 168) << "view " << view;
        EXPECT_FALSE(testkit::IsShown(SearchBoxButton));
        SipShowIM(SIPF_OFF);
        DetailMode[kTaskDetail] = 'M';
    }
}

}  // namespace
}  // namespace views
