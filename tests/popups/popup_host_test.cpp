// Glimmor.dll on the device's Today screen with the weather server
// stand-in: the feed downloaded as the item starts, the strip with large
// and then small icons, the text without weather, and each pop-up over the
// Today screen, pictured.
#include "core/link_tables.h"
#include "core/settings_file.h"
#include "platform/outlook/client_values.h"
#include "tests/hosts/today_items.h"
#include "tests/popups/weather_fixture.h"
#include "tests/support/device_clock.h"
#include "tests/today/new_items.h"
#include "today/outlook_session.h"
#include "today/resource.h"
#include "today/weather_store.h"

#include <gtest/gtest.h>

namespace {

using namespace weathertest;
using poomclient::Date;
using todaytest::Ascii;
using todaytest::Hex;
using todaytest::operator+;

constexpr wchar_t kItemName[] = L"\"Glimmor\"";
constexpr wchar_t kItemClass[] = L"GlimmorWndClass";
constexpr wchar_t kAddress[] = L"127.0.0.24";
constexpr DWORD kQueryLimitMs = 10000;
// Where the rows and cells stand with the clock off, the weather line on
// and a span of one day without weekday names (see the item's layout).
constexpr int kLargeWeatherListTop = 55;
constexpr int kRowHeight = 14;
constexpr POINT kFirstWeatherCell = {40, 18};
constexpr int kNameX = 25;
constexpr int kTextX = 150;

DiarySettings HostSettings(bool weather, int iconSize)
{
    DiarySettings settings = ParseSettingsRecord(nullptr, 0, RGB(0, 0, 0));
    settings.TodayShowWeather = weather ? 1 : 0;
    settings.WeatherIconSize = iconSize;
    settings.WeatherRegion = 1;
    settings.TodayShowClock = 0;
    settings.TodaySpan = 0;
    settings.TodayShowWeekday = 0;
    settings.TodayShowReminderPriority = 0;
    settings.TodayOnlyBusyDays = 1;
    return settings;
}

void WriteSettings(const DiarySettings& settings)
{
    const std::string record = FormatSettingsRecord(settings);
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon.ini", Bytes(record.begin(), record.end())));
}

// The item's own session on the device's volume and Pocket Outlook, from
// this process, for what a case puts there before the item starts.
class DeviceSession {
public:
    DeviceSession() : notices_(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
        OpenPocketOutlook(notices_);
    }
    ~DeviceSession()
    {
        ClosePocketOutlook();
        DestroyWindow(notices_);
    }
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

private:
    HWND notices_;
};

class PopupsOnTheTodayScreen : public testing::Test {
protected:
    void SetUp() override
    {
        hosttest::ClearDeviceLog();
        hosttest::ClearItems();
        ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 0));
        DeleteFileW(L"\\Windows\\GlimmorM.ini");
        DeleteFileW(kLastWeatherDateFile);
        SetWeatherHost(kAddress);
        hosttest::RegisterItem(hosttest::ItemKey{.name = kItemName, .dll = L"\\Windows\\Glimmor.dll", .options = 1});
    }
    void TearDown() override
    {
        host_.Close();
        hosttest::ClearItems();
        SetWeatherHost(nullptr);
        testkit::RestoreDeviceTime();
        DeleteFileW(L"\\Windows\\Quillon.ini");
    }

    void StartHost()
    {
        ASSERT_TRUE(host_.Start());
        ASSERT_TRUE(testkit::PumpUntil([&] { return Item() && testkit::ClientRectOf(Item()).bottom > 0; },
                                       kQueryLimitMs))
            << "the item took no height";
    }
    HWND Item() const { return FindWindowExW(host_.Window(), nullptr, kItemClass, nullptr); }
    void TapItem(POINT at)
    {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(Item(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 10000, &answer);
        SendMessageTimeoutW(Item(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 10000, &answer);
    }
    // The item's pop-up of that title, once it is shown.
    HWND ShownPopup(const wchar_t* title)
    {
        HWND popup = nullptr;
        testkit::PumpUntil(
            [&] {
                popup = FindWindowW(L"#32770", title);
                return popup && IsWindowVisible(popup);
            },
            kQueryLimitMs);
        return popup && IsWindowVisible(popup) ? popup : nullptr;
    }
    void Screenshot(const std::wstring& name)
    {
        testkit::PumpFor(400);
        RedrawWindow(host_.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::PumpFor(600);
        testkit::SaveScreenshot(testkit::CaptureWindow(host_.Window()), name);
    }

    hosttest::TodayHost host_;
};

TEST_F(PopupsOnTheTodayScreen, TheFeedIsDownloadedAtTheStartAndShownWithLargeThenSmallIcons)
{
    WriteSettings(HostSettings(true, 1));
    WeatherServer server(kAddress, FixtureFeed());
    ASSERT_TRUE(server.Listening());
    StartHost();
    const std::vector<std::wstring> connections = server.WaitForConnections(1);
    ASSERT_EQ(connections.size(), 1u);
    EXPECT_NE(connections[0].find(L"sent 5880 bytes, received 0 bytes"), std::wstring::npos);
    EXPECT_EQ(Hex(testkit::ReadFileBytes(kLastWeatherDateFile)), Hex(Ascii("2024-05-07")));
    Screenshot(L"weather_strip_large");

    TapItem(kFirstWeatherCell);
    HWND weather = ShownPopup(L"■ 날씨[서울/경기 지역]");
    ASSERT_NE(weather, nullptr);
    EXPECT_EQ(testkit::WindowText(GetDlgItem(weather, IDC_WEATHER_DATE)), L"5월 7일 (화)");
    EXPECT_EQ(testkit::WindowText(GetDlgItem(weather, IDC_WEATHER_RAIN)), L"강수확률:오전(30％)/오후(0％)");
    Screenshot(L"popup_weather");
    SendMessageW(weather, WM_CLOSE, 0, 0);

    WriteSettings(HostSettings(true, 0));
    ASSERT_TRUE(testkit::WriteFileBytes(L"\\Windows\\Quillon3.qmk", {}));
    ASSERT_TRUE(testkit::PumpUntil([] { return !testkit::FileExists(L"\\Windows\\Quillon3.qmk"); }, kQueryLimitMs));
    Screenshot(L"weather_strip_small");
    testkit::PumpFor(300);
    EXPECT_EQ(server.Connections().size(), 1u);  // one download a day
}

TEST_F(PopupsOnTheTodayScreen, WithoutAFeedTheStripSaysSo)
{
    SetWeatherHost(nullptr);
    {
        DeviceSession session;
        DeleteWeatherDatabase();
    }
    WriteSettings(HostSettings(true, 1));
    StartHost();
    EXPECT_FALSE(testkit::FileExists(kLastWeatherDateFile));
    Screenshot(L"weather_none");
}

TEST_F(PopupsOnTheTodayScreen, EachPopUpOverTheTodayScreen)
{
    {
        DeviceSession session;
        IContact* contact = todaytest::NewItem<IContact>(olContactItem, IID_IContact);
        ASSERT_NE(contact, nullptr);
        contact->put_LastName(poomclient::Text(L"홍"));
        contact->put_FirstName(poomclient::Text(L"길동"));
        contact->put_CompanyName(poomclient::Text(L"가나상사"));
        contact->put_MobileTelephoneNumber(poomclient::Text(L"010-1234-5678"));
        contact->put_Email1Address(poomclient::Text(L"hong@example.kr"));
        const CEOID contactOid = todaytest::SaveAndRelease(contact);
        IAppointment* appointment = todaytest::NewItem<IAppointment>(olAppointmentItem, IID_IAppointment);
        ASSERT_NE(appointment, nullptr);
        appointment->put_Subject(poomclient::Text(L"치과"));
        appointment->put_Location(poomclient::Text(L"강남"));
        appointment->put_Body(poomclient::Text(L"스케일링 예약"));
        appointment->put_Start(Date(2024, 5, 7, 10, 0));
        appointment->put_End(Date(2024, 5, 7, 11, 0));
        appointment->put_ReminderSet(VARIANT_TRUE);
        const CEOID appointmentOid = todaytest::SaveAndRelease(appointment);
        ASSERT_NE(contactOid, 0u);
        ASSERT_NE(appointmentOid, 0u);
        CreatePlanLinkDatabase();
        AddPlanLink(contactOid, appointmentOid);
    }
    WriteSettings(HostSettings(true, 1));
    WeatherServer server(kAddress, FixtureFeed());
    ASSERT_TRUE(server.Listening());
    StartHost();
    const int rowMiddle = kLargeWeatherListTop + kRowHeight + kRowHeight / 2;  // the second row: the appointment

    TapItem(POINT{kTextX, rowMiddle});
    HWND detail = ShownPopup(L"■ 일정");
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(testkit::WindowText(GetDlgItem(detail, IDC_DETAIL_SUBJECT)), L"치과");
    EXPECT_EQ(testkit::WindowText(GetDlgItem(detail, IDC_DETAIL_THIRD)), L"2024-05-07 10:00");
    Screenshot(L"popup_detail");

    TapItem(POINT{kNameX, rowMiddle});
    HWND card = ShownPopup(L"■ 연락처");
    ASSERT_NE(card, nullptr);
    EXPECT_FALSE(IsWindowVisible(detail));
    EXPECT_EQ(testkit::WindowText(GetDlgItem(card, IDC_CARD_NAME1)), L"홍길동(가나상사)");
    Screenshot(L"popup_card");

    SendMessageW(Item(), WM_COMMAND, IDM_PICK_DATE, 0);
    HWND calendar = ShownPopup(L"■ 달력");
    ASSERT_NE(calendar, nullptr);
    EXPECT_FALSE(IsWindowVisible(card));
    Screenshot(L"popup_pick_date");
}

}  // namespace
