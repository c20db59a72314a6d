// The menu commands of the running main window: the forwards to the
// toolbar window, the backup notice, the preferences sheet's return to the
// Today screen, the card's task headings, the messaging conditions, the
// About box, and the two ways out with their image lists.
#include "core/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/state.h"
#include "mainwindow/view_controls.h"
#include "resources/resource.h"
#include "tests/support/box_watch.h"
#include "tests/views/main_window_fixture.h"

#include <commoncontrols.h>
#include <string>

namespace views {
namespace {

std::vector<std::string> g_calls;
HWND g_owner = nullptr;

void Command(UINT id)
{
    SendMessageW(MainWindow, WM_COMMAND, id, 0);
    testkit::PumpPending();
}

void Switch(int view)
{
    Command(IDC_CONTACT_VIEW_TAB + view);
}

class MenuCommandsTest : public ViewsTest {
protected:
    void SetUp() override
    {
        ViewsTest::SetUp();
        g_calls.clear();
        g_owner = nullptr;
    }
};

struct ForwardCase {
    UINT menu;
    UINT item;
};

TEST_F(MenuCommandsTest, ItemCommandsAreForwardedAndTheFocusComesBack)
{
    const ForwardCase cases[] = {
        {IDM_CONTACT_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE}, {IDM_CARD_DIAL_MOBILE, ID_CONTACT_DIAL_MOBILE},
        {IDM_CONTACT_DIAL_BUSINESS, ID_CONTACT_DIAL_BUSINESS}, {IDM_CARD_DIAL_BUSINESS, ID_CONTACT_DIAL_BUSINESS},
        {IDM_CONTACT_DIAL_HOME, ID_CONTACT_DIAL_HOME},     {IDM_CARD_DIAL_HOME, ID_CONTACT_DIAL_HOME},
        {IDM_CONTACT_MAIL, ID_CONTACT_MAIL},               {IDM_CARD_MAIL, ID_CONTACT_MAIL},
        {IDM_CONTACT_DETAIL, ID_CONTACT_CARD_OPEN},        {IDM_CONTACT_OUTLOOK, ID_CONTACT_SHOW_OUTLOOK},
        {IDM_CONTACT_NEW_ANNIVERSARY, ID_ANNIVERSARY_NEW}, {IDM_SCHEDULE_DETAIL, ID_SCHEDULE_DETAIL},
        {IDM_SCHEDULE_OUTLOOK, ID_APPOINTMENT_SHOW_OUTLOOK}, {IDM_SCHEDULE_DAY, ID_SCHEDULE_DAY_MODE},
        {IDM_SCHEDULE_WEEK, ID_SCHEDULE_WEEK_MODE},        {IDM_SCHEDULE_MONTH, ID_SCHEDULE_MONTH_MODE},
        {IDM_TASK_DETAIL, ID_TASK_DETAIL},                 {IDM_TASK_OUTLOOK, ID_TASK_SHOW_OUTLOOK},
        {IDM_MEMO_DETAIL, ID_MEMO_DETAIL},
    };
    Switch(kTaskView);
    for (const ForwardCase& c : cases) {
        SetFocus(MainWindow);
        RecordItemCommands();
        Command(c.menu);
        EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{c.item}) << "menu " << c.menu;
        EXPECT_EQ(GetFocus(), TaskList) << "menu " << c.menu;
    }
}

TEST_F(MenuCommandsTest, BackClosesWhatTheViewHasOpen)
{
    const std::pair<int, UINT> cases[] = {{kScheduleView, ID_SCHEDULE_BACK}, {kTaskView, ID_TASK_BACK},
                                          {kMemoView, ID_MEMO_BACK},         {kContactView, ID_CONTACT_CARD_CLOSE},
                                          {kAnniversaryView, ID_CONTACT_CARD_CLOSE}};
    for (const auto& [view, item] : cases) {
        Switch(view);
        RecordItemCommands();
        Command(IDM_BACK);
        EXPECT_EQ(ItemCommandsSeen(), std::vector<UINT>{item}) << "view " << view;
    }
}

TEST_F(MenuCommandsTest, CancelOnlyFocusesAndMenusSwitchSubViewsAndSorts)
{
    Switch(kMemoView);
    for (UINT cancel : {IDM_CONTACT_CANCEL, IDM_CARD_CANCEL, IDM_SCHEDULE_CANCEL, IDM_TASK_CANCEL, IDM_MEMO_CANCEL}) {
        SetFocus(MainWindow);
        RecordItemCommands();
        Command(cancel);
        EXPECT_EQ(GetFocus(), MemoList);
        EXPECT_TRUE(ItemCommandsSeen().empty());
    }
    for (auto [menu, view] : {std::pair{IDM_VIEW_COMPANY, 2}, std::pair{IDM_VIEW_GROUP, 3},
                              std::pair{IDM_VIEW_SEARCH, 1}}) {
        Command(menu);
        EXPECT_EQ(CurrentView, view);
    }
    MemoSortKey = 'D';
    Command(IDM_MEMO_SORT_TITLE);
    EXPECT_EQ(MemoSortKey, 'T');
    Command(IDM_MEMO_SORT_DATE);
    EXPECT_EQ(MemoSortKey, 'D');
    AnniversarySortKey = 'D';
    Command(IDM_ANNIVERSARY_SORT_TITLE);
    EXPECT_EQ(AnniversarySortKey, 'T');
    Command(IDM_ANNIVERSARY_SORT_DATE);
    EXPECT_EQ(AnniversarySortKey, 'D');
    Command(IDM_MEMO_BY_DATE);
    EXPECT_EQ(MemoPickByDate, 1);
    Command(IDM_MEMO_BY_CATEGORY);
    EXPECT_EQ(MemoPickByDate, 0);
    Command(IDM_CONTACT_SEARCH);
    EXPECT_EQ(GetFocus(), ContactSearchBox);
    SipShowIM(SIPF_OFF);
}

TEST_F(MenuCommandsTest, TaskMenusNameTheCardsFilterAndSort)
{
    Hooks.LoadContactTaskList = [] { g_calls.push_back("LoadContactTaskList"); };
    const struct {
        UINT menu;
        HWND* heading;
        const wchar_t* text;
    } cases[] = {
        {IDM_TASK_FILTER_ACTIVE, &CardTaskFilterHeading, L"진행중▽"},
        {IDM_TASK_FILTER_DONE, &CardTaskFilterHeading, L"완료▽"},
        {IDM_TASK_FILTER_OVERDUE, &CardTaskFilterHeading, L"지연▽"},
        {IDM_TASK_FILTER_ALL, &CardTaskFilterHeading, L"모든▽"},
        {IDM_TASK_SORT_STATE, &CardTaskSortHeading, L"상태▽"},
        {IDM_TASK_SORT_PRIORITY, &CardTaskSortHeading, L"우선순위▽"},
        {IDM_TASK_SORT_TITLE, &CardTaskSortHeading, L"제목▽"},
        {IDM_TASK_SORT_START, &CardTaskSortHeading, L"시작날짜▽"},
        {IDM_TASK_SORT_DUE, &CardTaskSortHeading, L"기한▽"},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        Command(c.menu);
        EXPECT_EQ(testkit::WindowText(*c.heading), c.text);
        EXPECT_EQ(g_calls, std::vector<std::string>{"LoadContactTaskList"});
        EXPECT_EQ(GetFocus(), CardTaskList);
    }
}

TEST_F(MenuCommandsTest, BackupShowsTheNoticeOfTheMemoSourceFirst)
{
    Hooks.BackupDiaryData = [] { g_calls.push_back("BackupDiaryData"); };
    const struct {
        int memoSource;
        const wchar_t* text;
    } cases[] = {
        {1, L"Vestamor 다이어리의 연락처,일정,작업,메모,기념일 자료를 백업합니다.\n\n하드리셋을 위한 백업작업이라면 백업 "
            L"파일을 주메모리가 아닌 보조 메모리에 만드시기 바랍니다."},
        {2, L"Vestamor 다이어리의 연락처,일정,작업,기념일 자료를 백업하며 아웃룩 메모 파일은 백업작업에서 "
            L"제외됩니다.\n\n하드리셋을 위한 백업작업이라면 백업 파일을 주메모리가 아닌 보조 메모리에 만드시고 주메모리에 "
            L"있는 아웃룩 메모 파일을 보조 메모리로 복사하시기 바랍니다."},
    };
    Switch(kAnniversaryView);
    const int saved = Settings.MemoSource;
    for (const auto& c : cases) {
        Settings.MemoSource = c.memoSource;
        g_calls.clear();
        SetFocus(MainWindow);
        boxwatch::ArmForThisThread(IDOK);
        Command(IDM_BACKUP);
        boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption, L"알림");
        EXPECT_EQ(box.text, c.text) << "memo source " << c.memoSource;
        EXPECT_EQ(g_calls, std::vector<std::string>{"BackupDiaryData"});
        EXPECT_EQ(GetFocus(), AnniversaryList);
    }
    Settings.MemoSource = saved;
}

