// The view switch on the running main window: reloads of stale views
// against kept ones, the details closed on the way in order, the one
// toolbar left shown, the input panel, and where the focus lands.
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_controls.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"
#include "tests/views/main_window_fixture.h"

#include <cwchar>
#include <string>

namespace views {
namespace {

// The hooks a view switch may run, each recording its name and the view's
// remembered row at the moment it ran.
std::vector<std::string> g_calls;
int g_rowAtCall = -1;

template <int N>
void Called()
{
    static const char* const kNames[] = {
        "FilterContactsByInitial", "FilterContactsByKeypad", "FilterContactsByCompany", "FilterContactsByGroup",
        "FillCompanyPickList",     "FillGroupPickList",      "FillAnniversaryKindPickList", "LoadAnniversaryList",
        "FillTaskFilterPickList",  "FillTaskSortPickList",   "LoadTaskList",            "FillMemoCategoryPickList",
        "LoadMemoList",            "ShowAnniversaryHeader",
    };
    g_calls.push_back(kNames[N]);
    g_rowAtCall = CurrentView >= 0 && CurrentView < kViewCount ? ViewSelection[CurrentView] : -1;
}

void RecordListHooks()
{
    g_calls.clear();
    g_rowAtCall = -1;
    Hooks.FilterContactsByInitial = Called<0>;
    Hooks.FilterContactsByKeypad = Called<1>;
    Hooks.FilterContactsByCompany = Called<2>;
    Hooks.FilterContactsByGroup = Called<3>;
    Hooks.FillCompanyPickList = Called<4>;
    Hooks.FillGroupPickList = Called<5>;
    Hooks.FillAnniversaryKindPickList = Called<6>;
    Hooks.LoadAnniversaryList = Called<7>;
    Hooks.FillTaskFilterPickList = Called<8>;
    Hooks.FillTaskSortPickList = Called<9>;
    Hooks.LoadTaskList = Called<10>;
    Hooks.FillMemoCategoryPickList = Called<11>;
    Hooks.LoadMemoList = Called<12>;
    Hooks.ShowAnniversaryHeader = Called<13>;
}

void Switch(int view)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + view, 0);
    testkit::PumpPending();
}

// Five rows, row `selected` selected and focused.
void FillList(HWND list, bool ownerData, int selected)
{
    ListView_DeleteAllItems(list);
    if (ownerData) {
        ListView_SetItemCountEx(list, 5, 0);
    } else {
        for (int i = 0; i < 5; ++i) {
            wchar_t text[8];
            _snwprintf(text, 8, L"row %d", i);
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = text;
            ListView_InsertItem(list, &item);
        }
    }
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<int> SelectedRows(HWND list)
{
    std::vector<int> rows;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        if (ListView_GetItemState(list, i, LVIS_SELECTED))
            rows.push_back(i);
    }
    return rows;
}

struct StaleCase {
    int view;
    HWND* list;
    bool ownerData;
    std::vector<std::string> reload;
    std::vector<std::string> keep;
};

