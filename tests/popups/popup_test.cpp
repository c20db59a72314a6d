// The contact card, the pick-date calendar, the weather pop-up and what the
// pop-ups share: one shown at a time, the drag by the title bar, the close
// box.
#include "tests/popups/popup_fixture.h"

#include "core/link_tables.h"
#include "tests/popups/weather_fixture.h"
#include "today/contact_card.h"
#include "today/detail_popup.h"
#include "today/item_menus.h"
#include "today/layout.h"
#include "today/pen.h"
#include "today/popup_frame.h"
#include "today/resource.h"
#include "today/weather_dialog.h"
#include "today/weather_store.h"

namespace {

using namespace popuptest;
using todaytest::Ascii;
using todaytest::Date;
using todaytest::HongGildong;
using todaytest::Hex;
using todaytest::operator+;
using todaytest::Repeat;

POINT ScreenPlace(HWND window)
{
    const RECT rect = testkit::ScreenRect(window);
    return POINT{rect.left, rect.top};
}

class CardTest : public PopupTest {
protected:
    // The dentist's appointment linked to the card's contact, on the schedule.
    void ShowLinkedAppointment()
    {
        contact_ = AddCardContact();
        const CEOID appointment = AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
        AddPlanLink(contact_, appointment);
        ShowSchedule(0);
        entry_ = EntryOf(L"치과");
        ASSERT_EQ(std::wstring(ScheduleRows[entry_].linkedName), L"홍길동");
    }
    CEOID contact_ = 0;
    int entry_ = -1;
};

TEST_F(CardTest, TheLinkedNameOpensTheCard)
{
    ShowLinkedAppointment();
    TapRow(entry_, kRowName);
    ASSERT_TRUE(Shown(kPopupContactCard));
    EXPECT_FALSE(Shown(kPopupDetail));
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_NAME1), L"홍길동(가나상사/영업부)");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_NAME2), L"과장 본관 3층");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_MOBILE), L"010-1234-5678");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_PHONE), L"(02) 555-0101");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_HOME), L"");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_MAIL), L"hong@example.kr");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_MOBILE_LABEL), L"휴대폰");
    EXPECT_EQ(Text(kPopupContactCard, IDC_CARD_PHONE_LABEL), L"전   화");
    const RECT place = testkit::ScreenRect(Popup(kPopupContactCard));
    EXPECT_EQ(place.left, 1);
    EXPECT_EQ(place.top, 50);
    EXPECT_EQ(place.right - place.left, GetSystemMetrics(SM_CXSCREEN) - 2);
    EXPECT_EQ(place.bottom - place.top, 170);
    // The row's text still opens the detail pop-up, which hides the card.
    TapRow(entry_, kRowBody);
    EXPECT_TRUE(Shown(kPopupDetail));
    EXPECT_FALSE(Shown(kPopupContactCard));
}