TEST_F(MenuCommandsTest, FileMenuCommandsRunTheirPartsWithTheMainWindow)
{
    Hooks.RestoreDiaryData = [] { g_calls.push_back("RestoreDiaryData"); };
    Hooks.RunContactImport = [](HWND owner) {
        g_calls.push_back("RunContactImport");
        g_owner = owner;
    };
    Hooks.RunPreferencesSheet = [](HWND owner) {
        g_calls.push_back("RunPreferencesSheet");
        g_owner = owner;
    };
    Command(IDM_RESTORE);
    Command(IDM_CONTACT_IMPORT);
    EXPECT_EQ(g_owner, MainWindow);
    Command(IDM_PREFERENCES);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"RestoreDiaryData", "RunContactImport", "RunPreferencesSheet"}));
    EXPECT_TRUE(testkit::IsShown(MainWindow));

    // Started from the Today item: the user goes back to the Today screen.
    FromTodayRequest = true;
    Command(IDM_PREFERENCES);
    EXPECT_FALSE(FromTodayRequest);
    EXPECT_FALSE(testkit::IsShown(MainWindow));
    ShowWindow(MainWindow, SW_SHOW);

    // Without their parts the commands do nothing.
    Hooks = MainWindowHooks();
    for (UINT id : {IDM_RESTORE, IDM_CONTACT_IMPORT, IDM_PREFERENCES})
        Command(id);
    EXPECT_TRUE(testkit::IsShown(MainWindow));
}

