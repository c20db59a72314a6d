// The notifications of the main window's lists on the running window:
// owner-data texts, the selection state, tap-and-hold, clicks.
#include "lists/contact_filters.h"
#include "lists/item_list_state.h"
#include "mainwindow/contact_list_columns.h"
#include "mainwindow/hooks.h"
#include "mainwindow/list_clicks.h"
#include "mainwindow/state.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"
#include "tests/contacts/contacts_fixture.h"
#include "tests/contacts/contacts_window.h"

namespace contactstest {
namespace {

// The row of the contact list showing the contact of that name.
int RowOf(const std::wstring& name)
{
    for (int row = 0; row < ContactTabCount; ++row) {
        if (ContactsCache.rows[IndexFilterOrder[row]].name == name)
            return row;
    }
    return -1;
}

void SelectRow(HWND list, int row)
{
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

using ListNoticesTest = ContactsWindowTest;

TEST_F(ListNoticesTest, ContactRowsShowTheirTextsInBothLayouts)
{
    const struct {
        const wchar_t* name;
        int layout;
        std::vector<std::wstring> columns;
    } cases[] = {
        {L"홍길동", 1, {L"홍길동", L"010-1234-5678", L"휴"}},
        {L"홍길동", 2, {L"홍길동", L"01012345678", L"021112222"}},
        {L"김수", 1, {L"김수", L"031-555-6666", L"회"}},
        {L"이영희", 1, {L"이영희", L"02-777", L"집"}},
        {L"이영희", 2, {L"이영희", L"", L"02777"}},
        {L"남궁민수", 1, {L"남궁민수", L"", L""}},
        {L"남궁민수", 2, {L"남궁민", L"", L""}},
        {L"SmithJohn", 2, {L"Smi", L"0119", L""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(c.name)) << " layout " << c.layout);
        Settings.ContactListColumns = c.layout;
        int row = RowOf(c.name);
        ASSERT_GE(row, 0);
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(testkit::ListViewText(ContactList, row, column), c.columns[column]) << "column " << column;
        EXPECT_EQ(testkit::ListViewText(ContactList, row, 3),
                  std::to_wstring(static_cast<long>(ContactsCache.rows[IndexFilterOrder[row]].oid)));
    }
}

TEST_F(ListNoticesTest, AContactRowChangeSelectsItsContactWithDialDigitsNotMarks)
{
    Settings.ContactListColumns = 1;
    int row = RowOf(L"김수");
    SelectRow(ContactList, row);
    const ContactCacheEntry& contact = Shown(ContactList, row);
    EXPECT_EQ(SelectedContactOid, contact.oid);
    EXPECT_EQ(ViewSelection[kContactView], row);
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"김수");
    EXPECT_STREQ(ContactDialInfo.PreviewMobileDigits, L"");
    EXPECT_STREQ(ContactDialInfo.PreviewPhoneDigits, L"0315556666") << "not the column's mark \"회\"";

    Settings.ContactListColumns = 2;
    row = RowOf(L"남궁민수");
    SelectRow(ContactList, row);
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"남궁민수") << "not the column's short name";

