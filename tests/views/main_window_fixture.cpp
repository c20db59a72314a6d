#include "tests/views/main_window_fixture.h"

#include "core/settings_file.h"
#include "mainwindow/hooks.h"
#include "mainwindow/startup.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/toolbars.h"
#include "mainwindow/view_layouts.h"
#include "resources/resource.h"

#include <algorithm>
#include <tuple>

namespace views {

namespace {

constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";
std::vector<UINT> g_seen;

void Record(HWND, UINT command)
{
    g_seen.push_back(command);
}


void WriteSettings(const std::function<void(DiarySettings&)>& adjust)
{
    DiarySettings settings = ParseSettingsRecord(nullptr, 0, RGB(255, 255, 255));
    if (adjust)
        adjust(settings);
    std::string record = FormatSettingsRecord(settings);
    testkit::WriteFileBytes(kSettingsFile, std::vector<uint8_t>(record.begin(), record.end()));
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

bool operator<(const ControlPlace& a, const ControlPlace& b)
{
    return std::tie(a.id, a.cls, a.x, a.y, a.width) < std::tie(b.id, b.cls, b.x, b.y, b.width);
}

bool operator==(const ControlPlace& a, const ControlPlace& b)
{
    const bool heightsMatch = a.height == kAnyHeight || b.height == kAnyHeight || a.height == b.height;
    return a.id == b.id && a.cls == b.cls && a.x == b.x && a.y == b.y && a.width == b.width && heightsMatch;
}

void PrintTo(const ControlPlace& place, std::ostream* out)
{
    *out << "{" << place.id << ", " << testing::PrintToString(place.cls) << ", " << place.x << ", " << place.y
         << ", " << place.width << ", " << place.height << "}";
}

HWND StartMainWindow(const std::function<void(DiarySettings&)>& adjust)
{
    StopMainWindow();
    WriteSettings(adjust);
    SettingsFilePath[0] = L'\0';
    if (!InitInstance(GetModuleHandleW(nullptr), SW_SHOW))
        return nullptr;
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    return MainWindow;
}

HWND EnsureMainWindow()
{
    return MainWindow ? MainWindow : StartMainWindow();
}

bool StopMainWindow()
{
    if (!MainWindow)
        return false;
    DestroyWindow(MainWindow);
    return testkit::TakeQuitMessage();
}

const std::vector<UINT>& ItemCommandsSeen()
{
    return g_seen;
}

void RecordItemCommands()
{
    g_seen.clear();
    for (UINT command = ID_ITEM_COMMAND_FIRST; command <= ID_ITEM_COMMAND_LAST; ++command)
        RegisterItemCommand(command, Record);
}

std::vector<ControlPlace> VisibleControls()
{
    std::vector<ControlPlace> places;
    for (HWND child = GetWindow(MainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rect = testkit::ScreenRect(child);
        MapWindowPoints(nullptr, MainWindow, reinterpret_cast<POINT*>(&rect), 2);
        const std::wstring cls = ClassOf(child);
        const bool combo = cls == L"ComboBox";
        places.push_back({GetDlgCtrlID(child), cls, static_cast<int>(rect.left), static_cast<int>(rect.top),
                          static_cast<int>(rect.right - rect.left),
                          combo ? kAnyHeight : static_cast<int>(rect.bottom - rect.top)});
    }
    std::sort(places.begin(), places.end());
    return places;
}

std::vector<HWND> VisibleToolbars()
{
    std::vector<HWND> shown;
    for (HWND toolbar : AllToolbars()) {
        if (toolbar && IsWindowVisible(toolbar))
            shown.push_back(toolbar);
    }
    return shown;
}

testkit::Image FaceBitmap(int number)
{
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number));
    if (!bitmap)
        return testkit::Image();
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    testkit::Canvas canvas(info.bmWidth, info.bmHeight);
    HDC memory = CreateCompatibleDC(canvas.dc());
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(canvas.dc(), 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return canvas.ToImage();
}

testkit::Image Region(const testkit::Image& image, int x, int y, int width, int height)
{
    testkit::Image part;
    part.width = width;
    part.height = height;
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            const bool inside = row >= 0 && column >= 0 && row < image.height && column < image.width;
            part.pixels.push_back(inside ? image.pixels[static_cast<size_t>(row * image.width + column)] : 0);
        }
    }
    return part;
}

bool SamePixels(const testkit::Image& a, const testkit::Image& b)
{
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

void ResetViews()
{
    EnsureMainWindow();
    Hooks = MainWindowHooks();
    RecordItemCommands();
    for (char& mode : DetailMode)
        mode = 'M';
    HideContactCard();
    HideScheduleDetail();
    HideTaskDetail();
    HideMemoDetail();
    SendMessageW(MainWindow, WM_COMMAND, IDC_CONTACT_VIEW_TAB, 0);
    UpdateWindow(MainWindow);
    testkit::PumpPending();
    g_seen.clear();
}

void ViewsTest::SetUp()
{
    ResetViews();
    ASSERT_NE(MainWindow, nullptr);
}

const ModeCommand kScheduleModeCommands[3] = {
    {'D', ID_SCHEDULE_DAY_MODE}, {'W', ID_SCHEDULE_WEEK_MODE}, {'M', ID_SCHEDULE_MONTH_MODE}};

std::vector<ControlPlace> AlwaysShown(int subViewTab)
{
    return {
        {IDC_CONTACT_VIEW_TAB, L"Button", 1, 1, 40, 16},
        {subViewTab, L"Button", 40, 1, 40, 16},
        {IDC_SCHEDULE_VIEW_TAB, L"Button", 79, 1, 40, 16},
        {IDC_ANNIVERSARY_VIEW_TAB, L"Button", 196, 1, 40, 16},
        {IDC_TASK_VIEW_TAB, L"Button", 118, 1, 40, 16},
        {IDC_MEMO_VIEW_TAB, L"Button", 157, 1, 40, 16},
        {IDC_TAB_BAR_END, L"Button", 235, 1, 4, 16},
        {0, L"Toolbar", 0, 245, 240, 23},
    };
}

}  // namespace views
