// One copy only; the settings the program leaves; a start that fails; the
// main window as it is seen.
#include "core/registry.h"
#include "tests/support/box_watch.h"
#include "tests/startup/quillon_process.h"
#include "tests/startup/settings_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";
constexpr wchar_t kOutlookLibrary[] = L"\\Windows\\ceoutlook.dll";
constexpr wchar_t kOutlookLibraryAside[] = L"\\Windows\\ceoutlook.dll.aside";

std::string SettingsText()
{
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(kSettingsFile);
    return std::string(bytes.begin(), bytes.end());
}

void WriteSettings(const std::string& text)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kSettingsFile, std::vector<uint8_t>(text.begin(), text.end())));
}

// Poses the device as another handset for the next start.
class OemText {
public:
    explicit OemText(const wchar_t* text) : profile_(testkit::DeviceProfilePath())
    {
        GetPrivateProfileStringW(L"Device", L"OemText", L"Pocket PC", saved_, ARRAYSIZE(saved_), profile_.c_str());
        WritePrivateProfileStringW(L"Device", L"OemText", text, profile_.c_str());
    }
    ~OemText() { WritePrivateProfileStringW(L"Device", L"OemText", saved_, profile_.c_str()); }

private:
    std::wstring profile_;
    wchar_t saved_[100] = L"";
};

// A started copy, closed at the end of the test whatever happened.
struct RunningCopy {
    quillon::Process process;
    HWND window = nullptr;
    bool Start()
    {
        process = quillon::Start();
        window = quillon::WaitForMainWindow();
        return window != nullptr;
    }
    int Close()
    {
        int code = quillon::Close(window, process);
        window = nullptr;
        return code;
    }
    ~RunningCopy()
    {
        if (process.handle)
            quillon::Close(window, process);
    }
};

class StartupInstanceTest : public testing::Test {
protected:
    void SetUp() override { DeleteFileW(kSettingsFile); }
};

TEST_F(StartupInstanceTest, SecondStartFrontsTheFirstAndEnds)
{
    RunningCopy first;
    ASSERT_TRUE(first.Start());
    ShowWindow(first.window, SW_HIDE);
    ASSERT_TRUE(testkit::PumpUntil([&] { return !IsWindowVisible(first.window); }, 3000));

    quillon::Process second = quillon::Start();
    EXPECT_EQ(quillon::WaitForEnd(second), 0);
    EXPECT_EQ(quillon::CountMainClassWindows(), 1);
    EXPECT_TRUE(testkit::PumpUntil([&] { return IsWindowVisible(first.window) != FALSE; }, 3000));
    EXPECT_EQ(GetForegroundWindow(), first.window);
    EXPECT_EQ(first.Close(), 0);
}

TEST_F(StartupInstanceTest, SecondStartFrontsTheFirstCopysOpenDialog)
{
    RunningCopy first;
    ASSERT_TRUE(first.Start());
    // A window owned by the first copy's main window stands for its dialog.
    HWND dialog = CreateWindowExW(0, L"#32770", L"dialog", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 26, 240, 200,
                                  first.window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    SetForegroundWindow(dialog);
    testkit::PumpFor(200);
    HWND elsewhere = testkit::CreateTestWindow(true);
    SetForegroundWindow(elsewhere);
    testkit::PumpFor(200);

    quillon::Process second = quillon::Start();
    EXPECT_EQ(quillon::WaitForEnd(second), 0);
    EXPECT_TRUE(testkit::PumpUntil([&] { return GetForegroundWindow() == dialog; }, 3000));
    DestroyWindow(dialog);
    DestroyWindow(elsewhere);
    EXPECT_EQ(first.Close(), 0);
}

TEST_F(StartupInstanceTest, AWindowOfTheClassWithAnotherTitleDoesNotCount)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = quillon::kMainClass;
    RegisterClassW(&wc);
    HWND impostor = CreateWindowExW(0, quillon::kMainClass, L"다이어리 ", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(impostor, nullptr);

    RunningCopy copy;
    EXPECT_TRUE(copy.Start());
    EXPECT_EQ(quillon::CountMainClassWindows(), 2);
    EXPECT_EQ(copy.Close(), 0);
    DestroyWindow(impostor);
    UnregisterClassW(quillon::kMainClass, GetModuleHandleW(nullptr));
}

TEST_F(StartupInstanceTest, SettingsAreSavedAtExitWithTheDevicesKeypadLayout)
{
    struct KeypadCase {
        const wchar_t* oem;
        const char* stored;  // field 4 as found in the file before the start
        const char* saved;
    };
    const KeypadCase cases[] = {
        {L"hp iPAQ rw6100", "-1", " 2"}, {L"LG KC1", "-1", " 2"}, {L"HARROWELL", "-1", " 3"},
        {L"SAMSUNG SPH-M4500", "-1", " 1"}, {L"Pocket PC", "-1", " 0"}, {L"hp iPAQ rw6100", " 3", " 3"},
    };
    for (const KeypadCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.oem)) + " " + c.stored);
        std::string record = kCustomRecord;
        record.replace(FieldOffset(4), 2, c.stored);
        WriteSettings(record);
        OemText device(c.oem);
        RunningCopy copy;
        ASSERT_TRUE(copy.Start());
        ASSERT_EQ(copy.Close(), 0);
        std::string expected = record;
        expected.replace(FieldOffset(4), 2, c.saved);
        EXPECT_EQ(SettingsText(), expected);
    }
}

