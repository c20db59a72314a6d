// The device's keys in the main window's lists, on the running window: the
// command each key sends by list, phone model and Shift or action state,
// the pick lists' steps and the detail layouts' Up and Down.
#include "lists/contact_filters.h"
#include "lists/pick_lists.h"
#include "mainwindow/hooks.h"
#include "mainwindow/list_keys.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/contacts/contacts_window.h"

namespace contactstest {
namespace {

using ListKeysTest = ContactsWindowTest;

constexpr SentCommand Main(UINT id)
{
    return {false, id};
}
constexpr SentCommand Toolbar(UINT id)
{
    return {true, id};
}

struct KeyCase {
    HWND* list;
    int model;
    std::vector<UINT> keys;
    std::vector<SentCommand> sent;
};

TEST_F(ListKeysTest, EachKeySendsTheCommandOfItsListModelAndState)
{
    const KeyCase cases[] = {
        // Index tabs: from tab 0.
        {&ContactList, 0, {VK_SHIFT, '3'}, {Main(IDC_INDEX_TAB_FIRST + 1)}},
        {&ContactList, 0, {VK_SHIFT, '8'}, {Main(IDC_INDEX_TAB_LAST)}},
        {&ContactList, 0, {'3'}, {}},
        {&ContactList, 2, {kKeyNext136}, {Main(IDC_INDEX_TAB_FIRST + 1)}},
        {&ContactList, 3, {kKeyProcess}, {Main(IDC_INDEX_TAB_LAST)}},
        {&ContactList, 2, {VK_SPACE}, {Main(IDC_INDEX_TAB_FIRST)}},
        {&ContactList, 4, {VK_RETURN}, {Main(IDC_INDEX_TAB_LAST)}},  // LG: Enter alone is clear
        {&ContactList, 4, {kKeyAction, VK_RETURN}, {}},               // with the action key: the popup
        {&ContactList, 0, {VK_LEFT}, {Main(IDC_ANNIVERSARY_VIEW_TAB)}},
        {&ContactList, 0, {VK_RIGHT}, {Main(IDC_SEARCH_VIEW_TAB)}},
        // Keypad.
        {&KeypadResultList, 0, {'8'}, {Main(IDC_KEY_1 + 7)}},
        {&KeypadResultList, 0, {VK_SHIFT, '8'}, {Main(IDC_KEY_BACK)}},
        {&KeypadResultList, 0, {VK_SHIFT, VK_DOWN, '3'}, {Main(IDC_KEY_FIELD)}},  // the Shift waits
        {&KeypadResultList, 0, {'2'}, {Main(IDC_KEY_1)}},
        {&KeypadResultList, 3, {'2'}, {Main(IDC_KEY_1 + 1)}},
        {&KeypadResultList, 0, {'W'}, {Main(IDC_KEY_1 + 8)}},
        {&KeypadResultList, 2, {kKeyPeriod}, {Main(IDC_KEY_1)}},
        {&KeypadResultList, 4, {VK_RETURN}, {Main(IDC_KEY_BACK)}},
        {&KeypadResultList, 0, {VK_RIGHT}, {Main(IDC_SCHEDULE_VIEW_TAB)}},
        // Schedule list, to the toolbar window.
        {&ScheduleList, 0, {VK_SHIFT, '3'}, {Toolbar(ID_SCHEDULE_NEXT_PERIOD)}},
        {&ScheduleList, 0, {'0'}, {Toolbar(ID_SCHEDULE_TODAY)}},
        {&ScheduleList, 2, {VK_SPACE}, {Toolbar(ID_SCHEDULE_TODAY)}},
        {&ScheduleList, 4, {VK_RETURN}, {Toolbar(ID_SCHEDULE_PREVIOUS_PERIOD)}},
        {&ScheduleList, 0, {VK_RIGHT}, {Main(IDC_TASK_VIEW_TAB)}},
        // Neighbours of the other lists.
        {&CompanyContactList, 0, {VK_LEFT}, {Main(IDC_CONTACT_VIEW_TAB)}},
        {&AnniversaryList, 0, {VK_LEFT}, {Main(IDC_MEMO_VIEW_TAB)}},
        {&TaskList, 0, {VK_RIGHT}, {Main(IDC_MEMO_VIEW_TAB)}},
        {&MemoList, 0, {VK_RIGHT}, {Main(IDC_ANNIVERSARY_VIEW_TAB)}},
        {&CardScheduleList, 0, {VK_LEFT}, {Main(IDC_CARD_MEMO_TAB)}},
        {&CardTaskList, 0, {VK_RIGHT}, {Main(IDC_CARD_MEMO_TAB)}},
        {&CardMemoList, 0, {VK_RIGHT}, {Main(IDC_CARD_SCHEDULE_TAB)}},
        {&CardMemoList, 0, {VK_SHIFT, '3'}, {}},  // the card's panels take no Shift
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "list " << *c.list << " model " << c.model << " first key "
                                        << c.keys.front());
        PhoneModel = c.model;
        IndexTab = 0;
        KeypadShiftPending = ActionKeyPending = false;
        for (UINT key : c.keys)
            testkit::KeyDown(*c.list, key);
        EXPECT_EQ(TakeCommands(), c.sent);
        EXPECT_FALSE(ActionKeyPending) << "every Enter clears it";
    }
}

TEST_F(ListKeysTest, TheRightOfTheContactAndScheduleListsIsTheLastContactSubView)
{
    const struct {
        char subView;
        UINT tab;
    } cases[] = {{'S', IDC_SEARCH_VIEW_TAB}, {'C', IDC_COMPANY_VIEW_TAB}, {'G', IDC_GROUP_VIEW_TAB}};
    for (const auto& c : cases) {
        ContactSubView = c.subView;
        testkit::KeyDown(ContactList, VK_RIGHT);
        testkit::KeyDown(ScheduleList, VK_LEFT);
        EXPECT_EQ(TakeCommands(), (std::vector<SentCommand>{Main(c.tab), Main(c.tab)}));
    }
    ContactSubView = 'S';
}

TEST_F(ListKeysTest, IndexTabsWrapBetweenAllAndSearch)
{
    IndexTab = kIndexTabSearch;
    testkit::KeyDown(ContactList, VK_SHIFT);
    testkit::KeyDown(ContactList, '3');
    EXPECT_EQ(IndexTab, kIndexTabAll);
    IndexTab = kIndexTabAll;
    testkit::KeyDown(ContactList, VK_SHIFT);
    testkit::KeyDown(ContactList, '8');
    EXPECT_EQ(IndexTab, kIndexTabSearch);
    EXPECT_EQ(TakeCommands(), (std::vector<SentCommand>{Main(IDC_INDEX_TAB_FIRST), Main(IDC_INDEX_TAB_LAST)}));
}

TEST_F(ListKeysTest, EnterAsActionOpensTheListsPopupInsideTheList)
{
    static POINT at = {};
    static int opened = 0;
    opened = 0;
    Hooks.ShowContactSubViewMenu = [](HWND, POINT point) {
        at = point;
        ++opened;
    };
    FilterContactsByKeypad();
    testkit::KeyDown(KeypadResultList, VK_RETURN);
    EXPECT_EQ(opened, 1);
    RECT area = testkit::ScreenRect(KeypadResultList);
    EXPECT_TRUE(PtInRect(&area, at));
}

// The company view's pick list with the cache's companies (one row: only
// "회사없음" when no contact has a company).
TEST_F(ListKeysTest, PickListStepsWrapAndRefillTheGovernedList)
{
    SendMessageW(MainWindow, WM_COMMAND, IDC_COMPANY_VIEW_TAB, 0);  // recorded only
    CompanyRow = 0;
    FillCompanyPickList();
    ASSERT_EQ(CompanyCount, 1);
    FilterContactsByCompany();
    EXPECT_EQ(CompanyContactCount, 5);
    for (UINT key : {static_cast<UINT>(VK_SPACE), static_cast<UINT>(kKeyProcess)}) {
        PhoneModel = 3;
        ContactsCache.rows[ContactOrder[0]].company = L"가나";  // a refill would drop it
        testkit::KeyDown(CompanyContactList, key);
        EXPECT_EQ(CompanyRow, 0) << "one row: next and previous stay";
        EXPECT_EQ(CompanyContactCount, 4) << "and still refill";
        ContactsCache.rows[ContactOrder[0]].company.clear();
        FilterContactsByCompany();
    }

    ContactsCache.rows[ContactOrder[0]].company = L"가나";
    ContactsCache.rows[ContactOrder[1]].company = L"다라";
    FillCompanyPickList();
    ASSERT_EQ(CompanyCount, 3);
    testkit::KeyDown(CompanyContactList, VK_SHIFT);
    testkit::KeyDown(CompanyContactList, '8');
    EXPECT_EQ(CompanyRow, 2) << "previous from the first row wraps to the last";
    EXPECT_STREQ(CompanyChoice, kNoCompanyRow);
    EXPECT_EQ(CompanyContactCount, 3);
    testkit::KeyDown(CompanyContactList, VK_SHIFT);
    testkit::KeyDown(CompanyContactList, '3');
    EXPECT_EQ(CompanyRow, 0);
    EXPECT_STREQ(CompanyChoice, L"가나");
    EXPECT_EQ(CompanyContactCount, 1);
    EXPECT_EQ(GetFocus(), CompanyContactList);
    ContactsCache.rows[ContactOrder[0]].company.clear();
    ContactsCache.rows[ContactOrder[1]].company.clear();
}

TEST_F(ListKeysTest, UpAndDownInADetailLayoutMoveOneRowAndThePreviewFollows)
{
    static std::vector<CEOID> previewed;
    previewed.clear();
    Hooks.ShowTaskPreview = [] { previewed.push_back(SelectedTaskOid); };
    FillItemList(TaskList, {{L"201"}, {L"202"}, {L"203"}});
    TaskViewRowCount = 3;
    ShowWindow(TaskList, SW_SHOW);
    ListView_SetItemState(TaskList, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SetFocus(TaskList);
    DetailMode[kTaskDetail] = 'V';
    const struct {
        UINT key;
        int row;
    } steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_UP, 0}, {VK_UP, 0}};
    std::vector<CEOID> expected;
    for (const auto& step : steps) {
        testkit::KeyDown(TaskList, step.key);
        EXPECT_EQ(ViewSelection[kTaskView], step.row);
        EXPECT_EQ(testkit::ListViewSelection(TaskList), step.row) << "one row, not two";
        expected.push_back(200 + step.row + 1);
    }
    EXPECT_EQ(previewed, expected) << "the preview shows the selected task, at the ends too";

    DetailMode[kTaskDetail] = 'M';
    previewed.clear();
    testkit::KeyDown(TaskList, VK_UP);
    EXPECT_TRUE(previewed.empty()) << "outside the detail layout the list moves itself";
    TaskViewRowCount = 0;
}

}  // namespace
}  // namespace contactstest