TEST_F(CardTest, ItsButtonsRequestAndAnEmptyNumberKeepsItOpen)
{
    ShowLinkedAppointment();
    const Bytes id = ObjectId(contact_);
    const Bytes name = Repeat(' ', 24) + HongGildong();
    struct Case {
        const char* what;
        int button;
        Bytes request;  // empty: none, and the card stays open
    };
    const Case cases[] = {
        {"mobile", IDC_CARD_DIAL_MOBILE, Repeat(' ', 9) + Ascii("01012345678") + name + id},
        {"phone", IDC_CARD_DIAL_PHONE, Repeat(' ', 11) + Ascii("025550101") + name + id},
        {"home, none", IDC_CARD_DIAL_HOME, Bytes()},
        {"mail", IDC_CARD_SEND_MAIL, Repeat(' ', 25) + Ascii("hong@example.kr") + id},
        {"edit", IDC_CARD_EDIT, id},
        {"close", IDC_CARD_CLOSE, Bytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TapRow(entry_, kRowName);
        ASSERT_TRUE(Shown(kPopupContactCard));
        EXPECT_EQ(Hex(Requested([&] { Press(kPopupContactCard, c.button); })), Hex(c.request));
        EXPECT_EQ(Shown(kPopupContactCard), c.request.empty() && c.button != IDC_CARD_CLOSE);
    }
}

TEST_F(CardTest, NoCardForARowWithoutAContactOrWhenItIsGone)
{
    ShowLinkedAppointment();
    ASSERT_TRUE(DeleteContact(contact_));
    ShowContactCard(entry_);
    EXPECT_FALSE(Shown(kPopupContactCard));
    ShowContactCard(0);  // the today line
    EXPECT_FALSE(Shown(kPopupContactCard));
}

class PickDateTest : public PopupTest {
protected:
    HWND Calendar() const { return GetDlgItem(Popup(kPopupPickDate), IDC_PICK_CALENDAR); }
    // Taps the calendar's cell of that day of the shown month.
    void TapDay(int year, int month, int day)
    {
        HWND calendar = Calendar();
        const RECT client = testkit::ClientRectOf(calendar);
        for (int y = 0; y < client.bottom; y += 2) {
            for (int x = 0; x < client.right; x += 2) {
                MCHITTESTINFO hit = {};
                hit.cbSize = sizeof(hit);
                hit.pt = POINT{x, y};
                MonthCal_HitTest(calendar, &hit);
                if ((hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && hit.uHit != MCHT_CALENDARDATEPREV &&
                    hit.uHit != MCHT_CALENDARDATENEXT && hit.st.wYear == year && hit.st.wMonth == month &&
                    hit.st.wDay == day) {
                    testkit::Tap(calendar, x, y);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no cell for the day";
    }
};

TEST_F(PickDateTest, TheSpanMenuOpensTheCalendarOnTheSpansFirstDay)
{
    ShowSchedule(4);
    SpanStart = Date(2024, 5, 9);
    Settings.WeekStart = 0;
    ASSERT_TRUE(OnItemCommand(IDM_PICK_DATE));
    ASSERT_TRUE(Shown(kPopupPickDate));
    EXPECT_EQ(Title(kPopupPickDate), L"■ 달력");
    EXPECT_EQ(LOWORD(MonthCal_GetFirstDayOfWeek(Calendar())), 6);
    SYSTEMTIME selected = {};
    ASSERT_TRUE(MonthCal_GetCurSel(Calendar(), &selected));
    EXPECT_EQ(selected.wMonth, 5);
    EXPECT_EQ(selected.wDay, 9);
    // At least 140 x 170 and large enough for a whole month in the
    // calendar's font, left 20 pixels into the item unless that would
    // leave the screen.
    const RECT place = testkit::ScreenRect(Popup(kPopupPickDate));
    const RECT item = testkit::ScreenRect(ItemWindow);
    const int width = place.right - place.left;
    EXPECT_GE(width, 140);
    EXPECT_GE(place.bottom - place.top, 170);
    EXPECT_EQ(place.left, std::min<int>(item.left + 20, GetSystemMetrics(SM_CXSCREEN) - width));
    EXPECT_GE(place.left, 0);
    EXPECT_EQ(place.top, PopupMenuPoint(Bands.title).y);
    EXPECT_EQ(GetWindowLongW(Popup(kPopupPickDate), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT needed = {};
    ASSERT_TRUE(MonthCal_GetMinReqRect(Calendar(), &needed));
    const RECT calendar = testkit::ScreenRect(Calendar());
    EXPECT_EQ(calendar.left - place.left, 1);
    EXPECT_EQ(calendar.top - place.top, 17);
    EXPECT_GE(calendar.right - calendar.left, std::max<int>(138, needed.right - needed.left));
    EXPECT_GE(calendar.bottom - calendar.top, std::max<int>(150, needed.bottom - needed.top));
    EXPECT_LE(calendar.right, place.right);
    EXPECT_LE(calendar.bottom, place.bottom);

    HidePopup(kPopupPickDate);
    Settings.WeekStart = 1;
    ASSERT_TRUE(OnItemCommand(IDM_PICK_DATE));
    EXPECT_EQ(LOWORD(MonthCal_GetFirstDayOfWeek(Calendar())), 0);
}

TEST_F(PickDateTest, APickedDayBecomesTheSpansFirstDay)
{
    AddAppointment({L"월말 회의", Date(2024, 5, 20, 10, 0), Date(2024, 5, 20, 11, 0)});
    ShowSchedule(0);
    ASSERT_TRUE(OnItemCommand(IDM_PICK_DATE));
    TapDay(2024, 5, 20);
    EXPECT_EQ(SpanStart, Date(2024, 5, 20));
    EXPECT_FALSE(Shown(kPopupPickDate));
    EXPECT_GE(EntryOf(L"월말 회의"), 0);
    EXPECT_EQ(std::wstring(HeaderTitle), L"5월 20일 (월)");
}

class WeatherPopupTest : public PopupTest {
protected:
    void SetUp() override
    {
        PopupTest::SetUp();
        weathertest::ResetWeatherState();
        Settings.TodayShowWeather = 1;
        ASSERT_TRUE(StoreWeatherFeed(weathertest::FixtureRecords()));
        BuildHotZones();
    }
    void TapWeatherCell(int cell)
    {
        const RECT rect = WeatherCellRect(cell);
        ASSERT_TRUE(OnItemTap((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    }
    std::wstring Day(int block, int firstId) const { return Text(kPopupWeather, firstId + block); }
};

TEST_F(WeatherPopupTest, ACellShowsThreeDaysFromItsDay)
{
    TapWeatherCell(1);
    ASSERT_TRUE(Shown(kPopupWeather));
    EXPECT_EQ(Title(kPopupWeather), L"■ 날씨[서울/경기 지역]");
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 8일 (수)");
    EXPECT_EQ(Day(0, IDC_WEATHER_FORECAST), L"구름많음");
    EXPECT_EQ(Day(0, IDC_WEATHER_TEMPERATURE), L"기온:-12℃/-1℃");
    EXPECT_EQ(Day(0, IDC_WEATHER_RAIN), L"강수확률:오전(0％)/오후(60％)");
    EXPECT_EQ(Day(2, IDC_WEATHER_DATE), L"5월 10일 (금)");
    EXPECT_EQ(Day(2, IDC_WEATHER_FORECAST), L"눈");

    Press(kPopupWeather, IDC_WEATHER_NEXT);  // days 5-7 of the seven
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 11일 (토)");
    EXPECT_EQ(Day(2, IDC_WEATHER_DATE), L"5월 13일 (월)");
    EXPECT_EQ(Day(2, IDC_WEATHER_TEMPERATURE), L"");  // both temperatures blank
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Popup(kPopupWeather), IDC_WEATHER_NEXT)));
    Press(kPopupWeather, IDC_WEATHER_PREVIOUS);
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 8일 (수)");
    Press(kPopupWeather, IDC_WEATHER_PREVIOUS);  // back to the first day
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 7일 (화)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Popup(kPopupWeather), IDC_WEATHER_PREVIOUS)));
}

TEST_F(WeatherPopupTest, TheTitleFollowsTheRegionAndTheLastPageMayBeShort)
{
    ApplyWeatherRegion(901);
    LoadWeather(WeatherRegionName);
    ASSERT_EQ(WeatherDayCount, 7);
    ShowWeatherDialog(6);
    EXPECT_EQ(Title(kPopupWeather), L"■ 날씨[제주 지역]");
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 13일 (월)");
    EXPECT_EQ(Day(1, IDC_WEATHER_DATE), L"");
    EXPECT_EQ(Day(1, IDC_WEATHER_RAIN), L"");
    // The third day's first temperature is blank: the second alone.
    EXPECT_EQ(WeatherTemperatureLine(WeatherDays[2]), L"기온:" + std::wstring(WeatherDays[2].value2) + L"℃");
    ShowWeatherDialog(7);  // no such day: nothing new
    EXPECT_EQ(Day(0, IDC_WEATHER_DATE), L"5월 13일 (월)");
}

class FrameTest : public PopupTest {};

TEST_F(FrameTest, TheTitleBarDragsAndTheCloseBoxHides)
{
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    ShowSchedule(0);
    ShowItemDetailDialog(EntryOf(L"치과"));
    HWND dialog = Popup(kPopupDetail);
    const POINT before = ScreenPlace(dialog);
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 8));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(90, 28));
    const POINT after = ScreenPlace(dialog);
    EXPECT_EQ(after.x, before.x + 30);
    EXPECT_EQ(after.y, before.y + 20);
    EXPECT_NE(GetCapture(), dialog);

    // A press below the title bar moves nothing.
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 40));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(90, 60));
    EXPECT_EQ(ScreenPlace(dialog).x, after.x);

    const int width = testkit::ClientRectOf(dialog).right;
    // The close box: released outside it, the pop-up stays.
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width - 8, 8));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(width - 60, 8));
    EXPECT_TRUE(Shown(kPopupDetail));
    SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(width - 8, 8));
    SendMessageW(dialog, WM_LBUTTONUP, 0, MAKELPARAM(width - 6, 10));
    EXPECT_FALSE(Shown(kPopupDetail));
}