TEST_F(ViewsTest, AStaleViewReloadsFromRowZeroAKeptOneSelectsItsRow)
{
    const StaleCase cases[] = {
        {0, &ContactList, true, {"FilterContactsByInitial"}, {"FilterContactsByInitial"}},
        {1, &KeypadResultList, true, {"FilterContactsByKeypad"}, {"FilterContactsByKeypad"}},
        {2, &CompanyContactList, true, {"FillCompanyPickList", "FilterContactsByCompany"}, {"FilterContactsByCompany"}},
        {3, &GroupContactList, true, {"FillGroupPickList", "FilterContactsByGroup"}, {"FilterContactsByGroup"}},
        {4, &ScheduleList, false, {}, {}},
        // Kept: the selected row's change shows its header, then the switch does.
        {5, &AnniversaryList, false, {"FillAnniversaryKindPickList", "LoadAnniversaryList", "ShowAnniversaryHeader"},
         {"ShowAnniversaryHeader", "ShowAnniversaryHeader"}},
        {6, &TaskList, false, {"FillTaskFilterPickList", "FillTaskSortPickList", "LoadTaskList"}, {}},
        {7, &MemoList, false, {"FillMemoCategoryPickList", "LoadMemoList"}, {}},
    };
    ScheduleMode = 'M';
    for (const StaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.view);
        const int other = c.view == 2 ? 3 : 2;

        // Kept: the list keeps its rows and selects the remembered one.
        Switch(other);
        FillList(*c.list, c.ownerData, 1);
        ViewSelection[c.view] = 3;
        ViewStale[c.view] = 0;
        RecordListHooks();
        RecordItemCommands();
        Switch(c.view);
        EXPECT_EQ(g_calls, c.keep);
        EXPECT_EQ(ListView_GetItemCount(*c.list), 5);
        EXPECT_EQ(SelectedRows(*c.list), std::vector<int>{3});
        EXPECT_TRUE(ListView_GetItemState(*c.list, 3, LVIS_FOCUSED));
        EXPECT_TRUE(ItemCommandsSeen().empty());

        // Stale: the row goes back to 0 before the reload, the flag clears.
        Switch(other);
        ViewSelection[c.view] = 3;
        ViewStale[c.view] = 1;
        RecordListHooks();
        RecordItemCommands();
        Switch(c.view);
        EXPECT_EQ(g_calls, c.reload);
        EXPECT_EQ(ViewSelection[c.view], 0);
        if (!c.reload.empty()) {
            EXPECT_EQ(g_rowAtCall, 0);
        }
        EXPECT_EQ(ViewStale[c.view], 0);
        if (c.view == kScheduleView) {
            EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{ID_SCHEDULE_MONTH_MODE}) << "by the schedule mode";
        }
    }
}

TEST_F(ViewsTest, TheScheduleViewRebuildsByItsModeOrShowsTheLastDayName)
{
    for (const ModeCommand& m : kScheduleModeCommands) {
        ScheduleMode = m.mode;
        ViewStale[kScheduleView] = 1;
        ShowControl(ScheduleDayNameLabels[2], true);
        RecordItemCommands();
        Switch(kScheduleView);
        EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{m.command}) << m.mode;
        EXPECT_FALSE(testkit::IsShown(ScheduleDayNameLabels[2])) << "a rebuild hides the day names";
        Switch(kContactView);
    }
    // The month grid, painting as the view shows, names the current date's
    // weekday too: a Thursday.
    wchar_t kept[kDateTextChars];
    wcscpy(kept, CurrentDate);
    wcscpy(CurrentDate, L"2007-03-01");
    ScheduleDayNameIndex = 4;
    ViewStale[kScheduleView] = 0;
    Switch(kScheduleView);
    for (int day = 0; day < kWeekDays; ++day)
        EXPECT_EQ(testkit::IsShown(ScheduleDayNameLabels[day]), day == 4) << "day " << day;
    Switch(kTaskView);
    EXPECT_FALSE(testkit::IsShown(ScheduleDayNameLabels[4]));
    ScheduleDayNameIndex = -1;
    wcscpy(CurrentDate, kept);
}

struct CloseCase {
    const char* what;
    int from;
    char modes[3];
    int to;
    std::vector<UINT> closes;
};

TEST_F(ViewsTest, OpenDetailsCloseInOrderOnTheWayIn)
{
    const CloseCase cases[] = {
        {"schedule detail to tasks", 4, {'V', 'M', 'M'}, 6, {ID_SCHEDULE_BACK}},
        {"card to the schedule", 0, {'L', 'M', 'M'}, 4, {ID_CONTACT_CARD_CLOSE}},
        {"card and details to memos", 0, {'M', 'L', 'V'}, 7, {ID_CONTACT_CARD_CLOSE, ID_MEMO_BACK}},
        {"every detail", 6, {'V', 'V', 'V'}, 5, {ID_SCHEDULE_BACK, ID_TASK_BACK, ID_MEMO_BACK}},
        {"card among the contact views", 0, {'L', 'M', 'M'}, 2, {}},
        {"card and a detail among the contact views", 1, {'M', 'L', 'V'}, 3, {ID_MEMO_BACK}},
        {"nothing open", 4, {'M', 'M', 'M'}, 6, {}},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        Switch(c.from);
        for (int i = 0; i < 3; ++i)
            DetailMode[i] = c.modes[i];
        RecordItemCommands();
        Switch(c.to);
        EXPECT_EQ(ItemCommandsSeen(), c.closes);
        for (char& mode : DetailMode)
            mode = 'M';
    }
}