    // A change of all rows at once names none: the state stays.
    CEOID before = SelectedContactOid;
    NMLISTVIEW all = {};
    all.hdr.hwndFrom = ContactList;
    all.hdr.code = LVN_ITEMCHANGED;
    all.iItem = -1;
    all.uChanged = LVIF_STATE;
    all.uNewState = LVIS_SELECTED;
    SendMessageW(MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&all));
    ListView_SetItemState(ContactList, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(SelectedContactOid, before);
    EXPECT_EQ(ViewSelection[kContactView], row);
}

TEST_F(ListNoticesTest, ItemRowsWriteTheirHiddenColumns)
{
    FillItemList(ScheduleList, {{L"101", L"0", L"0"}, {L"102", L"-2147483647", L"33"}});
    SelectRow(ScheduleList, 1);
    EXPECT_EQ(SelectedAppointmentOid, 102u);
    EXPECT_EQ(LinkedContactOid, 0x80000001u);
    EXPECT_EQ(SelectedAnniversaryId, 33);
    EXPECT_EQ(ViewSelection[kScheduleView], 1);

    // A chosen task or memo is also the one the next reload selects again.
    TaskToReselect = 7;
    FillItemList(TaskList, {{L"201"}, {L"202"}, {L"203"}});
    SelectRow(TaskList, 2);
    EXPECT_EQ(SelectedTaskOid, 203u);
    EXPECT_EQ(TaskToReselect, 203u);
    EXPECT_EQ(LinkedContactOid, 0u);
    EXPECT_EQ(ViewSelection[kTaskView], 2);

    MemoToReselect = 7;
    FillItemList(MemoList, {{L"10001"}, {L"10002"}});
    SelectRow(MemoList, 1);
    EXPECT_EQ(SelectedMemoId, 10002);
    EXPECT_EQ(MemoToReselect, 10002);
    EXPECT_EQ(ViewSelection[kMemoView], 1);

    FillItemList(CardTaskList, {{L"301"}, {L"302"}});
    SelectRow(CardTaskList, 1);
    EXPECT_EQ(SelectedTaskOid, 302u);
    EXPECT_EQ(TaskToReselect, 302u);
    EXPECT_EQ(CardPanelSelection[1], 1);

    FillItemList(CardMemoList, {{L"10011"}, {L"10012"}});
    SelectRow(CardMemoList, 0);
    EXPECT_EQ(SelectedMemoId, 10011);
    EXPECT_EQ(MemoToReselect, 10011);
    EXPECT_EQ(CardPanelSelection[2], 0);
    TaskToReselect = 0;
    MemoToReselect = 0;
}

TEST_F(ListNoticesTest, AnniversaryRowsParseTheirDateOfEitherForm)
{
    int headers = 0;
    static int* counter = &headers;
    Hooks.ShowAnniversaryHeader = [] { ++*counter; };
    FillItemList(AnniversaryList, {{L"7", L"1975-03-05", L"1"}, {L"8", L"12/25", L"0"}, {L"9", L"", L""}});
    SelectRow(AnniversaryList, 0);
    EXPECT_EQ(SelectedAnniversaryId, 7);
    EXPECT_EQ(AnniversaryMonth, 3);
    EXPECT_EQ(AnniversaryDay, 5);
    EXPECT_EQ(AnniversaryLunarFlag, L'1');
    SelectRow(AnniversaryList, 1);
    EXPECT_EQ(SelectedAnniversaryId, 8);
    EXPECT_EQ(AnniversaryMonth, 12);
    EXPECT_EQ(AnniversaryDay, 25);
    EXPECT_EQ(AnniversaryLunarFlag, L'0');
    EXPECT_EQ(ViewSelection[kAnniversaryView], 1);
    EXPECT_EQ(headers, 2);
}

TEST_F(ListNoticesTest, PickRowsSetTheirChoices)
{
    FillItemList(AnniversaryKindPickList, {{}, {}});
    ListView_SetItemText(AnniversaryKindPickList, 1, 0, const_cast<LPWSTR>(L"생일"));
    AnniversaryYear = 1900;
    ViewSelection[kAnniversaryView] = 4;
    SelectRow(AnniversaryKindPickList, 1);
    EXPECT_STREQ(AnniversaryKindChoice, L"생일");
    EXPECT_EQ(AnniversaryKindRow, 1);
    EXPECT_EQ(ViewSelection[kAnniversaryView], 0);
    SYSTEMTIME today;
    GetLocalTime(&today);
    EXPECT_EQ(AnniversaryYear, today.wYear);

    FillItemList(MemoPickList, {{}});
    ListView_SetItemText(MemoPickList, 0, 0, const_cast<LPWSTR>(L"업무"));
    SelectRow(MemoPickList, 0);
    EXPECT_STREQ(MemoListFilter, L"업무");
    EXPECT_STREQ(MemoPickChoice, L"업무");
    EXPECT_EQ(MemoPickRow, 0);
}

std::vector<std::string> g_popups;
POINT g_popupAt = {};

void Recorded(const char* name, POINT at)
{
    g_popups.push_back(name);
    g_popupAt = at;
}

TEST_F(ListNoticesTest, TapAndHoldOpensTheListsPopupOrTheLinkedContactsInADetail)
{
    g_popups.clear();
    Hooks.ShowContactListMenu = [](HWND, POINT at) { Recorded("contacts", at); };
    Hooks.ShowScheduleMenu = [](HWND, POINT at) { Recorded("schedule", at); };
    Hooks.ShowLinkedContactMenu = [](HWND, POINT at) { Recorded("linked", at); };
    Hooks.ShowContactPreview = [] { g_popups.push_back("preview"); };

    testkit::RightClick(ContactList, 20, 5);
    EXPECT_EQ(g_popups, std::vector<std::string>{"contacts"});

    FillItemList(ScheduleList, {{L"101", L"0", L"0"}});
    g_popups.clear();
    testkit::RightClick(ScheduleList, 20, 5);
    EXPECT_EQ(g_popups, std::vector<std::string>{"schedule"});

    // In the detail layout: the linked contact's menu; without a linked
    // contact the numbers are emptied first.
    DetailMode[kScheduleDetail] = 'V';
    wcscpy(ContactDialInfo.PreviewMobileDigits, L"0101234");
    wcscpy(ContactDialInfo.PreviewEmail, L"a@b");
    wcscpy(ContactDialInfo.LinkedContactName, L"홍길동");
    g_popups.clear();
    testkit::RightClick(ScheduleList, 20, 5);
    EXPECT_EQ(g_popups, std::vector<std::string>{"linked"});
    EXPECT_STREQ(ContactDialInfo.PreviewMobileDigits, L"");
    EXPECT_STREQ(ContactDialInfo.PreviewEmail, L"");
    EXPECT_STREQ(ContactDialInfo.LinkedContactName, L"홍길동") << "the name is kept";

    FillItemList(ScheduleList, {{L"101", L"-2147483646", L"0"}});
    SelectRow(ScheduleList, 0);
    g_popups.clear();
    testkit::RightClick(ScheduleList, 20, 5);
    EXPECT_EQ(g_popups, (std::vector<std::string>{"preview", "linked"}));
    EXPECT_EQ(SelectedContactOid, 0x80000002u);
    DetailMode[kScheduleDetail] = 'M';
}

TEST(TaskCheckBox, HitsInsideTheBoxOfAHeldRowOnly)
{
    const struct {
        int x, y;
        bool hit;
    } cases[] = {
        {5, 5, true},   {3, 3, true},   {10, 10, true},  // inside and on the box's inner edges
        {2, 5, false},  {11, 5, false},                  // left and right of it
        {5, 2, false},  {5, 11, false},                  // above and below it in the row
        {5, 33, true},  {5, 48, false},                  // the third row; below the last held row
        {5, -12, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnTaskCheckBox({c.x, c.y}, 3), c.hit) << c.x << "," << c.y;
}

TEST_F(ListNoticesTest, ClicksOnTheTaskCheckBoxToggleAndOtherClicksPreview)
{
    FillItemList(TaskList, {{L"201"}, {L"202"}, {L"203"}});
    TaskViewRowCount = 3;
    int previews = 0;
    static int* counter = &previews;
    Hooks.ShowTaskPreview = [] { ++*counter; };
    const struct {
        int x, y;
        char detail;
        std::vector<SentCommand> sent;
        int previews;
    } cases[] = {
        {5, 5, 'M', {{true, ID_TASK_TOGGLE_DONE}}, 0},
        {2, 5, 'M', {}, 0},
        {5, 50, 'M', {}, 0},
        {60, 5, 'V', {}, 1},
        {5, 20, 'V', {{true, ID_TASK_TOGGLE_DONE}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.detail);
        DetailMode[kTaskDetail] = c.detail;
        previews = 0;
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = TaskList;
        click.hdr.code = NM_CLICK;
        click.ptAction = {c.x, c.y};
        SendMessageW(MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(TakeCommands(), c.sent);
        EXPECT_EQ(previews, c.previews);
    }
    DetailMode[kTaskDetail] = 'M';
    TaskViewRowCount = 0;
}

// The card's task panel hit-tests its check boxes over its own rows, not
// over those of the task view.
TEST_F(ListNoticesTest, TheCardTaskPanelsCheckBoxesCountItsOwnRows)
{
    FillItemList(CardTaskList, {{L"301"}, {L"302"}, {L"303"}});
    const struct {
        int cardRows, viewRows;
        std::vector<SentCommand> sent;
    } cases[] = {
        {3, 0, {{true, ID_TASK_TOGGLE_DONE}}},
        {1, 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cardRows << " card rows, " << c.viewRows << " view rows");
        CardTaskRowCount = c.cardRows;
        TaskViewRowCount = c.viewRows;
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = CardTaskList;
        click.hdr.code = NM_CLICK;
        click.ptAction = {5, 20};  // row 1's check box
        SendMessageW(MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(TakeCommands(), c.sent);
    }
    CardTaskRowCount = TaskViewRowCount = 0;
}

// A tap on a pick row refills the list the pick governs.
int g_anniversaryLoads = 0;
int g_taskLoads = 0;

TEST_F(ListNoticesTest, APickRowTapRefillsTheListItGoverns)
{
    Hooks.LoadAnniversaryList = [] { ++g_anniversaryLoads; };
    Hooks.LoadTaskList = [] { ++g_taskLoads; };
    constexpr int kStaleCount = 77;
    const struct {
        const char* what;
        HWND* pick;
        HWND* governed;  // an owner-data contact list, or null
        int* governedCount;
        int anniversaryLoads, taskLoads;
    } cases[] = {
        {"company", &CompanyPickList, &CompanyContactList, &CompanyContactCount, 0, 0},
        {"group", &GroupPickList, &GroupContactList, &GroupContactCount, 0, 0},
        {"anniversary kind", &AnniversaryKindPickList, nullptr, nullptr, 1, 0},
        {"task filter", &TaskFilterPickList, nullptr, nullptr, 0, 1},
        {"task sort", &TaskSortPickList, nullptr, nullptr, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FillItemList(*c.pick, {{}, {}});
        SelectRow(*c.pick, 0);
        if (c.governed) {
            *c.governedCount = kStaleCount;
            ListView_SetItemCountEx(*c.governed, kStaleCount, 0);
        }
        g_anniversaryLoads = g_taskLoads = 0;
        NMITEMACTIVATE click = {};
        click.hdr.hwndFrom = *c.pick;
        click.hdr.code = NM_CLICK;
        click.ptAction = {10, 5};
        SendMessageW(MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
        EXPECT_EQ(g_anniversaryLoads, c.anniversaryLoads);
        EXPECT_EQ(g_taskLoads, c.taskLoads);
        if (c.governed) {
            // No contact is of the pick row's name "row".
            EXPECT_EQ(*c.governedCount, 0);
            EXPECT_EQ(testkit::ListViewCount(*c.governed), 0);
        }
    }
}

TEST_F(ListNoticesTest, TheDetailInkHandsTheFocusToTheListOfItsView)
{
    const struct {
        int view;
        HWND* list;
        HWND* ink;
    } cases[] = {{kScheduleView, &ScheduleList, &DetailInk}, {kTaskView, &TaskList, &DetailInk},
                 {kMemoView, &MemoList, &MemoDetailInk}};
    for (const auto& c : cases) {
        SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB + c.view, 0);  // recorded, not run
        CurrentView = c.view;
        ShowWindow(*c.list, SW_SHOW);
        SetFocus(ContactList);
        ASSERT_NE(*c.ink, nullptr);
        NMHDR notice = {*c.ink, 0, NM_SETFOCUS};
        SendMessageW(MainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(GetFocus(), *c.list) << "view " << c.view;
    }
    CurrentView = kContactView;
}

}  // namespace
}  // namespace contactstest

namespace contactstest {
namespace {

// Another program's contact reaches the shown contact list through timer 3
// about three seconds later; its delete goes the same way.
TEST_F(ListNoticesTest, AnotherProgramsContactReachesTheShownListByTheWatchTimer)
{
    const std::wstring peer = L"\"" + BuiltProgram(L"contacts_peer.exe") + L"\" ";
    ASSERT_EQ(testkit::RunProcess(peer + L"add 하늘"), 0);
    std::vector<uint8_t> answer = testkit::ReadFileBytes(L"\\Temp\\contacts_peer.txt");
    std::wstring oid(reinterpret_cast<const wchar_t*>(answer.data()), answer.size() / sizeof(wchar_t));
    EXPECT_TRUE(testkit::PumpUntil([] { return ContactsCache.count == 6; }, 10000));
    EXPECT_EQ(testkit::ListViewCount(ContactList), 6);
    EXPECT_TRUE(ViewStale[kScheduleView]);
    ASSERT_EQ(testkit::RunProcess(peer + L"delete " + oid), 0);
    EXPECT_TRUE(testkit::PumpUntil([] { return ContactsCache.count == 5; }, 10000));
    EXPECT_EQ(testkit::ListViewCount(ContactList), 5);
}

}  // namespace
}  // namespace contactstest

namespace contactstest {
namespace {

// The contact views as a person sees them (looked at: names, numbers and
// marks in both layouts, the company pick list).
TEST_F(ListNoticesTest, ScreenshotsOfTheContactViews)
{
    TearDown();  // the views' commands run for real here
    const struct {
        UINT tab;
        int layout;
        const wchar_t* name;
    } shots[] = {
        {IDC_CONTACT_VIEW_TAB, 1, L"contacts-layout-1"},
        {IDC_CONTACT_VIEW_TAB, 2, L"contacts-layout-2"},
        {IDC_COMPANY_VIEW_TAB, 1, L"contacts-by-company"},
    };
    for (const auto& shot : shots) {
        Settings.ContactListColumns = shot.layout;
        SetupContactListColumns();
        ViewStale[shot.tab - IDC_CONTACT_VIEW_TAB] = 1;
        SendMessageW(MainWindow, WM_COMMAND, shot.tab, 0);
        InvalidateRect(MainWindow, nullptr, TRUE);
        UpdateWindow(MainWindow);
        testkit::PumpFor(200);
        EXPECT_GT(testkit::ListViewCount(MainListOfView(CurrentView)), 0) << testing::PrintToString(std::wstring(shot.name));
        testkit::SaveScreenshot(testkit::CaptureWindow(MainWindow), shot.name);
    }
    Settings.ContactListColumns = 1;
    SetupContactListColumns();
}

}  // namespace
}  // namespace contactstest
