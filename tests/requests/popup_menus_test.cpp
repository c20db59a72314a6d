// The pop-up menus read back as the main window saw them open, over a table
// of states: which menu, its items, which are checked and grayed, and where
// it shows.
#include "core/state.h"
#include "mainwindow/hooks.h"
#include "mainwindow/popup_menus.h"
#include "mainwindow/request_hooks.h"
#include "mainwindow/state.h"
#include "resources/resource.h"
#include "tests/requests/requests_fixture.h"
#include "tests/views/main_window_fixture.h"

namespace requests {
namespace {

using Lines = std::vector<std::wstring>;

// One line per item: "-" for a separator, else "id text", then
// " [checked]" and " [grayed]" as they apply.
Lines Describe(const OpenedMenu& menu)
{
    Lines lines;
    for (const testkit::MenuEntry& item : menu.items) {
        if (item.separator) {
            lines.push_back(L"-");
            continue;
        }
        std::wstring line = std::to_wstring(item.id) + L" " + item.text;
        if (item.checked)
            line += L" [checked]";
        if (item.grayed)
            line += L" [grayed]";
        lines.push_back(line);
    }
    return lines;
}

// The item marked when the mark applies.
std::wstring Item(UINT id, const wchar_t* text, bool checked = false)
{
    return std::to_wstring(id) + L" " + text + (checked ? L" [checked]" : L"");
}

class PopupMenusTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::ResetViews();
        savedMemoSource_ = Settings.MemoSource;
    }
    void TearDown() override
    {
        Settings.MemoSource = savedMemoSource_;
        ScheduleMode = 'M';
        MemoPickByDate = 0;
        MemoSortKey = AnniversarySortKey = 'D';
    }

    // Opens the menu and expects it at the point, aligned left and top, and
    // no command sent when it closes unchosen.
    OpenedMenu Open(void (*show)(HWND, POINT), POINT at)
    {
        OpenedMenu menu = MenuOpenedBy([&] { show(MainWindow, at); });
        EXPECT_TRUE(menu.opened);
        EXPECT_EQ(menu.place.left, at.x);
        EXPECT_EQ(menu.place.top, at.y);
        EXPECT_TRUE(views::ItemCommandsSeen().empty());
        return menu;
    }

    int32_t savedMemoSource_ = 0;
};

// High enough for the tallest menu to fit below it on the screen.
constexpr POINT kTap = {30, 40};

TEST_F(PopupMenusTest, TheScheduleMenuChecksTheMode)
{
    for (char mode : {'D', 'W', 'M', '?'}) {
        SCOPED_TRACE(std::string(1, mode));
        ScheduleMode = mode;
        EXPECT_EQ(Describe(Open(ShowScheduleMenu, kTap)),
                  (Lines{Item(IDM_SCHEDULE_DETAIL, L"자세히 보기"), Item(IDM_SCHEDULE_OUTLOOK, L"아웃룩 보기"), L"-",
                         Item(IDM_SCHEDULE_DAY, L"일별 보기", mode == 'D'),
                         Item(IDM_SCHEDULE_WEEK, L"주별 보기", mode == 'W'),
                         Item(IDM_SCHEDULE_MONTH, L"월별 보기", mode == 'M'), L"-",
                         Item(IDM_SCHEDULE_CANCEL, L"취소하기")}));
    }
}

TEST_F(PopupMenusTest, TheTaskMenu)
{
    EXPECT_EQ(Describe(Open(ShowTaskMenu, kTap)), (Lines{Item(IDM_TASK_DETAIL, L"자세히 보기"),
                                                        Item(IDM_TASK_OUTLOOK, L"아웃룩 보기"), L"-",
                                                        Item(IDM_TASK_CANCEL, L"취소하기")}));
}

