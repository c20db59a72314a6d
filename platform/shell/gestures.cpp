#include "platform/shell/state.h"

namespace {

constexpr int kMoveTolerance = 5;

// The last message this thread took from its queue: a press being handled
// came through the queue (a pen is down) when it is this one.
struct QueuedMessage {
    HWND window;
    UINT message;
    LPARAM lParam;
};
QueuedMessage g_lastQueued = {};

LRESULT CALLBACK QueueHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        g_lastQueued = QueuedMessage{msg->hwnd, msg->message, msg->lParam};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

shell::ThreadHook g_queueHook(WH_GETMESSAGE, QueueHookProc);

bool CameFromQueue(HWND window, UINT message, POINT at)
{
    QueuedMessage last = g_lastQueued;
    g_lastQueued = QueuedMessage{};
    return last.window == window && last.message == message && last.lParam == MAKELPARAM(at.x, at.y);
}

bool Apart(POINT a, POINT b)
{
    return abs(a.x - b.x) > kMoveTolerance || abs(a.y - b.y) > kMoveTolerance;
}

// The pen went away: the pointer moved since the hold began, to a place away
// from the press. (The queue's moves do not tell: the system also makes some
// up, with old places; and a press that was posted has no pointer of its own.)
bool MovedAway(POINT start, POINT pressed)
{
    POINT now = {};
    GetCursorPos(&now);
    return Apart(now, start) && Apart(now, pressed);
}

}  // namespace

namespace shell {

bool HeldDown(HWND window, POINT at, DWORD holdMs)
{
    if (!CameFromQueue(window, WM_LBUTTONDOWN, at))
        return false;
    POINT start = {};
    GetCursorPos(&start);
    POINT pressed = at;
    ClientToScreen(window, &pressed);
    ULONGLONG end = GetTickCount64() + holdMs;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE)) {
            // A release or another press is a tap: left for the window to see.
            if (msg.message != WM_MOUSEMOVE)
                return false;
            PeekMessageW(&msg, msg.hwnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE);
        }
        if (MovedAway(start, pressed))
            return false;
        ULONGLONG now = GetTickCount64();
        if (now >= end)
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_MOUSE);
    }
}

void NotifyTapAndHold(HWND window, HWND target, POINT at, DWORD item)
{
    NMRGINFO notice = {};
    notice.hdr.hwndFrom = window;
    notice.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
    notice.hdr.code = GN_CONTEXTMENU;
    notice.ptAction = at;
    ClientToScreen(window, &notice.ptAction);
    notice.dwItemSpec = item;
    SendMessageW(target, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
}

}  // namespace shell

CEAPI DWORD WINAPI SHRecognizeGesture(SHRGINFO* info)
{
    if (!info || info->cbSize < sizeof(SHRGINFO) || !IsWindow(info->hwndClient))
        return 0;
    DWORD hold = info->dwFlags & SHRG_LONGDELAY ? shell::kLongTapAndHoldMs : shell::kTapAndHoldMs;
    if (!shell::HeldDown(info->hwndClient, info->ptDown, hold))
        return 0;
    if (!(info->dwFlags & SHRG_RETURNCMD)) {
        HWND target = info->dwFlags & SHRG_NOTIFYPARENT ? GetParent(info->hwndClient) : info->hwndClient;
        if (target)
            shell::NotifyTapAndHold(info->hwndClient, target, info->ptDown, 0);
    }
    return GN_CONTEXTMENU;
}
