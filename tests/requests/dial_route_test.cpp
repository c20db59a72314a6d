// The dial route over the device profiles: each phone model's adapter
// reaches its stand-in (the call request, the HP and LG phones' record, the
// test phone library's dial), and nothing happens or shows without a number,
// a phone window or a library.
#include "core/build_variant.h"
#include "mainwindow/device_class.h"
#include "mainwindow/item_commands.h"
#include "mainwindow/request_hooks.h"
#include "mainwindow/dial_adapters.h"
#include "mainwindow/phone_requests.h"
#include "mainwindow/state.h"
#include "tests/requests/requests_fixture.h"
#include "tests/shell/support.h"
#include "tests/support/box_watch.h"
#include "tests/support/standins.h"
#include "tests/views/main_window_fixture.h"
#include "resources/resource.h"

#include <memory>

namespace requests {
namespace {

using testkit::FirstDifference;
using testkit::PacketBytes;
using testkit::StandinProgram;

constexpr wchar_t kNumber[] = L"0101234567";
constexpr wchar_t kName[] = L"홍길동";
constexpr wchar_t kCallRequest[] =
    L"PhoneMakeCall: dest=\"0101234567\" app=\"Quillon\" party=\"홍길동\" comment=\"\"";
constexpr wchar_t kLibraryDial[] = L"Test phone library: Telvo_EXT_Dial number=\"0101234567\" type=1 text=\"\"";

struct Standin {
    const wchar_t* program;
    const wchar_t* windowClass;
    const wchar_t* title;
};
const Standin kHpPhone = {L"HpPhone.exe", L"WCE_HPPHONE", L"HP Phone"};
const Standin kLgPdaPhone = {L"LgPhone.exe", L"AfxFrameOrView42u", L"LG_PDAPHONE"};
const Standin kLgPhone = {L"LgPhone.exe", L"AfxFrameOrView42u", L"LG PHONE"};
const Standin kNatePhone = {L"NatePhone.exe", L"AfxTelvoNatePhone", L"Telvo Phone"};

// Every trace a dial can leave: call requests, packets the phone stand-ins
// took, the test library's dials.
std::vector<std::wstring> Recorded(const LogMark& mark)
{
    std::vector<std::wstring> lines;
    for (const std::wstring& line : mark.Since(L"")) {
        const bool packet = line.find(L": WM_COPYDATA") != std::wstring::npos;
        if (packet || line.rfind(L"PhoneMakeCall:", 0) == 0 || line.rfind(L"Test phone library:", 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

std::wstring PacketLine(const wchar_t* title, size_t bytes, int code)
{
    return std::wstring(L"Standin ") + title + L": WM_COPYDATA code=" + std::to_wstring(code) +
           L" wparam=0 bytes=" + std::to_wstring(bytes);
}

class DialRouteTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (auto& standin : running_)
            standin->Stop();
        PutPhoneLibrary(PhoneLibrary::None);
        ClassifyThisDevice();  // back to this run's own profile
    }

    // Poses as the profile's device, as the start-up classifies it.
    void PoseAs(const wchar_t* profile)
    {
        shelltest::ScopedProfile posed(shelltest::ProfilePath(profile));
        ClassifyThisDevice();
    }

    void StartStandin(const Standin& standin)
    {
        running_.push_back(std::make_unique<StandinProgram>(standin.program, standin.windowClass, standin.title));
        ASSERT_TRUE(running_.back()->Start(standin.title)) << "no window of " << testing::PrintToString(standin.title);
    }

    std::vector<std::unique_ptr<StandinProgram>> running_;
};

struct RouteCase {
    const wchar_t* profile;
    int phoneModel;
    std::vector<Standin> standins;
    PhoneLibrary library;
    std::vector<std::wstring> recorded;
};

TEST_F(DialRouteTest, EachPhoneModelDialsThroughItsAdapter)
{
    const RouteCase cases[] = {
        {L"default", kPhoneOther, {}, PhoneLibrary::None, {kCallRequest}},
        {L"samsung-m4500", kPhoneSamsung, {}, PhoneLibrary::None, {kCallRequest}},
        {L"hp-rw6100", kPhoneHp, {kHpPhone}, PhoneLibrary::None, {PacketLine(L"HP Phone", 592, 2410)}},
        {L"lg", kPhoneLg, {kLgPdaPhone}, PhoneLibrary::None, {PacketLine(L"LG_PDAPHONE", 592, 2410)}},
        {L"lg-phone", kPhoneLg, {kLgPhone}, PhoneLibrary::None, {PacketLine(L"LG PHONE", 592, 2410)}},
        {L"lg", kPhoneLg, {kLgPhone, kLgPdaPhone}, PhoneLibrary::None, {PacketLine(L"LG_PDAPHONE", 592, 2410)}},
        // The model text read for dialing holds 7 characters: every Harrowell
        // device dials through the library, none straight to its phone.
        {L"harrowell", kPhoneHarrowell, {kNatePhone}, PhoneLibrary::WithDial, {kLibraryDial}},
    };
    const std::vector<uint8_t> record = PacketBytes(592).Wide(0, kNumber).Wide(72, kName).Bytes();
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.profile) + " with " + std::to_string(c.standins.size()) + " stand-ins");
        for (const Standin& standin : c.standins)
            StartStandin(standin);
        PutPhoneLibrary(c.library);
        PoseAs(c.profile);
        ASSERT_EQ(PhoneModel, c.phoneModel);

        LogMark mark;
        boxwatch::ArmForThisThread();
        RouteDial(kNumber, kName);
        testkit::PumpFor(100);
        EXPECT_FALSE(boxwatch::Disarm().seen);
        EXPECT_EQ(Recorded(mark), c.recorded);
        for (const Standin& standin : c.standins) {
            std::vector<testkit::StandinPacket> packets = testkit::StandinPackets(standin.title);
            if (!packets.empty() && packets.back().code == kPhoneDialRecordCode) {
                EXPECT_EQ(FirstDifference(packets.back().bytes, record), "") << testing::PrintToString(standin.title);
            }
        }
        TearDown();
        running_.clear();
    }
}

// The phone-linked build dials through its linked library on every device,
// whatever the phone model would take.
std::vector<std::wstring> g_linkedDials;

int RecordLinkedDial(const wchar_t* number, int type, const wchar_t* text)
{
    g_linkedDials.push_back(std::wstring(number) + L" " + std::to_wstring(type) + L" \"" + text + L"\"");
    return -1;
}

TEST_F(DialRouteTest, ThePhoneLinkedBuildDialsThroughItsLibraryOnEveryDevice)
{
    LinkedPhoneDial = RecordLinkedDial;
    for (const wchar_t* profile : {L"default", L"ce3-nate", L"hp-rw6100", L"harrowell", L"samsung-m4500"}) {
        SCOPED_TRACE(testing::PrintToString(profile));
        PoseAs(profile);
        g_linkedDials.clear();
        LogMark mark;
        RouteDial(kNumber, kName);
        EXPECT_EQ(g_linkedDials, std::vector<std::wstring>{L"0101234567 1 \"\""});
        EXPECT_EQ(Recorded(mark), std::vector<std::wstring>());
    }
    LinkedPhoneDial = nullptr;
}

TEST_F(DialRouteTest, AHarrowellDeviceReadsAModelTextThatNamesNoModel)
{
    PoseAs(L"harrowell");
    EXPECT_EQ(std::wstring(OemInfo), L"HARROWELL");
    EXPECT_EQ(std::wstring(DialModelString), L"HARROWE");
    EXPECT_EQ(DialAdapterOfDevice(), DialByTelvo);
}

TEST_F(DialRouteTest, WithoutANumberNothingIsSent)
{
    StartStandin(kHpPhone);
    StartStandin(kLgPdaPhone);
    PutPhoneLibrary(PhoneLibrary::WithDial);
    for (const wchar_t* profile : {L"default", L"hp-rw6100", L"lg", L"harrowell"}) {
        SCOPED_TRACE(testing::PrintToString(profile));
        PoseAs(profile);
        LogMark mark;
        RouteDial(L"", kName);
        RouteDial(nullptr, kName);
        testkit::PumpFor(100);
        EXPECT_EQ(Recorded(mark), std::vector<std::wstring>());
    }
}

TEST_F(DialRouteTest, WithoutAPhoneWindowOrLibraryNothingHappensOrShows)
{
    const struct {
        const wchar_t* profile;
        PhoneLibrary library;
    } cases[] = {
        {L"hp-rw6100", PhoneLibrary::None},
        {L"lg", PhoneLibrary::None},
        {L"lg-phone", PhoneLibrary::None},
        {L"harrowell", PhoneLibrary::None},
        {L"harrowell", PhoneLibrary::WithoutDial},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.profile));
        PutPhoneLibrary(c.library);
        PoseAs(c.profile);
        LogMark mark;
        boxwatch::ArmForThisThread();
        RouteDial(kNumber, kName);
        testkit::PumpFor(100);
        EXPECT_FALSE(boxwatch::Disarm().seen);
        EXPECT_EQ(Recorded(mark), std::vector<std::wstring>());
    }
}