TEST_F(StartupInstanceTest, GarbledSettingsLeaveAValidFileAtExit)
{
    WriteSettings(std::string(178, 'x'));
    RunningCopy copy;
    ASSERT_TRUE(copy.Start());
    ASSERT_EQ(copy.Close(), 0);
    // The default device has no phone: the keypad layout becomes 0.
    std::string expected = kDefaultRecord;
    expected.replace(FieldOffset(4), 2, " 0");
    EXPECT_EQ(SettingsText(), expected);
}

TEST_F(StartupInstanceTest, WeekStartIsWrittenToTheLocale)
{
    const std::pair<const char*, const wchar_t*> cases[] = {{" 1", L"0"}, {" 0", L"6"}};
    for (const auto& [field, locale] : cases) {
        SCOPED_TRACE(field);
        std::string record = kCustomRecord;
        record.replace(FieldOffset(3), 2, field);
        WriteSettings(record);
        RunningCopy copy;
        ASSERT_TRUE(copy.Start());
        wchar_t value[8] = L"";
        GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, value, ARRAYSIZE(value));
        EXPECT_STREQ(value, locale);
        EXPECT_EQ(copy.Close(), 0);
    }
}

// Starts a copy that is to fail; returns the error box it showed (answered)
// and whether it then ended with 0 without showing a main window.
boxwatch::SeenBox RunFailingStart(const wchar_t* screenshotName, bool* endedCleanly)
{
    quillon::Process process = quillon::Start();
    HWND box = nullptr;
    testkit::PumpUntil([&] { return (box = boxwatch::FindProcessBox(process.id)) != nullptr; }, quillon::kStartLimitMs);
    boxwatch::SeenBox seen;
    if (box) {
        testkit::PumpFor(500);
        seen = boxwatch::ReadBox(box);
        testkit::SaveScreenshot(testkit::CaptureScreen(), screenshotName);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    // While the box is up the window is still being created: never shown.
    HWND window = FindWindowW(quillon::kMainClass, quillon::kMainTitle);
    bool noWindow = !window || !IsWindowVisible(window);
    int code = quillon::WaitForEnd(process);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(noWindow);
    *endedCleanly = code == 0 && noWindow;
    return seen;
}

TEST_F(StartupInstanceTest, FailedOutlookStartIsReportedAndLeavesTheSettingsAlone)
{
    WriteSettings(kCustomRecord);
    // Without its library the Pocket Outlook object cannot be made.
    ASSERT_TRUE(MoveFileW(kOutlookLibrary, kOutlookLibraryAside));
    bool endedCleanly = false;
    boxwatch::SeenBox box = RunFailingStart(L"failed-outlook-start", &endedCleanly);
    MoveFileW(kOutlookLibraryAside, kOutlookLibrary);

    ASSERT_TRUE(box.seen);
    // The failed call's result, a failure code of COM.
    EXPECT_EQ(box.caption.rfind(L"An -", 0), 0u) << testing::PrintToString(box.caption);
    EXPECT_NE(box.caption.find(L" error occured."), std::wstring::npos);
    EXPECT_EQ(box.text.rfind(L"Generic, Line=", 0), 0u) << testing::PrintToString(box.text);
    EXPECT_NE(box.text.find(L", File=.\\main_create"), std::wstring::npos);
    EXPECT_TRUE(endedCleanly);
    EXPECT_EQ(SettingsText(), std::string(kCustomRecord));
}

TEST_F(StartupInstanceTest, FailedMountIsReportedAndLeavesTheSettingsAlone)
{
    WriteSettings(kCustomRecord);
    DeleteFileW(L"\\pim.vol");
    ASSERT_TRUE(CreateDirectoryW(L"\\pim.vol", nullptr));
    bool endedCleanly = false;
    boxwatch::SeenBox box = RunFailingStart(L"failed-mount", &endedCleanly);
    RemoveDirectoryW(L"\\pim.vol");
    ASSERT_TRUE(box.seen);
    EXPECT_NE(box.text.find(L", File=.\\main_create"), std::wstring::npos);
    EXPECT_TRUE(endedCleanly);
    EXPECT_EQ(SettingsText(), std::string(kCustomRecord));
}

TEST_F(StartupInstanceTest, MainWindowAfterStartUp)
{
    RunningCopy copy;
    ASSERT_TRUE(copy.Start());
    testkit::PumpFor(1000);
    RECT rect = testkit::ScreenRect(copy.window);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.right, 240);
    EXPECT_EQ(rect.bottom, screenHeight - 26) << "the menu bar's 26 pixels stay free";
    testkit::Image screen = testkit::CaptureScreen();
    testkit::SaveScreenshot(screen, L"main-window");
    // The title band shows above and right of the view tabs; the window's
    // own background down its left edge, beside the views.
    EXPECT_EQ(screen.At(rect.left + 100, rect.top), RGB(16, 44, 99));
    EXPECT_EQ(screen.At(rect.left + 239, rect.top + 16), RGB(16, 44, 99));
    EXPECT_EQ(screen.At(rect.left + 100, rect.top + 60), RGB(255, 255, 255));
    EXPECT_EQ(screen.At(rect.left, rect.top + 200), RGB(99, 125, 165));
    EXPECT_EQ(copy.Close(), 0);
}

}  // namespace
