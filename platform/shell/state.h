// State and helpers the shell's files share inside the platform DLL (not
// part of the platform's interface).
#pragma once

#include "platform/ce.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace shell {

// The platform DLL itself: owner of the shell's window classes.
inline HINSTANCE PlatformModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

// Fixed heights of the device's screen furniture, in pixels.
constexpr int kTopBarHeight = 26;
constexpr int kMenuBarHeight = 26;
constexpr int kPanelHeight = 80;

// Registers a window class of the platform DLL (once; later calls succeed).
bool RegisterPlatformClass(LPCWSTR name, WNDPROC proc);
// Whether the window is of the class (its name compared without case).
bool IsWindowOfClass(HWND window, LPCWSTR className);

// A hidden piece of the screen's furniture (top bar, input panel): a
// topmost popup that never takes the activation.
HWND CreateFurnitureWindow(LPCWSTR className, WNDPROC proc, RECT place);

// Takes the window's caption and frame away and puts it at the place.
void PlaceWithoutFrame(HWND window, RECT place);

// A hook of this thread's messages for the life of the object.
class ThreadHook {
public:
    ThreadHook(int type, HOOKPROC proc)
        : hook_(SetWindowsHookExW(type, proc, PlatformModule(), GetCurrentThreadId()))
    {
    }
    ~ThreadHook()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
    }
    ThreadHook(const ThreadHook&) = delete;
    ThreadHook& operator=(const ThreadHook&) = delete;

private:
    HHOOK hook_;
};

// The screen as the device profile gives it.
SIZE ScreenSize();
// Everything below the top bar: (0,26)-(width,height).
RECT WorkArea();
// The menu bar's strip at the bottom of the screen.
RECT MenuBarRect();
// The input panel's place, just above the menu bar.
RECT PanelRect();

// The top bar exists on the device's screen (made by this process when no
// process has made one yet).
void EnsureTopBar();
// Marks a window whose Done ("ok") the top bar offers; the tap sends IDOK.
void SetDoneButton(HWND window, bool shown);

// Whether the input panel is up on the device.
bool PanelUp();

// The device's panel window (made by this process when there is none yet).
HWND EnsurePanelWindow();
// Sent to the panel window: wParam 1 shows it, 0 hides it.
constexpr UINT kPanelShowMessage = WM_APP + 0x51;

// A property-sheet page ending itself: closes its sheet (once) and answers
// true; false for any other window.
bool EndSheetPage(HWND page);

// Brings this process's copy of the device-wide locale items up to date.
void SyncLocale();

// How long a press is held to be a tap-and-hold.
constexpr DWORD kTapAndHoldMs = 500;
constexpr DWORD kLongTapAndHoldMs = 1000;

// Whether the press at the point (client coordinates), now being handled,
// is held for the time without release or movement. A press that did not
// come through the queue is a tap.
bool HeldDown(HWND window, POINT at, DWORD holdMs);
// Sends target the tap-and-hold notice of window at the point.
void NotifyTapAndHold(HWND window, HWND target, POINT at, DWORD item);
// List views and tree views take the device's tap-and-hold and key notice.
void AdoptListControl(HWND control, bool isTree);

// A window-procedure subclass kept in a table of this process. The common
// controls' own subclassing asks the window server for the window's chain
// on every message, a round trip each under Wine; hot windows (lists, a
// menu bar's owner) use this instead. One hook a window: setting another
// replaces it, so the newest wins.
using PlainSubclassProc = LRESULT (*)(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, DWORD_PTR data);
void SetPlainSubclass(HWND window, PlainSubclassProc proc, DWORD_PTR data);
// Takes the hook away when it is still the one set with the data.
void RemovePlainSubclass(HWND window, DWORD_PTR data);
// The window's procedure under the hook.
LRESULT CallUnderSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The name of this process's program, for the records it leaves in the log.
void ProgramName(wchar_t* out, size_t chars);

}  // namespace shell