TEST_F(PopupMenusTest, TheMemoMenuFollowsTheMemoSourceThePickAndTheSort)
{
    const struct {
        int32_t source;
        BYTE byDate;
        char sort;
        const wchar_t* firstPick;
    } cases[] = {
        {1, 0, 'T', L"분류별 보기"}, {1, 1, 'D', L"분류별 보기"}, {2, 0, 'D', L"폴더별 보기"}, {2, 1, 'T', L"폴더별 보기"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "source " << c.source << " by date " << int(c.byDate) << " sort " << c.sort);
        Settings.MemoSource = c.source;
        MemoPickByDate = c.byDate;
        MemoSortKey = c.sort;
        EXPECT_EQ(Describe(Open(ShowMemoMenu, kTap)),
                  (Lines{Item(IDM_MEMO_DETAIL, L"자세히 보기"), L"-",
                         Item(IDM_MEMO_BY_CATEGORY, c.firstPick, c.byDate == 0),
                         Item(IDM_MEMO_BY_DATE, L"일자별 보기", c.byDate == 1), L"-",
                         Item(IDM_MEMO_SORT_TITLE, L"제목순 정렬", c.sort == 'T'),
                         Item(IDM_MEMO_SORT_DATE, L"일자순 정렬", c.sort == 'D'), L"-",
                         Item(IDM_MEMO_CANCEL, L"취소하기")}));
    }
}

TEST_F(PopupMenusTest, TheAnniversaryMenuChecksTheSort)
{
    for (char sort : {'T', 'D'}) {
        SCOPED_TRACE(std::string(1, sort));
        AnniversarySortKey = sort;
        EXPECT_EQ(Describe(Open(ShowAnniversaryMenu, kTap)),
                  (Lines{Item(IDM_ANNIVERSARY_SORT_TITLE, L"제목순 정렬", sort == 'T'),
                         Item(IDM_ANNIVERSARY_SORT_DATE, L"일자순 정렬", sort == 'D'), L"-",
                         Item(IDM_ANNIVERSARY_CANCEL, L"취소하기")}));
    }
}

// ---- the contact menus ---------------------------------------------------------------

// Which of the selected contact's texts are there.
struct ContactTexts {
    bool mobile, office, home, email;
};

void SetContactTexts(const ContactTexts& t)
{
    wcscpy(ContactDialInfo.PreviewMobileDigits, t.mobile ? L"0101234567" : L"");
    wcscpy(ContactDialInfo.PreviewOfficeDigits, t.office ? L"0212345678" : L"");
    wcscpy(ContactDialInfo.PreviewHomeDigits, t.home ? L"0311234567" : L"");
    wcscpy(ContactDialInfo.PreviewEmail, t.email ? L"hong@example.com" : L"");
}

std::wstring Grayable(UINT id, const wchar_t* text, bool there)
{
    return std::to_wstring(id) + L" " + text + (there ? L"" : L" [grayed]");
}

const ContactTexts kTextStates[] = {
    {true, true, true, true},
    {false, true, true, true},   // no mobile: its call and its message
    {true, false, true, false},
    {true, true, false, true},   // no home phone
    {false, false, false, false},
};

int g_previews = 0;

// The device's menus and the selected contact's texts, named for the trace.
std::string PoseContact(BYTE sms, const ContactTexts& t)
{
    SamsungSmsMenus = sms;
    SetContactTexts(t);
    g_previews = 0;
    return (testing::Message() << "sms " << int(sms) << " mobile " << t.mobile << " office " << t.office << " home "
                               << t.home << " mail " << t.email)
        .GetString();
}

TEST_F(PopupMenusTest, TheContactListMenuShowsThePreviewFirstAndGraysWhatTheContactLacks)
{
    Hooks.ShowContactPreview = [] { ++g_previews; };
    for (BYTE sms : {0, 1}) {
        for (const ContactTexts& t : kTextStates) {
            SCOPED_TRACE(PoseContact(sms, t));
            Lines expected = {Item(IDM_CONTACT_SEARCH, L"연락처 검색하기"), L"-",
                              Grayable(IDM_CONTACT_DIAL_MOBILE, L"휴대폰 통화하기", t.mobile),
                              Grayable(IDM_CONTACT_DIAL_BUSINESS, L"회사전화 통화하기", t.office),
                              Grayable(IDM_CONTACT_DIAL_HOME, L"집전화 통화하기", t.home),
                              Grayable(IDM_CONTACT_MAIL, L"메일 보내기", t.email), L"-"};
            if (sms)
                expected.insert(expected.end(), {Grayable(IDM_CONTACT_MESSAGE, L"문자 보내기", t.mobile), L"-"});
            expected.insert(expected.end(), {Item(IDM_CONTACT_DETAIL, L"자세히 보기"),
                                             Item(IDM_CONTACT_OUTLOOK, L"아웃룩 보기"), L"-",
                                             Item(IDM_CONTACT_NEW_ANNIVERSARY, L"기념일 등록하기"), L"-",
                                             Item(IDM_CONTACT_CANCEL, L"취소하기")});
            EXPECT_EQ(Describe(Open(ShowContactListMenu, kTap)), expected);
            EXPECT_EQ(g_previews, 1);
        }
    }
    SamsungSmsMenus = 0;
}

