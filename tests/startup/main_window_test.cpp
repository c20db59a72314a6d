// The main window made and destroyed in this process: what its creation
// leaves in the shared state, and what its destruction undoes, also after a
// start that failed.
#include "core/outlook_probes.h"
#include "core/settings_file.h"
#include "mainwindow/startup.h"
#include "mainwindow/state.h"
#include "tests/support/box_watch.h"
#include "tests/startup/settings_fixture.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";

std::string SettingsText()
{
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(kSettingsFile);
    return std::string(bytes.begin(), bytes.end());
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof(info), &info);
    return info.lbColor;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileW(kSettingsFile);
        SettingsFilePath[0] = L'\0';
    }
    void TearDown() override
    {
        if (MainWindow)
            DestroyWindow(MainWindow);
        testkit::TakeQuitMessage();
        UnregisterClassW(L"QUILLON", GetModuleHandleW(nullptr));
        SettingsFilePath[0] = L'\0';
        RemoveDirectoryW(L"\\pim.vol");
    }
};

TEST_F(MainWindowTest, CreationMakesTheRunsStateAndDestructionUndoesIt)
{
    std::string record = kCustomRecord;
    record.replace(FieldOffset(4), 2, "-1");  // keypad layout not chosen yet
    ASSERT_TRUE(testkit::WriteFileBytes(kSettingsFile, std::vector<uint8_t>(record.begin(), record.end())));

    ASSERT_TRUE(InitInstance(GetModuleHandleW(nullptr), SW_SHOW));
    ASSERT_NE(MainWindow, nullptr);
    EXPECT_EQ(FindRunningCopy(L"QUILLON", L"다이어리"), MainWindow);
    EXPECT_NE(MainMenuBar, nullptr);
    EXPECT_NE(OutlookApp, nullptr);
    EXPECT_TRUE(DiaryVolumeMounted);
    for (const OutlookWatchEntry& entry : OutlookWatchState)
        EXPECT_NE(entry.database, nullptr);

    EXPECT_EQ(OsMajorVersion, 5u);
    EXPECT_EQ(PhoneModel, 0);
    EXPECT_EQ(ActiveKeypadLayout, 0);
    EXPECT_EQ(Settings.KeypadLayout, 0);
    EXPECT_EQ(ActiveWeekStart, 1);
    EXPECT_EQ(KeypadSearchField, 'C');
    EXPECT_EQ(ContactSearchField, 'C');
    EXPECT_EQ(ScheduleMode, 'M');
    EXPECT_EQ(CurrentView, 5);
    EXPECT_EQ(InputMethodList.count, 1);
    EXPECT_NE(AppFonts.largeBold, nullptr);

    SYSTEMTIME today;
    GetLocalTime(&today);
    wchar_t expected[11];
    _snwprintf(expected, 11, L"%04d-%02d-%02d", today.wYear, today.wMonth, today.wDay);
    EXPECT_STREQ(CurrentDate, expected);
    EXPECT_STREQ(RangeStart, expected);
    EXPECT_STREQ(RangeEnd, expected);
    EXPECT_EQ(AnniversaryYear, today.wYear);

    ASSERT_NE(ToolbarImageList, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(ToolbarImageList), 28);
    const COLORREF brushes[4] = {RGB(215, 214, 244), RGB(239, 235, 189), RGB(255, 255, 255), RGB(181, 195, 214)};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(BrushColour(CtlColorBrushes[i]), brushes[i]) << "brush " << i;

    RECT rect = testkit::ScreenRect(MainWindow);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.bottom, 294);

    DestroyWindow(MainWindow);
    EXPECT_TRUE(testkit::TakeQuitMessage());
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(MainMenuBar, nullptr);
    EXPECT_EQ(OutlookApp, nullptr);
    EXPECT_EQ(ToolbarImageList, nullptr);
    EXPECT_FALSE(DiaryVolumeMounted);
    for (const OutlookWatchEntry& entry : OutlookWatchState)
        EXPECT_EQ(entry.database, nullptr);
    std::string saved = record;
    saved.replace(FieldOffset(4), 2, " 0");
    EXPECT_EQ(SettingsText(), saved);
}

COLORREF ClientPixel(int x, int y)
{
    POINT at = {x, y};
    ClientToScreen(MainWindow, &at);
    return testkit::ScreenPixel(at.x, at.y);
}

// Counts the background erases of the main window.
int g_erases = 0;
WNDPROC g_mainProc = nullptr;
LRESULT CALLBACK CountErases(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_ERASEBKGND)
        ++g_erases;
    return CallWindowProcW(g_mainProc, window, msg, wParam, lParam);
}