TEST_F(DialRouteTest, TheNatePhoneGetsItsDialPacket)
{
    LogMark before;
    DialByNatePhone(kNumber, kName);  // no window: nothing
    EXPECT_EQ(Recorded(before), std::vector<std::wstring>());

    StartStandin(kNatePhone);
    std::vector<testkit::StandinPacket> packets =
        testkit::StandinPacketsOf(L"Telvo Phone", [] { DialByNatePhone(kNumber, kName); });
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].code, 1u);
    EXPECT_EQ(packets[0].wParam, 0u);
    EXPECT_EQ(FirstDifference(packets[0].bytes, PacketBytes(252).U32(0, 50000).U32(4, 1).Text(8, "0101234567").Bytes()),
              "");
}

// A dial request of the Today item goes through the dial command to the
// device's phone; the view number stays as it was.
TEST_F(DialRouteTest, ATodayDialRequestReachesThePhone)
{
    views::ResetViews();
    InstallItemCommands();
    SetRequestHooks();
    StartStandin(kHpPhone);
    PoseAs(L"hp-rw6100");
    SendMessageW(MainWindow, WM_COMMAND, IDC_TASK_VIEW_TAB, 0);
    // "0101234567" and "홍길동" (code page 949) right-aligned, contact 7.
    WriteRequestFile(Repeat(' ', 10) + Raw("0101234567") + Repeat(' ', 24) + Raw("\xC8\xAB\xB1\xE6\xB5\xBF") +
                     Raw("\x01\x01\x01\x08"));
    std::vector<testkit::StandinPacket> packets = testkit::StandinPacketsOf(
        L"HP Phone", [] { SendMessageW(MainWindow, WM_TIMER, kTimerTodayRequests, 0); });
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].code, kPhoneDialRecordCode);
    EXPECT_EQ(FirstDifference(packets[0].bytes, PacketBytes(592).Wide(0, kNumber).Wide(72, kName).Bytes()), "");
    EXPECT_EQ(CurrentView, kTaskView);
    views::ResetViews();
}

}  // namespace
}  // namespace requests