TEST_F(PopupMenusTest, TheSubViewMenuChecksTheViewShown)
{
    Hooks.ShowContactPreview = [] { ++g_previews; };
    SetContactTexts({true, false, true, true});
    for (BYTE sms : {0, 1}) {
        for (int view : {1, 2, 3, 0}) {
            SCOPED_TRACE(testing::Message() << "sms " << int(sms) << " view " << view);
            SamsungSmsMenus = sms;
            CurrentView = view;
            g_previews = 0;
            Lines expected = {Grayable(IDM_CONTACT_DIAL_MOBILE, L"휴대폰 통화하기", true),
                              Grayable(IDM_CONTACT_DIAL_BUSINESS, L"회사전화 통화하기", false),
                              Grayable(IDM_CONTACT_DIAL_HOME, L"집전화 통화하기", true),
                              Grayable(IDM_CONTACT_MAIL, L"메일 보내기", true), L"-"};
            if (sms)
                expected.insert(expected.end(), {Item(IDM_CONTACT_MESSAGE, L"문자 보내기"), L"-"});
            expected.insert(expected.end(),
                            {Item(IDM_CONTACT_DETAIL, L"자세히 보기"), Item(IDM_CONTACT_OUTLOOK, L"아웃룩 보기"), L"-",
                             Item(IDM_CONTACT_NEW_ANNIVERSARY, L"기념일 등록하기"), L"-",
                             Item(IDM_VIEW_SEARCH, L"연락처 검색", view == 1),
                             Item(IDM_VIEW_COMPANY, L"연락처 회사별 조회", view == 2),
                             Item(IDM_VIEW_GROUP, L"연락처 그룹별 조회", view == 3), L"-",
                             Item(IDM_CONTACT_CANCEL, L"취소하기")});
            EXPECT_EQ(Describe(Open(ShowContactSubViewMenu, kTap)), expected);
            EXPECT_EQ(g_previews, 1);
        }
    }
    SamsungSmsMenus = 0;
    CurrentView = 0;
}

// The card's and the detail's menus take the texts as they are: no preview.
TEST_F(PopupMenusTest, TheCardAndLinkedContactMenusGrayWhatTheContactLacks)
{
    Hooks.ShowContactPreview = [] { ++g_previews; };
    for (BYTE sms : {0, 1}) {
        for (const ContactTexts& t : kTextStates) {
            SCOPED_TRACE(PoseContact(sms, t));
            const Lines head = {Item(IDM_BACK, L"돌아가기"), L"-",
                                Grayable(IDM_CARD_DIAL_MOBILE, L"휴대폰 통화하기", t.mobile),
                                Grayable(IDM_CARD_DIAL_BUSINESS, L"회사전화 통화하기", t.office),
                                Grayable(IDM_CARD_DIAL_HOME, L"집전화 통화하기", t.home),
                                Grayable(IDM_CARD_MAIL, L"메일 보내기", t.email), L"-"};
            Lines card = head;
            if (sms)
                card.insert(card.end(), {Grayable(IDM_CARD_MESSAGE, L"문자 보내기", t.mobile), L"-"});
            card.push_back(Item(IDM_CARD_CANCEL, L"취소하기"));
            Lines linked = head;
            linked.push_back(Item(IDM_CARD_CANCEL, L"취소하기"));
            EXPECT_EQ(Describe(Open(ShowContactCardMenu, kTap)), card);
            EXPECT_EQ(Describe(Open(ShowLinkedContactMenu, kTap)), linked);
            EXPECT_EQ(g_previews, 0);
        }
    }
    SamsungSmsMenus = 0;
}

// Held on a list, the list's menu opens where the stylus is.
TEST_F(PopupMenusTest, ATapAndHoldOnTheContactListOpensItsMenuThere)
{
    SetRequestHooks();
    OpenedMenu menu = MenuOpenedBy([] { testkit::RightClick(ContactList, 20, 5); });
    ASSERT_TRUE(menu.opened);
    EXPECT_EQ(menu.items.front().id, static_cast<UINT>(IDM_CONTACT_SEARCH));
    POINT tap = {20, 5};
    ClientToScreen(ContactList, &tap);
    EXPECT_EQ(menu.place.left, tap.x);
    EXPECT_EQ(menu.place.top, tap.y);
}

