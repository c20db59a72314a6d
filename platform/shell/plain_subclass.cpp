// Plain window-procedure subclassing: the hooks of this process's windows in
// a table guarded by a slim lock (another thread's windows may be hooked too).
#include "platform/shell/state.h"

#include <unordered_map>

namespace {

struct Hook {
    WNDPROC original;
    shell::PlainSubclassProc proc;  // none once removed while another lies above
    DWORD_PTR data;
};

SRWLOCK hooksLock = SRWLOCK_INIT;

std::unordered_map<HWND, Hook>& Hooks()
{
    static std::unordered_map<HWND, Hook> hooks;
    return hooks;
}

bool FindHook(HWND window, Hook* hook)
{
    AcquireSRWLockShared(&hooksLock);
    auto found = Hooks().find(window);
    bool known = found != Hooks().end();
    if (known)
        *hook = found->second;
    ReleaseSRWLockShared(&hooksLock);
    return known;
}

void ForgetHook(HWND window)
{
    AcquireSRWLockExclusive(&hooksLock);
    Hooks().erase(window);
    ReleaseSRWLockExclusive(&hooksLock);
}

LRESULT CALLBACK HookedWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Hook hook = {};
    if (!FindHook(window, &hook))
        return DefWindowProcW(window, msg, wParam, lParam);
    LRESULT result = hook.proc ? hook.proc(window, msg, wParam, lParam, hook.data)
                               : CallWindowProcW(hook.original, window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        ForgetHook(window);
    return result;
}

}  // namespace

namespace shell {

void SetPlainSubclass(HWND window, PlainSubclassProc proc, DWORD_PTR data)
{
    WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (!current)
        return;
    AcquireSRWLockExclusive(&hooksLock);
    auto found = Hooks().find(window);
    if (found != Hooks().end() && current == HookedWindowProc) {
        found->second.proc = proc;
        found->second.data = data;
    } else if (current != HookedWindowProc) {
        // A stale entry of a window that never saw its last message gives way.
        Hooks()[window] = {current, proc, data};
    }
    ReleaseSRWLockExclusive(&hooksLock);
    if (current != HookedWindowProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookedWindowProc));
}

void RemovePlainSubclass(HWND window, DWORD_PTR data)
{
    Hook hook = {};
    if (!FindHook(window, &hook) || hook.data != data || !hook.proc)
        return;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == HookedWindowProc) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.original));
        ForgetHook(window);
        return;
    }
    // Someone subclassed the window above us: keep passing messages down.
    AcquireSRWLockExclusive(&hooksLock);
    auto found = Hooks().find(window);
    if (found != Hooks().end())
        found->second.proc = nullptr;
    ReleaseSRWLockExclusive(&hooksLock);
}

LRESULT CallUnderSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Hook hook = {};
    if (!FindHook(window, &hook))
        return DefWindowProcW(window, msg, wParam, lParam);
    return CallWindowProcW(hook.original, window, msg, wParam, lParam);
}

}  // namespace shell
