// Helpers for tests that run under Wine on a device of their own: create and
// read windows, inject input, pump messages, take screenshots, read the
// device's files and log.
#pragma once

#include "platform/ce.h"

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testkit {

// ---- windows -------------------------------------------------------------

// Registers a window class of this program with the procedure (DefWindowProc
// when null), a white background and the arrow cursor, under a name of its
// own; returns the name.
std::wstring RegisterTestClass(WNDPROC proc = nullptr);

// A plain top-level window for hosting controls; destroyed by the caller.
HWND CreateTestWindow(bool visible, int width = 240, int height = 294, WNDPROC proc = nullptr);

std::wstring WindowText(HWND window);
bool IsShown(HWND window);
RECT ScreenRect(HWND window);  // GetWindowRect
RECT ClientRectOf(HWND window);

int ListViewCount(HWND list);
std::wstring ListViewText(HWND list, int item, int column = 0);
// Every row's columns 0 .. columns-1 joined by '|'.
std::vector<std::wstring> ListViewRows(HWND list, int columns);
UINT ListViewState(HWND list, int item, UINT mask = LVIS_SELECTED | LVIS_FOCUSED);
int ListViewSelection(HWND list);  // first selected item or -1

std::vector<std::wstring> ComboItems(HWND combo);
int ComboSelection(HWND combo);

// One item of a menu as it reads back, its whole text however long.
struct MenuEntry {
    UINT id = 0;
    std::wstring text;
    bool separator = false;
    bool checked = false;
    bool grayed = false;
};
std::vector<MenuEntry> MenuEntries(HMENU menu);

// ---- input ---------------------------------------------------------------

// Key codes the device sends besides the desktop's usual ones.
constexpr UINT kKeyDevice134 = 134;  // the LG action key
constexpr UINT kKeyDevice136 = 136;
constexpr UINT kKeyDevice137 = 137;
constexpr UINT kKeyProcess = 229;    // VK_PROCESSKEY: a key the input method took
constexpr UINT kKeyPeriod = 190;     // VK_OEM_PERIOD

void KeyDown(HWND target, UINT virtualKey);  // WM_KEYDOWN then WM_KEYUP, sent
void TypeText(HWND target, const std::wstring& text);  // WM_CHAR per character, sent
void Tap(HWND target, int x, int y);          // client coordinates, sent
void DoubleTap(HWND target, int x, int y);
void LongPress(HWND target, int x, int y, DWORD holdMs = 1000);  // press, hold (pumping), release
void RightClick(HWND target, int x, int y);
void ChooseCommand(HWND owner, UINT command);  // a menu-bar or menu choice reaching its owner

// Real input through the system's input queue, in screen coordinates.
void InjectClick(int screenX, int screenY);
void InjectKey(UINT virtualKey);

// ---- message pump --------------------------------------------------------

void PumpPending();
void PumpFor(DWORD ms);
// Pumps until the condition holds or the time is up; returns the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// Dispatches what is pending and takes the quit message a destroyed main
// window posted; true when there was one.
bool TakeQuitMessage();

// ---- screen --------------------------------------------------------------

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
    COLORREF At(int x, int y) const;
};

// A 32-bit top-down memory bitmap to draw into and read pixels back from.
class Canvas {
public:
    Canvas(int width, int height, COLORREF background = RGB(0, 0, 0));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void Clear(COLORREF colour);
    COLORREF At(int x, int y) const;  // CLR_INVALID outside
    // Pixels of the rectangle visibly darker than white (smoothed edges too).
    int InkedPixels(int left, int top, int right, int bottom) const;
    Image ToImage() const;

private:
    int width_ = 0;
    int height_ = 0;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

Image CaptureScreen();
Image CaptureWindow(HWND window);  // the window's rectangle on the screen
COLORREF ScreenPixel(int x, int y);
bool SavePng(const Image& image, const std::wstring& path);
std::vector<uint8_t> EncodePng(const Image& image);
// Saves a capture into the test run's folder as <name>.png; returns the path.
std::wstring SaveScreenshot(const Image& image, const std::wstring& name);

// ---- platform ----------------------------------------------------------------

// The platform is reset after every case, so that each starts as a fresh
// process would; an executable whose cases share one started main window
// calls this first, and the platform then stays as the window left it.
void KeepPlatformBetweenCases();

// ---- device ----------------------------------------------------------------

// The folder of this test run (holds the device folder, its log and profile).
std::wstring TestRunDir();
// The device folder itself as the host sees it (not through drive D:).
std::wstring DeviceHostDir();
// The device profile the platform reads (QUILLON_DEVICE_PROFILE).
std::wstring DeviceProfilePath();
std::wstring DeviceLogText();  // the whole debug log, decoded
// The log's lines that contain the token, without their "[pid] " prefix;
// from a place in the text (a length of DeviceLogText read earlier) on.
std::vector<std::wstring> DeviceLogRecords(const std::wstring& token, size_t from = 0);
bool FileExists(const std::wstring& path);
std::vector<uint8_t> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
// Starts a program; false (with the error set) when it cannot start. Under
// load Wine now and then refuses a start with an internal error that a later
// try does not meet, so that one is tried again a few times.
bool StartProcess(const std::wstring& commandLine, PROCESS_INFORMATION* started);
// Runs a program to its end; returns its exit code, or -1 when it could not
// start or did not end within the limit.
int RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 30000);
// The path of a program built beside the test executable.
std::wstring BuiltProgram(const wchar_t* name);

}  // namespace testkit