// What the close commands do once their handlers are in: the layout goes
// back and its modes with it.
void CloseScheduleDetail(HWND, UINT)
{
    HideScheduleDetail();
    DetailMode[kScheduleDetail] = 'M';
}
void CloseContactCard(HWND, UINT)
{
    for (char& mode : DetailMode)
        mode = 'M';
    HideContactCard();
    ShowControl(ContactsToolbar, true);
}

TEST_F(ViewsTest, OnlyTheNewViewsToolbarStaysShown)
{
    RegisterItemCommand(ID_SCHEDULE_BACK, CloseScheduleDetail);
    RegisterItemCommand(ID_CONTACT_CARD_CLOSE, CloseContactCard);

    Switch(kScheduleView);
    DetailMode[kScheduleDetail] = 'V';
    ShowScheduleDetail();
    Switch(kTaskView);
    EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{TaskToolbar}) << "the schedule detail closed first";

    Switch(kContactView);
    ContactCardPanel = 1;
    DetailMode[kTaskDetail] = 'L';
    ShowContactCard();
    Switch(kCompanyView);
    EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{CardTaskToolbar}) << "the card stays open over the sub-view";
    Switch(kAnniversaryView);
    EXPECT_EQ(VisibleToolbars(), std::vector<HWND>{AnniversaryToolbar});
    EXPECT_FALSE(testkit::IsShown(CardPortrait));
    ContactCardPanel = 0;
}

TEST_F(ViewsTest, TheFocusEndsOnTheListOfTheNewView)
{
    const struct {
        int view;
        HWND* list;
    } cases[] = {{1, &KeypadResultList}, {2, &CompanyContactList}, {3, &GroupContactList}, {4, &ScheduleList},
                 {5, &AnniversaryList},  {6, &TaskList},           {7, &MemoList},          {0, &ContactList}};
    for (const auto& c : cases) {
        Switch(c.view);
        EXPECT_EQ(GetFocus(), *c.list) << "view " << c.view;
    }
    // With the card open over a contact view, its panel's list.
    ContactCardPanel = 2;
    DetailMode[kMemoDetail] = 'L';
    ShowContactCard();
    Switch(kGroupView);
    EXPECT_EQ(GetFocus(), CardMemoList);
    ContactCardPanel = 0;
}

TEST_F(ViewsTest, AnyViewButTheContactViewPutsTheInputPanelDown)
{
    for (int view : {0, 1, 4, 7}) {
        SipShowIM(SIPF_ON);
        Switch(view);
        SIPINFO info = {};
        info.cbSize = 48;
        ASSERT_TRUE(SipGetInfo(&info));
        EXPECT_EQ((info.fdwFlags & SIPF_ON) != 0, view == kContactView) << "view " << view;
    }
    SipShowIM(SIPF_OFF);
}

TEST_F(ViewsTest, TheAnniversaryViewShowsTheHeaderOfASolarSelection)
{
    RecordListHooks();
    ViewStale[kAnniversaryView] = 0;
    ListView_DeleteAllItems(AnniversaryList);
    AnniversaryLunarFlag = L'1';
    Switch(kAnniversaryView);
    EXPECT_TRUE(g_calls.empty()) << "an empty list has no header";
    EXPECT_EQ(AnniversaryLunarFlag, L'1');
    EXPECT_EQ(GetFocus(), AnniversaryList);

    Switch(kContactView);
    FillList(AnniversaryList, false, 0);
    g_calls.clear();
    Switch(kAnniversaryView);
    // Once for the row the switch selects again, once for the switch itself.
    EXPECT_EQ(g_calls, (std::vector<std::string>{"ShowAnniversaryHeader", "ShowAnniversaryHeader"}));
    EXPECT_EQ(AnniversaryLunarFlag, L'0');
    EXPECT_EQ(GetFocus(), AnniversaryList);
}

}  // namespace
}  // namespace views