TEST_F(FrameTest, OneShownHidesTheOthersAndEachIsMadeOnce)
{
    weathertest::ResetWeatherState();
    ASSERT_TRUE(StoreWeatherFeed(weathertest::FixtureRecords()));
    AddAppointment({L"치과", Date(2024, 5, 7, 10, 0), Date(2024, 5, 7, 11, 0)});
    ShowSchedule(0);
    ShowItemDetailDialog(EntryOf(L"치과"));
    HWND detail = Popup(kPopupDetail);
    ShowWeatherDialog(0);
    EXPECT_FALSE(Shown(kPopupDetail));
    EXPECT_TRUE(Shown(kPopupWeather));
    ASSERT_TRUE(OnItemCommand(IDM_PICK_DATE));
    EXPECT_FALSE(Shown(kPopupWeather));
    EXPECT_TRUE(Shown(kPopupPickDate));
    ShowItemDetailDialog(EntryOf(L"치과"));
    EXPECT_FALSE(Shown(kPopupPickDate));
    EXPECT_EQ(Popup(kPopupDetail), detail);
    // Owned by the item's window; the item's end destroys them.
    EXPECT_EQ(GetWindow(detail, GW_OWNER), GetAncestor(ItemWindow, GA_ROOT));
    DestroyPopups();
    EXPECT_FALSE(IsWindow(detail));
}

}  // namespace