TEST_F(MainWindowTest, TheInputPanelChangeRepaintsTheWholeWindowWithItsBackground)
{
    ASSERT_TRUE(InitInstance(GetModuleHandleW(nullptr), SW_SHOW));
    g_mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountErases)));
    const struct {
        WPARAM setting;
        bool repainted;
    } cases[] = {{SPI_SETSIPINFO, true}, {0, false}, {SPI_SETCURRENTIM, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "setting " << c.setting);
        UpdateWindow(MainWindow);
        testkit::PumpPending();
        SendMessageW(MainWindow, WM_SETTINGCHANGE, c.setting, 0);
        RECT update = {};
        EXPECT_EQ(GetUpdateRect(MainWindow, &update, FALSE) != FALSE, c.repainted);
        if (c.repainted) {
            RECT client = testkit::ClientRectOf(MainWindow);
            EXPECT_TRUE(EqualRect(&update, &client));
        }
        g_erases = 0;
        UpdateWindow(MainWindow);
        EXPECT_EQ(g_erases, c.repainted ? 1 : 0) << "the background is erased";
    }
    SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
}

TEST_F(MainWindowTest, ThePaintFillsTheViewAreaWhiteButInTheContactListsLayout)
{
    ASSERT_TRUE(InitInstance(GetModuleHandleW(nullptr), SW_SHOW));
    for (HWND child = GetWindow(MainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ShowWindow(child, SW_HIDE);
    const struct {
        int view;
        char taskMode;
        COLORREF area;
    } cases[] = {{0, 'M', RGB(99, 125, 165)}, {4, 'M', RGB(255, 255, 255)}, {0, 'V', RGB(255, 255, 255)},
                 {7, 'M', RGB(255, 255, 255)}, {0, 'L', RGB(255, 255, 255)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "view " << c.view << ", task layout " << c.taskMode);
        CurrentView = c.view;
        DetailMode[kTaskDetail] = c.taskMode;
        InvalidateRect(MainWindow, nullptr, TRUE);
        UpdateWindow(MainWindow);
        testkit::PumpPending();
        EXPECT_EQ(ClientPixel(100, 60), c.area);
        EXPECT_EQ(ClientPixel(237, 139), c.area);
        EXPECT_EQ(ClientPixel(100, 8), RGB(16, 44, 99)) << "the title band";
        EXPECT_EQ(ClientPixel(100, 150), RGB(99, 125, 165)) << "below the view area";
    }
    DetailMode[kTaskDetail] = 'M';
}

// Points the Pocket Outlook class at a library that is not there, for as
// long as it lives.
class OutlookClassMissing {
public:
    OutlookClassMissing()
    {
        DWORD bytes = sizeof(saved_);
        RegGetValueW(HKEY_CLASSES_ROOT, kServerKey, nullptr, RRF_RT_REG_SZ, nullptr, saved_, &bytes);
        Set(L"D:\\Windows\\nosuch.dll");
    }
    ~OutlookClassMissing() { Set(saved_); }

private:
    static constexpr wchar_t kServerKey[] = L"CLSID\\{05058F23-20BE-11D2-8F18-0000F87A4335}\\InprocServer32";
    static void Set(const wchar_t* path)
    {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, kServerKey, nullptr, REG_SZ, path,
                        static_cast<DWORD>((wcslen(path) + 1) * sizeof(wchar_t)));
    }
    wchar_t saved_[MAX_PATH] = L"";
};

TEST_F(MainWindowTest, AFailedStartUndoesOnlyWhatItMadeAndSavesNothing)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kSettingsFile, std::vector<uint8_t>(kCustomRecord, kCustomRecord + 178)));
    {
        OutlookClassMissing missing;
        boxwatch::ArmForThisThread();
        EXPECT_FALSE(InitInstance(GetModuleHandleW(nullptr), SW_SHOW));
        boxwatch::SeenBox box = boxwatch::Disarm();
        EXPECT_TRUE(box.seen);
        EXPECT_EQ(box.caption.rfind(L"An -", 0), 0u) << testing::PrintToString(box.caption);
    }
    testkit::TakeQuitMessage();
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(OutlookApp, nullptr);
    EXPECT_FALSE(DiaryVolumeMounted) << "the volume mounted before the failure is unmounted";
    EXPECT_EQ(SettingsText(), std::string(kCustomRecord));
    UnregisterClassW(L"QUILLON", GetModuleHandleW(nullptr));

    DeleteFileW(L"\\pim.vol");
    ASSERT_TRUE(CreateDirectoryW(L"\\pim.vol", nullptr));
    boxwatch::ArmForThisThread();
    EXPECT_FALSE(InitInstance(GetModuleHandleW(nullptr), SW_SHOW));
    boxwatch::SeenBox box = boxwatch::Disarm();
    EXPECT_TRUE(box.seen);
    EXPECT_NE(box.text.find(L"File=.\\main_create"), std::wstring::npos);
    testkit::TakeQuitMessage();
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(FindRunningCopy(L"QUILLON", L"다이어리"), nullptr);
    EXPECT_EQ(OutlookApp, nullptr);
    EXPECT_EQ(ToolbarImageList, nullptr);
    EXPECT_EQ(MainMenuBar, nullptr);
    EXPECT_FALSE(DiaryVolumeMounted);
    EXPECT_EQ(SettingsText(), std::string(kCustomRecord));
}

}  // namespace
