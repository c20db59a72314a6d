// What the shell tests share: posing as another handset, reading the device
// log's records, running the probe program in a second process.
#pragma once

#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shelltest {

// A profile of tools/lib/profiles as a path the device process can open.
std::wstring ProfilePath(const std::wstring& name);

// Points the platform at another profile for the life of the object.
class ScopedProfile {
public:
    explicit ScopedProfile(const std::wstring& path);
    ~ScopedProfile();
    ScopedProfile(const ScopedProfile&) = delete;
    ScopedProfile& operator=(const ScopedProfile&) = delete;

private:
    std::wstring previous_;
};

// Writes a profile of the given lines into the test run's folder; returns its path.
std::wstring WriteProfile(const std::wstring& name, const std::wstring& text);

// The device log's lines that contain the token, without the "[pid] " prefix.
std::vector<std::wstring> LogRecords(const std::wstring& token);

// The full path of a program built beside this test.
std::wstring BuiltProgram(const std::wstring& fileName);

// Starts a program of the build with the arguments; null on failure.
HANDLE StartBuiltProgram(const std::wstring& fileName, const std::wstring& arguments);
// Pumps this thread's messages until the process ends; its exit code, or -1
// when it did not end in time (it is then ended).
int WaitPumping(HANDLE process, DWORD timeoutMs = 20000);

// A top-level window as the device makes one (WS_VISIBLE, default place),
// with the given procedure (DefWindowProc when null).
HWND CreateDeviceWindow(const wchar_t* title, WNDPROC proc = nullptr);

// A report-view list view at the place of the main lists (3,34, 234 x 105),
// one column, the rows given.
HWND MakeListView(HWND parent, const std::vector<std::wstring>& rows);

// Expects the rectangle's four edges.
void ExpectRect(const RECT& r, int left, int top, int right, int bottom);

// A test whose cases each have a device window with the given procedure.
class DeviceWindowTest : public testing::Test {
protected:
    explicit DeviceWindowTest(WNDPROC proc) : proc_(proc) {}
    void SetUp() override
    {
        window = CreateDeviceWindow(L"다이어리", proc_);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        if (window)
            DestroyWindow(window);
    }
    HWND window = nullptr;

private:
    WNDPROC proc_;
};

// The shown top-level windows, front first; without the topmost ones (the
// screen's furniture) when withTopmost is false.
std::vector<HWND> ShownTopLevelWindows(bool withTopmost = true);
// A window's place in such an order, front first; a large number when it
// is not in it.
size_t PlaceOf(const std::vector<HWND>& order, HWND window);

// Whether the screen shows the menu bar in its strip (what the display
// shows, which may differ from the window list's order), waiting up to the
// bound for the display to settle.
bool BarShowsOnScreen(HWND bar, DWORD waitMs = 2000);

// Real key presses through the input queue, without pumping (safe inside a
// menu's or dialog's own loop).
void InjectKeys(const std::vector<UINT>& keys);

// Calls end once if the test is still running after the time: a modal loop
// that should have ended is ended, and fired() tells the test it failed.
class Failsafe {
public:
    Failsafe(DWORD ms, void (*end)());
    ~Failsafe();
    Failsafe(const Failsafe&) = delete;
    Failsafe& operator=(const Failsafe&) = delete;
    bool fired() const { return fired_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_;
    void (*end_)();
    bool fired_ = false;
};

}  // namespace shelltest