const wchar_t* g_mobile = L"";

TEST_F(MenuCommandsTest, MessagesNeedAContactWithAMobileNumber)
{
    Hooks.PreviewMobileDigits = [] { return g_mobile; };
    Hooks.LaunchMmsComposer = [] { g_calls.push_back("LaunchMmsComposer"); };
    const struct {
        const char* what;
        UINT menu;
        int rows;
        CEOID contact;
        const wchar_t* mobile;
        bool launched;
    } cases[] = {
        {"list menu", IDM_CONTACT_MESSAGE, 2, 7, L"0101234", true},
        {"list menu, empty list", IDM_CONTACT_MESSAGE, 0, 7, L"0101234", false},
        {"list menu, no contact", IDM_CONTACT_MESSAGE, 2, 0, L"0101234", false},
        {"list menu, no mobile", IDM_CONTACT_MESSAGE, 2, 7, L"", false},
        {"card menu", IDM_CARD_MESSAGE, 2, 7, L"0101234", true},
        {"card menu, empty list", IDM_CARD_MESSAGE, 0, 7, L"0101234", true},
        {"card menu, no mobile", IDM_CARD_MESSAGE, 0, 7, L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ListView_SetItemCountEx(ContactList, c.rows, 0);
        SelectedContactOid = c.contact;
        g_mobile = c.mobile;
        g_calls.clear();
        Command(c.menu);
        EXPECT_EQ(g_calls.size(), c.launched ? 1u : 0u);
    }
    ListView_SetItemCountEx(ContactList, 0, 0);
    SelectedContactOid = 0;
}

TEST_F(MenuCommandsTest, CtrlAOpensTheAboutBox)
{
    boxwatch::ArmForThisThread(IDOK);
    Command(IDM_ABOUT);
    boxwatch::SeenBox box = boxwatch::Disarm();
    EXPECT_TRUE(box.seen);
    EXPECT_TRUE(IsWindow(MainWindow));
}

// The image list's object interface, {46EB5926-582E-4017-9FDF-E8998DAA0950};
// the query is looked up at run time (the import library lacks it).
const IID kImageListInterface = {0x46EB5926, 0x582E, 0x4017, {0x9F, 0xDF, 0xE8, 0x99, 0x8D, 0xAA, 0x09, 0x50}};
using QueryImageList = HRESULT(WINAPI*)(HIMAGELIST, REFIID, void**);

// Holds references to an image list, so that its destructions can be
// counted: each destruction gives one reference back.
class ImageListReferences {
public:
    explicit ImageListReferences(HIMAGELIST images)
    {
        auto query = reinterpret_cast<QueryImageList>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "HIMAGELIST_QueryInterface")));
        if (images && query && SUCCEEDED(query(images, kImageListInterface, reinterpret_cast<void**>(&list_))))
            list_->AddRef();
    }
    // Releases the two references taken; the count left after the first
    // says how often the list was destroyed meanwhile (1 after once).
    ULONG CountAfterRelease()
    {
        if (!list_)
            return 0xFFFF;
        ULONG left = list_->Release();
        if (left > 0)
            list_->Release();
        list_ = nullptr;
        return left;
    }

private:
    IImageList* list_ = nullptr;
};

TEST(MainWindowExit, ExitAndCtrlQCloseTheWindowAndDestroyEachImageListOnce)
{
    for (UINT command : {IDM_EXIT, IDM_QUIT}) {
        SCOPED_TRACE(testing::Message() << "command " << command);
        ASSERT_NE(StartMainWindow(), nullptr);
        HWND window = MainWindow;
        ImageListReferences toolbar(ToolbarImageList), rows(TaskRowImages), picks(PickListImages),
            sorts(TaskSortImages);
        SendMessageW(window, WM_COMMAND, command, 0);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(MainWindow, nullptr);
        EXPECT_EQ(PickListImages, nullptr);
        EXPECT_EQ(toolbar.CountAfterRelease(), 1u);
        EXPECT_EQ(rows.CountAfterRelease(), 1u);
        EXPECT_EQ(picks.CountAfterRelease(), 1u) << "the pick lists share it and leave it alone";
        EXPECT_EQ(sorts.CountAfterRelease(), 1u);
        MSG msg;
        EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the loop ends";
    }
}

}  // namespace
}  // namespace views