struct HeadingCase {
    const wchar_t* heading;
    UINT checked;  // 0 none
};

TEST_F(PopupMenusTest, TheTaskHeadingMenusCheckWhatTheirHeadingNames)
{
    const HeadingCase filters[] = {{L"진행중▽", IDM_TASK_FILTER_ACTIVE}, {L"완료▽", IDM_TASK_FILTER_DONE},
                                   {L"지연▽", IDM_TASK_FILTER_OVERDUE},  {L"모든▽", IDM_TASK_FILTER_ALL},
                                   {L"모든", 0},                         {L"", 0}};
    for (const HeadingCase& c : filters) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.heading)));
        SetWindowTextW(CardTaskFilterHeading, c.heading);
        OpenedMenu menu = MenuOpenedBy([] { ShowTaskFilterMenu(MainWindow); });
        EXPECT_EQ(Describe(menu), (Lines{Item(IDM_TASK_FILTER_ACTIVE, L"진행중인 작업", c.checked == IDM_TASK_FILTER_ACTIVE),
                                         Item(IDM_TASK_FILTER_DONE, L"완료된 작업", c.checked == IDM_TASK_FILTER_DONE),
                                         Item(IDM_TASK_FILTER_OVERDUE, L"지연된 작업", c.checked == IDM_TASK_FILTER_OVERDUE),
                                         Item(IDM_TASK_FILTER_ALL, L"모든 작업", c.checked == IDM_TASK_FILTER_ALL)}));
        EXPECT_EQ(menu.place.left, kTaskFilterMenuPoint.x);
        EXPECT_EQ(menu.place.top, kTaskFilterMenuPoint.y);
    }
    const HeadingCase sorts[] = {{L"상태▽", IDM_TASK_SORT_STATE},     {L"우선순위▽", IDM_TASK_SORT_PRIORITY},
                                 {L"제목▽", IDM_TASK_SORT_TITLE},     {L"시작날짜▽", IDM_TASK_SORT_START},
                                 {L"기한▽", IDM_TASK_SORT_DUE},       {L"우선 순위▽", 0}};
    for (const HeadingCase& c : sorts) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.heading)));
        SetWindowTextW(CardTaskSortHeading, c.heading);
        OpenedMenu menu = MenuOpenedBy([] { ShowTaskSortMenu(MainWindow); });
        EXPECT_EQ(Describe(menu), (Lines{Item(IDM_TASK_SORT_STATE, L"상태", c.checked == IDM_TASK_SORT_STATE),
                                         Item(IDM_TASK_SORT_PRIORITY, L"우선 순위", c.checked == IDM_TASK_SORT_PRIORITY),
                                         Item(IDM_TASK_SORT_TITLE, L"제목", c.checked == IDM_TASK_SORT_TITLE),
                                         Item(IDM_TASK_SORT_START, L"시작 날짜", c.checked == IDM_TASK_SORT_START),
                                         Item(IDM_TASK_SORT_DUE, L"기한", c.checked == IDM_TASK_SORT_DUE)}));
        EXPECT_EQ(menu.place.top, kTaskSortMenuPoint.y);
    }
}

// Right after the start the headings read "모든▽" and "우선순위▽"; the
// headings' focus opens their menus.
TEST_F(PopupMenusTest, FreshHeadingsOpenTheirMenusWithTheStartingChoices)
{
    views::StartMainWindow();
    views::RecordItemCommands();
    MenuWatch watch;
    SendMessageW(MainWindow, WM_COMMAND, MAKEWPARAM(IDC_CARD_TASK_FILTER, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(CardTaskFilterHeading));
    SendMessageW(MainWindow, WM_COMMAND, MAKEWPARAM(IDC_CARD_TASK_SORT, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(CardTaskSortHeading));
    ASSERT_EQ(watch.Seen().size(), 2u);
    EXPECT_TRUE(watch.Seen()[0].items[3].checked);  // 모든 작업
    EXPECT_TRUE(watch.Seen()[1].items[1].checked);  // 우선 순위
}

}  // namespace
}  // namespace requests
